#pragma once

namespace quilldar::update {

// How long a transfer may take, so that a server that does not answer cannot hold the program.
struct TransferLimits {
    int connectMs = 5000;  // the TCP (and TLS) connection must be up within this time
    // The transfer fails when less than one byte arrived in this many seconds.
    int stallSeconds = 20;
    int totalMs = 0;  // the whole transfer, 0: unbounded (a large file on a slow line)
    // A file of certificate authorities to trust instead of the system's store; empty: the
    // system's store.
    const char* caFile = nullptr;
};

// The version file is small and fetched before the user asked for anything: a few seconds at
// most.
inline constexpr TransferLimits kVersionFileLimits{3000, 5, 6000, nullptr};

}  // namespace quilldar::update
