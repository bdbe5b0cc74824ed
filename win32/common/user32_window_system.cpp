#include "win32/common/user32_window_system.h"

#include <string>

#include "win32/common/ansi_text.h"
#include "win32/common/windows_api.h"

namespace hue::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

constexpr std::size_t kLongestCaption = std::size_t{1} << 20;

}  // namespace

WindowHandle User32WindowSystem::FindWindowA(const char* className, const char* windowName) {
    return FromHwnd(::FindWindowA(className, windowName));
}

WindowHandle User32WindowSystem::FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                                               const char* className, const char* windowName) {
    return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), className, windowName));
}

int User32WindowSystem::GetWindowTextLengthA(WindowHandle window) {
    DWORD owner = 0;
    if (GetWindowThreadProcessId(ToHwnd(window), &owner) == 0) return 0;
    if (owner == GetCurrentProcessId()) return ::GetWindowTextLengthA(ToHwnd(window));
    // GetWindowTextLengthA may ask the window with WM_GETTEXTLENGTH, which a hung client never
    // answers. The caption of another process's window is read from what the system holds, without a
    // message (GetWindowTextA's documented behaviour), so its length is measured that way.
    std::string caption(256, '\0');
    while (true) {
        const int copied = ::GetWindowTextA(ToHwnd(window), caption.data(), static_cast<int>(caption.size()));
        if (copied < static_cast<int>(caption.size()) - 1 || caption.size() >= kLongestCaption) return copied;
        caption.resize(caption.size() * 2);
    }
}

int User32WindowSystem::GetWindowTextA(WindowHandle window, char* buffer, int capacity) {
    // For another process's window this reads the caption the system holds, without a message.
    return ::GetWindowTextA(ToHwnd(window), buffer, capacity);
}

bool User32WindowSystem::SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                             std::intptr_t lParam, unsigned flags,
                                             unsigned timeoutMilliseconds) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, flags, timeoutMilliseconds,
                                 &result) != 0;
}

std::string User32WindowSystem::Utf8ToAnsi(std::string_view utf8) { return WideToAnsi(Utf8ToWide(utf8)); }

std::string User32WindowSystem::AnsiToUtf8(std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); }

}  // namespace hue::win32
