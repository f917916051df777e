// Text and graphic overlays as the graph and scheduling documents store
// them: text overlays first, then graphic (metafile) overlays.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "docfile/binio.h"
#include "docfile/fonts.h"

namespace quan {

// One text overlay; in files a 179-byte record.
struct TextOverlayRecord {
    std::array<uint8_t, 3> flags{};    // 0 for a new overlay
    std::array<char, 61> textBytes{};  // zero-terminated text
    uint32_t color = 0;                // 0x00BBGGRR
    long double x = 0;                 // position, world coordinates
    long double firstX = 0;            // position when the overlay was placed
    long double firstY = 0;
    long double y = 0;
    LogFont font;
    int16_t pointSize = 10;            // plus 100 for an opaque background
    int16_t tie = -1;                  // -1 for a new overlay
    uint8_t hidden = 0;
    int16_t last = -1;                 // -1 for a new overlay

    static constexpr size_t kFileSize = 179;
    // The longest text the edit dialog accepts.
    static constexpr size_t kMaxText = 59;

    std::string text() const;
    // Sets the text, cut to 60 characters (the field with its zero).
    void setText(const std::string& t);

    bool operator==(const TextOverlayRecord&) const = default;
};

// One graphic overlay: placement, a flag, an anchor and the picture as
// enhanced-metafile bytes kept exactly as read.
struct GraphicOverlay {
    std::array<long double, 4> placement{};
    uint8_t flag = 0;
    int32_t anchor = -1;                 // anchor index, -1 for none
    std::array<int32_t, 9> anchorRest{}; // the anchor block's other words, 0 when written here
    Bytes metafile;

    bool operator==(const GraphicOverlay&) const = default;
};

struct OverlayBlocks {
    std::vector<TextOverlayRecord> texts;
    std::vector<GraphicOverlay> graphics;

    bool operator==(const OverlayBlocks&) const = default;
};

// Writes both lists; false (with nothing written) when a list holds more
// than 32767 overlays or a picture more than 2^31 - 1 bytes. The link word
// of a text record is written as zeros.
bool writeOverlays(ByteWriter& w, const OverlayBlocks& overlays);

// Reads both lists into out, replacing it only when both were read
// completely; a negative text count, a negative picture length or one
// beyond the end of the data is a failure. With hidden set, every text
// overlay comes in with its hidden byte set to 1.
bool readOverlays(ByteReader& r, OverlayBlocks& out, bool hidden = false);

} // namespace quan
