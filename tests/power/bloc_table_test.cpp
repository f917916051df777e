#include "power/bloc_table.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quan;

namespace {

// A table holding the blocs 5 ("alpha"), 3 ("beta"), 2 ("gamma").
BlocTable smallTable(Random& rng)
{
    BlocTable t(rng);
    EXPECT_EQ(t.setBlocs({5, 3, 2}, {"alpha", "beta", "gamma"}), 0);
    return t;
}

const Progress kNoProgress{};

} // namespace

TEST(BlocTableState, NewWindowDefaults)
{
    Random rng;
    rng.seed(11);
    BlocTable t(rng);
    EXPECT_EQ(t.blocCount(), 10);
    EXPECT_EQ(t.kind(), PowerKind::Banzhaf);
    EXPECT_EQ(t.unit(), PowerUnit::Small);
    EXPECT_FALSE(t.pair().isSet());
    EXPECT_EQ(t.low(), 5);
    EXPECT_EQ(t.high(), 50);
    EXPECT_EQ(t.columnWidth(), 7);
    EXPECT_FALSE(t.resultsValid());
    EXPECT_EQ(t.heading(4), "B power");
    EXPECT_EQ(t.heading(BlocTable::kNameHeading), "name");
    // Weights: low + draw mod (high - low + 1) from the shared sequence.
    Random replay;
    replay.seed(11);
    Real total = 0;
    for (int i = 0; i < 99; ++i) {
        Real w = 5 + replay.next() % 46;
        EXPECT_EQ(t.bloc(i).value[0], w) << i;
        if (i < 10)
            total += w;
    }
    EXPECT_EQ(t.totalWeight(), total);
    EXPECT_EQ(t.quota(), static_cast<int64_t>(std::floor(total / 2)) + 1);
    EXPECT_EQ(t.bloc(0).name, "name01");
    EXPECT_EQ(t.bloc(98).name, "name99");
}

TEST(BlocTableCommands, QuotaBlocCountAndRange)
{
    Random rng;
    rng.seed(3);
    BlocTable t = smallTable(rng);
    EXPECT_EQ(t.quota(), 6); // floor(10 / 2) + 1
    EXPECT_EQ(t.bloc(0).value[1], 50);
    EXPECT_EQ(t.setQuota(0), 17);
    EXPECT_EQ(t.setQuota(11), 17);
    EXPECT_EQ(t.quota(), 6);
    EXPECT_EQ(t.setQuota(10), 0);
    EXPECT_EQ(t.quota(), 10);

    EXPECT_EQ(t.setBlocCount(1), 17);
    EXPECT_EQ(t.setBlocCount(100), 17);
    EXPECT_EQ(t.setBlocCount(5), 0);
    EXPECT_EQ(t.blocCount(), 5);
    const std::string fourth = t.bloc(3).name;
    const Real fourthWeight = t.bloc(3).value[0];
    EXPECT_EQ(t.setPair(1, 4), 0);
    EXPECT_EQ(t.setBlocCount(3), 0);
    EXPECT_FALSE(t.pair().isSet()); // bloc 4 left the table
    EXPECT_EQ(t.quota(), 6);        // majority again
    EXPECT_EQ(t.setBlocCount(4), 0);
    EXPECT_EQ(t.bloc(3).name, fourth); // rows that come back keep their data
    EXPECT_EQ(t.bloc(3).value[0], fourthWeight);

    EXPECT_EQ(t.setRange(0, 5), 17);
    EXPECT_EQ(t.setRange(8, 7), 17);
    EXPECT_EQ(t.rangeOfWeights(7, 7), 0);
    for (int i = 0; i < 99; ++i)
        EXPECT_EQ(t.bloc(i).value[0], 7);
    EXPECT_EQ(t.bloc(2).name, "name03");
}

