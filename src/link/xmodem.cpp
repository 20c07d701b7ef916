#include "link/xmodem.h"

#include <algorithm>

namespace rc::link {

using namespace xmodem;
namespace text = xfer_text;

std::int64_t MicrosPerByte(const LineSettings& line) {
    if (line.baud <= 0)
        return 0;
    const int bits = 1 + line.dataBits + (line.parity == Parity::None ? 0 : 1) + line.stopBits;
    return (bits * 1'000'000LL + line.baud - 1) / line.baud;
}

PacketVerdict VerifyPacket(const Packet& packet, std::uint8_t expected, bool anyStored) {
    if (packet[0] != SOH)
        return PacketVerdict::Bad;
    std::uint8_t sum = 0;
    for (int i = 3; i < 3 + kBlockSize; ++i)
        sum = static_cast<std::uint8_t>(sum + packet[i]);
    if (sum != packet[131] || packet[2] != static_cast<std::uint8_t>(255 - packet[1]))
        return PacketVerdict::Bad;
    if (packet[1] == expected)
        return PacketVerdict::Good;
    if (anyStored && packet[1] == static_cast<std::uint8_t>(expected - 1))
        return PacketVerdict::Repeat;
    return PacketVerdict::Bad;
}

Packet BuildPacket(std::span<const std::uint8_t> data, int block) {
    Packet packet{};
    packet[0] = SOH;
    packet[1] = static_cast<std::uint8_t>(block);
    packet[2] = static_cast<std::uint8_t>(255 - packet[1]);
    const std::size_t from = static_cast<std::size_t>(block - 1) * kBlockSize;
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        const std::uint8_t b = from + i < data.size() ? data[from + i] : kPad;
        packet[3 + i] = b;
        sum = static_cast<std::uint8_t>(sum + b);
    }
    packet[131] = sum;
    return packet;
}

std::optional<std::int64_t> XmodemEngine::Deadline() const {
    if (finished_)
        return std::nullopt;
    return deadline_;
}

void XmodemEngine::Finish(XferOutput& out, bool ok, const std::string& message) {
    finished_ = true;
    succeeded_ = ok;
    if (!message.empty())
        out.messages.push_back(message);
    out.beep = ok;
}

XferOutput XmodemEngine::LineLost(const std::string& reason) {
    XferOutput out;
    if (!finished_)
        Finish(out, false, LineLostMessage(reason));
    return out;
}

// ---- download ----

XmodemReceive::XmodemReceive(IBlockStore& store, const XmodemTiming& timing, int expectedBytes)
    : XmodemEngine(timing), store_(store), expectedBytes_(expectedBytes) {}

XferOutput XmodemReceive::Start(std::int64_t nowMs) {
    XferOutput out;
    counters_ = XferCounters{text::kReceivedPacket, "", "0", "", 0};
    out.countersChanged = true;
    out.messages.push_back(text::kAwaitingDownloadConfirmation);
    out.messages.push_back(text::kAwaitingDownloadStart);
    step_ = Step::AwaitFirstByte;
    // Thirteen read waits, counted in time: what arrives meanwhile does not start them again, or a
    // line of noise would keep the download waiting for ever.
    startEnd_ = nowMs + kStartNaks * timing_.readMs;
    // A sender that is already waiting starts now instead of one read time-out later; one that is
    // not ready yet hears the next NAK.
    out.send.push_back(NAK);
    lastNakAt_ = nowMs;
    deadline_ = nowMs + timing_.readMs;
    return out;
}

XferOutput XmodemReceive::OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
    XferOutput out;
    for (std::uint8_t b : bytes)
        if (Finished() || !Take(b, nowMs, out))
            break;
    return out;
}

