#include "shell/qt/frm_splash.h"

#include "rc_version.h"
#include "shell/help_topics.h"
#include "shell/shell_texts.h"

#include <QCheckBox>
#include <QPainter>
#include <QPainterPath>

namespace rc::shell {

QPixmap RepeaterPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setBrush(QColor(28, 63, 110));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.12, s * 0.12);
    // The tower: a tall triangle with cross bracing.
    QPen steel(QColor(230, 236, 244), s * 0.035);
    p.setPen(steel);
    QPointF top(s * 0.5, s * 0.3), left(s * 0.32, s * 0.9), right(s * 0.68, s * 0.9);
    p.drawLine(top, left);
    p.drawLine(top, right);
    for (int i = 1; i <= 3; ++i) {
        qreal t = i / 4.0;
        QPointF a = top + (left - top) * t, b = top + (right - top) * t;
        QPointF c = top + (left - top) * (t + 0.25), d = top + (right - top) * (t + 0.25);
        p.drawLine(a, d);
        p.drawLine(b, c);
    }
    // Waves leaving the antenna.
    QPen wave(QColor(255, 196, 64), s * 0.04, Qt::SolidLine, Qt::RoundCap);
    p.setPen(wave);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        qreal r = s * 0.08 * i;
        QRectF box(top.x() - r, top.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 30 * 16, 60 * 16);
        p.drawArc(box, 90 * 16, 60 * 16);
    }
    p.setBrush(QColor(255, 196, 64));
    p.setPen(Qt::NoPen);
    p.drawEllipse(top, s * 0.03, s * 0.03);
    return pixmap;
}

frmSplash::frmSplash(SplashMode mode, int* showTips, IDesktop* desktop, IMessages* messages, IHelp* help,
                     QWidget* parent)
    : TitleWindow(mode,
                  {"About",
                   kMainCaption,
                   kVersionText,
                   QString("rcedit %1").arg(kProgramVersion),
                   {"Settings editor for the Halden R8 repeater controller",
                    "Halden Controls  -  www.halden-controls.example"},
                   RepeaterPicture(96)},
                  parent),
      showTips_(showTips), desktop_(desktop), messages_(messages) {
    chkShowTips_ = new QCheckBox(kShowTipCaption);
    chkShowTips_->setObjectName("chkShowTips");
    chkShowTips_->setChecked(showTips_ && *showTips_ != 0);
    AddToButtonRow(chkShowTips_);
    SetHelp(help, kAboutContext);
}

void frmSplash::OkClicked() {
    if (showTips_)
        *showTips_ = chkShowTips_->isChecked() ? 1 : 0;
    accept();
}

void frmSplash::SystemInfoClicked() {
    if (desktop_ && desktop_->StartSystemInfo())
        return;
    if (messages_)
        messages_->Show(
            {kSystemInfoUnavailable, "Halden R8 Editor", MessageIcon::None, MessageButtons::Ok, Answer::Ok});
}

} // namespace rc::shell
