#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fade/text.h"

namespace hue {

// Strict UTF-8: overlong forms, surrogates and code points above U+10FFFF are refused.
std::optional<Text> DecodeUtf8(std::string_view bytes);

std::string EncodeUtf8(TextView text);

}  // namespace hue
