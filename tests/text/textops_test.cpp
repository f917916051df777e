// Searching, the length limit and the minus-sign replacement as plain
// functions, checked against hand-worked cases and a naive search.
#include "text/symbolfont.h"
#include "text/textops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

using namespace quan;

TEST(TextLimit, CutsAtSixtyFourThousand)
{
    EXPECT_EQ(cutText(std::string(64001, 'x')).size(), 64000u);
    EXPECT_EQ(cutText(std::string(64000, 'x')).size(), 64000u);
    EXPECT_EQ(cutText("short"), "short");
    std::string t(64005, 'a');
    t[63999] = 'z';
    EXPECT_TRUE(cutTextInPlace(t));
    EXPECT_EQ(t.size(), 64000u);
    EXPECT_EQ(t.back(), 'z');
    EXPECT_FALSE(cutTextInPlace(t));
}

TEST(FindInText, HandWorkedCases)
{
    const std::string t = "Hello hello HELLO";
    EXPECT_EQ(findInText(t, "hello", 0, false, false), 0u);
    // Moving one on from a hit finds the following occurrence.
    EXPECT_EQ(findInText(t, "hello", 0, true, false), 6u);
    EXPECT_EQ(findInText(t, "hello", 6, true, false), 12u);
    EXPECT_EQ(findInText(t, "hello", 12, true, false), std::string::npos);
    // Case-sensitive: only the small-letter one.
    EXPECT_EQ(findInText(t, "hello", 0, false, true), 6u);
    EXPECT_EQ(findInText(t, "HELLO", 0, false, true), 12u);
    // Overlapping occurrences are found one character apart.
    EXPECT_EQ(findInText("aaa", "aa", 0, true, false), 1u);
    // An empty pattern, a pattern longer than the text, a start past the end.
    EXPECT_EQ(findInText(t, "", 0, false, false), std::string::npos);
    EXPECT_EQ(findInText("ab", "abc", 0, false, false), std::string::npos);
    EXPECT_EQ(findInText(t, "o", 500, false, false), std::string::npos);
    // Bytes above 127 compare exactly.
    EXPECT_EQ(findInText("x\xC4y\xE4", "\xE4", 0, false, false), 3u);
}

TEST(FindInText, AgreesWithNaiveSearch)
{
    std::mt19937 rng(7);
    const char alphabet[] = "abAB -";
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        std::string text, pat;
        size_t n = rng() % 30, m = 1 + rng() % 3;
        for (size_t i = 0; i < n; ++i)
            text += alphabet[rng() % 6];
        for (size_t i = 0; i < m; ++i)
            pat += alphabet[rng() % 6];
        size_t from = n ? rng() % (n + 1) : 0;
        bool moveOn = rng() % 2;
        bool cs = rng() % 2;
        size_t start = from + (moveOn ? 1 : 0);
        size_t want = start > text.size() ? std::string::npos
                                          : (cs ? text.find(pat, start) : lower(text).find(lower(pat), start));
        ASSERT_EQ(findInText(text, pat, from, moveOn, cs), want) << text << " / " << pat;
    }
}

TEST(LineOfPosition, CountsLineEnds)
{
    EXPECT_EQ(lineOfPosition("a\r\nb\r\nc", 0), 0);
    EXPECT_EQ(lineOfPosition("a\r\nb\r\nc", 3), 1);
    EXPECT_EQ(lineOfPosition("a\r\nb\r\nc", 6), 2);
    EXPECT_EQ(lineOfPosition("a\nb", 99), 1);
}

TEST(MinusSigns, RefusesCodesOutsideTwoTo255)
{
    for (const char* bad : {"1", "256", "0", "-5", "abc", "", "2.5"}) {
        std::string t = "a-b";
        EXPECT_EQ(replaceMinusSigns(t, bad), 1) << bad;
        EXPECT_EQ(t, "a-b") << bad;
    }
}

TEST(MinusSigns, ReplacesEveryHyphen)
{
    std::string t = "-1 - 2 -- x-";
    EXPECT_EQ(replaceMinusSigns(t, "150"), 0);
    EXPECT_EQ(t, "\x96" "1 \x96 2 \x96\x96 x\x96");
    std::string u = "a-b";
    EXPECT_EQ(replaceMinusSigns(u, " 2 "), 0);
    EXPECT_EQ(u, std::string("a\x02" "b"));
    std::string v = "a-b";
    EXPECT_EQ(replaceMinusSigns(v, "255"), 0);
    EXPECT_EQ(v, "a\xFF" "b");
}

TEST(LineWidth, WidthOfMIntoTheUsableWidth)
{
    // (600 - 17) / 10 = 58 characters, minus one.
    EXPECT_EQ(lineWidthChars(600, 17, 10), 57);
    EXPECT_EQ(lineWidthChars(100, 17, 0), 1);
    EXPECT_EQ(lineWidthChars(10, 17, 8), 1);
}

TEST(SymbolFont, GreekLettersAndSigns)
{
    EXPECT_EQ(symbolToUnicode('p'), U'\u03C0'); // pi
    EXPECT_EQ(symbolToUnicode('P'), U'\u03A0'); // capital pi
    EXPECT_EQ(symbolToUnicode('a'), U'\u03B1');
    EXPECT_EQ(symbolToUnicode('W'), U'\u03A9');
    EXPECT_EQ(symbolToUnicode('q'), U'\u03B8'); // theta
    EXPECT_EQ(symbolToUnicode('0'), U'0');
    EXPECT_EQ(symbolToUnicode(' '), U' ');
    EXPECT_EQ(symbolToUnicode('\n'), U'\n');
    EXPECT_EQ(symbolToUnicode(0xA5), U'\u221E'); // infinity
    EXPECT_EQ(symbolToUnicode(0xB1), U'\u00B1'); // plus-minus
    EXPECT_EQ(symbolToUnicode(0xB4), U'\u00D7'); // times
    EXPECT_EQ(symbolToUnicode(0xD6), U'\u221A'); // radical
    EXPECT_EQ(symbolToUnicode(0x80), U'\uFFFD');
    EXPECT_EQ(symbolTextToUtf8("2p"), "2\xCF\x80");
}

TEST(SymbolFont, LettersAreGreekAndCasesPair)
{
    std::vector<char32_t> small;
    for (char c = 'a'; c <= 'z'; ++c) {
        char32_t lo = symbolToUnicode(static_cast<unsigned char>(c));
        char32_t up = symbolToUnicode(static_cast<unsigned char>(c - 'a' + 'A'));
        EXPECT_TRUE(lo >= 0x0370 && lo <= 0x03FF) << c;
        EXPECT_TRUE(up >= 0x0370 && up <= 0x03FF) << c;
        small.push_back(lo);
        // In Unicode a basic Greek small letter is its capital plus 0x20;
        // the Symbol font's J and V hold variant letters instead.
        if (c != 'j' && c != 'v') {
            EXPECT_EQ(lo, up + 0x20) << c;
        }
    }
    std::sort(small.begin(), small.end());
    EXPECT_EQ(std::unique(small.begin(), small.end()), small.end());
}