bool XmodemReceive::Take(std::uint8_t b, std::int64_t nowMs, XferOutput& out) {
    const std::int64_t gap = nowMs - lastByteAt_;
    lastByteAt_ = nowMs;
    switch (step_) {
    case Step::AwaitFirstByte:
        if (b == SOH || b == CAN)
            return BetweenPackets(b, nowMs, out);
        // Noise, or a first packet whose SOH the line lost: ask again once the line is quiet, and
        // at the latest at the next read time-out.
        deadline_ = std::min({nowMs + timing_.Quiet(), lastNakAt_ + timing_.readMs, startEnd_});
        return true;

    case Step::ReadByteTimed:
        silentNaks_ = 0;
        if (b == SOH)
            slowestAnswer_ = std::max(slowestAnswer_, nowMs - answeredAt_);
        return BetweenPackets(b, nowMs, out);

    case Step::ReceivePacketBody:
        packet_[fill_++] = b;
        slowestGap_ = std::max(slowestGap_, gap);
        if (fill_ < kPacketSize) {
            deadline_ = nowMs + std::max(timing_.Quiet(), 4 * slowestGap_);
            return true;
        }
        verdict_ = VerifyPacket(packet_, expected_, packets_ > 0);
        if (verdict_ == PacketVerdict::Bad)
            return BadPacket(nowMs, out);
        step_ = Step::Settle;
        deadline_ = nowMs + timing_.settleMs + timing_.LineMs(2);
        return true;

    case Step::Settle:
        // The sender waits for our answer: a byte now makes the packet one byte too long.
        return BadPacket(nowMs, out);

    case Step::EotHeard:
        // A sender that has finished says nothing more: this EOT was a byte of a broken packet.
        return BadPacket(nowMs, out);

    case Step::CanHeard:
        if (b == CAN) {
            Finish(out, false, text::kCancelledByRemote);
            return false;
        }
        if (canFrom_ == Step::AwaitFirstByte) {
            step_ = Step::AwaitFirstByte;
            return Take(b, nowMs, out);
        }
        return BadPacket(nowMs, out);

    case Step::Purge:
        deadline_ = std::min(nowMs + timing_.Quiet(), purgeEnd_);
        return true;
    }
    return false;
}

bool XmodemReceive::BetweenPackets(std::uint8_t b, std::int64_t nowMs, XferOutput& out) {
    if (b == SOH) {
        if (!started_) {
            started_ = true;
            out.messages.push_back(text::kDownloadInProgress);
        }
        packet_[0] = SOH;
        fill_ = 1;
        step_ = Step::ReceivePacketBody;
        deadline_ = nowMs + std::max(timing_.Quiet(), 4 * slowestGap_);
        return true;
    }
    if (b == CAN) {
        // A lone 0x18 is as likely the block number of a packet whose SOH was lost.
        canFrom_ = step_;
        step_ = Step::CanHeard;
        deadline_ = nowMs + timing_.Quiet();
        return true;
    }
    if (b == EOT) {
        step_ = Step::EotHeard;
        deadline_ = nowMs + timing_.Quiet();
        return true;
    }
    // Any other byte between packets is the rest of a packet whose SOH the line lost.
    return BadPacket(nowMs, out);
}

bool XmodemReceive::BadPacket(std::int64_t nowMs, XferOutput& out, bool counted) {
    if (counted) {
        ++errors_;
        counters_.errPackets = std::to_string(errors_);
        out.countersChanged = true;
    }
    if (++blockErrors_ > kMaxErrorPackets) {
        out.send.push_back(NAK);
        Finish(out, false, text::kExcessiveErrors);
        return false;
    }
    // One fault, one refusal: what is still coming of the packet goes unanswered, and the NAK
    // waits until the line is quiet, so it never lands in the middle of the sender's repeat.
    step_ = Step::Purge;
    purgeEnd_ = nowMs + std::max(timing_.purgeMaxMs, timing_.LineMs(kPacketSize) + timing_.Quiet());
    deadline_ = std::min(nowMs + timing_.Quiet(), purgeEnd_);
    return true;
}

void XmodemReceive::Answer(std::uint8_t reply, std::int64_t nowMs, XferOutput& out) {
    out.send.push_back(reply);
    if (reply == NAK)
        lastNakAt_ = nowMs;
    answeredAt_ = nowMs;
    step_ = Step::ReadByteTimed;
    deadline_ = SilenceDeadline();
}

std::int64_t XmodemReceive::SilenceDeadline() const {
    // Until the sender has shown its pace, and after a silent wait it did not answer at once, the
    // full read wait.
    if (slowestAnswer_ < 0 || silentNaks_ > 0)
        return answeredAt_ + timing_.readMs;
    const std::int64_t wait = std::max(timing_.silenceMs, 4 * slowestAnswer_) + timing_.LineMs(2);
    return answeredAt_ + std::min(wait, timing_.readMs);
}

