// Help texts of the main window.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kShellHelp[] = {
    {"PROGHELP", R"HELP(QUANDEL - a workbench for the mathematics of social choice and networks

Welcome! Quandel is a set of small laboratories. Each one opens in a
window of its own, and you can have up to 28 of them open at once.

GETTING STARTED
  Open the Window menu of this small main window and pick a topic:

  Apportionment  share the seats of a house of representatives among
                 states by population: Hamilton, Lowndes, Jefferson,
                 Webster, Adams, Huntington-Hill and Dean, with the
                 United States census data from 1790 to 2010 built in.
  Banzhaf        weighted voting: blocs with weights and a quota, and
                 the voting power of each bloc (Banzhaf and
                 Shapley-Shubik indices).
  Graphs         draw graphs and networks; look for circuits, tours,
                 trees, shortest paths and colourings.
  Voting         elections with preference ballots.
  Scheduling     list processing of tasks on several processors.
  Packing        bin packing by the fit heuristics.

  Each new window starts with an example, so there is always something
  to look at. Every menu of a topic window ends with a Help item that
  explains that menu.

OPENING AND SAVING
  Each topic saves its work in a file of its own kind:
    .hor apportionment   .bnz weighted voting   .gra graph
    .vot election        .grs scheduling        .bpa bin packing
  You can open a file by dropping it on this main window, by naming it
  when you start the program, or from the File menu of a topic window.
  The program picks the right kind of window from the file's extension.
  Before anything unsaved would be lost, Quandel asks whether to save it.

THE TWO SWITCHES OF THE WINDOW MENU
  Use defaults  new windows start from their built-in settings.
  Open last     new windows start from their saved settings and open
                the document you used last in that kind of window.
  Only one of the two can be checked at a time. Quandel remembers them,
  and the place of this window, in the file "qn.ini".

RESULTS AS TEXT
  Numbers, lists and summaries appear in text windows. There you can
  search (F1, then F3 for the next place), copy, print and save the text.
  Tables can also be written as plain TeX files for your reports.

LONG COMPUTATIONS
  Some computations take a while (all cases of a large voting body, a
  search for a Hamiltonian circuit). The window title shows the progress;
  press Q to stop.

Exit (in the Window menu) closes every window, asking first about
unsaved work.
)HELP"},
};
extern const size_t kShellHelpCount = sizeof(kShellHelp) / sizeof(kShellHelp[0]);

} // namespace quan
