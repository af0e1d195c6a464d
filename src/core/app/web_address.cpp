#include "app/web_address.h"

#include "state/message_sink.h"
#include "settings/language_table.h"

namespace quilldar::app {

QUrl makerWebSiteUrl() {
    return QUrl(QStringLiteral("https://") + QString::fromUtf16(kMakerWebAddress));
}

bool openMakerWebSite(const UrlOpener& opener, MessageSink& messages,
                      const settings::LanguageTable& table) {
    const QUrl url = makerWebSiteUrl();
    if (opener && opener(url)) return true;
    messages.showMessage(url.toString(), table.text(settings::MainText::Error));
    return false;
}

}  // namespace quilldar::app
