#include "pages/models_list.h"

#include <QLocale>

#include "settings/display_text.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::pages {

using settings::MainText;
using settings::ModelsText;

ModelsDialogTexts takeModelsDialogTexts(settings::LanguageTable& table, int languageIndex) {
    ModelsDialogTexts texts;
    texts.title = table.text(MainText::Models);
    texts.motorcyclesHeading = upperCaseIn(table.text(ModelsText::Motorcycles), languageIndex);
    texts.atvsHeading = upperCaseIn(table.text(ModelsText::Atvs), languageIndex);
    texts.motorcycleList = settings::displayText(table.text(ModelsText::MotorcycleList));
    texts.atvList = settings::displayText(table.text(ModelsText::AtvList));
    texts.close = table.text(ModelsText::Close);
    table.markApplied(settings::TextGroup::ModelsDialog);
    return texts;
}

QString upperCaseIn(const QString& text, int languageIndex) {
    const QLocale locale(QLatin1String(settings::languageInfo(languageIndex).code));
    return locale.toUpper(text);
}

}  // namespace quilldar::pages
