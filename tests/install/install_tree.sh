# Installs into a temporary prefix and checks the files and what the
# desktop's own validators say of them.
. "$(dirname "$0")/common.inc"
need cmake desktop-file-validate appstreamcli xmllint identify
cmake --install "$BUILD" --prefix "$T/usr" >/dev/null
cd "$T/usr"
sizes="16 24 32 48 64 128 256"
expected="bin/quandel
share/doc/quandel/copyright
share/applications/$APP_ID.desktop
share/icons/hicolor/scalable/apps/$APP_ID.svg
share/metainfo/$APP_ID.metainfo.xml
share/mime/packages/$APP_ID.xml"
for s in $sizes; do expected+=$'\n'"share/icons/hicolor/${s}x${s}/apps/$APP_ID.png"; done
# Besides these, only the caches the databases' updaters write.
got=$(find . -type f | sed 's|^\./||' | grep -v -e '^share/mime/[^p]' -e '^share/mime/application/' \
  -e '^share/applications/mimeinfo.cache$' | sort)
diff <(echo "$expected" | sort) <(echo "$got") || fail "the installed files differ from the expected list"
[ -x bin/quandel ] || fail "the program is not executable"
out=$(desktop-file-validate "share/applications/$APP_ID.desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
appstreamcli validate-tree --no-net "$T" || fail "appstreamcli validate-tree failed"
xmllint --noout "share/mime/packages/$APP_ID.xml" "share/metainfo/$APP_ID.metainfo.xml" || fail "xmllint"
for s in $sizes; do
  got=$(identify -format '%wx%h' "share/icons/hicolor/${s}x${s}/apps/$APP_ID.png")
  [ "$got" = "${s}x${s}" ] || fail "the ${s}x${s} icon is $got"
done
# The desktop entry, the metainfo and the MIME package name the same nine
# types.
desktop_types=$(sed -n 's/^MimeType=//p' "share/applications/$APP_ID.desktop" | tr ';' '\n' | grep . | sort)
meta_types=$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "share/metainfo/$APP_ID.metainfo.xml" | sort)
mime_types=$(sed -n 's|.*<mime-type type="\([^"]*\)".*|\1|p' "share/mime/packages/$APP_ID.xml" | sort)
[ "$(echo "$desktop_types" | wc -l)" = 9 ] || fail "the desktop entry names $(echo "$desktop_types" | wc -l) types, not 9"
[ "$desktop_types" = "$meta_types" ] || fail "the desktop entry and the metainfo name different types"
[ "$desktop_types" = "$mime_types" ] || fail "the desktop entry and the MIME package name different types"
# The live prefix got its MIME database.
[ -f share/mime/mime.cache ] || fail "update-mime-database did not run on a live prefix"
echo ok
