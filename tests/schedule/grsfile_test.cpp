// The ".grs" file against byte positions worked out by hand from the
// layout (header 1 102 bytes; 60 settings, 30 flags, 200 view bytes; 94
// bytes per task; the matrix; the overlay counts; the extension block).
#include "schedtest.h"

#include "schedule/core/grsfile.h"

using namespace quan;
using namespace schedtest;

namespace {

constexpr size_t kHeader = 1102;
constexpr size_t kProcessorWord = kHeader + 2 * 20;

GraDocument example1Doc()
{
    GraDocument d = newGrsDocument();
    std::string list;
    loadScheduleExample(d.graph, 1, {0, 7, 5, 7}, &list);
    d.settings.scheduleSetting = 3;
    setStoredList(d, list);
    return d;
}

int16_t le16(const Bytes& b, size_t at) { return static_cast<int16_t>(b[at] | (b[at + 1] << 8)); }

} // namespace

TEST(GrsFile, ExampleOneSavedAndReadBack)
{
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, example1Doc()), 0);
    const Bytes& b = w.data();
    EXPECT_EQ(le16(b, kProcessorWord), 3);
    // Eight tasks of 94 bytes, 8 x 7 matrix entries, two empty overlay counts.
    const size_t ext = kHeader + 60 + 30 + 200 + 8 * 94 + 8 * 7 * 2 + 4;
    EXPECT_EQ(b[ext], 156);
    EXPECT_EQ(b[ext + 1], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[ext + 4]), 9), std::string("BADCHGFE\0", 9));
    // G's second label (slot 6): its state at offset 23 holds the time 9.
    const size_t g = kHeader + 60 + 30 + 200 + 6 * 94;
    EXPECT_EQ(le16(b, g + 21), 6);
    EXPECT_EQ(le16(b, g + 57 + 21), 6);
    EXPECT_EQ(le16(b, g + 57 + 23), 9);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[g + 57])), "P6");

    GraDocument back = newGrsDocument();
    ASSERT_EQ(readGrs(b, back), 0);
    const Graph& h = back.graph;
    EXPECT_EQ(h.count(), 8);
    const int times[] = {5, 7, 5, 3, 8, 6, 9, 4};
    for (int v = 0; v < 8; ++v)
        EXPECT_EQ(taskTime(h, v), times[v]);
    EXPECT_EQ(h.edgeCount(), 5);
    EXPECT_EQ(h.Direction(4, 5), 1); // E-F
    EXPECT_EQ(h.Direction(5, 2), 1); // F-C
    EXPECT_EQ(h.Direction(3, 2), -1); // C-D seen from D
    EXPECT_EQ(back.settings.scheduleSetting, 3);
    EXPECT_EQ(storedList(back), "BADCHGFE");
    // The same digraph: its list schedules to 32 on two processors again, no chart kept.
    EXPECT_EQ(makespan(h, storedList(back), 2), 32);
}

TEST(GrsFile, ProcessorWordOutsideTwoToTwentyReadsAsTwo)
{
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, example1Doc()), 0);
    for (int16_t p : {25, 1, -3, 21, 20}) {
        Bytes b = w.data();
        b[kProcessorWord] = static_cast<uint8_t>(p & 0xFF);
        b[kProcessorWord + 1] = static_cast<uint8_t>((p >> 8) & 0xFF);
        GraDocument d = newGrsDocument();
        ASSERT_EQ(readGrs(b, d), 0);
        EXPECT_EQ(d.settings.scheduleSetting, p == 20 ? 20 : 2) << p;
    }
}

