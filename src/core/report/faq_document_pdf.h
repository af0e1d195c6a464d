#pragma once

#include <QString>

namespace quilldar::report {

// Renders an FAQ written in a small plain-text markup to a multi-page A4 PDF:
//   "# text"   the title (first page, under the header image)
//   "## text"  a question or section heading
//   "- text"   a list item; following indented lines continue it
//   other lines are paragraph text; a blank line ends a paragraph or list item.
// Text is wrapped at word boundaries; the fonts and encoding are those of the report for the
// language. installDir gives the fonts and "PrintHeader.png"; problem says why nothing was written.
bool renderFaqPdf(const QString& markup, int languageIndex, const QString& installDir,
                  const QString& outputPath, QString* problem = nullptr);

}  // namespace quilldar::report
