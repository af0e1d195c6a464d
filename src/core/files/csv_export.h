#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "pages/channel_decoders.h"
#include "pages/graph_channels.h"
#include "files/recording_file.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::files {

// The four channels of the graph's charts, in chart order (channel numbers of pages::GraphChannel).
using pages::ChannelSelection;
using pages::isValidChannelSelection;
inline constexpr ChannelSelection kDefaultChannels = {0, 1, 2, 3};

// A value as a CSV field number: rounded to three decimals, trailing zeros and a bare point
// dropped (1254.5, 3000, 0.05, -10.25; 0.0004 gives 0).
void appendCsvNumber(std::string& out, double value);

// The header line without its line end: the four channel names separated by ";".
QString csvHeader(const ChannelSelection& channels, const settings::LanguageTable& texts);
// More fields at the end of a data line (before its CR LF), for the time of the line's record in
// seconds from the recording's start: a reference ride's channels.
using ExtraCsvFields = std::function<void(std::string& line, double seconds)>;

// One data line with its CR LF: per chart ="number"; from the channel's latest value, or an
// empty field while the channel has never held a reading; then the extra fields, if any.
void appendCsvDataLine(std::string& out, const vehicle::LiveValueSlots& liveValues,
                       const ChannelSelection& channels, const ExtraCsvFields& extra = {}, double seconds = 0.0);
// One field as a data line writes it: ="number"; (or just ; without a number).
void appendCsvField(std::string& out, std::optional<double> value);

struct CsvExportOptions {
    ChannelSelection channels = kDefaultChannels;
    vehicle::UnitSettings units;
    // The language of the channel names in the header.
    const settings::LanguageTable* texts = nullptr;
    // The header in the code page of the language; the default keeps Latin-1 (English).
    std::function<QByteArray(const QString&)> encode;
    // Names after the four channels' in the header (each preceded by ";"), and the fields that
    // follow them on each line.
    QStringList extraHeader;
    ExtraCsvFields extraFields;
};

// Writes the CSV of a whole recording: the header, then one data line per record after the two
// identification records that carries a reading of at least one of the four channels, from the
// channel values that the hidden page decoders (whose value slots are given) leave after
// decoding the record with the response check applied. A record without such a reading (a code
// answer, another block of the unit's data) adds no line. The recording is rewound before and
// after. False when the channels are invalid or writing failed.
bool exportRecording(RecordingFile& recording, pages::ChannelDecoders& decoder,
                     const vehicle::LiveValueSlots& liveValues, const CsvExportOptions& options,
                     QIODevice& out);

}  // namespace quilldar::files
