#include "desktop/qt/window_fit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace rc {

namespace {

// A window manager draws the caption in a bold face between the window's icon and its minimise,
// maximise and close buttons. At the desktop's default font (14 px lines) it needs about 8 px a
// character and 70 px for the buttons; measured under openbox, a caption in bold takes its width plus
// 8 lines for the icon, the buttons and the margins around the caption. Both grow with the font.
constexpr double kLineHeight = 14, kCharacterWidth = 8, kButtonsWidth = 70;
constexpr int kFrameLines = 8;

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
    QFont desktop = QApplication::font(), own = window->font();
    desktop.setBold(true);
    own.setBold(true);
    const QFontMetrics a(desktop), b(own);
    const QFontMetrics& wider = a.horizontalAdvance(title) >= b.horizontalAdvance(title) ? a : b;
    const double scale = wider.height() / kLineHeight;
    const double byCharacters = (kCharacterWidth * title.size() + kButtonsWidth) * scale;
    const int measured = wider.horizontalAdvance(title) + kFrameLines * wider.height();
    return std::max(measured, static_cast<int>(std::ceil(byCharacters)));
}

} // namespace rc
