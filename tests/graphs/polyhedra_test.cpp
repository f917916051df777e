// The Schlegel drawing on a given face, worked by hand on small graphs,
// with its refusals; faces of the cube and the triangular prism.
#include "graphs/core/notation.h"
#include "graphs/core/polyhedra.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <map>

using namespace quan;

namespace {

const ExampleView kView{1, 2, 10, 5};

Graph build(int n, const std::vector<std::pair<int, int>>& edges)
{
    Graph g;
    circleExample(g, n, kView, false);
    for (const auto& [a, b] : edges) {
        g.SetWeight(a, b, 0);
        g.SetDirection(a, b, 0);
    }
    return g;
}

} // namespace

TEST(Schlegel, TheWheelsHubSitsAtTheCentreOfItsRim)
{
    // The wheel of four spokes: the rim 0-1-2-3 is the outer square of
    // radius 0.8 x min(10, 5) = 4 about (1, 2), the hub 4 its centre.
    Graph g = build(5, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 4}, {1, 4}, {2, 4}, {3, 4}});
    ASSERT_EQ(SchlegelOnFace(g, {0, 1, 2, 3}, kView), 0);
    EXPECT_NEAR(static_cast<double>(g.x(4)), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(4)), 2.0, 1e-12);
    // The first face vertex at the top, the others a quarter turn apart.
    EXPECT_NEAR(static_cast<double>(g.x(0)), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(0)), 6.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.x(1)), -3.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(1)), 2.0, 1e-12);
    EXPECT_FALSE(drawingHasCrossings(g));
}

TEST(Schlegel, TwoInnerVerticesOnAPath)
{
    // The triangle 0 1 2 with 3 joined to 0 and 4, and 4 joined to 3, 1
    // and 2: x3 = (p0 + x4) / 2 and x4 = (x3 + p1 + p2) / 3 give
    // x4 = (p0 + 2 p1 + 2 p2) / 5 and x3 = (3 p0 + p1 + p2) / 5.
    Graph g = build(5, {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {3, 4}, {4, 1}, {4, 2}});
    ASSERT_EQ(SchlegelOnFace(g, {0, 1, 2}, kView), 0);
    const double x0 = static_cast<double>(g.x(0)), x1 = static_cast<double>(g.x(1)), x2 = static_cast<double>(g.x(2));
    const double y0 = static_cast<double>(g.y(0)), y1 = static_cast<double>(g.y(1)), y2 = static_cast<double>(g.y(2));
    EXPECT_NEAR(static_cast<double>(g.x(4)), (x0 + 2 * x1 + 2 * x2) / 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(4)), (y0 + 2 * y1 + 2 * y2) / 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.x(3)), (3 * x0 + x1 + x2) / 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(3)), (3 * y0 + y1 + y2) / 5, 1e-12);
}

TEST(Schlegel, Refusals)
{
    const Graph k4 = build(4, {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}});
    Graph g = k4;
    EXPECT_EQ(SchlegelOnFace(g, {0, 1}, kView), 105);
    EXPECT_EQ(SchlegelOnFace(g, {0, 1, 1}, kView), 105);
    EXPECT_EQ(SchlegelOnFace(g, {0, 1, 7}, kView), 105);
    EXPECT_TRUE(g == k4);
    // 0 and 2 are not joined in the square 0-1-2-3 with the pendant 4.
    Graph sq = build(5, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {3, 4}});
    const Graph before = sq;
    EXPECT_EQ(SchlegelOnFace(sq, {0, 2, 1, 3}, kView), 2);
    EXPECT_EQ(SchlegelOnFace(sq, {0, 1, 2, 3}, kView), 24); // 4 has valence 1
    EXPECT_TRUE(sq == before);
    // A triangle apart from the face: its centroid equations have no anchor.
    Graph apart = build(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}});
    EXPECT_EQ(SchlegelOnFace(apart, {0, 1, 2}, kView), 6);
}

