#include "elections/votwin.h"

#include "core/msgcode.h"
#include "elections/core/summary.h"
#include "elections/core/tournament.h"
#include "elections/core/votfile.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/textops.h"

#include <algorithm>

namespace quan {

plat::Point ballotManagerPlacement(const plat::Rect& window)
{
    if (window.top > 150)
        return {window.left, 12};
    const int x = window.left > 250 ? 12 : window.left;
    return {x, window.top + window.height() + 20};
}

// --- the ballot manager ------------------------------------------------------------------

TVotDlg::TVotDlg(TPreVotWin& owner) : TDlg("ELECTION", owner.window()), owner_(owner) {}

namespace {

// What the manager shows of the election: the names, the current ballot's
// count over T, which buttons may be used. Takes the dialog it is given
// (while the platform creates it, dialog() is not there yet).
void showState(plat::Dialog& d, const Election& e)
{
    d.setText(votctl::Names, e.namesText());
    const int c = e.current();
    const int32_t count = c >= 0 && c < e.ballotCount() ? e.ballots()[static_cast<size_t>(c)].count : 0;
    d.setText(votctl::CountLine, formatInt(count) + " / " + formatInt(e.total()));
    d.setSelection(votctl::Ballots, c);
    d.enableControl(votctl::Undo, e.canUndo());
    d.enableControl(votctl::Drop, e.canDrop());
    d.enableControl(votctl::Restore, e.canRestore());
}

void fillLists(plat::Dialog& d, const Election& e)
{
    d.clearItems(votctl::Ballots);
    for (int i = 0; i < e.ballotCount(); ++i)
        d.addItem(votctl::Ballots, e.ballotText(i));
    d.clearItems(votctl::Candidates);
    for (int c = 0; c < e.candidates(); ++c)
        d.addItem(votctl::Candidates, std::string(1, e.name(c)));
    d.setSelection(votctl::Candidates, 0);
    showState(d, e);
}

} // namespace

void TVotDlg::init(plat::Dialog& d)
{
    d.setText(votctl::Amount, "1");
    d.setCheck(votctl::ManyWinners, true);
    fillLists(d, owner_.election());
}

void TVotDlg::refresh() { showState(dialog(), owner_.election()); }

void TVotDlg::refill() { fillLists(dialog(), owner_.election()); }

void TVotDlg::selectionChanged(plat::Dialog& d, int id)
{
    if (id == votctl::Ballots)
        owner_.selectBallot(d.selection(votctl::Ballots));
}

bool TVotDlg::button(plat::Dialog& d, int id)
{
    switch (id) {
    case votctl::NewNames: owner_.newNames(d.text(votctl::Names)); return true;
    case votctl::Cast: owner_.castVotes(d.text(votctl::Amount)); return true;
    case votctl::Undo: owner_.undoCast(); return true;
    case votctl::Zeros: owner_.zeros(); return true;
    case votctl::ManyWinners: return true;
    case votctl::Random: owner_.randomVotes(d.check(votctl::ManyWinners)); return true;
    case votctl::Drop: owner_.dropCandidate(d.selection(votctl::Candidates)); return true;
    case votctl::Restore: owner_.restoreCandidate(); return true;
    case votctl::PasteProfile: owner_.pasteProfile(); return true;
    case votctl::CopyProfile: owner_.copyProfile(); return true;
    case votctl::Help: owner_.showHelp("QNVDIALH"); return true;
    // The manager cannot be closed by itself (the close box and Escape
    // come here as cancel): it goes with its window.
    case plat::IdOk:
    case plat::IdCancel: return true;
    default: return false;
    }
}

// --- the points dialog ---------------------------------------------------------------------

TPtsDlg::TPtsDlg(TPreVotWin& owner) : TDlg("BORDA", owner.window()), owner_(owner) {}

void TPtsDlg::show(plat::Dialog& d)
{
    const Election& e = owner_.election();
    for (int k = 0; k < kMaxCandidates; ++k) {
        const bool used = k < e.candidates();
        d.setText(ptsctl::Edit0 + k, formatInt(e.points()[static_cast<size_t>(k)]));
        d.showControl(ptsctl::Edit0 + k, used);
        d.showControl(ptsctl::Label0 + k, used);
    }
}

void TPtsDlg::init(plat::Dialog& d) { show(d); }

bool TPtsDlg::button(plat::Dialog& d, int id)
{
    if (id != plat::IdOk)
        return false;
    std::vector<std::string> texts;
    for (int k = 0; k < owner_.election().candidates(); ++k)
        texts.push_back(d.text(ptsctl::Edit0 + k));
    if (owner_.setPoints(texts) != 0) {
        // The old points again; the dialog stays open.
        show(d);
        return true;
    }
    d.end(plat::IdOk);
    return true;
}

// --- the document window ------------------------------------------------------------------

TPreVotWin::TPreVotWin(TQuanFrame* frame, DocInit init)
    : TGraWin(frame, std::move(init), kElectionSlots), election_(Election::newWindow(Random::shared()))
{
}

TPreVotWin::~TPreVotWin() { manager_.reset(); }

TVotDlg& TPreVotWin::manager()
{
    if (!manager_)
        manager_ = std::make_unique<TVotDlg>(*this);
    return *manager_;
}

void TPreVotWin::setup()
{
    TGraWin::setup();
    // The window's place is known before the manager is placed beside it.
    if (window_) {
        const plat::Rect g = window_->geometry();
        window_->setGeometry(cascadePlace({std::max(g.width(), 200), std::max(g.height(), 160)}));
    }
    // A new election has not been saved anywhere.
    setChanged(true);
    updateVoteMenu();
    rebuildSummary(true);
    rebuildGraph();
    if (window_) {
        TVotDlg& m = manager();
        m.dialog().moveTo(ballotManagerPlacement(window_->geometry()));
        m.refill();
        m.show();
        window_->bringToTop();
    }
}

void TPreVotWin::closed()
{
    if (manager_)
        manager_->hide();
    summaryWindow().hideWindow();
    TGraWin::closed();
}

void TPreVotWin::updateVoteMenu()
{
    if (!window_)
        return;
    const ReportSwitches& s = election_.switches();
    window_->checkMenuItem(votcmd::Plurality, s.plurality);
    window_->checkMenuItem(votcmd::Runoffs, s.runoff);
    window_->checkMenuItem(votcmd::Borda, s.borda);
    window_->checkMenuItem(votcmd::Condorcet, s.condorcet);
    window_->checkMenuItem(votcmd::Graph, s.graph);
    window_->enableMenuItem(votcmd::SaveGraph, s.graph);
}

void TPreVotWin::rebuildGraph()
{
    const ViewState& v = view();
    buildTournament(graph_, election_, ExampleView{v.cx, v.cy, v.rx, v.ry});
    dragVertex_ = -1;
    updateGraphMenu();
    invalidateLayer(Picture);
}

void TPreVotWin::graphChanged()
{
    graph_.ComputeValences();
    updateGraphMenu();
    invalidateLayer(Picture);
}

void TPreVotWin::mouse(const plat::MouseEvent& e)
{
    // Only the left button drags; the right one would cycle labels.
    if (e.kind == plat::MouseEvent::Press && e.button != 1)
        return;
    moveMouse(e);
}

void TPreVotWin::rebuildSummary(bool show)
{
    const std::string title = summaryTitle(election_);
    const std::string text = summaryText(election_);
    TTextWin& t = summaryWindow();
    t.setTitle(title);
    if (show)
        t.handOver(text);
    else
        t.setText(text);
    recordHandedText(title, t.text());
}

void TPreVotWin::documentChanged(bool refill)
{
    setChanged(true);
    rebuildSummary();
    if (manager_) {
        if (refill)
            manager_->refill();
        else
            manager_->refresh();
    }
    rebuildGraph();
}

void TPreVotWin::setSwitches(const ReportSwitches& s)
{
    const bool graphSwitched = s.graph != election_.switches().graph;
    election_.setSwitches(s);
    updateVoteMenu();
    if (graphSwitched)
        rebuildGraph();
    else
        rebuildSummary(true);
}

int TPreVotWin::saveGraph()
{
    if (!election_.switches().graph) {
        message(Msg::NotPossibleHere);
        return codeOf(Msg::NotPossibleHere);
    }
    plat::FileDialogOptions o;
    o.filter = S(Str::GraFilesFilter);
    o.defaultExt = "GRA";
    std::string proposed = namePart(fileName());
    if (const size_t dot = proposed.rfind('.'); dot != std::string::npos)
        proposed.erase(dot);
    o.proposedName = proposed + ".gra";
    auto chosen = plat::Platform::get().saveFileDialog(window(), o);
    if (!chosen || !overwriteGate(*chosen))
        return -1;
    if (const int code = saveGraphTo(*chosen)) {
        message(code);
        return code;
    }
    return 0;
}

int TPreVotWin::saveGraphTo(const std::string& path) const
{
    GraDocument d = documentData();
    d.graph.digraph = true;
    d.graph.weightsShown = false;
    d.graph.ClearSolution(true);
    return writeGra(path, d);
}

int TPreVotWin::selectBallot(int index)
{
    if (int code = election_.selectBallot(index)) {
        message(code);
        return code;
    }
    documentChanged();
    return 0;
}

int TPreVotWin::castVotes(const std::string& amountText)
{
    if (int code = election_.cast(amountFromText(amountText))) {
        message(code);
        return code;
    }
    documentChanged();
    return 0;
}

int TPreVotWin::undoCast()
{
    if (int code = election_.undo()) {
        message(code);
        return code;
    }
    documentChanged();
    return 0;
}

int TPreVotWin::zeros()
{
    if (!saveChangesGate())
        return -1;
    election_.zeros(Random::shared());
    documentChanged(true);
    // Nothing is left to lose.
    setChanged(false);
    return 0;
}

int TPreVotWin::randomVotes(bool manyWinners)
{
    long long total = election_.total() >= 1 ? election_.total() : kDefaultVotes;
    if (!inputInteger(Str::Input, Str::TotalVotes, total))
        return -1;
    // Q stops the search and a long single example alike.
    setCaption(S(Str::PressQToQuit));
    if (window_)
        window_->update();
    const int code = election_.random(total, manyWinners, Random::shared(), [this] { return searchPoll(); });
    refreshTitle();
    // A search that gave up keeps its last attempt.
    if (code == 0 || code == codeOf(Msg::CouldNotFind))
        documentChanged();
    if (code)
        message(code);
    return code;
}

int TPreVotWin::newNames(const std::string& namesText)
{
    const size_t letters = lettersOf(namesText).size();
    const bool another = letters >= static_cast<size_t>(kMinCandidates) &&
        letters <= static_cast<size_t>(kMaxCandidates) && letters != static_cast<size_t>(election_.candidates());
    // Another number of candidates draws a new example: the user may save first.
    if (another && !saveChangesGate())
        return -1;
    if (int code = election_.newNames(namesText, Random::shared(), [this] { return searchPoll(); })) {
        message(code);
        return code;
    }
    documentChanged(true);
    return 0;
}

int TPreVotWin::dropCandidate(int d)
{
    if (int code = election_.drop(d, Random::shared())) {
        message(code);
        return code;
    }
    documentChanged(true);
    return 0;
}

int TPreVotWin::restoreCandidate()
{
    if (int code = election_.restore()) {
        message(code);
        return code;
    }
    documentChanged(true);
    return 0;
}

int TPreVotWin::pasteProfile()
{
    if (!saveChangesGate())
        return -1;
    if (int code = election_.pasteProfile(plat::Platform::get().clipboardText())) {
        message(code);
        return code;
    }
    documentChanged();
    return 0;
}

int TPreVotWin::copyProfile()
{
    TNoteWin& n = notebook();
    const std::string notes = n.notes();
    const std::string text = election_.profileText();
    if (notes.size() + text.size() > kMaxTextLength) {
        message(Msg::NoMoreRoom);
        return codeOf(Msg::NoMoreRoom);
    }
    n.setNotes(notes + text);
    n.show();
    setChanged(true);
    return 0;
}

int TPreVotWin::setPoints(const std::vector<std::string>& texts)
{
    if (int code = election_.setPointsFromTexts(texts)) {
        message(code);
        return code;
    }
    documentChanged();
    return 0;
}

// --- the file ------------------------------------------------------------------------------

int TPreVotWin::readDocument(const std::string& path)
{
    VotDocument d;
    d.header = headerState();
    const int code = readVot(path, d, Random::shared(), [this] { return searchPoll(); });
    if (code != 0 && code != codeOf(Msg::InconsistentData))
        return code;
    election_ = d.election;
    // Refreshing the manager's lists picks the current ballot anew.
    election_.pickCurrentAtRandom(Random::shared());
    applyHeaderState(d.header);
    notebook().setNotes(d.notebook);
    updateVoteMenu();
    rebuildSummary();
    if (manager_)
        manager_->refill();
    rebuildGraph();
    setChanged(false);
    // Too many points words: the file is taken with a random example,
    // and says so.
    if (code)
        message(code);
    return 0;
}

bool TPreVotWin::writeDocument(const std::string& path)
{
    VotDocument d;
    d.header = headerState();
    d.election = election_;
    d.notebook = notebookText();
    return writeVot(path, d) == 0;
}

// --- the command layer ---------------------------------------------------------------------

TVotWin::TVotWin(TQuanFrame* frame, DocInit init) : TPreVotWin(frame, std::move(init)) {}

plat::Menu TVotWin::menuBar() const { return menuResource("VOTMENU"); }
std::vector<plat::Accelerator> TVotWin::accelerators() const { return acceleratorResource("VOTMENU"); }

std::string TVotWin::menuHelpName(int id) const
{
    switch (id) {
    case votcmd::HelpFile: return "QNVFILEH";
    case votcmd::HelpView: return "QNVVIEWH";
    default: return "";
    }
}

void TVotWin::cmPoints()
{
    TPtsDlg dlg(*this);
    dlg.execute();
}

void TVotWin::command(int id)
{
    ReportSwitches s = election_.switches();
    switch (id) {
    case votcmd::Plurality: s.plurality = !s.plurality; setSwitches(s); return;
    case votcmd::Runoffs: s.runoff = !s.runoff; setSwitches(s); return;
    case votcmd::Borda: s.borda = !s.borda; setSwitches(s); return;
    case votcmd::Condorcet: s.condorcet = !s.condorcet; setSwitches(s); return;
    case votcmd::Graph: s.graph = !s.graph; setSwitches(s); return;
    case votcmd::SaveGraph: saveGraph(); return;
    case votcmd::Points: cmPoints(); return;
    default: break;
    }
    TPreVotWin::command(id);
}

} // namespace quan
