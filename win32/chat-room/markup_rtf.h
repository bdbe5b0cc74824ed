#pragma once

#include <string>
#include <string_view>

namespace hue::chatroom {

// One posted line as rich text: the screen name in bold, then the line with its font colours and
// style tags applied; text that is not a known tag stays visible as typed. Beyond `shownCharacters`
// visible characters the line is cut with a note of how much more it held, so a line of hundreds
// of kilobytes does not stall the conversation's layout.
std::string ChatLineAsRtf(std::wstring_view screenName, std::wstring_view line, std::size_t shownCharacters);

}  // namespace hue::chatroom
