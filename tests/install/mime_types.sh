# The MIME types of the installed package: with the system's types and ours
# in one database, gio gives each kind of document its type, by magic where
# the header allows (also without an extension) and by extension for the
# election and scheduling documents, which share the graph's header.
. "$(dirname "$0")/common.inc"
need cmake update-mime-database gio
cmake --install "$BUILD" --prefix "$T/usr" >/dev/null
mkdir -p "$T/data/mime/packages"
cp /usr/share/mime/packages/*.xml "$T/data/mime/packages/"
cp "$T/usr/share/mime/packages/$APP_ID.xml" "$T/data/mime/packages/"
update-mime-database "$T/data/mime"

# Documents saved by the program.
mkdir -p docs settings
{
  echo "settings $T/settings"
  for k in "Apportionment hor" "Banzhaf bnz" "Graphs gra" "Packing bpa"; do
    set -- $k
    echo "window main"
    echo "menu Window|$1"
    echo "file $T/docs/doc.$2"
    echo "menu File|Save As"
  done
} > make.txt
"$QUANDEL" --batch make.txt >/dev/null
for e in hor bnz gra bpa; do [ -s "docs/doc.$e" ] || fail "the program wrote no .$e document"; done
# Election and scheduling documents begin with the graph's header.
cp docs/doc.gra docs/doc.vot
cp docs/doc.gra docs/doc.grs
# Without an extension, and a ".gra" of another program.
cp docs/doc.hor docs/apportionment
cp docs/doc.bnz docs/voting
printf 'Graphite data, not a Quandel graph\n' > docs/other.gra
printf 'Bw\n' > docs/list.g6
printf 'Bw\n' > docs/list.dg6
printf 'Bw\n' > docs/list.s6
cp docs/doc.gra docs/graph
cp docs/doc.bpa docs/packing
# The kind alone is not enough: without the marker at 68 it is no document.
cp docs/doc.hor docs/nomarker
printf '\0\0\0\0' | dd of=docs/nomarker bs=1 seek=68 conv=notrunc status=none

type_of() { XDG_DATA_DIRS="$T/data" XDG_DATA_HOME="$T/none" gio info -a standard::content-type "$1" |
  sed -n 's/^ *standard::content-type: //p'; }
check() {
  local got
  got=$(type_of "docs/$1")
  [ "$got" = "$2" ] || fail "$1 is $got, not $2"
}
check doc.hor application/x-quandel-apportionment
check doc.bnz application/x-quandel-voting
check doc.gra application/x-quandel-graph
check doc.bpa application/x-quandel-packing
check doc.vot application/x-quandel-election
check doc.grs application/x-quandel-schedule
check apportionment application/x-quandel-apportionment
check voting application/x-quandel-voting
check other.gra application/x-graphite
check list.g6 application/x-quandel-graph6
check list.dg6 application/x-quandel-digraph6
check list.s6 application/x-quandel-sparse6
check graph application/x-quandel-graph
check packing application/x-quandel-packing
[ "$(type_of docs/nomarker)" != application/x-quandel-apportionment ] || fail "a file without the marker passes as a document"
echo ok
