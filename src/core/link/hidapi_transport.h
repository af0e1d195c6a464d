#pragma once

#include <QString>
#include <set>
#include <string>

#include "link/hid_transport.h"
#include "platform/shared_library.h"

struct hid_device_;
struct hid_device_info;

namespace quilldar::app {
class MessageSink;
}

namespace quilldar::link {

// The real interface module through hidapi (hidraw backend). The library is not linked at build
// time: it is loaded by name at the first open attempt and after every close, and its entry
// points are looked up one by one, so that a machine without it still runs the program offline.
class HidApiTransport : public HidTransport {
public:
    static constexpr const char* kDefaultLibrary = "libhidapi-hidraw.so.0";
    // The library the program loads: the one QUILLDAR_HIDAPI_LIBRARY names (a file name or a
    // path, for another hidapi build), else kDefaultLibrary.
    static std::string configuredLibrary();

    explicit HidApiTransport(app::MessageSink& messages, std::string libraryName = configuredLibrary());
    ~HidApiTransport() override;

    OpenOutcome open(std::uint16_t vendorId, std::uint16_t productId) override;
    void close() override;
    bool write(const Report& report) override;
    ReadOutcome read(Report& into, int timeoutMs) override;

    // Loads the library and resolves every entry point; reports the first that is missing.
    bool LoadHidApi();
    // Path of the matching device that could not be opened, for the permission hint.
    const std::string& deniedPath() const { return deniedPath_; }

private:
    struct Api {
        int (*hid_init)() = nullptr;
        int (*hid_exit)() = nullptr;
        hid_device_info* (*hid_enumerate)(unsigned short, unsigned short) = nullptr;
        void (*hid_free_enumeration)(hid_device_info*) = nullptr;
        hid_device_* (*hid_open_path)(const char*) = nullptr;
        int (*hid_write)(hid_device_*, const unsigned char*, size_t) = nullptr;
        int (*hid_read_timeout)(hid_device_*, unsigned char*, size_t, int) = nullptr;
        void (*hid_close)(hid_device_*) = nullptr;
    };

    // Shows each distinct failure once per run: the open attempt repeats every 100 ms.
    void reportOnce(const QString& text);
    void unloadLibrary();

    app::MessageSink& messages_;
    std::string libraryName_;
    platform::SharedLibrary library_;
    Api api_;
    bool libraryNeeded_ = true;
    bool initialised_ = false;
    hid_device_* device_ = nullptr;
    std::string deniedPath_;
    std::set<QString> reported_;
};

}  // namespace quilldar::link
