#include "resources/strings.h"

#include <gtest/gtest.h>

using namespace quan;

TEST(StringTable, NumberedMessagesAreString400PlusN)
{
    EXPECT_EQ(messageText(17), "out of bounds");
    EXPECT_EQ(messageText(30), "not yet available");
    EXPECT_EQ(S(62), "hmm ...");
    EXPECT_EQ(S(427), "");
    EXPECT_EQ(S(168), "infinite");
}

TEST(Strings, EveryIdIsGivenOnce)
{
    EXPECT_EQ(duplicateStringIds(), std::vector<int>{});
}
