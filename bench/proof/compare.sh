#!/bin/sh
# Measures the game beside a bare Qt Widgets program in one run under Xvfb: time to the first
# window, resident memory once shown, and processor use over ten idle seconds on the welcome
# screen. Prints medians of five runs each and the game's figures as ratios to the bare one's,
# and the idle processor use of the bare program with one label pulsing like the welcome one.
#   bench/proof/compare.sh            (from the repository root)
set -eu
cd "$(dirname "$0")/../.."
scripts/deps.sh xvfb xauth libx11-dev libbenchmark-dev
dir=build-bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBURUNTSY_TESTS=OFF \
    -DBURUNTSY_BENCHMARKS=ON >/dev/null
cmake --build "$dir" --target buruntsy bare_window launch_probe >/dev/null
runs=${RUNS:-5}
idle=${IDLE_SECONDS:-10}
measure() {
    for i in $(seq "$runs"); do
        xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/bench/proof/launch_probe" "$idle" "$@"
    done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
game=$(measure "$dir/app/buruntsy")
bare=$(measure "$dir/bench/proof/bare_window")
pulse=$(measure "$dir/bench/proof/bare_window" --pulse)
col() { echo "$1" | awk -v c="$2" '{print $c}' | median; }
gs=$(col "$game" 1); gm=$(col "$game" 2); gc=$(col "$game" 3)
bs=$(col "$bare" 1); bm=$(col "$bare" 2); bc=$(col "$bare" 3)
pc=$(col "$pulse" 3)
printf '%-28s %12s %12s %8s\n' "" "game" "bare Qt" "ratio"
printf '%-28s %12s %12s %8s\n' "first window (ms)" "$gs" "$bs" "$(echo "$gs $bs" | awk '{printf "%.2f", $1/$2}')"
printf '%-28s %12s %12s %8s\n' "resident memory (KiB)" "$gm" "$bm" "$(echo "$gm $bm" | awk '{printf "%.2f", $1/$2}')"
printf '%-28s %12s %12s\n' "idle CPU over ${idle} s (%)" "$gc" "$bc"
printf '%-28s %12s %12s\n' "  bare Qt, one label pulsing" "" "$pc"
