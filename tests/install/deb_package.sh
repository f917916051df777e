# The Debian package: built by CPack from the build folder, it holds the
# program and its desktop files, depends on the Qt libraries the program
# needs, and the program it unpacks runs.
. "$(dirname "$0")/common.inc"
need cpack dpkg-deb dpkg-shlibdeps
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$T/pkg" >/dev/null || fail "cpack failed"
deb=$(ls "$T"/pkg/quandel_*.deb)
[ -f "$deb" ] || fail "no package"
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||' > contents.txt
for f in usr/bin/quandel usr/share/applications/$APP_ID.desktop \
  usr/share/icons/hicolor/scalable/apps/$APP_ID.svg usr/share/mime/packages/$APP_ID.xml \
  usr/share/metainfo/$APP_ID.metainfo.xml; do
  grep -qxF "$f" contents.txt || fail "the package lacks $f"
done
for s in 16 24 32 48 64 128 256; do
  grep -qxF "usr/share/icons/hicolor/${s}x${s}/apps/$APP_ID.png" contents.txt || fail "the package lacks the ${s}px icon"
done
# The databases' caches belong to dpkg's triggers, not to the package.
! grep -q 'mime.cache\|mimeinfo.cache' contents.txt || fail "the package carries a database cache"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "the section is not science"
[[ "$(dpkg-deb -f "$deb" Recommends)" == *fonts-liberation* ]] || fail "fonts are not recommended"
# The unpacked program runs a batch script.
dpkg-deb -x "$deb" root
mkdir -p settings
printf 'settings %s\nmenu Window|Apportionment\nprint title\n' "$T/settings" > run.txt
QT_QPA_PLATFORM=offscreen root/usr/bin/quandel --batch run.txt > out.txt || fail "the unpacked program does not run"
grep -q . out.txt || fail "the unpacked program printed nothing"
echo ok
