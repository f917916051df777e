// The ".gra" file: a three-vertex file against its layout put together by
// hand, a hand-made version-2 file, write-read-write byte for byte with
// holes and every label state, every prefix and every broken rule refused
// with the document left as it was, and saving that never leaves a broken
// file behind.
#include "graphs/core/grafile.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using namespace quan;
using testutil::getI32;
using testutil::putI16;
using testutil::putI32;
using testutil::setI32;

namespace {

// An 80-bit extended real written by hand: the 64-bit mantissa with its
// integer bit, then sign and biased exponent.
void putExt(Bytes& b, bool negative, int exponent, uint64_t mantissa)
{
    for (int i = 0; i < 8; ++i)
        b.push_back(static_cast<uint8_t>(mantissa >> (8 * i)));
    putI16(b, (negative ? 0x8000 : 0) | exponent);
}
constexpr uint64_t kOne = 0x8000000000000000ULL;    // 1.0 x 2^(e - 16383)
constexpr uint64_t kOneQuarter = 0xA000000000000000ULL; // 1.25
void putLabel(Bytes& b, const std::string& text, int slot, int state, int dx = 0, int dy = 0)
{
    Bytes t(21, 0);
    std::copy(text.begin(), text.end(), t.begin());
    b.insert(b.end(), t.begin(), t.end());
    for (int v : {slot, state, 0, 0, 0, 0, dx, dy})
        putI16(b, v);
}
void setI16(Bytes& b, size_t at, int v)
{
    b.at(at) = static_cast<uint8_t>(v & 0xFF);
    b.at(at + 1) = static_cast<uint8_t>((v >> 8) & 0xFF);
}

// Three vertices A (1, 2), B (-2.5, 0), C (0.5, 4); A-B weight 5 directed
// from A to B, B-C weight 0 both ways, A and C not joined.
GraDocument threeVertices()
{
    GraDocument d;
    Graph& g = d.graph;
    g.AddVertexAt(1, 2);
    g.AddVertexAt(-2.5L, 0);
    g.AddVertexAt(0.5L, 4);
    g.setLabelState(1, labelState(TextUser, IconSolidBox));
    g.setLabelOffset(1, 10, -3);
    g.setLabelText(2, "hello");
    g.setLabelState(2, labelState(TextAlphabet, IconBullet));
    g.AddEdge(0, 1);
    g.SetWeight(0, 1, 5);
    g.AddEdge(1, 2);
    g.SetDirection(1, 2, 2);
    g.weightsShown = g.digraph = true;
    g.ClearSolution(true);
    g.modified = false;
    d.settings.decimals = 3;
    d.settings.mouseMode = MouseVertexMove;
    d.settings.iconSize = 5;
    d.settings.viewWords = {1, 2, 3, 4};
    d.settings.windowWords = {5, 6, 7, 8};
    d.settings.windowWord19 = 9;
    d.flags.windowSwitches = {1, 0, 1, 0, 1};
    d.flags.squaresHidden = true;
    d.view = {1, 2, -2.5L, 0.5L, 4, 0};
    d.extension[0] = 7;
    d.extension[857] = 8;
    d.notebook = "hi";
    return d;
}

struct Layout {
    Bytes bytes;
    size_t settings, flags, view, records, recordSize, matrix, overlays, extension, notebook;
};

// The file of threeVertices() as the format lays it out, written here by
// hand after the common header.
Layout handLayout(int version)
{
    Layout l;
    ByteWriter h;
    WriteHeader(h, headerStateFor(kKindGraph));
    Bytes& b = l.bytes;
    b = h.data();
    setI32(b, 4, version);
    l.settings = b.size();
    for (int v : {3, 122, 5, 0, 0, 2, 3, 0, 4, 5, 1, 2, 9, 3, 4, 5, 6, 7, 8, 9, 2})
        putI16(b, v);
    for (int i = 21; i < 30; ++i)
        putI16(b, 0);
    l.flags = b.size();
    for (int v : {1, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1})
        b.push_back(static_cast<uint8_t>(v));
    b.insert(b.end(), 19, 1);
    l.view = b.size();
    putExt(b, false, 16383, kOne);        // 1
    putExt(b, false, 16384, kOne);        // 2
    putExt(b, true, 16384, kOneQuarter);  // -2.5
    putExt(b, false, 16382, kOne);        // 0.5
    putExt(b, false, 16385, kOne);        // 4
    b.insert(b.end(), 15 * 10, 0);        // 0, then fourteen unused
    const bool seconds = version >= 3;
    l.records = b.size();
    putLabel(b, "A", 0, 1);
    putExt(b, false, 16383, kOne);
    putExt(b, false, 16384, kOne);
    if (seconds)
        putLabel(b, "A", 0, 0);
    l.recordSize = b.size() - l.records;
    putLabel(b, "B", 1, 19, 10, -3);
    putExt(b, true, 16384, kOneQuarter);
    b.insert(b.end(), 10, 0);
    if (seconds)
        putLabel(b, "B", 1, 0);
    putLabel(b, "hello", 2, 9);
    putExt(b, false, 16382, kOne);
    putExt(b, false, 16385, kOne);
    if (seconds)
        putLabel(b, "C", 2, 0);
    l.matrix = b.size();
    for (int v : {1, 0, 5, 2, -1, 0}) // [0][1] [0][2] [1][0] [1][2] [2][0] [2][1]
        putI16(b, v);
    l.overlays = b.size();
    putI16(b, 0); // no text overlays
    putI16(b, 0); // no graphic overlays
    l.extension = b.size();
    if (seconds) {
        putI32(b, 858);
        Bytes ext(858, 0);
        ext[0] = 7;
        ext[857] = 8;
        b.insert(b.end(), ext.begin(), ext.end());
    }
    l.notebook = b.size();
    testutil::putString(b, "hi");
    return l;
}

Bytes bytesOf(const GraDocument& d)
{
    ByteWriter w;
    EXPECT_EQ(writeGra(w, d), 0);
    return w.take();
}

// A larger document: holes, weights, directions, every label state,
// overlays, extension and notebook.
GraDocument everything()
{
    GraDocument d;
    Graph& g = d.graph;
    for (int i = 0; i < 30; ++i)
        g.AddVertexAt(i * 0.125L, std::sqrt(static_cast<Real>(i)));
    for (int v : {3, 4, 11, 28})
        g.DeleteVertex(v);
    int state = 0;
    for (int v : g.presentVertices()) {
        while (!labelStateValid(state))
            state = (state + 1) % 32;
        g.setLabelState(v, state);
        state = (state + 1) % 32;
        g.setLabelOffset(v, static_cast<int16_t>(v), static_cast<int16_t>(-v));
        g.setLabelCache(v, 100, 200, 30, 12);
    }
    g.setLabelText(5, "twenty characters!!!");
    LabelRecord task;
    task.setText("7 h");
    task.state = labelState(TextUser, IconNone);
    g.setSecondLabel(9, task);
    const std::vector<int> vs = g.presentVertices();
    for (size_t a = 0; a < vs.size(); ++a)
        for (size_t b = a + 1; b < vs.size(); b += 3) {
            g.SetWeight(vs[a], vs[b], static_cast<int>((a * 977 + b) % 32768));
            g.SetDirection(vs[a], vs[b], static_cast<int>((a + b) % 4) - 1);
        }
    g.SetWeight(0, 29, 32767);
    g.weightsShown = true;
    g.ClearSolution(true);
    g.modified = false;
    d.header.placement.left = 123;
    d.settings.scheduleSetting = 20;
    d.flags.numerals = true;
    d.view = {0.1L, -1e300L, 3, 4, 5, 6};
    d.overlays.texts.resize(2);
    d.overlays.texts[0].setText("label");
    d.overlays.texts[1].x = 2.5L;
    d.overlays.graphics.resize(1);
    d.overlays.graphics[0].anchor = 3;
    d.overlays.graphics[0].metafile = {1, 2, 3, 4, 5};
    for (size_t i = 0; i < d.extension.size(); ++i)
        d.extension[i] = static_cast<uint8_t>(i * 7);
    d.notebook = "vertices: 26\r\nnotes";
    return d;
}

void expectRefused(const Bytes& b, const std::string& what, int slots = kGraphSlots)
{
    GraDocument d(slots);
    d.graph.AddVertexAt(9, 9);
    d.notebook = "sentinel";
    const GraDocument before = d;
    EXPECT_EQ(readGra(b, d), 11) << what;
    EXPECT_TRUE(d == before) << what;
}

} // namespace

