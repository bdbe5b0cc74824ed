#include "tools/hue-fade/command_line.h"

#include <array>

namespace hue {

const char kUsage[] =
    "usage: hue-fade [--colours C1,C2,C3,C4,C5] [--wavy] [--style bold|italic|strike|underline|none] [TEXT]\n"
    "       hue-fade --announce [TEXT]\n"
    "       hue-fade --preview ...   (same options; shows the fade in the terminal)\n"
    "       hue-fade --help\n"
    "\n"
    "Turns TEXT, or every line of standard input, into chat markup that fades through five colours.\n"
    "Colours are RRGGBB hex, with or without '#'; the default is 0000FF,00FF00,0000FF,00FF00,0000FF.\n"
    "--wavy makes the letters bob; --style puts <b>, <i>, <s> or <u> in front.\n"
    "--announce writes the tool's announcement line instead. '--' ends the options.\n";

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> StyleTagFor(std::string_view style) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kStyles = {
        {{"bold", "<b>"}, {"italic", "<i>"}, {"strike", "<s>"}, {"underline", "<u>"}, {"none", ""}}};
    for (const auto& [name, tag] : kStyles) {
        if (name == style) return std::string(tag);
    }
    return std::nullopt;
}

std::variant<Palette, std::string> ParsePalette(std::string_view list) {
    Palette palette{};
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        const std::optional<ColourValue> colour = ParseChatColour(item);
        if (!colour) return "hue-fade: colour '" + std::string(item) + "' is not six hex digits RRGGBB";
        if (count < palette.size()) palette[count] = *colour;
        ++count;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    if (count != palette.size()) {
        return "hue-fade: --colours needs exactly five colours, got " + std::to_string(count);
    }
    return palette;
}

}  // namespace

std::optional<ColourValue> ParseChatColour(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    int bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigit(text[static_cast<std::size_t>(2 * i)]);
        const int low = HexDigit(text[static_cast<std::size_t>(2 * i + 1)]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = high * 16 + low;
    }
    return ComposeColour(bytes[0], bytes[1], bytes[2]);
}

ParseResult ParseCommandLine(std::span<const std::string_view> arguments) {
    FadeCommand command;
    bool announce = false;
    bool fadeOptions = false;
    bool optionsEnded = false;
    std::optional<std::string> text;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
        if (!isOption) {
            // Several words are joined with blanks, as echo would, so quoting is optional.
            text = text ? *text + " " + std::string(argument) : std::string(argument);
            continue;
        }
        std::string_view name = argument;
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        auto value = [&]() -> std::optional<std::string_view> {
            if (inlineValue) return inlineValue;
            if (i + 1 < arguments.size()) return arguments[++i];
            return std::nullopt;
        };
        if (name == "--") {
            optionsEnded = true;
        } else if (name == "--help" || name == "-h") {
            command.mode = FadeCommand::Mode::Help;
            return command;
        } else if (name == "--wavy" && !inlineValue) {
            command.wavy = true;
            fadeOptions = true;
        } else if (name == "--preview" && !inlineValue) {
            command.preview = true;
        } else if (name == "--announce" && !inlineValue) {
            announce = true;
        } else if (name == "--colours" || name == "--colors") {
            const auto list = value();
            if (!list) return std::string("hue-fade: --colours needs a value: C1,C2,C3,C4,C5");
            auto palette = ParsePalette(*list);
            if (auto* error = std::get_if<std::string>(&palette)) return *error;
            command.colours = std::get<Palette>(palette);
            fadeOptions = true;
        } else if (name == "--style") {
            const auto style = value();
            if (!style)
                return std::string(
                    "hue-fade: --style needs a value: bold, italic, strike, underline or none");
            const auto tag = StyleTagFor(*style);
            if (!tag) {
                return "hue-fade: unknown style '" + std::string(*style) +
                       "' (bold, italic, strike, underline or none)";
            }
            command.styleTag = *tag;
            fadeOptions = true;
        } else {
            return "hue-fade: unknown option '" + std::string(argument) + "' (see hue-fade --help)";
        }
    }
    if (announce) {
        if (fadeOptions) return std::string("hue-fade: --announce takes no --colours, --style or --wavy");
        command.mode = FadeCommand::Mode::Announce;
    }
    command.text = std::move(text);
    return command;
}

}  // namespace hue
