#include "gui/app/dlg_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "context/app_context.h"

namespace quilldar::gui {
namespace {

constexpr int kTextRefreshMs = 100;
constexpr int kTextWidth = 460;  // pixels; the description wraps at this width

// The dark window of the program is inherited from the main window; this adds what only the
// About dialog has.
constexpr char kAboutStyle[] =
    "#aboutHeading { font-size: 16px; font-weight: bold; color: #ffff00; }"
    "#aboutNotice { color: #c8c8c8; }";
constexpr char kLinkColour[] = "#5fb4ff";

}  // namespace

CDlgAbout::CDlgAbout(settings::LanguageTable& table, app::UrlOpener opener,
                     app::MessageSink* messages, QWidget* parent)
    : QDialog(parent),
      boxMessages_(this),
      model_(table, std::move(opener), messages != nullptr ? *messages : boxMessages_) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QLatin1String(kAboutStyle));

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("aboutHeading"));
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("aboutDescription"));
    description_->setTextFormat(Qt::PlainText);
    description_->setWordWrap(true);
    description_->setFixedWidth(kTextWidth);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("aboutNotice"));
    notice_->setTextFormat(Qt::PlainText);
    link_ = new QLabel(this);
    link_->setObjectName(QStringLiteral("aboutLink"));
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // The link goes through the model, not straight to the desktop, so that its opener decides.
    link_->setOpenExternalLinks(false);
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->addWidget(heading_);
    layout->addSpacing(6);
    layout->addWidget(description_);
    layout->addSpacing(10);
    layout->addWidget(notice_);
    layout->addWidget(link_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(link_, &QLabel::linkActivated, this, [this] { model_.openWebSite(); });

    model_.open(*this);
    connect(&timer_, &QTimer::timeout, this, [this] { model_.tick(); });
    timer_.start(kTextRefreshMs);
}

CDlgAbout::~CDlgAbout() = default;

bool CDlgAbout::focusNextPrevChild(bool) {
    // The Tab key does not move the keyboard focus in this dialog.
    return false;
}

void CDlgAbout::applyTexts(const app::AboutTexts& texts) {
    setWindowTitle(texts.caption);
    heading_->setText(texts.heading);
    description_->setText(texts.description);
    notice_->setText(texts.notice);
    link_->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2;\">%3</a>")
                       .arg(texts.linkUrl.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                            QLatin1String(kLinkColour), texts.linkText.toHtmlEscaped()));
    closeButton_->setText(texts.close);
}

void runAboutDialog(QWidget* parent, app::AppContext& context, app::UrlOpener opener) {
    CDlgAbout dialog(context.languageTable(), std::move(opener), nullptr, parent);
    dialog.exec();
}

}  // namespace quilldar::gui
