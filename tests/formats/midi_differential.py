#!/usr/bin/env python3
"""Compares our MIDI file reader with Python's mido on a few hundred generated files.

    midi_differential.py MIDI_DUMP [COUNT]

Writes COUNT (300) random valid Standard MIDI Files with mido (a fixed seed: formats 0 and 1,
1 to 32767 pulses to the quarter note, running status as mido writes it, tempo changes, meta
text events longer than 127 bytes, system-exclusive events, note-ons of velocity 0 as ends,
notes left open, long pauses), reads each back with mido and turns its messages into what
MIDI_DUMP (tests/formats/midi_dump.cpp) prints for our reader: the same rules for pairing
note-ons with note-offs and for pulses to ticks (12 to the quarter note, rounded). Both must
agree line for line. Needs Debian's python3-mido."""
import os
import random
import subprocess
import sys
import tempfile

import mido

TICKS_PER_QUARTER = 12
PULSES_PER_QUARTER = [1, 2, 3, 12, 96, 120, 384, 480, 960, 1000, 32767]
TEXT_METAS = ["text", "copyright", "lyrics", "marker", "cue_marker"]


def text(rng, longest=300):
    return "".join(rng.choice("abcdefghij ABC") for _ in range(rng.randint(0, longest)))


def random_track(rng, ppq, first, one_channel):
    """Messages of one track at absolute pulses, sorted, as mido messages with delta times."""
    span = ppq * rng.choice([4, 64, 2000])
    events = []
    if first and rng.random() < 0.8:
        events.append((0, mido.MetaMessage("track_name", name=text(rng))))
    for _ in range(rng.randint(0, 3)):
        events.append((rng.randint(0, span), mido.MetaMessage("set_tempo", tempo=rng.randint(1, 0xFFFFFF))))
    if rng.random() < 0.5:
        events.append((rng.randint(0, span), mido.MetaMessage(
            "time_signature", numerator=rng.randint(1, 12), denominator=rng.choice([1, 2, 4, 8, 16]))))
    for _ in range(rng.randint(0, 3)):
        events.append((rng.randint(0, span), mido.MetaMessage(rng.choice(TEXT_METAS), text=text(rng))))
    for _ in range(rng.randint(0, 2)):
        data = [rng.randint(0, 127) for _ in range(rng.randint(0, 200))]
        events.append((rng.randint(0, span), mido.Message("sysex", data=data)))
    channel = rng.randint(0, 15)
    pick = (lambda: channel) if one_channel else (lambda: rng.randint(0, 15))
    for _ in range(rng.randint(0, 4)):
        at = rng.randint(0, span)
        kind = rng.choice(["program_change", "control_change", "pitchwheel", "aftertouch", "polytouch"])
        fields = {"program_change": {"program": rng.randint(0, 127)},
                  "control_change": {"control": rng.randint(0, 119), "value": rng.randint(0, 127)},
                  "pitchwheel": {"pitch": rng.randint(-8192, 8191)},
                  "aftertouch": {"value": rng.randint(0, 127)},
                  "polytouch": {"note": rng.randint(0, 127), "value": rng.randint(0, 127)}}[kind]
        events.append((at, mido.Message(kind, channel=pick(), **fields)))
    for _ in range(rng.randint(0, 40)):
        start = rng.randint(0, span)
        ch, note = pick(), rng.randint(0, 127)
        events.append((start, mido.Message("note_on", channel=ch, note=note, velocity=rng.randint(1, 127))))
        if rng.random() < 0.9:
            end = start + rng.randint(0, ppq * 4)
            off = (mido.Message("note_off", channel=ch, note=note, velocity=rng.randint(0, 127))
                   if rng.random() < 0.5 else mido.Message("note_on", channel=ch, note=note, velocity=0))
            events.append((end, off))
    events.sort(key=lambda e: e[0])
    track, now = mido.MidiTrack(), 0
    for at, message in events:
        track.append(message.copy(time=at - now))
        now = at
    track.append(mido.MetaMessage("end_of_track", time=rng.choice([0, 0, 1, ppq * 3])))
    return track


