#include "fade/span_fade.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

// The colour steps are pinned to IEEE single precision with every intermediate rounded: on x87
// (32-bit targets without -mfpmath=sse) a 14-character slice from 0 to 31 would round its seventh
// red to 16 instead of 15.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic (-msse2 -mfpmath=sse)");

namespace hue {
namespace {

// Padded to 16 bytes so it is copied with one store; the padding is overwritten by the digits.
constexpr char kColourTagStart[16] = "<Font Color=#";
constexpr std::size_t kColourTagStartLength = 13;
constexpr std::size_t kGroupLength = kColourTagStartLength + 6 + 1;  // and the character

struct WaveTag {
    char text[7];
    std::size_t length;
};

// Indexed by the counter after it has advanced (1 to 4).
constexpr WaveTag kWaveTags[5] = {{"", 0}, {"<sup>", 5}, {"</sup>", 6}, {"<sub>", 5}, {"</sub>", 6}};

WaveCounter NextWaveCounter(WaveCounter counter) { return counter + 1 > 4 ? 1 : counter + 1; }

// One component's ramp: q = (b - a) / n, p = q * i, s = p + a, each rounded to single precision,
// then s rounded to the nearest integer with halves to even (the default rounding mode).
struct ComponentRamp {
    float start;
    float step;

    ComponentRamp(int a, int b, float n)
        : start(static_cast<float>(a)), step(static_cast<float>(b - a) / n) {}

    int At(float position) const {
        const float scaled = step * position;
        const float shifted = scaled + start;
        return static_cast<int>(std::lrint(shifted));
    }
};

// The two upper-case hex digits of every byte, as they lie in memory.
struct HexPairs {
    std::uint16_t pairs[256];
    constexpr HexPairs() : pairs() {
        constexpr char kDigits[] = "0123456789ABCDEF";
        for (int i = 0; i < 256; ++i) {
            const auto high = static_cast<std::uint16_t>(static_cast<unsigned char>(kDigits[i >> 4]));
            const auto low = static_cast<std::uint16_t>(static_cast<unsigned char>(kDigits[i & 0xF]));
            pairs[i] = std::endian::native == std::endian::little
                           ? static_cast<std::uint16_t>(high | (low << 8))
                           : static_cast<std::uint16_t>((high << 8) | low);
        }
    }
};
constexpr HexPairs kHex;

// Writes "RRGGBB>" and one byte of scratch, which the character that follows overwrites. On a
// little-endian machine this is a single eight-byte store.
char* WriteColourDigits(char* out, int red, int green, int blue) {
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t word =
            std::uint64_t{kHex.pairs[red & 0xFF]} | (std::uint64_t{kHex.pairs[green & 0xFF]} << 16) |
            (std::uint64_t{kHex.pairs[blue & 0xFF]} << 32) | (std::uint64_t{'>'} << 48);
        std::memcpy(out, &word, 8);
    } else {
        std::memcpy(out, &kHex.pairs[red & 0xFF], 2);
        std::memcpy(out + 2, &kHex.pairs[green & 0xFF], 2);
        std::memcpy(out + 4, &kHex.pairs[blue & 0xFF], 2);
        out[6] = '>';
    }
    return out + 7;
}

}  // namespace

namespace detail {

std::size_t SpanMarkupLength(TextView slice, bool wavy, WaveCounter counter) {
    std::size_t length = slice.size() * kGroupLength;
    // The UTF-8 length of each character, without branches so the compiler can vectorise the pass:
    // one byte, plus one from U+0080, U+0800 and U+10000 each; WriteUtf8 writes code points beyond
    // U+10FFFF as U+FFFD, in 3 bytes.
    for (char32_t c : slice) {
        length += 1u + (c >= 0x80) + (c >= 0x800) + (c >= 0x10000) - (c > 0x10FFFF);
    }
    if (!wavy) return length;
    // Every run of four wavy characters carries each tag once: 5 + 6 + 5 + 6.
    length += (slice.size() / 4) * 22;
    for (std::size_t i = 0; i < slice.size() % 4; ++i) {
        counter = NextWaveCounter(counter);
        length += kWaveTags[counter].length;
    }
    return length;
}

char* WriteSpan(char* out, TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter) {
    if (slice.empty()) return out;
    // The slice length and the positions are converted to float as a 16-bit count would be; longer
    // slices take the same steps in their wider count.
    const auto n = static_cast<float>(slice.size());
    const ComponentRamp red(start.red, end.red, n);
    const ComponentRamp green(start.green, end.green, n);
    const ComponentRamp blue(start.blue, end.blue, n);

    for (std::size_t i = 1; i <= slice.size(); ++i) {
        const auto position = static_cast<float>(i);
        // Every group is at least 21 bytes, so the 16-byte copy and the 8-byte digits stay inside it.
        std::memcpy(out, kColourTagStart, sizeof kColourTagStart);
        out = WriteColourDigits(out + kColourTagStartLength, red.At(position), green.At(position),
                                blue.At(position));
        if (wavy) {
            counter = NextWaveCounter(counter);
            // The opening tags are five bytes, the closing ones six.
            if (counter % 2 == 1) {
                std::memcpy(out, kWaveTags[counter].text, 5);
                out += 5;
            } else {
                std::memcpy(out, kWaveTags[counter].text, 6);
                out += 6;
            }
        }
        const char32_t character = slice[i - 1];
        if (character < 0x80) {
            *out++ = static_cast<char>(character);
        } else {
            out = WriteUtf8(out, character);
        }
    }
    return out;
}

}  // namespace detail

Markup FadeSpan(TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter) {
    Markup markup(detail::SpanMarkupLength(slice, wavy, counter), '\0');
    detail::WriteSpan(markup.data(), slice, start, end, wavy, counter);
    return markup;
}

}  // namespace hue
