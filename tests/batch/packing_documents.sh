# A bin-packing document through the batch clipboard: 2 9 5 6 1 3 3 packed
# into 10 by best fit decreasing and saved; Random replaces the list; the
# file reopened packs at once to 9 1 | 6 3 | 5 3 2, three bins, optimal;
# saving it again gives the same bytes; EPS and SVG exported and read by
# ghostscript and librsvg; a copy cut short is refused and the window
# keeps its bins.
. "$(dirname "$0")/common.inc"
mkdir -p "$WORK/settings"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Packing
clipboard 2 9 5 6 1 3 3
menu File|New|Paste items
dialog BINS 101 10
press BINS 204
press BINS 211
press BINS 301
file $WORK/list.bpa
menu File|Save As
input2 40 | 10
menu File|New|Random
answer no
file $WORK/list.bpa
menu File|Open
file $WORK/again.bpa
menu File|Save As
menu Misc|copy Solution
print notebook
file $WORK/bins.eps
menu Export graphics|EPS
file $WORK/bins.svg
press PICTEX 1
menu Export graphics|SVG
print messages
SCRIPT
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
R="=========================="
cat > expected.txt <<EXPECTED
9 1 
6 3 
5 3 2 
bins used: 3 [optimal]
$R
EXPECTED
grep -A4 -x '9 1 ' out.txt > solution.txt || { cat out.txt; fail "no solution in the notebook"; }
diff expected.txt solution.txt || fail "the reopened file packs differently"
cmp list.bpa again.bpa || fail "saving the reopened file changed its bytes"
expect_line out.txt "message: success: EPS file saved"
expect_line out.txt "message: success: SVG file saved"
if command -v gs >/dev/null 2>&1; then
  gs -q -dNOPAUSE -dBATCH -dSAFER -dEPSCrop -r96 -sDEVICE=ppmraw -sOutputFile=eps.ppm bins.eps > gs.txt 2>&1 \
    || { cat gs.txt; fail "gs on bins.eps"; }
  [ -s eps.ppm ] || fail "ghostscript drew nothing"
fi
if command -v rsvg-convert >/dev/null 2>&1; then
  rsvg-convert -o bins.png bins.svg || fail "rsvg-convert on bins.svg"
  [ -s bins.png ] || fail "librsvg drew nothing"
fi

# The file cut short: "cannot open file", the window unchanged.
size=$(stat -c %s list.bpa)
head -c $((size - 3)) list.bpa > cut.bpa
cat > script2.txt <<SCRIPT
settings $WORK/settings
menu Window|Packing
file $WORK/list.bpa
menu File|Open
print title
file $WORK/cut.bpa
menu File|Open
print title
menu Misc|copy Solution
print notebook
print messages
SCRIPT
"$QUANDEL" --batch script2.txt | tr -d '\r' > out2.txt
grep -q '^message: hmm ...: cannot open file$' out2.txt || { cat out2.txt; fail "the cut file was not refused"; }
[ "$(grep -c 'list.bpa' out2.txt)" -ge 2 ] || { cat out2.txt; fail "the title changed"; }
grep -A4 -x '9 1 ' out2.txt > solution2.txt || { cat out2.txt; fail "no solution after the refusal"; }
diff expected.txt solution2.txt || fail "the refused file changed the bins"

# 100 items into 10, first fit, scrolled to the middle: the PicTeX picture
# has the caption [t], both ellipses and the capacity at the top, and
# compiles with plain TeX and pictex.tex; EPS and SVG are drawn.
items=""
for i in $(seq 0 99); do items="$items $((1 + (i * 7) % 9))"; done
cat > script3.txt <<SCRIPT
settings $WORK/settings
menu Window|Packing
clipboard $items
menu File|New|Paste items
dialog BINS 101 10
press BINS 202
press BINS 301
menu View|Shift Right
menu View|Shift Right
file $WORK/many.tex
press PICTEX 1
menu Export graphics|PiCTeX
file $WORK/many.eps
menu Export graphics|EPS
file $WORK/many.svg
press PICTEX 1
menu Export graphics|SVG
print messages
SCRIPT
"$QUANDEL" --batch script3.txt | tr -d '\r' > out3.txt
for saved in "TeX file saved" "EPS file saved" "SVG file saved"; do expect_line out3.txt "message: success: $saved"; done
grep -q '{bins: [0-9]*} \[t\] at' many.tex || fail "no caption [t]: $(grep bins many.tex)"
[ "$(grep -c '{\.\.\.} \[lt\] at' many.tex)" = 1 ] || fail "no left ellipsis [lt]"
grep -q '{\.\.\.} \[rt\] at' many.tex || fail "no right ellipsis [rt]"
grep -q '{10} \[rt\] at' many.tex || fail "no capacity [rt]"
if command -v tex >/dev/null 2>&1 && kpsewhich pictex.tex >/dev/null 2>&1; then
  printf '\\input pictex\n\\input many.tex\n\\box1\n\\bye\n' > doc.tex
  tex -interaction=nonstopmode -halt-on-error doc.tex > tex.log 2>&1 </dev/null || { cat tex.log; fail "tex on many.tex"; }
  [ -s doc.dvi ] || fail "no dvi"
fi
if command -v gs >/dev/null 2>&1; then
  gs -q -dNOPAUSE -dBATCH -dSAFER -dEPSCrop -r96 -sDEVICE=png16m -sOutputFile=many-eps.png many.eps > gs.txt 2>&1 \
    || { cat gs.txt; fail "gs on many.eps"; }
fi
if command -v rsvg-convert >/dev/null 2>&1; then
  rsvg-convert -o many-svg.png many.svg || fail "rsvg-convert on many.svg"
fi
echo ok
