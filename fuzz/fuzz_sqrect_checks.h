// Properties of the squared-rectangle readers for any input, shared by the
// libFuzzer targets fuzz_bouwkamp and fuzz_bou and by the always-run
// robustness test of tests/graphs: a refusal changes nothing; an accepted
// code lays out as an exact tiling whose codes read back, and an accepted
// ".bou" file writes back to the same bytes. Each check returns an empty
// string when all hold, else what went wrong.
#pragma once

#include "graphs/core/sqrect.h"

#include <string>

namespace quan::fuzzcheck {

// A graph with a hole and a weight, so that a refused network shows.
inline Graph sqrectSentinel()
{
    Graph g;
    g.AddVertexAt(1, 2);
    g.AddVertexAt(3, 4);
    g.AddVertexAt(5, 6);
    g.DeleteVertex(1);
    g.AddEdge(0, 2);
    g.SetWeight(0, 2, 17);
    g.modified = false;
    return g;
}

// The tiling of an accepted build: squares inside W x H, side lengths
// right, areas summing to W x H, none overlapping (checked pairwise for
// up to 400 squares), links in range, both codes reading back.
inline std::string checkTiling(const SquaredRectangle& r, const std::vector<int32_t>& sizes)
{
    if (r.squares.size() != sizes.size() || r.width < 1 || r.height < 1)
        return "squares or sides lost";
    int64_t area = 0;
    const auto nh = static_cast<int16_t>(r.horizontal.size()), nv = static_cast<int16_t>(r.vertical.size());
    for (size_t i = 0; i < r.squares.size(); ++i) {
        const Square& q = r.squares[i];
        if (q.size != sizes[i] || q.x2 - q.x1 != q.size || q.y1 - q.y2 != q.size)
            return "a square of the wrong size";
        if (q.x1 < 0 || q.x2 > r.width || q.y2 < 0 || q.y1 > r.height)
            return "a square outside the rectangle";
        if (q.top < 0 || q.top >= nh || q.bottom < 0 || q.bottom >= nh || q.left < 0 || q.left >= nv ||
            q.right < 0 || q.right >= nv || q.top == q.bottom || q.left == q.right)
            return "a link out of range";
        area += static_cast<int64_t>(q.size) * q.size;
    }
    if (area != static_cast<int64_t>(r.width) * r.height)
        return "areas do not fill the rectangle";
    if (r.squares.size() <= 400)
        for (size_t i = 0; i < r.squares.size(); ++i)
            for (size_t j = 0; j < i; ++j) {
                const Square& a = r.squares[i];
                const Square& b = r.squares[j];
                if (a.x1 < b.x2 && b.x1 < a.x2 && a.y2 < b.y1 && b.y2 < a.y1)
                    return "two squares overlap";
            }
    for (const SqSegment& s : r.horizontal)
        if (s.start < 0 || s.end < 0 || static_cast<size_t>(s.start) >= r.points.size() ||
            static_cast<size_t>(s.end) >= r.points.size())
            return "a segment's point out of range";
    for (const SqSegment& s : r.vertical)
        if (s.start < 0 || s.end < 0 || static_cast<size_t>(s.start) >= r.points.size() ||
            static_cast<size_t>(s.end) >= r.points.size())
            return "a segment's point out of range";
    BouwkampCode again;
    if (ReadBouwkamp(r.code, again) != 0 || again.sizes != sizes || again.width != r.width)
        return "the rebuilt code does not read back: " + r.code.substr(0, 200);
    BouwkampCode turned;
    if (ReadBouwkamp(r.verticalCode, turned) != 0 || turned.width != r.height ||
        turned.sizes.size() != sizes.size())
        return "the vertical code does not read back";
    SquaredRectangle t;
    if (BuildSquaredRectangle(turned.width, turned.sizes, t) != 0 || t.height != r.width)
        return "the vertical code does not tile the turned rectangle";
    return {};
}

// Arbitrary bytes as a pasted Bouwkamp code, read, built and made a network.
inline std::string checkBouwkamp(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    BouwkampCode c;
    c.order = -5;
    const int code = ReadBouwkamp(text, c);
    if (code != 0) {
        if (c.order != -5 || !c.sizes.empty())
            return "a refused code changed the result";
        return {};
    }
    if (c.order < 1 || static_cast<size_t>(c.order) != c.sizes.size() || c.width < 1 || c.height < 1)
        return "an accepted code outside the limits";
    for (int32_t s : c.sizes)
        if (s < 1 || s > kMaxSquareSize)
            return "an accepted size out of range";
    SquaredRectangle r;
    r.width = -7;
    const int built = BuildSquaredRectangle(c.width, c.sizes, r);
    if (built != 0)
        return r.width == -7 ? std::string() : "a refused build changed the result";
    if (std::string p = checkTiling(r, c.sizes); !p.empty())
        return p;
    for (bool vertical : {false, true}) {
        Graph g = sqrectSentinel();
        const int net = kirchhoffGraph(r, vertical, g);
        const size_t segs = vertical ? r.vertical.size() : r.horizontal.size();
        if (net != 0) {
            if (!(g == sqrectSentinel()) || segs <= static_cast<size_t>(kGraphSlots))
                return "a refused network changed the graph or was not too large";
            continue;
        }
        if (static_cast<size_t>(g.count()) != segs || g.edgeCount() > static_cast<int>(r.squares.size()))
            return "the network has the wrong size";
    }
    return {};
}

// Arbitrary bytes as a ".bou" file.
inline std::string checkBou(const uint8_t* data, size_t size)
{
    BouwkampCollection c;
    c.order = -3;
    if (readBou(data, size, c) != 0)
        return c.order == -3 && c.records.empty() ? std::string() : "a refused file changed the collection";
    if (c.order < 1 || c.order > kMaxBouOrder || c.records.empty() ||
        size != 8 + 2 * c.records.size() * (static_cast<size_t>(c.order) + 2))
        return "an accepted file outside the limits";
    const std::string back = writeBou(c);
    if (back != std::string(reinterpret_cast<const char*>(data), size))
        return "the file does not write back to its bytes";
    // The first records lay out or are refused, without harm.
    for (size_t i = 0; i < c.records.size() && i < 20; ++i) {
        SquaredRectangle r;
        if (BuildSquaredRectangle(c.records[i].width, c.records[i].sizes, r) == 0)
            if (std::string p = checkTiling(r, c.records[i].sizes); !p.empty())
                return p;
    }
    return {};
}

} // namespace quan::fuzzcheck
