#pragma once

#include <QString>

#include "app/url_opener.h"

namespace quilldar::settings {
class LanguageTable;
struct Settings;
}  // namespace quilldar::settings

namespace quilldar::app {

class MessageSink;

// The FAQ document of a language: "FAQ_Quilldar_de.pdf" for German, "FAQ_Quilldar_ru.pdf" for
// Russian, "FAQ_Quilldar.pdf" for every other language.
QString faqDocumentName(int languageIndex);

// The FAQ document of the language: the one the update check downloaded into the user's own
// data folder when it is there, else the one in the install folder (also when neither exists).
QString faqDocumentPath(const QString& installDir, int languageIndex);

// The main window's FAQ command: opens the FAQ document of the current language (faqDocumentPath)
// in the desktop's PDF viewer. The documents arrive with the update check, so one may be
// missing: then the sink gets the document's path and "File not found." under the caption "FAQ"
// and nothing is started. When the desktop cannot open an existing document the sink gets its
// path under the caption "Error". Returns true when the viewer was started.
//
// The caller stops the poll timer around the call, restarts it at 100 ms afterwards and gives the
// focus back to the Open button.
bool openFaq(const settings::Settings& settings, const settings::LanguageTable& table,
             const UrlOpener& opener, MessageSink& messages);

}  // namespace quilldar::app
