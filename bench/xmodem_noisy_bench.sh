#!/bin/sh
# An 8192-byte image each way through a noisy line (bench/noisy_relay.py between two socat pty
# pairs: about one byte in RATE each way flipped, lost or followed by a stray byte, from a seed),
# rclink against lrzsz beside lrzsz against itself on the same seeds. Prints for every seed whether
# the received file is right and how long the receiver took, then right files and time ratios.
#
#   bench/xmodem_noisy_bench.sh [path/to/rclink] [seeds] [rate]
set -eu

RCLINK=${1:-}
SEEDS=${2:-4}
RATE=${3:-500}
if [ -z "$RCLINK" ]; then
    for c in build/*/apps/rclink/rclink; do
        [ -x "$c" ] && RCLINK=$c && break
    done
fi
[ -x "${RCLINK:-}" ] || { echo "usage: $0 path/to/rclink [seeds] [rate]" >&2; exit 2; }
RCLINK=$(cd "$(dirname "$RCLINK")" && pwd)/$(basename "$RCLINK")
RELAY=$(cd "$(dirname "$0")" && pwd)/noisy_relay.py
for tool in socat sx rx python3 timeout bc; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is needed" >&2; exit 2; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/xmodem_noisy.XXXXXX")
PIDS=
cleanup() {
    for p in $PIDS; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM
cd "$WORK"
head -c 8192 /dev/urandom > img.HR8
now() { date +%s.%N; }

# run KIND SEED: the receiver on ttyA, the sender on ttyD, the relay between ttyB and ttyC. Sets
# OK (right or WRONG or none) and SECS (until the receiver ended).
run() {
    rm -f ttyA ttyB ttyC ttyD out.bin out.HR8
    socat pty,raw,echo=0,link="$WORK/ttyA" pty,raw,echo=0,link="$WORK/ttyB" 2>/dev/null &
    s1=$!
    socat pty,raw,echo=0,link="$WORK/ttyC" pty,raw,echo=0,link="$WORK/ttyD" 2>/dev/null &
    s2=$!
    PIDS="$s1 $s2"
    while [ ! -e ttyA ] || [ ! -e ttyB ] || [ ! -e ttyC ] || [ ! -e ttyD ]; do sleep 0.02; done
    python3 "$RELAY" ttyB ttyC "$2" "$RATE" &
    r=$!
    PIDS="$PIDS $r"
    sleep 0.1
    start=$(now)
    case $1 in
    sx-rx) # rx on the receiving end, as rclink's download is; sx waits for its NAK
        timeout 120 sx -X -q img.HR8 <ttyD >ttyD 2>/dev/null & a=$!
        sleep 0.2
        timeout 120 rx -X -q out.bin <ttyA >ttyA 2>/dev/null & b=$!
        got=out.bin ;;
    download)
        timeout 120 sx -X -q img.HR8 <ttyD >ttyD 2>/dev/null & a=$!
        timeout 120 "$RCLINK" --port "$WORK/ttyA" --download out.HR8 2>/dev/null & b=$!
        got=out.HR8 ;;
    upload) # rclink sends from ttyA, rx receives on ttyD
        timeout 120 "$RCLINK" --port "$WORK/ttyA" --force --upload img.HR8 2>/dev/null & b=$!
        sleep 0.2
        timeout 120 rx -X -q out.bin <ttyD >ttyD 2>/dev/null & a=$!
        got=out.bin ;;
    esac
    # The transfer is over when the receiver has ended (rx) or the sender has (rclink's upload,
    # which ends after rx).
    wait "$b" || true
    SECS=$(echo "$(now) - $start" | bc)
    kill "$a" 2>/dev/null || true
    wait "$a" 2>/dev/null || true
    if cmp -s img.HR8 "$got"; then OK=right; elif [ -s "$got" ]; then OK=WRONG; else OK=none; fi
    kill "$r" "$s1" "$s2" 2>/dev/null || true
    wait "$r" "$s1" "$s2" 2>/dev/null || true
    PIDS=
}

echo "XMODEM through a noisy line (1 byte in $RATE each way), 8192 bytes, seeds 1 to $SEEDS"
for kind in sx-rx download upload; do
    eval "right_$(echo $kind | tr - _)=0; time_$(echo $kind | tr - _)=0"
done
seed=1
while [ "$seed" -le "$SEEDS" ]; do
    line="  seed $seed:"
    for kind in sx-rx download upload; do
        run "$kind" "$seed"
        v=$(echo $kind | tr - _)
        eval "t=\$time_$v; n=\$right_$v"
        eval "time_$v=$(echo "$t + $SECS" | bc)"
        [ "$OK" = right ] && eval "right_$v=$((n + 1))"
        line="$line  $kind $OK $(printf '%.1f' "$SECS") s"
    done
    echo "$line"
    seed=$((seed + 1))
done
echo
printf 'right files: sx -> rx %d, sx -> rclink %d, rclink -> rx %d of %d\n' \
    "$right_sx_rx" "$right_download" "$right_upload" "$SEEDS"
printf 'total time: sx -> rx %.1f s, download %.1f s (ratio %.2f), upload %.1f s (ratio %.2f)\n' \
    "$time_sx_rx" "$time_download" "$(echo "scale=3; $time_download / $time_sx_rx" | bc)" \
    "$time_upload" "$(echo "scale=3; $time_upload / $time_sx_rx" | bc)"
