// The transfer commands and the transfer window on a line whose far end is scripted.
#include "link/ui/frm_xfer.h"
#include "link/ui/terminal_view.h"
#include "link_gui_support.h"

#include <filesystem>

namespace rc::link {
namespace {

using namespace test;
using namespace xmodem;
namespace fs = std::filesystem;

// A line whose far end is played by the test. What arrives is delivered from the event loop, as a
// real port does, to the terminal or, during a transfer, to the transfer.
class ScriptedLine : public FakePort {
public:
    std::function<void()> onBegin;
    std::function<void(std::span<const std::uint8_t>)> onSend;
    int begins = 0, ends = 0, terminalBytes = 0;
    bool inTransfer = false;

    void SendBytes(std::span<const std::uint8_t> b) override {
        FakePort::SendBytes(b);
        if (inTransfer && onSend)
            onSend(b);
    }
    std::optional<std::uint8_t> BeginTransfer(Receiver r) override {
        ++begins;
        transfer_ = std::move(r);
        inTransfer = true;
        if (onBegin)
            onBegin();
        return std::nullopt;
    }
    void EndTransfer() override {
        ++ends;
        inTransfer = false;
        transfer_ = nullptr;
    }
    void Deliver(std::vector<std::uint8_t> b) {
        QTimer::singleShot(1, [this, b] {
            if (inTransfer && transfer_)
                transfer_(b);
            else
                terminalBytes += static_cast<int>(b.size());
        });
    }

private:
    Receiver transfer_;
};

// The controller sending its image: starts without waiting for a NAK, as some senders do.
void PlaySender(ScriptedLine& line, std::vector<std::uint8_t> data) {
    auto block = std::make_shared<int>(1);
    auto packet = [data](int b) {
        const Packet p = BuildPacket(data, b);
        return std::vector<std::uint8_t>(p.begin(), p.end());
    };
    const int blocks = static_cast<int>(data.size() / kBlockSize);
    line.onBegin = [&line, packet] { line.Deliver(packet(1)); };
    line.onSend = [&line, block, packet, blocks](std::span<const std::uint8_t> bytes) {
        if (bytes.size() != 1 || *block > blocks)
            return;
        if (bytes[0] == ACK)
            ++*block;
        line.Deliver(*block > blocks ? std::vector<std::uint8_t>{EOT} : packet(*block));
    };
}

// The controller taking an image: NAK to start, ACK for every packet and for EOT.
void PlayReceiver(ScriptedLine& line, std::vector<std::uint8_t>* received) {
    line.onBegin = [&line] { line.Deliver({NAK}); };
    line.onSend = [&line, received](std::span<const std::uint8_t> bytes) {
        if (bytes.size() == static_cast<std::size_t>(kPacketSize))
            received->insert(received->end(), bytes.begin() + 3, bytes.begin() + 131);
        line.Deliver({ACK});
    };
}

const std::string kFilter =
    "Halden R6 Files|*.HR6|Halden R8 Files|*.HR8|Halden M4 Files|*.HM4|Halden K9 Files|*.HK?";

struct Window : WindowOn<ScriptedLine> {
    ScriptedDialog dialog;
    QTemporaryDir dir;

    Window() {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }
    std::string Path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    QString Panel() const { return window.messagePanel(); }
};

TEST(TransferCommands, DownloadAndUploadTakeTheFilesModel) {
    Window w;
    const std::string path = w.Path("site.hr8");
    WriteBytes(path, std::vector<std::uint8_t>(9000, 0xEE)); // longer than what comes
    const auto image = Pattern(8192);
    PlaySender(w.port, image);
    w.dialog.answer = path;
    bool busyInDialog = false;
    w.dialog.whileShown = [&] { busyInDialog = w.window.isTransferBusy(); };
    // What the transfer window shows once it is up, before the far end's first answer.
    QStringList shown;
    w.port.onBegin = [&, sender = w.port.onBegin] {
        QTimer::singleShot(0, [&] {
            QWidget* xfer = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<frmXfer*>(xfer), nullptr);
            shown << xfer->windowTitle() << Child<QLabel>(*xfer, "lblFilename")->text()
                  << Child<QLabel>(*xfer, "lblFileSize")->text()
                  << (w.window.isTransferBusy() ? "busy" : "idle");
        });
        sender();
    };
    Guard();
    w.window.PDownLoad();

