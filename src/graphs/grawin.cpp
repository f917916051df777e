#include "graphs/grawin.h"
#include "graphs/sqrectdlg.h"

#include "core/msgcode.h"
#include "graphs/core/examples.h"
#include "graphs/core/graphtext.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/textops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quan {

namespace {

// The icon radio buttons by icon kind (0 none .. 4 empty box), the text
// radio buttons by text kind (0 none .. 3 valence).
constexpr int kIconRadios[5] = {labctl::IconNone, labctl::IconBullet, labctl::IconCircle, labctl::IconSolidBox,
                                labctl::IconOpenBox};
constexpr int kTextRadios[4] = {labctl::TextNone, labctl::TextAlphabet, labctl::TextUser, labctl::TextValence};

// Settings file words of the window (first group, integer block 0): word
// 12 the icon size, 13 the label state of new vertices, 14 Redraw
// deletion and 15 Zero-based input (0 unset, 1 off, 2 on), 16..18 the grid
// rows and columns and the circle count of the examples. Integer block 1,
// word 0: the extra print thickness plus 1 (0 unset); real block 0, word
// 0: the rotation angle, kept when flag block 0, word 0 is 1.
constexpr int kWordIconSize = 12, kWordLabelState = 13, kWordRedraw = 14, kWordZeroBased = 15, kWordGridRows = 16,
              kWordGridColumns = 17, kWordCircle = 18;

} // namespace

// --- the labels dialog ---------------------------------------------------------------

TLabDlg::TLabDlg(TGra0Win& owner) : TDlg("LABELS", owner.window()), owner_(owner) {}

void TLabDlg::init(plat::Dialog& d)
{
    const int state = owner_.graph().newLabelState;
    for (int k = 0; k < 5; ++k)
        d.setCheck(kIconRadios[k], state % 8 == k);
    for (int k = 0; k < 4; ++k)
        d.setCheck(kTextRadios[k], state / 8 == k);
}

bool TLabDlg::button(plat::Dialog& d, int id)
{
    for (int k = 0; k < 5; ++k)
        if (id == kIconRadios[k]) {
            for (int other : kIconRadios)
                d.setCheck(other, other == id);
            return true;
        }
    for (int k = 0; k < 4; ++k)
        if (id == kTextRadios[k]) {
            for (int other : kTextRadios)
                d.setCheck(other, other == id);
            return true;
        }
    if (id != plat::IdOk)
        return false;
    int icon = IconBullet, text = TextNone;
    for (int k = 0; k < 5; ++k)
        if (d.check(kIconRadios[k]))
            icon = k;
    for (int k = 0; k < 4; ++k)
        if (d.check(kTextRadios[k]))
            text = k;
    if (int code = owner_.setLabels(d.text(labctl::Names), icon, text))
        owner_.message(code);
    return true;
}

// --- the document window ---------------------------------------------------------------

TGra0Win::TGra0Win(TQuanFrame* frame, DocInit init, int slots)
    : TBasWin(frame, std::move(init)), graph_(slots), extension_(3 * static_cast<size_t>(slots), 0)
{
    roles_[0] = 1; // white background
    roles_[RoleEdges] = 0;
    roles_[RoleVertices] = 6;
    roles_[RoleLabels] = 17;
    roles_[RoleWeights] = 10;
    roles_[RoleSolution] = 4;
    roles_[RoleSummary] = 0;
    roles_[RoleArrowheads] = 0;
    roles_[RoleCoordinates] = 0;
    mode_ = MouseMode::Drawing;
}

TGra0Win::~TGra0Win() { labels_.reset(); }

void TGra0Win::setup()
{
    TBasWin::setup();
    if (wantsFirstExample())
        loadFirstExample();
    updateGraphMenu();
    invalidateLayer(Picture);
}

void TGra0Win::loadFirstExample()
{
    const ViewState& v = pv_.view;
    ExampleView ev{v.cx, v.cy, v.rx, v.ry};
    FirstExample first = randomFirstExample(graph_, ev, Random::shared());
    if (first.grid) {
        gridRows_ = static_cast<int16_t>(first.rows);
        gridColumns_ = static_cast<int16_t>(first.columns);
    } else {
        circleCount_ = static_cast<int16_t>(first.vertices);
    }
    graph_.modified = false;
    graph_.ComputeValences();
    // The example fills the window (the first view, nothing to go back to).
    if (window_)
        resized(window_->clientSize());
    autofit(false);
}

void TGra0Win::closed()
{
    if (labels_)
        labels_->hide();
    TBasWin::closed();
}

void TGra0Win::graphChanged()
{
    graph_.ComputeValences();
    setChanged(true);
    updateGraphMenu();
    invalidateLayer(Picture);
}

void TGra0Win::updateGraphMenu()
{
    if (!window_)
        return;
    window_->checkMenuItem(grcmd::Weights, graph_.weightsShown);
    window_->checkMenuItem(grcmd::Digraph, graph_.digraph);
    window_->checkMenuItem(grcmd::RedrawDeletion, redrawDeletion_);
    window_->checkMenuItem(grcmd::ZeroBased, zeroBased_);
    const int state = graph_.newLabelState;
    for (int k = 0; k <= grcmd::IconLast - grcmd::IconFirst; ++k)
        window_->checkMenuItem(grcmd::IconFirst + k, state % 8 == k);
    for (int k = 0; k <= grcmd::TextLast - grcmd::TextFirst; ++k)
        window_->checkMenuItem(grcmd::TextFirst + k, state / 8 == k);
    const bool text = !plat::Platform::get().clipboardText().empty();
    for (int id : {grcmd::PasteCoordinates, grcmd::PasteAdjacencies, grcmd::PasteWeights})
        window_->enableMenuItem(id, text);
    window_->enableMenuItem(grcmd::Autofit, graph_.count() > 0);
    updateModeChecks();
    updateMenuHook();
}

int TGra0Win::solutionEdgeColor(size_t k) const
{
    const std::vector<int16_t>& c = graph_.solution.edgeColors;
    return k < c.size() ? c[k] : colorRole(RoleSolution);
}

int TGra0Win::setIconSize(long long size)
{
    if (size > 32767)
        return codeOf(Msg::OutOfBounds);
    if (!iconSizeValid(size))
        return codeOf(Msg::PositiveValue);
    iconSize_ = static_cast<int>(size);
    setChanged(true);
    invalidateLayer(Picture);
    return 0;
}

void TGra0Win::setWeightsShown(bool on)
{
    graph_.weightsShown = on;
    graphChanged();
    if (on)
        setMouseMode(MouseMode::Text);
}

void TGra0Win::setDigraph(bool on)
{
    graph_.digraph = on;
    graphChanged();
    if (!on)
        setMouseMode(MouseMode::Drawing);
}

