#pragma once

#include <string>
#include <string_view>

namespace hue::chatroom {

// One posted line as rich text: the screen name in bold, then the line with its font colours and
// style tags applied; text that is not a known tag stays visible as typed.
std::string ChatLineAsRtf(std::wstring_view screenName, std::wstring_view line);

}  // namespace hue::chatroom
