# Opens the demo picture at 400 x 300 pixels, exports it as EPS, SVG and
# PicTeX with 1 and with 12 pages, and hands the files to the readers that
# are installed: ghostscript, xmllint, librsvg, tex and pdflatex.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
demo
input2 400@ | 300@
menu File|Image size
SCRIPT
for fmt in eps svg tex; do
  case $fmt in eps) item=EPS ;; svg) item=SVG ;; tex) item=PiCTeX ;; esac
  for pages in 1 12; do
    on=0; [ "$pages" = 12 ] && on=1
    cat >> script.txt <<SCRIPT
file $WORK/p$pages.$fmt
dialog PICTEX 220 $on
dialog PICTEX 221 $pages
press PICTEX 1
menu Export graphics|$item
SCRIPT
  done
done
"$QUANDEL" --batch script.txt > out.txt
expect_line out.txt "message: success: EPS file saved"
expect_line out.txt "message: success: SVG file saved"
expect_line out.txt "message: success: TeX file saved"
[ "$(grep -c '^message: success' out.txt)" = 6 ] || { cat out.txt; fail "six exports expected"; }
for f in p1.eps p1.svg p1.tex p12ANIM.txt p12ANIM.tex; do [ -s "$f" ] || fail "no $f"; done
for i in 00 05 11; do for fmt in eps svg tex; do [ -s "p12$i.$fmt" ] || fail "no p12$i.$fmt"; done; done
[ ! -e p1212.eps ] || fail "a 13th page"
grep -qx $'%%BoundingBox: 0 0 300 225\r' p1.eps || fail "bounding box: $(grep BoundingBox p1.eps)"
[ "$(grep -c $'\r$' p12ANIM.txt)" = 12 ] || fail "animation list"

if command -v gs >/dev/null 2>&1; then
  for f in p1.eps p1200.eps p1207.eps; do
    gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=bbox "$f" > bbox.txt 2>&1 || { cat bbox.txt; fail "gs on $f"; }
    grep -qi error bbox.txt && { cat bbox.txt; fail "gs reports an error on $f"; }
    read -r _ x0 y0 x1 y1 < <(grep HiResBoundingBox bbox.txt)
    awk -v a="$x0" -v b="$y0" -v c="$x1" -v d="$y1" \
      'BEGIN { exit !(a >= -1.05 && b >= -1.05 && c <= 301.05 && d <= 226.05) }' || fail "$f outside its box: $x0 $y0 $x1 $y1"
  done
else
  echo "ghostscript not installed: EPS checks skipped"
fi
if command -v xmllint >/dev/null 2>&1; then
  for f in p1.svg p1200.svg p1211.svg; do xmllint --noout "$f" || fail "xmllint on $f"; done
  [ "$(xmllint --xpath 'string(/*/@viewBox)' p1.svg)" = "0 0 400 300" ] || fail "viewBox"
else
  echo "xmllint not installed: SVG checks skipped"
fi
if command -v rsvg-convert >/dev/null 2>&1; then
  rsvg-convert -o p1.png p1.svg || fail "rsvg-convert"
  [ -s p1.png ] || fail "no PNG"
fi
if command -v tex >/dev/null 2>&1 && kpsewhich pictex.tex >/dev/null 2>&1; then
  printf '\\input pictex\n\\input p1.tex\n\\box1\n\\bye\n' > doc.tex
  tex -interaction=nonstopmode -halt-on-error doc.tex > tex.log 2>&1 </dev/null || { cat tex.log; fail "tex"; }
  if command -v pdflatex >/dev/null 2>&1 && kpsewhich animate.sty >/dev/null 2>&1; then
    printf '\\documentclass{article}\n\\usepackage{pictex}\n\\usepackage{animate}\n\\begin{document}\n\\input{p12ANIM.tex}\n\\end{document}\n' > anim.tex
    pdflatex -interaction=nonstopmode -halt-on-error anim.tex > pdflatex.log 2>&1 </dev/null || { tail -30 pdflatex.log; fail "pdflatex"; }
  fi
else
  echo "tex or PiCTeX not installed: TeX checks skipped"
fi
echo ok
