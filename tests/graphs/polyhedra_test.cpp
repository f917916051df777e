// The Schlegel drawing on a given face, worked by hand on small graphs,
// with its refusals; faces of the cube and the triangular prism.
#include "graphs/core/notation.h"
#include "graphs/core/polyhedra.h"

#include <gtest/gtest.h>

#include <cmath>
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
