// The hidapi C interface over the simulated device, so that the program's own hidapi transport
// can run against the simulated module: the same entry points, signatures and return
// conventions as the system's hidapi library.
#include <hidapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <mutex>
#include <string>

#include "hidapi_sim/sim_hid_device.h"

using quilldar::hidsim::OpenHandle;
using quilldar::hidsim::SimHidDevice;

struct hid_device_ {
    OpenHandle handle;
};

namespace {

// The simulated hardware outlives every hid_exit, as a real module outlives the library's
// state: the program loads and unloads the library at every reopen (the library is linked so
// that unloading leaves it in memory).
std::mutex deviceMutex;
std::unique_ptr<SimHidDevice> simulatedDevice;
std::wstring globalError;

SimHidDevice* device() {
    std::lock_guard lock(deviceMutex);
    if (!simulatedDevice) {
        QString error;
        simulatedDevice = SimHidDevice::fromEnvironment(error);
        if (!simulatedDevice) {
            globalError = error.toStdWString();
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        }
    }
    return simulatedDevice.get();
}

wchar_t* copyText(const std::wstring& text) {
    auto* copy = static_cast<wchar_t*>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    if (copy != nullptr) std::wmemcpy(copy, text.c_str(), text.size());
    return copy;
}

int copyString(const std::wstring& text, wchar_t* into, size_t maxlen) {
    if (into == nullptr || maxlen == 0) return -1;
    std::wcsncpy(into, text.c_str(), maxlen);
    into[maxlen - 1] = L'\0';
    return 0;
}

}  // namespace

extern "C" {

// Replaces the simulated hardware by a new one built from the environment as it is now, for a
// test process that runs several sessions; no handle may be open.
__attribute__((visibility("default"))) int quilldar_hidapi_sim_restart(void) {
    {
        std::lock_guard lock(deviceMutex);
        simulatedDevice.reset();
        globalError.clear();
    }
    return device() != nullptr ? 0 : -1;
}

int HID_API_EXPORT hid_init(void) { return device() != nullptr ? 0 : -1; }

int HID_API_EXPORT hid_exit(void) { return 0; }

struct hid_device_info HID_API_EXPORT* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
    SimHidDevice* sim = device();
    if (sim == nullptr) return nullptr;
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    for (const auto& listed : sim->listing()) {
        if ((vendor_id != 0 && vendor_id != listed.vendorId) || (product_id != 0 && product_id != listed.productId))
            continue;
        auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
        if (info == nullptr) break;
        info->path = strdup(listed.path.c_str());
        info->vendor_id = listed.vendorId;
        info->product_id = listed.productId;
        info->serial_number = copyText(L"");
        info->release_number = 0x0100;
        info->manufacturer_string = copyText(L"Quilldar");
        info->product_string = copyText(listed.product);
        info->usage_page = 0xFF00;
        info->usage = 0x01;
        info->interface_number = 0;
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
    }
    if (first == nullptr) globalError = L"No HID devices with requested VID/PID found in the system.";
    return first;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info* devs) {
    while (devs != nullptr) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* hid_open_path(const char* path) {
    SimHidDevice* sim = device();
    if (sim == nullptr || path == nullptr) return nullptr;
    auto opened = std::make_unique<hid_device>();
    std::wstring error;
    if (!sim->open(path, opened->handle, error)) {
        globalError = error;
        return nullptr;
    }
    globalError.clear();
    return opened.release();
}

// The first interface with the ids, as hidapi does: a later one is not tried when it fails.
HID_API_EXPORT hid_device* hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t*) {
    hid_device_info* found = hid_enumerate(vendor_id, product_id);
    if (found == nullptr) return nullptr;
    hid_device* opened = hid_open_path(found->path);
    hid_free_enumeration(found);
    return opened;
}

int HID_API_EXPORT hid_write(hid_device* dev, const unsigned char* data, size_t length) {
    if (dev == nullptr) return -1;
    return device()->write(dev->handle, data, length);
}

int HID_API_EXPORT hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
    if (dev == nullptr || data == nullptr) return -1;
    return device()->read(dev->handle, data, length, milliseconds);
}

int HID_API_EXPORT hid_read(hid_device* dev, unsigned char* data, size_t length) {
    if (dev == nullptr) return -1;
    return hid_read_timeout(dev, data, length, dev->handle.nonblocking ? 0 : -1);
}

int HID_API_EXPORT hid_set_nonblocking(hid_device* dev, int nonblock) {
    if (dev == nullptr) return -1;
    dev->handle.nonblocking = nonblock != 0;
    return 0;
}

void HID_API_EXPORT hid_close(hid_device* dev) {
    if (dev == nullptr) return;
    if (SimHidDevice* sim = device()) sim->close(dev->handle);
    delete dev;
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return dev != nullptr ? copyString(L"Quilldar", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return dev != nullptr ? copyString(L"Interface module", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return dev != nullptr ? copyString(L"", string, maxlen) : -1;
}

// The last error of the handle, or of the last enumeration or open with NULL; "Success" when
// there was none.
HID_API_EXPORT const wchar_t* hid_error(hid_device* dev) {
    const std::wstring& error = dev != nullptr ? dev->handle.error : globalError;
    return error.empty() ? L"Success" : error.c_str();
}

HID_API_EXPORT const char* hid_version_str(void) { return HID_API_VERSION_STR; }

}  // extern "C"
