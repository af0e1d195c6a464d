#include "gui/pages/dlg_dialog8.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "settings/language_table.h"

namespace quilldar::gui {

namespace {

using pages::TestButton;
using pages::TestField;
using settings::ActiveTestsText;

// One row of the page: its label, its buttons with their captions, its field and unit.
struct RowSpec {
    ActiveTestsText label;
    std::vector<std::pair<TestButton, ActiveTestsText>> buttons;
    int field = -1;  // a TestField, or -1
    int unit = -1;   // an ActiveTestsText, or -1
};

const std::vector<RowSpec>& rows() {
    using T = ActiveTestsText;
    static const std::vector<RowSpec> kRows = {
        {T::SteeringDamperControl, {{TestButton::DamperOn, T::On}, {TestButton::DamperOff, T::Off}},
         static_cast<int>(TestField::DamperCurrent), static_cast<int>(T::UnitAmpere)},
        {T::SecondaryThrottleControl,
         {{TestButton::SecondaryClose, T::Close}, {TestButton::SecondaryOpen, T::Open}, {TestButton::SecondaryOff, T::Off}},
         static_cast<int>(TestField::SecondaryThrottle), static_cast<int>(T::UnitPercent)},
        {T::ExhaustValveControl,
         {{TestButton::ExhaustClose, T::Close}, {TestButton::ExhaustOpen, T::Open}, {TestButton::ExhaustOff, T::Off}},
         static_cast<int>(TestField::ExhaustValve), static_cast<int>(T::UnitPercent)},
        {T::IscAirVolumeControl, {{TestButton::IscAirOn, T::On}, {TestButton::IscAirOff, T::Off}}},
        {T::IscRpmControl, {{TestButton::IscRpmOff, T::Off}}, static_cast<int>(TestField::EngineSpeed),
         static_cast<int>(T::UnitRpm)},
        {T::EvapPurgeControl, {{TestButton::EvapOn, T::On}, {TestButton::EvapOff, T::Off}}, static_cast<int>(TestField::Evap)},
        {T::PairSolenoidControl, {{TestButton::PairOn, T::On}, {TestButton::PairOff, T::Off}}, static_cast<int>(TestField::Pair)},
        {T::CoolingFanControl,
         {{TestButton::FanStart, T::Start}, {TestButton::FanStop, T::Stop}, {TestButton::FanOff, T::Off}},
         static_cast<int>(TestField::Fan)},
        {T::PpsLearnedReset, {{TestButton::PpsReset, T::Reset}}},
        {T::IscLearnedReset, {{TestButton::IscReset, T::Reset}}},
        {T::TpLearnedReset, {{TestButton::TpReset, T::Reset}}},
    };
    return kRows;
}

constexpr int kIscRpmRow = 4;
constexpr int kButtonColumn = 1;
constexpr int kSpinColumn = 1;
constexpr int kFieldColumn = 4;

}  // namespace

CDlgDialog8::CDlgDialog8(app::AppContext& context, CommandRunner runCommand, QWidget* parent)
    : QWidget(parent),
      context_(context),
      runCommand_(std::move(runCommand)),
      askUser_([](QWidget* parent, const QString& text) {
          return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
      }),
      tellUser_([](QWidget* parent, pages::Notice notice, const QString& caption, const QString& text) {
          if (notice == pages::Notice::Done) {
              QMessageBox::information(parent, caption, text, QMessageBox::Ok);
          } else {
              QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
          }
      }) {
    pages::ActiveTestsView& view = *this;
    model_ = std::make_unique<pages::ActiveTestsPage>(context.link(), context.state(), context.ecm(),
                                                      context.languageTable(), view);
    buildRows();
    setStyleSheet(QStringLiteral("QLabel { color: #ffffff; } QLabel[role=\"state\"] { color: #ffff00; }"));
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &CDlgDialog8::tick);
    timer_.start(kTimerPeriodMs);
}

CDlgDialog8::~CDlgDialog8() = default;

void CDlgDialog8::setPresenters(QuestionPresenter questions, MessagePresenter messages) {
    askUser_ = std::move(questions);
    tellUser_ = std::move(messages);
}

