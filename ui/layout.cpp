#include "ui/layout.h"

#include <algorithm>

namespace hue::ui {

PixelRect TwipsRectToPixels(int left, int top, int width, int height, int dpi) {
    return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(left + width, dpi),
            TwipsToPixels(top + height, dpi)};
}

PixelRect ControlRect(ControlId id, int dpi) {
    const ControlSpec& row = Spec(id);
    return TwipsRectToPixels(row.left, row.top, row.width, row.height, dpi);
}

PixelRect FormRect(int dpi) { return TwipsRectToPixels(0, 0, kForm1.width, kForm1.height, dpi); }

std::vector<ControlId> TabOrder() {
    std::vector<ControlId> order;
    for (const ControlSpec& row : kControls) {
        if (CanTakeFocus(row)) order.push_back(row.id);
    }
    std::sort(order.begin(), order.end(),
              [](ControlId a, ControlId b) { return Spec(a).tabIndex < Spec(b).tabIndex; });
    return order;
}

std::optional<ControlId> WindowlessControlAt(int x, int y, int dpi) {
    for (const ControlSpec& row : kControls) {
        if (!IsWindowless(row.kind)) continue;
        if (ControlRect(row.id, dpi).Contains(x, y)) return row.id;
    }
    return std::nullopt;
}

}  // namespace hue::ui
