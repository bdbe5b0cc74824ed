#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fade/text.h"

namespace hue::test {

// Markup is mostly ASCII; these keep expectations readable.
inline Text T(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }
inline std::string A(TextView text) {
    std::string out;
    for (char32_t c : text) out += static_cast<char>(c);
    return out;
}

// The six colour digits of every "<Font Color=#" group, in order.
inline std::vector<std::string> ColourTexts(TextView markup) {
    std::vector<std::string> colours;
    const Text tag = T("<Font Color=#");
    for (std::size_t at = markup.find(tag); at != Text::npos; at = markup.find(tag, at + 1)) {
        colours.push_back(A(markup.substr(at + tag.size(), 6)));
    }
    return colours;
}

}  // namespace hue::test
