#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace rc::shell {

// Holds the editor's lock in the user's runtime folder for as long as it lives. A lock left by a
// copy that crashed is taken over, since its process no longer exists.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());
    // True when no other copy holds the lock; from then on this one does.
    bool TryAcquire();

    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace rc::shell
