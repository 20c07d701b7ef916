#!/bin/sh
# rclink's command line without any display: each case answers, or refuses, before a window system
# is asked for (one that is asked for aborts the program instead).
# Usage: check_command_line.sh RCLINK
set -u
rclink=$1
failed=0
# A file the length of no model, in a folder of its own.
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
printf x >"$tmp/short.HR8"
cd "$tmp" || exit 1
while IFS='|' read -r args status says; do
    # shellcheck disable=SC2086 # the arguments split at blanks
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$rclink" $args 2>&1)
    got=$?
    case "$got:$said" in
    "$status:"*"$says"*) ;;
    *) echo "FAIL: rclink $args: status $got (not $status), said:" >&2; echo "$said" >&2; failed=1 ;;
    esac
done <<'CASES'
--version|0|rclink 1
--no-splash --help|0|Usage: rclink [--no-splash]
--no-such-option|2|Usage: rclink [--no-splash]
--baud 300|2|--port DEVICE is missing
--port /nonexistent/ttyX --download out.HR8|2|rclink:
--port /nonexistent/ttyX --upload short.HR8|1|short.HR8 is Corrupted. Transfer Aborted
--port /nonexistent/ttyX --parity E --download out.HR8|2|8 data bits and no parity
--port /nonexistent/ttyX --upload --force short.HR8|1|short.HR8 is Corrupted. Transfer Aborted
--port /nonexistent/ttyX --download --force|2|--download needs a value
|2|rclink: no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY is set)
--no-splash|2|Only the terminal window needs one
CASES
exit $failed