void TGra0Win::mouseModeChanged(MouseMode before)
{
    dragVertex_ = dragLabel_ = -1;
    // A turn cut short by the change keeps what it turned, as a release
    // would; the coordinates shown go with their mode.
    if (rotating_) {
        rotating_ = false;
        rotFrom_.clear();
        if (dragMoved_)
            graphChanged();
    }
    if (!coordText_.empty()) {
        coordText_.clear();
        invalidateLayer(Picture);
    }
    if (mode_ == MouseMode::Arrows) {
        if (!graph_.digraph || graph_.weightsShown)
            setChanged(true);
        graph_.digraph = true;
        graph_.weightsShown = false;
        graph_.ComputeValences();
        updateGraphMenu();
    }
    if (mode_ == MouseMode::Arrows || before == MouseMode::Arrows)
        invalidateLayer(Picture);
}

void TGra0Win::setAllIcons(int icon)
{
    for (int v : graph_.presentVertices())
        graph_.setLabelState(v, labelState(graph_.label(v).textKind(), icon));
    graph_.newLabelState = labelState(graph_.newLabelState / 8, icon);
    graphChanged();
}

void TGra0Win::setAllTexts(int text)
{
    for (int v : graph_.presentVertices())
        graph_.setLabelState(v, labelState(text, graph_.label(v).icon()));
    graph_.newLabelState = labelState(text, graph_.newLabelState % 8);
    graphChanged();
}

void TGra0Win::setAllOffsets(int16_t dx, int16_t dy)
{
    for (int v : graph_.presentVertices())
        graph_.setLabelOffset(v, dx, dy);
    graphChanged();
}

int TGra0Win::setLabels(const std::string& names, int icon, int text)
{
    std::vector<int> chosen;
    std::string word;
    // A name of no present vertex is passed over.
    auto take = [&]() {
        const int v = word.empty() ? -1 : slotOfName(word, graph_.slots());
        word.clear();
        if (graph_.present(v))
            chosen.push_back(v);
    };
    for (char c : names) {
        if (isAsciiSpace(c) || c == ',' || c == ';')
            take();
        else
            word += c;
    }
    take();
    if (chosen.empty())
        return codeOf(Msg::InconsistentData);
    for (int v : chosen)
        graph_.setLabelState(v, labelState(text, icon));
    graphChanged();
    return 0;
}

void TGra0Win::autofit(bool remember)
{
    const std::vector<int> vs = graph_.presentVertices();
    if (vs.empty())
        return;
    Real xmin = graph_.x(vs[0]), xmax = xmin, ymin = graph_.y(vs[0]), ymax = ymin;
    for (int v : vs) {
        xmin = std::min(xmin, graph_.x(v));
        xmax = std::max(xmax, graph_.x(v));
        ymin = std::min(ymin, graph_.y(v));
        ymax = std::max(ymax, graph_.y(v));
    }
    const ViewState& view = pv_.view;
    const Real aspect = static_cast<Real>(std::max(1, view.H)) / std::max(1, view.W);
    // Half the width that shows both extents, with a margin of a sixth.
    Real rx = std::max((xmax - xmin) / 2, (ymax - ymin) / 2 / aspect) * 1.2L;
    if (!(rx > 0) || !std::isfinite(rx))
        rx = 1;
    const Real cx = xmin / 2 + xmax / 2, cy = ymin / 2 + ymax / 2;
    if (!remember) {
        if (pv_.checkCentre(cx, cy, rx) == 0) {
            pv_.storeCentre(cx, cy, rx);
            viewChanged();
        }
        return;
    }
    if (int code = setViewByCentre(cx, cy, rx))
        message(code);
}

// --- hit testing -------------------------------------------------------------------------

plat::Point TGra0Win::devicePoint(int v) const
{
    const DevicePoint d = pv_.view.WorldToDevice(graph_.x(v), graph_.y(v));
    return {d.x, d.y};
}

int TGra0Win::vertexAt(plat::Point p, int radius) const
{
    for (int v = 0; v <= graph_.maxIndex(); ++v) {
        if (!graph_.present(v))
            continue;
        const plat::Point d = devicePoint(v);
        if (std::abs(d.x - p.x) <= radius && std::abs(d.y - p.y) <= radius)
            return v;
    }
    return -1;
}

bool TGra0Win::edgeAt(plat::Point p, int& a, int& b) const
{
    for (int hi = 0; hi <= graph_.maxIndex(); ++hi) {
        if (!graph_.present(hi))
            continue;
        for (int lo = 0; lo < hi; ++lo) {
            if (!graph_.present(lo) || !graph_.Adjacent(lo, hi))
                continue;
            const plat::Point u = devicePoint(lo), w = devicePoint(hi);
            const long long mx2 = static_cast<long long>(u.x) + w.x, my2 = static_cast<long long>(u.y) + w.y;
            if (std::llabs(mx2 - 2LL * p.x) + std::llabs(my2 - 2LL * p.y) <= 2LL * kEdgeRadius) {
                a = lo;
                b = hi;
                return true;
            }
        }
    }
    return false;
}

int TGra0Win::labelAt(plat::Point p) const
{
    for (int v = 0; v <= graph_.maxIndex(); ++v) {
        if (!graph_.present(v) || labelText(v).empty())
            continue;
        const LabelRecord& r = graph_.label(v);
        if (p.x >= r.deviceX && p.x < r.deviceX + r.width && p.y >= r.deviceY && p.y < r.deviceY + r.height)
            return v;
    }
    return -1;
}

std::string TGra0Win::labelText(int v) const
{
    const LabelRecord& r = graph_.label(v);
    switch (r.textKind()) {
    case TextAlphabet: return slotName(v);
    case TextUser: return r.text();
    case TextValence:
        return graph_.digraph ? formatInt(graph_.outValence(v)) + "/" + formatInt(graph_.inValence(v))
                              : formatInt(graph_.outValence(v));
    default: return "";
    }
}

// --- the mouse -----------------------------------------------------------------------------

void TGra0Win::mouse(const plat::MouseEvent& e)
{
    switch (mode_) {
    case MouseMode::Drawing: drawingMouse(e); break;
    case MouseMode::VertexMove: moveMouse(e); break;
    case MouseMode::Text: textMouse(e); break;
    case MouseMode::Arrows: arrowsMouse(e); break;
    case MouseMode::Coordinates: coordinatesMouse(e); break;
    case MouseMode::Rotate: rotateMouse(e); break;
    default: break;
    }
}

