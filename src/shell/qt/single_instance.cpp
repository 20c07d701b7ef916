#include "shell/qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace rc::shell {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    // Only a dead owner makes a lock stale; a copy that has run for days still holds it.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

QString SingleInstance::DefaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath() + QString("/rcedit-%1").arg(::getuid());
    QDir().mkpath(dir);
    return dir + "/rcedit.lock";
}

} // namespace rc::shell
