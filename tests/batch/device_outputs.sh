# Opens the demo picture at 640 x 480 pixels, writes it as a metafile and as
# a BMP with 1 and 12 pages, copies it both ways, saves the clipboard and
# prints it (a page is recorded); then hands the files to file, emf2svg and ImageMagick.
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
file $WORK/$ext$pages.$ext
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
answer ok
menu File|Print ...
print pages
SCRIPT
"$QUANDEL" --batch script.txt > out.txt || { cat out.txt; fail "batch run"; }
expect_line out.txt "message: success: EMF saved"
expect_line out.txt "message: success: BMP file saved"
expect_line out.txt "pages: 1"
[ "$(grep -c '^message: success' out.txt)" = 4 ] || { cat out.txt; fail "four exports expected"; }
for f in emf1.emf bmp1.bmp emf12ANIM.txt bmp12ANIM.txt emf1200.emf emf1211.emf bmp1200.bmp bmp1211.bmp bitmap.bmp copy.bmp copy.svg copy.emf; do
  [ -s "$f" ] || fail "no $f"
done
[ ! -e bitmap.emf ] || fail "the bitmap copy holds a metafile"
cmp -s emf1.emf copy.emf || fail "the copied metafile differs from the exported one"
cmp -s bmp1.bmp bitmap.bmp || fail "the bitmap copy differs from the exported BMP"
if command -v file >/dev/null 2>&1; then
  file emf1.emf | grep -q "Windows Enhanced Metafile" || fail "file: $(file emf1.emf)"
  file bmp1.bmp | grep -q "640 x 480 x 24" || fail "file: $(file bmp1.bmp)"
fi
if command -v emf2svg-conv >/dev/null 2>&1; then
  emf2svg-conv -i emf1.emf -o emf1.svg || fail "emf2svg-conv"
  xmllint --noout emf1.svg || fail "emf2svg's SVG"
fi
if command -v convert >/dev/null 2>&1; then
  [ "$(convert bmp1.bmp -format '%w %h' info:)" = "640 480" ] || fail "ImageMagick size"
fi
echo ok