void TGra0Win::drawingMouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 2) {
        const int v = vertexAt(e.pos, kClickRadius);
        if (v >= 0) {
            if (redrawDeletion_) {
                graph_.DeleteVertex(v);
                graph_.ClearSolution(true);
                graphChanged();
            }
            return;
        }
        const WPoint w = pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        if (int code = graph_.AddVertexAt(w.x, w.y)) {
            message(code);
            return;
        }
        graph_.ClearSolution(true);
        graphChanged();
        return;
    }
    if (e.kind == plat::MouseEvent::Press && e.button == 1) {
        dragVertex_ = vertexAt(e.pos, kDragRadius);
        return;
    }
    if (e.kind == plat::MouseEvent::Release && e.button == 1 && dragVertex_ >= 0) {
        const int a = dragVertex_;
        dragVertex_ = -1;
        const int b = vertexAt(e.pos, kDragRadius);
        if (b < 0 || b == a || !graph_.present(a))
            return;
        if (!graph_.Adjacent(a, b)) {
            graph_.AddEdge(a, b);
        } else if (redrawDeletion_) {
            graph_.DeleteEdge(a, b);
        } else {
            return;
        }
        graph_.ClearSolution(true);
        graphChanged();
    }
}

void TGra0Win::moveMouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 2) {
        const int v = vertexAt(e.pos, kClickRadius);
        if (v < 0)
            return;
        graph_.setLabelState(v, nextLabelState(graph_.label(v).state));
        graphChanged();
        return;
    }
    if (e.kind == plat::MouseEvent::Press && e.button == 1) {
        dragVertex_ = vertexAt(e.pos, kDragRadius);
        dragMoved_ = false;
        return;
    }
    if ((e.kind == plat::MouseEvent::Move || e.kind == plat::MouseEvent::Release) && dragVertex_ >= 0) {
        const WPoint w = pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        if (graph_.present(dragVertex_) && std::isfinite(w.x) && std::isfinite(w.y)) {
            graph_.setPosition(dragVertex_, w.x, w.y);
            dragMoved_ = true;
            invalidateLayer(Picture);
        }
        if (e.kind == plat::MouseEvent::Release) {
            dragVertex_ = -1;
            if (dragMoved_)
                graphChanged();
        }
    }
}

void TGra0Win::textMouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 2) {
        const int v = vertexAt(e.pos, kClickRadius);
        if (v >= 0) {
            editLabel(v);
            return;
        }
        int a = -1, b = -1;
        if (edgeAt(e.pos, a, b))
            editWeight(a, b);
        return;
    }
    if (e.kind == plat::MouseEvent::Press && e.button == 1) {
        dragLabel_ = labelAt(e.pos);
        dragFrom_ = e.pos;
        return;
    }
    if ((e.kind == plat::MouseEvent::Move || e.kind == plat::MouseEvent::Release) && dragLabel_ >= 0) {
        const LabelRecord& r = graph_.label(dragLabel_);
        const long long dx = r.dx + static_cast<long long>(e.pos.x - dragFrom_.x);
        const long long dy = r.dy + static_cast<long long>(e.pos.y - dragFrom_.y);
        graph_.setLabelOffset(dragLabel_, static_cast<int16_t>(std::clamp<long long>(dx, -32768, 32767)),
                              static_cast<int16_t>(std::clamp<long long>(dy, -32768, 32767)));
        dragFrom_ = e.pos;
        invalidateLayer(Picture);
        if (e.kind == plat::MouseEvent::Release) {
            dragLabel_ = -1;
            graphChanged();
        }
    }
}

void TGra0Win::arrowsMouse(const plat::MouseEvent& e)
{
    if (e.kind != plat::MouseEvent::Press || e.button != 2)
        return;
    int a = -1, b = -1;
    if (!edgeAt(e.pos, a, b))
        return;
    graph_.cycleDirection(a, b);
    graph_.ClearSolution(true);
    graphChanged();
}

void TGra0Win::editLabel(int v)
{
    std::string text = graph_.label(v).text();
    if (!inputText(S(Str::Input), S(Str::LabelWord) + " " + slotName(v), text, LabelRecord::kMaxText))
        return;
    graph_.setLabelText(v, text);
    // A typed label shows at once.
    if (graph_.label(v).textKind() != TextUser)
        graph_.setLabelState(v, labelState(TextUser, graph_.label(v).icon()));
    graphChanged();
}

void TGra0Win::editWeight(int a, int b)
{
    std::string text = formatInt(graph_.Weight(a, b));
    if (!inputText(S(Str::Input), S(Str::WeightWord) + " " + slotName(a) + slotName(b), text, 20))
        return;
    long long w = 0;
    if (!parseDecimalInteger(text, w)) {
        message(Msg::CannotUnderstand);
        return;
    }
    if (int code = graph_.editWeight(a, b, w)) {
        message(code);
        return;
    }
    graph_.ClearSolution(true);
    graphChanged();
}

// --- the file ------------------------------------------------------------------------------

GraDocument TGra0Win::documentData() const
{
    GraDocument d(graph_.slots());
    d.header = headerState();
    d.graph = graph_;
    d.settings = fileSettings_;
    d.settings.decimals = static_cast<int16_t>(std::clamp(decimals(), 0, kMaxDecimalPlaces));
    d.settings.mouseMode = static_cast<int16_t>(mode_);
    d.settings.iconSize = static_cast<int16_t>(iconSize_);
    d.settings.gridRows = gridRows_;
    d.settings.gridColumns = gridColumns_;
    d.settings.circleCount = circleCount_;
    d.flags = fileFlags_;
    const ViewState& v = pv_.view;
    d.view = {v.cx, v.cy, v.rx, v.ry, pv_.ZoomFactor, pv_.ShiftFraction};
    d.overlays = overlays_;
    d.extension = extension_;
    d.notebook = notebookText();
    return d;
}

void TGra0Win::loadDocument(const GraDocument& d)
{
    graph_ = d.graph;
    graph_.ClearSolution(true);
    graph_.modified = false;
    graph_.ComputeValences();
    fileSettings_ = d.settings;
    fileFlags_ = d.flags;
    overlays_ = d.overlays;
    extension_ = d.extension;
    applyHeaderState(d.header);
    setDecimals(d.settings.decimals);
    iconSize_ = d.settings.iconSize;
    gridRows_ = d.settings.gridRows;
    gridColumns_ = d.settings.gridColumns;
    circleCount_ = d.settings.circleCount;
    // The view as saved when it is a view at all, else one that shows the graph.
    const Real cx = d.view[0], cy = d.view[1], rx = d.view[2];
    if (pv_.checkCentre(cx, cy, rx) == 0)
        pv_.storeCentre(cx, cy, rx);
    // A zoom factor or shift the View commands could not use is left out.
    if (d.view[4] >= 1e-16L && d.view[4] <= 1e16L)
        pv_.ZoomFactor = d.view[4];
    if (d.view[5] >= 1e-18L && d.view[5] <= 1e14L)
        pv_.ShiftFraction = d.view[5];
    notebook().setNotes(d.notebook);
    // The file's mode as it is: its switches were read with it.
    mode_ = static_cast<MouseMode>(d.settings.mouseMode);
    updateModeChecks();
    if (!(pv_.checkCentre(cx, cy, rx) == 0))
        autofit();
    updateGraphMenu();
    invalidateLayers();
}

