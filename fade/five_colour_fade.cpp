#include "fade/five_colour_fade.h"

#include "fade/span_fade.h"

namespace hue {

SliceLengths DivideIntoSlices(std::size_t length) {
    // An empty text still ends its first pass having dealt one (non-existent) character to slice 1.
    if (length == 0) return {1, 0, 0, 0};
    return {(length + 3) / 4, (length + 2) / 4, (length + 1) / 4, length / 4};
}

std::size_t FadeMarkupLength(TextView text, bool wavy) { return detail::SpanMarkupLength(text, wavy, 0); }

Markup FadeFiveColours(const Palette& colours, TextView text, bool wavy,
                       const ProcessPendingEvents& processPendingEvents) {
    std::array<Rgb, 5> components{};
    for (std::size_t k = 0; k < colours.size(); ++k) components[k] = ColourComponents(colours[k]);

    // The text is dealt out four characters per pass, and the window gets to handle its events
    // once at the start of every pass (once for an empty text).
    const std::size_t passes = text.empty() ? 1 : (text.size() + 3) / 4;
    if (processPendingEvents) {
        for (std::size_t pass = 0; pass < passes; ++pass) processPendingEvents();
    }
    const SliceLengths lengths = DivideIntoSlices(text.size());
    const std::size_t sliceLengths[4] = {lengths.c1, lengths.c2, lengths.c3, lengths.c4};

    Markup markup(FadeMarkupLength(text, wavy), '\0');
    char* out = markup.data();
    WaveCounter counter = 0;
    std::size_t sliceStart = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        // A slice that would run past the end stops there; one that would begin past it is empty.
        const TextView slice =
            sliceStart < text.size() ? text.substr(sliceStart, sliceLengths[k]) : TextView{};
        out = detail::WriteSpan(out, slice, components[k], components[k + 1], wavy, counter);
        sliceStart += sliceLengths[k];
    }
    return markup;
}

}  // namespace hue
