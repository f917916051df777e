#include "apportion/apportion.h"

#include "core/msgcode.h"

#include "apportion/methods.h"

#include "apportion/census.h"
#include "resources/strings.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

constexpr Real kIntMax = 2147483647.0L;
constexpr Real kTolerance = 1e-13L;

bool validMethod(int m) { return m >= 0 && m < kMethodCount; }
bool validKey(int key)
{
    return key == kArrangeName || key == kArrangePopulation || key == kArrangeDistrict ||
           key == kArrangeCritical;
}

// Whole part of a non-negative quota as a seat count (NaN gives 0, the
// quota is clamped to 0..2147483647).
// Case-insensitive "a comes before b".
bool nameBelow(const std::string& a, const std::string& b) { return toLower(a) < toLower(b); }

std::string spareName(int record, bool twoDigits)
{
    return S(Str::Name) + " " + (twoDigits ? formatInt(record + 1, 2, '0') : std::to_string(record + 1));
}

} // namespace

std::string methodShortName(int m) { return validMethod(m) ? S(Str::MethodShortFirst, m) : std::string(); }
std::string methodLongName(int m) { return validMethod(m) ? S(Str::MethodLongFirst, m) : std::string(); }

AppTable::AppTable()
{
    for (int i = 0; i < kMaxStates; ++i) {
        rows_[i].v[kColPop] = 5000;
        rows_[i].name = spareName(i, true);
        order_[i] = i;
    }
    for (int c = 0; c <= kNameColumn; ++c)
        headings_[c] = S(Str::AppHeadingFirst, c);
    loadCensus(kCensus2010);
}

// ---- Computation -----------------------------------------------------------

void AppTable::apportion()
{
    const Real infinite = constants().infinite();
    const MethodRule& rule = methodRule(method_);
    const bool byQuota = !rule.divisor;
    const long long h = roundHalfDown(totals_[kColQuota]);

    Real total = 0;
    for (int i = 0; i < n_; ++i)
        total += rows_[i].v[kColPop];

    // Steps 1-2: quotas, whole seats by the method's rounding, remainders.
    std::array<Real, kMaxStates> remainder{};
    long long seats = 0;
    for (int i = 0; i < n_; ++i) {
        auto& v = rows_[i].v;
        const Real share = total > 0 ? v[kColPop] / total : 0;
        v[kColQuota] = share * h;
        v[kColPct] = share * 100;
        Real q = byQuota ? v[kColQuota] : v[kColPop] / divisor_;
        if (std::isnan(q))
            q = 0;
        v[kColAdjQuota] = q;
        Real r = 0;
        const long long k = seatsForQuota(rule, q, r);
        v[kColReps] = static_cast<Real>(k);
        remainder[i] = r;
        seats += k;
    }

    // Step 3: the largest-remainder methods hand out the missing seats, one
    // per state, largest remainder first; ties go to the earlier state.
    if (byQuota) {
        std::array<bool, kMaxStates> eligible{};
        eligible.fill(true);
        while (seats < h) {
            int best = -1;
            Real max = 0;
            for (int i = 0; i < n_; ++i)
                if (eligible[i] && remainder[i] > max) {
                    max = remainder[i];
                    best = i;
                }
            if (best < 0)
                break;
            rows_[best].v[kColReps] += 1;
            eligible[best] = false;
            ++seats;
        }
    }

    // Steps 4-5: seat percentages, district sizes, critical values.
    for (int i = 0; i < n_; ++i) {
        auto& v = rows_[i].v;
        const Real reps = v[kColReps];
        v[kColRepsPct] = seats > 0 ? reps * 100 / static_cast<Real>(seats) : 0;
        v[kColDistrict] = reps <= kTolerance ? infinite : v[kColPop] / reps;
        v[kColCrit] = rule.critical(std::floor(v[kColAdjQuota]), remainder[i]);
    }

    // Step 6: totals.
    totals_[kColPop] = total;
    totals_[kColPct] = 100;
    totals_[kColReps] = static_cast<Real>(seats);
    totals_[kColRepsPct] = 100;
    totals_[kColDistrict] = h > 0 ? total / static_cast<Real>(h) : infinite;
    totals_[kColAdjQuota] = 0;
    totals_[kColCrit] = 0;
}

Real AppTable::idealDivisor() const
{
    const Real h = house();
    return h > 0 ? totals_[kColPop] / h : 0;
}

