# A double-click on two documents, as a file manager does it: with the
# program running, the installed desktop entry is launched with both files
# (one in a folder with a blank and an accent). The entry starts one
# process per file, each hands its file to the running program and ends;
# both documents open in the one program.
. "$(dirname "$0")/common.inc"
need cmake xvfb-run gio xwininfo xprop pgrep
cmake --install "$BUILD" --prefix "$T/usr" >/dev/null
mkdir -p settings "$T/Klasse é 1"
{
  echo "settings $T/settings"
  echo "menu Window|Apportionment"
  echo "file $T/census.hor"
  echo "menu File|Save As"
  echo "window main"
  echo "menu Window|Graphs"
  echo "file $T/Klasse é 1/netz.gra"
  echo "menu File|Save As"
} > make.txt
"$QUANDEL" --batch make.txt >/dev/null
[ -s "$T/census.hor" ] && [ -s "$T/Klasse é 1/netz.gra" ] || fail "the program wrote no documents"

cat > inner.sh <<'INNER'
set -u
T=$1
# The desktop, not the offscreen platform the other tests use.
unset QT_QPA_PLATFORM
export HOME="$T/home" XDG_RUNTIME_DIR="$T/run" PATH="$T/usr/bin:$PATH"
export XDG_DATA_DIRS="$T/usr/share:/usr/share"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
windows() { xwininfo -root -tree 2>/dev/null; }
wait_for() { for _ in $(seq 300); do windows | grep -q "$1" && return 0; sleep 0.1; done; return 1; }
quandel >/dev/null 2>&1 &
main=$!
trap 'kill "$main" 2>/dev/null' EXIT
wait_for '"Quandel"' || { echo "the main window did not appear"; exit 1; }
# The desktop entry's StartupWMClass is the class the windows carry.
id=$(windows | awk '/"Quandel"/ {print $1; exit}')
class=$(xprop -id "$id" WM_CLASS)
wmclass=$(sed -n 's/^StartupWMClass=//p' "$T/usr/share/applications/org.quandel.Quandel.desktop")
[[ "$class" == *"\"$wmclass\""* ]] || { echo "WM_CLASS is $class, the entry says $wmclass"; exit 1; }
gio launch "$T/usr/share/applications/org.quandel.Quandel.desktop" "$T/census.hor" "$T/Klasse é 1/netz.gra" ||
  { echo "gio launch failed"; exit 1; }
wait_for '"census.hor' || { echo "census.hor did not open"; windows; exit 1; }
wait_for '"netz.gra' || { echo "netz.gra did not open"; windows; exit 1; }
# The launched processes handed over their files and ended: one program
# from this prefix runs (others on the machine do not count).
ours() {
  local n=0 p
  for p in $(pgrep -x quandel); do
    [ "$(readlink "/proc/$p/exe")" = "$T/usr/bin/quandel" ] && n=$((n + 1))
  done
  echo $n
}
for _ in $(seq 50); do [ "$(ours)" = 1 ] && break; sleep 0.1; done
count=$(ours)
kill "$main"
wait "$main" 2>/dev/null
[ "$count" = 1 ] || { echo "$count programs run"; exit 1; }
echo both opened in one program
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash inner.sh "$T" || fail "the double-click test failed"
echo ok
