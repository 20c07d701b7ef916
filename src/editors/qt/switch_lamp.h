#pragma once

#include <QAbstractButton>

namespace rc {

// One on/off bit drawn as a lamp: "on" a filled disc, "off" a hollow ring crossed by a bar, so the
// two differ in shape and not only in colour. A click (or Space when focused) reports the press;
// the owner decides the new state.
class SwitchLamp : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchLamp(const QString& objectName, QWidget* parent = nullptr);

    void SetOn(bool on);
    bool IsOn() const { return on_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool on_ = false;
};

} // namespace rc
