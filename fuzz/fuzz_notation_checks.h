// Properties of the notation readers for any input, shared by the libFuzzer
// targets fuzz_graph6, fuzz_digraph6, fuzz_sparse6, fuzz_lcf and
// fuzz_g6collection and by the always-run robustness test of tests/graphs:
// a refusal changes nothing; what is accepted is within the limits and
// reads back from what it writes. Each check returns an empty string when
// all hold, else what went wrong.
#pragma once

#include "fuzz_gra_checks.h"
#include "graphs/core/notation.h"
#include "graphs/core/viewer.h"

#include <string>

namespace quan::fuzzcheck {

inline const ExampleView kNotationView{0, 0, 10, 8};

// A graph with a hole, a weight and the switches on, so that a refused read
// that touched anything shows.
inline Graph notationSentinel()
{
    Graph g;
    g.AddVertexAt(1, 2);
    g.AddVertexAt(3, 4);
    g.AddVertexAt(5, 6);
    g.DeleteVertex(1);
    g.AddEdge(0, 2);
    g.SetWeight(0, 2, 17);
    g.weightsShown = true;
    g.digraph = true;
    g.modified = false;
    return g;
}

// What an accepted graph must satisfy: its shape, the slot limit, and a
// round trip of graph6 (digraph6 in digraph mode) and, undirected, sparse6.
inline std::string checkAccepted(const Graph& g)
{
    if (std::string p = checkGraphShape(g); !p.empty())
        return p;
    if (g.count() < 1 || g.count() > kGraphSlots || g.solution.mode != DisplayMode::None)
        return "an accepted graph outside the limits";
    for (const auto& [a, b] : g.edges())
        if (g.Weight(a, b) != 0)
            return "an edge read with a weight";
    const std::string s = WriteGraph6(g);
    Graph back;
    if (ReadGraph6(back, s, kNotationView) != 0)
        return "cannot read back its graph6: " + s;
    if (WriteGraph6(back) != s || back.edgeCount() != g.edgeCount() || back.digraph != g.digraph)
        return "graph6 read back differs: " + s;
    const std::string s6 = WriteSparse6(g);
    Graph back6;
    if (ReadGraph6(back6, s6, kNotationView) != 0 || back6.edgeCount() != g.edgeCount() || back6.digraph)
        return "sparse6 read back differs: " + s6;
    back6.digraph = false;
    Graph undirected = g;
    undirected.digraph = false;
    if (WriteGraph6(back6) != WriteGraph6(undirected))
        return "sparse6 read back differs: " + s6;
    return "";
}

// The bytes (after `prefix`) as a pasted graph6, digraph6 or sparse6 text.
inline std::string checkNotation(const std::string& prefix, const uint8_t* data, size_t size)
{
    const std::string text = prefix + std::string(reinterpret_cast<const char*>(data), size);
    const Graph before = notationSentinel();
    Graph g = before;
    const int code = ReadGraph6(g, text, kNotationView);
    if (code != 0 && code != 115)
        return g == before && !g.modified ? "" : "a refused notation changed the graph";
    if (code == 115 && !g.digraph)
        return "a loop reported outside digraph6";
    if (!g.modified)
        return "a read graph is not marked modified";
    return checkAccepted(g);
}

inline std::string checkGraph6(const uint8_t* data, size_t size) { return checkNotation("", data, size); }
inline std::string checkDigraph6(const uint8_t* data, size_t size) { return checkNotation("&", data, size); }
inline std::string checkSparse6(const uint8_t* data, size_t size) { return checkNotation(":", data, size); }

inline std::string checkLcf(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Graph before = notationSentinel();
    Graph g = before;
    const int code = ReadLCF(g, text, kNotationView);
    if (code != 0)
        return g == before ? "" : "a refused LCF text changed the graph";
    if (g.digraph || g.weightsShown || !g.modified)
        return "an LCF graph with the wrong switches";
    for (int v : g.presentVertices())
        if (g.outValence(v) != 3)
            return "an LCF graph that is not cubic";
    for (int v = 0; v < g.count(); ++v)
        if (!g.Adjacent(v, (v + 1) % g.count()))
            return "an LCF graph without its Hamiltonian cycle";
    return checkAccepted(g);
}

// The bytes as a collection file, stepped through as the viewer does (as a
// polyhedral collection, so that faces are looked for).
inline std::string checkG6Collection(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    G6Viewer v;
    const int code = v.load(text, 100);
    if (code != 0)
        return code == 11 && !v.loaded() ? "" : "a refused collection was loaded";
    if (v.count() < 1 || static_cast<size_t>(v.count()) > size)
        return "a collection miscounted";
    Graph g = notationSentinel();
    for (int i = -1; i < std::min(v.count(), 12); ++i) {
        const Graph before = g;
        const int shown = v.show(g, i, kNotationView);
        if (v.current() != v.collection().wrap(i))
            return "the example number did not move";
        if (shown != 0 && shown != 115) {
            if (!(g == before))
                return "an example that cannot be read changed the graph";
            continue;
        }
        if (g.modified)
            return "a viewer example is marked modified";
        if (std::string p = checkAccepted(g); !p.empty())
            return p;
        if (!v.faces().empty()) {
            if (v.faces().count() != g.edgeCount() - g.count() + 2 || drawingHasCrossings(g))
                return "faces found for a drawing that is not plane";
        }
    }
    return "";
}

} // namespace quan::fuzzcheck