TEST(BlocTableCommands, EditsAndRefusals)
{
    Random rng;
    BlocTable t = smallTable(rng);
    EXPECT_EQ(t.setWeight(0, 0.5L), 14);
    EXPECT_EQ(t.setWeight(0, 3e9L), 17);
    EXPECT_EQ(t.setWeight(5, 4), 17);
    EXPECT_EQ(t.setBlocs({1}, {"x"}), 17);
    EXPECT_EQ(t.setBlocs({1, 0}, {"x", "y"}), 14);
    EXPECT_EQ(t.totalWeight(), 10);
    EXPECT_EQ(t.setPair(0, 0), 17);
    EXPECT_EQ(t.setPair(0, 3), 17);
    EXPECT_EQ(t.setName(1, ""), 0);
    EXPECT_EQ(t.bloc(1).name, "beta");
    EXPECT_EQ(t.setName(1, std::string(60, 'b')), 0);
    EXPECT_EQ(t.bloc(1).name.size(), 50u);
    EXPECT_EQ(t.setWeight(2, 6), 0);
    EXPECT_EQ(t.totalWeight(), 14);
    EXPECT_EQ(t.quota(), 8);
    EXPECT_EQ(t.deleteRows(0, 1), 17);
    EXPECT_EQ(t.deleteRows(1, 2), 25); // one bloc would be left
    EXPECT_EQ(t.setPair(0, 2), 0);
    EXPECT_EQ(t.deleteRows(2, 2), 0);  // display row 2 (by name) is bloc 1
    EXPECT_EQ(t.blocCount(), 2);
    EXPECT_EQ(t.bloc(1).name, "gamma");
    EXPECT_EQ(t.pair(), (OppositionPair{0, 1})); // the pair follows its blocs
}

TEST(BlocTableCommands, ArrangeByNameAndWeight)
{
    Random rng;
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocs({4, 9, 4, 1, 9}, {"delta", "Bravo", "alpha", "echo", "charlie"}), 0);
    // Names ignore case.
    EXPECT_EQ(t.order(), (std::vector<int>{2, 1, 4, 0, 3}));
    t.setIncreasing(false);
    EXPECT_EQ(t.order(), (std::vector<int>{3, 0, 4, 1, 2}));
    // By weight: selection sort swapping the extreme row into place, the
    // last of equals winning when increasing and the first when decreasing
    // (worked by hand: the swaps move the 4s about).
    ASSERT_EQ(t.arrangeBy(BlocTable::kByWeight), 0);
    t.setIncreasing(true);
    EXPECT_EQ(t.order(), (std::vector<int>{3, 0, 2, 4, 1}));
    t.setIncreasing(false);
    EXPECT_EQ(t.order(), (std::vector<int>{1, 4, 2, 0, 3}));
    // Names beyond the old "zzz..." and "AAA..." marks still sort.
    ASSERT_EQ(t.setBlocs({1, 2, 3}, {"~tilde", "123", "zzzzzzzzzzzzzzzzzzzzzz"}), 0);
    ASSERT_EQ(t.arrangeBy(BlocTable::kByName), 0);
    EXPECT_EQ(t.order(), (std::vector<int>{0, 2, 1}));
    t.setIncreasing(true);
    EXPECT_EQ(t.order(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(t.arrangeBy(3), 17);
}

TEST(BlocTableResults, WorkedExampleInBothUnits)
{
    Random rng;
    BlocTable t = smallTable(rng);
    ASSERT_EQ(t.setQuota(6), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    ASSERT_TRUE(t.resultsValid());
    const Real pivotal[3] = {6, 2, 2}, pct[3] = {75, 25, 25}, share[3] = {60, 20, 20};
    const Real small[3] = {3, 1, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.bloc(i).value[2], pivotal[i]);
        EXPECT_EQ(t.bloc(i).value[3], pct[i]);
        EXPECT_EQ(t.bloc(i).value[4], small[i]);
        EXPECT_EQ(t.bloc(i).value[5], share[i]);
    }
    EXPECT_EQ(t.total(2), 8);
    t.setUnit(PowerUnit::Large);
    EXPECT_TRUE(t.resultsValid());
    EXPECT_EQ(t.cellText(0, 4), "1.00");
    EXPECT_EQ(t.cellText(1, 4), "0.33");
    EXPECT_EQ(t.cellText(2, 4), "0.33");

    t.setKind(PowerKind::Shapley);
    EXPECT_FALSE(t.resultsValid());
    EXPECT_EQ(t.heading(4), "S power");
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    EXPECT_EQ(t.bloc(0).value[2], 4);
    EXPECT_EQ(t.bloc(1).value[2], 1);
    EXPECT_EQ(t.total(2), 6);
    ASSERT_EQ(t.calcExact(kNoProgress), 0);
    EXPECT_EQ(t.bloc(0).value[2], 4);
    EXPECT_EQ(t.exactCases(), BigUint(6));
}

TEST(BlocTableResults, DictatorAndTheSmallUnit)
{
    Random rng;
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocs({4, 2, 1}, {"a", "b", "c"}), 0);
    ASSERT_EQ(t.setQuota(4), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    // Zero counts are passed over when the small unit is chosen.
    EXPECT_EQ(t.cellText(0, 4), "1.00");
    EXPECT_EQ(t.cellText(1, 4), "0.00");
    EXPECT_EQ(t.cellText(0, 3), "100.00");
    t.setUnit(PowerUnit::Large);
    EXPECT_EQ(t.cellText(0, 4), "1.00");
    EXPECT_EQ(t.cellText(2, 5), "0.00");
    // With the pair (0, 1): 4 cases, bloc 0 pivotal in all.
    ASSERT_EQ(t.setPair(0, 1), 0);
    EXPECT_FALSE(t.resultsValid());
    EXPECT_EQ(t.displayName(0), "a*");
    EXPECT_EQ(t.displayName(2), "c");
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    EXPECT_EQ(t.total(2), 4);
    EXPECT_EQ(t.bloc(0).value[2], 4);
    // The pair plays no part for Shapley.
    t.setKind(PowerKind::Shapley);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    EXPECT_EQ(t.total(2), 6);
    EXPECT_EQ(t.bloc(0).value[2], 6);
}

TEST(BlocTableResults, StoppedRunsAndRefusalsLeaveTheRightState)
{
    Random rng;
    rng.seed(5);
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocCount(24), 0);
    Progress quit{[] { return 'Q'; }, {}};
    ASSERT_EQ(t.calcAllCases(quit), 0);
    EXPECT_TRUE(t.lastStopped());
    EXPECT_FALSE(t.resultsValid());
    EXPECT_EQ(t.cellText(0, 2), "");
    ASSERT_EQ(t.calcMonteCarlo(quit, rng), 0);
    EXPECT_TRUE(t.resultsValid());
    EXPECT_NE(t.cellText(0, 2), "");
    ASSERT_EQ(t.setBlocCount(31), 0);
    EXPECT_EQ(t.calcAllCases(kNoProgress), 102);
    t.setKind(PowerKind::Shapley);
    ASSERT_EQ(t.setBlocCount(13), 0);
    EXPECT_EQ(t.calcAllCases(kNoProgress), 17);
    EXPECT_FALSE(t.resultsValid());
    // The exact count has no such limits.
    ASSERT_EQ(t.calcExact(kNoProgress), 0);
    EXPECT_TRUE(t.resultsValid());
    EXPECT_EQ(t.exactCases(), BigUint::factorial(13));
}

