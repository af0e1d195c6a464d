#pragma once

#include <cstdint>

namespace quilldar::vehicle {

// Colours as the settings and the pages exchange them: 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kPlaceholderGrey = 0x8C8C8C;
inline constexpr Colour kYellow = 0x00FFFF;

// What the data pages need of the user's settings: the display units and the highlighting of
// changed values. Filled from the stored settings; the defaults are those of a fresh installation.
struct UnitSettings {
    int speed = 0;            // 0 km/h, 1 mph
    int temperature = 0;      // 0 °C, 1 °F
    int pressure = 0;         // 0 kPa, 1 mmHg, 2 inHg, 3 psig
    int highlightPeriod = 5;  // seconds a changed value stays highlighted; 0 switches it off
    Colour highlightColour = kYellow;

    bool milesPerHour() const { return speed == 1; }
    bool fahrenheit() const { return temperature == 1; }
};

}  // namespace quilldar::vehicle