void AppTable::deriveDivisorRange()
{
    const Real remembered = divisor_;
    const int m = method_;
    const Real total = totals_[kColPop];
    divisor_ = idealDivisor();
    method_ = kJeffersonMin1;
    apportion();
    const Real seatsFew = seatsAssigned();
    method_ = kAdams;
    apportion();
    const Real seatsMany = seatsAssigned();
    method_ = m;
    right_ = total / seatsFew;
    left_ = total / seatsMany;
    // A degenerate (or, for an empty table, undefined) range gets a fixed width.
    if (!(seatsFew > 0 && seatsMany > 0) || !(right_ - left_ >= kTolerance)) {
        left_ = 0.9L * divisor_;
        right_ = 1.2L * divisor_;
    }
    if (remembered >= left_ - kTolerance && remembered <= right_ + kTolerance)
        divisor_ = remembered;
    apportion();
}

MethodChange AppTable::setMethod(int m, int* code)
{
    MethodChange change;
    if (code)
        *code = validMethod(m) ? 0 : 17;
    if (!validMethod(m) || m == method_)
        return change;
    change.changed = true;
    change.closeDivisorWindows = !isDivisorMethod(m);
    change.closePriorityList = true;
    change.showDivisorDialog = isDivisorMethod(m);
    method_ = m;
    apportion();
    if (isDivisorMethod(m))
        deriveDivisorRange();
    return change;
}

int AppTable::setDivisor(Real d)
{
    if (!std::isfinite(d) || !(d > 0))
        return codeOf(Msg::OutOfBounds);
    divisor_ = d;
    apportion();
    return 0;
}

bool AppTable::correctDivisor() const
{
    return std::fabs(totals_[kColQuota] - totals_[kColReps]) < 0.1L;
}

std::string AppTable::titleText() const
{
    std::string t = " [" + methodLongName(method_);
    if (isDivisorMethod(method_))
        t += "; " + formatReal(divisor_, 4, 2) + " " + S(correctDivisor() ? Str::CorrectDivisor : Str::IncorrectDivisor);
    t += "]";
    if (autofeed_)
        t += "   " + S(Str::EscCancelsAutofeed);
    return t;
}

// ---- Divisor dialog --------------------------------------------------------

int AppTable::sliderPosition() const
{
    Real width = right_ - left_;
    if (std::fabs(width) < 1e-16L)
        width = 1.0L;
    return std::clamp(roundHalfDown((divisor_ - left_) * kSliderSteps / width), 0, kSliderSteps);
}

void AppTable::setSliderPosition(int pos)
{
    pos = std::clamp(pos, 0, kSliderSteps);
    divisor_ = left_ + pos * (right_ - left_) / kSliderSteps;
    apportion();
}

std::string AppTable::divisorText() const
{
    return formatReal(divisor_, quotaPlaces_ + 2, quotaPlaces_);
}

int AppTable::applyDivisor(Real v)
{
    if (!std::isfinite(v) || v < 1)
        return codeOf(Msg::OutOfBounds);
    left_ = std::min(left_, v);
    right_ = std::max(right_, v);
    divisor_ = v;
    apportion();
    return 0;
}

int AppTable::setSliderLeft(Real v)
{
    if (!std::isfinite(v) || v < 1 || v + 1e-16L > right_)
        return codeOf(Msg::OutOfBounds);
    left_ = v;
    divisor_ = v;
    apportion();
    return 0;
}

int AppTable::setSliderRight(Real v)
{
    if (!std::isfinite(v) || v < 1 || left_ + 1e-16L > v)
        return codeOf(Msg::OutOfBounds);
    right_ = v;
    divisor_ = v;
    apportion();
    return 0;
}

// ---- Layout ----------------------------------------------------------------

int AppTable::setQuotaPlaces(int q)
{
    if (q < 0 || q > 15)
        return codeOf(Msg::OutOfBounds);
    quotaPlaces_ = q;
    return 0;
}

int AppTable::columnDecimals(int c) const
{
    switch (c) {
    case kColPct:
    case kColRepsPct: return 2;
    case kColQuota:
    case kColAdjQuota:
    case kColCrit: return quotaPlaces_;
    default: return 0;
    }
}

int AppTable::setColumnWidth(int w)
{
    if (w < 6 || w > kMaxColumnWidth)
        return codeOf(Msg::OutOfBounds);
    columnWidth_ = w;
    return 0;
}

int AppTable::setArrangeKey(int key)
{
    if (!validKey(key))
        return codeOf(Msg::OutOfBounds);
    arrangeKey_ = key;
    arrange();
    return 0;
}

void AppTable::setIncreasing(bool on)
{
    increasing_ = on;
    arrange();
}