TEST(GraFile, ThreeVerticesByteByByte)
{
    const Layout l = handLayout(6);
    const Bytes written = bytesOf(threeVertices());
    EXPECT_EQ(getI32(written, 0), 6561);
    EXPECT_EQ(getI32(written, 4), 6);
    ASSERT_EQ(written.size(), l.bytes.size());
    for (size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], l.bytes[i]) << "byte " << i;

    GraDocument d;
    ASSERT_EQ(readGra(l.bytes, d), 0);
    EXPECT_TRUE(d == threeVertices());
    EXPECT_EQ(d.graph.Direction(1, 0), -1);
    EXPECT_EQ(d.graph.Weight(0, 1), 5);
    EXPECT_FALSE(d.graph.Adjacent(0, 2));
    EXPECT_EQ(d.graph.label(2).text(), "hello");
}

TEST(GraFile, AHandMadeVersionTwoFileReads)
{
    const Layout l = handLayout(2);
    GraDocument d;
    ASSERT_EQ(readGra(l.bytes, d), 0);
    EXPECT_EQ(d.header.version, 2);
    EXPECT_EQ(d.graph.count(), 3);
    EXPECT_EQ(d.graph.x(1), -2.5L);
    EXPECT_EQ(d.graph.y(2), 4);
    EXPECT_EQ(d.graph.label(1).state, 19);
    EXPECT_EQ(d.graph.label(1).dy, -3);
    EXPECT_EQ(d.graph.secondLabel(1).text(), "B");
    EXPECT_EQ(d.graph.Direction(2, 1), 2);
    EXPECT_EQ(d.extension, Bytes(858, 0));
    EXPECT_EQ(d.notebook, "hi");
    // Written again it is a version-6 file like the hand layout, but for
    // the extension block that version 2 did not have.
    GraDocument expected = threeVertices();
    expected.extension.assign(858, 0);
    expected.header.version = 2;
    EXPECT_TRUE(d == expected);
}

