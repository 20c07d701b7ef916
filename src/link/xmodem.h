#pragma once

// XMODEM in its classic form: 128-byte blocks, an 8-bit arithmetic checksum, the receiver starting
// with NAK. Both ends are state machines fed with the bytes that arrive and with the time of a
// monotonic clock in milliseconds; each call returns what to put on the line and what to show, and
// none of them waits. The caller arms a timer for Deadline() and calls OnTime() when it expires.

#include "link/serial_port.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rc::link {

namespace xmodem {
inline constexpr std::uint8_t SOH = 1;
inline constexpr std::uint8_t EOT = 4;
inline constexpr std::uint8_t ACK = 6;
inline constexpr std::uint8_t NAK = 21;
inline constexpr std::uint8_t CAN = 24;
inline constexpr std::uint8_t kPad = 0x1A; // fills a short last block

inline constexpr int kBlockSize = 128;
inline constexpr int kPacketSize = 132; // SOH, block, complement, 128 data bytes, checksum

inline constexpr int kStartNaks = 13;       // read time-outs without a sender before a download gives up
inline constexpr int kMaxErrorPackets = 10; // one more bad packet in a row for one block ends a download
inline constexpr int kSilentNaks = 10;  // NAKs after silent read waits in a row before a download gives up
inline constexpr int kMaxRefusals = 10; // refusals (NAK or EOT) of one block that end a headless upload
inline constexpr int kEotRepeats = 10;  // EOT sent again at most this often when it is refused
} // namespace xmodem

using Packet = std::array<std::uint8_t, xmodem::kPacketSize>;

// Every wait is an elapsed time on a monotonic clock. The long waits are the bounds for a dead line;
// on a live one the engines answer as soon as the line has told them what happened, and the short
// waits grow with the time a character takes on the line.
struct XmodemTiming {
    std::int64_t readMs = 5000;      // ReadByteTimed: one byte, or the first sign of a sender
    std::int64_t startNakMs = 30000; // AwaitStartNak
    std::int64_t replyMs = 10000;    // AwaitReply
    // AwaitEotReply. Every block is acknowledged by then, so only a NAK asking for EOT again still
    // matters; a receiver that answers EOT after a second or so is heard, one that lost its ACK on
    // the way out is not waited for as long as a data packet's reply.
    std::int64_t eotReplyMs = 2000;
    // Quiet that ends a packet broken off, the rest of a bad packet, or the line after an EOT; three
    // character times are added to it.
    std::int64_t quietMs = 100;
    // The rest of a bad packet is drained for at most this long (at least one packet's line time).
    std::int64_t purgeMaxMs = 5000;
    // A good packet is acknowledged only when nothing follows it this long (plus two character
    // times): a stray byte on the line makes a packet one byte too long, and its checksum alone
    // would let one in 256 of those through.
    std::int64_t settleMs = 10;
    // Silence after our answer: once the sender has shown how fast it answers, this long (or four
    // times its slowest answer, at most readMs) means our answer or its packet was lost.
    std::int64_t silenceMs = 1000;
    // Line time of one character, so a slow line's own sending time is not counted against the
    // receiver's reply. 0 when unknown (a pty, a test).
    std::int64_t microsPerByte = 0;

    std::int64_t LineMs(int bytes) const { return (bytes * microsPerByte + 999) / 1000; }
    std::int64_t Quiet() const { return quietMs + LineMs(3); }
};

// Line time of one character with these settings: start bit, data bits, parity, stop bits.
std::int64_t MicrosPerByte(const LineSettings& line);

// The transfer window's counters, as its labels show them.
struct XferCounters {
    std::string packetLabel; // lblPacket
    std::string numPackets;  // lblNumPackets
    std::string errPackets;  // lblErrPackets
    std::string numBytes;    // lblNumBytes
    int progress = 0;        // pnlFill value: bytes acknowledged

    bool operator==(const XferCounters&) const = default;
};

// What one step of an engine asks of its caller.
struct XferOutput {
    std::vector<std::uint8_t> send;    // for the line, in this order
    std::vector<std::string> messages; // for the message panel, in this order; the last one stays
    bool countersChanged = false;
    bool beep = false; // a successful end
};

// Where a download's blocks go. Nothing received becomes the user's file before Commit().
class IBlockStore {
public:
    virtual ~IBlockStore() = default;
    virtual bool StoreBlock(std::span<const std::uint8_t> block) = 0; // appends the block
    virtual bool Commit() = 0;                                        // the blocks become the file
    virtual std::string FailureMessage() const = 0; // panel text after StoreBlock or Commit failed
    // A whole image (the sender ended it with EOT) of a size the file does not take: the blocks are
    // kept elsewhere all the same. Returns the panel's further lines, which say where.
    virtual std::string KeepWhole() { return {}; }
};

