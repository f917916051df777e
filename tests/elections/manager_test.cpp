// The ballot manager's operations: cast and undo, zeros, new names, drop
// and restore (worked by hand on the 55-voter profile), random examples
// and the three-winner search; every refusal leaves the election as it
// was.
#include "profiles.h"

#include "elections/core/summary.h"
#include "elections/core/votfile.h"

#include <gtest/gtest.h>

using namespace quan;
using electtest::indexOf;
using electtest::make;
using electtest::sumOfCounts;

namespace {

Bytes fileOf(const Election& e)
{
    VotDocument d;
    d.election = e;
    ByteWriter w;
    writeVot(w, d);
    return w.take();
}

} // namespace

TEST(Manager, ANewWindowHoldsTenThousandRandomVotesOverFiveCandidates)
{
    Random rng;
    rng.seed(3);
    const Election e = Election::newWindow(rng);
    EXPECT_EQ(e.candidates(), 5);
    EXPECT_EQ(e.namesText(), "ABCDE");
    EXPECT_EQ(e.ballotCount(), 120);
    EXPECT_EQ(e.total(), 10000);
    EXPECT_EQ(sumOfCounts(e), 10000);
    EXPECT_TRUE(e.switches().plurality);
    EXPECT_TRUE(e.switches().runoff);
    EXPECT_FALSE(e.switches().borda || e.switches().condorcet || e.switches().graph);
    EXPECT_EQ(e.points(), (std::array<int32_t, 6>{4, 3, 2, 1, 0, 0}));
    EXPECT_EQ(summaryTitle(e), "election summary (10000 total votes)");
}

TEST(Manager, CastAddsToTheBallotAndTotalAndUndoTakesItBack)
{
    Election e = make("ABC", {{3, "BCA"}}, "BCA");
    ASSERT_EQ(e.cast(4), 0);
    EXPECT_EQ(e.ballots()[static_cast<size_t>(indexOf(e, "BCA"))].count, 7);
    EXPECT_EQ(e.total(), 7);
    ASSERT_EQ(e.selectBallot(indexOf(e, "ACB")), 0);
    ASSERT_EQ(e.cast(2), 0);
    EXPECT_EQ(e.total(), 9);
    ASSERT_EQ(e.undo(), 0);
    EXPECT_EQ(e.ballots()[static_cast<size_t>(indexOf(e, "ACB"))].count, 0);
    ASSERT_EQ(e.undo(), 0);
    EXPECT_EQ(e.ballots()[static_cast<size_t>(indexOf(e, "BCA"))].count, 3);
    EXPECT_EQ(e.total(), 3);
    // The cast of 3 made by the profile is the last one left.
    EXPECT_TRUE(e.canUndo());
    ASSERT_EQ(e.undo(), 0);
    EXPECT_EQ(e.total(), 0);
    EXPECT_FALSE(e.canUndo());
    EXPECT_EQ(e.undo(), 9);
}

TEST(Manager, ACastThatWouldGoNegativeChangesNothing)
{
    Election e = make("ABC", {{3, "BCA"}}, "BCA");
    const Election before = e;
    EXPECT_EQ(e.cast(-5), 6);
    EXPECT_EQ(e, before);
    EXPECT_EQ(e.undoDepth(), 1u);
    EXPECT_EQ(e.cast(-3), 0);
    EXPECT_EQ(e.total(), 0);
    EXPECT_EQ(amountFromText(" -12 "), -12);
    EXPECT_EQ(amountFromText("12 votes"), 0);
    EXPECT_EQ(amountFromText(std::string(48, ' ') + "5"), 5);
    EXPECT_EQ(amountFromText(std::string(49, ' ') + "5"), 0) << "read up to 49 characters";
}

TEST(Manager, CountsAndTotalStayWithinThirtyTwoBits)
{
    Election e = make("AB", {{2147483000, "AB"}}, "BA");
    const Election before = e;
    EXPECT_EQ(e.cast(647), 0);
    EXPECT_EQ(e.total(), 2147483647);
    EXPECT_EQ(e.cast(1), 17) << "T would pass 2147483647";
    EXPECT_EQ(e.undo(), 0);
    e = before;
    ASSERT_EQ(e.selectBallot(indexOf(e, "AB")), 0);
    const Election onA = e;
    EXPECT_EQ(e.cast(648), 17) << "the count would pass 2147483647";
    EXPECT_EQ(e, onA);
    EXPECT_EQ(e.cast(9223372036854775807LL), 17);
    EXPECT_EQ(e.cast(-9223372036854775807LL - 1), 6);
    EXPECT_EQ(e, onA);
    Random rng;
    rng.seed(1);
    EXPECT_EQ(e.random(2147483648LL, false, rng), 17);
    EXPECT_EQ(e.random(0, false, rng), 14);
    EXPECT_EQ(e.random(-3, true, rng), 14);
    EXPECT_EQ(e, onA);
}

