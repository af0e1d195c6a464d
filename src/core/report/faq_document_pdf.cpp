#include "report/faq_document_pdf.h"

#include <QDir>
#include <QStringList>

#include <vector>

#include "report/pdf_document.h"
#include "settings/languages.h"

namespace quilldar::report {
namespace {

constexpr float kPageWidth = 595;
constexpr float kPageHeight = 842;
constexpr float kMargin = 60;
constexpr float kBottom = 60;
constexpr float kBodySize = 10;
constexpr float kLeading = 14;
constexpr float kHeadingSize = 12.5F;
constexpr float kTitleSize = 18;
constexpr float kIndent = 14;

enum class BlockKind { Title, Heading, Paragraph, Item };

struct Block {
    BlockKind kind;
    QString text;
};

std::vector<Block> parse(const QString& markup) {
    std::vector<Block> blocks;
    bool open = false;  // the last block takes continuation lines
    for (const QString& raw : markup.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            open = false;
        } else if (line.startsWith(QLatin1String("## "))) {
            blocks.push_back({BlockKind::Heading, line.mid(3)});
            open = false;
        } else if (line.startsWith(QLatin1String("# "))) {
            blocks.push_back({BlockKind::Title, line.mid(2)});
            open = false;
        } else if (line.startsWith(QLatin1String("- "))) {
            blocks.push_back({BlockKind::Item, line.mid(2)});
            open = true;
        } else if (open) {
            blocks.back().text += QLatin1Char(' ') + line;
        } else {
            blocks.push_back({BlockKind::Paragraph, line});
            open = true;
        }
    }
    return blocks;
}

class FaqWriter {
public:
    FaqWriter(PdfDocument& pdf, const QString& headerImage) : pdf_(pdf), headerImage_(headerImage) {}

    void write(const std::vector<Block>& blocks) {
        newPage();
        for (const Block& block : blocks) {
            switch (block.kind) {
                case BlockKind::Title:
                    y_ -= 10;
                    lines(block.text, pdf_.bold(), kTitleSize, kMargin, 24);
                    y_ -= 6;
                    break;
                case BlockKind::Heading:
                    // A heading never stands alone at the foot of a page.
                    if (y_ - 3 * kLeading - 10 < kBottom) newPage();
                    y_ -= 10;
                    lines(block.text, pdf_.bold(), kHeadingSize, kMargin, 17);
                    y_ -= 2;
                    break;
                case BlockKind::Paragraph:
                    lines(block.text, pdf_.regular(), kBodySize, kMargin, kLeading);
                    y_ -= 5;
                    break;
                case BlockKind::Item:
                    lines(block.text, pdf_.regular(), kBodySize, kMargin + kIndent, kLeading, true);
                    y_ -= 2;
                    break;
            }
        }
        endPage();
    }

private:
    void newPage() {
        endPage();
        page_ = HPDF_AddPage(pdf_.handle());
        HPDF_Page_SetWidth(page_, kPageWidth);
        HPDF_Page_SetHeight(page_, kPageHeight);
        ++pageNumber_;
        y_ = kPageHeight - kMargin;
        if (pageNumber_ == 1) {
            if (HPDF_Image header = pdf_.loadPng(headerImage_)) {
                HPDF_Page_DrawImage(page_, header, kMargin, kPageHeight - 40 - 48, kPageWidth - 2 * kMargin, 48);
                y_ = kPageHeight - 40 - 48 - 20;
            }
        }
        HPDF_Page_BeginText(page_);
        inText_ = true;
    }

    void endPage() {
        if (!inText_) return;
        // The page number at the foot of every page.
        HPDF_Page_SetFontAndSize(page_, pdf_.regular(), 8);
        const QByteArray number = QByteArray::number(pageNumber_);
        const float width = HPDF_Page_TextWidth(page_, number.constData());
        HPDF_Page_TextOut(page_, (kPageWidth - width) / 2, 30, number.constData());
        HPDF_Page_EndText(page_);
        inText_ = false;
    }

    // Writes the text wrapped to the width left of x; a list item gets its bullet.
    void lines(const QString& text, HPDF_Font font, float size, float x, float leading, bool bullet = false) {
        QByteArray rest = pdf_.encode(text);
        const float width = kPageWidth - kMargin - x;
        bool first = true;
        while (!rest.isEmpty()) {
            if (y_ - leading < kBottom) newPage();
            HPDF_Page_SetFontAndSize(page_, font, size);
            y_ -= leading;
            HPDF_UINT fits = HPDF_Page_MeasureText(page_, rest.constData(), width, HPDF_TRUE, nullptr);
            // A single word wider than the line is broken where it must be.
            if (fits == 0) fits = HPDF_Page_MeasureText(page_, rest.constData(), width, HPDF_FALSE, nullptr);
            if (fits == 0) fits = 1;
            const QByteArray line = rest.left(fits).trimmed();
            rest = rest.mid(fits).trimmed();
            if (bullet && first) HPDF_Page_TextOut(page_, x - 10, y_, "\x95");
            HPDF_Page_TextOut(page_, x, y_, line.constData());
            first = false;
        }
    }

    PdfDocument& pdf_;
    QString headerImage_;
    HPDF_Page page_ = nullptr;
    bool inText_ = false;
    int pageNumber_ = 0;
    float y_ = 0;
};

}  // namespace

bool renderFaqPdf(const QString& markup, int languageIndex, const QString& installDir,
                  const QString& outputPath, QString* problem) {
    auto fail = [problem](const QString& why) {
        if (problem != nullptr) *problem = why;
        return false;
    };
    const std::vector<Block> blocks = parse(markup);
    if (blocks.empty()) return fail(QStringLiteral("The FAQ text is empty."));
    PdfDocument pdf;
    if (!pdf.isValid()) return fail(QStringLiteral("The PDF library could not create a document."));
    HPDF_SetCompressionMode(pdf.handle(), HPDF_COMP_ALL);
    pdf.loadFonts(findFontFiles(installDir), settings::pdfEncoding(languageIndex));
    HPDF_SetInfoAttr(pdf.handle(), HPDF_INFO_AUTHOR, "Morvalin Electronics Ltd.");
    HPDF_SetInfoAttr(pdf.handle(), HPDF_INFO_TITLE, pdf.encode(blocks.front().text).constData());
    FaqWriter(pdf, QDir(installDir).filePath(QStringLiteral("PrintHeader.png"))).write(blocks);
    if (!pdf.save(outputPath)) return fail(QStringLiteral("The FAQ could not be written to %1.").arg(outputPath));
    return true;
}

}  // namespace quilldar::report
