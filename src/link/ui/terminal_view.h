#pragma once

#include "link/serial_port.h"

#include <QPlainTextEdit>

#include <cstdint>
#include <span>

namespace rc::link {

// A plain terminal on the serial line: what arrives is written at the cursor (CR returns to the
// start of the line, LF goes to a new line, backspace steps back over the line), what the user types
// is sent as it is typed. The far end echoes; nothing is echoed here.
class TerminalView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TerminalView(QWidget* parent = nullptr);

    // Shows what the port receives and sends typed keys through it; nullptr unbinds.
    void Bind(ISerialPort* port);
    ISerialPort* Port() const { return port_; }

    void PutData(std::span<const std::uint8_t> bytes);
    void ClearScreen();
    void Home();
    // Where the next received character lands: line and column from 0.
    int CursorLine() const { return cursor_.blockNumber(); }
    int CursorColumn() const { return cursor_.positionInBlock(); }

    static constexpr int kScrollbackLines = 2000;

signals:
    // Bytes the user typed, as they go to the port.
    void Typed(const QByteArray& bytes);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void PutChar(char c);
    void NewLine();

    ISerialPort* port_ = nullptr;
    QTextCursor cursor_;
};

} // namespace rc::link
