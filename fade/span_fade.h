#pragma once

#include <cstddef>

#include "fade/colour.h"
#include "fade/text.h"

namespace hue {

// Which wave tag a wavy character gets: 1 "<sup>", 2 "</sup>", 3 "<sub>", 4 "</sub>". The caller
// owns it and starts each line at 0; it is left at the value of the last character coloured.
using WaveCounter = int;

// Colours the slice character by character from one step past `start` to exactly `end`, one
// "<Font Color=#RRGGBB>" group per character, with the next wave tag after it when `wavy` is set.
Markup FadeSpan(TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter);

namespace detail {

// The exact length in bytes of FadeSpan's result, so callers can allocate once.
std::size_t SpanMarkupLength(TextView slice, bool wavy, WaveCounter counter);

// FadeSpan, writing into a buffer of at least SpanMarkupLength bytes; returns the end.
char* WriteSpan(char* out, TextView slice, Rgb start, Rgb end, bool wavy, WaveCounter& counter);

}  // namespace detail
}  // namespace hue
