// Help texts of the election window, one per menu and one for the ballot
// manager.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kElectionsHelp[] = {
    {"QNVFILEH", R"HELP(ELECTIONS - THE WINDOW AND THE FILE MENU

An election with PREFERENCE BALLOTS: every voter ranks all the
candidates, from first choice to last. With 2 to 6 candidates there
are only a few possible ballots (3 candidates: 6 ballots, 5: 120,
6: 720), so an election is simply the number of voters who cast each
possible ballot. This number is what the ballot manager edits; the
list of ballots, with the votes of each, is called a PROFILE.

From the profile the window works out who wins by several methods
that all sound fair, and writes the results into the ELECTION SUMMARY
(a text window titled "election summary (N total votes)"). The
surprise, and the point of the exercise, is that the methods often
disagree. The View menu chooses which reports the summary shows.

THE THREE WINDOWS
  the election window   its menus and, with View|Graph, the
                        TOURNAMENT of the candidates (see below)
  the ballot manager    where you enter and change the votes; it
                        stays open as long as the election window
  the election summary  rebuilt after every change

THE FILE MENU
  Open ...              reads an election file (*.vot).
  Save, Save As ...     write the election: the candidates and their
                        names, the votes of every ballot, the Borda
                        points, the report switches and the notebook.
  Print, Format, Select printer, Copy to clipboard, With back color,
  Image size, Bitmap to clipboard
                        the picture commands of every picture window.
  Save Graph ...        (only while View|Graph is on) writes the
                        tournament as a graph file (*.gra): one vertex
                        per candidate, labelled with his name, and an
                        edge between every two, directed from the
                        head-to-head winner, in digraph mode with the
                        weights hidden. The election itself keeps its
                        own file name and stays as it is. Open the file
                        in a graph window (Window|Graphs) to study the
                        tournament there: View|Data counts vertices,
                        edges and components, Definition lists the
                        directions, the valences show who beats how
                        many: a Condorcet winner is a source (no arrow
                        in), a Condorcet loser a sink (no arrow out).
  Exit                  closes the window (after asking to save).

A new window starts with 5 candidates A to E and 10000 votes spread at
random, and counts as changed: before its votes are thrown away
(Exit, Open, zeros, new names, paste profile) you are asked
"save changes to ...?". "yes" saves, "no" goes on without saving,
"cancel" stops.

A WORKED EXAMPLE (55 voters, type it into the notebook or the
clipboard and use "paste profile" in the ballot manager):
  18 ADECB
  12 BEDCA
  10 CBEDA
   9 DCEBA
   4 EBDCA
   2 ECDBA
  plurality: A (18 first places)       winners runoff: B
  losers elimination: C                Borda count: D (136 points)
  Condorcet: E beats every other candidate head to head.
Five methods, five different winners.
)HELP"},
    {"QNVVIEWH", R"HELP(ELECTIONS - THE VIEW MENU: THE METHODS

Plurality, Runoffs, Borda and Condorcet switch the four reports of the
election summary on and off (a check mark shows which are on). Graph
draws the tournament in the election window. Points ... sets the Borda
points, Notebook shows the notebook, whose text is saved with the
election. None of these switches counts as a change of the election.

PLURALITY
  Count only the first places. The candidate with the most first
  places wins, even without a majority. The report lists every
  candidate with his first places and their percentage of all votes,
  most first places first. Equal counts keep the order of the names
  in the names edit.

RUNOFFS
  pairwise majority sequence
      Take the candidates in the order of the CURRENT BALLOT (the one
      selected in the ballot manager). The first meets the second head
      to head; the winner meets the third, and so on. Whoever wins the
      last contest wins. If a contest ends in a tie the sequence stops
      with no winner, shown as "?".
  winners runoff
      The two candidates with the most first places (plurality's first
      and second) meet head to head. "?" when they tie.
  losers elimination
      Again and again drop the candidate with the fewest first places
      and count again, as if the dropped candidate had never run: his
      voters' next choices move up. The last one left wins. A tie for
      the fewest first places drops, in the first round, the later
      candidate in the list of names, in every later round the earlier
      one.

BORDA
  Every ballot gives points by place: with n candidates n-1 points for
  first place, n-2 for second, ..., 0 for last (one point for every
  candidate ranked lower). The most points win. The table shows how
  many ballots put each candidate in each place, and the points.
  Points ... lets you choose other points, for example 10, 5, 1, 0; they
  must go down strictly from place to place and never be negative.
  Other points can make another candidate the Borda winner.

CONDORCET
  Compare every two candidates head to head: X beats Y when more voters
  rank X above Y than Y above X. The table's row X, column Y is the
  number of voters who prefer X to Y. Below it, each candidate with
  the candidates he defeats and his record wins-losses (and -ties when
  there are ties).
  A CONDORCET WINNER beats every other candidate head to head (his
  record is n-1 wins and no losses). He often exists, but not always:
  the majorities can run in a CYCLE. One voter each for ABC, BCA and
  CAB: A beats B, B beats C, and C beats A, each 2 to 1. Every
  candidate is 1-1, and nobody is a Condorcet winner.

GRAPH: THE TOURNAMENT
  The candidates sit on a circle, and every two are joined by an
  edge with an ARROW FROM THE HEAD-TO-HEAD WINNER to the loser. It is
  the Condorcet table as a picture:
  - a CONDORCET WINNER has every arrow pointing out of him (in the
    55-voter example: E);
  - a CONDORCET LOSER has every arrow pointing in (there: A);
  - an edge WITHOUT ARROW is a tie: as many voters prefer one as the
    other (1 AB + 1 BA);
  - arrows that run round in a CYCLE are the CONDORCET PARADOX: each
    candidate of the cycle is beaten by the next, so no one of them
    beats all the others. When there is a cycle the window draws a
    shortest one in the solution colour and names it in the lower
    left corner, e.g. "majority cycle: A B C" for ABC, BCA, CAB.
  The picture follows every change of the votes. You may drag a
  candidate with the left mouse button to see the arrows better; the
  next change puts him back on the circle. The mouse never adds or
  removes candidates or edges here. With no votes at all (T = 0) the
  edges have no arrows. File|Save Graph keeps the tournament as a
  graph file.

WHY THE SEQUENCE DEPENDS ON THE CURRENT BALLOT
  The pairwise majority sequence lets the candidates enter in the order
  of the current ballot, and a late entry meets only the survivor.
  With a Condorcet winner the order does not matter: he wins his own
  contest and every later one. In a cycle it decides everything: in
  the example above the order ABC elects C (A beats B, then C beats
  A), the order BCA elects A and CAB elects B. Select other ballots
  in the ballot manager and watch the sequence's winner change: an
  agenda setter who chooses the order can choose the winner.
)HELP"},
    {"QNVDIALH", R"HELP(ELECTIONS - THE BALLOT MANAGER

The ballot manager enters and changes the votes. Every change at once
rebuilds the election summary.

names, new names
  The candidates' names, one letter each (2 to 6 letters; everything
  that is not a letter is left out, so "A, B, C" gives ABC). With as
  many letters as candidates only the names change. With another
  number the election gets that many candidates and a new random
  example of the same total (after the question whether to save the
  old one). More than 6 letters: "too large"; fewer than 2: "not
  enough data". The ballots stay in the order of the candidates, not
  of the letters: after renaming A, B, C to Z, Y, X the first ballot
  reads ZYX.

