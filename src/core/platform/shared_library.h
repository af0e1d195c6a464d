#pragma once

#include <string>

namespace quilldar::platform {

// A shared library loaded by name at run time (dlopen on Linux, LoadLibrary on Windows).
class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool load(const std::string& name);
    void unload();
    bool loaded() const { return handle_ != nullptr; }
    // Address of an entry point, or nullptr when the library has no such symbol.
    void* symbol(const char* name) const;
    // Puts the entry point into a function pointer of its type; false when it is missing.
    template <typename Function>
    bool resolve(const char* name, Function& into) const {
        into = reinterpret_cast<Function>(symbol(name));
        return into != nullptr;
    }

private:
    void* handle_ = nullptr;
};

}  // namespace quilldar::platform
