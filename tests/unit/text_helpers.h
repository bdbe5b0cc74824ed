#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fade/text.h"

namespace hue::test {

// Texts to fade, written as ASCII to keep the expectations readable.
inline Text T(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

// The six colour digits of every "<Font Color=#" group, in order.
inline std::vector<std::string> ColourTexts(MarkupView markup) {
    std::vector<std::string> colours;
    const std::string_view tag = "<Font Color=#";
    for (std::size_t at = markup.find(tag); at != MarkupView::npos; at = markup.find(tag, at + 1)) {
        colours.push_back(std::string(markup.substr(at + tag.size(), 6)));
    }
    return colours;
}

}  // namespace hue::test
