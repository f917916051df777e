// The bin-packing document file (".bpa"): the common header, a block of 50
// words (capacity, method code, bin column width, item count, total), the
// item sizes and the notebook text.
#pragma once

#include "docfile/header.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

inline constexpr size_t kBpaNotebookChars = 64000;
inline constexpr int kBpaMaxItems = 2500;
inline constexpr size_t kBpaMaxFileBytes = 16u << 20;

struct BpaDocument {
    HeaderState header = headerStateFor(kKindBinPacking);
    int32_t capacity = 10;
    int32_t methodCode = 0;
    int32_t columnWidth = 6;     // pixels of an item column; any value is kept
    std::vector<int32_t> items;  // 1..2500 sizes, each at least 1
    std::string notebook;        // at most 64 000 characters
    // Set by the reader when the file held more than 2500 sizes (only the
    // first 2500 were kept); never written.
    bool itemsCut = false;

    bool operator==(const BpaDocument&) const = default;
};

// The total written into the file: the sum of the sizes, or 2 147 483 647
// when the sum does not fit the word.
int32_t bpaTotalWord(const std::vector<int32_t>& items);

// Appends the file to w.
void writeBpa(ByteWriter& w, const BpaDocument& doc);
// Saves the file whole or not at all: 0, or 12 "cannot save file".
int writeBpa(const std::string& path, const BpaDocument& doc);
// Reads a file into out: 0, or 11 "cannot open file" for an unreadable,
// foreign, newer or cut-short file, a capacity below 2, an item count
// below 1, a size below 1 or a method code outside 0..5, 10..15, 20..25.
// Of an item count above 2500 the first 2500 sizes are kept, the rest
// read past, and itemsCut set. The total word is not trusted (it is recomputed from the
// sizes). On 11 out is left exactly as it was.
int readBpa(const uint8_t* data, size_t size, BpaDocument& out);
inline int readBpa(const Bytes& bytes, BpaDocument& out) { return readBpa(bytes.data(), bytes.size(), out); }
int readBpa(const std::string& path, BpaDocument& out);

} // namespace quan
