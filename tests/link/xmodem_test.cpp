#include "link/xmodem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>

namespace rc::link {
namespace {

using namespace xmodem;
namespace text = xfer_text;

struct MemoryStore : IBlockStore {
    std::vector<std::uint8_t> data;
    bool committed = false;
    bool failStore = false;
    bool failCommit = false;

    bool StoreBlock(std::span<const std::uint8_t> block) override {
        if (failStore)
            return false;
        data.insert(data.end(), block.begin(), block.end());
        return true;
    }
    bool Commit() override {
        committed = !failCommit;
        return committed;
    }
    std::string FailureMessage() const override { return "disk full"; }
};

struct Sent {
    std::int64_t at;
    std::vector<std::uint8_t> bytes;
};

// Plays the far end: feeds bytes at a fake time, lets time pass, records what the engine does.
class Peer {
public:
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

    // Everything sent since the last call, in one piece.
    std::vector<std::uint8_t> TakeSent() {
        std::vector<std::uint8_t> all;
        for (const Sent& s : sent)
            all.insert(all.end(), s.bytes.begin(), s.bytes.end());
        sent.clear();
        return all;
    }
    std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }

    std::int64_t now = 0;
    std::optional<std::int64_t> finishedAt;
    std::vector<Sent> sent;
    std::vector<std::string> messages;
    int beeps = 0;

private:
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

std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed = 7) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>((i * 31 + seed * (i / 128 + 1)) & 0xFF);
    return v;
}

std::vector<std::uint8_t> Bytes(const Packet& p) {
    return {p.begin(), p.end()};
}

TEST(XmodemPacket, BuildsHeaderDataAndChecksum) {
    std::vector<std::uint8_t> data(200);
    std::iota(data.begin(), data.end(), 0);
    const Packet first = BuildPacket(data, 1);
    EXPECT_EQ(first[0], SOH);
    EXPECT_EQ(first[1], 1);
    EXPECT_EQ(first[2], 254);
    EXPECT_EQ(first[3], 0);
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
        int block;
        int expected;
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
    for (const Case& c : cases) {
        LineSettings line;
        line.baud = c.baud;
        line.dataBits = c.bits;
        line.parity = c.parity;
        line.stopBits = c.stop;
        EXPECT_EQ(MicrosPerByte(line), c.micros) << c.baud;
    }
}

// ---- download ----

struct DownloadRig {
    MemoryStore store;
    XmodemReceive rx{store};
    Peer peer{rx};

    // Starts and takes the NAK that opens every download.
    void Begin() {
        peer.Start();
        EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    }
    void Send(const std::vector<std::uint8_t>& data, int block) {
        peer.Feed(Bytes(BuildPacket(data, block)));
    }
};

class Download : public ::testing::Test, protected DownloadRig {};

TEST_F(Download, WholeImageThenEot) {
    const auto data = Pattern(4096);
    peer.Start();
    EXPECT_EQ(peer.messages,
              (std::vector<std::string>{text::kAwaitingDownloadConfirmation, text::kAwaitingDownloadStart}));
    EXPECT_EQ(rx.Counters(), (XferCounters{"Received Packet", "", "0", "", 0}));
    ASSERT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK}); // at once, not after a read wait
    for (int block = 1; block <= 32; ++block) {
        peer.Wait(100);
        Send(data, block);
        ASSERT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{ACK}) << block;
        EXPECT_EQ(rx.Counters().numPackets, std::to_string(block));
        EXPECT_EQ(rx.Counters().numBytes, std::to_string(block * 128));
        EXPECT_EQ(rx.Counters().progress, block * 128);
        EXPECT_FALSE(store.committed);
    }
    EXPECT_EQ(peer.LastMessage(), text::kDownloadInProgress);
    peer.Feed({EOT});
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{ACK});
    EXPECT_TRUE(rx.Finished());
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(peer.LastMessage(), text::kDownloadSuccessful);
    EXPECT_EQ(rx.Counters().numPackets, "33"); // shows one more than it received
    EXPECT_EQ(rx.Counters().errPackets, "0");
    EXPECT_EQ(peer.beeps, 1);
    EXPECT_TRUE(store.committed);
    EXPECT_EQ(store.data, data);
    EXPECT_FALSE(rx.Deadline().has_value());
}

