#pragma once

#include <QString>

namespace quilldar::files {

// The extensions of the browser's file types.
inline constexpr char16_t kRecordingExtension[] = u".QLS";
inline constexpr char16_t kExportExtension[] = u".CSV";

// The naming rule of the file browser: a name ending in ".FITS" (any letter case) loses those
// five characters; a name that then already ends in the extension keeps it as it is; any other
// name gets the extension appended. The name carries the extension exactly once, and the letters
// of the base name are never touched ("ROADS" gives "ROADS.QLS"). The extension is compared
// without regard to letter case, so an existing "ride.qls" is not renamed to another file.
QString applyNamingRule(const QString& name, const QString& extension);

// A file's name as the name field shows it: without ".FITS" and without the extension.
QString nameWithoutExtension(const QString& name, const QString& extension);

// Whether a typed name names one entry of the current folder: not empty, not "." or "..", and
// free of path separators, so that it cannot reach into another folder.
bool isPlainName(const QString& name);

// The path line: the folder as the user reads it, shortened from the left while it is longer than
// 60 characters and holds at least 3 separators: up to and including its second separator is cut
// and "..." put in front.
QString shortenPathText(const QString& text, QChar separator);

}  // namespace quilldar::files
