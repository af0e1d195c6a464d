#pragma once

#include <QString>
#include <vector>

namespace quilldar::files {

// One line of the browser's list.
struct BrowserItem {
    enum class Kind { Parent, Folder, File };
    Kind kind;
    QString name;  // ".." for the parent

    bool operator==(const BrowserItem&) const = default;
};

struct ListingRequest {
    QString folder;     // clean, absolute, without a trailing separator except at the top
    QString extension;  // ".QLS" or ".CSV"
    QString prefix;     // only files whose names start with it (the open mode's filter)
};

// The list of a folder: ".." unless the folder is the top of its file system, then the visible
// sub-folders, then the files whose names start with the prefix and end in the extension (both
// compared without regard to letter case, as the file systems the program came from do). Folders
// and files each come sorted by name, the order in which a user looks for them.
std::vector<BrowserItem> listFolder(const ListingRequest& request);

// Whether the folder is the top of its file system ("/" or a drive's root), where the list has
// no "..".
bool isTopFolder(const QString& folder);

}  // namespace quilldar::files
