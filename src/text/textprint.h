// Printing of a text window's text (TTextout): the page layout as a plain
// function of the printer's numbers, and the printout that draws it.
#pragma once

#include "core/qmath.h"
#include "docfile/fonts.h"
#include "platform/platform.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quan {

// The printer's numbers the layout needs.
struct TextPrintDevice {
    int logPixelsX = 300;
    int logPixelsY = 300;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int horzSizeMm = 203;
    int lineHeight = 50; // printed height of "M" in the chosen font
};

struct PrintedLine {
    plat::Point at;
    std::string text;
};
using PrintedTextPage = std::vector<PrintedLine>;

// Offsets below a quarter inch are raised to it.
Real printOffset(Real inches);
// Lines per page: the usable height (10 inches less the top offset on
// paper at most 9 inches wide, else 7.5 inches less the top offset) in
// device pixels, divided by the line height; at least 1.
int linesPerPage(Real top, const TextPrintDevice& dev);

// Lays out text in pages. Lines end at CR LF (or a lone CR or LF); a form
// feed ends the line and the page; the end of the text ends the last line.
// Each line starts at (round(left * LOGPIXELSX) - PHYSICALOFFSETX, y), y
// starting at round(top * LOGPIXELSY) - PHYSICALOFFSETY and growing by the
// line height. A trailing page that would hold nothing but the empty end of
// the text is not produced; an empty text gives one empty page. With
// headingLines > 0 the text is a table: its first headingLines lines are
// printed again at the top of every later page (when a page has room for
// them and one line more).
std::vector<PrintedTextPage> paginateText(const std::string& text, Real left, Real top, const TextPrintDevice& dev,
                                          int headingLines = 0);

class TTextout {
public:
    // left and top are the print format's offsets in inches; font and
    // points are the window's font slot.
    TTextout(Real left, Real top, std::string title, std::string text, LogFont font, int points);

    const std::string& title() const { return title_; }
    // Prints a table: its first headingLines lines repeat on every page,
    // and when its widest line does not fit between the left offset and an
    // equal margin on the right, the font gets smaller (down to 6 points)
    // until it does.
    void setTable(int headingLines)
    {
        headingLines_ = std::max(0, headingLines);
        fitWidth_ = true;
    }
    // Prints on a started job: returns the number of pages printed, or -1
    // when the printer failed.
    int print(plat::Printer& printer);
    // The point size the last printout used.
    int printedPoints() const { return printedPoints_; }

private:
    Real left_, top_;
    std::string title_, text_;
    LogFont font_;
    int points_;
    int headingLines_ = 0;
    bool fitWidth_ = false;
    int printedPoints_ = 0;
};

} // namespace quan
