#include "settings/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quilldar::settings {
namespace {

QString rootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                             : QStringLiteral("HKEY_LOCAL_MACHINE");
}

}  // namespace

RegistryLocation RegistryLocation::standard() {
    const QString overridden = qEnvironmentVariable("QUILLDAR_SETTINGS_DIR");
    if (!overridden.isEmpty()) return inFolder(overridden);
#ifdef Q_OS_WIN
    return RegistryLocation(QString());
#else
    return inFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Morvalin/Quilldar"));
#endif
}

RegistryLocation RegistryLocation::inFolder(const QString& folder) {
    // An empty folder name would mean the native registry: use the working folder instead.
    return RegistryLocation(folder.isEmpty() ? QStringLiteral(".") : folder);
}

QString RegistryLocation::fileOf(RegistryRoot root) const {
    if (isNative()) return QString();
    return QDir(folder_).filePath(root == RegistryRoot::CurrentUser ? QStringLiteral("user.ini")
                                                                    : QStringLiteral("machine.ini"));
}

bool CRegEntry::exists() const { return key_.contains(name_); }

QString CRegEntry::value() const { return key_.value(name_); }

bool CRegEntry::set(const QString& value) { return key_.setValue(name_, value); }

CRegistry::CRegistry(const RegistryLocation& location, RegistryRoot root, const QString& keyPath,
                     RegistryAccess access)
    : readOnly_(access == RegistryAccess::ReadOnly) {
    // QSettings separates groups with '/', the registry with '\'.
    group_ = QString(keyPath).replace(u'\\', u'/');
    if (location.isNative()) {
        where_ = rootName(root) + u'\\' + keyPath;
        settings_ = std::make_unique<QSettings>(rootName(root), QSettings::NativeFormat);
        if (settings_->status() != QSettings::NoError) {
            error_ = QStringLiteral("cannot open %1").arg(where_);
            settings_.reset();
        }
        return;
    }

    where_ = QFileInfo(location.fileOf(root)).absoluteFilePath();
    const QFileInfo file(where_);
    if (readOnly_) {
        // A missing file reads as an empty key.
        settings_ = std::make_unique<QSettings>(where_, QSettings::IniFormat);
        if (file.exists() && settings_->status() == QSettings::AccessError) {
            error_ = QStringLiteral("cannot read %1").arg(where_);
            settings_.reset();
        }
        return;
    }
    if (!QDir().mkpath(file.absolutePath())) {
        error_ = QStringLiteral("cannot create the folder %1").arg(file.absolutePath());
        return;
    }
    // Creating the file now makes a key that cannot be written fail here, at opening, rather
    // than at the first value.
    if (file.isDir()) {
        error_ = QStringLiteral("cannot open %1: a folder has its name").arg(where_);
        return;
    }
    QFile create(where_);
    if (!create.open(QIODevice::ReadWrite | QIODevice::Append)) {
        error_ = QStringLiteral("cannot open %1: %2").arg(where_, create.errorString());
        return;
    }
    create.close();
    settings_ = std::make_unique<QSettings>(where_, QSettings::IniFormat);
    if (settings_->status() == QSettings::AccessError) {
        error_ = QStringLiteral("cannot read %1").arg(where_);
        settings_.reset();
    } else if (settings_->status() == QSettings::FormatError) {
        // The values that could be read stand; the others are missing and get their defaults.
        error_ = QStringLiteral("%1 is damaged; values that could not be read are reset").arg(where_);
    }
}

CRegistry::~CRegistry() = default;

QString CRegistry::fullName(const QString& name) const { return group_ + u'/' + name; }

bool CRegistry::contains(const QString& name) const {
    return settings_ && settings_->contains(fullName(name));
}

QString CRegistry::value(const QString& name) const {
    return settings_ ? settings_->value(fullName(name)).toString() : QString();
}

bool CRegistry::setValue(const QString& name, const QString& value) {
    if (!settings_) return false;
    if (readOnly_) {
        error_ = QStringLiteral("\"%1\" is not written: %2 is only read").arg(name, where_);
        return false;
    }
    settings_->setValue(fullName(name), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        error_ = QStringLiteral("cannot write \"%1\" to %2").arg(name, where_);
        return false;
    }
    return true;
}

}  // namespace quilldar::settings
