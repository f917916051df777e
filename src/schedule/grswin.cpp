#include "schedule/grswin.h"

#include "core/msgcode.h"
#include "schedule/core/grsfile.h"
#include "schedule/core/schedtext.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/textops.h"

#include <algorithm>
#include <cmath>

namespace quan {

plat::Point schedManagerPlacement(const plat::Rect& window, Random& rng)
{
    int x = window.left + window.width() + rng.below(20);
    const int y = 50 + rng.below(50);
    if (window.left > 250)
        x = 12;
    if (window.top > 150)
        return {window.left, 12};
    return {x, y};
}

// --- the list-processing manager -------------------------------------------------------

TGrSDlg::TGrSDlg(TPreGrSWin& owner) : TDlg("SCHED", owner.window()), owner_(owner) {}

void TGrSDlg::refresh() { fill(dialog()); }

void TGrSDlg::fill(plat::Dialog& d)
{
    d.clearItems(schedctl::Processors);
    for (int p = kMinProcessors; p <= kMaxProcessors; ++p)
        d.addItem(schedctl::Processors, formatInt(p));
    d.setSelection(schedctl::Processors, owner_.processors() - kMinProcessors);
    d.setText(schedctl::List, owner_.priorityList());
    d.setCheck(schedctl::Ordering, true);
    d.enableControl(schedctl::Undo, !history_.empty());
}

void TGrSDlg::showList(const std::string& list) { dialog().setText(schedctl::List, list); }

bool TGrSDlg::button(plat::Dialog& d, int id)
{
    switch (id) {
    case schedctl::Apply: {
        const int sel = d.selection(schedctl::Processors);
        const int p = sel < 0 ? owner_.processors() : sel + kMinProcessors;
        const std::string text = d.text(schedctl::List);
        if (owner_.applyManager(text, p, d.check(schedctl::Ordering)) == 0) {
            history_.emplace_back(owner_.priorityList(), p);
            d.setText(schedctl::List, owner_.priorityList());
            d.enableControl(schedctl::Undo, true);
        }
        return true;
    }
    case schedctl::Undo:
        // The newest applied list and count back into the controls (as
        // the window stored the list); nothing is rescheduled.
        if (!history_.empty()) {
            const auto [list, p] = history_.back();
            history_.pop_back();
            d.setText(schedctl::List, list);
            d.setSelection(schedctl::Processors, p - kMinProcessors);
        }
        d.enableControl(schedctl::Undo, !history_.empty());
        return true;
    case schedctl::CriticalPath: owner_.buildCriticalPathList(); return true;
    case schedctl::Sort: owner_.buildDecreasingTimeList(); return true;
    case schedctl::Help: owner_.showHelp("QNSDIALH"); return true;
    case schedctl::Ordering: return true;
    default: return false;
    }
}

// --- the document window -----------------------------------------------------------------

TPreGrSWin::TPreGrSWin(TQuanFrame* frame, DocInit init) : TGraWin(frame, std::move(init), kScheduleSlots)
{
    roles_[RoleTimes] = 6;
    roles_[RoleTaskCells] = 38;
    roles_[RoleIdle] = 4;
    fileSettings_.scheduleSetting = kMinProcessors;
    graph_.newLabelState = labelState(TextAlphabet, IconBullet);
}

TPreGrSWin::~TPreGrSWin() { manager_.reset(); }

TGrSDlg& TPreGrSWin::manager()
{
    if (!manager_)
        manager_ = std::make_unique<TGrSDlg>(*this);
    return *manager_;
}

void TPreGrSWin::setup()
{
    TGraWin::setup();
    if (window_) {
        TGrSDlg& m = manager();
        m.dialog().moveTo(schedManagerPlacement(window_->geometry(), Random::shared()));
        m.refresh();
        m.show();
    }
}

void TPreGrSWin::loadFirstExample()
{
    if (window_)
        resized(window_->clientSize());
    loadExample(1 + Random::shared().below(kScheduleExamples));
    graph_.modified = false;
}

ExampleArea TPreGrSWin::visibleArea() const
{
    const ViewState& v = pv_.view;
    // The visible rectangle: the device corners in world coordinates.
    const WPoint topLeft = v.DeviceToWorld(v.ox, v.oy);
    const WPoint bottomRight = v.DeviceToWorld(v.ox + v.W, v.oy + v.H);
    ExampleArea area{topLeft.x, topLeft.y, bottomRight.x - topLeft.x, topLeft.y - bottomRight.y};
    if (!(area.width > 0) || !(area.height > 0) || !std::isfinite(area.width) || !std::isfinite(area.height))
        area = {0, 7, 5, 7};
    return area;
}

// The weight range lives beside the graph window's words of the first
// parameter block (icon size, label state, ..., grid, circle: 12..18).
namespace {
constexpr int kWordTimeLow = 19, kWordTimeHigh = 20;
}

void TPreGrSWin::storeParameters(SettingsState& s) const
{
    TGraWin::storeParameters(s);
    s.first.ints[0][kWordTimeLow] = timeLow_;
    s.first.ints[0][kWordTimeHigh] = timeHigh_;
}

void TPreGrSWin::loadParameters(const SettingsState& s)
{
    TGraWin::loadParameters(s);
    const int32_t low = s.first.ints[0][kWordTimeLow], high = s.first.ints[0][kWordTimeHigh];
    if (timeRangeValid(low, high)) {
        timeLow_ = low;
        timeHigh_ = high;
    }
}

void TPreGrSWin::loadExample(int k)
{
    std::string list;
    if (!loadScheduleExample(graph_, k, visibleArea(), &list))
        return;
    list_ = list;
    dropSchedule();
    graph_.ComputeValences();
    updateGraphMenu();
    if (manager_)
        manager_->refresh();
    invalidateLayer(Picture);
}

void TPreGrSWin::closed()
{
    if (manager_)
        manager_->hide();
    TGraWin::closed();
}

std::vector<int> TPreGrSWin::digraphKey() const
{
    std::vector<int> key;
    for (int v : graph_.presentVertices()) {
        key.push_back(v);
        key.push_back(taskTime(graph_, v));
    }
    key.push_back(-1);
    for (const auto& [a, b] : graph_.edges()) {
        key.push_back(a);
        key.push_back(b);
        key.push_back(graph_.Direction(a, b));
    }
    return key;
}

void TPreGrSWin::dropSchedule()
{
    schedule_ = Schedule{};
    scheduledKey_.clear();
}

void TPreGrSWin::graphChanged()
{
    // A change of the tasks, their times or the arrows drops the schedule.
    if (hasSchedule() && digraphKey() != scheduledKey_)
        dropSchedule();
    TGraWin::graphChanged();
}

int TPreGrSWin::applyManager(const std::string& text, int processors, bool ordering)
{
    Schedule s;
    std::string stored;
    if (int code = applyList(graph_, text, processors, ordering, s, &stored)) {
        message(code);
        return code;
    }
    schedule_ = std::move(s);
    scheduledKey_ = digraphKey();
    list_ = stored;
    fileSettings_.scheduleSetting = static_cast<int16_t>(processors);
    setChanged(true);
    keepTasksAboveChart();
    invalidateLayer(Picture);
    return 0;
}

plat::Size TPreGrSWin::chartDigits(plat::DC& dc)
{
    dc.setFont(prims_.deviceFont(FontSummary, 0));
    return dc.textExtent("8888");
}

ChartLayout TPreGrSWin::currentChart(plat::Size digits) const
{
    const ViewState& view = pv_.view;
    const ChartBox box{view.ox, view.oy, static_cast<long long>(view.ox) + view.W,
                       static_cast<long long>(view.oy) + view.H};
    return chartLayout(schedule_, box, digits.w, digits.h);
}

void TPreGrSWin::keepTasksAboveChart()
{
    const std::vector<int> vs = graph_.presentVertices();
    if (vs.empty() || !hasSchedule())
        return;
    std::unique_ptr<plat::Bitmap> probe = plat::Platform::get().createBitmap({1, 1});
    if (!probe)
        return;
    const plat::Size digits = chartDigits(probe->dc());
    const ChartLayout c = currentChart(digits);
    const ViewState& view = pv_.view;
    // Below a task stand its time and its name: keep a margin of an icon
    // and two text lines above the band, and one line under the top edge.
    const long long below = static_cast<long long>(iconSize_) + 2 * digits.h + 4;
    const long long above = static_cast<long long>(iconSize_) / 2 + digits.h;
    const long long limit = c.top - below;
    bool covered = false;
    for (int v : vs)
        covered = covered || devicePoint(v).y > limit;
    const long long room = limit - (view.oy + above);
    if (!covered || room < 8 || view.W <= 0 || view.H <= 0)
        return;
    Real xmin = graph_.x(vs[0]), xmax = xmin, ymin = graph_.y(vs[0]), ymax = ymin;
    for (int v : vs) {
        xmin = std::min(xmin, graph_.x(v));
        xmax = std::max(xmax, graph_.x(v));
        ymin = std::min(ymin, graph_.y(v));
        ymax = std::max(ymax, graph_.y(v));
    }
    // World units per pixel: the present scale, or less of it when the
    // digraph must shrink to fit the room left above the band.
    const Real now = (view.DeviceToWorld(view.ox + view.W, view.oy).x - view.DeviceToWorld(view.ox, view.oy).x) / view.W;
    const Real margin = static_cast<Real>(view.W) / 10;
    Real scale = std::max({now, (xmax - xmin) / std::max<Real>(1, view.W - 2 * margin),
                           (ymax - ymin) / static_cast<Real>(room)});
    if (!(scale > 0) || !std::isfinite(scale))
        return;
    // The digraph's middle goes to the middle of the room, horizontally to
    // the middle of the window.
    const Real roomMiddle = static_cast<Real>(view.oy + above + limit) / 2 - view.oy;
    const Real cx = xmin / 2 + xmax / 2;
    const Real cy = ymin / 2 + ymax / 2 - (static_cast<Real>(view.H) / 2 - roomMiddle) * scale;
    setViewByCentre(cx, cy, scale * view.W / 2);
}

int TPreGrSWin::buildCriticalPathList()
{
    std::vector<int> l;
    if (int code = criticalPathList(graph_, l)) {
        message(code);
        return code;
    }
    list_ = listText(l).substr(0, kStoredListChars);
    manager().showList(list_);
    setChanged(true);
    return 0;
}

int TPreGrSWin::buildDecreasingTimeList()
{
    std::vector<int> l;
    if (int code = decreasingTimeList(graph_, Random::shared(), l)) {
        message(code);
        return code;
    }
    list_ = listText(l).substr(0, kStoredListChars);
    manager().showList(list_);
    setChanged(true);
    return 0;
}

int TPreGrSWin::setTime(int v, const std::string& text)
{
    long long t = 0;
    if (!parseDecimalInteger(text, t))
        return codeOf(Msg::CannotUnderstand);
    if (t < 1)
        return codeOf(Msg::PositiveValue);
    if (t > kMaxTaskTime)
        return codeOf(Msg::OutOfBounds);
    if (!graph_.present(v))
        return codeOf(Msg::InconsistentData);
    setTaskTime(graph_, v, static_cast<int>(t));
    graphChanged();
    return 0;
}

plat::Rect TPreGrSWin::timeBox(int v) const
{
    if (v < 0 || static_cast<size_t>(v) >= timeBoxes_.size())
        return {};
    return timeBoxes_[static_cast<size_t>(v)];
}

void TPreGrSWin::mouse(const plat::MouseEvent& e)
{
    if (mode_ == MouseMode::Arrows) {
        // The right button turns a precedence round.
        if (e.kind != plat::MouseEvent::Press || e.button != 2)
            return;
        int a = -1, b = -1;
        if (!edgeAt(e.pos, a, b))
            return;
        const int d = graph_.Direction(a, b);
        graph_.SetDirection(a, b, d == 1 ? -1 : 1);
        graph_.ClearSolution(true);
        graphChanged();
        return;
    }
    if (mode_ == MouseMode::Text && e.kind == plat::MouseEvent::Press && e.button == 2) {
        for (int v : graph_.presentVertices())
            if (timeBox(v).contains(e.pos)) {
                std::string text = formatInt(taskTime(graph_, v));
                if (!inputText(S(Str::Input), S(Str::TimeWord) + " " + slotName(v), text, 12))
                    return;
                if (int code = setTime(v, text))
                    message(code);
                return;
            }
    }
    // A task drawn with the mouse takes 1 time unit.
    const std::vector<int> before = graph_.presentVertices();
    TGraWin::mouse(e);
    if (graph_.count() > static_cast<int>(before.size())) {
        for (int v : graph_.presentVertices())
            if (!std::binary_search(before.begin(), before.end(), v))
                setTaskTime(graph_, v, 1);
        graphChanged();
    }
}

// --- the file --------------------------------------------------------------------------------

int TPreGrSWin::readDocument(const std::string& path)
{
    GraDocument d(kScheduleSlots);
    d.header = headerState();
    d.graph.newLabelState = graph_.newLabelState;
    if (int code = readGrs(path, d))
        return code;
    loadDocument(d);
    list_ = storedList(d);
    dropSchedule();
    graph_.ComputeValences();
    if (manager_)
        manager_->refresh();
    invalidateLayers();
    return 0;
}

bool TPreGrSWin::writeDocument(const std::string& path)
{
    GraDocument d = documentData();
    setStoredList(d, list_);
    const int code = writeGrs(path, d);
    if (code == codeOf(Msg::InconsistentData))
        message(code);
    if (code == 0)
        graph_.modified = false;
    return code == 0;
}

// --- the picture -------------------------------------------------------------------------------

void TPreGrSWin::drawPicture(plat::DC& dc)
{
    TGraWin::drawPicture(dc);
    drawTimes(dc);
    if (hasSchedule())
        drawChart(dc);
}

void TPreGrSWin::drawTimes(plat::DC& dc)
{
    timeBoxes_.assign(static_cast<size_t>(graph_.slots()), plat::Rect{});
    const Real gap = iconSize_ / 2.0L + 2;
    for (int v : graph_.presentVertices()) {
        const plat::Point p = devicePoint(v);
        const LabelRecord& r = graph_.secondLabel(v);
        LabelSpec s;
        s.text = formatInt(taskTime(graph_, v));
        s.color = colorRole(RoleWeights);
        s.fontSlot = FontWeights;
        s.hAnchor = 1;
        s.vAnchor = -1;
        const LabelPlacement lp = prims_.DrawLabel(dc, p.x + gap + r.dx, p.y + gap + r.dy, s);
        timeBoxes_[static_cast<size_t>(v)] = {lp.topLeft.x, lp.topLeft.y, lp.topLeft.x + lp.extent.w,
                                              lp.topLeft.y + lp.extent.h};
    }
}

void TPreGrSWin::drawChart(plat::DC& dc)
{
    const ViewState& view = pv_.view;
    const ChartLayout c = currentChart(chartDigits(dc));
    auto world = [&](long long x, long long y) { return view.DeviceToWorld(static_cast<Real>(x), static_cast<Real>(y)); };
    auto fill = [&](long long x0, long long y0, long long x1, long long y1, int color) {
        FillSpec f;
        f.fill = color;
        f.outline = color;
        f.width = -1;
        prims_.WritePolygon(dc, {world(x0, y0), world(x1, y0), world(x1, y1), world(x0, y1)}, f);
    };
    const int summary = colorRole(RoleSummary);
    const PenSpec pen{static_cast<int16_t>(summary), 1, DashSolid};
    auto line = [&](long long x0, long long y0, long long x1, long long y1) {
        prims_.WritePenLine(dc, world(x0, y0), world(x1, y1), pen);
    };

    fill(c.left, c.top, c.right, c.bottom, colorRole(RoleIdle));
    LabelSpec text;
    text.color = summary;
    text.fontSlot = FontSummary;
    text.vAnchor = 1;
    for (const ChartNumber& n : c.numbers) {
        text.text = n.text;
        text.hAnchor = -1;
        prims_.DrawLabel(dc, static_cast<Real>(n.right), static_cast<Real>(n.baseline), text);
    }
    for (const ChartCell& cell : c.cells) {
        fill(cell.x0, cell.top, cell.x1, cell.bottom, colorRole(RoleTaskCells));
        text.text = slotName(cell.task);
        text.hAnchor = 0;
        prims_.DrawLabel(dc, static_cast<Real>(cell.textX), static_cast<Real>(cell.baseline), text);
    }
    for (long long y : c.rowLines)
        line(c.left, y, c.right, y);
    line(c.left, c.top, c.right, c.top);
    line(c.right, c.top, c.right, c.bottom);
    line(c.right, c.bottom, c.left, c.bottom);
    line(c.left, c.bottom, c.left, c.top);
    for (const ChartTick& t : c.ticks)
        line(t.x, t.top, t.x, t.bottom);
    LabelSpec times;
    times.color = colorRole(RoleTimes);
    times.fontSlot = FontTimes;
    times.hAnchor = 0;
    times.vAnchor = -1;
    for (const ChartMark& m : c.marks) {
        times.text = formatInt(m.time);
        prims_.DrawLabel(dc, static_cast<Real>(m.x), static_cast<Real>(c.bottom), times);
    }
}

// --- the command layer -------------------------------------------------------------------------

TGrSWin::TGrSWin(TQuanFrame* frame, DocInit init) : TPreGrSWin(frame, std::move(init)) {}

plat::Menu TGrSWin::menuBar() const { return menuResource("GRSMENU"); }
std::vector<plat::Accelerator> TGrSWin::accelerators() const { return acceleratorResource("GRSMENU"); }

std::string TGrSWin::menuHelpName(int id) const
{
    switch (id) {
    case schedcmd::HelpFile: return "QNSFILEH";
    case schedcmd::HelpEdit: return "QNSEDITH";
    case schedcmd::HelpView: return "QNSVIEWH";
    case schedcmd::HelpBtns: return "QNSBTNSH";
    case schedcmd::HelpMisc: return "QNSMISCH";
    default: return "";
    }
}

std::string TGrSWin::colorRoleTitle(int k) const
{
    // The edges' colour is this menu's item 206.
    if (k == RoleEdges)
        return "Edges";
    return TPreGrSWin::colorRoleTitle(k);
}

void TGrSWin::clipboardChanged()
{
    TPreGrSWin::clipboardChanged();
    if (window_)
        window_->enableMenuItem(schedcmd::Paste, !plat::Platform::get().clipboardText().empty());
}

int TGrSWin::cmPaste()
{
    if (!saveChangesGate())
        return -1;
    std::string list;
    if (int code = pasteTaskDigraph(graph_, plat::Platform::get().clipboardText(), &list)) {
        message(code);
        return code;
    }
    list_ = list;
    dropSchedule();
    graphChanged();
    autofit();
    manager().refresh();
    return 0;
}

int TGrSWin::cmGridPoints()
{
    if (!saveChangesGate())
        return -1;
    TDlg d("CITYMAP", window_.get());
    d.dialog().setText(ctl::Field1, formatInt(gridRows_));
    d.dialog().setText(ctl::Field2, formatInt(gridColumns_));
    if (d.execute() != plat::IdOk)
        return -1;
    long long rows = 0, columns = 0;
    if (!parseInt(d.dialog().text(ctl::Field1), rows) || !parseInt(d.dialog().text(ctl::Field2), columns)) {
        message(Msg::CannotUnderstand);
        return codeOf(Msg::CannotUnderstand);
    }
    // The grid fills the window as it stands before the tasks are placed.
    if (window_)
        resized(window_->clientSize());
    std::string list;
    if (int code = gridTaskDigraph(graph_, rows, columns, timeLow_, timeHigh_, visibleArea(), Random::shared(), &list)) {
        message(code);
        return code;
    }
    gridRows_ = static_cast<int16_t>(rows);
    gridColumns_ = static_cast<int16_t>(columns);
    list_ = list;
    dropSchedule();
    graphChanged();
    setChanged(true);
    manager().refresh();
    invalidateLayer(Picture);
    return 0;
}

int TGrSWin::cmWeightRange()
{
    TDlg d("RNDRANGE", window_.get());
    d.dialog().setText(ctl::Field1, formatInt(timeLow_));
    d.dialog().setText(ctl::Field2, formatInt(timeHigh_));
    if (d.execute() != plat::IdOk)
        return -1;
    long long low = 0, high = 0;
    if (!parseInt(d.dialog().text(ctl::Field1), low) || !parseInt(d.dialog().text(ctl::Field2), high)) {
        message(Msg::CannotUnderstand);
        return codeOf(Msg::CannotUnderstand);
    }
    if (!timeRangeValid(low, high)) {
        message(Msg::OutOfBounds);
        return codeOf(Msg::OutOfBounds);
    }
    timeLow_ = static_cast<int>(low);
    timeHigh_ = static_cast<int>(high);
    return 0;
}

void TGrSWin::cmCopyDigraph()
{
    TNoteWin& n = notebook();
    const std::string notes = n.notes();
    const std::string text = taskDigraphText(graph_, std::clamp(decimals(), 0, kMaxDecimalPlaces));
    if (notes.size() + text.size() > kGraNotebookChars) {
        message(Msg::NoMoreRoom);
        return;
    }
    n.setNotes(notes + text);
    n.show();
    setChanged(true);
}

void TGrSWin::cmCopySchedule()
{
    if (!hasSchedule()) {
        message(Msg::NothingToDo);
        return;
    }
    ScheduleWords w;
    w.processor = S(Str::Processor);
    w.finishing = S(Str::FinishingTime);
    w.lowerBound = S(Str::LowerBound);
    w.optimal = S(Str::Optimal);
    TNoteWin& n = notebook();
    std::string notes = n.notes();
    const std::string text = scheduleText(taskSetOf(graph_), schedule_, w);
    if (notes.size() + text.size() > kGraNotebookChars) {
        message(Msg::NoMoreRoom);
        return;
    }
    n.setNotes(notes + text);
    n.show();
    setChanged(true);
}

void TGrSWin::command(int id)
{
    switch (id) {
    case schedcmd::Paste: cmPaste(); return;
    case schedcmd::CopySchedule: cmCopySchedule(); return;
    case schedcmd::CopyDigraph: cmCopyDigraph(); return;
    case schedcmd::GridPoints: cmGridPoints(); return;
    case schedcmd::WeightRange: cmWeightRange(); return;
    case gcm::Simulprint: {
        // Simulprint reads the chosen files into this window and then its
        // own document back; the schedule is not part of a file, so it is
        // kept here and given back with the digraph it was made for.
        const Schedule kept = schedule_;
        const std::vector<int> key = scheduledKey_;
        TPreGrSWin::command(id);
        if (!kept.empty() && !hasSchedule() && digraphKey() == key) {
            schedule_ = kept;
            scheduledKey_ = key;
            invalidateLayer(Picture);
        }
        return;
    }
    case schedcmd::HomeWeights:
    case schedcmd::OffsetWeights: {
        const int16_t d = id == schedcmd::HomeWeights ? 0 : 10;
        for (int v : graph_.presentVertices()) {
            LabelRecord r = graph_.secondLabel(v);
            r.dx = d;
            r.dy = d;
            graph_.setSecondLabel(v, r);
        }
        setChanged(true);
        invalidateLayer(Picture);
        return;
    }
    // This menu numbers the fonts and the edges' colour as the picture
    // windows' slot table does; the graph drawing keeps its own slots.
    case schedcmd::FontWeights: TPreGrSWin::command(textcmd::FontSlot0 + FontWeights); return;
    case schedcmd::FontSummary: TPreGrSWin::command(textcmd::FontSlot0 + FontSummary); return;
    case schedcmd::ColorEdges: TPreGrSWin::command(textcmd::ColorRole0 + RoleEdges); return;
    default: break;
    }
    TPreGrSWin::command(id);
}

} // namespace quan
