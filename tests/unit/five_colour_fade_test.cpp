#include "fade/five_colour_fade.h"

#include <gtest/gtest.h>

#include "tests/unit/text_helpers.h"

namespace hue {
namespace {

using test::ColourTexts;
using test::T;

// Red, green, blue, white, black as ColourValues (red in the low byte).
constexpr Palette kRgbwk = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000};
// The start-up palette: blue, green, blue, green, blue.
constexpr Palette kBgbgb = {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000};

TEST(FadeFiveColours, WorkedExamples) {
    EXPECT_EQ((FadeFiveColours(kRgbwk, T("Hello"), false)),
              "<Font Color=#808000>H<Font Color=#00FF00>e<Font Color=#0000FF>l<Font Color=#FFFFFF>l"
              "<Font Color=#000000>o");
    EXPECT_EQ((FadeFiveColours(kRgbwk, T("Hello"), true)),
              "<Font Color=#808000><sup>H<Font Color=#00FF00></sup>e<Font Color=#0000FF><sub>l"
              "<Font Color=#FFFFFF></sub>l<Font Color=#000000><sup>o");
    EXPECT_EQ((FadeFiveColours(kRgbwk, T("Hi there!"), false)),
              "<Font Color=#AA5500>H<Font Color=#55AA00>i<Font Color=#00FF00> <Font Color=#008080>t"
              "<Font Color=#0000FF>h<Font Color=#8080FF>e<Font Color=#FFFFFF>r<Font Color=#808080>e"
              "<Font Color=#000000>!");
    EXPECT_EQ((FadeFiveColours(kBgbgb, T("Hello world"), false)),
              "<Font Color=#0055AA>H<Font Color=#00AA55>e<Font Color=#00FF00>l<Font Color=#00AA55>l"
              "<Font Color=#0055AA>o<Font Color=#0000FF> <Font Color=#0055AA>w<Font Color=#00AA55>o"
              "<Font Color=#00FF00>r<Font Color=#008080>l<Font Color=#0000FF>d");
    EXPECT_EQ((FadeFiveColours(kBgbgb, T("Hello world"), true)),
              "<Font Color=#0055AA><sup>H<Font Color=#00AA55></sup>e<Font Color=#00FF00><sub>l"
              "<Font Color=#00AA55></sub>l<Font Color=#0055AA><sup>o<Font Color=#0000FF></sup> "
              "<Font Color=#0055AA><sub>w<Font Color=#00AA55></sub>o<Font Color=#00FF00><sup>r"
              "<Font Color=#008080></sup>l<Font Color=#0000FF><sub>d");
}

TEST(DivideIntoSlices, DealsCharactersOutInTurn) {
    const std::pair<std::size_t, SliceLengths> cases[] = {{0, {1, 0, 0, 0}},
                                                          {1, {1, 0, 0, 0}},
                                                          {2, {1, 1, 0, 0}},
                                                          {3, {1, 1, 1, 0}},
                                                          {4, {1, 1, 1, 1}},
                                                          {5, {2, 1, 1, 1}},
                                                          {6, {2, 2, 1, 1}},
                                                          {7, {2, 2, 2, 1}},
                                                          {8, {2, 2, 2, 2}},
                                                          {9, {3, 2, 2, 2}},
                                                          {13, {4, 3, 3, 3}},
                                                          {32767, {8192, 8192, 8192, 8191}},
                                                          {32768, {8192, 8192, 8192, 8192}}};
    for (const auto& [length, slices] : cases) EXPECT_EQ(DivideIntoSlices(length), slices) << length;
}

TEST(FadeFiveColours, ShortTextsStartOnColourTwo) {
    // Red, green, blue, white, black: one character is green, two add blue, and so on.
    const std::vector<std::string> expected = {"00FF00", "0000FF", "FFFFFF", "000000"};
    for (std::size_t length = 1; length <= 4; ++length) {
        EXPECT_EQ(ColourTexts(FadeFiveColours(kRgbwk, Text(length, U'a'), false)),
                  std::vector<std::string>(expected.begin(), expected.begin() + static_cast<long>(length)));
    }
}

TEST(FadeFiveColours, EmptyTextGivesEmptyMarkupAndProcessesEventsOnce) {
    int calls = 0;
    EXPECT_TRUE(FadeFiveColours(kRgbwk, T(""), true, [&] { ++calls; }).empty());
    EXPECT_EQ(calls, 1);
}

TEST(FadeFiveColours, ProcessesEventsOncePerFourCharacters) {
    for (const auto& [length, passes] : {std::pair{1, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 3}, {32767, 8192}}) {
        int calls = 0;
        FadeFiveColours(kRgbwk, Text(static_cast<std::size_t>(length), U'a'), false, [&] { ++calls; });
        EXPECT_EQ(calls, passes) << length;
    }
}

TEST(FadeFiveColours, EveryCallStartsTheWaveAfresh) {
    const Markup first = FadeFiveColours(kRgbwk, T("abcdefg"), true);
    EXPECT_EQ(first, FadeFiveColours(kRgbwk, T("abcdefg"), true));
    EXPECT_EQ(first.substr(20, 5), "<sup>");
}

TEST(FadeFiveColours, FiveEqualColoursColourEveryCharacterAlike) {
    const Palette grey = {0x808080, 0x808080, 0x808080, 0x808080, 0x808080};
    for (const std::string& hex : ColourTexts(FadeFiveColours(grey, T("steady as she goes"), true))) {
        EXPECT_EQ(hex, "808080");
    }
}

TEST(FadeFiveColours, ColoursAboveFFFFFFAreSplitByPosition) {
    // 0x1000000 reads as red 0, green 0, blue 16; ColourComponents owns that, the fade just uses it.
    const Palette wide = {0x1000000, 0x1000000, 0x1000000, 0x1000000, 0x1000000};
    EXPECT_EQ((FadeFiveColours(wide, T("a"), false)), "<Font Color=#000010>a");
}

// Lines past the 16-bit limit are divided and faded by the same rules in wider counts.
class LongLines : public ::testing::TestWithParam<std::size_t> {};

TEST_P(LongLines, FadeWholeWithEverySliceEndingOnItsColour) {
    const std::size_t length = GetParam();
    Text text(length, U'x');
    for (std::size_t i = 0; i < length; i += 97) text[i] = U'\u00E9';
    text.back() = U'\u00E9';
    for (bool wavy : {false, true}) {
        const Markup markup = FadeFiveColours(kRgbwk, text, wavy);
        ASSERT_EQ(markup.size(), FadeMarkupLength(text, wavy));
        ASSERT_EQ(markup.capacity(), markup.size()) << "one exact allocation";
        const auto colours = ColourTexts(markup);
        ASSERT_EQ(colours.size(), length);
        const SliceLengths s = DivideIntoSlices(length);
        EXPECT_EQ(colours[s.c1 - 1], "00FF00");
        EXPECT_EQ(colours[s.c1 + s.c2 - 1], "0000FF");
        EXPECT_EQ(colours[s.c1 + s.c2 + s.c3 - 1], "FFFFFF");
        EXPECT_EQ(colours.back(), "000000");
        EXPECT_EQ(markup.substr(markup.size() - 2), "\xC3\xA9") << "the last character is whole";
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongLines, ::testing::Values(32767u, 32768u, 1000000u));

}  // namespace
}  // namespace hue
