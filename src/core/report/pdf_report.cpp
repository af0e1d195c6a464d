#include "report/pdf_report.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "pages/current_values_table.h"
#include "platform/user_data_folder.h"
#include "report/pdf_document.h"
#include "report/report_layout.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::report {
namespace {

constexpr float kPageWidth = 595;
constexpr float kPageHeight = 841;
constexpr float kLeft = 50;
constexpr int kRowsPerColumn = 13;
// The line that names the unit, between the header image and the first title.
constexpr float kIdentityY = 748;
constexpr std::array<float, 3> kIdentityColumns{50, 225, 400};
// The trouble-code table: code, description and status columns.
constexpr float kCodeColumn = 50;
constexpr float kDescriptionColumn = 110;
constexpr float kStatusColumn = 470;
// The status column may move left to keep its words inside the margin, but no further.
constexpr float kStatusEarliest = 330;

const QString kPrintsFolder = QStringLiteral("Prints");
const QString kHeaderImage = QStringLiteral("PrintHeader.png");
const QString kLogoImage = QStringLiteral("PrintLogo.png");

// Writes texts inside one text block and remembers the vertical position of the last one.
// Texts are measured in the font and size set last, so that each can be cut to its room.
class TextWriter {
public:
    TextWriter(PdfDocument& pdf, HPDF_Page page) : pdf_(pdf), page_(page) { HPDF_Page_BeginText(page_); }
    ~TextWriter() { HPDF_Page_EndText(page_); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void font(HPDF_Font font, float size) {
        font_ = font;
        size_ = size;
        if (font != nullptr) HPDF_Page_SetFontAndSize(page_, font, size);
    }
    void out(float x, float y, const QString& text) {
        HPDF_Page_TextOut(page_, x, y, pdf_.encode(text).constData());
        y_ = y;
    }
    void out(const PlacedText& placed, float y) { out(placed.x, y, placed.text); }
    // The text, cut where it would pass `right`.
    void fit(float x, float y, const QString& text, float right) { out(x, y, fitText(text, right - x, measure())); }
    Measure measure() const {
        return [this](const QString& text) { return pdf_.textWidth(font_, size_, text); };
    }
    float y() const { return y_; }

private:
    PdfDocument& pdf_;
    HPDF_Page page_;
    HPDF_Font font_ = nullptr;
    float size_ = 0;
    float y_ = 0;
};

struct Fonts {
    HPDF_Font regular;
    HPDF_Font bold;
};

void drawImage(PdfDocument& pdf, HPDF_Page page, const QString& path, float x, float y, float w, float h) {
    if (HPDF_Image image = pdf.loadPng(path)) HPDF_Page_DrawImage(page, image, x, y, w, h);
}

// The unit's line, regular 8, in three columns; it does not move the text position the
// sections below start from.
void writeIdentity(TextWriter& text, const Fonts& fonts, const ReportInputs& in) {
    text.font(fonts.regular, 8);
    const std::array<QString, 3> texts = identityTexts(in);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const float right = i + 1 < texts.size() ? kIdentityColumns[i + 1] - kTextGap : kRightMargin;
        text.fit(kIdentityColumns[i], kIdentityY, texts[i], right);
    }
}

// The trouble-code table under its title; returns the separator's height.
float writeTroubleCodes(TextWriter& text, const Fonts& fonts, PdfDocument& pdf, const ReportInputs& in) {
    text.font(fonts.bold, 12);
    text.fit(kLeft, 730, in.errorCodesTitle + QLatin1Char(':'), kRightMargin);
    const float separator = text.y() - 5;

    constexpr int kRows = pages::ErrorCodesPage::kReportCells / 3;
    const auto cell = [&in](int index) { return in.dtcCells[static_cast<std::size_t>(index)]; };
    // The rows that will be printed: up to the count, ending after a row followed by no code.
    int rows = 0;
    while (rows < in.dtcCount && rows < kRows) {
        ++rows;
        if (rows >= kRows || cell(rows * 3).isEmpty()) break;
    }
    const QStringList captions = headerCaptions(in.dtcHeader, 3);
    float widestStatus = pdf.textWidth(fonts.bold, 8, captions[2]);
    for (int row = 0; row < rows; ++row)
        widestStatus = std::max(widestStatus, pdf.textWidth(fonts.regular, 8, cell(row * 3 + 2)));
    const float status = statusColumn(kStatusColumn, widestStatus, kStatusEarliest);

    text.font(fonts.bold, 8);
    const float headerY = text.y() - 20;
    text.fit(kCodeColumn, headerY, captions[0], kDescriptionColumn - kTextGap);
    text.fit(kDescriptionColumn, headerY, captions[1], status - kTextGap);
    text.fit(status, headerY, captions[2], kRightMargin);
    text.font(fonts.regular, 8);
    if (in.dtcCount == 0) text.out(kLeft, headerY - 10, QStringLiteral("0"));
    for (int row = 0; row < rows; ++row) {
        const float y = headerY - 15 - 12 * static_cast<float>(row);
        text.fit(kCodeColumn, y, cell(row * 3), kDescriptionColumn - kTextGap);
        text.fit(kDescriptionColumn, y, cell(row * 3 + 1), status - kTextGap);
        text.fit(status, y, cell(row * 3 + 2), kRightMargin);
    }
    return separator;
}

QString freezeCell(const QString& cell) { return cell.isEmpty() ? QStringLiteral("---") : cell; }

// The two freeze-frame tables under their title, both in one set of columns wide enough for
// the captions and values of either; returns the separator's height.
float writeFreezeFrames(TextWriter& text, const Fonts& fonts, PdfDocument& pdf, const ReportInputs& in) {
    constexpr std::size_t kColumns = pages::FreezeFramePage::kColumns;
    std::array<QStringList, pages::FreezeFramePage::kFaults> captions;
    std::array<float, kColumns> needed{};
    for (std::size_t fault = 0; fault < in.faultGrids.size(); ++fault) {
        captions[fault] = headerCaptions(in.faultHeaders[fault], static_cast<int>(kColumns));
        for (std::size_t column = 0; column < kColumns; ++column) {
            float widest = pdf.textWidth(fonts.bold, 8, captions[fault][static_cast<qsizetype>(column)]);
            for (const auto& row : in.faultGrids[fault])
                widest = std::max(widest, pdf.textWidth(fonts.regular, 8, freezeCell(row[column])));
            needed[column] = std::max(needed[column], widest + kTextGap);
        }
    }
    const std::array<float, 8> columns = freezeFrameLayout(freezeFrameColumns(in.languageIndex), needed);
    const auto right = [&columns](std::size_t column) {
        return column + 1 < kColumns ? columns[column + 1] - kTextGap : kRightMargin;
    };

    text.font(fonts.bold, 12);
    text.fit(kLeft, text.y() - 30, in.freezeFrameTitle + QLatin1Char(':'), kRightMargin);
    const float separator = text.y() - 5;
    for (std::size_t fault = 0; fault < in.faultGrids.size(); ++fault) {
        text.font(fonts.bold, 8);
        text.fit(kLeft, text.y() - (fault == 0 ? 20 : 30), in.faultCaptions[fault], kRightMargin);
        const float captionY = text.y() - 15;
        for (std::size_t column = 0; column < kColumns; ++column)
            text.fit(columns[column], captionY, captions[fault][static_cast<qsizetype>(column)], right(column));
        text.font(fonts.regular, 8);
        const float firstRow = captionY - 15;
        for (int row = 0; row < pages::FreezeFramePage::kRows; ++row) {
            const float y = firstRow - 12 * static_cast<float>(row);
            for (std::size_t column = 0; column < kColumns; ++column)
                text.fit(columns[column], y, freezeCell(in.faultGrids[fault][static_cast<std::size_t>(row)][column]),
                         right(column));
        }
    }
    return separator;
}

// The live readings, three to a row, under their title; returns the separator's height.
float writeReadings(TextWriter& text, const Fonts& fonts, const ReportInputs& in) {
    text.font(fonts.bold, 12);
    text.fit(kLeft, text.y() - 30, in.actualSensorData, kRightMargin);
    const float separator = text.y() - 5;
    text.font(fonts.regular, 8);
    const Measure measure = text.measure();
    const float firstRow = text.y() - 20;
    for (int row = 0; row < kRowsPerColumn; ++row) {
        const float y = firstRow - 12 * static_cast<float>(row);
        for (std::size_t block = 0; block < readingColumns().size(); ++block) {
            const ReportInputs::Reading& reading = in.readings[block * kRowsPerColumn + static_cast<std::size_t>(row)];
            const PlacedReading placed =
                placeReading(reading.name, reading.value, reading.unit, readingColumns()[block], measure);
            text.out(placed.name, y);
            text.out(placed.value, y);
            if (readingColumns()[block].hasUnit) text.out(placed.unit, y);
        }
    }
    return separator;
}

// Title and date, and in playback the recording's name and position, left of the logo.
void writeFooter(TextWriter& text, const Fonts& fonts, const ReportInputs& in) {
    constexpr float kSecondColumn = 250;
    constexpr float kLogoLeft = 440;
    text.font(fonts.regular, 8);
    text.fit(kLeft, 30, in.productTitle, kSecondColumn - kTextGap);
    text.fit(kSecondColumn, 30, footerDate(in.dateCaption, in.now.date()), kLogoLeft - kTextGap);
    if (in.playback) {
        // A long file name gives way; the position after it stays whole.
        const QString line = playbackLine(in.recordingName, in.playbackTimeText, in.timeCaption);
        const QString position = line.mid(in.recordingName.size());
        const Measure measure = text.measure();
        const float room = kSecondColumn - kTextGap - kLeft - measure(position);
        text.out(kLeft, 20, fitText(in.recordingName, room, measure) + position);
    }
    text.fit(kSecondColumn, 20, footerTime(in.timeOfDayCaption, in.now.time()), kLogoLeft - kTextGap);
}

}  // namespace

