#include "docfile/settings.h"

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;
using testutil::getI32;
using testutil::setI32;

namespace {

constexpr size_t kFirstGroupAt = 1102; // right after a full header
constexpr size_t kGroupBytes = 3 * 84 + 3 * 210 + 3 * 21;

SettingsState filledSettings(int32_t kind)
{
    SettingsState s;
    s.header = headerStateFor(kind);
    s.header.placement = {5, 6, 700, 500, false};
    s.header.colors.set(7, rgb(1, 2, 3));
    s.windowWord = 4242;
    s.shortSettings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (size_t b = 0; b < 3; ++b)
        for (size_t i = 0; i < kParameterWords; ++i) {
            s.first.ints[b][i] = static_cast<int32_t>(1000 * b + i);
            s.second.ints[b][i] = -static_cast<int32_t>(1000 * b + i);
            s.first.reals[b][i] = static_cast<long double>(b) + i / 7.0L;
            s.second.reals[b][i] = -1.0L / (i + 1);
            s.first.flags[b][i] = static_cast<uint8_t>(i % 2);
            s.second.flags[b][i] = static_cast<uint8_t>(200 + i);
        }
    // Words 0..11 of integer block 1 are the window word, the count and
    // the short settings: what the writer stores there.
    s.first.ints[0][0] = 4242;
    s.first.ints[0][1] = 10;
    for (size_t i = 0; i < 10; ++i)
        s.first.ints[0][2 + i] = static_cast<int32_t>(i + 1);
    s.documentName = "C:\\docs\\usa1790.hor";
    return s;
}

} // namespace

TEST(SettingsFile, LayoutAndInitialShortSettings)
{
    SettingsState s;
    s.header = headerStateFor(kKindApportionment);
    s.documentName = "last.hor";
    Bytes b = WriteSettings(s);
    // Header, two groups of nine blocks, 256-byte name.
    ASSERT_EQ(b.size(), 1102u + 2 * 945u + 256u);
    const int32_t head[12] = {0, 10, 24, 6, 7, 0, 10, 8, 13, 2, 14, 17};
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(getI32(b, kFirstGroupAt + 4 * i), head[i]) << "word " << i;
    for (size_t i = 12; i < 21; ++i)
        EXPECT_EQ(getI32(b, kFirstGroupAt + 4 * i), 0);
    const size_t nameAt = kFirstGroupAt + 2 * kGroupBytes;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[nameAt])), "last.hor");
    for (size_t i = nameAt + 8; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0);
}

TEST(SettingsFile, RoundTrip)
{
    SettingsState s = filledSettings(kKindGraph);
    Bytes b = WriteSettings(s);
    SettingsState got;
    got.header = headerStateFor(kKindGraph);
    ASSERT_TRUE(ReadSettings(b, got));
    EXPECT_EQ(got, s);
}

TEST(SettingsFile, AnotherKindChangesNothing)
{
    Bytes b = WriteSettings(filledSettings(kKindWeightedVoting));
    SettingsState mine;
    mine.header = headerStateFor(kKindBinPacking);
    const SettingsState before = mine;
    EXPECT_FALSE(ReadSettings(b, mine));
    EXPECT_EQ(mine, before);
}

TEST(SettingsFile, NewerVersionChangesNothing)
{
    Bytes b = WriteSettings(filledSettings(kKindGraph));
    setI32(b, 4, 7);
    SettingsState mine;
    mine.header = headerStateFor(kKindGraph);
    const SettingsState before = mine;
    EXPECT_FALSE(ReadSettings(b, mine));
    EXPECT_EQ(mine, before);
}

TEST(SettingsFile, TruncatedAtAnyLengthChangesNothing)
{
    const Bytes b = WriteSettings(filledSettings(kKindGraph));
    SettingsState mine;
    mine.header = headerStateFor(kKindGraph);
    const SettingsState before = mine;
    for (size_t len = 0; len < b.size(); ++len) {
        ASSERT_FALSE(ReadSettings(b.data(), len, mine)) << len;
        ASSERT_EQ(mine, before) << len;
    }
}

TEST(SettingsFile, ExtendedWordZeroMeansNoSecondGroup)
{
    SettingsState s = filledSettings(kKindGraph);
    s.header.extendedSettings = 0;
    Bytes b = WriteSettings(s);
    // Header, first group, name: the writer leaves out what the reader
    // would not read.
    ASSERT_EQ(b.size(), 1102u + 945u + 256u);
    EXPECT_EQ(getI32(b, 76), 0);
    SettingsState got;
    got.header = headerStateFor(kKindGraph);
    got.second.ints[2][20] = 77;
    ASSERT_TRUE(ReadSettings(b, got));
    EXPECT_EQ(got.second.ints[2][20], 77); // kept as it was
    EXPECT_EQ(got.first, s.first);
    EXPECT_EQ(got.documentName, s.documentName);
    EXPECT_EQ(got.header.extendedSettings, 0);

    // A foreign file with the word 0 but both groups present: the name is
    // taken from the second group's first bytes (the format cannot tell),
    // cut at their first zero, and nothing breaks.
    SettingsState both = filledSettings(kKindGraph);
    Bytes full = WriteSettings(both);
    setI32(full, 76, 0);
    ASSERT_TRUE(ReadSettings(full, got));
    EXPECT_EQ(got.documentName, ""); // word 0 of block 1 of the second group is 0
}

TEST(SettingsFile, ShortSettingsFollowTheirCount)
{
    SettingsState s = filledSettings(kKindGraph);
    Bytes b = WriteSettings(s);
    const std::array<int32_t, 10> initial = {24, 6, 7, 0, 10, 8, 13, 2, 14, 17};
    for (int32_t count : {-3, 0, 4, 10, 500}) {
        setI32(b, kFirstGroupAt + 4, count);
        SettingsState got;
        got.header = headerStateFor(kKindGraph);
        ASSERT_TRUE(ReadSettings(b, got));
        EXPECT_EQ(got.windowWord, 4242);
        const int used = count < 0 ? 0 : count > 10 ? 10 : count;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(got.shortSettings[static_cast<size_t>(i)], i < used ? i + 1 : initial[static_cast<size_t>(i)])
                << "count " << count << " setting " << i;
    }
}

TEST(SettingsFile, DocumentNameIsCutAndEndsAtItsZero)
{
    SettingsState s = filledSettings(kKindGraph);
    s.documentName = std::string(400, 'n');
    Bytes b = WriteSettings(s);
    SettingsState got;
    got.header = headerStateFor(kKindGraph);
    ASSERT_TRUE(ReadSettings(b, got));
    EXPECT_EQ(got.documentName, std::string(255, 'n'));
    // A foreign name filling all 256 bytes without a zero is cut too.
    std::fill(b.end() - 256, b.end(), 'q');
    ASSERT_TRUE(ReadSettings(b, got));
    EXPECT_EQ(got.documentName, std::string(255, 'q'));
}

TEST(SettingsFile, Files)
{
    auto dir = testutil::scratchDir("settings");
    const std::string path = (dir / "hor.ini").string();
    SettingsState mine;
    mine.header = headerStateFor(kKindApportionment);
    EXPECT_FALSE(ReadSettingsFile(path, mine)); // missing: defaults kept
    SettingsState s = filledSettings(kKindApportionment);
    ASSERT_TRUE(WriteSettingsFile(path, s));
    ASSERT_TRUE(ReadSettingsFile(path, mine));
    EXPECT_EQ(mine, s);
    std::filesystem::remove_all(dir);
}
