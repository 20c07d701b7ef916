#!/bin/sh
# An 8192-byte image each way over a socat pty pair: rclink against lrzsz, beside lrzsz against
# itself on the same kind of pair. Prints the wall time of each run, the ratio of rclink's wall
# time to lrzsz's, and the CPU time (user + system) each side used.
#
#   bench/xmodem_bench.sh [path/to/rclink] [runs]
set -eu

RCLINK=${1:-}
RUNS=${2:-3}
if [ -z "$RCLINK" ]; then
    for c in build/*/apps/rclink/rclink; do
        [ -x "$c" ] && RCLINK=$c && break
    done
fi
[ -x "${RCLINK:-}" ] || { echo "usage: $0 path/to/rclink [runs]" >&2; exit 2; }
RCLINK=$(cd "$(dirname "$RCLINK")" && pwd)/$(basename "$RCLINK")
for tool in socat sx rx /usr/bin/time timeout; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is needed" >&2; exit 2; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/xmodem_bench.XXXXXX")
SOCAT_PID=
cleanup() {
    [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM
cd "$WORK"
head -c 8192 /dev/urandom > img.HR8

now() { date +%s.%N; }
# CPU seconds (user + system) from a /usr/bin/time -f "%U %S" file; its last line, as a side that
# failed gets a "Command exited with non-zero status" line first.
cpu() { tail -n 1 "$1" | awk '{ printf "%.3f", $1 + $2 }'; }

pair() {
    rm -f ttyA ttyB
    socat pty,raw,echo=0,link="$WORK/ttyA" pty,raw,echo=0,link="$WORK/ttyB" 2>/dev/null &
    SOCAT_PID=$!
    while [ ! -e ttyA ] || [ ! -e ttyB ]; do sleep 0.05; done
}
unpair() {
    kill "$SOCAT_PID" 2>/dev/null || true
    wait "$SOCAT_PID" 2>/dev/null || true
    SOCAT_PID=
}

# run NAME: one transfer; sets WALL, CPU_A (the sending side), CPU_B (the receiving side).
run() {
    rm -f out.bin out.HR8 a.time b.time
    pair
    start=$(now)
    case $1 in
    lrzsz)   # sx waits for the NAK rx sends at once
        /usr/bin/time -f "%U %S" -o a.time timeout 60 sx -X -q img.HR8 <ttyA >ttyA 2>/dev/null &
        a=$!
        sleep 0.2
        /usr/bin/time -f "%U %S" -o b.time timeout 60 rx -X -q out.bin <ttyB >ttyB 2>/dev/null &
        b=$! ;;
    download)
        /usr/bin/time -f "%U %S" -o a.time timeout 60 sx -X -q img.HR8 <ttyA >ttyA 2>/dev/null &
        a=$!
        /usr/bin/time -f "%U %S" -o b.time timeout 90 "$RCLINK" --port "$WORK/ttyB" --download out.HR8 2>/dev/null &
        b=$! ;;
    upload)  # rclink takes the line first, so rx's first NAK is not discarded
        /usr/bin/time -f "%U %S" -o a.time timeout 90 "$RCLINK" --port "$WORK/ttyB" --force --upload img.HR8 2>/dev/null &
        a=$!
        sleep 0.2
        /usr/bin/time -f "%U %S" -o b.time timeout 60 rx -X -q out.bin <ttyA >ttyA 2>/dev/null &
        b=$! ;;
    esac
    ENDED=
    wait "$a" || if [ $? -eq 124 ]; then ENDED=" (sender ended by timeout)"; fi
    wait "$b" || if [ $? -eq 124 ]; then ENDED="$ENDED (receiver ended by timeout)"; fi
    WALL=$(echo "$(now) - $start" | bc)
    CPU_A=$(cpu a.time)
    CPU_B=$(cpu b.time)
    got=out.bin
    [ "$1" = download ] && got=out.HR8
    if cmp -s img.HR8 "$got"; then OK=same; else OK=DIFFERENT; fi
    unpair
}

report() { # label run-name
    total=0
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        run "$2"
        printf '  %-28s wall %6.2f s  cpu sender %5.3f s  cpu receiver %5.3f s  file %s%s\n' \
            "$1" "$WALL" "$CPU_A" "$CPU_B" "$OK" "$ENDED"
        total=$(echo "$total + $WALL" | bc)
        i=$((i + 1))
    done
    MEAN=$(echo "scale=3; $total / $RUNS" | bc)
}

echo "XMODEM, 8192 bytes, $RUNS runs each ($RCLINK)"
report "sx -> rx" lrzsz
BASE=$MEAN
report "sx -> rclink --download" download
DOWN=$MEAN
report "rclink --upload -> rx" upload
UP=$MEAN
echo
printf 'mean wall: lrzsz %.2f s, download %.2f s (ratio %.2f), upload %.2f s (ratio %.2f)\n' \
    "$BASE" "$DOWN" "$(echo "scale=3; $DOWN / $BASE" | bc)" "$UP" "$(echo "scale=3; $UP / $BASE" | bc)"
