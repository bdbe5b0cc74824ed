#include "fade/announcement.h"

#include <cmath>

#include "fade/colour.h"

namespace hue {

Markup AnnouncementMarkup(TextView text) {
    Markup line;
    line.reserve(text.size() * 24);
    const double length = static_cast<double>(text.size());
    for (std::size_t i = 1; i <= text.size(); ++i) {
        // Double precision, divided first: 510 / L, then times the position.
        double ramp = (510.0 / length) * static_cast<double>(i);
        if (ramp > 255.0) ramp = 255.0 - (ramp - 255.0);
        const int hi = static_cast<int>(std::lrint(ramp));
        const int lo = static_cast<int>(std::lrint(255.0 - ramp));
        // Red lo and blue hi: ColourToHex writes blue first, so the tag reads hi, 00, lo.
        line += "<Font Color=#";
        line += ColourToHex(ComposeColour(lo, 0, hi));
        line += '>';
        char character[4];
        line.append(character, WriteUtf8(character, text[i - 1]));
    }
    return line;
}

}  // namespace hue
