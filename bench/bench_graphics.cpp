// Drawing speed of the picture primitives: 40 000 segments through
// DrawSegment onto an offscreen image (the headless memory bitmap, which
// records every operation and rasterises the lines), with clipping at the
// edges. The whole batch should take well under 100 ms.
#include "graphics/axes.h"
#include "graphics/primitives.h"
#include "platform/recording_dc.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace quan;

namespace {

struct Scene {
    PictureView pv;
    ColorTable colors = initialColorTable();
    ColorRoles roles = initialColorRoles();
    FontTable fonts = initialFontTable(96);
    Primitives prims;
    std::vector<std::pair<WPoint, WPoint>> segments;

    explicit Scene(int count)
    {
        pv.view.setClient(800, 600);
        pv.view.recompute();
        prims.env().view = &pv.view;
        prims.env().colors = &colors;
        prims.env().roles = &roles;
        prims.env().fonts = &fonts;
        // Segments of up to a quarter of the view, a tenth of them reaching
        // beyond an edge, from the shared generator with a fixed seed.
        Random rnd;
        rnd.seed(20261206);
        auto coord = [&](Real lo, Real hi) { return lo + (hi - lo) * rnd.below(1000000) / 1000000.0L; };
        const ViewState& v = pv.view;
        for (int i = 0; i < count; ++i) {
            Real margin = i % 10 == 0 ? 2 : 0;
            WPoint a{coord(v.xmin - margin, v.xmax + margin), coord(v.ymin - margin, v.ymax + margin)};
            WPoint b{a.x + coord(-v.rx / 4, v.rx / 4), a.y + coord(-v.ry / 4, v.ry / 4)};
            segments.push_back({a, b});
        }
    }
};

void BM_Segments40000(benchmark::State& state)
{
    Scene scene(40000);
    plat::MemoryBitmap bmp({800, 600});
    for (auto _ : state) {
        bmp.fill(plat::rgb(255, 255, 255));
        int k = 0;
        for (const auto& s : scene.segments) {
            PenSpec pen{static_cast<int16_t>(2 + k % 50), 1, DashSolid};
            scene.prims.DrawSegment(bmp.dc(), s.first, s.second, pen);
            ++k;
        }
        benchmark::DoNotOptimize(bmp.pixel(400, 300));
    }
    state.SetItemsProcessed(state.iterations() * 40000);
}
BENCHMARK(BM_Segments40000)->Unit(benchmark::kMillisecond);

// The primitives' own share: the same segments onto a device that only
// counts what it receives.
class CountingDC : public plat::DC {
public:
    long lines = 0;
    void setPen(plat::Color, int, plat::PenStyle) override {}
    void setBrush(plat::Color) override {}
    void setNullBrush() override {}
    void setFont(const plat::Font&) override {}
    void setTextColor(plat::Color) override {}
    void setTextBackground(bool, plat::Color) override {}
    void line(plat::Point, plat::Point) override { ++lines; }
    void polyline(const std::vector<plat::Point>&) override {}
    void polygon(const std::vector<plat::Point>&) override {}
    void rectangle(const plat::Rect&) override {}
    void fillRect(const plat::Rect&, plat::Color) override {}
    void ellipse(const plat::Rect&) override {}
    void arc(const plat::Rect&, plat::Point, plat::Point) override {}
    void textOut(plat::Point, const std::string&) override {}
    plat::Size textExtent(const std::string&) override { return {}; }
    void drawBitmap(plat::Point, const plat::Bitmap&) override {}
    int caps(plat::Cap) const override { return 96; }
};

void BM_Segments40000PrimitivesOnly(benchmark::State& state)
{
    Scene scene(40000);
    CountingDC dc;
    for (auto _ : state) {
        for (const auto& s : scene.segments)
            scene.prims.DrawSegment(dc, s.first, s.second, PenSpec{3, 1, DashSolid});
        benchmark::DoNotOptimize(dc.lines);
    }
    state.SetItemsProcessed(state.iterations() * 40000);
}
BENCHMARK(BM_Segments40000PrimitivesOnly)->Unit(benchmark::kMillisecond);

// A full set of axes, scale labels and a rectangular and polar grid.
void BM_AxesAndGrid(benchmark::State& state)
{
    Scene scene(0);
    scene.pv.axes.layout.axesOn = true;
    scene.pv.axes.layout.gridBits = grid::Rectangular | grid::AllQuadrants | grid::Polar;
    scene.pv.axes.layout.tickX = scene.pv.axes.layout.tickY = 0.5L;
    scene.pv.axes.scaleX = scene.pv.axes.scaleY = true;
    plat::MemoryBitmap bmp({800, 600});
    for (auto _ : state) {
        bmp.fill(plat::rgb(255, 255, 255));
        drawAxesAndGrid(scene.prims, bmp.dc(), scene.pv.axes);
        benchmark::DoNotOptimize(bmp.pixel(400, 300));
    }
}
BENCHMARK(BM_AxesAndGrid)->Unit(benchmark::kMillisecond);

} // namespace
