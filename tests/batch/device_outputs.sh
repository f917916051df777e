# Opens the demo picture at 640 x 480 pixels, writes it as a metafile and as
# a BMP with 1 and 12 pages, copies it both ways, saves the clipboard and
# prints it; then hands the files to file, emf2svg and ImageMagick.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
demo
input2 640@ | 480@
menu File|Image size
SCRIPT
for item in Metafile BMP; do
  ext=emf; [ $item = BMP ] && ext=bmp
  for pages in 1 12; do
    cat >> script.txt <<SCRIPT
file $WORK/d$pages.$ext
dialog PICTEX 221 $pages
press PICTEX 1
menu Export graphics|$item
SCRIPT
  done
done
cat >> script.txt <<SCRIPT
menu File|Bitmap to clipboard
clipboard save $WORK/bitmap
menu File|Copy to clipboard
clipboard save $WORK/copy
answer 1
menu File|Print
SCRIPT
"$QUANDEL" --batch script.txt > out.txt || { cat out.txt; fail "batch run"; }
expect_line out.txt "message: success: EMF saved"
expect_line out.txt "message: success: BMP file saved"
[ "$(grep -c '^message: success' out.txt)" = 4 ] || { cat out.txt; fail "four exports expected"; }
for f in d1.emf d1.bmp d12ANIM.txt d1200.emf d1211.emf d1200.bmp d1211.bmp bitmap.bmp copy.bmp copy.svg copy.emf; do
  [ -s "$f" ] || fail "no $f"
done
[ ! -e bitmap.emf ] || fail "the bitmap copy holds a metafile"
cmp -s d1.emf copy.emf || fail "the copied metafile differs from the exported one"
cmp -s d1.bmp bitmap.bmp || fail "the bitmap copy differs from the exported BMP"
if command -v file >/dev/null 2>&1; then
  file d1.emf | grep -q "Windows Enhanced Metafile" || fail "file: $(file d1.emf)"
  file d1.bmp | grep -q "640 x 480 x 24" || fail "file: $(file d1.bmp)"
fi
if command -v emf2svg-conv >/dev/null 2>&1; then
  emf2svg-conv -i d1.emf -o d1.svg || fail "emf2svg-conv"
  xmllint --noout d1.svg || fail "emf2svg's SVG"
fi
if command -v convert >/dev/null 2>&1; then
  [ "$(convert d1.bmp -format '%w %h' info:)" = "640 480" ] || fail "ImageMagick size"
fi
echo ok
