#include "text/tables.h"

#include "core/msgcode.h"

#include "core/fileio.h"
#include "core/qmath.h"
#include "resources/strings.h"
#include "shell/filemsgwin.h"
#include "text/textwin.h"

#include <algorithm>

namespace quan {

namespace {
const char* const kEol = "\r\n";
} // namespace

size_t tableColumnWidth(const TableData& data)
{
    if (data.width >= 0)
        return static_cast<size_t>(data.width);
    size_t w = 0;
    for (const auto& c : data.columns)
        w = std::max(w, c.size());
    for (const auto& r : data.rows)
        for (const auto& v : r.values)
            w = std::max(w, v.size());
    for (const auto& t : data.totals)
        w = std::max(w, t.size());
    return w;
}

std::string textTable(const TableData& data)
{
    const size_t w = tableColumnWidth(data) + 2;
    size_t labelWidth = data.heading.size();
    for (const auto& r : data.rows)
        labelWidth = std::max(labelWidth, r.label.size());
    labelWidth = std::max(labelWidth, data.totalsLabel.size());

    const size_t ncol = data.columns.size();
    auto cells = [&](const std::vector<std::string>& values) {
        std::string s;
        for (size_t j = 0; j < ncol; ++j)
            s += padLeft(j < values.size() ? values[j] : std::string(), w);
        return s;
    };

    std::string header = padLeft(data.heading, labelWidth) + cells(data.columns);
    const std::string rule(header.size(), '-');
    std::string out = header + kEol + rule + kEol;
    for (const auto& r : data.rows)
        out += padLeft(r.label, labelWidth) + cells(r.values) + kEol;
    out += rule + kEol;
    out += padLeft(data.totalsLabel, labelWidth) + cells(data.totals) + kEol;
    return out;
}

std::string texEscape(const std::string& cell)
{
    std::string out;
    out.reserve(cell.size());
    for (char c : cell) {
        switch (c) {
        case '\\': out += "$\\backslash$"; break;
        case '{': out += "$\\{$"; break;
        case '}': out += "$\\}$"; break;
        case '$': out += "\\$"; break;
        case '&': out += "\\&"; break;
        case '#': out += "\\#"; break;
        case '%': out += "\\%"; break;
        case '_': out += "\\_"; break;
        case '^': out += "\\^{}"; break;
        case '~': out += "\\~{}"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string texTable(const TableData& data)
{
    const size_t ncol = data.columns.size();
    auto cell = [](const std::vector<std::string>& v, size_t j) {
        return j < v.size() ? texEscape(v[j]) : std::string();
    };
    const std::string heading = texEscape(data.heading);

    std::string out = "\\settabs\\+" + heading + "&";
    for (size_t j = 0; j < ncol; ++j)
        out += "\\quad " + cell(data.columns, j) + "&";
    out += "\\cr";
    out += kEol;

    out += "\\+" + heading + "&";
    for (size_t j = 0; j < ncol; ++j)
        out += "\\hfill " + cell(data.columns, j) + "&";
    out += "\\cr";
    out += kEol;
    // The first row follows on the same line as the skip.
    out += "\\vskip 2pt";

    for (const auto& r : data.rows) {
        out += "\\+\\hfill " + texEscape(r.label) + "&";
        for (size_t j = 0; j < ncol; ++j)
            out += "\\hfill " + cell(r.values, j) + "&";
        out += "\\cr";
        out += kEol;
    }

    out += "\\vskip 2pt";
    out += kEol;
    out += "\\+&";
    for (size_t j = 0; j < ncol; ++j)
        out += "\\hfill " + cell(data.totals, j) + "&";
    out += "\\cr";
    out += kEol;
    return out;
}

size_t columnFieldWidth(const ColumnTable& t, size_t c)
{
    size_t w = t.columnWidth;
    if (c < t.headings.size())
        w = std::max(w, t.headings[c].size());
    for (const auto& r : t.rows)
        if (c < r.cells.size())
            w = std::max(w, r.cells[c].size());
    if (c < t.totals.size())
        w = std::max(w, t.totals[c].size());
    return w + 2;
}

std::string columnTableText(const ColumnTable& t, size_t limit)
{
    const size_t ncol = t.headings.size();
    std::vector<size_t> field(ncol);
    for (size_t c = 0; c < ncol; ++c)
        field[c] = columnFieldWidth(t, c);
    auto cells = [&](const std::vector<std::string>& v) {
        std::string s;
        for (size_t c = 0; c < ncol && c < v.size(); ++c)
            s += padLeft(v[c], field[c]);
        return s;
    };

    std::string out;
    bool full = false;
    // Adds a line unless it would pass the limit; the first that does not
    // fit ends the text.
    auto add = [&](const std::string& line, const char* end) {
        if (full || out.size() + line.size() + std::char_traits<char>::length(end) > limit) {
            full = true;
            return;
        }
        out += line;
        out += end;
    };
    const std::string head = padOrCut(t.nameHeading, t.nameWidth) + cells(t.headings);
    const std::string rule(head.size(), '-');
    add(head, kEol);
    add(rule, kEol);
    add("", kEol);
    for (const auto& r : t.rows)
        add(padOrCut(r.name, t.nameWidth) + cells(r.cells), kEol);
    add(rule, kEol);
    add("", kEol);
    add(padOrCut("   ", t.nameWidth) + cells(t.totals), "");
    return out;
}

std::string columnTableTex(const TexColumnTable& t)
{
    std::string out = "\\settabs\\+";
    for (const auto& c : t.templateCells)
        out += c + "&";
    out += "\\cr";
    out += kEol;
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const auto& row = t.rows[r];
        // A little air under the heading row and the last row; the skip
        // starts the next output line.
        if (r > 0)
            out += r == 1 ? "\\vskip 2pt" : "\\vskip -2pt";
        out += "\\+" + (row.empty() ? std::string() : texEscape(row[0])) + "\\hfill&";
        for (size_t c = 1; c < row.size(); ++c)
            out += "\\hfill " + texEscape(row[c]) + "&";
        out += "\\cr";
        out += kEol;
    }
    if (t.rows.size() > 1)
        out += "\\vskip 2pt";
    out += "\\+";
    for (const auto& f : t.footer)
        out += f ? "\\hfill " + texEscape(*f) + "&" : std::string("&");
    out += "\\cr";
    out += kEol;
    return out;
}

void textOut(TPreTextWin& target, const std::string& caption, const std::string& text)
{
    target.handOver(text);
    target.setTitle(caption);
}

void textOutTable(TPreTextWin& target, const std::string& caption, const TableData& data)
{
    textOut(target, caption, textTable(data));
}

bool saveTexFile(TFileMsgWin& win, const std::string& content)
{
    plat::FileDialogOptions o;
    o.filter = S(Str::TexFilesFilter);
    o.defaultExt = "TEX";
    o.proposedName = S(Str::Noname) + ".tex";
    auto chosen = plat::Platform::get().saveFileDialog(win.window(), o);
    if (!chosen || chosen->empty())
        return false;
    if (!win.overwriteGate(*chosen))
        return false;
    if (!writeFileAtomically(*chosen, content)) {
        win.message(Msg::CannotSaveFile);
        return false;
    }
    win.showText(S(Str::TexFileSaved) + ": " + *chosen, S(Str::Success));
    return true;
}

} // namespace quan