int TGra0Win::readDocument(const std::string& path)
{
    GraDocument d(graph_.slots());
    d.header = headerState();
    if (int code = readGra(path, d))
        return code;
    loadDocument(d);
    return 0;
}

namespace {
struct GraphKept : TVELWing::KeptState {
    explicit GraphKept(const Graph& g) : graph(g) {}
    Graph graph;
};
} // namespace

std::unique_ptr<TVELWing::KeptState> TGra0Win::keepState() { return std::make_unique<GraphKept>(graph_); }

void TGra0Win::restoreState(const KeptState& kept)
{
    const auto* k = dynamic_cast<const GraphKept*>(&kept);
    if (!k || k->graph.slots() != graph_.slots())
        return;
    graph_ = k->graph;
    updateGraphMenu();
    invalidateLayers();
}

bool TGra0Win::writeDocument(const std::string& path)
{
    const GraDocument d = documentData();
    const int code = writeGra(path, d);
    writeCode_ = code ? code : codeOf(Msg::CannotSaveFile);
    if (code == 0)
        graph_.modified = false;
    return code == 0;
}

void TGra0Win::storeParameters(SettingsState& s) const
{
    auto& w = s.first.ints[0];
    w[kWordIconSize] = iconSize_;
    w[kWordLabelState] = graph_.newLabelState;
    w[kWordRedraw] = redrawDeletion_ ? 2 : 1;
    w[kWordZeroBased] = zeroBased_ ? 2 : 1;
    w[kWordGridRows] = gridRows_;
    w[kWordGridColumns] = gridColumns_;
    w[kWordCircle] = circleCount_;
    s.first.ints[1][0] = thicken_ + 1;
    s.first.reals[0][0] = angle_;
    s.first.flags[0][0] = 1;
}

void TGra0Win::loadParameters(const SettingsState& s)
{
    const auto& w = s.first.ints[0];
    if (iconSizeValid(w[kWordIconSize]))
        iconSize_ = w[kWordIconSize];
    if (labelStateValid(w[kWordLabelState]))
        graph_.newLabelState = w[kWordLabelState];
    if (w[kWordRedraw] == 1 || w[kWordRedraw] == 2)
        redrawDeletion_ = w[kWordRedraw] == 2;
    if (w[kWordZeroBased] == 1 || w[kWordZeroBased] == 2)
        zeroBased_ = w[kWordZeroBased] == 2;
    if (w[kWordGridRows] >= 1 && w[kWordGridColumns] >= 1 &&
        static_cast<long long>(w[kWordGridRows]) * w[kWordGridColumns] <= graph_.slots()) {
        gridRows_ = static_cast<int16_t>(w[kWordGridRows]);
        gridColumns_ = static_cast<int16_t>(w[kWordGridColumns]);
    }
    if (w[kWordCircle] >= 3 && w[kWordCircle] <= graph_.slots())
        circleCount_ = static_cast<int16_t>(w[kWordCircle]);
    if (s.first.ints[1][0] >= 1 && s.first.ints[1][0] <= 101)
        thicken_ = s.first.ints[1][0] - 1;
    if (s.first.flags[0][0] == 1 && std::isfinite(s.first.reals[0][0]))
        angle_ = s.first.reals[0][0];
    updateGraphMenu();
}

// --- the picture -----------------------------------------------------------------------------

