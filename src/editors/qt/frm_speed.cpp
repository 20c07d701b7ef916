#include "editors/qt/frm_speed.h"

#include "editors/qt/value_label.h"
#include "image/regions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace rc {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The telephone numbers and identifications, left-aligned in columns this many characters wide.
ValueCells Values(QWidget* dialog, QGridLayout* grid, int columns) {
    return {dialog, grid, dialog->fontMetrics().horizontalAdvance(QString(columns, 'n')),
            Qt::AlignLeft | Qt::AlignVCenter};
}

// A number entry on the keypad: nothing is written when the keypad hands back what it was given.
void EnterTelNum(IKeyPad& keypad, ImageBytes& image, int PT, const std::string& heading, ValueLabel* label) {
    const std::string shown = label->text().toStdString();
    const std::string entry = ShowKeyPad(keypad, TelNumberKeyPad(heading), shown);
    if (KeyPadEdited(shown, entry))
        SaveTelNum(image, PT, entry);
    label->setText(Text(DisplayAPNum(image, PT)));
}

} // namespace

frmSpeed::frmSpeed(EditorState& state, IKeyPad& keypad, IWordDialog& words, IHelp* help, int helpContext,
                   QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad), words_(words) {
    setObjectName("frmSpeed");
    setWindowTitle(kSpeedCaption);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);

    auto* frame = new QGroupBox("Group", this);
    frame->setObjectName("Frame1");
    auto* groups = new QGridLayout(frame);
    for (int g = 0; g < kSpeedDialGroups; ++g) {
        optGrp_[g] = new QRadioButton(
            QString("%1-%2").arg(10 * g, 2, 10, QChar('0')).arg(10 * g + 9, 2, 10, QChar('0')), frame);
        optGrp_[g]->setObjectName(QString("optGrp_%1").arg(g));
        groups->addWidget(optGrp_[g], g % 5, g / 5);
        connect(optGrp_[g], &QRadioButton::clicked, this, [this, g] { optGrp_Click(g); });
    }
    optGrp_[0]->setChecked(true);
    grid->addWidget(frame, 0, 0, kSpeedDialRows + 1, 1, Qt::AlignTop);

    grid->addWidget(MakeHeading(this, "Telephone Number"), 0, 2);
    grid->addWidget(MakeHeading(this, "Identification"), 0, 3);
    const ValueCells numbers = Values(this, grid, 14), ids = Values(this, grid, 50);
    for (int i = 0; i < kSpeedDialRows; ++i) {
        lblPos_[i] = new QLabel(this);
        lblPos_[i]->setObjectName(QString("lblPos_%1").arg(i));
        lblPos_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblPos_[i], i + 1, 1);
        lblNum_[i] = numbers.Add(i + 1, 2, QString("lblNum_%1").arg(i), [this, i] { lblNum_Click(i); });
        Label2_[i] = ids.Add(i + 1, 3, QString("Label2_%1").arg(i), [this, i] { Label2_Click(i); });
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kSpeedDialRows + 1, 0, 1, 4, Qt::AlignCenter);
    DisplaySD();
}

void frmSpeed::DisplaySD() {
    const auto rows = rc::DisplaySD(state_.image, page_);
    for (int i = 0; i < kSpeedDialRows; ++i) {
        lblPos_[i]->setText(Text(rows[i].pos));
        lblNum_[i]->setText(Text(rows[i].number));
        Label2_[i]->setText(Text(rows[i].id));
    }
}

void frmSpeed::optGrp_Click(int g) {
    if (g == page_.group)
        return;
    page_.group = g;
    DisplaySD();
}

void frmSpeed::lblNum_Click(int i) {
    const int PT = page_.GetPT(i);
    EnterTelNum(keypad_, state_.image, PT, SpeedNumberHeading(page_.firstEntry + i), lblNum_[i]);
}

void frmSpeed::Label2_Click(int i) {
    VoiceContract voice = VoiceForTelId(Label2_[i]->text().toStdString());
    words_.ShowWordDialog(voice);
    SaveTelID(state_.image, page_, i, voice);
    Label2_[i]->setText(Text(TelIdText(state_.image, page_.GetPT(i))));
}

void frmSpeed::Activate() {
    DisplaySD();
    cmdOK_->setFocus();
}

frmEmer::frmEmer(EditorState& state, IKeyPad& keypad, IWordDialog& words, IHelp* help, int helpContext,
                 QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad), words_(words) {
    setObjectName("frmEmer");
    setWindowTitle(kEmerCaption);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(MakeHeading(this, "Telephone Number"), 0, 1);
    grid->addWidget(MakeHeading(this, "Identification"), 0, 2);
    const ValueCells numbers = Values(this, grid, 14), ids = Values(this, grid, 50);
    for (int i = 0; i < kEmergencySpeedDial.count; ++i) {
        auto* pos = new QLabel(QString::number(i), this);
        pos->setObjectName(QString("lblPos_%1").arg(i));
        grid->addWidget(pos, i + 1, 0);
        lblNum_[i] = numbers.Add(i + 1, 1, QString("lblNum_%1").arg(i), [this, i] { lblNum_Click(i); });
        lblID_[i] = ids.Add(i + 1, 2, QString("lblID_%1").arg(i), [this, i] { lblID_Click(i); });
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, kEmergencySpeedDial.count + 1, 0, 1, 3, Qt::AlignCenter);
    DisplayEMSD();
}

void frmEmer::DisplayEMSD() {
    const auto rows = rc::DisplayEMSD(state_.image);
    for (int i = 0; i < kEmergencySpeedDial.count; ++i) {
        lblNum_[i]->setText(Text(rows[i].number));
        lblID_[i]->setText(Text(rows[i].id));
    }
}

void frmEmer::lblNum_Click(int i) {
    EnterTelNum(keypad_, state_.image, kEmergencySpeedDial.at(i), EmergencyNumberHeading(i), lblNum_[i]);
}

void frmEmer::lblID_Click(int i) {
    VoiceContract voice = VoiceForTelId(lblID_[i]->text().toStdString());
    words_.ShowWordDialog(voice);
    SaveEMTelID(state_.image, i, voice);
    lblID_[i]->setText(Text(TelIdText(state_.image, kEmergencySpeedDial.at(i))));
}

void frmEmer::Activate() {
    DisplayEMSD();
    cmdOK_->setFocus();
}

frmPreDial::frmPreDial(EditorState& state, IKeyPad& keypad, IHelp* help, int helpContext, QWidget* parent)
    : EditorDialog(help, helpContext, parent), state_(state), keypad_(keypad) {
    setObjectName("frmPreDial");
    setWindowTitle(kPreDialCaption);
    auto* grid = new QGridLayout(this);
    lblNum_ = Values(this, grid, 14).Add(0, 0, "lblNum", [this] { lblNum_Click(); });
    lblNum_->setAlignment(Qt::AlignCenter);
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, 1, 0, Qt::AlignCenter);
    lblNum_->setText(Text(PreDialText(state_.image)));
}

void frmPreDial::lblNum_Click() {
    const std::string shown = lblNum_->text().toStdString();
    const std::string entry = ShowKeyPad(keypad_, PreDialKeyPad(), shown);
    if (KeyPadEdited(shown, entry))
        SavePreDial(state_.image, entry);
    lblNum_->setText(Text(PreDialText(state_.image)));
}

void frmPreDial::Activate() {
    lblNum_->setText(Text(PreDialText(state_.image)));
    cmdOK_->setFocus();
}

} // namespace rc
