// The ten apportionment methods, each as one small set of rules: how a
// state's adjusted quota becomes whole seats (and what remainder ranks it
// for the seats still to give), its critical value, and what it bids for one
// more seat in the priority list. The table computation (apportion()) and
// the priority list only look the rules up.
#pragma once

#include "core/qmath.h"

namespace quan {

struct MethodRule {
    // A divisor method; otherwise the seats left over go by largest
    // remainders.
    bool divisor = false;
    // Whole seats for the adjusted quota q (already at most 2147483647). r
    // comes in as the fraction of q and goes out as the remainder that
    // ranks the state for the seats left over.
    long long (*seats)(Real q, Real& r) = nullptr;
    // The critical value from f, the whole part of the adjusted quota, and
    // the remainder r.
    Real (*critical)(Real f, Real r) = nullptr;
    // What a state of population p holding k seats bids for the next one
    // (divisor methods); e42 stands for an infinite need.
    Real (*need)(Real p, long long k, Real e42) = nullptr;
};

// The rules of method m (kHamilton .. kLowndes); m must be valid.
const MethodRule& methodRule(int m);

// The whole seats the rule gives for an adjusted quota q (not a number
// counts as 0, more than 2147483647 as that many); r receives the ranking
// remainder. The table and the divisor plot both count seats through it.
long long seatsForQuota(const MethodRule& rule, Real q, Real& r);
// The seats a state of population p gets at divisor d under method m.
long long seatsAtDivisor(int m, Real p, Real d);

} // namespace quan
