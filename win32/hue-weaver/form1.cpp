#include "win32/hue-weaver/form1.h"

#include <algorithm>
#include <cmath>

#include "ui/handlers.h"
#include "ui/layout.h"
#include "win32/common/ansi_text.h"
#include "win32/hue-weaver/button3d.h"
#include "win32/hue-weaver/colorref.h"
#include "win32/hue-weaver/fonts.h"
#include "win32/hue-weaver/resource.h"

namespace hue::win32 {
namespace {

using ui::ControlId;
using ui::ControlKind;

constexpr wchar_t kFormClass[] = L"HueWeaverForm1";
constexpr int kFirstControlId = 100;
constexpr int kSliderMax = 255;

const wchar_t* WindowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Option:
            return L"BUTTON";
        case ControlKind::TextBox:
            return L"EDIT";
        case ControlKind::Slider:
            return L"SCROLLBAR";
        case ControlKind::Button:
            return kButton3DClass;
        default:
            return nullptr;  // labels and swatches are drawn by the window itself
    }
}

DWORD StyleOf(const ui::ControlSpec& row) {
    DWORD style = WS_CHILD | (row.hidden ? 0 : WS_VISIBLE) | (ui::CanTakeFocus(row) ? WS_TABSTOP : 0);
    switch (row.kind) {
        case ControlKind::Option:
            // The options form one group of auto radio buttons: it starts at the first of them in
            // stacking order and ends at the control after the last.
            return style | BS_AUTORADIOBUTTON | (row.id == ControlId::Option5 ? WS_GROUP : 0);
        case ControlKind::TextBox:
            return style | ES_AUTOHSCROLL | (row.id == ControlId::Text2 ? WS_GROUP : 0);
        case ControlKind::Slider:
            return style | SBS_HORZ;
        default:
            return style;
    }
}

// The system's move loop ends when the left button goes up; a move begun with another button ends
// when that one goes up. A message-filter hook gets no context, hence the window in a variable.
HWND windowMovedByOtherButton = nullptr;

LRESULT CALLBACK EndMoveOnOtherButtonUp(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && windowMovedByOtherButton &&
        (message->message == WM_RBUTTONUP || message->message == WM_MBUTTONUP ||
         message->message == WM_XBUTTONUP)) {
        PostMessageW(windowMovedByOtherButton, WM_LBUTTONUP, 0, message->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance) {}

Form1::~Form1() {
    for (HFONT font : fonts_) {
        if (font) DeleteObject(font);
    }
    if (optionBrush_) DeleteObject(optionBrush_);
}

bool Form1::Create() {
    if (!RegisterButton3D(instance_)) return false;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 32, 32, 0));
    wc.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 16, 16, 0));
    wc.hbrBackground = nullptr;  // the gradient paints everything
    wc.lpszClassName = kFormClass;
    if (!RegisterClassExW(&wc)) return false;

    optionBrush_ = CreateSolidBrush(ToColorRef(ui::Spec(ControlId::Option1).background.value_or(0)));
    // No border and no caption bar; the system menu and minimise box let the task bar minimise,
    // restore and close it.
    const std::wstring caption = Utf8ToWide(ui::kForm1.caption);
    window_ = CreateWindowExW(WS_EX_APPWINDOW, kFormClass, caption.c_str(),
                              WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                              nullptr, instance_, this);
    if (!window_) return false;
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    if (dpi_ <= 0) dpi_ = 96;
    const ui::PixelRect start =
        ui::TwipsRectToPixels(ui::kForm1.left, ui::kForm1.top, ui::kForm1.width, ui::kForm1.height, dpi_);
    SetWindowPos(window_, nullptr, start.left, start.top, start.Width(), start.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    CreateControls();
    return true;
}

