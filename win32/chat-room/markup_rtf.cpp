#include "win32/chat-room/markup_rtf.h"

#include <map>

#include "fade/markup_reader.h"

namespace hue::chatroom {
namespace {

void AppendEscaped(std::string& rtf, std::wstring_view text) {
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x80) {
            rtf += static_cast<char>(c);
        } else if (c >= 0x20) {
            rtf += "\\u" + std::to_string(static_cast<short>(c)) + "?";
        }
    }
}

}  // namespace

std::string ChatLineAsRtf(std::wstring_view screenName, std::wstring_view line, std::size_t shownCharacters) {
    // Colours are numbered as they first appear; index 0 is the default (black) colour.
    std::map<int, int> colourIndex;
    std::string colourTable = "{\\colortbl;";
    std::string body;
    std::size_t shown = 0;
    std::size_t hidden = 0;
    ReadMarkup(line, [&](std::wstring_view run, const MarkupStyle& style) {
        if (shown + run.size() > shownCharacters) {
            hidden += shown + run.size() - shownCharacters;
            run = run.substr(0, shownCharacters - shown);
            if (run.empty()) return;
        }
        shown += run.size();
        int colour = 0;
        if (style.hasColour) {
            const int key = (style.colour.red << 16) | (style.colour.green << 8) | style.colour.blue;
            auto [it, added] = colourIndex.try_emplace(key, static_cast<int>(colourIndex.size()) + 1);
            if (added) {
                colourTable += "\\red" + std::to_string(style.colour.red) + "\\green" +
                               std::to_string(style.colour.green) + "\\blue" +
                               std::to_string(style.colour.blue) + ";";
            }
            colour = it->second;
        }
        body += "{\\cf" + std::to_string(colour);
        if (style.bold) body += "\\b";
        if (style.italic) body += "\\i";
        if (style.underline) body += "\\ul";
        if (style.strike) body += "\\strike";
        if (style.raise > 0) body += "\\super";
        if (style.raise < 0) body += "\\sub";
        body += ' ';
        AppendEscaped(body, run);
        body += '}';
    });
    colourTable += '}';
    if (hidden > 0) body += "{\\cf0\\i  [" + std::to_string(hidden) + " more characters]}";
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}" + colourTable + "\\f0\\fs20{\\b ";
    AppendEscaped(rtf, screenName);
    rtf += ":}\\tab " + body + "\\par}";
    return rtf;
}

}  // namespace hue::chatroom
