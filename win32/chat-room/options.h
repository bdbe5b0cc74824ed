#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hue::chatroom {

// The substitute chat client's arrangement, from its command line.
struct Options {
    std::string screenName = "VelmorFan";
    std::optional<std::string> transcript;  // file that gets every posted line, as its bytes arrived
    int rooms = 1;
    bool welcome = true;
    bool welcomeBehindRooms = false;  // the welcome window below the rooms in Z order
    bool decoy = false;               // a topmost client window with three of the four child classes
    bool noInputBox = false;          // rooms without their second "RICHCNTL"
    int left = 0, top = 0, width = 560, height = 420;
};

// Parses the arguments; on a bad one, returns nullopt and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

extern const char kChatRoomUsage[];

}  // namespace hue::chatroom
