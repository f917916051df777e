# The Condorcet paradox of three voters (ABC, BCA, CAB) entered as a pasted
# profile, Condorcet and Graph on: the window names the majority cycle.
# Saved as an election and as a graph; the election reopened and saved
# again gives the same bytes but for the current-ballot word; the graph
# opened in a graph window counts 3 vertices, 3 edges, 1 component and
# lists the directions A->B, C->A, B->C.
. "$(dirname "$0")/common.inc"
printf '1 ABC\n1 BCA\n1 CAB\n' > cycle.txt
{
  echo "settings $WORK/settings"
  echo "menu Window|Voting"
  echo "answer no"
  echo "dialog ELECTION 101 ABC"
  echo "press ELECTION 102"
  echo "clipboard-file $WORK/cycle.txt"
  echo "answer no"
  echo "press ELECTION 161"
  echo "menu View|Condorcet"
  echo "menu View|Graph"
  echo "print summary"
  echo "file $WORK/cycle.vot"
  echo "menu File|Save As"
  echo "file $WORK/cycle.gra"
  echo "menu File|Save Graph"
  echo "print title"
  echo "menu File|Exit"
  echo "open $WORK/cycle.vot"
  echo "print summary"
  echo "file $WORK/again.vot"
  echo "menu File|Save As"
  echo "open $WORK/cycle.gra"
  echo "menu Misc|Data"
  echo "menu Misc|Definition"
  echo "print notebook"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
# The summary line, before and after reopening.
[ "$(grep -c '^majority cycle: A B C$' out.txt)" = 2 ] || { cat out.txt; fail "expected the cycle twice"; }
# Save Graph left the election's name: the title still names cycle.vot.
grep -q 'cycle.vot' out.txt || { cat out.txt; fail "the title lost the election's name"; }
# The two election files: equal length, equal bytes but for the current
# ballot, the third word of the block after the common header (a read picks
# the current ballot anew). The block starts where the file's last 200 + 6x4
# + 6x4 + 6x4 + notebook bytes begin; the empty notebook is 2 + 1 bytes.
size=$(stat -c %s cycle.vot)
[ "$size" = "$(stat -c %s again.vot)" ] || fail "the files differ in length"
block=$((size - 200 - 24 - 24 - 24 - 3))
{ cmp -l cycle.vot again.vot || true; } | while read -r at a b; do
  offset=$((at - 1))
  # The common header holds the window's own place; the election block
  # may differ only in its word 2.
  if [ "$offset" -ge "$block" ]; then
    [ "$offset" -ge $((block + 8)) ] && [ "$offset" -lt $((block + 12)) ] ||
      fail "byte $offset differs outside the current ballot"
  fi
done
# The graph file in the graph window.
expect_line out.txt "message: Quandel: vertices: 3 edges: 3 components: 1"
cat > definition.txt <<'DEF'
edges: 3
0 1
0 2
1 2

weights: 0

directions: 3
1 -1 1
DEF
awk '/^edges: 3$/{on=1} on' out.txt | head -n "$(wc -l < definition.txt)" > got.txt
diff definition.txt got.txt || fail "Definition differs from the hand-written text"
! grep -q '^message: hmm' out.txt || { cat out.txt; fail "an unexpected message"; }
echo ok
