#pragma once

#include <optional>

namespace quilldar::tool {

// The program's update check without its windows: fetches the version file, announces a new
// program version (the tool never fetches or starts an installer), and refreshes the FAQ
// documents into the download folder when their version differs from the stored one, storing
// the new version. Every message the program would show is printed as "Caption: text".
// Exit status 0 when nothing went wrong (no server is not an error), 1 when the check showed
// an error.
int runUpdate();

// The main window's FAQ command without a viewer: prints the path of the FAQ document the
// command opens for the language (default: the stored one). Exit status 1, with the program's
// message, when there is none.
int runFaq(std::optional<int> language);

}  // namespace quilldar::tool
