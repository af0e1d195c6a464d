#pragma once

#include <QLockFile>
#include <QString>
#include <future>
#include <memory>

namespace quilldar::platform {

// Tells the first running copy of the program from the others: the first takes the lock and owns
// the interface module; later copies find it taken and run offline. A lock left behind by a copy
// that crashed is taken over.
class InstanceLock {
public:
    static constexpr const char* kName = "Quilldar Morvalin";

    // folder: where the lock file lives (the temporary folder in the program).
    explicit InstanceLock(const QString& folder);
    ~InstanceLock();

    // Starts taking the lock on a thread of its own: the lock file is flushed to the disk, which
    // may take a while, and the program has other work meanwhile. acquire() gives the answer.
    void startAcquiring();
    // True when this copy got the lock (waits for an acquisition started before).
    bool acquire();
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
    std::future<bool> acquiring_;
};

}  // namespace quilldar::platform
