#include "gui/settings/dlg_settings.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/settings/colour_box.h"
#include "gui/widgets/dialog_finish.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::gui {

using settings::UnitChoice;

namespace {

constexpr int kTextRefreshMs = 100;
constexpr std::array<const char*, 4> kUnitListNames = {"speedList", "temperatureList",
                                                       "pressureList", "airflowList"};

}  // namespace

CDlgSettings::CDlgSettings(settings::Settings& settings, settings::LanguageTable& table,
                           QWidget* parent)
    : QDialog(parent),
      model_(settings, table),
      table_(table),
      presenter_([](QWidget* owner, const QString& caption, const QString& text) {
          QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
      }) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    languageLabel_ = new QLabel(this);
    languageList_ = new QComboBox(this);
    languageList_->setObjectName(QStringLiteral("languageList"));
    languageList_->addItems(settings::languageListNames());
    grid->addWidget(languageLabel_, 0, 0);
    grid->addWidget(languageList_, 0, 1, 1, 2);
    for (int unit = 0; unit < 4; ++unit) {
        unitLabels_[unit] = new QLabel(this);
        unitLists_[unit] = new QComboBox(this);
        unitLists_[unit]->setObjectName(QLatin1String(kUnitListNames[unit]));
        unitLists_[unit]->addItems(settings::unitChoiceItems(static_cast<UnitChoice>(unit)));
        grid->addWidget(unitLabels_[unit], unit + 1, 0);
        grid->addWidget(unitLists_[unit], unit + 1, 1, 1, 2);
    }
    periodLabel_ = new QLabel(this);
    periodField_ = new QLineEdit(this);
    periodField_->setObjectName(QStringLiteral("periodField"));
    periodField_->setAlignment(Qt::AlignRight);
    periodField_->setMaxLength(5);
    periodField_->setFixedWidth(periodField_->fontMetrics().horizontalAdvance(u'0') * 5 + 12);
    periodField_->installEventFilter(this);
    colourBox_ = new ColourBox(this);
    colourBox_->setObjectName(QStringLiteral("colourBox"));
    grid->addWidget(periodLabel_, 5, 0);
    grid->addWidget(periodField_, 5, 1);
    grid->addWidget(colourBox_, 5, 2);
    grid->setColumnStretch(2, 1);

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &CDlgSettings::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CDlgSettings::reject);
    connect(languageList_, &QComboBox::activated, this,
            [this](int index) { model_.selectLanguage(index); });
    for (int unit = 0; unit < 4; ++unit) {
        connect(unitLists_[unit], &QComboBox::activated, this, [this, unit](int index) {
            model_.selectUnit(static_cast<UnitChoice>(unit), index);
        });
    }
    connect(colourBox_, &QComboBox::activated, this,
            [this](int index) { model_.selectColour(index); });

    model_.open(*this);
    connect(&timer_, &QTimer::timeout, this, [this] { model_.tick(); });
    timer_.start(kTextRefreshMs);
}

CDlgSettings::~CDlgSettings() = default;

void CDlgSettings::accept() {
    if (!closing_) model_.ok(periodField_->text());
}

void CDlgSettings::reject() {
    if (!closing_) model_.cancel();
}

bool CDlgSettings::focusNextPrevChild(bool) {
    // The Tab key does not move the keyboard focus in this dialog.
    return false;
}

bool CDlgSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == periodField_ && event->type() == QEvent::FocusOut && !closing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        // Leaving for another control of the dialog validates the field. OK validates it itself,
        // Cancel drops it, and switching to another window is not leaving the field.
        const bool withinDialog = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                                  reason == Qt::BacktabFocusReason ||
                                  reason == Qt::OtherFocusReason;
        if (withinDialog && next != okButton_ && next != cancelButton_ &&
            !model_.leavePeriodField(periodField_->text())) {
            QTimer::singleShot(0, this, [this] {
                periodField_->setFocus();
                periodField_->selectAll();
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgSettings::applyTexts(const settings::SettingsDialogTexts& texts) {
    setWindowTitle(texts.caption);
    languageLabel_->setText(texts.language);
    unitLabels_[0]->setText(texts.speed);
    unitLabels_[1]->setText(texts.temperature);
    unitLabels_[2]->setText(texts.pressure);
    unitLabels_[3]->setText(texts.airflow);
    periodLabel_->setText(texts.highlightingPeriod);
    okButton_->setText(texts.ok);
    cancelButton_->setText(texts.cancel);
}

void CDlgSettings::showSelections(const settings::SettingsDialogSelections& selections) {
    languageList_->setCurrentIndex(selections.language);
    for (int unit = 0; unit < 4; ++unit) unitLists_[unit]->setCurrentIndex(selections.units[unit]);
    colourBox_->setCurrentIndex(selections.colour);
}

void CDlgSettings::showPeriod(const QString& text) { periodField_->setText(text); }

void CDlgSettings::showValidationMessage(const QString& text) {
    presenter_(this, table_.text(settings::MainText::ProductTitle), text);
    periodField_->setFocus();
    periodField_->selectAll();
}

void CDlgSettings::closeDialog(bool accepted) { finishDialog(*this, timer_, closing_, accepted); }

}  // namespace quilldar::gui