enum class PacketVerdict {
    Good,   // the expected block
    Repeat, // the block before it again: the sender missed our ACK
    Bad,
};

// Checks a received packet (SOH at index 0) against the block number expected next. `anyStored` is
// false before the first good block, when no block can be a repeat.
PacketVerdict VerifyPacket(const Packet& packet, std::uint8_t expected, bool anyStored);

// The packet of block `block` (1 for the first) of `data`; a short last block is padded.
Packet BuildPacket(std::span<const std::uint8_t> data, int block);

// Common to both directions: result, counters, deadline.
class XmodemEngine {
public:
    virtual ~XmodemEngine() = default;

    virtual XferOutput Start(std::int64_t nowMs) = 0;
    virtual XferOutput OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) = 0;
    // Call when Deadline() has come; an early call does nothing.
    virtual XferOutput OnTime(std::int64_t nowMs) = 0;
    virtual XferOutput Cancel(std::int64_t nowMs) = 0;
    // The port closed or failed: nothing more will come or go, so the transfer ends now.
    XferOutput LineLost(const std::string& reason);

    // When OnTime() has work to do; empty once the transfer has ended.
    std::optional<std::int64_t> Deadline() const;
    bool Finished() const { return finished_; }
    bool Succeeded() const { return succeeded_; }
    const XferCounters& Counters() const { return counters_; }

protected:
    explicit XmodemEngine(const XmodemTiming& timing) : timing_(timing) {}
    void Finish(XferOutput& out, bool ok, const std::string& message);

    XmodemTiming timing_;
    XferCounters counters_;
    std::int64_t deadline_ = 0;
    bool started_ = false;

private:
    bool finished_ = false;
    bool succeeded_ = false;
};

// The download: NAKs at once and then at every read time-out until a sender starts (for thirteen
// read waits in all), then takes packets until EOT. `expectedBytes` is the model's transfer size: a
// download that ends short of it or goes past it fails, and is given to the store's KeepWhole()
// instead of becoming the file (0: any size is taken). Ten bad packets in a row for one block end it; a good
// packet starts the count again.
class XmodemReceive : public XmodemEngine {
public:
    XmodemReceive(IBlockStore& store, const XmodemTiming& timing = {}, int expectedBytes = 0);

    XferOutput Start(std::int64_t nowMs) override;
    XferOutput OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) override;
    XferOutput OnTime(std::int64_t nowMs) override;
    XferOutput Cancel(std::int64_t nowMs) override;

    int PacketsReceived() const { return packets_; }
    int ErrorPackets() const { return errors_; }

private:
    enum class Step {
        AwaitFirstByte,    // no packet yet: NAK now and at every read time-out, for a fixed time
        ReadByteTimed,     // between packets
        ReceivePacketBody, // after SOH, the other 131 bytes
        Settle,            // a whole packet, answered once nothing follows it
        Purge,             // after a bad packet, until the line is quiet
        EotHeard,          // an EOT, which is the end only if nothing follows it
        CanHeard,          // a CAN, which cancels when a second one or silence follows
    };

    // Returns false once the transfer has ended.
    bool Take(std::uint8_t b, std::int64_t nowMs, XferOutput& out);
    bool BetweenPackets(std::uint8_t b, std::int64_t nowMs, XferOutput& out);
    void Answer(std::uint8_t reply, std::int64_t nowMs, XferOutput& out);
    void Settled(std::int64_t nowMs, XferOutput& out);
    // Counts a bad packet and drains what is left of it; false when it was one too many.
    bool BadPacket(std::int64_t nowMs, XferOutput& out, bool counted = true);
    void EndOfTransmission(std::int64_t nowMs, XferOutput& out);
    bool StorePacket();
    std::int64_t SilenceDeadline() const;

    IBlockStore& store_;
    Step step_ = Step::AwaitFirstByte;
    Step canFrom_ = Step::ReadByteTimed;
    Packet packet_{};
    PacketVerdict verdict_ = PacketVerdict::Bad;
    int fill_ = 0;
    std::uint8_t expected_ = 1;
    int packets_ = 0;
    int bytes_ = 0;       // of good packets, also those past the model's size
    int errors_ = 0;      // every bad packet of the transfer, as shown
    int blockErrors_ = 0; // bad packets (and repeats) in a row for the expected block
    int silentNaks_ = 0;  // NAKs in a row after a silent wait
    int expectedBytes_ = 0;
    bool eotRefused_ = false; // an EOT short of the model's size was answered with NAK
    std::int64_t startEnd_ = 0;
    std::int64_t lastNakAt_ = 0;
    std::int64_t answeredAt_ = 0;     // our last ACK or NAK between packets
    std::int64_t slowestAnswer_ = -1; // the sender's slowest start of a packet after our answer
    std::int64_t lastByteAt_ = 0;
    std::int64_t slowestGap_ = 0; // longest pause inside a good packet
    std::int64_t purgeEnd_ = 0;
};

