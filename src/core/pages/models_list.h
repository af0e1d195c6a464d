#pragma once

#include <QString>

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::pages {

// What the Models window CDlgDialog10 shows: the title, the two headings in upper case, the
// motorcycle and ATV lists with one '\n' per line break, and the button text. The lists are the
// same English text in every language; they are not taken from the ECM model table.
struct ModelsDialogTexts {
    QString title;               // "Models"
    QString motorcyclesHeading;  // "MOTORCYCLES:"
    QString atvsHeading;         // "ATVS:"
    QString motorcycleList;
    QString atvList;
    QString close;  // "Close"
};

// Reads the texts in the table's current language and marks the group's texts as applied: the
// window is modal, so the language cannot change while it is open.
ModelsDialogTexts takeModelsDialogTexts(settings::LanguageTable& table, int languageIndex);

// The text in upper case by the casing rules of the language (Turkish "i" becomes "İ").
QString upperCaseIn(const QString& text, int languageIndex);

}  // namespace quilldar::pages
