// The "Text out" and "TeX output" table layouts, byte for byte, and the
// file-saving flow every TeX output uses.
#include "fixture.h"

#include "text/tables.h"
#include "text/textwin.h"

#include <cstdlib>

using namespace quan;
using texttest::HeadlessTest;

namespace {

TableData smallTable()
{
    TableData t;
    t.heading = "state";
    t.columns = {"seats", "votes"};
    t.rows = {{"A", {"3", "120"}}, {"Bb", {"10", "7"}}};
    t.totals = {"13", "127"};
    return t;
}

} // namespace

TEST(TextTable, SmallTableByteForByte)
{
    // w = 5 (the widest entry, "seats"/"votes"), columns of w + 2 = 7; the
    // label column is as wide as "state".
    const std::string want = "state  seats  votes\r\n"
                             "-------------------\r\n"
                             "    A      3    120\r\n"
                             "   Bb     10      7\r\n"
                             "-------------------\r\n"
                             "          13    127\r\n";
    EXPECT_EQ(textTable(smallTable()), want);
}

TEST(TextTable, WidthFromTheWidestValueAndGivenWidth)
{
    TableData t;
    t.heading = "n";
    t.columns = {"a"};
    t.rows = {{"1", {"12345"}}};
    t.totalsLabel = "sum";
    t.totals = {"12345"};
    EXPECT_EQ(textTable(t), "  n      a\r\n"
                            "----------\r\n"
                            "  1  12345\r\n"
                            "----------\r\n"
                            "sum  12345\r\n");
    t.width = 1;
    EXPECT_EQ(tableColumnWidth(t), 1u);
    EXPECT_EQ(textTable(t).substr(0, 8), "  n  a\r\n");
}

TEST(TexTable, SmallTableByteForByte)
{
    const std::string want = "\\settabs\\+state&\\quad seats&\\quad votes&\\cr\r\n"
                             "\\+state&\\hfill seats&\\hfill votes&\\cr\r\n"
                             "\\vskip 2pt\\+\\hfill A&\\hfill 3&\\hfill 120&\\cr\r\n"
                             "\\+\\hfill Bb&\\hfill 10&\\hfill 7&\\cr\r\n"
                             "\\vskip 2pt\r\n"
                             "\\+&\\hfill 13&\\hfill 127&\\cr\r\n";
    EXPECT_EQ(texTable(smallTable()), want);
}

TEST(TexTable, SpecialCharactersAreEscaped)
{
    EXPECT_EQ(texEscape("Alabama"), "Alabama");
    EXPECT_EQ(texEscape("12.345"), "12.345");
    EXPECT_EQ(texEscape("AT&T 50% #1 a_b"), "AT\\&T 50\\% \\#1 a\\_b");
    EXPECT_EQ(texEscape("{x}$"), "$\\{$x$\\}$\\$");
    EXPECT_EQ(texEscape("a\\b^c~"), "a$\\backslash$b\\^{}c\\~{}");
    TableData t = smallTable();
    t.rows[0].label = "R&D";
    EXPECT_NE(texTable(t).find("\\hfill R\\&D&"), std::string::npos);
}

namespace {

// Runs plain TeX on a document that inputs the table; the exit status.
int runTex(const std::filesystem::path& dir, const std::string& table)
{
    std::ofstream(dir / "table.tex", std::ios::binary) << table;
    std::ofstream(dir / "doc.tex", std::ios::binary) << "\\input table.tex\r\n\\bye\r\n";
    std::string cmd = "cd '" + dir.string() +
                      "' && tex -interaction=nonstopmode -halt-on-error doc.tex >tex.log 2>&1 </dev/null";
    int rc = std::system(cmd.c_str());
    return rc;
}

bool haveTex() { return std::system("command -v tex >/dev/null 2>&1") == 0; }

} // namespace

TEST_F(HeadlessTest, PlainTexAcceptsTheTable)
{
    if (!haveTex())
        GTEST_SKIP() << "plain TeX (tex) is not installed";
    auto dir = scratch();
    EXPECT_EQ(runTex(dir, texTable(smallTable())), 0) << slurp(dir / "tex.log");
    EXPECT_TRUE(std::filesystem::exists(dir / "doc.dvi"));
    // Names with TeX's special characters still typeset.
    TableData t = smallTable();
    t.rows[0].label = "R&D_50% #1 {x} $5 ^~\\";
    auto dir2 = dir / "special";
    std::filesystem::create_directories(dir2);
    EXPECT_EQ(runTex(dir2, texTable(t)), 0) << slurp(dir2 / "tex.log");
    // The check itself can fail: a broken table is refused.
    auto dir3 = dir / "broken";
    std::filesystem::create_directories(dir3);
    EXPECT_NE(runTex(dir3, "\\+a&b\\cr\r\n\\nosuchcontrolword\r\n"), 0);
}

TEST_F(HeadlessTest, SaveTexFileFlow)
{
    auto dir = scratch();
    TFileMsgWin w(nullptr, DocInit{"census.hor"});
    w.create();
    const std::string content = texTable(smallTable());

    // A name without an extension gets ".tex" from the dialog.
    p.file((dir / "table").string());
    EXPECT_TRUE(saveTexFile(w, content));
    EXPECT_EQ(slurp(dir / "table.tex"), content);
    EXPECT_EQ(p.lastMessage(), "message: success: TeX file saved: " + (dir / "table.tex").string());

    // An existing file: "no" leaves it alone, "yes" overwrites.
    p.file((dir / "table.tex").string());
    p.answer(plat::IdNo);
    EXPECT_FALSE(saveTexFile(w, "other"));
    EXPECT_EQ(p.lastMessage(), "question: careful!: overwrite existing file?");
    EXPECT_EQ(slurp(dir / "table.tex"), content);
    p.file((dir / "table.tex").string());
    p.answer(plat::IdYes);
    EXPECT_TRUE(saveTexFile(w, "other"));
    EXPECT_EQ(slurp(dir / "table.tex"), "other");

    // Cancel writes nothing and says nothing.
    p.clearMessages();
    p.file(std::nullopt);
    EXPECT_FALSE(saveTexFile(w, content));
    EXPECT_TRUE(p.messages().empty());

    // A file that cannot be written: "cannot save file".
    p.file((dir / "missing" / "t.tex").string());
    EXPECT_FALSE(saveTexFile(w, content));
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot save file");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    // The document itself is untouched by the export.
    EXPECT_FALSE(w.changed());
    EXPECT_EQ(w.fileName(), "census.hor");
}

TEST_F(HeadlessTest, TextOutFillsTheTextWindow)
{
    auto tw = makeWindow<TTextWin>(nullptr, "noname.txt");
    textOutTable(*tw, "census.hor", smallTable());
    EXPECT_EQ(tw->text(), textTable(smallTable()));
    EXPECT_EQ(tw->window()->caption(), "census.hor");
    EXPECT_TRUE(tw->window()->isVisible());
}