// The upload: waits for the receiver's NAK, sends each block until it is acknowledged, then EOT.
// With a `refusalLimit`, that many NAKs or EOTs in a row for one block end the upload; 0 sends it
// again for as long as the receiver asks (the window's Cancel button is the way out there). A reply
// wait that hears nothing sends the block once more; a second one ends the upload.
class XmodemSend : public XmodemEngine {
public:
    XmodemSend(std::vector<std::uint8_t> data, const XmodemTiming& timing = {}, int refusalLimit = 0);

    XferOutput Start(std::int64_t nowMs) override;
    XferOutput OnBytes(std::span<const std::uint8_t> bytes, std::int64_t nowMs) override;
    XferOutput OnTime(std::int64_t nowMs) override;
    XferOutput Cancel(std::int64_t nowMs) override;

    int Blocks() const { return blocks_; }
    int ErrorPackets() const { return errors_; }

private:
    enum class Step {
        AwaitStartNak,
        AwaitReply,    // to a packet
        AwaitEotReply, // every block acknowledged; only the EOT's answer is outstanding
        Done,
    };

    bool Take(std::uint8_t b, std::int64_t nowMs, XferOutput& out);
    bool Reply(std::uint8_t b, std::int64_t nowMs, XferOutput& out);
    bool Refused(XferOutput& out);
    void SendPacket(std::int64_t nowMs, XferOutput& out);
    void SendEot(std::int64_t nowMs, XferOutput& out);
    void UploadSuccessful(XferOutput& out);
    std::int64_t ReplyDeadline(std::int64_t nowMs, std::int64_t waitMs, int bytesSent) const;

    std::vector<std::uint8_t> data_;
    Step step_ = Step::AwaitStartNak;
    int blocks_ = 0;  // blocks in the file
    int block_ = 1;   // the block being sent
    int bytes_ = 128; // shown once the block being sent is acknowledged
    int errors_ = 0;
    int refusals_ = 0; // NAKs and EOTs in a row for the block being sent
    int refusalLimit_ = 0;
    int eotRepeats_ = 0;
    int silentWaits_ = 0; // reply waits in a row that heard nothing
    // After a packet sent again without being asked, two answers may come: the last one that
    // arrives while the repeat can still be answered is the one that counts.
    bool ambiguous_ = false;
    std::optional<std::uint8_t> heldReply_;
    bool garbled_ = false; // a byte that is no answer came: the answer was damaged
    bool canHeard_ = false;
    std::int64_t sentAt_ = 0;
};

// The message that refuses a transfer on a line XMODEM cannot use (its blocks are 8-bit bytes), or
// empty when the line will do.
std::string LineRefusal(const LineSettings& line);

// The panel text of a download that ended short of its model's size, and of one that went past it.
std::string DownloadIncompleteMessage(int received, int expected);
std::string DownloadTooLongMessage(int received, int expected);
// The panel text of a transfer whose port closed or failed under it.
std::string LineLostMessage(const std::string& reason);

// The panel texts of a transfer.
namespace xfer_text {
inline constexpr const char* kAwaitingDownloadConfirmation = " Awaiting Transfer Confirmation From Remote";
inline constexpr const char* kAwaitingDownloadStart = " Awaiting Download Start From Remote";
inline constexpr const char* kDownloadInProgress = " Download Of Data In Progress";
inline constexpr const char* kDownloadSuccessful = " Download Successful";
inline constexpr const char* kRemoteTimeOut = " Remote Time Out";
inline constexpr const char* kExcessiveErrors = " Abort...Excessive Error Packets";
inline constexpr const char* kCancelledByRemote = " Cancelled By Remote";
inline constexpr const char* kCancelledByUser = " Transfer Cancelled By User.";
inline constexpr const char* kAwaitingUploadConfirmation = " Awaiting Confirmation From Remote";
inline constexpr const char* kNakTimedOut = " Remote NAK receptor has timed out";
inline constexpr const char* kUploadInProgress = " Upload Of Data In Progress";
inline constexpr const char* kUploadSuccessful = " Upload Successful";
inline constexpr const char* kReplyTimeout = " Remote Responce Timeout";
inline constexpr const char* kReceivedPacket = "Received Packet";
inline constexpr const char* kSendingPacket = "Sending Packet";
} // namespace xfer_text

} // namespace rc::link
