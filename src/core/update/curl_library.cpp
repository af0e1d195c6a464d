#include "update/curl_library.h"

#include "platform/shared_library.h"
#include "update/transfer_library.h"

namespace quilldar::update {
namespace {

template <typename Function>
bool resolve(const platform::SharedLibrary& library, const char* name, Function& into) {
    into = reinterpret_cast<Function>(library.symbol(name));
    return into != nullptr;
}

// The library stays loaded for the rest of the process: libcurl is not made to be unloaded.
const CurlApi* load() {
    static platform::SharedLibrary library;
    static CurlApi api;
    if (!library.load(kCurlLibrary)) return nullptr;
    const bool complete =
        resolve(library, "curl_global_init", api.global_init) && resolve(library, "curl_multi_init", api.multi_init) &&
        resolve(library, "curl_easy_init", api.easy_init) &&
        resolve(library, "curl_multi_add_handle", api.multi_add_handle) &&
        resolve(library, "curl_multi_remove_handle", api.multi_remove_handle) &&
        resolve(library, "curl_multi_perform", api.multi_perform) && resolve(library, "curl_multi_poll", api.multi_poll) &&
        resolve(library, "curl_multi_info_read", api.multi_info_read) &&
        resolve(library, "curl_multi_strerror", api.multi_strerror) &&
        resolve(library, "curl_multi_cleanup", api.multi_cleanup) &&
        resolve(library, "curl_easy_setopt", api.easy_setopt) && resolve(library, "curl_easy_getinfo", api.easy_getinfo) &&
        resolve(library, "curl_easy_strerror", api.easy_strerror) &&
        resolve(library, "curl_easy_cleanup", api.easy_cleanup) &&
        resolve(library, "curl_slist_append", api.slist_append) &&
        resolve(library, "curl_slist_free_all", api.slist_free_all);
    if (!complete || api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
    return &api;
}

}  // namespace

const CurlApi* curlApi() {
    // Loaded and initialised once, by whichever thread needs it first.
    static const CurlApi* const api = load();
    return api;
}

bool loadTransferLibrary() { return curlApi() != nullptr; }

}  // namespace quilldar::update
