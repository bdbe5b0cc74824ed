#pragma once

#include <chrono>
#include <cstdint>

#include "client/window_system.h"
#include "fade/colour.h"
#include "fade/text.h"
#include "ui/control_table.h"

namespace hue::ui {

using Clock = std::chrono::steady_clock;

struct TwipsSize {
    float width;
    float height;
};

// Drawing settings as the window's surface understands them.
inline constexpr int kDrawStyleInsideSolid = 6;  // a box's pen stays inside its outline
inline constexpr int kDrawModeCopyPen = 13;
inline constexpr int kScaleModePixels = 3;

// What the window's handlers need of the window layer: the controls' values, the window's
// chrome, its drawing surface and its event loop. The Win32 front end implements it over real
// windows; the unit tests over a recording fake.
class Form {
  public:
    virtual ~Form() = default;

    // Controls. Setting a slider's value raises its value-changed event when the value changes,
    // before the call returns.
    virtual int SliderValue(ControlId slider) = 0;
    virtual void SetSliderValue(ControlId slider, int value) = 0;
    virtual ColourValue BackColour(ControlId swatch) = 0;
    virtual void SetBackColour(ControlId swatch, ColourValue colour) = 0;
    virtual Text GetText(ControlId textBox) = 0;
    virtual void SetText(ControlId textBox, TextView text) = 0;

    // Chrome, with user32's calls where there are some.
    virtual void ReleaseCapture() = 0;
    // SendMessageA(window, WM_SYSCOMMAND, wParam, address of a 16-bit zero).
    virtual void SendSysCommand(std::uintptr_t wParam) = 0;
    // SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE).
    virtual void SetWindowPosTopmost() = 0;
    virtual void Minimise() = 0;
    virtual TwipsSize ScreenSize() = 0;
    virtual TwipsSize WindowSize() = 0;
    // The layer places the window at the nearest position it can.
    virtual void SetLeft(float twips) = 0;
    virtual void SetTop(float twips) = 0;

    // The drawing surface. Each call returns false when the layer refused it.
    virtual bool SetDrawStyle(int style) = 0;
    virtual bool SetDrawMode(int mode) = 0;
    virtual bool SetScaleMode(int mode) = 0;
    virtual bool SetDrawWidth(int pixels) = 0;
    virtual bool SetScaleHeight(float units) = 0;
    // The outline of the box with corners (x1, y1) and (x2, y2) in the current scale.
    virtual bool DrawBox(float x1, float y1, float x2, float y2, ColourValue colour) = 0;

    // The event loop.
    virtual void ProcessPendingEvents() = 0;
    // Sleeps until an event arrives or the deadline passes, whichever comes first.
    virtual void WaitForEvents(Clock::time_point deadline) = 0;
    virtual Clock::time_point Now() = 0;
    // Ends the program at once: no further handler runs.
    [[noreturn]] virtual void EndProgram() = 0;

    // The chat client, through its window operations.
    virtual WindowSystem& ChatClient() = 0;
};

}  // namespace hue::ui