void CDlgDialog8::buildRows() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    int line = 0;
    for (const RowSpec& row : rows()) {
        auto* label = new QLabel(this);
        rowLabels_.emplace_back(label, static_cast<int>(row.label));
        grid->addWidget(label, line, 0);
        int column = kButtonColumn;
        if (line == kIscRpmRow) {
            // The target idle speed with its spin: a step up or down sends a new target.
            auto* box = new QWidget(this);
            auto* boxLayout = new QHBoxLayout(box);
            boxLayout->setContentsMargins(0, 0, 0, 0);
            targetIdle_ = new QLineEdit(box);
            targetIdle_->setObjectName(QStringLiteral("targetIdle"));
            targetIdle_->setReadOnly(true);
            targetIdle_->setFixedWidth(70);
            spin_ = new QSpinBox(box);
            spin_->setObjectName(QStringLiteral("targetIdleSpin"));
            spin_->setRange(-1000000, 1000000);
            spin_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
            spin_->setFixedWidth(22);
            spin_->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; background: #323232; }"));
            boxLayout->addWidget(targetIdle_);
            boxLayout->addWidget(spin_);
            grid->addWidget(box, line, kSpinColumn);
            connect(spin_, &QSpinBox::valueChanged, this, [this, last = 0](int value) mutable {
                const int direction = value > last ? 1 : -1;
                last = value;
                runCommand_([&] { model_->spinStep(direction); });
                showState();
            });
            column = kSpinColumn + 1;
        }
        for (const auto& [id, caption] : row.buttons) {
            auto* b = new QPushButton(this);
            b->setObjectName(QStringLiteral("testButton%1").arg(static_cast<int>(id)));
            b->setAutoDefault(false);
            b->setProperty("caption", static_cast<int>(caption));
            buttons_[static_cast<std::size_t>(id)] = b;
            grid->addWidget(b, line, column++);
            connect(b, &QPushButton::clicked, this, [this, id = id] {
                runCommand_([&] { model_->press(id); });
                showState();
            });
        }
        if (row.field >= 0) {
            auto* field = new QLabel(this);
            field->setProperty("role", QStringLiteral("state"));
            field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            field->setMinimumWidth(60);
            fields_[static_cast<std::size_t>(row.field)] = field;
            grid->addWidget(field, line, kFieldColumn);
        }
        if (row.unit >= 0) {
            auto* unit = new QLabel(this);
            unitLabels_.emplace_back(unit, row.unit);
            grid->addWidget(unit, line, kFieldColumn + 1);
        }
        ++line;
    }
    grid->setRowStretch(line, 1);
    grid->setColumnStretch(kFieldColumn + 2, 1);
    showState();
}

void CDlgDialog8::applyTexts() {
    const settings::LanguageTable& texts = context_.languageTable();
    for (const auto& [label, slot] : rowLabels_) label->setText(texts.text(settings::TextGroup::ActiveTestsPage, slot));
    for (const auto& [unit, slot] : unitLabels_) unit->setText(texts.text(settings::TextGroup::ActiveTestsPage, slot));
    for (QPushButton* b : buttons_)
        b->setText(texts.text(settings::TextGroup::ActiveTestsPage, b->property("caption").toInt()));
}

void CDlgDialog8::tick() {
    if (context_.languageTable().takeRefresh(settings::TextGroup::ActiveTestsPage)) model_->requestInit();
    model_->tick(context_.receiveReport());
    if (model_->takeInitialised()) applyTexts();
    showState();
}

void CDlgDialog8::showState() {
    for (int b = 0; b < pages::kTestButtonCount; ++b) {
        const bool on = model_->enabled(static_cast<TestButton>(b));
        if (buttons_[static_cast<std::size_t>(b)]->isEnabled() != on) buttons_[static_cast<std::size_t>(b)]->setEnabled(on);
    }
    if (spin_->isEnabled() != model_->spinEnabled()) spin_->setEnabled(model_->spinEnabled());
    for (int f = 0; f < pages::kTestFieldCount; ++f) {
        QLabel* field = fields_[static_cast<std::size_t>(f)];
        const QString& text = model_->field(static_cast<TestField>(f));
        if (field != nullptr && field->text() != text) field->setText(text);
    }
    const QString target = QString::number(model_->targetIdle());
    if (targetIdle_->text() != target) targetIdle_->setText(target);
}

bool CDlgDialog8::ask(const QString& text) {
    bool answer = false;
    runQuestion_([&] { answer = askUser_(this, text); });
    return answer;
}

void CDlgDialog8::tell(pages::Notice notice, const QString& caption, const QString& text) {
    tellUser_(this, notice, caption, text);
}

void CDlgDialog8::holdTimer(bool held) {
    if (held) {
        timer_.stop();
    } else {
        timer_.start(kTimerPeriodMs);
    }
}

bool CDlgDialog8::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