ReportInputs reportInputsFromPages(const settings::LanguageTable& texts, int languageIndex,
                                   const pages::ErrorCodesPage& errorCodes,
                                   const pages::FreezeFramePage& freezeFrames,
                                   const pages::CurrentValuesTable& readings, int dtcCount) {
    using settings::MainText;
    ReportInputs in;
    in.languageIndex = languageIndex;
    in.errorCodesTitle = texts.text(MainText::TabErrorCodes);
    in.freezeFrameTitle = texts.text(MainText::TabShowDataWhenTrouble);
    in.dtcHeader = texts.text(settings::ErrorCodesText::Header);
    in.faultHeaders = {texts.text(settings::FreezeFrameText::Fault1Header),
                       texts.text(settings::FreezeFrameText::Fault2Header)};
    in.actualSensorData = texts.text(MainText::ActualSensorData);
    in.dateCaption = texts.text(MainText::Date);
    in.timeOfDayCaption = texts.text(MainText::TimeOfDay);
    in.timeCaption = texts.text(MainText::Time);
    in.productTitle = texts.text(MainText::ProductTitle);
    in.ecmIdCaption = texts.text(MainText::EcmId);
    in.hardwareIdCaption = texts.text(MainText::HardwareId);
    in.hardwareSnCaption = texts.text(MainText::HardwareSn);
    in.noValue = texts.text(MainText::NoValue);
    in.folderNotCreated = texts.text(MainText::ReportFolderNotCreated);
    in.libraryFailed = texts.text(MainText::PdfLibraryFailed);
    in.notWritten = texts.text(MainText::ReportNotWritten);
    in.dtcCount = dtcCount;
    in.dtcCells = errorCodes.reportCells();
    for (int fault = 0; fault < pages::FreezeFramePage::kFaults; ++fault) {
        in.faultCaptions[static_cast<std::size_t>(fault)] = freezeFrames.reportText(fault);
        in.faultGrids[static_cast<std::size_t>(fault)] = freezeFrames.reportGrid(fault);
    }
    for (std::size_t i = 0; i < in.readings.size(); ++i) {
        const pages::CurrentValuesTable::Row& row = readings.row(i);
        in.readings[i] = {row.label, readings.valueText(i), row.unit};
    }
    return in;
}