TEST(BlocTableOutput, TextOutByteForByte)
{
    Random rng;
    BlocTable t = smallTable(rng);
    ASSERT_EQ(t.setQuota(6), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    const std::string rule(59, '-');
    const std::string expected =
        "name    weight      pct  pivotal      pct  B power      pct\r\n" + rule + "\r\n\r\n" +
        "alpha        5    50.00        6    75.00     3.00    60.00\r\n"
        "beta         3    30.00        2    25.00     1.00    20.00\r\n"
        "gamma        2    20.00        2    25.00     1.00    20.00\r\n" +
        rule + "\r\n\r\n" +
        "            10   100.00        8" + std::string(18, ' ') + "   100.00";
    EXPECT_EQ(t.textOut(), expected);

    // Invalid results leave the pivotal and power columns blank; row
    // numbers and the pair mark widen the name column.
    t.setRowNumbers(true);
    ASSERT_EQ(t.setPair(0, 2), 0);
    const std::string rule2(64, '-');
    const std::string blank(36, ' ');
    const std::string expected2 =
        "name      " "   weight      pct  pivotal      pct  B power      pct\r\n" + rule2 + "\r\n\r\n" +
        "01. alpha*        5    50.00" + blank + "\r\n" +
        "02. beta          3    30.00" + blank + "\r\n" +
        "03. gamma*        2    20.00" + blank + "\r\n" + rule2 + "\r\n\r\n" +
        "                 10   100.00" + blank;
    EXPECT_EQ(t.textOut(), expected2);
}

TEST(BlocTableOutput, TexOutput)
{
    Random rng;
    BlocTable t = smallTable(rng);
    ASSERT_EQ(t.setQuota(6), 0);
    ASSERT_EQ(t.setName(1, "b&c"), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    const std::string expected =
        // The pivotal percentages ("75.00", up to "100.00") need six places
        // where "00" + 8 cases gives three.
        "\\settabs\\+00000&010&000000&08.000&000008&000000&00100&08.000&08.000&\\cr\r\n"
        "\\+name\\hfill&\\hfill weight&\\hfill pct&\\hfill pivotal&\\hfill pct&\\hfill B power&\\hfill pct&\\cr\r\n"
        "\\vskip 2pt"
        "\\+alpha\\hfill&\\hfill 5&\\hfill 50.00&\\hfill 6&\\hfill 75.00&\\hfill 3.00&\\hfill 60.00&\\cr\r\n"
        "\\vskip -2pt"
        "\\+b\\&c\\hfill&\\hfill 3&\\hfill 30.00&\\hfill 2&\\hfill 25.00&\\hfill 1.00&\\hfill 20.00&\\cr\r\n"
        "\\vskip -2pt"
        "\\+gamma\\hfill&\\hfill 2&\\hfill 20.00&\\hfill 2&\\hfill 25.00&\\hfill 1.00&\\hfill 20.00&\\cr\r\n"
        "\\vskip 2pt"
        "\\+&\\hfill 10&&\\hfill 8&\\hfill 8&&\\hfill 100&&&\\cr\r\n";
    EXPECT_EQ(t.texOutput(), expected);
}

TEST(BlocTableOutput, TexColumnsHoldTheirWidestCells)
{
    // One-letter names: the name column still holds its heading "name"
    // (four places); 2^12 = 4096 cases give "004096", as wide as "100.00".
    Random rng;
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocs({5, 3, 2}, {"A", "B", "C"}), 0);
    ASSERT_EQ(t.setQuota(6), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    const std::string tex = t.texOutput();
    EXPECT_EQ(tex.substr(0, tex.find("\r\n")), "\\settabs\\+0000&010&000000&08.000&000008&000000&00100&08.000&08.000&\\cr");
    // With 10 000 cases or more the cell is "00" + cases, as it always was:
    // fourteen blocs of 1 have 2^14 = 16384 cases.
    BlocTable u(rng);
    ASSERT_EQ(u.setBlocs(std::vector<Real>(14, 1), std::vector<std::string>(14, "abcde")), 0);
    ASSERT_EQ(u.calcAllCases(kNoProgress), 0);
    const std::string tex2 = u.texOutput();
    EXPECT_NE(tex2.find("&016384.000&0016384&"), std::string::npos) << tex2.substr(0, 80);
    EXPECT_EQ(tex2.rfind("\\settabs\\+00000&014&", 0), 0u) << tex2.substr(0, 80);
}

TEST(BlocTableOutput, WideValuesWidenTheirColumnAndKeepTwoBlanks)
{
    // Thirty blocs of weight 1, majority 16: a bloc swings in the C(29, 15)
    // = 77558760 coalitions of sixteen it belongs to, so its count is
    // 155117520 of 2^30 = 1073741824 cases; 3.33 pct of the weight.
    Random rng;
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocs(std::vector<Real>(30, 1), std::vector<std::string>(30, "")), 0);
    ASSERT_EQ(t.calcAllCases(kNoProgress), 0);
    const std::string text = t.textOut();
    EXPECT_EQ(text.find("3.33155117520"), std::string::npos);
    EXPECT_EQ(text.find("100.001073741824"), std::string::npos);
    // The pivotal column is as wide as its widest value, the total of
    // cases (10 digits), and two blanks; the others stay 7 + 2.
    EXPECT_NE(text.find("name01        1     3.33   155117520    14.45     1.00     3.33\r\n"), std::string::npos)
        << text.substr(0, 400);
    EXPECT_NE(text.find("\r\n             30   100.00  1073741824"), std::string::npos);
    // Values that fit keep the bytes of the stored width (see the worked
    // example above).
}

TEST(BlocTableOutput, ShortNamesDoNotCutTheNameHeading)
{
    // Names of one letter: the names' column is as wide as "name" (4).
    Random rng;
    BlocTable t(rng);
    ASSERT_EQ(t.setBlocs({5, 3, 2}, {"A", "B", "C"}), 0);
    const std::string text = t.textOut();
    EXPECT_EQ(text.substr(0, 13), "name   weight");
    EXPECT_NE(text.find("\r\nA           5    50.00"), std::string::npos);
}
