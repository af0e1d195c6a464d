#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

#include "pages/error_codes_page.h"
#include "pages/freeze_frame_page.h"

namespace quilldar::pages {
class CurrentValuesTable;
}
namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::report {

// The unit a report is about, as the main window names it: the ECM's part number (its "ECM ID")
// and model code, and the hardware ID and serial number of the interface module. Empty where
// nothing is known.
struct UnitIdentity {
    QString ecmId;
    QString modelCode;
    QString hardwareId;
    QString serialNumber;
};

// Everything the one-page report prints, taken from what the program shows; no widgets.
struct ReportInputs {
    int languageIndex = 1;
    QString installDir;     // fonts; "PrintHeader.png", "PrintLogo.png" unless the user has their own
    QString startupFolder;  // the report goes to its "Prints" folder

    // Texts of the active language.
    QString errorCodesTitle;   // the tab name "Error codes"
    QString freezeFrameTitle;  // the tab name "Show data when trouble"
    QString dtcHeader;         // "DTC No.:;Detected failure condition:;Current/Past:;"
    std::array<QString, pages::FreezeFramePage::kFaults> faultHeaders;  // "Fault 1#;Pre-detect;...;Unit;"
    QString actualSensorData;  // "Actual sensor data:"
    QString dateCaption;       // "Date: "
    QString timeOfDayCaption;  // "Time: "
    QString timeCaption;       // "Time:", the caption of the playback time field
    QString productTitle;      // the product title without version
    QString ecmIdCaption;      // "ECM ID:"
    QString hardwareIdCaption; // "Hardware ID:"
    QString hardwareSnCaption; // "Hardware SN:"
    QString noValue;           // "---", for what is not known
    // Why a report was not written ("%1" the folder or the file).
    QString folderNotCreated = QStringLiteral("The folder %1 cannot be created.");
    QString libraryFailed = QStringLiteral("The PDF library could not create a document.");
    QString notWritten = QStringLiteral("The report could not be written to %1.");

    // The connected unit, or in playback the recording's.
    UnitIdentity unit;

    // The trouble-code count and the report table of the Error codes page: rows of three cells.
    int dtcCount = 0;
    std::array<QString, pages::ErrorCodesPage::kReportCells> dtcCells;
    // The two stored faults: caption and 6 × 8 grid.
    std::array<QString, pages::FreezeFramePage::kFaults> faultCaptions;
    std::array<pages::FreezeFramePage::Grid, pages::FreezeFramePage::kFaults> faultGrids;

    // The live readings: 39 of (name, value, unit).
    struct Reading {
        QString name;
        QString value;
        QString unit;
    };
    static constexpr int kReadings = 39;
    std::array<Reading, kReadings> readings;

    // During playback: the open recording's file name and the text of the time field.
    bool playback = false;
    QString recordingName;
    QString playbackTimeText;

    // The local time taken once for the footer and the file name.
    QDateTime now;
};

// Fills the texts and tables from the language table and the page objects. The caller adds the
// folders, the playback line and the time.
ReportInputs reportInputsFromPages(const settings::LanguageTable& texts, int languageIndex,
                                   const pages::ErrorCodesPage& errorCodes,
                                   const pages::FreezeFramePage& freezeFrames,
                                   const pages::CurrentValuesTable& readings, int dtcCount);

// The line under the header that names the unit: "ECM ID: 71820-21H20 (21H2)", "Hardware ID: ..."
// and "Hardware SN: ...", with the captions of the main window and "---" for what is not known.
std::array<QString, 3> identityTexts(const ReportInputs& inputs);

// "MV_QLS_YYYYMMDD-HHMMSS.pdf".
QString reportFileName(const QDateTime& time);
// The footer's date "d/M/yyyy" and time "hh:mm" after their captions.
QString footerDate(const QString& caption, const QDate& date);
QString footerTime(const QString& caption, const QTime& time);
// "name @ " + the time text without its leading caption, or "00:00" when there is no time text.
QString playbackLine(const QString& recordingName, const QString& timeText, const QString& timeCaption);
// A freeze-frame or trouble-code header split into its captions at each ';', trailing blanks
// removed first; always exactly `count` captions.
QStringList headerCaptions(const QString& header, int count);
// The x positions of the eight freeze-frame columns; Russian captions are longer.
const std::array<float, 8>& freezeFrameColumns(int languageIndex);

struct ReportResult {
    bool written = false;  // the file was saved without a library error
    QString path;          // where it was (to be) saved
    QString problem;       // why not, for the user
};

// Writes the report into the "Prints" folder of the start-up folder (created when missing).
ReportResult writeReport(const ReportInputs& inputs);
// Writes the report to the given path.
ReportResult writeReportTo(const ReportInputs& inputs, const QString& path);

}  // namespace quilldar::report
