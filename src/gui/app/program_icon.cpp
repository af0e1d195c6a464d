#include "gui/app/program_icon.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace quilldar::gui {

QIcon programIcon() {
    static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    const QString folders[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor"),
                               QStringLiteral(QUILLDAR_SOURCE_ICONS)};
    for (const QString& folder : folders) {
        QIcon icon;
        for (const int size : kSizes) {
            const QString path = QStringLiteral("%1/%2x%2/apps/quilldar.png").arg(folder).arg(size);
            if (QFileInfo::exists(path)) icon.addFile(path, QSize(size, size));
        }
        if (!icon.isNull()) return icon;
    }
    return QIcon::fromTheme(QStringLiteral("quilldar"));
}

}  // namespace quilldar::gui