QString reportFileName(const QDateTime& time) {
    return QStringLiteral("MV_QLS_") + time.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".pdf");
}

QString footerDate(const QString& caption, const QDate& date) {
    return caption + QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year());
}

QString footerTime(const QString& caption, const QTime& time) {
    return caption + time.toString(QStringLiteral("HH:mm"));
}

QString playbackLine(const QString& recordingName, const QString& timeText, const QString& timeCaption) {
    QString position = timeText;
    if (position.isEmpty()) {
        position = QStringLiteral("00:00");
    } else if (!timeCaption.isEmpty() && position.startsWith(timeCaption)) {
        position.remove(0, timeCaption.size());
    }
    return recordingName + QStringLiteral(" @ ") + position;
}

std::array<QString, 3> identityTexts(const ReportInputs& in) {
    const auto shown = [&in](const QString& value) { return value.isEmpty() ? in.noValue : value; };
    QString ecm = in.ecmIdCaption + QLatin1Char(' ') + shown(in.unit.ecmId);
    if (!in.unit.modelCode.isEmpty()) ecm += QStringLiteral(" (") + in.unit.modelCode + QLatin1Char(')');
    return {ecm, in.hardwareIdCaption + QLatin1Char(' ') + shown(in.unit.hardwareId),
            in.hardwareSnCaption + QLatin1Char(' ') + shown(in.unit.serialNumber)};
}

