#pragma once

#include <cstdint>
#include <string>

namespace hue {

// Red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using ColourValue = std::uint32_t;

// Colour components, each 0 to 255.
struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr ColourValue ComposeColour(int red, int green, int blue) {
    return static_cast<ColourValue>(red) + 256u * static_cast<ColourValue>(green) +
           65536u * static_cast<ColourValue>(blue);
}

// Upper-case hex of the value, padded to six digits, blue byte first. Values above FFFFFF keep all
// of their seven or eight digits.
std::string ColourToHex(ColourValue value);

// Reads the components back out of ColourToHex's text by character position, so a value above
// FFFFFF yields red from its last two digits and green and blue from its first four.
Rgb ColourComponents(ColourValue value);

}  // namespace hue
