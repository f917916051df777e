#include "power/bloc_table.h"
#include "power/worksheet.h"

#include "core/msgcode.h"

#include "resources/strings.h"
#include "text/tables.h"
#include "text/textops.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

constexpr int kDecimals[BlocTable::kColumns] = {0, 2, 0, 2, 2, 2};
constexpr Real kMaxWeight = 2147483647.0L;

bool nameBelow(const std::string& a, const std::string& b)
{
    return toLower(a) < toLower(b);
}

} // namespace

int BlocTable::decimals(int column)
{
    return column >= 0 && column < kColumns ? kDecimals[column] : 0;
}

std::string BlocTable::defaultName(int row)
{
    return S(Str::Name) + padLeft(std::to_string(row), 2, '0');
}

BlocTable::BlocTable(Random& rng) : rng_(&rng)
{
    for (int c = 0; c < kColumns; ++c)
        headings_[static_cast<size_t>(c)] = S(Str::PowerHeadingFirst, c);
    headings_[kNameHeading] = S(Str::Name);
    setHeadingKind();
    newRandom();
}

std::vector<int64_t> BlocTable::integerWeights() const
{
    std::vector<int64_t> w(static_cast<size_t>(n_));
    for (int i = 0; i < n_; ++i)
        w[static_cast<size_t>(i)] = roundHalfDown(blocs_[static_cast<size_t>(i)].value[kWeight]);
    return w;
}

const BigUint& BlocTable::exactPivotal(int i) const
{
    static const BigUint zero;
    if (i < 0 || static_cast<size_t>(i) >= exactPivotal_.size())
        return zero;
    return exactPivotal_[static_cast<size_t>(i)];
}

// ---------------------------------------------------------------------------
// Weights, quota, order.

void BlocTable::refreshWeights()
{
    Real total = 0;
    for (int i = 0; i < n_; ++i)
        total += blocs_[static_cast<size_t>(i)].value[kWeight];
    for (int i = 0; i < n_; ++i) {
        Bloc& b = blocs_[static_cast<size_t>(i)];
        b.value[kWeightPct] = total > 0 ? b.value[kWeight] * 100 / total : 0;
    }
    totals_[kWeight] = total;
    totals_[kWeightPct] = 100;
    totals_[kPowerPct] = 100;
    // floor(W/2) + 1, the simple majority; computed in 64 bits because a
    // total weight can pass what a 32-bit rounding holds.
    quota_ = static_cast<int64_t>(std::floor(total / 2)) + 1;
}

// Selection sort of the display order: for each place from the top the
// remaining row with the extreme key is swapped into place. Increasing by
// weight a row replaces the candidate when its weight is <= (the last of
// equals wins), decreasing when it is > (the first wins); increasing by
// name when it compares below (first wins), decreasing when it does not
// (last wins). Names compare ignoring case. The first remaining row is
// always the first candidate, so no name or weight can escape the sort.
void BlocTable::sort()
{
    order_.resize(static_cast<size_t>(n_));
    for (int i = 0; i < n_; ++i)
        order_[static_cast<size_t>(i)] = i;
    for (size_t place = 0; place < order_.size(); ++place) {
        size_t best = place;
        for (size_t r = place + 1; r < order_.size(); ++r) {
            const Bloc& cand = blocs_[static_cast<size_t>(order_[r])];
            const Bloc& cur = blocs_[static_cast<size_t>(order_[best])];
            bool replace;
            if (arrangeKey_ == kByWeight)
                replace = increasing_ ? cand.value[kWeight] <= cur.value[kWeight]
                                      : cand.value[kWeight] > cur.value[kWeight];
            else
                replace = increasing_ ? nameBelow(cand.name, cur.name) : !nameBelow(cand.name, cur.name);
            if (replace)
                best = r;
        }
        std::swap(order_[place], order_[best]);
    }
}

void BlocTable::setHeadingKind()
{
    std::string& h = headings_[kPower];
    if (!h.empty())
        h[0] = kind_ == PowerKind::Banzhaf ? 'B' : 'S';
}

// ---------------------------------------------------------------------------
// Commands.

int BlocTable::setQuota(long long q)
{
    if (q < 1 || static_cast<Real>(q) > totals_[kWeight])
        return codeOf(Msg::OutOfBounds);
    if (q != quota_) {
        quota_ = q;
        invalidate();
    }
    return 0;
}