ballots
  Every possible ballot, best candidate first, and beside it the
  number of voters who cast it and the total, e.g. "120 / 10000". The
  ballot you select is the CURRENT BALLOT: it is the one that "cast
  votes" changes, and the order of the pairwise majority sequence.

votes :, cast votes, undo
  Adds the number in "votes :" to the current ballot (a negative number
  takes votes away; a count never goes below 0: "inconsistent data").
  undo takes back the latest cast, one at a time.

zeros
  Every count becomes 0 (after the question whether to save), so that
  you can type in an election of your own ballot by ballot.

many winners, random
  random asks for the total number of votes and spreads them at random
  over the ballots. With "many winners" checked it tries up to 1000
  random elections until plurality, Borda and Condorcet name three
  different winners (and the Condorcet leader has more wins than the
  next). The title then says "press Q to quit"; Q stops. If none is
  found you see "could not find" and the last try. With two
  candidates there cannot be three winners.

candidate, drop candidate, restore
  drop candidate removes the selected candidate: his voters' ballots
  keep the others in the same order, so ballots that differed only in
  his place are merged (18 ADECB and 4 ADEBC both become ADEB). It
  shows whether a losing candidate can change who wins (a SPOILER).
  restore brings back the election as it was before the latest drop.

paste profile, copy profile
  paste profile reads a profile from the clipboard, one ballot a line:
  the number of voters and the ballot, e.g.
    18 ADECB
    12 BEDCA
  The letters must be the candidates' names (each once; the last may
  be left out). Every ballot not named gets 0 votes. copy profile
  writes the present profile the same way into the notebook, from
  where you can copy it, change it and paste it back.
)HELP"},
};
extern const size_t kElectionsHelpCount = sizeof(kElectionsHelp) / sizeof(kElectionsHelp[0]);

} // namespace quan
