#include "power/pwrwin.h"

#include "core/msgcode.h"
#include "platform/platform.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/textops.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

// The pieces of one worksheet line as they are drawn: text, whether it is
// a winning total, whether it is a pivotal entry.
struct Piece {
    std::string text;
    bool wins = false;
    bool pivotal = false;
};

struct SheetPainter {
    const Worksheet& sheet;
    size_t totalChars, fieldChars;
    int charW, lineH;
    plat::Color table, wins, pivotal;
    plat::Font font;
    // The bloc columns drawn: first .. last - 1 (the total column always).
    int first = 0, last = 0;

    // Draws the line of row r (or the heading, -1, or the counts, -2) with
    // its left edge at x and its top at y.
    void line(plat::DC& dc, int r, int x, int y) const
    {
        std::vector<Piece> pieces;
        if (r == -1) {
            pieces.push_back({padLeft(S(Str::Total), totalChars)});
            for (int j = first; j < last; ++j)
                pieces.push_back({padLeft(sheet.name(j), fieldChars)});
        } else if (r == -2) {
            pieces.push_back({std::string(totalChars, ' ')});
            for (int j = first; j < last; ++j)
                pieces.push_back({padLeft(formatInt(sheet.count(j)), fieldChars)});
        } else {
            pieces.push_back({padLeft(formatInt(sheet.total(r)), totalChars), sheet.winning(r)});
            for (int j = first; j < last; ++j)
                pieces.push_back({padLeft(formatInt(sheet.entry(r, j)), fieldChars), false, sheet.pivotal(r, j)});
        }
        for (const Piece& p : pieces) {
            plat::Font f = font;
            // Winning totals and pivotal entries are bold, pivotal entries
            // boxed as well, so that they stand out in black and white.
            if (p.wins || p.pivotal)
                f.weight = 700;
            dc.setFont(f);
            dc.setTextColor(p.pivotal ? pivotal : p.wins ? wins : table);
            dc.textOut({x, y}, p.text);
            if (p.pivotal) {
                const size_t lead = p.text.find_first_not_of(' ');
                const int left = x + static_cast<int>(lead == std::string::npos ? 0 : lead) * charW - charW / 2;
                dc.setPen(pivotal, 1, plat::PenStyle::Solid);
                dc.setNullBrush();
                dc.rectangle({left, y, x + static_cast<int>(p.text.size()) * charW + charW / 2, y + lineH});
            }
            x += static_cast<int>(p.text.size()) * charW;
        }
    }
    int lineWidth() const
    {
        return static_cast<int>(totalChars + fieldChars * static_cast<size_t>(std::max(0, last - first))) * charW;
    }
};

} // namespace

TPwrWin::TPwrWin(TQuanFrame* frame, DocInit init) : TVELWin(frame, std::move(init))
{
    for (int k = 0; k < 4; ++k)
        roles_[static_cast<size_t>(k)] = static_cast<int16_t>(kWorksheetColors[static_cast<size_t>(k)]);
}

plat::Menu TPwrWin::menuBar() const { return menuResource("PIVMENU"); }
std::vector<plat::Accelerator> TPwrWin::accelerators() const { return acceleratorResource("PIVMENU"); }

std::string TPwrWin::menuHelpName(int id) const
{
    switch (id) {
    case bancmd::PivHelpFile: return "QNWFILEH";
    case bancmd::PivHelpFormat: return "QNWFMTH";
    case bancmd::PivHelpColors: return "QNWCOLH";
    default: return "";
    }
}

std::string TPwrWin::colorRoleTitle(int k) const
{
    static const char* const kTitles[] = {"background", "table", "wins", "pivotal"};
    return k >= 0 && k < 4 ? kTitles[k] : TVELWin::colorRoleTitle(k);
}

void TPwrWin::setup()
{
    TVELWin::setup();
    window_->setGeometry(cascadePlace({420, 560}));
}

ColorChoices TPwrWin::colorChoices() const
{
    ColorChoices c{};
    for (int k = 0; k < 4; ++k)
        c[static_cast<size_t>(k)] = colorRole(k);
    return c;
}

int TPwrWin::fill(const std::vector<int64_t>& weights, const std::vector<std::string>& names, int64_t quota,
                  const std::string& documentName, const ColorChoices& colors)
{
    firstRow_ = 0;
    firstCol_ = 0;
    documentName_ = documentName;
    const int code = sheet_.build(weights, names, quota);
    fitWidth();
    // The document's choices, else the worksheet's own, else the defaults.
    const ColorChoices use = colorChoicesValid(colors) ? colors : checkedColorChoices(colorChoices(), kWorksheetColors);
    for (int k = 0; k < 4; ++k)
        setColorRole(k, use[static_cast<size_t>(k)]);
    // "pivotal", the pivotal column's heading.
    fileName_ = quan::S(Str::PowerHeadingFirst, 2);
    refreshTitle();
    if (window_) {
        showScrollBar();
        window_->invalidate();
    }
    return code;
}

