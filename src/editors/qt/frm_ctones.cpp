#include "editors/qt/frm_ctones.h"

#include "editors/qt/value_label.h"
#include "sound/tones.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace rc {

namespace {

// The label arrays in byte order.
constexpr std::array<const char*, kToneFieldCount> kFieldNames = {"lblT1",  "lblTD1", "lblD1", "lblT2",
                                                                  "lblTD2", "lblD2",  "lblT3", "lblTD3"};

constexpr int kFirstRow = 2; // below the two heading rows

} // namespace

frmCTones::frmCTones(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent,
                     sound::SoundOut sound)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmCTones");
    setWindowTitle("Halden R8 Courtesy Tones");
    if (sound.messages != nullptr)
        play_ =
            std::make_unique<sound::PlayControl>(sound.player, *sound.messages, windowTitle().toStdString());
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    auto heading = [&](const char* text, int row, int column, int span = 1) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, row, column, 1, span);
    };
    heading("Tone 1", 0, 1, 2);
    heading("Dly 1", 0, 3);
    heading("Tone 2", 0, 4, 2);
    heading("Dly 2", 0, 6);
    heading("Tone 3", 0, 7, 2);
    for (int f = 0; f < kToneFieldCount; ++f)
        heading(IsFrequencyField(f) ? "Hertz" : "Msec", 1, f + 1);

    const ValueCells values{this, grid, fontMetrics().horizontalAdvance("0000") + 20};
    for (int i = 0; i < kToneRowCount; ++i) {
        auto* number = new QLabel(QString::number(i + 1), this);
        number->setObjectName(QString("lblA_%1").arg(i));
        grid->addWidget(number, kFirstRow + i, 0);
        for (int f = 0; f < kToneFieldCount; ++f) {
            labels_[i][f] = values.Add(kFirstRow + i, f + 1, QString("%1_%2").arg(kFieldNames[f]).arg(i),
                                       [this, i, f] { EditField(i, f); });
        }
        auto* erase = new QPushButton("E", this);
        erase->setObjectName(QString("cmdErase_%1").arg(i));
        erase->setToolTip(QString("Erase courtesy tone %1").arg(i + 1));
        erase->setAutoDefault(false);
        erase->setMaximumWidth(fontMetrics().horizontalAdvance("E") + 28);
        grid->addWidget(erase, kFirstRow + i, kToneFieldCount + 1);
        connect(erase, &QPushButton::clicked, this, [this, i] { Erase(i); });
        if (play_) {
            auto* play = new QPushButton(style()->standardIcon(QStyle::SP_MediaPlay), "", this);
            play->setObjectName(QString("cmdPlay_%1").arg(i));
            play->setToolTip(QString("Play courtesy tone %1 as stored; again to stop").arg(i + 1));
            // Enter on a focused play button plays, as Space does, rather than closing the dialog.
            play->setAutoDefault(true);
            grid->addWidget(play, kFirstRow + i, kToneFieldCount + 2);
            connect(play, &QPushButton::clicked, this, [this, i] {
                play_->Press(i, [this, i] {
                    return sound::Rendered{sound::CourtesyToneSound(state_.image, i), {}};
                });
            });
        }
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kFirstRow + kToneRowCount, 0, 1, kToneFieldCount + 3, Qt::AlignCenter);
    DisplayCTones();
}

frmCTones::~frmCTones() = default;

void frmCTones::hideEvent(QHideEvent* event) {
    if (play_)
        play_->Stop();
    EditorDialog::hideEvent(event);
}

void frmCTones::DisplayCTones() {
    const auto rows = rc::DisplayCTones(state_.image);
    for (int i = 0; i < kToneRowCount; ++i)
        for (int f = 0; f < kToneFieldCount; ++f)
            labels_[i][f]->setText(QString::fromStdString(rows[i][f]));
}

void frmCTones::EditField(int row, int field) {
    ValueLabel* label = labels_[row][field];
    const std::string shown = label->text().toStdString();
    const bool frequency = IsFrequencyField(field);
    const std::string index = frequency ? FreqIn(shown) : DelayIn(shown);
    const std::string entry = ShowKeyPad(keypad_, ToneFieldKeyPad(field), index);
    // Cancel, or the same index again: the byte keeps its value, even one the table has no text for.
    if (entry == index)
        return;
    const std::string text = frequency ? FreqOut(entry) : DelayOut(entry);
    label->setText(QString::fromStdString(text));
    SaveToneField(state_.image, row, field, text);
}

void frmCTones::Erase(int row) {
    EraseTone(state_.image, row);
    DisplayCTones();
}

void frmCTones::Activate() {
    DisplayCTones();
    cmdOK_->setFocus();
}

} // namespace rc
