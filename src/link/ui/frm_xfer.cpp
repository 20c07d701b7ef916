#include "link/ui/frm_xfer.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace rc::link {

namespace {

QLabel* Named(const char* name, const QString& text = {}) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

QLabel* Value(const char* name) {
    QLabel* l = Named(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(90);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frmXfer::frmXfer(ISerialPort& port, XferJob job, MessageSink showMessage, std::function<void()> beep,
                 QWidget* parent)
    : QDialog(parent), driver_(port, std::move(job)) {
    setObjectName("frmXfer");
    const XferJob& j = driver_.Job();
    setWindowTitle(j.direction == TransferDirection::Download ? "Xmodem File Download"
                                                              : "Xmodem File Upload");

    lblPacket_ = Named("lblPacket");
    lblNumPackets_ = Value("lblNumPackets");
    lblErrPackets_ = Value("lblErrPackets");
    lblFileSize_ = Value("lblFileSize");
    lblNumBytes_ = Value("lblNumBytes");
    lblFilename_ = Named("lblFilename", QString::fromStdString(j.path));
    lblFilename_->setFrameShape(QFrame::StyledPanel);
    lblFilename_->setFrameShadow(QFrame::Sunken);
    lblFilename_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFileSize_->setText(QString::number(j.expectedSize));
    pnlFill_ = new QProgressBar;
    pnlFill_->setObjectName("pnlFill");
    pnlFill_->setRange(0, std::max(j.expectedSize, 1));
    pnlFill_->setValue(0);
    pnlFill_->setTextVisible(false);
    cmdCancel_ = new QPushButton("Cancel");
    cmdCancel_->setObjectName("cmdCancel");

    auto* grid = new QGridLayout;
    grid->addWidget(lblPacket_, 0, 0);
    grid->addWidget(Named("Label1", "Error Packets"), 0, 1);
    grid->addWidget(lblNumPackets_, 1, 0);
    grid->addWidget(lblErrPackets_, 1, 1);
    grid->addWidget(Named("Label2", "File Size (Bytes)"), 2, 0);
    grid->addWidget(Named("Label3", "Bytes Transfered"), 2, 1);
    grid->addWidget(lblFileSize_, 3, 0);
    grid->addWidget(lblNumBytes_, 3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Named("Label4", "Filename"));
    layout->addWidget(lblFilename_);
    layout->addWidget(pnlFill_);
    layout->addWidget(cmdCancel_, 0, Qt::AlignHCenter);

    connect(cmdCancel_, &QPushButton::clicked, &driver_, &XferDriver::Cancel);
    connect(&driver_, &XferDriver::countersChanged, this, &frmXfer::ShowCounters);
    if (showMessage)
        connect(&driver_, &XferDriver::message, this, std::move(showMessage));
    if (beep)
        connect(&driver_, &XferDriver::beep, this, std::move(beep));
    connect(&driver_, &XferDriver::finished, this, [this](bool ok) { done(ok ? Accepted : Rejected); });
}

void frmXfer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    // Once the window is painted; the transfer then runs from the event loop.
    QTimer::singleShot(0, &driver_, &XferDriver::Start);
}

void frmXfer::reject() {
    // The window closes when the transfer has ended, never while it still holds the line.
    if (driver_.Running())
        driver_.Cancel();
    else if (!started_)
        QDialog::reject();
}

void frmXfer::ShowCounters() {
    const XferCounters& c = driver_.Counters();
    lblPacket_->setText(QString::fromStdString(c.packetLabel));
    lblNumPackets_->setText(QString::fromStdString(c.numPackets));
    lblErrPackets_->setText(QString::fromStdString(c.errPackets));
    lblNumBytes_->setText(QString::fromStdString(c.numBytes));
    pnlFill_->setValue(std::clamp(c.progress, 0, pnlFill_->maximum()));
}

} // namespace rc::link