void XmodemReceive::Settled(std::int64_t nowMs, XferOutput& out) {
    if (verdict_ == PacketVerdict::Repeat) {
        // The sender missed our ACK. Not a bad packet, but a sender that repeats for ever must
        // end too.
        if (++blockErrors_ > kMaxErrorPackets) {
            Finish(out, false, text::kExcessiveErrors);
            return;
        }
        Answer(ACK, nowMs, out);
        return;
    }
    // Past the model's size too: a whole image of another model is kept, though not as the file.
    if (!StorePacket()) {
        Finish(out, false, store_.FailureMessage());
        return;
    }
    ++expected_;
    ++packets_;
    bytes_ += kBlockSize;
    blockErrors_ = 0;
    eotRefused_ = false;
    counters_.numPackets = std::to_string(packets_);
    counters_.numBytes = std::to_string(bytes_);
    counters_.progress = bytes_;
    out.countersChanged = true;
    if (expectedBytes_ > 0 && bytes_ > 2 * expectedBytes_) {
        // A sender that does not stop: tell it, and stop listening. Up to twice the size it may
        // still be a whole image of another model (8192 bytes for a 4096-byte file).
        out.send.insert(out.send.end(), {CAN, CAN});
        Finish(out, false, DownloadTooLongMessage(bytes_, expectedBytes_));
        return;
    }
    Answer(ACK, nowMs, out);
}

void XmodemReceive::EndOfTransmission(std::int64_t nowMs, XferOutput& out) {
    if (expectedBytes_ > 0 && bytes_ < expectedBytes_ && !eotRefused_) {
        // Short of the model's size this may be a stray byte while the sender waits for an answer
        // the line lost: refuse it once. A sender that has finished says EOT again.
        eotRefused_ = true;
        if (++blockErrors_ > kMaxErrorPackets) {
            Finish(out, false, text::kExcessiveErrors);
            return;
        }
        Answer(NAK, nowMs, out);
        return;
    }
    out.send.push_back(ACK);
    if (expectedBytes_ > 0 && bytes_ < expectedBytes_) {
        Finish(out, false, DownloadIncompleteMessage(bytes_, expectedBytes_) + store_.KeepWhole());
    } else if (expectedBytes_ > 0 && bytes_ > expectedBytes_) {
        // An image the file's model does not take must not take the place of a good one.
        Finish(out, false, DownloadTooLongMessage(bytes_, expectedBytes_) + store_.KeepWhole());
    } else if (!store_.Commit()) {
        Finish(out, false, store_.FailureMessage());
    } else {
        counters_.numPackets = std::to_string(packets_ + 1);
        out.countersChanged = true;
        Finish(out, true, text::kDownloadSuccessful);
    }
}

bool XmodemReceive::StorePacket() {
    std::array<std::uint8_t, kBlockSize> block;
    std::copy_n(packet_.begin() + 3, kBlockSize, block.begin());
    std::fill_n(packet_.begin() + 3, kBlockSize, 0);
    return store_.StoreBlock(block);
}

XferOutput XmodemReceive::OnTime(std::int64_t nowMs) {
    XferOutput out;
    if (Finished() || nowMs < deadline_)
        return out;
    switch (step_) {
    case Step::AwaitFirstByte:
        if (nowMs >= startEnd_) {
            Finish(out, false, text::kRemoteTimeOut);
        } else {
            // The next NAK is due one read wait after this one was due, not after the timer woke
            // us: a late timer must not cost the sender one of its thirteen chances.
            const std::int64_t due = deadline_;
            out.send.push_back(NAK);
            lastNakAt_ = due;
            deadline_ = std::min(due + timing_.readMs, startEnd_);
        }
        break;
    case Step::ReadByteTimed:
        if (eotRefused_) {
            // The sender did not take back its EOT: the image really is short.
            out.send.push_back(ACK);
            Finish(out, false, DownloadIncompleteMessage(bytes_, expectedBytes_) + store_.KeepWhole());
        } else if (++silentNaks_ > kSilentNaks) {
            Finish(out, false, text::kRemoteTimeOut);
        } else {
            // A sender whose packet or whose ACK the line lost waits for an answer of ours; a NAK
            // makes it send the block again at once.
            Answer(NAK, nowMs, out);
        }
        break;
    case Step::ReceivePacketBody:
        // The packet broke off and the line has been quiet since: nothing more of it is coming.
        if (BadPacket(nowMs, out))
            Answer(NAK, nowMs, out);
        break;
    case Step::Settle:
        Settled(nowMs, out);
        break;
    case Step::Purge:
        Answer(NAK, nowMs, out);
        break;
    case Step::EotHeard:
        EndOfTransmission(nowMs, out);
        break;
    case Step::CanHeard:
        Finish(out, false, text::kCancelledByRemote);
        break;
    }
    return out;
}

