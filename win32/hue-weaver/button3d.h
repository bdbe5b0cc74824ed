#pragma once

#include "win32/common/windows_api.h"

namespace hue::win32 {

// A push button with a raised, bevelled face that looks pressed while it is held. It takes the
// focus, shows a focus rectangle, and clicks on a mouse click or on Space or Enter; it tells its
// parent with WM_COMMAND / BN_CLICKED like a standard button.
inline constexpr wchar_t kButton3DClass[] = L"HueWeaver3DButton";
bool RegisterButton3D(HINSTANCE instance);

}  // namespace hue::win32
