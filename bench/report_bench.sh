#!/usr/bin/env bash
# Reports benchmark: all thirteen print jobs of an image to text and to PDF (wall time and peak
# memory of each run), beside the time from starting the editor to its main window on screen.
#
#   bench/report_bench.sh build/<yours>/apps/rcedit/rcedit [IMAGE] [runs]
#
# Needs /usr/bin/time; the window timing needs Xvfb and xwininfo and is skipped without them.
set -euo pipefail

rcedit=$(realpath "${1:?usage: report_bench.sh RCEDIT [IMAGE] [runs]}")
here=$(cd "$(dirname "$0")" && pwd)
image=$(realpath "${2:-$here/../samples/Default.HR8}")
runs=${3:-5}

work=$(mktemp -d)
xvfb_pid=""
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# One run: "<seconds> <peak KiB>".
measure() {
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1
    cat "$work/time"
}

report_runs() { # format
    local total=0 peak=0 line t m
    for ((i = 1; i <= runs; i++)); do
        if [ "$1" = pdf ]; then
            # As on a machine without a display: the program picks its platform itself.
            line=$(measure env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
                "$rcedit" --report all --format pdf --output "$work/all.pdf" "$image")
        else
            line=$(measure "$rcedit" --report all --output "$work/all.txt" "$image")
        fi
        read -r t m <<<"$line"
        total=$(echo "$total + $t" | bc -l)
        [ "$m" -gt "$peak" ] && peak=$m
    done
    printf "%-28s %8.3f s mean of %d   peak %6d KiB\n" "all jobs to $1" "$(echo "$total / $runs" | bc -l)" \
        "$runs" "$peak"
}

echo "image: $image"
report_runs text
report_runs pdf
pages=$(pdftotext -layout "$work/all.pdf" - 2>/dev/null | tr -cd '\f' | wc -c || echo "?")
echo "                             ($pages PDF pages, $(wc -c <"$work/all.pdf") bytes)"

if command -v Xvfb >/dev/null && command -v xwininfo >/dev/null; then
    display=":$((90 + RANDOM % 400))"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for ((i = 0; i < 100; i++)); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
    total=0
    for ((i = 1; i <= runs; i++)); do
        start=$(date +%s.%N)
        env -u QT_QPA_PLATFORM "$rcedit" --no-splash "$image" >/dev/null 2>&1 &
        editor_pid=$!
        until xwininfo -root -tree 2>/dev/null | grep -q "Halden R8 32 Bit Editor Program"; do
            sleep 0.01
            kill -0 "$editor_pid" 2>/dev/null || { echo "rcedit ended before its window showed"; exit 1; }
        done
        t=$(echo "$(date +%s.%N) - $start" | bc -l)
        total=$(echo "$total + $t" | bc -l)
        kill "$editor_pid"
        wait "$editor_pid" 2>/dev/null || true
        editor_pid=""
    done
    printf "%-28s %8.3f s mean of %d\n" "start to first window" "$(echo "$total / $runs" | bc -l)" "$runs"
else
    echo "start to first window: skipped (needs Xvfb and xwininfo)"
fi
