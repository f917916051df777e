// Paste profile and copy profile: the textbook lines "18 ADECB" become the
// counts; every kind of bad text is refused with the election unchanged.
#include "profiles.h"

#include <gtest/gtest.h>

using namespace quan;
using electtest::indexOf;

namespace {

Election fiveEmpty()
{
    Election e;
    Random rng;
    rng.seed(21);
    EXPECT_EQ(e.zeros(rng), 0);
    return e;
}

int countOf(const Election& e, const std::string& order)
{
    return e.ballots()[static_cast<size_t>(indexOf(e, order))].count;
}

} // namespace

TEST(Profile, PasteEntersTheFiftyFiveVoters)
{
    Election e = fiveEmpty();
    ASSERT_EQ(e.cast(5), 0);
    const int current = e.current();
    ASSERT_EQ(e.pasteProfile("18 ADECB\r\n12 BEDCA\r\n10 CBEDA\n9 DCEBA\n4 EBDCA\n2 ECDBA\n"), 0);
    const Election typed = electtest::make("ABCDE", electtest::fiftyFive());
    for (int i = 0; i < e.ballotCount(); ++i)
        ASSERT_EQ(e.ballots()[static_cast<size_t>(i)].count, typed.ballots()[static_cast<size_t>(i)].count);
    EXPECT_EQ(e.total(), 55);
    EXPECT_EQ(e.current(), current);
    EXPECT_FALSE(e.canUndo());
    EXPECT_EQ(e.tally().bordaRanking[0], 3);
}

TEST(Profile, SeparatorsCaseRepeatsAndAnImpliedLastPlace)
{
    Election e = fiveEmpty();
    ASSERT_EQ(e.pasteProfile("  18: A > D > E > C > B\n\n----\n ADECB 2\n3 a,d,e,c\r\n0 BACDE"), 0);
    EXPECT_EQ(countOf(e, "ADECB"), 23);
    EXPECT_EQ(countOf(e, "BACDE"), 0);
    EXPECT_EQ(e.total(), 23);
}

TEST(Profile, ExactNamesComeBeforeOtherCase)
{
    Random rng;
    rng.seed(22);
    Election e;
    ASSERT_EQ(e.newNames("aAb", rng), 0);
    // 'a' and 'A' are two candidates; 'B' matches 'b' only in another case.
    ASSERT_EQ(e.pasteProfile("4 AaB\n1 aBA"), 0);
    EXPECT_EQ(countOf(e, "Aab"), 4);
    EXPECT_EQ(countOf(e, "abA"), 1);
    ASSERT_EQ(e.newNames("aAB", rng), 0);
    EXPECT_EQ(e.pasteProfile("4 bAa"), 0);
    ASSERT_EQ(e.newNames("AAB", rng), 0);
    const Election same = e;
    EXPECT_EQ(e.pasteProfile("4 AAB"), 6) << "two candidates of one name";
    EXPECT_EQ(e, same);
}

TEST(Profile, BadTextIsRefusedAndChangesNothing)
{
    Election e = electtest::make("ABCDE", electtest::fiftyFive());
    const Election before = e;
    const std::pair<const char*, int> cases[] = {
        {"", 23},
        {"\r\n  \r\n--\n", 23},
        {"18 ADECB\nADECB", 1},
        {"18 ADECB\n12", 1},
        {"18 12 ADECB", 1},
        {"1e5 ADECB", 1},
        {"18 ADXCB", 1},
        {"count order\n18 ADECB", 1},
        {"18 ADEAB", 6},
        {"18 ADE", 6},
        {"18 ADECBA", 6},
        {"-18 ADECB", 14},
        {"2.5 ADECB", 16},
        {"2147483648 ADECB", 17},
        {"2147483647 ADECB\n1 BEDCA", 17},
        {"99999999999999999999999999 ADECB", 17},
    };
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(e.pasteProfile(text), code) << text;
        EXPECT_EQ(e, before) << text;
    }
    EXPECT_EQ(e.pasteProfile("2147483647 ADECB"), 0);
    EXPECT_EQ(e.total(), 2147483647);
}

TEST(Profile, CopyWritesTheCountedBallotsInListOrder)
{
    const Election e = electtest::make("ABCDE", electtest::fiftyFive());
    EXPECT_EQ(e.profileText(), "18 ADECB\r\n12 BEDCA\r\n10 CBEDA\r\n9 DCEBA\r\n4 EBDCA\r\n2 ECDBA\r\n");
    Election back = fiveEmpty();
    ASSERT_EQ(back.pasteProfile(e.profileText()), 0);
    EXPECT_EQ(back.profileText(), e.profileText());
    EXPECT_EQ(fiveEmpty().profileText(), "");
}
