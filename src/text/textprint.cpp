#include "text/textprint.h"

#include "text/fontwin.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
// The smallest font a table is printed in to make it fit the page.
constexpr int kSmallestTablePoints = 6;
} // namespace

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

std::vector<PrintedTextPage> paginateText(const std::string& text, Real left, Real top, const TextPrintDevice& dev,
                                          int headingLines)
{
    left = printOffset(left);
    top = printOffset(top);
    const int x0 = roundHalfDown(left * dev.logPixelsX) - dev.physicalOffsetX;
    const int y0 = roundHalfDown(top * dev.logPixelsY) - dev.physicalOffsetY;
    const int lineHeight = std::max(1, dev.lineHeight);
    const size_t maxLines = static_cast<size_t>(linesPerPage(top, dev));

    std::vector<PrintedTextPage> pages;
    PrintedTextPage page;
    // A table's heading, as its first page prints it, starts every later
    // page too, when there is room for it and a row.
    std::vector<std::string> heading;
    const bool repeat = headingLines > 0 && static_cast<size_t>(headingLines) < maxLines;
    auto endPage = [&] {
        pages.push_back(std::move(page));
        page.clear();
        if (repeat && heading.size() == static_cast<size_t>(headingLines))
            for (const std::string& h : heading)
                page.push_back({{x0, y0 + static_cast<int>(page.size()) * lineHeight}, h});
    };
    size_t linesRead = 0;
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
        if (repeat && linesRead < static_cast<size_t>(headingLines))
            heading.push_back(line);
        ++linesRead;
        if (ended == TextEnd) {
            // The end of the text ends the last line; an empty remainder
            // after a line end or a page end opens no page of its own.
            if (!line.empty())
                page.push_back({{x0, y0 + static_cast<int>(page.size()) * lineHeight}, line});
            // A page holding only the repeated heading is no page.
            const bool onlyHeading = repeat && !pages.empty() && page.size() <= heading.size() && line.empty();
            if ((!page.empty() && !onlyHeading) || pages.empty())
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
    int points = std::max(1, points_);
    f.height = fontHeightForPoints(points, dev.logPixelsY);
    plat::Font pf = toPlatFont(f);
    dc->setFont(pf);
    if (fitWidth_) {
        // The widest line must fit between the left offset and as much room
        // on the right.
        const int horzRes = dc->caps(plat::Cap::HorzRes);
        const int x0 = roundHalfDown(printOffset(left_) * dev.logPixelsX) - dev.physicalOffsetX;
        const int room = horzRes > 0 ? std::max(horzRes / 2, horzRes - 2 * std::max(0, x0)) : 0;
        std::string widest;
        for (size_t a = 0; a < text_.size();) {
            size_t b = text_.find_first_of("\r\n\f", a);
            if (b == std::string::npos)
                b = text_.size();
            if (b - a > widest.size())
                widest = text_.substr(a, b - a);
            a = b + 1;
        }
        while (room > 0 && points > kSmallestTablePoints && dc->textExtent(widest).w > room) {
            --points;
            f.height = fontHeightForPoints(points, dev.logPixelsY);
            pf = toPlatFont(f);
            dc->setFont(pf);
        }
    }
    printedPoints_ = points;
    dev.lineHeight = std::max(1, dc->textExtent("M").h);

    std::vector<PrintedTextPage> pages = paginateText(text_, left_, top_, dev, headingLines_);
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