    ASSERT_EQ(w.dialog.requests.size(), 1u);
    EXPECT_EQ(w.dialog.requests[0], (FileDialogRequest{"Select file to Download", kFilter, 3, 6, true, ""}));
    EXPECT_TRUE(busyInDialog);
    EXPECT_FALSE(w.window.isTransferBusy());
    EXPECT_EQ(shown, (QStringList{"Xmodem File Download", QString::fromStdString(path), "8192", "busy"}));
    EXPECT_EQ(w.Panel(), " Download Successful");
    EXPECT_EQ(ReadBytes(path), image);
    EXPECT_EQ(w.window.linkSettings().modelType, "2"); // small letters are the R8 extension too
    EXPECT_TRUE(w.port.begins == 1 && w.port.ends == 1);
    EXPECT_EQ(w.port.terminalBytes, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(w.dir.path().toStdString()), {}), 1);

    // The next dialog preselects the model of the last file and starts in its folder.
    w.dialog.answer.reset();
    w.window.PDownLoad();
    EXPECT_EQ(w.dialog.requests.back().filterIndex, 2);
    EXPECT_EQ(w.dialog.requests.back().folder, w.dir.path().toStdString());

    // An upload sends the file it checked, and takes its model too.
    w.window.linkSettings().modelType = "1";
    const auto club = Pattern(4096);
    WriteBytes(w.Path("club.HK9"), club);
    std::vector<std::uint8_t> received;
    PlayReceiver(w.port, &received);
    w.dialog.answer = w.Path("club.HK9");
    Child<QPushButton>(w.window, "cmdDial")->setFocus();
    w.window.PUpLoad();
    EXPECT_EQ(w.dialog.requests.back(),
              (FileDialogRequest{"Select file to Upload", kFilter, 1, 4, false, w.dir.path().toStdString()}));
    EXPECT_EQ(received, club);
    EXPECT_EQ(w.Panel(), " Upload Successful");
    EXPECT_EQ(w.window.linkSettings().modelType, "4");
    EXPECT_FALSE(w.window.isTransferBusy());
    EXPECT_EQ(w.window.focusWidget(), &w.window.terminal());
}

// Nothing moves and the model is that of the file chosen; an upload declined at its check no longer
// shows how the last transfer ended.
TEST(TransferCommands, TransfersRefusedBeforeTheLineIsTouched) {
    const char* const k7Bits = " Transfer Refused: Xmodem needs 8 data bits and no parity";
    struct Case {
        const char* name; // the file chosen, "" for Cancel in the dialog
        bool upload;
        int size; // -1: no such file, 0: a blank image
        const char* panel;
        const char* model = "4";
        bool sevenBits = false;
    } cases[] = {
        {"", false, -1, "before"},
        {"", true, -1, "before"},
        {"", false, -1, k7Bits, "4", true},
        {"", true, -1, k7Bits, "4", true},
        {"blank.HR8", true, 0, " Transfer Cancelled By User.", "2"},
        {"a.HR8", true, 7936, "File %1 is Corrupted. Transfer Aborted", "2"},
        {"gone/e.HR8", false, -1, "File %1 could not be written. Transfer Aborted", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.upload ? " upload " : " download ") + c.panel);
        Window w;
        w.window.setMessagePanel("before");
        w.window.linkSettings().bits = c.sevenBits ? "7" : "8";
        w.window.linkSettings().modelType = "4";
        if (*c.name)
            w.dialog.answer = w.Path(c.name);
        if (c.size >= 0)
            WriteBytes(*w.dialog.answer, c.size ? Pattern(c.size) : std::vector<std::uint8_t>(8192, 0));
        w.messages.answers = {Answer::No}; // to the blank image's question
        Child<QPushButton>(w.window, "cmdDial")->setFocus();
        ASSERT_NE(w.window.focusWidget(), &w.window.terminal());
        c.upload ? w.window.PUpLoad() : w.window.PDownLoad();
        // The line is refused before a file is asked for.
        EXPECT_EQ(w.dialog.requests.size(), c.sevenBits ? 0u : 1u);
        EXPECT_EQ(w.port.begins, 0);
        EXPECT_FALSE(w.window.isTransferBusy());
        EXPECT_EQ(w.Panel(), QString(c.panel).arg(QString::fromStdString(w.dialog.answer.value_or(""))));
        EXPECT_EQ(w.messages.shown.size(), c.size == 0 ? 1u : 0u);
        EXPECT_EQ(w.window.linkSettings().modelType, c.model);
        EXPECT_TRUE(c.sevenBits || w.window.focusWidget() == &w.window.terminal());
    }
}

