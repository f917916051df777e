// The generic table writers that topic windows feed with a heading, column
// names, rows and totals: the "Text out ..." plain-text layout and the
// "TeX output ..." plain-TeX tabbing layout, plus the window flows that put
// the first into a text window and save the second as a file.
#pragma once
#include "resources/commands.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quan {

class TFileMsgWin;
class TPreTextWin;

struct TableRow {
    std::string label;
    std::vector<std::string> values; // one per column, already formatted
};

struct TableData {
    std::string heading;              // the label column's heading
    std::vector<std::string> columns; // column names
    std::vector<TableRow> rows;
    std::string totalsLabel;          // label of the totals line (may be empty)
    std::vector<std::string> totals;  // one per column
    // Column width w; -1 takes the widest column name, value or total.
    int width = -1;
};

// The column width w of the text layout: data.width, or the widest entry.
size_t tableColumnWidth(const TableData& data);

// "Text out": a header line of column names right-aligned to w + 2 after
// the heading right-aligned to the label column's width; a line of '-' as
// long as the header; one line per row (the label right-aligned to the label
// column, the values to w + 2); a second dash line; the totals line. Every
// line ends with CR LF.
std::string textTable(const TableData& data);

// "TeX output": the plain-TeX tabbing table
//   \settabs\+HEADING&\quad COL&...\cr
//   \+HEADING&\hfill COL&...\cr
//   \vskip 2pt\+\hfill LABEL&\hfill VALUE&...\cr      (one line per row)
//   \vskip 2pt
//   \+&\hfill TOTAL&...\cr
// with CR LF line ends. Cell texts are passed through texEscape.
std::string texTable(const TableData& data);

// Makes a cell text safe inside a plain-TeX alignment: the characters TeX
// treats specially (\ { } $ & # ^ _ ~ %) are written as printable
// control sequences. Ordinary names and numbers pass unchanged.
std::string texEscape(const std::string& cell);

// The tables of the apportionment and weighted-voting windows: a name
// column and value columns, written as "Text out" and as a plain-TeX tab
// alignment. The topic fills in its cells; the writers own the layout and the
// escaping.
struct ColumnTable {
    struct Row {
        std::string name;               // with any row-number prefix
        std::vector<std::string> cells; // one per value column, already formatted
    };
    std::string nameHeading;
    std::vector<std::string> headings; // the value columns
    std::vector<Row> rows;
    std::vector<std::string> totals;   // the totals line, from the first column
    size_t nameWidth = 0;              // names are padded or cut to it
    size_t columnWidth = 0;            // the stored column width (a minimum)
};

// Value column c is as wide as its widest heading, cell or total or the
// stored width, whichever is more, plus two blanks: numbers never run into
// their neighbours.
size_t columnFieldWidth(const ColumnTable& t, size_t c);

// "Text out": the name heading padded or cut to the name width, the headings
// right-aligned in their fields; a rule of '-' as long as that line and an
// empty line; one line per row; the rule and an empty line again; "   "
// padded to the name width and the totals (no final line end). Lines end CR
// LF. The text stops before the first line that would pass limit
// characters.
std::string columnTableText(const ColumnTable& t, size_t limit);

struct TexColumnTable {
    // The \settabs template cells (digits that set the column widths),
    // written as they stand.
    std::vector<std::string> templateCells;
    // The heading row and the data rows: the name, then one cell per column.
    std::vector<std::vector<std::string>> rows;
    // The footer: an empty cell is written as a bare "&", a present one as
    // "\hfill " + text + "&".
    std::vector<std::optional<std::string>> footer;
};

// The plain-TeX tab alignment of a column table:
//   \settabs\+T0&T1&...\cr
//   \+NAME\hfill&\hfill CELL&...\cr                  (the heading row)
//   \vskip 2pt\+NAME\hfill&\hfill CELL&...\cr       (the first row)
//   \vskip -2pt\+NAME\hfill&\hfill CELL&...\cr      (the others)
//   \vskip 2pt\+&\hfill TOTAL&&...\cr                 (the footer)
// Lines end CR LF; every name and cell goes through texEscape.
std::string columnTableTex(const TexColumnTable& t);

// Hands a text table to a text window: the text replaces the window's
// contents, the caption becomes `caption`, and the window is shown.
void textOutTable(TPreTextWin& target, const std::string& caption, const TableData& data);
void textOut(TPreTextWin& target, const std::string& caption, const std::string& text);

// Saves a TeX table through the save dialog ("TeX files (*.tex)|*.tex",
// default extension "TEX", proposed "noname.tex") and the overwrite
// question; the file is written whole or not at all. Success shows "TeX
// file saved" and the file's name in a box titled "success"; a failed write
// shows "cannot save file" and leaves an existing file as it was. True when
// the file was written.
bool saveTexFile(TFileMsgWin& win, const std::string& content);

} // namespace quan
