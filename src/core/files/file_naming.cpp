#include "files/file_naming.h"

namespace quilldar::files {

namespace {

constexpr int kPathTextLimit = 60;
constexpr int kPathTextMinSeparators = 3;

QString withoutFits(const QString& name) {
    static const QString kFits = QStringLiteral(".FITS");
    return name.endsWith(kFits, Qt::CaseInsensitive) ? name.chopped(kFits.size()) : name;
}

}  // namespace

QString applyNamingRule(const QString& name, const QString& extension) {
    const QString base = withoutFits(name);
    if (base.endsWith(extension, Qt::CaseInsensitive)) return base;
    return base + extension;
}

QString nameWithoutExtension(const QString& name, const QString& extension) {
    const QString base = withoutFits(name);
    return base.endsWith(extension, Qt::CaseInsensitive) ? base.chopped(extension.size()) : base;
}

bool isPlainName(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..") return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString shortenPathText(const QString& text, QChar separator) {
    QString shortened = text;
    // Each cut removes two separators, so the loop ends.
    while (shortened.size() > kPathTextLimit &&
           shortened.count(separator) >= kPathTextMinSeparators) {
        const int first = shortened.indexOf(separator);
        const int second = shortened.indexOf(separator, first + 1);
        shortened = QStringLiteral("...") + shortened.mid(second + 1);
    }
    return shortened;
}

}  // namespace quilldar::files
