#pragma once

#include <QString>
#include <QUrl>

#include "app/url_opener.h"

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::app {

class MessageSink;

// The About dialog's texts, line breaks already one '\n' each.
struct AboutTexts {
    QString caption;      // "About"
    QString heading;      // the product title without the version
    QString description;  // three paragraphs with an empty line between them
    QString notice;       // maker and years
    QString linkText;     // the maker's web address as shown
    QUrl linkUrl;         // where the link leads
    QString close;        // "Close"
};

// What the About dialog's window does for its core object.
class AboutDialogView {
public:
    virtual ~AboutDialogView() = default;
    virtual void applyTexts(const AboutTexts& texts) = 0;
};

// The behaviour of the About dialog: its texts from the language table, re-applied on the
// dialog's 100 ms timer after the table was refilled, and the link to the maker's web site.
class AboutDialogModel {
public:
    AboutDialogModel(settings::LanguageTable& table, UrlOpener opener, MessageSink& messages);

    // Shows the texts whatever the refresh marker says and marks them as applied.
    void open(AboutDialogView& view);
    // The dialog's 100 ms timer: re-applies the texts once after each fill of the table.
    void tick();
    // The web address link was clicked: opens the maker's web site in the browser.
    bool openWebSite();

private:
    void applyTexts();

    settings::LanguageTable& table_;
    UrlOpener opener_;
    MessageSink& messages_;
    AboutDialogView* view_ = nullptr;
};

}  // namespace quilldar::app