def random_file(rng, path):
    file_format = rng.choice([0, 1])
    ppq = rng.choice(PULSES_PER_QUARTER)
    song = mido.MidiFile(type=file_format, ticks_per_beat=ppq)
    count = 1 if file_format == 0 else rng.randint(1, 4)
    for t in range(count):
        song.tracks.append(random_track(rng, ppq, t == 0, file_format == 1 and rng.random() < 0.7))
    song.save(path)


def ticks(pulses, ppq):
    return (2 * pulses * TICKS_PER_QUARTER + ppq) // (2 * ppq)


def as_our_reader_sees_it(path):
    """The dump lines of the file, from mido's reading of it."""
    song = mido.MidiFile(path)
    ppq = song.ticks_per_beat
    title, tempo, signature, programs, tracks = "", None, None, {}, []
    for index, track in enumerate(song.tracks):
        now, held, notes = 0, {}, []

        def close(channel, note, velocity, start, end):
            tick = ticks(start, ppq)
            notes.append((channel, note, velocity, tick, max(tick + 1, ticks(end, ppq)) - tick))

        for message in track:
            now += message.time
            if message.type == "end_of_track":
                break
            if message.type == "set_tempo" and tempo is None and message.tempo > 0:
                tempo = message.tempo
            elif message.type == "time_signature" and signature is None:
                signature = (message.numerator, message.denominator)
            elif message.type == "track_name" and index == 0 and not title and message.name:
                title = message.name
            elif message.type == "note_on" and message.velocity > 0:
                held.setdefault((message.channel, message.note), []).append((message.velocity, now))
            elif message.type in ("note_on", "note_off"):
                waiting = held.get((message.channel, message.note))
                if waiting:
                    velocity, start = waiting.pop(0)
                    close(message.channel, message.note, velocity, start, now)
            elif message.type == "program_change" and message.channel not in programs:
                programs[message.channel] = message.program
        for (channel, note) in sorted(held, key=lambda key: key[0] * 128 + key[1]):
            for velocity, start in held[(channel, note)]:
                close(channel, note, velocity, start, now)
        notes.sort(key=lambda n: (n[3], n[1]))
        if notes:
            tracks.append(notes)
    lines = ["file " + path, "title " + title.encode("latin1").hex(),
             "tempo " + (str(tempo) if tempo is not None else "-"),
             "signature " + ("%d/%d" % signature if signature else "-")]
    lines += ["program %d %d" % (ch, programs[ch]) for ch in sorted(programs)]
    for index, notes in enumerate(tracks):
        lines += ["note %d %d %d %d %d %d" % ((index,) + n) for n in notes]
    return lines


def split_by_file(lines):
    files = {}
    for line in lines:
        if line.startswith("file "):
            current = files.setdefault(line[5:], [line])
        else:
            current.append(line)
    return files


def main():
    dump = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rng = random.Random(2024)
    with tempfile.TemporaryDirectory() as folder:
        paths = [os.path.join(folder, "song%03d.mid" % i) for i in range(count)]
        for path in paths:
            random_file(rng, path)
        ours = split_by_file(subprocess.run([dump] + paths, check=True, capture_output=True, text=True).stdout.splitlines())
        failed = 0
        for path in paths:
            theirs = as_our_reader_sees_it(path)
            if ours.get(path) != theirs:
                failed += 1
                if failed <= 3:
                    mine = ours.get(path, [])
                    first = next((i for i, (a, b) in enumerate(zip(mine, theirs)) if a != b), min(len(mine), len(theirs)))
                    print("differs: %s at line %d\n  ours: %s\n  mido: %s" % (
                        os.path.basename(path), first, mine[first:first + 3], theirs[first:first + 3]))
    print("midi_differential: %d passed, %d failed" % (count - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
