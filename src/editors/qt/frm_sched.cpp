#include "editors/qt/frm_sched.h"

#include "editors/qt/value_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace rc {

namespace {
template <std::size_t N>
QComboBox* List(const char* name, const std::array<std::string, N>& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& item : items)
        list->addItem(QString::fromStdString(item));
    return list;
}
} // namespace

frmSetSched::frmSetSched(const SchedEntry& entry, IKeyPad& keypad, IMessages& messages, IHelp* help,
                         int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(entry), keypad_(keypad), messages_(messages) {
    setObjectName("frmSetSched");
    auto* grid = new QGridLayout(this);
    chkErase_ = new QCheckBox("Erase(d) Location", this);
    chkErase_->setObjectName("chkErase");
    grid->addWidget(chkErase_, 0, 0, 1, 2);
    connect(chkErase_, &QCheckBox::toggled, this, [this](bool on) {
        state_.SetErase(on);
        DisplaySched();
    });

    Frame1_ = new QGroupBox("Scheduled Event", this);
    Frame1_->setObjectName("Frame1");
    auto* frame = new QGridLayout(Frame1_);
    const char* options[] = {"Daily", "Weekdays Only", "Weekends Only", "Select Weekday",
                             "Select Month / Day"};
    for (int k = 0; k < 5; ++k) {
        optWk_[k] = new QRadioButton(options[k], Frame1_);
        optWk_[k]->setObjectName(QString("optWk_%1").arg(k));
        frame->addWidget(optWk_[k], k, 0);
        connect(optWk_[k], &QRadioButton::clicked, this, [this, k] {
            state_.SelectOption(k);
            DisplaySched();
        });
    }
    // FillCombos
    const CalendarTables& tables = LoadCalendarTables();
    cmbWk_ = List("cmbWk", tables.DayNames, Frame1_);
    cmbMonth_ = List("cmbMonth", tables.MonthNames, Frame1_);
    cmbMoDay_ = List("cmbMoDay", tables.DayTexts, Frame1_);
    frame->addWidget(cmbWk_, 3, 1);
    frame->addWidget(cmbMonth_, 4, 1);
    frame->addWidget(cmbMoDay_, 4, 2);
    connect(cmbWk_, &QComboBox::activated, this, [this](int i) { state_.SelectWeekdayIndex(i); });
    connect(cmbMonth_, &QComboBox::activated, this, [this](int i) { state_.SelectMonthIndex(i); });
    connect(cmbMoDay_, &QComboBox::activated, this, [this](int i) { state_.SelectDayIndex(i); });
    grid->addWidget(Frame1_, 1, 0, 1, 2);

    const char* headings[] = {"Scheduled Time", "Command", "Command Review"};
    for (int i = 0; i < 3; ++i)
        lblA_[i] = MakeLabel(this, QString("lblA_%1").arg(i), headings[i]);
    lblTime_ = new ValueLabel("lblTime", this);
    lblTime_->setMinimumWidth(fontMetrics().horizontalAdvance("00000") + 16);
    connect(lblTime_, &ValueLabel::clicked, this, &frmSetSched::lblTime_Click);
    chkHour_ = new QCheckBox("Every Hour", this);
    chkHour_->setObjectName("chkHour");
    connect(chkHour_, &QCheckBox::toggled, this, [this](bool on) {
        state_.SetEveryHour(on);
        DisplaySched();
    });
    lblCmd_ = new ValueLabel("lblCmd", this);
    lblCmd_->setMinimumWidth(fontMetrics().horizontalAdvance("00000") + 16);
    connect(lblCmd_, &ValueLabel::clicked, this, &frmSetSched::lblCmd_Click);
    lblReview_ = MakeLabel(this, "lblReview");
    lblReview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblReview_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(36, 'M')));
    grid->addWidget(lblA_[0], 2, 0);
    grid->addWidget(lblTime_, 3, 0);
    grid->addWidget(chkHour_, 3, 1);
    grid->addWidget(lblA_[1], 4, 0);
    grid->addWidget(lblCmd_, 5, 0);
    grid->addWidget(lblA_[2], 6, 0, 1, 2);
    grid->addWidget(lblReview_, 7, 0, 1, 2);
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, 8, 0, 1, 2, Qt::AlignCenter);
    DisplaySched();
}

void frmSetSched::DisplaySched() {
    const QSignalBlocker eraseBlock(chkErase_), hourBlock(chkHour_);
    chkErase_->setChecked(state_.Erase());
    const bool details = state_.DetailsVisible();
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1_, lblA_[0], lblA_[1], lblA_[2], lblTime_,
                                                      chkHour_, lblCmd_, lblReview_})
        w->setVisible(details);
    // Option buttons are exclusive only while one of them is on; "none" needs the group released.
    for (QRadioButton* b : optWk_)
        b->setAutoExclusive(false);
    for (int k = 0; k < 5; ++k)
        optWk_[k]->setChecked(k == state_.SelectedOption());
    for (QRadioButton* b : optWk_)
        b->setAutoExclusive(true);
    cmbWk_->setVisible(state_.WeekdayListVisible());
    cmbMonth_->setVisible(state_.MonthListsVisible());
    cmbMoDay_->setVisible(state_.MonthListsVisible());
    cmbWk_->setCurrentIndex(state_.WeekdayIndex());
    cmbMonth_->setCurrentIndex(state_.MonthIndex());
    cmbMoDay_->setCurrentIndex(state_.DayIndex());
    chkHour_->setChecked(state_.EveryHour());
    lblTime_->setText(QString::fromStdString(state_.TimeText()));
    lblCmd_->setText(QString::fromStdString(state_.CommandCell()));
    lblReview_->setText(QString::fromStdString(state_.Review()));
}

