#include "editors/qt/frm_user.h"

#include "editors/qt/value_label.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

frmUser::frmUser(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmUser");
    setWindowTitle("Halden R8 Hardware Inputs");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance("00000") + 16};
    int row = 0;
    for (int input = 0; input < kHardwareInputCount; ++input) {
        auto* name = MakeHeading(this, QString::fromStdString(InputName(input)));
        name->setObjectName(QString("lblA_%1").arg(input));
        grid->addWidget(name, row++, 0, 1, 3);
        for (int j = 2 * input; j < 2 * input + 2; ++j) {
            auto* edge = new QLabel(QString::fromStdString(EdgeText(j)), this);
            edge->setObjectName(QString("Label2_%1").arg(j));
            grid->addWidget(edge, row, 0);
            Label1_[j] = values.Add(row, 1, QString("Label1_%1").arg(j), [this, j] { Label1_Click(j); });
            Label3_[j] = MakeLabel(this, QString("Label3_%1").arg(j));
            Label3_[j]->setMinimumWidth(fontMetrics().horizontalAdvance(QString(36, 'M')));
            grid->addWidget(Label3_[j], row++, 2);
        }
    }
    cmdOK_ = MakeOkButton(this, [this] { hide(); });
    grid->addWidget(cmdOK_, row, 0, 1, 3, Qt::AlignCenter);
    DisHardware();
}

void frmUser::DisHardware() {
    const auto rows = rc::DisHardware(state_.image);
    for (int j = 0; j < kHardwareEntries; ++j) {
        Label1_[j]->setText(QString::fromStdString(rows[j].command));
        Label3_[j]->setText(QString::fromStdString(rows[j].description));
    }
}

void frmUser::Label1_Click(int entry) {
    const std::string opened = Label1_[entry]->text().toStdString();
    const std::string entered = ShowKeyPad(keypad_, HardwareKeyPad(), opened);
    SaveHardware(state_.image, entry, opened, entered);
    // The description follows the new command at once, so the row never reads one thing and does another.
    DisHardware();
}

void frmUser::Activate() {
    DisHardware();
    cmdOK_->setFocus();
}

} // namespace rc
