#!/usr/bin/env python3
"""Compares the note onsets of a Standard MIDI File, of fluidsynth's rendering of it and of a
recording of our own playback of the same fragment (optional). Prints one line per start of
notes: the time the file gives, the onset found in each rendering and the difference in
milliseconds (each rendering moved by its one latency), the largest difference, and each
rendering's time scale against the file's (1.0000: the same tempo).
    midi_onsets.py FILE.mid [OURS.wav] [SOUNDFONT.sf2]
bench/onset_check.aro is a fragment for it (two channels, eighths and quarters at 120): open
it in the 37-key sequencer, "Export MIDI file...", record "Play / Stop" into OURS.wav.
Needs Python 3 and fluidsynth's command line tool (Debian package fluidsynth)."""
import array
import math
import os
import statistics
import struct
import subprocess
import sys
import tempfile
import wave

HOP = 0.002  # seconds per envelope frame


def read_var(data, i):
    n = 0
    while True:
        b = data[i]
        i += 1
        n = (n << 7) | (b & 0x7F)
        if not b & 0x80:
            return n, i


def midi_note_times(path):
    """Seconds of every start of notes (velocity > 0), with the tempo changes of any track."""
    data = open(path, "rb").read()
    ntracks, division = struct.unpack(">HH", data[10:14])
    i, ons, tempos = 14, [], [(0, 500000)]
    for _ in range(ntracks):
        length = struct.unpack(">I", data[i + 4:i + 8])[0]
        j, end, tick, status = i + 8, i + 8 + length, 0, 0
        while j < end:
            delta, j = read_var(data, j)
            tick += delta
            if data[j] & 0x80:
                status = data[j]
                j += 1
            if status == 0xFF:
                kind = data[j]
                size, j = read_var(data, j + 1)
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(data[j:j + 3], "big")))
                j += size
            elif status in (0xF0, 0xF7):
                size, j = read_var(data, j)
                j += size
            else:
                nbytes = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
                if status & 0xF0 == 0x90 and data[j + 1] > 0:
                    ons.append((tick, data[j]))
                j += nbytes
        i = end
    tempos.sort()

    def seconds(t):
        s, last_tick, us = 0.0, 0, 500000
        for at, value in tempos:
            if at > t:
                break
            s += (at - last_tick) * us / division / 1e6
            last_tick, us = at, value
        return s + (t - last_tick) * us / division / 1e6

    # Notes starting together are one onset: the top note names it.
    starts = {}
    for t, note in ons:
        starts[t] = max(note, starts.get(t, 0))
    return sorted((seconds(t), note) for t, note in starts.items())


def onsets(path):
    """Starts of attacks: the envelope (10 ms windows every 2 ms) rising within 20 ms to well
    above its mean over the 20 ms before; the onset is the first frame of the rise."""
    w = wave.open(path)
    rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
    if width != 2:
        sys.exit("%s: 16-bit samples expected" % path)
    samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    # 40 ms of silence ahead, so a note at the very start is found like any other.
    lead = int(rate * 0.04)
    hop = int(rate * HOP)
    window = 5 * hop  # 10 ms of sound ending at each frame
    power = [0.0] * (lead + 1)
    total = 0.0
    for i in range(0, len(samples) - channels + 1, channels):
        x = sum(samples[i:i + channels]) / channels
        total += x * x
        power.append(total)
    n = (len(power) - 1) // hop
    env = [math.sqrt((power[k * hop] - power[max(k * hop - window, 0)]) / window) for k in range(1, n + 1)]
    floor = max(env) * 0.03
    found, last = [], -1e9
    for i in range(20, n):
        before = sum(env[i - 20:i - 10]) / 10
        if env[i] > floor and env[i] > 1.35 * before + floor * 0.3 and (i - last) * HOP > 0.1:
            k = i - 10
            while env[k] <= before * 1.15 + floor * 0.1:
                k += 1
            found.append((k + 1) * HOP - lead / rate)
            last = i
    return found


def main():
    mid = sys.argv[1]
    ours = sys.argv[2] if len(sys.argv) > 2 else None
    font = sys.argv[3] if len(sys.argv) > 3 else "/usr/share/sounds/sf2/TimGM6mb.sf2"
    notes = midi_note_times(mid)
    with tempfile.TemporaryDirectory() as tmp:
        rendered = os.path.join(tmp, "fluidsynth.wav")
        subprocess.run(["fluidsynth", "-ni", "-q", "-F", rendered, font, mid], check=True,
                       stdout=subprocess.DEVNULL)
        theirs = onsets(rendered)
    mine = onsets(ours) if ours else []
    file_times = [t for t, _ in notes]
    print("note  file_s  fluidsynth_s  diff_ms" + ("  ours_s  diff_ms" if ours else ""))
    columns = [aligned(theirs, file_times)] + ([aligned(mine, file_times)] if ours else [])
    worst = 0.0
    for k, (t, note) in enumerate(notes):
        line = "%4d  %6.3f" % (note, t - file_times[0])
        for column in columns:
            if column[k] is None:
                line += "  %12s  %7s" % ("-", "-")
            else:
                worst = max(worst, abs(column[k] - t) * 1000)
                line += "  %12.3f  %7.1f" % (column[k] - file_times[0], (column[k] - t) * 1000)
        print(line)
    print("onsets found: fluidsynth %d%s, notes %d; largest difference %.1f ms"
          % (len(theirs), ", ours %d" % len(mine) if ours else "", len(notes), worst))
    for name, column in zip(["fluidsynth", "ours"], columns):
        pairs = [(t, c) for t, c in zip(file_times, column) if c is not None]
        if len(pairs) >= 2:
            mt = sum(t for t, _ in pairs) / len(pairs)
            mc = sum(c for _, c in pairs) / len(pairs)
            slope = sum((t - mt) * (c - mc) for t, c in pairs) / sum((t - mt) ** 2 for t, _ in pairs)
            print("%s: time scale %.4f of the file's (%+.1f ms over %.2f s)"
                  % (name, slope, (slope - 1) * (pairs[-1][0] - pairs[0][0]) * 1000, pairs[-1][0] - pairs[0][0]))


def aligned(found, times):
    """The onset found nearest each of the file's times (within 60 ms), after moving all by
    the one shift (latency of the rendering and of the detector) that best lines them up."""
    if not found:
        return [None] * len(times)
    shifts = [f - t for t in times for f in found]
    best = max(shifts, key=lambda d: sum(1 for t in times if min(abs(f - d - t) for f in found) < 0.02))
    near = [min(found, key=lambda f: abs(f - best - t)) for t in times]
    matched = [f - t for f, t in zip(near, times) if abs(f - best - t) < 0.06]
    shift = statistics.median(matched)
    return [f - shift if abs(f - shift - t) < 0.06 else None for f, t in zip(near, times)]


if __name__ == "__main__":
    main()