// Wide enough for every column, as far as the screen allows (the columns
// scroll otherwise).
void TPwrWin::fitWidth()
{
    if (!window_ || sheet_.blocCount() == 0)
        return;
    const int charW = (font(0).pixelSize() * 3 + 4) / 5;
    const int chars = static_cast<int>(sheet_.totalWidth(S(Str::Total)) +
                                       sheet_.fieldWidth() * static_cast<size_t>(sheet_.blocCount()));
    const plat::Rect g = window_->geometry();
    const int screenW = plat::Platform::get().screenSize().w;
    const int width = std::clamp(chars * charW + 48, 240, std::max(240, screenW - 16));
    // Moved left when the screen's edge would cut it.
    const int left = std::clamp(g.left, 0, std::max(0, screenW - width));
    window_->setGeometry({left, g.top, left + width, g.bottom});
}

std::string TPwrWin::textOut(bool* cut) const { return sheet_.textOut(S(Str::Total), kMaxTextLength, cut); }

void TPwrWin::colorsChanged()
{
    TVELWin::colorsChanged();
    if (window_)
        window_->invalidate();
    if (onColors_)
        onColors_(colorChoices());
}

bool TPwrWin::scrollTo(int first)
{
    const int last = std::max(0, sheet_.rowCount() - rowsInView_);
    first = std::clamp(first, 0, last);
    if (first == firstRow_)
        return false;
    firstRow_ = first;
    if (window_) {
        showScrollBar();
        window_->invalidate();
    }
    return true;
}

void TPwrWin::showScrollBar()
{
    plat::ScrollBarState v;
    v.visible = sheet_.rowCount() > rowsInView_;
    v.max = std::max(0, sheet_.rowCount() - 1);
    v.page = std::max(1, rowsInView_);
    v.pos = firstRow_;
    window_->setScrollBar(plat::ScrollBarKind::Vertical, v);
    plat::ScrollBarState h;
    h.visible = firstCol_ > 0 || sheet_.blocCount() > colsInView_;
    h.max = std::max(0, sheet_.blocCount() - 1);
    h.page = std::max(1, colsInView_);
    h.pos = firstCol_;
    window_->setScrollBar(plat::ScrollBarKind::Horizontal, h);
}

bool TPwrWin::scrollColumnsTo(int first)
{
    first = std::clamp(first, 0, std::max(0, sheet_.blocCount() - colsInView_));
    if (first == firstCol_)
        return false;
    firstCol_ = first;
    if (window_) {
        showScrollBar();
        window_->invalidate();
    }
    return true;
}

void TPwrWin::paint(plat::DC& dc)
{
    const plat::Size client = window_ ? window_->clientSize() : plat::Size{640, 480};
    dc.fillRect({0, 0, client.w, client.h}, color(colorRole(kRoleBackground)));
    const plat::Font f = font(0);
    dc.setFont(f);
    const plat::Size ext = dc.textExtent("0");
    const int charW = std::max(1, ext.w), lineH = std::max(1, ext.h);
    SheetPainter p{sheet_, sheet_.totalWidth(S(Str::Total)), sheet_.fieldWidth(), charW, lineH,
                   color(colorRole(kRoleTable)), color(colorRole(kRoleWins)), color(colorRole(kRolePivotal)), f, 0, 0};
    dc.setTextBackground(false, 0);
    const int x = 4;
    // The heading stays at the top and the counts at the bottom; the rows
    // scroll between two rules. The total column stays at the left; the
    // blocs' columns scroll beside it.
    rowsInView_ = std::max(1, (client.h - 4 * lineH) / lineH);
    firstRow_ = std::clamp(firstRow_, 0, std::max(0, sheet_.rowCount() - rowsInView_));
    const int fieldPx = static_cast<int>(p.fieldChars) * charW;
    const int room = client.w - 2 * x - static_cast<int>(p.totalChars) * charW;
    colsInView_ = std::clamp(room / std::max(1, fieldPx), 1, std::max(1, sheet_.blocCount()));
    firstCol_ = std::clamp(firstCol_, 0, std::max(0, sheet_.blocCount() - colsInView_));
    p.first = firstCol_;
    p.last = std::min(sheet_.blocCount(), firstCol_ + colsInView_);
    const int width = p.lineWidth();
    int y = 2;
    p.line(dc, -1, x, y);
    y += lineH + lineH / 2;
    dc.setPen(p.table, 1, plat::PenStyle::Solid);
    dc.line({x, y - lineH / 4}, {x + width, y - lineH / 4});
    const int last = std::min(sheet_.rowCount(), firstRow_ + rowsInView_);
    for (int r = firstRow_; r < last; ++r, y += lineH)
        p.line(dc, r, x, y);
    y += lineH / 4;
    dc.setPen(p.table, 1, plat::PenStyle::Solid);
    dc.line({x, y}, {x + width, y});
    p.line(dc, -2, x, y + lineH / 4);
    if (window_)
        showScrollBar();
}