void TGra0Win::drawPicture(plat::DC& dc)
{
    const ViewState& view = pv_.view;
    const Graph& g = graph_;
    const int edgeColor = colorRole(RoleEdges), vertexColor = colorRole(RoleVertices),
              labelColor = colorRole(RoleLabels), weightColor = colorRole(RoleWeights),
              solutionColor = colorRole(RoleSolution), arrowColor = colorRole(RoleArrowheads);
    const std::vector<int> vs = g.presentVertices();
    std::vector<WPoint> at(static_cast<size_t>(g.slots()));
    std::vector<plat::Point> dev(static_cast<size_t>(g.slots()));
    for (int v : vs) {
        at[static_cast<size_t>(v)] = {g.x(v), g.y(v)};
        dev[static_cast<size_t>(v)] = devicePoint(v);
    }
    const std::vector<std::pair<int, int>> edges = g.edges();

    drawUnderGraph(dc);
    if (graphHidden())
        return;
    // The edges, then the solution's edges over them.
    const int extra = extraPenWidth();
    const PenSpec edgePen{static_cast<int16_t>(edgeColor), static_cast<int16_t>(1 + extra), DashSolid};
    if (!solutionOnly())
        for (const auto& [a, b] : edges)
            prims_.DrawSegment(dc, at[static_cast<size_t>(a)], at[static_cast<size_t>(b)], edgePen);
    // A colouring's list holds (vertex, colour) pairs, not edges.
    const size_t shownEdges = g.solution.mode == DisplayMode::WelshPowell ? 0 : g.solution.edges.size();
    for (size_t k = 0; k < shownEdges; ++k) {
        const auto [a, b] = g.solution.edges[k];
        const PenSpec solutionPen{static_cast<int16_t>(g.solution.edgeColors.empty() ? solutionColor
                                                                                    : solutionEdgeColor(k)),
                                  static_cast<int16_t>(3 + extra), DashSolid};
        if (g.present(a) && g.present(b))
            prims_.DrawSegment(dc, at[static_cast<size_t>(a)], at[static_cast<size_t>(b)], solutionPen);
    }

    // Arrowheads: near the end an edge may be traversed to, outside the icon.
    if (g.digraph) {
        const Real back = 10, half = 4;
        auto head = [&](int from, int to) {
            const plat::Point p = dev[static_cast<size_t>(from)], q = dev[static_cast<size_t>(to)];
            const Real ux = q.x - p.x, uy = q.y - p.y;
            const Real len = std::sqrt(ux * ux + uy * uy);
            const Real gap = iconSize_ / 2.0L + 2;
            if (len <= gap + back)
                return;
            const Real ex = ux / len, ey = uy / len;
            const Real tx = q.x - ex * gap, ty = q.y - ey * gap;
            const Real bx = tx - ex * back, by = ty - ey * back;
            const WPoint tip = view.DeviceToWorld(tx, ty);
            const WPoint b1 = view.DeviceToWorld(bx - ey * half, by + ex * half);
            const WPoint b2 = view.DeviceToWorld(bx + ey * half, by - ex * half);
            prims_.DrawArrowhead(dc, b1, tip, b2, arrowColor, pv_.axes.solidArrowheads);
        };
        for (const auto& [a, b] : edges) {
            const int d = g.Direction(a, b);
            if (d == 1 || d == 2)
                head(a, b);
            if (d == -1 || d == 2)
                head(b, a);
        }
    }

    // Weights at the midpoints.
    if (g.weightsShown) {
        for (const auto& [a, b] : solutionOnly() ? g.solution.edges : edges) {
            const plat::Point p = dev[static_cast<size_t>(a)], q = dev[static_cast<size_t>(b)];
            LabelSpec s;
            s.text = formatInt(g.Weight(a, b));
            s.color = weightColor;
            s.fontSlot = FontWeights;
            s.hAnchor = 0;
            s.vAnchor = 0;
            s.opaque = colorRole(0);
            prims_.DrawLabel(dc, (p.x + q.x) / 2.0L, (p.y + q.y) / 2.0L, s);
        }
    }

    // The vertices and their labels.
    for (int v : vs) {
        const LabelRecord& rec = g.label(v);
        const WPoint c = at[static_cast<size_t>(v)];
        drawIcon(dc, c, rec.icon(), vertexColor);
        const std::string text = labelText(v);
        if (text.empty())
            continue;
        // Above and to the right of the mark, moved by the label's offset
        // (in pixels, x to the right and y down).
        const plat::Point p = dev[static_cast<size_t>(v)];
        const Real gap = iconSize_ / 2.0L + 2;
        LabelSpec s;
        s.text = text;
        s.color = labelColor;
        s.fontSlot = FontLabels;
        s.hAnchor = 1;
        s.vAnchor = 1;
        const LabelPlacement lp = prims_.DrawLabel(dc, p.x + gap + rec.dx, p.y - gap + rec.dy, s);
        auto clamp16 = [](long long x) { return static_cast<int16_t>(std::clamp<long long>(x, -32768, 32767)); };
        graph_.setLabelCache(v, clamp16(lp.topLeft.x), clamp16(lp.topLeft.y), clamp16(lp.extent.w),
                             clamp16(lp.extent.h));
    }

    drawOverVertices(dc);

    // Coordinates mode: the point under the pressed button.
    if (!coordText_.empty() && drawingScreen()) {
        LabelSpec s;
        s.text = coordText_;
        s.color = colorRole(RoleCoordinates);
        s.fontSlot = FontCoordinates;
        // Beside the point, on the side facing the middle of the window,
        // so that the text stays inside it.
        const bool left = coordAt_.x > view.ox + view.W / 2, below = coordAt_.y < view.oy + view.H / 2;
        s.hAnchor = left ? -1 : 1;
        s.vAnchor = below ? -1 : 1;
        s.opaque = colorRole(0);
        prims_.DrawLabel(dc, coordAt_.x + (left ? -8.0L : 8.0L), coordAt_.y + (below ? 8.0L : -8.0L), s);
    }

    // The summary in the lower left corner.
    if (!g.solution.summary.empty()) {
        LabelSpec s;
        s.text = g.solution.summary;
        s.color = colorRole(RoleSummary);
        s.fontSlot = FontSummary;
        s.hAnchor = 1;
        s.vAnchor = 1;
        prims_.DrawLabel(dc, view.ox + 4.0L, view.oy + view.H - 4.0L, s);
    }
}

void TGra0Win::drawIcon(plat::DC& dc, WPoint c, int icon, int color)
{
    const int extra = extraPenWidth();
    const Real r = iconSize_ * pv_.view.dx;
    if (icon == IconCircle || extra > 0) {
        // Outlines of the given width (the screen's marks have width 1).
        FillSpec f;
        f.fill = icon == IconBullet || icon == IconSolidBox ? color : -1;
        f.hollow = icon == IconEmptyBox;
        f.outline = color;
        f.width = 1 + extra;
        if (icon == IconBullet || icon == IconCircle) {
            prims_.WriteCircle(dc, c, r, f);
        } else if (icon == IconSolidBox || icon == IconEmptyBox) {
            const Real ry = iconSize_ * pv_.view.dy;
            prims_.WritePolygon(dc, {{c.x - r, c.y - ry}, {c.x + r, c.y - ry}, {c.x + r, c.y + ry}, {c.x - r, c.y + ry}},
                                f);
        }
        return;
    }
    switch (icon) {
    case IconBullet: prims_.WriteIcon(dc, c, 1, iconSize_, color); break;
    case IconSolidBox: prims_.WriteIcon(dc, c, 0, iconSize_, color); break;
    case IconEmptyBox: prims_.WriteIcon(dc, c, 7, iconSize_, color); break;
    default: break;
    }
}

// --- the command layer -----------------------------------------------------------------------

TGraWin::TGraWin(TQuanFrame* frame, DocInit init, int slots) : TGra0Win(frame, std::move(init), slots) {}

plat::Menu TGraWin::menuBar() const { return menuResource("GRFMENU"); }
std::vector<plat::Accelerator> TGraWin::accelerators() const { return acceleratorResource("GRFMENU"); }

std::string TGraWin::menuHelpName(int id) const
{
    switch (id) {
    case grcmd::HelpFile: return "QNGFILEH";
    case grcmd::HelpEdit: return "QNGEDITH";
    case grcmd::HelpView: return "QNGVIEWH";
    case grcmd::HelpBtns: return "QNGBTNSH";
    case grcmd::HelpMisc: return "QNGMISCH";
    case grcmd::HelpAlgo: return "QNGALGOH";
    case grcmd::HelpViewer: return "QNGNOTAH";
    case grcmd::HelpNew: return "QNGGENH";
    default: return "";
    }
}

int TGraWin::cmPaste(int id)
{
    // Coordinates and Adjacencies replace the graph: the user may save first.
    if (id != grcmd::PasteWeights && !saveChangesGate())
        return -1;
    const std::string text = plat::Platform::get().clipboardText();
    int code = 0;
    switch (id) {
    case grcmd::PasteCoordinates: code = pasteCoordinates(graph_, text, zeroBased_); break;
    case grcmd::PasteAdjacencies: code = pasteAdjacencies(graph_, text); break;
    default: code = pasteWeights(graph_, text); break;
    }
    if (code) {
        message(code);
        return code;
    }
    graphChanged();
    // Arrows mode works on a digraph: a paste that brings none ends it.
    if (mode_ == MouseMode::Arrows && !graph_.digraph)
        setMouseMode(MouseMode::Drawing);
    if (id == grcmd::PasteCoordinates)
        autofit();
    return 0;
}

