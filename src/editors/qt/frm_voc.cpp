#include "editors/qt/frm_voc.h"

#include "editors/qt/value_label.h"
#include "editors/voice.h"
#include "image/regions.h"
#include "sound/speech.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace rc {

VoiceMessagesDialog::VoiceMessagesDialog(EditorState& state, int copy, IWordDialog& words, IHelp* help,
                                         int helpContext, QWidget* parent, sound::SoundOut sound)
    : EditorDialog(help, helpContext, parent), state_(state), words_(words), copy_(copy) {
    if (sound.messages != nullptr)
        play_ = std::make_unique<sound::PlayControl>(sound.player, *sound.messages, VoiceCaption(copy_));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    const ValueCells values{this, grid, fontMetrics().horizontalAdvance(QString(70, 'n')),
                            Qt::AlignLeft | Qt::AlignVCenter};
    int row = 0;
    if (copy_ == kBaseCopy) {
        auto* frame = new QGroupBox("Voice Group", this);
        frame->setObjectName("Frame1");
        auto* options = new QHBoxLayout(frame);
        const char* captions[2] = {"  1 - 10", "11 - 20"};
        for (int g = 0; g < 2; ++g) {
            optGroup_[g] = new QRadioButton(captions[g], frame);
            optGroup_[g]->setObjectName(QString("optGroup_%1").arg(g));
            options->addWidget(optGroup_[g]);
            connect(optGroup_[g], &QRadioButton::clicked, this, [this, g] { optGroup_Click(g); });
        }
        optGroup_[0]->setChecked(true);
        grid->addWidget(frame, row++, 0, 1, 2);
    }
    const int rows = copy_ == kBaseCopy ? kVoiceGroupSize : kMemoryMessageCount;
    for (int i = 0; i < rows; ++i, ++row) {
        auto* number = new QLabel(this);
        number->setObjectName(QString("Label1_%1").arg(i));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, row, 0);
        Label1_.push_back(number);
        auto* text = values.Add(row, 1, QString("lblMsg_%1").arg(i), [this, i] { lblMsg_Click(i); });
        text->setAutoFillBackground(true);
        QPalette white = text->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        text->setPalette(white);
        lblMsg_.push_back(text);
        if (play_) {
            auto* play = new QPushButton(style()->standardIcon(QStyle::SP_MediaPlay), "", this);
            play->setObjectName(QString("cmdPlay_%1").arg(i));
            play->setToolTip(QString("Speak this message: %1; again to stop").arg(sound::kSpeechTooltip));
            // Enter on a focused play button plays, as Space does, rather than closing the dialog.
            play->setAutoDefault(true);
            grid->addWidget(play, row, 2);
            connect(play, &QPushButton::clicked, this, [this, i] { Speak(i); });
        }
    }
    cmdOK_ = MakeOkButton(this);
    grid->addWidget(cmdOK_, row, 0, 1, 3, Qt::AlignCenter);
    DisVoice();
}

VoiceMessagesDialog::~VoiceMessagesDialog() = default;

void VoiceMessagesDialog::Speak(int Index) {
    const int record = VoiceRecord(copy_, group_, Index);
    play_->Press(record, [this, record] {
        sound::Speech speech = sound::SpeakWords(sound::MessageKeys(state_.image, record), sound::LocalNow());
        return sound::Rendered{std::move(speech.pcm), speech.error};
    });
}

void VoiceMessagesDialog::hideEvent(QHideEvent* event) {
    if (play_)
        play_->Stop();
    EditorDialog::hideEvent(event);
}

void VoiceMessagesDialog::DisVoice() {
    setWindowTitle(QString::fromStdString(VoiceCaption(copy_)));
    const std::vector<VoiceRow> rows = rc::DisVoice(state_.image, copy_, group_);
    for (std::size_t i = 0; i < rows.size() && i < lblMsg_.size(); ++i) {
        Label1_[i]->setText(QString::number(rows[i].number));
        lblMsg_[i]->setText(QString::fromStdString(rows[i].text));
    }
}

void VoiceMessagesDialog::lblMsg_Click(int Index) {
    VoiceContract voice =
        VoiceForMessage(Label1_[Index]->text().toInt(), lblMsg_[Index]->text().toStdString());
    words_.ShowWordDialog(voice);
    SaveVoice(state_.image, VoiceRecord(copy_, group_, Index), voice);
    // The row shows what the image now holds, in the vocabulary's own spelling of each word.
    DisVoice();
}

void VoiceMessagesDialog::optGroup_Click(int Index) {
    if (Index == group_)
        return;
    group_ = Index;
    DisVoice();
}

void VoiceMessagesDialog::Activate() {
    DisVoice();
    cmdOK_->setFocus();
}

frmVoc::frmVoc(EditorState& state, IWordDialog& words, IHelp* help, int helpContext, QWidget* parent,
               sound::SoundOut sound)
    : VoiceMessagesDialog(state, kBaseCopy, words, help, helpContext, parent, sound) {
    setObjectName("frmVoc");
}

frmVocMem::frmVocMem(EditorState& state, int copy, IWordDialog& words, IHelp* help, int helpContext,
                     QWidget* parent, sound::SoundOut sound)
    : VoiceMessagesDialog(state, copy, words, help, helpContext, parent, sound) {
    setObjectName("frmVocMem");
}

} // namespace rc
