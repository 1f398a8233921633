#include <gtest/gtest.h>

#include "platform/Utf.h"

TEST(UtfTest, RoundTripsAndReplacesBrokenInput) {
    const std::u16string texts[] = {u"", u"zol", u"Zürich\\ZOL", u"日本語", u"\U0001F600 db"};
    for (const std::u16string& text : texts) {
        EXPECT_EQ(platform::FromUtf8(platform::ToUtf8(text)), text);
    }
    EXPECT_EQ(platform::ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(platform::FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(platform::FromUtf8("\xE2\x28\xA1"), u"\uFFFD(\uFFFD");
}
