#include "shell/qt/frm_tip.h"

#include "desktop/qt/centre_on_screen.h"
#include "shell/shell_texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rc::shell {

frmTip::frmTip(int& showTips, QWidget* parent) : QDialog(parent), showTips_(showTips) {
    setObjectName("frmTip");
    setWindowTitle("Tip of the Day");

    auto* lblHeading = new QLabel(kTipHeading, this);
    lblHeading->setObjectName("lblHeading");
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);

    auto* lblTipText = new QLabel(kTipText, this);
    lblTipText->setObjectName("lblTipText");
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setMinimumWidth(420);
    lblTipText->setFrameShape(QFrame::StyledPanel);
    lblTipText->setMargin(10);

    chkLoadTipsAtStartup_ = new QCheckBox("Show Tips at Startup", this);
    chkLoadTipsAtStartup_->setObjectName("chkLoadTipsAtStartup");
    chkLoadTipsAtStartup_->setChecked(true);
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup_);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lblTipText);
    layout->addLayout(buttons);
}

void frmTip::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
}

void frmTip::cmdOK_Click() {
    showTips_ = chkLoadTipsAtStartup_->isChecked() ? 1 : 0;
    accept();
}

} // namespace rc::shell
