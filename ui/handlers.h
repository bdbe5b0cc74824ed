#pragma once

#include <optional>

#include "ui/form.h"

namespace hue::ui {

// Colour pickers and style options.
void OnSliderChanged(Form& form, ControlId slider);
void OnOptionChosen(Form& form, ControlId option);

// "Send Chat" (wavy false) and "Wavy" (wavy true).
void OnSend(Form& form, bool wavy);

// Start-up, before the window is first shown, and the orderly exit.
void OnLoad(Form& form);
[[noreturn]] void OnExit(Form& form);

// Waits `seconds` on a monotonic clock while the window keeps handling its events, sleeping
// between events instead of spinning.
void Pause(Form& form, double seconds);

// Window chrome.
void DragWindow(Form& form);
void StayOnTop(Form& form);
void CentreWindow(Form& form);
void PaintGradient(Form& form);

// Event routing: a mouse button pressed on the window's own surface (on a label or swatch, or on
// none), and a click on any control.
void OnSurfaceMouseDown(Form& form, std::optional<ControlId> windowless);
void OnClick(Form& form, ControlId control);

}  // namespace hue::ui
