#include "pages/error_codes_page.h"

namespace quilldar::pages {

bool ErrorCodesPage::tick(const link::Report& report, vehicle::DtcCatalogue& catalogue,
                          const vehicle::DtcStatusWords& words) {
    if (!vehicle::isTroubleCodeAnswer(report)) return false;
    // The checksum byte stands at frame byte 4 + L; it tells one answer from the next.
    const std::size_t length = link::frameByte(report, 3);
    const int checksum = length + 4 <= link::kLastFrameByte ? link::frameByte(report, 4 + length) : -1;
    if (checksum == lastChecksum_) return false;
    lastChecksum_ = checksum;

    rows_.clear();
    for (int cell = 0; cell < kReportCellsCleared; ++cell) reportCells_[static_cast<std::size_t>(cell)].clear();
    reportCellCount_ = 0;
    for (const vehicle::DtcRecord& record : vehicle::dtcRecords(report)) {
        const int number = vehicle::dtcNumber(record.high, record.low);
        Row row{vehicle::dtcDisplayCode(number, record.status), catalogue.text(number),
                vehicle::dtcStatusText(record.status, words)};
        if (reportCellCount_ + 3 <= kReportCellsCleared) {
            reportCells_[static_cast<std::size_t>(reportCellCount_)] = row.code;
            reportCells_[static_cast<std::size_t>(reportCellCount_ + 1)] = row.description;
            reportCells_[static_cast<std::size_t>(reportCellCount_ + 2)] = row.status;
            reportCellCount_ += 3;
        }
        rows_.push_back(std::move(row));
    }
    return true;
}

QStringList ErrorCodesPage::columnNames(const QString& header) {
    QStringList names = header.split(QLatin1Char(';'));
    while (names.size() < 3) names.append(QString());
    names = names.mid(0, 3);
    return names;
}

}  // namespace quilldar::pages
