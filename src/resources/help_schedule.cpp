// Help texts of the scheduling window, one per menu and one for the
// list-processing manager.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kScheduleHelp[] = {
    {"QNSFILEH", R"HELP(SCHEDULING - THE FILE MENU

A SCHEDULING PROBLEM: some TASKS are to be done by a number of
identical PROCESSORS (workers, machines). Each task takes a whole
number of time units (its TIME, written next to it). An arrow from
task U to task V says that U must be FINISHED before V may START.
The tasks and arrows form the ORDER-REQUIREMENT DIGRAPH; there is
room for 52 tasks, named A to Z and A_0 to Z_0.

OPEN, SAVE, SAVE AS
  Scheduling files end in ".grs". They keep the tasks with their
  times and places, the arrows, the number of processors and the
  priority list, with the view, colours, fonts and the notebook.
  The schedule itself is not saved: press "apply" again.

NEW|PASTE
  Reads a task digraph from the numbers in the text on the
  clipboard (anything but digits, '.' and '-' only separates
  numbers):
    the number of tasks n,
    n pairs x y (where the tasks stand),
    n task times (1 to 32767),
    the number of arrows m (may be left out), then m pairs of task
    numbers counted from 1: "5 6" is an arrow from E to F.
  A pair given both ways ("1 2" and "2 1") makes an arrow running
  both ways, which no schedule can keep. The priority list becomes all
  tasks in alphabetical order. If the text cannot be used, a message
  says why and nothing at all changes:
    "positive value?"      a negative number of tasks or arrows, or a
                           time below 1;
    "nothing to do"        no tasks;
    "too many points"      more than 52 tasks;
    "vertices miscounted"  fewer numbers than the tasks' places and
                           times need;
    "out of bounds"        a time above 32767;
    "not enough data"      fewer pairs than the number of arrows says;
    "inconsistent data"    a task number outside 1..n, a task before
                           itself, or a place too large for a number.
  Example (the tasks of one of the built-in examples):
----- copy from here
tasks: 8
1 3  2 3  3 3  4 3  1 2  2 2  3 1  4 1
times: 5 7 5 3 8 6 9 4
arrows: 5
5 6  6 3  3 4  6 7  7 8
----- to here

NEW|GRID POINTS ...
  rows x columns tasks (at most 52) on a grid, without arrows, each
  with a random time from the weight range; the list becomes all
  tasks in alphabetical order.
NEW|WEIGHT RANGE ...
  the lowest and highest time Grid points draws (1 to 32767).
  The range and the grid's size are kept for the next window.

PRINT, FORMAT, COPY TO CLIPBOARD, EXPORT GRAPHICS
  print or export the digraph with its chart.
)HELP"},
    {"QNSEDITH", R"HELP(SCHEDULING - THE EDIT MENU

SINGLE LABELS ...  the labels of the tasks you name.
ALL LABELS   the mark (bullet, circle, boxes, none) and the text
             (the task's name, your own label, none) of every task;
             Home and Offset place the names at or away from the tasks.
HOME WEIGHTS, OFFSET WEIGHTS
             place the task times at or away from their tasks.

To change a task's TIME, choose Btns|Text and click the time with the
right mouse button; a time is a whole number from 1 to 32767. Every
change of a time or of the digraph removes the chart until the next
"apply".
)HELP"},
    {"QNSVIEWH", R"HELP(SCHEDULING - THE VIEW MENU

Zoom and shift move the digraph in the window. The chart always
fills the bottom of the window, whatever the view. When "apply"
draws a chart over tasks, the view moves so that every task stands
above it; Last window brings back the view you had.
)HELP"},
    {"QNSBTNSH", R"HELP(SCHEDULING - THE BTNS MENU (MOUSE BUTTONS)

DRAWING      right click on empty space: a new task (time 1);
             drag from one task to another with the left button: an
             arrow from the first to the second (the first must be
             finished before the second may start).
VERTEX MOVE  drag a task to another place.
TEXT         right click a task's time to type a new one.
ARROW FLIP (RB)  right click the middle of an arrow to turn it
             round.
REDRAW DELETION  when checked, a right click on a task deletes it and
             drawing over an existing arrow deletes the arrow.
TOOLBAR      a small window with one button per mode, to change modes
             with one click; "close" hides it.
)HELP"},
    {"QNSMISCH", R"HELP(SCHEDULING - THE MISC MENU

FONTS, COLORS  of the labels, the times, the chart's cells ("task
             cells"), the idle time of the processors and the numbers.
DATA         the numbers of tasks and arrows.
NOTEBOOK     a text saved with the document.
COPY SCHEDULE  writes the schedule into the notebook: for each
             processor the tasks it does with their start and finish,
             then the finishing time and a LOWER BOUND that no schedule
             can beat: the longer of the critical path and the total
             time of all tasks divided among the processors (rounded
             up). When the finishing time equals the bound, the
             schedule is marked [optimal].
COPY DIGRAPH   writes the tasks, their places and times and the
             arrows into the notebook as the text File|New|Paste
             reads: copy it from there to hand out an exercise.
THICKEN PRINT ...  extra width (0 to 100) of the arrows and task marks
             on paper and in exported pictures; the screen does not
             change.

WHY MORE CAN BE WORSE: list processing is greedy. It never leaves a
processor idle while a ready task waits, and it takes tasks in list
order. Adding a processor, shortening every task or removing an arrow
changes which task is started first, and the greedy choices that
follow can make the whole schedule LONGER. Try the four-processor run
of the example in the manager's help.
)HELP"},
    {"QNSDIALH", R"HELP(THE LIST-PROCESSING MANAGER

PROCESSORS      how many identical processors work (2 to 20).
PRIORITY LIST   the names of all tasks, one after the other, most
                urgent first: BADCHGFE (small letters are fine; no
                blanks or commas inside the list).
APPLY DIGRAPH ORDERING  when checked, a task may start only after
                all tasks with an arrow into it are finished.
APPLY           makes the schedule and draws its chart.
UNDO            brings back the list and processor count applied
                before (nothing is rescheduled until you apply).
CP LIST         the critical-path list (below).
SORT            the decreasing-time list: longest task first (equal
                times in random order).

LIST PROCESSING
  At time 0, and again each time a task finishes, every idle
  processor (processor 1 first) takes the first READY task in the
  list: one that has not started and whose predecessors are all
  finished. A task that is not ready is passed over, and the next
  ready task in the list is taken instead. A processor stays IDLE
  only when no task is ready.

WHY A READY TASK MAY WAIT
  It may not: a ready task never waits while a processor is idle.
  But a task that is first in the list may have to wait for its
  predecessors, while tasks later in the list are started, and when
  it is at last ready all processors may be busy with them.

THE CRITICAL PATH
  The length of a path of arrows is the sum of the times of its
  tasks. The longest path from a task to the end is its CRITICAL
  TIME; the longest path of all is the CRITICAL PATH, and no
  schedule can finish before it. The critical-path list takes the
  task with the largest critical time among those whose predecessors
  are already listed (the alphabetically first among equals), again
  and again. It usually gives a good schedule, but not always the
  best one.

GRAHAM'S EXAMPLE (paste it with File|New|Paste)
  tasks 9;  0 0 1 0 2 0 3 0 4 0 5 0 6 0 7 0 8 0;
  times 3 2 2 2 4 4 4 4 9;  arrows 5;  1 9  4 5  4 6  4 7  4 8
  The list ABCDEFGHI finishes at 12 on 3 processors, but at 15 on 4;
  with every time one shorter it finishes at 13, without the arrows
  D-E and D-F at 16: more processors, shorter tasks and fewer
  requirements each made the schedule longer.
)HELP"},
};
extern const size_t kScheduleHelpCount = sizeof(kScheduleHelp) / sizeof(kScheduleHelp[0]);

} // namespace quan
