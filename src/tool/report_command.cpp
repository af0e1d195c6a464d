#include "tool/report_command.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/recording_file.h"
#include "link/page_lists.h"
#include "pages/current_values_table.h"
#include "pages/engine_page_model.h"
#include "pages/error_codes_page.h"
#include "pages/freeze_frame_page.h"
#include "pages/page_texts.h"
#include "report/pdf_report.h"
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

// The playback time field shows nothing below this many seconds but zero.
constexpr double kZeroTimeBelow = 0.16;
constexpr int kTimeDigits = 10;

}  // namespace

int runReport(const ReportOptions& options) {
    files::RecordingFile recording;
    switch (recording.load(options.path)) {
        case files::LoadResult::Loaded: break;
        case files::LoadResult::CannotOpen: printError(vehicle::englishFileLockedMessage()); return 1;
        case files::LoadResult::Corrupted: printError(vehicle::englishFileCorruptedMessage()); return 1;
    }

    settings::Settings stored = readStoredSettings();
    if (options.language) stored.languageIndex = *options.language;
    const int language = settings::isKnownLanguage(stored.languageIndex) ? stored.languageIndex : settings::kEnglish;
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    settings::LanguageTable texts;
    texts.setTroubleCodeSink([&catalogue](int number, const QString& text) { catalogue.assign(number, text); });
    texts.fill(language, stored);
    const vehicle::UnitSettings units = pages::unitSettings(stored);

    // The same page objects the window runs, fed one record after the other as playback does.
    vehicle::LiveValueSlots liveValues;
    pages::CurrentValuesTable readings;
    pages::EnginePageModel engine(liveValues, readings);
    engine.reset(pages::engineTexts(texts), vehicle::englishUnitTexts(units), units.highlightPeriod);
    pages::ErrorCodesPage errorCodes;
    pages::FreezeFramePage freezeFrames;
    const vehicle::DtcStatusWords words{texts.text(settings::ErrorCodesText::Past),
                                        texts.text(settings::ErrorCodesText::Pending),
                                        texts.text(settings::ErrorCodesText::Current)};
    app::AppState state;

    const std::uint32_t count = recording.recordCount();
    std::uint32_t stop = count;
    if (options.record) stop = static_cast<std::uint32_t>(std::clamp<std::int64_t>(*options.record, 0, count));
    if (options.atSeconds)
        stop = static_cast<std::uint32_t>(std::clamp<double>(std::round(*options.atSeconds / files::kSecondsPerRecord), 0, count));

    const files::RecordingIdentity& identity = recording.identity();
    const pages::EngineRefreshInput input{identity.ecmCode, identity.altListVariant, false, units};
    recording.rewind();
    link::Report report{};
    for (std::uint32_t i = 0; i < stop && recording.read(report); ++i) {
        link::extractDtcCount(report, state);
        engine.refresh(report, input);
        errorCodes.tick(report, catalogue, words);
        freezeFrames.tick(report, identity.ecmCode, texts, catalogue);
    }

    report::ReportInputs in =
        report::reportInputsFromPages(texts, language, errorCodes, freezeFrames, readings, state.dtcCount);
    in.installDir = stored.installDir.isEmpty() ? settings::SettingsStore::installedDataFolder() : stored.installDir;
    in.startupFolder = QDir::currentPath();
    in.now = QDateTime::currentDateTime();
    in.playback = true;
    // The recording names its ECM but not the interface module that made it.
    in.unit.ecmId = QString::fromLatin1(identity.ecmPartNumber);
    in.unit.modelCode = QString::fromStdString(identity.ecmCode);
    in.recordingName = QFileInfo(options.path).fileName();
    double seconds = stop * files::kSecondsPerRecord;
    if (seconds < kZeroTimeBelow) seconds = 0;
    in.playbackTimeText = texts.text(settings::MainText::Time) + files::secondsText(seconds, kTimeDigits) +
                          texts.text(settings::MainText::Seconds);

    report::ReportResult result;
    if (options.output.isEmpty()) {
        result = report::writeReport(in);
    } else if (QFileInfo(options.output).isDir()) {
        result = report::writeReportTo(in, QDir(options.output).filePath(report::reportFileName(in.now)));
    } else {
        result = report::writeReportTo(in, options.output);
    }
    if (!result.written) {
        printError(result.problem);
        return 1;
    }
    std::printf("%s\n", QDir::toNativeSeparators(result.path).toUtf8().constData());
    return 0;
}

}  // namespace quilldar::tool
