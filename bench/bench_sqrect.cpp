// Speed of the squared rectangles: all 44 961 codes of the library read
// from the compiled tables and the ".bou" files beside the program and
// built (squares, segments, links, both codes, both networks as edge
// lists; target 300 ms), the collections read alone, the build alone
// (squares, segments, links and both codes, without reading), the layout
// alone (the squares placed; target 100 ms), a long hostile pasted code
// read and built (a first group 1, 2, 1, 2, ... of k sizes, then k groups
// (1): a profile of k pieces that the layout keeps searching), a library choice
// built and painted on an 800 x 600 image (target 20 ms), and the order-17
// list (31 426 entries) opened in the library dialog.
#include "graphs/core/sqrect.h"
#include "graphs/grawin.h"
#include "graphs/sqrectdlg.h"
#include "platform/headless.h"
#include "platform/recording_dc.h"
#include "resources/bouwkamp_tables.h"
#include "shell/quanframe.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace quan;

namespace {

std::string programFolder()
{
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

const char* const kFiles[] = {"qngspr13.bou", "qngspr14.bou", "qngspr15.bou", "qngspr16.bou", "qngspr17.bou",
                              "qngsps25.bou", "qngsps26.bou", "qngcps27.bou", "qngcps28.bou"};

std::vector<BouwkampCollection> readLibrary()
{
    std::vector<BouwkampCollection> all;
    for (size_t i = 0; i < kBouwkampTableCount; ++i) {
        const BouwkampTable& t = kBouwkampTables[i];
        all.push_back(collectionFromTable(t.order, t.numbers, t.count));
    }
    const std::string folder = programFolder();
    for (const char* f : kFiles) {
        BouwkampCollection c;
        if (readBou(folder + "/" + f, c) == 0)
            all.push_back(std::move(c));
    }
    return all;
}

void BM_ReadLibrary(benchmark::State& state)
{
    size_t n = 0;
    for (auto _ : state) {
        const auto all = readLibrary();
        n = 0;
        for (const auto& c : all)
            n += c.records.size();
        benchmark::DoNotOptimize(n);
    }
    state.counters["codes"] = static_cast<double>(n);
}
BENCHMARK(BM_ReadLibrary)->Unit(benchmark::kMillisecond);

void BM_BuildWholeLibrary(benchmark::State& state)
{
    const auto all = readLibrary();
    for (auto _ : state) {
        size_t squares = 0;
        for (const auto& c : all)
            for (const auto& r : c.records) {
                SquaredRectangle sq;
                if (BuildSquaredRectangle(r.width, r.sizes, sq) == 0)
                    squares += sq.squares.size();
            }
        benchmark::DoNotOptimize(squares);
    }
}
BENCHMARK(BM_BuildWholeLibrary)->Unit(benchmark::kMillisecond);

void BM_ReadAndBuildWholeLibrary(benchmark::State& state)
{
    size_t codes = 0;
    for (auto _ : state) {
        const auto all = readLibrary();
        size_t edges = 0;
        codes = 0;
        for (const auto& c : all)
            for (const auto& r : c.records) {
                SquaredRectangle sq;
                if (BuildSquaredRectangle(r.width, r.sizes, sq) != 0)
                    continue;
                edges += kirchhoffEdges(sq, false).size() + kirchhoffEdges(sq, true).size();
                ++codes;
            }
        benchmark::DoNotOptimize(edges);
    }
    state.counters["codes"] = static_cast<double>(codes);
}
BENCHMARK(BM_ReadAndBuildWholeLibrary)->Unit(benchmark::kMillisecond);

void BM_LayOutWholeLibrary(benchmark::State& state)
{
    const auto all = readLibrary();
    size_t codes = 0;
    for (auto _ : state) {
        size_t squares = 0;
        codes = 0;
        for (const auto& c : all)
            for (const auto& r : c.records) {
                SquareLayout l;
                if (LayOutSquares(r.width, r.sizes, l) == 0) {
                    squares += l.squares.size();
                    ++codes;
                }
            }
        benchmark::DoNotOptimize(squares);
    }
    state.counters["codes"] = static_cast<double>(codes);
}
BENCHMARK(BM_LayOutWholeLibrary)->Unit(benchmark::kMillisecond);

// The text of the hostile code for k: "(1,2,1,2,...)(1)(1)...(1)". Such a
// code is refused (its squares overlap, or too many segments): what is timed
// is how long a paste of a long text takes to reach its refusal (the
// "code" counter shows the message), which used to grow with its square.
std::string hostileCode(int64_t k)
{
    std::string s = "(";
    for (int64_t i = 0; i < k; ++i) {
        if (i > 0)
            s += ',';
        s += i % 2 == 0 ? '1' : '2';
    }
    s += ')';
    for (int64_t i = 0; i < k; ++i)
        s += "(1)";
    return s;
}

void BM_HostilePastedCode(benchmark::State& state)
{
    const std::string text = hostileCode(state.range(0));
    int code = 0;
    for (auto _ : state) {
        BouwkampCode c;
        code = ReadBouwkamp(text, c);
        SquaredRectangle r;
        if (code == 0)
            code = BuildSquaredRectangle(c.width, c.sizes, r);
        benchmark::DoNotOptimize(code);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["code"] = code;
}
BENCHMARK(BM_HostilePastedCode)->Arg(10000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);

struct Desk {
    plat::HeadlessPlatform platform;
    std::unique_ptr<TQuanFrame> frame;
    TGraWin* win = nullptr;

    Desk()
    {
        const auto dir = std::filesystem::temp_directory_path() / "quandel-bench-sqrect";
        std::filesystem::create_directories(dir);
        platform.setSettingsDirectory(dir.string());
        plat::Platform::install(&platform);
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Graphs,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
        frame->create("");
        win = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
        win->setCollectionFolder(programFolder());
        win->cmSquaredLibrary();
    }
    ~Desk()
    {
        frame.reset();
        plat::Platform::install(nullptr);
    }
};

void BM_LibraryChoiceBuiltAndPainted(benchmark::State& state)
{
    Desk desk;
    desk.win->command(grcmd::Numerals);
    BouwkampCollection c;
    desk.win->libraryCategory(8, c);
    plat::MemoryBitmap bmp({800, 600});
    size_t i = 0;
    for (auto _ : state) {
        desk.win->chooseLibraryEntry(c.records[i++ % c.records.size()]);
        bmp.fill(plat::rgb(255, 255, 255));
        desk.win->drawPicture(bmp.dc());
        benchmark::DoNotOptimize(bmp.pixel(400, 300));
    }
}
BENCHMARK(BM_LibraryChoiceBuiltAndPainted)->Unit(benchmark::kMillisecond);

void BM_OpenOrder17List(benchmark::State& state)
{
    Desk desk;
    TBouwkampDlg* dlg = desk.win->libraryDialog();
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg->openCategory(8));
}
BENCHMARK(BM_OpenOrder17List)->Unit(benchmark::kMillisecond);

} // namespace
