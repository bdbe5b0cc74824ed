// Form1's surface: the repaint, the labels and swatches the window draws itself, and the drawing
// operations the gradient uses.
#include <algorithm>
#include <cmath>

#include "ui/handlers.h"
#include "ui/layout.h"
#include "win32/common/ansi_text.h"
#include "win32/hue-weaver/colorref.h"
#include "win32/hue-weaver/form1.h"

namespace hue::win32 {

using ui::ControlKind;

void Form1::OnPaint() {
    PAINTSTRUCT paint;
    const HDC target = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    // Drawn off screen and copied in one go, so a repaint never shows a half-drawn gradient.
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HBRUSH background = CreateSolidBrush(ToColorRef(ui::kForm1.background));
    FillRect(dc, &client, background);
    DeleteObject(background);

    paintDc_ = dc;
    ui::PaintGradient(*this);
    paintDc_ = nullptr;
    PaintWindowless(dc);

    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window_, &paint);
}

void Form1::PaintWindowless(HDC dc) {
    // Bottom of the stack first, so the controls listed earlier end up on top.
    for (auto row = ui::kControls.rbegin(); row != ui::kControls.rend(); ++row) {
        if (!ui::IsWindowless(row->kind)) continue;
        const auto index = static_cast<std::size_t>(row->id);
        const ui::PixelRect r = ui::ControlRect(row->id, dpi_);
        RECT rect{r.left, r.top, r.right, r.bottom};
        if (row->kind == ControlKind::Swatch) {
            const HBRUSH brush = CreateSolidBrush(ToColorRef(backColours_[index]));
            FillRect(dc, &rect, brush);
            DeleteObject(brush);
            continue;
        }
        // Transparent labels: only the letters are drawn.
        const std::wstring caption = Utf8ToWide(row->caption);
        const HGDIOBJ oldFont = SelectObject(dc, fonts_[index]);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(row->textColour.value_or(0)));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
                  DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }
}

// The surface keeps only what the gradient uses: boxes drawn with a solid pen inside their
// outline, copied over what lies below, in pixels across and in `scaleHeight_` units down.
bool Form1::SetDrawStyle(int style) { return style == ui::kDrawStyleInsideSolid; }
bool Form1::SetDrawMode(int mode) { return mode == ui::kDrawModeCopyPen; }
bool Form1::SetScaleMode(int mode) { return mode == ui::kScaleModePixels; }

bool Form1::SetDrawWidth(int pixels) {
    if (pixels < 1) return false;
    drawWidth_ = pixels;
    return true;
}

bool Form1::SetScaleHeight(float units) {
    if (units == 0) return false;
    scaleHeight_ = units;
    return true;
}

bool Form1::DrawBox(float x1, float y1, float x2, float y2, ColourValue colour) {
    if (!paintDc_) return false;
    RECT client;
    GetClientRect(window_, &client);
    const float perUnit = scaleHeight_ > 0 ? static_cast<float>(client.bottom) / scaleHeight_ : 1.0f;
    const int left = static_cast<int>(std::lround(std::min(x1, x2)));
    const int right = static_cast<int>(std::lround(std::max(x1, x2)));
    const int top = static_cast<int>(std::lround(std::min(y1, y2) * perUnit));
    // The pen stays inside the outline but is never thinner than its width.
    const int bottom = std::max(static_cast<int>(std::lround(std::max(y1, y2) * perUnit)), top + drawWidth_);
    const int thickness = drawWidth_;
    const HBRUSH pen = CreateSolidBrush(ToColorRef(colour));
    const RECT edges[4] = {{left, top, right, std::min(top + thickness, bottom)},
                           {left, std::max(bottom - thickness, top), right, bottom},
                           {left, top, std::min(left + thickness, right), bottom},
                           {std::max(right - thickness, left), top, right, bottom}};
    for (const RECT& edge : edges) FillRect(paintDc_, &edge, pen);
    DeleteObject(pen);
    return true;
}

}  // namespace hue::win32
