#include "text/textprint.h"

#include "text/fontwin.h"

#include <algorithm>
#include <cmath>

namespace quan {

Real printOffset(Real inches)
{
    // A negative horizontal offset only carries the picture's placement
    // sign; text is always placed from the left.
    inches = std::fabs(inches);
    return inches < 0.25L ? 0.25L : inches;
}

int linesPerPage(Real top, const TextPrintDevice& dev)
{
    Real paperWidth = dev.horzSizeMm * 0.03937L;
    Real usable = (paperWidth <= 9.0L ? 10.0L : 7.5L) - top;
    int lineHeight = std::max(1, dev.lineHeight);
    int n = roundHalfDown(usable * dev.logPixelsY) / lineHeight;
    return std::max(1, n);
}

std::vector<PrintedTextPage> paginateText(const std::string& text, Real left, Real top, const TextPrintDevice& dev)
{
    left = printOffset(left);
    top = printOffset(top);
    const int x0 = roundHalfDown(left * dev.logPixelsX) - dev.physicalOffsetX;
    const int y0 = roundHalfDown(top * dev.logPixelsY) - dev.physicalOffsetY;
    const int lineHeight = std::max(1, dev.lineHeight);
    const size_t maxLines = static_cast<size_t>(linesPerPage(top, dev));

    std::vector<PrintedTextPage> pages;
    PrintedTextPage page;
    auto endPage = [&] {
        pages.push_back(std::move(page));
        page.clear();
    };
    const size_t n = text.size();
    size_t pos = 0;
    while (true) {
        std::string line;
        enum { LineEnd, FormFeed, TextEnd } ended = TextEnd;
        while (pos < n) {
            char c = text[pos++];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && pos < n && text[pos] == '\n')
                    ++pos;
                ended = LineEnd;
                break;
            }
            if (c == '\f') {
                ended = FormFeed;
                break;
            }
            line += c;
        }
        if (ended == TextEnd) {
            // The end of the text ends the last line; an empty remainder
            // after a line end or a page end opens no page of its own.
            if (!line.empty())
                page.push_back({{x0, y0 + static_cast<int>(page.size()) * lineHeight}, line});
            if (!page.empty() || pages.empty())
                endPage();
            break;
        }
        page.push_back({{x0, y0 + static_cast<int>(page.size()) * lineHeight}, line});
        if (ended == FormFeed || page.size() >= maxLines)
            endPage();
    }
    return pages;
}

TTextout::TTextout(Real left, Real top, std::string title, std::string text, LogFont font, int points)
    : left_(left), top_(top), title_(std::move(title)), text_(std::move(text)), font_(font), points_(points)
{
}

int TTextout::print(plat::Printer& printer)
{
    if (!printer.beginPage())
        return -1;
    plat::DC* dc = &printer.dc();
    TextPrintDevice dev;
    dev.logPixelsX = std::max(1, dc->caps(plat::Cap::LogPixelsX));
    dev.logPixelsY = std::max(1, dc->caps(plat::Cap::LogPixelsY));
    dev.physicalOffsetX = dc->caps(plat::Cap::PhysicalOffsetX);
    dev.physicalOffsetY = dc->caps(plat::Cap::PhysicalOffsetY);
    dev.horzSizeMm = dc->caps(plat::Cap::HorzSize);
    LogFont f = font_;
    f.height = fontHeightForPoints(std::max(1, points_), dev.logPixelsY);
    const plat::Font pf = toPlatFont(f);
    dc->setFont(pf);
    dev.lineHeight = std::max(1, dc->textExtent("M").h);

    std::vector<PrintedTextPage> pages = paginateText(text_, left_, top_, dev);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            if (!printer.beginPage())
                return -1;
            dc = &printer.dc();
            dc->setFont(pf);
        }
        dc->setTextColor(0);
        dc->setTextBackground(false, 0);
        for (const PrintedLine& line : pages[p])
            if (!line.text.empty())
                dc->textOut(line.at, line.text);
        if (!printer.endPage())
            return -1;
    }
    if (!printer.finish())
        return -1;
    return static_cast<int>(pages.size());
}

} // namespace quan
