#include "fade/announcement.h"

#include <gtest/gtest.h>

#include "tests/unit/text_helpers.h"

namespace hue {
namespace {

using test::ColourTexts;
using test::T;

TEST(AnnouncementMarkup, WorkedExamples) {
    EXPECT_EQ((AnnouncementMarkup(T("Test"))),
              "<Font Color=#800080>T<Font Color=#FF0000>e<Font Color=#800080>s<Font Color=#0000FF>t");
    EXPECT_EQ((AnnouncementMarkup(T("Hi!"))),
              "<Font Color=#AA0055>H<Font Color=#AA0055>i<Font Color=#0000FF>!");
    EXPECT_EQ(ColourTexts(AnnouncementMarkup(U"\u2022 Status: Loaded")),
              (std::vector<std::string>{"2000DF", "4000BF", "60009F", "800080", "9F0060", "BF0040", "DF0020",
                                        "FF0000", "DF0020", "BF0040", "9F0060", "800080", "60009F", "4000BF",
                                        "2000DF", "0000FF"}));
    EXPECT_EQ(AnnouncementMarkup(U"\u2022"), "<Font Color=#0000FF>\xE2\x80\xA2");
}

TEST(AnnouncementMarkup, EdgesOfTheRamp) {
    EXPECT_TRUE(AnnouncementMarkup(T("")).empty());
    EXPECT_EQ((AnnouncementMarkup(T("x"))), "<Font Color=#0000FF>x");
    for (std::size_t length : {2u, 6u, 20u, 64u, 1000u}) {
        const auto colours = ColourTexts(AnnouncementMarkup(Text(length, U'a')));
        EXPECT_EQ(colours[length / 2 - 1], "FF0000") << length;
        EXPECT_EQ(colours.back(), "0000FF") << length;
    }
}

TEST(AnnouncementMarkup, ColoursDependOnPositionOnly) {
    EXPECT_EQ(ColourTexts(AnnouncementMarkup(T("abcd"))), ColourTexts(AnnouncementMarkup(T("Test"))));
}

}  // namespace
}  // namespace hue