TEST(Manager, UndoAfterRandomCannotMakeACountNegative)
{
    Election e = make("AB", {}, "AB");
    ASSERT_EQ(e.cast(5), 0);
    Random rng;
    rng.seed(2);
    ASSERT_EQ(e.random(1, false, rng), 0);
    // The 5 votes are gone; undoing them would leave -5 or -4.
    const Election before = e;
    EXPECT_EQ(e.undo(), 6);
    EXPECT_EQ(e, before);
}

TEST(Manager, ZerosEmptiesTheCountsTheTablesAndTheSummary)
{
    Election e = make("ABCDE", electtest::fiftyFive());
    Random rng;
    rng.seed(4);
    ASSERT_EQ(e.zeros(rng), 0);
    EXPECT_EQ(e.total(), 0);
    EXPECT_EQ(sumOfCounts(e), 0);
    EXPECT_FALSE(e.canUndo());
    EXPECT_EQ(e.tally().position, CandidateTable{});
    EXPECT_EQ(e.tally().pairwise, CandidateTable{});
    EXPECT_EQ(e.tally().borda, (std::array<int64_t, 6>{}));
    EXPECT_EQ(summaryText(e), "");
    EXPECT_EQ(summaryTitle(e), "election summary (0 total votes)");
}

TEST(Manager, NewNames)
{
    Random rng;
    rng.seed(5);
    Election e = make("ABCDE", electtest::fiftyFive());
    const Election before = e;
    EXPECT_EQ(e.newNames("ABCDEFG", rng), 20);
    EXPECT_EQ(e.newNames("A1", rng), 105);
    EXPECT_EQ(e.newNames("12345678901234567890ABC", rng), 105) << "only 19 characters are read";
    EXPECT_EQ(e, before);
    // Five letters for five candidates: the counts stay.
    ASSERT_EQ(e.newNames("v, w, x, y, z", rng), 0);
    EXPECT_EQ(e.namesText(), "vwxyz");
    EXPECT_EQ(e.total(), 55);
    EXPECT_EQ(e.tally().borda, before.tally().borda);
    EXPECT_FALSE(e.canUndo());
    // Three names: a new list in index order, whatever the names, and a
    // random example of the same total.
    ASSERT_EQ(e.newNames("ZYX", rng), 0);
    EXPECT_EQ(e.candidates(), 3);
    EXPECT_EQ(e.ballotCount(), 6);
    EXPECT_EQ(e.ballotText(0), "ZYX");
    EXPECT_EQ(e.ballotText(1), "ZXY");
    EXPECT_EQ(e.total(), 55);
    EXPECT_EQ(sumOfCounts(e), 55);
    EXPECT_EQ(e.points(), (std::array<int32_t, 6>{2, 1, 0, 1, 0, 0}));
}

TEST(Manager, DroppingCMergesBallotsAsWorkedByHand)
{
    Random rng;
    rng.seed(6);
    Election e = make("ABCDE", electtest::fiftyFive());
    ASSERT_EQ(e.drop(2, rng), 0);
    EXPECT_EQ(e.candidates(), 4);
    EXPECT_EQ(e.namesText(), "ABDE");
    EXPECT_EQ(e.total(), 55);
    EXPECT_EQ(e.points(), (std::array<int32_t, 6>{3, 2, 1, 0, 0, 0}));
    // ADECB, BEDCA + CBEDA, DCEBA, EBDCA and ECDBA without C.
    const std::pair<const char*, int> merged[] = {{"ADEB", 18}, {"BEDA", 22}, {"DEBA", 9}, {"EBDA", 4}, {"EDBA", 2}};
    int named = 0;
    for (const auto& [order, count] : merged) {
        EXPECT_EQ(e.ballots()[static_cast<size_t>(indexOf(e, order))].count, count) << order;
        named += count;
    }
    EXPECT_EQ(named, 55) << "every other ballot is 0";
    EXPECT_FALSE(e.canUndo());
    EXPECT_TRUE(e.canRestore());
    EXPECT_EQ(e.drop(4, rng), 5);
    EXPECT_EQ(e.drop(-1, rng), 5);
}

