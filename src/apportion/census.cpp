#include "apportion/census.h"

#include "resources/commands.h"
#include "resources/strings.h"

namespace quan {

extern const CensusSetData kCensusSets[];
extern const int kCensusSetCount;

namespace {

// Census at which each state (strings 100 "Alabama" .. 149 "Wyoming") first
// appears.
constexpr int kFirstCensus[50] = {
    1820, 1960, 1920, 1840, 1850, 1880, 1790, 1790, 1850, 1790, // Alabama .. Georgia
    1960, 1890, 1820, 1820, 1850, 1860, 1790, 1820, 1820, 1790, // Hawaii .. Maryland
    1790, 1840, 1860, 1820, 1820, 1890, 1870, 1870, 1790, 1790, // Massachusetts .. New Jersey
    1920, 1790, 1790, 1890, 1810, 1910, 1860, 1790, 1790, 1790, // New Mexico .. South Carolina
    1890, 1800, 1850, 1900, 1790, 1790, 1890, 1870, 1850, 1890, // South Dakota .. Wyoming
};

// House sizes of the censuses 1790 .. 2010.
constexpr int kHouseSize[23] = {105, 141, 181, 213, 240, 223, 234, 233, 292, 325, 356, 386,
                                433, 435, 435, 435, 435, 435, 435, 435, 435, 435, 435};

constexpr const char* kSpecialLabel[4] = {"1970a", "1984a", "1984b", "1990a"};
constexpr const char* kSpecialMenu[4] = {"&a = 1970 [-foreign]", "&b = 1984 [hypothetical]",
                                         "&c = 1984 [hypothetical]", "&d = 1990 [-foreign]"};
constexpr int kSpecialYear[4] = {1970, 1984, 1984, 1990};

} // namespace

bool censusIndexValid(int k) { return k >= kCensusFirst && k <= kCensusLast; }

int censusYear(int k)
{
    if (!censusIndexValid(k))
        return 0;
    return k >= 0 ? 1790 + 10 * k : kSpecialYear[-k - 1];
}

std::string censusLabel(int k)
{
    if (!censusIndexValid(k))
        return {};
    return k >= 0 ? std::to_string(censusYear(k)) : kSpecialLabel[-k - 1];
}

std::string censusMenuLabel(int k)
{
    if (!censusIndexValid(k))
        return {};
    if (k < 0)
        return kSpecialMenu[-k - 1];
    return censusLabel(k) + " (&" + static_cast<char>('A' + k) + ")";
}

int censusCommandId(int k)
{
    if (!censusIndexValid(k))
        return 0;
    return k >= 0 ? appcmd::CensusFirst + k : appcmd::CensusVariantFirst - 1 - k;
}

int censusFromCommand(int id)
{
    if (id >= appcmd::CensusFirst && id <= appcmd::CensusFirst + kCensusLast)
        return id - appcmd::CensusFirst;
    if (id >= appcmd::CensusVariantFirst && id <= appcmd::CensusVariantLast)
        return appcmd::CensusVariantFirst - 1 - id;
    return kCensusFirst - 1;
}

std::vector<int> censusStateIds(int k)
{
    std::vector<int> ids;
    if (!censusIndexValid(k))
        return ids;
    const int year = k >= 0 ? censusYear(k) : 9999;
    for (int i = 0; i < 50; ++i)
        if (kFirstCensus[i] <= year)
            ids.push_back(static_cast<int>(Str::StateNameFirst) + i);
    return ids;
}

int censusStateCount(int k) { return static_cast<int>(censusStateIds(k).size()); }

int censusHouseSize(int k)
{
    if (!censusIndexValid(k))
        return 0;
    return k >= 0 ? kHouseSize[k] : 435;
}

std::string censusFileName(int k) { return "usa" + censusLabel(k) + ".hor"; }

const CensusSetData* censusData(int k)
{
    const std::string label = censusLabel(k);
    if (label.empty())
        return nullptr;
    for (int i = 0; i < kCensusSetCount; ++i)
        if (label == kCensusSets[i].label)
            return &kCensusSets[i];
    return nullptr;
}

bool censusAvailable(int k) { return censusData(k) != nullptr; }

} // namespace quan
