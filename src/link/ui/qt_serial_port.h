#pragma once

#include "link/serial_port.h"

#include <QObject>
#include <QSerialPort>

namespace rc::link {

// The serial line on QSerialPort, driven by its signals on the program's one thread.
class QtSerialPort : public QObject, public ISerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool Open(const LineSettings& settings, std::string* reason) override;
    void Close() override;
    bool IsOpen() const override;
    bool Apply(const LineSettings& settings) override;

    void SetDtr(bool on) override;
    void SetRts(bool on) override;

    void SendText(std::string_view text) override;
    void SendBytes(std::span<const std::uint8_t> bytes) override;

    void DiscardInput() override;
    bool OutputDrained() override;

    void SetTerminalReceiver(Receiver receiver) override;
    std::optional<std::uint8_t> BeginTransfer(Receiver receiver) override;
    void EndTransfer() override;
    void SetTransferLost(LostHandler handler) override;

    // False once the device refused DTR or RTS (a pty does): the lines are then left alone.
    bool ModemLinesSupported() const { return modemLinesSupported_; }
    const LineSettings& Settings() const { return line_; }
    QSerialPort& serial() { return serial_; }

    // The system's words for a failed open of `device`, with a hint at the usual cause.
    static std::string OpenFailureReason(const QString& device, QSerialPort::SerialPortError error,
                                         const QString& errorString);

private:
    void OnReadyRead();
    // DiscardInput, with the last byte it threw away.
    std::optional<std::uint8_t> Discard();
    void OnError(QSerialPort::SerialPortError error);
    void ApplyFraming();
    void ApplyModemLine(bool dtr, bool on);

    QSerialPort serial_;
    LineSettings line_;
    bool dtr_ = true;
    bool rts_ = true;
    bool modemLinesSupported_ = true;
    bool inTransfer_ = false;
    Receiver terminal_;
    Receiver transfer_;
    LostHandler lost_;
};

} // namespace rc::link
