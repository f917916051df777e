// The ".vot" file: its layout checked byte by byte against bytes put
// together by hand, write-read-write byte for byte, and every cut or bad
// field refused with the document left as it was.
#include "profiles.h"
#include "testutil.h"

#include "docfile/header.h"
#include "elections/core/votfile.h"

#include <gtest/gtest.h>

using namespace quan;
using testutil::getI32;
using testutil::putI32;
using testutil::setI32;

namespace {

const size_t h = kHeaderBytes;

VotDocument sample()
{
    VotDocument d;
    d.election = electtest::make("ABC", {{18, "ACB"}, {12, "BCA"}, {10, "CBA"}}, "BAC");
    ReportSwitches s = d.election.switches();
    s.borda = true;
    s.graph = true;
    s.plurality = false;
    d.election.setSwitches(s);
    EXPECT_EQ(d.election.setPoints({5, 2, 1}), 0);
    d.notebook = "notes\r\nline two";
    return d;
}

Bytes bytesOf(const VotDocument& d)
{
    ByteWriter w;
    writeVot(w, d);
    return w.take();
}

VotDocument sentinel()
{
    VotDocument d;
    d.election = electtest::make("PQRS", {{3, "SRQP"}});
    d.notebook = "sentinel";
    return d;
}

} // namespace

TEST(VotFile, LayoutByHand)
{
    const Bytes b = bytesOf(sample());
    // The common header is checked with the docfile; here only its kind
    // and version, then everything after it against hand-made bytes.
    ASSERT_GT(b.size(), h);
    EXPECT_EQ(getI32(b, 0), 6561);
    EXPECT_EQ(getI32(b, 4), 6);
    Bytes body;
    // n, points words, current ballot (BAC is entry 2), switches
    // plurality, Borda, Condorcet, runoff, graph, T, then zeros.
    for (long long v : {3, 6, 2, 0, 1, 0, 1, 1, 40})
        putI32(body, v);
    for (int i = 9; i < 50; ++i)
        putI32(body, 0);
    // Counts of ABC, ACB, BAC, BCA, CAB, CBA.
    for (long long v : {0, 18, 0, 12, 0, 10})
        putI32(body, v);
    for (long long v : {5, 2, 1, 1, 0, 0})
        putI32(body, v);
    for (long long v : {'A', 'B', 'C', 'D', 'E', 'F'})
        putI32(body, v);
    testutil::putString(body, "notes\r\nline two");
    ASSERT_EQ(b.size(), h + body.size());
    EXPECT_EQ(Bytes(b.begin() + static_cast<long>(h), b.end()), body);
}

TEST(VotFile, ThreeCandidatesHoldSixCountsAndSixHold720)
{
    Random rng;
    rng.seed(31);
    VotDocument d;
    ASSERT_EQ(d.election.newNames("ABC", rng), 0);
    EXPECT_EQ(bytesOf(d).size(), h + 200 + 6 * 4 + 24 + 24 + 3);
    ASSERT_EQ(d.election.newNames("ABCDEF", rng), 0);
    ASSERT_EQ(d.election.random(987654, false, rng), 0);
    const Bytes b = bytesOf(d);
    EXPECT_EQ(b.size(), h + 200 + 720 * 4 + 24 + 24 + 3);
    long long sum = 0;
    for (size_t i = 0; i < 720; ++i)
        sum += getI32(b, h + 200 + 4 * i);
    EXPECT_EQ(sum, 987654);
    EXPECT_EQ(getI32(b, h + 32), 987654);
}

TEST(VotFile, WriteReadWriteIsByteExact)
{
    Random rng;
    rng.seed(32);
    for (int n = 2; n <= 6; ++n) {
        VotDocument d = sample();
        ASSERT_EQ(d.election.newNames(std::string("UVWXYZ").substr(0, static_cast<size_t>(n)), rng), 0);
        ASSERT_EQ(d.election.random(1000 * n + 7, false, rng), 0);
        ASSERT_EQ(d.election.cast(3), 0);
        d.header.placement.left = 40 + n;
        const Bytes first = bytesOf(d);
        VotDocument back = sentinel();
        ASSERT_EQ(readVot(first, back, rng), 0);
        EXPECT_EQ(bytesOf(back), first);
        EXPECT_EQ(back.election.state(), d.election.state());
        EXPECT_EQ(back.notebook, d.notebook);
        EXPECT_EQ(back.header, d.header);
        EXPECT_EQ(back.election.tally(), d.election.tally());
        // A read empties the undo list and disables restore.
        EXPECT_FALSE(back.election.canUndo());
        EXPECT_FALSE(back.election.canRestore());
    }
}

