#include "link/ui/frm_splash.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace rc::link {

namespace {

// A telephone line over a mast: drawn, so the program carries no image files.
QPixmap Artwork() {
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x80), 4));
    p.drawLine(48, 90, 48, 20);
    p.drawLine(30, 90, 48, 40);
    p.drawLine(66, 90, 48, 40);
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 3));
    for (int r = 10; r <= 34; r += 12)
        p.drawArc(48 - r, 20 - r, 2 * r, 2 * r, 30 * 16, 120 * 16);
    return pm;
}

} // namespace

frmSplash::frmSplash(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    setObjectName("frmSplash");
    setWindowTitle("About HaldenLink");

    auto* art = new QLabel;
    art->setObjectName("imgLogo");
    art->setPixmap(Artwork());
    auto* title = new QLabel(kTitle);
    title->setObjectName("lblProductName");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(kVersion);
    version->setObjectName("lblVersion");
    auto* about = new QLabel("Serial and modem terminal for repeater controllers:\n"
                             "dials the controller, and moves its settings with XMODEM.");
    about->setObjectName("lblCompany");

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(about);
    texts->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(art, 0, Qt::AlignTop);
    body->addLayout(texts, 1);

    cmdOK_ = new QPushButton("OK");
    cmdOK_->setObjectName("cmdOK");
    cmdSysInfo_ = new QPushButton("System Info");
    cmdSysInfo_->setObjectName("cmdSysInfo");
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmSplash::ShowSystemInfo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);

    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(body);
    frameLayout->addLayout(buttons);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(frame);

    SetMode(mode);
}

void frmSplash::SetMode(Mode mode) {
    mode_ = mode;
    bool about = mode == Mode::About;
    cmdOK_->setVisible(about);
    cmdSysInfo_->setVisible(about);
    setModal(false);
    setWindowFlag(Qt::FramelessWindowHint, !about);
    if (!about)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

QString frmSplash::SystemInfoText() {
    return QString("%1\nKernel %2 %3\nQt %4")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(), qVersion());
}

void frmSplash::ShowSystemInfo() {
    QMessageBox::information(this, "System Info", SystemInfoText());
}

} // namespace rc::link
