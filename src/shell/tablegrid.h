// Layout, painting, scrolling and hit-testing of the tables that the
// apportionment and weighted-voting windows draw themselves: a heading row
// and a totals row that stay in view while the rows between them scroll by
// whole rows, and the value columns scroll by whole columns beside the name
// column.
#pragma once

#include "platform/dc.h"
#include "platform/window.h"

#include <string>
#include <vector>

namespace quan {

class TableGridModel {
public:
    virtual ~TableGridModel() = default;
    virtual int rowCount() const = 0;
    // Value columns (the name column is extra and comes first).
    virtual int columnCount() const = 0;
    // Whether value column c is shown at all (hidden columns take no room).
    virtual bool columnShown(int c) const { return true; }
    virtual std::string nameHeading() const = 0;
    virtual std::string heading(int c) const = 0;
    virtual std::string name(int row) const = 0;
    virtual std::string cell(int row, int c) const = 0;
    virtual std::string footer(int c) const = 0;
    // Widths in characters: the name column, and the least width of a value
    // column. A value column is as wide as its widest heading, cell or footer
    // when that is more (see TableGrid::columnChars).
    virtual int nameChars() const = 0;
    virtual int columnChars() const = 0;
    // The least width of value column c; a model may ask for more room for
    // results it will show later (so that the window need not grow).
    virtual int minimumChars(int c) const { return columnChars(); }
};

struct TableGridColors {
    plat::Color background = plat::rgb(255, 255, 255);
    plat::Color text = plat::rgb(0, 0, 0);
    plat::Color names = plat::rgb(0, 0, 0); // the rows' names
    plat::Color heading = plat::rgb(0, 0, 128);
    plat::Color headingBackground = plat::rgb(230, 230, 240);
    plat::Color rule = plat::rgb(160, 160, 160);
};

class TableGrid {
public:
    // Where a point lies: row -1 is the heading row, rows 0..n-1 the table
    // rows, row n the totals row; col -1 is the name column, 0.. the value
    // columns; valid is false outside the table.
    struct Hit {
        bool valid = false;
        int row = 0;
        int col = 0;
    };

    void setFont(const plat::Font& f) { font_ = f; }
    const plat::Font& font() const { return font_; }
    // Measures the font and the client; call before paint and hit tests.
    void layout(plat::DC& dc, const TableGridModel& m, plat::Size client);
    void paint(plat::DC& dc, const TableGridModel& m, const TableGridColors& colors) const;
    // Layout and paint in one, on the given background.
    void draw(plat::DC& dc, const TableGridModel& m, plat::Size client, plat::Color background);
    void draw(plat::DC& dc, const TableGridModel& m, plat::Size client, const TableGridColors& colors);
    Hit hitTest(const TableGridModel& m, plat::Point p) const;
    // The rectangle of a cell on screen (empty when it is scrolled away).
    plat::Rect cellRect(const TableGridModel& m, int row, int col) const;

    int firstRow() const { return firstRow_; }
    int firstColumn() const { return firstCol_; }
    int visibleRows() const { return visibleRows_; }
    // Scrolls by whole rows or columns, kept in range; true when it moved.
    bool scrollRows(const TableGridModel& m, int delta);
    bool scrollColumns(const TableGridModel& m, int delta);
    // Scrolls so that the given row is in view.
    void ensureRowVisible(const TableGridModel& m, int row);
    // Arrow keys, PgUp/PgDn, Home/End; true when the view moved.
    bool key(const TableGridModel& m, int vk);

    // The client width that shows every column in a font whose characters
    // are charWidth pixels wide.
    static int preferredWidth(const TableGridModel& m, int charWidth);
    // The width of value column c in characters, without the two blanks
    // that separate it from the column before: the least width, or the
    // widest heading, cell or footer.
    static int columnChars(const TableGridModel& m, int c);

    // What the scroll bars show: rows and shown value columns in all, how
    // many are in view, and the first in view.
    struct ScrollState {
        int rows = 0, rowsInView = 0, firstRow = 0;
        int columns = 0, columnsInView = 0, firstColumn = 0;
        bool rowsHidden() const { return rows > rowsInView; }
        bool columnsHidden() const { return firstColumn > 0 || columnsInView < columns; }
    };
    ScrollState scrollState(const TableGridModel& m) const;
    // Scrolls to the given first row or first shown column (scroll bars).
    bool scrollRowsTo(const TableGridModel& m, int first);
    bool scrollColumnsTo(const TableGridModel& m, int first);
    // Shows a scroll bar for the rows and one for the columns exactly while
    // some are out of view (call after layout), and follows them.
    void showScrollBars(plat::Window& w, const TableGridModel& m) const;
    bool scrolled(const TableGridModel& m, plat::ScrollBarKind which, int pos);

    int charWidth() const { return charW_; }
    int lineHeight() const { return lineH_; }

private:
    std::vector<int> shownColumns(const TableGridModel& m) const;
    int nameWidthPx(const TableGridModel& m) const;
    // Pixel width of value column c (its characters and two blanks).
    int columnPx(int c) const;
    void clampScroll(const TableGridModel& m);

    plat::Font font_;
    plat::Size client_;
    int charW_ = 8, lineH_ = 16;
    int firstRow_ = 0, firstCol_ = 0;
    int visibleRows_ = 1;
    std::vector<int> columnChars_; // per value column, from the last layout
    static constexpr int kMargin = 4;
};

} // namespace quan
