#include "graphics/axes.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
constexpr Real kPi = 3.141592653589793238462643383279502884L;
// Most crossings that get a dot, and most polar circles.
constexpr long long kMaxDots = 40000;
constexpr long long kMaxCircles = 400;
} // namespace

std::string scaleLabelText(Real coefficient, int decimals, bool pi, int piChar, bool hyphenToMinus, int minusChar)
{
    decimals = std::clamp(decimals, 0, 18);
    const Real half = 0.5L * std::pow(10.0L, -decimals);
    if (std::fabs(coefficient) < half)
        coefficient = 0; // no "-0.0"
    std::string t;
    const std::string glyph(1, static_cast<char>(piChar));
    if (pi && coefficient != 0 && std::fabs(coefficient - 1) < half)
        t = glyph;
    else if (pi && coefficient != 0 && std::fabs(coefficient + 1) < half)
        t = "-" + glyph;
    else {
        t = formatReal(coefficient, 0, decimals);
        if (pi && coefficient != 0)
            t += glyph;
    }
    if (hyphenToMinus)
        std::replace(t.begin(), t.end(), '-', static_cast<char>(minusChar));
    return t;
}

TickRange tickRange(Real lo, Real hi, Real step, int pixels)
{
    TickRange r;
    if (!(step > 0) || !std::isfinite(step) || !(lo <= hi))
        return r;
    Real f = std::ceil(lo / step), l = std::floor(hi / step);
    if (!std::isfinite(f) || !std::isfinite(l) || l < f)
        return r;
    if (l - f + 1 > std::max(1, pixels / 2))
        return r;
    r.first = static_cast<long long>(f);
    r.last = static_cast<long long>(l);
    return r;
}

namespace {

class AxesPainter {
public:
    AxesPainter(Primitives& p, plat::DC& dc, const AxesGridSettings& s)
        : p_(p), dc_(dc), s_(s), L_(s.layout), v_(p.view())
    {
        const DrawEnv& env = p.env();
        const bool grey = env.printing && !env.colorPrinter;
        // Lengths in device pixels (label offsets, ticks, arrows) grow with
        // the picture on a printer or a high-resolution metafile.
        mag_ = env.penScale > 0 ? env.penScale : 1;
        off_ = 4 * mag_;
        const ColorRoles roles = rolesOf();
        axesColor_ = grey ? 0 : roles[RoleAxes];
        gridColor_ = roles[RoleGrid];
        int aw = env.printing ? s.axesPrintedWidth : s.axesScreenWidth;
        int gw = env.printing ? s.gridPrintedWidth : s.gridScreenWidth;
        axesPen_ = {static_cast<int16_t>(axesColor_), static_cast<int16_t>(aw), DashSolid};
        int16_t style = L_.dottedGrid() ? DashShort : DashSolid;
        gridPen_ = {static_cast<int16_t>(gridColor_), static_cast<int16_t>(gw), style};
        gridPen2_ = {static_cast<int16_t>(gridColor_), static_cast<int16_t>(std::max(1, gw - 1)), style};
        stepX_ = L_.tickX * (L_.piX ? kPi : 1);
        stepY_ = L_.tickY * (L_.piY ? kPi : 1);
        tx_ = tickRange(v_.xmin, v_.xmax, stepX_, v_.W);
        ty_ = tickRange(v_.ymin, v_.ymax, stepY_, v_.H);
    }

    void run()
    {
        if (!s_.anything())
            return;
        const bool dotted = L_.dottedGrid() && (L_.rectangularGrid() || L_.polarGrid());
        if (dotted)
            p_.SetDottedLines(true);
        if (L_.rectangularGrid())
            rectangularGrid();
        if (L_.polarGrid())
            polarGrid();
        if (dotted)
            p_.SetDottedLines(false);
        if (L_.dots)
            dots();
        if (L_.axesOn) {
            if (L_.kind == AxisKind::Both || L_.kind == AxisKind::XOnly || L_.kind == AxisKind::PolarRay)
                xAxis();
            if (L_.kind == AxisKind::Both || L_.kind == AxisKind::YOnly)
                yAxis();
            if (L_.letters)
                letters();
        }
    }

private:
    ColorRoles rolesOf() const
    {
        const DrawEnv& env = p_.env();
        return env.roles ? *env.roles : initialColorRoles();
    }

    static long long mod(long long a, long long n) { return n <= 1 ? 0 : ((a % n) + n) % n; }

    void line(WPoint a, WPoint b, const PenSpec& pen) { p_.DrawStraightSegment(dc_, a, b, pen); }

