#pragma once

namespace quilldar::app {

// The maker's web address as the About dialog shows it. The language table's link text and the
// address that the About link and the header image open both come from here.
inline constexpr char16_t kMakerWebAddress[] = u"www.morvalin.example";

}  // namespace quilldar::app
