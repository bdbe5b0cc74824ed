#pragma once

#include <string>

#include "client/window_system.h"

namespace hue {

// Every call walks the client's window tree afresh; nothing is cached between calls.

// The topmost client window that has direct children of all four chat-room classes, or 0.
WindowHandle FindChatRoom(WindowSystem& windows);

// The screen name from the first client window captioned "Welcome, NAME!", as UTF-8; empty when
// there is none. A caption that begins "Welcome, " but has no "!" gives the rest of the caption.
std::string GetScreenName(WindowSystem& windows);

// The window's caption as UTF-8: what the window copied, cut to the length it reported first.
std::string GetWindowCaption(WindowSystem& windows, WindowHandle window);

}  // namespace hue
