#include "fade/colour.h"

namespace hue {
namespace {

int HexDigitValue(char digit) { return digit <= '9' ? digit - '0' : digit - 'A' + 10; }

int HexByteAt(const std::string& hex, std::size_t position) {
    return HexDigitValue(hex[position]) * 16 + HexDigitValue(hex[position + 1]);
}

}  // namespace

std::string ColourToHex(ColourValue value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    do {
        hex.insert(hex.begin(), kDigits[value & 0xFu]);
        value >>= 4;
    } while (value != 0);
    if (hex.size() < 6) hex.insert(0, 6 - hex.size(), '0');
    return hex;
}

Rgb ColourComponents(ColourValue value) {
    const std::string hex = ColourToHex(value);
    return {HexByteAt(hex, hex.size() - 2), HexByteAt(hex, 2), HexByteAt(hex, 0)};
}

}  // namespace hue
