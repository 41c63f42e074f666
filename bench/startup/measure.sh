#!/usr/bin/env bash
# Velmora's start-up against a bare Qt Widgets program that shows one empty window, and against the
# same program showing the title window's texts in its faces: each started RUNS times in turn on a
# private X server, each a new process, as from a menu (an empty working folder, a home whose data
# folder the first, uncounted start of Velmora has filled). Prints the median time until the first
# window is mapped and the memory held once it is painted (resident and proportional set), and
# Velmora's ratios to the two yardsticks.
# Usage: bench/startup/measure.sh BUILD_DIR [RUNS]   (BUILD_DIR configured with benchmarks on;
# VELMORA_PROGRAM, BARE_PROGRAM and PROBE_PROGRAM name other builds of the three programs)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../tests/e2e/xvfb.sh"
build="$(cd "$1" && pwd)"
runs="${2:-10}"
velmora="${VELMORA_PROGRAM:-$build/src/app/velmora}"
bare="${BARE_PROGRAM:-$build/bench/bench_startup_bare}"
probe="${PROBE_PROGRAM:-$build/bench/bench_startup_probe}"
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
"$probe" "$settle_ms" "$bare" --texts > /dev/null
for _ in $(seq "$runs"); do
    "$probe" "$settle_ms" "$velmora" >> "$work/velmora"
    "$probe" "$settle_ms" "$bare" >> "$work/bare"
    "$probe" "$settle_ms" "$bare" --texts >> "$work/texts"
done

/usr/bin/python3 - "$work/velmora" "$work/bare" "$work/texts" <<'PYTHON'
import statistics, sys
def medians(path):
    rows = [list(map(float, line.split())) for line in open(path)]
    return [statistics.median(column) for column in zip(*rows)]
velmora, bare, texts = (medians(path) for path in sys.argv[1:4])
print(f"{'':22}{'window ms':>10}{'RSS MB':>8}{'PSS MB':>8}")
for name, row in (("velmora", velmora), ("bare window", bare), ("bare window + texts", texts)):
    print(f"{name:22}{row[0]:10.1f}{row[1] / 1024:8.1f}{row[2] / 1024:8.1f}")
for name, row in (("velmora / bare", bare), ("velmora / bare + texts", texts)):
    print(f"{name:22}" + "".join(f"{v / b:{w}.2f}x" for v, b, w in zip(velmora, row, (9, 7, 7))))
PYTHON
