#pragma once

#include <QString>

namespace quilldar::settings {

// A text of the language table as a window shows it, with every line break as one '\n'. The
// table writes its breaks the way the original windows drew them: CR LF and LF CR are one break
// each, and a lone CR or LF is a break of its own. So "\r\n\n" (the model lists) and "\n\r\r"
// (the About description) each leave one empty line.
QString displayText(const QString& text);

}  // namespace quilldar::settings
