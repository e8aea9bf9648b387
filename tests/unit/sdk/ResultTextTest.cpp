#include "sdk/SdkResult.h"

#include <gtest/gtest.h>

#include <string>

TEST(ResultText, KnownCodesGiveTheirText)
{
    EXPECT_STREQ(ResultText(22), "OK");
    EXPECT_STREQ(ResultText(1), "Aborted");
    EXPECT_STREQ(ResultText(19), "Not implemented");
    EXPECT_STREQ(ResultText(28), "Too Many Resends");
}

TEST(ResultText, CodesOutsideTheTableAreUnknown)
{
    for (uint32_t code : {0u, 15u, 29u, 0xFFFFFFFFu})
        EXPECT_STREQ(ResultText(code), "Unknown Error Code!!!") << code;
}

TEST(SdkResult, OnlyOkIsSuccessAndTextFollowsCode)
{
    EXPECT_TRUE(SdkResult().IsOK());
    SdkResult timeout(SdkResult::TIMEOUT);
    EXPECT_FALSE(timeout.IsOK());
    EXPECT_EQ(timeout.GetCode(), 26u);
    EXPECT_EQ(timeout.GetText(), std::string("Timeout"));
    EXPECT_TRUE(timeout == SdkResult::TIMEOUT);
}
