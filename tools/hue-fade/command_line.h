#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "fade/five_colour_fade.h"

namespace hue {

// The tool's start-up palette: blue, green, blue, green, blue.
inline constexpr Palette kDefaultPalette = {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000};

struct FadeCommand {
    enum class Mode { Fade, Announce, Help };
    Mode mode = Mode::Fade;
    Palette colours = kDefaultPalette;
    bool wavy = false;
    std::string styleTag;  // "<b>", "<i>", "<s>", "<u>" or empty
    bool preview = false;
    std::optional<std::string> text;  // UTF-8; none means: read standard input
};

// The parsed command, or a one-line error message.
using ParseResult = std::variant<FadeCommand, std::string>;
ParseResult ParseCommandLine(std::span<const std::string_view> arguments);

// "RRGGBB" or "#RRGGBB", either case, read the way the chat reads a colour (red first).
std::optional<ColourValue> ParseChatColour(std::string_view text);

extern const char kUsage[];

}  // namespace hue
