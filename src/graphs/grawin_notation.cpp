// The graph window's notations (graph6, digraph6, sparse6 and LCF pasted
// and written into the notebook) and the graph6 viewer (built-in
// collections, optional files beside the program, any user file).
#include "graphs/grawin.h"

#include "core/fileio.h"
#include "core/msgcode.h"
#include "resources/collections.h"
#include "text/textwin.h"

#include <filesystem>

namespace quan {

namespace {

// The optional files by collection id.
struct OptionalFile {
    int id;
    const char* name;
};
constexpr OptionalFile kOptionalFiles[4] = {
    {107, "qngpol18.g6"}, {108, "qngpol20.g6"}, {205, "qngsnr26.g6"}, {206, "qngsnr28.g6"}};

// The compiled-in resource of a collection id, nullptr for the others.
const char* resourceName(int id)
{
    static const char* const classic[] = {"QNGPLATO", "QNGARCHI", "QNGJOHNS"};
    static const char* const cubic[] = {"QNGPOL04", "QNGPOL06", "QNGPOL08", "QNGPOL10", "QNGPOL12", "QNGPOL14",
        "QNGPOL16"};
    static const char* const snarks[] = {"QNGSNR10", "QNGSNR18", "QNGSNR20", "QNGSNR22", "QNGSNR24"};
    if (id >= 0 && id <= 2)
        return classic[id];
    if (id >= 100 && id <= 106)
        return cubic[id - 100];
    if (id >= 200 && id <= 204)
        return snarks[id - 200];
    return nullptr;
}

// The collection id of a viewer menu entry, -1 for other commands.
int collectionOfCommand(int id)
{
    if (id >= grcmd::ClassicFirst && id < grcmd::ClassicFirst + 3)
        return id - grcmd::ClassicFirst;
    if (id >= grcmd::CubicFirst && id < grcmd::CubicFirst + 9)
        return 100 + id - grcmd::CubicFirst;
    if (id >= grcmd::SnarkFirst && id < grcmd::SnarkFirst + 7)
        return 200 + id - grcmd::SnarkFirst;
    return -1;
}

std::string programFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

} // namespace

void TGraWin::setup()
{
    if (collectionFolder_.empty())
        setCollectionFolder(programFolder());
    TGra0Win::setup();
    if (!pendingCollection_.empty()) {
        const std::string path = pendingCollection_;
        pendingCollection_.clear();
        loadCollectionFile(path);
        // The window holds no ".gra" document yet: Save asks for a name.
        std::string name = namePart(path);
        name = name.substr(0, name.rfind('.')) + ".gra";
        setFileName(name);
        setNamed(false);
        refreshTitle();
    }
}

void TGraWin::setCollectionFolder(const std::string& folder)
{
    collectionFolder_ = folder;
    findBouwkampFiles(folder);
    for (size_t k = 0; k < optionalFiles_.size(); ++k) {
        const std::string path = (std::filesystem::path(folder) / kOptionalFiles[k].name).string();
        std::string probe;
        // A file that opens for reading (its first bytes are read).
        optionalFiles_[k] = readFileStart(path, probe, 16) ? path : std::string();
    }
    if (window_)
        updateGraphMenu();
}

int TGraWin::cmPasteNotation(int id)
{
    if (!saveChangesGate())
        return -1;
    const std::string text = plat::Platform::get().clipboardText();
    const ViewState& v = pv_.view;
    const ExampleView ev{v.cx, v.cy, v.rx, v.ry};
    const int code = id == grcmd::PasteLcf ? ReadLCF(graph_, text, ev) : ReadGraph6(graph_, text, ev);
    if (code != 0 && code != codeOf(Msg::LoopDiscarded)) {
        // The graph stays as it was.
        message(code);
        return code;
    }
    graphChanged();
    if (mode_ == MouseMode::Arrows && !graph_.digraph)
        setMouseMode(MouseMode::Drawing);
    autofit();
    if (id == grcmd::PasteGraph6)
        setNamed(false);
    if (code)
        message(code);
    return code;
}

int TGraWin::cmWriteNotation(int id)
{
    const bool sparse = id == grcmd::Sparse6Notation;
    if (graph_.count() < 2 || (sparse && graph_.digraph))
        return codeOf(Msg::NothingToDo);
    const std::string s = sparse ? WriteSparse6(graph_) : WriteGraph6(graph_);
    const Str label = sparse ? Str::Sparse6Notation : graph_.digraph ? Str::Digraph6Notation : Str::Graph6Notation;
    TNoteWin& n = notebook();
    const std::string notes = n.notes();
    if (notes.size() + s.size() + 100 >= 64000) {
        message(Msg::NoMoreRoom);
        return codeOf(Msg::NoMoreRoom);
    }
    std::string text = notes;
    if (!text.empty())
        text += "\r\n";
    text += S(label);
    text += ": ";
    text += s;
    n.setNotes(text);
    n.show();
    setChanged(true);
    return 0;
}

int TGraWin::loadCollection(int id)
{
    if (!saveChangesGate())
        return -1;
    std::string text, names;
    bool found = false;
    if (const char* res = resourceName(id)) {
        if (const CollectionResource* r = collectionResource(res)) {
            text = r->text;
            names = r->names;
            found = true;
        }
    } else {
        for (size_t k = 0; k < optionalFiles_.size(); ++k)
            if (kOptionalFiles[k].id == id && !optionalFiles_[k].empty())
                found = readWholeFile(optionalFiles_[k], text);
    }
    int code = found ? viewer_.load(std::move(text), id, names) : codeOf(Msg::CannotOpenFile);
    if (code) {
        message(code);
        return code;
    }
    return showExample(0);
}

int TGraWin::loadCollectionFile(const std::string& path)
{
    if (!saveChangesGate())
        return -1;
    std::string text;
    int code = readWholeFile(path, text) ? viewer_.load(std::move(text), -1) : codeOf(Msg::CannotOpenFile);
    if (code) {
        message(code);
        return code;
    }
    return showExample(0);
}

int TGraWin::showExample(long long i)
{
    const ViewState& v = pv_.view;
    const ExampleView ev{v.cx, v.cy, v.rx, v.ry};
    ViewerWords words;
    words.vertexExample = S(Str::VertexExample);
    words.view = S(Str::FaceView);
    const int code = viewer_.show(graph_, i, ev, words);
    if (code != 0 && code != codeOf(Msg::LoopDiscarded)) {
        // The graph stays; the example number has moved on.
        updateGraphMenu();
        message(code);
        return code;
    }
    if (mode_ == MouseMode::Arrows && !graph_.digraph)
        setMouseMode(MouseMode::Drawing);
    graphChanged();
    autofit();
    graph_.modified = false;
    setChanged(false);
    setNamed(false);
    if (code)
        message(code);
    return code;
}

bool TGraWin::notationCommand(int id)
{
    if (const int c = collectionOfCommand(id); c >= 0) {
        loadCollection(c);
        return true;
    }
    auto step = [this](long long by) {
        if (viewer_.count() < 2 || !saveChangesGate())
            return;
        showExample(viewer_.current() + by);
    };
    switch (id) {
    case grcmd::PasteGraph6:
    case grcmd::PasteLcf: cmPasteNotation(id); return true;
    case grcmd::Graph6Notation:
    case grcmd::Sparse6Notation: cmWriteNotation(id); return true;
    case grcmd::OtherCollection: {
        plat::FileDialogOptions o;
        o.filter = S(Str::G6FilesFilter);
        o.defaultExt = "G6";
        if (!saveChangesGate())
            return true;
        if (auto path = plat::Platform::get().openFileDialog(window_.get(), o))
            loadCollectionFile(*path);
        return true;
    }
    case grcmd::ExamplePlus1: step(1); return true;
    case grcmd::ExamplePlus10: step(10); return true;
    case grcmd::ExamplePlus100: step(100); return true;
    case grcmd::ExampleMinus1: step(-1); return true;
    case grcmd::ExampleMinus10: step(-10); return true;
    case grcmd::ExampleMinus100: step(-100); return true;
    case grcmd::NextCollection: {
        const int next = viewer_.loaded() ? nextCollectionId(viewer_.id()) : -1;
        if (next < 0)
            message(Msg::InconsistentData);
        else
            loadCollection(next);
        return true;
    }
    default: return false;
    }
}

void TGraWin::updateNotationMenu()
{
    if (!window_)
        return;
    const int n = viewer_.count();
    window_->enableMenuItem(grcmd::ExamplePlus1, n >= 2);
    window_->enableMenuItem(grcmd::ExampleMinus1, n >= 2);
    window_->enableMenuItem(grcmd::ExamplePlus10, n >= 11);
    window_->enableMenuItem(grcmd::ExampleMinus10, n >= 11);
    window_->enableMenuItem(grcmd::ExamplePlus100, n >= 101);
    window_->enableMenuItem(grcmd::ExampleMinus100, n >= 101);
    window_->enableMenuItem(grcmd::NextCollection, viewer_.loaded() && viewer_.id() >= 0);
    for (size_t k = 0; k < optionalFiles_.size(); ++k) {
        const int c = kOptionalFiles[k].id;
        const int cmd = c < 200 ? grcmd::CubicFirst + (c - 100) : grcmd::SnarkFirst + (c - 200);
        window_->enableMenuItem(cmd, !optionalFiles_[k].empty());
    }
    window_->enableMenuItem(grcmd::Graph6Notation, graph_.count() > 1);
    window_->enableMenuItem(grcmd::Sparse6Notation, graph_.count() > 1 && !graph_.digraph);
    const bool clip = !plat::Platform::get().clipboardText().empty();
    window_->enableMenuItem(grcmd::PasteGraph6, clip);
    window_->enableMenuItem(grcmd::PasteLcf, clip);
}

} // namespace quan
