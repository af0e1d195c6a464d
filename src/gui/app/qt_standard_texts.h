#pragma once

#include <QTranslator>

namespace quilldar::gui {

// Qt's own words (the Yes, No, OK and Cancel buttons, the standard dialogs) in the language the
// settings choose, from Qt's translations installed on the system. English needs none; a
// language whose translations are not installed keeps Qt's English words.
class QtStandardTexts {
public:
    QtStandardTexts() = default;
    ~QtStandardTexts();
    QtStandardTexts(const QtStandardTexts&) = delete;
    QtStandardTexts& operator=(const QtStandardTexts&) = delete;

    // Replaces the words of the last language with those of languageIndex; true when Qt's
    // translations for it were found (or it is English).
    bool apply(int languageIndex);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace quilldar::gui
