#pragma once

#include <QString>
#include <optional>

namespace quilldar::tool {

struct ReportOptions {
    QString path;
    // Where playback stops: after this many records, or at this time; the end when neither.
    std::optional<double> atSeconds;
    std::optional<int> record;
    std::optional<int> language;  // language index; the stored setting when unset
    // A .pdf file, or a folder for the report's own file name; the "Prints" folder of the current
    // folder when empty, as Print writes it.
    QString output;
};

// Plays the recording through the Engine, Error codes and Show data when trouble pages up to the
// position and writes the report Print would write there. Exit status 0 written, 1 the recording
// could not be read or the report not written.
int runReport(const ReportOptions& options);

}  // namespace quilldar::tool
