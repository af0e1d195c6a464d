#include "report/pdf_report.h"

#include <QDir>
#include <QFileInfo>

#include "pages/current_values_table.h"
#include "report/pdf_document.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::report {
namespace {

constexpr float kPageWidth = 595;
constexpr float kPageHeight = 841;
constexpr float kLeft = 50;
constexpr float kSeparatorRight = 545;
constexpr int kNameLimit = 27;
constexpr int kRowsPerColumn = 13;

const QString kPrintsFolder = QStringLiteral("Prints");
const QString kHeaderImage = QStringLiteral("PrintHeader.png");
const QString kLogoImage = QStringLiteral("PrintLogo.png");

// Writes texts inside one text block and remembers the vertical position of the last one.
class TextWriter {
public:
    TextWriter(PdfDocument& pdf, HPDF_Page page) : pdf_(pdf), page_(page) { HPDF_Page_BeginText(page_); }
    ~TextWriter() { HPDF_Page_EndText(page_); }

    void font(HPDF_Font font, float size) {
        if (font != nullptr) HPDF_Page_SetFontAndSize(page_, font, size);
    }
    void out(float x, float y, const QString& text) {
        HPDF_Page_TextOut(page_, x, y, pdf_.encode(text).constData());
        y_ = y;
    }
    float y() const { return y_; }

private:
    PdfDocument& pdf_;
    HPDF_Page page_;
    float y_ = 0;
};

void drawImage(PdfDocument& pdf, HPDF_Page page, const QString& path, float x, float y, float w, float h) {
    if (HPDF_Image image = pdf.loadPng(path)) HPDF_Page_DrawImage(page, image, x, y, w, h);
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

QString readingName(const QString& name) {
    return name.size() > kNameLimit ? name.left(kNameLimit) + QStringLiteral("...") : name;
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
        result.problem = QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    return writeReportTo(inputs, path);
}

ReportResult writeReportTo(const ReportInputs& in, const QString& path) {
    ReportResult result;
    result.path = path;
    PdfDocument pdf;
    if (!pdf.isValid()) {
        result.problem = QStringLiteral("The PDF library could not create a document.");
        return result;
    }
    HPDF_Doc doc = pdf.handle();
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    pdf.loadFonts(findFontFiles(in.installDir), settings::pdfEncoding(in.languageIndex));
    HPDF_Font regular = pdf.regular();
    HPDF_Font bold = pdf.bold();

    HPDF_Page page = HPDF_AddPage(doc);
    HPDF_Page_SetWidth(page, kPageWidth);
    HPDF_Page_SetHeight(page, kPageHeight);
    HPDF_SetInfoAttr(doc, HPDF_INFO_AUTHOR, "Morvalin Electronics Ltd.");
    HPDF_SetInfoAttr(doc, HPDF_INFO_PRODUCER, "Morvalin PDF creator 2.0.8");

    // A header image in the "Prints" folder replaces the installed one.
    const QString startupFolder = in.startupFolder.isEmpty() ? QDir::currentPath() : in.startupFolder;
    QString header = QDir(QDir(startupFolder).filePath(kPrintsFolder)).filePath(kHeaderImage);
    if (!QFileInfo(header).isFile()) header = QDir(in.installDir).filePath(kHeaderImage);
    const float width = HPDF_Page_GetWidth(page);
    const float height = HPDF_Page_GetHeight(page);
    drawImage(pdf, page, header, kLeft, height - 80, width - 100, 50);

    std::array<float, 3> separators{};
    {
        TextWriter text(pdf, page);

        // Trouble codes.
        text.font(bold, 12);
        text.out(kLeft, 730, in.errorCodesTitle + QLatin1Char(':'));
        separators[0] = text.y() - 5;
        text.font(bold, 8);
        const QStringList dtcCaptions = headerCaptions(in.dtcHeader, 3);
        const float headerY = text.y() - 20;
        text.out(50, headerY, dtcCaptions[0]);
        text.out(110, headerY, dtcCaptions[1]);
        text.out(470, headerY, dtcCaptions[2]);
        text.font(regular, 8);
        if (in.dtcCount == 0) {
            text.out(kLeft, headerY - 10, QStringLiteral("0"));
        } else {
            constexpr int kRows = pages::ErrorCodesPage::kReportCells / 3;
            for (int row = 0; row < in.dtcCount && row < kRows; ++row) {
                const float y = headerY - 15 - 12 * static_cast<float>(row);
                const auto cell = [&in](int index) { return in.dtcCells[static_cast<std::size_t>(index)]; };
                text.out(50, y, cell(row * 3));
                text.out(110, y, cell(row * 3 + 1));
                text.out(470, y, cell(row * 3 + 2));
                // The table ends at the first row without a code.
                if (row + 1 >= kRows || cell((row + 1) * 3).isEmpty()) break;
            }
        }

        // Freeze frames.
        const std::array<float, 8>& columns = freezeFrameColumns(in.languageIndex);
        text.font(bold, 12);
        text.out(kLeft, text.y() - 30, in.freezeFrameTitle + QLatin1Char(':'));
        separators[1] = text.y() - 5;
        for (std::size_t fault = 0; fault < in.faultGrids.size(); ++fault) {
            text.font(bold, 8);
            text.out(kLeft, text.y() - (fault == 0 ? 20 : 30), in.faultCaptions[fault]);
            const QStringList captions = headerCaptions(in.faultHeaders[fault], 8);
            const float captionY = text.y() - 15;
            for (int column = 0; column < 8; ++column) text.out(columns[static_cast<std::size_t>(column)], captionY, captions[column]);
            text.font(regular, 8);
            const float firstRow = captionY - 15;
            for (int row = 0; row < pages::FreezeFramePage::kRows; ++row) {
                const float y = firstRow - 12 * static_cast<float>(row);
                for (int column = 0; column < pages::FreezeFramePage::kColumns; ++column) {
                    const QString& cell = in.faultGrids[fault][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                    text.out(columns[static_cast<std::size_t>(column)], y, cell.isEmpty() ? QStringLiteral("---") : cell);
                }
            }
        }

        // Live readings, three to a row.
        text.font(bold, 12);
        text.out(kLeft, text.y() - 30, in.actualSensorData);
        separators[2] = text.y() - 5;
        text.font(regular, 8);
        const float firstRow = text.y() - 20;
        for (int row = 0; row < kRowsPerColumn; ++row) {
            const float y = firstRow - 12 * static_cast<float>(row);
            const ReportInputs::Reading& left = in.readings[static_cast<std::size_t>(row)];
            const ReportInputs::Reading& middle = in.readings[static_cast<std::size_t>(kRowsPerColumn + row)];
            const ReportInputs::Reading& right = in.readings[static_cast<std::size_t>(2 * kRowsPerColumn + row)];
            text.out(50, y, readingName(left.name));
            text.out(170, y, left.value);
            text.out(195, y, left.unit);
            text.out(225, y, readingName(middle.name));
            text.out(355, y, middle.value);
            text.out(380, y, middle.unit);
            text.out(400, y, readingName(right.name));
            text.out(525, y, right.value);
        }

        // Footer.
        text.out(50, 30, in.productTitle);
        text.out(250, 30, footerDate(in.dateCaption, in.now.date()));
        if (in.playback) text.out(50, 20, playbackLine(in.recordingName, in.playbackTimeText, in.timeCaption));
        text.out(250, 20, footerTime(in.timeOfDayCaption, in.now.time()));
    }

    HPDF_Page_SetLineWidth(page, 1);
    for (const float y : separators) {
        HPDF_Page_MoveTo(page, kLeft, y);
        HPDF_Page_LineTo(page, kSeparatorRight, y);
        HPDF_Page_Stroke(page);
    }
    drawImage(pdf, page, QDir(in.installDir).filePath(kLogoImage), 440, 15, 100, 23);

    if (!pdf.save(path)) {
        result.problem = QStringLiteral("The report could not be written to %1.").arg(QDir::toNativeSeparators(path));
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace quilldar::report
