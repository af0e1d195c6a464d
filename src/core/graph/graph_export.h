#pragma once

#include <QByteArray>
#include <QString>

#include "files/csv_export.h"
#include "graph/reference_ride.h"
#include "vehicle/live_value_slots.h"

namespace quilldar::graph {

// The running export of a live graph: a fixed file that receives one data line per plotted
// sample, through the same line writer as the export of a recording.
class LiveExport {
public:
    // Creates (or empties) the file and writes the header line; false when it cannot be written.
    bool start(const QString& path, const QByteArray& headerLine);
    // Appends one data line from the channel values; a file that cannot be opened loses this
    // line only.
    bool appendLine(const vehicle::LiveValueSlots& values, const files::ChannelSelection& channels,
                    const files::ExtraCsvFields& extra = {}, double seconds = 0.0);
    const QString& path() const { return path_; }

private:
    QString path_;
};

enum class ExportResult { Written, CannotWrite };

// Adds the reference ride's four channels to an export: after the graph's own, under their
// names with the reference's file in brackets, each the reference's value at the line's time
// with its offset applied (an empty field where it has none).
void addReferenceColumns(files::CsvExportOptions& options, const ReferenceRide& reference,
                         const settings::LanguageTable& texts);

// Exports a whole recording into target: first into the working file, then moved over the
// target. On failure the working file is removed and the target is left as it was, so no
// half-written file remains.
ExportResult exportRecordingToFile(files::RecordingFile& recording, pages::ChannelDecoders& decoders,
                                   const vehicle::LiveValueSlots& values,
                                   const files::CsvExportOptions& options,
                                   const QString& workingFile, const QString& target);

}  // namespace quilldar::graph