    void rectangularGrid()
    {
        const int16_t q = L_.gridBits;
        const bool q1 = q & grid::Quadrant1, q2 = q & grid::Quadrant2, q3 = q & grid::Quadrant3,
                   q4 = q & grid::Quadrant4;
        for (long long k = tx_.first; k <= tx_.last; ++k) {
            Real x = k * stepX_;
            bool right = x >= 0, left = x <= 0;
            bool up = (right && q1) || (left && q2), down = (right && q4) || (left && q3);
            const PenSpec& pen = mod(k, L_.frequencyX) == 0 ? gridPen_ : gridPen2_;
            span(true, x, up, down, pen);
        }
        for (long long k = ty_.first; k <= ty_.last; ++k) {
            Real y = k * stepY_;
            bool up = y >= 0, down = y <= 0;
            bool right = (up && q1) || (down && q4), left = (up && q2) || (down && q3);
            const PenSpec& pen = mod(k, L_.frequencyY) == 0 ? gridPen_ : gridPen2_;
            span(false, y, right, left, pen);
        }
    }

    // One grid line at c (x = c when vertical, else y = c), covering the
    // positive half (plus) and/or the negative half (minus) of the other axis.
    void span(bool vertical, Real c, bool plus, bool minus, const PenSpec& pen)
    {
        Real lo = vertical ? v_.ymin : v_.xmin, hi = vertical ? v_.ymax : v_.xmax;
        Real a, b;
        if (plus && minus) {
            a = lo;
            b = hi;
        } else if (plus) {
            a = std::max<Real>(0, lo);
            b = hi;
        } else if (minus) {
            a = lo;
            b = std::min<Real>(0, hi);
        } else {
            return;
        }
        if (!(a < b))
            return;
        if (vertical)
            line({c, a}, {c, b}, pen);
        else
            line({a, c}, {b, c}, pen);
    }

    Real farthestCorner() const
    {
        Real r = 0;
        for (Real x : {v_.xmin, v_.xmax})
            for (Real y : {v_.ymin, v_.ymax})
                r = std::max(r, std::hypot(x, y));
        return r;
    }

    void polarGrid()
    {
        const Real rmax = farthestCorner();
        // Distance from the origin to the visible rectangle.
        Real nx = std::clamp<Real>(0, v_.xmin, v_.xmax), ny = std::clamp<Real>(0, v_.ymin, v_.ymax);
        const Real rmin = std::hypot(nx, ny);
        TickRange radii = tickRange(rmin, rmax, stepX_, v_.W);
        if (radii.first < 1)
            radii.first = 1;
        if (radii.count() <= kMaxCircles)
            for (long long k = radii.first; k <= radii.last; ++k) {
                Real R = k * stepX_;
                // Pieces of about four pixels.
                int n = static_cast<int>(std::clamp<Real>(2 * kPi * R * v_.kx / 4, 32, 720));
                const PenSpec& pen = mod(k, L_.frequencyX) == 0 ? gridPen_ : gridPen2_;
                WPoint prev{R, 0};
                for (int i = 1; i <= n; ++i) {
                    Real t = 2 * kPi * i / n;
                    WPoint next{R * std::cos(t), R * std::sin(t)};
                    line(prev, next, pen);
                    prev = next;
                }
            }
        const int sectors = std::clamp<int>(L_.polarSectors, 0, 360);
        for (int j = 0; j < sectors; ++j) {
            Real t = 2 * kPi * j / sectors;
            line({0, 0}, {rmax * std::cos(t), rmax * std::sin(t)}, gridPen2_);
        }
    }

    void dots()
    {
        if (tx_.empty() || ty_.empty() || tx_.count() * ty_.count() > kMaxDots)
            return;
        FillSpec f;
        f.fill = gridColor_;
        f.outline = -1;
        for (long long i = tx_.first; i <= tx_.last; ++i)
            for (long long j = ty_.first; j <= ty_.last; ++j)
                p_.WriteCircle(dc_, {i * stepX_, j * stepY_}, v_.dx, f);
    }

    LabelSpec scaleSpec(const std::string& text, int h, int v) const
    {
        LabelSpec l;
        l.text = text;
        l.color = axesColor_;
        l.contrast = true;
        l.fontSlot = kScaleFontSlot;
        l.hAnchor = h;
        l.vAnchor = v;
        l.opaque = s_.opaqueLabels ? p_.backgroundIndex() : -1;
        return l;
    }

