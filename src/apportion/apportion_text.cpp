// Texts built from the apportionment table: cell texts, the priority list,
// the comparison summary, the plain-text table and the plain-TeX table.
#include "apportion/apportion.h"

#include "apportion/methods.h"
#include "resources/strings.h"
#include "text/tables.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

const char* const kEol = "\r\n";

std::string rowPrefix(int row) { return formatInt(row + 1, 2, '0') + ". "; }

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
        return S(Str::Infinite);
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
    // What a state with population p and k seats bids for its next seat.
    const MethodRule& rule = methodRule(method_);
    auto need = [&rule, e42](Real p, long long seats) { return rule.need(p, seats, e42); };
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
        line += max >= e42 ? padLeft(S(Str::Infinite), 12) : formatReal(max, 12, 3);
        if (!text.add(line))
            break;
        needs[best] = need(rows_[best].v[kColPop], seats[best]);
    }
    return text.take();
}

std::string AppTable::priorityListTitle() const { return methodLongName(method_) + " " + S(Str::PriorityList); }

// ---- Summary ---------------------------------------------------------------

std::string AppTable::summaryTitle() { return S(Str::Comparison); }

std::string AppTable::summary() const
{
    size_t w = std::max<size_t>({6, S(Str::Total).size(), S(Str::Divisor).size()});
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
    text.add(numbers(S(Str::Total), [](const RegisteredApportionment& e) { return e.house; }));
    text.add(numbers(S(Str::Divisor), [](const RegisteredApportionment& e) { return e.divisor; }));
    return text.take();
}

// ---- Text out --------------------------------------------------------------

std::string AppTable::textOutTitle() { return S(Str::Apportionment); }

std::string AppTable::textOut() const
{
    ColumnTable t;
    t.nameHeading = heading(kNameColumn);
    t.nameWidth = nameWidth();
    t.columnWidth = static_cast<size_t>(std::max(columnWidth_, 0));
    for (int c = 0; c < kValueColumns; ++c)
        t.headings.push_back(heading(c));
    t.rows.reserve(static_cast<size_t>(n_));
    for (int row = 0; row < n_; ++row) {
        ColumnTable::Row r;
        r.name = cellText(row, kNameColumn);
        for (int c = 0; c < kValueColumns; ++c)
            r.cells.push_back(numberText(rowRecord(row).v[c], c, true));
        t.rows.push_back(std::move(r));
    }
    for (int c = 0; c <= kColDistrict; ++c)
        t.totals.push_back(numberText(totals_[c], c, true));
    return columnTableText(t, kTextLimit);
}

// ---- TeX output ------------------------------------------------------------

std::string AppTable::texOut() const
{
    const std::string h = std::to_string(house());
    const std::string total = formatReal(totals_[kColPop], 0, 0);
    const std::string ideal = std::to_string(roundHalfDown(totals_[kColDistrict]));
    TexColumnTable t;
    t.templateCells = {std::string(nameWidth(), '0'), "0" + total, "000000", "0" + h + ".000", "00" + h,
                       "000000", "00" + ideal, "0" + h + ".000", "0" + h + ".000"};
    std::vector<std::string> head{heading(kNameColumn)};
    for (int c = 0; c < kValueColumns; ++c)
        head.push_back(heading(c));
    t.rows.push_back(std::move(head));
    for (int r = 0; r < n_; ++r) {
        std::vector<std::string> row{rowRecord(r).name};
        for (int c = 0; c < kValueColumns; ++c)
            row.push_back(cellText(r, c));
        t.rows.push_back(std::move(row));
    }
    t.footer = {std::nullopt, total, std::nullopt, numberText(house(), kColQuota, false), h, std::nullopt,
                ideal, std::nullopt, std::nullopt};
    return columnTableTex(t);
}

} // namespace quan
