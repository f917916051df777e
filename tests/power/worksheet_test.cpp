// The calculations worksheet against coalitions worked by hand.
#include "power/bloc_table.h"
#include "power/power_calc.h"
#include "power/worksheet.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

std::vector<std::string> split(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

} // namespace

TEST(Worksheet, FiveThreeTwoQuotaSixByHand)
{
    Worksheet w;
    ASSERT_EQ(w.build({5, 3, 2}, {"A", "B", "C"}, 6), 0);
    ASSERT_EQ(w.rowCount(), 8);
    // Bit j of row r is bloc j: rows {A,B} = 3, {A,C} = 5, {A,B,C} = 7 win.
    const std::vector<int64_t> totals{0, 5, 3, 8, 2, 7, 5, 10};
    const std::vector<bool> wins{false, false, false, true, false, true, false, true};
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(w.total(r), totals[static_cast<size_t>(r)]) << r;
        EXPECT_EQ(w.winning(r), wins[static_cast<size_t>(r)]) << r;
    }
    // Decisive votes, row by row, as worked out on paper: {A} loses at 5 and
    // B or C joining makes 8 or 7; {B} and {C} need A; {A,B} and {A,C} lose
    // without either member; {B,C} at 5 needs A; in {A,B,C} only A decides.
    const std::vector<std::string> pivots{"", "BC", "A", "AB", "A", "AC", "A", "A"};
    for (int r = 0; r < 8; ++r) {
        std::string got;
        for (int j = 0; j < 3; ++j)
            if (w.pivotal(r, j))
                got += static_cast<char>('A' + j);
        EXPECT_EQ(got, pivots[static_cast<size_t>(r)]) << r;
    }
    EXPECT_EQ(w.count(0), 6);
    EXPECT_EQ(w.count(1), 2);
    EXPECT_EQ(w.count(2), 2);
    bool cut = true;
    EXPECT_EQ(w.textOut("total", 64000, &cut), "total  A  B  C\r\n"
                                                "--------------\r\n"
                                                "    0  0  0  0\r\n"
                                                "    5  5  0  0\r\n"
                                                "    3  0  3  0\r\n"
                                                "    8  5  3  0\r\n"
                                                "    2  0  0  2\r\n"
                                                "    7  5  0  2\r\n"
                                                "    5  0  3  2\r\n"
                                                "   10  5  3  2\r\n"
                                                "--------------\r\n"
                                                "       6  2  2\r\n");
    EXPECT_FALSE(cut);
}

TEST(Worksheet, ElectoralCollegeOfThreeStatesAndTheDistrict)
{
    // States 53, 31, 16 with a house of 10 get 5, 3, 2 seats, so 7, 5, 4
    // electors; the District 3; 19 in all, majority 10. Winning: {7,5},
    // {7,4}, {7,3} and every larger one but also {5,4,3} = 12. The 7 swings
    // in six of them (not in all four), the others in two each.
    Worksheet w;
    ASSERT_EQ(w.build({7, 5, 4, 3}, {"x", "y", "z", "DC"}, 10), 0);
    EXPECT_EQ(w.rowCount(), 16);
    EXPECT_EQ(w.count(0), 12);
    EXPECT_EQ(w.count(1), 4);
    EXPECT_EQ(w.count(2), 4);
    EXPECT_EQ(w.count(3), 4);
    int winning = 0;
    for (int r = 0; r < 16; ++r)
        winning += w.winning(r);
    EXPECT_EQ(winning, 8);
}

TEST(Worksheet, TotalsOfTenLargestWeightsPassThirtyTwoBits)
{
    // Ten blocs of 2^31 - 1, majority quota floor(W/2) + 1 = 10737418236:
    // five blocs make 10737418235, one short, so six are needed. A bloc
    // decides in the C(9,5) = 126 six-bloc coalitions it is in and the 126
    // five-bloc coalitions it is not in: 252.
    const int64_t big = 2147483647;
    Worksheet w;
    ASSERT_EQ(w.build(std::vector<int64_t>(10, big), std::vector<std::string>(10, "n"), 10737418236LL), 0);
    EXPECT_EQ(w.total(1023), 21474836470LL);
    EXPECT_TRUE(w.winning(1023));
    EXPECT_FALSE(w.winning(31));  // five blocs
    EXPECT_TRUE(w.winning(63));   // six
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(w.count(j), 252) << j;
    const std::vector<std::string> lines = split(w.textOut("total", 1000000));
    ASSERT_EQ(lines.size(), 1028u);
    EXPECT_EQ(lines[2 + 1023], "21474836470  2147483647  2147483647  2147483647  2147483647  2147483647"
                               "  2147483647  2147483647  2147483647  2147483647  2147483647");
}

