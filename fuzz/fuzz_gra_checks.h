// Properties of the graph readers for any input, shared by the libFuzzer
// targets fuzz_gra and fuzz_graph_paste and by the always-run robustness
// test of tests/graphs. Each check returns an empty string when all hold,
// else what went wrong.
#pragma once

#include "graphs/core/grafile.h"
#include "graphs/core/graphtext.h"

#include <cmath>
#include <string>

namespace quan::fuzzcheck {

// A document with a hole, an edge, a label, overlays and notes, so that a
// refused read that touched anything shows.
inline GraDocument sentinelGra()
{
    GraDocument d;
    Graph& g = d.graph;
    g.AddVertexAt(1, 2);
    g.AddVertexAt(3, 4);
    g.AddVertexAt(5, 6);
    g.DeleteVertex(1);
    g.AddEdge(0, 2);
    g.SetWeight(0, 2, 17);
    g.setLabelText(2, "sentinel");
    g.modified = false;
    d.overlays.texts.resize(1);
    d.overlays.texts[0].setText("sentinel");
    d.extension[5] = 9;
    d.notebook = "sentinel notes";
    return d;
}

// What every graph that a reader or paste leaves must satisfy.
inline std::string checkGraphShape(const Graph& g)
{
    const std::vector<int> vs = g.presentVertices();
    if (static_cast<int>(vs.size()) != g.count() || (vs.empty() ? -1 : vs.back()) != g.maxIndex())
        return "count or maxIndex disagree with the slots";
    for (int v : vs) {
        if (!std::isfinite(g.x(v)) || !std::isfinite(g.y(v)))
            return "a position is not finite";
        if (g.label(v).slot != v || !labelStateValid(g.label(v).state) || g.label(v).text().size() > 20)
            return "a label outside its field";
    }
    for (size_t a = 0; a < vs.size(); ++a)
        for (size_t b = a + 1; b < vs.size(); ++b) {
            const int w = g.Weight(vs[a], vs[b]), d = g.Direction(vs[a], vs[b]);
            if (w < -1 || w > kMaxWeight || d < -1 || d > 2)
                return "a weight or direction outside its range";
        }
    return "";
}

inline std::string checkGraFile(const uint8_t* data, size_t size)
{
    const GraDocument before = sentinelGra();
    GraDocument doc = before;
    const int code = readGra(data, size, doc);
    if (code == 11)
        return doc == before ? "" : "a refused .gra read changed the document";
    if (code != 0)
        return "readGra returned " + std::to_string(code);
    if (std::string p = checkGraphShape(doc.graph); !p.empty())
        return p;
    if (doc.graph.solution.mode != DisplayMode::None || doc.graph.modified)
        return "a file opened with a solution or modified";
    for (Real v : doc.view)
        if (!std::isfinite(v))
            return "a view value is not finite";
    if (!decimalPlacesValid(doc.settings.decimals) || !iconSizeValid(doc.settings.iconSize) ||
        !mouseModeValid(doc.settings.mouseMode) || doc.settings.scheduleSetting < 2 ||
        doc.settings.scheduleSetting > 20 || doc.extension.size() != 3 * static_cast<size_t>(doc.graph.slots()) ||
        doc.notebook.size() > 64000)
        return "accepted a value outside its range";
    ByteWriter first;
    if (writeGra(first, doc) != 0)
        return "cannot write a document that was read";
    GraDocument again = before;
    if (readGra(first.data(), again) != 0)
        return "cannot read a rewritten document";
    ByteWriter second;
    writeGra(second, again);
    return first.data() == second.data() ? "" : ".gra round trip is not stable";
}

// The bytes as text pasted as Coordinates (both numberings), Adjacencies
// and Weights into a graph with a hole: a refused paste changes nothing,
// an accepted one leaves a well-formed graph, and a Coordinates paste of
// an accepted graph's Definition gives the same edges back.
inline std::string checkGraphPaste(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Graph before = sentinelGra().graph;
    for (int kind = 0; kind < 4; ++kind) {
        Graph g = before;
        const int code = kind == 0 ? pasteCoordinates(g, text, true)
            : kind == 1            ? pasteCoordinates(g, text, false)
            : kind == 2            ? pasteAdjacencies(g, text)
                                   : pasteWeights(g, text);
        if (code != 0) {
            if (code != 6 && code != 9 && code != 14 && code != 20 && code != 101 && code != 105 && code != 106)
                return "a paste returned " + std::to_string(code);
            if (!(g == before))
                return "a refused paste changed the graph";
            continue;
        }
        if (std::string p = checkGraphShape(g); !p.empty())
            return p;
        if (kind > 1)
            continue;
        DefinitionOptions o;
        o.decimals = 18;
        std::string def;
        if (definitionText(g, o, def) != 0)
            continue;
        Graph back(g.slots());
        if (pasteCoordinates(back, def, true) != 0)
            return "the Definition of a pasted graph does not paste";
        if (back.edges() != g.edges() || back.count() != g.count())
            return "the Definition of a pasted graph reads back as another graph";
        for (const auto& [lo, hi] : g.edges())
            if (back.Weight(lo, hi) != g.Weight(lo, hi) || back.Direction(lo, hi) != g.Direction(lo, hi))
                return "the Definition of a pasted graph loses a weight or direction";
    }
    return "";
}

} // namespace quan::fuzzcheck
