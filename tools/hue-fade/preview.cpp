#include "tools/hue-fade/preview.h"

#include "fade/markup_reader.h"

namespace hue {

std::string RenderForTerminal(MarkupView markup) {
    std::string out;
    ReadMarkup(markup, [&out](MarkupView run, const MarkupStyle& style) {
        out += "\x1b[0";
        if (style.bold) out += ";1";
        if (style.italic) out += ";3";
        if (style.underline) out += ";4";
        if (style.strike) out += ";9";
        if (style.hasColour) {
            out += ";38;2;" + std::to_string(style.colour.red) + ";" + std::to_string(style.colour.green) +
                   ";" + std::to_string(style.colour.blue);
        }
        out += 'm';
        out += run;
    });
    if (!out.empty()) out += "\x1b[0m";
    return out;
}

}  // namespace hue
