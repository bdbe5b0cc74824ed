#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "fade/colour.h"

namespace hue::ui {

// The window's 35 controls, in stacking order: where two overlap, the one listed first lies above.
enum class ControlId : std::size_t {
    Option5,
    Option4,
    Option3,
    Option2,
    Option1,
    Text2,
    blue5,
    green5,
    red5,
    blue4,
    green4,
    red4,
    Text1,
    blue3,
    red3,
    green3,
    blue2,
    red2,
    green2,
    blue1,
    green1,
    red1,
    SSCommand8,
    SSCommand7,
    SSCommand2,
    color5,
    color4,
    SSCommand1,
    color3,
    color2,
    color1,
    Label4,
    Label1,
    Label3,
    Label2,
};
inline constexpr std::size_t kControlCount = 35;

enum class ControlKind { Option, TextBox, Slider, Button, Swatch, Label };

struct FontSpec {
    std::string_view face;  // empty: the window's default font
    double points = 0;
    bool italic = false;
};

struct ControlSpec {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::string_view caption;      // UTF-8
    int left, top, width, height;  // twips from the window's top-left corner
    FontSpec font;
    std::optional<ColourValue> textColour;  // none: the system's colour for the kind
    std::optional<ColourValue> background;  // none: transparent or the system's colour
    int tabIndex;
    bool hidden = false;
};

// The window itself.
struct FormSpec {
    std::string_view caption;
    int left, top, width, height;  // twips
    ColourValue background;
};
extern const FormSpec kForm1;

extern const std::array<ControlSpec, kControlCount> kControls;

constexpr const ControlSpec& Spec(ControlId id) { return kControls[static_cast<std::size_t>(id)]; }

// Labels are drawn by the window itself and cannot take the focus, nor can a hidden control.
constexpr bool IsWindowless(ControlKind kind) {
    return kind == ControlKind::Swatch || kind == ControlKind::Label;
}
constexpr bool CanTakeFocus(const ControlSpec& row) { return !IsWindowless(row.kind) && !row.hidden; }

// Sliders and swatches of the five colour groups (1 to 5), and the option buttons with their tags.
struct ColourGroup {
    ControlId top;     // red-named, feeds green
    ControlId middle;  // green-named, feeds red
    ControlId bottom;  // blue-named, feeds blue
    ControlId swatch;
};
extern const std::array<ColourGroup, 5> kColourGroups;

struct StyleOption {
    ControlId option;
    std::string_view tag;
};
extern const std::array<StyleOption, 5> kStyleOptions;

// The colour group (0 to 4) a slider belongs to, or nullopt for any other control.
std::optional<std::size_t> GroupOfSlider(ControlId id);

}  // namespace hue::ui
