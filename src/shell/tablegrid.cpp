#include "shell/tablegrid.h"

#include "platform/window.h"

#include <algorithm>

namespace quan {

std::vector<int> TableGrid::shownColumns(const TableGridModel& m) const
{
    std::vector<int> cols;
    for (int c = 0; c < m.columnCount(); ++c)
        if (m.columnShown(c))
            cols.push_back(c);
    return cols;
}

int TableGrid::nameWidthPx(const TableGridModel& m) const { return (m.nameChars() + 1) * charW_; }

int TableGrid::columnChars(const TableGridModel& m, int c)
{
    size_t w = static_cast<size_t>(std::max(0, m.minimumChars(c)));
    w = std::max(w, m.heading(c).size());
    w = std::max(w, m.footer(c).size());
    for (int r = 0; r < m.rowCount(); ++r)
        w = std::max(w, m.cell(r, c).size());
    return static_cast<int>(std::min<size_t>(w, 4000));
}

int TableGrid::columnPx(int c) const
{
    int chars = c >= 0 && c < static_cast<int>(columnChars_.size()) ? columnChars_[static_cast<size_t>(c)] : 0;
    return (chars + 2) * charW_;
}

int TableGrid::preferredWidth(const TableGridModel& m, int charWidth)
{
    // Columns hidden now (results not yet computed) count too, so that the
    // window need not grow when they appear.
    int w = 2 * kMargin + (m.nameChars() + 1) * charWidth;
    for (int c = 0; c < m.columnCount(); ++c)
        w += (columnChars(m, c) + 2) * charWidth;
    return w;
}

void TableGrid::layout(plat::DC& dc, const TableGridModel& m, plat::Size client)
{
    dc.setFont(font_);
    plat::Size e = dc.textExtent("M");
    charW_ = std::max(1, e.w);
    lineH_ = std::max(1, e.h + 2);
    client_ = client;
    columnChars_.assign(static_cast<size_t>(std::max(0, m.columnCount())), 0);
    for (int c = 0; c < m.columnCount(); ++c)
        columnChars_[static_cast<size_t>(c)] = columnChars(m, c);
    // Heading, a gap, the rows, a gap, the totals.
    int room = client.h - 2 * kMargin - 2 * lineH_ - lineH_ / 2;
    visibleRows_ = std::max(1, room / lineH_);
    clampScroll(m);
}

void TableGrid::clampScroll(const TableGridModel& m)
{
    int maxRow = std::max(0, m.rowCount() - visibleRows_);
    firstRow_ = std::clamp(firstRow_, 0, maxRow);
    int cols = static_cast<int>(shownColumns(m).size());
    firstCol_ = std::clamp(firstCol_, 0, std::max(0, cols - 1));
}

bool TableGrid::scrollRows(const TableGridModel& m, int delta)
{
    int before = firstRow_;
    firstRow_ += delta;
    clampScroll(m);
    return firstRow_ != before;
}

bool TableGrid::scrollColumns(const TableGridModel& m, int delta)
{
    int before = firstCol_;
    firstCol_ += delta;
    clampScroll(m);
    return firstCol_ != before;
}

TableGrid::ScrollState TableGrid::scrollState(const TableGridModel& m) const
{
    ScrollState st;
    st.rows = m.rowCount();
    st.rowsInView = visibleRows_;
    st.firstRow = firstRow_;
    std::vector<int> cols = shownColumns(m);
    st.columns = static_cast<int>(cols.size());
    st.firstColumn = firstCol_;
    int x = kMargin + nameWidthPx(m);
    for (size_t i = static_cast<size_t>(std::max(0, firstCol_)); i < cols.size(); ++i) {
        x += columnPx(cols[i]);
        if (x > client_.w)
            break;
        ++st.columnsInView;
    }
    return st;
}

bool TableGrid::scrollRowsTo(const TableGridModel& m, int first) { return scrollRows(m, first - firstRow_); }

bool TableGrid::scrollColumnsTo(const TableGridModel& m, int first) { return scrollColumns(m, first - firstCol_); }

void TableGrid::showScrollBars(plat::Window& w, const TableGridModel& m) const
{
    const ScrollState st = scrollState(m);
    plat::ScrollBarState v;
    v.visible = st.rowsHidden();
    v.max = std::max(0, st.rows - 1);
    v.page = std::max(1, st.rowsInView);
    v.pos = st.firstRow;
    plat::ScrollBarState h;
    h.visible = st.columnsHidden();
    h.max = std::max(0, st.columns - 1);
    h.page = std::max(1, st.columnsInView);
    h.pos = st.firstColumn;
    w.setScrollBar(plat::ScrollBarKind::Vertical, v);
    w.setScrollBar(plat::ScrollBarKind::Horizontal, h);
}

bool TableGrid::scrolled(const TableGridModel& m, plat::ScrollBarKind which, int pos)
{
    return which == plat::ScrollBarKind::Vertical ? scrollRowsTo(m, pos) : scrollColumnsTo(m, pos);
}

void TableGrid::ensureRowVisible(const TableGridModel& m, int row)
{
    if (row < firstRow_)
        firstRow_ = row;
    else if (row >= firstRow_ + visibleRows_)
        firstRow_ = row - visibleRows_ + 1;
    clampScroll(m);
}

bool TableGrid::key(const TableGridModel& m, int vk)
{
    namespace k = plat::vk;
    switch (vk) {
    case k::Up: return scrollRows(m, -1);
    case k::Down: return scrollRows(m, 1);
    case k::Prior: return scrollRows(m, -visibleRows_);
    case k::Next: return scrollRows(m, visibleRows_);
    case k::Home: {
        // Both scroll, whether or not the first moved.
        const bool rows = scrollRows(m, -m.rowCount());
        const bool columns = scrollColumns(m, -m.columnCount());
        return rows || columns;
    }
    case k::End: return scrollRows(m, m.rowCount());
    case k::Left: return scrollColumns(m, -1);
    case k::Right: return scrollColumns(m, 1);
    default: return false;
    }
}

plat::Rect TableGrid::cellRect(const TableGridModel& m, int row, int col) const
{
    int y;
    if (row < 0)
        y = kMargin;
    else if (row >= m.rowCount())
        y = kMargin + lineH_ + lineH_ / 4 + visibleRows_ * lineH_ + lineH_ / 4;
    else {
        if (row < firstRow_ || row >= firstRow_ + visibleRows_)
            return {};
        y = kMargin + lineH_ + lineH_ / 4 + (row - firstRow_) * lineH_;
    }
    int nameW = nameWidthPx(m);
    if (col < 0)
        return {kMargin, y, kMargin + nameW, y + lineH_};
    std::vector<int> cols = shownColumns(m);
    auto it = std::find(cols.begin(), cols.end(), col);
    if (it == cols.end())
        return {};
    int idx = static_cast<int>(it - cols.begin());
    if (idx < firstCol_)
        return {};
    int x = kMargin + nameW;
    for (int i = firstCol_; i < idx; ++i)
        x += columnPx(cols[static_cast<size_t>(i)]);
    return {x, y, x + columnPx(col), y + lineH_};
}

void TableGrid::draw(plat::DC& dc, const TableGridModel& m, plat::Size client, plat::Color background)
{
    layout(dc, m, client);
    TableGridColors colors;
    colors.background = background;
    paint(dc, m, colors);
}

void TableGrid::draw(plat::DC& dc, const TableGridModel& m, plat::Size client, const TableGridColors& colors)
{
    layout(dc, m, client);
    paint(dc, m, colors);
}

TableGrid::Hit TableGrid::hitTest(const TableGridModel& m, plat::Point p) const
{
    Hit h;
    int top = kMargin;
    int rowsTop = kMargin + lineH_ + lineH_ / 4;
    int rowsBottom = rowsTop + visibleRows_ * lineH_;
    int footTop = rowsBottom + lineH_ / 4;
    if (p.y >= top && p.y < top + lineH_)
        h.row = -1;
    else if (p.y >= rowsTop && p.y < rowsBottom) {
        h.row = firstRow_ + (p.y - rowsTop) / lineH_;
        if (h.row >= m.rowCount())
            return h;
    } else if (p.y >= footTop && p.y < footTop + lineH_)
        h.row = m.rowCount();
    else
        return h;
    int nameW = nameWidthPx(m);
    if (p.x >= kMargin && p.x < kMargin + nameW) {
        h.col = -1;
        h.valid = true;
        return h;
    }
    std::vector<int> cols = shownColumns(m);
    if (p.x < kMargin + nameW)
        return h;
    int x = kMargin + nameW;
    for (size_t i = static_cast<size_t>(std::max(0, firstCol_)); i < cols.size(); ++i) {
        int w = columnPx(cols[i]);
        if (p.x < x + w) {
            h.col = cols[i];
            h.valid = true;
            return h;
        }
        x += w;
    }
    return h;
}

void TableGrid::paint(plat::DC& dc, const TableGridModel& m, const TableGridColors& colors) const
{
    dc.fillRect({0, 0, client_.w, client_.h}, colors.background);
    dc.setFont(font_);
    dc.setTextBackground(false, colors.background);
    std::vector<int> cols = shownColumns(m);
    int nameW = nameWidthPx(m);
    // Left edges of the shown columns from the first in view.
    std::vector<int> left;
    int right = kMargin + nameW;
    for (size_t i = static_cast<size_t>(std::max(0, firstCol_)); i < cols.size(); ++i) {
        left.push_back(right);
        right += columnPx(cols[i]);
    }
    right = std::min(right, client_.w);

    auto drawRow = [&](int y, const std::string& name, auto&& cellOf, plat::Color textColor, plat::Color nameColor) {
        dc.setTextColor(nameColor);
        dc.textOut({kMargin, y + 1}, name);
        dc.setTextColor(textColor);
        for (size_t i = 0; i < left.size(); ++i) {
            const int x = left[i];
            if (x >= client_.w)
                break;
            const int c = cols[static_cast<size_t>(firstCol_) + i];
            const std::string s = cellOf(c);
            const int w = dc.textExtent(s).w;
            const int colW = columnPx(c);
            // Right-aligned, one blank from the right edge; the column is as
            // wide as its widest value, so no value reaches its neighbour.
            dc.textOut({x + colW - charW_ - w, y + 1}, s);
        }
    };

    // Heading row on its own background.
    dc.fillRect({0, kMargin - 2, right, kMargin + lineH_}, colors.headingBackground);
    drawRow(kMargin, m.nameHeading(), [&](int c) { return m.heading(c); }, colors.heading, colors.heading);

    int rowsTop = kMargin + lineH_ + lineH_ / 4;
    int last = std::min(m.rowCount(), firstRow_ + visibleRows_);
    for (int r = firstRow_; r < last; ++r)
        drawRow(rowsTop + (r - firstRow_) * lineH_, m.name(r), [&](int c) { return m.cell(r, c); }, colors.text,
                colors.names);

    int rowsBottom = rowsTop + visibleRows_ * lineH_;
    dc.setPen(colors.rule, 1, plat::PenStyle::Solid);
    dc.line({kMargin, rowsTop - 2}, {right, rowsTop - 2});
    dc.line({kMargin, rowsBottom + 1}, {right, rowsBottom + 1});
    int footTop = rowsBottom + lineH_ / 4;
    drawRow(footTop, "", [&](int c) { return m.footer(c); }, colors.heading, colors.heading);
}

} // namespace quan
