#include "ui/control_table.h"

namespace hue::ui {
namespace {

using enum ControlId;
using enum ControlKind;

constexpr FontSpec kDefaultFont{};
constexpr FontSpec kButtonFont{"MS Sans Serif", 8.25, false};
constexpr FontSpec kSwatchFont{"Times New Roman", 8.25, false};
constexpr FontSpec kTitleFont{"Impact", 14.25, true};
constexpr FontSpec kBoxFont{"Impact", 12, true};
constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kBlack = 0x000000;
constexpr ColourValue kNavy = 0x800000;  // blue 128
constexpr std::optional<ColourValue> kSystem;

}  // namespace

const FormSpec kForm1{"Velmor's Hue-Weaver", 1650, 1845, 4635, 2385, 0x400000};

// clang-format off
const std::array<ControlSpec, kControlCount> kControls = {{
    {Option5,    "Option5",    Option,  "Underline", 2520, 1200,  975, 255, kDefaultFont, kWhite,  kNavy,   34},
    {Option4,    "Option4",    Option,  "None",      3600, 1200,  735, 195, kDefaultFont, kWhite,  kNavy,   33},
    {Option3,    "Option3",    Option,  "Strike ",   3840,  960,  735, 195, kDefaultFont, kWhite,  kNavy,   32},
    {Option2,    "Option2",    Option,  "Italic",    3120,  960,  735, 195, kDefaultFont, kWhite,  kNavy,   31},
    {Option1,    "Option1",    Option,  "Bold",      2400,  960,  615, 195, kDefaultFont, kWhite,  kNavy,   30},
    {Text2,      "Text2",      TextBox, "",           120,  120, 2175, 285, kDefaultFont, kSystem, kSystem, 29, true},
    {blue5,      "blue5",      Slider,  "",          2400,  720, 1095, 135, kDefaultFont, kSystem, kSystem, 24},
    {green5,     "green5",     Slider,  "",          2400,  600, 1095, 135, kDefaultFont, kSystem, kSystem, 23},
    {red5,       "red5",       Slider,  "",          2400,  480, 1095, 135, kDefaultFont, kSystem, kSystem, 22},
    {blue4,      "blue4",      Slider,  "",           120, 2160, 1095, 135, kDefaultFont, kSystem, kSystem, 20},
    {green4,     "green4",     Slider,  "",           120, 2040, 1095, 135, kDefaultFont, kSystem, kSystem, 19},
    {red4,       "red4",       Slider,  "",           120, 1920, 1095, 135, kDefaultFont, kSystem, kSystem, 18},
    {Text1,      "Text1",      TextBox, "",          2400, 1440, 2175, 315, kDefaultFont, kSystem, kSystem, 16},
    {blue3,      "blue3",      Slider,  "",           120, 1680, 1095, 135, kDefaultFont, kSystem, kSystem, 14},
    {red3,       "red3",       Slider,  "",           120, 1440, 1095, 135, kDefaultFont, kSystem, kSystem, 13},
    {green3,     "green3",     Slider,  "",           120, 1560, 1095, 135, kDefaultFont, kSystem, kSystem, 12},
    {blue2,      "blue2",      Slider,  "",           120, 1200, 1095, 135, kDefaultFont, kSystem, kSystem, 10},
    {red2,       "red2",       Slider,  "",           120,  960, 1095, 135, kDefaultFont, kSystem, kSystem,  9},
    {green2,     "green2",     Slider,  "",           120, 1080, 1095, 135, kDefaultFont, kSystem, kSystem,  8},
    {blue1,      "blue1",      Slider,  "",           120,  720, 1095, 135, kDefaultFont, kSystem, kSystem,  6},
    {green1,     "green1",     Slider,  "",           120,  600, 1095, 135, kDefaultFont, kSystem, kSystem,  5},
    {red1,       "red1",       Slider,  "",           120,  480, 1095, 135, kDefaultFont, kSystem, kSystem,  4},
    {SSCommand8, "SSCommand8", Button,  "Minimize",  3480, 2040, 1095, 255, kButtonFont,  kSystem, kSystem, 28},
    {SSCommand7, "SSCommand7", Button,  "Exit ",     2400, 2040, 1095, 255, kButtonFont,  kSystem, kSystem, 27},
    {SSCommand2, "SSCommand2", Button,  "Wavy",      2400, 1800, 1095, 255, kButtonFont,  kSystem, kSystem, 26},
    {color5,     "color5",     Swatch,  "",          3480,  480, 1095, 375, kSwatchFont,  kSystem, kSystem, 25},
    {color4,     "color4",     Swatch,  "",          1200, 1920, 1095, 375, kSwatchFont,  kSystem, kSystem, 21},
    {SSCommand1, "SSCommand1", Button,  "Send Chat", 3480, 1800, 1095, 255, kButtonFont,  kSystem, kSystem, 17},
    {color3,     "color3",     Swatch,  "",          1200, 1440, 1095, 375, kSwatchFont,  kSystem, kSystem, 15},
    {color2,     "color2",     Swatch,  "",          1200,  960, 1095, 375, kSwatchFont,  kSystem, kSystem, 11},
    {color1,     "color1",     Swatch,  "",          1200,  480, 1095, 375, kSwatchFont,  kSystem, kSystem,  7},
    {Label4,     "Label4",     Label,   " Velmor's Hue-Weaver", 840, 0, 2895, 375, kTitleFont, kWhite, kSystem, 3},
    {Label1,     "Label1",     Label,   "Velmor's Hue-Weaver", 960, 120, 2895, 735, kTitleFont, kBlack, kSystem, 2},
    {Label3,     "Label3",     Label,   " \u00D7",   4320,    0,  255, 255, kBoxFont,     kWhite,  kSystem,  1},
    {Label2,     "Label2",     Label,   "\u2013 ",   4080,    0,  255, 255, kBoxFont,     kWhite,  kSystem,  0},
}};
// clang-format on

const std::array<ColourGroup, 5> kColourGroups = {{
    {red1, green1, blue1, color1},
    {red2, green2, blue2, color2},
    {red3, green3, blue3, color3},
    {red4, green4, blue4, color4},
    {red5, green5, blue5, color5},
}};

const std::array<StyleOption, 5> kStyleOptions = {
    {{Option1, "<b>"}, {Option2, "<i>"}, {Option3, "<s>"}, {Option4, ""}, {Option5, "<u>"}}};

std::optional<std::size_t> GroupOfSlider(ControlId id) {
    for (std::size_t group = 0; group < kColourGroups.size(); ++group) {
        const ColourGroup& g = kColourGroups[group];
        if (id == g.top || id == g.middle || id == g.bottom) return group;
    }
    return std::nullopt;
}

}  // namespace hue::ui
