# A walk through every item of the graph window's menu: after `seed`, from a
# small complete weighted graph, each item is sent once (in an order that
# keeps it enabled: a tour before Improve pairs, Random planar before Reset,
# Polyhedral test before Next view, a Bouwkamp paste before the
# squared-rectangle items), every dialog answered. It fails on a "not yet
# available" (outside the list below, which must end empty), on a disabled
# item (bar collection files that are not installed), on an item of the menu
# never sent, and on a non-zero exit. A second pass answers the dialogs of
# the window's own commands badly and pastes one faulty text per format:
# each gets its message and the graph's Definition stays the same.
. "$(dirname "$0")/common.inc"
# Commands that may still say "not yet available" (none).
NOT_YET=()
# Collections read from files beside the program that need not be there.
OPTIONAL_FILES=("Graph6|Cubic polyhedra|7: 18-vertex" "Graph6|Cubic polyhedra|8: 20-vertex"
                "Graph6|Snarks|5: 26-vertex" "Graph6|Snarks|6: 28-vertex")
printf 'IheA@GUAo\nC~\n' > two.g6
mkdir -p settings
cat > walk.txt <<'SCRIPT'
settings WORKDIR/settings
seed 7
menu Window|Graphs
clipboard 4 vertices 0 0 3 0 3 4 0 4 6 edges 0 1 0 2 0 3 1 2 1 3 2 3 6 weights 3 5 4 4 5 3
menu File|Paste|Coordinates
print menu
file WORKDIR/k4.gra
menu File|Save As ...
menu File|Save
file WORKDIR/k4.gra
menu File|Open ...
# File|New
input 5
menu File|New|Circle|Circle ...
answer no
input 6
menu File|New|Circle|Complete ...
answer no
input 7
menu File|New|Circle|Points ...
answer no
dialog CIRCULANT 102 8
dialog CIRCULANT 104 2,3
press CIRCULANT 1
menu File|New|Circle|Circulant ...
answer no
dialog CITYMAP 102 3
dialog CITYMAP 104 4
press CITYMAP 1
menu File|New|Grid|Grid ...
answer no
dialog CITYMAP 102 2
dialog CITYMAP 104 3
press CITYMAP 1
menu File|New|Grid|Points ...
answer no
menu File|New|Point
answer no
input 6
menu File|New|Random|TSP ...
answer no
menu File|New|Random|Kruskal
answer no
input 8
menu File|New|Random|Tree ...
answer no
input 12
menu File|New|Random|Planar ...
answer no
menu File|New|Random|Reset
answer no
input 4
menu File|New|Cubics|Prism ...
answer no
input 4
menu File|New|Cubics|Moebius ...
answer no
input2 5 | 2
menu File|New|Cubics|Petersen ...
answer no
menu File|New|Cubics|Dodecahedron
answer no
menu File|New|Cubics|1. Barnette 38
answer no
menu File|New|Cubics|2. Grinberg 42
answer no
menu File|New|Cubics|3. Faulkner-Younger 42
answer no
menu File|New|Cubics|4. Grinberg 44
answer no
menu File|New|Cubics|5. Faulkner-Younger 44
answer no
menu File|New|Cubics|6. Tutte 46
answer no
menu File|New|Cubics|7. Grinberg 46
answer no
menu File|New|Cubics|8. Thomassen 94
answer no
menu File|New|Miscellany|1. Utilities K3,3
answer no
menu File|New|Miscellany|2. Goldner-Harary
answer no
menu File|New|Miscellany|3. Groetzsch
answer no
menu File|New|Miscellany|4. Herschel
answer no
menu File|New|Miscellany|5. Desargues
answer no
menu File|New|Miscellany|6. Heawood
answer no
menu File|New|Miscellany|7. Holt
answer no
input 4
menu File|New|Miscellany|8. Knight's moves ...
answer no
menu File|New|Miscellany|9. USA states
menu File|New|Help
answer no
clipboard 4 vertices 0 0 3 0 3 4 0 4 6 edges 0 1 0 2 0 3 1 2 1 3 2 3 6 weights 3 5 4 4 5 3
menu File|Paste|Coordinates
clipboard 0 1 2; 1 3;
answer no
menu File|Paste|Adjacencies
clipboard 3 5 4 4 5 3
menu File|Paste|Weights
clipboard IheA@GUAo
answer no
menu File|Paste|Graph6 notation
clipboard [3,-3]^4
answer no
menu File|Paste|LCF notation
menu File|Paste|Connected
clipboard 3 3 2 2 2
answer no
menu File|Paste|Valences
menu File|Paste|Zero-based input
menu File|Paste|Zero-based input
clipboard (18,15)(7,8)(14,4)(10,1)(9)
answer no
menu File|Paste|Bouwkamp notation
menu View|Squared rectangles|Hide squares
menu View|Squared rectangles|Hide graph
menu View|Squared rectangles|Restore
menu View|Squared rectangles|Numerals
menu View|Squared rectangles|Vertical segments
menu Misc|Bouwkamp notation
answer no
menu File|Squared-rectangle library ...
press SQRECTLIB 201
press SQRECTLIB 2
answer ok
menu File|Print ...
press PRNSPX2 1
menu File|Format ...
menu File|Select printer ...
menu File|Copy to clipboard
menu File|Bitmap to clipboard
menu File|With back color
menu File|High resolution
file WORKDIR/pic.eps
menu File|Export graphics|EPS ...
file WORKDIR/pic.svg
press PICTEX 1
menu File|Export graphics|SVG ...
file WORKDIR/pic.tex
press PICTEX 1
menu File|Export graphics|PiCTeX ...
file WORKDIR/pic.emf
menu File|Export graphics|Metafile ...
file WORKDIR/pic.bmp
menu File|Export graphics|BMP ...
input2 400@ | 300@
menu File|Image size ...
menu File|Help
answer no
clipboard 4 vertices 0 0 3 0 3 4 0 4 6 edges 0 1 0 2 0 3 1 2 1 3 2 3 6 weights 3 5 4 4 5 3
menu File|Paste|Coordinates
menu Edit|Single labels ...
dialog LABELS 101 A B
press LABELS 202
press LABELS 211
press LABELS 1
press LABELS 2
menu Edit|Icons|No icon
menu Edit|Icons|Circle
menu Edit|Icons|Solid box
menu Edit|Icons|Empty box
menu Edit|Icons|Bullet
menu Edit|Texts|Alphabet
menu Edit|Texts|User labels
menu Edit|Texts|Valence
menu Edit|Texts|No text
menu Edit|Offset
menu Edit|Home
menu Edit|Weights
menu Edit|Digraph
answer no
menu Edit|Complement
answer no
menu Edit|Complete
answer no
input 100
menu Edit|Distances ...
answer no
menu Edit|Randomize|Connections
answer no
menu Edit|Randomize|Directions
answer no
menu Edit|Randomize|Weights
answer no
menu Edit|Complete
menu Edit|Polyhedral test
menu Edit|Next view
menu Edit|Help
menu View|View ...
press VIEWALL 2
menu View|Zoom Out
menu View|Zoom In
input 2
menu View|Factor ...
menu View|Autofit
input 45
menu View|Angle ...
menu View|Rotate
input A B C
menu View|Schlegel ...
menu View|Shift Right
menu View|Shift Left
menu View|Shift Up
menu View|Shift Down
input 10
menu View|Percentage ...
menu View|Last window
menu View|Axes
menu View|Solid arrowheads
menu View|Opaque
press SETGRID 1
menu View|Grid ...
input 2
menu View|Axes thickness|Screen ...
input 3
menu View|Axes thickness|Printed ...
input 1
menu View|Gridlines thickness|Screen ...
input 2
menu View|Gridlines thickness|Printed ...
input 150
menu View|Hyphen to minus ...
menu View|Help
menu Btns|Vertex move
menu Btns|Arrows
menu Btns|Text
menu Btns|Rotate
menu Btns|Coordinates
menu Btns|Graphics
menu Btns|Drawing
menu Btns|Redraw deletion
menu Btns|Toolbar
press TOOLS 2
menu Btns|Help
answer no
clipboard 5 vertices 0 0 4 0 5 3 2 5 -1 3 10 edges 0 1 0 2 0 3 0 4 1 2 1 3 1 4 2 3 2 4 3 4 10 weights 1 20 30 40 2 50 60 3 70 4
menu File|Paste|Coordinates
menu Algo|Hamiltonian Circuit
menu Algo|Hamiltonian Path
menu Algo|Hamiltonian exact
menu Algo|TSP|Sorted edges
input A
menu Algo|TSP|Nearest nbr ...
key Q after 200
menu Algo|TSP|Random search
menu Algo|TSP|Improve pairs
menu Algo|TSP|Best so far
menu Algo|TSP|Optimal
menu Algo|MST|Minimal weight
menu Algo|MST|Kruskal
menu Algo|MST|Minimal weight
menu Algo|MST|Prim
input A
menu Algo|Dijkstra ...
menu Algo|Use numbers
menu Algo|Welsh-Powell
menu Algo|Color
menu Algo|Refresh
menu Algo|Solution only
menu Algo|Slow motion
answer no
key Q
menu Algo|Orient
key Q
menu Algo|Eulerian
menu Algo|Slow motion
menu Algo|Help
menu Misc|Data ...
menu Misc|Definition
menu Misc|Graph6 notation
menu Misc|Sparse6 notation
input 6
menu Misc|Icon size ...
dialog RNDRANGE 102 5
dialog RNDRANGE 104 60
press RNDRANGE 1
menu Misc|Weight range ...
dialog DP 102 3
press DP 1
menu Misc|Decimal places ...
input 2
menu Misc|Thicken print ...
answer ok
menu Misc|Fonts|Labels ...
answer ok
menu Misc|Fonts|Weights and scale ...
answer ok
menu Misc|Fonts|Summary ...
answer ok
menu Misc|Fonts|Numerals in squares ...
answer ok
menu Misc|Fonts|Axis letters ...
answer ok
menu Misc|Fonts|Coordinates ...
menu Misc|Colors|Background ...
menu Misc|Colors|Edges ...
menu Misc|Colors|Vertices ...
menu Misc|Colors|Labels ...
menu Misc|Colors|Weights ...
menu Misc|Colors|Solution ...
menu Misc|Colors|Summary ...
menu Misc|Colors|Arrowheads ...
menu Misc|Colors|Squared rectangles, axes ...
menu Misc|Colors|Numerals in squares ...
menu Misc|Colors|Grid lines ...
menu Misc|Colors|Coordinates ...
menu Misc|Notebook
input 1
file WORKDIR/k4.gra
answer ok
menu Misc|Simulprint ...
menu Misc|Help
answer no
menu Graph6|Classic polyhedra|Platonic
menu Graph6|Example + 1
menu Graph6|Example - 1
menu Graph6|Classic polyhedra|Archimedean
menu Graph6|Example + 10
menu Graph6|Example - 10
menu Graph6|Classic polyhedra|Johnson
menu Graph6|Next collection
menu Graph6|Cubic polyhedra|0: 4-vertex
menu Graph6|Cubic polyhedra|1: 6-vertex
menu Graph6|Cubic polyhedra|2: 8-vertex
menu Graph6|Cubic polyhedra|3: 10-vertex
menu Graph6|Cubic polyhedra|4: 12-vertex
menu Graph6|Cubic polyhedra|5: 14-vertex
menu Graph6|Cubic polyhedra|6: 16-vertex
menu Graph6|Example + 100
menu Graph6|Example - 100
menu Graph6|Cubic polyhedra|7: 18-vertex
menu Graph6|Cubic polyhedra|8: 20-vertex
menu Graph6|Snarks|0: 10-vertex
menu Graph6|Snarks|1: 18-vertex
menu Graph6|Snarks|2: 20-vertex
menu Graph6|Snarks|3: 22-vertex
menu Graph6|Snarks|4: 24-vertex
menu Graph6|Snarks|5: 26-vertex
menu Graph6|Snarks|6: 28-vertex
file WORKDIR/two.g6
menu Graph6|Other ...
menu Graph6|Help
SCRIPT
cat > bad.txt <<'SCRIPT'
echo == second pass
file WORKDIR/second.gra
menu File|Save As ...
clipboard 4 vertices 0 0 3 0 3 4 0 4 6 edges 0 1 0 2 0 3 1 2 1 3 2 3 6 weights 3 5 4 4 5 3
menu File|Paste|Coordinates
menu Misc|Definition
echo == definition 0
print notebook
input abc
menu View|Angle ...
input 0
menu Misc|Icon size ...
input 40000
menu Misc|Icon size ...
input -1
menu Misc|Thicken print ...
input 101
menu Misc|Thicken print ...
answer no
clipboard 0 vertices
menu File|Paste|Coordinates
clipboard 0 9; 1 2;
menu File|Paste|Adjacencies
clipboard 1 2 3
menu File|Paste|Weights
clipboard ~~~
menu File|Paste|Graph6 notation
clipboard [0]^3
menu File|Paste|LCF notation
clipboard (2,1)(1)
menu File|Paste|Bouwkamp notation
clipboard 3 3 3
menu File|Paste|Valences
menu Misc|Definition
echo == definition 1
print notebook
answer no
menu File|Exit
SCRIPT
# Each menu line is announced, so that what follows it can be told apart.
cat walk.txt bad.txt | sed "s|WORKDIR|$WORK|g; s/^menu \(.*\)$/echo > \1\nmenu \1/" > script.txt
"$QUANDEL" --batch script.txt > raw.txt 2> err.txt || { tail -20 raw.txt; cat err.txt; fail "the walk stopped"; }
tr -d '\r' < raw.txt > out.txt
[ ! -s err.txt ] || { cat err.txt; fail "errors"; }

