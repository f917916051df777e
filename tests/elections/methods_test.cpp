// The election methods against profiles worked by hand: the ballot list,
// the 55-voter profile where plurality, winners runoff, losers
// elimination, Borda and Condorcet elect five different candidates, a
// cycle, a tie, the tie rules of the rankings and of the elimination, and
// points that change the Borda winner.
#include "profiles.h"

#include "elections/core/ballots.h"
#include "elections/core/tally.h"

#include <gtest/gtest.h>

using namespace quan;
using electtest::make;

namespace {

std::string orderText(const Ballot& b, int n)
{
    std::string s;
    for (int p = 0; p < n; ++p)
        s += static_cast<char>('0' + b.order[static_cast<size_t>(p)]);
    return s;
}

int idx(char c) { return c - 'A'; }

} // namespace

TEST(Ballots, DictionaryOrderAndSizes)
{
    const std::vector<Ballot> three = ballotList(3);
    const char* expected[] = {"012", "021", "102", "120", "201", "210"};
    ASSERT_EQ(three.size(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(orderText(three[i], 3), expected[i]);
    EXPECT_EQ(ballotList(2).size(), 2u);
    EXPECT_EQ(ballotList(4).size(), 24u);
    EXPECT_EQ(ballotList(5).size(), 120u);
    const std::vector<Ballot> six = ballotList(6);
    ASSERT_EQ(six.size(), 720u);
    EXPECT_EQ(orderText(six.front(), 6), "012345");
    EXPECT_EQ(orderText(six[1], 6), "012354");
    EXPECT_EQ(orderText(six[120], 6), "102345");
    EXPECT_EQ(orderText(six.back(), 6), "543210");
    for (size_t i = 1; i < six.size(); ++i)
        EXPECT_LT(orderText(six[i - 1], 6), orderText(six[i], 6));
}

TEST(Ballots, LocateFindsEveryOrderAndRefusesNonPermutations)
{
    for (int n = 2; n <= 6; ++n) {
        const std::vector<Ballot> list = ballotList(n);
        for (size_t i = 0; i < list.size(); ++i)
            ASSERT_EQ(locateOrder(list, n, list[i].order.data()), static_cast<int>(i));
    }
    const std::vector<Ballot> list = ballotList(3);
    const int32_t twice[] = {0, 0, 1};
    const int32_t beyond[] = {0, 1, 3};
    EXPECT_EQ(locateOrder(list, 3, twice), -1);
    EXPECT_EQ(locateOrder(list, 3, beyond), -1);
}

TEST(Methods, FiftyFiveVotersElectFiveDifferentCandidates)
{
    const Election e = make("ABCDE", electtest::fiftyFive());
    const Tally& t = e.tally();
    EXPECT_EQ(e.total(), 55);
    // First places: A 18, B 12, C 10, D 9, E 6.
    EXPECT_EQ(t.plurality, (Ranking{0, 1, 2, 3, 4, 0}));
    EXPECT_EQ(t.position[0][0], 18);
    EXPECT_EQ(t.position[4][0], 6);
    // A meets B: only A's 18 voters prefer A.
    EXPECT_EQ(t.pairwise[0][1], 18);
    EXPECT_EQ(t.pairwise[1][0], 37);
    EXPECT_EQ(t.winnersRunoff, idx('B'));
    // E out (6); its voters give B 16, C 12; D out (9), C 21; B out (16),
    // C 37 against A's 18.
    EXPECT_EQ(t.losersElimination, idx('C'));
    // Borda 4, 3, 2, 1, 0: A 72, B 101, C 107, D 136, E 134.
    EXPECT_EQ(t.borda[0], 72);
    EXPECT_EQ(t.borda[1], 101);
    EXPECT_EQ(t.borda[2], 107);
    EXPECT_EQ(t.borda[3], 136);
    EXPECT_EQ(t.borda[4], 134);
    EXPECT_EQ(t.bordaRanking, (Ranking{3, 4, 2, 1, 0, 0}));
    // E beats A 37-18, B 33-22, C 36-19, D 28-27.
    EXPECT_EQ(t.pairwise[4][3], 28);
    EXPECT_EQ(t.pairwise[3][4], 27);
    EXPECT_EQ(t.wins[4], 4);
    EXPECT_EQ(t.losses[4], 0);
    EXPECT_EQ(t.ties[4], 0);
    EXPECT_EQ(t.condorcet, (Ranking{4, 3, 2, 1, 0, 0}));
    EXPECT_EQ(t.defeats[4], (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(t.defeats[3], (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t.defeats[1], (std::vector<int>{0}));
    EXPECT_TRUE(t.defeats[0].empty());
    EXPECT_EQ(t.wins[0], 0);
    EXPECT_EQ(t.losses[0], 4);
}

TEST(Methods, TheCondorcetWinnerWinsTheSequenceFromEveryBallot)
{
    Election e = make("ABCDE", electtest::fiftyFive());
    for (int i = 0; i < e.ballotCount(); ++i) {
        ASSERT_EQ(e.selectBallot(i), 0);
        ASSERT_EQ(e.tally().sequence, idx('E')) << e.ballotText(i);
    }
}

TEST(Methods, ACycleGivesEveryCandidateOneWinAndTheSequenceItsLastCandidate)
{
    Election e = make("ABC", {{1, "ABC"}, {1, "BCA"}, {1, "CAB"}});
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(e.tally().wins[static_cast<size_t>(c)], 1);
        EXPECT_EQ(e.tally().losses[static_cast<size_t>(c)], 1);
        EXPECT_EQ(e.tally().ties[static_cast<size_t>(c)], 0);
    }
    // A beats B, B beats C, C beats A, each 2-1.
    EXPECT_EQ(e.tally().pairwise[0][1], 2);
    EXPECT_EQ(e.tally().pairwise[2][0], 2);
    const std::pair<const char*, char> runs[] = {{"ABC", 'C'}, {"BCA", 'A'}, {"CAB", 'B'}};
    for (const auto& [order, winner] : runs) {
        ASSERT_EQ(e.selectBallot(electtest::indexOf(e, order)), 0);
        EXPECT_EQ(e.tally().sequence, idx(winner)) << order;
    }
}

TEST(Methods, OneEachWayBetweenTwoCandidates)
{
    const Election e = make("AB", {{1, "AB"}, {1, "BA"}});
    EXPECT_EQ(e.tally().sequence, kNoWinner);
    EXPECT_EQ(e.tally().winnersRunoff, kNoWinner);
    // B, the later of two tied for the fewest first places, goes first.
    EXPECT_EQ(e.tally().losersElimination, idx('A'));
    EXPECT_EQ(e.tally().ties[0], 1);
    EXPECT_EQ(e.tally().ties[1], 1);
}

TEST(Methods, TwoCandidatesElectThePluralityLeader)
{
    const Election e = make("AB", {{3, "AB"}, {5, "BA"}}, "AB");
    EXPECT_EQ(e.tally().plurality[0], 1);
    EXPECT_EQ(e.tally().winnersRunoff, 1);
    EXPECT_EQ(e.tally().losersElimination, 1);
    EXPECT_EQ(e.tally().sequence, 1);
}

TEST(Methods, AnEqualPairStopsTheSequenceThoughCandidatesRemain)
{
    // A and B meet 1-1; C, whom both beat, is never reached.
    Election e = make("ABC", {{1, "ABC"}, {1, "BAC"}}, "ABC");
    EXPECT_EQ(e.tally().sequence, kNoWinner);
    ASSERT_EQ(e.selectBallot(electtest::indexOf(e, "CAB")), 0);
    EXPECT_EQ(e.tally().sequence, kNoWinner);
    ASSERT_EQ(e.selectBallot(electtest::indexOf(e, "ACB")), 0);
    // A beats C 2-0, then meets B 1-1.
    EXPECT_EQ(e.tally().sequence, kNoWinner);
}

TEST(Methods, RankingTiesGoToTheLowerIndex)
{
    // First places B 2, C 2, A 1: B ranks before C.
    const Election e = make("ABC", {{1, "ACB"}, {2, "BAC"}, {2, "CAB"}});
    EXPECT_EQ(e.tally().plurality, (Ranking{1, 2, 0, 0, 0, 0}));
}

TEST(Methods, BothEliminationTieRulesDecideTheWinner)
{
    // First places A 3, B 2, C 1, D 1. The first round removes D, the
    // higher index of C and D; its voter goes to C: A 3, B 2, C 2. The
    // later round removes B, the lower index of B and C; B's voters go to
    // C: C 4 beats A 3. (Removing C first would elect B, and so would
    // removing C in the second round.)
    const Election e = make("ABCD", {{3, "ABCD"}, {2, "BCAD"}, {1, "CBAD"}, {1, "DCBA"}});
    EXPECT_EQ(e.tally().plurality, (Ranking{0, 1, 2, 3, 0, 0}));
    EXPECT_EQ(e.tally().losersElimination, idx('C'));
    // Three candidates, first places A 4, B 3, C 3: C goes first, its
    // voters elect B (the lower-index rule would remove B and elect A).
    const Election f = make("ABC", {{4, "ABC"}, {3, "BAC"}, {3, "CBA"}});
    EXPECT_EQ(f.tally().losersElimination, idx('B'));
    // A 3, B 2, C 1: C goes, its voter makes B 3 = A 3, and the lower
    // index, A, goes.
    const Election g = make("ABC", {{3, "ABC"}, {2, "BAC"}, {1, "CBA"}});
    EXPECT_EQ(g.tally().losersElimination, idx('B'));
}

TEST(Methods, PointsTenFiveOneZeroChangeTheBordaWinner)
{
    // 4 ABCD, 2 CBDA, 1 DBCA. Points 3, 2, 1, 0: A 12, B 14, C 11, D 5.
    // Points 10, 5, 1, 0: A 40, B 35, C 25, D 12.
    Election e = make("ABCD", {{4, "ABCD"}, {2, "CBDA"}, {1, "DBCA"}});
    EXPECT_EQ(e.tally().borda, (std::array<int64_t, 6>{12, 14, 11, 5, 0, 0}));
    EXPECT_EQ(e.tally().bordaRanking[0], idx('B'));
    ASSERT_EQ(e.setPoints({10, 5, 1, 0}), 0);
    EXPECT_EQ(e.tally().borda, (std::array<int64_t, 6>{40, 35, 25, 12, 0, 0}));
    EXPECT_EQ(e.tally().bordaRanking[0], idx('A'));
}

TEST(Methods, PointsMustBeNonNegativeAndStrictlyDecreasing)
{
    Election e = make("ABCD", {{4, "ABCD"}});
    const Election before = e;
    EXPECT_EQ(e.setPoints({3, 3, 1, 0}), 6);
    EXPECT_EQ(e.setPoints({3, 2, 1, -1}), 14);
    // The first failing place decides.
    EXPECT_EQ(e.setPoints({3, 3, 1, -1}), 6);
    EXPECT_EQ(e.setPoints({-1, 3, 3, 0}), 14);
    // "x" reads as 0, and 1 is not below it.
    EXPECT_EQ(e.setPointsFromTexts({"9", "x", "1", "0"}), 6);
    EXPECT_EQ(e, before);
    EXPECT_EQ(e.setPoints({3, 2}), 24);
    EXPECT_EQ(e, before);
    EXPECT_EQ(e.setPointsFromTexts({"1000000000", "5", "1", "0"}), 0) << "only nine characters are read";
    EXPECT_EQ(e.points()[0], 100000000);
}

TEST(Methods, BordaTotalsPassThirtyTwoBits)
{
    // Three first places at 999 999 999 points make 2 999 999 997.
    Election e = make("ABC", {{3, "ABC"}});
    ASSERT_EQ(e.setPoints({999999999, 999999998, 0}), 0);
    EXPECT_EQ(e.tally().borda[0], 2999999997LL);
    EXPECT_EQ(e.tally().borda[1], 2999999994LL);
    EXPECT_EQ(e.tally().bordaRanking[0], 0);
}