XferOutput XmodemReceive::Cancel(std::int64_t) {
    XferOutput out;
    if (!Finished())
        Finish(out, false, text::kCancelledByUser);
    return out;
}

// ---- upload ----

XmodemSend::XmodemSend(std::vector<std::uint8_t> data, const XmodemTiming& timing, int refusalLimit)
    : XmodemEngine(timing), data_(std::move(data)),
      blocks_(static_cast<int>((data_.size() + kBlockSize - 1) / kBlockSize)), refusalLimit_(refusalLimit) {}

XferOutput XmodemSend::Start(std::int64_t nowMs) {
    XferOutput out;
    counters_ = XferCounters{text::kSendingPacket, "", "0", "", 0};
    out.countersChanged = true;
    out.messages.push_back(text::kAwaitingUploadConfirmation);
    step_ = Step::AwaitStartNak;
    deadline_ = nowMs + timing_.startNakMs;
    return out;
}

XferOutput XmodemSend::OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
    XferOutput out;
    for (std::uint8_t b : bytes)
        if (Finished() || !Take(b, nowMs, out))
            break;
    return out;
}

// Returns false once we have answered: the rest of the bytes that came with the answer's cause were
// on the line before our answer, so none of them can be a reply to it.
bool XmodemSend::Take(std::uint8_t b, std::int64_t nowMs, XferOutput& out) {
    switch (step_) {
    case Step::AwaitStartNak:
        if (b == CAN && canHeard_) {
            // The receiver gave up before it asked for anything.
            Finish(out, false, text::kCancelledByRemote);
            return false;
        }
        canHeard_ = b == CAN;
        if (b != NAK)
            return true;
        started_ = true;
        out.messages.push_back(text::kUploadInProgress);
        if (blocks_ == 0)
            SendEot(nowMs, out);
        else
            SendPacket(nowMs, out);
        return false;

    case Step::AwaitReply:
        if (b != ACK && b != NAK && b != EOT && b != CAN) {
            // No answer of any receiver: the answer was damaged. Once the line is quiet (and the
            // packet can have arrived) the block goes again, rather than after the whole wait.
            garbled_ = true;
            deadline_ =
                std::max(nowMs + timing_.Quiet(), sentAt_ + timing_.LineMs(kPacketSize) + timing_.Quiet());
            return true;
        }
        if (ambiguous_ && b != CAN) {
            heldReply_ = b;
            deadline_ =
                std::max(nowMs + timing_.Quiet(), sentAt_ + timing_.LineMs(kPacketSize) + timing_.Quiet());
            return true;
        }
        return Reply(b, nowMs, out);

    case Step::AwaitEotReply:
        // Every block is acknowledged: whatever the answer to EOT, the controller has the file.
        if (b == NAK && eotRepeats_ < kEotRepeats) {
            ++eotRepeats_;
            out.send.push_back(EOT);
            deadline_ = ReplyDeadline(nowMs, timing_.eotReplyMs, 1);
            return false;
        }
        if (b == ACK || b == NAK || b == CAN) {
            UploadSuccessful(out);
            return false;
        }
        return true;

    case Step::Done:
        break;
    }
    return false;
}

bool XmodemSend::Reply(std::uint8_t b, std::int64_t nowMs, XferOutput& out) {
    silentWaits_ = 0;
    switch (b) {
    case ACK:
        refusals_ = 0;
        ++block_;
        counters_.numBytes = std::to_string(bytes_);
        counters_.progress = bytes_;
        out.countersChanged = true;
        bytes_ += kBlockSize;
        if (block_ > blocks_)
            SendEot(nowMs, out);
        else
            SendPacket(nowMs, out);
        return false;
    case NAK:
        ++errors_;
        counters_.errPackets = std::to_string(errors_);
        out.countersChanged = true;
        if (Refused(out))
            SendPacket(nowMs, out);
        return false;
    case EOT:
        if (Refused(out))
            SendPacket(nowMs, out);
        return false;
    case CAN:
        Finish(out, false, text::kCancelledByRemote);
        return false;
    default:
        return true;
    }
}

