#include "apportion/horfile.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;
using testutil::putI32;
using testutil::putString;
using testutil::setI32;

namespace {

constexpr size_t kParamsAt = 1102;

HorDocument sampleDocument()
{
    HorDocument d;
    d.header.placement = {12, 34, 900, 700, false};
    d.header.printFormat.width = 5.5L;
    d.header.colors.set(30, rgb(9, 8, 7));
    d.columnWidth = 11;
    d.method = 4;
    d.key = 7;
    d.houseSize = 17;
    d.increasing = false;
    d.populations = {1234.6L, 1234.5L, 236841, 55540, 70835};
    d.names = {"Typed In", "Half Way", "Connecticut", "Delaware", "Georgia"};
    d.divisor = 123.456L;
    for (size_t i = 0; i < 9; ++i)
        d.headings[i] = "col " + std::to_string(i);
    d.notebook = "notes\r\nsecond line";
    return d;
}

// The body after the header, written out by hand for the sample.
testutil::Bytes handMadeBody(int formatMark = 99, int headingCount = 9)
{
    testutil::Bytes b;
    const long long words[8] = {5, 11, 4, 7, 17, 0, headingCount, formatMark};
    for (long long w : words)
        putI32(b, w);
    for (int i = 8; i < 50; ++i)
        putI32(b, 0);
    // 1234.6 is saved as 1235, 1234.5 as 1234 (a half goes down).
    for (long long p : {1235, 1234, 236841, 55540, 70835})
        putI32(b, p);
    for (const char* n : {"Typed In", "Half Way", "Connecticut", "Delaware", "Georgia"})
        putString(b, n);
    ByteWriter w;
    w.real(123.456L);
    b.insert(b.end(), w.data().begin(), w.data().end());
    for (int i = 0; i < headingCount; ++i)
        putString(b, "col " + std::to_string(i));
    putString(b, "notes\r\nsecond line");
    return b;
}

testutil::Bytes handMadeFile(int formatMark = 99, int headingCount = 9)
{
    ByteWriter w;
    WriteHeader(w, sampleDocument().header);
    testutil::Bytes b = w.take();
    testutil::Bytes body = handMadeBody(formatMark, headingCount);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

HorDocument expectedAfterReading()
{
    HorDocument d = sampleDocument();
    d.populations = {1235, 1234, 236841, 55540, 70835};
    return d;
}

// A document that differs from the sample everywhere, to see that a failed
// read leaves it alone.
HorDocument otherDocument()
{
    HorDocument d;
    d.populations = {10, 20, 30};
    d.names = {"a", "b", "c"};
    d.divisor = 5;
    d.headings[0] = "kept";
    d.notebook = "untouched";
    return d;
}

} // namespace

TEST(HorFile, WriterFollowsTheLayout)
{
    ByteWriter w;
    ASSERT_TRUE(writeHor(w, sampleDocument()));
    EXPECT_EQ(w.data(), handMadeFile());
}

TEST(HorFile, RoundTrip)
{
    ByteWriter w;
    ASSERT_TRUE(writeHor(w, sampleDocument()));
    HorDocument got = otherDocument();
    ASSERT_EQ(readHor(w.data(), got), 0);
    EXPECT_EQ(got, expectedAfterReading());
    EXPECT_EQ(got.populations[0], 1235.0L);
    EXPECT_EQ(got.stateCount(), 5);
    EXPECT_FALSE(got.inconsistent);
}

TEST(HorFile, FormatMarkOtherThan99IsInconsistent)
{
    HorDocument got = otherDocument();
    ASSERT_EQ(readHor(handMadeFile(98), got), 6);
    EXPECT_TRUE(got.inconsistent);
    HorDocument expected = expectedAfterReading();
    expected.inconsistent = true;
    EXPECT_EQ(got, expected);
}

TEST(HorFile, TruncatedAtEveryLengthIsRefusedAndChangesNothing)
{
    const testutil::Bytes file = handMadeFile();
    const HorDocument before = otherDocument();
    for (size_t len = 0; len < file.size(); ++len) {
        HorDocument got = before;
        ASSERT_EQ(readHor(file.data(), len, got), 11) << len;
        ASSERT_EQ(got, before) << len;
    }
    // The same for an inconsistent file: cut short it is unreadable.
    const testutil::Bytes odd = handMadeFile(0);
    for (size_t len = kParamsAt; len < odd.size(); len += 7) {
        HorDocument got = before;
        ASSERT_EQ(readHor(odd.data(), len, got), 11) << len;
        ASSERT_EQ(got, before) << len;
    }
}

TEST(HorFile, HeaderOfAnotherKindOrVersionIsRefused)
{
    const HorDocument before = otherDocument();
    for (auto [word, value] : {std::pair<size_t, int>{0, 887}, {0, 1332}, {4, 7}, {4, 0}, {4, -1}}) {
        testutil::Bytes b = handMadeFile();
        setI32(b, word, value);
        HorDocument got = before;
        EXPECT_EQ(readHor(b, got), 11) << "word " << word / 4 << " = " << value;
        EXPECT_EQ(got, before);
    }
    // Older versions of the same layout are read.
    testutil::Bytes b = handMadeFile();
    setI32(b, 4, 3);
    HorDocument got = before;
    EXPECT_EQ(readHor(b, got), 0);
    EXPECT_EQ(got.header.version, 3);
}

TEST(HorFile, ImpossibleValuesAreRefused)
{
    const HorDocument before = otherDocument();
    struct Case {
        size_t at;
        long long value;
        const char* what;
    } cases[] = {
        {kParamsAt + 0, 1, "one state"},
        {kParamsAt + 0, 100, "100 states"},
        {kParamsAt + 0, -5, "negative n"},
        {kParamsAt + 0, 0x7FFFFFFF, "huge n"},
        {kParamsAt + 4, 0, "column width 0"},
        {kParamsAt + 4, 100000, "column width 100000"},
        {kParamsAt + 8, 10, "method 10"},
        {kParamsAt + 8, -1, "method -1"},
        {kParamsAt + 12, 3, "key 3"},
        {kParamsAt + 16, 0, "house size 0"},
        {kParamsAt + 24, -1, "negative heading count"},
        {kParamsAt + 204, -7, "negative population"},
    };
    for (const Case& c : cases) {
        testutil::Bytes b = handMadeFile();
        setI32(b, c.at, c.value);
        HorDocument got = before;
        EXPECT_EQ(readHor(b, got), 11) << c.what;
        EXPECT_EQ(got, before) << c.what;
    }
    // One state may have no population, but not every state.
    {
        testutil::Bytes b = handMadeFile();
        setI32(b, kParamsAt + 200, 0);
        HorDocument got = before;
        EXPECT_EQ(readHor(b, got), 0);
        EXPECT_EQ(got.populations[0], 0);
        for (size_t i = 0; i < 5; ++i)
            setI32(b, kParamsAt + 200 + 4 * i, 0);
        got = before;
        EXPECT_EQ(readHor(b, got), 11) << "no population at all";
        EXPECT_EQ(got, before);
    }
    // The divisor must be a positive number.
    const size_t divisorAt = handMadeFile().size() - 9 * 8 - 21 - 10; // 9 headings "col i", the notebook
    for (long double d : {0.0L, -3.0L, std::numeric_limits<long double>::infinity(),
             std::numeric_limits<long double>::quiet_NaN()}) {
        testutil::Bytes b = handMadeFile();
        ASSERT_EQ(decodeExtended(b.data() + divisorAt), 123.456L);
        auto enc = encodeExtended(d);
        std::copy(enc.begin(), enc.end(), b.begin() + static_cast<long>(divisorAt));
        HorDocument got = before;
        EXPECT_EQ(readHor(b, got), 11) << static_cast<double>(d);
        EXPECT_EQ(got, before);
    }
}

TEST(HorFile, HeadingCounts)
{
    // Extra headings are read and discarded; the notebook still follows.
    testutil::Bytes b = handMadeFile(99, 14);
    HorDocument got = otherDocument();
    ASSERT_EQ(readHor(b, got), 0);
    EXPECT_EQ(got, expectedAfterReading());

    // Fewer headings: the missing ones keep their values.
    HorDocument few = otherDocument();
    few.headings[5] = "stays";
    ASSERT_EQ(readHor(handMadeFile(99, 3), few), 0);
    EXPECT_EQ(few.headings[2], "col 2");
    EXPECT_EQ(few.headings[3], "");
    EXPECT_EQ(few.headings[5], "stays");
    EXPECT_EQ(few.notebook, "notes\r\nsecond line");
}

TEST(HorFile, LongTextsAreCutToTheirFields)
{
    HorDocument d = sampleDocument();
    d.names[2] = std::string(70, 'N');
    d.headings[8] = std::string(30, 'H');
    d.notebook = std::string(65000, 'x');
    ByteWriter w;
    ASSERT_TRUE(writeHor(w, d));
    HorDocument got;
    ASSERT_EQ(readHor(w.data(), got), 0);
    EXPECT_EQ(got.names[2], std::string(50, 'N'));
    EXPECT_EQ(got.headings[8], std::string(20, 'H'));
    EXPECT_EQ(got.notebook.size(), 64000u);

    // The reader cuts too, whatever a foreign writer stored.
    testutil::Bytes b = handMadeFile();
    testutil::Bytes longName;
    putString(longName, std::string(300, 'L'));
    const size_t nameAt = kParamsAt + 200 + 5 * 4;
    b.erase(b.begin() + static_cast<long>(nameAt), b.begin() + static_cast<long>(nameAt + 2 + 9));
    b.insert(b.begin() + static_cast<long>(nameAt), longName.begin(), longName.end());
    ASSERT_EQ(readHor(b, got), 0);
    EXPECT_EQ(got.names[0], std::string(50, 'L'));
    EXPECT_EQ(got.names[1], "Half Way");
}

TEST(HorFile, WriterRefusesImpossibleDocuments)
{
    ByteWriter w;
    HorDocument d = sampleDocument();
    d.names.pop_back();
    EXPECT_FALSE(writeHor(w, d));
    d = sampleDocument();
    d.populations.resize(1);
    d.names.resize(1);
    EXPECT_FALSE(writeHor(w, d));
    d.populations.assign(100, 5000);
    d.names.assign(100, "name");
    EXPECT_FALSE(writeHor(w, d));
    EXPECT_EQ(w.size(), 0u);
}

TEST(HorFile, Files)
{
    auto dir = testutil::scratchDir("hor");
    const std::string path = (dir / "usa1790.hor").string();
    HorDocument got = otherDocument();
    EXPECT_EQ(readHor(path, got), 11);
    EXPECT_EQ(got, otherDocument());
    ASSERT_EQ(writeHor(path, sampleDocument()), 0);
    ASSERT_EQ(readHor(path, got), 0);
    EXPECT_EQ(got, expectedAfterReading());

    HorDocument bad = sampleDocument();
    bad.names.clear();
    EXPECT_EQ(writeHor(path, bad), 12);
    EXPECT_EQ(readHor(path, got), 0); // the saved file is still there
    EXPECT_EQ(writeHor((dir / "no" / "such" / "dir.hor").string(), sampleDocument()), 12);
    std::filesystem::remove_all(dir);
}
