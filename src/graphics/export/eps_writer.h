// The EPS back-end: each drawing call appends one block of PostScript lines
// (CR LF) to the page in memory; points are PostScript points with the
// origin at the lower left of the page (Primitives::page()).
#pragma once

#include "graphics/backend.h"

#include <array>
#include <string>

namespace quan {

class Primitives;

struct EpsSettings {
    std::string title;      // the window's caption (%%Title)
    std::string date;       // the long date (%%CreationDate)
    int logPixelsX = 96;    // of the screen the picture is drawn for
};

class EpsWriter : public PictureBackend {
public:
    explicit EpsWriter(Primitives& p) : p_(p) {}
    OutputKind kind() const override { return OutputKind::Eps; }

    // Header preparation for an export of `pages` pages: the page mapping,
    // the dash table and the header text.
    void prepare(const EpsSettings& s, int pages);
    const std::string& header() const { return header_; }
    // A page: the header, the drawing calls, the trailer "%%EOF".
    void beginPage() { out_ = header_; }
    void endPage() { out_ += "%%EOF\r\n"; }
    const std::string& bytes() const { return out_; }
    void clear() { out_.clear(); }
    // The "setdash" line of a dash style 0..4.
    const std::string& dashLine(int style) const;

    void segment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override { penLine(dc, a, b, pen); }
    void arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width) override;
    void label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style) override;
    void frameBackground(plat::DC& dc, int background, bool outline) override;
    void frame(plat::DC& dc, WPoint lowerLeft, WPoint upperRight, int width) override;
    void comment(const std::string& text) override;

    void penLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override;
    void polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width) override;
    void path(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
              int width) override;
    void polygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f) override;
    void circle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f) override;
    void arc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen) override;
    void roundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f) override;
    void dots(plat::DC& dc, const std::vector<WPoint>& centres, int color) override;
    void maskedPlot(plat::DC& dc, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                    const PenSpec& pen) override;

    // A PostScript string of a Windows-1252 text: "(", ")" and "\" get a
    // backslash; characters above 127 (which the standard encoding lacks)
    // become "/name glyphshow" lines between "(...) show" runs.
    // The Symbol face has its own encoding and none of those glyph names:
    // with `symbol` the bytes go out as they are (octal escapes above 127),
    // the sign 150 of Hyphen to minus as Symbol's minus sign (octal 055).
    static std::string showText(const std::string& text, bool symbol = false);
    // "(" ")" "\" escaped, bytes above 127 as octal escapes (%%Title).
    static std::string escapeString(const std::string& text);

private:
    void point(WPoint w);           // "X Y " of the page point
    void num(Real v);               // "%5.3Lf"
    void color(int index);          // "r g b setrgbcolor"
    void width(int pixels);         // "W setlinewidth"
    void pathLines(const std::vector<WPoint>& pts, const std::string* commands, bool closed);
    void fillCircle(WPoint centre, Real r, int color);
    void shadeFan(const std::vector<WPoint>& pts, int color);

    Primitives& p_;
    std::string header_, out_;
    std::array<std::string, 5> dash_;
    // The colour lines of the table entries and the width lines of the
    // common widths, made when first needed in an export.
    std::array<std::string, 61> colorLines_;
    std::array<std::string, 64> widthLines_;
};

} // namespace quan
