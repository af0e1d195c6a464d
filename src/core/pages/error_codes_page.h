#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "link/report.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::pages {

// The Error codes page without its window: the trouble codes of the last trouble-code answer,
// each with its display code, description and status word. The list is rebuilt only when an
// answer with another checksum byte arrives, so the same answer arriving again changes nothing.
class ErrorCodesPage {
public:
    struct Row {
        QString code;
        QString description;
        QString status;
        bool operator==(const Row&) const = default;
    };

    // The report table the PDF report prints: rows of three cells in the answer's order.
    static constexpr int kReportCells = 128;
    // Each rebuild empties this many cells; rows past the 40th are shown but not reported.
    static constexpr int kReportCellsCleared = 120;

    // The first trouble-code answer after a new connection or a newly opened recording is shown
    // even when it equals the last one.
    void resetLastChecksum() { lastChecksum_ = kNothingShown; }

    // One timer tick: rebuilds the rows when the report is a trouble-code answer with another
    // checksum byte than the last one shown. True when the rows were rebuilt.
    bool tick(const link::Report& report, vehicle::DtcCatalogue& catalogue,
              const vehicle::DtcStatusWords& words);

    // The rows in the answer's order; the window shows them the other way round, the answer's
    // last record at the top.
    const std::vector<Row>& rows() const { return rows_; }
    const std::array<QString, kReportCells>& reportCells() const { return reportCells_; }
    int reportCellCount() const { return reportCellCount_; }

    // The three column names of the header text ("DTC No.:;Detected failure condition:;...").
    static QStringList columnNames(const QString& header);

private:
    static constexpr int kNothingShown = 0xFFFF;  // no checksum byte can equal it

    int lastChecksum_ = kNothingShown;
    std::vector<Row> rows_;
    std::array<QString, kReportCells> reportCells_{};
    int reportCellCount_ = 0;
};

}  // namespace quilldar::pages
