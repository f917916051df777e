#include "apportion/divplot.h"

#include "apportion/methods.h"
#include "resources/strings.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

constexpr Real kTiny = 1e-16L;

// Whether the tick for k is drawn: k > 0, or k = 0 under plain Jefferson
// and plain Webster (the other methods' first critical count is 0 or is
// replaced by their minimum of one seat).
bool drawable(int m, long long k) { return k > 0 || m == kJefferson || m == kWebster; }

Real tickAt(int m, Real p, long long k) { return p / criticalCount(m, k); }


} // namespace

Real criticalCount(int m, long long k)
{
    const Real x = static_cast<Real>(k);
    Real c = 0;
    switch (m) {
    case kJefferson:
    case kJeffersonMin1: c = x + 1; break;
    case kWebster:
    case kWebsterMin1: c = x + 0.5L; break;
    case kAdams: c = x; break;
    case kHuntingtonHill: c = std::sqrt(x * (x + 1)); break;
    case kDean: c = 2 * x * (x + 1) / (2 * x + 1); break;
    default: c = x + 1; break;
    }
    return c < kTiny ? 1 : c;
}

std::vector<Real> divisorTicks(int m, Real p, Real xmin, Real xmax, Real minGap)
{
    std::vector<Real> out;
    if (!(p > 0) || !(xmax > 0) || !(xmax >= xmin) || !std::isfinite(p))
        return out;
    // Every critical count lies between k and k + 1, so the ticks right of
    // xmax are those of k below p / xmax - 1: start just before them.
    const Real q = p / xmax;
    // Past 2^62 seats no count is meant (and k would overflow).
    if (!(q < 4e18L))
        return out;
    long long k = q > 4 ? static_cast<long long>(q - 2) : 0;
    // The drawable tick before the first one looked at, on screen or not.
    Real previous = 0;
    bool havePrevious = false;
    long long looked = 0;
    if (k > 0 && drawable(m, k - 1)) {
        previous = tickAt(m, p, k - 1);
        havePrevious = true;
    }
    for (;; ++k) {
        if (!drawable(m, k))
            continue;
        const Real x = tickAt(m, p, k);
        if (havePrevious && previous - x < minGap)
            break;
        if (x < xmin)
            break;
        if (x <= xmax)
            out.push_back(x);
        previous = x;
        havePrevious = true;
        // A view with no positive gap, or one between two ticks, still
        // ends: a million ticks are more than any window shows.
        if (out.size() > 1000000 || ++looked > 4000000)
            break;
    }
    return out;
}

void DivisorPlot::compute(const AppTable& t, const DivisorPlotView& v)
{
    const int m = t.method();
    divisor_ = t.divisor();
    rows_.clear();
    total_ = 0;
    for (int row = 0; row < t.stateCount(); ++row) {
        DivisorPlotRow r;
        r.record = t.recordOfRow(row);
        const StateRecord& rec = t.record(r.record);
        r.name = rec.name;
        r.population = rec.v[kColPop];
        r.count = seatsAtDivisor(m, r.population, divisor_);
        total_ += r.count;
        if (r.population > 0) {
            // The count changes to count + 1 at the tick of k = count, and
            // to count - 1 at the tick of k = count - 1 (when there is one).
            r.gainsBelow = tickAt(m, r.population, r.count);
            const bool atMinimum = (m == kJeffersonMin1 || m == kWebsterMin1) && r.count <= 1;
            if (r.count >= 1 && !atMinimum && drawable(m, r.count - 1))
                r.losesAbove = tickAt(m, r.population, r.count - 1);
        }
        if (row >= v.firstRow && row <= v.lastRow)
            r.ticks = divisorTicks(m, r.population, v.xmin, v.xmax, v.minGap);
        rows_.push_back(std::move(r));
    }
}

std::string DivisorPlot::title(const AppTable& t, int decimals)
{
    return formatReal(t.divisor(), 0, decimals) + "  ===>  " + S(Str::TotalReps) + " = " +
           formatInt(static_cast<long long>(std::llround(t.seatsAssigned())));
}

std::string DivisorPlot::textOut(const AppTable& t, int decimals) const
{
    const std::string gains = "gains a seat below", loses = "loses one above", seats = "seats";
    size_t nameW = 5;
    for (const auto& r : rows_)
        nameW = std::max(nameW, r.name.size());
    auto value = [&](Real x) { return x > 0 ? formatReal(x, 0, decimals) : std::string("-"); };
    std::string out = padRight("state", nameW) + "  " + seats + "  " + gains + "  " + loses + "\r\n";
    for (const auto& r : rows_) {
        out += padRight(r.name, nameW) + "  " + padLeft(formatInt(r.count), seats.size()) + "  " +
               padLeft(value(r.gainsBelow), gains.size()) + "  " + padLeft(value(r.losesAbove), loses.size()) + "\r\n";
    }
    out += title(t, decimals) + "\r\n";
    return out;
}

} // namespace quan
