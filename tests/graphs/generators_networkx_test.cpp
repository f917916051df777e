// The generators against networkx (Debian's python3-networkx, run by the
// system's /usr/bin/python3) and nauty: generated graphs are written as
// graph6 lines and tests/graphs/nx/check_generators.py compares them with
// networkx's constructions (isomorphism), its planarity and tree tests and
// its Erdos-Gallai test of the valence lists. Skipped only when networkx
// is missing.
#include "graphs/core/generators.h"
#include "graphs/core/notation.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <filesystem>
#include <fstream>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 10};

std::string line(const std::string& head, const Graph& g)
{
    std::string s = head;
    s += ' ';
    s += WriteGraph6(g);
    s += '\n';
    return s;
}

// Words joined by blanks.
std::string words(std::initializer_list<std::string> parts)
{
    std::string s;
    for (const std::string& p : parts) {
        if (!s.empty())
            s += ' ';
        s += p;
    }
    return s;
}

} // namespace

TEST(NetworkxGenerators, IsomorphicToTheReferenceGraphs)
{
    const std::string python = "/usr/bin/python3";
    if (std::system((python + " -c 'import networkx' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-networkx not installed";
    std::string text;
    int cases = 0;
    auto add = [&](const std::string& head, const Graph& g) {
        text += line(head, g);
        ++cases;
    };
    Graph g;
    int k = 0;
    ASSERT_EQ(petersenOffset(5, 2, kGraphSlots, k), 0);
    ASSERT_EQ(RingGraph(g, 5, k, false, kView), 0);
    add("PETERSEN", g);
    for (int n : {3, 4, 7, 12}) {
        ASSERT_EQ(RingGraph(g, n, 1, false, kView), 0);
        add(words({"ISO circular_ladder", formatInt(n)}), g);
        ASSERT_EQ(RingGraph(g, n, 1, true, kView), 0);
        add(words({"ISO moebius", formatInt(n)}), g);
    }
    ASSERT_EQ(RingGraph(g, 3, 1, true, kView), 0);
    add("ISO k33", g);
    ASSERT_EQ(RingGraph(g, 10, 2, false, kView), 0);
    add("ISO dodecahedral", g);
    ASSERT_EQ(RingGraph(g, 10, 3, false, kView), 0);
    add("ISO desargues", g);
    for (auto [n, kk] : {std::pair{7, 2}, {9, 4}, {13, 5}}) {
        ASSERT_EQ(RingGraph(g, n, kk, false, kView), 0);
        add(words({"ISO gp", formatInt(n), formatInt(kk)}), g);
    }
    for (auto [n, list] : {std::pair{8, "2 3"}, {8, "4"}, {13, "1 5"}, {20, "3 7 10"}}) {
        std::vector<int> s;
        ASSERT_EQ(parseSeparations(list, n, s), 0);
        ASSERT_EQ(MakeCircle(g, CircleKind::Circulant, n, s, kView), 0);
        std::string args = words({"ISO circulant", formatInt(n)});
        for (int x : s) {
            args += ' ';
            args += formatInt(x);
        }
        add(args, g);
    }
    ASSERT_EQ(MakeCircle(g, CircleKind::Complete, 9, {}, kView), 0);
    add("ISO complete 9", g);
    ASSERT_EQ(MakeCircle(g, CircleKind::Cycle, 11, {}, kView), 0);
    add("ISO cycle 11", g);
    for (auto [r, c] : {std::pair{4, 5}, {1, 7}, {6, 6}}) {
        ASSERT_EQ(MakeGrid(g, r, c, true, kView), 0);
        add(words({"ISO grid", formatInt(r), formatInt(c)}), g);
    }
    FaceList faces;
    ASSERT_EQ(LoadNamedGraph6(g, S(Str::Graph6Dodecahedron), kView, faces), 0);
    add("ISO dodecahedral", g);
    ASSERT_EQ(LoadNamedGraph6(g, S(Str::Graph6Tutte46), kView, faces), 0);
    add("ISO tutte", g);
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Heawood, kView), 0);
    add("ISO heawood", g);
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Desargues, kView), 0);
    add("ISO desargues", g);
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Grotzsch, kView), 0);
    add("ISO mycielski 4", g);
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Utilities, kView), 0);
    add("ISO k33", g);
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::GoldnerHarary, kView), 0);
    add("PLANAR", g);
    ASSERT_EQ(LoadStatesMap(g, kView), 0);
    add("PLANAR", g);
    for (int i = 0; i < kNamedGraph6Count; ++i) {
        ASSERT_EQ(LoadNamedGraph6(g, S(1008 + i), kView, faces), 0);
        add("PLANAR", g);
    }
    Random rng;
    rng.seed(2026);
    for (int n : {6, 8, 12, 30, 100, 286}) {
        ASSERT_EQ(RandomPlanar(g, n, rng), 0);
        add("PLANAR", g);
    }
    for (int n : {2, 3, 10, 57, 200, 285}) {
        ASSERT_EQ(RandomTree(g, n, false, kView, rng), 0);
        add("TREE", g);
    }
    // Random valence lists: realised or refused as Erdos-Gallai says.
    Random gen;
    gen.seed(7);
    for (int trial = 0; trial < 60; ++trial) {
        const int n = 2 + gen.below(12);
        std::vector<Real> r;
        std::string list;
        long long sum = 0;
        for (int i = 0; i < n; ++i) {
            const int d = gen.below(n);
            r.push_back(d);
            sum += d;
            if (i)
                list += ',';
            list += formatInt(d);
        }
        if (sum % 2)
            continue;
        Graph v;
        const int code = GraphFromValences(v, r, false, false, kView, rng);
        ASSERT_TRUE(code == 0 || code == 110) << code;
        if (code == 0)
            add(words({"DEGREES 1", list}), v);
        else
            add(words({"DEGREES 0", list}), g);
    }
    const auto dir = std::filesystem::temp_directory_path();
    const std::string in = (dir / "quandel_nx_generators.txt").string();
    const std::string out = (dir / "quandel_nx_generators_result.txt").string();
    {
        std::ofstream f(in);
        f << text;
    }
    std::string cmd = python;
    cmd += " ";
    cmd += QUANDEL_SOURCE_DIR;
    cmd += "/tests/graphs/nx/check_generators.py ";
    cmd += in;
    cmd += " > ";
    cmd += out;
    const int rc = std::system(cmd.c_str());
    std::ifstream r(out);
    const std::string report((std::istreambuf_iterator<char>(r)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rc, 0) << report;
    EXPECT_NE(report.find(formatInt(cases) + " passed, 0 failed"), std::string::npos) << report;
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}
