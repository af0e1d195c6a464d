#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "link/report.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

// The DTC number of a pair of code bytes. Bits 4-5 of the high byte are the thousands, its low
// nibble the hundreds, the low byte's nibbles the tens and units; a nibble above 9 carries into
// the next place (0x0A 0x00 gives 1000). The letter bits 6-7 are ignored. Result 0..4665.
int dtcNumber(std::uint8_t high, std::uint8_t low);

// "P" and four digits, then "-H" for status bit 0 and "-L" for status bit 1.
QString dtcDisplayCode(int number, std::uint8_t status);

enum class DtcState : std::uint8_t { Past, Pending, Current };
// Bits 5 and 6 of the status: 0x20 alone past, 0x40 alone pending, both current, neither past.
DtcState dtcState(std::uint8_t status);
QString dtcStatusText(std::uint8_t status, const DtcStatusWords& words);

// Description texts by DTC number. The language table assigns slot 0 (the fallback) and the
// slots it knows; the others stay empty until a lookup copies the fallback into them.
class DtcCatalogue {
public:
    static constexpr int kSlotCount = 2600;

    // The description of a code, as the Error codes page shows it: an empty slot first receives
    // the current fallback text and keeps it, even across later language changes. A number beyond
    // the catalogue gets the fallback text without being stored anywhere.
    const QString& text(int number);
    // The slot as it stands, without the fallback (empty for a code never described).
    const QString& slot(int number) const;
    void assign(int number, const QString& text);

private:
    std::array<QString, kSlotCount> slots_;
    QString empty_;
};

// Fills slot 0 and the 87 described slots with the English texts.
void assignEnglishDtcTexts(DtcCatalogue& catalogue);

// One trouble-code record of a trouble-code answer.
struct DtcRecord {
    std::uint8_t high;
    std::uint8_t low;
    std::uint8_t status;
};

inline constexpr std::uint8_t kTroubleCodeAnswer = 0x58;
inline bool isTroubleCodeAnswer(const link::Report& report) {
    return link::frameByte(report, 4) == kTroubleCodeAnswer;
}

// The records of a trouble-code answer in the answer's order: three bytes each from frame byte
// 6, for k = 0, 1, ... while 3k < L - 2 (L = frame byte 3). The walk stops at the end of the
// report whatever the length byte claims. Empty when the report is no trouble-code answer.
std::vector<DtcRecord> dtcRecords(const link::Report& report);

}  // namespace quilldar::vehicle
