// The texts built from the table, byte for byte, on small cases worked by hand.
#include "app_fixture.h"

#include <iterator>
#include <sstream>
#include <vector>

using namespace quan;
using namespace quan::test;

namespace {

std::string sp(size_t n) { return std::string(n, ' '); }

// Alpha 530, Beta 310, Gamma 160, H = 10 under Hamilton: quotas 5.3, 3.1,
// 1.6, seats 5, 3, 2 (Gamma has the largest remainder), districts 106,
// 103.3, 80, critical values (remainders) .3, .1, .6.
const States kGreek = {{"Alpha", 530}, {"Beta", 310}, {"Gamma", 160}};

} // namespace

TEST(PriorityList, WebsterStartsWithFiniteNeeds)
{
    // Needs p / (k + 0.5): A 200, B 100, C 60; then A 66.667 (k = 1),
    // B 33.333, A 40 (k = 2), C 20, A 28.571.
    AppTable t = makeTable({{"A", 100}, {"B", 50}, {"C", 30}}, 5, kWebster, 30);
    const std::string pad = sp(51); // " 1: A" padded to 56
    const std::string want = " 1: A" + pad + "(1)" + sp(3) + "     200.000\r\n" +
                             " 2: B" + pad + "(1)" + sp(3) + "     100.000\r\n" +
                             " 3: A" + pad + "(2)" + sp(3) + "      66.667\r\n" +
                             " 4: C" + pad + "(1)" + sp(3) + "      60.000\r\n" +
                             " 5: A" + pad + "(3)" + sp(3) + "      40.000\r\n";
    EXPECT_EQ(t.priorityList(), want);
    EXPECT_EQ(t.priorityListTitle(), "Webster priority list");
}

TEST(PriorityList, HillStartsEveryStateAtInfiniteInTableOrder)
{
    // Both first seats are infinite; then A's 100 / sqrt(2) = 70.711 beats B's 35.355.
    AppTable t = makeTable({{"A", 100}, {"B", 50}}, 3, kHuntingtonHill, 30);
    const std::string pad = sp(51);
    const std::string want = " 1: A" + pad + "(1)" + sp(3) + "    infinite\r\n" +
                             " 2: B" + pad + "(1)" + sp(3) + "    infinite\r\n" +
                             " 3: A" + pad + "(2)" + sp(3) + "      70.711\r\n";
    EXPECT_EQ(t.priorityList(), want);
    EXPECT_EQ(t.priorityListTitle(), "Huntington-Hill priority list");
    t.setMethod(kHamilton);
    EXPECT_EQ(t.priorityList(), "");
}

TEST(PriorityList, WideNumbersLongNamesAndTheTextLimit)
{
    // H = 10000: numbers in 5 characters; "    1: " + 50 letters is cut at 56.
    AppTable t = makeTable({{std::string(50, 'x'), 100}, {"y", 50}}, 10000, kAdams, 30);
    const std::string text = t.priorityList();
    EXPECT_EQ(text.substr(0, 62 + 12 + 2), "    1: " + std::string(49, 'x') + "(1)" + sp(3) +
                                               "    infinite\r\n");
    // Every line has 76 characters: 64 000 / 76 = 842 lines fit.
    EXPECT_EQ(text.size(), 842u * 76);
    AppTable big;
    big.setMethod(kHuntingtonHill);
    ASSERT_EQ(big.setHouseSize(2147483647.0L), 0);
    EXPECT_EQ(big.priorityList().size(), 842u * 76);
}

