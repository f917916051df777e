// The squared-rectangle library's built-in categories, compiled in from
// the collection files of src/resources/bouwkamp by
// tools/gen_bouwkamp_tables.cmake. Each table holds records of order + 2
// numbers: width, height and the sizes in Bouwkamp order.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quan {

struct BouwkampTable {
    int category; // the library's category (0..3, 9..12, 18..20)
    int order;
    const int16_t* numbers;
    size_t count; // numbers in all: records x (order + 2)
};

extern const BouwkampTable kBouwkampTables[];
extern const size_t kBouwkampTableCount;

} // namespace quan
