// The PicTeX back-end: the picture as PiCTeX commands in world
// coordinates (recentred in multi-page output) times a power of ten that
// brings the view's half extent to 1..10, so that neither the unit nor the
// coordinates leave TeX's range or lose their digits, for TeX and LaTeX
// documents. Colours and pen widths are not written; text goes into
// "\put" commands at the label's anchor point.
#pragma once

#include "graphics/backend.h"

#include <string>

namespace quan {

class Primitives;

// 0 "TeX standalone", 1 "LaTeX2e standalone", 2 "TeX compilable",
// 3 "TeX insertable".
enum TeXMode { TeXStandalone = 0, LaTeXStandalone = 1, TeXCompilable = 2, TeXInsertable = 3 };

struct PicTeXSettings {
    Real width = 8;        // printed width in centimetres
    int mode = TeXStandalone;
    int box = 1;           // the box register of mode 0
    Real whitespace = 0;   // blank margin round labels (kept for the dialog)
    int decimals = 2;      // of the numbers written
};

class PicTeXWriter : public PictureBackend {
public:
    explicit PicTeXWriter(Primitives& p) : p_(p) {}
    OutputKind kind() const override { return OutputKind::PicTeX; }

    // Header of an export of `pages` pages.
    void prepare(const PicTeXSettings& s, int pages);
    const std::string& header() const { return header_; }
    void beginPage() { out_ = header_; }
    void endPage();
    const std::string& bytes() const { return out_; }
    void clear() { out_.clear(); }

    // Not written: the routing segment and arrowhead.
    void segment(plat::DC&, WPoint, WPoint, const PenSpec&) override {}
    void arrowhead(plat::DC&, WPoint, WPoint, WPoint, int, bool, int) override {}
    void straightSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override;
    void label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style) override;
    void scaleLabel(plat::DC& dc, Axis axis, WPoint at, const LabelPlacement& place, const LabelSpec& style) override;
    void frameBackground(plat::DC&, int, bool) override {}
    void frame(plat::DC& dc, WPoint lowerLeft, WPoint upperRight, int width) override;
    void comment(const std::string& text) override;
    void setDottedLines(bool on) override;

    void penLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override;
    void polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width) override;
    void path(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
              int width) override;
    void polygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f) override;
    void circle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f) override;
    void arc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen) override;
    void roundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f) override;
    void dots(plat::DC& dc, const std::vector<WPoint>& centres, int color) override;

    // The dash style line of a style (1..4; anything else "\setsolid").
    static std::string dashStyle(int style);
    // A backslash before every "#", "$", "%" and "&"; characters above 127
    // as TeX's own accents and symbols, control characters dropped. Plain
    // text (math false) also gets every other character TeX would read as
    // a command or print as something else: "\\", "{", "}", "<", ">" and
    // "|" as math symbols, "^", "_" and "~" as typewriter characters.
    static std::string escape(const std::string& text, bool math = false);
    // "[" anchor letters "]" of a label, or empty.
    static std::string anchor(int hAnchor, int vAnchor);

private:
    std::string num(Real v) const;
    std::string xy(WPoint w) const;  // "x y" recentred
    void plot(const std::vector<WPoint>& pts, size_t from, size_t to, bool close);

    Primitives& p_;
    PicTeXSettings s_;
    int pages_ = 1;
    bool dotted_ = false;
    Real scale_ = 1; // a power of ten: written coordinate = world x scale_
    std::string header_, out_;
};

} // namespace quan