# The menu as the window first showed it: every item must have been sent.
awk '/^> /{ n++ } n == 2 && /^[0-9]+ /' out.txt | sed 's/ checked$//; s/ disabled$//' \
  | cut -d' ' -f2- | sort -u > items.txt
[ "$(wc -l < items.txt)" -gt 150 ] || { cat items.txt; fail "print menu listed too few items"; }
sed -n 's/^> //p' out.txt | sort -u > sent.txt
missing=$(comm -23 items.txt sent.txt)
[ -z "$missing" ] || fail "never sent: $missing"

# No "not yet available" but from the named commands; no disabled item but
# the optional collection files.
while IFS= read -r line; do
  case $line in
    "> "*) current=${line#> } ;;
    "message: hmm ...: not yet available")
      ok=0; for c in "${NOT_YET[@]}"; do [ "$c" = "$current" ] && ok=1; done
      [ $ok = 1 ] || fail "$current says not yet available" ;;
    "note: menu item "*" is disabled")
      item=${line#note: menu item }; item=${item% is disabled}
      ok=0; for c in "${OPTIONAL_FILES[@]}"; do [ "$c" = "$item" ] && ok=1; done
      [ $ok = 1 ] || fail "$item was disabled when the walk sent it" ;;
  esac
done < out.txt

# The second pass: each bad entry or paste gets exactly its message.
sed -n '/^== second pass$/,$p' out.txt > second.txt
expect_after() { # expect_after N ITEM MESSAGE: the Nth "> ITEM" of the second pass is followed by MESSAGE alone
  got=$(awk -v want="> $2" -v n="$1" '$0 == want { k++; if (k == n) { do getline; while ($0 ~ /^question:/); print; getline; print; exit } }' second.txt)
  first=$(printf '%s\n' "$got" | sed -n 1p); next=$(printf '%s\n' "$got" | sed -n 2p)
  [ "$first" = "message: hmm ...: $3" ] || { cat second.txt; fail "$2 ($1): \"$first\" instead of \"$3\""; }
  case $next in message:*|question:*) fail "$2 ($1): a second message \"$next\"" ;; esac
}
expect_after 1 "View|Angle ..." "cannot understand"
expect_after 1 "Misc|Icon size ..." "positive value?"
expect_after 2 "Misc|Icon size ..." "out of bounds"
expect_after 1 "Misc|Thicken print ..." "positive value?"
expect_after 2 "Misc|Thicken print ..." "out of bounds"
expect_after 2 "File|Paste|Coordinates" "nothing to do"
expect_after 1 "File|Paste|Adjacencies" "inconsistent data"
expect_after 1 "File|Paste|Weights" "not enough data"
expect_after 1 "File|Paste|Graph6 notation" "missing data"
expect_after 1 "File|Paste|LCF notation" "inconsistent data"
expect_after 1 "File|Paste|Bouwkamp notation" "inconsistent data"
expect_after 1 "File|Paste|Valences" "inconsistent data"
# Definition after them all adds the very block it added before them.
awk '/^== definition 0$/{f=1;next} /^> /{f=0} f' out.txt > n0.txt
awk '/^== definition 1$/{f=1;next} /^> /{f=0} f' out.txt > n1.txt
last=$(grep -n '^vertices: 4$' n0.txt | tail -1 | cut -d: -f1)
[ -n "$last" ] || { cat n0.txt; fail "no Definition in the notebook"; }
tail -n +"$last" n0.txt > block.txt
grep -qx '3 5 4 4 5 3' block.txt || { cat block.txt; fail "the Definition lost its weights"; }
cat n0.txt block.txt | cmp -s - n1.txt || { diff <(cat n0.txt block.txt) n1.txt; fail "the Definition changed"; }
