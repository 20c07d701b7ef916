#pragma once

#include <QLabel>

#include <functional>

class QGridLayout;

namespace rc {

// A value an editor dialog opens the keypad for: a sunken label with the hand pointer that reports
// a click, and that Tab can reach so Enter or Space opens it from the keyboard. A click takes the
// focus too, so that once the entry is done the keyboard carries on from this field.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(const QString& objectName, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// The cells of an editor dialog's value column: each at least `minimumWidth` wide, aligned as
// `alignment` says, placed in `grid` and opening its entry when clicked.
struct ValueCells {
    QWidget* dialog;
    QGridLayout* grid;
    int minimumWidth;
    Qt::Alignment alignment = Qt::AlignCenter;

    ValueLabel* Add(int row, int column, const QString& name, std::function<void()> edit) const;
};

} // namespace rc