void frmSetSched::lblTime_Click() {
    const std::string entered = ShowKeyPad(keypad_, state_.TimeKeyPad(), state_.TimeText());
    if (auto refusal = state_.EnterTime(entered))
        messages_.Show(*refusal);
    DisplaySched();
}

void frmSetSched::lblCmd_Click() {
    const std::string entered = ShowKeyPad(keypad_, SetSchedState::CommandKeyPad(), state_.CommandCell());
    state_.EnterCommand(entered);
    DisplaySched();
}

void frmSetSched::Activate() {
    // The entry lives in the dialog until OK, so a new activation only puts the focus back.
    cmdOK_->setFocus();
}

frmsched::frmsched(EditorState& state, IKeyPad& keypad, IMessages& messages, IHelp* help, int helpContext,
                   QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad), messages_(messages),
      entryHelp_(help), entryHelpContext_(helpContext) {
    setObjectName("frmsched");
    setWindowTitle("Halden R8 Scheduler");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    auto* frame = new QGroupBox("Scheduler Group", this);
    auto* frameLayout = new QHBoxLayout(frame);
    const char* pages[] = {"1-10", "11-20", "21-30", "31-40"};
    for (int p = 0; p < kSchedPages; ++p) {
        optGroup_[p] = new QRadioButton(pages[p], frame);
        optGroup_[p]->setObjectName(QString("optGroup_%1").arg(p));
        frameLayout->addWidget(optGroup_[p]);
        connect(optGroup_[p], &QRadioButton::clicked, this, [this, p] { optGroup_Click(p); });
    }
    optGroup_[0]->setChecked(true);
    grid->addWidget(frame, 0, 0, 1, 6);
    const char* headings[] = {"Time", "Day Of Week", "Month/Day Of Year", "Cmd"};
    const int headingColumns[] = {1, 2, 3, 5};
    for (int h = 0; h < 4; ++h)
        grid->addWidget(MakeLabel(this, QString("lblHead_%1").arg(h), headings[h]), 1, headingColumns[h],
                        Qt::AlignCenter);
    const ValueCells times{this, grid, fontMetrics().horizontalAdvance("----:00") + 16};
    for (int i = 0; i < kSchedPageSize; ++i) {
        const int row = i + 2;
        lblNum_[i] = MakeLabel(this, QString("lblNum_%1").arg(i));
        lblNum_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblNum_[i], row, 0);
        lblTime_[i] = times.Add(row, 1, QString("lblTime_%1").arg(i), [this, i] { lblTime_Click(i); });
        lblDOW_[i] = MakeLabel(this, QString("lblDOW_%1").arg(i));
        lblMOY_[i] = MakeLabel(this, QString("lblMOY_%1").arg(i));
        lblDOM_[i] = MakeLabel(this, QString("lblDOM_%1").arg(i));
        lblCmd_[i] = MakeLabel(this, QString("lblCmd_%1").arg(i));
        for (QLabel* l : {lblDOW_[i], lblMOY_[i], lblDOM_[i], lblCmd_[i]}) {
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAlignment(Qt::AlignCenter);
        }
        lblDOW_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("Wednesday") + 16);
        lblMOY_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("September") + 16);
        lblDOM_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("000") + 12);
        lblCmd_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("00000") + 12);
        grid->addWidget(lblDOW_[i], row, 2);
        grid->addWidget(lblMOY_[i], row, 3);
        grid->addWidget(lblDOM_[i], row, 4);
        grid->addWidget(lblCmd_[i], row, 5);
    }
    cmdOK_ = MakeOkButton(this, [this] { hide(); });
    grid->addWidget(cmdOK_, kSchedPageSize + 2, 0, 1, 6, Qt::AlignCenter);
    DisplaySched();
}

void frmsched::DisplaySched() {
    const auto rows = rc::DisplaySched(state_.image, page_);
    for (int i = 0; i < kSchedPageSize; ++i) {
        lblNum_[i]->setText(QString::fromStdString(rows[i].number));
        lblTime_[i]->setText(QString::fromStdString(rows[i].time));
        lblDOW_[i]->setText(QString::fromStdString(rows[i].dayOfWeek));
        lblMOY_[i]->setText(QString::fromStdString(rows[i].month));
        lblDOM_[i]->setText(QString::fromStdString(rows[i].dayOfMonth));
        lblCmd_[i]->setText(QString::fromStdString(rows[i].command));
    }
}

void frmsched::optGroup_Click(int index) {
    if (index == page_)
        return;
    page_ = index;
    DisplaySched();
}

void frmsched::lblTime_Click(int row) {
    const int SchedRecord = SchedRecordOffset(page_, row);
    frmSetSched entry(ReadSchedEntry(state_.image, SchedRecord), keypad_, messages_, entryHelp_,
                      entryHelpContext_, this);
    entry.setWindowTitle(QString::fromStdString(SchedEntryCaption(page_, row)));
    if (entry.exec() == QDialog::Accepted)
        SaveSchedEntry(state_.image, SchedRecord, entry.State());
    DisplaySched();
}

void frmsched::Activate() {
    DisplaySched();
    cmdOK_->setFocus();
}

} // namespace rc