TEST(GrsFile, LongExtensionIsCutAndFullListKeepsItsZero)
{
    GraDocument d = example1Doc();
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, d), 0);
    Bytes b = w.data();
    const size_t ext = kHeader + 60 + 30 + 200 + 8 * 94 + 8 * 7 * 2 + 4;
    // A plain graph file's block of 858 bytes, every byte a letter.
    Bytes longer(b.begin(), b.begin() + static_cast<long>(ext));
    const uint32_t n = 858;
    for (int k = 0; k < 4; ++k)
        longer.push_back(static_cast<uint8_t>((n >> (8 * k)) & 0xFF));
    for (uint32_t k = 0; k < n; ++k)
        longer.push_back('A');
    longer.insert(longer.end(), b.begin() + static_cast<long>(ext + 4 + 156), b.end());
    GraDocument r = newGrsDocument();
    ASSERT_EQ(readGrs(longer, r), 0);
    EXPECT_EQ(r.extension.size(), 156u);
    EXPECT_EQ(storedList(r), std::string(155, 'A'));
    EXPECT_EQ(r.extension[155], 0);
    EXPECT_EQ(r.notebook, d.notebook);
    // The graph window's own reader refuses that block for 52 slots.
    GraDocument plain(kScheduleSlots);
    EXPECT_EQ(readGra(longer, plain), 11);
}

TEST(GrsFile, BadFilesRefusedAndNothingChanges)
{
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, example1Doc()), 0);
    const Bytes good = w.data();
    GraDocument before = newGrsDocument();
    loadScheduleExample(before.graph, 3, {0, 7, 5, 7});
    // Every cut-short file.
    for (size_t n = 0; n < good.size(); n += 7) {
        GraDocument d = before;
        EXPECT_EQ(readGrs(good.data(), n, d), 11) << n;
        EXPECT_TRUE(d == before);
    }
    // Another kind, a newer version, a slot index past 51.
    Bytes other = good;
    other[0] = 0x33;
    GraDocument d = before;
    EXPECT_EQ(readGrs(other, d), 11);
    other = good;
    other[4] = 7;
    EXPECT_EQ(readGrs(other, d), 11);
    other = good;
    const size_t h = kHeader + 60 + 30 + 200 + 7 * 94 + 21;
    other[h] = 52;
    EXPECT_EQ(readGrs(other, d), 11);
    EXPECT_TRUE(d == before);
    // Writing refuses a document the reader would refuse.
    GraDocument bad = example1Doc();
    bad.extension.resize(157);
    ByteWriter none;
    EXPECT_EQ(writeGrs(none, bad), 6);
    EXPECT_TRUE(none.data().empty());
    // A time outside the label states writes, in a graph file too (the
    // second label's state is not a label state).
    GraDocument big = example1Doc();
    setTaskTime(big.graph, 0, 32767);
    ByteWriter ok;
    EXPECT_EQ(writeGrs(ok, big), 0);
    EXPECT_EQ(writeGra(none, big), 0);
}

namespace {

int32_t le32(const Bytes& b, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
                                (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
}

// The paste example "3, 0 0, 1 0, 2 0, 4 5 6, 2, 1 2, 2 3" as a document.
GraDocument pasteExampleDoc()
{
    GraDocument d = newGrsDocument();
    std::string list;
    EXPECT_EQ(pasteTaskDigraph(d.graph, "3, 0 0, 1 0, 2 0, 4 5 6, 2, 1 2, 2 3", &list), 0);
    setStoredList(d, list);
    return d;
}

} // namespace

// The layout written out by hand: header; settings words 5 (maxIndex) 2, 6
// (count) 3, 20 (processors) 2; flag 1 (digraph) set; per task the label
// (name, slot, state 1 x 8 + 1 = 9), x and y as 80-bit reals (0, 1, 2 and
// 0), the second label ("P" and the slot, the slot, the time); the matrix
// entries of (0,1) (0,2) (1,0) (1,2) (2,0) (2,1): directions above the
// diagonal, weights below: 1 0 0 1 -1 0; two empty overlay lists; the
// 156-byte block "ABC" and zeros.
TEST(GrsFile, PasteExampleByteByByte)
{
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, pasteExampleDoc()), 0);
    const Bytes& b = w.data();
    EXPECT_EQ(le32(b, 0), 6561);
    EXPECT_EQ(le32(b, 4), 6);
    const size_t settings = kHeader;
    EXPECT_EQ(le16(b, settings + 2 * 5), 2);
    EXPECT_EQ(le16(b, settings + 2 * 6), 3);
    EXPECT_EQ(le16(b, settings + 2 * 20), 2);
    for (int word = 21; word < 30; ++word)
        EXPECT_EQ(le16(b, settings + 2 * static_cast<size_t>(word)), 0) << word;
    const size_t flags = settings + 60;
    EXPECT_EQ(b[flags + 1], 1);
    const size_t records = flags + 30 + 200;
    const uint8_t reals[3][10] = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F},
        {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40},
    };
    const char* names[] = {"A", "B", "C"};
    const char* seconds[] = {"P0", "P1", "P2"};
    for (size_t v = 0; v < 3; ++v) {
        const size_t r = records + v * 94;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[r])), names[v]);
        EXPECT_EQ(le16(b, r + 21), static_cast<int16_t>(v));
        EXPECT_EQ(le16(b, r + 23), 9);
        for (size_t k = 0; k < 10; ++k) {
            EXPECT_EQ(b[r + 37 + k], reals[v][k]) << "x of " << names[v] << " byte " << k;
            EXPECT_EQ(b[r + 47 + k], 0) << "y of " << names[v] << " byte " << k;
        }
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[r + 57])), seconds[v]);
        EXPECT_EQ(le16(b, r + 57 + 21), static_cast<int16_t>(v));
        EXPECT_EQ(le16(b, r + 57 + 23), static_cast<int16_t>(4 + v));
    }
    const size_t matrix = records + 3 * 94;
    const int16_t entries[] = {1, 0, 0, 1, -1, 0};
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ(le16(b, matrix + 2 * k), entries[k]) << k;
    const size_t overlays = matrix + 12;
    EXPECT_EQ(le16(b, overlays), 0);
    EXPECT_EQ(le16(b, overlays + 2), 0);
    const size_t ext = overlays + 4;
    EXPECT_EQ(le32(b, ext), 156);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[ext + 4]), 4), std::string("ABC\0", 4));
    for (size_t k = 3; k < 156; ++k)
        ASSERT_EQ(b[ext + 4 + k], 0) << k;
    // The notebook follows the block.
    ASSERT_GT(b.size(), ext + 4 + 156);
}