// Selection sort from the internal order: each position takes the remaining
// row with the extreme key. Increasing: a row replaces the candidate when its
// value is <= (so among equal values the last one wins; names: strictly
// below, so the first wins). Decreasing: numbers replace on >, names when not
// below. Values never beat the start value (e^42 or 0), so such rows keep
// their place until the end.
void AppTable::arrange()
{
    const Real e42 = constants().e42;
    const std::string lowName(20, 'z'), highName(20, 'A');
    for (int i = 0; i < kMaxStates; ++i)
        order_[i] = i;
    for (int pos = 0; pos < n_; ++pos) {
        int best = pos;
        Real value = increasing_ ? e42 : 0;
        std::string name = increasing_ ? lowName : highName;
        for (int j = pos; j < n_; ++j) {
            const StateRecord& r = rows_[order_[j]];
            bool take;
            if (arrangeKey_ == kArrangeName)
                take = increasing_ ? nameBelow(r.name, name) : !nameBelow(r.name, name);
            else {
                const Real x = r.v[arrangeKey_];
                take = increasing_ ? x <= value : x > value;
            }
            if (take) {
                best = j;
                value = arrangeKey_ == kArrangeName ? 0 : r.v[arrangeKey_];
                name = r.name;
            }
        }
        std::swap(order_[pos], order_[best]);
    }
}

// ---- Cells and editing -----------------------------------------------------

const std::string& AppTable::heading(int col) const
{
    return headings_.at(static_cast<size_t>(std::clamp(col, 0, kNameColumn)));
}

bool AppTable::cellEditable(int row, int col) const
{
    if (row == -1)
        return col >= 0 && col <= kNameColumn;
    if (row >= 0 && row < n_)
        return col == kColPop || col == kNameColumn;
    return row == n_ && col == kColQuota;
}

std::string AppTable::editText(int row, int col) const
{
    if (!cellEditable(row, col))
        return {};
    if (row == -1)
        return heading(col);
    if (row == n_)
        return std::to_string(house());
    if (col == kNameColumn)
        return rowRecord(row).name;
    return formatReal(rowRecord(row).v[col], 0, columnDecimals(col));
}

int AppTable::editCell(int row, int col, const std::string& text)
{
    if (!cellEditable(row, col))
        return codeOf(Msg::OutOfBounds);
    if (row == -1) {
        setHeading(col, text);
        return 0;
    }
    if (row < n_ && col == kNameColumn) {
        setName(row, text);
        return 0;
    }
    Real value;
    if (!parseReal(text, value)) {
        autofeed_ = false;
        return codeOf(Msg::CannotUnderstand);
    }
    return row == n_ ? setHouseSize(value) : setPopulation(row, value);
}

namespace {
int checkCount(Real v)
{
    if (std::isnan(v) || v < 1)
        return codeOf(Msg::PositiveValue);
    return v > kIntMax ? codeOf(Msg::OutOfBounds) : 0;
}
} // namespace

int AppTable::setPopulation(int row, Real p)
{
    if (row < 0 || row >= n_)
        return codeOf(Msg::OutOfBounds);
    if (int code = checkCount(p)) {
        autofeed_ = false;
        return code;
    }
    rows_[recordOfRow(row)].v[kColPop] = p;
    apportion();
    if (arrangeKey_ == kArrangePopulation)
        arrange();
    return 0;
}

int AppTable::setHouseSize(Real h)
{
    if (int code = checkCount(h)) {
        autofeed_ = false;
        return code;
    }
    totals_[kColQuota] = roundHalfDown(h);
    apportion();
    return 0;
}

void AppTable::setName(int row, const std::string& name)
{
    if (row < 0 || row >= n_ || name.empty())
        return;
    rows_[recordOfRow(row)].name = name.substr(0, kNameMax);
    if (arrangeKey_ == kArrangeName)
        arrange();
}

void AppTable::setHeading(int col, const std::string& text)
{
    if (col < 0 || col > kNameColumn || text.empty())
        return;
    headings_[col] = text.substr(0, kHeadingMax);
}

// ---- Table operations ------------------------------------------------------

void AppTable::resetDivisorRange()
{
    apportion(); // T of the new table
    divisor_ = idealDivisor();
    left_ = 0.8L * divisor_;
    right_ = 1.25L * divisor_;
    apportion(); // with the new divisor, so that table and title agree
}

int AppTable::setStateCount(int n)
{
    if (n < 2 || n > kMaxStates)
        return codeOf(Msg::OutOfBounds);
    if (n == n_)
        return 0;
    n_ = n;
    comparisons_.clear();
    apportion();
    arrange();
    resetDivisorRange();
    return 0;
}

