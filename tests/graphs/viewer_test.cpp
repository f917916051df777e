// The graph6 viewer on the built-in collections: the counts of the data's
// README (1, 1, 2, 5, 14, 50, 233, 1249, 7595 cubic polyhedra; 1, 2, 6, 20,
// 38 snarks; 5, 13, 92 solids), every solid's V, E and faces by sides from
// the README's tables with a crossing-free drawing, every cubic
// polyhedron crossing-free with n/2 + 2 faces, snarks left on the circle.
#include "graphs/core/viewer.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 10};

std::string dataFile(const std::string& name)
{
    std::ifstream f(testutil::sourceDir() / "src" / "graphs" / "data" / name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct SolidRow {
    std::string name;
    int v = 0, e = 0, f = 0;
    std::string faces;
};

// The README's per-solid table of one file.
std::vector<SolidRow> readmeTable(const std::string& file)
{
    std::istringstream in(dataFile("README.md"));
    std::vector<SolidRow> rows;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#### ", 0) == 0) {
            inside = line == "#### " + file;
            continue;
        }
        if (!inside || line.size() < 2 || line[0] != '|' || line[2] < '0' || line[2] > '9')
            continue;
        std::vector<std::string> cells;
        std::string cell;
        for (size_t i = 1; i < line.size(); ++i) {
            if (line[i] == '|') {
                const size_t a = cell.find_first_not_of(' '), b = cell.find_last_not_of(' ');
                cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
                cell.clear();
            } else {
                cell.push_back(line[i]);
            }
        }
        if (cells.size() == 6)
            rows.push_back({cells[1], std::stoi(cells[2]), std::stoi(cells[3]), std::stoi(cells[4]), cells[5]});
    }
    return rows;
}

} // namespace

TEST(Viewer, CollectionCountsAreTheReadmes)
{
    const std::map<std::string, int> counts = {{"platonic.g6", 5}, {"archimedean.g6", 13}, {"johnson.g6", 92},
        {"pol04.g6", 1}, {"pol06.g6", 1}, {"pol08.g6", 2}, {"pol10.g6", 5}, {"pol12.g6", 14}, {"pol14.g6", 50},
        {"pol16.g6", 233}, {"pol18.g6", 1249}, {"pol20.g6", 7595}, {"snr10.g6", 1}, {"snr18.g6", 2},
        {"snr20.g6", 6}, {"snr22.g6", 20}, {"snr24.g6", 38}};
    for (const auto& [file, count] : counts) {
        G6Viewer v;
        ASSERT_EQ(v.load(dataFile(file), 0), 0) << file;
        EXPECT_EQ(v.count(), count) << file;
    }
}

TEST(Viewer, SolidsHaveTheirFacesAndCrossingFreeDrawings)
{
    for (const char* family : {"platonic", "archimedean", "johnson"}) {
        const std::vector<SolidRow> rows = readmeTable(std::string(family) + ".g6");
        G6Viewer v;
        ASSERT_EQ(v.load(dataFile(std::string(family) + ".g6"), 0, dataFile(std::string(family) + ".names")), 0);
        ASSERT_EQ(static_cast<int>(rows.size()), v.count()) << family;
        for (int i = 0; i < v.count(); ++i) {
            Graph g;
            ASSERT_EQ(v.show(g, i, kView), 0);
            const SolidRow& r = rows[static_cast<size_t>(i)];
            EXPECT_EQ(g.count(), r.v) << r.name;
            EXPECT_EQ(g.edgeCount(), r.e) << r.name;
            EXPECT_EQ(v.faces().count(), r.f) << r.name;
            EXPECT_EQ(faceCensus(v.faces()), r.faces) << r.name;
            EXPECT_FALSE(drawingHasCrossings(g)) << r.name;
            EXPECT_FALSE(g.modified);
            // The outer face is a largest one.
            size_t largest = 0;
            for (const auto& f : v.faces().faces)
                largest = std::max(largest, f.size());
            EXPECT_EQ(v.faces().faces[static_cast<size_t>(v.faces().view)].size(), largest) << r.name;
            // The name follows the summary.
            const std::string& s = g.solution.summary;
            EXPECT_EQ(s.substr(s.size() - r.name.size()), r.name);
        }
    }
}

