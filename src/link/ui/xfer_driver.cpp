#include "link/ui/xfer_driver.h"

#include "files/backups.h"

#include <QMetaObject>

#include <algorithm>

namespace rc::link {

XferDriver::XferDriver(ISerialPort& port, XferJob job, QObject* parent)
    : QObject(parent), port_(port), job_(std::move(job)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &XferDriver::OnTimer);
}

XferDriver::~XferDriver() {
    if (running_) {
        port_.SetTransferLost(nullptr);
        port_.EndTransfer();
    }
}

const XferCounters& XferDriver::Counters() const {
    static const XferCounters none;
    return engine_ ? engine_->Counters() : none;
}

void XferDriver::Start() {
    if (running_ || ended_)
        return;
    if (job_.direction == TransferDirection::Download) {
        file_ = std::make_unique<DownloadFile>(job_.path);
        if (!file_->Open()) {
            emit message(QString::fromStdString(file_->FailureMessage()));
            End(false);
            return;
        }
        engine_ = std::make_unique<XmodemReceive>(*file_, job_.timing, job_.expectedSize);
    } else {
        engine_ = std::make_unique<XmodemSend>(job_.upload, job_.timing, job_.refusalLimit);
    }
    if (job_.direction == TransferDirection::Upload)
        KeepTransferCopy(job_.upload, "upload");
    running_ = true;
    clock_.start();
    // From here on the terminal sees nothing: every byte that arrives belongs to the transfer, and
    // none that came before it.
    const std::optional<std::uint8_t> before =
        port_.BeginTransfer([this](std::span<const std::uint8_t> bytes) { OnBytes(bytes); });
    port_.SetTransferLost([this](const std::string& reason) {
        if (running_)
            Apply(engine_->LineLost(reason));
    });
    Apply(engine_->Start(Now()));
    // A receiver that was already asking when the upload began need not be waited for until it
    // asks again (many do so only every ten seconds or more): the last byte it sent was its NAK.
    // Everything else from before is gone.
    if (running_ && job_.direction == TransferDirection::Upload && before == xmodem::NAK)
        Apply(engine_->OnBytes(std::span<const std::uint8_t>(&*before, 1), Now()));
}

void XferDriver::Cancel() {
    if (running_)
        Apply(engine_->Cancel(Now()));
}

void XferDriver::OnBytes(std::span<const std::uint8_t> bytes) {
    if (running_)
        Apply(engine_->OnBytes(bytes, Now()));
}

void XferDriver::OnTimer() {
    if (running_)
        Apply(engine_->OnTime(Now()));
}

void XferDriver::Apply(const XferOutput& out) {
    if (!out.send.empty())
        port_.SendBytes(out.send);
    if (out.countersChanged)
        emit countersChanged();
    for (const std::string& m : out.messages)
        emit message(QString::fromStdString(m));
    if (out.beep)
        emit beep();
    if (engine_->Finished()) {
        End(engine_->Succeeded());
        return;
    }
    if (const auto deadline = engine_->Deadline())
        timer_.start(static_cast<int>(std::clamp<std::int64_t>(*deadline - Now(), 0, 24 * 3600 * 1000)));
}

void XferDriver::KeepTransferCopy(std::span<const std::uint8_t> bytes, const char* direction) {
    // A copy that cannot be kept never stops a transfer, but the user must know there is none.
    const KeptCopy copy = KeepNewCopy(bytes, direction, job_.path);
    if (!copy.ok)
        emit message(QString::fromStdString(" No copy kept in " + BackupFolder() + ": " + copy.reason));
}

void XferDriver::End(bool ok) {
    timer_.stop();
    if (running_) {
        running_ = false;
        port_.SetTransferLost(nullptr);
        port_.EndTransfer();
    }
    ended_ = true;
    if (ok && file_)
        KeepTransferCopy(file_->Received(), "download");
    if (ok && file_ && !file_->KeptCopy().empty())
        emit message(QString::fromStdString(" The folder takes no new files: " + job_.path +
                                            " was rewritten in place; its old contents are kept in " +
                                            file_->KeptCopy()));
    // Whatever did not become the user's file goes now.
    file_.reset();
    QMetaObject::invokeMethod(
        this, [this, ok] { emit finished(ok); }, Qt::QueuedConnection);
}

} // namespace rc::link