int BlocTable::setBlocCount(long long n)
{
    if (n < kMinBlocs || n > kMaxBlocs)
        return codeOf(Msg::OutOfBounds);
    if (n == n_)
        return 0;
    n_ = static_cast<int>(n);
    // A pair bloc that is no longer in the table ends the pair.
    if (pair_.isSet() && (pair_.first >= n_ || pair_.second >= n_))
        pair_ = OppositionPair{};
    refreshWeights();
    sort();
    invalidate();
    return 0;
}

void BlocTable::newRandom()
{
    const int64_t span = static_cast<int64_t>(high_) - low_ + 1;
    for (int i = 0; i < kMaxBlocs; ++i) {
        Bloc& b = blocs_[static_cast<size_t>(i)];
        b.value = {};
        b.value[kWeight] = static_cast<Real>(low_ + rng_->next() % span);
        b.name = defaultName(i + 1);
    }
    unit_ = PowerUnit::Small;
    pair_ = OppositionPair{};
    refreshWeights();
    sort();
    invalidate();
}

int BlocTable::setRange(long long low, long long high)
{
    if (low < 1 || high < low || high > 2147483647LL)
        return codeOf(Msg::OutOfBounds);
    low_ = static_cast<int>(low);
    high_ = static_cast<int>(high);
    return 0;
}

int BlocTable::rangeOfWeights(long long low, long long high)
{
    if (int code = setRange(low, high))
        return code;
    newRandom();
    return 0;
}

void BlocTable::setKind(PowerKind kind)
{
    kind_ = kind;
    setHeadingKind();
    invalidate();
}

void BlocTable::setUnit(PowerUnit unit)
{
    unit_ = unit;
    if (resultsValid_)
        computeResults();
}

int BlocTable::setPair(int first, int second)
{
    if (first < 0 || second < 0 || first >= n_ || second >= n_ || first == second)
        return codeOf(Msg::OutOfBounds);
    pair_ = OppositionPair{first, second};
    invalidate();
    return 0;
}

void BlocTable::clearPair()
{
    pair_ = OppositionPair{};
    invalidate();
}

int BlocTable::arrangeBy(int key)
{
    if (key != kByName && key != kByWeight)
        return codeOf(Msg::OutOfBounds);
    arrangeKey_ = key;
    sort();
    return 0;
}

void BlocTable::setIncreasing(bool on)
{
    increasing_ = on;
    sort();
}

void BlocTable::setRowNumbers(bool on)
{
    rowNumbers_ = on;
}

int BlocTable::setColumnWidth(long long width)
{
    if (width < 1 || width > 99)
        return codeOf(Msg::OutOfBounds);
    columnWidth_ = static_cast<int>(width);
    return 0;
}

int BlocTable::setWeight(int bloc, Real weight, bool resort)
{
    if (bloc < 0 || bloc >= n_)
        return codeOf(Msg::OutOfBounds);
    if (!(weight >= 1))
        return codeOf(Msg::PositiveValue);
    if (weight > kMaxWeight)
        return codeOf(Msg::OutOfBounds);
    blocs_[static_cast<size_t>(bloc)].value[kWeight] = weight;
    refreshWeights();
    invalidate();
    if (resort && arrangeKey_ == kByWeight)
        sort();
    return 0;
}

int BlocTable::setName(int bloc, const std::string& name, bool resort)
{
    if (bloc < 0 || bloc >= n_)
        return codeOf(Msg::OutOfBounds);
    if (name.empty())
        return 0;
    blocs_[static_cast<size_t>(bloc)].name = name.substr(0, kNameLength);
    if (resort && arrangeKey_ == kByName)
        sort();
    return 0;
}

int BlocTable::setPopulation(int bloc, int32_t population)
{
    if (bloc < 0 || bloc >= n_)
        return codeOf(Msg::OutOfBounds);
    blocs_[static_cast<size_t>(bloc)].population = population;
    return 0;
}

