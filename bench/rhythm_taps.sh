#!/usr/bin/env bash
# bench_rhythm_taps with every input channel it can reach: where there is no ALSA sequencer
# (/dev/snd/seq) it runs beside a private JACK server (dummy backend, 48 kHz, 64 frames), so that
# the MIDI channel goes through JACK MIDI as a keyboard's notes do on such a machine. The key
# channel needs an X display (DISPLAY, else xvfb-run when it is installed).
#
#   bench/rhythm_taps.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[[ -x $build/bench_rhythm_taps ]] || { echo "rhythm_taps: build $build first" >&2; exit 2; }

pids=()
finish() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap finish EXIT

if [[ ! -w /dev/snd/seq ]] && command -v jackd >/dev/null; then
  export JACK_DEFAULT_SERVER=aurelo-taps-$$
  export JACK_NO_AUDIO_RESERVATION=1
  jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 64 >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do jack_lsp >/dev/null 2>&1 && break; sleep 0.1; done
fi

if [[ -n ${DISPLAY:-} ]] || ! command -v xvfb-run >/dev/null; then
  "$build/bench_rhythm_taps"
else
  xvfb-run -a "$build/bench_rhythm_taps"
fi
