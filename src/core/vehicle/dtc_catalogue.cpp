#include "vehicle/dtc_catalogue.h"

#include "vehicle/english_texts.h"

namespace quilldar::vehicle {

int dtcNumber(std::uint8_t high, std::uint8_t low) {
    const int thousands = (high & 0x3F) >> 4;
    const int hundreds = high & 0x0F;
    const int tens = low >> 4;
    const int units = low & 0x0F;
    return thousands * 1000 + hundreds * 100 + tens * 10 + units;
}

QString dtcDisplayCode(int number, std::uint8_t status) {
    QString code = QStringLiteral("P%1").arg(number, 4, 10, QLatin1Char('0'));
    if (status & 0x01) code += QStringLiteral("-H");
    if (status & 0x02) code += QStringLiteral("-L");
    return code;
}

DtcState dtcState(std::uint8_t status) {
    const bool past = status & 0x20;
    const bool pending = status & 0x40;
    if (past && pending) return DtcState::Current;
    return pending ? DtcState::Pending : DtcState::Past;
}

QString dtcStatusText(std::uint8_t status, const DtcStatusWords& words) {
    switch (dtcState(status)) {
        case DtcState::Current:
            return words.current;
        case DtcState::Pending:
            return words.pending;
        case DtcState::Past:
            break;
    }
    return words.past;
}

const QString& DtcCatalogue::text(int number) {
    if (number < 0 || number >= kSlotCount) return slots_[0];
    QString& slot = slots_[static_cast<std::size_t>(number)];
    if (slot.isEmpty()) slot = slots_[0];
    return slot;
}

const QString& DtcCatalogue::slot(int number) const {
    if (number < 0 || number >= kSlotCount) return empty_;
    return slots_[static_cast<std::size_t>(number)];
}

void DtcCatalogue::assign(int number, const QString& text) {
    if (number < 0 || number >= kSlotCount) return;
    slots_[static_cast<std::size_t>(number)] = text;
}

void assignEnglishDtcTexts(DtcCatalogue& catalogue) {
    for (const DtcText& entry : englishDtcTexts())
        catalogue.assign(entry.number, QString::fromUtf16(entry.text));
}

std::vector<DtcRecord> dtcRecords(const link::Report& report) {
    std::vector<DtcRecord> records;
    if (!isTroubleCodeAnswer(report)) return records;
    const int length = link::frameByte(report, 3);
    for (std::size_t k = 0; 3 * static_cast<int>(k) < length - 2; ++k) {
        const std::size_t first = 6 + 3 * k;
        if (first + 2 > link::kLastFrameByte) break;
        records.push_back({link::frameByte(report, first), link::frameByte(report, first + 1),
                           link::frameByte(report, first + 2)});
    }
    return records;
}

}  // namespace quilldar::vehicle
