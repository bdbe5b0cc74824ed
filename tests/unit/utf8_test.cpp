#include "fade/utf8.h"

#include <gtest/gtest.h>

namespace hue {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
    const Text text = U"a\u00E9\u2022\uFFFD\U0001F600\U0010FFFF";
    const auto decoded = DecodeUtf8(EncodeUtf8(text));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, text);
}

TEST(Utf8, RefusesMalformedInput) {
    for (std::string_view bad : {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                 "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "ok\xE2\x80", "\xE2\x28\xA1"}) {
        EXPECT_FALSE(DecodeUtf8(bad)) << ::testing::PrintToString(bad);
    }
}

}  // namespace
}  // namespace hue
