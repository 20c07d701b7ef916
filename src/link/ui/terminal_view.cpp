#include "link/ui/terminal_view.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace rc::link {

namespace {
constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr char kLineFeed = 10;
constexpr char kCarriageReturn = 13;
constexpr int kTabWidth = 8;
} // namespace

TerminalView::TerminalView(QWidget* parent) : QPlainTextEdit(parent), cursor_(document()) {
    setObjectName("MyTerm");
    document()->setMaximumBlockCount(kScrollbackLines);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setCursorWidth(8);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, QColor(0xC0, 0xC0, 0xC0));
    setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TerminalView::Bind(ISerialPort* port) {
    if (port_ != nullptr && port_ != port)
        port_->SetTerminalReceiver(nullptr);
    port_ = port;
    if (port_ != nullptr)
        port_->SetTerminalReceiver([this](std::span<const std::uint8_t> bytes) { PutData(bytes); });
}

void TerminalView::PutData(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        PutChar(static_cast<char>(b));
    setTextCursor(cursor_);
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TerminalView::NewLine() {
    if (!cursor_.movePosition(QTextCursor::NextBlock)) {
        cursor_.movePosition(QTextCursor::End);
        cursor_.insertBlock();
    }
}

void TerminalView::PutChar(char c) {
    switch (c) {
    case kCarriageReturn:
        cursor_.movePosition(QTextCursor::StartOfBlock);
        return;
    case kLineFeed:
        NewLine();
        return;
    case kBackspace:
        if (cursor_.positionInBlock() > 0)
            cursor_.movePosition(QTextCursor::PreviousCharacter);
        return;
    case kTab: {
        int spaces = kTabWidth - cursor_.positionInBlock() % kTabWidth;
        for (int i = 0; i < spaces; ++i)
            PutChar(' ');
        return;
    }
    default:
        break;
    }
    auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127)
        return; // bells, form feeds and the rest have no place in a plain view
    // Overwrite what is under the cursor, as a terminal does; append at the end of the line.
    if (!cursor_.atBlockEnd())
        cursor_.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor_.insertText(QString(QChar(u))); // Latin-1: every byte shows as one character
}

void TerminalView::ClearScreen() {
    clear();
    cursor_ = QTextCursor(document());
    setTextCursor(cursor_);
}

void TerminalView::Home() {
    cursor_.movePosition(QTextCursor::Start);
    setTextCursor(cursor_);
}

void TerminalView::keyPressEvent(QKeyEvent* e) {
    QByteArray bytes;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        bytes = "\r";
        break;
    case Qt::Key_Backspace:
        bytes = QByteArray(1, kBackspace);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The cursor stays where the far end put it.
        return;
    default:
        // Control and a letter is the control byte, whatever text the platform made of it.
        if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
            bytes = QByteArray(1, static_cast<char>(e->key() - Qt::Key_A + 1));
        else
            bytes = e->text().toLatin1();
        break;
    }
    if (bytes.isEmpty())
        return;
    emit Typed(bytes);
    if (port_ != nullptr)
        port_->SendBytes(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
}

void TerminalView::mousePressEvent(QMouseEvent* e) {
    Q_UNUSED(e);
    setFocus();
}

void TerminalView::mouseDoubleClickEvent(QMouseEvent* e) {
    Q_UNUSED(e);
}

void TerminalView::contextMenuEvent(QContextMenuEvent* e) {
    Q_UNUSED(e);
}

} // namespace rc::link
