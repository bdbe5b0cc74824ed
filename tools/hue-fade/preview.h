#pragma once

#include <string>

#include "fade/text.h"

namespace hue {

// Chat markup as terminal text: 24-bit colour escapes for the font tags, and bold, italic,
// underline and strike as their terminal attributes. Wave tags have no terminal form.
std::string RenderForTerminal(MarkupView markup);

}  // namespace hue
