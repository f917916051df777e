// The election window: TPreVotWin holds one Election (src/elections/core),
// rebuilds its summary in the window's text window after every change and
// reads and writes ".vot" files; TVotWin adds the commands of VOTMENU. The
// window is a graph window of 12 slots. TVotDlg is the modeless ballot
// manager ("ELECTION"), TPtsDlg the Borda points dialog ("BORDA").
#pragma once

#include "elections/core/election.h"
#include "graphs/grawin.h"
#include "resources/commands.h"
#include "shell/dlg.h"

#include <memory>
#include <string>
#include <vector>

namespace quan {

class TPreVotWin;

// Control ids of "ELECTION".
namespace votctl {
constexpr int Names = 101, NewNames = 102;
constexpr int Ballots = 111, CountLine = 112;
constexpr int Amount = 121, Cast = 122, Undo = 123;
constexpr int Zeros = 131;
constexpr int ManyWinners = 141, Random = 142;
constexpr int Candidates = 151, Drop = 152, Restore = 153;
constexpr int PasteProfile = 161, CopyProfile = 162;
constexpr int Help = 171;
} // namespace votctl

// Control ids of "BORDA": the edit of place k (0..5) and its label.
namespace ptsctl {
constexpr int Edit0 = 101, Label0 = 201;
} // namespace ptsctl

// Where the ballot manager goes for an election window whose outer
// rectangle is `window`: at its left edge, 20 pixels below its bottom; at
// x = 12 when the left edge lies beyond 250; at (left, 12) when the top
// lies beyond 150.
plat::Point ballotManagerPlacement(const plat::Rect& window);

// The ballot manager. It stays open as long as its window: closing it by
// itself does nothing, and the window hides it when it closes.
class TVotDlg : public TDlg {
public:
    explicit TVotDlg(TPreVotWin& owner);
    // The names edit, the count line and the buttons that may be used.
    void refresh();
    // Both lists filled again (the current ballot and the first candidate
    // selected), then refresh().
    void refill();
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;
    void selectionChanged(plat::Dialog& d, int id) override;

private:
    TPreVotWin& owner_;
};

// The Borda points dialog (modal): one edit per place in use; on ok the
// points are checked place by place, and after a message the old points
// are shown again and the dialog stays open.
class TPtsDlg : public TDlg {
public:
    explicit TPtsDlg(TPreVotWin& owner);
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;

private:
    void show(plat::Dialog& d);
    TPreVotWin& owner_;
};

class TPreVotWin : public TGraWin {
public:
    TPreVotWin(TQuanFrame* frame, DocInit init);
    ~TPreVotWin() override;

    std::string fileFilter() const override { return S(Str::VotFilesFilter); }
    std::string defaultExtension() const override { return "VOT"; }
    std::string settingsFileName() const override { return "vot.ini"; }

    const Election& election() const { return election_; }
    TVotDlg& manager();
    // The text window that shows the summary.
    TTextWin& summaryWindow() { return textWindow(); }

    // --- the ballot manager's operations ---------------------------------
    // Each puts the questions it needs, shows its message and returns 0,
    // the code shown, or -1 when the save question was cancelled.
    int selectBallot(int index);
    int castVotes(const std::string& amountText);
    int undoCast();
    int zeros();
    // Asks for the total (offering T, or 10000 when T is below 1); with
    // manyWinners the three-winner search runs with "press Q to quit" in
    // the title. -1 when the question was cancelled or not understood.
    int randomVotes(bool manyWinners);
    int newNames(const std::string& namesText);
    int dropCandidate(int d);
    int restoreCandidate();
    // The clipboard's profile ("18 ADECB" a line), after the save question.
    int pasteProfile();
    // Appends the profile to the notebook and shows it: 0, or 4 "no more
    // room" when the notebook would pass 64 000 characters.
    int copyProfile();
    // The points dialog's ok: 0 or the code shown.
    int setPoints(const std::vector<std::string>& texts);
    // The report switches and the graph switch (the document is not
    // marked modified); the tournament is rebuilt.
    void setSwitches(const ReportSwitches& s);
    // Save Graph: the tournament written as a ".gra" file (digraph mode
    // on, weights hidden) after the file dialog and the overwrite
    // question. The election's file name and changed flag stay. 0, -1 when
    // cancelled, or the code shown (7 with the graph switch off).
    int saveGraph();
    // The graph file written to path without questions: 0, or the code of
    // the graph writer (12 when it cannot be saved).
    int saveGraphTo(const std::string& path) const;

    // The summary's title and text replace those of the text window;
    // show brings the text window up as well.
    void rebuildSummary(bool show = false);
    // The tournament rebuilt from the election into the window's graph
    // (a dragged candidate goes back to its place on the circle), repainted.
    void rebuildGraph();

    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;

    // The picture is built from the election: the mouse only drags a
    // candidate about (until the next rebuild), whatever the mouse mode;
    // it never adds or deletes vertices or edges.
    void mouse(const plat::MouseEvent& e) override;
    // A dragged candidate: valences and repaint, but the election has not
    // changed, so the document is not marked.
    void graphChanged() override;
    // The majority cycle is drawn over the whole tournament: the graph
    // window's "Solution only" (which has no menu entry here) would hide
    // every edge off the cycle and leave its arrowhead behind.
    bool solutionOnly() const override { return false; }

protected:
    void setup() override;
    void closed() override;
    bool wantsFirstExample() const override { return false; }
    // The key a long computation polls for (a hook for the tests).
    virtual int searchPoll() { return pollKey(); }
    // After a change of the data: modified, summary, manager (its lists
    // filled again when refill), picture.
    void documentChanged(bool refill = false);
    void updateVoteMenu();

    Election election_;
    std::unique_ptr<TVotDlg> manager_;
};

class TVotWin : public TPreVotWin {
public:
    TVotWin(TQuanFrame* frame, DocInit init);

    void cmPoints();
    void command(int id) override;

protected:
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
};

} // namespace quan
