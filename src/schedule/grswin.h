// The scheduling window: a graph window of 52 slots whose vertices are
// tasks (their times in the second labels) and whose arrows are
// precedences. TPreGrSWin holds the priority list, the processor count and
// the schedule, reads and writes ".grs" files and draws the times and the
// chart; TGrSWin adds the commands of GRSMENU. TGrSDlg is the modeless
// list-processing manager ("SCHED").
#pragma once

#include "graphs/grawin.h"
#include "schedule/core/chart.h"
#include "schedule/core/schedtext.h"
#include "schedule/core/schedule.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quan {

class TPreGrSWin;

// Control ids of "SCHED".
namespace schedctl {
constexpr int Processors = 101, List = 102, Ordering = 103;
constexpr int CriticalPath = 201, Sort = 202, Apply = 203, Undo = 204, Help = 205;
} // namespace schedctl

class TGrSDlg : public TDlg {
public:
    explicit TGrSDlg(TPreGrSWin& owner);
    void init(plat::Dialog& d) override { fill(d); }
    bool button(plat::Dialog& d, int id) override;
    // Shows the window's processor count and list, "apply digraph ordering" checked.
    void refresh();
    // Shows a list built by a button.
    void showList(const std::string& list);
    // The applied lists and processor counts, newest last.
    const std::vector<std::pair<std::string, int>>& history() const { return history_; }

private:
    void fill(plat::Dialog& d);
    TPreGrSWin& owner_;
    std::vector<std::pair<std::string, int>> history_;
};

// The manager's place beside a window on the screen.
plat::Point schedManagerPlacement(const plat::Rect& window, Random& rng);

class TPreGrSWin : public TGraWin {
public:
    // Colour roles (the Colors menu's ids minus 200) and the fonts of the chart.
    static constexpr int RoleTimes = 11, RoleTaskCells = 12, RoleIdle = 13;
    static constexpr int FontTimes = 9;

    TPreGrSWin(TQuanFrame* frame, DocInit init);
    ~TPreGrSWin() override;

    std::string fileFilter() const override { return S(Str::GrsFilesFilter); }
    std::string defaultExtension() const override { return "GRS"; }
    std::string settingsFileName() const override { return "grs.ini"; }
    std::string documentTitle() const override { return "VELdra scheduling"; }

    // --- the document ------------------------------------------------------------------
    const std::string& priorityList() const { return list_; }
    int processors() const { return fileSettings_.scheduleSetting; }
    const Schedule& schedule() const { return schedule_; }
    bool hasSchedule() const { return !schedule_.empty(); }
    TGrSDlg& manager();

    // The manager's buttons: 0 or the message code (shown).
    int applyManager(const std::string& text, int processors, bool ordering);
    int buildCriticalPathList();
    int buildDecreasingTimeList();
    // A task's time typed in place: 0, 14 below 1, 17 above 32767, 1 not a number.
    int setTime(int v, const std::string& text);
    // Example k (1..7) in the visible rectangle.
    void loadExample(int k);
    // The range of the times Grid points draws, and the grid's size.
    int timeLow() const { return timeLow_; }
    int timeHigh() const { return timeHigh_; }
    int gridRows() const { return gridRows_; }
    int gridColumns() const { return gridColumns_; }

    void graphChanged() override;
    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;
    void drawPicture(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    // The device rectangle the time of task v was last drawn in.
    plat::Rect timeBox(int v) const;

protected:
    void setup() override;
    void loadFirstExample() override;
    void closed() override;
    void storeParameters(SettingsState& s) const override;
    void loadParameters(const SettingsState& s) override;
    void dropSchedule();
    // The visible rectangle in world coordinates (a fixed one before the
    // window has a size).
    ExampleArea visibleArea() const;
    void drawTimes(plat::DC& dc);
    void drawChart(plat::DC& dc);
    // The extent of "8888" in the summary font, which sizes the chart.
    plat::Size chartDigits(plat::DC& dc);
    // The chart's layout in the visible area for these digit extents.
    ChartLayout currentChart(plat::Size digits) const;
    // Moves the view (as a new last-window entry) so that every task with
    // its time lies above the chart's band; nothing when they already do.
    void keepTasksAboveChart();
    // What the schedule depends on: the tasks, their times and the arrows.
    std::vector<int> digraphKey() const;

    std::string list_;
    Schedule schedule_;
    std::vector<int> scheduledKey_;
    std::vector<plat::Rect> timeBoxes_;
    std::unique_ptr<TGrSDlg> manager_;
    int timeLow_ = kDefaultTimeLow, timeHigh_ = kDefaultTimeHigh;
};

class TGrSWin : public TPreGrSWin {
public:
    TGrSWin(TQuanFrame* frame, DocInit init);

    // File|New|Paste: 0 or the message code (shown); -1 when the save question was cancelled.
    int cmPaste();
    void cmCopySchedule();
    // File|New|Grid points: 0, the message code (shown), or -1 when cancelled.
    int cmGridPoints();
    // File|New|Weight range: 0, the message code (shown), or -1 when cancelled.
    int cmWeightRange();
    void cmCopyDigraph();
    void command(int id) override;
    void clipboardChanged() override;

protected:
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
    std::string colorRoleTitle(int k) const override;
};

} // namespace quan
