#include "packing/core/optimum.h"

#include <algorithm>

namespace quan {

int64_t strongerLowerBound(const std::vector<int64_t>& items, int64_t capacity)
{
    int64_t total = 0;
    for (int64_t s : items)
        total += s;
    int64_t best = lowerBound(total, capacity);
    // Thresholds worth trying: 0 and every size up to capacity / 2.
    std::vector<int64_t> ks{0};
    for (int64_t s : items)
        if (2 * s <= capacity)
            ks.push_back(s);
    std::sort(ks.begin(), ks.end());
    ks.erase(std::unique(ks.begin(), ks.end()), ks.end());
    for (int64_t k : ks) {
        int64_t big = 0, mid = 0, midSum = 0, small = 0;
        for (int64_t s : items) {
            if (s > capacity - k)
                ++big;
            else if (2 * s > capacity) {
                ++mid;
                midSum += s;
            } else if (s >= k)
                small += s;
        }
        int64_t left = mid * capacity - midSum; // room the middle items leave
        int64_t extra = small > left ? (small - left + capacity - 1) / capacity : 0;
        best = std::max(best, big + mid + extra);
    }
    return best;
}

namespace {

class Search {
public:
    Search(const std::vector<int64_t>& a, int64_t c, const OptimumProgress& p) : a_(a), c_(c), p_(p)
    {
        rest_.assign(a_.size() + 1, 0);
        for (size_t i = a_.size(); i-- > 0;)
            rest_[i] = rest_[i + 1] + a_[i];
        assign_.assign(a_.size(), 0);
    }

    // best and bestAssign hold an upper bound on entry.
    void run(int lower, int& best, std::vector<int>& bestAssign)
    {
        lower_ = lower;
        best_ = &best;
        bestAssign_ = &bestAssign;
        step(0, 0);
    }
    bool stopped() const { return stopped_; }
    long long nodes() const { return nodes_; }

private:
    void step(size_t i, int64_t freeSum)
    {
        if (stopped_ || *best_ <= lower_)
            return;
        if (++nodes_ % 4096 == 0) {
            if (p_.poll && p_.poll() == 'Q') {
                stopped_ = true;
                return;
            }
            if (p_.title && nodes_ % (4096 * 64) == 0)
                p_.title("optimum: best " + formatInt(*best_) + ", " + formatInt(nodes_) + " steps");
        }
        const int open = static_cast<int>(room_.size());
        if (i == a_.size()) {
            if (open < *best_) {
                *best_ = open;
                *bestAssign_ = assign_;
            }
            return;
        }
        // What does not fit into the free room needs new bins.
        int64_t over = rest_[i] - freeSum;
        int64_t need = open + (over > 0 ? (over + c_ - 1) / c_ : 0);
        if (need >= *best_)
            return;
        const int64_t s = a_[i];
        // An item that fills a bin exactly goes there: any packing can be
        // changed into one that does so without more bins.
        for (int b = 0; b < open; ++b)
            if (room_[static_cast<size_t>(b)] == s) {
                place(i, b, freeSum);
                return;
            }
        std::vector<int64_t> tried;
        for (int b = 0; b < open && !stopped_; ++b) {
            int64_t r = room_[static_cast<size_t>(b)];
            if (r < s || std::find(tried.begin(), tried.end(), r) != tried.end())
                continue;
            tried.push_back(r);
            place(i, b, freeSum);
            if (*best_ <= lower_)
                return;
        }
        if (open + 1 < *best_ && !stopped_) {
            room_.push_back(c_);
            place(i, open, freeSum + c_);
            room_.pop_back();
        }
    }

    void place(size_t i, int b, int64_t freeSum)
    {
        room_[static_cast<size_t>(b)] -= a_[i];
        assign_[i] = b;
        step(i + 1, freeSum - a_[i]);
        room_[static_cast<size_t>(b)] += a_[i];
    }

    const std::vector<int64_t>& a_;
    int64_t c_;
    const OptimumProgress& p_;
    std::vector<int64_t> rest_, room_;
    std::vector<int> assign_;
    int lower_ = 0;
    int* best_ = nullptr;
    std::vector<int>* bestAssign_ = nullptr;
    bool stopped_ = false;
    long long nodes_ = 0;
};

} // namespace

OptimumResult leastBins(const std::vector<int64_t>& items, int64_t capacity, const OptimumProgress& progress)
{
    OptimumResult r;
    std::vector<int64_t> a = items;
    std::sort(a.begin(), a.end(), std::greater<int64_t>());
    r.lowerBound = strongerLowerBound(a, capacity);
    // First fit decreasing gives the first packing to beat.
    std::vector<Bin> ffd = packItems(a, capacity, FitMethod::First);
    int best = static_cast<int>(ffd.size());
    std::vector<int> assign;
    if (best > r.lowerBound) {
        Search s(a, capacity, progress);
        s.run(static_cast<int>(r.lowerBound), best, assign);
        r.nodes = s.nodes();
        r.finished = !s.stopped();
    } else {
        r.finished = true;
    }
    r.bins = best;
    if (assign.empty()) {
        r.packing = std::move(ffd);
        return r;
    }
    r.packing.assign(static_cast<size_t>(best), Bin{});
    for (Bin& b : r.packing)
        b.free = capacity;
    for (size_t i = 0; i < a.size(); ++i) {
        Bin& b = r.packing[static_cast<size_t>(assign[i])];
        b.items.push_back(a[i]);
        b.used += a[i];
        b.free -= a[i];
        b.closed = b.free < 1;
    }
    return r;
}

std::string optimumText(const OptimumResult& r, int itemCount, int64_t capacity)
{
    std::string out = "optimum for " + formatInt(itemCount) + " items, bin capacity " + formatInt(capacity) + "\r\n";
    out += binLines(r.packing);
    out += "least number of bins: " + formatInt(r.bins) + "\r\n";
    out += std::string(kPackRule) + "\r\n";
    return out;
}

} // namespace quan
