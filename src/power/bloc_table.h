// The weighted-voting document: a table of voting blocs with weights and
// names, a quota, and the voting power found by the last calculation.
#pragma once

#include "core/qmath.h"
#include "power/bnzfile.h"
#include "power/big_uint.h"
#include "power/power_calc.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quan {

enum class PowerKind { Banzhaf = 0, Shapley = 1 };
enum class PowerUnit { Large = 0, Small = 1 };

// One table row: weight, weight pct, pivotal count, pivotal pct, power
// rating, power pct; the name; and the population figure the Electoral
// College table brings along (no calculation reads it).
struct Bloc {
    std::array<Real, 6> value{};
    std::string name;
    int32_t population = 0;
};

class BlocTable {
public:
    static constexpr int kMaxBlocs = 99;
    static constexpr int kMinBlocs = 2;
    static constexpr int kDefaultBlocs = 10;
    static constexpr int kColumns = 6;
    static constexpr size_t kNameLength = 50;
    static constexpr int kDefaultColumnWidth = 7;
    static constexpr int kDefaultLow = 5;
    static constexpr int kDefaultHigh = 50;
    // Column indices.
    static constexpr int kWeight = 0, kWeightPct = 1, kPivotal = 2, kPivotalPct = 3,
                         kPower = 4, kPowerPct = 5;
    // Headings 0..5 belong to the columns, heading 8 to the name column
    // (6 and 7 are unused slots of the nine).
    static constexpr int kHeadings = 9;
    static constexpr int kNameHeading = 8;
    // Arrange-by keys.
    static constexpr int kByName = -1, kByWeight = 0;

    static int decimals(int column);
    // "name01" .. "name99".
    static std::string defaultName(int row);

    // A new window's table: 10 blocs with random weights 5..50 drawn from
    // rng, their majority quota, Banzhaf, small unit, no pair.
    explicit BlocTable(Random& rng = Random::shared());

    // --- state -------------------------------------------------------------
    int blocCount() const { return n_; }
    const Bloc& bloc(int i) const { return blocs_[static_cast<size_t>(i)]; }
    Real totalWeight() const { return totals_[kWeight]; }
    int64_t quota() const { return quota_; }
    PowerKind kind() const { return kind_; }
    PowerUnit unit() const { return unit_; }
    OppositionPair pair() const { return pair_; }
    int low() const { return low_; }
    int high() const { return high_; }
    int arrangeKey() const { return arrangeKey_; }
    bool increasing() const { return increasing_; }
    bool rowNumbers() const { return rowNumbers_; }
    int columnWidth() const { return columnWidth_; }
    bool resultsValid() const { return resultsValid_; }
    // Whether the last calculation was stopped by the user.
    bool lastStopped() const { return lastStopped_; }
    // Display row -> bloc index.
    const std::vector<int>& order() const { return order_; }
    const std::string& heading(int k) const { return headings_[static_cast<size_t>(k)]; }
    // Totals row: W, 100, cases, (empty), (empty), 100.
    Real total(int column) const { return totals_[static_cast<size_t>(column)]; }
    // The exact counts behind the pivotal column (valid with the results).
    const BigUint& exactPivotal(int i) const;
    const BigUint& exactCases() const { return exactCases_; }
    // The weights as the calculations take them: roundHalfDown of each.
    std::vector<int64_t> integerWeights() const;