void TGraWin::cmDefinition()
{
    DefinitionOptions o;
    o.decimals = std::clamp(decimals(), 0, kMaxDecimalPlaces);
    o.zeroBased = zeroBased_;
    TNoteWin& n = notebook();
    std::string notes = n.notes();
    o.notebookChars = notes.size();
    o.words.vertices = S(Str::Vertices);
    o.words.edges = S(Str::Edges);
    o.words.weights = S(Str::Weights);
    o.words.directions = S(Str::Directions);
    o.words.noMoreRoom = messageText(codeOf(Msg::NoMoreRoom));
    std::string text;
    const int code = definitionText(graph_, o, text);
    if (!notes.empty() && notes.back() != '\n')
        text = "\r\n" + text;
    if (!text.empty()) {
        n.setNotes(notes + text);
        n.show();
        setChanged(true);
    }
    if (code)
        message(code);
}

void TGraWin::cmData()
{
    GraphTextWords words;
    words.vertices = S(Str::Vertices);
    words.edges = S(Str::Edges);
    words.components = S(Str::Components);
    std::string text = dataText(graphData(graph_), words);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    ask(plat::MessageKind::Ok, text, S(Str::Quandel));
}

void TGraWin::cmIconSize()
{
    long long size = iconSize_;
    if (!inputInteger(Str::Input, Str::IconSize, size))
        return;
    if (int code = setIconSize(size))
        message(code);
}

namespace {

// The commands that clear the solution: while the temporary distance-rank
// graph is shown they remove it first (Kruskal and Prim build it anew).
bool clearsSolution(int id)
{
    switch (id) {
    case grcmd::PasteCoordinates:
    case grcmd::PasteAdjacencies:
    case grcmd::PasteWeights:
    case grcmd::PasteGraph6:
    case grcmd::PasteLcf:
    case grcmd::HamiltonianCircuit:
    case grcmd::HamiltonianPath:
    case grcmd::HamiltonianExact:
    case grcmd::TspNearest:
    case grcmd::TspSorted:
    case grcmd::TspRandom:
    case grcmd::TspBest:
    case grcmd::TspImprove:
    case grcmd::TspOptimal:
    case grcmd::Eulerian:
    case grcmd::Refresh:
    case grcmd::Color:
    case grcmd::Dijkstra:
    case grcmd::Orient:
    case grcmd::Complement:
    case grcmd::Complete:
    case grcmd::Distances: return true;
    default: return false;
    }
}

bool isPaste(int id)
{
    switch (id) {
    case grcmd::PasteCoordinates:
    case grcmd::PasteAdjacencies:
    case grcmd::PasteWeights:
    case grcmd::PasteGraph6:
    case grcmd::PasteLcf: return true;
    default: return false;
    }
}

// Commands of that list which ask to save changes before their work.
bool asksToSaveFirst(int id)
{
    switch (id) {
    case grcmd::PasteCoordinates:
    case grcmd::PasteAdjacencies:
    case grcmd::PasteGraph6:
    case grcmd::PasteLcf:
    case grcmd::Eulerian:
    case grcmd::Orient:
    case grcmd::Complement:
    case grcmd::Complete:
    case grcmd::Distances: return true;
    default: return false;
    }
}

} // namespace

void TGraWin::command(int id)
{
    dispatchCommand(id);
    // Every command leaves the menu's enabling and check marks as the
    // window now stands.
    updateGraphMenu();
}

void TGraWin::dispatchCommand(int id)
{
    const SqrectWatch watch(*this, id);
    if (sqrectCommand(id))
        return;
    // A paste that is refused leaves the window as it was: the tree on the
    // temporary graph comes back (the graph under it was not changed).
    struct TreeKeeper {
        Graph& graph;
        std::unique_ptr<Graph> withTree, without;
        ~TreeKeeper()
        {
            if (withTree && graph == *without)
                graph = *withTree;
        }
    } keeper{graph_, nullptr, nullptr};
    if (graph_.distanceRank && clearsSolution(id)) {
        // The question comes first: a cancelled command leaves the tree and
        // its temporary graph as they are. (The command's own question is
        // then not asked again: the changes were saved or given up.)
        if (asksToSaveFirst(id) && !saveChangesGate())
            return;
        // Dijkstra removes it once its root prompt is answered.
        if (id != grcmd::Dijkstra) {
            if (isPaste(id))
                keeper.withTree = std::make_unique<Graph>(graph_);
            dropDistanceRankGraph(graph_);
            if (keeper.withTree)
                keeper.without = std::make_unique<Graph>(graph_);
            invalidateLayer(Picture);
        }
    }
    switch (id) {
    case grcmd::Kruskal:
    case grcmd::Prim:
    case grcmd::Dijkstra:
    case grcmd::Color:
    case grcmd::Orient:
    case grcmd::Complement:
    case grcmd::Complete:
    case grcmd::Distances: cmTrees(id); return;
    case grcmd::WeightRange: cmWeightRange(); return;
    case grcmd::MinimalWeight:
        minimalWeight_ = !minimalWeight_;
        updateGraphMenu();
        return;
    case grcmd::WelshPowell:
        welshPowell_ = !welshPowell_;
        updateGraphMenu();
        return;
    case grcmd::UseNumbers:
        useNumbers_ = !useNumbers_;
        updateGraphMenu();
        invalidateLayer(Picture);
        return;
    case grcmd::SolutionOnly:
        solutionOnly_ = !solutionOnly_;
        updateGraphMenu();
        invalidateLayer(Picture);
        return;
    default: break;
    }
    if (notationCommand(id))
        return;
    if (generatorCommand(id))
        return;
    if (id >= grcmd::IconFirst && id <= grcmd::IconLast) {
        setAllIcons(id - grcmd::IconFirst);
        return;
    }
    if (id >= grcmd::TextFirst && id <= grcmd::TextLast) {
        setAllTexts(id - grcmd::TextFirst);
        return;
    }
    switch (id) {
    case grcmd::PasteCoordinates:
    case grcmd::PasteAdjacencies:
    case grcmd::PasteWeights: cmPaste(id); return;
    case grcmd::ZeroBased:
        zeroBased_ = !zeroBased_;
        updateGraphMenu();
        return;
    case grcmd::RedrawDeletion:
        redrawDeletion_ = !redrawDeletion_;
        updateGraphMenu();
        return;
    case grcmd::LabelsHome: setAllOffsets(0, 0); return;
    case grcmd::LabelsOffset: setAllOffsets(10, 10); return;
    case grcmd::SingleLabels:
        if (!labels_)
            labels_ = std::make_unique<TLabDlg>(*this);
        labels_->show();
        return;
    case grcmd::Weights: setWeightsShown(!graph_.weightsShown); return;
    case grcmd::Digraph: setDigraph(!graph_.digraph); return;
    case grcmd::Autofit:
        if (graph_.count() > 0)
            autofit();
        return;
    case grcmd::IconSize: cmIconSize(); return;
    case grcmd::Data: cmData(); return;
    case grcmd::Definition: cmDefinition(); return;
    case grcmd::HamiltonianCircuit:
    case grcmd::HamiltonianPath:
    case grcmd::HamiltonianExact:
    case grcmd::TspNearest:
    case grcmd::TspSorted:
    case grcmd::TspRandom:
    case grcmd::TspBest:
    case grcmd::TspImprove:
    case grcmd::TspOptimal:
    case grcmd::Eulerian: cmAlgo(id); return;
    case grcmd::Refresh:
        graph_.ClearSolution(false);
        updateGraphMenu();
        invalidateLayer(Picture);
        return;
    case grcmd::SlowMotion:
        slowMotion_ = !slowMotion_;
        updateGraphMenu();
        return;
    default: break;
    }
    TGra0Win::command(id);
}