int BlocTable::setBlocs(const std::vector<Real>& weights, const std::vector<std::string>& names,
                        const std::vector<int32_t>& populations)
{
    const size_t n = weights.size();
    if (n < static_cast<size_t>(kMinBlocs) || n > static_cast<size_t>(kMaxBlocs))
        return codeOf(Msg::OutOfBounds);
    for (Real w : weights) {
        if (!(w >= 1))
            return codeOf(Msg::PositiveValue);
        if (w > kMaxWeight)
            return codeOf(Msg::OutOfBounds);
    }
    for (size_t i = 0; i < n; ++i) {
        Bloc& b = blocs_[i];
        b.value = {};
        b.value[kWeight] = weights[i];
        b.name = i < names.size() && !names[i].empty() ? names[i].substr(0, kNameLength)
                                                       : defaultName(static_cast<int>(i) + 1);
        b.population = i < populations.size() ? populations[i] : 0;
    }
    n_ = static_cast<int>(n);
    pair_ = OppositionPair{};
    refreshWeights();
    sort();
    invalidate();
    return 0;
}

int BlocTable::deleteRows(long long a, long long b)
{
    if (a < 1 || b < 1 || a > n_ || b > n_)
        return codeOf(Msg::OutOfBounds);
    if (a > b)
        std::swap(a, b);
    const int removed = static_cast<int>(b - a + 1);
    if (n_ - removed < kMinBlocs)
        return codeOf(Msg::NeedAtLeastOne);
    std::vector<bool> gone(static_cast<size_t>(kMaxBlocs), false);
    for (long long r = a; r <= b; ++r)
        gone[static_cast<size_t>(order_[static_cast<size_t>(r - 1)])] = true;
    // The kept blocs keep their order; the pair follows its blocs or ends.
    std::array<Bloc, kMaxBlocs> kept{};
    std::vector<int> newIndex(static_cast<size_t>(kMaxBlocs), -1);
    int k = 0;
    for (int i = 0; i < kMaxBlocs; ++i) {
        if (i < n_ && gone[static_cast<size_t>(i)])
            continue;
        newIndex[static_cast<size_t>(i)] = k;
        kept[static_cast<size_t>(k++)] = blocs_[static_cast<size_t>(i)];
    }
    for (; k < kMaxBlocs; ++k) {
        Bloc& fresh = kept[static_cast<size_t>(k)];
        fresh.value[kWeight] = low_;
        fresh.name = defaultName(k + 1);
    }
    blocs_ = kept;
    n_ -= removed;
    if (pair_.isSet()) {
        int f = newIndex[static_cast<size_t>(pair_.first)];
        int s = newIndex[static_cast<size_t>(pair_.second)];
        pair_ = f >= 0 && s >= 0 && f < n_ && s < n_ ? OppositionPair{f, s} : OppositionPair{};
    }
    refreshWeights();
    sort();
    invalidate();
    return 0;
}

// ---------------------------------------------------------------------------
// Calculations and results.

int BlocTable::calcAllCases(const Progress& progress)
{
    PowerCounts counts;
    const std::vector<int64_t> w = integerWeights();
    int code = kind_ == PowerKind::Banzhaf ? banzhafAllCases(w, quota_, pair_, progress, counts)
                                           : shapleyAllCases(w, quota_, progress, counts);
    return code != 0 ? code : finishExact(counts);
}

int BlocTable::calcMonteCarlo(const Progress& progress, Random& rng)
{
    PowerCounts counts;
    const std::vector<int64_t> w = integerWeights();
    int code = kind_ == PowerKind::Banzhaf ? banzhafMonteCarlo(w, quota_, pair_, rng, progress, counts)
                                           : shapleyMonteCarlo(w, quota_, rng, progress, counts);
    if (code != 0)
        return code;
    // A sampled run always ends by being stopped; what it counted stands.
    lastStopped_ = counts.cases < BigUint(kMonteCarloSampleLimit);
    applyCounts(counts);
    return 0;
}

int BlocTable::calcExact(const Progress& progress)
{
    PowerCounts counts;
    const std::vector<int64_t> w = integerWeights();
    int code = kind_ == PowerKind::Banzhaf ? banzhafExact(w, quota_, pair_, progress, counts)
                                           : shapleyExact(w, quota_, progress, counts);
    return code != 0 ? code : finishExact(counts);
}

// An exact run counts only when it finished; a stopped one leaves the
// results hidden.
int BlocTable::finishExact(const PowerCounts& counts)
{
    lastStopped_ = counts.stopped;
    if (counts.stopped)
        invalidate();
    else
        applyCounts(counts);
    return 0;
}

