#include "fade/span_fade.h"

#include <gtest/gtest.h>

#include "tests/unit/text_helpers.h"

namespace hue {
namespace {

using test::ColourTexts;
using test::T;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

TEST(FadeSpan, WorkedExamples) {
    WaveCounter counter = 0;
    EXPECT_EQ((FadeSpan(T("abc"), kRed, kBlue, false, counter)),
              "<Font Color=#AA0055>a<Font Color=#5500AA>b<Font Color=#0000FF>c");
    EXPECT_EQ(counter, 0);

    EXPECT_EQ((FadeSpan(T("abc"), kRed, kBlue, true, counter)),
              "<Font Color=#AA0055><sup>a<Font Color=#5500AA></sup>b<Font Color=#0000FF><sub>c");
    EXPECT_EQ(counter, 3);

    EXPECT_EQ((FadeSpan(T("abc"), kRed, kBlue, true, counter)),
              "<Font Color=#AA0055></sub>a<Font Color=#5500AA><sup>b<Font Color=#0000FF></sup>c");
    EXPECT_EQ(counter, 2);

    EXPECT_EQ(ColourTexts(FadeSpan(T("Hi there"), {0, 0, 0}, {255, 255, 255}, false, counter)),
              (std::vector<std::string>{"202020", "404040", "606060", "808080", "9F9F9F", "BFBFBF", "DFDFDF",
                                        "FFFFFF"}));
}

TEST(FadeSpan, EmptySliceLeavesCounterAlone) {
    WaveCounter counter = 3;
    EXPECT_TRUE(FadeSpan(T(""), kRed, kBlue, true, counter).empty());
    EXPECT_EQ(counter, 3);
}

TEST(FadeSpan, OneCharacterIsTheEndColourAndWrapsTheCounter) {
    WaveCounter counter = 4;
    EXPECT_EQ((FadeSpan(T("x"), kRed, kBlue, true, counter)), "<Font Color=#0000FF><sup>x");
    EXPECT_EQ(counter, 1);
}

TEST(FadeSpan, WithoutWavyTheCounterIsNotTouched) {
    WaveCounter counter = 17;
    FadeSpan(T("abcdef"), kRed, kBlue, false, counter);
    EXPECT_EQ(counter, 17);
}

TEST(FadeSpan, MarkupReadsRedFirst) {
    WaveCounter counter = 0;
    EXPECT_EQ(ColourTexts(FadeSpan(T("ab"), kRed, kRed, true, counter)),
              (std::vector<std::string>{"FF0000", "FF0000"}));
    EXPECT_EQ(ColourTexts(FadeSpan(T("ab"), kBlue, kBlue, false, counter)),
              (std::vector<std::string>{"0000FF", "0000FF"}));
}

struct RampCase {
    int from;
    int to;
    std::size_t length;
    std::vector<int> reds;
};

class SinglePrecisionRamp : public ::testing::TestWithParam<RampCase> {};

// Exact halves go to the even neighbour, and single precision decides near-ties: 31/14*7 is
// 15.499999 in float, where exact or x87 arithmetic would give 15.5 and round to 16.
TEST_P(SinglePrecisionRamp, RedsComeOutExactly) {
    const RampCase& c = GetParam();
    WaveCounter counter = 0;
    const Markup markup = FadeSpan(Text(c.length, U'x'), {c.from, 0, 0}, {c.to, 0, 0}, false, counter);
    std::vector<int> reds;
    for (const std::string& hex : ColourTexts(markup))
        reds.push_back(std::stoi(hex.substr(0, 2), nullptr, 16));
    EXPECT_EQ(reds, c.reds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SinglePrecisionRamp,
    ::testing::Values(RampCase{0, 5, 2, {2, 5}}, RampCase{0, 3, 2, {2, 3}},
                      RampCase{0, 31, 14, {2, 4, 7, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31}},
                      RampCase{255, 0, 4, {191, 128, 64, 0}}, RampCase{0, 255, 1, {255}}),
    [](const auto& test) {
        return "From" + std::to_string(test.param.from) + "To" + std::to_string(test.param.to) + "Over" +
               std::to_string(test.param.length);
    });

TEST(FadeSpan, MarkupCharactersAreNotEscaped) {
    WaveCounter counter = 0;
    EXPECT_EQ((FadeSpan(T("<&>"), {10, 20, 30}, {10, 20, 30}, false, counter)),
              "<Font Color=#0A141E><<Font Color=#0A141E>&<Font Color=#0A141E>>");
}

TEST(FadeSpan, CharactersOutsideTheBasicPlaneAreOneGroup) {
    WaveCounter counter = 0;
    const Markup markup = FadeSpan(U"\U0001F600\u00E9", kRed, kBlue, false, counter);
    EXPECT_EQ(markup, "<Font Color=#800080>\xF0\x9F\x98\x80<Font Color=#0000FF>\xC3\xA9");
}

TEST(FadeSpan, LastCharacterLandsOnTheEndColourForEveryLength) {
    // The float steps' rounding errors must stay far below a half, for short and very long slices.
    for (std::size_t length : {1u, 2u, 3u, 7u, 14u, 255u, 1000u, 32767u, 32768u, 250000u}) {
        for (const auto& [from, to] : {std::pair{0, 255}, {255, 0}, {17, 233}, {200, 3}}) {
            WaveCounter counter = 0;
            const Markup markup =
                FadeSpan(Text(length, U'x'), {from, to, from}, {to, from, to}, false, counter);
            const auto colours = ColourTexts(markup);
            ASSERT_EQ(colours.size(), length);
            char expected[7];
            std::snprintf(expected, sizeof expected, "%02X%02X%02X", to, from, to);
            ASSERT_EQ(colours.back(), expected) << "length " << length << " from " << from << " to " << to;
        }
    }
}

TEST(FadeSpan, LengthIsKnownBeforeTheFirstCharacter) {
    for (WaveCounter start : {0, 1, 2, 3, 4}) {
        for (std::size_t length : {0u, 1u, 2u, 3u, 4u, 5u, 9u}) {
            for (bool wavy : {false, true}) {
                WaveCounter counter = start;
                const Text slice(length, U'\u00E9');
                const Markup markup = FadeSpan(slice, kRed, kBlue, wavy, counter);
                EXPECT_EQ(markup.size(), detail::SpanMarkupLength(slice, wavy, start));
            }
        }
    }
}

}  // namespace
}  // namespace hue