TEST(VotFile, EveryProperPrefixIsRefused)
{
    const Bytes b = bytesOf(sample());
    Random rng;
    for (size_t len = 0; len < b.size(); ++len) {
        VotDocument d = sentinel();
        ASSERT_EQ(readVot(b.data(), len, d, rng), 11) << len;
        ASSERT_EQ(d, sentinel()) << len;
    }
}

TEST(VotFile, BadFieldsAreRefusedWithTheDocumentUnchanged)
{
    const Bytes good = bytesOf(sample());
    struct Case {
        const char* what;
        size_t at;
        long long value;
    };
    const Case cases[] = {
        {"kind of a bin-packing file", 0, 5476},
        {"newer version", 4, 7},
        {"one candidate", h, 1},
        {"seven candidates", h, 7},
        {"negative candidates", h, -3},
        {"five points words", h + 4, 5},
        {"negative points words", h + 4, -1},
        {"a negative count", h + 200 + 4, -1},
        {"counts past 2147483647", h + 200, 2147483647},
        {"a name that is a digit", h + 200 + 24 + 24, '1'},
        {"a name past ASCII", h + 200 + 24 + 24 + 20, 0xC4},
        {"a name of zero", h + 200 + 24 + 24 + 8, 0},
        {"a notebook longer than the file", h + 200 + 24 + 24 + 24, 400},
    };
    Random rng;
    for (const Case& c : cases) {
        Bytes b = good;
        setI32(b, c.at, c.value);
        if (c.at == h + 200 + 24 + 24 + 24)
            b[c.at + 2] = 'n', b[c.at + 3] = 'o';
        VotDocument d = sentinel();
        EXPECT_EQ(readVot(b, d, rng), 11) << c.what;
        EXPECT_EQ(d, sentinel()) << c.what;
    }
}

TEST(VotFile, TheTotalIsTheCountsSum)
{
    Bytes b = bytesOf(sample());
    setI32(b, h + 32, 99999);
    Random rng;
    VotDocument d = sentinel();
    ASSERT_EQ(readVot(b, d, rng), 0);
    EXPECT_EQ(d.election.total(), 40);
    EXPECT_EQ(getI32(bytesOf(d), h + 32), 40);
}

TEST(VotFile, SevenPointsWordsGiveInconsistentDataAndARandomExample)
{
    // Seven points words: the counts' sum (40) spread at random, the first
    // six points kept, the seventh read past, the names after it.
    const Bytes good = bytesOf(sample());
    Bytes b(good.begin(), good.begin() + static_cast<long>(h + 200 + 24 + 24));
    putI32(b, 12345);
    b.insert(b.end(), good.begin() + static_cast<long>(h + 200 + 24 + 24), good.end());
    setI32(b, h + 4, 7);
    Random rng;
    rng.seed(33);
    VotDocument d = sentinel();
    ASSERT_EQ(readVot(b, d, rng), 6);
    EXPECT_EQ(d.election.total(), 40);
    EXPECT_EQ(electtest::sumOfCounts(d.election), 40);
    EXPECT_EQ(d.election.points(), (std::array<int32_t, 6>{5, 2, 1, 1, 0, 0}));
    EXPECT_EQ(d.election.namesText(), "ABC");
    EXPECT_EQ(d.notebook, "notes\r\nline two");
    // Many more words: all read past.
    Bytes many(good.begin(), good.begin() + static_cast<long>(h + 200 + 24 + 24));
    for (int i = 0; i < 1000; ++i)
        putI32(many, i);
    many.insert(many.end(), good.begin() + static_cast<long>(h + 200 + 24 + 24), good.end());
    setI32(many, h + 4, 1006);
    VotDocument e = sentinel();
    ASSERT_EQ(readVot(many, e, rng), 6);
    EXPECT_EQ(e.election.namesText(), "ABC");
    // Cut inside the extra words: refused.
    setI32(many, h + 4, 1007);
    VotDocument f = sentinel();
    EXPECT_EQ(readVot(many, f, rng), 11);
    EXPECT_EQ(f, sentinel());
}