TEST(Summary, TwoRegisteredApportionments)
{
    AppTable t = makeTable(kGreek, 10);
    t.registerApportionment(t.registerPreset());
    t.setMethod(kJefferson);
    // D = 88: 6.02, 3.52, 1.82 -> 6, 3, 1.
    ASSERT_EQ(t.applyDivisor(88), 0);
    t.registerApportionment(t.registerPreset());
    // Column width 7 ("divisor"), name width 5.
    const std::string rule(19, '-');
    const std::string want = "State    Ham    Jef\r\n" + rule + "\r\n\r\n" +
                             "Alpha      5      6\r\n"
                             "Beta       3      3\r\n"
                             "Gamma      2      1\r\n" +
                             rule + "\r\n\r\n" +
                             "total     10     10\r\n"
                             "divisor    100     88\r\n";
    EXPECT_EQ(t.summary(), want);
    EXPECT_EQ(AppTable::summaryTitle(), "comparison of apportionments");
    t.zeroSummary();
    EXPECT_EQ(t.summary(), "State\r\n-----\r\n\r\nAlpha\r\nBeta \r\nGamma\r\n-----\r\n\r\n"
                           "total\r\ndivisor\r\n");
}

TEST(Summary, WideDivisorsAndTheTextLimit)
{
    AppTable t; // 2010: divisor 710 767 has 6 digits -> width 8
    t.registerApportionment("a");
    const std::string text = t.summary();
    EXPECT_EQ(text.substr(0, 24), "State" + sp(9) + sp(7) + "a\r\n"); // name width 14
    EXPECT_NE(text.find("Alabama" + sp(7) + sp(7) + "7\r\n"), std::string::npos);
    EXPECT_NE(text.find("divisor" + sp(7) + "  710767\r\n"), std::string::npos);
    for (int i = 0; i < 1000; ++i)
        t.registerApportionment("x");
    const std::string big = t.summary();
    EXPECT_LE(big.size(), kTextLimit);
    EXPECT_EQ(big.substr(big.size() - 2), "\r\n");
}

TEST(TextOut, PlainTable)
{
    AppTable t = makeTable(kGreek, 10);
    // Name width 5, columns of 8 + 2 characters.
    const std::string rule(5 + 8 * 10, '-');
    const std::string want =
        "State" + sp(7) + "pop" + sp(7) + "pct" + sp(5) + "quota" + sp(6) + "reps" + sp(7) + "pct" +
        sp(2) + "district" + sp(5) + "adj Q" + sp(4) + "crit V\r\n" + rule + "\r\n\r\n" +
        "Alpha" + sp(7) + "530" + sp(5) + "53.00" + sp(5) + "5.300" + sp(9) + "5" + sp(5) + "50.00" +
        sp(7) + "106" + sp(5) + "5.300" + sp(5) + "0.300\r\n" +
        "Beta " + sp(7) + "310" + sp(5) + "31.00" + sp(5) + "3.100" + sp(9) + "3" + sp(5) + "30.00" +
        sp(7) + "103" + sp(5) + "3.100" + sp(5) + "0.100\r\n" +
        "Gamma" + sp(7) + "160" + sp(5) + "16.00" + sp(5) + "1.600" + sp(9) + "2" + sp(5) + "20.00" +
        sp(8) + "80" + sp(5) + "1.600" + sp(5) + "0.600\r\n" + rule + "\r\n\r\n" +
        sp(5) + sp(6) + "1000" + sp(4) + "100.00" + sp(4) + "10.000" + sp(8) + "10" + sp(4) +
        "100.00" + sp(7) + "100";
    EXPECT_EQ(t.textOut(), want);
    EXPECT_EQ(AppTable::textOutTitle(), "apportionment");
    // Row numbers widen the name column; a state without a seat shows "infinite".
    t.setRowNumbers(true);
    ASSERT_EQ(t.setHouseSize(1), 0); // quotas .53, .31, .16: Alpha alone
    const std::string out = t.textOut();
    EXPECT_EQ(out.substr(0, 9 + 10), "State" + sp(4) + sp(7) + "pop");
    EXPECT_NE(out.find("\r\n02. Beta" + sp(1) + sp(7) + "310" + sp(5) + "31.00" + sp(5) + "0.310" +
                       sp(9) + "0" + sp(6) + "0.00" + sp(2) + "infinite" + sp(5) + "0.310"),
              std::string::npos);
    EXPECT_EQ(t.cellText(0, kNameColumn), "01. Alpha");
}

