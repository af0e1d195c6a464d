#include "update/curl_library.h"

#include "platform/shared_library.h"
#include "update/transfer_library.h"

namespace quilldar::update {
namespace {

// The library stays loaded for the rest of the process: libcurl is not made to be unloaded.
const CurlApi* load() {
    static platform::SharedLibrary library;
    static CurlApi api;
    if (!library.load(kCurlLibrary)) return nullptr;
    const bool complete =
        library.resolve("curl_global_init", api.global_init) && library.resolve("curl_multi_init", api.multi_init) &&
        library.resolve("curl_easy_init", api.easy_init) &&
        library.resolve("curl_multi_add_handle", api.multi_add_handle) &&
        library.resolve("curl_multi_remove_handle", api.multi_remove_handle) &&
        library.resolve("curl_multi_perform", api.multi_perform) && library.resolve("curl_multi_poll", api.multi_poll) &&
        library.resolve("curl_multi_info_read", api.multi_info_read) &&
        library.resolve("curl_multi_strerror", api.multi_strerror) &&
        library.resolve("curl_multi_cleanup", api.multi_cleanup) &&
        library.resolve("curl_easy_setopt", api.easy_setopt) && library.resolve("curl_easy_getinfo", api.easy_getinfo) &&
        library.resolve("curl_easy_strerror", api.easy_strerror) &&
        library.resolve("curl_easy_cleanup", api.easy_cleanup) &&
        library.resolve("curl_slist_append", api.slist_append) &&
        library.resolve("curl_slist_free_all", api.slist_free_all);
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
