# Example 1 pasted from the File help's text, its critical-path list applied
# on 2 processors, and the digraph with its chart exported as EPS, SVG and
# PicTeX: ghostscript renders the EPS, rsvg-convert the SVG and plain TeX
# with pictex.tex compiles the PicTeX, each without an error, and each file
# holds the processor numbers, the task names and the marked times.
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
  echo "print notebook"
  for f in eps svg tex; do
    case $f in eps) item=EPS ;; svg) item=SVG ;; tex) item=PiCTeX ;; esac
    echo "file $WORK/chart.$f"
    [ $f = eps ] || echo "press PICTEX 1"
    echo "menu File|Export graphics|$item ..."
  done
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "finishing time: 27"
expect_line out.txt "message: success: EPS file saved"
expect_line out.txt "message: success: SVG file saved"
expect_line out.txt "message: success: TeX file saved"
for t in 0 7 8 12 14 19 22 23 27; do
  grep -q "($t)" chart.eps || fail "EPS lacks the time $t"
  grep -q "> $t </text>" chart.svg || fail "SVG lacks the time $t"
  grep -q "put {$t} \[t\]" chart.tex || fail "PicTeX lacks the time $t under the band"
done
for n in A B C D E F G H; do
  grep -q "($n)" chart.eps || fail "EPS lacks task $n"
  grep -q "> $n </text>" chart.svg || fail "SVG lacks task $n"
  grep -q "put {$n} \[b\]" chart.tex || fail "PicTeX lacks task $n in the chart"
done
for p in 1 2; do
  # right and bottom: the writer puts the horizontal letter first
  grep -q "put {$p} \[rb\]" chart.tex || fail "PicTeX lacks processor $p"
done
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r72 -sOutputFile=chart-eps.png chart.eps > gs.txt 2>&1 \
  || { cat gs.txt; fail "ghostscript"; }
grep -qi error gs.txt && { cat gs.txt; fail "ghostscript reports an error"; }
[ -s chart-eps.png ] || fail "no PNG from the EPS"
rsvg-convert -o chart-svg.png chart.svg 2> rsvg.txt || { cat rsvg.txt; fail "rsvg-convert"; }
[ -s chart-svg.png ] || fail "no PNG from the SVG"
if kpsewhich pictex.tex >/dev/null 2>&1; then
  printf '\\input pictex\n\\input chart.tex\n\\box1\n\\bye\n' > doc.tex
  tex -interaction=nonstopmode -halt-on-error doc.tex > tex.log 2>&1 </dev/null || { cat tex.log; fail "tex"; }
fi
echo ok
