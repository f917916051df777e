// Texts built from the apportionment table: cell texts, the priority list,
// the comparison summary, the plain-text table and the plain-TeX table.
#include "apportion/apportion.h"

#include "resources/strings.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

const char* const kEol = "\r\n";

std::string rowPrefix(int row) { return formatInt(row + 1, 2, '0') + ". "; }

// TeX's special characters in a text cell would break the alignment.
std::string texEscape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '#' || c == '$' || c == '%' || c == '&')
            out += '\\';
        out += c;
    }
    return out;
}

// Collects CR LF terminated lines up to kTextLimit characters: the first
// line that does not fit ends the text.
class TextLimit {
public:
    bool add(const std::string& line, const char* end = kEol)
    {
        const std::string full = line + end;
        if (full_ || text_.size() + full.size() > kTextLimit) {
            full_ = true;
            return false;
        }
        text_ += full;
        return true;
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
    bool full_ = false;
};

} // namespace

std::string AppTable::numberText(Real v, int col, bool padded) const
{
    if (v > constants().e42)
        return S(168);
    const int p = columnDecimals(col);
    return formatReal(v, padded ? p + 2 : 0, p);
}

std::string AppTable::cellText(int row, int col) const
{
    if (row < 0 || row >= n_ || col < 0 || col > kNameColumn)
        return {};
    const StateRecord& r = rowRecord(row);
    if (col == kNameColumn)
        return (rowNumbers_ ? rowPrefix(row) : std::string()) + r.name;
    return numberText(r.v[col], col, false);
}

std::string AppTable::footerText(int col) const
{
    return col >= 0 && col <= kColDistrict ? numberText(totals_[col], col, false) : std::string();
}

size_t AppTable::nameWidth() const
{
    size_t w = 0;
    for (int i = 0; i < n_; ++i)
        w = std::max(w, rows_[i].name.size());
    return rowNumbers_ ? w + 4 : w;
}

// ---- Priority list ---------------------------------------------------------

std::string AppTable::priorityList() const
{
    if (!isDivisorMethod(method_))
        return {};
    const Real e42 = constants().e42;
    const int m = method_;
    // What a state with population p and k seats bids for its next seat.
    auto need = [e42, m](Real p, long long seats) -> Real {
        const Real k = static_cast<Real>(seats);
        if (seats == 0 && m != kJefferson && m != kWebster)
            return e42;
        switch (m) {
        case kJefferson:
        case kJeffersonMin1: return p / (k + 1);
        case kWebster:
        case kWebsterMin1: return p / (k + 0.5L);
        case kAdams: return p / k;
        case kHuntingtonHill: return p / std::sqrt(k * (k + 1));
        default: return p * (k + 0.5L) / (k * (k + 1)); // Dean
        }
    };
    const int32_t h = house();
    const size_t w = h > 9999 ? 5 : h > 999 ? 4 : h > 99 ? 3 : 2;
    std::vector<long long> seats(static_cast<size_t>(n_), 0);
    std::vector<Real> needs(static_cast<size_t>(n_));
    for (int i = 0; i < n_; ++i)
        needs[i] = need(rows_[i].v[kColPop], 0);

    TextLimit text;
    for (int32_t s = 1; s <= h; ++s) {
        // Greatest need wins; ties and every infinite need go to the earliest state.
        int best = -1;
        Real max = 0;
        for (int i = 0; i < n_; ++i)
            if (max < e42 && needs[i] > max) {
                max = needs[i];
                best = i;
            }
        if (best < 0)
            break;
        ++seats[best];
        std::string line = padOrCut(padLeft(std::to_string(s), w) + ": " + rows_[best].name, 56);
        line = padOrCut(line + "(" + std::to_string(seats[best]) + ")", 62);
        line += max >= e42 ? padLeft(S(168), 12) : formatReal(max, 12, 3);
        if (!text.add(line))
            break;
        needs[best] = need(rows_[best].v[kColPop], seats[best]);
    }
    return text.take();
}

std::string AppTable::priorityListTitle() const { return methodLongName(method_) + " " + S(335); }

