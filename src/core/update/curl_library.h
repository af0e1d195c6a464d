#pragma once

#include <curl/curl.h>

namespace quilldar::update {

// libcurl's entry points, taken from the library loaded by name at the first transfer rather
// than linked: its two dozen dependencies (TLS, Kerberos, LDAP, SSH...) would otherwise be
// mapped and relocated at every start, before the window can show, for an update check that
// runs at most once a day.
struct CurlApi {
    CURLcode (*global_init)(long) = nullptr;
    CURLM* (*multi_init)() = nullptr;
    CURL* (*easy_init)() = nullptr;
    CURLMcode (*multi_add_handle)(CURLM*, CURL*) = nullptr;
    CURLMcode (*multi_remove_handle)(CURLM*, CURL*) = nullptr;
    CURLMcode (*multi_perform)(CURLM*, int*) = nullptr;
    CURLMcode (*multi_poll)(CURLM*, curl_waitfd*, unsigned int, int, int*) = nullptr;
    CURLMsg* (*multi_info_read)(CURLM*, int*) = nullptr;
    const char* (*multi_strerror)(CURLMcode) = nullptr;
    CURLMcode (*multi_cleanup)(CURLM*) = nullptr;
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
    const char* (*easy_strerror)(CURLcode) = nullptr;
    void (*easy_cleanup)(CURL*) = nullptr;
    curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
    void (*slist_free_all)(curl_slist*) = nullptr;
};

// The library's name as the system's loader finds it.
#ifdef _WIN32
inline constexpr const char* kCurlLibrary = "libcurl.dll";
#else
inline constexpr const char* kCurlLibrary = "libcurl.so.4";
#endif

// Loads libcurl once per process and initialises it; nullptr when it cannot be loaded or lacks
// an entry point (the program then runs without its update check).
const CurlApi* curlApi();

}  // namespace quilldar::update
