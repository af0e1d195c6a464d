#include "files/csv_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace quilldar::files {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Output is handed to the device in blocks of about this size.
constexpr std::size_t kFlushSize = 256 * 1024;

bool writeAll(QIODevice& out, const char* data, std::size_t size) {
    return out.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size);
}

}  // namespace

void appendCsvNumber(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0.0;
    // Room for the longest fixed-notation double: a sign, the 309 integer digits of the largest
    // value, the point and three decimals. A smaller buffer makes to_chars give up on large values.
    constexpr std::size_t kLongestNumber = 1 + std::numeric_limits<double>::max_exponent10 + 1 + 1 + 3;
    char buffer[kLongestNumber + 1];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    if (result.ec != std::errc()) {
        out += '0';
        return;
    }
    char* end = result.ptr;
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    // A small negative value rounds to zero; it is written as 0, not -0.
    out += text == "-0" ? std::string_view("0") : text;
}

QString csvHeader(const ChannelSelection& channels, const settings::LanguageTable& texts) {
    QString header;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (i > 0) header += QLatin1Char(';');
        header += pages::channelName(texts, channels[i]);
    }
    return header;
}

void appendCsvField(std::string& out, std::optional<double> value) {
    if (value) {
        out += "=\"";
        appendCsvNumber(out, *value);
        out += '"';
    }
    out += ';';
}

void appendCsvDataLine(std::string& out, const vehicle::LiveValueSlots& liveValues,
                       const ChannelSelection& channels, const ExtraCsvFields& extra, double seconds) {
    for (const int channel : channels) {
        const pages::GraphChannel* known = pages::findGraphChannel(channel);
        const bool read = known != nullptr && liveValues.readings(known->slot) != 0;
        appendCsvField(out, read ? std::optional<double>(liveValues.latest(known->slot)) : std::nullopt);
    }
    if (extra) extra(out, seconds);
    out += kLineEnd;
}

bool exportRecording(RecordingFile& recording, pages::ChannelDecoders& decoder,
                     const vehicle::LiveValueSlots& liveValues, const CsvExportOptions& options,
                     QIODevice& out) {
    if (!isValidChannelSelection(options.channels) || options.texts == nullptr) return false;
    QString header = csvHeader(options.channels, *options.texts);
    for (const QString& name : options.extraHeader) header += QLatin1Char(';') + name;
    const QByteArray headerBytes = options.encode ? options.encode(header) : header.toLatin1();

    std::string text;
    text.reserve(kFlushSize + 256);
    text.append(headerBytes.constData(), static_cast<std::size_t>(headerBytes.size()));
    text += kLineEnd;

    const RecordingIdentity& identity = recording.identity();
    bool ok = recording.seek(std::min(kIdentificationRecords, recording.recordCount()));
    link::Report report{};
    std::array<std::size_t, 4> channelSlots{};
    for (std::size_t chart = 0; chart < channelSlots.size(); ++chart)
        channelSlots[chart] = pages::findGraphChannel(options.channels[chart])->slot;
    const auto readingsNow = [&] {
        std::array<std::uint32_t, 4> readings{};
        for (std::size_t chart = 0; chart < channelSlots.size(); ++chart) readings[chart] = liveValues.readings(channelSlots[chart]);
        return readings;
    };
    // The record's time from the start of the recording, as the graph counts it.
    std::uint32_t step = 0;
    while (ok && recording.read(report)) {
        const double seconds = step++ * kSecondsPerRecord;
        const std::array<std::uint32_t, 4> before = readingsNow();
        decoder.decode(report, identity.ecmCode, identity.altListVariant, options.units);
        if (readingsNow() == before) continue;  // no reading of these channels in this record
        appendCsvDataLine(text, liveValues, options.channels, options.extraFields, seconds);
        if (text.size() >= kFlushSize) {
            ok = writeAll(out, text.data(), text.size());
            text.clear();
        }
    }
    // A read that stopped early (the file shrank or failed) leaves the export incomplete.
    if (recording.position() != recording.recordCount()) ok = false;
    if (ok) ok = writeAll(out, text.data(), text.size());
    recording.rewind();
    return ok;
}

}  // namespace quilldar::files
