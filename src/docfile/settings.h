// Settings files of the window kinds: the common header, two groups of
// parameter blocks and the name of the window's last document.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "docfile/header.h"

namespace quan {

inline constexpr int kParameterWords = 21;
inline constexpr int kShortSettings = 10;
inline constexpr size_t kDocumentNameBytes = 256;

// Three integer blocks, three real blocks and three flag blocks of 21
// entries each, all zero at construction. Which entries a kind uses is
// its own choice; values come straight from the file, so a kind checks
// the ones it uses before relying on them.
struct ParameterGroup {
    std::array<std::array<int32_t, kParameterWords>, 3> ints{};
    std::array<std::array<long double, kParameterWords>, 3> reals{};
    std::array<std::array<uint8_t, kParameterWords>, 3> flags{};

    bool operator==(const ParameterGroup&) const = default;
};

inline constexpr size_t kParameterGroupBytes = 3 * 4 * kParameterWords + 3 * 10 * kParameterWords + 3 * kParameterWords;

struct SettingsState {
    HeaderState header;
    // Kept in words 0 and 2..11 of the first group's integer block 1 (the
    // writer fills those words from here; word 1 holds the count 10).
    int32_t windowWord = 0;
    std::array<int32_t, kShortSettings> shortSettings = {24, 6, 7, 0, 10, 8, 13, 2, 14, 17};
    ParameterGroup first;
    ParameterGroup second;
    std::string documentName; // at most 255 characters

    bool operator==(const SettingsState&) const = default;
};

// The file's bytes. The second group is written only when the header's
// extended-settings word is positive (it is 1 for every window as
// constructed), exactly as the reader expects it.
Bytes WriteSettings(const SettingsState& state);

// Reads a settings file of the kind state.header.kind. Returns false and
// changes nothing when the file is of another kind, newer than this
// program, cut short, or otherwise unreadable. The second group is read
// only when the header's extended-settings word is positive (otherwise the
// state keeps its second group); the short settings are restored as many
// as word 1 of integer block 1 says, at most ten.
bool ReadSettings(const uint8_t* data, size_t size, SettingsState& state);
inline bool ReadSettings(const Bytes& bytes, SettingsState& state)
{
    return ReadSettings(bytes.data(), bytes.size(), state);
}

// File forms: a missing or unreadable file returns false and changes
// nothing; writing replaces the file only after a complete write.
bool ReadSettingsFile(const std::string& path, SettingsState& state);
bool WriteSettingsFile(const std::string& path, const SettingsState& state);

} // namespace quan
