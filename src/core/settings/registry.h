#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace quilldar::settings {

// The two roots the program keeps its values under.
enum class RegistryRoot {
    CurrentUser,   // per user: the install folder
    LocalMachine,  // machine-wide: everything else
};

// The key both roots use.
inline constexpr const char* kQuilldarKey = "Software\\Morvalin\\Quilldar";

// Where the roots live. On Windows they are the native registry; elsewhere each root is an INI
// file in one folder the user can write: "user.ini" and "machine.ini" (a user cannot write a
// machine-wide file on Linux, so the machine-wide root is a second file of the user's own).
class RegistryLocation {
public:
    // The user's configuration folder ($XDG_CONFIG_HOME/Morvalin/Quilldar), or the folder named
    // by QUILLDAR_SETTINGS_DIR; the native registry on Windows.
    static RegistryLocation standard();
    // Both roots as INI files in this folder; tests use a temporary folder.
    static RegistryLocation inFolder(const QString& folder);

    bool isNative() const { return folder_.isEmpty(); }
    const QString& folder() const { return folder_; }
    // The INI file of a root; empty for the native registry.
    QString fileOf(RegistryRoot root) const;

private:
    explicit RegistryLocation(QString folder) : folder_(std::move(folder)) {}
    QString folder_;
};

class CRegistry;

// One string value of an open key.
class CRegEntry {
public:
    CRegEntry(CRegistry& key, QString name) : key_(key), name_(std::move(name)) {}

    bool exists() const;
    QString value() const;
    // Replaces the value; false when the key is not open or the value could not be written.
    bool set(const QString& value);

private:
    CRegistry& key_;
    QString name_;
};

// Whether a key may be written. A reader never creates a key, a file or a folder.
enum class RegistryAccess { ReadWrite, ReadOnly };

// An open registry key, created when it does not exist. Every value is a string. Each write is
// flushed at once and its outcome checked, so that a value that could not be stored is noticed
// (errorText() tells why) instead of being lost silently.
class CRegistry {
public:
    CRegistry(const RegistryLocation& location, RegistryRoot root,
              const QString& keyPath = QString::fromLatin1(kQuilldarKey),
              RegistryAccess access = RegistryAccess::ReadWrite);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // False when the key could neither be opened nor created; nothing is read or written then.
    bool isOpen() const { return settings_ != nullptr; }
    CRegEntry operator[](const QString& name) { return CRegEntry(*this, name); }

    bool contains(const QString& name) const;
    QString value(const QString& name) const;
    bool setValue(const QString& name, const QString& value);

    // Why the key could not be opened or the last write failed; empty when all went well.
    const QString& errorText() const { return error_; }
    // Where the key lives, for messages: a file path or the native key path.
    const QString& where() const { return where_; }

private:
    QString fullName(const QString& name) const;

    bool readOnly_ = false;
    std::unique_ptr<QSettings> settings_;
    QString group_;
    QString where_;
    QString error_;
};

}  // namespace quilldar::settings
