#!/bin/sh
# Start-up and first-opening benchmark, run by hand under Xvfb (no window manager):
#   ./bench/startup.sh [BUILD_DIR [RUNS]]      defaults: build-bench 9
# BUILD_DIR is a build configured with -DWALLCALC_BENCH=ON (./build.sh bench makes it).
# Start-up: the program and the bare Qt window start in turn, RUNS times each after one round
# that warms the caches; wall time from exec to the main window mapped, resident memory then.
# First opening: per calculator, RUNS processes each open it once from the menu.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${2:-9}

# The menu entries whose calculator's first opening is timed, one a line.
calculators="
dangqiangalei
dangtuqiangalei
jichujisuan
"

for tool in bench/startup_probe bench/bare_window bench/first_open app/WallCalcApp; do
    [ -x "$build/$tool" ] || { echo "no $build/$tool: configure $build with -DWALLCALC_BENCH=ON and build it" >&2; exit 1; }
done

work=$(mktemp -d)
# Xvfb picks a free display itself and names it on fd 3 once it takes connections; without
# -noreset it would reset whenever the last program of a run ends, and refuse the next one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb; cat "$work/errors" >&2 2>/dev/null; rm -rf "$work"' EXIT
# A signal (Ctrl-C, or a closed pipe when the output goes to head) ends the run through the trap above.
trap 'exit 1' HUP INT PIPE TERM
waited=0
until [ -s "$work/display" ]; do
    [ $waited -lt 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
    waited=$((waited + 1))
done
export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR="$work"

# "median min max" of one column of numbers.
stats() {
    sort -n | awk '{ v[NR] = $1 }
        END { printf "%.2f %.2f %.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
}

# One row, "label  median  (min–max)": label, divisor (1024 turns KiB into MiB), column, file.
# The median is kept in $work/median for the ratio that follows.
row() {
    set -- "$1" $(cut -d' ' -f"$3" "$work/$4" | awk -v d="$2" '{ print $1 / d }' | stats)
    printf '  %-16s %8s  (%s–%s)\n' "$1" "$2" "$3" "$4"
    echo "$2" >"$work/median"
}

# "ratio  r  goal ...": measured, floor, the largest ratio that meets the goal.
ratio() {
    awk -v a="$1" -v b="$2" -v goal="$3" 'BEGIN {
        printf "  %-16s %8.3f  goal <= %s: %s\n", "ratio", a / b, goal, a / b <= goal ? "met" : "NOT MET"
    }'
}

program=$build/app/WallCalcApp
bare=$build/bench/bare_window
round=0
while [ $round -le "$runs" ]; do
    # The order alternates, so that neither always starts right after the other.
    if [ $((round % 2)) -eq 0 ]; then order="program bare"; else order="bare program"; fi
    for who in $order; do
        if [ "$who" = program ]; then binary=$program; else binary=$bare; fi
        line=$("$build/bench/startup_probe" "$binary" 2>"$work/errors")
        [ $round -eq 0 ] || echo "$line" >>"$work/$who"
    done
    round=$((round + 1))
done

echo "start-up, exec to main window mapped (ms), $runs runs each: median (min–max)"
row program 1 1 program
time_program=$(cat "$work/median")
row "bare window" 1 1 bare
ratio "$time_program" "$(cat "$work/median")" 1.15
echo "resident memory at that moment (MiB)"
row program 1024 2 program
memory_program=$(cat "$work/median")
row "bare window" 1024 2 bare
ratio "$memory_program" "$(cat "$work/median")" 1.1

echo "first opening, menu action to window shown and painted (ms), $runs runs each"
for entry in $calculators; do
    run=0
    while [ $run -lt "$runs" ]; do
        "$build/bench/first_open" "$entry" 2>"$work/errors" >>"$work/$entry"
        run=$((run + 1))
    done
    row "$entry" 1 1 "$entry"
    awk -v m="$(cat "$work/median")" 'BEGIN { printf "  %-16s %8s  goal < 30 ms: %s\n", "", "", m < 30 ? "met" : "NOT MET" }'
done