TEST_F(Download, PacketBeforeAnyNakIsAccepted) {
    const auto data = Pattern(256);
    Begin(); // our NAK and the sender's first packet cross on the line
    Send(data, 1);
    Send(data, 2);
    peer.Feed({EOT});
    EXPECT_EQ(peer.TakeSent(), (std::vector<std::uint8_t>{ACK, ACK, ACK}));
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(store.data, data);
}

TEST_F(Download, SenderThatMissedTheFirstNakStartsOnTheNext) {
    const auto data = Pattern(128);
    peer.Start();
    peer.Wait(4999);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    peer.Wait(1);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    Send(data, 1);
    peer.Feed({EOT});
    EXPECT_EQ(peer.TakeSent(), (std::vector<std::uint8_t>{ACK, ACK}));
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(store.data, data);
}

TEST_F(Download, Endings) {
    // Every way a download fails, with what the panel shows at the end.
    struct Case {
        const char* what;
        void (*script)(DownloadRig&);
        const char* message;
    } cases[] = {
        {"no sender: thirteen NAKs", [](DownloadRig& t) { t.peer.Wait(70000); }, text::kRemoteTimeOut},
        {"silence between packets",
         [](DownloadRig& t) {
             t.Send(Pattern(256), 1);
             t.peer.Wait(5000);
         },
         text::kRemoteTimeOut},
        {"bytes lost inside a packet",
         [](DownloadRig& t) {
             const auto p = Bytes(BuildPacket(Pattern(256), 1));
             t.peer.Feed(std::span(p).first(60));
             t.peer.Wait(5000);
         },
         text::kRemoteTimeOut},
        {"CAN before the start",
         [](DownloadRig& t) {
             t.peer.Feed({'x', CAN});
         },
         text::kCancelledByRemote},
        {"CAN between packets",
         [](DownloadRig& t) {
             t.Send(Pattern(256), 1);
             t.peer.Feed({CAN});
         },
         text::kCancelledByRemote},
        {"Cancel pressed",
         [](DownloadRig& t) {
             t.Send(Pattern(256), 1);
             t.peer.Cancel();
         },
         text::kCancelledByUser},
        {"the block cannot be stored",
         [](DownloadRig& t) {
             t.store.failStore = true;
             t.Send(Pattern(256), 1);
         },
         "disk full"},
        {"the file cannot be completed",
         [](DownloadRig& t) {
             t.store.failCommit = true;
             t.Send(Pattern(256), 1);
             t.peer.Feed({EOT});
         },
         "disk full"},
    };
    for (const Case& c : cases) {
        DownloadRig t;
        t.peer.Start();
        c.script(t);
        EXPECT_TRUE(t.rx.Finished()) << c.what;
        EXPECT_FALSE(t.rx.Succeeded()) << c.what;
        EXPECT_EQ(t.peer.LastMessage(), c.message) << c.what;
        EXPECT_EQ(t.peer.beeps, 0) << c.what;
        EXPECT_FALSE(t.store.committed) << c.what;
        // Nothing more happens once it has ended.
        t.peer.TakeSent();
        t.peer.Feed({SOH, 1, 254});
        t.peer.Wait(100000);
        EXPECT_TRUE(t.peer.TakeSent().empty()) << c.what;
    }
}

TEST_F(Download, ThirteenNaksFiveSecondsApartThenGivesUpAfterThirteenWaits) {
    peer.Start();
    peer.Wait(64999);
    EXPECT_FALSE(rx.Finished());
    peer.Wait(100000);
    ASSERT_EQ(peer.sent.size(), 13u);
    for (std::size_t i = 0; i < peer.sent.size(); ++i) {
        EXPECT_EQ(peer.sent[i].at, 5000 * static_cast<std::int64_t>(i));
        EXPECT_EQ(peer.sent[i].bytes, std::vector<std::uint8_t>{NAK});
    }
    EXPECT_EQ(peer.finishedAt, 65000); // no NAK with the give-up: nobody would be listening
    EXPECT_EQ(peer.LastMessage(), text::kRemoteTimeOut);
}

