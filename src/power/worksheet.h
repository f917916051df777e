// The calculations worksheet: every coalition of a small bloc table with
// its total, whether it wins, and, bloc by bloc, whether that bloc's vote
// decides the outcome. A bloc's number of decisive rows is its Banzhaf
// pivotal count.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quan {

// Four colour choices, indices into a window's colour table of 61 entries:
// the worksheet's background, table, wins and pivotal colours, and the
// weighted-voting table's background, table, names and heading colours.
using ColorChoices = std::array<int32_t, 4>;
inline constexpr ColorChoices kWorksheetColors{1, 0, 6, 4};  // white, black, blue, red
inline constexpr ColorChoices kBlocTableColors{1, 0, 17, 6}; // white, black, dark blue, blue
// Whether every choice is an index 0..60 and no two are the same.
bool colorChoicesValid(const ColorChoices& c);
// The choices when valid, else the defaults.
inline ColorChoices checkedColorChoices(const ColorChoices& c, const ColorChoices& defaults)
{
    return colorChoicesValid(c) ? c : defaults;
}

class Worksheet {
public:
    static constexpr int kMaxBlocs = 10;

    // Fills the worksheet: 0, or 102 "too many blocs" for more than ten
    // blocs (the worksheet is then left empty). Bit j of row r says whether
    // bloc j belongs to coalition r, bloc j being the j-th weight given.
    int build(const std::vector<int64_t>& weights, const std::vector<std::string>& names, int64_t quota);
    void clear();

    int blocCount() const { return static_cast<int>(weights_.size()); }
    int rowCount() const { return static_cast<int>(totals_.size()); }
    int64_t quota() const { return quota_; }
    int64_t weight(int j) const { return weights_[static_cast<size_t>(j)]; }
    const std::string& name(int j) const { return names_[static_cast<size_t>(j)]; }
    bool member(int row, int j) const { return (static_cast<unsigned>(row) >> j) & 1u; }
    // The bloc's weight when it belongs to the coalition, else 0.
    int64_t entry(int row, int j) const { return member(row, j) ? weight(j) : 0; }
    int64_t total(int row) const { return totals_[static_cast<size_t>(row)]; }
    bool winning(int row) const { return total(row) >= quota_; }
    // In a winning row a member whose leaving makes it lose; in a losing
    // row an outsider whose joining makes it win.
    bool pivotal(int row, int j) const { return (pivotal_[static_cast<size_t>(row)] >> j) & 1u; }
    int64_t count(int j) const { return counts_[static_cast<size_t>(j)]; }

    // Field widths in characters: the total column is as wide as its
    // heading or the widest total; a bloc column as the longest name, the
    // widest entry or count, and two blanks.
    size_t totalWidth(const std::string& totalHeading) const;
    size_t fieldWidth() const;

    // The plain text: the heading line (totalHeading, then the names), a
    // rule as long as it, one line per row, the rule, the pivotal counts;
    // CR LF line ends. Rows are kept whole while the text stays within
    // limit characters; then the rule and the counts follow and cut is set.
    std::string textOut(const std::string& totalHeading, size_t limit, bool* cut = nullptr) const;

private:
    std::vector<int64_t> weights_;
    std::vector<std::string> names_;
    int64_t quota_ = 0;
    std::vector<int64_t> totals_;
    std::vector<uint16_t> pivotal_;
    std::vector<int64_t> counts_;
};

} // namespace quan
