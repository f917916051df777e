// The least number of bins a list can be packed into, by branch and bound:
// the items in decreasing order, each put into every open bin it fits
// (bins of equal free room tried once) or into a new bin, with first fit
// decreasing as the first upper bound and the Martello-Toth bound L2 as
// the lower bound at which the search ends early. Exponential in the worst
// case: the search polls for Q.
#pragma once

#include "packing/core/packing.h"

#include <functional>
#include <string>
#include <vector>

namespace quan {

// The lower bound L2 of Martello and Toth: for every threshold k up to
// capacity / 2, the items too large to share a bin with any item of size
// k or more each need their own bin, and the items of size k .. capacity/2
// must fill what the large ones leave over. Never below ceil(total /
// capacity). Every item must lie in 1..capacity.
int64_t strongerLowerBound(const std::vector<int64_t>& items, int64_t capacity);

struct OptimumProgress {
    // The pending key ('Q' stops); polled every few thousand steps.
    std::function<int()> poll;
    // Progress for the title.
    std::function<void(const std::string&)> title;
};

struct OptimumResult {
    bool finished = false;   // false: stopped by Q
    int bins = 0;            // the least number (the best found when stopped)
    int64_t lowerBound = 0;  // L2
    std::vector<Bin> packing; // a packing with that many bins
    long long nodes = 0;      // search steps taken
};

OptimumResult leastBins(const std::vector<int64_t>& items, int64_t capacity, const OptimumProgress& progress = {});

// The notebook text of a finished search.
std::string optimumText(const OptimumResult& r, int itemCount, int64_t capacity);

} // namespace quan
