#include <gtest/gtest.h>

#include "platform/FixedText.h"

TEST(FixedTextTest, CopiesAreBoundedAndReportACut) {
    struct Case {
        std::u16string source;
        std::size_t limit;
        std::u16string expected;
        bool whole;
    };
    const std::u16string ninetyNine(99, u'a');
    const std::u16string hundred(100, u'b');
    const Case cases[] = {
        {u"", 99, u"", true},
        {u"SRV01\\ZOL", 99, u"SRV01\\ZOL", true},
        {ninetyNine, 99, ninetyNine, true},
        {hundred, 99, hundred.substr(0, 99), false},
        {hundred, 500, hundred.substr(0, 99), false},  // never past the array
        {u"abcdef", 3, u"abc", false},
        {std::u16string(u"ab\0cd", 5), 99, u"ab", true},  // a zero ends the text
    };
    for (const Case& c : cases) {
        platform::FixedText<100> text;
        EXPECT_EQ(text.Assign(c.source, c.limit), c.whole);
        EXPECT_EQ(text.View(), c.expected);
        EXPECT_EQ(text.c_str()[text.Length()], u'\0');
    }
}

TEST(FixedTextTest, FitsTellsBeforeCopying) {
    EXPECT_TRUE(platform::FixedText<100>::Fits(std::u16string(99, u'x')));
    EXPECT_FALSE(platform::FixedText<100>::Fits(std::u16string(100, u'x')));
    EXPECT_FALSE(platform::FixedText<260>::Fits(std::u16string(100, u'x'), 99));
}
