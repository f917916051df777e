// The complete graph on 286 vertices (40 755 edges, every one weighted and
// directed): writing and reading its ".gra" file (target under 10 ms each),
// and the Coordinates paste of its text with a weight and a direction for
// every edge, laid out as a Definition (target under 100 ms).
#include "graphs/core/grafile.h"
#include "graphs/core/graphtext.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace quan;

namespace {

GraDocument complete286()
{
    GraDocument d;
    Graph& g = d.graph;
    for (int i = 0; i < kGraphSlots; ++i)
        g.AddVertexAt(std::cos(i * 0.0219L) * 10, std::sin(i * 0.0219L) * 10);
    for (int a = 0; a < kGraphSlots; ++a)
        for (int b = a + 1; b < kGraphSlots; ++b) {
            g.SetWeight(a, b, (a * 131 + b * 7) % 1000 + 1);
            g.SetDirection(a, b, (a + b) % 4 - 1);
        }
    g.weightsShown = g.digraph = true;
    g.ClearSolution(true);
    d.notebook = "K286";
    return d;
}

// The text in the Definition's layout, all blocks in full (a Definition
// of this graph would not fit the notebook).
std::string coordinatesText(const Graph& g)
{
    const auto edges = g.edges();
    std::string text = "vertices: " + formatInt(g.count()) + "\r\n";
    for (int v : g.presentVertices())
        text += formatReal(g.x(v), 0, 4) + " " + formatReal(g.y(v), 0, 4) + "\r\n";
    text += "\r\nedges: " + formatInt(static_cast<long long>(edges.size())) + "\r\n";
    for (const auto& [lo, hi] : edges)
        text += formatInt(lo) + " " + formatInt(hi) + "\r\n";
    text += "\r\nweights: " + formatInt(static_cast<long long>(edges.size())) + "\r\n";
    for (const auto& [lo, hi] : edges)
        text += formatInt(g.Weight(lo, hi)) + " ";
    text += "\r\n\r\ndirections: " + formatInt(static_cast<long long>(edges.size())) + "\r\n";
    for (const auto& [lo, hi] : edges)
        text += formatInt(g.Direction(lo, hi)) + " ";
    return text;
}

void BM_WriteComplete286(benchmark::State& state)
{
    static const GraDocument d = complete286();
    for (auto _ : state) {
        ByteWriter w;
        benchmark::DoNotOptimize(writeGra(w, d));
        benchmark::DoNotOptimize(w.data().data());
    }
}
BENCHMARK(BM_WriteComplete286)->Unit(benchmark::kMillisecond);

void BM_ReadComplete286(benchmark::State& state)
{
    static const GraDocument d = complete286();
    ByteWriter w;
    writeGra(w, d);
    const Bytes bytes = w.take();
    GraDocument out;
    for (auto _ : state)
        benchmark::DoNotOptimize(readGra(bytes, out));
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["edges"] = out.graph.edgeCount();
}
BENCHMARK(BM_ReadComplete286)->Unit(benchmark::kMillisecond);

void BM_PasteCoordinatesComplete286(benchmark::State& state)
{
    static const GraDocument d = complete286();
    const std::string text = coordinatesText(d.graph);
    Graph g;
    for (auto _ : state)
        benchmark::DoNotOptimize(pasteCoordinates(g, text, true));
    state.counters["chars"] = static_cast<double>(text.size());
    state.counters["edges"] = g.edgeCount();
    state.counters["same"] = g.edges() == d.graph.edges() && g.Weight(3, 200) == d.graph.Weight(3, 200) &&
        g.Direction(200, 3) == d.graph.Direction(200, 3);
}
BENCHMARK(BM_PasteCoordinatesComplete286)->Unit(benchmark::kMillisecond);

} // namespace
