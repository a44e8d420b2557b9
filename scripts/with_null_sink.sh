#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# with_null_sink.sh COMMAND [ARGS...]
# Runs a command against a private PulseAudio server whose one output is a
# silent null sink named "dummy"; its monitor "dummy.monitor" records what
# was played. The server lives in a fresh runtime folder, is stopped
# afterwards whatever the command's outcome, and needs neither a display nor
# a session: it runs as root on a bare CI machine.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE

stop_server() {
    pulseaudio --kill 2>/dev/null || true
    for _ in $(seq 50); do
        pulseaudio --check 2>/dev/null || break
        sleep 0.1
    done
    rm -rf "$runtime"
}
trap stop_server EXIT

# As root pulseaudio warns that it is meant for users; that is expected, so
# its messages are shown only when it fails to start.
if ! pulseaudio -n --daemonize=yes --exit-idle-time=-1 --system=false --disallow-exit \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=dummy" 2>"$runtime/server.log"; then
    echo "with_null_sink: the sound server did not start:" >&2
    cat "$runtime/server.log" >&2
    exit 1
fi
pactl set-default-sink dummy
"$@"
