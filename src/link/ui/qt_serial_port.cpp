#include "link/ui/qt_serial_port.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#ifndef _WIN32
#include <cerrno>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rc::link {

namespace {

QSerialPort::Parity ToQt(Parity p) {
    switch (p) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

#ifndef _WIN32
// Why this user may not open the device, when its group permissions are the reason.
std::string GroupHint(const QString& device) {
    QByteArray path = QFileInfo(device).canonicalFilePath().toLocal8Bit();
    if (path.isEmpty())
        path = device.toLocal8Bit();
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return {};
    if (::access(path.constData(), R_OK | W_OK) == 0)
        return {};
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)) + 1);
    int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(n, 0)));
    bool member =
        ::getegid() == st.st_gid || std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
    const group* g = ::getgrgid(st.st_gid);
    std::string name = g != nullptr ? g->gr_name : std::to_string(st.st_gid);
    if (!member)
        return "You are not a member of the group \"" + name + "\" that may use " + path.toStdString() +
               " (add yourself to it, then log in again).";
    return "You may not read and write " + path.toStdString() + ".";
}

// Whether the line behind `fd` has hung up or broken, asked without waiting.
bool LineBroken(int fd) {
    pollfd p{fd, POLLIN, 0};
    int n;
    while ((n = ::poll(&p, 1, 0)) < 0 && errno == EINTR) {
    }
    return n < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}
