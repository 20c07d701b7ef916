#include "editors/qt/switch_lamp.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace rc {

SwitchLamp::SwitchLamp(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    SetOn(false);
}

void SwitchLamp::SetOn(bool on) {
    on_ = on;
    setAccessibleDescription(on ? "on" : "off");
    setToolTip(on ? "On" : "Off");
    update();
}

QSize SwitchLamp::sizeHint() const {
    const int side = fontMetrics().height() + 8;
    return {side, side};
}

void SwitchLamp::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 6;
    const QRectF lamp((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    if (on_) {
        painter.setPen(QPen(QColor(0, 90, 0), 1.5));
        painter.setBrush(QColor(40, 200, 40));
        painter.drawEllipse(lamp);
    } else {
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.setBrush(Qt::NoBrush);
        const QRectF ring = lamp.adjusted(2, 2, -2, -2);
        painter.drawEllipse(ring);
        painter.drawLine(QPointF(ring.left() + 2, ring.center().y()),
                         QPointF(ring.right() - 2, ring.center().y()));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace rc
