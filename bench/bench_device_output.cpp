// Device output speed: 40 000 segments of one pen drawn through the device
// back-end into an enhanced metafile (target: under 50 ms and a file under
// 1.5 MB), and a 1920 x 1080 page written as a BMP (target: under 50 ms).
#include "graphics/export/bmp_writer.h"
#include "graphics/export/emf_writer.h"
#include "graphics/primitives.h"
#include "platform/recording_dc.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace quan;

namespace {

void BM_EmfFortyThousandSegments(benchmark::State& state)
{
    PictureView pv;
    pv.view.setClient(800, 600);
    pv.view.recompute();
    ColorTable colors = initialColorTable();
    FontTable fonts = initialFontTable(96);
    Primitives prims;
    prims.env().view = &pv.view;
    prims.env().colors = &colors;
    prims.env().fonts = &fonts;
    Random rnd;
    rnd.seed(20261207);
    const ViewState& v = pv.view;
    auto coord = [&](Real lo, Real hi) { return lo + (hi - lo) * rnd.below(1000000) / 1000000.0L; };
    std::vector<std::pair<WPoint, WPoint>> segs;
    for (int i = 0; i < 40000; ++i)
        segs.push_back({{coord(v.xmin, v.xmax), coord(v.ymin, v.ymax)}, {coord(v.xmin, v.xmax), coord(v.ymin, v.ymax)}});
    EmfSettings s;
    s.width = 800;
    s.height = 600;
    s.horzSize = 338;
    s.vertSize = 270;
    s.horzRes = 1280;
    s.vertRes = 1024;
    size_t bytes = 0;
    const PenSpec pen{4, 1, DashSolid};
    for (auto _ : state) {
        EmfWriter emf(s, nullptr);
        for (const auto& [a, b] : segs)
            prims.DrawSegment(emf, a, b, pen);
        bytes = emf.finish().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EmfFortyThousandSegments)->Unit(benchmark::kMillisecond);

void BM_BmpFullHdPage(benchmark::State& state)
{
    plat::MemoryBitmap page({1920, 1080});
    page.fill(plat::rgb(255, 255, 255));
    page.dc().setPen(plat::rgb(255, 0, 0), 1, plat::PenStyle::Solid);
    for (int i = 0; i < 1000; ++i)
        page.dc().line({i, 0}, {1919 - i, 1079});
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = bmpBytes(pixelsOf(page), 96, 96).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BmpFullHdPage)->Unit(benchmark::kMillisecond);

} // namespace

