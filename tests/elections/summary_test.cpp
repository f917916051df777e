// The summary text compared line by line with texts written out by hand:
// the 55-voter profile with all four reports, and one vote each way
// between two candidates ("?" results, ties shown).
#include "profiles.h"

#include "elections/core/summary.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quan;

namespace {

// Splits at CR LF; a bare LF or CR is a failure.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            EXPECT_EQ(start, text.size()) << "the text ends with CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos);
        start = end + 2;
    }
    return lines;
}

void expectLines(const std::string& text, const std::vector<std::string>& expected)
{
    const std::vector<std::string> lines = linesOf(text);
    for (size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(lines.size(), expected.size());
}

ReportSwitches all()
{
    ReportSwitches s;
    s.plurality = s.runoff = s.borda = s.condorcet = true;
    return s;
}

} // namespace

TEST(Summary, FiftyFiveVotersAllFourReports)
{
    Election e = electtest::make("ABCDE", electtest::fiftyFive(), "ADECB");
    e.setSwitches(all());
    EXPECT_EQ(summaryTitle(e), "election summary (55 total votes)");
    expectLines(summaryText(e), {
        "plurality ranking",
        "-----------------",
        "A ranks first: 18 ballots (32.73%)",
        "B ranks first: 12 ballots (21.82%)",
        "C ranks first: 10 ballots (18.18%)",
        "D ranks first: 9 ballots (16.36%)",
        "E ranks first: 6 ballots (10.91%)",
        "===================================",
        "",
        "runoff winners",
        "--------------",
        "pairwise majority sequence ADECB: E",
        "winners runoff: B",
        "losers elimination: C",
        "===================================",
        "",
        "Borda-point ranking",
        "-------------------",
        "       1   2   3   4   5    points",
        "----------------------------------",
        "D      9  18  18  10   0       136",
        "E      6  12  37   0   0       134",
        "C     10  11   0  34   0       107",
        "B     12  14   0  11  18       101",
        "A     18   0   0   0  37        72",
        "",
        "points awarded 4, 3, 2, 1, 0",
        "==================================",
        "",
        "Condorcet ranking",
        "-----------------",
        "       A   B   C   D   E",
        "------------------------",
        "A         18  18  18  18",
        "B     37      16  26  22",
        "C     37  39      12  19",
        "D     37  29  43      27",
        "E     37  33  36  28    ",
        "",
        "E defeats ABCD    4-0",
        "D defeats ABC     3-1",
        "C defeats AB      2-2",
        "B defeats A       1-3",
        "A                 0-4",
        "========================",
        "",
    });
}

TEST(Summary, OneVoteEachWayShowsQuestionMarksAndTies)
{
    Election e = electtest::make("AB", {{1, "AB"}, {1, "BA"}}, "AB");
    e.setSwitches(all());
    EXPECT_EQ(summaryTitle(e), "election summary (2 total votes)");
    expectLines(summaryText(e), {
        "plurality ranking",
        "-----------------",
        "A ranks first: 1 ballots (50.00%)",
        "B ranks first: 1 ballots (50.00%)",
        "===================================",
        "",
        "runoff winners",
        "--------------",
        "pairwise majority sequence AB: ?",
        "winners runoff: ?",
        "losers elimination: A",
        "================================",
        "",
        "Borda-point ranking",
        "-------------------",
        "     1  2    points",
        "-------------------",
        "A    1  1         1",
        "B    1  1         1",
        "",
        "points awarded 1, 0",
        "===================",
        "",
        "Condorcet ranking",
        "-----------------",
        "     A  B",
        "---------",
        "A       1",
        "B    1   ",
        "",
        "A    0-0-1",
        "B    0-0-1",
        "=========",
        "",
    });
}

TEST(Summary, OnlyTheReportsSwitchedOnInTheirOrder)
{
    Election e = electtest::make("ABC", {{2, "CAB"}, {1, "BCA"}}, "BCA");
    ReportSwitches s;
    s.plurality = false;
    s.runoff = false;
    s.condorcet = true;
    e.setSwitches(s);
    EXPECT_EQ(summaryText(e), condorcetReport(e));
    s.borda = true;
    s.runoff = true;
    e.setSwitches(s);
    EXPECT_EQ(summaryText(e), runoffReport(e) + bordaReport(e) + condorcetReport(e));
    e.setSwitches(ReportSwitches{false, false, false, false, true});
    EXPECT_EQ(summaryText(e), "");
    // C beats A 3-0 and B 2-1, A beats B 2-1: the later lines are padded
    // to the first one's column.
    const std::string c = condorcetReport(e);
    EXPECT_NE(c.find("\r\nC defeats AB    2-0\r\nA defeats B     1-1\r\nB               0-2\r\n"),
              std::string::npos)
        << c;
}

TEST(Summary, WidthsFollowTheLargestNumbers)
{
    // 2 000 000 000 votes and nine-digit points: ten-digit counts, a
    // Borda total of nineteen digits.
    Election e = electtest::make("AB", {{2000000000, "AB"}, {147483647, "BA"}}, "BA");
    ASSERT_EQ(e.setPoints({999999999, 0}), 0);
    const std::vector<std::string> lines = linesOf(bordaReport(e));
    ASSERT_GE(lines.size(), 6u);
    // w1 = 10 + 2, w2 = 19 + 4: 1999999998000000000 has 19 digits.
    EXPECT_EQ(lines[2], std::string(12, ' ') + std::string(11, ' ') + "1" + std::string(11, ' ') + "2" +
                            std::string(17, ' ') + "points");
    std::string want = "A";
    want.append(13, ' ').append("2000000000").append(3, ' ').append("147483647").append(4, ' ');
    want.append("1999999998000000000");
    EXPECT_EQ(lines[4], want);
}