TEST(Faces, CubeAndPrism)
{
    Graph cube;
    ASSERT_EQ(ReadLCF(cube, "[3,-3]^4", kView), 0);
    FaceList f;
    ASSERT_TRUE(polyhedralLayout(cube, kView, f));
    EXPECT_EQ(faceCensus(f), "4:6");
    EXPECT_FALSE(drawingHasCrossings(cube));
    // Every edge lies on exactly two faces.
    std::map<std::pair<int, int>, int> sides;
    for (const auto& face : f.faces)
        for (size_t k = 0; k < face.size(); ++k)
            ++sides[{std::min(face[k], face[(k + 1) % face.size()]), std::max(face[k], face[(k + 1) % face.size()])}];
    EXPECT_EQ(sides.size(), 12u);
    for (const auto& [e, n] : sides)
        EXPECT_EQ(n, 2);
    // The triangular prism: two triangles, three squares; a square outside.
    Graph prism = build(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}, {0, 3}, {1, 4}, {2, 5}});
    ASSERT_TRUE(polyhedralLayout(prism, kView, f));
    EXPECT_EQ(faceCensus(f), "3:2, 4:3");
    EXPECT_EQ(f.faces[static_cast<size_t>(f.view)].size(), 4u);
    // Not polyhedral: K3,3 (not planar) and the square (too small).
    Graph k33 = build(6, {{0, 3}, {0, 4}, {0, 5}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}});
    const Graph k33before = k33;
    FaceList none;
    EXPECT_FALSE(polyhedralLayout(k33, kView, none));
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(k33 == k33before);
    Graph square = build(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    EXPECT_FALSE(polyhedralLayout(square, kView, none));
}

namespace {

// A stacked triangulation: a triangle, then each new vertex put into a
// triangular face (chosen by a small linear congruential generator) and
// joined to its three corners, the labels shuffled. Every such graph with
// n >= 4 vertices is a maximal planar, 3-connected graph: a polyhedron
// with 2n - 4 triangular faces. Its barycentric drawing nests ever smaller
// triangles, which a fixed tolerance took for crossings.
Graph stackedTriangulation(int n, unsigned seed)
{
    std::vector<int> label(static_cast<size_t>(n));
    for (int v = 0; v < n; ++v)
        label[static_cast<size_t>(v)] = v;
    unsigned x = seed * 7919u + 1u;
    auto next = [&x](size_t below) {
        x = x * 1103515245u + 12345u;
        return static_cast<size_t>(x >> 8) % below;
    };
    for (int v = n - 1; v > 0; --v)
        std::swap(label[static_cast<size_t>(v)], label[next(static_cast<size_t>(v) + 1)]);
    std::vector<std::pair<int, int>> edges{{0, 1}, {1, 2}, {0, 2}};
    std::vector<std::array<int, 3>> faces{{0, 1, 2}, {0, 2, 1}};
    for (int v = 3; v < n; ++v) {
        const size_t i = next(faces.size());
        const auto [a, b, c] = faces[i];
        faces[i] = {a, b, v};
        faces.push_back({b, c, v});
        faces.push_back({c, a, v});
        for (int u : {a, b, c})
            edges.emplace_back(u, v);
    }
    for (auto& [a, b] : edges) {
        a = label[static_cast<size_t>(a)];
        b = label[static_cast<size_t>(b)];
    }
    return build(n, edges);
}

} // namespace

TEST(Faces, LargeStackedTriangulationsArePolyhedral)
{
    for (unsigned seed = 1; seed <= 10; ++seed)
        for (int n : {4, 5, 100, 200, 286}) {
            Graph g = stackedTriangulation(n, seed);
            ASSERT_EQ(g.edgeCount(), 3 * n - 6);
            FaceList f;
            ASSERT_TRUE(polyhedralLayout(g, kView, f)) << "seed " << seed << ", " << n << " vertices";
            EXPECT_EQ(f.count(), 2 * n - 4);
            EXPECT_EQ(faceCensus(f), "3:" + formatInt(2 * n - 4));
            EXPECT_FALSE(drawingHasCrossings(g)) << "seed " << seed << ", " << n << " vertices";
        }
}

