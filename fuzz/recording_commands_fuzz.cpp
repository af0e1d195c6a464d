// A whole recording through what quilldar-tool's info, export and dtc commands do: the summary in
// both forms, the CSV of four channels with units, language and channels drawn from the input,
// and the lines of the last trouble-code answer. The first bytes steer those choices, the rest is
// the recording file. Checks that the numbers the commands print agree with the recording (the
// segments add up to its records, the JSON parses and says the same), that the CSV has one data
// line per record after the two identification records, each of four ="number"; fields, and that
// dtc prints one line per record of the answer. The export is made twice and in English too: the
// same recording gives the same numbers whatever the language and however often it is exported.
#include <QBuffer>
#include <QByteArrayList>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "files/recording_file.h"
#include "fuzz_input.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "tool/recording_commands.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/live_value_slots.h"

using namespace quilldar;

namespace {

constexpr std::size_t kControlBytes = 24;

void check(bool ok) {
    if (!ok) std::abort();
}

void checkInfo(files::RecordingFile& recording) {
    const files::RecordingSummary summary = files::summarizeRecording(recording);
    std::uint64_t records = 0;
    for (const files::PageSegment& segment : summary.segments) {
        check(segment.records > 0);
        records += segment.records;
    }
    check(records == recording.recordCount());
    check(summary.checksumErrors <= recording.recordCount());

    const QString plain = tool::infoText(recording, false);
    check(plain.contains(QStringLiteral("\nRecords: %1\n").arg(recording.recordCount())));
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(tool::infoText(recording, true).toUtf8(), &error);
    check(error.error == QJsonParseError::NoError && json.isObject());
    const QJsonObject object = json.object();
    check(object.value(QStringLiteral("records")).toInteger() == recording.recordCount());
    check(object.value(QStringLiteral("segments")).toArray().size() == static_cast<qsizetype>(summary.segments.size()));
    check(object.value(QStringLiteral("checksumErrors")).toInteger() == summary.checksumErrors);
}

// A field as the export writes it: = " number " ; with an optional minus, digits, and at most
// three decimals without trailing zeros.
bool isCsvField(const QByteArray& field) {
    if (field.size() < 4 || !field.startsWith("=\"") || !field.endsWith('"')) return false;
    const QByteArray number = field.mid(2, field.size() - 3);
    qsizetype i = number.startsWith('-') ? 1 : 0;
    const qsizetype digits = i;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') ++i;
    if (i == digits) return false;
    if (i == number.size()) return number != "-0";
    if (number[i] != '.') return false;
    const qsizetype point = i++;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') ++i;
    return i == number.size() && number.size() - point - 1 >= 1 && number.size() - point - 1 <= 3 &&
           !number.endsWith('0');
}

QByteArray exportOf(files::RecordingFile& recording, const tool::ExportOptions& options) {
    static const settings::Settings stored = settings::SettingsStore::defaults(QDir::tempPath());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    check(tool::writeExport(recording, stored, options, out));
    return out.data();
}

// The export's numbers do not depend on the language (only its header does), and an export
// leaves the recording as it found it: the same export again gives the same bytes.
void checkExport(files::RecordingFile& recording, const tool::ExportOptions& options) {
    const QByteArray csv = exportOf(recording, options);
    check(exportOf(recording, options) == csv);
    tool::ExportOptions english = options;
    english.language = settings::kEnglish;
    const QByteArray englishCsv = exportOf(recording, english);
    check(csv.mid(csv.indexOf('\n')) == englishCsv.mid(englishCsv.indexOf('\n')));

    QByteArrayList lines = csv.split('\n');
    check(lines.takeLast().isEmpty());
    // At most one line per record after the identification: a record without a reading of the
    // four channels adds none.
    const std::uint32_t records = recording.recordCount() - std::min<std::uint32_t>(2, recording.recordCount());
    check(static_cast<std::uint64_t>(lines.size()) <= 1 + static_cast<std::uint64_t>(records));
    check(lines.front().endsWith('\r') && lines.front().count(';') >= 3);
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QByteArray& line = lines[l];
        check(line.endsWith(";\r"));
        const QByteArrayList fields = line.chopped(2).split(';');
        check(fields.size() == 4);
        // A channel that has not had a reading yet leaves its field empty; a line has one at least.
        bool anyNumber = false;
        for (const QByteArray& field : fields) {
            check(field.isEmpty() || isCsvField(field));
            anyNumber = anyNumber || !field.isEmpty();
        }
        check(anyNumber);
    }
}

void checkDtc(files::RecordingFile& recording) {
    const std::optional<link::Report> answer = tool::lastTroubleCodeAnswer(recording);
    if (!answer) return;
    check(vehicle::isTroubleCodeAnswer(*answer));
    const QString lines = tool::troubleCodeLines(*answer);
    check(static_cast<std::size_t>(lines.count(QLatin1Char('\n'))) == vehicle::dtcRecords(*answer).size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile scratch(".QLS");
    const std::size_t controlSize = std::min(size, kControlBytes);
    FuzzedDataProvider control(data, controlSize);
    scratch.write(data + controlSize, size - controlSize);

    tool::ExportOptions options;
    if (control.ConsumeBool()) options.speed = control.ConsumeIntegralInRange(0, 1);
    if (control.ConsumeBool()) options.temperature = control.ConsumeIntegralInRange(0, 1);
    if (control.ConsumeBool()) options.pressure = control.ConsumeIntegralInRange(0, 3);
    if (control.ConsumeBool()) options.language = control.ConsumeIntegralInRange(0, settings::kLanguageCount - 1);
    if (control.ConsumeBool()) {
        files::ChannelSelection channels{};
        for (int& channel : channels)
            channel = control.ConsumeIntegralInRange<int>(0, pages::kGraphChannelCount - 1);
        options.channels = channels;
    }

    files::RecordingFile recording;
    if (recording.load(scratch.path()) != files::LoadResult::Loaded) return 0;
    checkInfo(recording);
    checkExport(recording, options);
    checkDtc(recording);
    return 0;
}
