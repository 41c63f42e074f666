#!/usr/bin/env bash
# Velmora's start-up against a bare Qt Widgets program that shows one window: both started RUNS
# times in turn on a private X server, each a new process, as from a menu (an empty working folder,
# a home whose data folder the first, uncounted start of Velmora has filled). Prints the median
# time until the first window is mapped, and the memory held once it is painted, of each, and
# Velmora's ratios to the bare program.
# Usage: bench/startup/measure.sh BUILD_DIR [RUNS]   (BUILD_DIR configured with benchmarks on)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../tests/e2e/xvfb.sh"
build="$(cd "$1" && pwd)"
runs="${2:-10}"
velmora="$build/src/app/velmora"
bare="$build/bench/bench_startup_bare"
probe="$build/bench/bench_startup_probe"
for program in "$velmora" "$bare" "$probe"; do
    [ -x "$program" ] || { echo "missing $program: build the bench_startup_* targets" >&2; exit 2; }
done
settle_ms=300

work="$(mktemp -d /tmp/velmora-startup-XXXXXX)"
trap 'xvfb_stop; rm -rf "$work"' EXIT
xvfb_start "$work"
unset QT_QPA_PLATFORM
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$work/start" && mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work/start"

"$probe" "$settle_ms" "$velmora" > /dev/null  # fills ~/.local/share/velmora
"$probe" "$settle_ms" "$bare" > /dev/null
for _ in $(seq "$runs"); do
    "$probe" "$settle_ms" "$velmora" >> "$work/velmora"
    "$probe" "$settle_ms" "$bare" >> "$work/bare"
done

/usr/bin/python3 - "$work/velmora" "$work/bare" <<'PYTHON'
import statistics, sys
def medians(path):
    rows = [list(map(float, line.split())) for line in open(path)]
    return [statistics.median(column) for column in zip(*rows)]
velmora, bare = medians(sys.argv[1]), medians(sys.argv[2])
print(f"{'':10}{'window ms':>11}{'RSS MB':>9}{'PSS MB':>9}")
for name, (ms, rss, pss) in (("velmora", velmora), ("bare Qt", bare)):
    print(f"{name:10}{ms:11.1f}{rss / 1024:9.1f}{pss / 1024:9.1f}")
print(f"{'ratio':10}{velmora[0] / bare[0]:10.2f}x{velmora[1] / bare[1]:8.2f}x"
      f"{velmora[2] / bare[2]:8.2f}x")
PYTHON
