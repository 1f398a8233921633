#include <gtest/gtest.h>

#include "maintenance/CheckMessages.h"

namespace {
const std::u16string kPrefix(47, u'P');
}

TEST(CheckMessagesTest, SplitsLinesAndDropsTheirPrefix) {
    struct Case {
        const char* name;
        std::u16string text;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {"empty", u"", {}},
        {"one line", kPrefix + u"first", {u"first"}},
        {"two lines", kPrefix + u"first\n" + kPrefix + u"second", {u"first", u"second"}},
        {"trailing line feed", kPrefix + u"first\n", {u"first"}},
        {"shorter than the prefix", u"short", {u""}},
        {"line feed right after the prefix",
         kPrefix + u"\nrest\n" + kPrefix + u"more",
         {u"\nrest\n" + kPrefix + u"more"}},
        {"second line shorter than the prefix", kPrefix + u"first\nshort", {u"first", u""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCheckMessages(c.text), c.lines) << c.name;
    }
}
