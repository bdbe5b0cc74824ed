#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "fade/colour.h"
#include "fade/text.h"

namespace hue {

// The five swatch colours, colour 1 first.
using Palette = std::array<ColourValue, 5>;

// Lets the window handle its pending events; the fade calls it while it divides the text.
using ProcessPendingEvents = std::function<void()>;

// The four slice lengths of a text: characters are dealt out one at a time to slices 1, 2, 3, 4,
// 1, 2 ... so the lengths differ by at most one and the longer slices come first.
struct SliceLengths {
    std::size_t c1, c2, c3, c4;
    friend bool operator==(const SliceLengths&, const SliceLengths&) = default;
};
SliceLengths DivideIntoSlices(std::size_t length);

// Fades the text from colour 1 through colour 5 over four slices, with bobbing letters when
// `wavy` is set. Texts of any length are faded whole; counts are held in size_t, so lines beyond
// 32,767 characters follow the same rules.
Markup FadeFiveColours(const Palette& colours, TextView text, bool wavy,
                       const ProcessPendingEvents& processPendingEvents = {});

// The exact length in bytes of FadeFiveColours' result.
std::size_t FadeMarkupLength(TextView text, bool wavy);

}  // namespace hue
