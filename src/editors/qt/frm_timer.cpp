#include "editors/qt/frm_timer.h"

#include "editors/qt/value_label.h"
#include "editors/timers.h"
#include "image/regions.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rc {

frmTimer1::frmTimer1(EditorState& state, int copy, IKeyPad& keypad, IHelp* help, int helpContext,
                     QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), copy_(copy), keypad_(keypad) {
    setObjectName("frmTimer1");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance("00:00") + 24};
    for (int i = 0; i < kTimerCount; ++i) {
        auto* rowLabel = new QLabel(QString::fromStdString(TimerRowLabel(i)), this);
        rowLabel->setObjectName(QString("lblName_%1").arg(i));
        grid->addWidget(rowLabel, i, 0);
        lblTime_[i] = values.Add(i, 1, QString("lblTime_%1").arg(i), [this, i] { EditTimer(i); });
        if (!IsTenthsTimer(i)) {
            auto* unit = new QLabel("Min:Sec", this);
            unit->setObjectName(QString("lblUnit_%1").arg(i));
            grid->addWidget(unit, i, 2);
        }
    }
    cmdDone_ = MakeOkButton(this, {}, "Done");
    grid->addWidget(cmdDone_, kTimerCount, 0, 1, 3, Qt::AlignCenter);
    DisplayTimers();
}

void frmTimer1::DisplayTimers() {
    setWindowTitle(QString::fromStdString(TimersCaption(copy_)));
    const auto texts = rc::DisplayTimers(state_.image, copy_);
    for (int i = 0; i < kTimerCount; ++i)
        lblTime_[i]->setText(QString::fromStdString(texts[i]));
}

void frmTimer1::EditTimer(int i) {
    const std::string current = TimerEntryFromCaption(i, lblTime_[i]->text().toStdString());
    const std::string entry = ShowKeyPad(keypad_, TimerKeyPad(i), current);
    if (!KeyPadEdited(current, entry))
        return;
    SaveTimer(state_.image, copy_, i, entry);
    DisplayTimers();
}

void frmTimer1::Activate() {
    DisplayTimers();
    cmdDone_->setFocus();
}

} // namespace rc
