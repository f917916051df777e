#include "power/bnzfile.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

BnzDocument sample()
{
    BnzDocument d;
    d.weights = {5, 3, 2.6L};
    d.names = {"A", "B", "C"};
    d.kind = 1;
    d.pairFirst = 0;
    d.pairSecond = 2;
    d.quota = 6;
    d.low = 1;
    d.high = 9;
    d.notebook = "notes";
    return d;
}

Bytes bytesOf(const BnzDocument& d)
{
    ByteWriter w;
    EXPECT_TRUE(writeBnz(w, d));
    return w.data();
}

} // namespace

TEST(BnzFile, LayoutAndRoundTrip)
{
    Bytes b = bytesOf(sample());
    // Header, 50 words, 3 weights, three names of 2 + 2 bytes, notebook 2 + 6.
    ASSERT_EQ(b.size(), kHeaderBytes + 200 + 12 + 12 + 8);
    auto word = [&b](size_t at) {
        return static_cast<int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (b[at + 3] << 24));
    };
    EXPECT_EQ(word(0), 887);
    EXPECT_EQ(word(kHeaderBytes), 3);       // n
    EXPECT_EQ(word(kHeaderBytes + 16), 1);  // Shapley
    EXPECT_EQ(word(kHeaderBytes + 28), 6);  // quota
    EXPECT_EQ(word(kHeaderBytes + 208), 3); // the third weight, 2.6 rounded
    BnzDocument back;
    ASSERT_EQ(readBnz(b, back), 0);
    BnzDocument expect = sample();
    expect.weights[2] = 3;
    expect.header = back.header;
    EXPECT_EQ(back, expect);
}

TEST(BnzFile, EveryTruncationAndImpossibleValueIsRefusedAndChangesNothing)
{
    Bytes b = bytesOf(sample());
    BnzDocument untouched;
    untouched.names = {"keep"};
    for (size_t len = 0; len < b.size(); ++len) {
        BnzDocument out = untouched;
        EXPECT_EQ(readBnz(b.data(), len, out), 11) << len;
        EXPECT_EQ(out, untouched);
    }
    auto withWord = [&b](size_t index, int32_t v) {
        Bytes c = b;
        const size_t at = kHeaderBytes + 4 * index;
        if (c.size() < at + 4)
            return c;
        for (int i = 0; i < 4; ++i)
            c[at + static_cast<size_t>(i)] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
        return c;
    };
    BnzDocument out;
    EXPECT_EQ(readBnz(withWord(0, 1), out), 11);   // one bloc
    EXPECT_EQ(readBnz(withWord(0, 100), out), 11); // a hundred
    EXPECT_EQ(readBnz(withWord(4, 2), out), 11);   // no such kind
    EXPECT_EQ(readBnz(withWord(6, 0), out), 11);   // a pair of one bloc
    EXPECT_EQ(readBnz(withWord(5, 7), out), 11);   // a pair outside the table
    EXPECT_EQ(readBnz(withWord(8, 10), out), 11);  // low above high
    EXPECT_EQ(readBnz(withWord(50, 0), out), 11);  // a weight of 0
}