#endif

} // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
    connect(&serial_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
    connect(&serial_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

QtSerialPort::~QtSerialPort() = default;

std::string QtSerialPort::OpenFailureReason(const QString& device, QSerialPort::SerialPortError error,
                                            const QString& errorString) {
    std::string reason = device.toStdString() + ": " + errorString.toStdString();
    std::string hint;
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        hint = "There is no such device.";
        break;
    case QSerialPort::PermissionError:
#ifndef _WIN32
        hint = GroupHint(device);
#endif
        if (hint.empty())
            hint = "Another program may be using the port.";
        break;
    default:
        break;
    }
    return hint.empty() ? reason : reason + "\n" + hint;
}

bool QtSerialPort::Open(const LineSettings& settings, std::string* reason) {
    if (serial_.isOpen())
        serial_.close();
    line_ = settings;
    inTransfer_ = false;
    transfer_ = nullptr;
    serial_.setPortName(QString::fromStdString(settings.device));
    ApplyFraming();
    if (!serial_.open(QIODevice::ReadWrite)) {
        if (reason != nullptr)
            *reason = OpenFailureReason(QString::fromStdString(settings.device), serial_.error(),
                                        serial_.errorString());
        serial_.clearError();
        return false;
    }
    ApplyFraming();
    modemLinesSupported_ = true;
    ApplyModemLine(true, dtr_);
    ApplyModemLine(false, rts_);
    return true;
}

void QtSerialPort::Close() {
    if (serial_.isOpen())
        serial_.close();
    inTransfer_ = false;
    transfer_ = nullptr;
}

bool QtSerialPort::IsOpen() const {
    return serial_.isOpen();
}

bool QtSerialPort::Apply(const LineSettings& settings) {
    line_ = settings;
    if (!serial_.isOpen())
        return true;
    ApplyFraming();
    bool ok = serial_.error() == QSerialPort::NoError;
    serial_.clearError();
    return ok;
}

void QtSerialPort::ApplyFraming() {
    serial_.setBaudRate(line_.baud);
    serial_.setDataBits(line_.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    serial_.setParity(ToQt(line_.parity));
    serial_.setStopBits(line_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialPort::ApplyModemLine(bool dtr, bool on) {
    if (!serial_.isOpen() || !modemLinesSupported_)
        return;
    bool ok = dtr ? serial_.setDataTerminalReady(on) : serial_.setRequestToSend(on);
    if (!ok && serial_.error() == QSerialPort::UnsupportedOperationError)
        modemLinesSupported_ = false;
    serial_.clearError();
}

void QtSerialPort::SetDtr(bool on) {
    dtr_ = on;
    ApplyModemLine(true, on);
}

void QtSerialPort::SetRts(bool on) {
    rts_ = on;
    ApplyModemLine(false, on);
}

void QtSerialPort::SendText(std::string_view text) {
    if (serial_.isOpen() && !text.empty())
        serial_.write(text.data(), static_cast<qint64>(text.size()));
}

void QtSerialPort::SendBytes(std::span<const std::uint8_t> bytes) {
    if (serial_.isOpen() && !bytes.empty())
        serial_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void QtSerialPort::DiscardInput() {
    Discard();
}

std::optional<std::uint8_t> QtSerialPort::Discard() {
    if (!serial_.isOpen())
        return std::nullopt;
    std::optional<std::uint8_t> last;
    if (const QByteArray held = serial_.readAll(); !held.isEmpty())
        last = static_cast<std::uint8_t>(held.back());
#ifndef _WIN32
    // What the driver holds and Qt has not read yet came later still.
    const int fd = static_cast<int>(serial_.handle());
    char buf[4096];
    pollfd ready{fd, POLLIN, 0};
    for (int i = 0; i < 64 && ::poll(&ready, 1, 0) == 1 && (ready.revents & POLLIN); ++i) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        last = static_cast<std::uint8_t>(buf[n - 1]);
    }
#endif
    serial_.clear(QSerialPort::Input);
    return last;
}

bool QtSerialPort::OutputDrained() {
    if (!serial_.isOpen())
        return true;
    if (serial_.bytesToWrite() > 0)
        return false;
#ifndef _WIN32
    // What the driver still holds has not gone out either.
    int queued = 0;
    if (::ioctl(static_cast<int>(serial_.handle()), TIOCOUTQ, &queued) == 0 && queued > 0)
        return false;
#endif
    return true;
}

void QtSerialPort::SetTerminalReceiver(Receiver receiver) {
    terminal_ = std::move(receiver);
}

std::optional<std::uint8_t> QtSerialPort::BeginTransfer(Receiver receiver) {
    const std::optional<std::uint8_t> last = Discard();
    transfer_ = std::move(receiver);
    inTransfer_ = true;
    return last;
}

void QtSerialPort::EndTransfer() {
    inTransfer_ = false;
    transfer_ = nullptr;
}

void QtSerialPort::SetTransferLost(LostHandler handler) {
    lost_ = std::move(handler);
}

void QtSerialPort::OnReadyRead() {
    // Nobody to take them (rclink without its window, before the transfer starts): they wait for
    // the transfer's start, which may find the receiver's first NAK among them.
    if (!(inTransfer_ ? transfer_ : terminal_))
        return;
    QByteArray data = serial_.readAll();
    if (data.isEmpty())
        return;
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                        static_cast<std::size_t>(data.size()));
    // Copy the receiver: it may end the transfer (and so replace itself) while it runs.
    Receiver to = inTransfer_ ? transfer_ : terminal_;
    if (to)
        to(bytes);
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
    // A device that went away (an unplugged adapter, a pty whose far end closed) keeps signalling;
    // the port is closed instead, and later commands are dropped like those on any closed port. A
    // transfer ends on that at once, and on a failed read or write too: nothing it waits for can
    // come.
    const bool gone = error == QSerialPort::ResourceError;
    if (!serial_.isOpen() || !(gone || error == QSerialPort::ReadError || error == QSerialPort::WriteError))
        return;
#ifndef _WIN32
    // Qt calls a read that found nothing a failed one: input flushed after its notice came (as at
    // the start of every transfer, while the far end keeps asking). Only a broken line is lost.
    if (error == QSerialPort::ReadError && !LineBroken(static_cast<int>(serial_.handle()))) {
        serial_.clearError();
        return;
    }
#endif
    // Qt's own words for these carry whatever errno was left over; ours say what happened.
    const std::string reason = gone                              ? "the device closed or went away"
                               : error == QSerialPort::ReadError ? "reading failed"
                                                                 : "writing failed";
    serial_.clearError();
    const bool inTransfer = inTransfer_;
    LostHandler lost = lost_;
    if (gone)
        Close();
    if (inTransfer && lost)
        lost(reason);
}

} // namespace rc::link
