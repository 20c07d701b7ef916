#include "editors/qt/frm_exp.h"

#include "editors/qt/switch_lamp.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc {

frmExp::frmExp(EditorState& state, IHelp* help, int helpContext, QWidget* parent)
    : ShowingDialog(help, helpContext, parent), state_(state) {
    setObjectName("frmExp");
    setWindowTitle("Expanded Switches");
    auto* layout = new QVBoxLayout(this);

    auto* groupFrame = new QGroupBox("Switch Group", this);
    auto* groupLayout = new QHBoxLayout(groupFrame);
    const char* groupCaptions[2] = {"1-8", "9-16"};
    for (int g = 0; g < 2; ++g) {
        opt1_[g] = new QRadioButton(groupCaptions[g], groupFrame);
        opt1_[g]->setObjectName(QString("opt1_%1").arg(g));
        groupLayout->addWidget(opt1_[g]);
        connect(opt1_[g], &QRadioButton::clicked, this, [this, g] { SelectGroup(g); });
    }
    opt1_[0]->setChecked(true);
    layout->addWidget(groupFrame);

    auto* lamps = new QFrame(this);
    lamps->setFrameShape(QFrame::Box);
    auto* grid = new QGridLayout(lamps);
    auto* bits = new QLabel("BITS", lamps);
    bits->setAlignment(Qt::AlignCenter);
    grid->addWidget(bits, 0, 1, 1, 8);
    for (int i = 0; i < 8; ++i) {
        auto* heading = new QLabel(QString::number(i + 1), lamps);
        heading->setObjectName(QString("lblB_%1").arg(i));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 1, i + 1);
    }
    for (int r = 0; r < kExpGroupSize; ++r) {
        lblA_[r] = new QLabel(lamps);
        lblA_[r]->setObjectName(QString("lblA_%1").arg(r));
        lblA_[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblA_[r], r + 2, 0);
        for (int i = 0; i < 8; ++i) {
            auto* lamp = new SwitchLamp(QString("Img%1_%2").arg(r + 1).arg(i), lamps);
            grid->addWidget(lamp, r + 2, i + 1, Qt::AlignCenter);
            connect(lamp, &SwitchLamp::clicked, this, [this, r, i] { Toggle(r, i); });
            Img_[r][i] = lamp;
        }
    }
    layout->addWidget(lamps);

    cmdOK_ = MakeOkButton(this);
    layout->addWidget(cmdOK_, 0, Qt::AlignCenter);
    DisplayExp(0);
}

void frmExp::DisplayExp(int Group) {
    const ExpGroup g = rc::DisplayExp(state_.image, Group);
    group_ = Group;
    for (int r = 0; r < kExpGroupSize; ++r) {
        lblA_[r]->setText(QString::number(g.firstNumber + r));
        DisExpLine(r, g.bytes[r]);
    }
}

void frmExp::DisExpLine(int row, std::uint8_t A) {
    const auto lamps = rc::DisExpLine(A);
    const int number = group_ * kExpGroupSize + row + 1;
    for (int i = 0; i < 8; ++i) {
        Img_[row][i]->SetOn(lamps[i]);
        Img_[row][i]->setAccessibleName(QString("Switch %1 bit %2").arg(number).arg(i + 1));
    }
}

void frmExp::Toggle(int row, int bit) {
    DisExpLine(row, ToggleExpBit(state_.image, group_, row, bit));
}

void frmExp::SelectGroup(int g) {
    if (g == group_)
        return;
    DisplayExp(g);
}

void frmExp::ShowFresh() {
    opt1_[0]->setChecked(true);
    DisplayExp(0);
    cmdOK_->setFocus();
}

} // namespace rc
