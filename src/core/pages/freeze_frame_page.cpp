#include "pages/freeze_frame_page.h"

#include <cmath>

#include "settings/language_table.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/value_text.h"

namespace quilldar::pages {

namespace {

using settings::FreezeFrameText;

constexpr std::uint8_t kPositiveAnswer = 0x61;
// Codes from this high byte on are no faults of this page.
constexpr std::uint8_t kFirstForeignCodeByte = 0x0B;
constexpr int kUnitColumn = 7;

enum Row { kEngineSpeed, kThrottle, kPressure, kCoolant, kGear, kSecondaryThrottle };

// The table and the column an identifier fills: 0x40-0x45 fault 1, 0x50-0x55 fault 2; the two
// last identifiers fill cycle max (0x44) and cycle min (0x45).
struct Place {
    int fault = -1;
    int column = 0;
};
Place placeOf(std::uint8_t identifier) {
    static constexpr int kColumnOf[] = {1, 2, 3, 4, 6, 5};
    const int base = identifier & 0xF0;
    const int index = identifier & 0x0F;
    if ((base != 0x40 && base != 0x50) || index > 5) return {};
    return {base == 0x40 ? 0 : 1, kColumnOf[index]};
}

QString integerText(double value) { return QString::number(static_cast<long long>(value)); }

QString decimalText(double value) {
    const vehicle::ValueText text = vehicle::formatDecimal(value, 5);
    return QString::fromLatin1(text.chars().data(), static_cast<qsizetype>(text.chars().size()));
}

int frame(const link::Report& report, int byte) { return link::frameByte(report, static_cast<std::size_t>(byte)); }

}  // namespace

bool FreezeFramePage::tick(const link::Report& report, std::string_view ecmCode, const settings::LanguageTable& texts,
                           const vehicle::DtcCatalogue& catalogue) {
    bool changed = false;
    if (layoutPending_) {
        layOut(texts);
        changed = true;
        if (forgetStanding_) ignored_ = report;
        forgetStanding_ = false;
    }
    if (ignored_) {
        if (*ignored_ == report) return changed;
        ignored_.reset();
    }
    if (frame(report, 4) != kPositiveAnswer) return changed;
    const Place place = placeOf(static_cast<std::uint8_t>(frame(report, 5)));
    if (place.fault < 0) return changed;
    const auto fault = static_cast<std::size_t>(place.fault);
    const auto column = static_cast<std::size_t>(place.column);

    if (const vehicle::EcmModelEntry* model = vehicle::findModel(vehicle::ModelList::ShowDataWhenTrouble, ecmCode))
        convert(report, model->capabilities, texts);

    const int high = frame(report, 6);
    const int low = frame(report, 7);
    Grid& table = tables_[fault];
    if (high == 0 && low == 0) {
        // No fault stored: the moment's column empties.
        if (table[0][column].isEmpty()) return changed;
        for (auto& row : table) row[column].clear();
        return true;
    }
    if (high >= kFirstForeignCodeByte) return changed;
    const QString& description = catalogue.slot(vehicle::dtcNumber(static_cast<std::uint8_t>(high),
                                                                    static_cast<std::uint8_t>(low)));
    if (labels_[fault] != description) changed = true;
    labels_[fault] = description;
    for (std::size_t row = 0; row < kRows; ++row) {
        if (table[row][column] != values_[row]) {
            table[row][column] = values_[row];
            changed = true;
        }
    }
    return changed;
}

void FreezeFramePage::convert(const link::Report& report, std::string_view capabilities,
                              const settings::LanguageTable& texts) {
    const vehicle::EcmModelEntry model{{}, capabilities};
    const int speedHigh = frame(report, 10);
    const int speedLow = frame(report, 11);
    switch (vehicle::digit(model, 0)) {
        case 1: values_[kEngineSpeed] = integerText(speedHigh * 256 / 2.55 + speedLow * 100 / 255); break;
        case 2: values_[kEngineSpeed] = integerText(speedHigh * 160 / 2.55); break;
        case 3: values_[kEngineSpeed] = integerText(speedHigh * 127.5 / 2.55 + speedLow * 50 / 255); break;
        case 4: values_[kEngineSpeed] = integerText(speedHigh * 179.3 / 2.55 + speedLow * 70 / 255); break;
        default: break;
    }
    const int throttle = frame(report, 12);
    switch (vehicle::digit(model, 1)) {
        case 1: values_[kThrottle] = decimalText(throttle * 125 / 255.0); break;
        case 2: values_[kThrottle] = decimalText(throttle * 85 / 255.0); break;
        default: break;
    }
    if (vehicle::digit(model, 2) == 1) values_[kSecondaryThrottle] = integerText(frame(report, 16) * 100 / 255);
    const int coolant = frame(report, 14);
    switch (vehicle::digit(model, 3)) {
        case 1: values_[kCoolant] = integerText(coolant * 160 / 255 - 30); break;
        case 2: values_[kCoolant] = integerText(coolant - 40); break;
        default: break;
    }
    const int pressure = frame(report, 13);
    switch (vehicle::digit(model, 5)) {
        case 1: values_[kPressure] = integerText(pressure * 166.7 / 255 - 20); break;
        case 2: values_[kPressure] = integerText(pressure * 126.7 / 255); break;
        case 3: values_[kPressure] = integerText(pressure * 166.3 / 255 - 20); break;
        case 4: values_[kPressure] = integerText(pressure * 183.3 / 255 - 5); break;
        case 5: values_[kPressure] = integerText(pressure * 127.6 / 255 + 8.6); break;
        default: break;
    }
    const int gear = frame(report, 15);
    switch (vehicle::digit(model, 16)) {
        case 1: values_[kGear] = QString::number(gear); break;
        case 2:
            // Other values leave the text as it was.
            if (gear == 0) values_[kGear] = texts.text(FreezeFrameText::GearNeutral);
            if (gear == 1) values_[kGear] = texts.text(FreezeFrameText::GearLow);
            if (gear == 2) values_[kGear] = texts.text(FreezeFrameText::GearHigh);
            break;
        default: break;
    }
}

void FreezeFramePage::layOut(const settings::LanguageTable& texts) {
    layoutPending_ = false;
    layoutChanged_ = true;
    const FreezeFrameText names[kRows] = {FreezeFrameText::EngineSpeed,        FreezeFrameText::ThrottlePosition,
                                          FreezeFrameText::ManifoldPressure,   FreezeFrameText::CoolantTemperature,
                                          FreezeFrameText::GearPosition,       FreezeFrameText::SecondaryThrottlePosition};
    const QString units[kRows] = {texts.text(FreezeFrameText::UnitRpm),     texts.text(FreezeFrameText::UnitDegree),
                                  texts.text(FreezeFrameText::UnitKpa),     texts.text(FreezeFrameText::UnitCelsius),
                                  QString(),                                texts.text(FreezeFrameText::UnitPercent)};
    const FreezeFrameText headers[kFaults] = {FreezeFrameText::Fault1Header, FreezeFrameText::Fault2Header};
    for (std::size_t fault = 0; fault < kFaults; ++fault) {
        labels_[fault] = QStringLiteral(" ");
        QStringList header = texts.text(headers[fault]).split(u';');
        while (header.size() > kColumns) header.removeLast();
        while (header.size() < kColumns) header.append(QString());
        headers_[fault] = header;
        for (std::size_t row = 0; row < kRows; ++row) {
            auto& cells = tables_[fault][row];
            cells.fill(QString());
            cells[0] = texts.text(names[row]);
            cells[kUnitColumn] = units[row];
        }
    }
}

bool FreezeFramePage::takeLayoutChanged() {
    const bool changed = layoutChanged_;
    layoutChanged_ = false;
    return changed;
}

}  // namespace quilldar::pages