TEST_F(Download, NoiseBeforeTheStartBeginsTheWaitAgain) {
    peer.Start();
    peer.Wait(64000); // thirteen NAKs: the next time-out would end it
    ASSERT_EQ(peer.sent.size(), 13u);
    peer.Feed({0x7F, EOT}); // an EOT before any packet is noise too
    EXPECT_EQ(peer.LastMessage(), text::kAwaitingDownloadStart);
    EXPECT_FALSE(rx.Finished());
    peer.Wait(64999);
    EXPECT_FALSE(rx.Finished());
    EXPECT_EQ(peer.sent.size(), 25u);
    EXPECT_EQ(peer.sent.back().at, 64000 + 12 * 5000);
    Send(Pattern(128), 1);
    peer.Feed({EOT});
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(store.data, Pattern(128));
}

TEST_F(Download, BadChecksumThenGoodCopy) {
    const auto data = Pattern(384);
    Begin();
    Send(data, 1);
    auto bad = Bytes(BuildPacket(data, 2));
    bad[50] ^= 0x10;
    peer.TakeSent();
    peer.Feed(bad);
    EXPECT_EQ(rx.Counters().errPackets, "1");
    EXPECT_TRUE(peer.TakeSent().empty()); // not before the line is quiet
    peer.Wait(999);
    EXPECT_TRUE(peer.TakeSent().empty());
    peer.Wait(1);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    Send(data, 2);
    Send(data, 3);
    peer.Feed({EOT});
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(rx.Counters().errPackets, "1");
    EXPECT_EQ(store.data, data);
}

TEST_F(Download, RestOfABrokenPacketIsNotTakenForTheNext) {
    const auto data = Pattern(256);
    Begin();
    // A spurious SOH in the middle of a packet: the packet seems to end one byte early and its real
    // last byte follows. A stray SOH among the rest must not start a packet either.
    auto packet = Bytes(BuildPacket(data, 1));
    packet[3] = SOH;
    packet.insert(packet.begin() + 10, 0x33);
    peer.Feed(std::span(packet).first(132));
    peer.Wait(400);
    peer.Feed(std::span(packet).subspan(132));
    peer.Feed({SOH, 0x00});
    peer.Wait(999);
    EXPECT_TRUE(peer.TakeSent().empty());
    peer.Wait(1);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    Send(data, 1);
    Send(data, 2);
    peer.Feed({EOT});
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(store.data, data);
}

TEST_F(Download, NoisyLineGetsItsNakAfterAtMostTheLongestPurge) {
    Begin();
    auto bad = Bytes(BuildPacket(Pattern(128), 1));
    bad[100] ^= 1;
    peer.Feed(bad);
    for (int i = 0; i < 20; ++i) { // a byte every half second: never quiet
        peer.Wait(500);
        if (!peer.sent.empty())
            break;
        peer.Feed({0x55});
    }
    ASSERT_EQ(peer.sent.size(), 1u);
    EXPECT_EQ(peer.sent[0].at, 5000);
    EXPECT_FALSE(rx.Finished());
}

TEST_F(Download, RepeatedBlockIsAcknowledgedAndNotStoredAgain) {
    const auto data = Pattern(256);
    Begin();
    Send(data, 1);
    Send(data, 1); // our ACK was lost: the sender tries again
    EXPECT_EQ(peer.TakeSent(), (std::vector<std::uint8_t>{ACK, ACK}));
    EXPECT_EQ(rx.Counters().errPackets, "0");
    EXPECT_EQ(rx.Counters().numPackets, "1");
    Send(data, 2);
    peer.Feed({EOT});
    EXPECT_TRUE(rx.Succeeded());
    EXPECT_EQ(store.data, data);
}

TEST_F(Download, ErrorCountersAndTheEleventhBadPacket) {
    Begin();
    auto bad = Bytes(BuildPacket(Pattern(128), 1));
    bad[2] = 0; // complement wrong
    for (int i = 1; i <= 10; ++i) {
        peer.Feed(bad);
        peer.Wait(1000);
        ASSERT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK}) << i;
        EXPECT_EQ(rx.Counters().errPackets, std::to_string(i));
    }
    EXPECT_FALSE(rx.Finished());
    peer.Feed(bad);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{NAK});
    EXPECT_EQ(rx.Counters().errPackets, "11");
    EXPECT_EQ(peer.LastMessage(), text::kExcessiveErrors);
}

