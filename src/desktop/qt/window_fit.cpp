#include "desktop/qt/window_fit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace rc {

namespace {

// Icon, minimise, maximise and close buttons, and the margins between them, in text lines.
constexpr int kTitleBarButtonLines = 7;

bool IsFramedWindow(const QWidget* w) {
    if (!w->isWindow())
        return false;
    const Qt::WindowType type = w->windowType();
    return (type == Qt::Window || type == Qt::Dialog) && !w->windowFlags().testFlag(Qt::FramelessWindowHint);
}

QRect AvailableArea(const QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void WidenForTitle(QWidget* w) {
    const QRect area = AvailableArea(w);
    int need = TitleBarWidth(w);
    if (area.isValid())
        need = std::min(need, area.width());
    if (w->minimumWidth() >= need)
        return;
    if (w->maximumWidth() < need)
        w->setMaximumWidth(need);
    w->setMinimumWidth(need);
}

// Shrinks a window larger than its screen (as far as its contents allow) and moves it inside.
void KeepOnScreen(QWidget* w) {
    const QRect area = AvailableArea(w);
    if (!area.isValid())
        return;
    const QSize frame = w->frameGeometry().size() - w->size();
    const QSize room = area.size() - frame;
    if (w->width() > room.width() || w->height() > room.height())
        w->resize(std::min(w->width(), room.width()), std::min(w->height(), room.height()));
    if (!w->testAttribute(Qt::WA_Moved))
        return; // the window manager places it
    QRect where = w->frameGeometry();
    where.moveLeft(
        std::clamp(where.left(), area.left(), std::max(area.left(), area.right() - where.width() + 1)));
    where.moveTop(
        std::clamp(where.top(), area.top(), std::max(area.top(), area.bottom() - where.height() + 1)));
    if (where.topLeft() != w->frameGeometry().topLeft())
        w->move(where.topLeft());
}

class WindowFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Resize && type != QEvent::WindowTitleChange)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !IsFramedWindow(w))
            return false;
        // A window that sizes itself as it shows (a message box) is caught by the resize.
        if (type == QEvent::Show || w->isVisible())
            WidenForTitle(w);
        if (type == QEvent::Show)
            KeepOnScreen(w);
        return false;
    }
};

} // namespace

void FitWindowsToTitles() {
    static QPointer<WindowFit> installed;
    if (installed || !qApp)
        return;
    installed = new WindowFit(qApp);
    qApp->installEventFilter(installed);
}

int TitleBarWidth(const QWidget* window) {
    const QString title = window->windowTitle();
    QFontMetrics desktop(QApplication::font()), own(window->font());
    const QFontMetrics& wider =
        desktop.horizontalAdvance(title) >= own.horizontalAdvance(title) ? desktop : own;
    return wider.horizontalAdvance(title) + kTitleBarButtonLines * wider.height();
}

} // namespace rc
