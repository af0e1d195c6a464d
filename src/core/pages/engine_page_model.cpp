#include "pages/engine_page_model.h"

#include <utility>

#include "vehicle/ecm_model_table.h"

namespace quilldar::pages {

using vehicle::Colour;
using vehicle::HighlightStyle;
using vehicle::ValueText;

namespace {

constexpr std::uint8_t kEngineAddress = 0x12;
constexpr std::uint8_t kPositiveLocalData = 0x61;
constexpr std::uint8_t kLiveData = 0x08;
constexpr std::uint8_t kLiveDataSecondScheme = 0x00;

// The fixed unit labels beside the value cells; the others come from the settings.
constexpr std::array<CellUnit, EnginePageModel::kRowCount> kRowUnits = [] {
    std::array<CellUnit, EnginePageModel::kRowCount> units{};
    for (auto& unit : units) unit = {UnitKind::None, ""};
    units[0] = {UnitKind::Fixed, "rpm"};
    units[1] = {UnitKind::Fixed, "\u00B0"};
    units[2] = {UnitKind::Fixed, "%"};
    units[3] = units[4] = {UnitKind::Temperature, ""};
    units[5] = units[6] = units[7] = {UnitKind::Pressure, ""};
    units[8] = {UnitKind::Fixed, "V"};
    units[9] = {UnitKind::Speed, ""};
    units[10] = {UnitKind::Fixed, "%"};
    units[11] = units[12] = {UnitKind::Fixed, "V"};
    units[13] = {UnitKind::Fixed, "rpm"};
    units[14] = {UnitKind::Fixed, "A"};
    units[15] = units[16] = units[17] = units[18] = {UnitKind::Fixed, "ms"};
    units[19] = {UnitKind::Fixed, "\u00B0"};
    units[20] = {UnitKind::Steps, ""};
    return units;
}();

// The inputs of a numeric row: digit, raw bytes and units, with the top bit marking a real key.
std::uint32_t rowKey(int digit, std::uint8_t a, std::uint8_t b,
                     const vehicle::UnitSettings& units) {
    const std::uint32_t pressure =
        units.pressure >= 1 && units.pressure <= 3 ? static_cast<std::uint32_t>(units.pressure) : 0;
    const std::uint32_t unitBits =
        (units.milesPerHour() ? 1u : 0u) | (units.fahrenheit() ? 2u : 0u) | (pressure << 2);
    return 0x80000000u | (unitBits << 24) | (static_cast<std::uint32_t>(b) << 16) |
           (static_cast<std::uint32_t>(a) << 8) | static_cast<std::uint32_t>(digit & 0xFF);
}

bool isDecimal(vehicle::Display display) {
    return display == vehicle::Display::Decimal4 || display == vehicle::Display::Decimal5;
}

}  // namespace

const CellUnit& engineRowUnit(int row) { return kRowUnits[static_cast<std::size_t>(row)]; }

EnginePageModel::EnginePageModel(vehicle::LiveValueSlots& liveValues, CurrentValuesTable& table)
    : slots_(liveValues), table_(table) {}

void EnginePageModel::reset(const vehicle::EngineTexts& texts, const vehicle::UnitTexts& unitTexts,
                            int highlightPeriod) {
    slots_.resetHighlights(highlightPeriod);
    resetPending_ = false;
    memo_.fill(RowMemo{});
    for (int row = 0; row < kRowCount; ++row)
        setCell(row, ValueText::placeholder(), vehicle::kPlaceholderGrey);
    texts_ = texts;
    table_.setEngineTexts(texts);
    for (std::size_t row = 0; row < kRowCount; ++row) {
        labels_[row] =
            texts[static_cast<std::size_t>(vehicle::rowLabelIndex(static_cast<int>(row)))];
        // The page shows the ISC valve position unit in the language's word; the report table
        // keeps the fixed "steps".
        const QString tableUnit = pages::unitLabel(kRowUnits[row], unitTexts, QStringLiteral("steps"));
        unitLabels_[row] = pages::unitLabel(kRowUnits[row], unitTexts, texts[vehicle::engine_text::kSteps]);
        table_.setRow(row, labels_[row], ValueText::placeholder(), tableUnit);
    }
    changes_.markAll(kRowCount);
}

bool EnginePageModel::acceptsReport(const link::Report& report, bool altListVariant) {
    if (link::frameByte(report, 2) != kEngineAddress ||
        link::frameByte(report, 4) != kPositiveLocalData)
        return false;
    const std::uint8_t identifier = link::frameByte(report, 5);
    return identifier == kLiveData || (identifier == kLiveDataSecondScheme && altListVariant);
}

bool EnginePageModel::refresh(link::Report& report, const EngineRefreshInput& input) {
    if (!acceptsReport(report, input.altListVariant)) return false;
    const vehicle::EcmModelEntry* model =
        vehicle::findModel(vehicle::ModelList::Engine, input.ecmCode);
    if (model == nullptr) return false;
    const HighlightStyle style{input.units.highlightPeriod, input.units.highlightColour,
                               input.nearEnd};
    refreshInjectionAndAdvance(report, style);
    if (valuesOnly_) {
        if (model != plannedModel_) planPositions(*model);
        for (const PlannedPosition& planned : plannedPositions_)
            refreshPosition(report, planned.position, planned.digit, input, style);
        return true;
    }
    for (int position = 0; position < static_cast<int>(vehicle::kCapabilityCount); ++position) {
        const int digit = vehicle::digit(*model, static_cast<std::size_t>(position));
        if (digit != 0) refreshPosition(report, position, digit, input, style);
    }
    return true;
}

void EnginePageModel::refreshPosition(const link::Report& report, int position, int digit,
                                      const EngineRefreshInput& input, const HighlightStyle& style) {
    if (position < vehicle::position::kFirstSwitch) {
        refreshNumeric(report, position, digit, input, style);
    } else {
        refreshSwitch(report, position, digit, style);
    }
}

void EnginePageModel::planPositions(const vehicle::EcmModelEntry& model) {
    plannedModel_ = &model;
    plannedPositions_.clear();
    for (int position = 0; position < static_cast<int>(vehicle::kCapabilityCount); ++position) {
        const int digit = vehicle::digit(model, static_cast<std::size_t>(position));
        if (digit == 0) continue;
        const int slot = position < vehicle::position::kFirstSwitch ? vehicle::numericChannel(position).slot
                                                                     : vehicle::switchSlot(position);
        if (wants(static_cast<std::size_t>(slot))) plannedPositions_.push_back({position, digit});
    }
}

bool EnginePageModel::tick(link::Report& report, const EngineRefreshInput& input,
                           const vehicle::EngineTexts& texts, const vehicle::UnitTexts& unitTexts) {
    if (resetPending_) reset(texts, unitTexts, input.units.highlightPeriod);
    return refresh(report, input);
}

void EnginePageModel::refreshInjectionAndAdvance(link::Report& report,
                                                 const HighlightStyle& style) {
    for (int cylinder = 0; cylinder < vehicle::kCylinderCount; ++cylinder) {
        const std::size_t first =
            vehicle::kInjectionFirstByte + 2 * static_cast<std::size_t>(cylinder);
        const std::uint8_t a = link::frameByte(report, first);
        if (a == vehicle::kNoCylinder) break;  // this and all following cylinders are absent
        const std::uint8_t b = link::frameByte(report, first + 1);
        const int row = vehicle::kInjectionFirstRow + cylinder;
        const auto slot = static_cast<std::size_t>(row);
        if (!wants(slot)) continue;
        const std::uint32_t key = rowKey(0, a, b, {});
        if (repeatRow(row, slot, key, style)) continue;
        const double value = vehicle::zeroBelowTenth(vehicle::injectionTime(a, b));
        showNumber(row, slot, value, vehicle::Display::Decimal5, style);
        remember(row, key, value, false);
    }
    std::uint8_t& advance = report[vehicle::kAdvanceByte + 1];
    if (advance < vehicle::kAdvanceFloor) advance = vehicle::kAdvanceFloor;
    if (advance < vehicle::kAdvanceZero || !wants(vehicle::kAdvanceRow)) return;
    const std::uint32_t key = rowKey(0, advance, 0, {});
    if (repeatRow(vehicle::kAdvanceRow, vehicle::kAdvanceRow, key, style)) return;
    const double degrees = vehicle::advanceDegrees(advance);
    showNumber(vehicle::kAdvanceRow, vehicle::kAdvanceRow, degrees, vehicle::Display::Integer,
               style);
    remember(vehicle::kAdvanceRow, key, degrees, false);
}

void EnginePageModel::refreshNumeric(const link::Report& report, int position, int digit,
                                     const EngineRefreshInput& input, const HighlightStyle& style) {
    const vehicle::EngineChannel& channel = vehicle::numericChannel(position);
    const std::uint8_t a = link::frameByte(report, channel.firstByte);
    const std::uint8_t b =
        channel.secondByte != 0 ? link::frameByte(report, channel.secondByte) : 0;
    const auto slot = static_cast<std::size_t>(channel.slot);
    if (!wants(slot)) return;
    const std::uint32_t key = rowKey(digit, a, b, input.units);
    if (repeatRow(channel.row, slot, key, style)) return;
    const vehicle::Conversion conversion =
        vehicle::convertChannel(position, digit, a, b, input.units);
    switch (conversion.status) {
        case vehicle::Conversion::Status::NoFormula:
            return;
        case vehicle::Conversion::Status::Unreadable:
            showUnreadable(channel.row, slot);
            remember(channel.row, key, 0.0, true);
            return;
        case vehicle::Conversion::Status::Value:
            break;
    }
    double value = conversion.value;
    if (position == vehicle::position::kBattery && value > vehicle::kBatteryLimit) {
        showUnreadable(channel.row, slot);
        remember(channel.row, key, 0.0, true);
        return;
    }
    if (valuesOnly_) {
        if (isDecimal(channel.display)) value = vehicle::zeroBelowTenth(value);
        slots_.setLatest(slot, value);
    } else if (channel.display == vehicle::Display::GearLetter && digit == 2) {
        const Colour colour = slots_.updateHighlight(slot, value, style);
        ValueText& text = table_.value(static_cast<std::size_t>(channel.row));
        vehicle::ValueTextWriter(text).put(static_cast<char>(value));
        setCell(channel.row, text, colour);
        slots_.setLatest(slot, value);
    } else {
        if (isDecimal(channel.display)) value = vehicle::zeroBelowTenth(value);
        showNumber(channel.row, slot, value, channel.display, style);
    }
    remember(channel.row, key, value, false);
}

void EnginePageModel::refreshSwitch(const link::Report& report, int position, int digit,
                                    const HighlightStyle& style) {
    const vehicle::SwitchBit* bit = vehicle::switchBit(position, digit);
    if (bit == nullptr) return;
    const int state =
        (link::frameByte(report, bit->frameByte) & bit->mask) != 0 ? bit->onText : bit->offText;
    const auto slot = static_cast<std::size_t>(vehicle::switchSlot(position));
    if (!wants(slot)) return;
    if (valuesOnly_) return slots_.setLatest(slot, vehicle::switchStateBit(state));
    const Colour colour = slots_.updateSwitchHighlight(slot, state, style);
    const int row = vehicle::switchRow(position);
    ValueText& text = table_.value(static_cast<std::size_t>(row));
    text.setEngineText(state);
    setCell(row, text, colour);
    slots_.setLatest(slot, vehicle::switchStateBit(state));
}

void EnginePageModel::showNumber(int row, std::size_t slot, double value, vehicle::Display display,
                                 const HighlightStyle& style) {
    if (valuesOnly_) return slots_.setLatest(slot, value);
    const Colour colour = slots_.updateHighlight(slot, value, style);
    ValueText& text = table_.value(static_cast<std::size_t>(row));
    switch (display) {
        case vehicle::Display::Decimal4:
            vehicle::formatDecimal(value, 4, text);
            break;
        case vehicle::Display::Decimal5:
            vehicle::formatDecimal(value, 5, text);
            break;
        default:
            vehicle::formatInteger(value, text);
            break;
    }
    setCell(row, text, colour);
    slots_.setLatest(slot, value);
}

// A reading that means nothing: the placeholder on grey, and 0 for the graph.
void EnginePageModel::showUnreadable(int row, std::size_t slot) {
    if (valuesOnly_) return slots_.setLatest(slot, 0.0);
    ValueText& text = table_.value(static_cast<std::size_t>(row));
    text.setEngineText(vehicle::engine_text::kPlaceholder);
    setCell(row, text, vehicle::kPlaceholderGrey);
    slots_.setLatest(slot, 0.0);
}

bool EnginePageModel::repeatRow(int row, std::size_t slot, std::uint32_t key,
                                const HighlightStyle& style) {
    const RowMemo& memo = memo_[static_cast<std::size_t>(row)];
    if (memo.key != key) return false;
    if (valuesOnly_) {
        slots_.setLatest(slot, memo.unreadable ? 0.0 : memo.value);
        return true;
    }
    const Cell& cell = cells_[static_cast<std::size_t>(row)];
    if (memo.unreadable) {
        showUnreadable(row, slot);
        return true;
    }
    // The cell still holds the text of the remembered value; the report table may have been
    // written by another decoder meanwhile and gets it again.
    table_.value(static_cast<std::size_t>(row)) = cell.text;
    setCell(row, cell.text, slots_.updateHighlight(slot, memo.value, style));
    slots_.setLatest(slot, memo.value);
    return true;
}

void EnginePageModel::remember(int row, std::uint32_t key, double value, bool unreadable) {
    memo_[static_cast<std::size_t>(row)] = {key, value, unreadable};
}

void EnginePageModel::setCell(int row, const ValueText& text, Colour background) {
    changes_.set(cells_[static_cast<std::size_t>(row)], row, text, background);
}

std::uint64_t EnginePageModel::takeChangedCells() { return changes_.take(); }

bool EnginePageModel::takeLayoutChanged() { return changes_.takeLayoutChanged(); }

QString clipboardText(const vehicle::LiveValueSlots& liveValues) {
    const auto number = [&liveValues](std::size_t slot) {
        const ValueText text = vehicle::formatInteger(liveValues.latest(slot));
        return QString::fromLatin1(text.chars().data(),
                                   static_cast<qsizetype>(text.chars().size()));
    };
    return QStringLiteral("RPM:") + number(0) + QStringLiteral(": TPS:") + number(1) +
           QStringLiteral(":");
}

}  // namespace quilldar::pages
