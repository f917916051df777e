// The graph window's squared rectangles: Bouwkamp codes pasted or chosen
// from the library, the squares drawn under their network, the View
// switches and the Bouwkamp notation written into the notebook.
#include "graphs/grawin.h"
#include "graphs/sqrectdlg.h"

#include "core/fileio.h"
#include "core/msgcode.h"
#include "core/qmath.h"
#include "resources/bouwkamp_tables.h"
#include "resources/strings.h"
#include "text/textwin.h"

#include <filesystem>

namespace quan {

namespace {

// The file of a file category, nullptr for a built-in one.
const char* bouFileName(int category)
{
    static const char* const names[24] = {
        nullptr, nullptr, nullptr, nullptr, "qngspr13.bou", "qngspr14.bou", "qngspr15.bou", "qngspr16.bou",
        "qngspr17.bou", nullptr, nullptr, nullptr, nullptr, "qngsps25.bou", "qngsps26.bou", "qngsps27.bou",
        "qngsps28.bou", "qngsps29.bou", nullptr, nullptr, nullptr, "qngcps27.bou", "qngcps28.bou", "qngcps29.bou"};
    return category >= 0 && category < 24 ? names[category] : nullptr;
}

const BouwkampTable* builtInTable(int category)
{
    for (size_t i = 0; i < kBouwkampTableCount; ++i)
        if (kBouwkampTables[i].category == category)
            return &kBouwkampTables[i];
    return nullptr;
}

// The commands that may put another graph in the window.
bool mayReplaceGraph(int id)
{
    switch (id) {
    case grcmd::PasteCoordinates:
    case grcmd::PasteAdjacencies:
    case grcmd::PasteWeights:
    case grcmd::PasteGraph6:
    case grcmd::PasteLcf:
    case grcmd::OtherCollection:
    case grcmd::ExamplePlus1:
    case grcmd::ExamplePlus10:
    case grcmd::ExamplePlus100:
    case grcmd::ExampleMinus1:
    case grcmd::ExampleMinus10:
    case grcmd::ExampleMinus100:
    case grcmd::NextCollection:
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
    case grcmd::PasteValences:
    case grcmd::PasteConnected:
    case grcmd::Prism:
    case grcmd::Moebius:
    case grcmd::Petersen:
    case grcmd::RandomizeConnections:
    case grcmd::Dodecahedron:
    case grcmd::Herschel: return true;
    default:
        return (id >= grcmd::Barnette38 && id <= grcmd::Thomassen94) ||
               (id >= grcmd::Utilities && id <= grcmd::KnightBoard) ||
               (id >= grcmd::ClassicFirst && id < grcmd::ClassicFirst + 3) ||
               (id >= grcmd::CubicFirst && id < grcmd::CubicFirst + 9) ||
               (id >= grcmd::SnarkFirst && id < grcmd::SnarkFirst + 7);
    }
}

} // namespace

int libraryOrder(int category)
{
    if (category >= 0 && category <= 8)
        return 9 + category;
    if (category >= 9 && category <= 17)
        return 12 + category;
    if (category >= 18 && category <= 23)
        return 6 + category;
    return 0;
}

std::string libraryTitle(int category, size_t count)
{
    std::string s = formatInt(static_cast<long long>(count));
    s += ' ';
    s += S(category < 9 ? Str::SquaredRectangles : Str::SquaredSquares);
    s += " (";
    s += S(Str::Perfect);
    s += ", ";
    s += S(category > 17 ? Str::Compound : Str::Simple);
    s += ')';
    return s;
}

// --- the window ----------------------------------------------------------------------------

TGraWin::~TGraWin() = default;

TGraWin::SqrectWatch::SqrectWatch(TGraWin& w, int id) : win(w)
{
    if (w.sqShown_ && mayReplaceGraph(id))
        before = std::make_unique<Graph>(w.graph_);
}

TGraWin::SqrectWatch::~SqrectWatch()
{
    if (before && !(*before == win.graph_))
        win.dropSquaredRectangle();
}

void TGraWin::dropSquaredRectangle()
{
    if (!sqShown_)
        return;
    sqShown_ = false;
    sqrect_ = SquaredRectangle{};
    if (window_) {
        updateGraphMenu();
        invalidateLayer(Picture);
    }
}

namespace {
struct SqrectKept : TVELWing::KeptState {
    std::unique_ptr<TVELWing::KeptState> graph;
    SquaredRectangle tiling;
    bool shown = false;
};
} // namespace

std::unique_ptr<TVELWing::KeptState> TGraWin::keepState()
{
    auto k = std::make_unique<SqrectKept>();
    k->graph = TGra0Win::keepState();
    k->tiling = sqrect_;
    k->shown = sqShown_;
    return k;
}

void TGraWin::restoreState(const KeptState& kept)
{
    const auto* k = dynamic_cast<const SqrectKept*>(&kept);
    if (!k)
        return;
    if (k->graph)
        TGra0Win::restoreState(*k->graph);
    sqrect_ = k->tiling;
    sqShown_ = k->shown;
    if (window_) {
        updateGraphMenu();
        invalidateLayer(Picture);
    }
}

int TGraWin::readDocument(const std::string& path)
{
    const int code = TGra0Win::readDocument(path);
    if (code == 0)
        dropSquaredRectangle();
    return code;
}

void TGraWin::findBouwkampFiles(const std::string& folder)
{
    for (int c = 0; c < 24; ++c) {
        bouFiles_[static_cast<size_t>(c)].clear();
        if (const char* name = bouFileName(c)) {
            const std::string path = (std::filesystem::path(folder) / name).string();
            std::string probe;
            if (readFileStart(path, probe, 8))
                bouFiles_[static_cast<size_t>(c)] = path;
        }
    }
}

bool TGraWin::libraryCategoryOffered(int category) const
{
    if (category < 0 || category >= 24)
        return false;
    return builtInTable(category) != nullptr || !bouFiles_[static_cast<size_t>(category)].empty();
}

int TGraWin::libraryCategory(int category, BouwkampCollection& out) const
{
    if (!libraryCategoryOffered(category))
        return codeOf(Msg::CannotOpenFile);
    if (const BouwkampTable* t = builtInTable(category)) {
        out = collectionFromTable(t->order, t->numbers, t->count);
        return 0;
    }
    BouwkampCollection c;
    const int code = readBou(bouFiles_[static_cast<size_t>(category)], c);
    if (code)
        return code;
    if (c.order != libraryOrder(category))
        return codeOf(Msg::CannotOpenFile);
    out = std::move(c);
    return 0;
}

int TGraWin::showSquaredRectangle(int32_t width, const std::vector<int32_t>& sizes)
{
    SquaredRectangle r;
    int code = BuildSquaredRectangle(width, sizes, r);
    Graph g(graph_.slots());
    if (code == 0)
        code = kirchhoffGraph(r, fileFlags_.verticalSegments, g);
    if (code) {
        // The graph and the tiling on screen stay as they were.
        message(code);
        return code;
    }
    g.newLabelState = graph_.newLabelState;
    graph_ = std::move(g);
    sqrect_ = std::move(r);
    sqShown_ = true;
    if (mode_ == MouseMode::Arrows)
        setMouseMode(MouseMode::Drawing);
    graphChanged();
    autofit();
    return 0;
}

int TGraWin::showBouwkamp(const std::string& text)
{
    BouwkampCode c;
    const int code = ReadBouwkamp(text, c);
    if (code) {
        message(code);
        return code;
    }
    return showSquaredRectangle(c.width, c.sizes);
}

int TGraWin::cmPasteBouwkamp()
{
    // A "no" to the save question clears the changed flag; when the code is
    // then refused, the graph on screen is the old one and still unsaved.
    const bool wasChanged = changed();
    if (!saveChangesGate())
        return -1;
    const int code = showBouwkamp(plat::Platform::get().clipboardText());
    if (code == 0)
        setNamed(false);
    else
        setChanged(wasChanged);
    return code;
}

int TGraWin::cmBouwkampNotation()
{
    if (!sqShown_)
        return codeOf(Msg::NothingToDo);
    const std::string s = bouwkampNotation(sqrect_, S(Str::Hori), S(Str::Vert));
    TNoteWin& n = notebook();
    const std::string notes = n.notes();
    // Both lines as written, the line end before them included.
    if (notes.size() + 2 + s.size() + 100 >= 64000) {
        message(Msg::NoMoreRoom);
        return codeOf(Msg::NoMoreRoom);
    }
    std::string text = notes;
    if (!text.empty())
        text += "\r\n";
    text += s;
    n.setNotes(text);
    n.show();
    setChanged(true);
    return 0;
}

int TGraWin::cmSquaredLibrary()
{
    if (!saveChangesGate())
        return -1;
    // A new document, marked as a squared rectangle: the first choice
    // builds without a question.
    graph_.clearAll();
    dropSquaredRectangle();
    sqShown_ = true;
    graphChanged();
    graph_.modified = false;
    setChanged(false);
    setNamed(false);
    if (!sqLibrary_)
        sqLibrary_ = std::make_unique<TBouwkampDlg>(*this);
    sqLibrary_->show();
    return 0;
}

int TGraWin::chooseLibraryEntry(const BouwkampRecord& r)
{
    const bool wasChanged = changed();
    if (!saveChangesGate())
        return -1;
    const int code = showSquaredRectangle(r.width, r.sizes);
    if (code == 0) {
        graph_.modified = false;
        setChanged(false);
        setNamed(false);
    } else {
        // A refused entry leaves the old graph, still unsaved.
        setChanged(wasChanged);
    }
    return code;
}

bool TGraWin::sqrectCommand(int id)
{
    switch (id) {
    case grcmd::PasteBouwkamp: cmPasteBouwkamp(); return true;
    case grcmd::BouwkampNotation: cmBouwkampNotation(); return true;
    case grcmd::SquaredLibrary: cmSquaredLibrary(); return true;
    case grcmd::HideSquares: fileFlags_.squaresHidden = !fileFlags_.squaresHidden; break;
    case grcmd::Numerals: fileFlags_.numerals = !fileFlags_.numerals; break;
    case grcmd::HideGraph: sqGraphHidden_ = !sqGraphHidden_; break;
    case grcmd::VerticalSegments: {
        if (sqShown_ && !sqrect_.squares.empty()) {
            Graph g(graph_.slots());
            const int code = kirchhoffGraph(sqrect_, !fileFlags_.verticalSegments, g);
            if (code) {
                message(code);
                return true;
            }
            g.newLabelState = graph_.newLabelState;
            graph_ = std::move(g);
            fileFlags_.verticalSegments = !fileFlags_.verticalSegments;
            graphChanged();
            return true;
        }
        fileFlags_.verticalSegments = !fileFlags_.verticalSegments;
        break;
    }
    case grcmd::RestoreSegments: {
        if (!sqShown_)
            return true;
        const std::vector<SqSegment>& segs = fileFlags_.verticalSegments ? sqrect_.vertical : sqrect_.horizontal;
        for (size_t i = 0; i < segs.size(); ++i) {
            const int v = static_cast<int>(i);
            if (!graph_.present(v))
                continue;
            const SqPoint& a = sqrect_.startOf(segs[i]);
            const SqPoint& b = sqrect_.endOf(segs[i]);
            graph_.setPosition(v, (static_cast<Real>(a.x) + b.x) / 2, (static_cast<Real>(a.y) + b.y) / 2);
        }
        graphChanged();
        return true;
    }
    default: return false;
    }
    updateGraphMenu();
    invalidateLayer(Picture);
    return true;
}

void TGraWin::updateSqrectMenu()
{
    if (!window_)
        return;
    const bool shown = sqShown_ && !sqrect_.squares.empty();
    window_->enableMenuItem(grcmd::BouwkampNotation, shown);
    window_->enableMenuItem(grcmd::RestoreSegments, shown);
    window_->enableMenuItem(grcmd::PasteBouwkamp, !plat::Platform::get().clipboardText().empty());
    window_->checkMenuItem(grcmd::HideSquares, fileFlags_.squaresHidden);
    window_->checkMenuItem(grcmd::HideGraph, sqGraphHidden_);
    window_->checkMenuItem(grcmd::Numerals, fileFlags_.numerals);
    window_->checkMenuItem(grcmd::VerticalSegments, fileFlags_.verticalSegments);
}

void TGraWin::drawUnderGraph(plat::DC& dc)
{
    if (!sqShown_ || sqrect_.squares.empty())
        return;
    const int squareColor = colorRole(3), numeralColor = colorRole(8);
    if (!fileFlags_.squaresHidden) {
        FillSpec f;
        f.fill = -1;
        f.outline = squareColor;
        for (const Square& q : sqrect_.squares) {
            const Real x1 = q.x1, x2 = q.x2, y1 = q.y1, y2 = q.y2;
            prims_.WritePolygon(dc, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}}, f);
        }
    }
    if (fileFlags_.numerals) {
        const ViewState& view = pv_.view;
        for (const Square& q : sqrect_.squares) {
            const auto c = view.WorldToDevice((static_cast<Real>(q.x1) + q.x2) / 2, (static_cast<Real>(q.y1) + q.y2) / 2);
            LabelSpec s;
            s.text = formatInt(q.size);
            s.color = numeralColor;
            s.fontSlot = 3;
            s.hAnchor = 0;
            s.vAnchor = 0;
            prims_.DrawLabel(dc, c.x, c.y, s);
        }
    }
}