TEST(Worksheet, NumbersAreSeparatedByTwoBlanks)
{
    Worksheet w;
    ASSERT_EQ(w.build({1000, 500, 200}, {"A", "B", "C"}, 851), 0);
    const std::vector<std::string> lines = split(w.textOut("total", 64000));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "total     A     B     C");
    EXPECT_EQ(lines[2 + 3], " 1500  1000   500     0");
    EXPECT_EQ(lines[2 + 7], " 1700  1000   500   200");
    // Long names set the width: "Alabama" is 7, the field 9; the counts
    // line starts with blanks as wide as "total".
    ASSERT_EQ(w.build({1, 2}, {"Alabama", "B"}, 2), 0);
    const std::vector<std::string> l2 = split(w.textOut("total", 64000));
    EXPECT_EQ(l2[0], "total  Alabama        B");
    EXPECT_EQ(l2[1], std::string(23, '-'));
    EXPECT_EQ(l2[2 + 3], "    3        1        2");
    // Counts: B decides in every row (joining {} or {A}, leaving {B} or
    // {A,B}); A never does.
    EXPECT_EQ(l2[7], "             0        4");
}

TEST(Worksheet, TextBeyondTheTextWindowKeepsWholeRowsAndEndsWithTheCounts)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back(BlocTable::defaultName(i));
    Worksheet w;
    ASSERT_EQ(w.build(std::vector<int64_t>(10, 7), names, 36), 0);
    bool cut = false;
    const std::string text = w.textOut("total", 64000, &cut);
    EXPECT_TRUE(cut);
    EXPECT_LE(text.size(), 64000u);
    // Each line is 5 + 10 x 8 = 85 characters and CR LF. The heading, the
    // rules and the counts take 4 x 87 = 348, so (64000 - 348) / 87 = 731
    // whole rows fit.
    const std::vector<std::string> lines = split(text);
    ASSERT_EQ(lines.size(), 2u + 731u + 2u);
    for (const std::string& l : lines)
        EXPECT_EQ(l.size(), 85u);
    EXPECT_EQ(lines[lines.size() - 2], std::string(85, '-'));
    // 36 of 70 needs six blocs: 252 each.
    EXPECT_EQ(lines.back().substr(0, 13), "          252");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    // The whole text would be 87 x (1024 + 4) = 89436.
    const std::string all = w.textOut("total", 1000000, &cut);
    EXPECT_FALSE(cut);
    EXPECT_EQ(all.size(), 89436u);
}

TEST(Worksheet, CountsAreTheBanzhafCountsAndElevenBlocsHaveNoWorksheet)
{
    Random rng;
    rng.seed(12345);
    for (int round = 0; round < 60; ++round) {
        const int n = 1 + round % 10;
        std::vector<int64_t> weights;
        int64_t total = 0;
        for (int i = 0; i < n; ++i) {
            weights.push_back(1 + rng.below(40));
            total += weights.back();
        }
        const int64_t quota = 1 + rng.below(static_cast<int32_t>(total));
        Worksheet w;
        ASSERT_EQ(w.build(weights, std::vector<std::string>(static_cast<size_t>(n), "b"), quota), 0);
        PowerCounts counts;
        ASSERT_EQ(banzhafAllCases(weights, quota, OppositionPair{}, Progress{}, counts), 0);
        for (int j = 0; j < n; ++j)
            EXPECT_EQ(BigUint(static_cast<uint64_t>(w.count(j))), counts.pivotal[static_cast<size_t>(j)])
                << "round " << round << " bloc " << j;
    }
    Worksheet w;
    ASSERT_EQ(w.build({1, 2}, {"a", "b"}, 2), 0);
    EXPECT_EQ(w.build(std::vector<int64_t>(11, 1), std::vector<std::string>(11, "b"), 6), 102);
    EXPECT_EQ(w.rowCount(), 0);
    EXPECT_EQ(w.blocCount(), 0);
}

TEST(Worksheet, ColourChoicesMustBeFourDifferentIndices)
{
    EXPECT_TRUE(colorChoicesValid({1, 0, 6, 4}));
    EXPECT_TRUE(colorChoicesValid({60, 59, 0, 1}));
    EXPECT_FALSE(colorChoicesValid({0, 0, 0, 0}));
    EXPECT_FALSE(colorChoicesValid({1, 0, 6, 1}));
    EXPECT_FALSE(colorChoicesValid({1, 0, 61, 4}));
    EXPECT_FALSE(colorChoicesValid({-1, 0, 6, 4}));
    EXPECT_EQ(checkedColorChoices({2, 3, 4, 5}, kWorksheetColors), (ColorChoices{2, 3, 4, 5}));
    EXPECT_EQ(checkedColorChoices({2, 3, 4, 2}, kWorksheetColors), kWorksheetColors);
}
