// Feeds random colours, texts and the wavy flag to the five-colour fade and checks the markup's
// structure: one group per character, six upper-case hex digits, the wave cycle in order, and the
// last character of every slice on its slice's end colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fade/five_colour_fade.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

bool Matches(hue::MarkupView markup, std::size_t at, hue::MarkupView expected) {
    return markup.substr(at, expected.size()) == expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5 * 4 + 1) return 0;
    hue::Palette palette{};
    for (auto& colour : palette) {
        std::memcpy(&colour, data, 4);
        data += 4;
    }
    const bool wavy = (*data++ & 1) != 0;
    size -= 21;
    hue::Text text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        // Any code point, including "<", ">", NUL and characters beyond the Basic Multilingual Plane.
        text += static_cast<char32_t>((data[i] | (data[i + 1] << 8)) * 17u % 0x110000u);
    }

    const hue::Markup markup = hue::FadeFiveColours(palette, text, wavy);
    Check(markup.size() == hue::FadeMarkupLength(text, wavy));

    static const hue::MarkupView kWaveTags[] = {"<sup>", "</sup>", "<sub>", "</sub>"};
    const hue::SliceLengths slices = hue::DivideIntoSlices(text.size());
    const std::size_t sliceEnds[4] = {slices.c1, slices.c1 + slices.c2, slices.c1 + slices.c2 + slices.c3,
                                      text.size()};
    std::size_t at = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Check(Matches(markup, at, "<Font Color=#"));
        at += 13;
        int digits[6];
        for (int d = 0; d < 6; ++d) {
            Check(IsUpperHex(markup[at]));
            digits[d] = HexValue(markup[at++]);
        }
        Check(markup[at++] == '>');
        if (wavy) {
            const hue::MarkupView tag = kWaveTags[i % 4];
            Check(Matches(markup, at, tag));
            at += tag.size();
        }
        char character[4];
        const hue::MarkupView expected(
            character, static_cast<std::size_t>(hue::WriteUtf8(character, text[i]) - character));
        Check(Matches(markup, at, expected));
        at += expected.size();
        for (std::size_t k = 0; k < 4; ++k) {
            if (i + 1 == sliceEnds[k] && (k == 0 || sliceEnds[k] != sliceEnds[k - 1])) {
                const hue::Rgb end = hue::ColourComponents(palette[k + 1]);
                Check(digits[0] * 16 + digits[1] == end.red);
                Check(digits[2] * 16 + digits[3] == end.green);
                Check(digits[4] * 16 + digits[5] == end.blue);
            }
        }
    }
    Check(at == markup.size());
    return 0;
}