TEST(GraFile, WriteReadWriteKeepsEveryByte)
{
    const GraDocument d = everything();
    const Bytes first = bytesOf(d);
    GraDocument back;
    ASSERT_EQ(readGra(first, back), 0);
    EXPECT_EQ(back.graph.presentVertices(), d.graph.presentVertices());
    EXPECT_FALSE(back.graph.present(3));
    EXPECT_EQ(back.graph.maxIndex(), 29);
    EXPECT_EQ(back.graph.Weight(29, 0), 32767);
    EXPECT_EQ(back.graph.secondLabel(9).text(), "7 h");
    EXPECT_EQ(back.overlays, d.overlays);
    EXPECT_EQ(back.extension, d.extension);
    EXPECT_EQ(back.notebook, d.notebook);
    GraDocument expected = d;
    expected.header.version = 6;
    EXPECT_TRUE(back.graph == expected.graph);
    EXPECT_TRUE(back.header == expected.header);
    EXPECT_TRUE(back.settings == expected.settings);
    EXPECT_TRUE(back.flags == expected.flags);
    EXPECT_TRUE(back.view == expected.view);
    EXPECT_TRUE(back == expected);
    EXPECT_EQ(bytesOf(back), first);

    // Every label state went through.
    std::vector<int> states;
    for (int v : back.graph.presentVertices())
        states.push_back(back.graph.label(v).state);
    std::sort(states.begin(), states.end());
    states.erase(std::unique(states.begin(), states.end()), states.end());
    EXPECT_EQ(states.size(), 20u);

    // A shorter extension block read is padded and written whole.
    Layout l = handLayout(6);
    Bytes cut = l.bytes;
    setI32(cut, l.extension, 2);
    cut.erase(cut.begin() + static_cast<long>(l.extension + 4 + 2), cut.begin() + static_cast<long>(l.notebook));
    GraDocument shortExt;
    ASSERT_EQ(readGra(cut, shortExt), 0);
    EXPECT_EQ(shortExt.extension[0], 7);
    EXPECT_EQ(shortExt.extension[857], 0);
    EXPECT_EQ(bytesOf(shortExt).size(), l.bytes.size());
}

