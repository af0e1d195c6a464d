#include "platform/shared_library.h"

#include <dlfcn.h>

namespace quilldar::platform {

SharedLibrary::~SharedLibrary() { unload(); }

bool SharedLibrary::load(const std::string& name) {
    unload();
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void SharedLibrary::unload() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

}  // namespace quilldar::platform
