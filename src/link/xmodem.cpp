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

// ---- download ----

XmodemReceive::XmodemReceive(IBlockStore& store, const XmodemTiming& timing, int expectedBytes)
    : XmodemEngine(timing), store_(store), expectedBytes_(expectedBytes) {}

XferOutput XmodemReceive::Start(std::int64_t nowMs) {
    XferOutput out;
    counters_ = XferCounters{text::kReceivedPacket, "", "0", "", 0};
    out.countersChanged = true;
    out.messages.push_back(text::kAwaitingDownloadConfirmation);
    AwaitFirstByte(nowMs, out);
    // A sender that is already waiting starts now instead of one read time-out later; one that is
    // not ready yet hears the next NAK.
    out.send.push_back(NAK);
    return out;
}

void XmodemReceive::AwaitFirstByte(std::int64_t nowMs, XferOutput& out) {
    step_ = Step::AwaitFirstByte;
    waits_ = 0;
    deadline_ = nowMs + timing_.readMs;
    if (out.messages.empty() || out.messages.back() != text::kAwaitingDownloadStart)
        out.messages.push_back(text::kAwaitingDownloadStart);
}

XferOutput XmodemReceive::OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
    XferOutput out;
    for (std::uint8_t b : bytes)
        if (Finished() || !Take(b, nowMs, out))
            break;
    return out;
}

bool XmodemReceive::Take(std::uint8_t b, std::int64_t nowMs, XferOutput& out) {
    silentNaks_ = 0;
    switch (step_) {
    case Step::AwaitFirstByte:
    case Step::ReadByteTimed:
        if (b == SOH) {
            started_ = true;
            out.messages.push_back(text::kDownloadInProgress);
            packet_[0] = SOH;
            fill_ = 1;
            step_ = Step::ReceivePacketBody;
            deadline_ = nowMs + timing_.readMs;
            return true;
        }
        if (b == CAN) {
            Finish(out, false, text::kCancelledByRemote);
            return false;
        }
        if (step_ == Step::AwaitFirstByte) {
            // Before the first packet nothing can be lost, and an EOT is line noise: taking it for
            // the end would turn the user's file into an empty one.
            AwaitFirstByte(nowMs, out);
            return true;
        }
        if (b == EOT) {
            step_ = Step::EotHeard;
            deadline_ = nowMs + timing_.quietMs;
            return true;
        }
        // Any other byte between packets is the rest of a packet whose SOH the line lost.
        if (CountBadPacket(out))
            StartPurge(nowMs);
        return !Finished();

    case Step::EotHeard:
        // A sender that has finished says nothing more: this EOT was a byte of a broken packet.
        if (CountBadPacket(out))
            StartPurge(nowMs);
        return !Finished();

    case Step::ReceivePacketBody:
        packet_[fill_++] = b;
        deadline_ = nowMs + timing_.readMs;
        if (fill_ < kPacketSize)
            return true;
        PacketComplete(nowMs, out);
        return !Finished();

    case Step::Purge:
        deadline_ = std::min(nowMs + timing_.quietMs, purgeEnd_);
        return true;
    }
    return false;
}

void XmodemReceive::PacketComplete(std::int64_t nowMs, XferOutput& out) {
    switch (VerifyPacket(packet_, expected_, packets_ > 0)) {
    case PacketVerdict::Good:
        if (!StorePacket()) {
            Finish(out, false, store_.FailureMessage());
            return;
        }
        ++expected_;
        ++packets_;
        bytes_ += kBlockSize;
        counters_.numPackets = std::to_string(packets_);
        counters_.numBytes = std::to_string(bytes_);
        counters_.progress = bytes_;
        out.countersChanged = true;
        out.send.push_back(ACK);
        break;
    case PacketVerdict::Repeat:
        out.send.push_back(ACK);
        break;
    case PacketVerdict::Bad:
        if (CountBadPacket(out))
            StartPurge(nowMs);
        return;
    }
    step_ = Step::ReadByteTimed;
    deadline_ = nowMs + timing_.readMs;
}

bool XmodemReceive::CountBadPacket(XferOutput& out) {
    ++errors_;
    counters_.errPackets = std::to_string(errors_);
    out.countersChanged = true;
    if (errors_ <= kMaxErrorPackets)
        return true;
    out.send.push_back(NAK);
    Finish(out, false, text::kExcessiveErrors);
    return false;
}

void XmodemReceive::StartPurge(std::int64_t nowMs) {
    step_ = Step::Purge;
    purgeEnd_ = nowMs + timing_.purgeMaxMs;
    deadline_ = std::min(nowMs + timing_.quietMs, purgeEnd_);
}

void XmodemReceive::Nak(std::int64_t nowMs, XferOutput& out) {
    out.send.push_back(NAK);
    step_ = Step::ReadByteTimed;
    deadline_ = nowMs + timing_.readMs;
}

void XmodemReceive::EndOfTransmission(XferOutput& out) {
    out.send.push_back(ACK);
    if (expectedBytes_ > 0 && bytes_ < expectedBytes_) {
        Finish(out, false, DownloadIncompleteMessage(bytes_, expectedBytes_));
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
        if (++waits_ >= kStartNaks) {
            Finish(out, false, text::kRemoteTimeOut);
        } else {
            out.send.push_back(NAK);
            deadline_ = nowMs + timing_.readMs;
        }
        break;
    case Step::ReadByteTimed:
        // A sender whose packet or whose ACK the line lost waits for an answer of ours; a NAK makes
        // it send the block again at once.
        if (++silentNaks_ > kSilentNaks)
            Finish(out, false, text::kRemoteTimeOut);
        else
            Nak(nowMs, out);
        break;
    case Step::ReceivePacketBody:
        // The packet broke off and the line has been quiet since.
        if (CountBadPacket(out))
            Nak(nowMs, out);
        break;
    case Step::Purge:
        Nak(nowMs, out);
        break;
    case Step::EotHeard:
        EndOfTransmission(out);
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
            if (refusalLimit_ > 0 && ++refusals_ >= refusalLimit_) {
                // Tell the receiver too, so it stops waiting for a block that will not come.
                out.send.insert(out.send.end(), {CAN, CAN});
                Finish(out, false, text::kExcessiveErrors);
                return false;
            }
            SendPacket(nowMs, out);
            return false;
        case EOT:
            SendPacket(nowMs, out);
            return false;
        case CAN:
            Finish(out, false, text::kCancelledByRemote);
            return false;
        default:
            return true;
        }

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

void XmodemSend::SendPacket(std::int64_t nowMs, XferOutput& out) {
    const Packet packet = BuildPacket(data_, block_);
    counters_.numPackets = std::to_string(block_);
    out.countersChanged = true;
    out.send.insert(out.send.end(), packet.begin(), packet.end());
    step_ = Step::AwaitReply;
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
    return nowMs + waitMs + (bytesSent * timing_.microsPerByte + 999) / 1000;
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
        Finish(out, false, text::kReplyTimeout);
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

} // namespace rc::link
