#include "editors/qt/frm_cw_edit.h"

#include "sound/tones.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rc {

frmCwEdit::frmCwEdit(EditorState& state, IMessages& messages, IHelp* help, int helpContext, QWidget* parent,
                     sound::ISoundPlayer* player)
    : ShowingDialog(help, helpContext, parent), state_(state), messages_(messages) {
    setObjectName("frmCwEdit");
    setWindowTitle("Halden R8 CW Edit Dialog Box");
    play_ = std::make_unique<sound::PlayControl>(player, messages, windowTitle().toStdString());
    auto* grid = new QGridLayout(this);

    auto* frame = new QGroupBox("CW Message ", this);
    frame->setObjectName("Frame1");
    auto* frameLayout = new QVBoxLayout(frame);
    Label1_ = new QLabel(frame);
    Label1_->setObjectName("Label1");
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(34, 'M')));
    Label1_->setMinimumHeight(fontMetrics().height() + 8);
    frameLayout->addWidget(Label1_);
    grid->addWidget(frame, 0, 0);

    auto* note = new QLabel("Note:  You must click the clear button to insert a new message.  Then select "
                            "characters from the list at right to construct your message.",
                            this);
    note->setObjectName("Label2");
    note->setWordWrap(true);
    grid->addWidget(note, 1, 0);

    List1_ = new QListWidget(this);
    List1_->setObjectName("List1");
    List1_->setMaximumWidth(fontMetrics().horizontalAdvance("(SK)") + 60);
    List1_->installEventFilter(this);
    grid->addWidget(List1_, 0, 1, 4, 1);
    connect(List1_, &QListWidget::itemClicked, this, &frmCwEdit::Pick);

    auto* buttons = new QHBoxLayout;
    cmdOK_ = MakeOkButton(this, [this] {
        SaveCwMessage();
        accept();
    });
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cmdCancel");
    auto* clear = new QPushButton("Clear", this);
    clear->setObjectName("cmdClear");
    clear->setAutoDefault(false);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cancel);
    buttons->addWidget(clear);
    grid->addLayout(buttons, 2, 0);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &frmCwEdit::Clear);

    auto* listen = new QHBoxLayout;
    auto* play = new QPushButton("Play", this);
    play->setObjectName("cmdPlay");
    // Enter on the focused button plays, as Space does, rather than closing the dialog.
    play->setAutoDefault(true);
    play->setToolTip("Key the message shown as Morse; again to stop");
    spnWpm_ = new QSpinBox(this);
    spnWpm_->setObjectName("spnWpm");
    spnWpm_->setRange(sound::kWpmMin, sound::kWpmMax);
    spnWpm_->setSuffix(" WPM");
    spnPitch_ = new QSpinBox(this);
    spnPitch_->setObjectName("spnPitch");
    spnPitch_->setRange(sound::kPitchMin, sound::kPitchMax);
    spnPitch_->setSingleStep(50);
    spnPitch_->setSuffix(" Hz");
    listen->addWidget(play);
    listen->addWidget(spnWpm_);
    listen->addWidget(spnPitch_);
    listen->addStretch();
    grid->addLayout(listen, 3, 0);
    connect(play, &QPushButton::clicked, this, &frmCwEdit::Play);
    SetKeying({});

    FillCwList();
}

frmCwEdit::~frmCwEdit() = default;

sound::CwKeying frmCwEdit::Keying() const {
    return {spnWpm_->value(), spnPitch_->value()};
}

void frmCwEdit::SetKeying(sound::CwKeying keying) {
    keying = sound::Clamped(keying);
    spnWpm_->setValue(keying.wpm);
    spnPitch_->setValue(keying.pitchHz);
}

// The message as the label shows it: the stored one, or the characters picked since "Clear".
void frmCwEdit::Play() {
    play_->Press(0, [this] {
        const std::vector<int> codes(builder_.buffer.begin(), builder_.buffer.begin() + builder_.count);
        return sound::Rendered{sound::CwSound(codes, Keying()), {}};
    });
}

void frmCwEdit::hideEvent(QHideEvent* event) {
    play_->Stop();
    ShowingDialog::hideEvent(event);
}

void frmCwEdit::FillCwList() {
    for (const CwListEntry& entry : rc::FillCwList()) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.text), List1_);
        item->setData(Qt::UserRole, entry.code);
        if (entry.text == " ")
            item->setToolTip("word space");
    }
}

void frmCwEdit::LoadCWIdent(int ID) {
    if (ID != 1)
        return;
    builder_.Load(state_.image);
    Label1_->setText(QString::fromStdString(rc::LoadCWIdent(state_.image, ID)));
}

void frmCwEdit::SaveCwMessage() {
    rc::SaveCwMessage(state_.image, builder_);
}

void frmCwEdit::ShowFresh() {
    List1_->setEnabled(false);
    LoadCWIdent(1);
    cmdOK_->setFocus();
}

void frmCwEdit::Clear() {
    builder_.Clear();
    Label1_->clear();
    List1_->setEnabled(true);
}

void frmCwEdit::Pick(QListWidgetItem* item) {
    if (!item || !List1_->isEnabled())
        return;
    // The field ends where memory save #1 begins: a character past it is refused with a beep.
    if (!builder_.Pick(item->data(Qt::UserRole).toInt())) {
        messages_.Beep();
        return;
    }
    Label1_->setText(QString::fromStdString(builder_.Text()));
}

// Enter or Space picks the current character, so the message can be built from the keyboard;
// moving through the list with the arrows picks nothing.
bool frmCwEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Pick(List1_->currentItem());
            return true;
        }
    }
    return ShowingDialog::eventFilter(watched, event);
}

} // namespace rc