TEST(TexOut, PlainTexTable)
{
    AppTable t = makeTable(kGreek, 10);
    const std::string want =
        R"(\settabs\+00000&01000&000000&010.000&0010&000000&00100&010.000&010.000&\cr)"
        "\r\n"
        R"(\+State\hfill&\hfill pop&\hfill pct&\hfill quota&\hfill reps&\hfill pct&)"
        R"(\hfill district&\hfill adj Q&\hfill crit V&\cr)"
        "\r\n"
        R"(\vskip 2pt\+Alpha\hfill&\hfill 530&\hfill 53.00&\hfill 5.300&\hfill 5&\hfill 50.00&)"
        R"(\hfill 106&\hfill 5.300&\hfill 0.300&\cr)"
        "\r\n"
        R"(\vskip -2pt\+Beta\hfill&\hfill 310&\hfill 31.00&\hfill 3.100&\hfill 3&\hfill 30.00&)"
        R"(\hfill 103&\hfill 3.100&\hfill 0.100&\cr)"
        "\r\n"
        R"(\vskip -2pt\+Gamma\hfill&\hfill 160&\hfill 16.00&\hfill 1.600&\hfill 2&\hfill 20.00&)"
        R"(\hfill 80&\hfill 1.600&\hfill 0.600&\cr)"
        "\r\n"
        R"(\vskip 2pt\+&\hfill 1000&&\hfill 10.000&\hfill 10&&\hfill 100&&&\cr)"
        "\r\n";
    EXPECT_EQ(t.texOut(), want);
    // TeX's special characters in names are escaped, braces and backslash
    // included (plain TeX takes them only in math).
    t.setName(0, "A&B 100%");
    EXPECT_NE(t.texOut().find(R"(\+A\&B 100\%\hfill&)"), std::string::npos);
    t.setName(0, "x{1}\\_^");
    EXPECT_NE(t.texOut().find(R"(\+x$\{$1$\}$$\backslash$\_\^{}\hfill&)"), std::string::npos) << t.texOut();
}

TEST(Cells, NumbersUseTheColumnDecimals)
{
    AppTable t = makeTable(kGreek, 10);
    EXPECT_EQ(t.cellText(1, kColPop), "310");
    EXPECT_EQ(t.cellText(1, kColPct), "31.00");
    EXPECT_EQ(t.cellText(1, kColDistrict), "103");
    EXPECT_EQ(t.footerText(kColQuota), "10.000");
    EXPECT_EQ(t.footerText(kColDistrict), "100");
    EXPECT_EQ(t.footerText(kColAdjQuota), "");
    ASSERT_EQ(t.setQuotaPlaces(1), 0);
    EXPECT_EQ(t.cellText(1, kColCrit), "0.1");
    EXPECT_EQ(t.cellText(1, kNameColumn), "Beta");
    EXPECT_EQ(t.nameWidth(), 5u);
}

TEST(TextOut, NarrowStoredColumnsStillSeparateTheirNumbers)
{
    // A file may store a column width below what the numbers need (here 1):
    // the width is kept, but every number keeps blanks before it.
    AppTable t = makeTable({{"Alpha", 5305300}, {"Beta", 3100}, {"Gamma", 1600}}, 10);
    HorDocument d = t.documentData();
    d.columnWidth = 1;
    ASSERT_EQ(t.loadDocument(d), 0);
    EXPECT_EQ(t.columnWidth(), 1);
    const std::string text = t.textOut();
    size_t lines = 0;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find("\r\n", at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 2;
        if (line.rfind("Alpha", 0) != 0 && line.rfind("Beta", 0) != 0 && line.rfind("Gamma", 0) != 0)
            continue;
        ++lines;
        // A name and eight numbers, each a separate word.
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        ASSERT_EQ(w.size(), 9u) << line;
        Real v = 0;
        for (size_t i = 1; i < w.size(); ++i)
            EXPECT_TRUE(w[i] == "infinite" || parseReal(w[i], v)) << w[i] << " in " << line;
    }
    EXPECT_EQ(lines, 3u);
    // The population column is as wide as "5305300" plus two blanks.
    EXPECT_NE(text.find("Alpha  5305300"), std::string::npos) << text;
}
