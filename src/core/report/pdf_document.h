#pragma once

#include <hpdf.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quilldar::report {

// The regular and bold TrueType fonts a document embeds. Empty paths mean that no TrueType font
// was found and the document falls back to the built-in Helvetica, which is not embedded.
struct FontFiles {
    QString regular;
    QString bold;
};

// "arial.ttf" and "arialbd.ttf" from the install folder when both are there; otherwise Liberation
// Sans, which has the same metrics, from the system's font folders.
FontFiles findFontFiles(const QString& installDir);

// One libharu document with an error handler. Every library error prints
// "ERROR: error_no=XXXX, detail_no=N" to the standard output and is kept, so that the caller can
// tell a failed save from a written file; the document goes on after an error.
class PdfDocument {
public:
    PdfDocument();
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // False when the library could not create the document.
    bool isValid() const { return pdf_ != nullptr; }
    HPDF_Doc handle() const { return pdf_; }

    // Loads the fonts embedded, with the encoding named ("CP1250", "CP1251", "CP1252", "CP1254").
    // Text given to text() is converted to that code page.
    void loadFonts(const FontFiles& files, const char* encoding);
    HPDF_Font regular() const { return regular_; }
    HPDF_Font bold() const { return bold_; }
    // The text in the fonts' code page; a character the code page lacks becomes '?'.
    QByteArray encode(const QString& text) const;
    // The width in points of the text written in the font at the size, as the page will set it.
    float textWidth(HPDF_Font font, float size, const QString& text) const;

    // The PNG image, or nullptr when the file is missing or unreadable.
    HPDF_Image loadPng(const QString& path);
    // Writes the document; false when the library reported an error while saving.
    bool save(const QString& path);

    const QStringList& errors() const { return errors_; }

private:
    static void onError(HPDF_STATUS errorNumber, HPDF_STATUS detailNumber, void* self);

    HPDF_Doc pdf_ = nullptr;
    HPDF_Font regular_ = nullptr;
    HPDF_Font bold_ = nullptr;
    int codePage_ = 1250;
    QStringList errors_;
};

}  // namespace quilldar::report