// --- the library dialog ------------------------------------------------------------------

TBouwkampDlg::TBouwkampDlg(TGraWin& owner) : TDlg("SQRECTLIB", owner.window()), owner_(owner) {}

void TBouwkampDlg::init(plat::Dialog& d)
{
    for (int c = 0; c < sqctl::Categories; ++c)
        d.enableControl(sqctl::CategoryFirst + c, owner_.libraryCategoryOffered(c));
    if (category_ >= 0) {
        d.setTitle(libraryTitle(category_, entries_.records.size()));
        d.clearItems(sqctl::List);
        for (const BouwkampRecord& r : entries_.records)
            d.addItem(sqctl::List, recordTitle(r));
    }
}

bool TBouwkampDlg::button(plat::Dialog& d, int id)
{
    if (id >= sqctl::CategoryFirst && id < sqctl::CategoryFirst + sqctl::Categories) {
        if (const int code = openCategory(id - sqctl::CategoryFirst))
            owner_.message(code);
        return true;
    }
    if (id == plat::IdCancel) {
        hide();
        return true;
    }
    if (id == sqctl::Help) {
        owner_.showHelp("QNGSQREH");
        return true;
    }
    return false;
}

void TBouwkampDlg::selectionChanged(plat::Dialog& d, int id)
{
    if (id == sqctl::List)
        choose(d.selection(sqctl::List));
}

int TBouwkampDlg::openCategory(int category)
{
    BouwkampCollection c;
    const int code = owner_.libraryCategory(category, c);
    if (code)
        return code;
    category_ = category;
    entries_ = std::move(c);
    plat::Dialog& d = dialog();
    d.setTitle(libraryTitle(category_, entries_.records.size()));
    d.clearItems(sqctl::List);
    for (const BouwkampRecord& r : entries_.records)
        d.addItem(sqctl::List, recordTitle(r));
    d.setText(sqctl::Code, "");
    return 0;
}

int TBouwkampDlg::choose(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= entries_.records.size())
        return codeOf(Msg::NothingToDo);
    const BouwkampRecord& r = entries_.records[static_cast<size_t>(index)];
    const int code = owner_.chooseLibraryEntry(r);
    if (code == 0)
        dialog().setText(sqctl::Code, recordCode(r));
    return code;
}

} // namespace quan
