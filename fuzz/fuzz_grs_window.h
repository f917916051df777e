// The scheduling window's side of fuzz_grs, also run by the robustness test
// of tests/schedule: what the ".grs" reader accepts is opened in a
// scheduling window on the headless desktop as File|Open does, painted,
// scheduled with its stored list and processor count, given a critical-path
// and a decreasing-time list, painted with its chart, then saved, reopened
// and saved again: the two files must hold the same bytes. A file the
// window refuses leaves its document as it was (the same bytes saved before
// and after).
//
// Each input gets a fresh desktop in a scratch folder of its own, so that a
// finding replays from its one input.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/fileio.h"
#include "platform/headless.h"
#include "schedule/grswin.h"
#include "shell/quanframe.h"

namespace quan::fuzzcheck {

class GrsDesktop {
public:
    GrsDesktop()
    {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base = std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        dir_ = base / ("quandel-fuzz-grs-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_, ec);
        std::filesystem::create_directories(dir_);
        platform_.setSettingsDirectory(dir_.string() + "/");
        plat::Platform::install(&platform_);
        frame_ = std::make_unique<TQuanFrame>();
        frame_->registerKind(WindowKind::Scheduling,
                             [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGrSWin>(f, i); });
        frame_->create("");
    }
    ~GrsDesktop()
    {
        frame_.reset();
        platform_.flush();
        plat::Platform::install(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    GrsDesktop(const GrsDesktop&) = delete;
    GrsDesktop& operator=(const GrsDesktop&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    TGrSWin* newWindow() { return dynamic_cast<TGrSWin*>(frame_->newWindow(WindowKind::Scheduling, "")); }
    plat::HeadlessPlatform& platform() { return platform_; }

private:
    plat::HeadlessPlatform platform_;
    std::filesystem::path dir_;
    std::unique_ptr<TQuanFrame> frame_;
};

inline bool saveGrsBytes(TGrSWin& w, const std::string& path, std::string& bytes)
{
    return w.writeDocument(path) && readWholeFile(path, bytes);
}

inline std::string checkGrsWindow(const uint8_t* data, size_t size)
{
    GrsDesktop desk;
    TGrSWin* w = desk.newWindow();
    if (!w)
        return "no scheduling window";
    std::string before, after;
    if (!saveGrsBytes(*w, desk.path("before.grs"), before))
        return "a new scheduling window cannot save";
    const std::string input = desk.path("input.grs");
    if (!writeFileAtomically(input, std::string(reinterpret_cast<const char*>(data), size)))
        return "cannot write the input";
    if (w->readDocument(input) != 0) {
        if (!saveGrsBytes(*w, desk.path("after.grs"), after))
            return "cannot save after a refused file";
        return before == after ? "" : "a refused file changed the scheduling window's document";
    }
    auto paint = [w] {
        if (auto* hw = dynamic_cast<plat::HeadlessWindow*>(w->window()))
            hw->paintNow();
    };
    paint();
    // The buttons show their refusals as messages; the script answers none,
    // so messages must be plain boxes (they are).
    const std::string stored = w->priorityList();
    const int processors = w->processors();
    w->applyManager(stored, processors, true);
    paint();
    w->buildCriticalPathList();
    w->buildDecreasingTimeList();
    w->applyManager(w->priorityList(), processors, true);
    paint();
    if (w->hasSchedule() && w->schedule().processors() != processors)
        return "a schedule on another processor count";
    std::string first, second;
    if (!saveGrsBytes(*w, desk.path("first.grs"), first))
        return "cannot save what was opened";
    if (w->readDocument(desk.path("first.grs")) != 0)
        return "cannot reopen what was saved";
    if (w->hasSchedule())
        return "a reopened file shows a schedule";
    if (!saveGrsBytes(*w, desk.path("second.grs"), second))
        return "cannot save what was reopened";
    return first == second ? "" : "save, reopen, save gives other bytes";
}

} // namespace quan::fuzzcheck