// ---- the window on its own ----

struct XferRig {
    ScriptedLine line;
    QTemporaryDir dir;
    QStringList panel;
    int beeps = 0;

    std::unique_ptr<frmXfer> Make(TransferDirection direction, const std::string& name,
                                  XmodemTiming timing = {}) {
        XferJob job;
        job.direction = direction;
        job.path = (dir.path() + "/" + QString::fromStdString(name)).toStdString();
        job.expectedSize = ModelForPath(job.path).transferSize;
        job.upload = Pattern(static_cast<std::size_t>(job.expectedSize));
        job.timing = timing;
        return std::make_unique<frmXfer>(
            line, std::move(job), [this](const QString& t) { panel.append(t); }, [this] { ++beeps; });
    }
};

// Cancel, Escape and closing the window all cancel; the time-outs run from the event loop. The file
// stays as it was, or is not made, with nothing beside it.
TEST(frmXfer, TransfersEndedBeforeTheirEnd) {
    XmodemTiming quick;
    quick.readMs = 10;
    quick.startNakMs = 30;
    struct Case {
        const char* what;
        void (*act)(frmXfer*); // nullptr: nobody answers
        const char* message;
    } cases[] = {
        {"Cancel button",
         [](frmXfer* x) { QTest::mouseClick(Child<QPushButton>(*x, "cmdCancel"), Qt::LeftButton); },
         " Transfer Cancelled By User."},
        {"Escape", [](frmXfer* x) { QTest::keyClick(x, Qt::Key_Escape); }, " Transfer Cancelled By User."},
        {"window closed", [](frmXfer* x) { x->close(); }, " Transfer Cancelled By User."},
        {"download time-out", nullptr, " Remote Time Out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        XferRig rig;
        const std::string existing = (rig.dir.path() + "/keep.HR8").toStdString();
        if (c.act)
            WriteBytes(existing, Pattern(8192));
        auto xfer = rig.Make(TransferDirection::Download, "keep.HR8", c.act ? XmodemTiming{} : quick);
        frmXfer* x = xfer.get();
        if (c.act)
            rig.line.onBegin = [&] { QTimer::singleShot(50, [&, x] { c.act(x); }); };
        Guard(5000);
        EXPECT_EQ(xfer->exec(), QDialog::Rejected);
        EXPECT_EQ(rig.panel.back(), c.message);
        EXPECT_FALSE(xfer->Succeeded());
        EXPECT_TRUE(rig.line.ends == 1 && rig.beeps == 0);
        EXPECT_TRUE(c.act || rig.line.sent == std::string(13, NAK)) << rig.line.sent.size();
        EXPECT_EQ(ReadBytes(existing), c.act ? Pattern(8192) : std::vector<std::uint8_t>());
        EXPECT_EQ(std::distance(fs::directory_iterator(rig.dir.path().toStdString()), {}), c.act ? 1 : 0);
    }
}

TEST(frmXfer, CountersFollowTheTransfer) {
    XferRig rig;
    auto xfer = rig.Make(TransferDirection::Upload, "c.HK1");
    std::vector<std::uint8_t> received;
    PlayReceiver(rig.line, &received);
    auto counters = [&] {
        QStringList shown;
        for (const char* name : {"lblNumPackets", "lblNumBytes", "lblErrPackets"})
            shown << Child<QLabel>(*xfer.get(), name)->text();
        return shown << QString::number(Child<QProgressBar>(*xfer.get(), "pnlFill")->value());
    };
    QStringList seen;
    auto onSend = rig.line.onSend;
    int packets = 0;
    rig.line.onSend = [&](std::span<const std::uint8_t> bytes) {
        if (bytes.size() == static_cast<std::size_t>(kPacketSize) && ++packets == 2) {
            rig.line.Deliver({NAK}); // refused once
            return;
        }
        if (packets == 3 && seen.isEmpty()) // the third packet goes out: block 2 again
            QTimer::singleShot(0, [&] { seen = counters(); });
        onSend(bytes);
    };
    Guard();
    EXPECT_EQ(xfer->exec(), QDialog::Accepted);
    EXPECT_EQ(seen, (QStringList{"2", "128", "1", "128"}));
    EXPECT_EQ(counters(), (QStringList{"32", "4096", "1", "4096"})); // 4096 bytes are 32 blocks
    EXPECT_EQ(rig.beeps, 1);
    EXPECT_EQ(rig.panel, (QStringList{" Awaiting Confirmation From Remote", " Upload Of Data In Progress",
                                      " Upload Successful", " Upload Successful"}));
}

// The dialog of each direction, with the model's filter preselected; a bare name takes the extension
// of the filter chosen, so the transfer is of that model; the dialog starts in the folder it is given.
TEST(QtFileDialog, TitleFilterModeAndTheChosenFiltersExtension) {
    const QStringList filters{"Halden R6 Files (*.HR6)", "Halden R8 Files (*.HR8)", "Halden M4 Files (*.HM4)",
                              "Halden K9 Files (*.HK?)"};
    EXPECT_EQ(NameFilters(kFilter), filters);
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    WriteBytes((folder + "/old.HR8").toStdString(), Pattern(8192));
    struct Case {
        TransferDirection direction;
        int model;       // preselected
        bool nextFilter; // the user picks the filter below it
        const char* typed;
        const char* chosen; // in the folder the dialog started in
    } cases[] = {
        {TransferDirection::Download, 2, false, "site", "site.HR8"},
        {TransferDirection::Download, 2, true, "site", "site.HM4"},
        {TransferDirection::Download, 4, false, "site", "site"}, // no one extension
        {TransferDirection::Upload, 3, false, "old.HR8", "old.HR8"},
        {TransferDirection::Upload, 2, false, "old", "old.HR8"},
    };
    for (const Case& c : cases) {
        const FileDialogRequest request =
            TransferDialogRequest(c.direction, std::to_string(c.model), folder.toStdString());
        const bool download = c.direction == TransferDirection::Download;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowTitle().toStdString(), request.title);
            EXPECT_EQ(d->selectedNameFilter(), filters[c.model - 1]);
            EXPECT_EQ(d->acceptMode(), download ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            EXPECT_EQ(!d->testOption(QFileDialog::DontConfirmOverwrite), download);
            if (c.nextFilter)
                QTest::keyClick(d->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            d->findChild<QLineEdit*>("fileNameEdit")->setText(c.typed);
            static_cast<QDialog*>(d)->accept();
        });
        EXPECT_EQ(QtFileDialog().Show(request).value_or(""), (folder + "/" + c.chosen).toStdString());
    }
}

} // namespace
} // namespace rc::link
