// The ten-slot font table every text and picture window carries, and the
// 60-byte LOGFONT-style record in which fonts are stored in files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quan {

class ByteReader;
class ByteWriter;

// A font description with the fields (and, in files, the 60-byte layout)
// of the Windows LOGFONT record.
struct LogFont {
    int32_t height = 0;      // negative: character height in device pixels
    int32_t width = 0;
    int32_t escapement = 0;  // tenths of a degree
    int32_t orientation = 0;
    int32_t weight = 400;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{}; // always zero-terminated

    static constexpr size_t kFileSize = 60;

    std::string face() const;
    // Sets the face name, cut to 31 characters.
    void setFace(const std::string& name);

    void write(ByteWriter& w) const;
    // Reads 60 bytes; a face name without its zero is cut to 31 characters.
    void read(ByteReader& r);

    bool operator==(const LogFont&) const = default;
};

// One slot of a window's font table.
struct FontSlot {
    LogFont font;
    int32_t pointSize = 10;
    uint32_t color = 0;        // 0x00BBGGRR, initially black
    bool effects = false;      // the font dialog also offers colour, underline, strike-out
    int32_t dialogTitleId = 63; // "text-window font"

    bool operator==(const FontSlot&) const = default;
};

inline constexpr int kFontSlots = 10;
// The largest font a file may hold: heights and widths in pixels (either
// sign), sizes in points.
inline constexpr int32_t kMaxFontPixels = 1000;
inline constexpr int32_t kMaxFontPoints = 1000;
using FontTable = std::array<FontSlot, kFontSlots>;

// Windows' MulDiv: a * b / c rounded half away from zero, -1 when c is 0
// or the result does not fit 32 bits.
int32_t mulDiv(int32_t a, int32_t b, int32_t c);

// The character height stored for a point size: -MulDiv(points, logPixelsY, 72).
int32_t fontHeightForPoints(int32_t points, int32_t logPixelsY);

// The ten initial slots: Courier New 12, Symbol 10, Courier New 10,
// Courier New 8, Times 12, Times 10, Courier New 10 for slots 6 to 9.
FontTable initialFontTable(int32_t logPixelsY = 96);

} // namespace quan