    // --- commands (0 or a message code; on a code nothing changes) ---------
    int setQuota(long long q);        // 1..W, else 17
    int setBlocCount(long long n);    // 2..99, else 17
    void newRandom();                 // random weights, default names, majority, small, no pair
    int setRange(long long low, long long high);       // low >= 1, high >= low, else 17
    int rangeOfWeights(long long low, long long high); // setRange, then newRandom
    void setKind(PowerKind kind);
    void setUnit(PowerUnit unit);
    int setPair(int first, int second); // two different blocs, else 17
    void clearPair();
    int arrangeBy(int key);             // kByName or kByWeight, else 17
    void setIncreasing(bool on);
    void setRowNumbers(bool on);
    int setColumnWidth(long long width); // 1..99, else 17
    // A weight below 1 gives 14, above 2147483647 17. Re-sorts by weight
    // unless resort is false (autofeed editing).
    int setWeight(int bloc, Real weight, bool resort = true);
    // An empty name keeps the old one; longer names are cut to 50.
    int setName(int bloc, const std::string& name, bool resort = true);
    int setPopulation(int bloc, int32_t population);
    // Replaces the blocs (2..99 of them): weights >= 1, names cut to 50
    // (empty ones get the default name), populations optional.
    int setBlocs(const std::vector<Real>& weights, const std::vector<std::string>& names,
                 const std::vector<int32_t>& populations = {});
    // Removes display rows a..b (1-based, either order): 17 for a row
    // outside the table, 25 when fewer than two blocs would remain.
    int deleteRows(long long a, long long b);

    // --- the document ----------------------------------------------------------
    // The document as a ".bnz" file holds it: save() fills the table's fields
    // and those it carries for the worksheet (its colours); the header and
    // the notebook keep their defaults, for the window to fill. load() takes
    // a document only when every value fits (blocs, column width, random
    // range, key, pair); the stored quota is kept when it can be met,
    // otherwise the majority quota stands. 11 "cannot open file" leaves the
    // table unchanged.
    BnzDocument save() const;
    // The worksheet's colour choices kept with the document.
    const std::array<int32_t, 4>& worksheetColors() const { return worksheetColors_; }
    void setWorksheetColors(const std::array<int32_t, 4>& c) { worksheetColors_ = c; }
    int load(const BnzDocument& doc);
    // Whether a cell can be edited: a bloc's name (column -1) or its weight.
    bool cellEditable(int row, int column) const;

    // --- calculations -------------------------------------------------------
    int calcAllCases(const Progress& progress);
    int calcMonteCarlo(const Progress& progress, Random& rng = Random::shared());
    // Exact counts of the selected kind for any table, counting coalitions
    // by weight (20 when the quota needs too large a table).
    int calcExact(const Progress& progress);

    // --- display ------------------------------------------------------------
    // The name with "*" after it for the blocs of the opposition pair.
    std::string displayName(int bloc) const;
    // The longest displayed name, with the row-number prefix when shown.
    size_t nameWidth() const;
    std::string rowPrefix(int displayRow) const;
    // A value with its column's decimals in a field of decimals + 2; "" for
    // the pivotal and power columns while results are invalid.
    std::string cellText(int bloc, int column) const;
    std::string totalText(int column) const;
    std::string textOut() const;
    std::string texOutput() const;

private:
    std::array<int32_t, 4> worksheetColors_{};
    void refreshWeights(); // total, percentages, majority quota
    void sort();
    void invalidate() { resultsValid_ = false; }
    void applyCounts(const PowerCounts& counts);
    int finishExact(const PowerCounts& counts);
    void computeResults();
    void setHeadingKind();
    bool columnShown(int column) const;
    std::string texCell(int bloc, int column) const;

    Random* rng_;
    std::array<Bloc, kMaxBlocs> blocs_{};
    int n_ = kDefaultBlocs;
    std::array<Real, kColumns> totals_{};
    int64_t quota_ = 1;
    PowerKind kind_ = PowerKind::Banzhaf;
    PowerUnit unit_ = PowerUnit::Small;
    OppositionPair pair_{};
    int low_ = kDefaultLow;
    int high_ = kDefaultHigh;
    int arrangeKey_ = kByName;
    bool increasing_ = true;
    bool rowNumbers_ = false;
    int columnWidth_ = kDefaultColumnWidth;
    bool resultsValid_ = false;
    bool lastStopped_ = false;
    std::vector<int> order_;
    std::array<std::string, kHeadings> headings_;
    std::vector<BigUint> exactPivotal_;
    BigUint exactCases_;
};

} // namespace quan
