// Elections for the tests, entered the way a user enters them: the names
// set with New names, then each ballot selected and its votes cast.
#pragma once

#include "elections/core/election.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace electtest {

using Profile = std::vector<std::pair<int, std::string>>;

inline int indexOf(const quan::Election& e, const std::string& order)
{
    for (int i = 0; i < e.ballotCount(); ++i)
        if (e.ballotText(i) == order)
            return i;
    return -1;
}

// An election of the candidates named by names (every count 0 but the
// profile's), with the given current ballot (or the first).
inline quan::Election make(const std::string& names, const Profile& profile, const std::string& current = "")
{
    quan::Election e;
    quan::Random rng;
    rng.seed(7);
    EXPECT_EQ(e.newNames(names, rng), 0);
    EXPECT_EQ(e.zeros(rng), 0);
    for (const auto& [count, order] : profile) {
        const int i = indexOf(e, order);
        EXPECT_GE(i, 0) << order;
        EXPECT_EQ(e.selectBallot(i), 0);
        EXPECT_EQ(e.cast(count), 0);
    }
    EXPECT_EQ(e.selectBallot(current.empty() ? 0 : indexOf(e, current)), 0);
    return e;
}

// The textbook profile of 55 voters where five methods elect five
// different candidates.
inline const Profile& fiftyFive()
{
    static const Profile p = {{18, "ADECB"}, {12, "BEDCA"}, {10, "CBEDA"}, {9, "DCEBA"}, {4, "EBDCA"}, {2, "ECDBA"}};
    return p;
}

inline int sumOfCounts(const quan::Election& e)
{
    long long s = 0;
    for (const quan::Ballot& b : e.ballots())
        s += b.count;
    return static_cast<int>(s);
}

} // namespace electtest
