#include "fade/markup_reader.h"

#include <gtest/gtest.h>

#include "tests/unit/text_helpers.h"

namespace hue {
namespace {

struct StyledRun {
    std::string text;
    MarkupStyle style;
    friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

std::vector<StyledRun> Runs(std::string_view markup) {
    std::vector<StyledRun> runs;
    ReadMarkup(markup, [&](std::string_view text, const MarkupStyle& style) {
        runs.push_back({std::string(text), style});
    });
    return runs;
}

TEST(ReadMarkup, MergesCharactersOfTheSameStyle) {
    const auto runs = Runs("<b><Font Color=#FF0000>a<Font Color=#FF0000>b<Font Color=#00ff00><sup>c");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "ab");
    EXPECT_TRUE(runs[0].style.bold);
    EXPECT_EQ(runs[0].style.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(runs[1].text, "c");
    EXPECT_EQ(runs[1].style.colour, (Rgb{0, 255, 0}));
    EXPECT_EQ(runs[1].style.raise, 1);
}

TEST(ReadMarkup, UnknownTagsAndStrayBracketsStayVisible) {
    const auto runs = Runs("<blink>x<Font Color=#GG0000>y<<Font Color=#000000>>");
    std::string visible;
    for (const StyledRun& run : runs) visible += run.text;
    EXPECT_EQ(visible, "<blink>x<Font Color=#GG0000>y<>");
}

TEST(ReadMarkup, ClosingTagsEndTheirStyle) {
    const auto runs = Runs("<i><u><s>a</i></u></s>b");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].style.italic && runs[0].style.underline && runs[0].style.strike);
    EXPECT_EQ(runs[1].style, MarkupStyle{});
}

}  // namespace
}  // namespace hue
