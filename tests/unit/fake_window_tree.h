#pragma once

// An in-memory window tree that answers the bridge's window operations as user32 does, and records
// what every window received.
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "client/window_system.h"

namespace hue::test {

struct ReceivedMessage {
    unsigned message;
    std::uintptr_t wParam;
    std::string text;  // the lParam text of WM_SETTEXT, in ANSI bytes
    friend bool operator==(const ReceivedMessage&, const ReceivedMessage&) = default;
};

class FakeWindowTree : public WindowSystem {
  public:
    struct Window {
        WindowHandle parent = 0;
        std::string className;
        std::string caption;                 // ANSI bytes
        std::vector<WindowHandle> children;  // Z order, topmost first
        std::vector<ReceivedMessage> received;
        bool hung = false;
        std::function<void(Window&)> afterLengthRead;  // lets a caption change between the two reads
    };

    WindowHandle Add(WindowHandle parent, std::string className, std::string caption = "") {
        const WindowHandle handle = next_++;
        windows_[handle] = Window{parent, std::move(className), std::move(caption), {}, {}, false, {}};
        (parent == 0 ? topLevel_ : windows_.at(parent).children).push_back(handle);
        return handle;
    }

    // A chat client frame with its MDI client; returns the MDI client.
    WindowHandle AddClient() { return Add(Add(0, "AOL Frame25"), "MDIClient"); }

    // A chat room with all its children; returns the room. Its input box is `InputBoxOf(room)`.
    WindowHandle AddChatRoom(WindowHandle mdi, std::string name = "Lobby") {
        const WindowHandle room = Add(mdi, "AOL Child", name);
        Add(room, "RICHCNTL");
        Add(room, "RICHCNTL");
        Add(room, "_AOL_Listbox");
        Add(room, "_AOL_Icon");
        Add(room, "_AOL_Static", name);
        return room;
    }

    WindowHandle InputBoxOf(WindowHandle room) const {
        int seen = 0;
        for (WindowHandle child : windows_.at(room).children) {
            if (windows_.at(child).className == "RICHCNTL" && ++seen == 2) return child;
        }
        return 0;
    }

    Window& At(WindowHandle handle) { return windows_.at(handle); }

    // Every message received by any window, in order, with the receiver.
    std::vector<std::pair<WindowHandle, ReceivedMessage>> AllMessages() const { return log_; }

    int lookups = 0;

    // WindowSystem
    WindowHandle FindWindowA(const char* className, const char* windowName) override {
        ++lookups;
        return FindIn(topLevel_, 0, className, windowName);
    }
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter, const char* className,
                               const char* windowName) override {
        ++lookups;
        const auto found = windows_.find(parent);
        if (found == windows_.end()) return 0;
        return FindIn(found->second.children, childAfter, className, windowName);
    }
    int GetWindowTextLengthA(WindowHandle window) override {
        const auto found = windows_.find(window);
        if (found == windows_.end()) return 0;
        const int length = static_cast<int>(found->second.caption.size());
        if (found->second.afterLengthRead) found->second.afterLengthRead(found->second);
        return length;
    }
    int GetWindowTextA(WindowHandle window, char* buffer, int capacity) override {
        const auto found = windows_.find(window);
        if (capacity <= 0) return 0;
        if (found == windows_.end()) {
            buffer[0] = '\0';
            return 0;
        }
        const std::string& caption = found->second.caption;
        const std::size_t copied = std::min(caption.size(), static_cast<std::size_t>(capacity - 1));
        std::memcpy(buffer, caption.data(), copied);
        buffer[copied] = '\0';
        return static_cast<int>(copied);
    }
    bool SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam, unsigned, unsigned) override {
        const auto found = windows_.find(window);
        if (found == windows_.end() || found->second.hung) return false;
        ReceivedMessage received{message, wParam, {}};
        if (message == win::WM_SETTEXT) received.text = reinterpret_cast<const char*>(lParam);
        found->second.received.push_back(received);
        log_.emplace_back(window, received);
        return true;
    }

    // Windows-1252, as the system's ANSI code page; '?' stands for what it lacks.
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;

  private:
    WindowHandle FindIn(const std::vector<WindowHandle>& list, WindowHandle after, const char* className,
                        const char* windowName) const {
        auto it = list.begin();
        if (after != 0) {
            while (it != list.end() && *it != after) ++it;
            if (it == list.end()) return 0;
            ++it;
        }
        for (; it != list.end(); ++it) {
            const Window& window = windows_.at(*it);
            if (className && window.className != className) continue;
            if (windowName && window.caption != windowName) continue;
            return *it;
        }
        return 0;
    }

    WindowHandle next_ = 0x100;
    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;
    std::vector<std::pair<WindowHandle, ReceivedMessage>> log_;
};

}  // namespace hue::test
