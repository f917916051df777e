// The election window's side of fuzz_vot, also run by the robustness test
// of tests/elections: what the ".vot" reader accepts is opened in an
// election window on the headless desktop as File|Open does, painted,
// given a cast and its undo, a drop and its restore and every report, then
// saved, reopened and saved again. The two files must hold the same
// election and notebook (every opening picks the current ballot anew, so
// its word may differ). A file the window refuses leaves its election as it
// was (the same bytes saved before and after).
//
// Each input gets a fresh desktop in a scratch folder of its own, so that a
// finding replays from its one input.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/fileio.h"
#include "elections/core/votfile.h"
#include "graphs/core/grafile.h"
#include "elections/votwin.h"
#include "platform/headless.h"
#include "shell/quanframe.h"

namespace quan::fuzzcheck {

class VotDesktop {
public:
    VotDesktop()
    {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base = std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        dir_ = base / ("quandel-fuzz-vot-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_, ec);
        std::filesystem::create_directories(dir_);
        platform_.setSettingsDirectory(dir_.string() + "/");
        plat::Platform::install(&platform_);
        frame_ = std::make_unique<TQuanFrame>();
        frame_->registerKind(WindowKind::Voting,
                             [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TVotWin>(f, i); });
        frame_->create("");
    }
    ~VotDesktop()
    {
        frame_.reset();
        platform_.flush();
        plat::Platform::install(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    VotDesktop(const VotDesktop&) = delete;
    VotDesktop& operator=(const VotDesktop&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    TVotWin* newWindow() { return dynamic_cast<TVotWin*>(frame_->newWindow(WindowKind::Voting, "")); }
    plat::HeadlessPlatform& platform() { return platform_; }

private:
    plat::HeadlessPlatform platform_;
    std::filesystem::path dir_;
    std::unique_ptr<TQuanFrame> frame_;
};

inline bool saveVotBytes(TVotWin& w, const std::string& path, std::string& bytes)
{
    return w.writeDocument(path) && readWholeFile(path, bytes);
}

// The tournament of the window's election: one vertex per candidate named
// by it, an edge for every pair, directed from the head-to-head winner
// (none without votes), the highlighted cycle made of majority arrows.
inline std::string checkTournament(const TVotWin& w)
{
    const Election& e = w.election();
    const Graph& g = w.graph();
    const int n = e.candidates();
    if (g.count() != n || g.maxIndex() != n - 1)
        return "the tournament has another number of vertices";
    if (g.edgeCount() != n * (n - 1) / 2)
        return "the tournament misses a pair";
    const CandidateTable& m = e.tally().pairwise;
    for (int i = 0; i < n; ++i) {
        if (g.label(i).text() != std::string(1, e.name(i)) || g.label(i).state != 16)
            return "a candidate's label is not his name";
        for (int j = 0; j < n; ++j) {
            if (i == j)
                continue;
            const auto ui = static_cast<size_t>(i), uj = static_cast<size_t>(j);
            const int want = e.total() < 1 ? 0 : m[ui][uj] > m[uj][ui] ? 1 : m[uj][ui] > m[ui][uj] ? -1 : 0;
            if (g.Direction(i, j) != want)
                return "an arrow does not follow the head-to-head count";
        }
    }
    for (const auto& [a, b] : g.solution.edges)
        if (g.Direction(a, b) != 1)
            return "the highlighted cycle runs against an arrow";
    return "";
}

inline std::string checkVotWindow(const uint8_t* data, size_t size)
{
    VotDesktop desk;
    TVotWin* w = desk.newWindow();
    if (!w)
        return "no election window";
    std::string before, after;
    if (!saveVotBytes(*w, desk.path("before.vot"), before))
        return "a new election window cannot save";
    const std::string input = desk.path("input.vot");
    if (!writeFileAtomically(input, std::string(reinterpret_cast<const char*>(data), size)))
        return "cannot write the input";
    // A random example over two candidates (a file with too many points
    // words) stops at the third poll.
    desk.platform().key('Q', 2);
    if (w->readDocument(input) != 0) {
        if (!saveVotBytes(*w, desk.path("after.vot"), after))
            return "cannot save after a refused file";
        return before == after ? "" : "a refused file changed the election window's document";
    }
    auto paint = [w] {
        if (auto* hw = dynamic_cast<plat::HeadlessWindow*>(w->window()))
            hw->paintNow();
    };
    paint();
    w->castVotes("1");
    w->undoCast();
    if (w->election().canDrop()) {
        w->dropCandidate(0);
        w->restoreCandidate();
    }
    ReportSwitches all;
    all.borda = all.condorcet = all.graph = true;
    w->setSwitches(all);
    paint();
    if (std::string why = checkTournament(*w); !why.empty())
        return why;
    if (w->saveGraphTo(desk.path("tournament.gra")) != 0)
        return "the tournament cannot be saved as a graph";
    GraDocument saved;
    if (readGra(desk.path("tournament.gra"), saved) != 0)
        return "the saved tournament does not read as a graph";
    if (saved.graph.count() != w->election().candidates() || !saved.graph.digraph)
        return "the saved tournament lost its candidates or its digraph mode";
    std::string first, second;
    if (!saveVotBytes(*w, desk.path("first.vot"), first))
        return "cannot save what was opened";
    if (w->readDocument(desk.path("first.vot")) != 0)
        return "cannot reopen what was saved";
    if (!saveVotBytes(*w, desk.path("second.vot"), second))
        return "cannot save what was reopened";
    VotDocument a, b;
    Random rng;
    if (readVot(Bytes(first.begin(), first.end()), a, rng) != 0 ||
        readVot(Bytes(second.begin(), second.end()), b, rng) != 0)
        return "a saved election does not read";
    ElectionState sa = a.election.state(), sb = b.election.state();
    sa.current = sb.current = 0;
    if (!(sa == sb) || a.notebook != b.notebook)
        return "save, reopen, save gives another election";
    return first.size() == second.size() ? "" : "save, reopen, save gives files of other sizes";
}

} // namespace quan::fuzzcheck