TEST(GraFile, EveryProperPrefixIsRefused)
{
    for (const Bytes& whole : {handLayout(6).bytes, handLayout(2).bytes, bytesOf(everything())})
        for (size_t n = 0; n < whole.size(); ++n)
            expectRefused(Bytes(whole.begin(), whole.begin() + static_cast<long>(n)), "prefix " + std::to_string(n));
}

TEST(GraFile, OtherKindsAndVersionsAreRefused)
{
    Bytes b = handLayout(6).bytes;
    setI32(b, 0, kKindApportionment);
    expectRefused(b, "kind 1331");
    for (int version : {0, 7, -1}) {
        b = handLayout(6).bytes;
        setI32(b, 4, version);
        expectRefused(b, "version " + std::to_string(version));
    }
    for (int version : {1, 2, 3, 4, 5}) {
        GraDocument d;
        EXPECT_EQ(readGra(handLayout(version).bytes, d), 0) << version;
    }
}

TEST(GraFile, BrokenRulesAreRefused)
{
    const Layout l = handLayout(6);
    const size_t r0 = l.records, r1 = l.records + l.recordSize, r2 = l.records + 2 * l.recordSize;
    struct Change {
        const char* what;
        size_t at;
        int value;
    };
    const Change changes[] = {
        {"slot index 286", r0 + 21, 286},
        {"slot index -1", r0 + 21, -1},
        {"repeated slot", r1 + 21, 0},
        {"slots out of order", r2 + 21, 1},
        {"count word too small", l.settings + 12, 2},
        {"count word too large", l.settings + 12, 4},
        {"negative count", l.settings + 12, -1},
        {"maxIndex word past the last record", l.settings + 10, 3},
        {"maxIndex word before the last record", l.settings + 10, 1},
        {"maxIndex -1 with records", l.settings + 10, -1},
        {"direction 3", l.matrix, 3},
        {"direction -2", l.matrix + 6, -2},
        {"weight -2", l.matrix + 4, -2},
        {"icon kind 5", r0 + 23, 5},
        {"text kind 4", r0 + 23, 32},
        {"negative label state", r1 + 23, -8},
        {"mouse mode 121", l.settings + 2, 121},
        {"mouse mode 128", l.settings + 2, 128},
        {"mouse mode 0", l.settings + 2, 0},
        {"19 decimal places", l.settings, 19},
        {"-1 decimal places", l.settings, -1},
        {"icon size 0", l.settings + 4, 0},
        {"negative icon size", l.settings + 4, -3},
    };
    for (const Change& c : changes) {
        Bytes b = l.bytes;
        setI16(b, c.at, c.value);
        expectRefused(b, c.what);
    }
    for (int32_t length : {-1, 859, 0x7FFFFFFF}) {
        Bytes b = l.bytes;
        setI32(b, l.extension, length);
        expectRefused(b, "extension length " + std::to_string(length));
    }
    // An extension of 858 bytes in a file with less left after it.
    Bytes past = l.bytes;
    past.resize(l.extension + 4 + 100);
    expectRefused(past, "extension past the end");
    // No notebook.
    expectRefused(Bytes(l.bytes.begin(), l.bytes.begin() + static_cast<long>(l.notebook)), "no notebook");

    // Non-finite positions and view values: infinity is the maximal
    // exponent with the integer bit alone, a NaN has more mantissa bits.
    for (size_t at : {r0 + 37, r0 + 47, r2 + 37, l.view, l.view + 50})
        for (uint64_t mantissa : std::array<uint64_t, 2>{kOne, 0xC000000000000000ULL}) {
            Bytes b = l.bytes;
            Bytes e;
            putExt(e, false, 0x7FFF, mantissa);
            std::copy(e.begin(), e.end(), b.begin() + static_cast<long>(at));
            expectRefused(b, "non-finite real at " + std::to_string(at));
        }
    // The fourteen unused view reals are ignored.
    Bytes unused = l.bytes;
    unused[l.view + 6 * 10 + 9] = 0x7F;
    unused[l.view + 6 * 10 + 8] = 0xFF;
    GraDocument d;
    EXPECT_EQ(readGra(unused, d), 0);

    // Slot 11 is the last of an election graph; 12 is past it.
    Bytes twelve = l.bytes;
    setI32(twelve, l.extension, 36);
    twelve.erase(twelve.begin() + static_cast<long>(l.extension + 4 + 36), twelve.begin() + static_cast<long>(l.notebook));
    setI16(twelve, r2 + 21, 11);
    setI16(twelve, l.settings + 10, 11);
    GraDocument small(kElectionSlots);
    EXPECT_EQ(readGra(twelve, small), 0);
    EXPECT_TRUE(small.graph.present(11));
    EXPECT_EQ(small.extension.size(), 36u);
    setI16(twelve, r2 + 21, 12);
    setI16(twelve, l.settings + 10, 12);
    expectRefused(twelve, "slot 12 of 12", kElectionSlots);
    // An extension longer than 3 x 12 bytes does not fit an election graph.
    expectRefused(l.bytes, "858 extension bytes for 12 slots", kElectionSlots);

    // The scheduling word outside 2..20 becomes 2.
    Bytes sched = l.bytes;
    setI16(sched, l.settings + 40, 21);
    ASSERT_EQ(readGra(sched, d), 0);
    EXPECT_EQ(d.settings.scheduleSetting, 2);
}

