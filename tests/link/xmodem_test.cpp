#include "link/xmodem.h"

#include "link_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>

namespace rc::link {
namespace {

using namespace xmodem;
namespace text = xfer_text;
using Bytes = std::vector<std::uint8_t>;
using test::Pattern;

struct MemoryStore : IBlockStore {
    Bytes data;
    bool committed = false;
    bool failStore = false;
    bool failCommit = false;

    bool StoreBlock(std::span<const std::uint8_t> block) override {
        if (failStore)
            return false;
        data.insert(data.end(), block.begin(), block.end());
        return true;
    }
    bool Commit() override { return committed = !failCommit; }
    std::string FailureMessage() const override { return "disk full"; }
    std::string KeepWhole() override { return "\n kept " + std::to_string(data.size()); }
};

Bytes PacketBytes(const Bytes& data, int block) {
    const Packet p = BuildPacket(data, block);
    return {p.begin(), p.end()};
}

constexpr std::int64_t kSettle = 10; // XmodemTiming::settleMs

// Plays the far end: feeds bytes at a fake time, lets time pass, records what the engine does.
class Peer {
public:
    explicit Peer(XmodemEngine& engine) : engine_(engine) {}

    void Start() { Take(engine_.Start(now)); }
    void Feed(std::span<const std::uint8_t> bytes) { Take(engine_.OnBytes(bytes, now)); }
    void Cancel() { Take(engine_.Cancel(now)); }

    // Lets ms pass, serving every deadline on the way.
    void Wait(std::int64_t ms) {
        const std::int64_t end = now + ms;
        for (int guard = 0; guard < 100000; ++guard) {
            const auto deadline = engine_.Deadline();
            if (!deadline || *deadline > end)
                break;
            now = std::max(now, *deadline);
            Take(engine_.OnTime(now));
        }
        now = end;
    }

    // A far end in words: "P3" block 3 of `data`, "H60" the first 60 bytes of block 1, "W500" half a
    // second, "!" Cancel pressed; letters are bytes (A ACK, N NAK, E EOT, X CAN, c 'C', x 'x', z NUL),
    // arriving together, or one at a time as often as a number after one of them says.
    void Run(const std::string& script) {
        std::istringstream in(script);
        for (std::string t; in >> t;) {
            const bool counted = t.size() > 1 && std::isdigit(static_cast<unsigned char>(t[1]));
            const int n = counted ? std::stoi(t.substr(1)) : 1;
            if (t[0] == 'W')
                Wait(n);
            else if (t[0] == '!')
                Cancel();
            else if (t[0] == 'P' || t[0] == 'H') {
                const Bytes packet = PacketBytes(data, t[0] == 'P' ? n : 1);
                Feed(std::span(packet).first(t[0] == 'P' ? kPacketSize : n));
                if (t[0] == 'P')
                    Wait(kSettle); // a whole packet is answered once nothing follows it
            } else if (counted)
                for (int i = 0; i < n; ++i)
                    Feed(Code(t.substr(0, 1)));
            else
                Feed(Code(t));
        }
    }

    // Everything sent since the last call, in one piece.
    Bytes TakeSent() { return std::exchange(sent, {}); }
    std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }

    Bytes data = Pattern(8192);
    std::int64_t now = 0;
    std::optional<std::int64_t> finishedAt;
    Bytes sent; // everything the engine sent, in one piece
    std::vector<std::string> messages;
    int beeps = 0;

private:
    static Bytes Code(const std::string& letters) {
        static const std::string names = "ANEXcxz";
        static const std::uint8_t codes[] = {ACK, NAK, EOT, CAN, 'C', 'x', 0};
        Bytes out;
        for (char l : letters)
            out.push_back(codes[names.find(l)]);
        return out;
    }
    void Take(const XferOutput& out) {
        sent.insert(sent.end(), out.send.begin(), out.send.end());
        messages.insert(messages.end(), out.messages.begin(), out.messages.end());
        beeps += out.beep ? 1 : 0;
        if (engine_.Finished() && !finishedAt)
            finishedAt = now;
    }
    XmodemEngine& engine_;
};

// A download (of `expected` bytes, 0 for any size) or an upload, started, with its far end.
struct Receiving {
    explicit Receiving(int expected = 0) : rx{store, {}, expected} { peer.Start(); }
    MemoryStore store;
    XmodemReceive rx;
    Peer peer{rx};
};
struct Sending {
    explicit Sending(std::size_t size, XmodemTiming timing = {}, int refusalLimit = 0)
        : tx{Pattern(size), timing, refusalLimit} {
        peer.Start();
    }
    XmodemSend tx;
    Peer peer{tx};
};

const Bytes kNak{NAK}, kAck{ACK}, kEot{EOT};

TEST(XmodemPacket, Verdicts) {
    const auto data = Pattern(256 * kBlockSize);
    struct Case {
        const char* what;
        int block, expected;
        bool anyStored;
        int touch; // index to change, -1 for none
        std::uint8_t value;
        PacketVerdict verdict;
    } cases[] = {
        {"the expected block", 3, 3, true, -1, 0, PacketVerdict::Good},
        {"first block", 1, 1, false, -1, 0, PacketVerdict::Good},
        {"previous block again", 2, 3, true, -1, 0, PacketVerdict::Repeat},
        {"block 0 (256) before anything was stored", 256, 1, false, -1, 0, PacketVerdict::Bad},
        {"a skipped block", 4, 2, true, -1, 0, PacketVerdict::Bad},
        {"data byte changed", 1, 1, false, 40, 0x55, PacketVerdict::Bad},
        {"checksum changed", 1, 1, false, 131, 0x00, PacketVerdict::Bad},
        {"complement wrong", 1, 1, false, 2, 0xFF, PacketVerdict::Bad},
        {"not SOH", 1, 1, false, 0, EOT, PacketVerdict::Bad},
    };
    for (const Case& c : cases) {
        Packet p = BuildPacket(data, c.block);
        if (c.touch >= 0)
            p[c.touch] = p[c.touch] == c.value ? c.value ^ 1 : c.value;
        EXPECT_EQ(VerifyPacket(p, static_cast<std::uint8_t>(c.expected), c.anyStored), c.verdict) << c.what;
    }
}

// Only 8 data bits without parity carry Xmodem; a character's time counts every bit of its framing.
TEST(XmodemLine, CharacterTimeAndTheFramingsXmodemTakes) {
    struct Case {
        int baud, bits;
        Parity parity;
        int stop;
        std::int64_t micros;
        bool refused;
    } cases[] = {
        {9600, 8, Parity::None, 1, 1042, false},                                          // 10 bits
        {300, 8, Parity::None, 1, 33334, false}, {300, 7, Parity::Even, 2, 36667, true},  // 11 bits
        {1200, 8, Parity::Odd, 2, 10000, true},  {9600, 8, Parity::None, 2, 1146, false}, // 12, 11 bits
        {9600, 7, Parity::None, 1, 938, true},   {0, 8, Parity::None, 1, 0, false},
    };
    for (const Case& c : cases) {
        const LineSettings line{"", c.baud, c.bits, c.parity, c.stop};
        EXPECT_EQ(MicrosPerByte(line), c.micros) << c.baud << " " << c.bits;
        EXPECT_EQ(LineRefusal(line).empty(), !c.refused) << c.baud << " " << c.bits;
    }
}

// ---- download ----

class Download : public ::testing::Test, protected Receiving {
protected:
    void ExpectSuccess(int blocks) {
        peer.Run("E W1000"); // an EOT is the end once the line stays quiet after it
        EXPECT_TRUE(rx.Succeeded());
        EXPECT_EQ(store.data, Bytes(peer.data.begin(), peer.data.begin() + blocks * kBlockSize));
    }
};

TEST_F(Download, WholeImageThenEot) {
    EXPECT_EQ(peer.messages,
              (std::vector<std::string>{text::kAwaitingDownloadConfirmation, text::kAwaitingDownloadStart}));
    EXPECT_EQ(rx.Counters(), (XferCounters{"Received Packet", "", "0", "", 0}));
    ASSERT_EQ(peer.TakeSent(), kNak); // at once, not after a read wait
    for (int block = 1; block <= 64; ++block) {
        peer.Run("W100 P" + std::to_string(block));
        ASSERT_EQ(peer.TakeSent(), kAck) << block;
        EXPECT_EQ(rx.Counters(), (XferCounters{"Received Packet", std::to_string(block), "0",
                                               std::to_string(block * 128), block * 128}));
        EXPECT_FALSE(store.committed);
    }
    EXPECT_EQ(peer.LastMessage(), text::kDownloadInProgress);
    ExpectSuccess(64); // the message, the beep and the file are the endings' (below)
    EXPECT_EQ(peer.TakeSent(), kAck);
    EXPECT_EQ(rx.Counters().numPackets, "65"); // shows one more than it received
    EXPECT_FALSE(rx.Deadline().has_value());
}

TEST_F(Download, StartEndsAfterThirteenReadWaitsWhateverArrives) {
    std::string steady; // a byte every 50 ms for the whole wait
    while (steady.size() < 1290 * 6)
        steady += "W50 x ";
    struct Case {
        const char* what;
        std::string script;
        std::size_t naks;
    } cases[] = {
        {"silence: a NAK every five seconds", "", 13},
        // Noise never starts the count again; each burst is answered once the line is quiet, and
        // noise without a pause after the longest purge.
        {"noise now and then", "W2000 xE W20000 z W30000 x", 14},
        {"noise without a pause, then quiet", steady, 14},
    };
    for (const Case& c : cases) {
        auto&& [store, rx, peer] = Receiving();
        peer.Run(c.script);
        peer.Wait(65000 - peer.now - 1);
        EXPECT_FALSE(rx.Finished()) << c.what;
        peer.Wait(1);
        EXPECT_EQ(peer.finishedAt, 65000) << c.what;
        EXPECT_EQ(peer.LastMessage(), text::kRemoteTimeOut) << c.what;
        EXPECT_EQ(peer.sent, Bytes(c.naks, NAK)) << c.what;
    }
}

TEST_F(Download, TenBadPacketsInARowForOneBlockAreTheLimit) {
    // A good packet starts the count again; the figure counts every bad packet of the transfer.
    ASSERT_EQ(peer.TakeSent(), kNak);
    for (int block = 1; block <= 3; ++block) { // the last run has an eleventh
        auto bad = PacketBytes(peer.data, block);
        bad[2] = 0; // complement wrong
        for (int i = 0; i < (block < 3 ? 10 : 11); ++i) {
            peer.Feed(bad);
            peer.Wait(100);
            ASSERT_EQ(peer.TakeSent(), kNak) << block << " " << i;
        }
        peer.Run("P" + std::to_string(block));
        peer.TakeSent();
    }
    EXPECT_EQ(rx.Counters().errPackets, "31");
    EXPECT_EQ(peer.LastMessage(), text::kExcessiveErrors);
    EXPECT_FALSE(store.committed);
}

TEST_F(Download, SilenceBetweenPacketsAsksForTheBlockAgain) {
    // The sender lost our ACK (or the line lost its packet) and waits far longer than we do.
    peer.Run("P1");
    peer.TakeSent();
    for (int wait = 1; wait <= 10; ++wait) {
        peer.Wait(5000); // before the sender has shown its pace: the full read wait
        ASSERT_EQ(peer.TakeSent(), kNak) << wait;
    }
    peer.Run("P1 P2"); // the repeat is acknowledged, not stored twice, and no error
    EXPECT_EQ(peer.TakeSent(), (Bytes{ACK, ACK}));
    EXPECT_EQ(rx.Counters().errPackets, "0");
    // A sender that answers at once has lost our ACK after a second of silence, not five.
    peer.Wait(999);
    EXPECT_TRUE(peer.TakeSent().empty());
    peer.Wait(1);
    EXPECT_EQ(peer.TakeSent(), kNak);
    peer.Run("P2 P3");
    ExpectSuccess(3);
}

TEST_F(Download, OneDamagedByteNeverEndsWithAShortFile) {
    // Without its SOH a packet arrives as loose bytes, the number of block 4 looking like EOT and
    // that of block 24 like CAN. The sender's next copy completes the file; flipped bits are in the
    // noisy line's runs.
    struct Case {
        const char* what;
        int at;    // index of the damaged byte in block 4's packet
        bool lost; // or a stray byte comes before it
        int block = 4;
    } cases[] = {
        {"SOH of block 24 lost", 0, true, 24},
        {"SOH lost", 0, true},
        {"checksum lost", 131, true},
        {"a stray byte in the data", 70, false},
    };
    for (const Case& c : cases) {
        auto&& [store, rx, peer] = Receiving(8192);
        for (int block = 1; block < c.block; ++block)
            peer.Run("P" + std::to_string(block));
        auto bad = PacketBytes(peer.data, c.block);
        if (c.lost)
            bad.erase(bad.begin() + c.at);
        else
            bad.insert(bad.begin() + c.at, 0x77);
        peer.TakeSent();
        peer.Feed(bad);
        // One NAK once the line has been quiet, whatever the fault, and not before.
        peer.Wait(99);
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what;
        peer.Wait(1);
        EXPECT_EQ(peer.TakeSent(), kNak) << c.what;
        peer.Wait(500);
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what;
        for (int block = c.block; block <= 64; ++block)
            peer.Run("P" + std::to_string(block));
        peer.Run("E W1000");
        EXPECT_TRUE(rx.Succeeded()) << c.what;
        EXPECT_EQ(store.data, peer.data) << c.what;
        EXPECT_EQ(rx.Counters().errPackets, "1") << c.what;
    }
}

TEST_F(Download, EarlyTimerCallsDoNothing) {
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_TRUE(rx.OnTime(4999).send.empty());
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_EQ(rx.OnTime(5003).send, kNak);
    EXPECT_EQ(rx.Deadline(), 10000);
}

// ---- upload ----

class Upload : public ::testing::Test, protected Sending {
protected:
    Upload() : Sending(8192) {}
};

TEST_F(Upload, SuccessWhateverTheAnswerToEot) {
    // The EOT goes out at 0 ms; `endsAt` is when the upload is over.
    struct Case {
        const char* answer;
        int eots;
        std::int64_t endsAt;
    } cases[] = {
        {"A", 1, 0},    {"W1000 A", 1, 1000}, {"W10000", 1, 2000}, {"N A", 2, 0}, {"W1500 N W10000", 2, 3500},
        {"N30", 11, 0}, // NAK for ever
        {"X", 1, 0},    {"!", 1, 0},
    };
    for (const Case& c : cases) {
        auto&& [tx, peer] = Sending(1024);
        peer.Run("N cz"); // stray bytes while a packet is out
        for (int i = 0; i < 8; ++i) {
            ASSERT_EQ(peer.TakeSent().size(), 132u) << c.answer;
            peer.Run("A");
        }
        peer.Run(c.answer);
        EXPECT_EQ(peer.TakeSent(), Bytes(c.eots, EOT)) << c.answer;
        EXPECT_TRUE(tx.Succeeded()) << c.answer;
        EXPECT_EQ(peer.LastMessage(), text::kUploadSuccessful) << c.answer;
        EXPECT_EQ(peer.finishedAt, c.endsAt) << c.answer;
    }
}

// Every way a transfer ends short of an upload's success, with what the panel shows at the end. Only
// the model's size becomes the file; an EOT short of it is refused once, as a lone EOT may be a stray
// byte. An upload's packets, counters and beep are in the transfer window's counters test.
TEST(XmodemEndings, EveryWayATransferEnds) {
    struct Case {
        const char* what;
        int expected; // the model's size of a download, -1 for an upload of 8192 bytes
        const char* script;
        const char* message;
        bool failStore = false, failCommit = false;
    } cases[] = {
        {"silence between packets: ten NAKs, then the eleventh wait", 256, "P1 W55000", text::kRemoteTimeOut},
        {"a packet broken off, then silence", 256, "H60 W60000", text::kRemoteTimeOut},
        {"CAN before the start, then silence", 256, "xX W100", text::kCancelledByRemote},
        {"CAN CAN between packets", 256, "P1 XX", text::kCancelledByRemote},
        {"more than twice the model's size", 256, "P1 P2 P3 P4 P5", " Download Too Long: 640 of 256 Bytes"},
        // An image the sender ended is kept, whatever its size.
        {"one block over the model's size", 256, "P1 P2 P3 E W200",
         " Download Too Long: 384 of 256 Bytes\n kept 384"},
        {"EOT short of the size, twice", 8192, "P1 P2 E W200 E W200",
         " Download Incomplete: 256 of 8192 Bytes\n kept 256"},
        {"EOT short of the size, then silence", 8192, "P1 P2 E W200 W5000",
         " Download Incomplete: 256 of 8192 Bytes\n kept 256"},
        {"Cancel pressed", 256, "P1 !", text::kCancelledByUser},
        {"a sender that repeats its block for ever", 256, "P1 P1 P1 P1 P1 P1 P1 P1 P1 P1 P1 P1",
         text::kExcessiveErrors},
        {"the block cannot be stored", 256, "P1", "disk full", true},
        {"the file cannot be completed", 256, "P1 P2 E W1000", "disk full", false, true},
        {"the model's size", 256, "P1 P2 E W200", text::kDownloadSuccessful},
        {"no size for the model", 0, "P1 E W200", text::kDownloadSuccessful},
        {"upload: no NAK in 30 s; anything else is ignored before the start", -1, "cAXcX W30000",
         text::kNakTimedOut},
        {"upload: CAN CAN before the first NAK", -1, "cXX", text::kCancelledByRemote},
        {"upload: no reply in 10 s, nor to the copy sent then", -1, "N W20000", text::kReplyTimeout},
        {"upload: no reply to the last block", -1, "N A63 W20000", text::kReplyTimeout},
        {"upload: CAN", -1, "N X", text::kCancelledByRemote},
        {"upload: Cancel before the start", -1, "!", text::kCancelledByUser},
        {"upload: Cancel during the blocks", -1, "N !", text::kCancelledByUser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool upload = c.expected < 0;
        Receiving down(std::max(c.expected, 0));
        Sending up(8192);
        XmodemEngine& engine = upload ? static_cast<XmodemEngine&>(up.tx) : down.rx;
        Peer& peer = upload ? up.peer : down.peer;
        down.store.failStore = c.failStore;
        down.store.failCommit = c.failCommit;
        peer.Run(c.script);
        const bool ok = c.message == std::string(text::kDownloadSuccessful);
        EXPECT_TRUE(engine.Finished());
        EXPECT_EQ(engine.Succeeded(), ok);
        EXPECT_EQ(peer.LastMessage(), c.message);
        EXPECT_EQ(peer.beeps, ok ? 1 : 0);
        EXPECT_EQ(down.store.committed, ok);
        EXPECT_TRUE(!upload || peer.finishedAt == peer.now); // at the end of the script's wait, not before
        // Nothing more happens once it has ended.
        peer.TakeSent();
        peer.Run("P2 N W100000");
        EXPECT_TRUE(peer.TakeSent().empty());
    }
}

TEST_F(Upload, RefusalLimitEndsAReceiverThatNeverTakesTheBlock) {
    EXPECT_EQ(tx.Counters(), (XferCounters{"Sending Packet", "", "0", "", 0}));
    // NAK and EOT both refuse the block; an ACK starts the count again.
    for (const char* script : {"N N9 A N9", "N E9 A E4 N5"}) {
        auto&& [limited, p] = Sending(1024, {}, kMaxRefusals);
        p.Run(script);
        EXPECT_FALSE(limited.Finished()) << script;
        p.TakeSent();
        p.Run("E");
        EXPECT_EQ(p.TakeSent(), (Bytes{CAN, CAN})) << script;
        EXPECT_EQ(p.LastMessage(), text::kExcessiveErrors) << script;
    } // Without a limit only Cancel ends a receiver that refuses everything.
    auto&& [patient, p] = Sending(1024);
    p.Run("N N50 !");
    EXPECT_EQ(patient.Counters().errPackets, "50");
    EXPECT_EQ(p.LastMessage(), text::kCancelledByUser);
}

TEST_F(Upload, LostOrDamagedAnswers) {
    // `sent` is what went out, P1 and P2 for the blocks; `errors` the refusals counted.
    struct Case {
        const char* what;
        const char* script;
        const char* sent;
        const char* errors;
    } cases[] = {
        {"the receiver asks again after its own wait", "N W4000 N", "P1 P1", "1"},
        {"nothing: one more copy at 10 s", "N W10000", "P1 P1", "0"},
        {"its answer and a late one to the first copy: the last counts", "N W10000 N W50 A W200", "P1 P1 P2",
         "0"},
        {"a damaged answer: the block again once the line is quiet", "N W5 x W99", "P1", "0"},
        {"a damaged answer, then quiet", "N W5 x W100", "P1 P1", "1"},
        // Replies that came together with the one that triggered a packet are stale; an EOT from the
        // receiver asks for the block again without counting as an error.
        {"replies together, and an EOT", "NNN A E AA", "P1 P2 P2 P3", "0"},
    };
    for (const Case& c : cases) {
        auto&& [tx, p] = Sending(512);
        p.Run(c.script);
        std::string sent;
        for (const Bytes b = p.TakeSent(); std::size_t i : {0u, 132u, 264u, 396u})
            if (i < b.size())
                sent += (sent.empty() ? "P" : " P") + std::to_string(b[i + 1]);
        EXPECT_EQ(sent, c.sent) << c.what;
        EXPECT_EQ(tx.Counters().errPackets, c.errors) << c.what;
        EXPECT_FALSE(tx.Finished()) << c.what;
    }
}

TEST_F(Upload, SlowLineGetsItsSendingTimeOnTopOfTheReplyWait) {
    auto&& [slow, p] = Sending(256, {.microsPerByte = 33334}); // 300 baud: a packet takes 4.4 s to go out
    p.Run("N W14400");
    EXPECT_EQ(p.TakeSent().size(), 132u);
    p.Run("W100");
    EXPECT_EQ(p.TakeSent().size(), 132u); // the copy, then the same wait once more
    p.Run("W14400");
    EXPECT_EQ(p.LastMessage(), text::kReplyTimeout);
}

TEST(UploadSizes, ShortLastBlockIsPaddedAndEmptyDataSendsOnlyEot) {
    auto&& [tx, peer] = Sending(130);
    peer.Run("N A");
    const auto last = peer.TakeSent();
    ASSERT_EQ(last.size(), 264u);
    EXPECT_EQ(last[132 + 3], Pattern(130)[128]);
    EXPECT_EQ(Bytes(last.begin() + 132 + 5, last.begin() + 132 + 131), Bytes(126, kPad));
    peer.Run("A");
    EXPECT_EQ(peer.TakeSent(), kEot);
    EXPECT_EQ(tx.Blocks(), 2);
    EXPECT_EQ(BuildPacket(Pattern(300 * 128), 256)[1], 0); // block numbers wrap

    auto&& [empty, none] = Sending(0);
    none.Run("N");
    EXPECT_EQ(none.TakeSent(), kEot);
    none.Run("A");
    EXPECT_TRUE(empty.Succeeded());
}

// ---- a noisy line between both engines ----

// One direction of a noisy line at 9600 baud.
struct Wire {
    static constexpr std::int64_t kMicrosPerByte = 1042;
    Wire(unsigned seed, unsigned faultRate) : noise(seed, faultRate) {}
    test::LineNoise noise;
    std::deque<std::pair<std::int64_t, std::uint8_t>> inFlight; // arrival in ms, byte
    std::int64_t freeAtUs = 0;

    void Send(const Bytes& bytes, std::int64_t nowMs) {
        for (std::uint8_t b : bytes)
            for (std::uint8_t o : noise.Pass(b)) {
                freeAtUs = std::max(freeAtUs, nowMs * 1000) + kMicrosPerByte;
                inFlight.emplace_back((freeAtUs + 999) / 1000, o);
            }
    }
    std::optional<std::int64_t> Next() const {
        return inFlight.empty() ? std::nullopt : std::optional(inFlight.front().first);
    }
    Bytes Arrived(std::int64_t nowMs) {
        Bytes chunk;
        for (; !inFlight.empty() && inFlight.front().first <= nowMs; inFlight.pop_front())
            chunk.push_back(inFlight.front().second);
        return chunk;
    }
};

TEST(XmodemNoisyLine, EveryRunDeliversTheImage) {
    const XmodemTiming timing{.microsPerByte = Wire::kMicrosPerByte};
    const Bytes image = Pattern(8192, 3);
    std::int64_t longest = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        MemoryStore store;
        XmodemReceive rx{store, timing, 8192};
        XmodemSend tx{image, timing};
        Wire toRx{seed * 2, 300}, toTx{seed * 2 + 1, 300};
        std::int64_t now = 0;
        toTx.Send(rx.Start(now).send, now);
        toRx.Send(tx.Start(now).send, now);
        while ((!rx.Finished() || !tx.Finished()) && now < 600000) {
            std::int64_t next = 600000;
            for (auto t : {toRx.Next(), toTx.Next(), rx.Deadline(), tx.Deadline()})
                if (t)
                    next = std::min(next, *t);
            now = std::max(now, next);
            if (const Bytes b = toRx.Arrived(now); !b.empty() && !rx.Finished())
                toTx.Send(rx.OnBytes(b, now).send, now);
            if (const Bytes b = toTx.Arrived(now); !b.empty() && !tx.Finished())
                toRx.Send(tx.OnBytes(b, now).send, now);
            toTx.Send(rx.OnTime(now).send, now);
            toRx.Send(tx.OnTime(now).send, now);
        }
        // About 35 faults a transfer: the line is worse than a bad telephone line, and still every
        // run gets through, none much slower than a clean one (9 s of line time).
        ASSERT_TRUE(rx.Finished() && tx.Finished() && rx.Succeeded()) << "seed " << seed;
        EXPECT_TRUE(store.committed) << "seed " << seed;
        EXPECT_EQ(store.data, image) << "seed " << seed;
        longest = std::max(longest, now);
    }
    EXPECT_LT(longest, 30000);
}

} // namespace
} // namespace rc::link