void BlocTable::applyCounts(const PowerCounts& counts)
{
    exactPivotal_ = counts.pivotal;
    exactPivotal_.resize(static_cast<size_t>(n_));
    exactCases_ = counts.cases;
    computeResults();
    resultsValid_ = true;
}

// Unit: the largest pivotal count, or the smallest non-zero one, never
// below 1. A calculation that counted nothing (a sampled run stopped before
// any winning coalition) gives zero percentages rather than a division by 0.
void BlocTable::computeResults()
{
    BigUint largest, smallest, sum;
    for (const BigUint& p : exactPivotal_) {
        if (p > largest)
            largest = p;
        if (!p.isZero() && (smallest.isZero() || p < smallest))
            smallest = p;
        sum += p;
    }
    Real unit = (unit_ == PowerUnit::Large ? largest : smallest).toReal();
    if (unit < 1)
        unit = 1;
    const Real cases = exactCases_.toReal();
    const Real all = sum.toReal();
    for (int i = 0; i < n_; ++i) {
        Bloc& b = blocs_[static_cast<size_t>(i)];
        const Real p = exactPivotal_[static_cast<size_t>(i)].toReal();
        b.value[kPivotal] = p;
        b.value[kPivotalPct] = cases > 0 ? p * 100 / cases : 0;
        b.value[kPower] = p / unit;
        b.value[kPowerPct] = all > 0 ? p * 100 / all : 0;
    }
    totals_[kPivotal] = cases;
}

// ---------------------------------------------------------------------------
// Display, Text out and TeX output.

BnzDocument BlocTable::save() const
{
    BnzDocument doc;
    doc.columnWidth = columnWidth_;
    doc.key = arrangeKey_;
    doc.increasing = increasing_;
    doc.kind = kind_ == PowerKind::Shapley ? 1 : 0;
    doc.pairFirst = pair_.isSet() ? pair_.first : -1;
    doc.pairSecond = pair_.isSet() ? pair_.second : -1;
    doc.quota = quota_;
    doc.low = low_;
    doc.high = high_;
    // Choices the worksheet never made (or could not use) are its defaults.
    doc.worksheetColors = checkedColorChoices(worksheetColors_, kWorksheetColors);
    for (int i = 0; i < n_; ++i) {
        doc.weights.push_back(blocs_[static_cast<size_t>(i)].value[kWeight]);
        doc.names.push_back(blocs_[static_cast<size_t>(i)].name);
    }
    return doc;
}

int BlocTable::load(const BnzDocument& doc)
{
    // Build the new table apart and take it only when every value fits.
    // It starts as New random leaves a table (random weights and default
    // names on every row, small unit, no pair) and then takes the file's
    // blocs, so no row of the old table survives.
    BlocTable fresh = *this;
    if (fresh.setRange(doc.low, doc.high))
        return codeOf(Msg::CannotOpenFile);
    fresh.newRandom();
    if (fresh.setBlocs(doc.weights, doc.names) || fresh.setColumnWidth(doc.columnWidth) ||
        fresh.arrangeBy(doc.key))
        return codeOf(Msg::CannotOpenFile);
    fresh.setIncreasing(doc.increasing);
    fresh.setKind(doc.kind == 1 ? PowerKind::Shapley : PowerKind::Banzhaf);
    if (doc.pairFirst >= 0 && fresh.setPair(doc.pairFirst, doc.pairSecond))
        return codeOf(Msg::CannotOpenFile);
    // The stored quota stands when it can be met; else the majority.
    if (doc.quota >= 1 && static_cast<Real>(doc.quota) <= fresh.totalWeight())
        fresh.setQuota(doc.quota);
    fresh.worksheetColors_ = doc.worksheetColors;
    *this = std::move(fresh);
    return 0;
}

bool BlocTable::cellEditable(int row, int column) const
{
    return row >= 0 && row < n_ && (column == -1 || column == kWeight);
}

std::string BlocTable::displayName(int bloc) const
{
    const std::string& name = blocs_[static_cast<size_t>(bloc)].name;
    return pair_.contains(bloc) ? name + "*" : name;
}

std::string BlocTable::rowPrefix(int displayRow) const
{
    return rowNumbers_ ? formatInt(displayRow + 1, 2, '0') + ". " : std::string();
}