TEST(Faces, CrossingsAndTouchingAreSeen)
{
    // Hand-placed drawings: two diagonals of a square cross; a vertex on
    // another edge's interior touches it; two vertices at one point; an
    // edge folded back over its neighbour at a shared end.
    Graph x = build(4, {{0, 2}, {1, 3}});
    const Real c[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int v = 0; v < 4; ++v)
        x.setPosition(v, c[v][0], c[v][1]);
    EXPECT_TRUE(drawingHasCrossings(x));
    Graph t = build(4, {{0, 1}, {2, 3}});
    t.setPosition(0, 0, 0);
    t.setPosition(1, 2, 0);
    t.setPosition(2, 1, 0);
    t.setPosition(3, 1, 1);
    EXPECT_TRUE(drawingHasCrossings(t));
    t.setPosition(2, 1, 1e-3L);
    EXPECT_FALSE(drawingHasCrossings(t));
    Graph same = build(4, {{0, 1}, {2, 3}});
    same.setPosition(0, 0, 0);
    same.setPosition(1, 1, 0);
    same.setPosition(2, 1, 0);
    same.setPosition(3, 2, 1);
    EXPECT_TRUE(drawingHasCrossings(same));
    Graph fold = build(3, {{0, 1}, {0, 2}});
    fold.setPosition(0, 0, 0);
    fold.setPosition(1, 2, 0);
    fold.setPosition(2, 1, 0);
    EXPECT_TRUE(drawingHasCrossings(fold));
    fold.setPosition(2, -1, 0);
    EXPECT_FALSE(drawingHasCrossings(fold));
}

// Every cubic polyhedron of the built-in collections (all 9150 with 4 to 20
// vertices, the counts 1, 1, 2, 5, 14, 50, 233, 1249, 7595 of the census):
// the layout is found and traces E - V + 2 = V/2 + 2 faces, each edge on
// two of them.
TEST(Faces, EveryCubicPolyhedronOfTheCollections)
{
    const std::array<std::pair<const char*, size_t>, 9> files{{{"pol04.g6", 1},
                                                               {"pol06.g6", 1},
                                                               {"pol08.g6", 2},
                                                               {"pol10.g6", 5},
                                                               {"pol12.g6", 14},
                                                               {"pol14.g6", 50},
                                                               {"pol16.g6", 233},
                                                               {"pol18.g6", 1249},
                                                               {"pol20.g6", 7595}}};
    for (const auto& [file, expected] : files) {
        std::ifstream in(std::string(QUANDEL_SOURCE_DIR) + "/src/graphs/data/" + file);
        ASSERT_TRUE(in) << file;
        size_t seen = 0;
        for (std::string line; std::getline(in, line);) {
            if (line.empty())
                continue;
            ++seen;
            Graph g;
            ASSERT_EQ(ReadGraph6(g, line, kView), 0) << line;
            const int v = g.count(), e = g.edgeCount();
            ASSERT_EQ(2 * e, 3 * v) << line; // cubic
            FaceList f;
            ASSERT_TRUE(polyhedralLayout(g, kView, f)) << line;
            EXPECT_EQ(f.count(), e - v + 2) << line;
            std::map<std::pair<int, int>, int> sides;
            for (const auto& face : f.faces)
                for (size_t k = 0; k < face.size(); ++k) {
                    const int a = face[k], b = face[(k + 1) % face.size()];
                    ++sides[{std::min(a, b), std::max(a, b)}];
                }
            EXPECT_EQ(static_cast<int>(sides.size()), e) << line;
            for (const auto& [edge, count] : sides)
                EXPECT_EQ(count, 2) << line;
            EXPECT_FALSE(drawingHasCrossings(g)) << line;
        }
        EXPECT_EQ(seen, expected) << file;
    }
}
