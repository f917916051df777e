# The File help's example pasted into a scheduling window, its critical-path
# list applied on 2 processors and copied; saved; a pasted time of 0 is
# refused and a second save gives the same bytes; the file reopened gives the
# same list, processors and schedule; the digraph copied as text, pasted back
# and copied again gives the same text.
. "$(dirname "$0")/common.inc"
cat > help.txt <<'TEXT'
tasks: 8
1 3  2 3  3 3  4 3  1 2  2 2  3 1  4 1
times: 5 7 5 3 8 6 9 4
arrows: 5
5 6  6 3  3 4  6 7  7 8
TEXT
{
  echo "settings $WORK/settings"
  echo "menu Window|Scheduling"
  echo "clipboard-file $WORK/help.txt"
  echo "menu File|New|Paste"
  echo "press SCHED 201"
  echo "dialog SCHED 101 2"
  echo "press SCHED 203"
  echo "menu Misc|copy Schedule"
  echo "file $WORK/first.grs"
  echo "menu File|Save As"
  echo "clipboard 2 0 0 1 0 5 0"
  echo "menu File|New|Paste"
  echo "file $WORK/second.grs"
  echo "menu File|Save As"
  echo "print messages"
  echo "open $WORK/second.grs"
  echo "press SCHED 203"
  echo "menu Misc|copy Schedule"
  echo "menu Misc|copy Digraph"
  echo "print notebook"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "message: hmm ...: positive value?"
cmp first.grs second.grs || fail "the refused paste changed the saved bytes"
# By hand (example 1): E 0-8, F 8-14, G 14-23, H 23-27 on processor 1;
# B 0-7, A 7-12, C 14-19, D 19-22 on processor 2: 27, the critical path E F G H.
cat > schedule.txt <<'TXT'
processor 1: E 0-8, F 8-14, G 14-23, H 23-27
processor 2: B 0-7, A 7-12, C 14-19, D 19-22
finishing time: 27
lower bound: 27 [optimal]
TXT
[ "$(grep -c '^finishing time: 27$' out.txt)" = 2 ] || { cat out.txt; fail "27 expected in both notebooks"; }
grep -A3 -m1 '^processor 1: E 0-8' out.txt > got.txt
diff schedule.txt got.txt || fail "the schedule differs from the hand-worked one"
# The reopened file's manager applied its stored list (EFGCBAHD) on its 2
# processors: 27 again. Its notebook ends with the digraph as text.
sed -n '/^tasks: 8$/,$p' out.txt > digraph.txt
[ "$(sed -n 3p digraph.txt)" = "times: 5 7 5 3 8 6 9 4" ] || { cat digraph.txt; fail "times"; }
[ "$(sed -n 4p digraph.txt)" = "arrows: 5" ] || fail "arrows"
[ "$(sed -n 5p digraph.txt)" = "3 4  5 6  6 3  6 7  7 8" ] || fail "precedences: $(sed -n 5p digraph.txt)"
# Pasted back into a fresh window and copied again: the same text.
{
  echo "settings $WORK/settings"
  echo "menu Window|Scheduling"
  echo "clipboard-file $WORK/digraph.txt"
  echo "menu File|New|Paste"
  echo "menu Misc|copy Digraph"
  echo "print notebook"
} > script3.txt
"$QUANDEL" --batch script3.txt | tr -d '\r' > out3.txt
diff digraph.txt out3.txt || fail "copy Digraph pasted back differs"
echo ok