TEST_F(Download, BytesThatCameWithAPacketAreDropped) {
    const auto data = Pattern(256);
    Begin();
    auto chunk = Bytes(BuildPacket(data, 1));
    const auto next = Bytes(BuildPacket(data, 2));
    chunk.insert(chunk.end(), next.begin(), next.end()); // arrived before our ACK could go out
    peer.Feed(chunk);
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{ACK});
    EXPECT_EQ(rx.Counters().numPackets, "1");
    Send(data, 2);
    EXPECT_EQ(rx.Counters().numPackets, "2");
}

TEST_F(Download, EarlyTimerCallsDoNothing) {
    peer.Start();
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_TRUE(rx.OnTime(4999).send.empty());
    EXPECT_EQ(rx.Deadline(), 5000);
    EXPECT_EQ(rx.OnTime(5003).send, std::vector<std::uint8_t>{NAK});
    EXPECT_EQ(rx.Deadline(), 10003);
}

// ---- upload ----

class Upload : public ::testing::Test {
protected:
    std::vector<std::uint8_t> data = Pattern(8192);
    XmodemSend tx{data};
    Peer peer{tx};
};

TEST_F(Upload, WholeImage) {
    peer.Start();
    EXPECT_EQ(peer.messages, std::vector<std::string>{text::kAwaitingUploadConfirmation});
    EXPECT_EQ(tx.Counters(), (XferCounters{"Sending Packet", "", "0", "", 0}));
    peer.Feed({NAK});
    EXPECT_EQ(peer.LastMessage(), text::kUploadInProgress);
    for (int block = 1; block <= 64; ++block) {
        const auto sent = peer.TakeSent();
        ASSERT_EQ(sent, Bytes(BuildPacket(data, block))) << block;
        EXPECT_EQ(std::vector<std::uint8_t>(sent.begin() + 3, sent.begin() + 131),
                  std::vector<std::uint8_t>(data.begin() + (block - 1) * 128, data.begin() + block * 128));
        EXPECT_EQ(tx.Counters().numPackets, std::to_string(block));
        EXPECT_EQ(tx.Counters().progress, (block - 1) * 128);
        peer.Feed({ACK});
        EXPECT_EQ(tx.Counters().numBytes, std::to_string(block * 128));
    }
    EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{EOT});
    EXPECT_EQ(peer.LastMessage(), text::kUploadSuccessful);
    EXPECT_EQ(tx.Counters().progress, 8192);
    EXPECT_FALSE(tx.Finished());
    peer.Feed({ACK});
    EXPECT_TRUE(tx.Succeeded());
    EXPECT_EQ(peer.beeps, 1);
}

TEST_F(Upload, SuccessWhateverTheAnswerToEot) {
    // The EOT goes out at 0 ms; `endsAt` is when the upload is over.
    struct Case {
        const char* what;
        void (*answer)(Peer&);
        int eots;
        std::int64_t endsAt;
    } cases[] = {
        {"ACK", [](Peer& p) { p.Feed({ACK}); }, 1, 0},
        {"ACK after a second",
         [](Peer& p) {
             p.Wait(1000);
             p.Feed({ACK});
         },
         1, 1000},
        {"no answer", [](Peer& p) { p.Wait(10000); }, 1, 2000},
        {"NAK then ACK",
         [](Peer& p) {
             p.Feed({NAK});
             p.Feed({ACK});
         },
         2, 0},
        {"NAK after a second and a half, then no answer",
         [](Peer& p) {
             p.Wait(1500);
             p.Feed({NAK});
             p.Wait(10000);
         },
         2, 3500},
        {"NAK for ever",
         [](Peer& p) {
             for (int i = 0; i < 30; ++i)
                 p.Feed({NAK});
         },
         11, 0},
        {"CAN", [](Peer& p) { p.Feed({CAN}); }, 1, 0},
        {"Cancel pressed while waiting", [](Peer& p) { p.Cancel(); }, 1, 0},
    };
    for (const Case& c : cases) {
        XmodemSend tx{Pattern(1024)};
        Peer peer{tx};
        peer.Start();
        peer.Feed({NAK});
        peer.Feed({'C', 0x00}); // stray bytes while a packet is out
        for (int i = 0; i < 8; ++i) {
            ASSERT_EQ(peer.TakeSent().size(), 132u) << c.what;
            peer.Feed({ACK});
        }
        c.answer(peer);
        const auto sent = peer.TakeSent();
        EXPECT_EQ(sent, std::vector<std::uint8_t>(c.eots, EOT)) << c.what;
        EXPECT_TRUE(tx.Finished()) << c.what;
        EXPECT_TRUE(tx.Succeeded()) << c.what;
        EXPECT_EQ(peer.LastMessage(), text::kUploadSuccessful) << c.what;
        EXPECT_EQ(peer.finishedAt, c.endsAt) << c.what;
    }
}