    void xAxis()
    {
        const bool polar = L_.kind == AxisKind::PolarRay;
        const bool onScreen = v_.ymin <= 0 && 0 <= v_.ymax;
        const Real x0 = polar ? std::max<Real>(0, v_.xmin) : v_.xmin;
        p_.WriteComment("x axis begin");
        if (x0 < v_.xmax) {
            line({x0, 0}, {v_.xmax, 0}, axesPen_);
            if (L_.arrows && onScreen) {
                const Real len = L_.arrowLength * mag_, tip = v_.xmax - v_.dx;
                p_.DrawArrowhead(dc_, {tip - len * v_.dx, 0.4L * len * v_.dy}, {tip, 0},
                                 {tip - len * v_.dx, -0.4L * len * v_.dy}, axesColor_, s_.solidArrowheads,
                                 axesPen_.width);
            }
        }
        p_.WriteComment("x axis end");
        if (L_.ticks) {
            p_.WriteComment("x-ticks begin");
            const Real h = L_.tickLength * mag_ / 2.0L * v_.dy;
            for (long long k = tx_.first; k <= tx_.last; ++k) {
                Real x = k * stepX_;
                if (polar && x < 0)
                    continue;
                line({x, -h}, {x, h}, axesPen_);
            }
            p_.WriteComment("x-ticks end");
        }
        if (!s_.scaleX)
            return;
        const bool border = s_.scalePlace == ScalePlace::Border;
        if (!border && !onScreen)
            return;
        const int side = s_.labelSide < 0 ? -1 : 1;
        for (long long k = tx_.first; k <= tx_.last; ++k) {
            if (mod(k, L_.frequencyX) != 0)
                continue;
            Real x = k * stepX_;
            if ((polar && x < 0) || (k == 0 && !border && L_.kind == AxisKind::Both))
                continue;
            std::string t = scaleLabelText(k * L_.tickX, L_.decimalsX, L_.piX, s_.piChar, s_.hyphenToMinus,
                                           s_.minusChar);
            if (border)
                p_.DrawScaleLabel(dc_, Axis::X, {x, v_.ymin + off_ * v_.dy}, scaleSpec(t, 0, 1));
            else
                p_.DrawScaleLabel(dc_, Axis::X, {x, -side * off_ * v_.dy}, scaleSpec(t, 0, -side));
        }
    }

    void yAxis()
    {
        const bool onScreen = v_.xmin <= 0 && 0 <= v_.xmax;
        p_.WriteComment("y axis begin");
        line({0, v_.ymin}, {0, v_.ymax}, axesPen_);
        if (L_.arrows && onScreen) {
            const Real len = L_.arrowLength * mag_, tip = v_.ymax - v_.dy;
            p_.DrawArrowhead(dc_, {-0.4L * len * v_.dx, tip - len * v_.dy}, {0, tip},
                             {0.4L * len * v_.dx, tip - len * v_.dy}, axesColor_, s_.solidArrowheads,
                             axesPen_.width);
        }
        p_.WriteComment("y axis end");
        if (L_.ticks) {
            p_.WriteComment("y-ticks begin");
            const Real h = L_.tickLength * mag_ / 2.0L * v_.dx;
            for (long long k = ty_.first; k <= ty_.last; ++k)
                line({-h, k * stepY_}, {h, k * stepY_}, axesPen_);
            p_.WriteComment("y-ticks end");
        }
        if (!s_.scaleY)
            return;
        const bool border = s_.scalePlace == ScalePlace::Border;
        if (!border && !onScreen)
            return;
        const int side = s_.labelSide < 0 ? -1 : 1;
        for (long long k = ty_.first; k <= ty_.last; ++k) {
            if (mod(k, L_.frequencyY) != 0 || (k == 0 && !border && L_.kind == AxisKind::Both))
                continue;
            Real y = k * stepY_;
            std::string t = scaleLabelText(k * L_.tickY, L_.decimalsY, L_.piY, s_.piChar, s_.hyphenToMinus,
                                           s_.minusChar);
            if (border)
                p_.DrawScaleLabel(dc_, Axis::Y, {v_.xmin + off_ * v_.dx, y}, scaleSpec(t, 1, 0));
            else
                p_.DrawScaleLabel(dc_, Axis::Y, {-side * off_ * v_.dx, y}, scaleSpec(t, -side, 0));
        }
    }

    void letters()
    {
        LabelSpec l;
        l.color = axesColor_;
        l.contrast = true;
        l.fontSlot = kLetterFontSlot;
        const Real px0 = v_.kx * (0 - v_.xmin) + v_.ox, py0 = v_.ky * (v_.ymax - 0) + v_.oy;
        const bool xShown = L_.kind != AxisKind::YOnly && v_.ymin <= 0 && 0 <= v_.ymax;
        const bool yShown = (L_.kind == AxisKind::Both || L_.kind == AxisKind::YOnly) && v_.xmin <= 0 && 0 <= v_.xmax;
        if (xShown) {
            l.text = s_.letters[0];
            l.hAnchor = -1;
            l.vAnchor = -1;
            p_.DrawLabel(dc_, v_.W - 1 - off_ + v_.ox, py0 + off_ + (L_.tickLength / 2) * mag_, l);
        }
        if (yShown) {
            l.text = s_.letters[1];
            l.hAnchor = 1;
            l.vAnchor = -1;
            p_.DrawLabel(dc_, px0 + off_ + (L_.tickLength / 2) * mag_, off_ + v_.oy, l);
        }
    }

    Primitives& p_;
    plat::DC& dc_;
    const AxesGridSettings& s_;
    const AxesLayout& L_;
    const ViewState& v_;
    Real mag_ = 1, off_ = 4;
    int axesColor_ = 0, gridColor_ = 0;
    PenSpec axesPen_, gridPen_, gridPen2_;
    Real stepX_ = 1, stepY_ = 1;
    TickRange tx_, ty_;
};

} // namespace

void drawAxesAndGrid(Primitives& p, plat::DC& dc, const AxesGridSettings& s)
{
    AxesPainter(p, dc, s).run();
}

} // namespace quan
