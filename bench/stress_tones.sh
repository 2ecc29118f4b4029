#!/usr/bin/env bash
# Stress check of the tasks' tones on a busy machine. For each number of spinning processes
# (sh -c 'while :; do :; done') and each kind of playback, starts the program afresh RUNS times
# on a virtual display with a PulseAudio null sink, presses Space (a new task) and R (listen
# again), records the sink and checks every playback: every tone there, its length within
# 10 % of the beat, its onset within 50 ms of its beat from the playback's first tone. Short
# dropouts of the sound server are counted as clicks.
#   chord:  task type 19, a triad tone after tone (each tone one beat, a silent beat after it)
#   melody: task type 3, four tones of one beat each
# Usage: bench/stress_tones.sh [BUILD_DIR]
#   RUNS=20 SPINNERS="2 3" KINDS="chord melody" AURELO=BUILD_DIR/aurelo (another build to compare)
#   LATENCY=0|1|2 (the audio latency choice stored for each start; by default the first start's)
# Needs xvfb, xdotool, pulseaudio and pulseaudio-utils (parec); openbox if present.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
aurelo=${AURELO:-$build/aurelo}
tool=$build/bench_tone_stress
runs=${RUNS:-20}
spinners=${SPINNERS:-2 3}
kinds=${KINDS:-chord melody}
tempo=21  # 100 beats per minute
beat=600
for c in Xvfb xdotool pulseaudio parec pactl; do
  command -v "$c" >/dev/null || { echo "stress_tones: $c is missing"; exit 2; }
done
[[ -x $aurelo && -x $tool ]] || { echo "stress_tones: build $aurelo and $tool first"; exit 2; }

work=$(mktemp -d /tmp/aurelo-stress.XXXX)
pids=()
spin=()
stop_spinners() {
  local p
  for p in "${spin[@]}"; do kill "$p" 2>/dev/null || true; done
  spin=()
}
cleanup() {
  stop_spinners
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
}
trap cleanup EXIT

# The desktop: a virtual display, a window manager when there is one, a sound server whose
# only sink can be recorded.
display=":$((150 + RANDOM % 50))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
fi
export XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=out" \
  --load="module-native-protocol-unix" >/dev/null 2>&1 &
pids+=($!)
sleep 1.5
pactl set-default-sink out

# One fresh start: Space, then R; prints the analysis of both playbacks.
one_run() {
  local kind=$1 n=$2 i=$3 type wait_ms dir wav app rec win shown started
  if [[ $kind == chord ]]; then type=19; wait_ms=$((6 * beat + 1200)); else type=3; wait_ms=$((4 * beat + 1200)); fi
  dir=$work/run-$kind-$n-$i
  mkdir -p "$dir"
  cp -r "$root/lang_files" "$dir/"
  "$tool" settings "$dir" "$type" "$tempo"
  wav=$dir/sound.wav
  parec -d out.monitor --file-format=wav "$wav" &
  rec=$!
  started=$(date +%s%N)
  (cd "$dir" && exec "$aurelo") >/dev/null 2>&1 &
  app=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
  shown=$(( ($(date +%s%N) - started) / 1000000 ))
  if [[ -z $win ]]; then
    echo "$kind spinners=$n run $i: no window"
    kill "$app" "$rec" 2>/dev/null || true
    return
  fi
  sleep 1
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key space
  sleep "$((wait_ms / 1000)).$(printf %03d $((wait_ms % 1000)))"
  xdotool key r
  sleep "$((wait_ms / 1000)).$(printf %03d $((wait_ms % 1000)))"
  local rss sched
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status" 2>/dev/null || echo 0)
  sched=$(ps -L -o comm=,cls=,rtprio= -p "$app" 2>/dev/null | awk '/audio/ {print $1, $2, $3}' | head -1)
  echo "$kind spinners=$n run $i: window after $shown ms, memory $((rss / 1024)) MB, audio thread: ${sched:-?}"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  kill "$rec" 2>/dev/null || true
  wait "$rec" 2>/dev/null || true
  "$tool" analyse "$wav" "$kind" "$beat" 2 || true
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for n in $spinners; do
  for ((k = 0; k < n; ++k)); do
    sh -c 'while :; do :; done' &
    spin+=($!)
  done
  for kind in $kinds; do
    log=$work/$kind-$n.log
    for ((i = 1; i <= runs; ++i)); do one_run "$kind" "$n" "$i" | tee -a "$log"; done
    total=$(grep -c 'playback' "$log" || true)
    ok=$(grep 'playback' "$log" | grep -c ' ok$' || true)
    starts=$(grep -c 'window after' "$log" || true)
    complete=$(awk '/run [0-9]+:/ {run=$0} / ok$/ {ok[run]++} END {n=0; for (r in ok) if (ok[r] == 2) n++; print n}' "$log")
    clicks=$(grep -o 'clicks [0-9]*' "$log" | awk '{n += $2} END {print n + 0}')
    echo "== $kind, $n spinners: $ok of $total playbacks good, $complete of $starts starts with both good, $clicks clicks (load $(cut -d' ' -f1 /proc/loadavg))"
  done
  stop_spinners
done