TEST_F(Upload, Endings) {
    struct Case {
        const char* what;
        void (*script)(Peer&);
        const char* message;
    } cases[] = {
        {"no NAK in 30 s",
         [](Peer& p) {
             p.Feed({'C', ACK, CAN}); // anything but NAK is ignored before the start
             p.Wait(30000);
         },
         text::kNakTimedOut},
        {"no reply in 10 s",
         [](Peer& p) {
             p.Feed({NAK});
             p.Wait(10000);
         },
         text::kReplyTimeout},
        {"no reply to the second block",
         [](Peer& p) {
             p.Feed({NAK});
             p.Feed({ACK});
             p.Wait(10000);
         },
         text::kReplyTimeout},
        {"no reply to the last block",
         [](Peer& p) {
             p.Feed({NAK});
             for (int i = 1; i < 64; ++i)
                 p.Feed({ACK});
             p.Wait(10000);
         },
         text::kReplyTimeout},
        {"CAN",
         [](Peer& p) {
             p.Feed({NAK});
             p.Feed({CAN});
         },
         text::kCancelledByRemote},
        {"Cancel before the start", [](Peer& p) { p.Cancel(); }, text::kCancelledByUser},
        {"Cancel during the blocks",
         [](Peer& p) {
             p.Feed({NAK});
             p.Cancel();
         },
         text::kCancelledByUser},
    };
    for (const Case& c : cases) {
        XmodemSend tx{Pattern(8192)};
        Peer peer{tx};
        peer.Start();
        c.script(peer);
        EXPECT_TRUE(tx.Finished()) << c.what;
        EXPECT_FALSE(tx.Succeeded()) << c.what;
        EXPECT_EQ(peer.LastMessage(), c.message) << c.what;
        EXPECT_EQ(peer.beeps, 0) << c.what;
        EXPECT_EQ(peer.finishedAt, peer.now) << c.what; // at the end of the script's wait, not before
        peer.TakeSent();
        peer.Feed({NAK});
        peer.Wait(100000);
        EXPECT_TRUE(peer.TakeSent().empty()) << c.what;
    }
}

TEST_F(Upload, ReceiverThatRefusesEverythingUntilCancel) {
    peer.Start();
    peer.Feed({NAK});
    const auto first = peer.TakeSent();
    for (int i = 1; i <= 50; ++i) {
        peer.Wait(9000);
        peer.Feed({NAK});
        ASSERT_EQ(peer.TakeSent(), first) << i;
        EXPECT_EQ(tx.Counters().errPackets, std::to_string(i));
        EXPECT_EQ(tx.Counters().numPackets, "1");
    }
    EXPECT_FALSE(tx.Finished());
    peer.Cancel();
    EXPECT_EQ(peer.LastMessage(), text::kCancelledByUser);
    EXPECT_FALSE(tx.Succeeded());
}

TEST_F(Upload, EotFromTheReceiverResendsWithoutCounting) {
    peer.Start();
    peer.Feed({NAK});
    peer.TakeSent();
    peer.Feed({ACK});
    const auto second = peer.TakeSent();
    ASSERT_EQ(second, Bytes(BuildPacket(data, 2)));
    peer.Feed({EOT});
    EXPECT_EQ(peer.TakeSent(), second);
    EXPECT_EQ(tx.Counters().errPackets, "0");
    peer.Feed({ACK});
    EXPECT_EQ(peer.TakeSent(), Bytes(BuildPacket(data, 3)));
}

TEST_F(Upload, StaleRepliesThatCameWithTheTriggerAreDropped) {
    peer.Start();
    peer.Feed({NAK, NAK, NAK}); // a receiver that NAKed more than once while we were not listening
    EXPECT_EQ(peer.TakeSent().size(), 132u);
    peer.Feed({ACK, ACK});
    EXPECT_EQ(peer.TakeSent(), Bytes(BuildPacket(data, 2)));
    EXPECT_EQ(tx.Counters().numBytes, "128");
}

