#include "packing/core/packing.h"

#include "core/msgcode.h"

#include "core/numberscan.h"

#include <algorithm>
#include <cmath>

namespace quan {

bool methodCodeValid(long long code) { return code >= 0 && code <= 25 && code % 10 <= 5; }

std::string methodName(FitMethod m)
{
    switch (m) {
    case FitMethod::Next: return "next fit";
    case FitMethod::First: return "first fit";
    case FitMethod::Last: return "last fit";
    case FitMethod::Best: return "best fit";
    case FitMethod::Worst: return "worst fit";
    case FitMethod::AlmostWorst: return "almost-worst fit";
    }
    return "";
}

namespace {

constexpr int kNone = -1;

// The worst-fit bin among those with room for s, skipping bin `skip`: the
// most free room, the oldest among equals.
int worstFit(const std::vector<int64_t>& room, int64_t s, int skip)
{
    int chosen = kNone;
    int64_t most = 0;
    for (size_t b = 0; b < room.size(); ++b)
        if (room[b] >= s && room[b] > most && static_cast<int>(b) != skip) {
            most = room[b];
            chosen = static_cast<int>(b);
        }
    return chosen;
}

int chooseBin(const std::vector<int64_t>& room, int64_t s, FitMethod method)
{
    const int n = static_cast<int>(room.size());
    switch (method) {
    case FitMethod::Next:
        return n > 0 && room[n - 1] >= s ? n - 1 : kNone;
    case FitMethod::First:
        for (int b = 0; b < n; ++b)
            if (room[b] >= s)
                return b;
        return kNone;
    case FitMethod::Last:
        for (int b = n - 1; b >= 0; --b)
            if (room[b] >= s)
                return b;
        return kNone;
    case FitMethod::Best: {
        int chosen = kNone;
        for (int b = 0; b < n; ++b)
            if (room[b] >= s && (chosen == kNone || room[b] < room[chosen]))
                chosen = b;
        return chosen;
    }
    case FitMethod::Worst:
        return worstFit(room, s, kNone);
    case FitMethod::AlmostWorst: {
        int worst = worstFit(room, s, kNone);
        return worst == kNone ? kNone : worstFit(room, s, worst);
    }
    }
    return kNone;
}

} // namespace

std::vector<Bin> packItems(const std::vector<int64_t>& items, int64_t capacity, FitMethod method)
{
    std::vector<Bin> bins;
    // The free room of every bin, kept apart so that the search runs over
    // one compact array. Closed bins have no room left for any item
    // (full ones), or are never searched again (next fit's).
    std::vector<int64_t> room;
    bins.reserve(items.size());
    room.reserve(items.size());
    for (int64_t s : items) {
        int b = chooseBin(room, s, method);
        if (b == kNone) {
            if (method == FitMethod::Next && !bins.empty())
                bins.back().closed = true;
            bins.emplace_back();
            bins.back().free = capacity;
            room.push_back(capacity);
            b = static_cast<int>(bins.size()) - 1;
        }
        Bin& bin = bins[static_cast<size_t>(b)];
        bin.items.push_back(s);
        bin.used += s;
        bin.free -= s;
        room[static_cast<size_t>(b)] = bin.free;
        if (bin.free < 1)
            bin.closed = true;
    }
    return bins;
}

std::vector<int64_t> sortedCopy(const std::vector<int64_t>& items, bool decreasing, Random& rng)
{
    std::vector<int64_t> v = items;
    const size_t n = v.size();
    // The generator's step is done here without branches: a draw is taken
    // only for an equal entry, and it is even when bit 32 of the new
    // state is clear (a draw is bits 32..62 of the state).
    uint64_t state = rng.state();
    for (size_t pos = 0; pos + 1 < n; ++pos) {
        size_t cand = pos;
        int64_t best = v[pos];
        for (size_t j = pos + 1; j < n; ++j) {
            const int64_t x = v[j];
            const bool better = decreasing ? x > best : x < best;
            const bool equal = x == best;
            const uint64_t next = state * 0x0000015A00004E35ULL + 1ULL;
            state = equal ? next : state;
            const bool take = better | (equal & (((next >> 32) & 1) == 0));
            cand = take ? j : cand;
            best = take ? x : best;
        }
        std::swap(v[pos], v[cand]);
    }
    rng.setState(state);
    return v;
}

int64_t lowerBound(int64_t total, int64_t capacity)
{
    if (capacity < 1 || total <= 0)
        return 0;
    return (total + capacity - 1) / capacity;
}

std::string binLines(const std::vector<Bin>& bins)
{
    std::string out;
    for (const Bin& b : bins) {
        for (int64_t s : b.items)
            out += formatInt(s) + " ";
        out += "\r\n";
    }
    return out;
}

// --- the document --------------------------------------------------------------

PackDocument::PackDocument() = default;

bool PackDocument::packable() const
{
    return std::all_of(items_.begin(), items_.end(), [this](int64_t s) { return s < capacity_; });
}

void PackDocument::rebuild(Random& rng)
{
    restore_ = items_;
    total_ = 0;
    for (int64_t s : items_)
        total_ += s;
    decreasing_ = sortedCopy(items_, true, rng);
    increasing_ = sortedCopy(items_, false, rng);
    binArray_ = std::max(binArray_, itemCount());
    bins_.clear();
    packed_ = false;
}

int PackDocument::setList(const std::vector<int64_t>& sizes, Random& rng)
{
    if (sizes.empty())
        return codeOf(Msg::CouldNotFind);
    if (sizes.size() > static_cast<size_t>(kPackMaxItems))
        return codeOf(Msg::NoMoreRoom);
    for (int64_t s : sizes) {
        if (s < 1)
            return codeOf(Msg::PositiveValue);
        if (s > kPackMaxValue)
            return codeOf(Msg::OutOfBounds);
    }
    items_ = sizes;
    rebuild(rng);
    return 0;
}

int PackDocument::random(long long count, long long bound, Random& rng)
{
    if (count < 1)
        return codeOf(Msg::PositiveValue);
    if (count > kPackMaxItems)
        return codeOf(Msg::OutOfBounds);
    if (bound < 3)
        return codeOf(Msg::NothingToDo);
    if (bound > kPackMaxValue)
        return codeOf(Msg::OutOfBounds);
    std::vector<int64_t> sizes(static_cast<size_t>(count));
    for (int64_t& s : sizes)
        s = 1 + rng.below(static_cast<int32_t>(bound - 1));
    items_ = std::move(sizes);
    rebuild(rng);
    return 0;
}

int PackDocument::paste(const std::string& text, Random& rng)
{
    bool more = false;
    std::vector<Real> numbers = scanNumbers(text, kPackMaxItems, &more);
    if (more)
        return codeOf(Msg::NoMoreRoom);
    if (numbers.empty())
        return codeOf(Msg::CouldNotFind);
    std::vector<int64_t> sizes;
    sizes.reserve(numbers.size());
    for (Real x : numbers) {
        Real whole = std::trunc(x);
        if (whole < 1)
            return codeOf(Msg::PositiveValue);
        if (whole > static_cast<Real>(kPackMaxValue))
            return codeOf(Msg::OutOfBounds);
        sizes.push_back(static_cast<int64_t>(whole));
    }
    return setList(sizes, rng);
}

void PackDocument::shuffle(Random& rng)
{
    const int n = itemCount();
    if (n < 1)
        return;
    for (int k = 0; k < 2 * n; ++k) {
        int i = rng.below(n);
        int j = rng.below(n);
        std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
    }
    bins_.clear();
    packed_ = false;
}

void PackDocument::restore()
{
    items_ = restore_;
    bins_.clear();
    packed_ = false;
}

const std::vector<int64_t>& PackDocument::orderedItems() const
{
    switch (order()) {
    case ItemOrder::Decreasing: return decreasing_;
    case ItemOrder::Increasing: return increasing_;
    default: return items_;
    }
}

int PackDocument::pack()
{
    if (!packable())
        return codeOf(Msg::InconsistentData);
    bins_ = packItems(orderedItems(), capacity_, method());
    packed_ = true;
    return 0;
}

int PackDocument::apply(long long capacity, int code)
{
    if (capacity < kPackMinCapacity)
        return codeOf(Msg::InconsistentData);
    if (capacity > kPackMaxValue)
        return codeOf(Msg::OutOfBounds);
    if (!methodCodeValid(code))
        return codeOf(Msg::InconsistentData);
    if (capacity != capacity_) {
        capacity_ = capacity;
        if (!packable()) {
            bins_.clear();
            packed_ = false;
        }
    }
    if (!packable())
        return codeOf(Msg::InconsistentData);
    code_ = code;
    return pack();
}

void PackDocument::load(int64_t capacity, int code, const std::vector<int64_t>& sizes, Random& rng)
{
    capacity_ = capacity;
    code_ = code;
    items_ = sizes;
    rebuild(rng);
    if (packable())
        pack();
}

std::string PackDocument::exampleText(int decimals) const
{
    std::string out;
    out += "items: " + formatInt(itemCount()) + "\r\n";
    out += "total: " + formatInt(total_) + "\r\n";
    out += "bin capacity: " + formatInt(capacity_) + "\r\n";
    Real need = static_cast<Real>(total_) / static_cast<Real>(capacity_);
    out += "need: " + formatReal(need, decimals + 2, decimals) + "\r\n";
    for (int64_t s : items_)
        out += formatInt(s) + " ";
    out += "\r\n";
    out += std::string(kPackRule) + "\r\n";
    return out;
}

std::string PackDocument::solutionText() const
{
    std::string out = binLines(bins_);
    out += "bins used: " + formatInt(binCount());
    if (optimal())
        out += " [optimal]";
    out += "\r\n";
    out += std::string(kPackRule) + "\r\n";
    return out;
}

} // namespace quan
