#include "app/tab_map.h"

#include <iterator>

#include "link/page_lists.h"

namespace quilldar::app {

namespace page = link::page;

std::vector<std::uint16_t> pageTabMap(std::uint16_t builtKind, bool altListVariant) {
    switch (builtKind) {
        case 1:
            // ECMs of the second identification scheme have no fault-time data.
            if (altListVariant) return {page::kEngine, page::kErrorCodes, page::kActiveTests};
            return {page::kEngine, page::kErrorCodes, page::kFreezeFrame, page::kActiveTests};
        case 2: return {page::kTransmission, page::kErrorCodes};
        case 3: return {page::kEngineTransmission, page::kErrorCodes, page::kFreezeFrame, page::kActiveTests};
        case 4: return {page::kAbs, page::kErrorCodes};
        case 5: return {page::kEps, page::kErrorCodes};
        default:
            return {page::kEngine, page::kTransmission, page::kEngineTransmission, page::kAbs,
                    page::kEps, page::kErrorCodes, page::kFreezeFrame, page::kActiveTests};
    }
}

int pageForTab(std::uint16_t builtKind, bool altListVariant, int tab) {
    const auto pages = pageTabMap(builtKind, altListVariant);
    if (tab < 0 || tab >= static_cast<int>(pages.size())) return -1;
    return pages[static_cast<std::size_t>(tab)];
}

std::uint16_t firstPageOf(std::uint16_t systemKind) {
    return systemKind >= 1 && systemKind <= 5 ? static_cast<std::uint16_t>(systemKind - 1) : page::kEngine;
}

std::optional<settings::MainText> tabText(std::uint16_t page) {
    using settings::MainText;
    static constexpr MainText kTabTexts[] = {MainText::TabEngine, MainText::TabTransmission,
                                             MainText::TabEngineTransmission, MainText::TabAbs,
                                             MainText::TabEps, MainText::TabErrorCodes,
                                             MainText::TabShowDataWhenTrouble, MainText::TabActiveTests};
    if (page >= std::size(kTabTexts)) return std::nullopt;
    return kTabTexts[page];
}

}  // namespace quilldar::app
