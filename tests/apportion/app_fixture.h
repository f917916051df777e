// Helpers shared by the apportionment tests.
#pragma once

#include "apportion/apportion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quan::test {

using States = std::vector<std::pair<std::string, Real>>;

// A table holding exactly these states (internal order as given), house size,
// method and divisor, arranged by name, increasing.
inline AppTable makeTable(const States& states, int32_t house, int method = kHamilton,
                          Real divisor = 1)
{
    AppTable t;
    HorDocument d = t.documentData();
    d.populations.clear();
    d.names.clear();
    for (const auto& [name, pop] : states) {
        d.names.push_back(name);
        d.populations.push_back(pop);
    }
    d.houseSize = house;
    d.method = method;
    d.divisor = divisor;
    EXPECT_EQ(t.loadDocument(d), 0);
    return t;
}

// Seats of every state in internal order.
inline std::vector<int> seats(const AppTable& t)
{
    std::vector<int> s;
    for (int i = 0; i < t.stateCount(); ++i)
        s.push_back(static_cast<int>(t.record(i).v[kColReps]));
    return s;
}

inline std::vector<Real> column(const AppTable& t, int col)
{
    std::vector<Real> s;
    for (int i = 0; i < t.stateCount(); ++i)
        s.push_back(t.record(i).v[col]);
    return s;
}

// Internal indices of the displayed rows, top to bottom.
inline std::vector<int> displayOrder(const AppTable& t)
{
    std::vector<int> s;
    for (int r = 0; r < t.stateCount(); ++r)
        s.push_back(t.recordOfRow(r));
    return s;
}

} // namespace quan::test
