#include "app/about_dialog_model.h"

#include "app/web_address.h"
#include "settings/display_text.h"
#include "settings/language_table.h"

namespace quilldar::app {

using settings::AboutText;

AboutDialogModel::AboutDialogModel(settings::LanguageTable& table, UrlOpener opener,
                                   MessageSink& messages)
    : table_(table), opener_(std::move(opener)), messages_(messages) {}

void AboutDialogModel::open(AboutDialogView& view) {
    view_ = &view;
    applyTexts();
    table_.markApplied(settings::TextGroup::AboutDialog);
}

void AboutDialogModel::tick() {
    if (view_ != nullptr && table_.takeRefresh(settings::TextGroup::AboutDialog)) applyTexts();
}

bool AboutDialogModel::openWebSite() { return openMakerWebSite(opener_, messages_, table_); }

void AboutDialogModel::applyTexts() {
    AboutTexts texts;
    texts.caption = table_.text(AboutText::About);
    texts.heading = table_.text(settings::MainText::ProductTitle);
    texts.description = settings::displayText(table_.text(AboutText::Description));
    texts.notice = settings::displayText(table_.text(AboutText::Notice));
    texts.linkText = table_.text(AboutText::WebAddress);
    texts.linkUrl = makerWebSiteUrl();
    texts.close = table_.text(AboutText::Close);
    view_->applyTexts(texts);
}

}  // namespace quilldar::app
