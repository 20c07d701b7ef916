#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace rc {

// The one running copy of a program for each user. The first copy holds a lock in the user's
// private runtime folder and listens on a local socket beside it, which only this user can open; a
// later start hands its file to it there and ends. A lock left by a copy that crashed is taken
// over, since its process no longer exists.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` names the lock and the socket ("rcedit"); `folder` must be private to the user.
    explicit SingleInstance(const QString& name, const QString& folder = RuntimeFolder());
    ~SingleInstance() override;

    // True when no other copy holds the lock; from then on this one does and takes handed files.
    // Without a private folder there is no safe place to meet, and every copy runs on its own.
    bool TryAcquire();
    // From a later copy: gives the running copy `path`. False when it could not be reached.
    bool HandOver(const QString& path, int timeoutMs = 5000);

    QString SocketPath() const { return folder_ + "/" + name_ + ".socket"; }

    // The user's runtime folder when it is theirs alone; empty otherwise.
    static QString RuntimeFolder();
    // True when `folder` belongs to this user and no one else may enter it.
    static bool IsPrivateFolder(const QString& folder);

signals:
    void fileHandedOver(const QString& path);

private:
    void Listen();
    void Accept();
    void Receive(QLocalSocket* socket);

    QString name_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace rc