size_t BlocTable::nameWidth() const
{
    size_t width = 0;
    for (size_t r = 0; r < order_.size(); ++r)
        width = std::max(width, rowPrefix(static_cast<int>(r)).size() + displayName(order_[r]).size());
    return width;
}

bool BlocTable::columnShown(int column) const
{
    return column == kWeight || column == kWeightPct || resultsValid_;
}

std::string BlocTable::cellText(int bloc, int column) const
{
    if (!columnShown(column))
        return {};
    // Counts are exact integers, however many digits they have.
    if (column == kPivotal)
        return padLeft(exactPivotal(bloc).toString(), 2);
    int p = decimals(column);
    return formatReal(blocs_[static_cast<size_t>(bloc)].value[static_cast<size_t>(column)], p + 2, p);
}

std::string BlocTable::totalText(int column) const
{
    if (column == kPivotalPct || column == kPower || !columnShown(column))
        return {};
    if (column == kPivotal)
        return padLeft(exactCases_.toString(), 2);
    int p = decimals(column);
    return formatReal(totals_[static_cast<size_t>(column)], p + 2, p);
}

std::string BlocTable::textOut() const
{
    ColumnTable t;
    t.nameHeading = headings_[kNameHeading];
    // The names' column is at least as wide as its heading, which is never
    // cut.
    t.nameWidth = std::max(nameWidth(), headings_[kNameHeading].size());
    t.columnWidth = static_cast<size_t>(std::max(columnWidth_, 0));
    for (int c = 0; c < kColumns; ++c)
        t.headings.push_back(headings_[static_cast<size_t>(c)]);
    for (size_t r = 0; r < order_.size(); ++r) {
        const int b = order_[r];
        ColumnTable::Row row;
        row.name = rowPrefix(static_cast<int>(r)) + displayName(b);
        for (int c = 0; c < kColumns; ++c)
            row.cells.push_back(cellText(b, c));
        t.rows.push_back(std::move(row));
    }
    for (int c = 0; c < kColumns; ++c)
        t.totals.push_back(totalText(c));
    return columnTableText(t, kMaxTextLength);
}

namespace {

std::string whole(Real v)
{
    return formatReal(v, 0, 0);
}

} // namespace

std::string BlocTable::texCell(int bloc, int column) const
{
    if (!columnShown(column))
        return {};
    if (column == kPivotal)
        return exactPivotal(bloc).toString();
    return formatReal(blocs_[static_cast<size_t>(bloc)].value[static_cast<size_t>(column)], 0,
                      decimals(column));
}

std::string BlocTable::texOutput() const
{
    const std::string W = whole(totals_[kWeight]);
    const std::string cases = resultsValid_ ? exactCases_.toString() : whole(totals_[kPivotal]);
    const std::string powerTotal = whole(totals_[kPowerPct]);
    // The names' column holds its heading too; the pivotal percentages
    // (up to "100.00") need six places even when "00" + cases is shorter.
    const std::string names(std::max(nameWidth(), headings_[kNameHeading].size()), '0');
    std::string pivotalPct = "00" + cases;
    if (pivotalPct.size() < 6)
        pivotalPct.insert(0, 6 - pivotalPct.size(), '0');
    TexColumnTable t;
    t.templateCells = {names, "0" + W, "000000", "0" + cases + ".000", pivotalPct,
                       "000000", "00" + powerTotal, "0" + cases + ".000", "0" + cases + ".000"};
    std::vector<std::string> head{headings_[kNameHeading]};
    for (int c = 0; c < kColumns; ++c)
        head.push_back(headings_[static_cast<size_t>(c)]);
    t.rows.push_back(std::move(head));
    for (size_t r = 0; r < order_.size(); ++r) {
        const int b = order_[r];
        std::vector<std::string> row{displayName(b)};
        for (int c = 0; c < kColumns; ++c)
            row.push_back(texCell(b, c));
        t.rows.push_back(std::move(row));
    }
    // Before a calculation there are no cases and no power to total.
    const std::string shownCases = resultsValid_ ? cases : std::string();
    const std::string shownPower = resultsValid_ ? powerTotal : std::string();
    t.footer = {std::nullopt, W, std::nullopt, shownCases, shownCases, std::nullopt, shownPower, std::nullopt,
                std::nullopt};
    return columnTableTex(t);
}

} // namespace quan
