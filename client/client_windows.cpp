#include "client/client_windows.h"

#include <string_view>
#include <vector>

namespace hue {
namespace {

constexpr const char* kChatRoomChildClasses[] = {"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"};
constexpr std::string_view kWelcome = "Welcome, ";

WindowHandle FindClientWindowsParent(WindowSystem& windows) {
    const WindowHandle frame = windows.FindWindowA("AOL Frame25", nullptr);
    if (frame == 0) return 0;
    return windows.FindWindowExA(frame, 0, "MDIClient", nullptr);
}

bool IsChatRoom(WindowSystem& windows, WindowHandle candidate) {
    for (const char* childClass : kChatRoomChildClasses) {
        if (windows.FindWindowExA(candidate, 0, childClass, nullptr) == 0) return false;
    }
    return true;
}

// Calls `visit` on every "AOL Child" window in Z order until it returns true.
template <class Visit>
void ForEachClientWindow(WindowSystem& windows, Visit&& visit) {
    const WindowHandle mdi = FindClientWindowsParent(windows);
    if (mdi == 0) return;
    for (WindowHandle candidate = windows.FindWindowExA(mdi, 0, "AOL Child", nullptr); candidate != 0;
         candidate = windows.FindWindowExA(mdi, candidate, "AOL Child", nullptr)) {
        if (visit(candidate)) return;
    }
}

}  // namespace

WindowHandle FindChatRoom(WindowSystem& windows) {
    WindowHandle room = 0;
    ForEachClientWindow(windows, [&](WindowHandle candidate) {
        if (!IsChatRoom(windows, candidate)) return false;
        room = candidate;
        return true;
    });
    return room;
}

std::string GetScreenName(WindowSystem& windows) {
    std::string name;
    ForEachClientWindow(windows, [&](WindowHandle candidate) {
        const std::string caption = GetWindowCaption(windows, candidate);
        if (!caption.starts_with(kWelcome)) return false;
        const std::size_t bang = caption.find('!', kWelcome.size());
        name = caption.substr(kWelcome.size(),
                              bang == std::string::npos ? std::string::npos : bang - kWelcome.size());
        return true;
    });
    return name;
}

std::string GetWindowCaption(WindowSystem& windows, WindowHandle window) {
    const int length = windows.GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = windows.GetWindowTextA(window, buffer.data(), length + 1);
    // A caption that shrank between the two reads leaves NULs behind what was copied; a caption that
    // grew is cut to the first length.
    std::string_view ansi(buffer.data(), static_cast<std::size_t>(length));
    if (copied >= 0 && copied < length) ansi = ansi.substr(0, static_cast<std::size_t>(copied));
    ansi = ansi.substr(0, ansi.find('\0'));
    return windows.AnsiToUtf8(ansi);
}

}  // namespace hue
