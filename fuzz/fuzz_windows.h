// The window side of the document fuzz targets. What a reader accepts is
// opened in a window of its kind on the headless desktop, exactly as File|Open
// does, painted, given a short calculation, painted again, and then saved,
// reopened and saved again:
// the two saves must be the same bytes. A file the window refuses must leave
// its document as it was (the same bytes saved before and after).
//
// Each input gets a fresh headless desktop in a scratch folder of its own, so
// that a finding replays from its one input.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/kinds.h"
#include "apportion/appwin.h"
#include "graphs/core/graphtext.h"
#include "graphs/grawin.h"
#include "core/fileio.h"
#include "platform/headless.h"
#include "power/banwin.h"
#include "power/pwrwin.h"
#include "shell/quanframe.h"

namespace quan::fuzzcheck {

// A Progress that answers Q at its limit-th poll, so that every calculation
// stays short however large the table.
inline Progress stopAfterPolls(int& polls, int limit)
{
    return Progress{[&polls, limit] { return ++polls >= limit ? 'Q' : 0; }, {}};
}

class Desktop {
public:
    Desktop()
    {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base = std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        dir_ = base / ("quandel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_, ec);
        std::filesystem::create_directories(dir_);
        platform_.setSettingsDirectory(dir_.string() + "/");
        plat::Platform::install(&platform_);
        frame_ = std::make_unique<TQuanFrame>();
        registerWindowKinds(*frame_);
        frame_->create("");
    }
    ~Desktop()
    {
        frame_.reset();
        platform_.flush();
        plat::Platform::install(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    TFileMsgWin* newWindow(WindowKind kind) { return frame_->newWindow(kind, ""); }

private:
    plat::HeadlessPlatform platform_;
    std::filesystem::path dir_;
    std::unique_ptr<TQuanFrame> frame_;
};

inline bool saveBytes(TFileMsgWin& w, const std::string& path, std::string& bytes)
{
    return w.writeDocument(path) && readWholeFile(path, bytes);
}

// Opens data in a new window of kind, runs calculate(window) when the window
// takes it, and checks the round trip. Empty when all holds.
template <class Win, class Calculate>
std::string checkInWindow(const uint8_t* data, size_t size, WindowKind kind, const std::string& ext,
                          Calculate calculate)
{
    Desktop desk;
    auto* w = dynamic_cast<Win*>(desk.newWindow(kind));
    if (!w)
        return "no window of the kind";
    std::string before, after;
    if (!saveBytes(*w, desk.path("before" + ext), before))
        return "a new window cannot save";
    const std::string input = desk.path("input" + ext);
    if (!writeFileAtomically(input, std::string(reinterpret_cast<const char*>(data), size)))
        return "cannot write the input";
    if (w->readDocument(input) != 0) {
        if (!saveBytes(*w, desk.path("after" + ext), after))
            return "cannot save after a refused file";
        return before == after ? "" : "a refused file changed the window's document";
    }
    // The window as the user sees it, before and after the calculation.
    if (auto* hw = dynamic_cast<plat::HeadlessWindow*>(w->window()))
        hw->paintNow();
    calculate(*w);
    if (auto* hw = dynamic_cast<plat::HeadlessWindow*>(w->window()))
        hw->paintNow();
    std::string first, second;
    if (!saveBytes(*w, desk.path("first" + ext), first))
        return "cannot save what was opened";
    if (w->readDocument(desk.path("first" + ext)) != 0)
        return "cannot reopen what was saved";
    if (!saveBytes(*w, desk.path("second" + ext), second))
        return "cannot save what was reopened";
    return first == second ? "" : "save, reopen, save gives other bytes";
}

// The apportionment window: every method in turn, with the texts that show
// its results.
inline std::string checkHorWindow(const uint8_t* data, size_t size)
{
    return checkInWindow<TAppWin>(data, size, WindowKind::Apportionment, ".hor", [](TAppWin& w) {
        AppTable& t = w.table();
        const int method = t.method();
        for (int m = 0; m < 10; ++m) {
            t.setMethod(m);
            (void)t.summary();
            (void)t.priorityList();
        }
        t.setMethod(method);
        (void)t.textOut();
        (void)t.texOut();
    });
}

// The weighted-voting window: all cases, Monte Carlo and the exact counts,
// each stopped at its first poll.
inline std::string checkBnzWindow(const uint8_t* data, size_t size)
{
    return checkInWindow<TBanWin>(data, size, WindowKind::Banzhaf, ".bnz", [](TBanWin& w) {
        BlocTable& t = w.table();
        int polls = 0;
        t.calcAllCases(stopAfterPolls(polls, 1));
        polls = 0;
        Random rng;
        rng.seed(1);
        t.calcMonteCarlo(stopAfterPolls(polls, 1), rng);
        polls = 0;
        t.calcExact(stopAfterPolls(polls, 1));
        (void)t.textOut();
        (void)t.texOutput();
        // The worksheet of what was read (or "too many blocs"), its text and
        // its drawing.
        w.showWorksheet();
        if (TPwrWin* sheet = w.worksheetWindow(); sheet && w.worksheetOpen()) {
            (void)sheet->textOut();
            if (auto* hw = dynamic_cast<plat::HeadlessWindow*>(sheet->window()))
                (void)hw->paintNow();
        }
    });
}

// The graph window: the picture drawn, Data and Definition, every label
// kind on every vertex, and Arrows mode.
inline std::string checkGraWindow(const uint8_t* data, size_t size)
{
    return checkInWindow<TGraWin>(data, size, WindowKind::Graphs, ".gra", [](TGraWin& w) {
        (void)dataText(graphData(w.graph()));
        DefinitionOptions o;
        std::string text;
        (void)definitionText(w.graph(), o, text);
        for (int k = 0; k < 4; ++k)
            w.setAllTexts(k);
        for (int v : w.graph().presentVertices())
            (void)w.labelText(v);
        w.autofit();
    });
}

} // namespace quan::fuzzcheck