bool XmodemSend::Refused(XferOutput& out) {
    if (refusalLimit_ > 0 && ++refusals_ >= refusalLimit_) {
        // Tell the receiver too, so it stops waiting for a block that will not come.
        out.send.insert(out.send.end(), {CAN, CAN});
        Finish(out, false, text::kExcessiveErrors);
        return false;
    }
    return true;
}

void XmodemSend::SendPacket(std::int64_t nowMs, XferOutput& out) {
    const Packet packet = BuildPacket(data_, block_);
    counters_.numPackets = std::to_string(block_);
    out.countersChanged = true;
    out.send.insert(out.send.end(), packet.begin(), packet.end());
    step_ = Step::AwaitReply;
    sentAt_ = nowMs;
    garbled_ = false;
    heldReply_.reset();
    deadline_ = ReplyDeadline(nowMs, timing_.replyMs, kPacketSize);
}

void XmodemSend::SendEot(std::int64_t nowMs, XferOutput& out) {
    out.send.push_back(EOT);
    out.messages.push_back(text::kUploadSuccessful);
    step_ = Step::AwaitEotReply;
    deadline_ = ReplyDeadline(nowMs, timing_.eotReplyMs, 1);
}

void XmodemSend::UploadSuccessful(XferOutput& out) {
    step_ = Step::Done;
    Finish(out, true, text::kUploadSuccessful);
}

std::int64_t XmodemSend::ReplyDeadline(std::int64_t nowMs, std::int64_t waitMs, int bytesSent) const {
    return nowMs + waitMs + timing_.LineMs(bytesSent);
}

XferOutput XmodemSend::OnTime(std::int64_t nowMs) {
    XferOutput out;
    if (Finished() || nowMs < deadline_)
        return out;
    switch (step_) {
    case Step::AwaitStartNak:
        Finish(out, false, text::kNakTimedOut);
        break;
    case Step::AwaitReply:
        if (heldReply_) {
            const std::uint8_t reply = *heldReply_;
            ambiguous_ = false;
            silentWaits_ = 0;
            Reply(reply, nowMs, out);
        } else if (garbled_) {
            silentWaits_ = 0;
            ++errors_;
            counters_.errPackets = std::to_string(errors_);
            out.countersChanged = true;
            if (Refused(out)) {
                SendPacket(nowMs, out);
                ambiguous_ = true;
            }
        } else if (++silentWaits_ > 1) {
            Finish(out, false, text::kReplyTimeout);
        } else {
            // The receiver's answer was lost, or the packet was, and the receiver did not ask
            // again within the reply wait: one more copy before giving up. Its answer and a late
            // one to the first copy may both come.
            SendPacket(nowMs, out);
            ambiguous_ = true;
        }
        break;
    case Step::AwaitEotReply:
        UploadSuccessful(out);
        break;
    case Step::Done:
        break;
    }
    return out;
}

XferOutput XmodemSend::Cancel(std::int64_t) {
    XferOutput out;
    if (Finished())
        return out;
    if (step_ == Step::AwaitEotReply)
        UploadSuccessful(out);
    else
        Finish(out, false, text::kCancelledByUser);
    return out;
}

std::string LineRefusal(const LineSettings& line) {
    if (line.dataBits == 8 && line.parity == Parity::None)
        return {};
    return " Transfer Refused: Xmodem needs 8 data bits and no parity";
}

std::string DownloadIncompleteMessage(int received, int expected) {
    return " Download Incomplete: " + std::to_string(received) + " of " + std::to_string(expected) + " Bytes";
}

std::string DownloadTooLongMessage(int received, int expected) {
    return " Download Too Long: " + std::to_string(received) + " of " + std::to_string(expected) + " Bytes";
}

std::string LineLostMessage(const std::string& reason) {
    return reason.empty() ? " Line Lost. Transfer Aborted" : " Line Lost (" + reason + "). Transfer Aborted";
}

} // namespace rc::link
