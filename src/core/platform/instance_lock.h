#pragma once

#include <QLockFile>
#include <QString>
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

    // True when this copy got the lock.
    bool acquire();
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace quilldar::platform
