// The weighted-voting document file (".bnz"): the common header, a block of
// 50 parameter words, the weights, the bloc names and the notebook text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "docfile/header.h"

namespace quan {

inline constexpr size_t kBnzNotebookChars = 64000;
inline constexpr int kBnzMinBlocs = 2;
inline constexpr int kBnzMaxBlocs = 99;
inline constexpr size_t kBnzNameChars = 50;
inline constexpr size_t kBnzMaxFileBytes = 16u << 20;

struct BnzDocument {
    HeaderState header = headerStateFor(kKindWeightedVoting);
    int32_t columnWidth = 7;
    int32_t key = -1;          // arrange by: -1 name, 0 weight
    bool increasing = true;
    int32_t kind = 0;          // 0 Banzhaf, 1 Shapley
    int32_t pairFirst = -1;    // the opposition pair, -1 when none
    int32_t pairSecond = -1;
    // The quota: its low 31 bits in word 7, the rest in word 14 (0 whenever
    // the quota fits in word 7 alone).
    int64_t quota = 1;
    int32_t low = 5, high = 50; // range of random weights
    // The worksheet's four colours (words 10..13); taken only from files of
    // version 5 and later.
    std::array<int32_t, 4> worksheetColors{};
    std::vector<Real> weights;      // n of them, 2 <= n <= 99; saved rounded
    std::vector<std::string> names; // n of them, at most 50 characters
    std::string notebook;           // at most 64 000 characters

    int32_t blocCount() const { return static_cast<int32_t>(weights.size()); }
    bool operator==(const BnzDocument&) const = default;
};

// Appends the file to w; false (writing nothing) without 2..99 blocs with
// one name each.
bool writeBnz(ByteWriter& w, const BnzDocument& doc);
// Saves the file whole or not at all: 0, or 12 "cannot save file".
int writeBnz(const std::string& path, const BnzDocument& doc);
// Reads a file into out: 0, or 11 "cannot open file" for an unreadable,
// foreign, newer or cut-short file or one holding values no document can
// have (n outside 2..99, a weight below 1, an unknown key or kind, a pair
// outside the table or naming one bloc twice, a column width outside
// 1..999, a random range that is not 1 <= low <= high). On 11 out is left
// exactly as it was.
int readBnz(const uint8_t* data, size_t size, BnzDocument& out);
inline int readBnz(const Bytes& bytes, BnzDocument& out) { return readBnz(bytes.data(), bytes.size(), out); }
int readBnz(const std::string& path, BnzDocument& out);

} // namespace quan
