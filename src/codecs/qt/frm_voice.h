#pragma once

#include "codecs/qt/frm_keypad.h"
#include "codecs/word_dialog.h"
#include "desktop/help.h"
#include "image/messages.h"
#include "sound/sound_player.h"

#include <QComboBox>
#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rc {

// A pick list of the word dialog. A word is picked when the user chooses it in the open list (a
// click, or Enter); typing the first letters of a word in the list only moves to it. Keys typed on
// the closed box open the list first, so browsing never picks a word by the way.
class PickListBox : public QComboBox {
    Q_OBJECT
public:
    PickListBox(const QString& objectName, const PickList& items, QWidget* parent = nullptr);
    const PickList& Items() const { return items_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const PickList& items_;
};

// The word dialog: builds a new word list from the three pick lists. Created once, filled once,
// and only hidden between uses. "Play" speaks the words picked so far.
class frmVoice : public QDialog {
    Q_OBJECT
public:
    // Without `readyTimer` the dialog runs its own QTimer; without `player` playing says there is no
    // sound output.
    frmVoice(IMessages& messages, IHelp* help, IReadyTimer* readyTimer = nullptr, QWidget* parent = nullptr,
             sound::ISoundPlayer* player = nullptr);
    ~frmVoice() override;

    // Shows the dialog modally for `voice` and fills in the dialog's part of it.
    void Run(VoiceContract& voice);
    // Prepares a new showing (Run calls it); public so a test can show the dialog without exec().
    void Activate(const VoiceContract& voice);

    const WordDialogLogic& Logic() const { return logic_; }

    // The close box and Escape: Cancel, at any time.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowList(WordList list);
    void Picked(PickListBox* box, int index);
    void Render();
    void Close();

    IMessages& messages_;
    IHelp* help_;
    IReadyTimer* readyTimer_;
    std::unique_ptr<IReadyTimer> ownTimer_;
    WordDialogLogic logic_;

    std::array<QRadioButton*, 3> options_{};
    std::array<PickListBox*, 3> lists_{};
    QLineEdit* Text1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* cmdBackSpace_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    sound::PlayControl play_;
};

// The word dialog service of the running program: one frmVoice, created with the service at
// start-up.
class QtWordDialog : public IWordDialog {
public:
    QtWordDialog(IMessages& messages, IHelp* help, IReadyTimer* readyTimer = nullptr,
                 QWidget* parent = nullptr, sound::ISoundPlayer* player = nullptr);
    ~QtWordDialog() override;
    void ShowWordDialog(VoiceContract& voice) override;
    frmVoice* Dialog() const { return dialog_; }

private:
    frmVoice* dialog_;
};

} // namespace rc
