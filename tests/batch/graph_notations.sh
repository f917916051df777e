# The Petersen graph pasted in graph6, written in both notations and read
# back from its sparse6 string; the 20-vertex cubic polyhedra stepped back
# from the first to the last; an LCF text whose chords do not pair is
# refused and the graph's Data stay as they were.
. "$(dirname "$0")/common.inc"
{
  echo "settings $WORK/settings"
  echo "menu Window|Graphs"
  echo "clipboard IheA@GUAo"
  echo "menu File|Paste|Graph6 notation"
  echo "menu Misc|Graph6 notation"
  echo "menu Misc|Sparse6 notation"
  # nauty's sparse6 of the same graph (nauty-copyg -s)
  echo "clipboard :I\`ES@obGkqegW~"
  echo "answer no"
  echo "menu File|Paste|Graph6 notation"
  echo "menu Misc|Graph6 notation"
  echo "print notebook"
  echo "answer no"
  echo "menu Graph6|Cubic polyhedra|8: 20-vertex"
  echo "print summary"
  echo "menu Graph6|Example - 1"
  echo "print summary"
  echo "clipboard [5,-5]^7"
  echo "menu File|Paste|LCF notation"
  echo "menu Misc|Data"
  echo "clipboard [5,-5,3]^4"
  echo "answer no"
  echo "menu File|Paste|LCF notation"
  echo "menu Misc|Data"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "graph6 notation: IheA@GUAo"
expect_line out.txt 'sparse6 notation: :I`ES@obGkqegW~'
count=$(grep -c '^graph6 notation: IheA@GUAo$' out.txt || true)
[ "$count" = 2 ] || { cat out.txt; fail "expected the Petersen graph6 twice, found $count"; }
grep -qE '^20-vertex example 1/7595 \(view [0-9]+/12\)$' out.txt || { cat out.txt; fail "no first 20-vertex example"; }
grep -qE '^20-vertex example 7595/7595 \(view [0-9]+/12\)$' out.txt || { cat out.txt; fail "no last 20-vertex example"; }
# The messages end with the refusal and the Heawood graph's Data: the
# refused text changed nothing.
tail -n 2 out.txt > last.txt
printf '%s\n' "message: hmm ...: inconsistent data" "message: Quandel: vertices: 14 edges: 21 components: 1" > want.txt
diff want.txt last.txt || { cat out.txt; fail "the refused LCF text changed the Data"; }
