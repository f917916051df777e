// The apportionment document file (".hor"): the common header, a block of
// 50 parameter words, the populations, the state names, the divisor, the
// column headings and the notebook text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "docfile/header.h"

namespace quan {

inline constexpr int kHorMinStates = 2;
inline constexpr int kHorMaxStates = 99;
inline constexpr int kHorHeadings = 9;       // columns 0..7, then the name column
inline constexpr int kHorFormatMark = 99;
inline constexpr size_t kHorNameChars = 50;
inline constexpr size_t kHorHeadingChars = 20;
inline constexpr size_t kNotebookChars = 64000;
// Refused before reading: far above the largest file the format allows.
inline constexpr size_t kHorMaxFileBytes = 16u << 20;

struct HorDocument {
    HeaderState header = headerStateFor(kKindApportionment);
    int32_t columnWidth = 8;     // characters
    int32_t method = 0;          // 0..9
    int32_t key = -1;            // arrange by: -1 name, 0 population, 5 district, 7 critical value
    int32_t houseSize = 435;     // H
    bool increasing = true;
    std::vector<Real> populations;   // n of them, 2 <= n <= 99; saved rounded
    std::vector<std::string> names;  // n of them, at most 50 characters
    Real divisor = 0;
    std::array<std::string, kHorHeadings> headings; // at most 20 characters
    std::string notebook;            // at most 64 000 characters
    // Set by the reader when the format mark is not 99: the file was read
    // to its end but its table must not be used.
    bool inconsistent = false;

    int32_t stateCount() const { return static_cast<int32_t>(populations.size()); }
    bool operator==(const HorDocument&) const = default;
};

// Appends the file to w. Returns false (writing nothing) when the document
// does not have between 2 and 99 states with one name each. Populations
// are rounded with roundHalfDown; texts longer than their fields are cut.
bool writeHor(ByteWriter& w, const HorDocument& doc);
// Saves the file without ever leaving a half-written one: 0, or 12
// "cannot save file".
int writeHor(const std::string& path, const HorDocument& doc);

// Reads a file into out. Returns
//   0  read and consistent;
//   6  "inconsistent data": complete and valid, but the format mark is not
//      99; out holds what was read and its inconsistent flag is set (the
//      window shows the 2010 census instead of the table);
//   11 "cannot open file": unreadable, another kind, a version newer than
//      6, cut short, or holding values no document can have (n outside
//      2..99, a negative heading count, a method outside 0..9, an unknown
//      arrange-by key, a column width outside 1..999, a house size below 1, a
//      negative population or none at all, a divisor that is not a positive number).
// On 11 out is left exactly as it was. Headings beyond the ninth are read
// and discarded; headings missing from a file with fewer than nine keep
// out's values.
int readHor(const uint8_t* data, size_t size, HorDocument& out);
inline int readHor(const Bytes& bytes, HorDocument& out) { return readHor(bytes.data(), bytes.size(), out); }
int readHor(const std::string& path, HorDocument& out);

} // namespace quan
