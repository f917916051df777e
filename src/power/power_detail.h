// What the files of the voting-power calculations share (power_calc.cpp,
// power_allcases.cpp, power_montecarlo.cpp, power_exact.cpp); nothing
// outside src/power includes this.
#pragma once

#include "core/msgcode.h"
#include "power/power_calc.h"

namespace quan::powerdetail {

// Checks shared by every calculation; 0 when the table can be worked on.
// total receives the sum of the weights. A table of 1..99 weights of
// 1..2147483647 and a quota of at least 1 passes unless the quota is more
// than the total: then the calculation's own message.
int checkTable(const std::vector<int64_t>& w, int64_t q, int64_t& total, Msg unreachableQuota);
// Whether pair names two different blocs of a table of n.
bool pairUsable(OppositionPair pair, size_t n);

// Reports the percentage done whenever its whole part grows.
class PercentTitle {
public:
    PercentTitle(const Progress& progress, bool shown, uint64_t total);
    void update(uint64_t done);

private:
    const Progress& progress_;
    bool shown_;
    uint64_t total_;
    int last_ = 0;
};

} // namespace quan::powerdetail
