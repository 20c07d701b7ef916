#pragma once

// Runs an XMODEM engine on the serial port from the program's event loop: received bytes come from
// the port's transfer route, time-outs from a single-shot timer armed for the engine's deadline.
// Nothing here waits, so the window's counters and its Cancel button stay live.

#include "link/serial_port.h"
#include "link/transfer_file.h"
#include "link/transfer_models.h"
#include "link/xmodem.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

namespace rc::link {

struct XferJob {
    TransferDirection direction = TransferDirection::Download;
    std::string path;                 // the chosen file
    int expectedSize = 0;             // lblFileSize, and the progress maximum
    std::vector<std::uint8_t> upload; // an upload's bytes, already checked
    XmodemTiming timing;
    int refusalLimit = 0; // NAKs in a row for one block that end an upload; 0 = no limit
};

class XferDriver : public QObject {
    Q_OBJECT
public:
    XferDriver(ISerialPort& port, XferJob job, QObject* parent = nullptr);
    ~XferDriver() override;

    // Takes the line from the terminal and starts the engine. A download whose file cannot be
    // prepared ends at once.
    void Start();
    void Cancel();

    bool Running() const { return running_; }
    bool Succeeded() const { return engine_ && engine_->Succeeded(); }
    const XferCounters& Counters() const;
    const XferJob& Job() const { return job_; }

signals:
    void message(const QString& text);
    void countersChanged();
    void beep();
    // After the line has gone back to the terminal; delivered from the event loop.
    void finished(bool ok);

private:
    void OnBytes(std::span<const std::uint8_t> bytes);
    void OnTimer();
    void Apply(const XferOutput& out);
    void End(bool ok);
    // Puts a copy of what went to or came from the controller in the user's backups folder.
    void KeepTransferCopy(std::span<const std::uint8_t> bytes, const char* direction);
    std::int64_t Now() const { return clock_.elapsed(); }

    ISerialPort& port_;
    XferJob job_;
    std::unique_ptr<DownloadFile> file_;
    std::unique_ptr<XmodemEngine> engine_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool running_ = false;
    bool ended_ = false;
};

} // namespace rc::link
