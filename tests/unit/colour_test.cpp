#include "fade/colour.h"

#include <gtest/gtest.h>

namespace hue {
namespace {

struct ColourCase {
    ColourValue value;
    const char* hex;
    Rgb components;
};

class ColourNotation : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourNotation, WritesHexAndReadsComponentsBackByPosition) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(ColourToHex(c.value), c.hex);
    EXPECT_EQ(ColourComponents(c.value), c.components);
}

INSTANTIATE_TEST_SUITE_P(Values, ColourNotation,
                         ::testing::Values(ColourCase{0x0, "000000", {0, 0, 0}},
                                           ColourCase{0xFF, "0000FF", {255, 0, 0}},
                                           ColourCase{0xFF0000, "FF0000", {0, 0, 255}},
                                           ColourCase{0x0ABCDE, "0ABCDE", {222, 188, 10}},
                                           ColourCase{0x563412, "563412", {18, 52, 86}},
                                           ColourCase{0x0080FF, "0080FF", {255, 128, 0}},
                                           ColourCase{0xABCDEF, "ABCDEF", {239, 205, 171}},
                                           ColourCase{0xF, "00000F", {15, 0, 0}},
                                           // Longer texts keep every digit; the positions still apply.
                                           ColourCase{0x1000000, "1000000", {0, 0, 16}},
                                           ColourCase{0x8000000F, "8000000F", {15, 0, 128}},
                                           ColourCase{0xFFFFFFFF, "FFFFFFFF", {255, 255, 255}}),
                         [](const auto& test) { return std::string("Hex") + test.param.hex; });

TEST(ColourNotation, ComposesRedLowBlueHigh) {
    EXPECT_EQ(ComposeColour(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(ColourComponents(ComposeColour(255, 128, 0)), (Rgb{255, 128, 0}));
}

TEST(ColourNotation, EveryValueUpToFFFFFFRoundTrips) {
    for (ColourValue value = 0; value <= 0xFFFFFF; value += 0x010101 / 3 + 7) {
        const Rgb rgb = ColourComponents(value);
        ASSERT_EQ(ComposeColour(rgb.red, rgb.green, rgb.blue), value) << std::hex << value;
        ASSERT_EQ(ColourToHex(value).size(), 6u);
    }
}

}  // namespace
}  // namespace hue
