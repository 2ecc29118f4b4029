#!/usr/bin/env bash
# The hardware keyboard's real path on a machine without an ALSA sequencer or a keyboard: a JACK
# server with its dummy driver, Aurelo started with the keyboard option on (a fresh data folder:
# the first start's tone search on 13 keys), and bench_jack_keyboard_player as the keyboard.
#
#   bench/jack_keyboard.sh [BUILD_DIR]     (needs jackd2 and a display: DISPLAY, or xvfb-run)
#
# It checks that Aurelo connects itself to the player's port, then plays the MIDI notes read
# from its standard input (one a line, "wait MS" pauses) into the program; at the end of the
# input it ends the program, the player and the server. Everything runs on a JACK server of
# its own name, so that no other JACK user is disturbed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
for tool in jackd jack_lsp; do
  command -v $tool >/dev/null || { echo "jack_keyboard: $tool missing (apt-get install jackd2)" >&2; exit 2; }
done
[[ -x $build/bench_jack_keyboard_player && -x $build/aurelo ]] || { echo "jack_keyboard: build $build first" >&2; exit 2; }

export JACK_DEFAULT_SERVER=aurelo-check-$$
export JACK_NO_AUDIO_RESERVATION=1
work=$(mktemp -d /tmp/aurelo-jack.XXXX)
pids=()
finish() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 44100 -p 1024 >"$work/jackd.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do jack_lsp >/dev/null 2>&1 && break; sleep 0.1; done

mkfifo "$work/notes"
"$build/bench_jack_keyboard_player" <"$work/notes" >"$work/player.log" 2>&1 &
pids+=($!)
exec 3>"$work/notes"

cp -r "$root/lang_files" "$work/"
run=("$build/aurelo")
[[ -n ${DISPLAY:-} ]] || run=(xvfb-run -a "$build/aurelo")
(cd "$work" && exec "${run[@]}") >"$work/aurelo.log" 2>&1 &
pids+=($!)
echo "jack_keyboard: Aurelo started (pid $!) in $work on JACK server $JACK_DEFAULT_SERVER"

connected=""
for _ in $(seq 100); do
  connected=$(jack_lsp -c KeysPlayer:keys 2>/dev/null | sed -n '2,$p' | sed 's/^ *//' | paste -sd, -)
  [[ -n $connected ]] && break
  sleep 0.1
done
if [[ -z $connected ]]; then
  echo "jack_keyboard: FAIL: Aurelo did not connect to KeysPlayer:keys" >&2
  exit 1
fi
echo "jack_keyboard: KeysPlayer:keys -> $connected"

while IFS= read -r line; do
  echo "$line" >&3
done
exec 3>&-
sleep 1
cat "$work/player.log"