TEST(Manager, DropThenRestoreGivesBackTheSameFile)
{
    Random rng;
    rng.seed(8);
    Election e = make("ABCDE", electtest::fiftyFive(), "CBEDA");
    ASSERT_EQ(e.setPoints({10, 5, 3, 1, 0}), 0);
    const Bytes before = fileOf(e);
    const ElectionState state = e.state();
    ASSERT_EQ(e.drop(0, rng), 0);
    EXPECT_NE(fileOf(e), before);
    ASSERT_EQ(e.restore(), 0);
    EXPECT_EQ(fileOf(e), before);
    EXPECT_EQ(e.state(), state);
    EXPECT_FALSE(e.canRestore());
    EXPECT_EQ(e.restore(), 7);
}

TEST(Manager, OnlyTheLatestDropCanBeRestoredAndTwoCandidatesCannotDrop)
{
    Random rng;
    rng.seed(9);
    Election e = make("ABCD", {{3, "ABCD"}, {2, "DCBA"}});
    ASSERT_EQ(e.drop(3, rng), 0);
    const ElectionState three = e.state();
    ASSERT_EQ(e.drop(0, rng), 0);
    EXPECT_EQ(e.namesText(), "BC");
    EXPECT_FALSE(e.canDrop());
    const Election two = e;
    EXPECT_EQ(e.drop(0, rng), 7);
    EXPECT_EQ(e, two);
    ASSERT_EQ(e.restore(), 0);
    EXPECT_EQ(e.state(), three);
    EXPECT_FALSE(e.canRestore());
}

TEST(Manager, RestoreBringsBackTheSavedElectionWhole)
{
    Random rng;
    rng.seed(10);
    // Dropped from five, then six new names: restore gives five again,
    // not seven.
    Election e = make("ABCDE", electtest::fiftyFive(), "EBDCA");
    ASSERT_EQ(e.setPoints({10, 5, 3, 1, 0}), 0);
    const ElectionState saved = e.state();
    ASSERT_EQ(e.drop(1, rng), 0);
    ASSERT_EQ(e.newNames("PQRSTU", rng), 0);
    ASSERT_EQ(e.cast(7), 0);
    ASSERT_EQ(e.restore(), 0);
    EXPECT_EQ(e.state(), saved);
    EXPECT_EQ(e.total(), 55);
    EXPECT_EQ(e.ballotCount(), 120);
    EXPECT_EQ(e.points(), (std::array<int32_t, 6>{10, 5, 3, 1, 0, 0}));
    EXPECT_EQ(e.tally().borda[3], 18 * 5 + 12 * 3 + 10 * 1 + 9 * 10 + 4 * 3 + 2 * 3);
    // Dropped, then fewer names, then votes cast and drawn: the list has
    // the saved length again and T is the saved counts' sum.
    ASSERT_EQ(e.drop(4, rng), 0);
    ASSERT_EQ(e.newNames("XY", rng), 0);
    ASSERT_EQ(e.cast(3), 0);
    ASSERT_EQ(e.random(999, false, rng), 0);
    ASSERT_EQ(e.restore(), 0);
    EXPECT_EQ(e.state(), saved);
    EXPECT_EQ(sumOfCounts(e), e.total());
}

TEST(Manager, RestoreKeepsTheSwitchesAsTheyAreNow)
{
    Random rng;
    rng.seed(11);
    Election e = make("ABC", {{1, "ABC"}});
    ASSERT_EQ(e.drop(1, rng), 0);
    ReportSwitches s = e.switches();
    s.condorcet = true;
    e.setSwitches(s);
    ASSERT_EQ(e.restore(), 0);
    EXPECT_TRUE(e.switches().condorcet);
}

