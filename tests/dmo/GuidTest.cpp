#include <gtest/gtest.h>

#include "dmo/ClassIds.h"
#include "dmo/Guid.h"

TEST(GuidTest, ParsesAndWritesBackTheSameText) {
    constexpr dmo::Guid guid = dmo::Guid::Parse("{10021F00-E260-11CF-AE68-00AA004A34D5}");
    EXPECT_EQ(guid.data1, 0x10021F00u);
    EXPECT_EQ(guid.data2, 0xE260u);
    EXPECT_EQ(guid.data3, 0x11CFu);
    EXPECT_EQ(guid.data4[0], 0xAE);
    EXPECT_EQ(guid.data4[7], 0xD5);
    EXPECT_EQ(guid.ToString(), "{10021F00-E260-11CF-AE68-00AA004A34D5}");
    EXPECT_EQ(guid, dmo::kClsidBackup);
    EXPECT_NE(guid, dmo::kClsidRestore);
}

TEST(GuidTest, RefusesMalformedText) {
    for (const char* text :
         {"", "10021F00-E260-11CF-AE68-00AA004A34D5", "{10021F00-E260-11CF-AE68-00AA004A34D}",
          "{10021F00xE260-11CF-AE68-00AA004A34D5}", "{10021G00-E260-11CF-AE68-00AA004A34D5}"}) {
        EXPECT_THROW(dmo::Guid::Parse(text), std::invalid_argument) << text;
    }
}
