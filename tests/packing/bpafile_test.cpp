// The ".bpa" file: its layout checked against bytes put together by hand,
// write-read-write byte for byte, and every cut or impossible file refused
// with the document left as it was.
#include "testutil.h"
#include "packing/core/bpafile.h"

#include <gtest/gtest.h>

using namespace quan;
using testutil::getI32;
using testutil::setI32;

namespace {

BpaDocument sample()
{
    BpaDocument d;
    d.capacity = 10;
    d.methodCode = 13;
    d.columnWidth = 9;
    d.items = {2, 9, 5, 6, 1, 3, 3};
    d.notebook = "notes\r\nline two";
    return d;
}

Bytes bytesOf(const BpaDocument& d)
{
    ByteWriter w;
    writeBpa(w, d);
    return w.take();
}

BpaDocument sentinel()
{
    BpaDocument d;
    d.capacity = 77;
    d.items = {1, 1, 1};
    d.notebook = "sentinel";
    return d;
}

} // namespace

TEST(BpaFile, LayoutAndRoundTrip)
{
    const Bytes b = bytesOf(sample());
    const size_t h = kHeaderBytes;
    ASSERT_EQ(b.size(), h + 200 + 7 * 4 + 2 + 16);
    EXPECT_EQ(getI32(b, 0), 5476);
    EXPECT_EQ(getI32(b, 4), 6);
    EXPECT_EQ(getI32(b, h), 10);
    EXPECT_EQ(getI32(b, h + 4), 13);
    EXPECT_EQ(getI32(b, h + 8), 9);
    EXPECT_EQ(getI32(b, h + 12), 7);
    EXPECT_EQ(getI32(b, h + 16), 29);
    for (size_t k = 5; k < 50; ++k)
        EXPECT_EQ(getI32(b, h + 4 * k), 0);
    EXPECT_EQ(getI32(b, h + 200), 2);
    EXPECT_EQ(getI32(b, h + 200 + 24), 3);
    EXPECT_EQ(b[h + 228], 16);
    EXPECT_EQ(b[h + 229], 0);
    BpaDocument back;
    ASSERT_EQ(readBpa(b, back), 0);
    EXPECT_EQ(back, sample());
    EXPECT_FALSE(back.itemsCut);
    EXPECT_EQ(bytesOf(back), b);
}

TEST(BpaFile, TotalSaturatesAtTheLargestWord)
{
    BpaDocument d = sample();
    d.capacity = 2147483647;
    d.items = {2147483646, 2147483646, 3};
    const Bytes b = bytesOf(d);
    EXPECT_EQ(getI32(b, kHeaderBytes + 16), 2147483647);
    BpaDocument back;
    ASSERT_EQ(readBpa(b, back), 0);
    EXPECT_EQ(back.items, d.items);
}

TEST(BpaFile, TheTotalWordIsNotTrusted)
{
    Bytes b = bytesOf(sample());
    setI32(b, kHeaderBytes + 16, -5);
    BpaDocument back;
    ASSERT_EQ(readBpa(b, back), 0);
    EXPECT_EQ(bytesOf(back), bytesOf(sample()));
}

TEST(BpaFile, ACountAbove2500KeepsTheFirst2500AndFindsTheNotebook)
{
    BpaDocument d = sample();
    d.items.clear();
    for (int i = 0; i < 3000; ++i)
        d.items.push_back(1 + i % 9);
    Bytes b = bytesOf(d);
    EXPECT_EQ(getI32(b, kHeaderBytes + 12), 3000);
    BpaDocument back;
    ASSERT_EQ(readBpa(b, back), 0);
    ASSERT_EQ(back.items.size(), 2500u);
    EXPECT_TRUE(std::equal(back.items.begin(), back.items.end(), d.items.begin()));
    EXPECT_EQ(back.notebook, d.notebook);
    EXPECT_TRUE(back.itemsCut);
    // The sizes read past are not checked.
    setI32(b, kHeaderBytes + 200 + 4 * 2700, -1);
    ASSERT_EQ(readBpa(b, back), 0);
}

TEST(BpaFile, AnyColumnWidthIsKept)
{
    for (int32_t w : {0, -3, 100000}) {
        BpaDocument d = sample();
        d.columnWidth = w;
        BpaDocument back;
        ASSERT_EQ(readBpa(bytesOf(d), back), 0);
        EXPECT_EQ(back.columnWidth, w);
    }
}

TEST(BpaFile, EveryProperPrefixIsRefusedAndChangesNothing)
{
    const Bytes b = bytesOf(sample());
    for (size_t n = 0; n < b.size(); ++n) {
        BpaDocument out = sentinel();
        ASSERT_EQ(readBpa(b.data(), n, out), 11) << n;
        ASSERT_EQ(out, sentinel()) << n;
    }
}

TEST(BpaFile, EachImpossibleFieldIsRefused)
{
    const Bytes good = bytesOf(sample());
    const size_t h = kHeaderBytes;
    struct Change {
        size_t at;
        long long value;
    };
    const Change bad[] = {
        {0, 6561},            // another kind
        {4, 7},               // a newer version
        {h, 1},               // capacity below 2
        {h, -10},
        {h + 4, -1},          // method codes
        {h + 4, 6},
        {h + 4, 9},
        {h + 4, 16},
        {h + 4, 26},
        {h + 12, 0},          // item count below 1
        {h + 12, -7},
        {h + 12, 8},          // more sizes than the file holds
        {h + 12, 2147483647},
        {h + 200, 0},         // a size below 1
        {h + 200 + 24, -4},
    };
    for (const Change& c : bad) {
        Bytes b = good;
        setI32(b, c.at, c.value);
        BpaDocument out = sentinel();
        EXPECT_EQ(readBpa(b, out), 11) << c.at << " " << c.value;
        EXPECT_EQ(out, sentinel());
    }
    // The good method codes.
    for (int code : {0, 5, 10, 15, 20, 25}) {
        Bytes b = good;
        setI32(b, h + 4, code);
        BpaDocument out;
        EXPECT_EQ(readBpa(b, out), 0) << code;
        EXPECT_EQ(out.methodCode, code);
    }
    // A capacity of 2 is fine, and smaller items than it are not asked for.
    Bytes b = good;
    setI32(b, h, 2);
    BpaDocument out;
    EXPECT_EQ(readBpa(b, out), 0);
    EXPECT_EQ(out.capacity, 2);
}

TEST(BpaFile, SavesWholeOrNotAtAll)
{
    const auto dir = std::filesystem::temp_directory_path() / ("quandel-bpa-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "list.bpa").string();
    ASSERT_EQ(writeBpa(path, sample()), 0);
    BpaDocument back;
    ASSERT_EQ(readBpa(path, back), 0);
    EXPECT_EQ(back, sample());
    EXPECT_EQ(writeBpa((dir / "missing" / "x.bpa").string(), sample()), 12);
    EXPECT_EQ(readBpa((dir / "none.bpa").string(), back), 11);
    std::filesystem::remove_all(dir);
}
