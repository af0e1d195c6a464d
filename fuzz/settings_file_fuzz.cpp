// The settings read back from damaged settings files: the input is the machine-wide INI file (and
// a piece of it the per-user one) in a fresh settings folder, loaded as the program does at
// start-up and followed by the language table's fill, which corrects the units and the language.
// Every value must then be one the program can use: units within their lists, a known language,
// a highlight colour whose components are 0 or 255, the default period until the dialog stored
// the array, chart channels the graph view takes within 0..22, an install folder. The values a
// writable load completed the file with must read back the same, and so must each value stored.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "files/csv_export.h"
#include "fuzz_input.h"
#include "settings/highlight_colour.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "vehicle/live_value_slots.h"

using namespace quilldar;
using settings::Settings;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Entry 6 is left out: a load that finds no "HLColor" sets it to 0 in memory only.
bool sameValues(const Settings& a, const Settings& b) {
    settings::SettingsArray aEntries = a.entries;
    settings::SettingsArray bEntries = b.entries;
    aEntries[settings::entry::kHighlightColour] = bEntries[settings::entry::kHighlightColour] = 0;
    return aEntries == bEntries && a.languageIndex == b.languageIndex && a.highlightColour == b.highlightColour &&
           a.faqVersion == b.faqVersion && a.chartChannels == b.chartChannels && a.installDir == b.installDir &&
           a.openSave1 == b.openSave1;
}

settings::SettingsStore storeIn(const QString& folder, bool readOnly) {
    settings::SettingsStore store(settings::RegistryLocation::inFolder(folder));
    store.setReporter({});
    store.setReadOnly(readOnly);
    store.setInstallDirFallback(QStringLiteral("/opt/quilldar/share/"));
    return store;
}

Settings load(settings::SettingsStore& store) {
    Settings values;
    store.load(values, QStringLiteral("/home/rider"));
    return values;
}

void checkLoaded(const Settings& values) {
    require(!values.installDir.isEmpty());
    require((values.highlightColour & 0xFF000000u) == 0);
    for (int shift = 0; shift < 24; shift += 8) {
        const auto component = (values.highlightColour >> shift) & 0xFF;
        require(component == 0 || component == 0xFF);
    }
    if (values.entries[settings::entry::kSavedByDialog] == 0)
        require(values.entries[settings::entry::kHighlightPeriod] == settings::kDefaultHighlightPeriod);
}

// What the program makes of the values once the language table was filled.
void checkInUse(Settings values, settings::LanguageTable& table) {
    table.fill(values.languageIndex, values);
    require(settings::isKnownLanguage(values.languageIndex));
    for (int unit = 0; unit < 4; ++unit) require(values.entries[unit] < settings::kUnitChoiceCount[unit]);
    // The graph view and the export take the stored channels only when all four are valid.
    files::ChannelSelection channels;
    std::copy(values.chartChannels.begin(), values.chartChannels.end(), channels.begin());
    if (!files::isValidChannelSelection(channels)) channels = files::kDefaultChannels;
    for (const int channel : channels) require(channel >= 0 && channel < pages::kGraphChannelCount);
}

// Each value stored from what was read reads back the same.
void checkStoredValues(const QString& folder, const Settings& values) {
    settings::SettingsStore store = storeIn(folder, false);
    if (!store.storeSettingsArray(values.entries) || !store.storeHighlightColour(values.highlightColour) ||
        !store.storeChartChannels(values.chartChannels) || !store.storeLanguage(values.languageIndex) ||
        !store.storeFaqVersion(values.faqVersion) || !store.storeOpenSave1(values.openSave1))
        return;  // a damaged file the store cannot write (it said so)
    const Settings again = load(store);
    if (values.entries[settings::entry::kSavedByDialog] != 0) require(again.entries == values.entries);
    require(again.highlightColour == values.highlightColour);
    require(again.chartChannels == values.chartChannels);
    // "Language2" holds one character: any index the table accepts survives.
    if (settings::isKnownLanguage(values.languageIndex)) require(again.languageIndex == values.languageIndex);
    require(again.faqVersion == values.faqVersion);
    require(again.openSave1 == values.openSave1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root(fuzz::scratchFolderTemplate("settings"));
    static settings::LanguageTable table;
    static int run = 0;
    FuzzedDataProvider input(data, size);
    const bool readOnly = input.ConsumeBool();
    const std::string user = input.ConsumeRandomLengthString(64);
    const std::string machine = input.ConsumeRemainingBytesAsString();

    // A fresh folder per input, so that nothing one input wrote is read by the next.
    const QString folder = root.filePath(QString::number(run++));
    if (!QDir().mkpath(folder)) std::abort();
    writeFile(QDir(folder).filePath(QStringLiteral("user.ini")), user);
    writeFile(QDir(folder).filePath(QStringLiteral("machine.ini")), machine);

    settings::SettingsStore store = storeIn(folder, readOnly);
    const Settings values = load(store);
    checkLoaded(values);
    checkInUse(values, table);
    if (!readOnly) {
        // The load completed the file with the missing values: it now reads back the same.
        require(sameValues(load(store), values));
        Settings used = values;
        table.fill(used.languageIndex, used);
        checkStoredValues(folder, used);
    }
    QDir(folder).removeRecursively();
    return 0;
}
