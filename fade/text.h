#pragma once

#include <string>
#include <string_view>

namespace hue {

// One unit per character: the window's UTF-16 text and the command line's UTF-8 both arrive here
// as code points, so a character outside the Basic Multilingual Plane is still one coloured group.
using Text = std::u32string;
using TextView = std::u32string_view;

}  // namespace hue