TEST(Manager, SeededRandomExamplesSumToTheTotal)
{
    for (int n = 2; n <= 6; ++n) {
        Random rng;
        rng.seed(static_cast<uint32_t>(100 + n));
        Election e = make(std::string("ABCDEF").substr(0, static_cast<size_t>(n)), {});
        for (long long total : {1LL, 2LL, 7LL, 719LL, 720LL, 1441LL, 10000LL, 123456789LL}) {
            ASSERT_EQ(e.random(total, false, rng), 0);
            ASSERT_EQ(e.total(), total);
            ASSERT_EQ(sumOfCounts(e), total) << n << " candidates";
        }
    }
}

TEST(Manager, RandomKeepsTheCurrentBallotAndTheUndoList)
{
    Random rng;
    rng.seed(12);
    Election e = make("ABCD", {{2, "BADC"}}, "BADC");
    const int current = e.current();
    ASSERT_EQ(e.random(5000, false, rng), 0);
    EXPECT_EQ(e.current(), current);
    EXPECT_TRUE(e.canUndo());
}

TEST(Manager, QStopsALongExampleAtOnceAndChangesNothing)
{
    Random rng;
    rng.seed(13);
    Election e = make("AB", {{4, "AB"}});
    const Election before = e;
    int polls = 0;
    const Poll quit = [&polls]() {
        ++polls;
        return 'q';
    };
    EXPECT_EQ(e.random(2000000000, false, rng, quit), 28);
    EXPECT_EQ(polls, 1);
    EXPECT_EQ(e, before);
    EXPECT_EQ(e.random(2000000000, true, rng, quit), 2);
    EXPECT_EQ(e, before);
    EXPECT_EQ(e.newNames("XYZ", rng), 0) << "T 4 is quick";
    Election big = make("ABC", {{2000000000, "ABC"}});
    const Election bigBefore = big;
    EXPECT_EQ(big.newNames("PQ", rng, quit), 28);
    EXPECT_EQ(big, bigBefore);
}

TEST(Manager, TheSearchFindsThreeWinnersOrGivesUpAfterMoreThanAThousandAttempts)
{
    Random rng;
    rng.seed(14);
    Election e = make("ABCDE", {});
    int found = 0;
    for (int k = 0; k < 5; ++k) {
        const int code = e.random(10000, true, rng);
        ASSERT_TRUE(code == 0 || code == 2);
        if (code == 0) {
            ++found;
            const Tally& t = e.tally();
            EXPECT_NE(t.plurality[0], t.bordaRanking[0]);
            EXPECT_NE(t.plurality[0], t.condorcet[0]);
            EXPECT_NE(t.bordaRanking[0], t.condorcet[0]);
            EXPECT_GT(t.wins[static_cast<size_t>(t.condorcet[0])], t.wins[static_cast<size_t>(t.condorcet[1])]);
        }
        EXPECT_EQ(sumOfCounts(e), 10000);
    }
    EXPECT_GT(found, 0);
    // One vote never makes three winners: 1001 attempts, a poll after
    // each but the last.
    int polls = 0;
    const Poll count = [&polls]() {
        ++polls;
        return 0;
    };
    EXPECT_EQ(e.random(1, true, rng, count), 2);
    EXPECT_EQ(polls, kSearchAttempts);
    EXPECT_EQ(e.total(), 1);
    EXPECT_EQ(sumOfCounts(e), 1);
}

TEST(Manager, TheSearchJudgesTheAttemptItStopsAt)
{
    // Q after the first attempt: the search succeeds exactly when that
    // attempt qualifies, and keeps it either way.
    int successes = 0, failures = 0;
    for (uint32_t seed = 1; seed <= 400 && (successes == 0 || failures == 0); ++seed) {
        Random rng;
        rng.seed(seed);
        Election e = make("ABCD", {});
        const int code = e.random(40, true, rng, []() { return 'Q'; });
        EXPECT_EQ(code == 0, e.threeWinners()) << seed;
        EXPECT_EQ(sumOfCounts(e), 40);
        (code == 0 ? successes : failures)++;
    }
    EXPECT_GT(successes, 0);
    EXPECT_GT(failures, 0);
}

TEST(Manager, TwoCandidatesCannotMakeThreeWinners)
{
    Random rng;
    rng.seed(15);
    Election e = make("AB", {});
    int polls = 0;
    EXPECT_EQ(e.random(5000, true, rng,
                       [&polls]() {
                           ++polls;
                           return 0;
                       }),
              2);
    EXPECT_EQ(polls, 0);
    EXPECT_EQ(e.total(), 5000);
    EXPECT_EQ(sumOfCounts(e), 5000);
}
