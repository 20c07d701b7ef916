#pragma once

// The serial line as the link program uses it. The program talks to the modem and runs transfers
// only through this interface; the Qt implementation sits on QSerialPort, tests put a pty or a fake
// behind it.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rc::link {

enum class Parity { None, Odd, Even };

struct LineSettings {
    std::string device; // /dev/ttyS0, /dev/ttyUSB0, a pty path ...
    int baud = 9600;
    int dataBits = 8; // 7 or 8
    Parity parity = Parity::None;
    int stopBits = 1; // 1 or 2
};

class ISerialPort {
public:
    using Receiver = std::function<void(std::span<const std::uint8_t>)>;

    virtual ~ISerialPort() = default;

    // Opens the device with the line settings; on failure `reason` holds the system's words.
    virtual bool Open(const LineSettings& settings, std::string* reason) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Changes speed and framing of an open port (or remembers them for the next open).
    virtual bool Apply(const LineSettings& settings) = 0;

    // Modem control lines. A device that cannot drive them (a pty, some adapters) is still a working
    // port: the call then does nothing and reports nothing.
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;

    virtual void SendText(std::string_view text) = 0;
    virtual void SendBytes(std::span<const std::uint8_t> bytes) = 0;
    void SendByte(std::uint8_t b) { SendBytes(std::span<const std::uint8_t>(&b, 1)); }

    // Throws away whatever has arrived and not been delivered yet.
    virtual void DiscardInput() = 0;
    // True when everything queued for sending has left.
    virtual bool OutputDrained() = 0;

    // Received bytes go to the terminal's receiver normally; while a transfer runs they go to the
    // transfer's receiver instead, and it sees none that arrived before it began. Bytes that arrive
    // while no receiver is set wait for the next transfer's start.
    virtual void SetTerminalReceiver(Receiver receiver) = 0;
    // Discards waiting input, then routes to `receiver`; returns the last byte discarded.
    virtual std::optional<std::uint8_t> BeginTransfer(Receiver receiver) = 0;
    virtual void EndTransfer() = 0; // routes to the terminal again
    // Told, with the system's words, when the port closes under a running transfer (the device went
    // away, the far end of a pty closed); nothing more will come or go.
    using LostHandler = std::function<void(const std::string& reason)>;
    virtual void SetTransferLost(LostHandler handler) { (void)handler; }
};

} // namespace rc::link
