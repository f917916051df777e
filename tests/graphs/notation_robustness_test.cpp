// Every committed fuzz seed of the notation targets and a few thousand
// reproducible mutations go through the graph6, digraph6, sparse6 and LCF
// readers and the viewer's collections; the properties of
// fuzz_notation_checks.h must hold for each. Runs in every build and
// catches memory faults under the sanitizers.
#include "../../fuzz/fuzz_notation_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(NotationRobustness, CommittedSeedsAreRead)
{
    for (const char* target : {"fuzz_graph6", "fuzz_digraph6", "fuzz_sparse6", "fuzz_lcf", "fuzz_g6collection"})
        EXPECT_GE(corpus(target).size(), 3u) << target;
    int readable = 0;
    for (const auto& b : corpus("fuzz_graph6")) {
        Graph g;
        readable += ReadGraph6(g, std::string(b.begin(), b.end()), fuzzcheck::kNotationView) == 0;
    }
    EXPECT_GE(readable, 5);
}

TEST(NotationRobustness, MutatedNotations)
{
    runAll(corpus("fuzz_graph6"), {&fuzzcheck::checkGraph6}, 286, 1500);
    runAll(corpus("fuzz_digraph6"), {&fuzzcheck::checkDigraph6}, 286, 1000);
    runAll(corpus("fuzz_sparse6"), {&fuzzcheck::checkSparse6}, 286, 1500);
}

TEST(NotationRobustness, MutatedLcfTexts)
{
    runAll(corpus("fuzz_lcf"), {&fuzzcheck::checkLcf}, 286, 1500);
}

TEST(NotationRobustness, MutatedCollections)
{
    runAll(corpus("fuzz_g6collection"), {&fuzzcheck::checkG6Collection}, 286, 600);
}

TEST(NotationRobustness, EmptyBinaryAndMixedCollections)
{
    const std::string binary("\x00\x01\xff\xfe\x80\x0a\x0d", 7);
    for (const std::string& text : {std::string(), std::string("\r\n\r\n"), binary, std::string("C~\n\x80\x81\nBw")}) {
        EXPECT_EQ(fuzzcheck::checkG6Collection(reinterpret_cast<const uint8_t*>(text.data()), text.size()), "");
    }
    G6Viewer v;
    EXPECT_EQ(v.load("", 0), 11);
    EXPECT_EQ(v.load("\r\n \n", 0), 11);
    ASSERT_EQ(v.load(binary, -1), 0); // two lines of bytes outside '?'..'~'
    Graph g = fuzzcheck::notationSentinel();
    EXPECT_EQ(v.show(g, 0, fuzzcheck::kNotationView), 6);
    EXPECT_TRUE(g == fuzzcheck::notationSentinel());
}
