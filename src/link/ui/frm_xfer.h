#pragma once

#include "link/ui/xfer_driver.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace rc::link {

// The transfer window: shown modally, it runs the transfer as soon as it is on the screen and
// closes itself when the transfer ends. Cancel, Escape and the window's close button all cancel.
class frmXfer : public QDialog {
    Q_OBJECT
public:
    using MessageSink = std::function<void(const QString&)>;

    frmXfer(ISerialPort& port, XferJob job, MessageSink showMessage, std::function<void()> beep,
            QWidget* parent = nullptr);

    bool Succeeded() const { return driver_.Succeeded(); }
    XferDriver& driver() { return driver_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowCounters();

    XferDriver driver_;
    bool started_ = false;
    QLabel* lblPacket_;
    QLabel* lblNumPackets_;
    QLabel* lblErrPackets_;
    QLabel* lblFileSize_;
    QLabel* lblNumBytes_;
    QLabel* lblFilename_;
    QProgressBar* pnlFill_;
    QPushButton* cmdCancel_;
};

} // namespace rc::link
