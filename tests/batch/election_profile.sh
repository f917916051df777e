# The 55-voter election entered as a pasted profile in the ballot manager,
# every report on and the summary printed; saved, the window closed, the
# file reopened and the same summary printed from the same current ballot.
. "$(dirname "$0")/common.inc"
cat > profile.txt <<'TEXT'
18 ADECB
12 BEDCA
10 CBEDA
9 DCEBA
4 EBDCA
2 ECDBA
TEXT
{
  echo "settings $WORK/settings"
  echo "menu Window|Voting"
  echo "clipboard-file $WORK/profile.txt"
  # A new election has not been saved: paste profile asks first.
  echo "answer no"
  echo "press ELECTION 161"
  echo "menu View|Borda"
  echo "menu View|Condorcet"
  echo "dialog ELECTION 111 ADECB"
  echo "print text"
  echo "file $WORK/fifty-five.vot"
  echo "menu File|Save As"
  echo "menu File|Exit"
  echo "open $WORK/fifty-five.vot"
  echo "dialog ELECTION 111 ADECB"
  echo "print text"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
# The summary, worked out by hand: first places, the runoffs (E beats
# everyone head to head, so the sequence elects E from any ballot; A and B
# meet in the winners runoff; E, D, B and A are eliminated in turn), the
# position counts with Borda totals 4, 3, 2, 1, 0 points, and the head-to-
# head counts (row over column).
cat > summary.txt <<'SUMMARY'
election summary (55 total votes)
plurality ranking
-----------------
A ranks first: 18 ballots (32.73%)
B ranks first: 12 ballots (21.82%)
C ranks first: 10 ballots (18.18%)
D ranks first: 9 ballots (16.36%)
E ranks first: 6 ballots (10.91%)
===================================

runoff winners
--------------
pairwise majority sequence ADECB: E
winners runoff: B
losers elimination: C
===================================

Borda-point ranking
-------------------
       1   2   3   4   5    points
----------------------------------
D      9  18  18  10   0       136
E      6  12  37   0   0       134
C     10  11   0  34   0       107
B     12  14   0  11  18       101
A     18   0   0   0  37        72

points awarded 4, 3, 2, 1, 0
==================================

Condorcet ranking
-----------------
       A   B   C   D   E
------------------------
A         18  18  18  18
B     37      16  26  22
C     37  39      12  19
D     37  29  43      27
E     37  33  36  28    

E defeats ABCD    4-0
D defeats ABC     3-1
C defeats AB      2-2
B defeats A       1-3
A                 0-4
========================

SUMMARY
count=$(grep -c '^election summary (55 total votes)$' out.txt || true)
[ "$count" = 2 ] || { cat out.txt; fail "expected two summaries, found $count"; }
csplit -s -f part out.txt '/^election summary (55 total votes)$/' '{1}'
head -n "$(wc -l < summary.txt)" part01 > first.txt
head -n "$(wc -l < summary.txt)" part02 > second.txt
diff summary.txt first.txt || fail "the summary differs from the hand-worked one"
diff summary.txt second.txt || fail "the reopened file's summary differs"
# The only question was the save question before the paste.
[ "$(grep -c '^question:' out.txt)" = 1 ] || { cat out.txt; fail "expected one question"; }
expect_line out.txt "question: careful!: save changes to noname1.vot?"
! grep -q '^message: hmm' out.txt || { cat out.txt; fail "an unexpected message"; }
echo ok
