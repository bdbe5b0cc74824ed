#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hue {

// A window of the window system; 0 is no window.
using WindowHandle = std::uintptr_t;

// The window operations through which the bridge reaches the chat client, with user32's names
// and results. Production binds them to user32; the unit tests to an in-memory window tree.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // The first top-level window of the class (windowName nullptr: any caption), or 0.
    virtual WindowHandle FindWindowA(const char* className, const char* windowName) = 0;
    // The next direct child of `parent` of the class after `childAfter` (0: from the first) in Z
    // order, topmost first; or 0.
    virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter, const char* className,
                                       const char* windowName) = 0;
    // The caption's length in bytes; 0 for no caption or no window.
    virtual int GetWindowTextLengthA(WindowHandle window) = 0;
    // Copies at most capacity - 1 bytes of the caption and a NUL; returns the number copied.
    virtual int GetWindowTextA(WindowHandle window, char* buffer, int capacity) = 0;
    // Sends a message and waits for it to be handled, at most `timeoutMilliseconds`; with
    // SMTO_ABORTIFHUNG it gives up at once on a window the system knows is hung. Returns false
    // when the message was not handled (timed out, hung, no window).
    virtual bool SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam, unsigned flags, unsigned timeoutMilliseconds) = 0;

    // Text crosses to and from the client in the system's ANSI code page. Characters the code page
    // lacks become its default character.
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

// The few platform constants the bridge uses, under their platform names; where <windows.h> is
// already included, its own definitions stand.
namespace win {
#ifndef WM_SETTEXT
inline constexpr unsigned WM_SETTEXT = 0x000C;
#endif
#ifndef WM_CHAR
inline constexpr unsigned WM_CHAR = 0x0102;
#endif
#ifndef SMTO_ABORTIFHUNG
inline constexpr unsigned SMTO_ABORTIFHUNG = 0x0002;
#endif
}  // namespace win

}  // namespace hue
