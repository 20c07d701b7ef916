#include "desktop/qt/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rc {

namespace {

// A path is sent as its bytes and a NUL, the one byte no path can hold.
constexpr char kEnd = '\0';
constexpr qint64 kLongestMessage = 64 * 1024;
constexpr int kSilentClientMs = 5000;
const QByteArray kReceived = "ok\n";

bool FromThisUser(const QLocalSocket* socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) !=
        0)
        return false;
    return peer.uid == ::getuid();
}

} // namespace

SingleInstance::SingleInstance(const QString& name, const QString& folder) : name_(name), folder_(folder) {
    if (!folder_.isEmpty()) {
        lock_ = std::make_unique<QLockFile>(folder_ + "/" + name_ + ".lock");
        // Only a dead owner makes a lock stale; a copy that has run for days still holds it.
        lock_->setStaleLockTime(0);
    }
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::IsPrivateFolder(const QString& folder) {
    struct stat info {};
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString SingleInstance::RuntimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return IsPrivateFolder(dir) ? dir : QString();
}

bool SingleInstance::TryAcquire() {
    if (!lock_ || !IsPrivateFolder(folder_))
        return true;
    if (lock_->isLocked())
        return true;
    if (!lock_->tryLock(0))
        return false;
    Listen();
    return true;
}

void SingleInstance::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, any socket left here belongs to a copy that is gone.
    QLocalServer::removeServer(SocketPath());
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    if (!server_->listen(SocketPath()))
        qWarning("%s: cannot take files from later starts: %s", qPrintable(name_),
                 qPrintable(server_->errorString()));
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!FromThisUser(socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(socket); });
        QTimer::singleShot(kSilentClientMs, socket, [socket] { socket->abort(); });
        Receive(socket);
    }
}

void SingleInstance::Receive(QLocalSocket* socket) {
    const QByteArray data = socket->peek(kLongestMessage + 1);
    const qsizetype end = data.indexOf(kEnd);
    if (end < 0) {
        if (data.size() > kLongestMessage)
            socket->abort();
        return;
    }
    socket->read(end + 1);
    socket->write(kReceived);
    socket->disconnectFromServer();
    const QString path = QFile::decodeName(data.left(end));
    // The receiver may run a dialog, whose event loop would delete this socket under the handler
    // that is still reading it: the file is passed on once the handler has returned.
    if (!path.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, path] { emit fileHandedOver(path); }, Qt::QueuedConnection);
}

bool SingleInstance::HandOver(const QString& path, int timeoutMs) {
    if (folder_.isEmpty() || !IsPrivateFolder(folder_))
        return false;
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    // The running copy may still be starting and not yet listening.
    for (;;) {
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(timeoutMs))
            break;
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    socket.write(QFile::encodeName(path) + kEnd);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (answer.size() < kReceived.size() && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer.startsWith(kReceived);
}

} // namespace rc
