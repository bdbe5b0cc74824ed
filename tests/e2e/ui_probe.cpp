// ui-probe.exe: what the end-to-end tests cannot see from X. Run under Wine beside the tool.
//   ui-probe layout        every control's name and pixel box at 96 dpi, from the control table
//   ui-probe state         the tool window's box, whether it is minimised and topmost, and the
//                          control that has the keyboard focus
//   ui-probe restore       restores the minimised window, as the task bar would
//   ui-probe close         closes it through the window system, as the task bar's Close would
//   ui-probe chat-input    the screen box of the chat room's input box
#include <cstdio>
#include <cstring>

#include "client/client_windows.h"
#include "ui/layout.h"
#include "win32/common/user32_window_system.h"
#include "win32/common/windows_api.h"

namespace {

HWND ToolWindow() { return FindWindowW(L"HueWeaverForm1", nullptr); }

const char* FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) return "none";
    if (info.hwndFocus == window) return "Form1";
    const int id = GetDlgCtrlID(info.hwndFocus) - 100;
    if (id < 0 || id >= static_cast<int>(hue::ui::kControlCount)) return "other";
    return hue::ui::kControls[static_cast<std::size_t>(id)].name.data();
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    if (std::strcmp(command, "layout") == 0) {
        for (const hue::ui::ControlSpec& row : hue::ui::kControls) {
            const hue::ui::PixelRect r = hue::ui::ControlRect(row.id, 96);
            std::printf("%.*s %d %d %d %d\n", static_cast<int>(row.name.size()), row.name.data(), r.left,
                        r.top, r.right, r.bottom);
        }
        return 0;
    }
    if (std::strcmp(command, "chat-input") == 0) {
        hue::win32::User32WindowSystem windows;
        const HWND room = reinterpret_cast<HWND>(hue::FindChatRoom(windows));
        const HWND input =
            FindWindowExW(room, FindWindowExW(room, nullptr, L"RICHCNTL", nullptr), L"RICHCNTL", nullptr);
        RECT box{};
        if (!input || !GetWindowRect(input, &box)) return 1;
        std::printf("%ld %ld %ld %ld\n", box.left, box.top, box.right, box.bottom);
        return 0;
    }
    const HWND window = ToolWindow();
    if (!window) {
        std::printf("no-window\n");
        return 1;
    }
    if (std::strcmp(command, "state") == 0) {
        RECT box;
        GetWindowRect(window, &box);
        const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        std::printf("box %ld %ld %ld %ld\niconic %d\ntopmost %d\nvisible %d\nfocus %s\n", box.left, box.top,
                    box.right, box.bottom, IsIconic(window) ? 1 : 0, topmost ? 1 : 0,
                    IsWindowVisible(window) ? 1 : 0, FocusedControl(window));
        return 0;
    }
    if (std::strcmp(command, "close") == 0) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (std::strcmp(command, "restore") == 0) {
        ShowWindow(window, SW_RESTORE);
        return 0;
    }
    std::fprintf(stderr, "usage: ui-probe layout|state|restore|close|chat-input\n");
    return 2;
}
