#include "link/ui/frm_splash.h"

#include "rc_version.h"

#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QSysInfo>

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

frmSplash::frmSplash(Mode mode, QWidget* parent)
    : TitleWindow(mode,
                  {"About HaldenLink",
                   kTitle,
                   kVersion,
                   QString("rclink %1").arg(kProgramVersion),
                   {"Serial and modem terminal for repeater controllers:",
                    "dials the controller, and moves its settings with XMODEM."},
                   Artwork()},
                  parent) {}

QString frmSplash::SystemInfoText() {
    return QString("%1\nKernel %2 %3\nQt %4")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(), qVersion());
}

void frmSplash::SystemInfoClicked() {
    QMessageBox::information(this, "System Info", SystemInfoText());
}

} // namespace rc::link
