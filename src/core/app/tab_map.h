#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/language_table.h"

namespace quilldar::app {

// Which pages the tab strip offers, in tab order, for the unit the strip was built for
// (builtKind): all eight pages without a session, the unit's own pages during one.
std::vector<std::uint16_t> pageTabMap(std::uint16_t builtKind, bool altListVariant);

// The page behind a clicked tab, or -1 when the strip has no such tab.
int pageForTab(std::uint16_t builtKind, bool altListVariant, int tab);

// The page a rebuilt strip shows first for a unit.
std::uint16_t firstPageOf(std::uint16_t systemKind);

// The name of a page's tab (the first five pages are the units': engine, transmission, engine
// and transmission, ABS, EPS); nothing for a page beyond the eight.
std::optional<settings::MainText> tabText(std::uint16_t page);

}  // namespace quilldar::app