void TPwrWin::keyDown(int key, bool, bool)
{
    int to = firstRow_;
    switch (key) {
    case plat::vk::Left: scrollColumnsTo(firstCol_ - 1); return;
    case plat::vk::Right: scrollColumnsTo(firstCol_ + 1); return;
    case plat::vk::Up: --to; break;
    case plat::vk::Down: ++to; break;
    case plat::vk::Prior: to -= rowsInView_; break;
    case plat::vk::Next: to += rowsInView_; break;
    case plat::vk::Home: to = 0; break;
    case plat::vk::End: to = sheet_.rowCount(); break;
    default: return;
    }
    scrollTo(to);
}

void TPwrWin::wheel(int notches) { scrollTo(firstRow_ - 3 * notches); }

void TPwrWin::scrolled(plat::ScrollBarKind which, int pos)
{
    if (which == plat::ScrollBarKind::Vertical)
        scrollTo(pos);
    else
        scrollColumnsTo(pos);
}

void TPwrWin::hideWorksheet()
{
    if (window_ && window_->isVisible()) {
        window_->hide();
        writeSettingsOnClose();
    }
}

void TPwrWin::closed() { hideWorksheet(); }

// Prints the worksheet as drawn, the pivotal entries bold and boxed; the
// heading starts every page and the counts end the last.
void TPwrWin::cmPrint()
{
    auto printer = plat::Platform::get().startPrinting(window_.get(), namePart(fileName_));
    if (!printer)
        return;
    const auto failed = [this] { ask(plat::MessageKind::Ok, S(Str::PrintJobFailed), S(Str::Hmm)); };
    int r = 0;
    while (true) {
        if (!printer->beginPage()) {
            printer->finish();
            failed();
            return;
        }
        plat::DC& dc = printer->dc();
        const int dpiX = std::max(1, dc.caps(plat::Cap::LogPixelsX));
        const int dpiY = std::max(1, dc.caps(plat::Cap::LogPixelsY));
        const int pageH = std::max(1, dc.caps(plat::Cap::VertRes));
        // Colour only on a colour printer that the print format lets print
        // in colour; the marks are there either way.
        const bool colour = dc.caps(plat::Cap::ColorDevice) != 0 && printFormat_.colorPrinter;
        plat::Font f = font(0);
        f.height = -std::max(1, fontSlot(0).pointSize * dpiY / 72);
        // The offsets' signs are the format dialog's radio buttons, not sides.
        const int left = static_cast<int>(std::fabs(printFormat_.horizontalOffset) * dpiX);
        const int top = static_cast<int>(std::fabs(printFormat_.verticalOffset) * dpiY);
        dc.setFont(f);
        const plat::Size ext = dc.textExtent("0");
        const int charW = std::max(1, ext.w), lineH = std::max(1, ext.h);
        const plat::Color black = plat::rgb(0, 0, 0);
        SheetPainter p{sheet_, sheet_.totalWidth(S(Str::Total)), sheet_.fieldWidth(), charW, lineH,
                       colour ? color(colorRole(kRoleTable)) : black, colour ? color(colorRole(kRoleWins)) : black,
                       colour ? color(colorRole(kRolePivotal)) : black, f, 0, sheet_.blocCount()};
        dc.setTextBackground(false, 0);
        int y = top;
        p.line(dc, -1, left, y);
        y += lineH + lineH / 2;
        dc.setPen(p.table, 1, plat::PenStyle::Solid);
        dc.line({left, y - lineH / 4}, {left + p.lineWidth(), y - lineH / 4});
        const int fits = std::max(1, (pageH - top - y - 3 * lineH) / lineH);
        for (int k = 0; k < fits && r < sheet_.rowCount(); ++k, ++r, y += lineH)
            p.line(dc, r, left, y);
        if (r >= sheet_.rowCount()) {
            y += lineH / 4;
            dc.setPen(p.table, 1, plat::PenStyle::Solid);
            dc.line({left, y}, {left + p.lineWidth(), y});
            p.line(dc, -2, left, y + lineH / 4);
            if (!printer->endPage()) {
                printer->finish();
                failed();
                return;
            }
            break;
        }
        if (!printer->endPage()) {
            printer->finish();
            failed();
            return;
        }
    }
    if (!printer->finish())
        failed();
}

void TPwrWin::command(int id)
{
    if (id >= bancmd::PivColorFirst && id <= bancmd::PivColorLast) {
        const int k = id - bancmd::PivColorFirst;
        editColorRole(k, colorRoleTitle(k));
        return;
    }
    switch (id) {
    case bancmd::PivTextOut: {
        bool cut = false;
        handText(textOut(&cut));
        if (cut)
            message(Msg::NoMoreRoom);
        return;
    }
    case cm::Print: cmPrint(); return;
    case bancmd::PivClose: hideWorksheet(); return;
    default:
        TVELWin::command(id);
        if (id == textcmd::TableFont && window_)
            window_->invalidate();
        return;
    }
}

} // namespace quan
