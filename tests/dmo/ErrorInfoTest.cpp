#include <gtest/gtest.h>

#include <thread>

#include "dmo/ErrorInfo.h"
#include "dmo/Status.h"

TEST(ErrorInfoTest, DescriptionBelongsToItsThreadAndIsTakenOnce) {
    dmo::ClearErrorInfo();
    EXPECT_EQ(dmo::Fail(dmo::E_FAIL, u"disk full"), dmo::E_FAIL);

    std::optional<std::u16string> seenByOther = u"untouched";
    std::thread other([&] { seenByOther = dmo::TakeErrorInfo(); });
    other.join();
    EXPECT_FALSE(seenByOther.has_value());

    EXPECT_EQ(dmo::TakeErrorInfo(), std::optional<std::u16string>(u"disk full"));
    EXPECT_FALSE(dmo::TakeErrorInfo().has_value());
}
