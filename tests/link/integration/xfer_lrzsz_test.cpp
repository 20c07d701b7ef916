// Transfers against lrzsz in checksum mode over pseudo-terminals: rclink without windows, the
// transfer commands of the main window, and a line that adds noise. Single faults of each kind, what
// each costs, and uploads on a noisy line are tested on the engines' fake clock.
#include "link_gui_support.h"
#include "listing/settings_list.h"

#include <csignal>
#include <list>
#include <set>
#include <sys/stat.h>

namespace rc::link {
namespace {

using namespace test;
using namespace xmodem;

constexpr int kRunLimitMs = 60000;

// One test's folder and the processes it runs.
class Bench {
public:
    Bench() { EXPECT_TRUE(dir_.isValid()); }
    ~Bench() {
        for (auto& p : processes_) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(2000))
                    p->kill();
                p->waitForFinished(2000);
            }
        }
    }

    QString Path(const QString& name) const { return dir_.path() + "/" + name; }
    std::string File(const QString& name) const { return Path(name).toStdString(); }

    // A shell line on pipes, in `folder` of the test's own.
    QProcess* Shell(const QString& command, const QString& folder = "") {
        return Start("sh", {"-c", command}, Path(folder));
    }

    QProcess* Rclink(const QStringList& args) { return Start(RCLINK_PROGRAM, args, dir_.path()); }
    // Its standard error into a pipe whose reader has ended.
    QProcess* RclinkUnread(const QStringList& args) {
        return Start("sh", QStringList{"-c", "\"$0\" \"$@\" 2>&1 | :", RCLINK_PROGRAM} + args, dir_.path());
    }

    // Lets the event loop run (the relay works from it) until p has ended.
    static bool Finish(QProcess* p, int ms = kRunLimitMs) {
        if (p->state() == QProcess::NotRunning)
            return true;
        QEventLoop loop;
        QObject::connect(p, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        return p->state() == QProcess::NotRunning;
    }

    // The copies of transferred images kept in this test's own data folder, oldest first.
    QStringList Kept() const {
        return QDir(Path("data/halden-r8-tools/backups")).entryList(QDir::Files, QDir::Name);
    }

private:
    QProcess* Start(const QString& program, const QStringList& args, const QString& folder) {
        auto p = std::make_unique<QProcess>();
        p->setWorkingDirectory(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", Path("data"));
        p->setProcessEnvironment(env);
        p->start("timeout", QStringList{"90", program} + args);
        EXPECT_TRUE(p->waitForStarted(5000)) << program.toStdString();
        processes_.push_back(std::move(p));
        return processes_.back().get();
    }

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome Collect(QProcess* p) {
    EXPECT_TRUE(Bench::Finish(p)) << "rclink did not end";
    return {p->exitCode(), QString::fromLocal8Bit(p->readAllStandardError())};
}

const QString kSend = "exec timeout 60 sx -X img.HR8";
// rx NAKs at once, often before rclink has the line: that NAK goes in the discard at the start of
// the transfer, and the upload answers the next.
const QString kReceive = "exec timeout 60 rx -X -t 30 got.bin";

// The controller's program (sx unless said) on pipes behind a pseudo-terminal rclink opens. With a
// seed the line is a telephone line with noise: about one byte in 400 each way is damaged, lost or
// followed by a stray one.
struct PeerLine {
    explicit PeerLine(Bench& b, const QString& command = kSend, const QString& folder = "", unsigned seed = 0)
        : toPeer(seed * 2, seed ? 400 : 0), toRclink(seed * 2 + 1, seed ? 400 : 0) {
        peer = b.Shell(command, folder);
        line.onBytes = [this](const QByteArray& bytes) { peer->write(Pass(toPeer, bytes)); };
        QObject::connect(peer, &QProcess::readyReadStandardOutput,
                         [this] { line.Send(Pass(toRclink, peer->readAllStandardOutput())); });
    }
    ~PeerLine() { peer->disconnect(); }
    static QByteArray Pass(LineNoise& noise, const QByteArray& bytes) {
        QByteArray out;
        for (char b : bytes)
            for (std::uint8_t o : noise.Pass(static_cast<std::uint8_t>(b)))
                out.append(static_cast<char>(o));
        return out;
    }
    QString Path() const { return QString::fromStdString(line.SlavePath()); }
    PtyModem line;
    QProcess* peer;
    LineNoise toPeer, toRclink;
};

// A transfer that ends early, stopped by the user (SIGTERM, as Ctrl-C) or because the far end of the pty
// went away: it ends at once, not after the read waits, and the old file stays as it was.
TEST(RclinkWithLrzsz, TransferEndedEarlyLeavesTheFileAsItWas) {
    struct Case {
        const char* direction;
        bool lineCloses; // else rclink is stopped
        const char* says;
        int copiesKept; // an upload that started keeps the image it was sending
    } cases[] = {
        {"--download", false, "rclink: Transfer Cancelled By User.", 0},
        {"--download", true, "rclink: Line Lost", 0},
        {"--upload", true, "rclink: Line Lost", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.direction) + ", " + c.says);
        Bench b;
        const auto old = Pattern(8192, 11);
        WriteBytes(b.File("site.HR8"), old);
        auto line = std::make_unique<PtyModem>(); // nobody answers
        // The image is a pattern the editor's check would stop: --force sends it all the same.
        QProcess* rclink = b.Rclink(
            {"--port", QString::fromStdString(line->SlavePath()), "--force", c.direction, "site.HR8"});
        QTest::qWait(1500);
        QElapsedTimer sinceEnd;
        sinceEnd.start();
        if (c.lineCloses)
            line.reset();
        else
            rclink->terminate();
        const Outcome o = Collect(rclink);
        EXPECT_LT(sinceEnd.elapsed(), 3000);
        EXPECT_EQ(o.exitCode, 1) << o.errors.toStdString();
        EXPECT_TRUE(o.errors.contains(c.says)) << o.errors.toStdString();
        EXPECT_EQ(ReadBytes(b.File("site.HR8")), old);
        EXPECT_EQ(b.Kept().size(), c.copiesKept) << "no copy kept of a download that failed";
    }
}

// Single faults, what each costs and uploads on a noisy line are the engines' (XmodemNoisyLine); here
// rclink's own timers and reads against sx's.
TEST(RclinkWithLrzsz, NoisyLineDownloadsFromSx) {
    for (unsigned seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        Bench b;
        const auto image = Pattern(8192, seed);
        WriteBytes(b.File("img.HR8"), image);
        PeerLine line(b, kSend, "", seed);
        QElapsedTimer took;
        took.start();
        const Outcome o = Collect(b.Rclink({"--port", line.Path(), "--download", "site.HR8"}));
        EXPECT_EQ(o.exitCode, 0) << o.errors.toStdString();
        EXPECT_LT(took.elapsed(), 20000);
        EXPECT_EQ(ReadBytes(b.File("site.HR8")), image);
    }
}

// ---- the main window ----

TEST(TransferWindowWithLrzsz, DownloadTakesNothingFromBeforeItsStart) {
    Bench b;
    const auto image = Pattern(8192, 8);
    WriteBytes(b.File("img.HR8"), image);
    PeerLine line(b);
    WindowOn<QtSerialPort> w;
    std::string reason;
    ASSERT_TRUE(w.port.Open({.device = line.line.SlavePath()}, &reason)) << reason;
    int terminalBytes = 0;
    w.port.SetTerminalReceiver([&](std::span<const std::uint8_t> bytes) { terminalBytes += bytes.size(); });
    w.window.show();
    // A stale first block on the line before the transfer: taken for the sender's, it would put
    // the wrong bytes at the start of the file.
    const Packet p = BuildPacket(std::vector<std::uint8_t>(128, 'S'), 1);
    line.line.Send(QByteArray(reinterpret_cast<const char*>(p.data()), kPacketSize));
    // It must be here before the command: one still on its way when the transfer starts cannot be told
    // from the sender's first packet.
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminalBytes >= kPacketSize; }, 10000));
    ScriptedDialog dialog;
    dialog.answer = b.File("site.hr8");
    Guard(kRunLimitMs);
    w.window.PDownLoad();
    EXPECT_EQ(w.window.messagePanel(), " Download Successful");
    EXPECT_EQ(ReadBytes(b.File("site.hr8")), image);
    EXPECT_EQ(terminalBytes, kPacketSize); // the stale packet, nothing of the transfer
}

