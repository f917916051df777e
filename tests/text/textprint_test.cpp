// Printing text: the page layout worked out by hand from the headless
// printer's numbers (300 dpi, 203 mm paper width, physical offsets 75).
#include "fixture.h"

#include "text/textprint.h"
#include "text/textwin.h"

using namespace quan;
using texttest::HeadlessTest;

namespace {

TextPrintDevice headlessPrinter()
{
    TextPrintDevice d;
    d.logPixelsX = 300;
    d.logPixelsY = 300;
    d.physicalOffsetX = 75;
    d.physicalOffsetY = 75;
    d.horzSizeMm = 203;
    d.lineHeight = 50; // 12 points at 300 dpi: 12 * 300 / 72 = 50 pixels
    return d;
}

std::string numberedLines(int n)
{
    std::string t;
    for (int i = 1; i <= n; ++i)
        t += "line " + std::to_string(i) + "\r\n";
    return t;
}

} // namespace

TEST(TextPrintLayout, LinesPerPage)
{
    TextPrintDevice d = headlessPrinter();
    // 203 mm = 7.99 inches, at most 9: usable 10 - top inches.
    EXPECT_EQ(linesPerPage(1.0L, d), 54);   // 9 * 300 / 50
    EXPECT_EQ(linesPerPage(2.5L, d), 45);   // 7.5 * 300 / 50
    EXPECT_EQ(linesPerPage(0.25L, d), 58);  // 2925 / 50 = 58.5
    d.horzSizeMm = 250;                     // 9.84 inches: usable 7.5 - top
    EXPECT_EQ(linesPerPage(1.0L, d), 39);   // 1950 / 50
    // A top offset below the usable height still prints a line per page.
    EXPECT_EQ(linesPerPage(12.0L, headlessPrinter()), 1);
    d.lineHeight = 0;
    EXPECT_GE(linesPerPage(1.0L, d), 1);
}

TEST(TextPrintLayout, PositionsAndPageBreaks)
{
    auto pages = paginateText(numberedLines(60), 1.0L, 1.0L, headlessPrinter());
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 54u);
    ASSERT_EQ(pages[1].size(), 6u);
    // x0 = 300 - 75, y0 = 300 - 75, then 50 pixels a line.
    EXPECT_EQ(pages[0][0].at, (plat::Point{225, 225}));
    EXPECT_EQ(pages[0][0].text, "line 1");
    EXPECT_EQ(pages[0][53].at, (plat::Point{225, 225 + 53 * 50}));
    EXPECT_EQ(pages[0][53].text, "line 54");
    EXPECT_EQ(pages[1][0].at, (plat::Point{225, 225}));
    EXPECT_EQ(pages[1][0].text, "line 55");
    EXPECT_EQ(pages[1][5].text, "line 60");
}

TEST(TextPrintLayout, OffsetsAreRaisedToAQuarterInch)
{
    auto pages = paginateText("x", 0.1L, 0.0L, headlessPrinter());
    ASSERT_EQ(pages.size(), 1u);
    // round(0.25 * 300) - 75 = 0.
    EXPECT_EQ(pages[0][0].at, (plat::Point{0, 0}));
}

TEST(TextPrintLayout, FormFeedStartsANewPage)
{
    auto pages = paginateText("a\r\nb\fc\r\nd", 1.0L, 1.0L, headlessPrinter());
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 2u);
    EXPECT_EQ(pages[0][1].text, "b");
    ASSERT_EQ(pages[1].size(), 2u);
    EXPECT_EQ(pages[1][0].text, "c");
    EXPECT_EQ(pages[1][0].at.y, 225);
    EXPECT_EQ(pages[1][1].text, "d");
    // Two form feeds in a row leave a blank page between.
    EXPECT_EQ(paginateText("a\f\fb", 1.0L, 1.0L, headlessPrinter()).size(), 3u);
}

TEST(TextPrintLayout, NoEmptyTrailingPage)
{
    // 54 lines fill page one exactly; the line end after the last one
    // opens no second page, nor does a final form feed.
    EXPECT_EQ(paginateText(numberedLines(54), 1.0L, 1.0L, headlessPrinter()).size(), 1u);
    EXPECT_EQ(paginateText("a\r\n\f", 1.0L, 1.0L, headlessPrinter()).size(), 1u);
    // An empty text is one empty page.
    auto empty = paginateText("", 1.0L, 1.0L, headlessPrinter());
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_TRUE(empty[0].empty());
    // Lone LF and lone CR end lines too.
    auto mixed = paginateText("a\nb\rc", 1.0L, 1.0L, headlessPrinter());
    ASSERT_EQ(mixed.size(), 1u);
    EXPECT_EQ(mixed[0].size(), 3u);
}

TEST_F(HeadlessTest, PrintCommandDrivesThePrinter)
{
    auto tw = makeWindow<TTextWin>(nullptr, "noname.txt");
    tw->handOver(numberedLines(56) + "\fafter the break\r\n");
    p.answer(plat::IdOk);
    win(tw->window()).click(textcmd::Print);
    const auto& pages = p.printedPages();
    ASSERT_EQ(pages.size(), 3u);
    // Courier New 12 at 300 dpi: height -50; "M" is 50 pixels high.
    const auto& first = pages[0].dc->ops();
    ASSERT_EQ(first.size(), 54u);
    EXPECT_EQ(first[0].font.height, -50);
    EXPECT_EQ(first[0].font.face, "Courier New");
    EXPECT_EQ(first[0].pts[0], (plat::Point{225, 225}));
    EXPECT_EQ(first[53].text, "line 54");
    EXPECT_EQ(pages[1].dc->texts(), (std::vector<std::string>{"line 55", "line 56"}));
    EXPECT_EQ(pages[2].dc->texts(), (std::vector<std::string>{"after the break"}));
    // A cancelled print dialog prints nothing.
    p.answer(plat::IdCancel);
    win(tw->window()).click(textcmd::Print);
    EXPECT_EQ(p.printedPages().size(), 3u);
    // A printer that fails says so.
    p.setPrintFailure(true);
    p.answer(plat::IdOk);
    win(tw->window()).click(textcmd::Print);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: " + S(Str::PrintJobFailed));
    p.setPrintFailure(false);
}
