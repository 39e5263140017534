#!/usr/bin/env bash
# `make run`: starts the program against the emulated programmer box.
# quorprog-emu serves a factory dual-group device on a pseudo-terminal; a temporary settings
# folder maps it to COM1, so the program finds it as a real technician's box. The emulator stops
# when the program closes. Without a display, the CLI reads the device instead.
set -euo pipefail
build_dir=$1
bin=$build_dir/bin

settings=$(mktemp -d)
cleanup() {
    [ -n "${emulator_pid:-}" ] && kill "$emulator_pid" 2>/dev/null || true
    rm -rf "$settings"
}
trap cleanup EXIT

if [ -x "$bin/quorprog-emu" ]; then
    "$bin/quorprog-emu" --model "dual group system" --link "$settings/COM1" > "$settings/emu.out" &
    emulator_pid=$!
    for _ in $(seq 50); do [ -e "$settings/COM1" ] && break; sleep 0.1; done
    mkdir -p "$settings/quorprog"
    printf '[PORTS]\nCOM1=%s\n' "$settings/COM1" > "$settings/quorprog/quorprog.ini"
    export XDG_CONFIG_HOME=$settings
    echo "quorprog-emu serves a factory dual group system on COM1 ($(head -n1 "$settings/emu.out"))"
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$bin/quorprog-cli" ]; then
    echo "No display: reading the emulated device with quorprog-cli instead of opening the window."
    "$bin/quorprog-cli" --yes read
else
    "$bin/quorprog"
fi