// What went to the controller is kept in the user's data folder; an image the editor's check finds
// fault with goes nowhere without --force.
TEST(RclinkWithLrzsz, UploadCheckAndTheCopyKept) {
    Bench b;
    WriteBytes(b.File("blank.HR8"), std::vector<std::uint8_t>(8192, 0));
    QDir(b.Path("")).mkdir("rx");

    Outcome o = Collect(b.Rclink({"--port", b.Path("ttyR"), "--upload", "blank.HR8"}));
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_TRUE(o.errors.contains("the image is blank")) << o.errors.toStdString();
    EXPECT_EQ(b.Kept(), QStringList());

    // rx asks at once and then only every ten seconds: its first NAK, waiting on the line when the
    // upload starts, is the one answered.
    PeerLine line(b, "exec timeout 60 rx -X got.bin", "rx");
    QTest::qWait(1000);
    QElapsedTimer took;
    took.start();
    o = Collect(b.Rclink({"--port", line.Path(), "--force", "--upload", "blank.HR8"}));
    EXPECT_EQ(o.exitCode, 0) << o.errors.toStdString();
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_TRUE(Bench::Finish(line.peer, 10000));
    EXPECT_EQ(ReadBytes(b.File("rx/got.bin")), std::vector<std::uint8_t>(8192, 0));

    EXPECT_EQ(b.Kept().size(), 1);
    EXPECT_TRUE(b.Kept().value(0).endsWith("_upload_blank.HR8")) << b.Kept().join(' ').toStdString();
}

