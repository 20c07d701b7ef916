#include "desktop/qt/title_window.h"

#include "desktop/qt/centre_on_screen.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rc {

TitleWindow::TitleWindow(Mode mode, const TitleTexts& texts, QWidget* parent)
    : QDialog(parent), mode_(mode), caption_(texts.caption), product_(texts.product) {
    setObjectName("frmSplash");

    auto* picture = new QLabel;
    picture->setObjectName("imgLogo");
    picture->setPixmap(texts.picture);

    auto* lblTitle = new QLabel(texts.product);
    lblTitle->setObjectName("lblProductName");
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    auto* lblVersion = new QLabel(texts.version);
    lblVersion->setObjectName("lblVersion");

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    auto* lblBuild = new QLabel(texts.build);
    lblBuild->setObjectName("lblBuild");
    text->addWidget(lblBuild);
    text->addSpacing(8);
    for (int i = 0; i < texts.lines.size(); ++i) {
        auto* line = new QLabel(texts.lines[i]);
        line->setObjectName(QString("lblLine_%1").arg(i));
        text->addWidget(line);
    }
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    cmdOK_ = new QPushButton("OK");
    cmdOK_->setObjectName("cmdOK");
    cmdSysInfo_ = new QPushButton("System Info");
    cmdSysInfo_->setObjectName("cmdSysInfo");
    connect(cmdOK_, &QPushButton::clicked, this, [this] { OkClicked(); });
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { SystemInfoClicked(); });
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    buttons_->addWidget(cmdOK_);
    buttons_->addWidget(cmdSysInfo_);
    aboutOnly_ = {cmdOK_, cmdSysInfo_};

    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(18, 18, 18, 18);
    inner->addLayout(top);
    inner->addSpacing(12);
    inner->addLayout(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    SetMode(mode);
}

void TitleWindow::AddToButtonRow(QWidget* widget) {
    buttons_->insertWidget(0, widget);
    aboutOnly_.append(widget);
    widget->setVisible(mode_ == Mode::About);
}

void TitleWindow::SetHelp(IHelp* help, int context) {
    help_ = help;
    helpContext_ = context;
}

void TitleWindow::SetMode(Mode mode) {
    mode_ = mode;
    const bool about = mode == Mode::About;
    for (QWidget* w : aboutOnly_)
        w->setVisible(about);
    cmdOK_->setDefault(about);
    setModal(false);
    setWindowTitle(about ? caption_ : product_);
    setWindowFlags(about ? Qt::WindowFlags(Qt::Dialog) : Qt::SplashScreen | Qt::FramelessWindowHint);
    if (about)
        unsetCursor();
    else
        setCursor(Qt::WaitCursor);
}

void TitleWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    // The start-up window cannot be dismissed early; it closes itself.
    if (mode_ == Mode::StartUp)
        return;
    if (event->key() == Qt::Key_F1 && help_) {
        help_->ShowContext(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rc
