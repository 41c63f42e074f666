#!/usr/bin/env bash
# The end-to-end walk: a private X server and session bus, then walk.py drives the program.
# Usage: run_walk.sh PROGRAM ARTIFACTS_DIR [VELMORA_QUERY]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xvfb.sh"
# shellcheck disable=SC2119 # no further tools needed
e2e_require

program="$1"
artifacts="$2"
mkdir -p "$artifacts"
work="$(mktemp -d /tmp/velmora-e2e-XXXXXX)"
trap 'xvfb_stop; rm -rf "$work"' EXIT

xvfb_start "$work"
# The accessibility bus is started on demand by the session bus; Debian's pyatspi lives in the
# system Python, not in whatever python3 comes first on PATH.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export PYTHONDONTWRITEBYTECODE=1  # nothing written into the source tree
timeout 300 dbus-run-session -- /usr/bin/python3 "$here/walk.py" "$program" "$artifacts" ${3:+"$3"} \
    2> >(grep -v -e '^dbus-daemon\[' -e 'SpiRegistry daemon' -e '^X connection to .* broken' >&2)
