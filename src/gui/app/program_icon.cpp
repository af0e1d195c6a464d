#include "gui/app/program_icon.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QString>

namespace quilldar::gui {

QStringList programIconFolders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor"),
            QStringLiteral(QUILLDAR_SOURCE_ICONS)};
}

QList<QImage> programIconImages(const QStringList& folders) {
    // Every size goes into each window's icon property, converted for the window manager at
    // each window's start; 256 would take three times the rest together. Desktops take larger
    // icons from the installed files, which the desktop entry names.
    static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128};
    for (const QString& folder : folders) {
        QList<QImage> images;
        for (const int size : kSizes) {
            // Decoded here: a file handed to QIcon would be read on the application's thread,
            // after a search for icon engine plugins that knew its suffix.
            QImage image(QStringLiteral("%1/%2x%2/apps/quilldar.png").arg(folder).arg(size));
            if (!image.isNull()) images.append(std::move(image));
        }
        if (!images.isEmpty()) return images;
    }
    return {};
}

QIcon programIcon(const QList<QImage>& images) {
    if (images.isEmpty()) return QIcon::fromTheme(QStringLiteral("quilldar"));
    QIcon icon;
    for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QIcon programIcon() { return programIcon(programIconImages(programIconFolders())); }

}  // namespace quilldar::gui