TEST_F(Upload, SlowLineGetsItsSendingTimeOnTopOfTheReplyWait) {
    XmodemTiming timing;
    timing.microsPerByte = 33334; // 300 baud: a packet takes 4.4 s to go out
    XmodemSend slow{Pattern(256), timing};
    Peer p{slow};
    p.Start();
    p.Feed({NAK});
    p.Wait(14400);
    EXPECT_FALSE(slow.Finished());
    p.Wait(100);
    EXPECT_EQ(p.LastMessage(), text::kReplyTimeout);
}

TEST(UploadSizes, ShortLastBlockIsPaddedAndEmptyDataSendsOnlyEot) {
    {
        XmodemSend tx{Pattern(130)};
        Peer peer{tx};
        peer.Start();
        peer.Feed({NAK});
        peer.Feed({ACK});
        const auto last = peer.TakeSent();
        ASSERT_EQ(last.size(), 264u);
        EXPECT_EQ(last[132 + 3], Pattern(130)[128]);
        EXPECT_EQ(last[132 + 5], kPad);
        EXPECT_EQ(last[132 + 130], kPad);
        peer.Feed({ACK});
        EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{EOT});
        EXPECT_EQ(tx.Blocks(), 2);
    }
    {
        XmodemSend tx{{}};
        Peer peer{tx};
        peer.Start();
        peer.Feed({NAK});
        EXPECT_EQ(peer.TakeSent(), std::vector<std::uint8_t>{EOT});
        peer.Feed({ACK});
        EXPECT_TRUE(tx.Succeeded());
    }
}

// ---- both ends ----

// The two engines on one line that may damage bytes on their way: whatever arrives is what was sent.
TEST(XmodemBothEnds, ImageCrossesALineThatDamagesSomePackets) {
    struct Case {
        const char* what;
        int damageEvery; // damage every n-th packet from sender to receiver, 0 for none
        bool dropAckOnce;
    } cases[] = {
        {"clean line", 0, false}, {"every tenth packet damaged", 10, false}, {"one ACK lost", 0, true}};
    for (const Case& c : cases) {
        const auto data = Pattern(8192, 3);
        MemoryStore store;
        XmodemReceive rx{store};
        XmodemSend tx{data};
        std::int64_t now = 0;
        std::vector<std::uint8_t> toRx, toTx;
        auto take = [](const XferOutput& out, std::vector<std::uint8_t>& line) {
            line.insert(line.end(), out.send.begin(), out.send.end());
        };
        take(rx.Start(now), toTx);
        take(tx.Start(now), toRx);
        int packets = 0;
        bool dropped = false;
        for (int round = 0; round < 10000 && !(rx.Finished() && tx.Finished()); ++round) {
            if (!toRx.empty()) {
                auto bytes = std::exchange(toRx, {});
                if (bytes.size() == kPacketSize && c.damageEvery && ++packets % c.damageEvery == 0)
                    bytes[70] ^= 0x40;
                take(rx.OnBytes(bytes, now), toTx);
            } else if (!toTx.empty()) {
                auto bytes = std::exchange(toTx, {});
                if (c.dropAckOnce && !dropped && rx.PacketsReceived() == 20 &&
                    bytes == std::vector<std::uint8_t>{ACK}) {
                    dropped = true;
                    // The sender misses it and sends the same packet again.
                    take(rx.OnBytes(Bytes(BuildPacket(data, 20)), now), toTx);
                    continue;
                }
                take(tx.OnBytes(bytes, now), toRx);
            } else {
                std::int64_t next = INT64_MAX;
                for (const XmodemEngine* e :
                     {static_cast<const XmodemEngine*>(&rx), static_cast<const XmodemEngine*>(&tx)})
                    if (auto d = e->Deadline())
                        next = std::min(next, *d);
                if (next == INT64_MAX)
                    break;
                now = std::max(now, next);
                take(rx.OnTime(now), toTx);
                take(tx.OnTime(now), toRx);
            }
        }
        EXPECT_TRUE(rx.Succeeded()) << c.what;
        EXPECT_TRUE(tx.Succeeded()) << c.what;
        EXPECT_EQ(store.data, data) << c.what;
        EXPECT_EQ(rx.ErrorPackets(), c.damageEvery ? 7 : 0) << c.what; // 7 of 71 packets damaged
    }
}

} // namespace
} // namespace rc::link
