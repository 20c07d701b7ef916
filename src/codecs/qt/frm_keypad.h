#pragma once

#include "codecs/keypad_logic.h"
#include "desktop/help.h"
#include "image/messages.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace rc {

// Starts the keypad's ready delay. The program uses a QTimer; tests fire the delay themselves.
class IReadyTimer {
public:
    virtual ~IReadyTimer() = default;
    // Calls `elapsed` once after `milliseconds`, replacing any delay still running.
    virtual void Start(int milliseconds, std::function<void()> elapsed) = 0;
    virtual void Stop() = 0;
};

// The program's ready delay: a single-shot QTimer.
std::unique_ptr<IReadyTimer> MakeQtReadyTimer();

// The on-screen telephone keypad. Created once and only hidden between uses, so the keys and
// selection labels of the last mode stay until a new mode changes them.
class frmKeyPad : public QDialog {
    Q_OBJECT
public:
    // Without `readyTimer` the dialog runs its own QTimer.
    frmKeyPad(IMessages& messages, IHelp* help, IReadyTimer* readyTimer = nullptr, QWidget* parent = nullptr);
    ~frmKeyPad() override;

    // Shows the keypad modally for `params`; returns the display once the dialog has hidden itself.
    std::string Run(const KeyPadParams& params);
    // Prepares a new showing (Run calls it); public so a test can show the dialog without exec().
    void Activate(const KeyPadParams& params);

    const KeyPadLogic& Logic() const { return logic_; }
    QPushButton* Key(PadKey key) const { return keys_[static_cast<int>(key)]; }

    // Escape presses Cancel like the button; reject() (the close box, or a caller giving up) always
    // restores the opening value and hides.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Press(PadKey key);
    // A key of the keyboard: applied now when the keypad is ready, else kept until it is.
    void Type(std::optional<PadKey> key);
    void BecomeReady();
    void Apply(const KeyResult& result);
    void Render();

    IMessages& messages_;
    IHelp* help_;
    IReadyTimer* readyTimer_;
    std::unique_ptr<IReadyTimer> ownTimer_;
    KeyPadLogic logic_;
    // Keys typed before the keypad was ready, in order; an empty entry stands for Backspace.
    std::vector<std::optional<PadKey>> typedEarly_;

    std::array<QPushButton*, kPadKeyCount> keys_{};
    QLabel* lblHeading_ = nullptr;
    QLabel* lblDisplay_ = nullptr;
    std::array<QLabel*, kSelectionListSize> lblFreq_{};
    QWidget* listPanel_ = nullptr;
};

} // namespace rc
