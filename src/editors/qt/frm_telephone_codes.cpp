#include "editors/qt/frm_telephone_codes.h"

#include "editors/qt/value_label.h"
#include "image/regions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

frmAreaCodes::frmAreaCodes(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmAreaCodes");
    setWindowTitle("Halden R8 Area Codes Lookup Table");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance("0000") + 20};
    for (int i = 0; i < kAreaCodes.count; ++i) {
        const int row = i % 10, column = i / 10 * 2;
        auto* number = new QLabel(QString::number(i + 1), this);
        number->setObjectName(QString("lblA_%1").arg(i));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, row, column);
        lblAC_[i] = values.Add(row, column + 1, QString("lblAC_%1").arg(i), [this, i] { Edit(i); });
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, 10, 0, 1, 4, Qt::AlignCenter);
    DisplayAreaCodes();
}

void frmAreaCodes::DisplayAreaCodes() {
    const auto codes = rc::DisplayAreaCodes(state_.image);
    for (int i = 0; i < kAreaCodes.count; ++i)
        lblAC_[i]->setText(Text(codes[i]));
}

void frmAreaCodes::Edit(int i) {
    const std::string shown = lblAC_[i]->text().toStdString();
    const std::string entry = ShowKeyPad(keypad_, AreaCodeKeyPad(i), shown);
    if (entry == shown)
        return;
    lblAC_[i]->setText(Text(entry));
    SaveAreaCodes(state_.image, i, entry);
}

void frmAreaCodes::Activate() {
    DisplayAreaCodes();
    cmdOK_->setFocus();
}

frmLockout::frmLockout(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmLockout");
    setWindowTitle("HaldenR8 Telephone Lockout Numbers");
    auto* layout = new QVBoxLayout(this);
    auto* groupFrame = new QGroupBox("Group", this);
    auto* groupLayout = new QHBoxLayout(groupFrame);
    const char* captions[2] = {"01-10", "11-20"};
    for (int g = 0; g < 2; ++g) {
        optSel_[g] = new QRadioButton(captions[g], groupFrame);
        optSel_[g]->setObjectName(QString("optSel_%1").arg(g));
        groupLayout->addWidget(optSel_[g]);
        connect(optSel_[g], &QRadioButton::clicked, this, [this, g] { SelectGroup(g); });
    }
    optSel_[0]->setChecked(true);
    layout->addWidget(groupFrame);

    auto* grid = new QGridLayout;
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance(QString(12, '0')) + 20};
    for (int i = 0; i < kLockoutRows; ++i) {
        lblNum_[i] = new QLabel(this);
        lblNum_[i]->setObjectName(QString("lblNum_%1").arg(i));
        grid->addWidget(lblNum_[i], i, 0);
        Label1_[i] = values.Add(i, 1, QString("Label1_%1").arg(i), [this, i] { Edit(i); });
    }
    layout->addLayout(grid);
    cmdOK_ = MakeOkButton(this);
    layout->addWidget(cmdOK_, 0, Qt::AlignCenter);
    DisplayLockout();
}

void frmLockout::DisplayLockout() {
    const auto rows = rc::DisplayLockout(state_.image, group_);
    for (int i = 0; i < kLockoutRows; ++i) {
        lblNum_[i]->setText(Text(rows[i].lblNum));
        Label1_[i]->setText(Text(rows[i].text));
    }
}

void frmLockout::Edit(int row) {
    const std::string shown = Label1_[row]->text().toStdString();
    const std::string entry = ShowKeyPad(keypad_, LockoutKeyPad(group_, row), shown);
    if (entry == shown)
        return;
    Label1_[row]->setText(Text(entry));
    SaveLockout(state_.image, group_, row, entry);
}

void frmLockout::SelectGroup(int g) {
    if (g == group_)
        return;
    group_ = g;
    DisplayLockout();
}

void frmLockout::Activate() {
    DisplayLockout();
    cmdOK_->setFocus();
}

frmUnlock::frmUnlock(EditorState& state, IKeyPad& keypad, IMessages& messages, IHelp* help, int helpContext,
                     QWidget* parent)
    : ShowingDialog(help, helpContext, parent), state_(state), keypad_(keypad), messages_(messages) {
    setObjectName("frmUnlock");
    setWindowTitle("Halden R8 Repeater Unlock Code");
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel("Repeater 7 Digit Unlock Number", this);
    caption->setObjectName("Label1");
    layout->addWidget(caption, 0, Qt::AlignCenter);
    lblNum_ = new ValueLabel("lblNum", this);
    lblNum_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(8, '0')) + 24);
    layout->addWidget(lblNum_, 0, Qt::AlignCenter);
    connect(lblNum_, &ValueLabel::clicked, this, &frmUnlock::Edit);
    cmdOK_ = MakeOkButton(this);
    layout->addWidget(cmdOK_, 0, Qt::AlignCenter);
    DisplayUnlock();
}

void frmUnlock::DisplayUnlock() {
    lblNum_->setText(Text(rc::DisplayUnlock(state_.image)));
}

void frmUnlock::Edit() {
    const std::string shown = lblNum_->text().toStdString();
    const std::string entry = ShowKeyPad(keypad_, UnlockKeyPad(), shown);
    lblNum_->setText(Text(entry));
    if (entry != shown)
        SaveUnlock(state_.image, entry);
}

// OK and the window's close box both end here.
void frmUnlock::done(int result) {
    if (lblNum_->text().isEmpty()) {
        const Answer answer = messages_.Show(NoUnlockEntryMessage());
        if (answer != Answer::Cancel)
            return;
    }
    ShowingDialog::done(result);
}

void frmUnlock::ShowFresh() {
    DisplayUnlock();
    cmdOK_->setFocus();
}

} // namespace rc
