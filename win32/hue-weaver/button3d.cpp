#include "win32/hue-weaver/button3d.h"

namespace hue::win32 {
namespace {

struct ButtonState {
    bool held = false;     // the mouse button is down on it (it may have left the face)
    bool pressed = false;  // the face is drawn pressed
    bool spaceDown = false;
    HFONT font = nullptr;
};

ButtonState* StateOf(HWND button) {
    return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(button, GWLP_USERDATA));
}

void Click(HWND button) {
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void SetPressed(HWND button, ButtonState& state, bool pressed) {
    if (state.pressed == pressed) return;
    state.pressed = pressed;
    InvalidateRect(button, nullptr, FALSE);
}

void Paint(HWND button, const ButtonState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(button, &paint);
    RECT face;
    GetClientRect(button, &face);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = face;
    DrawEdge(dc, &edge, state.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    wchar_t caption[64];
    const int length = GetWindowTextW(button, caption, 64);
    const HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = face;
    if (state.pressed) OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);

    if (GetFocus() == button) {
        RECT focus = face;
        InflateRect(&focus, -4, -3);
        DrawFocusRect(dc, &focus);
    }
    EndPaint(button, &paint);
}

bool CursorInside(HWND button, LPARAM lParam) {
    RECT face;
    GetClientRect(button, &face);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&face, point) != FALSE;
}

LRESULT CALLBACK Button3DProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = StateOf(button);
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonState));
            break;
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrW(button, GWLP_USERDATA, 0);
            break;
        case WM_SETFONT:
            state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(button, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(state->font);
        case WM_PAINT:
            Paint(button, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(button, nullptr, FALSE);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(button);
            SetCapture(button);
            state->held = true;
            SetPressed(button, *state, true);
            return 0;
        case WM_MOUSEMOVE:
            if (state->held) SetPressed(button, *state, CursorInside(button, lParam));
            return 0;
        case WM_LBUTTONUP:
            if (state->held) {
                const bool inside = CursorInside(button, lParam);
                ReleaseCapture();  // WM_CAPTURECHANGED clears the held state
                if (inside) Click(button);
            }
            return 0;
        case WM_CAPTURECHANGED:
            state->held = false;
            SetPressed(button, *state, state->spaceDown);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && !(lParam & 0x40000000)) {
                state->spaceDown = true;
                SetPressed(button, *state, true);
                return 0;
            }
            if (wParam == VK_RETURN) {
                Click(button);
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE && state->spaceDown) {
                state->spaceDown = false;
                SetPressed(button, *state, false);
                Click(button);
                return 0;
            }
            break;
    }
    return DefWindowProcW(button, message, wParam, lParam);
}

}  // namespace

bool RegisterButton3D(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = Button3DProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kButton3DClass;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace hue::win32