// --- circuits and tours ------------------------------------------------------------------

void TGraWin::updateMenuHook()
{
    const bool three = graph_.count() > 2;
    for (int id : {grcmd::HamiltonianCircuit, grcmd::HamiltonianPath, grcmd::HamiltonianExact, grcmd::Eulerian})
        window_->enableMenuItem(id, three);
    const bool best = graph_.solution.bestTotal < kNoBestTotal;
    window_->enableMenuItem(grcmd::TspBest, best);
    window_->enableMenuItem(grcmd::TspImprove, best);
    window_->checkMenuItem(grcmd::SlowMotion, slowMotion_);
    window_->checkMenuItem(grcmd::MinimalWeight, minimalWeight_);
    window_->checkMenuItem(grcmd::WelshPowell, welshPowell_);
    window_->checkMenuItem(grcmd::UseNumbers, useNumbers_);
    window_->checkMenuItem(grcmd::SolutionOnly, solutionOnly_);
    updateGeneratorMenu();
    const bool two = graph_.count() > 1;
    window_->enableMenuItem(grcmd::Complete, two);
    window_->enableMenuItem(grcmd::Distances, two);
    window_->enableMenuItem(grcmd::PasteValences, !plat::Platform::get().clipboardText().empty());
    updateNotationMenu();
    updateSqrectMenu();
}

CircuitRun TGraWin::circuitRun()
{
    CircuitRun run;
    run.poll = [this] { return pollKey(); };
    const std::string base = namePart(fileName_);
    run.caption = [this, base](const std::string& t) {
        setCaption(base + "  " + t);
        if (window_)
            window_->update();
    };
    run.show = [this] {
        invalidateLayer(Picture);
        if (window_)
            window_->update();
    };
    run.slowMotion = slowMotion_;
    CircuitWords& w = run.words;
    w.hamiltonianCircuit = S(Str::HamiltonianCircuit);
    w.hamiltonianPath = S(Str::HamiltonianPath);
    w.nearestStartAt = S(Str::NearestStartAt);
    w.totalWeight = S(Str::TotalWeight);
    w.sortedEdges = S(Str::SortedEdgesCircuit);
    w.bestSoFar = S(Str::BestCircuitSoFar);
    w.eulerianCircuit = S(Str::EulerianCircuit);
    w.eulerianPath = S(Str::EulerianPath);
    w.pressQ = S(Str::PressQToQuit);
    w.spacebar = S(Str::SpacebarToAdvance);
    w.circuitsCounted = S(Str::HamiltonianCircuits);
    w.incomplete = S(Str::Incomplete);
    w.optimalTour = S(Str::OptimalTour);
    w.aboveOptimum = S(Str::AboveOptimum);
    return run;
}

void TGraWin::finishRun(CircuitRun& run)
{
    // Q in a slow-motion step turns slow motion off for good.
    slowMotion_ = run.slowMotion;
    refreshTitle();
    if (!run.notes.empty()) {
        // A record starts on a line of its own (a notation written before
        // may end without a line end).
        TNoteWin& n = notebook();
        std::string notes = n.notes();
        if (!notes.empty() && notes.back() != '\n')
            notes += "\r\n";
        n.setNotes(notes + run.notes);
        setChanged(true);
    }
    graph_.ComputeValences();
    updateGraphMenu();
    invalidateLayer(Picture);
}

bool TGraWin::askStartVertex(int& v)
{
    // The answer is read as an alphabetic name: propose the last vertex's.
    std::string text = graph_.maxIndex() >= 0 ? slotName(graph_.maxIndex()) : "";
    if (!input(Str::Input, Str::InitialVertex, text, 10))
        return false;
    if (int code = parseStartVertex(graph_, text, v)) {
        message(code);
        return false;
    }
    return true;
}

int TGraWin::cmAlgo(int id)
{
    Random& rng = Random::shared();
    int start = -1;
    // No tour below three vertices: refuse before asking for a start.
    if (id == grcmd::TspNearest && graph_.count() < 3) {
        message(codeOf(Msg::NothingToDo));
        return codeOf(Msg::NothingToDo);
    }
    if (id == grcmd::TspNearest && !askStartVertex(start))
        return -1;
    // The numbering overwrites the weights: the user may save first.
    if (id == grcmd::Eulerian && !saveChangesGate())
        return -1;
    const bool digraphBefore = graph_.digraph;
    CircuitRun run = circuitRun();
    int code = 0;
    switch (id) {
    case grcmd::HamiltonianCircuit: code = HamiltonianSearch(graph_, true, rng, run); break;
    case grcmd::HamiltonianPath: code = HamiltonianSearch(graph_, false, rng, run); break;
    case grcmd::HamiltonianExact: code = HamiltonianExact(graph_, run); break;
    case grcmd::TspNearest: code = NearestNeighbour(graph_, start, rng, run); break;
    case grcmd::TspSorted: code = SortedEdges(graph_, rng, run); break;
    case grcmd::TspRandom: code = RandomSearch(graph_, rng, run); break;
    case grcmd::TspBest: code = ShowBest(graph_, run.words); break;
    case grcmd::TspImprove: code = ImprovePairs(graph_, run); break;
    case grcmd::TspOptimal: code = TspOptimal(graph_, run); break;
    case grcmd::Eulerian: code = EulerianWalk(graph_, rng, run); break;
    default: return -1;
    }
    finishRun(run);
    if (graph_.digraph != digraphBefore && !graph_.digraph && mode_ == MouseMode::Arrows)
        setMouseMode(MouseMode::Drawing);
    if (id == grcmd::Eulerian && code == 0)
        setChanged(true);
    if (code)
        message(code);
    return code;
}

