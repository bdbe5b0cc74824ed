#pragma once

#include "client/window_system.h"

namespace hue::win32 {

// The bridge's window operations on the real user32.
class User32WindowSystem final : public WindowSystem {
  public:
    WindowHandle FindWindowA(const char* className, const char* windowName) override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter, const char* className,
                               const char* windowName) override;
    int GetWindowTextLengthA(WindowHandle window) override;
    int GetWindowTextA(WindowHandle window, char* buffer, int capacity) override;
    bool SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam, unsigned flags, unsigned timeoutMilliseconds) override;
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;
};

}  // namespace hue::win32
