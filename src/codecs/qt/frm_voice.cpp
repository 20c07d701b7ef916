#include "codecs/qt/frm_voice.h"

#include "desktop/qt/centre_on_screen.h"
#include "sound/speech.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rc {

PickListBox::PickListBox(const QString& objectName, const PickList& items, QWidget* parent)
    : QComboBox(parent), items_(items) {
    setObjectName(objectName);
    setMaxVisibleItems(20);
    for (const PickItem& item : items_)
        addItem(QString::fromStdString(item.text), item.value);
}

void PickListBox::keyPressEvent(QKeyEvent* event) {
    if (!view()->isVisible()) {
        const QString text = event->text();
        if (!text.isEmpty() && text[0].isPrint() && text[0] != ' ') {
            showPopup();
            view()->keyboardSearch(text);
            return;
        }
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            showPopup();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void PickListBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

namespace {

struct ListFace {
    WordList list;
    const char* option;
    const char* caption;
    const char* box;
    const PickList& (*items)();
};

const ListFace kLists[3] = {
    {WordList::All, "optAll", "All Words", "cboVoice", VoiceWordList},
    {WordList::CallLetters, "optCall", "Call Letters", "cbocall", CallLettersList},
    {WordList::Special, "optSpecial", "Special", "cboSpecial", SpecialList},
};

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmVoice::frmVoice(IMessages& messages, IHelp* help, IReadyTimer* readyTimer, QWidget* parent,
                   sound::ISoundPlayer* player)
    : QDialog(parent), messages_(messages), help_(help), readyTimer_(readyTimer),
      play_(player, messages, "Halden R8 Voice Synthesizer Editor Dialog Box") {
    setObjectName("frmVoice");
    setWindowTitle("Halden R8 Voice Synthesizer Editor Dialog Box");
    setModal(true);
    if (readyTimer_ == nullptr) {
        ownTimer_ = MakeQtReadyTimer();
        readyTimer_ = ownTimer_.get();
    }

    Label1_ = new QLabel(this);
    Label1_->setObjectName("Label1");
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setAlignment(Qt::AlignCenter);

    Text1_ = new QLineEdit(this);
    Text1_->setObjectName("Text1");
    Text1_->setReadOnly(true);
    Text1_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(60, 'n')));

    auto* frame = new QGroupBox("Voice Words Table", this);
    frame->setObjectName("Frame1");
    auto* options = new QVBoxLayout(frame);
    auto* label2 = new QLabel("Voice Words Table", this);
    label2->setObjectName("Label2");
    auto* lists = new QVBoxLayout;
    lists->addWidget(label2);
    for (int k = 0; k < 3; ++k) {
        const ListFace& face = kLists[k];
        options_[k] = new QRadioButton(face.caption, frame);
        options_[k]->setObjectName(face.option);
        options->addWidget(options_[k]);
        connect(options_[k], &QRadioButton::clicked, this, [this, list = face.list] { ShowList(list); });
        lists_[k] = new PickListBox(face.box, face.items(), this);
        lists->addWidget(lists_[k]);
        connect(lists_[k], &QComboBox::activated, this,
                [this, box = lists_[k]](int index) { Picked(box, index); });
    }
    lists->addStretch();

    auto* cmdClear = Button("cmdClear", "Clear", this);
    cmdBackSpace_ = Button("cmdBackSpace", "Back Space", this);
    cmdExit_ = Button("cmdExit", "OK", this);
    cmdExit_->setDefault(true);
    auto* cmdCancel = Button("cmdCancel", "Cancel", this);
    cmdPlay_ = Button("cmdPlay", "Play", this);
    // Enter on the focused button plays, as Space does, rather than closing the dialog.
    cmdPlay_->setAutoDefault(true);
    cmdPlay_->setToolTip(
        QString("Speak the words picked so far: %1; again to stop").arg(sound::kSpeechTooltip));
    connect(cmdPlay_, &QPushButton::clicked, this, [this] {
        play_.Press(0, [this] {
            sound::Speech speech = sound::SpeakWords(sound::PickedKeys(logic_.Contract()), sound::LocalNow());
            return sound::Rendered{std::move(speech.pcm), speech.error};
        });
    });
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        logic_.Clear();
        Render();
    });
    connect(cmdBackSpace_, &QPushButton::clicked, this, [this] {
        if (logic_.BackSpace())
            messages_.Beep();
        Render();
    });
    connect(cmdExit_, &QPushButton::clicked, this, [this] {
        if (logic_.OK())
            Close();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        if (logic_.Cancel())
            Close();
    });

    auto* middle = new QHBoxLayout;
    middle->addWidget(frame);
    middle->addLayout(lists, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdClear, cmdBackSpace_, cmdExit_, cmdCancel, cmdPlay_})
        buttons->addWidget(b);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Label1_);
    top->addWidget(Text1_);
    top->addLayout(middle);
    top->addLayout(buttons);

    options_[0]->setChecked(true);
    ShowList(WordList::All);
    for (PickListBox* box : lists_)
        box->setEnabled(false);
}

frmVoice::~frmVoice() = default;

void frmVoice::Run(VoiceContract& voice) {
    Activate(voice);
    exec();
    readyTimer_->Stop();
    voice = logic_.Contract();
}

void frmVoice::Activate(const VoiceContract& voice) {
    logic_.Activate(voice);
    Render();
    adjustSize();
    CentreOnScreen(this);
    cmdExit_->setFocus();
    readyTimer_->Start(kWordDialogReadyMs, [this] { logic_.TimerTick(); });
}

void frmVoice::ShowList(WordList list) {
    logic_.SelectList(list);
    for (int k = 0; k < 3; ++k)
        lists_[k]->setVisible(kLists[k].list == list);
}

void frmVoice::Picked(PickListBox* box, int index) {
    if (index >= 0 && index < static_cast<int>(box->Items().size()))
        logic_.Pick(box->Items()[static_cast<std::size_t>(index)]);
    Render();
}

void frmVoice::Render() {
    Label1_->setText(QString::fromStdString(logic_.Heading()));
    Text1_->setText(QString::fromStdString(logic_.Text1()));
    for (PickListBox* box : lists_)
        box->setEnabled(logic_.PickingEnabled());
    cmdBackSpace_->setEnabled(logic_.PickingEnabled());
    cmdPlay_->setEnabled(logic_.Contract().VoiceRebuilt && logic_.Contract().VoiceWordCount > 0);
}

void frmVoice::Close() {
    readyTimer_->Stop();
    QDialog::done(QDialog::Accepted);
}

void frmVoice::reject() {
    logic_.Dismiss();
    Close();
}

void frmVoice::hideEvent(QHideEvent* event) {
    play_.Stop();
    QDialog::hideEvent(event);
}

void frmVoice::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (help_ != nullptr)
            help_->ShowContext(kWordDialogHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

QtWordDialog::QtWordDialog(IMessages& messages, IHelp* help, IReadyTimer* readyTimer, QWidget* parent,
                           sound::ISoundPlayer* player)
    : dialog_(new frmVoice(messages, help, readyTimer, parent, player)) {}

QtWordDialog::~QtWordDialog() {
    delete dialog_;
}

void QtWordDialog::ShowWordDialog(VoiceContract& voice) {
    dialog_->Run(voice);
}

} // namespace rc
