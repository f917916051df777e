// The progress titles and the checks every calculation shares. The
// calculations themselves: power_allcases.cpp, power_montecarlo.cpp and
// power_exact.cpp.
#include "power/power_calc.h"

#include "core/msgcode.h"

#include "power/power_detail.h"
#include "resources/strings.h"

namespace quan {

std::string percentTitle(int percent)
{
    return padLeft(std::to_string(percent), 2) + "% " + S(Str::Done) + "; " + S(Str::PressQToQuit);
}

std::string samplesTitle(uint64_t samples)
{
    return std::to_string(samples) + " " + S(Str::ExamplesDone) + "; " + S(Str::PressQToQuit);
}

namespace powerdetail {

int checkTable(const std::vector<int64_t>& w, int64_t q, int64_t& total, Msg unreachableQuota)
{
    total = 0;
    if (w.empty() || w.size() > static_cast<size_t>(kMaxPowerBlocs) || q < 1)
        return codeOf(Msg::OutOfBounds);
    for (int64_t x : w) {
        if (x < 1 || x > 2147483647)
            return codeOf(Msg::OutOfBounds);
        total += x;
    }
    return total < q ? codeOf(unreachableQuota) : 0;
}

bool pairUsable(OppositionPair pair, size_t n)
{
    return pair.isSet() && pair.first != pair.second && static_cast<size_t>(pair.first) < n &&
           static_cast<size_t>(pair.second) < n;
}

namespace {

int percentOf(uint64_t done, uint64_t total)
{
    return total == 0 ? 100 : static_cast<int>(static_cast<long double>(done) * 100 / total);
}

} // namespace

PercentTitle::PercentTitle(const Progress& progress, bool shown, uint64_t total)
    : progress_(progress), shown_(shown), total_(total)
{
    if (shown_)
        progress_.show(percentTitle(0));
}

void PercentTitle::update(uint64_t done)
{
    if (!shown_)
        return;
    int p = percentOf(done, total_);
    if (p > last_) {
        last_ = p;
        progress_.show(percentTitle(p));
    }
}

} // namespace powerdetail

} // namespace quan
