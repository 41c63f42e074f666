# shellcheck shell=bash
# Starting and stopping a private X server on a free display, for the scripts beside this one.
# e2e_require: checks the tools (scripts/test installs them). xvfb_start DIR: starts Xvfb on a free
# display, exports DISPLAY and sets XVFB_PID. xvfb_stop: ends that server.

e2e_require() {
    local missing=()
    local tool
    for tool in Xvfb:xvfb xdpyinfo:x11-utils xdotool:xdotool import:imagemagick \
        dbus-run-session:dbus /usr/libexec/at-spi-bus-launcher:at-spi2-core "$@"; do
        command -v "${tool%%:*}" > /dev/null || missing+=("${tool#*:}")
    done
    /usr/bin/python3 -c 'import pyatspi' 2> /dev/null || missing+=(python3-pyatspi)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Missing Debian packages for this test: ${missing[*]} (scripts/test installs them)" >&2
        return 1
    fi
}

xvfb_start() {
    local dir="$1"
    local display waited
    # A display number at random among many, so that servers of other test runs on the same
    # machine are not taken for this one; a number in use is skipped.
    for _ in $(seq 1 20); do
        display=$((100 + RANDOM % 800))
        if [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] ||
            xdpyinfo -display ":$display" > /dev/null 2>&1; then
            continue
        fi
        # -noreset: the server stays up between clients instead of restarting when the last one
        # leaves, which would refuse a program that connects during the restart.
        Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp -noreset > "$dir/xvfb.log" 2>&1 &
        XVFB_PID=$!
        waited=0
        # Ready means answering a client.
        until xdpyinfo -display ":$display" > /dev/null 2>&1; do
            if ! kill -0 "$XVFB_PID" 2> /dev/null || [ "$waited" -ge 100 ]; then
                break
            fi
            sleep 0.1
            waited=$((waited + 1))
        done
        if kill -0 "$XVFB_PID" 2> /dev/null && xdpyinfo -display ":$display" > /dev/null 2>&1
        then
            export DISPLAY=":$display"
            return 0
        fi
        xvfb_stop
    done
    echo "No X server could be started; the last attempt's log:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
}

xvfb_stop() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2> /dev/null || true
        wait "$XVFB_PID" 2> /dev/null || true
        XVFB_PID=
    fi
}
