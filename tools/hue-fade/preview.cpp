#include "tools/hue-fade/preview.h"

#include "fade/markup_reader.h"
#include "tools/hue-fade/utf8.h"

namespace hue {

std::string RenderForTerminal(TextView markup) {
    std::string out;
    ReadMarkup(markup, [&out](TextView run, const MarkupStyle& style) {
        out += "\x1b[0";
        if (style.bold) out += ";1";
        if (style.italic) out += ";3";
        if (style.underline) out += ";4";
        if (style.strike) out += ";9";
        if (style.hasColour) {
            out += ";38;2;" + std::to_string(style.colour.red) + ";" + std::to_string(style.colour.green) + ";" +
                   std::to_string(style.colour.blue);
        }
        out += 'm';
        for (char32_t c : run) AppendUtf8(out, c);
    });
    if (!out.empty()) out += "\x1b[0m";
    return out;
}

}  // namespace hue