void Form1::CreateControls() {
    const COLORREF labelBackground = GetSysColor(COLOR_BTNFACE);
    for (const ui::ControlSpec& row : ui::kControls) {
        const auto index = static_cast<std::size_t>(row.id);
        backColours_[index] = static_cast<ColourValue>(labelBackground);
        const wchar_t* windowClass = WindowClassOf(row.kind);
        if (!windowClass) continue;
        const std::wstring caption = Utf8ToWide(row.caption);
        const DWORD exStyle = row.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
        controls_[index] = CreateWindowExW(
            exStyle, windowClass, caption.c_str(), StyleOf(row), 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance_, nullptr);
        if (row.kind == ControlKind::Slider) {
            SCROLLINFO range{sizeof range, SIF_RANGE | SIF_POS | SIF_PAGE, 0, kSliderMax, 0, 0, 0};
            SetScrollInfo(controls_[index], SB_CTL, &range, FALSE);
        }
        if (row.kind == ControlKind::TextBox) SendMessageW(controls_[index], EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    }
    // The control listed first lies above: stack them in table order, top first.
    HWND above = HWND_TOP;
    for (HWND control : controls_) {
        if (!control) continue;
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    LayOut();
}

void Form1::LayOut() {
    for (const ui::ControlSpec& row : ui::kControls) {
        const auto index = static_cast<std::size_t>(row.id);
        if (fonts_[index]) DeleteObject(fonts_[index]);
        fonts_[index] = CreateControlFont(row.font, dpi_);
        if (!controls_[index]) continue;
        const ui::PixelRect rect = ui::ControlRect(row.id, dpi_);
        MoveWindow(controls_[index], rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
        SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[index]), TRUE);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

void Form1::Show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetFocus(Handle(ui::TabOrder().front()));
}

void Form1::Dispatch(MSG& message) {
    // Tab follows the table's tab order, which differs from the stacking order that the dialog
    // manager's tabbing would follow.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Form1::MoveFocus(bool backwards) {
    const std::vector<ControlId> order = ui::TabOrder();
    const auto current = ControlOf(GetFocus());
    auto at = current ? std::find(order.begin(), order.end(), *current) : order.end();
    std::size_t index = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
    if (at != order.end())
        index = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
    SetFocus(Handle(order[index]));
}

std::optional<ControlId> Form1::ControlOf(HWND control) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] && controls_[i] == control) return static_cast<ControlId>(i);
    }
    return std::nullopt;
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->HandleMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the repaint covers everything, so erasing first would only flicker
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                if (const auto control = ControlOf(reinterpret_cast<HWND>(lParam)))
                    ui::OnClick(*this, *control);
            }
            return 0;
        case WM_HSCROLL:
            OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnMouseDown(message, lParam);
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp(lParam);
            return 0;
        case WM_ACTIVATE:
            // Give the focus back to the control that had it when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = GetFocus();
            } else if (focusBeforeDeactivation_ && IsChild(window_, focusBeforeDeactivation_)) {
                SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            const ui::PixelRect size = ui::FormRect(dpi_);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.Width(), size.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT Form1::OnControlColour(UINT message, HDC dc, HWND control) {
    const auto id = ControlOf(control);
    if (id && ui::Spec(*id).kind == ControlKind::Option) {
        SetTextColor(dc, ToColorRef(ui::Spec(*id).textColour.value_or(0xFFFFFF)));
        SetBkColor(dc, ToColorRef(ui::Spec(*id).background.value_or(0)));
        return reinterpret_cast<LRESULT>(optionBrush_);
    }
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void Form1::OnScroll(HWND slider, int request) {
    const auto id = ControlOf(slider);
    if (!id) return;
    const int value = SliderValue(*id);
    switch (request) {
        case SB_LINELEFT:
        case SB_PAGELEFT:  // a click in the track moves by one, like an arrow
            SetSliderValue(*id, value - 1);
            break;
        case SB_LINERIGHT:
        case SB_PAGERIGHT:
            SetSliderValue(*id, value + 1);
            break;
        case SB_LEFT:
            SetSliderValue(*id, 0);
            break;
        case SB_RIGHT:
            SetSliderValue(*id, kSliderMax);
            break;
        case SB_THUMBPOSITION: {  // the thumb let go; dragging it changes nothing until then
            SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(slider, SB_CTL, &info);
            SetSliderValue(*id, info.nTrackPos);
            break;
        }
    }
}

void Form1::OnMouseDown(UINT message, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const auto hit = ui::WindowlessControlAt(x, y, dpi_);
    if (message == WM_LBUTTONDOWN && hit && (*hit == ControlId::Label2 || *hit == ControlId::Label3)) {
        pressedLabel_ = hit;  // a click is a press and a release on the same label
        SetCapture(window_);
        return;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        ui::OnSurfaceMouseDown(*this, hit);
        return;
    }
    windowMovedByOtherButton = window_;
    const HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, EndMoveOnOtherButtonUp, nullptr, GetCurrentThreadId());
    ui::OnSurfaceMouseDown(*this, hit);
    if (hook) UnhookWindowsHookEx(hook);
    windowMovedByOtherButton = nullptr;
}

void Form1::OnMouseUp(LPARAM lParam) {
    if (!pressedLabel_) return;
    const ControlId pressed = *pressedLabel_;
    pressedLabel_.reset();
    ::ReleaseCapture();
    const auto hit =
        ui::WindowlessControlAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), dpi_);
    if (hit == pressed) ui::OnClick(*this, pressed);
}

