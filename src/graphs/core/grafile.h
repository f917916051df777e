// The graph document file (".gra"): the common header of kind 6561, a
// settings block of 30 16-bit words, a flags block of 30 bytes, a view
// block of twenty extended reals, one record per present vertex (label,
// position, second label), the matrix entries among the present vertices,
// the overlays, an extension block and the notebook text.
//
// Versions 1 to 6 are read (versions 1 and 2 have neither second labels nor
// the extension block); version 6 is written. A read goes into a fresh
// document that replaces the caller's only when everything was read and
// checked; a write checks everything first and writes nothing when a value
// could not be read back.
#pragma once

#include "docfile/header.h"
#include "docfile/overlays.h"
#include "graphs/core/graph.h"

#include <array>
#include <cstdint>
#include <string>

namespace quan {

inline constexpr size_t kGraNotebookChars = 64000;
inline constexpr size_t kGraMaxFileBytes = 64u << 20;
inline constexpr size_t kGraSettingsWords = 30;
inline constexpr size_t kGraFlagBytes = 30;
inline constexpr size_t kGraViewReals = 20;
// Mouse modes (settings word 1).
enum GraMouseMode : int16_t {
    MouseDrawing = 120,
    MouseVertexMove = 122,
    MouseText = 123,
    MouseGraphics = 124,
    MouseCoordinates = 125,
    MouseRotate = 126,
    MouseArrows = 127,
};
bool mouseModeValid(int mode);
// The ranges the Decimal places and Icon size commands accept.
inline constexpr int kMaxDecimalPlaces = 18;
inline constexpr bool decimalPlacesValid(long long d) { return d >= 0 && d <= kMaxDecimalPlaces; }
inline constexpr bool iconSizeValid(long long s) { return s >= 1 && s <= 32767; }
// The scheduling window's setting (word 20): 2..20, else 2.
inline constexpr int16_t kDefaultScheduleSetting = 2;

// The window settings the file carries, as plain fields; the window maps
// its own state to and from them.
struct GraSettings {
    int16_t decimals = 2;              // word 0: decimal places of coordinates
    int16_t mouseMode = MouseDrawing;  // word 1
    int16_t iconSize = 4;              // word 2
    int16_t gridRows = 4;              // word 8: the last grid example
    int16_t gridColumns = 5;           // word 9
    int16_t circleCount = 9;           // word 12: the last circle example
    // Words 10, 11, 13, 14: view integers of the common window state.
    std::array<int16_t, 4> viewWords{};
    // Words 15..18 and 19: further common window state.
    std::array<int16_t, 4> windowWords{};
    int16_t windowWord19 = 0;
    int16_t scheduleSetting = kDefaultScheduleSetting; // word 20

    bool operator==(const GraSettings&) const = default;
};

// Flag bytes 2..10 (bytes 0 and 1 are the graph's weightsShown and digraph).
struct GraFlags {
    std::array<uint8_t, 5> windowSwitches{}; // bytes 2..6: common window switches
    bool numerals = false;                   // byte 7: squared-rectangle numerals shown
    bool squaresHidden = false;              // byte 8
    bool verticalSegments = false;           // byte 9
    bool secondLabelsOff = true;             // byte 10: inverse of the second-label switch

    bool operator==(const GraFlags&) const = default;
};

struct GraDocument {
    explicit GraDocument(int slots = kGraphSlots) : graph(slots), extension(3 * static_cast<size_t>(graph.slots()), 0) {}

    HeaderState header = headerStateFor(kKindGraph);
    Graph graph;
    GraSettings settings;
    GraFlags flags;
    // The first six reals of the view block: the common view state.
    std::array<Real, 6> view{};
    OverlayBlocks overlays;
    // Kept as read, 3 x slots bytes (a shorter block read is padded with
    // zeros); the scheduling window uses it.
    Bytes extension;
    std::string notebook; // at most 64 000 characters

    bool operator==(const GraDocument&) const = default;
};

// Where a window's file reads differently from the graph window's. The
// state of each second label is not a label state: the graph window does
// not use it and the scheduling window keeps a task time there, so any
// 16-bit value passes (anySecondState; false checks it as a label state).
// The scheduling window keeps the first 3 x N bytes of a longer extension
// block (the rest is skipped, never stored).
struct GraRules {
    bool anySecondState = true;
    bool cutLongExtension = false;
};

// Why a document cannot be written: 0 when it can, else 6 "inconsistent
// data": a count or maxIndex that disagrees with the slots, a first label state
// outside the 20, a label naming another slot, a non-finite position or
// view value, a direction outside -1..2 or weight below -1 between present
// vertices, an unknown mouse mode, decimal places or icon size out of
// range, an extension longer than 3 x slots, a notebook longer than 64 000
// characters, or overlays the overlay writer refuses.
int checkGra(const GraDocument& doc, const GraRules& rules = {});
// Appends the file to w: 0, or the code of checkGra with nothing appended.
int writeGra(ByteWriter& w, const GraDocument& doc, const GraRules& rules = {});
// Saves the file whole or not at all: 0; 6 (checked before anything is
// written, the old file untouched); 12 "cannot save file".
int writeGra(const std::string& path, const GraDocument& doc, const GraRules& rules = {});

// Reads a file into out (whose slot count decides N): 0, or 11 "cannot open
// file" with out unchanged for an unreadable, foreign, cut-short or
// version 0 or 7+ file and for a file that breaks the format's rules
// (slot indices outside 0..N-1, repeated or out of order; words 5 and 6
// disagreeing with the records; a first label state outside the 20; non-finite
// positions or view values; directions outside -1..2; weights below -1; an
// unknown mouse mode; decimal places or icon size out of range; an
// extension length negative, past the end or above 3 x N; no notebook).
// The graph read has no solution (the best tour reset) and is not
// modified; valences are left to be recomputed when needed.
int readGra(const uint8_t* data, size_t size, GraDocument& out, const GraRules& rules = {});
inline int readGra(const Bytes& bytes, GraDocument& out, const GraRules& rules = {})
{
    return readGra(bytes.data(), bytes.size(), out, rules);
}
int readGra(const std::string& path, GraDocument& out, const GraRules& rules = {});

} // namespace quan