QStringList headerCaptions(const QString& header, int count) {
    QString trimmed = header;
    while (!trimmed.isEmpty() && trimmed.back().isSpace()) trimmed.chop(1);
    QStringList captions = trimmed.split(QLatin1Char(';'));
    while (captions.size() < count) captions.append(QString());
    return captions.mid(0, count);
}

const std::array<float, 8>& freezeFrameColumns(int languageIndex) {
    static const std::array<float, 8> kRussian{50, 210, 250, 310, 360, 410, 460, 520};
    static const std::array<float, 8> kOthers{50, 170, 230, 280, 340, 400, 460, 520};
    return languageIndex == settings::kRussian ? kRussian : kOthers;
}

ReportResult writeReport(const ReportInputs& inputs) {
    const QDir startup(inputs.startupFolder.isEmpty() ? QDir::currentPath() : inputs.startupFolder);
    const QString folder = startup.filePath(kPrintsFolder);
    const QString path = QDir(folder).filePath(reportFileName(inputs.now));
    if (!QDir().mkpath(folder)) {
        ReportResult result;
        result.path = path;
        result.problem = inputs.folderNotCreated.arg(QDir::toNativeSeparators(folder));
        return result;
    }
    return writeReportTo(inputs, path);
}

ReportResult writeReportTo(const ReportInputs& in, const QString& path) {
    ReportResult result;
    result.path = path;
    PdfDocument pdf;
    if (!pdf.isValid()) {
        result.problem = in.libraryFailed;
        return result;
    }
    HPDF_Doc doc = pdf.handle();
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    pdf.loadFonts(findFontFiles(in.installDir), settings::pdfEncoding(in.languageIndex));
    const Fonts fonts{pdf.regular(), pdf.bold()};

    HPDF_Page page = HPDF_AddPage(doc);
    HPDF_Page_SetWidth(page, kPageWidth);
    HPDF_Page_SetHeight(page, kPageHeight);
    HPDF_SetInfoAttr(doc, HPDF_INFO_AUTHOR, "Morvalin Electronics Ltd.");
    HPDF_SetInfoAttr(doc, HPDF_INFO_PRODUCER, "Morvalin PDF creator 2.0.8");

    // A header image in the "Prints" folder replaces the installed one; so does one in the
    // user's own data folder. The logo, too, is looked for there first.
    const QString startupFolder = in.startupFolder.isEmpty() ? QDir::currentPath() : in.startupFolder;
    QString header = QDir(QDir(startupFolder).filePath(kPrintsFolder)).filePath(kHeaderImage);
    if (!QFileInfo(header).isFile()) header = platform::findDataFile(in.installDir, kHeaderImage);
    const float width = HPDF_Page_GetWidth(page);
    const float height = HPDF_Page_GetHeight(page);
    drawImage(pdf, page, header, kLeft, height - 80, width - 100, 50);

    std::array<float, 3> separators{};
    {
        TextWriter text(pdf, page);
        writeIdentity(text, fonts, in);
        separators[0] = writeTroubleCodes(text, fonts, pdf, in);
        separators[1] = writeFreezeFrames(text, fonts, pdf, in);
        separators[2] = writeReadings(text, fonts, in);
        writeFooter(text, fonts, in);
    }

    HPDF_Page_SetLineWidth(page, 1);
    for (const float y : separators) {
        HPDF_Page_MoveTo(page, kLeft, y);
        HPDF_Page_LineTo(page, kRightMargin, y);
        HPDF_Page_Stroke(page);
    }
    drawImage(pdf, page, platform::findDataFile(in.installDir, kLogoImage), 440, 15, 100, 23);

    if (!pdf.save(path)) {
        result.problem = in.notWritten.arg(QDir::toNativeSeparators(path));
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace quilldar::report
