#include "files/folder_listing.h"

#include <QDir>
#include <QFileInfo>

namespace quilldar::files {

std::vector<BrowserItem> listFolder(const ListingRequest& request) {
    std::vector<BrowserItem> items;
    if (!isTopFolder(request.folder)) items.push_back({BrowserItem::Kind::Parent, QStringLiteral("..")});

    const QDir dir(request.folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order)) {
        items.push_back({BrowserItem::Kind::Folder, name});
    }
    // Files are listed whether hidden or not; only hidden folders are left out.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, order)) {
        if (!name.endsWith(request.extension, Qt::CaseInsensitive)) continue;
        if (!name.startsWith(request.prefix, Qt::CaseInsensitive)) continue;
        items.push_back({BrowserItem::Kind::File, name});
    }
    return items;
}

bool isTopFolder(const QString& folder) { return QDir(folder).isRoot(); }

}  // namespace quilldar::files
