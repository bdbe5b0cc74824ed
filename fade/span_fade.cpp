#include "fade/span_fade.h"

#include <cfloat>
#include <cmath>

// The colour steps are pinned to IEEE single precision with every intermediate rounded: on x87
// (32-bit targets without -mfpmath=sse) a 14-character slice from 0 to 31 would round its seventh
// red to 16 instead of 15.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic (-msse2 -mfpmath=sse)");

namespace hue {
namespace {

constexpr std::size_t kGroupLength = 21;  // "<Font Color=#" + 6 digits + ">" + character
constexpr char32_t kColourTagStart[] = U"<Font Color=#";
constexpr std::size_t kColourTagStartLength = 13;

struct WaveTag {
    const char32_t* text;
    std::size_t length;
};

// Indexed by the counter after it has advanced (1 to 4).
constexpr WaveTag kWaveTags[5] = {
    {U"", 0}, {U"<sup>", 5}, {U"</sup>", 6}, {U"<sub>", 5}, {U"</sub>", 6}};

WaveCounter NextWaveCounter(WaveCounter counter) {
    return counter + 1 > 4 ? 1 : counter + 1;
}

// One interpolation step: q = (b - a) / n, p = q * i, s = p + a, each rounded to single precision,
// then s rounded to the nearest integer with halves to even (the default rounding mode).
struct ComponentRamp {
    float start;
    float step;

    ComponentRamp(int a, int b, float n) : start(static_cast<float>(a)), step(static_cast<float>(b - a) / n) {}

    int At(float position) const {
        const float scaled = step * position;
        const float shifted = scaled + start;
        return static_cast<int>(std::lrint(shifted));
    }
};

constexpr char32_t kHexDigits[] = U"0123456789ABCDEF";

void WriteHexByte(char32_t* out, int byte) {
    out[0] = kHexDigits[(byte >> 4) & 0xF];
    out[1] = kHexDigits[byte & 0xF];
}

}  // namespace

namespace detail {

std::size_t SpanMarkupLength(std::size_t characters, bool wavy, WaveCounter counter) {
    std::size_t length = characters * kGroupLength;
    if (!wavy) return length;
    // Every run of four wavy characters carries each tag once: 5 + 6 + 5 + 6.
    length += (characters / 4) * 22;
    for (std::size_t i = 0; i < characters % 4; ++i) {
        counter = NextWaveCounter(counter);
        length += kWaveTags[counter].length;
    }
    return length;
}

void AppendSpan(Text& out, TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter) {
    if (slice.empty()) return;
    // The slice length and positions are widened to float exactly as a 16-bit count would be; for
    // longer slices the same steps apply to the wider count.
    const auto n = static_cast<float>(slice.size());
    const ComponentRamp red(start.red, end.red, n);
    const ComponentRamp green(start.green, end.green, n);
    const ComponentRamp blue(start.blue, end.blue, n);

    // One group is assembled in a small buffer whose tag start never changes, then appended whole.
    char32_t group[kColourTagStartLength + 6 + 1 + 6 + 1];
    std::char_traits<char32_t>::copy(group, kColourTagStart, kColourTagStartLength);
    char32_t* const hex = group + kColourTagStartLength;
    hex[6] = U'>';
    char32_t* const afterColour = hex + 7;

    for (std::size_t i = 1; i <= slice.size(); ++i) {
        const auto position = static_cast<float>(i);
        WriteHexByte(hex, red.At(position));
        WriteHexByte(hex + 2, green.At(position));
        WriteHexByte(hex + 4, blue.At(position));
        char32_t* cursor = afterColour;
        if (wavy) {
            counter = NextWaveCounter(counter);
            const WaveTag& tag = kWaveTags[counter];
            std::char_traits<char32_t>::copy(cursor, tag.text, tag.length);
            cursor += tag.length;
        }
        *cursor++ = slice[i - 1];
        out.append(group, static_cast<std::size_t>(cursor - group));
    }
}

}  // namespace detail

Text FadeSpan(TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter) {
    Text markup;
    markup.reserve(detail::SpanMarkupLength(slice.size(), wavy, counter));
    detail::AppendSpan(markup, slice, start, end, wavy, counter);
    return markup;
}

}  // namespace hue
