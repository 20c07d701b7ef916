#include "editors/qt/frm_codes.h"

#include "editors/codes.h"
#include "editors/qt/value_label.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

frmCodes_1::frmCodes_1(EditorState& state, int copy, IKeyPad& keypad, IHelp* help, int helpContext,
                       QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), copy_(copy), keypad_(keypad) {
    setObjectName("frmCodes_1");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance("0000000") + 24};
    for (int i = 0; i < kCodeCount; ++i) {
        auto* rowLabel = new QLabel(QString::fromStdString(CodeRowLabel(i)), this);
        rowLabel->setObjectName(QString("lblName_%1").arg(i));
        grid->addWidget(rowLabel, i, 0);
        lblCode_[i] = values.Add(i, 1, QString("lblCode_%1").arg(i), [this, i] { EditCode(i); });
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kCodeCount, 0, 1, 2, Qt::AlignCenter);
    DisplayCodes();
}

void frmCodes_1::DisplayCodes() {
    setWindowTitle(QString::fromStdString(CodesCaption(copy_)));
    const auto codes = rc::DisplayCodes(state_.image, copy_);
    for (int i = 0; i < kCodeCount; ++i)
        lblCode_[i]->setText(QString::fromStdString(codes[i]));
}

void frmCodes_1::EditCode(int i) {
    const std::string shown = lblCode_[i]->text().toStdString();
    const std::string entry = ShowKeyPad(keypad_, CodeKeyPad(i), shown);
    if (!KeyPadEdited(shown, entry))
        return;
    SaveCode(state_.image, copy_, i, entry);
    DisplayCodes();
}

void frmCodes_1::Activate() {
    DisplayCodes();
    cmdOK_->setFocus();
}

} // namespace rc
