#pragma once

#include <array>
#include <optional>

#include "ui/form.h"
#include "win32/common/user32_window_system.h"
#include "win32/common/windows_api.h"

namespace hue::win32 {

// The window Form1: its controls made from the control table, its surface, and the window layer
// the handlers work through.
class Form1 final : public ui::Form {
  public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window and its controls, hidden.
    bool Create();
    // Shows the window with the focus on the first control in tab order.
    void Show();
    HWND Window() const { return window_; }

    // Handles one message from the queue: Tab moves between controls in tab order.
    void Dispatch(MSG& message);

    // ui::Form
    int SliderValue(ui::ControlId slider) override;
    void SetSliderValue(ui::ControlId slider, int value) override;
    ColourValue BackColour(ui::ControlId swatch) override;
    void SetBackColour(ui::ControlId swatch, ColourValue colour) override;
    Text GetText(ui::ControlId textBox) override;
    void SetText(ui::ControlId textBox, TextView text) override;
    void ReleaseCapture() override;
    void SendSysCommand(std::uintptr_t wParam) override;
    void SetWindowPosTopmost() override;
    void Minimise() override;
    ui::TwipsSize ScreenSize() override;
    ui::TwipsSize WindowSize() override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    bool SetDrawStyle(int style) override;
    bool SetDrawMode(int mode) override;
    bool SetScaleMode(int mode) override;
    bool SetDrawWidth(int pixels) override;
    bool SetScaleHeight(float units) override;
    bool DrawBox(float x1, float y1, float x2, float y2, ColourValue colour) override;
    void ProcessPendingEvents() override;
    void WaitForEvents(ui::Clock::time_point deadline) override;
    ui::Clock::time_point Now() override;
    [[noreturn]] void EndProgram() override;
    WindowSystem& ChatClient() override { return chatClient_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void LayOut();
    void OnPaint();
    void PaintWindowless(HDC dc);
    void OnScroll(HWND slider, int request);
    void OnMouseDown(UINT message, LPARAM lParam);
    void OnMouseUp(LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void MoveFocus(bool backwards);
    std::optional<ui::ControlId> ControlOf(HWND control) const;
    HWND Handle(ui::ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    int Twips(int pixels) const;
    int Pixels(float twips) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::array<HWND, ui::kControlCount> controls_{};
    std::array<HFONT, ui::kControlCount> fonts_{};
    std::array<ColourValue, ui::kControlCount> backColours_{};
    std::array<int, ui::kControlCount> sliderValues_{};
    HBRUSH optionBrush_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    std::optional<ui::ControlId> pressedLabel_;
    User32WindowSystem chatClient_;

    // The drawing surface while a repaint runs.
    HDC paintDc_ = nullptr;
    int drawWidth_ = 1;
    float scaleHeight_ = 0;  // 0: pixels
};

}  // namespace hue::win32