// A download from sx replaces an older, longer file and keeps a copy. A whole image the chosen file's
// model does not take is kept, named for the model whose size it has; the file stays as it was.
TEST(RclinkWithLrzsz, DownloadsAndTheCopiesKept) {
    struct Case {
        const char* file;
        std::size_t sent;
        const char* says;
        const char* copyEnds;
        const char* keptAs; // what the message calls the copy, nullptr when the download succeeds
    } cases[] = {
        {"site.HR8", 8192, "rclink: Download Successful", "_download_site.HR8", nullptr},
        {"mybackup.HM4", 8192, "rclink: Download Too Long: 8192 of 7936 Bytes", "_download_mybackup.HM4.HR8",
         "The image received is the size of a Halden R8 file and is kept in "},
        // Of no model's size: kept apart, never taken for the file's newest copy.
        {"x.HR8", 5120, "rclink: Download Incomplete: 5120 of 8192 Bytes", "_download_x.HR8.partial",
         "The image received is kept in "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Bench b;
        const bool ok = c.keptAs == nullptr;
        const auto image = Pattern(c.sent, 21), old = Pattern(ok ? 9000 : 7936, 22);
        WriteBytes(b.File("img.HR8"), image);
        WriteBytes(b.File(c.file), old);
        PeerLine line(b, "printf x; " + kSend); // a stray byte before the transfer
        const Outcome o = Collect(b.Rclink({"--port", line.Path(), "--download", c.file}));
        EXPECT_EQ(o.exitCode, ok ? 0 : 1) << o.errors.toStdString();
        EXPECT_TRUE(o.errors.contains(c.says)) << o.errors.toStdString();
        const QStringList progress = o.errors.split('\n').filter(QRegularExpression("^packet "));
        EXPECT_TRUE(!ok || progress.value(progress.size() - 1) == "packet 65  errors 0  bytes 8192 of 8192")
            << o.errors.toStdString();
        const QStringList copies = b.Kept();
        ASSERT_EQ(copies.size(), 1) << o.errors.toStdString();
        EXPECT_TRUE(copies[0].endsWith(c.copyEnds)) << copies[0].toStdString();
        const QString kept = b.Path("data/halden-r8-tools/backups/" + copies[0]);
        EXPECT_TRUE(ok || o.errors.contains(c.keptAs + kept)) << o.errors.toStdString();
        EXPECT_EQ(ReadBytes(kept.toStdString()), image);
        EXPECT_EQ(ReadBytes(b.File(c.file)), ok ? image : old);
    }
}

// Downloads that end in the same second each keep their own copy.
TEST(RclinkWithLrzsz, DownloadsAtOnceKeepEveryCopy) {
    Bench b;
    std::list<PeerLine> lines;
    std::vector<QProcess*> runs;
    std::set<std::vector<std::uint8_t>> images;
    for (unsigned i = 1; i <= 3; ++i) {
        const QString folder = "r" + QString::number(i);
        QDir(b.Path("")).mkdir(folder);
        images.insert(Pattern(8192, 30 + i));
        WriteBytes(b.File(folder + "/img.HR8"), Pattern(8192, 30 + i));
        lines.emplace_back(b, kSend, folder);
    }
    for (unsigned i = 1; PeerLine & line : lines)
        runs.push_back(
            b.Rclink({"--port", line.Path(), "--download", "r" + QString::number(i++) + "/site.HR8"}));
    for (QProcess* run : runs)
        EXPECT_EQ(Collect(run).exitCode, 0);
    std::set<std::vector<std::uint8_t>> kept;
    for (const QString& copy : b.Kept())
        kept.insert(ReadBytes(b.File("data/halden-r8-tools/backups/" + copy)));
    EXPECT_TRUE(kept == images) << b.Kept().join(' ').toStdString();
}

// The nightly download says what changed since the night before, beside the copy it keeps.
TEST(RclinkWithLrzsz, ChangesSinceTheLastCopy) {
    Bench b;
    const auto first = Pattern(8192, 31);
    auto second = first;
    for (int at : {0x100, 0x101, 0x1234})
        second[at] ^= 0x5A;
    QStringList said;
    for (int run = 0; run < 3; ++run) {
        WriteBytes(b.File("img.HR8"), run == 0 ? first : second);
        PeerLine line(b);
        const Outcome o = Collect(b.Rclink({"--port", line.Path(), "--download", "site.HR8"}));
        ASSERT_EQ(o.exitCode, 0) << o.errors.toStdString();
        said << o.errors;
        QTest::qWait(1000); // each copy in a second of its own
    }
    const QStringList kept = b.Kept();
    ASSERT_EQ(kept.size(), 3) << kept.join(' ').toStdString(); // two copies and the changes beside the second
    const QString folder = b.Path("data/halden-r8-tools/backups/");
    EXPECT_EQ(kept[2], kept[1] + ".changes.txt");
    for (const QString& name : kept) { // the changes as private as the copies
        struct stat st {};
        EXPECT_EQ(::stat((folder + name).toLocal8Bit().constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << name.toStdString();
    }
    ImageBytes before, after;
    std::copy(first.begin(), first.end(), before.MutableBytes().begin());
    std::copy(second.begin(), second.end(), after.MutableBytes().begin());
    const auto changes = listing::DiffSettings(before, after);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(QString::fromStdString(rc::test::ReadFile((folder + kept[2]).toStdString())),
              "# Changes from " + folder + kept[0] + " to " + folder + kept[1] + "\n" +
                  QString::fromStdString(listing::ChangesText(changes)));
    // "2026-12-07 05:06:07" from "2026-12-07_050607_download_site.HR8"
    auto date = [](const QString& copy) {
        return copy.left(10) + " " + copy.mid(11, 2) + ":" + copy.mid(13, 2) + ":" + copy.mid(15, 2);
    };
    EXPECT_FALSE(said[0].contains("changed since")) << said[0].toStdString();
    EXPECT_TRUE(said[1].contains(QString("rclink: %1 settings changed since %2 (see %3)")
                                     .arg(changes.size())
                                     .arg(date(kept[0]), folder + kept[2])))
        << said[1].toStdString();
    EXPECT_TRUE(said[2].contains("rclink: no setting changed since " + date(kept[1])))
        << said[2].toStdString();
}
// ---- a dialled call ----

// A Hayes modem at the end of rclink's line: it echoes and answers commands, gives the dial the
// result the test chose and, after CONNECT, puts the controller's side through: an optional
// password prompt, then a real sx or rx. Online, "+++" takes it back to commands (the guard times
// around it are the call's own test's); ATH ends the call.
class HayesModem {
public:
    struct Script {
        const char* initReply = "OK";
        const char* dialResult = "CONNECT 9600";
        bool prompt = false; // the controller asks "Password:" and goes on at "secret\r"
        bool deaf = false;   // online to the end: "+++" and ATH go to the controller as data
        QString peer;        // the controller's program, in the bench folder
    };

    HayesModem(Bench& bench, Script script) : bench_(bench), script_(std::move(script)) {
        line_.onBytes = [this](const QByteArray& bytes) {
            for (char c : bytes)
                online_ ? OnlineByte(c) : CommandByte(c);
        };
    }
    ~HayesModem() { HangUp(); }
    QString Path() const { return QString::fromStdString(line_.SlavePath()); }
    // The command lines and confirmed escapes, in order: "ATZ|ATDT5550100|+++|ATH".
    QString Log() const { return log_.join('|'); }
    bool CallUp() const { return callUp_; }

private:
    void Reply(const char* text) { line_.Send(QByteArray("\r\n") + text + "\r\n"); }

    void CommandByte(char c) {
        line_.Send(QByteArray(1, c));
        if (c != '\r') {
            command_ += c;
            return;
        }
        const QString command = QString::fromLatin1(command_).trimmed().toUpper();
        command_.clear();
        if (command.isEmpty())
            return;
        log_ << command;
        if (command.startsWith("ATD")) {
            QTimer::singleShot(200, [this] { Dialled(); });
        } else if (command == "ATH") {
            HangUp();
            Reply("OK");
        } else {
            Reply(script_.initReply);
        }
    }

    void Dialled() {
        Reply(script_.dialResult);
        if (!QByteArray(script_.dialResult).startsWith("CONNECT"))
            return;
        online_ = callUp_ = true;
        if (script_.prompt)
            line_.Send("\r\nPassword: ");
        else
            StartPeer();
    }

    void OnlineByte(char c) {
        heard_ = (heard_ + c).right(3);
        if (!script_.deaf && heard_ == "+++") {
            online_ = false;
            log_ << "+++";
            Reply("OK");
            return;
        }
        toPeer_ += c;
        if (script_.prompt && !peer_ && toPeer_.contains("secret\r")) {
            toPeer_.clear();
            StartPeer();
        }
        Flush();
    }

    // The controller's program on pipes.
    void StartPeer() {
        peer_ = bench_.Shell(script_.peer);
        QObject::connect(peer_, &QProcess::readyReadStandardOutput, [this] {
            const QByteArray bytes = peer_->readAllStandardOutput();
            if (online_)
                line_.Send(bytes);
        });
        Flush();
    }

    void Flush() {
        if (peer_)
            peer_->write(std::exchange(toPeer_, {}));
    }

    void HangUp() {
        callUp_ = online_ = false;
        if (!peer_)
            return;
        peer_->disconnect(); // the bench waits for it at the end
        std::exchange(peer_, nullptr)->terminate();
    }

    Bench& bench_;
    Script script_;
    PtyModem line_;
    QProcess* peer_ = nullptr;
    QByteArray command_, toPeer_, heard_;
    QStringList log_;
    bool online_ = false, callUp_ = false;
};

const QString kSendSlowly = "sleep 1; " + kSend; // its first NAK after the chat, not in the discard
const QString kReceiveSlowly = "sleep 1; " + kReceive;

// Every kind of call rclink makes with nobody there: the modem's answers, the controller's prompt,
// what went over the line and whether the call is down at the end.
TEST(RclinkDialling, CallsAndTheirHangUp) {
    struct Case {
        QString name;
        QString options; // besides --port and --dial, split at blanks
        int exitCode;
        QString says;      // on standard error, one text per "|"
        QString log;       // what the modem heard
        QString peer = {}; // the controller's program
        bool callUp = false;
        int hupAfterMs = 0;  // the terminal closes, waiting for the prompt
        bool unread = false; // nobody reads standard error: the exit status is the shell's
        bool prompt = false, deaf = false;
        const char *initReply = "OK", *dialResult = "CONNECT 9600";
    };
    const QString kCall = "ATDT5550100", kDown = "--download site.HR8", kHungUp = "ATDT5550100|+++|ATH";
    std::vector<Case> cases = {
        {"download after init and chat", "--init ATZ --chat chat.txt " + kDown, 0,
         "rclink: dialling 5550100|rclink: CONNECT 9600|Download Successful|rclink: hanging up|line hung up",
         "ATZ|" + kHungUp, kSend, false, 0, false, true},
        {"upload", "--force --upload img.HR8", 0, "rclink: line hung up", kHungUp,
         "cd rx; " + kReceiveSlowly},
        {"the controller cancels", kDown, 1, "Cancelled By Remote|rclink: line hung up", kHungUp,
         "sleep 1; cat can; sleep 2; cat can; sleep 9"},
        {"init refused", "--init AT&F " + kDown, 1, "rclink: the modem answered ERROR to \"AT&F\"", "AT&F",
         "", false, 0, false, false, false, "ERROR"},
        {"the terminal closes during the chat", "--chat chat.txt " + kDown, 1,
         "rclink: cancelled by the user|rclink: hanging up|rclink: line hung up", kHungUp, "sleep 9", false,
         1500},
        {"nobody reads the messages", kDown, 0, "", kHungUp, kSendSlowly, false, 0, true},
        // A pty has no DTR to drop: the call stays up and rclink says so.
        {"a modem that will not hang up", kDown, 0,
         "Download Successful|the device cannot drop DTR: the line may still be up", kCall, kSendSlowly, true,
         0, false, false, true},
    };
    for (const char* result : {"BUSY", "NO CARRIER", "NO ANSWER", "NO DIALTONE", "ERROR"}) {
        cases.push_back({result, kDown, 1, QString("rclink: call failed: ") + result, kCall});
        cases.back().dialResult = result;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        Bench b;
        const auto image = Pattern(8192, 21);
        WriteBytes(b.File("img.HR8"), image);
        QDir(b.Path("")).mkdir("rx");
        WriteBytes(b.File("can"), {CAN, CAN}); // the controller's cancel
        rc::test::WriteFile(b.File("chat.txt"),
                            "# the controller's login\nexpect Password:\npause 0.2\nsend secret\\r\n");
        HayesModem modem(b, {c.initReply, c.dialResult, c.prompt, c.deaf, c.peer});
        const QStringList args =
            QStringList{"--port", modem.Path(), "--dial", "5550100"} + c.options.split(' ');
        QProcess* rclink = c.unread ? b.RclinkUnread(args) : b.Rclink(args);
        if (c.hupAfterMs > 0) {
            QTest::qWait(c.hupAfterMs);
            ::kill(static_cast<pid_t>(rclink->processId()), SIGHUP);
        }
        const Outcome o = Collect(rclink);
        EXPECT_EQ(o.exitCode, c.exitCode) << o.errors.toStdString();
        for (const QString& text : c.says.split('|'))
            EXPECT_TRUE(o.errors.contains(text)) << text.toStdString() << " not in\n"
                                                 << o.errors.toStdString();
        EXPECT_EQ(modem.Log(), c.log);
        EXPECT_EQ(modem.CallUp(), c.callUp);
        if (c.exitCode == 0) {
            EXPECT_EQ(ReadBytes(b.File(c.options.contains("--upload") ? "rx/got.bin" : "site.HR8")), image);
        }
    }
}

} // namespace
} // namespace rc::link