TEST(VotFile, NonNegativePointsAreTakenAsStoredAndNegativeOnesInUseRefused)
{
    // Points 5, 2, 1 at h + 224; the second made 5 (equal places, as a
    // restore left them in older files) and an unused slot 77: kept.
    const size_t points = h + 200 + 24;
    Bytes b = bytesOf(sample());
    setI32(b, points + 4, 5);
    setI32(b, points + 16, 77);
    Random rng;
    VotDocument d = sentinel();
    ASSERT_EQ(readVot(b, d, rng), 0);
    EXPECT_EQ(d.election.points(), (std::array<int32_t, 6>{5, 5, 1, 1, 77, 0}));
    // Rising last places too: 1, 2, 3 gives Borda totals by hand
    // (ACB x18: A 18, C 36, B 54; BCA x12: B 12, C 24, A 36; CBA x10: C 10,
    // B 20, A 30): A 84, B 86, C 70.
    setI32(b, points, 1);
    setI32(b, points + 4, 2);
    setI32(b, points + 8, 3);
    ASSERT_EQ(readVot(b, d, rng), 0);
    EXPECT_EQ(d.election.tally().borda[0], 84);
    EXPECT_EQ(d.election.tally().borda[1], 86);
    EXPECT_EQ(d.election.tally().borda[2], 70);
    EXPECT_EQ(d.election.tally().bordaRanking[0], 1);
    // A negative value among the three places in use: refused, unchanged.
    for (size_t place = 0; place < 3; ++place) {
        Bytes bad = bytesOf(sample());
        setI32(bad, points + 4 * place, -1);
        VotDocument e = sentinel();
        EXPECT_EQ(readVot(bad, e, rng), 11) << place;
        EXPECT_EQ(e, sentinel()) << place;
    }
    // In an unused slot it is only carried along.
    Bytes unused = bytesOf(sample());
    setI32(unused, points + 20, -4);
    VotDocument f = sentinel();
    ASSERT_EQ(readVot(unused, f, rng), 0);
    EXPECT_EQ(f.election.points()[5], -4);
}

TEST(VotFile, ACurrentBallotOutsideTheListIsRefused)
{
    // Three candidates: ballots 0..5.
    Random rng;
    for (long long current : {6LL, -1LL, 720LL, 2147483647LL}) {
        Bytes b = bytesOf(sample());
        setI32(b, h + 8, current);
        VotDocument d = sentinel();
        EXPECT_EQ(readVot(b, d, rng), 11) << current;
        EXPECT_EQ(d, sentinel()) << current;
    }
    Bytes last = bytesOf(sample());
    setI32(last, h + 8, 5);
    VotDocument d = sentinel();
    ASSERT_EQ(readVot(last, d, rng), 0);
    EXPECT_EQ(d.election.current(), 5);
    // CBA is the current ballot: C meets B (C above B on ACB and CBA, 28
    // to BCA's 12), then A (C above A on BCA and CBA, 22 to ACB's 18): C.
    EXPECT_EQ(d.election.tally().sequence, 2);
}

TEST(VotFile, SavedAndOpenedThroughAFile)
{
    const auto dir = testutil::scratchDir("elections_votfile");
    const std::string path = (dir / "fifty-five.vot").string();
    VotDocument d;
    d.election = electtest::make("ABCDE", electtest::fiftyFive());
    ASSERT_EQ(writeVot(path, d), 0);
    Random rng;
    VotDocument back;
    ASSERT_EQ(readVot(path, back, rng), 0);
    EXPECT_EQ(back.election.state(), d.election.state());
    EXPECT_EQ(readVot((dir / "missing.vot").string(), back, rng), 11);
}
