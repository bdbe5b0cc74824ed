#pragma once

// A window that records what the handlers do to it, with a clock that moves only when the
// handlers wait, and events that the test queues up to run inside ProcessPendingEvents.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/unit/fake_window_tree.h"
#include "ui/form.h"
#include "ui/handlers.h"

namespace hue::test {

struct ProgramEnded {};

class FakeForm : public ui::Form {
  public:
    std::map<ui::ControlId, int> sliders;
    std::map<ui::ControlId, ColourValue> backColours;
    std::map<ui::ControlId, Text> texts;
    std::vector<std::string> calls;  // chrome, drawing and announcement steps, in order
    struct Box {
        float x1, y1, x2, y2;
        ColourValue colour;
    };
    std::vector<Box> boxes;
    FakeWindowTree client;
    WindowHandle room = 0;
    ui::TwipsSize screen{15360, 11520};  // 1024 x 768 pixels
    float left = 0, top = 0;
    ui::Clock::time_point now{};
    int processed = 0;
    int waits = 0;
    std::deque<std::function<void()>> pendingEvents;
    bool refuseDrawStyle = false;

    FakeForm() {
        const WindowHandle mdi = client.AddClient();
        client.Add(mdi, "AOL Child", "Welcome, Jo!");
        room = client.AddChatRoom(mdi);
    }

    // Lines posted to the chat room, as ANSI bytes.
    std::vector<std::string> Posted() {
        std::vector<std::string> lines;
        for (const auto& message : client.At(client.InputBoxOf(room)).received) {
            if (message.message == win::WM_SETTEXT) lines.push_back(message.text);
        }
        return lines;
    }

    int SliderValue(ui::ControlId slider) override { return sliders[slider]; }
    void SetSliderValue(ui::ControlId slider, int value) override {
        const bool changed = sliders[slider] != value;
        sliders[slider] = value;
        if (changed) ui::OnSliderChanged(*this, slider);
    }
    ColourValue BackColour(ui::ControlId swatch) override { return backColours[swatch]; }
    void SetBackColour(ui::ControlId swatch, ColourValue colour) override { backColours[swatch] = colour; }
    Text GetText(ui::ControlId box) override { return texts[box]; }
    void SetText(ui::ControlId box, TextView text) override { texts[box] = Text(text); }

    void ReleaseCapture() override { calls.push_back("ReleaseCapture"); }
    void SendSysCommand(std::uintptr_t wParam) override {
        calls.push_back("SysCommand " + std::to_string(wParam));
    }
    void SetWindowPosTopmost() override { calls.push_back("Topmost"); }
    void Minimise() override { calls.push_back("Minimise"); }
    ui::TwipsSize ScreenSize() override { return screen; }
    ui::TwipsSize WindowSize() override { return {4635, 2385}; }
    void SetLeft(float twips) override {
        left = twips;
        calls.push_back("Left");
    }
    void SetTop(float twips) override {
        top = twips;
        calls.push_back("Top");
    }

    bool SetDrawStyle(int style) override {
        calls.push_back("DrawStyle " + std::to_string(style));
        return !refuseDrawStyle;
    }
    bool SetDrawMode(int mode) override { return Record("DrawMode", mode); }
    bool SetScaleMode(int mode) override { return Record("ScaleMode", mode); }
    bool SetDrawWidth(int pixels) override { return Record("DrawWidth", pixels); }
    bool SetScaleHeight(float units) override { return Record("ScaleHeight", static_cast<int>(units)); }
    bool DrawBox(float x1, float y1, float x2, float y2, ColourValue colour) override {
        if (boxes.empty()) calls.push_back("Boxes");
        boxes.push_back({x1, y1, x2, y2, colour});
        return true;
    }

    void ProcessPendingEvents() override {
        ++processed;
        // Events queued while these run wait for the next call, as messages posted meanwhile would.
        for (std::size_t count = pendingEvents.size(); count > 0; --count) {
            auto event = std::move(pendingEvents.front());
            pendingEvents.pop_front();
            event();
        }
    }
    void WaitForEvents(ui::Clock::time_point deadline) override {
        ++waits;
        now = deadline;
    }
    ui::Clock::time_point Now() override { return now; }
    [[noreturn]] void EndProgram() override {
        calls.push_back("EndProgram");
        throw ProgramEnded{};
    }
    WindowSystem& ChatClient() override { return client; }

  private:
    bool Record(const char* what, int value) {
        calls.push_back(std::string(what) + " " + std::to_string(value));
        return true;
    }
};

}  // namespace hue::test
