// The graph6 viewer's speed targets on the 7595 cubic polyhedra of 20
// vertices ("qngpol20.g6", which the build puts beside the programs):
// decoding every string and encoding it again byte for byte, in graph6
// and in sparse6 (target under 10 ms each); showing every example in turn
// as the viewer does (read, faces, Schlegel layout, summary; no painting;
// target under 2 s in all); and the truncated icosidodecahedron of 120
// vertices shown once (target under 50 ms).
#include "graphs/core/viewer.h"
#include "resources/collections.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 10};

std::string besideProgram(const std::string& name)
{
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    std::ifstream f(exe.parent_path() / name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

const G6Collection& pol20()
{
    static G6Collection c = [] {
        G6Collection x;
        x.load(besideProgram("qngpol20.g6"), 108);
        return x;
    }();
    return c;
}

void BM_Pol20Graph6RoundTrip(benchmark::State& state)
{
    const G6Collection& c = pol20();
    if (c.count() != 7595)
        state.SkipWithError("qngpol20.g6 not beside the program");
    for (auto _ : state) {
        for (int i = 0; i < c.count(); ++i) {
            NotationGraph ng;
            const std::string_view s = c.example(i);
            if (decodeNotation(s, kGraphSlots, ng) != 0 || encodeGraph6(ng) != s) {
                state.SkipWithError("graph6 round trip differs");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * c.count());
}
BENCHMARK(BM_Pol20Graph6RoundTrip)->Unit(benchmark::kMillisecond);

void BM_Pol20Sparse6RoundTrip(benchmark::State& state)
{
    const G6Collection& c = pol20();
    std::vector<std::string> s6;
    for (int i = 0; i < c.count(); ++i) {
        NotationGraph ng;
        decodeNotation(c.example(i), kGraphSlots, ng);
        s6.push_back(encodeSparse6(ng));
    }
    for (auto _ : state) {
        for (const std::string& s : s6) {
            NotationGraph ng;
            if (decodeNotation(s, kGraphSlots, ng) != 0 || encodeSparse6(ng) != s) {
                state.SkipWithError("sparse6 round trip differs");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(s6.size()));
}
BENCHMARK(BM_Pol20Sparse6RoundTrip)->Unit(benchmark::kMillisecond);

void BM_Pol20ShowEach(benchmark::State& state)
{
    G6Viewer v;
    if (v.load(besideProgram("qngpol20.g6"), 108) != 0)
        state.SkipWithError("qngpol20.g6 not beside the program");
    Graph g;
    for (auto _ : state) {
        for (int i = 0; i < v.count(); ++i)
            if (v.show(g, i, kView) != 0 || v.faces().count() != 12) {
                state.SkipWithError("an example was not shown with its 12 faces");
                return;
            }
    }
}
BENCHMARK(BM_Pol20ShowEach)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TruncatedIcosidodecahedron(benchmark::State& state)
{
    const CollectionResource* r = collectionResource("QNGARCHI");
    G6Viewer v;
    if (!r || v.load(r->text, 1, r->names) != 0)
        state.SkipWithError("no Archimedean collection");
    Graph g;
    for (auto _ : state) {
        if (v.show(g, 11, kView) != 0 || g.count() != 120 || v.faces().count() != 62) {
            state.SkipWithError("the truncated icosidodecahedron was not shown with its 62 faces");
            return;
        }
    }
}
BENCHMARK(BM_TruncatedIcosidodecahedron)->Unit(benchmark::kMillisecond);

} // namespace
