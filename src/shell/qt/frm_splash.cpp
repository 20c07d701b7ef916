#include "shell/qt/frm_splash.h"

#include "codecs/qt/centre_on_screen.h"
#include "shell/help_topics.h"
#include "shell/shell_texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

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
    : QDialog(parent), mode_(mode), showTips_(showTips), desktop_(desktop), messages_(messages), help_(help) {
    setObjectName("frmSplash");
    setWindowTitle(mode == SplashMode::About ? "About" : kMainCaption);
    if (mode == SplashMode::StartUp) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        setCursor(Qt::WaitCursor);
    }

    auto* picture = new QLabel(this);
    picture->setObjectName("imgLogo");
    picture->setPixmap(RepeaterPicture(96));

    auto* lblTitle = new QLabel(kMainCaption, this);
    lblTitle->setObjectName("lblProductName");
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);

    auto* lblVersion = new QLabel(kVersionText, this);
    lblVersion->setObjectName("lblVersion");
    auto* lblPlatform = new QLabel("Settings editor for the Halden R8 repeater controller", this);
    lblPlatform->setObjectName("lblPlatform");
    auto* lblCompany = new QLabel("Halden Controls  -  www.halden-controls.example", this);
    lblCompany->setObjectName("lblCompany");

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblPlatform);
    text->addSpacing(8);
    text->addWidget(lblVersion);
    text->addWidget(lblCompany);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addLayout(top);

    chkShowTips_ = new QCheckBox(kShowTipCaption, this);
    chkShowTips_->setObjectName("chkShowTips");
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    auto* cmdSysInfo = new QPushButton(kSystemInfoCaption, this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkShowTips_);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    bool about = mode == SplashMode::About;
    chkShowTips_->setVisible(about);
    cmdOK->setVisible(about);
    cmdSysInfo->setVisible(about);
    if (about) {
        chkShowTips_->setChecked(showTips_ && *showTips_ != 0);
        cmdOK->setDefault(true);
        connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);
        connect(cmdSysInfo, &QPushButton::clicked, this, &frmSplash::cmdSysInfo_Click);
    }
}

void frmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && help_ && mode_ == SplashMode::About) {
        help_->ShowContext(kAboutContext);
        return;
    }
    // The start-up window cannot be dismissed early; it closes itself.
    if (mode_ == SplashMode::StartUp)
        return;
    QDialog::keyPressEvent(event);
}

void frmSplash::cmdOK_Click() {
    if (showTips_)
        *showTips_ = chkShowTips_->isChecked() ? 1 : 0;
    accept();
}

void frmSplash::cmdSysInfo_Click() {
    if (desktop_ && desktop_->StartSystemInfo())
        return;
    if (messages_)
        messages_->Show(
            {kSystemInfoUnavailable, "Halden R8 Editor", MessageIcon::None, MessageButtons::Ok, Answer::Ok});
}

} // namespace rc::shell
