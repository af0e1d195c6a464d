#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include "settings/highlight_colour.h"
#include "settings/languages.h"

namespace quilldar::settings {
namespace {

QString chartValueName(int chart) { return QStringLiteral("Chart%1").arg(chart); }

// Reads a value, writing the default first when it is missing; the value read is then that
// default.
QString readOrCreate(CRegistry& key, const QString& name, const QString& fallback,
                     bool& writeFailed, bool create) {
    if (key.contains(name)) return key.value(name);
    if (create && !key.setValue(name, fallback)) writeFailed = true;
    return fallback;
}

}  // namespace

SettingsStore::SettingsStore(RegistryLocation location)
    : location_(std::move(location)),
      reporter_([](const QString& problem) { qWarning("quilldar: %s", qPrintable(problem)); }) {}

QString SettingsStore::installedDataFolder() {
    QStringList candidates;
    if (QCoreApplication::instance() != nullptr) {
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quilldar");
    }
#ifdef QUILLDAR_BUILD_DATA_DIR
    // The build's copy of data/ with the documents made at build time (the FAQ).
    candidates << QStringLiteral(QUILLDAR_BUILD_DATA_DIR);
#endif
#ifdef QUILLDAR_SOURCE_DATA_DIR
    candidates << QStringLiteral(QUILLDAR_SOURCE_DATA_DIR);
#endif
    for (const QString& candidate : candidates) {
        const QFileInfo folder(candidate);
        if (folder.isDir()) return QDir::cleanPath(folder.absoluteFilePath()) + QDir::separator();
    }
    return QString();
}

Settings SettingsStore::defaults(const QString& startupFolder) {
    Settings settings;
    settings.entries = decodeSettingsArray(encodeSettingsArray(SettingsArray{}));
    settings.languageIndex = kEnglish;
    settings.highlightColour = decodeHighlightColour(QLatin1String(kDefaultHighlightColourValue));
    settings.faqVersion = kFaqDefault;
    settings.chartChannels = {0, 1, 2, 3};
    settings.openSave1 = startupFolder;
    return settings;
}

void SettingsStore::load(Settings& settings, const QString& startupFolder) {
    {
        CRegistry user(location_, RegistryRoot::CurrentUser, QString::fromLatin1(kQuilldarKey), access_);
        if (user.isOpen()) {
            settings.installDir = user.value(QStringLiteral("InstallDir"));
        } else {
            report(user.errorText());
        }
        if (settings.installDir.isEmpty()) settings.installDir = installDirFallback_;
    }

    CRegistry machine(location_, RegistryRoot::LocalMachine, QString::fromLatin1(kQuilldarKey), access_);
    const bool create = access_ == RegistryAccess::ReadWrite;
    if (!machine.isOpen()) {
        // Nothing can be read or stored; the program runs on the values of a fresh installation
        // rather than on the placeholders it starts with.
        report(machine.errorText() + QStringLiteral("; the settings will not be kept"));
        const QString installDir = settings.installDir;
        settings = defaults(startupFolder);
        settings.installDir = installDir;
        return;
    }
    if (!machine.errorText().isEmpty()) report(machine.errorText());

    bool writeFailed = false;
    settings.entries = decodeSettingsArray(readOrCreate(
        machine, QStringLiteral("Settings"), encodeSettingsArray(SettingsArray{}), writeFailed, create));

    if (machine.contains(QStringLiteral("HLColor"))) {
        settings.highlightColour = decodeHighlightColour(machine.value(QStringLiteral("HLColor")));
    } else {
        if (create && !machine.setValue(QStringLiteral("HLColor"),
                              QLatin1String(kDefaultHighlightColourValue))) {
            writeFailed = true;
        }
        settings.highlightColour = decodeHighlightColour(QLatin1String(kDefaultHighlightColourValue));
        settings.entries[entry::kHighlightColour] = 0;
    }

    settings.faqVersion = readOrCreate(machine, QStringLiteral("FAQ"), kFaqDefault, writeFailed, create);

    for (int chart = 0; chart < 4; ++chart) {
        const QString value = readOrCreate(machine, chartValueName(chart), QString::number(chart),
                                           writeFailed, create);
        bool isNumber = false;
        const int channel = value.trimmed().toInt(&isNumber);
        settings.chartChannels[chart] = isNumber ? channel : chart;
    }

    settings.openSave1 =
        readOrCreate(machine, QStringLiteral("OpenSave1"), startupFolder, writeFailed, create);
    settings.languageIndex = decodeLanguage(
        readOrCreate(machine, QStringLiteral("Language2"), encodeLanguage(kEnglish), writeFailed, create));

    if (writeFailed) report(machine.errorText());
}

bool SettingsStore::store(const QString& name, const QString& value) {
    CRegistry machine(location_, RegistryRoot::LocalMachine, QString::fromLatin1(kQuilldarKey), access_);
    if (!machine.isOpen()) {
        report(QStringLiteral("cannot store \"%1\": %2").arg(name, machine.errorText()));
        return false;
    }
    if (!machine.setValue(name, value)) {
        report(machine.errorText());
        return false;
    }
    return true;
}

void SettingsStore::report(const QString& problem) {
    problems_ << problem;
    if (reporter_) reporter_(problem);
}

bool SettingsStore::storeSettingsArray(const SettingsArray& entries) {
    return store(QStringLiteral("Settings"), encodeSettingsArray(entries));
}

bool SettingsStore::storeHighlightColour(ColourRef colour) {
    return store(QStringLiteral("HLColor"), encodeHighlightColour(colour));
}

bool SettingsStore::storeFaqVersion(const QString& version) {
    return store(QStringLiteral("FAQ"), version);
}

bool SettingsStore::storeChartChannels(const std::array<int, 4>& channels) {
    bool stored = true;
    for (int chart = 0; chart < 4; ++chart) {
        stored = store(chartValueName(chart), QString::number(channels[chart])) && stored;
    }
    return stored;
}

bool SettingsStore::storeOpenSave1(const QString& folder) {
    return store(QStringLiteral("OpenSave1"), folder);
}

bool SettingsStore::storeOpenSave(const QString& folder) {
    return store(QStringLiteral("OpenSave"), folder);
}

bool SettingsStore::storeLanguage(int languageIndex) {
    return store(QStringLiteral("Language2"), encodeLanguage(languageIndex));
}

QString SettingsStore::readOpenSave() {
    CRegistry machine(location_, RegistryRoot::LocalMachine, QString::fromLatin1(kQuilldarKey), access_);
    return machine.value(QStringLiteral("OpenSave"));
}

}  // namespace quilldar::settings
