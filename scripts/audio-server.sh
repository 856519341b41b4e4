#!/bin/sh
# Starts or stops a private PulseAudio server with no sound card, for the tests
# that need a real audio device.
#   audio-server.sh start <runtime-dir>   # prints nothing on success
#   audio-server.sh stop <runtime-dir>
# The server has a clocked null sink as default output, "nullmic" (a remap of the
# sink's monitor, because Qt hides monitor sources) as default input, and a silence
# loopback that keeps the sink awake; without it every new stream stalls 1-2 s.
set -eu
action=$1
export XDG_RUNTIME_DIR=$2
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"

case "$action" in
start)
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --log-target=file:"$XDG_RUNTIME_DIR/pulseaudio.log" \
        --load="module-native-protocol-unix" \
        --load="module-null-sink sink_name=nullsink rate=44100 channels=2 sink_properties=device.description=NullSink" \
        --load="module-remap-source source_name=nullmic master=nullsink.monitor source_properties=device.description=NullMic" \
        --load="module-null-source source_name=silence" \
        --load="module-loopback source=silence sink=nullsink latency_msec=30 source_dont_move=true sink_dont_move=true"
    i=0
    until pactl info >/dev/null 2>&1; do
        i=$((i + 1))
        if [ $i -gt 100 ]; then echo "the audio server did not come up" >&2; exit 1; fi
        sleep 0.1
    done
    pactl set-default-sink nullsink
    pactl set-default-source nullmic
    sleep 2 # the loopback settles its latency before the first timed playback
    ;;
stop)
    pulseaudio --kill 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop <runtime-dir>" >&2
    exit 2
    ;;
esac