// --- trees, paths, colourings and the edge-set changes -----------------------------------

TreeWords TGraWin::treeWords() const
{
    TreeWords w;
    w.kruskalTree = S(Str::KruskalTree);
    w.primTree = S(Str::PrimTree);
    w.dijkstraRoot = S(Str::DijkstraRoot);
    w.colorsUsed = S(Str::ColorsUsed);
    w.orientation = S(Str::Orientation);
    w.notProvenMinimal = S(Str::NotProvenMinimal);
    w.colorsSoFar = S(Str::ColorsSoFar);
    w.lowerBound = S(Str::LowerBoundWord);
    return w;
}

int TGraWin::cmTrees(int id)
{
    Random& rng = Random::shared();
    const TreeWords tw = treeWords();
    const bool digraphBefore = graph_.digraph;
    int code = 0;
    switch (id) {
    case grcmd::Kruskal:
    case grcmd::Prim: {
        CircuitRun run = circuitRun();
        code = MinimalTree(graph_, id == grcmd::Prim, minimalWeight_, decimals(), rng, run, tw);
        // On the points' distance-rank graph only the tree is shown.
        if (code == 0 && graph_.distanceRank)
            solutionOnly_ = true;
        finishRun(run);
        break;
    }
    case grcmd::Dijkstra: {
        // An empty graph has no root to propose.
        if (graph_.count() == 0) {
            code = codeOf(Msg::NothingToDo);
            break;
        }
        int root = -1;
        if (!askStartVertex(root))
            return -1;
        // Answered: the temporary distance-rank graph of a tree on points
        // goes before the search (a cancelled prompt keeps the tree).
        dropDistanceRankGraph(graph_);
        CircuitRun run = circuitRun();
        std::vector<int32_t> dist;
        code = DijkstraTree(graph_, root, run, tw, &dist);
        if (code == 0)
            run.notes += graph_.solution.summary + "\r\n" + dijkstraPaths(graph_, root, dist) + "\r\n";
        finishRun(run);
        break;
    }
    case grcmd::Color: {
        CircuitRun run = circuitRun();
        code = ColourVertices(graph_, welshPowell_, rng, run, tw);
        finishRun(run);
        break;
    }
    case grcmd::Orient: {
        if (!saveChangesGate())
            return -1;
        CircuitRun run = circuitRun();
        code = OrientRandomly(graph_, rng, run, tw);
        finishRun(run);
        if (code == 0 && !run.stopped)
            graphChanged();
        break;
    }
    case grcmd::Complement:
    case grcmd::Complete:
        if (!saveChangesGate())
            return -1;
        if (id == grcmd::Complement)
            Complement(graph_);
        else
            MakeComplete(graph_);
        graphChanged();
        break;
    case grcmd::Distances: {
        if (!saveChangesGate())
            return -1;
        if (longestEdge(graph_) < 1e-13L) {
            code = codeOf(Msg::NothingToDo);
            break;
        }
        long long g = greatestWeight_;
        if (!inputInteger(Str::Input, Str::GreatestWeight, g))
            return -1;
        code = DistanceWeights(graph_, g);
        if (code == 0) {
            greatestWeight_ = g;
            graphChanged();
        }
        break;
    }
    default: return -1;
    }
    if (graph_.digraph != digraphBefore && !graph_.digraph && mode_ == MouseMode::Arrows)
        setMouseMode(MouseMode::Drawing);
    updateGraphMenu();
    invalidateLayer(Picture);
    if (code)
        message(code);
    return code;
}

int TGraWin::setWeightRange(long long low, long long high)
{
    if (low < 1 || high < low || high > kMaxWeight)
        return codeOf(Msg::OutOfBounds);
    weightLow_ = static_cast<int>(low);
    weightHigh_ = static_cast<int>(high);
    return 0;
}

int TGraWin::cmWeightRange()
{
    TDlg d("RNDRANGE", window_.get());
    d.dialog().setText(ctl::Field1, formatInt(weightLow_));
    d.dialog().setText(ctl::Field2, formatInt(weightHigh_));
    if (d.execute() != plat::IdOk)
        return -1;
    long long lo = 0, hi = 0;
    int code = 0;
    if (!parseInt(d.dialog().text(ctl::Field1), lo) || !parseInt(d.dialog().text(ctl::Field2), hi))
        code = codeOf(Msg::CannotUnderstand);
    else
        code = setWeightRange(lo, hi);
    if (code)
        message(code);
    return code;
}

void TGraWin::mouse(const plat::MouseEvent& e)
{
    // An edit by the mouse clears the solution: the temporary distance-rank
    // graph goes first.
    if (graph_.distanceRank && e.kind == plat::MouseEvent::Press &&
        (mode_ == MouseMode::Drawing || mode_ == MouseMode::Arrows || (mode_ == MouseMode::Text && e.button == 2))) {
        dropDistanceRankGraph(graph_);
        invalidateLayer(Picture);
    }
    TGra0Win::mouse(e);
}

bool TGraWin::writeDocument(const std::string& path)
{
    if (!graph_.distanceRank)
        return TGra0Win::writeDocument(path);
    // The file gets the graph without the temporary edges; the window keeps
    // showing the tree.
    const Graph shown = graph_;
    dropDistanceRankGraph(graph_);
    const bool ok = TGra0Win::writeDocument(path);
    const bool modified = graph_.modified;
    graph_ = shown;
    graph_.modified = modified;
    return ok;
}

void TGraWin::drawOverVertices(plat::DC& dc)
{
    const Graph& g = graph_;
    if (!g.solution.colorDisplay)
        return;
    for (int v : g.presentVertices()) {
        const int c = g.color(v);
        if (c <= 0)
            continue;
        const WPoint at{g.x(v), g.y(v)};
        if (useNumbers_) {
            const plat::Point p = devicePoint(v);
            LabelSpec s;
            s.text = formatInt(c);
            s.color = colorRole(RoleSummary);
            s.fontSlot = FontLabels;
            s.hAnchor = 1;
            s.vAnchor = 0;
            s.opaque = colorRole(0);
            prims_.DrawLabel(dc, p.x + iconSize_ / 2.0L + 2, p.y + iconSize_ / 2.0L + 8, s);
        } else {
            // A solid box in the colour's own entry of the colour table.
            prims_.WriteIcon(dc, at, 0, iconSize_ + 6, 3 + (c - 1) % 22);
        }
    }
}

} // namespace quan
