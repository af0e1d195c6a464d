#include "platform/instance_lock.h"

#include <QDir>

namespace quilldar::platform {

InstanceLock::InstanceLock(const QString& folder)
    : lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QString::fromLatin1(kName) + QStringLiteral(".lock")))) {
    // The lock is held for the whole run; it must never be taken for stale while its owner lives.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() { release(); }

void InstanceLock::startAcquiring() {
    if (!acquiring_.valid()) acquiring_ = std::async(std::launch::async, [this] { return lock_->tryLock(0); });
}

bool InstanceLock::acquire() { return acquiring_.valid() ? acquiring_.get() : lock_->tryLock(0); }

void InstanceLock::release() {
    // An acquisition still under way ends first: the lock it may take is released with it.
    if (acquiring_.valid()) acquiring_.wait();
    acquiring_ = {};
    if (lock_->isLocked()) lock_->unlock();
}

}  // namespace quilldar::platform