// ---- Summary ---------------------------------------------------------------

std::string AppTable::summaryTitle() { return S(336); }

std::string AppTable::summary() const
{
    size_t w = std::max<size_t>({6, S(333).size(), S(332).size()});
    for (const auto& e : comparisons_) {
        w = std::max(w, e.heading.size());
        if (e.divisor >= 1) // floor(log10(divisor)) + 3
            w = std::max(w, std::to_string(e.divisor).size() + 2);
    }
    const size_t nw = nameWidth();
    auto numbers = [&](std::string label, auto value) {
        label = padRight(label, nw);
        for (const auto& e : comparisons_)
            label += padLeft(std::to_string(value(e)), w);
        return label;
    };
    std::string head = padRight(heading(kNameColumn), nw);
    for (const auto& e : comparisons_)
        head += padLeft(e.heading, w);
    const std::string rule(head.size(), '-');

    TextLimit text;
    text.add(head);
    text.add(rule);
    text.add("");
    for (int i = 0; i < n_; ++i)
        text.add(numbers(rows_[i].name, [i](const RegisteredApportionment& e) {
            return static_cast<size_t>(i) < e.seats.size() ? e.seats[i] : 0;
        }));
    text.add(rule);
    text.add("");
    text.add(numbers(S(333), [](const RegisteredApportionment& e) { return e.house; }));
    text.add(numbers(S(332), [](const RegisteredApportionment& e) { return e.divisor; }));
    return text.take();
}

// ---- Text out --------------------------------------------------------------

std::string AppTable::textOutTitle() { return S(334); }

std::string AppTable::textOut() const
{
    const size_t nw = nameWidth();
    const size_t cw = static_cast<size_t>(columnWidth_) + 2;
    std::string head = padOrCut(heading(kNameColumn), nw);
    for (int c = 0; c < kValueColumns; ++c)
        head += padLeft(heading(c), cw);
    const std::string rule(head.size(), '-');

    TextLimit text;
    text.add(head);
    text.add(rule);
    text.add("");
    for (int row = 0; row < n_; ++row) {
        std::string line = padOrCut(cellText(row, kNameColumn), nw);
        for (int c = 0; c < kValueColumns; ++c)
            line += padLeft(numberText(rowRecord(row).v[c], c, true), cw);
        text.add(line);
    }
    text.add(rule);
    text.add("");
    std::string foot = padRight("   ", nw);
    for (int c = 0; c <= kColDistrict; ++c)
        foot += padLeft(numberText(totals_[c], c, true), cw);
    text.add(foot, "");
    return text.take();
}

// ---- TeX output ------------------------------------------------------------

std::string AppTable::texOut() const
{
    const std::string h = std::to_string(house());
    const std::string total = formatReal(totals_[kColPop], 0, 0);
    const std::string ideal = std::to_string(roundHalfDown(totals_[kColDistrict]));
    std::string out = "\\settabs\\+" + std::string(nameWidth(), '0') + "&";
    out += "0" + total + "&" + "000000&" + "0" + h + ".000&" + "00" + h + "&" + "000000&" + "00" +
           ideal + "&" + "0" + h + ".000&" + "0" + h + ".000&" + "\\cr" + kEol;

    auto row = [&](const std::string& name, auto cell, const char* skip) {
        out += "\\+" + texEscape(name) + "\\hfill&";
        for (int c = 0; c < kValueColumns; ++c)
            out += "\\hfill " + texEscape(cell(c)) + "&";
        out += std::string("\\cr\\vskip ") + skip + kEol;
    };
    row(heading(kNameColumn), [&](int c) { return heading(c); }, "2pt");
    for (int r = 0; r < n_; ++r)
        row(rowRecord(r).name, [&](int c) { return cellText(r, c); },
            r == n_ - 1 ? "2pt" : "-2pt");

    out += "\\+&\\hfill " + total + "&&" + "\\hfill " + numberText(house(), kColQuota, false) +
           "&" + "\\hfill " + h + "&&" + "\\hfill " + ideal + "&&&" + "\\cr" + kEol;
    return out;
}

} // namespace quan