TEST(GraFile, NothingIsWrittenThatCouldNotBeRead)
{
    const auto dir = testutil::scratchDir("gra_save");
    const std::string path = (dir / "three.gra").string();
    ASSERT_EQ(writeGra(path, threeVertices()), 0);
    const Bytes saved = testutil::readAll(path);
    EXPECT_EQ(saved, handLayout(6).bytes);

    // Open, then Save As: the same bytes under the other name.
    GraDocument opened;
    ASSERT_EQ(readGra(path, opened), 0);
    const std::string other = (dir / "copy.gra").string();
    ASSERT_EQ(writeGra(other, opened), 0);
    EXPECT_EQ(testutil::readAll(other), saved);

    std::vector<GraDocument> bad(7, threeVertices());
    bad[0].settings.mouseMode = 121;
    bad[1].graph.setPosition(1, std::numeric_limits<Real>::infinity(), 0);
    bad[2].view[3] = std::numeric_limits<Real>::quiet_NaN();
    bad[3].settings.decimals = 19;
    bad[4].graph.setEntry(0, 1, 5); // a direction 5
    bad[5].extension.resize(859);
    bad[6].notebook.assign(64001, 'x');
    for (size_t i = 0; i < bad.size(); ++i) {
        ByteWriter w;
        w.u8(42);
        EXPECT_EQ(writeGra(w, bad[i]), 6) << i;
        EXPECT_EQ(w.size(), 1u) << i;
        EXPECT_EQ(writeGra(path, bad[i]), 6) << i;
        EXPECT_EQ(testutil::readAll(path), saved) << i;
    }
    EXPECT_EQ(writeGra((dir / "missing" / "x.gra").string(), threeVertices()), 12);
    GraDocument none;
    const GraDocument before = none;
    EXPECT_EQ(readGra((dir / "missing.gra").string(), none), 11);
    EXPECT_TRUE(none == before);
    std::filesystem::remove_all(dir);
}

TEST(GraFile, AFileOpensWithNoSolution)
{
    GraDocument d = threeVertices();
    d.graph.solution.mode = DisplayMode::Kruskal;
    d.graph.solution.edges = {{0, 1}};
    d.graph.solution.bestTotal = 3;
    const Bytes b = bytesOf(d);
    GraDocument back;
    back.graph.solution.mode = DisplayMode::Prim;
    ASSERT_EQ(readGra(b, back), 0);
    EXPECT_EQ(back.graph.solution.mode, DisplayMode::None);
    EXPECT_TRUE(back.graph.solution.edges.empty());
    EXPECT_EQ(back.graph.solution.bestTotal, kNoBestTotal);
    EXPECT_EQ(back.graph.solution.bestTour, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_FALSE(back.graph.modified);
}

// The second label's state is no label state (the scheduling window keeps a
// task time there): any 16-bit word reads, and writes back the same bytes.
TEST(GraFile, SecondLabelStateIsAnyWord)
{
    const Layout l = handLayout(6);
    for (int value : {13, 20, 32767, -32768, -1}) {
        Bytes b = l.bytes;
        setI16(b, l.records + 57 + 23, value);
        GraDocument d;
        ASSERT_EQ(readGra(b, d), 0) << value;
        EXPECT_EQ(d.graph.secondLabel(0).state, value);
        EXPECT_EQ(bytesOf(d), b) << value;
    }
}
