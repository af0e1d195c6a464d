#pragma once

#include <cstdint>
#include <vector>

namespace quilldar::app {

// Which pages the tab strip offers, in tab order, for the unit the strip was built for
// (builtKind): all eight pages without a session, the unit's own pages during one.
std::vector<std::uint16_t> pageTabMap(std::uint16_t builtKind, bool altListVariant);

// The page behind a clicked tab, or -1 when the strip has no such tab.
int pageForTab(std::uint16_t builtKind, bool altListVariant, int tab);

// The page a rebuilt strip shows first for a unit.
std::uint16_t firstPageOf(std::uint16_t systemKind);

}  // namespace quilldar::app
