#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "fade/colour.h"

namespace hue {

// How a stretch of chat markup is shown: the colour of the last font tag and the style tags open.
struct MarkupStyle {
    Rgb colour{0, 0, 0};
    bool hasColour = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int raise = 0;  // +1 per open "<sup>", -1 per open "<sub>"
    friend bool operator==(const MarkupStyle&, const MarkupStyle&) = default;
};

namespace detail {

template <class Char>
bool StartsWithAscii(std::basic_string_view<Char> text, std::size_t at, std::string_view ascii) {
    if (text.size() - at < ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        Char c = text[at + i];
        Char want = static_cast<Char>(static_cast<unsigned char>(ascii[i]));
        // Tag names are read case-insensitively, as the chat does.
        if (c >= 'A' && c <= 'Z') c = static_cast<Char>(c - 'A' + 'a');
        if (want >= 'A' && want <= 'Z') want = static_cast<Char>(want - 'A' + 'a');
        if (c != want) return false;
    }
    return true;
}

template <class Char>
int HexValue(Char c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    return -1;
}

// Applies the tag at `at` to `style` and returns its length, or 0 when no known tag starts there.
template <class Char>
std::size_t ApplyTag(std::basic_string_view<Char> text, std::size_t at, MarkupStyle& style) {
    if (text[at] != '<') return 0;
    if (StartsWithAscii(text, at, "<font color=#") && text.size() - at >= 20 && text[at + 19] == '>') {
        int digits[6];
        for (int i = 0; i < 6; ++i) {
            digits[i] = HexValue(text[at + 13 + static_cast<std::size_t>(i)]);
            if (digits[i] < 0) return 0;
        }
        style.colour = {digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]};
        style.hasColour = true;
        return 20;
    }
    struct Simple {
        std::string_view tag;
        bool MarkupStyle::*flag;
        bool value;
    };
    static constexpr Simple kFlags[] = {
        {"<b>", &MarkupStyle::bold, true},      {"</b>", &MarkupStyle::bold, false},
        {"<i>", &MarkupStyle::italic, true},    {"</i>", &MarkupStyle::italic, false},
        {"<u>", &MarkupStyle::underline, true}, {"</u>", &MarkupStyle::underline, false},
        {"<s>", &MarkupStyle::strike, true},    {"</s>", &MarkupStyle::strike, false},
    };
    for (const Simple& simple : kFlags) {
        if (StartsWithAscii(text, at, simple.tag)) {
            style.*simple.flag = simple.value;
            return simple.tag.size();
        }
    }
    struct Raise {
        std::string_view tag;
        int change;
    };
    static constexpr Raise kRaises[] = {{"<sup>", 1}, {"</sup>", -1}, {"<sub>", -1}, {"</sub>", 1}};
    for (const Raise& raise : kRaises) {
        if (StartsWithAscii(text, at, raise.tag)) {
            style.raise += raise.change;
            return raise.tag.size();
        }
    }
    return 0;
}

}  // namespace detail

// Walks chat markup and calls `onRun(text, style)` for every stretch of visible text, merging
// neighbouring characters of the same style. The known tags are "<Font Color=#RRGGBB>", <b>, <i>,
// <u>, <s>, <sup>, <sub> and their closing forms; anything else, unknown tags included, is text.
template <class Char, class OnRun>
void ReadMarkup(std::basic_string_view<Char> markup, OnRun&& onRun) {
    MarkupStyle style;
    std::basic_string<Char> run;
    MarkupStyle runStyle;
    std::size_t at = 0;
    while (at < markup.size()) {
        MarkupStyle next = style;
        const std::size_t tagLength = detail::ApplyTag(markup, at, next);
        if (tagLength > 0) {
            style = next;
            at += tagLength;
            continue;
        }
        if (!run.empty() && runStyle != style) {
            onRun(std::basic_string_view<Char>(run), runStyle);
            run.clear();
        }
        if (run.empty()) runStyle = style;
        run += markup[at++];
    }
    if (!run.empty()) onRun(std::basic_string_view<Char>(run), runStyle);
}

}  // namespace hue
