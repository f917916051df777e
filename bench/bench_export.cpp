// Export speed: 40 000 segments of mixed colours and dash styles written
// into a page in memory by the EPS, SVG and PicTeX writers. Targets: under
// 0.3 s for EPS and PicTeX, under 0.1 s for SVG.
#include "graphics/axes.h"
#include "graphics/export/eps_writer.h"
#include "graphics/export/pictex_writer.h"
#include "graphics/export/svg_writer.h"
#include "graphics/primitives.h"
#include "platform/recording_dc.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace quan;

namespace {

struct Scene {
    PictureView pv;
    ColorTable colors = initialColorTable();
    FontTable fonts = initialFontTable(96);
    Primitives prims;
    plat::RecordingDC dc;
    std::vector<std::pair<WPoint, WPoint>> segments;

    Scene()
    {
        pv.view.setClient(800, 600);
        pv.view.recompute();
        prims.env().view = &pv.view;
        prims.env().colors = &colors;
        prims.env().fonts = &fonts;
        Random rnd;
        rnd.seed(20261207);
        auto coord = [&](Real lo, Real hi) { return lo + (hi - lo) * rnd.below(1000000) / 1000000.0L; };
        const ViewState& v = pv.view;
        for (int i = 0; i < 40000; ++i) {
            WPoint a{coord(v.xmin, v.xmax), coord(v.ymin, v.ymax)};
            WPoint b{a.x + coord(-v.rx / 4, v.rx / 4), a.y + coord(-v.ry / 4, v.ry / 4)};
            segments.push_back({a, b});
        }
    }
    // Every segment through the routing primitive (EPS, SVG) or the pen
    // line writer (PicTeX, which writes no routing segments).
    void draw(bool penLines)
    {
        int k = 0;
        for (const auto& s : segments) {
            PenSpec pen{static_cast<int16_t>(2 + k % 50), static_cast<int16_t>(1 + k % 3),
                        static_cast<int16_t>(k % 5)};
            if (penLines)
                prims.WritePenLine(dc, s.first, s.second, pen);
            else
                prims.DrawSegment(dc, s.first, s.second, pen);
            ++k;
        }
    }
};

template <class Writer, class Settings>
void run(benchmark::State& state, OutputKind kind, bool penLines)
{
    Scene scene;
    Writer w(scene.prims);
    w.prepare(Settings{}, 1);
    scene.prims.setBackend(kind, &w);
    scene.prims.output().set(kind);
    size_t bytes = 0;
    for (auto _ : state) {
        w.beginPage();
        scene.draw(penLines);
        w.endPage();
        bytes = w.bytes().size();
        benchmark::DoNotOptimize(w.bytes().data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_Eps40000Segments(benchmark::State& state) { run<EpsWriter, EpsSettings>(state, OutputKind::Eps, false); }
void BM_Svg40000Segments(benchmark::State& state) { run<SvgWriter, SvgSettings>(state, OutputKind::Svg, false); }
void BM_PicTeX40000Segments(benchmark::State& state)
{
    run<PicTeXWriter, PicTeXSettings>(state, OutputKind::PicTeX, true);
}

} // namespace

BENCHMARK(BM_Eps40000Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Svg40000Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PicTeX40000Segments)->Unit(benchmark::kMillisecond);
