#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hue {

// Text to be faded holds one unit per character: the window's UTF-16 text and the command line's
// UTF-8 both arrive here as code points, so a character outside the Basic Multilingual Plane is
// still one coloured group.
using Text = std::u32string;
using TextView = std::u32string_view;

// Chat markup is written as UTF-8: its tags are ASCII, and one byte per tag character keeps a
// faded line of a million characters inside the cache.
using Markup = std::string;
using MarkupView = std::string_view;

// Writes `c` at `out` and returns the position after it. Code points beyond U+10FFFF and lone
// surrogates cannot come from valid UTF-8 or UTF-16 and are written as U+FFFD.
inline char* WriteUtf8(char* out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace hue
