// The 8-bit texts of the workbench as Qt strings: Windows-1252 unless the
// bytes are valid UTF-8 with a multi-byte sequence (file names), and back.
// Every expected character below is written out by hand, not taken from the
// conversion table.
#include "qt/qt_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace quan::qtui;

namespace {

QString u(std::u16string_view s) { return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size())); }

std::string bytes(std::initializer_list<unsigned char> b) { return std::string(b.begin(), b.end()); }

} // namespace

TEST(QtText, QuebecInUtf8AndInWindows1252BothReadAsQuebec)
{
    const QString quebec = u(u"Qu\u00E9bec");
    EXPECT_EQ(fromUi("Qu\xC3\xA9" "bec"), quebec); // UTF-8: é is C3 A9
    EXPECT_EQ(fromUi("Qu\xE9" "bec"), quebec);     // Windows-1252: é is E9
    EXPECT_EQ(fromCp1252("Qu\xE9" "bec"), quebec);
    // Read as Windows-1252, the UTF-8 bytes are two characters.
    EXPECT_EQ(fromCp1252("Qu\xC3\xA9" "bec"), u(u"Qu\u00C3\u00A9bec"));
}

TEST(QtText, PlainAsciiIsItself)
{
    EXPECT_EQ(fromUi("Alabama 7"), QStringLiteral("Alabama 7"));
    EXPECT_EQ(fromUi(""), QString());
    EXPECT_EQ(toUi(QStringLiteral("Alabama 7")), "Alabama 7");
}

TEST(QtText, TheEnDashByte0x96IsAnEnDash)
{
    EXPECT_EQ(fromUi("1790 \x96 1800"), u(u"1790 \u2013 1800"));
    EXPECT_EQ(fromUi("\x96"), u(u"\u2013"));
    EXPECT_EQ(toUi(u(u"1790 \u2013 1800")), "1790 \x96 1800");
    // The same dash in UTF-8 (E2 80 93) is read as UTF-8.
    EXPECT_EQ(fromUi("1790 \xE2\x80\x93 1800"), u(u"1790 \u2013 1800"));
}

TEST(QtText, Bytes0x80To0x9FAreTheCodePagesTypographicCharacters)
{
    // Byte 0x80 + i; the five the code page leaves empty keep their C1 code.
    const char16_t expected[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
    };
    for (int i = 0; i < 32; ++i) {
        std::string b(1, static_cast<char>(0x80 + i));
        SCOPED_TRACE(0x80 + i);
        ASSERT_EQ(fromCp1252(b).size(), 1);
        EXPECT_EQ(int(fromCp1252(b).at(0).unicode()), int(expected[i]));
        // A lone byte of that range is never UTF-8.
        EXPECT_EQ(int(fromUi(b).at(0).unicode()), int(expected[i]));
        EXPECT_EQ(toCp1252(QString(QChar(expected[i]))), b);
    }
    EXPECT_EQ(fromUi("\x80 5"), u(u"\u20AC 5"));
    EXPECT_EQ(fromUi("Trademark\x99"), u(u"Trademark\u2122"));
    EXPECT_EQ(fromUi("\x93quoted\x94"), u(u"\u201Cquoted\u201D"));
}

TEST(QtText, EveryByteGoesThereAndBackAndTheUpperHalfIsLatin1)
{
    for (int b = 0; b < 256; ++b) {
        std::string s(1, static_cast<char>(b));
        SCOPED_TRACE(b);
        EXPECT_EQ(toCp1252(fromCp1252(s)), s);
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(int(fromCp1252(s).at(0).unicode()), b);
        }
    }
    EXPECT_EQ(fromCp1252("\xA0\xA9\xFF"), u(u"\u00A0\u00A9\u00FF"));
}

TEST(QtText, InvalidUtf8IsReadAsWindows1252)
{
    // A lead byte without its continuation, at the end and in the middle.
    EXPECT_EQ(fromUi("Qu\xC3"), u(u"Qu\u00C3"));
    EXPECT_EQ(fromUi("\xC3x"), u(u"\u00C3x"));
    // A continuation byte alone.
    EXPECT_EQ(fromUi("a\xA9z"), u(u"a\u00A9z"));
    // Overlong "/" (C0 AF), a surrogate (ED A0 80), a code past U+10FFFF (F4 90 80 80).
    EXPECT_EQ(fromUi(bytes({0xC0, 0xAF})), u(u"\u00C0\u00AF"));
    EXPECT_EQ(fromUi(bytes({0xED, 0xA0, 0x80})), u(u"\u00ED\u00A0\u20AC"));
    EXPECT_EQ(fromUi(bytes({0xF4, 0x90, 0x80, 0x80})), u(u"\u00F4\u0090\u20AC\u20AC"));
    // Valid UTF-8 followed by an invalid byte: the whole text is Windows-1252.
    EXPECT_EQ(fromUi("\xC3\xA9t\xE9"), u(u"\u00C3\u00A9t\u00E9"));
    // "été" in Windows-1252.
    EXPECT_EQ(fromUi("\xE9t\xE9"), u(u"\u00E9t\u00E9"));
}

TEST(QtText, ValidUtf8WithFourByteSequencesIsUtf8)
{
    // U+1F600 as F0 9F 98 80, a surrogate pair in Qt.
    QString s = fromUi(bytes({'a', 0xF0, 0x9F, 0x98, 0x80}));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s.at(0), QChar(u'a'));
    EXPECT_EQ(int(s.at(1).unicode()), 0xD83D);
    EXPECT_EQ(int(s.at(2).unicode()), 0xDE00);
    EXPECT_EQ(fromUi("\xCE\xA9mega"), u(u"\u03A9mega"));
}

TEST(QtText, TypedTextIsWindows1252WhenItFitsOtherwiseUtf8)
{
    EXPECT_TRUE(fitsCp1252(u(u"Qu\u00E9bec \u2013 \u20AC")));
    EXPECT_EQ(toUi(u(u"Qu\u00E9bec \u2013 \u20AC")), "Qu\xE9" "bec \x96 \x80");
    EXPECT_FALSE(fitsCp1252(u(u"\u03A9mega")));
    EXPECT_EQ(toUi(u(u"\u03A9mega")), "\xCE\xA9mega");
    EXPECT_EQ(toUi(u(u"Qu\u00E9bec \u03A9")), "Qu\xC3\xA9" "bec \xCE\xA9");
    // Positions kept: a character outside the code page is one '?'.
    EXPECT_EQ(toCp1252(u(u"a\u03A9b")), "a?b");
    // The empty C1 codes are not typographic characters but fit.
    EXPECT_TRUE(fitsCp1252(u(u"\u0081")));
    EXPECT_EQ(toCp1252(u(u"\u0081")), "\x81");
}

TEST(QtText, SymbolFontCodesAndLineEnds)
{
    EXPECT_EQ(fromSymbol("p"), u(u"\u03C0"));
    EXPECT_EQ(fromSymbol("a"), u(u"\u03B1"));
    EXPECT_EQ(fromSymbol("1"), QStringLiteral("1"));
    EXPECT_EQ(toLf(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(toCrLf(QStringLiteral("a\r\nb\nc")), QStringLiteral("a\r\nb\r\nc"));
}
