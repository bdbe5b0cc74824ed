#include "win32/common/user32_window_system.h"

#include "client/chat_line.h"
#include "win32/common/ansi_text.h"
#include "win32/common/windows_api.h"

namespace hue::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace

WindowHandle User32WindowSystem::FindWindowA(const char* className, const char* windowName) {
    return FromHwnd(::FindWindowA(className, windowName));
}

WindowHandle User32WindowSystem::FindWindowExA(WindowHandle parent, WindowHandle childAfter, const char* className,
                                               const char* windowName) {
    return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), className, windowName));
}

int User32WindowSystem::GetWindowTextLengthA(WindowHandle window) {
    // GetWindowTextLengthA sends WM_GETTEXTLENGTH, which would wait forever on a hung client; ask with
    // the same bounded wait as every other message to the client. 0 when it does not answer.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kClientMessageTimeoutMilliseconds,
                               &length)) return 0;
    return static_cast<int>(length);
}

int User32WindowSystem::GetWindowTextA(WindowHandle window, char* buffer, int capacity) {
    // For another process's window this reads the caption the system holds, without a message.
    return ::GetWindowTextA(ToHwnd(window), buffer, capacity);
}

bool User32WindowSystem::SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                             std::intptr_t lParam, unsigned flags, unsigned timeoutMilliseconds) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, flags, timeoutMilliseconds, &result) != 0;
}

std::string User32WindowSystem::Utf8ToAnsi(std::string_view utf8) { return WideToAnsi(Utf8ToWide(utf8)); }

std::string User32WindowSystem::AnsiToUtf8(std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); }

}  // namespace hue::win32
