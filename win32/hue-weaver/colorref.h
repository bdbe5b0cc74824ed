#pragma once

#include "fade/colour.h"
#include "win32/common/windows_api.h"

namespace hue::win32 {

// ColourValue and COLORREF share their layout: red in the low byte.
inline COLORREF ToColorRef(ColourValue colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

}  // namespace hue::win32