TEST(Viewer, SummaryWords)
{
    G6Viewer v;
    ASSERT_EQ(v.load(dataFile("platonic.g6"), 0, dataFile("platonic.names")), 0);
    Graph g;
    ASSERT_EQ(v.show(g, 3, kView), 0);
    // The dodecahedron: 12 pentagons, the first traced is outside.
    EXPECT_EQ(g.solution.summary.substr(0, 26), "20-vertex example 4/5 (vie");
    EXPECT_NE(g.solution.summary.find("/12) dodecahedron"), std::string::npos) << g.solution.summary;
    // Example -1 from the first shows the last.
    ASSERT_EQ(v.show(g, 0, kView), 0);
    ASSERT_EQ(v.show(g, v.current() - 1, kView), 0);
    EXPECT_EQ(v.current(), 4);
    EXPECT_EQ(g.count(), 12);
    EXPECT_EQ(g.solution.summary, "12-vertex example 5/5 (view 1/20) icosahedron");
}

TEST(Viewer, EveryCubicPolyhedronIsDrawnWithoutCrossings)
{
    for (int n = 4; n <= 20; n += 2) {
        const std::string file = std::string("pol") + (n < 10 ? "0" : "") + std::to_string(n) + ".g6";
        G6Viewer v;
        ASSERT_EQ(v.load(dataFile(file), 100 + (n - 4) / 2), 0);
        for (int i = 0; i < v.count(); ++i) {
            Graph g;
            ASSERT_EQ(v.show(g, i, kView), 0);
            ASSERT_EQ(v.faces().count(), n / 2 + 2) << file << " " << i;
            ASSERT_FALSE(drawingHasCrossings(g)) << file << " " << i;
        }
    }
}

TEST(Viewer, SnarksStayOnTheCircle)
{
    for (const char* file : {"snr10.g6", "snr18.g6", "snr20.g6", "snr22.g6", "snr24.g6"}) {
        G6Viewer v;
        ASSERT_EQ(v.load(dataFile(file), 200), 0);
        EXPECT_FALSE(v.collection().polyhedral());
        for (int i = 0; i < v.count(); ++i) {
            Graph g, circle;
            ASSERT_EQ(v.show(g, i, kView), 0);
            circleExample(circle, g.count(), kView, false);
            EXPECT_TRUE(v.faces().empty());
            for (int s = 0; s < g.count(); ++s)
                ASSERT_TRUE(g.x(s) == circle.x(s) && g.y(s) == circle.y(s)) << file;
        }
        // Even as a polyhedral collection a snark is not planar: no faces.
        ASSERT_EQ(v.load(dataFile(file), 150), 0);
        Graph g;
        ASSERT_EQ(v.show(g, 0, kView), 0);
        EXPECT_TRUE(v.faces().empty()) << file;
    }
}

TEST(Viewer, ACrLfCopyWithHeaderAndNoFinalLineEndCountsTheSame)
{
    const std::string plain = dataFile("pol16.g6");
    std::string crlf = ">>graph6<<";
    for (char c : plain)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.resize(crlf.size() - 2);
    G6Viewer a, b;
    ASSERT_EQ(a.load(plain, -1), 0);
    ASSERT_EQ(b.load(crlf, -1), 0);
    EXPECT_EQ(a.count(), 233);
    EXPECT_EQ(b.count(), 233);
    for (int i : {0, 1, 100, 232}) {
        Graph ga, gb;
        ASSERT_EQ(a.show(ga, i, kView), 0);
        ASSERT_EQ(b.show(gb, i, kView), 0);
        EXPECT_EQ(WriteGraph6(ga), WriteGraph6(gb));
    }
}

TEST(Viewer, AStringThatCannotBeReadKeepsTheGraphAndMovesOn)
{
    G6Viewer v;
    ASSERT_EQ(v.load("C~\nC\nBw\n", -1), 0);
    Graph g;
    ASSERT_EQ(v.show(g, 0, kView), 0);
    const Graph before = g;
    EXPECT_EQ(v.show(g, 1, kView), 24);
    EXPECT_TRUE(g == before);
    EXPECT_EQ(v.current(), 1);
    ASSERT_EQ(v.show(g, v.current() + 1, kView), 0);
    EXPECT_EQ(g.count(), 3);
    // Graph6 notation gives each example's line.
    for (int i : {0, 2}) {
        ASSERT_EQ(v.show(g, i, kView), 0);
        EXPECT_EQ(WriteGraph6(g), std::string(v.collection().example(i)));
    }
}

TEST(Viewer, Graph6NotationGivesEachExamplesLine)
{
    for (const char* file : {"platonic.g6", "archimedean.g6", "johnson.g6", "pol14.g6", "snr24.g6"}) {
        G6Viewer v;
        ASSERT_EQ(v.load(dataFile(file), 1), 0);
        for (int i = 0; i < v.count(); ++i) {
            Graph g;
            ASSERT_EQ(v.show(g, i, kView), 0);
            EXPECT_EQ(WriteGraph6(g), v.collection().example(i)) << file << " " << i;
        }
    }
}
