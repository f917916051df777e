// One step of the divisor slider with the watch plot open: the table
// apportioned at the new divisor and the plot of 99 states redrawn onto an
// 800 x 600 offscreen image in its initial view. Targets: under 10 ms, and
// under 20 ms with a house of 100 000 (many more ticks per state).
#include "apportion/appwin.h"
#include "apportion/census.h"
#include "apportion/divwin.h"
#include "platform/headless.h"
#include "platform/recording_dc.h"
#include "shell/quanframe.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace quan;

namespace {

void sliderStep(benchmark::State& state, int house)
{
    plat::HeadlessPlatform platform;
    const auto dir = std::filesystem::temp_directory_path() / "quandel-bench-divplot";
    std::filesystem::create_directories(dir);
    platform.setSettingsDirectory(dir.string());
    plat::Platform::install(&platform);
    {
        TQuanFrame frame;
        frame.registerKind(WindowKind::Apportionment,
                           [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TAppWin>(f, i); });
        frame.create("");
        auto* win = static_cast<TAppWin*>(frame.newWindow(WindowKind::Apportionment, ""));
        AppTable& t = win->table();
        t.setStateCount(99);
        t.setHouseSize(house);
        win->command(appcmd::MethodBase + kWebster);
        win->showWatch();
        TDivWin* plot = win->watchWindow();
        plat::MemoryBitmap bmp({800, 600});
        int pos = 0;
        for (auto _ : state) {
            t.setSliderPosition(pos);
            pos = (pos + 7) % (AppTable::kSliderSteps + 1);
            win->divisorMoved();
            bmp.fill(plat::rgb(255, 255, 255));
            plot->drawPicture(bmp.dc());
            benchmark::DoNotOptimize(bmp.pixel(400, 300));
        }
    }
    plat::Platform::install(nullptr);
}

void BM_SliderStep99States(benchmark::State& state) { sliderStep(state, 435); }
BENCHMARK(BM_SliderStep99States)->Unit(benchmark::kMillisecond);

void BM_SliderStep99StatesHouse100000(benchmark::State& state) { sliderStep(state, 100000); }
BENCHMARK(BM_SliderStep99StatesHouse100000)->Unit(benchmark::kMillisecond);

} // namespace
