#pragma once

#include <QString>
#include <array>

#include "settings/settings.h"

namespace quilldar::settings {

// The colours of the settings dialog's colour box, by index (settings entry 6).
struct HighlightColourChoice {
    const char* name;
    ColourRef colour;  // 0x00BBGGRR
};
inline constexpr int kHighlightColourCount = 6;
inline constexpr std::array<HighlightColourChoice, kHighlightColourCount> kHighlightColours = {{
    {"Yellow", 0x00FFFF},
    {"Red", 0x0000FF},
    {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},
    {"Blue", 0xFF0000},
    {"Pink", 0xFF00FF},
}};

// The colour of an index; an index outside the list gives the first colour.
ColourRef highlightColourAt(int index);

// "HLColor" holds one character per component, blue, green, red. Reading: '1' is 0 and any
// other character 255; a value shorter than three characters gives red (0x0000FF).
ColourRef decodeHighlightColour(const QString& value);
// Writing: a component of 255 is '2', any other '1'.
QString encodeHighlightColour(ColourRef colour);

inline constexpr const char* kDefaultHighlightColourValue = "122";

}  // namespace quilldar::settings