int Form1::SliderValue(ControlId slider) { return sliderValues_[static_cast<std::size_t>(slider)]; }

void Form1::SetSliderValue(ControlId slider, int value) {
    value = std::clamp(value, 0, kSliderMax);
    int& current = sliderValues_[static_cast<std::size_t>(slider)];
    if (current == value) return;
    current = value;
    SetScrollPos(Handle(slider), SB_CTL, value, TRUE);
    ui::OnSliderChanged(*this, slider);
}

ColourValue Form1::BackColour(ControlId swatch) { return backColours_[static_cast<std::size_t>(swatch)]; }

void Form1::SetBackColour(ControlId swatch, ColourValue colour) {
    backColours_[static_cast<std::size_t>(swatch)] = colour;
    const ui::PixelRect r = ui::ControlRect(swatch, dpi_);
    const RECT rect{r.left, r.top, r.right, r.bottom};
    InvalidateRect(window_, &rect, FALSE);
}

Text Form1::GetText(ControlId textBox) {
    const HWND box = Handle(textBox);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(box, wide.data(), static_cast<int>(wide.size()))));
    return WideToText(wide);
}

void Form1::SetText(ControlId textBox, TextView text) {
    SetWindowTextW(Handle(textBox), TextToWide(text).c_str());
}

void Form1::ReleaseCapture() { ::ReleaseCapture(); }

void Form1::SendSysCommand(std::uintptr_t wParam) {
    std::int16_t zero = 0;
    SendMessageA(window_, WM_SYSCOMMAND, static_cast<WPARAM>(wParam), reinterpret_cast<LPARAM>(&zero));
}

void Form1::SetWindowPosTopmost() {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void Form1::Minimise() { ShowWindow(window_, SW_MINIMIZE); }

int Form1::Twips(int pixels) const { return pixels * ui::kTwipsPerInch / dpi_; }

int Form1::Pixels(float twips) const {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / ui::kTwipsPerInch));
}

ui::TwipsSize Form1::ScreenSize() {
    return {static_cast<float>(Twips(GetSystemMetrics(SM_CXSCREEN))),
            static_cast<float>(Twips(GetSystemMetrics(SM_CYSCREEN)))};
}

ui::TwipsSize Form1::WindowSize() {
    RECT rect;
    GetWindowRect(window_, &rect);
    return {static_cast<float>(Twips(rect.right - rect.left)),
            static_cast<float>(Twips(rect.bottom - rect.top))};
}

void Form1::SetLeft(float twips) {
    RECT rect;
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, Pixels(twips), rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetTop(float twips) {
    RECT rect;
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, rect.left, Pixels(twips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ProcessPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The window was closed through the window system while a handler waited: end now.
        if (message.message == WM_QUIT) EndProgram();
        Dispatch(message);
    }
}

void Form1::WaitForEvents(ui::Clock::time_point deadline) {
    const auto remaining = deadline - Now();
    if (remaining <= ui::Clock::duration::zero()) return;
    // Rounded up: waking before the deadline would only cost another check.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

ui::Clock::time_point Form1::Now() { return ui::Clock::now(); }

void Form1::EndProgram() { ExitProcess(0); }

}  // namespace hue::win32
