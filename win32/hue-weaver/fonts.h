#pragma once

#include "ui/control_table.h"
#include "win32/common/windows_api.h"

namespace hue::win32 {

// The font a control's row asks for at the given DPI, or the nearest installed substitute
// (Wine, for one, ships none of Impact, Times New Roman or MS Sans Serif). An empty face is the
// window's default font. The caller owns the font.
HFONT CreateControlFont(const ui::FontSpec& font, int dpi);

}  // namespace hue::win32
