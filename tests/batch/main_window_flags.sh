# Toggling the two switches of the Window menu and quitting leaves a
# 19-byte qn.ini with the flags as set.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
# Use defaults is on at first; Open last turns it off.
menu Window|Open last
print title
menu Window|Use defaults
menu Window|Use defaults
menu Window|Open last
quit
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
expect_line out.txt "Quandel"
[ "$(stat -c %s settings/qn.ini)" = 19 ] || fail "qn.ini is not 19 bytes"
# Open last toggled on, off (by Use defaults), on again: on; Use defaults off.
flags=$(od -An -tu1 -j17 -N2 settings/qn.ini | tr -s ' ')
[ "$flags" = " 1 0" ] || fail "flags are '$flags'"
echo ok
