// A window's colour table of 61 entries and its fifteen colour roles.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quan {

// 24-bit colour stored as 0x00BBGGRR (red in the low byte).
constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr uint32_t redOf(uint32_t c) { return c & 0xFF; }
constexpr uint32_t greenOf(uint32_t c) { return (c >> 8) & 0xFF; }
constexpr uint32_t blueOf(uint32_t c) { return (c >> 16) & 0xFF; }

inline constexpr int kColorEntries = 61;

// Colours addressed by index 0..60; pictures pass indices, never colours.
struct ColorTable {
    std::array<uint32_t, kColorEntries> entries{};

    // The colour of an index; an index outside 1..60 reads entry 0.
    uint32_t at(int index) const
    {
        return index >= 1 && index < kColorEntries ? entries[static_cast<size_t>(index)] : entries[0];
    }
    // Sets entry index (0..60); other indices are ignored.
    void set(int index, uint32_t color)
    {
        if (index >= 0 && index < kColorEntries)
            entries[static_cast<size_t>(index)] = color & 0xFFFFFF;
    }

    bool operator==(const ColorTable&) const = default;
};

// The initial table: black, white, then the picture colours and greys.
ColorTable initialColorTable();

// Colour roles hold colour indices: role 0 is the background, role 3 the
// axes, role 10 the grid lines; the topic window assigns the others.
inline constexpr int kColorRoles = 15;
inline constexpr int16_t kInitialRoleColor = 19; // light grey
using ColorRoles = std::array<int16_t, kColorRoles>;

enum ColorRole : int { RoleBackground = 0, RoleAxes = 3, RoleGrid = 10 };

ColorRoles initialColorRoles();

} // namespace quan
