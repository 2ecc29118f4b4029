#!/usr/bin/env bash
# Key to sound: keyboard note-on to the first sample of the note, on the JACK clock (frames
# exact), median and maximum over NOTES notes at 128, 256 and 1024 frames per period at RATE;
# then the output latency a PulseAudio server with a null sink at RATE reports for each latency
# choice. Each server runs under a name or folder of its own and is ended afterwards.
#   bench/key_to_sound.sh [BUILD_DIR]        RATE=48000 NOTES=50 PERIODS="128 256 1024"
# Needs jackd2, pulseaudio and pulseaudio-utils (pactl).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
tool=$build/bench_key_to_sound
rate=${RATE:-48000}
notes=${NOTES:-50}
periods=${PERIODS:-128 256 1024}
[[ -x $tool ]] || { echo "key_to_sound: build $tool first" >&2; exit 2; }
for c in jackd jack_lsp pulseaudio pactl; do
  command -v $c >/dev/null || { echo "key_to_sound: $c is missing" >&2; exit 2; }
done
work=$(mktemp -d /tmp/aurelo-k2s.XXXX)
server=""
finish() {
  [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

export JACK_NO_AUDIO_RESERVATION=1
for p in $periods; do
  export JACK_DEFAULT_SERVER=aurelo-k2s-$$-$p
  jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r "$rate" -p "$p" >"$work/jackd.log" 2>&1 &
  server=$!
  for _ in $(seq 50); do jack_lsp >/dev/null 2>&1 && break; sleep 0.1; done
  "$tool" jack "$notes" 2>/dev/null | grep -v '^fluidsynth' || true
  kill "$server"; wait "$server" 2>/dev/null || true; server=""
done
unset JACK_DEFAULT_SERVER

export XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
# A fresh server for each choice: a null sink reports more latency for a stream after the first.
for choice in 0 1 2; do
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --load="module-null-sink sink_name=out rate=$rate" \
    --load=module-native-protocol-unix >"$work/pulse.log" 2>&1 &
  server=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  "$tool" pulse "$choice" 2>/dev/null | grep -v '^fluidsynth' || true
  kill "$server"; wait "$server" 2>/dev/null || true; server=""
done
