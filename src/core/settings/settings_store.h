#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "settings/registry.h"
#include "settings/settings.h"

namespace quilldar::settings {

// Reads the settings at start-up and stores each value at the moment it changes. A value that
// cannot be stored does not stop the program: the problem is passed to the reporter (by default
// a warning on standard error) and kept in problems(), and the value stays as it is in memory.
class SettingsStore {
public:
    using Reporter = std::function<void(const QString& problem)>;

    explicit SettingsStore(RegistryLocation location = RegistryLocation::standard());

    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    // A reader (the command-line tool) takes the stored values, or the defaults where there are
    // none, and never writes, creates or completes anything.
    void setReadOnly(bool readOnly) { access_ = readOnly ? RegistryAccess::ReadOnly : RegistryAccess::ReadWrite; }
    // The install folder used when "InstallDir" is missing (it is never written).
    void setInstallDirFallback(QString folder) { installDirFallback_ = std::move(folder); }
    const QStringList& problems() const { return problems_; }
    const RegistryLocation& location() const { return location_; }

    // Start-up: "InstallDir" from the per-user key, then "Settings", "HLColor", "FAQ",
    // "Chart0".."Chart3", "OpenSave1" and "Language2" from the machine-wide key, in this order.
    // A missing value is written with its default. When the machine-wide key cannot be opened
    // nothing of it is read or written and the defaults stand in memory.
    void load(Settings& settings, const QString& startupFolder);

    // Each opens the key, replaces one value, closes the key; false when it could not be stored.
    bool storeSettingsArray(const SettingsArray& entries);
    bool storeHighlightColour(ColourRef colour);
    bool storeFaqVersion(const QString& version);
    bool storeChartChannels(const std::array<int, 4>& channels);
    bool storeOpenSave1(const QString& folder);
    bool storeOpenSave(const QString& folder);
    bool storeLanguage(int languageIndex);

    // "OpenSave" is not read at start-up but when an export needs its folder.
    QString readOpenSave();

    // Where the program's own files are when no installer recorded it: the installed data folder
    // (share/quilldar/ beside the program's bin/ folder), else the data/ folder of the source
    // tree the program was built from; always ending with a separator.
    static QString installedDataFolder();

    // The in-memory values of a fresh installation.
    static Settings defaults(const QString& startupFolder);

    static inline const QString kFaqDefault = QStringLiteral("1009");

private:
    bool store(const QString& name, const QString& value);
    void report(const QString& problem);

    RegistryLocation location_;
    RegistryAccess access_ = RegistryAccess::ReadWrite;
    Reporter reporter_;
    QString installDirFallback_ = installedDataFolder();
    QStringList problems_;
};

}  // namespace quilldar::settings
