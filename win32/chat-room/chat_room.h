#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "win32/chat-room/options.h"
#include "win32/common/windows_api.h"

namespace hue::chatroom {

// One chat room: its client window and the five children the tool looks for.
struct Room {
    HWND window = nullptr;
    HWND conversation = nullptr;  // first "RICHCNTL": the room's lines
    HWND input = nullptr;         // second "RICHCNTL": the input box
    HWND people = nullptr;        // "_AOL_Listbox"
    HWND send = nullptr;          // "_AOL_Icon"
    HWND name = nullptr;          // "_AOL_Static"
};

struct ChatClient {
    Options options;
    std::FILE* transcript = nullptr;
    HWND frame = nullptr;
    HWND mdi = nullptr;
    HWND welcome = nullptr;
    std::vector<Room> rooms;
};

// Registers the window classes and builds the frame with its client windows.
bool CreateChatClient(HINSTANCE instance, ChatClient& client);

}  // namespace hue::chatroom
