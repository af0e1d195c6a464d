#pragma once

#include <QIODevice>
#include <QString>
#include <optional>

#include "files/csv_export.h"
#include "files/recording_file.h"
#include "link/report.h"
#include "settings/settings.h"
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

// What the commands write, on a loaded recording, without the printing.
// The text of info: the JSON object or the lines of the plain form.
QString infoText(files::RecordingFile& recording, bool json);
// The CSV of export into out, with the units and language of stored unless the options say
// otherwise (the path and output of the options are not used). False when writing failed.
bool writeExport(files::RecordingFile& recording, settings::Settings stored,
                 const ExportOptions& options, QIODevice& out);
// The last trouble-code answer of the whole recording, if it holds one.
std::optional<link::Report> lastTroubleCodeAnswer(files::RecordingFile& recording);
// The lines of dtc: code;description;status for each record of the answer, in English.
QString troubleCodeLines(const link::Report& answer);

}  // namespace quilldar::tool
