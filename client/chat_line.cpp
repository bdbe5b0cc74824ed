#include "client/chat_line.h"

#include <string>

#include "client/client_windows.h"
#include "fade/announcement.h"

namespace hue {

void SendChatLine(WindowSystem& windows, MarkupView line) {
    const WindowHandle room = FindChatRoom(windows);
    if (room == 0) return;
    const WindowHandle first = windows.FindWindowExA(room, 0, "RICHCNTL", nullptr);
    const WindowHandle input = windows.FindWindowExA(room, first, "RICHCNTL", nullptr);
    if (input == 0) return;

    const std::string ansi = windows.Utf8ToAnsi(line);
    const bool textWentIn =
        windows.SendMessageTimeoutA(input, win::WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(ansi.c_str()),
                                    win::SMTO_ABORTIFHUNG, kClientMessageTimeoutMilliseconds);
    if (!textWentIn) return;
    windows.SendMessageTimeoutA(input, win::WM_CHAR, 13, 0, win::SMTO_ABORTIFHUNG,
                                kClientMessageTimeoutMilliseconds);
}

void FadeAnnouncement(WindowSystem& windows, TextView text) {
    SendChatLine(windows, AnnouncementMarkup(text));
}

}  // namespace hue
