# Without a display the program says so plainly and suggests what to do,
# instead of a toolkit crash.
. "$(dirname "$0")/common.inc"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$QUANDEL" somefile.hor > out.txt 2> err.txt
status=$?
set -e
[ $status = 1 ] || fail "exit status $status: $(cat err.txt)"
if grep -q "no desktop front end" err.txt; then
  echo "batch-only build"
else
  grep -q "needs a display" err.txt || fail "$(cat err.txt)"
  grep -q "xvfb-run ./run.sh" err.txt || fail "no xvfb-run suggestion"
  grep -q -- "--batch" err.txt || fail "no --batch suggestion"
fi
echo ok
