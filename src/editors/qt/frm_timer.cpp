#include "editors/qt/frm_timer.h"

#include "editors/qt/value_label.h"
#include "editors/timers.h"
#include "image/regions.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

frmTimer1::frmTimer1(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmTimer1");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < kTimerCount; ++i) {
        auto* rowLabel = new QLabel(QString::fromStdString(TimerRowLabel(i)), this);
        rowLabel->setObjectName(QString("lblName_%1").arg(i));
        grid->addWidget(rowLabel, i, 0);
        lblTime_[i] = new ValueLabel(QString("lblTime_%1").arg(i), this);
        lblTime_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("00:00") + 24);
        grid->addWidget(lblTime_[i], i, 1);
        connect(lblTime_[i], &ValueLabel::clicked, this, [this, i] { EditTimer(i); });
        if (!IsTenthsTimer(i)) {
            auto* unit = new QLabel("Min:Sec", this);
            unit->setObjectName(QString("lblUnit_%1").arg(i));
            grid->addWidget(unit, i, 2);
        }
    }
    cmdDone_ = new QPushButton("Done", this);
    cmdDone_->setObjectName("cmdDone");
    cmdDone_->setDefault(true);
    grid->addWidget(cmdDone_, kTimerCount, 0, 1, 3, Qt::AlignCenter);
    connect(cmdDone_, &QPushButton::clicked, this, &QDialog::accept);
    DisplayTimers();
}

void frmTimer1::DisplayTimers() {
    const int copy = state_.copies.TimersCopy;
    setWindowTitle(QString::fromStdString(TimersCaption(copy)));
    const auto texts = rc::DisplayTimers(state_.image, copy);
    for (int i = 0; i < kTimerCount; ++i)
        lblTime_[i]->setText(QString::fromStdString(texts[i]));
}

void frmTimer1::EditTimer(int i) {
    const int copy = state_.copies.TimersCopy;
    const std::string current = TimerEntryFromCaption(i, lblTime_[i]->text().toStdString());
    const std::string entry = ShowKeyPad(keypad_, TimerKeyPad(i), current);
    if (!KeyPadEdited(current, entry))
        return;
    SaveTimer(state_.image, copy, i, entry);
    DisplayTimers();
}

void frmTimer1::Activate() {
    DisplayTimers();
    cmdDone_->setFocus();
}

} // namespace rc
