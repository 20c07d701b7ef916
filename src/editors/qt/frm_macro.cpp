#include "editors/qt/frm_macro.h"

#include "editors/qt/value_label.h"
#include "image/regions.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace rc {

MacHelp::MacHelp(const ImageBytes& image, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), image_(image) {
    setObjectName("MacHelp");
    auto* grid = new QGridLayout(this);
    lblMacLbl_ = new QLabel(this);
    lblMacLbl_->setObjectName("lblMacLbl");
    grid->addWidget(lblMacLbl_, 0, 0, 1, 2);
    macCode_ = new QLabel(this);
    macCode_->setObjectName("macCode");
    macCode_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(macCode_, 1, 0, 1, 2);
    for (int i = 0; i < kMacroCommands; ++i) {
        auto* number = new QLabel(QString::number(i + 1), this);
        number->setObjectName(QString("Label1_%1").arg(i));
        grid->addWidget(number, i + 2, 0, Qt::AlignRight);
        Label2_[i] = new QLabel(this);
        Label2_[i]->setObjectName(QString("Label2_%1").arg(i));
        Label2_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QString(40, 'M')));
        grid->addWidget(Label2_[i], i + 2, 1);
    }
    cmdOK_ = MakeOkButton(this, [this] { hide(); });
    grid->addWidget(cmdOK_, kMacroCommands + 2, 0, 1, 2, Qt::AlignCenter);
}

void MacHelp::MacSummary(int row, int group) {
    MacroRow_ = row;
    MacroGroup_ = group;
    exec();
}

void MacHelp::Activate() {
    const MacroReview review = ReviewMacro(image_, MacroGroup_, MacroRow_);
    setWindowTitle(QString::fromStdString(review.title));
    lblMacLbl_->setText(QString::fromStdString(review.heading));
    macCode_->setText(QString::fromStdString(review.code));
    for (int i = 0; i < kMacroCommands; ++i)
        Label2_[i]->setText(QString::fromStdString(review.commands[i]));
    cmdOK_->setFocus();
}

frmMacro::frmMacro(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmMacro");
    setWindowTitle("Halden R8 Macro Commands");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);

    auto* frame = new QGroupBox("Group", this);
    auto* frameLayout = new QHBoxLayout(frame);
    const char* groups[] = {"1 - 10", "11 - 20"};
    for (int g = 0; g < 2; ++g) {
        optGroup_[g] = new QRadioButton(groups[g], frame);
        optGroup_[g]->setObjectName(QString("optGroup_%1").arg(g));
        frameLayout->addWidget(optGroup_[g]);
        connect(optGroup_[g], &QRadioButton::clicked, this, [this, g] { optGroup_Click(g); });
    }
    optGroup_[0]->setChecked(true);
    grid->addWidget(frame, 0, 0, 1, 3);

    auto* hint = new QLabel(
        "Double click on the macro number along the left side for a review of your commands", this);
    hint->setObjectName("lblTxt1_0");
    hint->setWordWrap(true);
    grid->addWidget(hint, 0, 3, 1, kMacroCommands);
    auto* codeHeading = new QLabel("Code", this);
    codeHeading->setObjectName("lblCodeHeading");
    grid->addWidget(codeHeading, 1, 1, Qt::AlignCenter);
    for (int k = 1; k <= kMacroCommands; ++k) {
        auto* heading = new QLabel(QString::number(k), this);
        heading->setObjectName(QString("lblTxt1_%1").arg(k));
        grid->addWidget(heading, 1, k + 1, Qt::AlignCenter);
    }

    const int cellWidth = fontMetrics().horizontalAdvance("00000") + 12;
    const ValueCells numbers{this, grid, fontMetrics().horizontalAdvance("000") + 12};
    const ValueCells codes{this, grid, cellWidth * 3 / 2};
    const ValueCells commands{this, grid, cellWidth};
    for (int i = 0; i < kMacroGroupSize; ++i) {
        Label1_[i] =
            numbers.Add(i + 2, 0, QString("Label1_%1").arg(i), [this, i] { review_->MacSummary(i, group_); });
        Label1_[i]->installEventFilter(this);
        for (int cell = 0; cell <= kMacroCommands; ++cell)
            cells_[i][cell] = (cell == kMacroCodeCell ? codes : commands)
                                  .Add(i + 2, cell + 1, QString("Label%1_%2").arg(cell + 2).arg(i),
                                       [this, i, cell] { EditCell(i, cell); });
    }
    // Every cell was written when it was edited, so OK only closes.
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kMacroGroupSize + 2, 0, 1, kMacroCommands + 2, Qt::AlignCenter);

    review_ = new MacHelp(state_.image, help, helpContext, this);
    DisplayMacros();
}

void frmMacro::DisplayMacros() {
    const auto rows = rc::DisplayMacros(state_.image, group_);
    for (int i = 0; i < kMacroGroupSize; ++i) {
        Label1_[i]->setText(QString::fromStdString(rows[i].number));
        cells_[i][kMacroCodeCell]->setText(QString::fromStdString(rows[i].code));
        for (int k = 1; k <= kMacroCommands; ++k)
            cells_[i][k]->setText(QString::fromStdString(rows[i].commands[k - 1]));
    }
}

void frmMacro::optGroup_Click(int index) {
    if (index == group_)
        return;
    group_ = index;
    DisplayMacros();
}

void frmMacro::EditCell(int row, int cell) {
    const std::string opened = cells_[row][cell]->text().toStdString();
    const std::string entered = ShowKeyPad(keypad_, MacroCellKeyPad(group_, row, cell), opened);
    EditMacroCell(state_.image, group_, row, cell, opened, entered);
    DisplayMacros();
}

bool frmMacro::eventFilter(QObject* watched, QEvent* event) {
    // The page's hint asks for a double click on the number; it opens the review as a click does.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < kMacroGroupSize; ++i) {
            if (watched == Label1_[i]) {
                review_->MacSummary(i, group_);
                return true;
            }
        }
    }
    return EditorDialog::eventFilter(watched, event);
}

void frmMacro::Activate() {
    // The menu command shows the hourglass while the grid is built.
    if (parentWidget() != nullptr)
        parentWidget()->unsetCursor();
    DisplayMacros();
    cmdOK_->setFocus();
}

} // namespace rc
