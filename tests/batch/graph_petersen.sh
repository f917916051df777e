# The Petersen graph pasted as Coordinates (two pentagons and the five
# spokes), counted by Data, written by Definition, saved, reopened and
# written again; then a text that cannot be a graph.
. "$(dirname "$0")/common.inc"
cat > petersen.txt <<'TEXT'
The Petersen graph: an outer pentagon A..E, an inner star F..J.
10 vertices
 0 4    4 1    2 -3   -2 -3   -4 1
 0 2    2 0.5  1 -1.5 -1 -1.5 -2 0.5
15 edges
 0 1  1 2  2 3  3 4  4 0
 0 5  1 6  2 7  3 8  4 9
 5 7  7 9  9 6  6 8  8 5
TEXT
{
  echo "settings $WORK/settings"
  echo "menu Window|Graphs"
  echo "clipboard-file $WORK/petersen.txt"
  echo "menu File|Paste|Coordinates"
  echo "menu Misc|Data"
  echo "menu Misc|Definition"
  echo "file $WORK/petersen.gra"
  echo "menu File|Save As"
  echo "open $WORK/petersen.gra"
  echo "menu Misc|Definition"
  echo "print notebook"
  echo "window 0"
  echo "print notebook"
  echo "clipboard vertices: 0"
  echo "menu File|Paste|Coordinates"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
# Definition, written by hand: the vertices in slot order with two decimal
# places, the edges by their ends (lower first, in order of the lower end),
# no weights, no directions.
cat > definition.txt <<'DEF'
vertices: 10
0.00 4.00
4.00 1.00
2.00 -3.00
-2.00 -3.00
-4.00 1.00
0.00 2.00
2.00 0.50
1.00 -1.50
-1.00 -1.50
-2.00 0.50

edges: 15
0 1
0 4
0 5
1 2
1 6
2 3
2 7
3 4
3 8
4 9
5 7
5 8
6 8
6 9
7 9

weights: 0

directions: 0
DEF
# The reopened window's notebook holds the saved Definition and its own,
# the first window's its one: three times exactly that text (the file
# reads back the same graph).
count=$(grep -c '^vertices: 10$' out.txt || true)
[ "$count" = 3 ] || { cat out.txt; fail "expected three Definitions, found $count"; }
csplit -s -f part out.txt '/^vertices: 10$/' '{2}'
for part in part01 part02 part03; do
  head -n "$(wc -l < definition.txt)" "$part" > got.txt
  diff definition.txt got.txt || fail "$part: Definition differs from the hand-written text"
done
# Data: 10 vertices, 15 edges, 1 component.
expect_line out.txt "message: Quandel: vertices: 10 edges: 15 components: 1"
expect_line out.txt "message: hmm ...: nothing to do"
echo ok
