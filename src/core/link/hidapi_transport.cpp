#include "link/hidapi_transport.h"

#include <hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "state/message_sink.h"

namespace quilldar::link {

std::string HidApiTransport::configuredLibrary() {
    const char* named = std::getenv("QUILLDAR_HIDAPI_LIBRARY");
    return named != nullptr && *named != '\0' ? std::string(named) : std::string(kDefaultLibrary);
}

HidApiTransport::HidApiTransport(app::MessageSink& messages, std::string libraryName)
    : messages_(messages), libraryName_(std::move(libraryName)) {}

HidApiTransport::~HidApiTransport() { close(); }

bool HidApiTransport::LoadHidApi() {
    const QString library = QString::fromStdString(libraryName_);
    if (!library_.load(libraryName_)) {
        reportOnce(QStringLiteral("Error: Can't Load %1").arg(library));
        return false;
    }
    // Resolved in this order; the first missing entry point stops the sequence.
    const auto missing = [&](const char* name) {
        reportOnce(QStringLiteral("Error: Can't find %1() in %2").arg(QString::fromLatin1(name), library));
        return false;
    };
    if (!library_.resolve("hid_init", api_.hid_init)) return missing("hid_init");
    if (!library_.resolve("hid_exit", api_.hid_exit)) return missing("hid_exit");
    if (!library_.resolve("hid_enumerate", api_.hid_enumerate)) return missing("hid_enumerate");
    if (!library_.resolve("hid_free_enumeration", api_.hid_free_enumeration))
        return missing("hid_free_enumeration");
    if (!library_.resolve("hid_open_path", api_.hid_open_path)) return missing("hid_open_path");
    if (!library_.resolve("hid_write", api_.hid_write)) return missing("hid_write");
    if (!library_.resolve("hid_read_timeout", api_.hid_read_timeout))
        return missing("hid_read_timeout");
    if (!library_.resolve("hid_close", api_.hid_close)) return missing("hid_close");
    return true;
}

OpenOutcome HidApiTransport::open(std::uint16_t vendorId, std::uint16_t productId) {
    if (libraryNeeded_) {
        libraryNeeded_ = false;
        if (!LoadHidApi()) {
            close();
            return OpenOutcome::LibraryUnavailable;
        }
        initialised_ = api_.hid_init() == 0;
        if (!initialised_) {
            close();
            return OpenOutcome::LibraryUnavailable;
        }
    }
    if (!library_.loaded()) return OpenOutcome::LibraryUnavailable;

    deniedPath_.clear();
    hid_device_info* const interfaces = api_.hid_enumerate(0, 0);
    OpenOutcome outcome = OpenOutcome::NotFound;
    int examined = 0;
    for (hid_device_info* info = interfaces; info != nullptr && examined < kMaxInterfaces;
         info = info->next, ++examined) {
        if (info->vendor_id != vendorId || info->product_id != productId || info->path == nullptr)
            continue;
        device_ = api_.hid_open_path(info->path);
        if (device_ != nullptr) {
            outcome = OpenOutcome::Opened;
            break;
        }
        // The first interface in enumeration order that opens wins; one that exists but cannot
        // be opened is remembered so that the user can be told about the permission.
        // A path that does not exist, or a device busy elsewhere, is not a permission problem.
        if (access(info->path, R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM) &&
            deniedPath_.empty()) {
            deniedPath_ = info->path;
            outcome = OpenOutcome::AccessDenied;
        }
    }
    if (interfaces != nullptr) api_.hid_free_enumeration(interfaces);
    if (outcome != OpenOutcome::Opened) close();
    return outcome;
}

void HidApiTransport::close() {
    libraryNeeded_ = true;
    if (device_ != nullptr) api_.hid_close(device_);
    device_ = nullptr;
    unloadLibrary();
}

void HidApiTransport::unloadLibrary() {
    if (initialised_ && api_.hid_exit != nullptr) api_.hid_exit();
    initialised_ = false;
    api_ = Api{};
    library_.unload();
}

bool HidApiTransport::write(const Report& report) {
    if (device_ == nullptr) return false;
    // hidapi counts the report-id byte among the bytes written on some backends and not on
    // others: either way the whole report went out.
    const int written = api_.hid_write(device_, report.data(), report.size());
    return written == static_cast<int>(report.size()) || written == static_cast<int>(kPayloadSize);
}

ReadOutcome HidApiTransport::read(Report& into, int timeoutMs) {
    if (device_ == nullptr) return ReadOutcome::Failed;
    // The module's reports carry no report id: hidapi delivers the 64 payload bytes.
    std::array<unsigned char, kPayloadSize> payload{};
    const int count = api_.hid_read_timeout(device_, payload.data(), payload.size(), timeoutMs);
    if (count < 0) return ReadOutcome::Failed;
    if (count == 0) return ReadOutcome::TimedOut;
    into.fill(0);
    std::copy_n(payload.begin(), std::min<std::size_t>(static_cast<std::size_t>(count), kPayloadSize),
                into.begin() + 1);
    return ReadOutcome::Report;
}

void HidApiTransport::reportOnce(const QString& text) {
    if (!reported_.insert(text).second) return;
    messages_.showMessage(text, QString());
}

}  // namespace quilldar::link
