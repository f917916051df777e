// The graph window's generators: File New (circles, grids, a point, the
// random graphs, the cubic and other named graphs), Paste Valences with
// its Connected switch, and Edit Randomize. Each asks for its entries,
// builds the new graph apart (src/graphs/core/generators) and puts it in
// only when it succeeded: a refused entry shows its message and leaves the
// graph on screen as it was.
#include "graphs/grawin.h"

#include "core/msgcode.h"
#include "graphs/core/generators.h"

#include <algorithm>

namespace quan {

namespace {

// A whole number typed into a box; past the range of long long it
// saturates, so that the range check says "out of bounds".
bool readWhole(const std::string& text, long long& out) { return parseDecimalInteger(text, out); }

MiscGraph miscOf(int id)
{
    switch (id) {
    case grcmd::GoldnerHarary: return MiscGraph::GoldnerHarary;
    case grcmd::Grotzsch: return MiscGraph::Grotzsch;
    case grcmd::Desargues: return MiscGraph::Desargues;
    case grcmd::Heawood: return MiscGraph::Heawood;
    case grcmd::Holt: return MiscGraph::Holt;
    default: return MiscGraph::Utilities;
    }
}

// The index of a named graph6 example (its string id minus 1008, the id of
// the dodecahedron's), -1 for other commands.
int namedIndexOf(int id)
{
    switch (id) {
    case grcmd::Dodecahedron: return 0;
    case grcmd::FaulknerYounger42: return 1;
    case grcmd::FaulknerYounger44: return 2;
    case grcmd::Thomassen94: return 3;
    case grcmd::Tutte46: return 4;
    case grcmd::Herschel: return 5;
    case grcmd::Grinberg42: return 6;
    case grcmd::Grinberg44: return 7;
    case grcmd::Grinberg46: return 8;
    case grcmd::Barnette38: return 9;
    default: return -1;
    }
}

} // namespace

ExampleView TGraWin::generatorView() const
{
    const ViewState& v = pv_.view;
    return ExampleView{v.cx, v.cy, v.rx, v.ry};
}

void TGraWin::showGenerated(MouseMode mode)
{
    graphChanged();
    setNamed(false);
    if (mode_ != mode)
        setMouseMode(mode);
    autofit();
    refreshTitle();
}

bool TGraWin::askCount(Str title, Str prompt, const std::string& preset, int notNumber, long long& n, int& code)
{
    std::string text = preset;
    code = 0;
    if (!input(title, prompt, text, 20))
        return false;
    if (!readWhole(text, n)) {
        code = notNumber;
        message(code);
        return false;
    }
    return true;
}

int TGraWin::cmGenerator(int id)
{
    // A "no" to the save question clears the changed flag; when the new
    // graph is then refused, the old one is still unsaved.
    const bool wasChanged = changed();
    const int code = makeGraph(id);
    if (code != 0 && code != -1)
        setChanged(wasChanged);
    return code;
}

int TGraWin::makeGraph(int id)
{
    if (id == grcmd::PasteConnected) {
        connectedValences_ = !connectedValences_;
        updateGraphMenu();
        return 0;
    }
    if (id == grcmd::RandomReset && !planarSaved_)
        return codeOf(Msg::NothingToDo);
    if (!saveChangesGate())
        return -1;
    const ExampleView view = generatorView();
    Random& rng = Random::shared();
    int code = 0;
    long long n = 0;
    MouseMode mode = MouseMode::Drawing;
    // The refusal of the entries whose limits say "out of bounds": text
    // that is no whole number is refused the same way.
    const int outOfBounds = codeOf(Msg::OutOfBounds);
    switch (id) {
    case grcmd::NewCircle:
    case grcmd::NewComplete:
    case grcmd::NewCirclePoints:
    case grcmd::RandomTsp: {
        if (!askCount(Str::CircularArray, Str::Vertices, formatInt(circleCount_), outOfBounds, n, code))
            return code ? code : -1;
        if (id == grcmd::RandomTsp) {
            CircuitRun run = circuitRun();
            code = RandomTSP(graph_, n, view, rng, run);
            finishRun(run);
            mode = MouseMode::Text;
        } else {
            const CircleKind kind = id == grcmd::NewCircle     ? CircleKind::Cycle
                                    : id == grcmd::NewComplete ? CircleKind::Complete
                                                               : CircleKind::Points;
            code = MakeCircle(graph_, kind, n, {}, view);
        }
        if (code == 0)
            circleCount_ = static_cast<int16_t>(n);
        break;
    }
    case grcmd::NewCirculant: {
        TDlg d("CIRCULANT", window_.get());
        d.dialog().setText(ctl::Field1, formatInt(circleCount_));
        d.dialog().setText(ctl::Field2, separations_);
        if (d.execute() != plat::IdOk)
            return -1;
        const std::string list = d.dialog().text(ctl::Field2);
        std::vector<int> separations;
        if (!readWhole(d.dialog().text(ctl::Field1), n))
            code = codeOf(Msg::OutOfBounds);
        else if (n < 3 || n > graph_.slots())
            code = codeOf(Msg::OutOfBounds);
        else
            code = parseSeparations(list, n, separations);
        if (code == 0)
            code = MakeCircle(graph_, CircleKind::Circulant, n, separations, view);
        if (code == 0) {
            circleCount_ = static_cast<int16_t>(n);
            separations_ = list;
        }
        break;
    }
    case grcmd::NewGrid:
    case grcmd::NewGridPoints: {
        TDlg d("CITYMAP", window_.get());
        d.dialog().setText(ctl::Field1, formatInt(gridRows_));
        d.dialog().setText(ctl::Field2, formatInt(gridColumns_));
        if (d.execute() != plat::IdOk)
            return -1;
        long long rows = 0, columns = 0;
        if (!readWhole(d.dialog().text(ctl::Field1), rows) || !readWhole(d.dialog().text(ctl::Field2), columns))
            code = outOfBounds;
        else
            code = MakeGrid(graph_, rows, columns, id == grcmd::NewGrid, view);
        if (code == 0) {
            gridRows_ = static_cast<int16_t>(rows);
            gridColumns_ = static_cast<int16_t>(columns);
        }
        break;
    }
    case grcmd::NewPoint: {
        Graph h(graph_.slots());
        h.newLabelState = graph_.newLabelState;
        h.addVertexInSlot(0, view.cx, view.cy);
        h.ClearSolution(true);
        h.ComputeValences();
        h.modified = true;
        graph_ = std::move(h);
        graphChanged();
        setNamed(false);
        setMouseMode(MouseMode::Drawing);
        refreshTitle();
        return 0;
    }
    case grcmd::RandomKruskal:
        code = RandomKruskal(graph_, gridRows_, gridColumns_, weightLow_, weightHigh_, view, rng);
        break;
    case grcmd::RandomTree: {
        const int proposal = graph_.count() >= 3 ? graph_.count() : 5 + rng.below(8);
        if (!askCount(Str::Input, Str::Vertices, formatInt(proposal), codeOf(Msg::PositiveValue), n, code))
            return code ? code : -1;
        code = RandomTree(graph_, n, graph_.digraph, view, rng);
        break;
    }
    case grcmd::RandomPlanar:
        if (!askCount(Str::RandomPlanarGraph, Str::Vertices, formatInt(std::max(graph_.count(), 12)), outOfBounds, n,
                      code))
            return code ? code : -1;
        code = RandomPlanar(graph_, n, rng);
        if (code == 0)
            planarSaved_ = std::make_unique<Graph>(graph_);
        mode = MouseMode::VertexMove;
        break;
    case grcmd::RandomReset:
        graph_ = *planarSaved_;
        mode = MouseMode::VertexMove;
        break;
    case grcmd::PasteValences:
        code = GraphFromValencesText(graph_, plat::Platform::get().clipboardText(), connectedValences_, view, rng);
        break;
    case grcmd::Prism:
    case grcmd::Moebius: {
        const std::string proposal = id == grcmd::Prism ? formatInt(circleCount_) : "8";
        if (!askCount(Str::BasePolygon, Str::Vertices, proposal, outOfBounds, n, code))
            return code ? code : -1;
        code = RingGraph(graph_, n, 1, id == grcmd::Moebius, view);
        if (code == 0)
            circleCount_ = static_cast<int16_t>(n);
        break;
    }
    case grcmd::Petersen: {
        std::string vertices = "5", offset = "2";
        if (!input2(S(Str::StarPolygon), S(Str::Vertices), S(Str::Offset), vertices, offset, 20))
            return -1;
        long long k = 0;
        int kk = 0;
        if (!readWhole(vertices, n) || !readWhole(offset, k))
            code = codeOf(Msg::InconsistentData);
        else
            code = petersenOffset(n, k, graph_.slots(), kk);
        if (code == 0)
            code = RingGraph(graph_, n, kk, false, view);
        if (code == 0)
            circleCount_ = static_cast<int16_t>(n);
        break;
    }
    case grcmd::RandomizeConnections: RandomConnections(graph_, rng); break;
    case grcmd::RandomizeDirections: RandomDirections(graph_, rng); break;
    case grcmd::RandomizeWeights: RandomWeights(graph_, weightLow_, weightHigh_, rng); break;
    case grcmd::KnightBoard:
        if (!askCount(Str::Input, Str::BoardSize, "8", outOfBounds, n, code))
            return code ? code : -1;
        code = KnightBoard(graph_, n, view);
        break;
    case grcmd::Utilities:
    case grcmd::GoldnerHarary:
    case grcmd::Grotzsch:
    case grcmd::Desargues:
    case grcmd::Heawood:
    case grcmd::Holt: code = LoadMiscGraph(graph_, miscOf(id), view); break;
    case grcmd::StatesMap: code = LoadStatesMap(graph_, view); break;
    default: {
        const int index = namedIndexOf(id);
        if (index < 0)
            return codeOf(Msg::NothingToDo);
        FaceList faces;
        code = LoadNamedGraph6(graph_, S(static_cast<int>(Str::Graph6Dodecahedron) + index), view, faces);
        if (code == 0 && !faces.empty()) {
            faces_ = std::move(faces);
            facesEdges_ = graph_.edges();
            showGenerated(mode);
            graph_.solution.setSummary(polyhedralSummary());
            invalidateLayer(Picture);
            return 0;
        }
        break;
    }
    }
    if (code) {
        message(code);
        return code;
    }
    const bool randomize =
        id == grcmd::RandomizeConnections || id == grcmd::RandomizeDirections || id == grcmd::RandomizeWeights;
    if (randomize) {
        graphChanged();
        return 0;
    }
    showGenerated(mode);
    return 0;
}

bool TGraWin::generatorCommand(int id)
{
    switch (id) {
    case grcmd::NewCircle:
    case grcmd::NewComplete:
    case grcmd::NewCirclePoints:
    case grcmd::NewCirculant:
    case grcmd::NewGrid:
    case grcmd::NewGridPoints:
    case grcmd::NewPoint:
    case grcmd::RandomTsp:
    case grcmd::RandomKruskal:
    case grcmd::RandomTree:
    case grcmd::RandomPlanar:
    case grcmd::RandomReset:
    case grcmd::PasteValences:
    case grcmd::PasteConnected:
    case grcmd::Prism:
    case grcmd::Moebius:
    case grcmd::Petersen:
    case grcmd::RandomizeConnections:
    case grcmd::RandomizeDirections:
    case grcmd::RandomizeWeights:
    case grcmd::Utilities:
    case grcmd::GoldnerHarary:
    case grcmd::Grotzsch:
    case grcmd::Desargues:
    case grcmd::Heawood:
    case grcmd::Holt:
    case grcmd::KnightBoard:
    case grcmd::StatesMap: cmGenerator(id); return true;
    case grcmd::PolyhedralTest:
    case grcmd::NextView:
    case grcmd::Schlegel: cmPolyhedral(id); return true;
    default: break;
    }
    if (namedIndexOf(id) >= 0) {
        cmGenerator(id);
        return true;
    }
    return false;
}

std::string TGraWin::polyhedralSummary() const
{
    std::string s = formatInt(graph_.count());
    s += "-";
    s += S(Str::VertexExample);
    if (facesKnown()) {
        s += " (";
        s += S(Str::FaceView);
        s += " ";
        s += formatInt(faces_.view + 1);
        s += "/";
        s += formatInt(faces_.count());
        s += ")";
    }
    return s;
}

int TGraWin::cmPolyhedral(int id)
{
    const ExampleView view = generatorView();
    int code = 0;
    if (id == grcmd::PolyhedralTest) {
        // At most 1000 faces tried, the caption saying Q stops the search.
        Graph h = graph_;
        FaceList faces;
        CircuitRun run = circuitRun();
        run.setCaption(run.words.pressQ);
        code = polyhedralSearch(h, view, faces, 1000, [&run] { return run.pollKey() == 'Q'; });
        refreshTitle();
        if (code == -1)
            return -1; // stopped: the graph stays as it was
        if (code == 0) {
            graph_ = std::move(h);
            faces_ = std::move(faces);
        }
    } else if (id == grcmd::NextView) {
        if (!facesKnown())
            return codeOf(Msg::NothingToDo);
        const int next = (faces_.view + 1) % faces_.count();
        code = SchlegelOnFace(graph_, faces_.faces[static_cast<size_t>(next)], view);
        if (code == 0)
            faces_.view = next;
    } else {
        std::string text;
        if (!input(Str::Input, Str::Vertices, text))
            return -1;
        std::vector<int> face;
        std::string name;
        auto flush = [&] {
            if (name.empty())
                return true;
            const int v = slotOfName(name, graph_.slots());
            name.clear();
            if (v < 0)
                return false;
            face.push_back(v);
            return true;
        };
        bool ok = true;
        for (char c : text) {
            if (c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n')
                ok = flush() && ok;
            else
                name += c;
        }
        ok = flush() && ok;
        code = ok ? SchlegelOnFace(graph_, face, view) : codeOf(Msg::CannotUnderstand);
        if (code == 0) {
            // The face typed may be one of the known ones.
            faces_.view = -1;
            for (int f = 0; f < faces_.count(); ++f) {
                std::vector<int> a = faces_.faces[static_cast<size_t>(f)], b = face;
                std::sort(a.begin(), a.end());
                std::sort(b.begin(), b.end());
                if (a == b)
                    faces_.view = f;
            }
            if (faces_.view < 0)
                faces_ = FaceList{};
        }
    }
    if (code) {
        message(code);
        return code;
    }
    graph_.modified = true;
    if (!faces_.empty())
        facesEdges_ = graph_.edges();
    graph_.solution.setSummary(polyhedralSummary());
    graphChanged();
    autofit();
    return 0;
}

void TGraWin::updateGeneratorMenu()
{
    window_->enableMenuItem(grcmd::NextView, facesKnown());
    window_->checkMenuItem(grcmd::PasteConnected, connectedValences_);
    window_->enableMenuItem(grcmd::RandomReset, planarSaved_ != nullptr);
}

} // namespace quan
