#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace quilldar::tool {

struct CompareOptions {
    QString pathA;
    QString pathB;
    std::optional<std::vector<int>> channels;  // none: every channel both units have
    std::optional<int> language;                // none: the stored language
    bool json = false;
};

// Compares two recordings: their identification, the trouble codes only in A, only in B and in
// both, and each channel's minimum, mean and maximum with the difference of the means. Exit
// status 0, or 1 when a recording cannot be read (its reason on standard error).
int runCompare(const CompareOptions& options);

}  // namespace quilldar::tool
