// Bin packing: a list of positive integer item sizes packed into bins of
// one common capacity by one of six fit heuristics, in list order or after
// sorting; the lower bound ceil(total / capacity); the list operations of
// the File|New menu and the notebook texts. Plain types: the window
// (packwin.h) shows and edits a PackDocument.
//
// Sizes, capacity, used and free room are 64-bit: a capacity or size may
// be anything up to 2 147 483 647, and nothing overflows on the way.
#pragma once

#include "core/qmath.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

inline constexpr int kPackMaxItems = 2500;
inline constexpr int64_t kPackMinCapacity = 2;
inline constexpr int64_t kPackMaxValue = 2147483647;
// The bin array of a new window and the least item count Random offers.
inline constexpr int kPackInitialBins = 20;
inline constexpr int64_t kPackInitialCapacity = 10;

enum class FitMethod : int { Next = 0, First = 1, Last = 2, Best = 3, Worst = 4, AlmostWorst = 5 };
enum class ItemOrder : int { List = 0, Decreasing = 1, Increasing = 2 };

// The method code: method + 10 x order (0..5, 10..15, 20..25).
inline int methodCode(FitMethod m, ItemOrder o) { return static_cast<int>(m) + 10 * static_cast<int>(o); }
bool methodCodeValid(long long code);
inline FitMethod methodOf(int code) { return static_cast<FitMethod>(code % 10); }
inline ItemOrder orderOf(int code) { return static_cast<ItemOrder>(code / 10); }
// "next fit", ..., "almost-worst fit".
std::string methodName(FitMethod m);

struct Bin {
    std::vector<int64_t> items; // in the order they were put in
    int64_t used = 0;
    int64_t free = 0;
    // Set when free drops below 1, and by next fit when it moves on.
    bool closed = false;
    bool operator==(const Bin&) const = default;
};

// Packs the items, in the order given, into bins of the capacity. A bin is
// opened only when an item fits none of the open ones (under next fit:
// not the last one, which is then closed). Every item must lie in
// 1..capacity.
std::vector<Bin> packItems(const std::vector<int64_t>& items, int64_t capacity, FitMethod method);

// The sorted copies: a selection sort that, among equal sizes, lets a draw
// of the generator decide (an even draw moves the candidate on).
std::vector<int64_t> sortedCopy(const std::vector<int64_t>& items, bool decreasing, Random& rng);

// ceil(total / capacity); no packing uses fewer bins.
int64_t lowerBound(int64_t total, int64_t capacity);

class PackDocument {
public:
    PackDocument();

    const std::vector<int64_t>& items() const { return items_; }
    const std::vector<int64_t>& restoreCopy() const { return restore_; }
    const std::vector<int64_t>& decreasingCopy() const { return decreasing_; }
    const std::vector<int64_t>& increasingCopy() const { return increasing_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    int64_t total() const { return total_; }
    int64_t capacity() const { return capacity_; }
    int code() const { return code_; }
    FitMethod method() const { return methodOf(code_); }
    ItemOrder order() const { return orderOf(code_); }
    // The bins of the last packing (empty while only the items are shown).
    const std::vector<Bin>& bins() const { return bins_; }
    int binCount() const { return static_cast<int>(bins_.size()); }
    bool packed() const { return packed_; }
    // The largest item count made so far, at least 20 (what Random offers).
    int binArraySize() const { return binArray_; }
    int64_t bound() const { return lowerBound(total_, capacity_); }
    // A packing that reaches the bound.
    bool optimal() const { return packed_ && binCount() <= bound(); }
    // Every item smaller than the capacity: a packing may run.
    bool packable() const;

    // --- list operations: 0 or a message code; on a code nothing changed ---
    // A new list (1..2500 sizes, each 1..2147483647): restore copy, total
    // and sorted copies rebuilt, the items shown.
    int setList(const std::vector<int64_t>& sizes, Random& rng);
    // count random sizes 1 .. bound - 1: 14 for a count below 1, 17 above
    // 2500, 9 for a bound below 3, 17 for a bound past 2147483647.
    int random(long long count, long long bound, Random& rng);
    // The numbers of a text, integer parts: 2 none, 4 more than 2500, 14 a
    // number below 1, 17 one past 2147483647 (the first such number
    // decides).
    int paste(const std::string& text, Random& rng);
    void shuffle(Random& rng);
    void restore();

    // --- packing --------------------------------------------------------------
    // The manager's apply: 6 for a capacity below 2 (nothing changes), 17
    // past 2147483647 (nothing changes); otherwise the capacity is taken,
    // then 6 when some item is not smaller than it (the picture then shows
    // the items, since bins of another capacity mean nothing), else the
    // method code is taken and the list packed.
    int apply(long long capacity, int code);
    // Packs with the current capacity and code: 6 when not packable.
    int pack();
    // A document read from a file: packed at once when it can be.
    void load(int64_t capacity, int code, const std::vector<int64_t>& sizes, Random& rng);
    // The order a packing takes the items in.
    const std::vector<int64_t>& orderedItems() const;

    // --- notebook texts (CR LF line ends) ----------------------------------
    std::string exampleText(int decimals) const;
    std::string solutionText() const;

private:
    void rebuild(Random& rng);

    std::vector<int64_t> items_, restore_, decreasing_, increasing_;
    int64_t total_ = 0;
    int64_t capacity_ = kPackInitialCapacity;
    int code_ = 0;
    std::vector<Bin> bins_;
    bool packed_ = false;
    int binArray_ = kPackInitialBins;
};

// One line per bin, its sizes each followed by a blank.
std::string binLines(const std::vector<Bin>& bins);
inline constexpr const char* kPackRule = "==========================";

} // namespace quan
