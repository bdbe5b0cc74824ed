#pragma once

#include <optional>
#include <vector>

#include "ui/control_table.h"

namespace hue::ui {

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at the given dots per inch, to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

struct PixelRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Edges are converted, not sizes, so controls that touch in twips still touch in pixels.
PixelRect TwipsRectToPixels(int left, int top, int width, int height, int dpi);
PixelRect ControlRect(ControlId id, int dpi);
PixelRect FormRect(int dpi);  // at the origin: the window's size

// The controls that take the keyboard focus, in tab order.
std::vector<ControlId> TabOrder();

// The topmost label or swatch under a point of the window's surface, if any.
std::optional<ControlId> WindowlessControlAt(int x, int y, int dpi);

}  // namespace hue::ui
