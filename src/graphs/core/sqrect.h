// Squared rectangles: Bouwkamp codes read from text, the tiling laid out
// square by square, its horizontal and vertical segments (the maximal line
// pieces of the dissection), the codes read along both kinds of segment,
// the electrical (Kirchhoff) network, and the ".bou" collection files.
//
// Coordinates are integers with y growing upwards: the rectangle spans
// 0..width by 0..height once built.
#pragma once

#include "graphs/core/graph.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

// The largest square size a network edge can carry (the weights are 16-bit).
inline constexpr int32_t kMaxSquareSize = 32767;

// What ReadBouwkamp found: the order (number of sizes), the width, the
// height (given in the triple, or the area divided by the width) and the
// sizes in Bouwkamp order.
struct BouwkampCode {
    int32_t order = 0;
    int32_t width = 0;
    int64_t height = 0;
    std::vector<int32_t> sizes;
};

// Reads a Bouwkamp code. '[' '{' count as '(' and ']' '}' as ')'; numbers
// are decimal integers and every other character separates them. With
// brackets the numbers before the first '(' are none or the triple order,
// width, height; without a triple the width is the sum of the first
// group. Without brackets the numbers are order, width, height, sizes.
// Codes: 0; 9 "nothing to do" for an empty text; 1 "cannot understand" for
// brackets without '('; 6 "inconsistent data" for fewer than 11 numbers
// (the triple counted, or two places for width and height without it),
// one or two numbers before '(', no closed first group, a number of 0, an
// order, width or height past 32 bits, or a triple whose order is not the
// number of sizes; 20 "too large" for a size of 32 768 or more.
int ReadBouwkamp(const std::string& text, BouwkampCode& out);

struct SqPoint {
    int32_t x = 0, y = 0;
    bool operator==(const SqPoint&) const = default;
};

// A segment: two point indices on one horizontal (start left) or one
// vertical (start below) line.
struct SqSegment {
    int32_t start = 0, end = 0;
};

struct Square {
    int32_t size = 0;
    int32_t x1 = 0, x2 = 0; // left, right = x1 + size
    int32_t y1 = 0, y2 = 0; // top, bottom = y1 - size
    int16_t top = -1, bottom = -1; // horizontal segments holding the top and bottom sides
    int16_t left = -1, right = -1; // vertical segments holding the left and right sides
};

struct SquaredRectangle {
    int32_t width = 0, height = 0;
    std::vector<Square> squares;         // in Bouwkamp order
    std::vector<SqPoint> points;         // the two ends of every segment, in segment order
    std::vector<SqSegment> horizontal;   // in the order the layout met them: top edge first, bottom edge last
    std::vector<SqSegment> vertical;     // by x, then from below
    std::string code;                    // the rebuilt code: "(18,15)(7,8)..."
    std::string verticalCode;            // the code of the tiling turned a quarter turn

    const SqPoint& startOf(const SqSegment& s) const { return points[static_cast<size_t>(s.start)]; }
    const SqPoint& endOf(const SqSegment& s) const { return points[static_cast<size_t>(s.end)]; }
};

// The squares placed, before the segments are completed: every square with
// its top segment linked (bottom, left and right still -1), the horizontal
// segments as lines y = at from x = lo to x = hi in the order the layout
// met them (top edge first, bottom edge last), and the rebuilt code.
struct SqLine {
    int32_t at = 0, lo = 0, hi = 0;
};
struct SquareLayout {
    int32_t width = 0, height = 0;
    std::vector<Square> squares;
    std::vector<SqLine> horizontal;
    std::string code;
};

// The layout alone, with the codes and the order of checks of
// BuildSquaredRectangle (below): 0, or 6 for a width or size below 1, a
// group that overshoots its run, sizes that run out, a size the width does
// not take or a height past 32 bits; 20 for a size above 32 767; 106 for
// more than 32 767 horizontal segments. out is unchanged on a refusal.
// The highest leftmost piece of the profile is found in a heap and the run
// replaced in a linked list, so the time is O(n log n) in the number of
// sizes, whatever their shape.
int LayOutSquares(int32_t width, const std::vector<int32_t>& sizes, SquareLayout& out);

// Lays the squares out (a pseudo-square of the width closes the bottom
// edge): repeatedly the leftmost run of the highest level of the filled
// region takes the next sizes, which must fill it exactly. Then the
// segments, the links of every square and both codes. 0, or 6
// "inconsistent data" (out unchanged) for a width or size below 1, a group
// that overshoots its run, sizes that run out, a size the width does not
// take or a height past 32 bits; 20 "too large" for a size above 32 767;
// 106 "too many points" for more than 32 767 segments of one kind (the
// links are 16-bit).
int BuildSquaredRectangle(int32_t width, const std::vector<int32_t>& sizes, SquaredRectangle& out);

// One edge of the network: from segment `from` to segment `to` with the
// square's size as its weight (square k gives edge k).
struct NetworkEdge {
    int from = 0, to = 0;
    int32_t weight = 0;
};

// The network as an edge list: horizontal segments as vertices, each square
// an edge from its top to its bottom segment; vertical: from its left to
// its right segment.
std::vector<NetworkEdge> kirchhoffEdges(const SquaredRectangle& r, bool vertical);

// Replaces g by the network: one vertex per segment of the kind in use (in
// slot order as listed) at the segment's midpoint, one edge per square with
// the size as weight and direction 1 from top to bottom (or left to right);
// two squares between the same pair of segments share the edge. Digraph
// mode and weights on, every label a bullet without text, solution cleared.
// 0, or 106 "too many points" (g unchanged) when there are more segments
// than g has slots.
int kirchhoffGraph(const SquaredRectangle& r, bool vertical, Graph& g);

// The notebook lines of Misc|Bouwkamp notation: `hori` ": " code, line end,
// `vert` ": " vertical code.
std::string bouwkampNotation(const SquaredRectangle& r, const std::string& hori, const std::string& vert,
                             const char* lineEnd = "\r\n");

// --- collections -----------------------------------------------------------------

// One record: width, height and the sizes in Bouwkamp order.
struct BouwkampRecord {
    int32_t width = 0, height = 0;
    std::vector<int32_t> sizes;
    bool operator==(const BouwkampRecord&) const = default;
};

// m records of order n, as a built-in table and a ".bou" file hold them.
struct BouwkampCollection {
    int32_t order = 0;
    std::vector<BouwkampRecord> records;
};

// Bounds a collection file must keep: orders 1..200, 1..1 000 000 records.
inline constexpr int32_t kMaxBouOrder = 200;
inline constexpr int32_t kMaxBouRecords = 1000000;

// A ".bou" file: little-endian 32-bit n, 32-bit m, then m records of n + 2
// signed 16-bit numbers. 0, or 11 "cannot open file" (out unchanged) for a
// size other than 8 + 2m(n + 2), n or m out of range, or a width, height or
// size below 1.
int readBou(const uint8_t* data, size_t size, BouwkampCollection& out);
int readBou(const std::string& path, BouwkampCollection& out);
// The file's bytes; empty when a number does not fit 16 bits, a record has
// other than `order` sizes, or the bounds above are broken.
std::string writeBou(const BouwkampCollection& c);

// A built-in table: n + 2 numbers per record.
BouwkampCollection collectionFromTable(int32_t order, const int16_t* numbers, size_t count);

// The record's list text, width " X " height.
std::string recordTitle(const BouwkampRecord& r);
// The record as a code in bracket form with its triple, "n W H (..)(..)";
// empty when the sizes do not lay out.
std::string recordCode(const BouwkampRecord& r);

} // namespace quan
