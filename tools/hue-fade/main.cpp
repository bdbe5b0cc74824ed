// hue-fade: the fade engine on the command line, for scripts and for previewing a fade.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "fade/announcement.h"
#include "fade/five_colour_fade.h"
#include "fade/utf8.h"
#include "tools/hue-fade/command_line.h"
#include "tools/hue-fade/preview.h"

namespace {

constexpr int kBadInput = 2;

std::string MarkupLine(const hue::FadeCommand& command, hue::TextView text) {
    hue::Markup markup;
    if (command.mode == hue::FadeCommand::Mode::Announce) {
        markup = hue::AnnouncementMarkup(text);
    } else {
        markup = command.styleTag + hue::FadeFiveColours(command.colours, text, command.wavy);
    }
    std::string line = command.preview ? hue::RenderForTerminal(markup) : std::move(markup);
    line += '\n';
    return line;
}

int Fail(const std::string& message) {
    std::cout.flush();
    std::cerr << message << '\n';
    return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const hue::ParseResult parsed = hue::ParseCommandLine(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) return Fail(*error);
    const auto& command = std::get<hue::FadeCommand>(parsed);

    if (command.mode == hue::FadeCommand::Mode::Help) {
        std::cout << hue::kUsage;
        return 0;
    }
    if (command.text) {
        const auto text = hue::DecodeUtf8(*command.text);
        if (!text) return Fail("hue-fade: TEXT is not valid UTF-8");
        std::cout << MarkupLine(command, *text);
        return std::cout.flush() ? 0 : 1;
    }

    // One markup line per input line, streamed; "\n" or "\r\n" ends a line.
    std::string bytes;
    for (long lineNumber = 1; std::getline(std::cin, bytes); ++lineNumber) {
        if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
        const auto text = hue::DecodeUtf8(bytes);
        if (!text) return Fail("hue-fade: line " + std::to_string(lineNumber) + " is not valid UTF-8");
        std::cout << MarkupLine(command, *text);
    }
    return std::cout.flush() ? 0 : 1;
}
