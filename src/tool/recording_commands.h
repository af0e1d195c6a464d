#pragma once

#include <QString>
#include <optional>

#include "files/csv_export.h"
#include "vehicle/unit_settings.h"

namespace quilldar::tool {

struct InfoOptions {
    QString path;
    bool json = false;
};

struct ExportOptions {
    QString path;
    QString output;  // standard output when empty
    std::optional<files::ChannelSelection> channels;  // none: the stored chart channels
    // Each unset choice comes from the stored settings.
    std::optional<int> speed;
    std::optional<int> temperature;
    std::optional<int> pressure;
    std::optional<int> language;  // language index
};

struct DtcOptions {
    QString path;
};

// Each returns the exit status: 0 done, 1 the recording could not be read or the output not
// written.
int runInfo(const InfoOptions& options);
int runExport(const ExportOptions& options);
int runDtc(const DtcOptions& options);

}  // namespace quilldar::tool
