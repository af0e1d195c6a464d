#include "platform/instance_lock.h"

#include <QDir>

namespace quilldar::platform {

InstanceLock::InstanceLock(const QString& folder)
    : lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QString::fromLatin1(kName) + QStringLiteral(".lock")))) {
    // The lock is held for the whole run; it must never be taken for stale while its owner lives.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() { release(); }

bool InstanceLock::acquire() { return lock_->tryLock(0); }

void InstanceLock::release() {
    if (lock_->isLocked()) lock_->unlock();
}

}  // namespace quilldar::platform
