#include "report/pdf_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#include "settings/code_page.h"

namespace quilldar::report {
namespace {

// Where Debian's fonts-liberation2 (and the older fonts-liberation) put Liberation Sans.
constexpr const char* kLiberationFolders[] = {
    "/usr/share/fonts/truetype/liberation2",
    "/usr/share/fonts/truetype/liberation",
};

int codePageOf(const char* encoding) {
    // "CP1250" .. "CP1258": the number after the letters.
    if (encoding != nullptr && std::strncmp(encoding, "CP", 2) == 0) return std::atoi(encoding + 2);
    return 1252;
}

}  // namespace

FontFiles findFontFiles(const QString& installDir) {
    const QDir install(installDir);
    const QString arial = install.filePath(QStringLiteral("arial.ttf"));
    const QString arialBold = install.filePath(QStringLiteral("arialbd.ttf"));
    if (!installDir.isEmpty() && QFileInfo(arial).isFile() && QFileInfo(arialBold).isFile())
        return {arial, arialBold};
    for (const char* folder : kLiberationFolders) {
        const QDir dir(QString::fromLatin1(folder));
        const QString regular = dir.filePath(QStringLiteral("LiberationSans-Regular.ttf"));
        const QString bold = dir.filePath(QStringLiteral("LiberationSans-Bold.ttf"));
        if (QFileInfo(regular).isFile() && QFileInfo(bold).isFile()) return {regular, bold};
    }
    return {};
}

PdfDocument::PdfDocument() { pdf_ = HPDF_New(&PdfDocument::onError, this); }

PdfDocument::~PdfDocument() {
    if (pdf_ != nullptr) HPDF_Free(pdf_);
}

void PdfDocument::onError(HPDF_STATUS errorNumber, HPDF_STATUS detailNumber, void* self) {
    std::printf("ERROR: error_no=%04X, detail_no=%u\n", static_cast<unsigned>(errorNumber),
                static_cast<unsigned>(detailNumber));
    std::fflush(stdout);
    static_cast<PdfDocument*>(self)->errors_.append(
        QStringLiteral("error_no=%1, detail_no=%2")
            .arg(static_cast<unsigned>(errorNumber), 4, 16, QLatin1Char('0'))
            .arg(static_cast<unsigned>(detailNumber)));
}

void PdfDocument::loadFonts(const FontFiles& files, const char* encoding) {
    if (pdf_ == nullptr) return;
    codePage_ = codePageOf(encoding);
    auto load = [this, encoding](const QString& path, const char* builtIn) -> HPDF_Font {
        const char* name = nullptr;
        if (!path.isEmpty()) name = HPDF_LoadTTFontFromFile(pdf_, QFile::encodeName(path).constData(), HPDF_TRUE);
        if (name == nullptr) {
            HPDF_ResetError(pdf_);
            name = builtIn;
        }
        HPDF_Font font = HPDF_GetFont(pdf_, name, encoding);
        if (font == nullptr) {
            // An encoding the font cannot take: the standard one still writes ASCII.
            HPDF_ResetError(pdf_);
            font = HPDF_GetFont(pdf_, name, nullptr);
        }
        return font;
    };
    regular_ = load(files.regular, "Helvetica");
    bold_ = load(files.bold, "Helvetica-Bold");
}

QByteArray PdfDocument::encode(const QString& text) const {
    return settings::encodeWindowsCodePage(codePage_, text);
}

float PdfDocument::textWidth(HPDF_Font font, float size, const QString& text) const {
    if (font == nullptr || text.isEmpty()) return 0;
    const QByteArray bytes = encode(text);
    const HPDF_TextWidth width = HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>(bytes.constData()),
                                                     static_cast<HPDF_UINT>(bytes.size()));
    // The library counts in thousandths of the font size.
    return static_cast<float>(width.width) * size / 1000.0F;
}

HPDF_Image PdfDocument::loadPng(const QString& path) {
    if (pdf_ == nullptr || path.isEmpty() || !QFileInfo(path).isFile()) return nullptr;
    HPDF_Image image = HPDF_LoadPngImageFromFile(pdf_, QFile::encodeName(path).constData());
    if (image == nullptr) HPDF_ResetError(pdf_);
    return image;
}

bool PdfDocument::save(const QString& path) {
    if (pdf_ == nullptr) return false;
    const qsizetype before = errors_.size();
    const HPDF_STATUS status = HPDF_SaveToFile(pdf_, QFile::encodeName(path).constData());
    return status == HPDF_OK && errors_.size() == before && QFileInfo(path).isFile();
}

}  // namespace quilldar::report
