#include "link/xmodem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <sstream>

namespace rc::link {
namespace {

using namespace xmodem;
namespace text = xfer_text;
using Bytes = std::vector<std::uint8_t>;

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
};

Bytes Pattern(std::size_t n, unsigned seed = 7) {
    Bytes v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>((i * 31 + seed * (i / 128 + 1)) & 0xFF);
    return v;
}

Bytes PacketBytes(const Bytes& data, int block) {
    const Packet p = BuildPacket(data, block);
    return {p.begin(), p.end()};
}

// Plays the far end: feeds bytes at a fake time, lets time pass, records what the engine does.
class Peer {
public:
    struct Sent {
        std::int64_t at;
        Bytes bytes;
    };

    explicit Peer(XmodemEngine& engine) : engine_(engine) {}

    void Start() { Take(engine_.Start(now)); }
    void Feed(std::span<const std::uint8_t> bytes) { Take(engine_.OnBytes(bytes, now)); }
    void Feed(std::initializer_list<std::uint8_t> bytes) { Feed(std::span(bytes.begin(), bytes.size())); }
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
            } else if (counted)
                for (int i = 0; i < n; ++i)
                    Feed(Code(t.substr(0, 1)));
            else
                Feed(Code(t));
        }
    }

    // Everything sent since the last call, in one piece.
    Bytes TakeSent() {
        Bytes all;
        for (const Sent& s : sent)
            all.insert(all.end(), s.bytes.begin(), s.bytes.end());
        sent.clear();
        return all;
    }
    std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }

    Bytes data = Pattern(8192);
    std::int64_t now = 0;
    std::optional<std::int64_t> finishedAt;
    std::vector<Sent> sent;
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
        if (!out.send.empty())
            sent.push_back({now, out.send});
        messages.insert(messages.end(), out.messages.begin(), out.messages.end());
        beeps += out.beep ? 1 : 0;
        if (engine_.Finished() && !finishedAt)
            finishedAt = now;
    }
    XmodemEngine& engine_;
};

const Bytes kNak{NAK}, kAck{ACK}, kEot{EOT};

TEST(XmodemPacket, BuildsHeaderDataAndChecksum) {
    Bytes data(200);
    std::iota(data.begin(), data.end(), 0);
    const Packet first = BuildPacket(data, 1);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 4), (Bytes{SOH, 1, 254, 0}));
    EXPECT_EQ(first[130], 127);
    EXPECT_EQ(first[131], (127 * 128 / 2) % 256); // 0 + 1 + ... + 127
    const Packet second = BuildPacket(data, 2);
    EXPECT_EQ(second[3], 128);
    EXPECT_EQ(second[3 + 71], 199);
    EXPECT_EQ(second[3 + 72], kPad); // past the end of the data
    EXPECT_EQ(second[130], kPad);
    EXPECT_EQ(BuildPacket(Pattern(300 * 128), 256)[1], 0); // block numbers wrap
}

TEST(XmodemPacket, Verdicts) {
    const auto data = Pattern(512);
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
        {"block 0 before anything was stored", 0, 1, false, -1, 0, PacketVerdict::Bad},
        {"a skipped block", 4, 2, true, -1, 0, PacketVerdict::Bad},
        {"data byte changed", 1, 1, false, 40, 0x55, PacketVerdict::Bad},
        {"checksum changed", 1, 1, false, 131, 0x00, PacketVerdict::Bad},
        {"complement wrong", 1, 1, false, 2, 0xFF, PacketVerdict::Bad},
        {"not SOH", 1, 1, false, 0, EOT, PacketVerdict::Bad},
    };
    for (const Case& c : cases) {
        Packet p = BuildPacket(data, c.block == 0 ? 1 : c.block);
        if (c.block == 0) {
            p[1] = 0;
            p[2] = 255;
        }
        if (c.touch >= 0)
            p[c.touch] = p[c.touch] == c.value ? c.value ^ 1 : c.value;
        EXPECT_EQ(VerifyPacket(p, static_cast<std::uint8_t>(c.expected), c.anyStored), c.verdict) << c.what;
    }
}

