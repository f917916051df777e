#include "elections/core/summary.h"

#include <algorithm>

namespace quan {

namespace {

const char* const kEol = "\r\n";

std::string rule(char c, size_t length) { return std::string(length, c) + kEol; }

std::string winnerName(const Election& e, int c) { return c == kNoWinner ? "?" : std::string(1, e.name(c)); }

size_t digits(int64_t v) { return formatInt(v).size(); }

int32_t largest(const CandidateTable& t)
{
    int32_t m = 0;
    for (const auto& row : t)
        for (int32_t v : row)
            m = std::max(m, v);
    return m;
}

std::string right(const std::string& s, size_t w) { return s.size() > w ? s.substr(0, w) : padLeft(s, w); }

} // namespace

std::string pluralityReport(const Election& e)
{
    const Tally& t = e.tally();
    const std::string heading = "plurality ranking";
    std::string out = heading + kEol + rule('-', heading.size());
    std::string line;
    for (int r = 0; r < e.candidates(); ++r) {
        const int c = t.plurality[static_cast<size_t>(r)];
        const int32_t first = t.position[static_cast<size_t>(c)][0];
        const Real pct = static_cast<Real>(first) * 100 / static_cast<Real>(e.total());
        line = std::string(1, e.name(c)) + " ranks first: " + formatInt(first) + " ballots (" +
            formatReal(pct, 4, 2) + "%)";
        out += line + kEol;
    }
    out += rule('=', line.size() + 2);
    return out + kEol;
}

std::string runoffReport(const Election& e)
{
    const Tally& t = e.tally();
    const std::string heading = "runoff winners";
    std::string out = heading + kEol + rule('-', heading.size());
    const std::string sequence =
        "pairwise majority sequence " + e.ballotText(e.current()) + ": " + winnerName(e, t.sequence);
    out += sequence + kEol;
    out += "winners runoff: " + winnerName(e, t.winnersRunoff) + kEol;
    out += "losers elimination: " + winnerName(e, t.losersElimination) + kEol;
    out += rule('=', sequence.size());
    return out + kEol;
}

std::string bordaReport(const Election& e)
{
    const Tally& t = e.tally();
    const int n = e.candidates();
    const std::string heading = "Borda-point ranking";
    std::string out = heading + kEol + rule('-', heading.size());
    const size_t w1 = digits(largest(t.position)) + 2;
    int64_t topTotal = 0;
    for (int64_t b : t.borda)
        topTotal = std::max(topTotal, b);
    const std::string pointsWord = "points";
    const size_t w2 = std::max(digits(topTotal), pointsWord.size()) + 4;
    std::string header(w1, ' ');
    for (int p = 1; p <= n; ++p)
        header += right(formatInt(p), w1);
    header += right(pointsWord, w2);
    out += header + kEol + rule('-', header.size());
    for (int r = 0; r < n; ++r) {
        const auto c = static_cast<size_t>(t.bordaRanking[static_cast<size_t>(r)]);
        std::string row = padOrCut(std::string(1, e.name(static_cast<int>(c))), w1);
        for (int p = 0; p < n; ++p)
            row += right(formatInt(t.position[c][static_cast<size_t>(p)]), w1);
        row += right(formatInt(t.borda[c]), w2);
        out += row + kEol;
    }
    out += kEol;
    std::string awarded = "points awarded";
    for (int p = 0; p < n; ++p) {
        awarded += ' ';
        awarded += formatInt(e.points()[static_cast<size_t>(p)]);
        if (p + 1 < n)
            awarded += ",";
    }
    out += awarded + kEol + rule('=', header.size());
    return out + kEol;
}

std::string condorcetReport(const Election& e)
{
    const Tally& t = e.tally();
    const int n = e.candidates();
    const std::string heading = "Condorcet ranking";
    std::string out = heading + kEol + rule('-', heading.size());
    const size_t w = digits(largest(t.pairwise)) + 2;
    std::string header(w, ' ');
    for (int c = 0; c < n; ++c)
        header += right(std::string(1, e.name(c)), w);
    out += header + kEol + rule('-', header.size());
    for (int i = 0; i < n; ++i) {
        std::string row = padOrCut(std::string(1, e.name(i)), w);
        for (int j = 0; j < n; ++j)
            row += right(i == j ? std::string(" ") : formatInt(t.pairwise[static_cast<size_t>(i)][static_cast<size_t>(j)]),
                         w);
        out += row + kEol;
    }
    out += kEol;
    size_t column = 0;
    for (int r = 0; r < n; ++r) {
        const auto c = static_cast<size_t>(t.condorcet[static_cast<size_t>(r)]);
        std::string line(1, e.name(static_cast<int>(c)));
        if (!t.defeats[c].empty()) {
            line += " defeats ";
            for (int d : t.defeats[c])
                line += e.name(d);
        }
        if (r == 0) {
            line += "    ";
            column = line.size();
        } else {
            line = padOrCut(line, column);
        }
        line += formatInt(t.wins[c]) + "-" + formatInt(t.losses[c]);
        if (t.ties[c] > 0) {
            line += '-';
            line += formatInt(t.ties[c]);
        }
        out += line + kEol;
    }
    out += rule('=', header.size());
    return out + kEol;
}

std::string summaryText(const Election& e)
{
    if (e.total() < 1)
        return "";
    const ReportSwitches& s = e.switches();
    std::string out;
    if (s.plurality)
        out += pluralityReport(e);
    if (s.runoff)
        out += runoffReport(e);
    if (s.borda)
        out += bordaReport(e);
    if (s.condorcet)
        out += condorcetReport(e);
    return out.size() > kElectionSummaryChars ? out.substr(0, kElectionSummaryChars) : out;
}

std::string summaryTitle(const Election& e) { return "election summary (" + formatInt(e.total()) + " total votes)"; }

} // namespace quan
