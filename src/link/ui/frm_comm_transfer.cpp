#include "desktop/qt/help_viewer.h"
#include "link/help_pages.h"
#include "link/transfer_file.h"
#include "link/transfer_models.h"
#include "link/ui/frm_comm.h"
#include "link/ui/frm_xfer.h"
#include "link/ui/xfer_file_dialog.h"
#include "link/upload_check.h"

namespace rc::link {

namespace {

// The transfer-busy flag, set for the whole run of a transfer command and cleared on every way out.
class TransferBusy {
public:
    explicit TransferBusy(frmComm& window) : window_(window) { window_.setTransferBusy(true); }
    ~TransferBusy() { window_.setTransferBusy(false); }
    TransferBusy(const TransferBusy&) = delete;
    TransferBusy& operator=(const TransferBusy&) = delete;

private:
    frmComm& window_;
};

std::optional<std::string> AskForFile(frmComm& window, TransferDirection direction) {
    LinkSettings& settings = window.linkSettings();
    const FileDialogRequest request =
        TransferDialogRequest(direction, settings.modelType, settings.lastFolder);
    QtFileDialog dialog(window.dialogParent());
    IFileDialog* shown = TransferFileDialogOverride();
    std::optional<std::string> path = (shown ? shown : &dialog)->Show(request);
    if (path)
        settings.lastFolder = FolderOf(*path);
    return path;
}

// Takes the model of the chosen file, so the next dialog preselects it and it is stored at exit.
XferJob JobFor(frmComm& window, TransferDirection direction, const std::string& path) {
    const TransferModel& model = ModelForPath(path);
    window.linkSettings().modelType = model.index;
    XferJob job;
    job.direction = direction;
    job.path = path;
    job.expectedSize = model.transferSize;
    job.timing.microsPerByte = MicrosPerByte(ToLineSettings(window.linkSettings(), LineSettings{}));
    return job;
}

void RunTransfer(frmComm& window, XferJob job) {
    frmXfer xfer(
        window.port(), std::move(job), [&window](const QString& text) { window.setMessagePanel(text); },
        [&window] { window.messages().Beep(); }, window.dialogParent());
    AddHelpKey(&xfer, window.help(), kTransferHelp);
    xfer.exec();
}

// A line that cannot carry XMODEM is refused before the user picks a file for it.
bool LineRefused(frmComm& window) {
    const std::string refusal = LineRefusal(ToLineSettings(window.linkSettings(), LineSettings{}));
    if (refusal.empty())
        return false;
    window.setMessagePanel(QString::fromStdString(refusal));
    window.messages().Beep();
    return true;
}

} // namespace

void frmComm::PDownLoad() {
    TransferBusy busy(*this);
    if (LineRefused(*this)) {
        focusTerminal();
        return;
    }
    const std::optional<std::string> path = AskForFile(*this, TransferDirection::Download);
    if (!path) {
        focusTerminal();
        return;
    }
    RunTransfer(*this, JobFor(*this, TransferDirection::Download, *path));
    // However the transfer ended, the keyboard is the terminal's again, as after an upload.
    focusTerminal();
}

void frmComm::PUpLoad() {
    TransferBusy busy(*this);
    if (LineRefused(*this)) {
        focusTerminal();
        return;
    }
    const std::optional<std::string> path = AskForFile(*this, TransferDirection::Upload);
    if (!path) {
        focusTerminal();
        return;
    }
    XferJob job = JobFor(*this, TransferDirection::Upload, *path);
    UploadFile file = LoadUploadFile(*path);
    if (!file.refusal.empty()) {
        setMessagePanel(QString::fromStdString(file.refusal));
    } else if (const std::vector<std::string> findings = UploadFindings(*path, file.bytes);
               !findings.empty() && messages().Show(UploadFindingsQuestion(*path, findings)) != Answer::Yes) {
        // Nothing is sent: the controller keeps what it has, and the panel no longer shows how the
        // last transfer ended.
        setMessagePanel(xfer_text::kCancelledByUser);
    } else {
        job.upload = std::move(file.bytes);
        RunTransfer(*this, std::move(job));
    }
    focusTerminal();
}

} // namespace rc::link