TEST(XmodemTiming, CharacterTimeFollowsFraming) {
    struct Case {
        int baud, bits;
        Parity parity;
        int stop;
        std::int64_t micros;
    } cases[] = {
        {9600, 8, Parity::None, 1, 1042},                                   // 10 bits
        {300, 8, Parity::None, 1, 33334}, {300, 7, Parity::Even, 2, 36667}, // 11 bits
        {1200, 8, Parity::Odd, 2, 10000},                                   // 12 bits
        {0, 8, Parity::None, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MicrosPerByte({"", c.baud, c.bits, c.parity, c.stop}), c.micros) << c.baud;
}

// ---- download ----

class Download : public ::testing::Test {
protected:
    // Starts and takes the NAK that opens every download.
    void Begin() {
        peer.Start();
        EXPECT_EQ(peer.TakeSent(), kNak);
    }
    Bytes Image(int blocks) const {
        return Bytes(peer.data.begin(), peer.data.begin() + blocks * kBlockSize);
    }
    void ExpectSuccess(int blocks) {
        peer.Run("E W1000"); // an EOT is the end once the line stays quiet after it
        EXPECT_TRUE(rx.Succeeded());
        EXPECT_EQ(store.data, Image(blocks));
    }

    MemoryStore store;
    XmodemReceive rx{store};
    Peer peer{rx};
};

TEST_F(Download, WholeImageThenEot) {
    peer.Start();
    EXPECT_EQ(peer.messages,
              (std::vector<std::string>{text::kAwaitingDownloadConfirmation, text::kAwaitingDownloadStart}));
    EXPECT_EQ(rx.Counters(), (XferCounters{"Received Packet", "", "0", "", 0}));
    ASSERT_EQ(peer.TakeSent(), kNak); // at once, not after a read wait
    for (int block = 1; block <= 64; ++block) {
        peer.Run("W100 P" + std::to_string(block));
        ASSERT_EQ(peer.TakeSent(), kAck) << block;
        EXPECT_EQ(rx.Counters().numPackets, std::to_string(block));
        EXPECT_EQ(rx.Counters().numBytes, std::to_string(block * 128));
        EXPECT_EQ(rx.Counters().progress, block * 128);
        EXPECT_FALSE(store.committed);
    }
    EXPECT_EQ(peer.LastMessage(), text::kDownloadInProgress);
    ExpectSuccess(64);
    EXPECT_EQ(peer.TakeSent(), kAck);
    EXPECT_EQ(peer.LastMessage(), text::kDownloadSuccessful);
    EXPECT_EQ(rx.Counters().numPackets, "65"); // shows one more than it received
    EXPECT_EQ(peer.beeps, 1);
    EXPECT_TRUE(store.committed);
    EXPECT_FALSE(rx.Deadline().has_value());
}

TEST_F(Download, Endings) {
    // Every way a download fails, with what the panel shows at the end.
    struct Case {
        const char* what;
        const char* script;
        const char* message;
        bool failStore = false, failCommit = false;
    } cases[] = {
        {"no sender: thirteen NAKs", "W70000", text::kRemoteTimeOut},
        {"silence between packets: ten NAKs, then the eleventh wait", "P1 W55000", text::kRemoteTimeOut},
        {"a packet broken off, then silence", "H60 W60000", text::kRemoteTimeOut},
        {"CAN before the start", "xX", text::kCancelledByRemote},
        {"CAN between packets", "P1 X", text::kCancelledByRemote},
        {"Cancel pressed", "P1 !", text::kCancelledByUser},
        {"the block cannot be stored", "P1", "disk full", true},
        {"the file cannot be completed", "P1 P2 E W1000", "disk full", false, true},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        store.failStore = c.failStore;
        store.failCommit = c.failCommit;
        XmodemReceive rx{store};
        Peer peer{rx};
        peer.Start();
        peer.Run(c.script);
        EXPECT_TRUE(rx.Finished()) << c.what;
        EXPECT_FALSE(rx.Succeeded()) << c.what;
        EXPECT_EQ(peer.LastMessage(), c.message) << c.what;
        EXPECT_EQ(peer.beeps, 0) << c.what;
        EXPECT_FALSE(store.committed) << c.what;
        // Nothing more happens once it has ended.
        peer.TakeSent();
        peer.Run("P2 W100000");
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what;
    }
}

TEST_F(Download, ThirteenNaksFiveSecondsApartAndNoiseBeginsTheWaitAgain) {
    peer.Start();
    peer.Wait(64000); // thirteen NAKs: the next time-out would end it
    ASSERT_EQ(peer.sent.size(), 13u);
    for (std::size_t i = 0; i < peer.sent.size(); ++i)
        EXPECT_EQ(peer.sent[i].at, 5000 * static_cast<std::int64_t>(i));
    peer.Feed({0x7F, EOT}); // an EOT before any packet is noise too
    EXPECT_EQ(peer.LastMessage(), text::kAwaitingDownloadStart);
    peer.Wait(64999);
    EXPECT_FALSE(rx.Finished());
    EXPECT_EQ(peer.sent.size(), 25u);
    EXPECT_EQ(peer.sent.back().at, 64000 + 12 * 5000);
    peer.Wait(100000); // gives up one wait after the thirteenth NAK, sending nothing: nobody listens
    EXPECT_EQ(peer.finishedAt, peer.sent.back().at + 5000);
    EXPECT_EQ(peer.sent.size(), 25u);
    EXPECT_EQ(peer.LastMessage(), text::kRemoteTimeOut);
}

TEST_F(Download, DamagedPacketIsRefusedOnceTheLineIsQuiet) {
    struct Case {
        const char* what;
        void (*feed)(Peer&);
    } cases[] = {
        {"bad checksum",
         [](Peer& p) {
             auto bad = PacketBytes(p.data, 1);
             bad[50] ^= 0x10;
             p.Feed(bad);
         }},
        // A spurious SOH in the middle of a packet: the packet seems to end one byte early and its
        // real last byte follows. A stray SOH among the rest must not start a packet either.
        {"broken packet",
         [](Peer& p) {
             auto packet = PacketBytes(p.data, 1);
             packet[3] = SOH;
             packet.insert(packet.begin() + 10, 0x33);
             p.Feed(std::span(packet).first(132));
             p.Wait(400);
             p.Feed(std::span(packet).subspan(132));
             p.Feed({SOH, 0x00});
         }},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        XmodemReceive rx{store};
        Peer peer{rx};
        peer.Start();
        peer.TakeSent();
        c.feed(peer);
        EXPECT_EQ(rx.Counters().errPackets, "1") << c.what;
        peer.Wait(999);
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what; // not before the line is quiet
        peer.Wait(1);
        EXPECT_EQ(peer.TakeSent(), kNak) << c.what;
        peer.Run("P1 P2 E W1000");
        EXPECT_TRUE(rx.Succeeded()) << c.what;
        EXPECT_EQ(store.data, Bytes(peer.data.begin(), peer.data.begin() + 256)) << c.what;
        EXPECT_EQ(rx.Counters().errPackets, "1") << c.what;
    }
}

TEST_F(Download, NoisyLineGetsItsNakAfterAtMostTheLongestPurge) {
    Begin();
    auto bad = PacketBytes(peer.data, 1);
    bad[100] ^= 1;
    peer.Feed(bad);
    for (int i = 0; i < 20 && peer.sent.empty(); ++i) // a byte every half second: never quiet
        peer.Run("W500 x");
    ASSERT_EQ(peer.sent.size(), 1u);
    EXPECT_EQ(peer.sent[0].at, 5000);
    EXPECT_FALSE(rx.Finished());
}

TEST_F(Download, ErrorCountersAndTheEleventhBadPacket) {
    Begin();
    auto bad = PacketBytes(peer.data, 1);
    bad[2] = 0; // complement wrong
    for (int i = 1; i <= 10; ++i) {
        peer.Feed(bad);
        peer.Wait(1000);
        ASSERT_EQ(peer.TakeSent(), kNak) << i;
        EXPECT_EQ(rx.Counters().errPackets, std::to_string(i));
    }
    EXPECT_FALSE(rx.Finished());
    peer.Feed(bad);
    EXPECT_EQ(peer.TakeSent(), kNak);
    EXPECT_EQ(rx.Counters().errPackets, "11");
    EXPECT_EQ(peer.LastMessage(), text::kExcessiveErrors);
}

TEST_F(Download, BytesThatCameWithAPacketAreKept) {
    Begin();
    auto chunk = PacketBytes(peer.data, 1);
    const auto next = PacketBytes(peer.data, 2);
    chunk.insert(chunk.end(), next.begin(), next.end());
    peer.Feed(chunk);
    EXPECT_EQ(peer.TakeSent(), (Bytes{ACK, ACK}));
    ExpectSuccess(2);
}

TEST_F(Download, SilenceBetweenPacketsAsksForTheBlockAgain) {
    // The sender lost our ACK (or the line lost its packet) and waits far longer than we do.
    Begin();
    peer.Run("P1");
    peer.TakeSent();
    for (int wait = 1; wait <= 10; ++wait) {
        peer.Wait(5000);
        ASSERT_EQ(peer.TakeSent(), kNak) << wait;
    }
    peer.Run("P1 P2"); // the repeat is acknowledged, not stored twice, and no error
    EXPECT_EQ(peer.TakeSent(), (Bytes{ACK, ACK}));
    EXPECT_EQ(rx.Counters().errPackets, "0");
    peer.Wait(4999);
    peer.Run("P3"); // the count of silent waits starts again with every byte
    ExpectSuccess(3);
}

TEST_F(Download, OneDamagedByteNeverEndsWithAShortFile) {
    // The SOH of block 4 lost or damaged: the rest of the packet arrives as loose bytes, its block
    // number (4) looking like EOT. Whatever the fault, the sender's next copy completes the file.
    struct Case {
        const char* what;
        int at;   // index of the damaged byte in block 4's packet
        int flip; // 0: the byte is lost
    } cases[] = {
        {"SOH lost", 0, 0},   {"SOH damaged", 0, 0x40},  {"block number damaged", 1, 0x01},
        {"data lost", 70, 0}, {"checksum lost", 131, 0}, {"checksum damaged", 131, 0x80},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        XmodemReceive rx{store, {}, 8192};
        Peer peer{rx};
        peer.Start();
        peer.Run("P1 P2 P3");
        auto bad = PacketBytes(peer.data, 4);
        if (c.flip == 0)
            bad.erase(bad.begin() + c.at);
        else
            bad[static_cast<std::size_t>(c.at)] ^= static_cast<std::uint8_t>(c.flip);
        peer.TakeSent();
        peer.Feed(bad);
        peer.Wait(5000); // a broken-off packet is answered after a read wait, loose bytes sooner
        EXPECT_FALSE(rx.Finished()) << c.what;
        EXPECT_EQ(peer.TakeSent(), kNak) << c.what;
        for (int block = 4; block <= 64; ++block)
            peer.Run("P" + std::to_string(block));
        peer.Run("E W1000");
        EXPECT_TRUE(rx.Succeeded()) << c.what;
        EXPECT_EQ(store.data, peer.data) << c.what;
        EXPECT_EQ(rx.Counters().errPackets, "1") << c.what;
    }
}

TEST_F(Download, SizesAgainstTheModel) {
    // Short of the model's size fails with the count; more than it is taken, as any size once was.
    struct Case {
        int expected;
        const char* blocks;
        bool ok;
    } cases[] = {{8192, "P1 P2", false}, {256, "P1 P2", true}, {128, "P1 P2", true}, {0, "P1", true}};
    for (const Case& c : cases) {
        MemoryStore store;
        XmodemReceive rx{store, {}, c.expected};
        Peer peer{rx};
        peer.Start();
        peer.Run(std::string(c.blocks) + " E W1000");
        EXPECT_EQ(rx.Succeeded(), c.ok) << c.expected;
        EXPECT_EQ(store.committed, c.ok) << c.expected;
        EXPECT_EQ(peer.LastMessage(),
                  c.ok ? text::kDownloadSuccessful : " Download Incomplete: 256 of 8192 Bytes");
    }
}

TEST_F(Download, EarlyTimerCallsDoNothing) {
    peer.Start();
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_TRUE(rx.OnTime(4999).send.empty());
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_EQ(rx.OnTime(5003).send, kNak);
    EXPECT_EQ(rx.Deadline(), 10003);
}

// ---- upload ----

class Upload : public ::testing::Test {
protected:
    Bytes data = Pattern(8192);
    XmodemSend tx{data};
    Peer peer{tx};
};

TEST_F(Upload, WholeImage) {
    peer.Start();
    EXPECT_EQ(peer.messages, std::vector<std::string>{text::kAwaitingUploadConfirmation});
    EXPECT_EQ(tx.Counters(), (XferCounters{"Sending Packet", "", "0", "", 0}));
    peer.Run("N");
    EXPECT_EQ(peer.LastMessage(), text::kUploadInProgress);
    for (int block = 1; block <= 64; ++block) {
        ASSERT_EQ(peer.TakeSent(), PacketBytes(data, block)) << block;
        EXPECT_EQ(tx.Counters().numPackets, std::to_string(block));
        EXPECT_EQ(tx.Counters().progress, (block - 1) * 128);
        peer.Run("A");
        EXPECT_EQ(tx.Counters().numBytes, std::to_string(block * 128));
    }
    EXPECT_EQ(peer.TakeSent(), kEot);
    EXPECT_EQ(peer.LastMessage(), text::kUploadSuccessful);
    EXPECT_EQ(tx.Counters().progress, 8192);
    EXPECT_FALSE(tx.Finished());
    peer.Run("A");
    EXPECT_TRUE(tx.Succeeded());
    EXPECT_EQ(peer.beeps, 1);
}

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
        XmodemSend tx{Pattern(1024)};
        Peer peer{tx};
        peer.Start();
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

TEST_F(Upload, Endings) {
    struct Case {
        const char* what;
        const char* script;
        const char* message;
    } cases[] = {
        {"no NAK in 30 s; anything else is ignored before the start", "cAX W30000", text::kNakTimedOut},
        {"no reply in 10 s", "N W10000", text::kReplyTimeout},
        {"no reply to the last block", "N A63 W10000", text::kReplyTimeout},
        {"CAN", "N X", text::kCancelledByRemote},
        {"Cancel before the start", "!", text::kCancelledByUser},
        {"Cancel during the blocks", "N !", text::kCancelledByUser},
    };
    for (const Case& c : cases) {
        XmodemSend tx{Pattern(8192)};
        Peer peer{tx};
        peer.Start();
        peer.Run(c.script);
        EXPECT_TRUE(tx.Finished()) << c.what;
        EXPECT_FALSE(tx.Succeeded()) << c.what;
        EXPECT_EQ(peer.LastMessage(), c.message) << c.what;
        EXPECT_EQ(peer.beeps, 0) << c.what;
        EXPECT_EQ(peer.finishedAt, peer.now) << c.what; // at the end of the script's wait, not before
        peer.TakeSent();
        peer.Run("N W100000");
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what;
    }
}

TEST_F(Upload, ReceiverThatRefusesEverythingUntilCancel) {
    peer.Start();
    peer.Run("N");
    const auto first = peer.TakeSent();
    for (int i = 1; i <= 50; ++i) {
        peer.Run("W9000 N");
        ASSERT_EQ(peer.TakeSent(), first) << i;
        EXPECT_EQ(tx.Counters().errPackets, std::to_string(i));
    }
    peer.Run("!");
    EXPECT_EQ(peer.LastMessage(), text::kCancelledByUser);
}

TEST_F(Upload, RefusalLimitEndsAReceiverThatNeverTakesTheBlock) {
    XmodemSend limited{Pattern(1024), {}, kMaxRefusals};
    Peer p{limited};
    p.Start();
    p.Run("N N9 A N9"); // an ACK starts the count again
    EXPECT_FALSE(limited.Finished());
    p.TakeSent();
    p.Run("N");
    EXPECT_EQ(p.TakeSent(), (Bytes{CAN, CAN}));
    EXPECT_EQ(p.LastMessage(), text::kExcessiveErrors);
    EXPECT_FALSE(limited.Succeeded());
}

TEST(XmodemLine, OnlyEightBitsWithoutParity) {
    EXPECT_EQ(LineRefusal({"", 9600, 8, Parity::None, 2}), "");
    EXPECT_NE(LineRefusal({"", 9600, 7, Parity::None, 1}), "");
    EXPECT_NE(LineRefusal({"", 9600, 8, Parity::Even, 1}), "");
}

TEST_F(Upload, RepliesThatDoNotMoveOn) {
    // An EOT from the receiver asks for the block again without counting as an error; replies that
    // came together with the one that triggered a packet are stale and dropped.
    peer.Start();
    peer.Run("NNN"); // a receiver that NAKed more than once while we were not listening
    EXPECT_EQ(peer.TakeSent(), PacketBytes(data, 1));
    peer.Run("A");
    EXPECT_EQ(peer.TakeSent(), PacketBytes(data, 2));
    peer.Run("E");
    EXPECT_EQ(peer.TakeSent(), PacketBytes(data, 2));
    EXPECT_EQ(tx.Counters().errPackets, "0");
    peer.Run("AA");
    EXPECT_EQ(peer.TakeSent(), PacketBytes(data, 3));
    EXPECT_EQ(tx.Counters().numBytes, "256");
}

TEST_F(Upload, SlowLineGetsItsSendingTimeOnTopOfTheReplyWait) {
    XmodemTiming timing;
    timing.microsPerByte = 33334; // 300 baud: a packet takes 4.4 s to go out
    XmodemSend slow{Pattern(256), timing};
    Peer p{slow};
    p.Start();
    p.Run("N W14400");
    EXPECT_FALSE(slow.Finished());
    p.Run("W100");
    EXPECT_EQ(p.LastMessage(), text::kReplyTimeout);
}

TEST(UploadSizes, ShortLastBlockIsPaddedAndEmptyDataSendsOnlyEot) {
    XmodemSend tx{Pattern(130)};
    Peer peer{tx};
    peer.Start();
    peer.Run("N A");
    const auto last = peer.TakeSent();
    ASSERT_EQ(last.size(), 264u);
    EXPECT_EQ(last[132 + 3], Pattern(130)[128]);
    EXPECT_EQ(last[132 + 5], kPad);
    EXPECT_EQ(last[132 + 130], kPad);
    peer.Run("A");
    EXPECT_EQ(peer.TakeSent(), kEot);
    EXPECT_EQ(tx.Blocks(), 2);

    XmodemSend empty{{}};
    Peer none{empty};
    none.Start();
    none.Run("N");
    EXPECT_EQ(none.TakeSent(), kEot);
    none.Run("A");
    EXPECT_TRUE(empty.Succeeded());
}

} // namespace
} // namespace rc::link
