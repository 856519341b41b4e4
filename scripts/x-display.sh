#!/bin/sh
# Starts or stops a private virtual X display, for the tests that need a real X server.
#   x-display.sh start <dir>   # prints the display's name, such as ":1"
#   x-display.sh stop <dir>
# Xvfb takes the first free display number and reports it once it accepts connections.
set -eu
action=$1
dir=$2

case "$action" in
start)
    mkdir -p "$dir"
    rm -f "$dir/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    i=0
    until [ -s "$dir/display" ]; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
            echo "the virtual X display did not come up:" >&2
            cat "$dir/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo ":$(cat "$dir/display")"
    ;;
stop)
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
    ;;
*)
    echo "usage: $0 start|stop <dir>" >&2
    exit 2
    ;;
esac
