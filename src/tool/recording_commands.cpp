#include "tool/recording_commands.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

#include "files/recording_file.h"
#include "pages/current_values_table.h"
#include "pages/channel_decoders.h"
#include "pages/page_texts.h"
#include "settings/code_page.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/english_texts.h"
#include "vehicle/live_value_slots.h"
#include "tool/stored_settings.h"

namespace quilldar::tool {

namespace {

void printError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
void printOut(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

// Loads the recording; on failure the program's own message goes to standard error.
bool loadOrReport(files::RecordingFile& recording, const QString& path) {
    switch (recording.load(path)) {
        case files::LoadResult::Loaded:
            return true;
        case files::LoadResult::CannotOpen:
            printError(vehicle::englishFileLockedMessage());
            return false;
        case files::LoadResult::Corrupted:
            printError(vehicle::englishFileCorruptedMessage());
            return false;
    }
    return false;
}

QString pageName(int page) {
    static const char* const kNames[] = {
        "Engine",      "Transmission",           "Engine & Transmission", "ABS",  "EPS",
        "Error codes", "Show data when trouble", "Active tests",          "About"};
    return page >= 0 && page < static_cast<int>(std::size(kNames))
               ? QString::fromLatin1(kNames[page])
               : QStringLiteral("unknown page");
}

}  // namespace

QString infoText(files::RecordingFile& recording, bool json) {
    const files::RecordingIdentity& identity = recording.identity();
    const QString partNumber = QString::fromLatin1(identity.ecmPartNumber);
    const QString ecmCode = QString::fromLatin1(identity.ecmCode.data(),
                                                static_cast<qsizetype>(identity.ecmCode.size()));
    const QString duration =
        files::durationText(recording.recordCount(), vehicle::englishSecondsWord());
    const files::RecordingSummary summary = files::summarizeRecording(recording);

    if (json) {
        QJsonArray segments;
        for (const files::PageSegment& segment : summary.segments) {
            segments.append(QJsonObject{{"page", segment.page},
                                        {"records", static_cast<qint64>(segment.records)}});
        }
        const QJsonObject object{
            {"partNumber", partNumber},
            {"ecmCode", ecmCode},
            {"altListVariant", identity.altListVariant},
            {"records", static_cast<qint64>(recording.recordCount())},
            {"duration", duration},
            {"segments", segments},
            {"checksumErrors", static_cast<qint64>(summary.checksumErrors)},
        };
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    }

    QString text;
    text += QStringLiteral("ECM part number: %1\n")
                .arg(partNumber.isEmpty() ? QStringLiteral("---") : partNumber);
    text += QStringLiteral("ECM code: %1%2\n")
                .arg(ecmCode.isEmpty() ? QStringLiteral("---") : ecmCode,
                     identity.altListVariant ? QStringLiteral(" (second identification scheme)")
                                             : QString());
    text += QStringLiteral("Records: %1\n").arg(recording.recordCount());
    text += QStringLiteral("Duration: %1\n").arg(duration);
    text += QStringLiteral("Segments:\n");
    for (const files::PageSegment& segment : summary.segments) {
        text += QStringLiteral("  page %1 (%2): %3 records\n")
                    .arg(segment.page)
                    .arg(pageName(segment.page))
                    .arg(segment.records);
    }
    text += QStringLiteral("Checksum errors: %1\n").arg(summary.checksumErrors);
    return text;
}

int runInfo(const InfoOptions& options) {
    files::RecordingFile recording;
    if (!loadOrReport(recording, options.path)) return 1;
    printOut(infoText(recording, options.json));
    return 0;
}

bool writeExport(files::RecordingFile& recording, settings::Settings stored,
                 const ExportOptions& options, QIODevice& out) {
    if (options.language) stored.languageIndex = *options.language;
    settings::LanguageTable texts;
    texts.fill(stored.languageIndex, stored);
    vehicle::UnitSettings units = pages::unitSettings(stored);
    if (options.speed) units.speed = *options.speed;
    if (options.temperature) units.temperature = *options.temperature;
    if (options.pressure) units.pressure = *options.pressure;


    files::CsvExportOptions exportOptions;
    // Without --channels, the four channels the graph view shows ("Chart0".."Chart3") where the
    // recording's unit has them, else its own first channels.
    const files::RecordingIdentity& identity = recording.identity();
    exportOptions.channels = options.channels.value_or(pages::channelsFor(
        stored.chartChannels, pages::familyOfAddress(identity.unitAddress), identity.ecmCode));
    exportOptions.units = units;
    exportOptions.texts = &texts;
    vehicle::LiveValueSlots liveValues;
    // Every page that fills the channel slots, so that Transmission and Engine & Transmission
    // sessions export their values too; only the exported channels are decoded.
    pages::ChannelDecoders decoder(liveValues, texts, pages::slotsOf(exportOptions.channels));
    const int language = settings::isKnownLanguage(stored.languageIndex) ? stored.languageIndex : settings::kEnglish;
    exportOptions.encode = [language](const QString& text) { return settings::encodeForLanguage(language, text); };
    return files::exportRecording(recording, decoder, liveValues, exportOptions, out);
}

int runExport(const ExportOptions& options) {
    files::RecordingFile recording;
    if (!loadOrReport(recording, options.path)) return 1;

    // The units and the language the program would show, unless the command line says otherwise.
    settings::Settings stored = readStoredSettings();

    if (options.output.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || !writeExport(recording, stored, options, out) ||
            !out.flush()) {
            printError(QStringLiteral("Could not write the export to standard output."));
            return 1;
        }
        return 0;
    }
    // The target is replaced only once the whole export has been written.
    QSaveFile out(options.output);
    if (!out.open(QIODevice::WriteOnly) || !writeExport(recording, stored, options, out) ||
        !out.commit()) {
        printError(QStringLiteral("Could not write the export to %1: %2")
                       .arg(options.output, out.errorString()));
        return 1;
    }
    return 0;
}

std::optional<link::Report> lastTroubleCodeAnswer(files::RecordingFile& recording) {
    link::Report report{};
    std::optional<link::Report> lastAnswer;
    // The whole recording, whatever loading read of it.
    recording.rewind();
    while (recording.read(report)) {
        if (vehicle::isTroubleCodeAnswer(report)) lastAnswer = report;
    }
    return lastAnswer;
}

QString troubleCodeLines(const link::Report& answer) {
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    const vehicle::DtcStatusWords& words = vehicle::englishDtcStatusWords();
    QString text;
    for (const vehicle::DtcRecord& record : vehicle::dtcRecords(answer)) {
        const int number = vehicle::dtcNumber(record.high, record.low);
        text += vehicle::dtcDisplayCode(number, record.status) + QLatin1Char(';') +
                catalogue.text(number) + QLatin1Char(';') +
                vehicle::dtcStatusText(record.status, words) + QLatin1Char('\n');
    }
    return text;
}

int runDtc(const DtcOptions& options) {
    files::RecordingFile recording;
    if (!loadOrReport(recording, options.path)) return 1;
    const std::optional<link::Report> answer = lastTroubleCodeAnswer(recording);
    if (!answer) {
        printError(QStringLiteral("The recording holds no trouble-code answer."));
        return 0;
    }
    printOut(troubleCodeLines(*answer));
    return 0;
}

}  // namespace quilldar::tool
