#include "gui/graph/reference_bar.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/widgets/fitting_text.h"
#include "settings/language_table.h"

namespace quilldar::gui {

namespace {
constexpr double kRecordSeconds = 0.15;
// Ten hours either way.
constexpr double kLongestOffset = 36000.0;
}  // namespace

ReferenceBar::ReferenceBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    compare_ = new QPushButton(this);
    compare_->setObjectName(QStringLiteral("compareButton"));
    clear_ = new QPushButton(this);
    clear_->setObjectName(QStringLiteral("clearReferenceButton"));
    offsetLabel_ = new QLabel(this);
    offset_ = new QDoubleSpinBox(this);
    offset_->setObjectName(QStringLiteral("referenceOffset"));
    offset_->setRange(-kLongestOffset, kLongestOffset);
    offset_->setSingleStep(kRecordSeconds);
    offset_->setDecimals(2);
    offset_->setSuffix(QStringLiteral(" s"));
    align_ = new QPushButton(this);
    align_->setObjectName(QStringLiteral("alignButton"));
    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("referenceLegend"));
    legend_->setMinimumWidth(40);
    for (QWidget* w : std::initializer_list<QWidget*>{compare_, clear_, offsetLabel_, offset_, align_}) row->addWidget(w);
    row->addWidget(legend_, 1);

    connect(compare_, &QPushButton::clicked, this, &ReferenceBar::compareClicked);
    connect(clear_, &QPushButton::clicked, this, &ReferenceBar::clearClicked);
    connect(align_, &QPushButton::clicked, this, &ReferenceBar::alignClicked);
    connect(offset_, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        // On whole records, whatever was typed.
        emit offsetChanged(std::round(seconds / kRecordSeconds) * kRecordSeconds);
    });
    showReference({}, {}, 0.0);
}

void ReferenceBar::applyTexts(const settings::LanguageTable& texts) {
    compare_->setText(mnemonicFree(texts.text(settings::GraphText::Compare)));
    clear_->setText(mnemonicFree(texts.text(settings::GraphText::ClearReference)));
    offsetLabel_->setText(texts.text(settings::GraphText::Offset));
    align_->setText(mnemonicFree(texts.text(settings::GraphText::AlignAtEngineStart)));
    legendPattern_ = texts.text(settings::GraphText::Legend);
    showLegend();
}

void ReferenceBar::showReference(const QString& mainName, const QString& referenceName, double offset) {
    mainName_ = mainName;
    referenceName_ = referenceName;
    const bool shown = !referenceName.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{clear_, offsetLabel_, offset_, align_}) w->setEnabled(shown);
    // Set again to the value it shows, the field would be drawn again for nothing.
    if (offset_->value() != offset) {
        const QSignalBlocker blocker(offset_);
        offset_->setValue(offset);
    }
    showLegend();
}

void ReferenceBar::showNote(const QString& note) {
    note_ = note;
    showLegend();
}

QString ReferenceBar::note() const { return note_; }

void ReferenceBar::showLegend() {
    QString text;
    if (!referenceName_.isEmpty()) text = QString(legendPattern_).arg(mainName_, referenceName_);
    if (!note_.isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral("   ")) + note_;
    setElidedText(legend_, text);
}

}  // namespace quilldar::gui
