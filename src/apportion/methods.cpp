#include "apportion/methods.h"

#include "apportion/apportion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quan {

namespace {

long long whole(Real q) { return q > 0 ? static_cast<long long>(std::floor(q)) : 0; }

// Seats.
long long floorSeats(Real q, Real&) { return whole(q); }
long long floorSeatsAtLeastOneRanked(Real q, Real& r)
{
    // A state without a seat comes first for the seats left over.
    const long long k = whole(q);
    if (k == 0)
        r = 1.0L;
    return k;
}
long long floorSeatsAtLeastOne(Real q, Real&) { return std::max<long long>(1, whole(q)); }
long long roundedSeats(Real q, Real&) { return std::max<long long>(0, roundHalfDown(q)); }
long long roundedSeatsAtLeastOne(Real q, Real&) { return std::max<long long>(1, roundHalfDown(q)); }
long long ceilingSeats(Real q, Real& r) { return whole(q) + (r > 0 ? 1 : 0); }
long long geometricSeats(Real q, Real&)
{
    const long long k = whole(q);
    return q > std::sqrt(static_cast<Real>(k) * (k + 1)) ? k + 1 : k;
}
long long harmonicSeats(Real q, Real&)
{
    const long long k = whole(q);
    return q * (2 * k + 1) > 2 * static_cast<Real>(k) * (k + 1) ? k + 1 : k;
}
long long relativeRemainderSeats(Real q, Real& r)
{
    // The remainder counts relative to the seats already held; a state
    // without one comes first.
    const long long k = whole(q);
    r = k == 0 ? 1.0L : r / static_cast<Real>(k);
    return k;
}

// Critical values.
Real remainderCritical(Real, Real r) { return r; }
Real upCritical(Real f, Real r) { return r > 0 ? f + 1 : f; }
Real upCriticalFromOne(Real f, Real r) { return r > 0 && f > 0 ? f + 1 : f; }
Real halfCritical(Real f, Real r) { return r > 0 ? f + 0.5L : f; }
Real halfCriticalFromOne(Real f, Real r) { return r > 0 && f > 0 ? f + 0.5L : f; }
Real floorCritical(Real f, Real) { return f; }
Real geometricCritical(Real f, Real) { return std::sqrt(f * (f + 1)); }
Real harmonicCritical(Real f, Real) { return 2 * f * (f + 1) / (2 * f + 1); }

// Needs; a state without a seat needs one infinitely under the methods
// that give every state one.
Real noNeed(Real, long long, Real) { return 0; }
Real jeffersonNeed(Real p, long long k, Real) { return p / (static_cast<Real>(k) + 1); }
Real jeffersonFromOneNeed(Real p, long long k, Real e42) { return k == 0 ? e42 : jeffersonNeed(p, k, e42); }
Real websterNeed(Real p, long long k, Real) { return p / (static_cast<Real>(k) + 0.5L); }
Real websterFromOneNeed(Real p, long long k, Real e42) { return k == 0 ? e42 : websterNeed(p, k, e42); }
Real adamsNeed(Real p, long long k, Real e42) { return k == 0 ? e42 : p / static_cast<Real>(k); }
Real geometricNeed(Real p, long long k, Real e42)
{
    const Real x = static_cast<Real>(k);
    return k == 0 ? e42 : p / std::sqrt(x * (x + 1));
}
Real harmonicNeed(Real p, long long k, Real e42)
{
    const Real x = static_cast<Real>(k);
    return k == 0 ? e42 : p * (x + 0.5L) / (x * (x + 1));
}

} // namespace

long long seatsForQuota(const MethodRule& rule, Real q, Real& r)
{
    if (std::isnan(q))
        q = 0;
    r = std::isfinite(q) ? q - std::floor(q) : 0;
    q = std::min(q, 2147483647.0L);
    return rule.seats(q, r);
}

long long seatsAtDivisor(int m, Real p, Real d)
{
    Real r = 0;
    return seatsForQuota(methodRule(m), p / d, r);
}

namespace {

const std::array<MethodRule, kMethodCount> kRules = [] {
    std::array<MethodRule, kMethodCount> t{};
    t[kHamilton] = {false, floorSeats, remainderCritical, noNeed};
    t[kHamiltonMin1] = {false, floorSeatsAtLeastOneRanked, remainderCritical, noNeed};
    t[kJefferson] = {true, floorSeats, upCritical, jeffersonNeed};
    t[kJeffersonMin1] = {true, floorSeatsAtLeastOne, upCriticalFromOne, jeffersonFromOneNeed};
    t[kWebster] = {true, roundedSeats, halfCritical, websterNeed};
    t[kWebsterMin1] = {true, roundedSeatsAtLeastOne, halfCriticalFromOne, websterFromOneNeed};
    t[kAdams] = {true, ceilingSeats, floorCritical, adamsNeed};
    t[kHuntingtonHill] = {true, geometricSeats, geometricCritical, geometricNeed};
    t[kDean] = {true, harmonicSeats, harmonicCritical, harmonicNeed};
    t[kLowndes] = {false, relativeRemainderSeats, remainderCritical, noNeed};
    return t;
}();

} // namespace

const MethodRule& methodRule(int m) { return kRules[static_cast<size_t>(std::clamp(m, 0, kMethodCount - 1))]; }

} // namespace quan
