#pragma once

#include "client/window_system.h"
#include "fade/text.h"

namespace hue {

// How long one message to the chat client may take before the tool gives up on it, so a client
// that has stopped responding costs a bounded wait instead of freezing the tool.
inline constexpr unsigned kClientMessageTimeoutMilliseconds = 5000;

// Types the line into the chat room's input box (its second "RICHCNTL") and presses Enter. Does
// nothing without a chat room or an input box, and sends the Enter only when the text went in.
void SendChatLine(WindowSystem& windows, MarkupView line);

// Colours the text with the announcement fade and sends it as one chat line.
void FadeAnnouncement(WindowSystem& windows, TextView text);

}  // namespace hue
