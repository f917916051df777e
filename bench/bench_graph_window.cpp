// Drawing speed of the graph window: the complete graph on 286 vertices
// (40 755 edges, weights hidden) drawn onto an offscreen image of 800 x 600
// pixels, plain and as a digraph with an arrowhead on every edge, so that
// dragging a vertex repaints smoothly. Targets: 100 ms plain, 150 ms with
// arrowheads.
#include "graphs/core/examples.h"
#include "graphs/grawin.h"
#include "platform/headless.h"
#include "platform/recording_dc.h"
#include "shell/quanframe.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace quan;

namespace {

struct Desk {
    plat::HeadlessPlatform platform;
    std::unique_ptr<TQuanFrame> frame;
    TGraWin* win = nullptr;

    explicit Desk(bool digraph)
    {
        const auto dir = std::filesystem::temp_directory_path() / "quandel-bench-graph";
        std::filesystem::create_directories(dir);
        platform.setSettingsDirectory(dir.string());
        plat::Platform::install(&platform);
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Graphs,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
        frame->create("");
        win = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
        Graph& g = win->graph();
        ExampleView view{0, 0, 5, 5};
        circleExample(g, kGraphSlots, view, false);
        for (int a = 0; a < kGraphSlots; ++a)
            for (int b = a + 1; b < kGraphSlots; ++b) {
                g.SetWeight(a, b, (a * 7 + b) % 100);
                g.SetDirection(a, b, digraph ? 1 + (a + b) % 2 * -2 : 0);
            }
        g.digraph = digraph;
        win->graphChanged();
        win->autofit();
    }
    ~Desk()
    {
        frame.reset();
        plat::Platform::install(nullptr);
    }
};

void drawComplete(benchmark::State& state, bool digraph)
{
    Desk desk(digraph);
    plat::MemoryBitmap bmp({800, 600});
    for (auto _ : state) {
        bmp.fill(plat::rgb(255, 255, 255));
        desk.win->drawPicture(bmp.dc());
        benchmark::DoNotOptimize(bmp.pixel(400, 300));
    }
}

void BM_DrawComplete286(benchmark::State& state) { drawComplete(state, false); }
BENCHMARK(BM_DrawComplete286)->Unit(benchmark::kMillisecond);

void BM_DrawComplete286Arrowheads(benchmark::State& state) { drawComplete(state, true); }
BENCHMARK(BM_DrawComplete286Arrowheads)->Unit(benchmark::kMillisecond);

} // namespace
