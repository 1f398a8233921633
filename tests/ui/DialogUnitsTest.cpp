#include <gtest/gtest.h>

#include "ui/DialogUnits.h"

TEST(DialogUnitsTest, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int a, b, c, expected;
    };
    for (const Case& c : {Case{7, 6, 4, 11}, Case{5, 6, 4, 8}, Case{3, 13, 8, 5},
                          Case{-5, 6, 4, -8}, Case{0, 13, 8, 0}, Case{417, 6, 4, 626}}) {
        EXPECT_EQ(ui::MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    }
}

TEST(DialogUnitsTest, RectanglesMapByTheirEdges) {
    // Base units 6 x 13 are those of the original 8-point dialog font.
    const ui::BaseUnits units{6, 13};
    EXPECT_EQ(ui::MapDialogRect({360, 263, 50, 16}, units), QRect(540, 427, 75, 26));
    EXPECT_EQ(ui::MapDialogRect({7, 7, 403, 56}, units), QRect(11, 11, 604, 91));
    EXPECT_EQ(ui::MapDialogRect({0, 0, 417, 286}, units).size(), QSize(626, 465));
}
