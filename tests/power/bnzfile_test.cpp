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

namespace {

int32_t wordAt(const Bytes& b, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
                                (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
}

void putWord(Bytes& b, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
}

void putString(Bytes& b, const std::string& s)
{
    const size_t len = s.size() + 1; // the length counts the zero
    b.push_back(static_cast<uint8_t>(len & 0xFF));
    b.push_back(static_cast<uint8_t>(len >> 8));
    b.insert(b.end(), s.begin(), s.end());
    b.push_back(0);
}

} // namespace

TEST(BnzFile, WorksheetColoursAndTheQuotaWordsByteForByte)
{
    BnzDocument d = sample();
    d.worksheetColors = {2, 3, 4, 5};
    Bytes b = bytesOf(d);
    const size_t words = kHeaderBytes;
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(wordAt(b, words + 4 * (10 + static_cast<size_t>(k))), 2 + k);
    EXPECT_EQ(wordAt(b, words + 4 * 7), 6);
    for (size_t k = 14; k < 50; ++k)
        EXPECT_EQ(wordAt(b, words + 4 * k), 0) << k;
    // 4200000001 = 0xFA56EA01: the low 31 bits 0x7A56EA01 = 2052516353 in
    // word 7, the rest (1) in word 14.
    d.quota = 4200000001LL;
    b = bytesOf(d);
    EXPECT_EQ(wordAt(b, words + 4 * 7), 2052516353);
    EXPECT_EQ(wordAt(b, words + 4 * 14), 1);
    BnzDocument back;
    ASSERT_EQ(readBnz(b, back), 0);
    EXPECT_EQ(back.quota, 4200000001LL);
    EXPECT_EQ(back.worksheetColors, (std::array<int32_t, 4>{2, 3, 4, 5}));
}

TEST(BnzFile, VersionFourKeepsTheWorksheetColoursVersionFiveSetsThem)
{
    BnzDocument d = sample();
    d.worksheetColors = {7, 8, 9, 10};
    Bytes b = bytesOf(d);
    ASSERT_EQ(wordAt(b, 4), 6); // the header's version word
    for (int version : {4, 5}) {
        Bytes c = b;
        c[4] = static_cast<uint8_t>(version);
        BnzDocument out;
        out.worksheetColors = {1, 0, 6, 4};
        ASSERT_EQ(readBnz(c, out), 0) << version;
        EXPECT_EQ(out.worksheetColors, version == 4 ? (std::array<int32_t, 4>{1, 0, 6, 4})
                                                    : (std::array<int32_t, 4>{7, 8, 9, 10}))
            << version;
    }
}

TEST(BnzFile, AFileBuiltFromTheLayoutOpens)
{
    // The common header, then the 50 words, the weights, the names and the
    // notebook, written here word by word.
    ByteWriter hw;
    WriteHeader(hw, headerStateFor(kKindWeightedVoting));
    Bytes b = hw.data();
    ASSERT_EQ(b.size(), kHeaderBytes);
    const int32_t params[50] = {12, 9, 0, 0, 1, 2, 5, 40, 1, 9, 1, 0, 6, 4};
    for (int32_t v : params)
        putWord(b, v);
    for (int i = 1; i <= 12; ++i)
        putWord(b, i);
    for (int i = 1; i <= 12; ++i)
        putString(b, "bloc" + std::to_string(i));
    putString(b, "twelve blocs");
    BnzDocument d;
    ASSERT_EQ(readBnz(b, d), 0);
    EXPECT_EQ(d.blocCount(), 12);
    EXPECT_EQ(d.columnWidth, 9);
    EXPECT_EQ(d.key, 0);
    EXPECT_FALSE(d.increasing);
    EXPECT_EQ(d.kind, 1);
    EXPECT_EQ(d.pairFirst, 2);
    EXPECT_EQ(d.pairSecond, 5);
    EXPECT_EQ(d.quota, 40);
    EXPECT_EQ(d.low, 1);
    EXPECT_EQ(d.high, 9);
    EXPECT_EQ(d.worksheetColors, (std::array<int32_t, 4>{1, 0, 6, 4}));
    EXPECT_EQ(d.weights[11], 12);
    EXPECT_EQ(d.names[11], "bloc12");
    EXPECT_EQ(d.notebook, "twelve blocs");
    // Written again it gives the same bytes.
    ByteWriter again;
    ASSERT_TRUE(writeBnz(again, d));
    EXPECT_EQ(again.data(), b);
}
