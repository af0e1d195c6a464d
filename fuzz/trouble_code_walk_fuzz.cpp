// The walk over a trouble-code answer, wherever it is made: the record list of the catalogue, the
// Error codes page that shows it and the dtc command's lines. The input is a report whose length
// byte, record count and end of the report disagree in every way, shown once or twice in a row
// (the page rebuilds only on a new checksum byte). Checks that the walk reads three bytes per
// record from frame byte 6 while 3k < L - 2 and never past the report, that every record becomes
// exactly one row and one line with its own code, and that the page rebuilds when it should.
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "link/report.h"
#include "pages/error_codes_page.h"
#include "tool/recording_commands.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/english_texts.h"

using namespace quilldar;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// The records the walk must find, computed the long way round.
std::size_t expectedCount(const link::Report& report) {
    if (link::frameByte(report, 4) != vehicle::kTroubleCodeAnswer) return 0;
    const int length = link::frameByte(report, 3);
    std::size_t count = 0;
    while (3 * static_cast<int>(count) < length - 2 && 6 + 3 * count + 2 <= link::kLastFrameByte) ++count;
    return count;
}

QString expectedCode(const vehicle::DtcRecord& record) {
    const int number = ((record.high & 0x30) >> 4) * 1000 + (record.high & 0x0F) * 100 +
                       (record.low >> 4) * 10 + (record.low & 0x0F);
    QString code = QStringLiteral("P") + QString::number(number).rightJustified(4, QLatin1Char('0'));
    if (record.status & 0x01) code += QStringLiteral("-H");
    if (record.status & 0x02) code += QStringLiteral("-L");
    return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool twice = input.ConsumeBool();
    const bool markAnswer = input.ConsumeBool();
    link::Report report{};
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(link::kReportSize);
    std::copy(bytes.begin(), bytes.end(), report.begin());
    if (markAnswer) report[5] = vehicle::kTroubleCodeAnswer;  // frame byte 4

    const std::vector<vehicle::DtcRecord> records = vehicle::dtcRecords(report);
    check(records.size() == expectedCount(report));
    for (std::size_t k = 0; k < records.size(); ++k) {
        check(records[k].high == link::frameByte(report, 6 + 3 * k));
        check(records[k].low == link::frameByte(report, 7 + 3 * k));
        check(records[k].status == link::frameByte(report, 8 + 3 * k));
    }

    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    const vehicle::DtcStatusWords& words = vehicle::englishDtcStatusWords();
    pages::ErrorCodesPage page;
    const bool rebuilt = page.tick(report, catalogue, words);
    check(rebuilt == vehicle::isTroubleCodeAnswer(report));
    check(page.rows().size() == records.size());
    check(page.reportCellCount() == 3 * static_cast<int>(std::min<std::size_t>(records.size(), 40)));
    for (std::size_t k = 0; k < records.size(); ++k) {
        const pages::ErrorCodesPage::Row& row = page.rows()[k];
        check(row.code == expectedCode(records[k]));
        check(!row.description.isEmpty());  // a code without a text gets the fallback
        check(row.status == vehicle::dtcStatusText(records[k].status, words));
        check(page.reportCells()[3 * k] == row.code);
    }
    if (twice) {
        // The same answer again changes nothing; after a reset it is shown again, unchanged.
        const std::vector<pages::ErrorCodesPage::Row> first = page.rows();
        check(!page.tick(report, catalogue, words));
        page.resetLastChecksum();
        check(page.tick(report, catalogue, words) == rebuilt);
        check(page.rows() == first);
    }

    const QString lines = tool::troubleCodeLines(report);
    QStringList split = lines.split(QLatin1Char('\n'));
    check(split.takeLast().isEmpty());  // every line ends in a line end
    check(static_cast<std::size_t>(split.size()) == records.size());
    for (std::size_t k = 0; k < records.size(); ++k)
        check(split[static_cast<qsizetype>(k)].startsWith(expectedCode(records[k]) + QLatin1Char(';')));
    return 0;
}