int AppTable::deleteRows(int a, int b)
{
    if (a < 1 || b < 1 || a > n_ || b > n_)
        return codeOf(Msg::OutOfBounds);
    if (a > b)
        std::swap(a, b);
    if (a == 1 && b == n_)
        return codeOf(Msg::NeedAtLeastOne);
    std::array<bool, kMaxStates> removed{};
    for (int row = a - 1; row < b; ++row)
        removed[recordOfRow(row)] = true;
    std::array<StateRecord, kMaxStates> fresh{};
    int kept = 0;
    for (int i = 0; i < n_; ++i)
        if (!removed[i])
            fresh[kept++] = rows_[i];
    for (int i = kept; i < kMaxStates; ++i) {
        fresh[i].v[kColPop] = 5000;
        fresh[i].name = spareName(i, false);
    }
    rows_ = fresh;
    comparisons_.clear();
    n_ = kept;
    apportion();
    arrange();
    resetDivisorRange();
    return 0;
}

int AppTable::loadCensus(int k)
{
    if (!censusIndexValid(k))
        return codeOf(Msg::OutOfBounds);
    const CensusSetData* data = censusData(k);
    const std::vector<int> ids = censusStateIds(k);
    if (!data || data->count != static_cast<int>(ids.size()))
        return codeOf(Msg::NotYetAvailable);
    if (data->count != n_)
        comparisons_.clear();
    n_ = data->count;
    totals_[kColQuota] = censusHouseSize(k);
    for (int i = 0; i < n_; ++i) {
        rows_[i].v[kColPop] = data->entries[i].population;
        rows_[i].name = S(ids[i]);
    }
    apportion();
    arrange();
    resetDivisorRange();
    return 0;
}

HorDocument AppTable::documentData() const
{
    HorDocument d;
    d.columnWidth = columnWidth_;
    d.method = method_;
    d.key = arrangeKey_;
    d.houseSize = house();
    d.increasing = increasing_;
    for (int i = 0; i < n_; ++i) {
        d.populations.push_back(rows_[i].v[kColPop]);
        d.names.push_back(rows_[i].name);
    }
    d.divisor = divisor_;
    for (size_t c = 0; c < d.headings.size(); ++c)
        d.headings[c] = headings_[c];
    return d;
}

int AppTable::loadDocument(const HorDocument& d)
{
    const size_t n = d.populations.size();
    bool ok = n >= 2 && n <= static_cast<size_t>(kMaxStates) && d.names.size() == n && d.columnWidth >= 1 &&
              d.columnWidth <= kMaxColumnWidth && validMethod(d.method) && validKey(d.key) && d.houseSize >= 1 &&
              std::isfinite(d.divisor) && d.divisor > 0;
    Real total = 0;
    for (size_t i = 0; ok && i < n; ++i) {
        const Real p = d.populations[i];
        ok = std::isfinite(p) && p >= 0 && p <= kIntMax;
        total += p;
    }
    if (!ok || !(total > 0))
        return codeOf(Msg::InconsistentData);
    const int count = static_cast<int>(n);
    if (count != n_)
        comparisons_.clear();
    n_ = count;
    columnWidth_ = d.columnWidth;
    method_ = d.method;
    arrangeKey_ = d.key;
    totals_[kColQuota] = d.houseSize;
    increasing_ = d.increasing;
    for (size_t i = 0; i < n; ++i) {
        rows_[i].v[kColPop] = d.populations[i];
        rows_[i].name = d.names[i].substr(0, kNameMax);
    }
    for (size_t c = 0; c < d.headings.size(); ++c)
        headings_[c] = d.headings[c].substr(0, kHeadingMax);
    divisor_ = d.divisor;
    apportion();
    arrange();
    left_ = 0.9L * divisor_;
    right_ = 1.1L * divisor_;
    return 0;
}

// ---- Comparison list and electoral blocs -----------------------------------

std::string AppTable::registerTitle() const
{
    return S(Str::Apportionment) + " #" + std::to_string(comparisons_.size() + 1);
}

std::string AppTable::registerPreset() const { return methodShortName(method_); }

void AppTable::registerApportionment(const std::string& heading)
{
    RegisteredApportionment e;
    for (int i = 0; i < n_; ++i)
        e.seats.push_back(roundHalfDown(rows_[i].v[kColReps]));
    e.house = house();
    e.method = method_;
    e.divisor = roundHalfDown(isDivisorMethod(method_) ? divisor_ : idealDivisor());
    e.heading = heading.substr(0, kHeadingMax);
    comparisons_.push_back(std::move(e));
}

std::vector<ElectoralBloc> AppTable::electoralBlocs() const
{
    std::vector<ElectoralBloc> blocs;
    for (int i = 0; i < n_; ++i)
        blocs.push_back({rows_[i].name, roundHalfDown(rows_[i].v[kColReps] + 2),
                         roundHalfDown(rows_[i].v[kColPop] * 0.37L)});
    blocs.push_back({S(Str::DistrictOfColumbia), 3, roundHalfDown(222637.51L)});
    return blocs;
}

} // namespace quan
