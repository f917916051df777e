// A back-end for the tests: records every call it receives as a line of
// text plus its main arguments, so that tests can check what reached a
// back-end and in which order.
#pragma once

#include "graphics/backend.h"

#include <string>
#include <vector>

namespace testgfx {

struct Call {
    explicit Call(std::string w = {}) : what(std::move(w)) {}
    std::string what;
    std::vector<quan::WPoint> pts;
    quan::PenSpec pen;
    quan::LabelSpec label;
    quan::LabelPlacement place;
    int color = 0;
    bool solid = false;
    quan::FillSpec fill;
    quan::Axis axis = quan::Axis::X;
};

class RecordingBackend : public quan::PictureBackend {
public:
    explicit RecordingBackend(quan::OutputKind k) : kind_(k) {}
    quan::OutputKind kind() const override { return kind_; }

    std::vector<Call> calls;
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            out.push_back(c.what);
        return out;
    }
    size_t count(const std::string& what) const
    {
        size_t n = 0;
        for (const auto& c : calls)
            n += c.what == what;
        return n;
    }

    void segment(quan::plat::DC&, quan::WPoint a, quan::WPoint b, const quan::PenSpec& pen) override
    {
        Call c("segment");
        c.pts = {a, b};
        c.pen = pen;
        calls.push_back(c);
    }
    void straightSegment(quan::plat::DC&, quan::WPoint a, quan::WPoint b, const quan::PenSpec& pen) override
    {
        Call c("straight");
        c.pts = {a, b};
        c.pen = pen;
        calls.push_back(c);
    }
    void arrowhead(quan::plat::DC&, quan::WPoint b1, quan::WPoint tip, quan::WPoint b2, int color, bool solid,
                   int) override
    {
        Call c("arrowhead");
        c.pts = {b1, tip, b2};
        c.color = color;
        c.solid = solid;
        calls.push_back(c);
    }
    void label(quan::plat::DC&, const quan::LabelPlacement& at, const quan::LabelSpec& style) override
    {
        Call c("label");
        c.place = at;
        c.label = style;
        calls.push_back(c);
    }
    void scaleLabel(quan::plat::DC&, quan::Axis axis, quan::WPoint at, const quan::LabelPlacement& place,
                    const quan::LabelSpec& style) override
    {
        Call c("scale");
        c.axis = axis;
        c.pts = {at};
        c.place = place;
        c.label = style;
        calls.push_back(c);
    }
    void frameBackground(quan::plat::DC&, int background, bool outline) override
    {
        Call c("background");
        c.color = background;
        c.solid = outline;
        calls.push_back(c);
    }
    void frame(quan::plat::DC&, quan::WPoint lo, quan::WPoint hi, int width) override
    {
        Call c("frame");
        c.pts = {lo, hi};
        c.pen.width = static_cast<int16_t>(width);
        calls.push_back(c);
    }
    void comment(const std::string& text) override { calls.push_back(Call("% " + text)); }
    void setDottedLines(bool on) override { calls.push_back(Call(on ? "dots on" : "dots off")); }
    void penLine(quan::plat::DC&, quan::WPoint a, quan::WPoint b, const quan::PenSpec& pen) override
    {
        Call c("penLine");
        c.pts = {a, b};
        c.pen = pen;
        calls.push_back(c);
    }
    void polyline(quan::plat::DC&, const std::vector<quan::WPoint>& pts, int color, int) override
    {
        Call c("polyline");
        c.pts = pts;
        c.color = color;
        calls.push_back(c);
    }
    void path(quan::plat::DC&, const std::vector<quan::WPoint>& pts, const std::string&, int color, int) override
    {
        Call c("path");
        c.pts = pts;
        c.color = color;
        calls.push_back(c);
    }
    void polygon(quan::plat::DC&, const std::vector<quan::WPoint>& pts, const quan::FillSpec& f) override
    {
        Call c("polygon");
        c.pts = pts;
        c.fill = f;
        calls.push_back(c);
    }
    void circle(quan::plat::DC&, quan::WPoint centre, quan::Real, const quan::FillSpec& f) override
    {
        Call c("circle");
        c.pts = {centre};
        c.fill = f;
        calls.push_back(c);
    }
    void arc(quan::plat::DC&, quan::WPoint centre, quan::WPoint start, quan::Real, const quan::PenSpec& pen) override
    {
        Call c("arc");
        c.pts = {centre, start};
        c.pen = pen;
        calls.push_back(c);
    }
    void roundedRectangle(quan::plat::DC&, quan::WPoint a, quan::WPoint b, quan::Real, const quan::FillSpec& f) override
    {
        Call c("roundrect");
        c.pts = {a, b};
        c.fill = f;
        calls.push_back(c);
    }
    void dots(quan::plat::DC&, const std::vector<quan::WPoint>& centres, int color) override
    {
        Call c("dots");
        c.pts = centres;
        c.color = color;
        calls.push_back(c);
    }

private:
    quan::OutputKind kind_;
};

} // namespace testgfx