// The seven examples with applied lists, a notebook and processor counts:
// write, read, write gives the same bytes; every proper prefix is refused
// and leaves the document as it was.
TEST(GrsFile, SevenExamplesRoundTripAndPrefixesAreRefused)
{
    for (int k = 1; k <= kScheduleExamples; ++k) {
        GraDocument d = newGrsDocument();
        std::string list;
        ASSERT_TRUE(loadScheduleExample(d.graph, k, {-3, 10, 12, 8}, &list));
        Schedule s;
        ASSERT_EQ(applyList(d.graph, list, 2 + k, true, s, &list), 0) << k;
        setStoredList(d, list);
        d.settings.scheduleSetting = static_cast<int16_t>(2 + k);
        d.notebook = "example " + std::to_string(k) + "\r\nfinishing time: " + std::to_string(s.finishing);
        ByteWriter first;
        ASSERT_EQ(writeGrs(first, d), 0);
        GraDocument back = newGrsDocument();
        ASSERT_EQ(readGrs(first.data(), back), 0) << k;
        EXPECT_EQ(back.settings.scheduleSetting, 2 + k);
        EXPECT_EQ(storedList(back), list);
        EXPECT_EQ(back.notebook, d.notebook);
        ByteWriter second;
        ASSERT_EQ(writeGrs(second, back), 0);
        EXPECT_EQ(first.data(), second.data()) << k;
        const GraDocument before = back;
        for (size_t n = 0; n < first.data().size(); ++n) {
            GraDocument cut = before;
            ASSERT_EQ(readGrs(first.data().data(), n, cut), 11) << k << " " << n;
            ASSERT_TRUE(cut == before) << k << " " << n;
        }
    }
}

TEST(GrsFile, LargestTimeRoundTrips)
{
    GraDocument d = pasteExampleDoc();
    setTaskTime(d.graph, 1, 32767);
    ByteWriter w;
    ASSERT_EQ(writeGrs(w, d), 0);
    EXPECT_EQ(le16(w.data(), kHeader + 60 + 30 + 200 + 94 + 57 + 23), 32767);
    GraDocument back = newGrsDocument();
    ASSERT_EQ(readGrs(w.data(), back), 0);
    EXPECT_EQ(taskTime(back.graph, 1), 32767);
    EXPECT_EQ(makespan(back.graph, "ABC", 2), 4 + 32767 + 6);
}
