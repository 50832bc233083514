#!/usr/bin/env python3
"""Writes data/back.mid, the short tune the About box plays.

A Standard MIDI File of format 1: a conductor track (tempo, metre) and
three instrument tracks - melody, bass and soft chords - eight bars of
4/4 at 120 beats a minute: sixteen seconds.
The output is the same on every run, so the committed file can be
regenerated and compared.

    scripts/make-back-mid.py [output]    (default: data/back.mid)
"""
import os
import struct
import sys

TICKS_PER_BEAT = 480
BEATS_PER_MINUTE = 120

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """MIDI note number of a name like C4, F#3 or Bb5 (C4 = 60)."""
    step = NOTE_NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + step


# (notes, beats): a name, a list of names sounding together, or None for a rest.
MELODY = [
    ("E5", 1), ("G5", 1), ("C6", 1.5), ("B5", 0.5),          # C
    ("A5", 1), ("E5", 1), ("C5", 2),                         # Am
    ("F5", 1), ("A5", 1), ("C6", 1), ("A5", 1),              # F
    ("G5", 1.5), ("F5", 0.5), ("E5", 1), ("D5", 1),          # G
    ("E5", 1), ("G5", 1), ("C6", 1), ("E6", 1),              # C
    ("D6", 1), ("C6", 0.5), ("B5", 0.5), ("A5", 2),          # Am
    ("F5", 1), ("A5", 0.5), ("C6", 0.5), ("B5", 1), ("D6", 1),  # F G
    ("C6", 4),                                               # C
]

BASS = [
    ("C3", 2), ("G2", 2),
    ("A2", 2), ("E3", 2),
    ("F2", 2), ("C3", 2),
    ("G2", 2), ("D3", 2),
    ("C3", 2), ("G2", 2),
    ("A2", 2), ("E3", 2),
    ("F2", 2), ("G2", 2),
    ("C2", 4),
]

CHORDS = [
    (["C4", "E4", "G4"], 4),
    (["A3", "C4", "E4"], 4),
    (["F3", "A3", "C4"], 4),
    (["G3", "B3", "D4"], 4),
    (["C4", "E4", "G4"], 4),
    (["A3", "C4", "E4"], 4),
    (["F3", "A3", "C4"], 2), (["G3", "B3", "D4"], 2),
    (["E3", "G3", "C4"], 4),
]

# (track name, channel, General MIDI program, velocity, part)
PARTS = [
    ("Melody", 0, 11, 96, MELODY),   # vibraphone
    ("Bass", 1, 32, 88, BASS),       # acoustic bass
    ("Chords", 2, 48, 52, CHORDS),   # string ensemble
]


def variable_length(value):
    """The MIDI variable-length quantity of a non-negative integer."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes([0xFF, kind]) + variable_length(len(data)) + data


def track_chunk(events):
    """events: (absolute tick, event bytes), written in time order."""
    body = bytearray()
    now = 0
    for tick, data in sorted(events, key=lambda e: e[0]):
        body += variable_length(tick - now) + data
        now = tick
    body += variable_length(0) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def conductor_track():
    tempo = 60_000_000 // BEATS_PER_MINUTE
    return track_chunk([
        (0, meta(0x03, b"Quorlen About")),
        (0, meta(0x58, bytes([4, 2, 24, 8]))),        # 4/4
        (0, meta(0x51, tempo.to_bytes(3, "big"))),
    ])


def part_track(name, channel, program, velocity, notes):
    events = [
        (0, meta(0x03, name.encode("ascii"))),
        (0, bytes([0xC0 | channel, program])),
    ]
    tick = 0
    for sound, beats in notes:
        length = int(beats * TICKS_PER_BEAT)
        if sound is not None:
            names = sound if isinstance(sound, list) else [sound]
            # Slightly short notes keep repeated pitches distinct.
            off = tick + length - TICKS_PER_BEAT // 16
            for n in names:
                events.append((tick, bytes([0x90 | channel, pitch(n), velocity])))
                events.append((off, bytes([0x80 | channel, pitch(n), 0x40])))
        tick += length
    return track_chunk(events)


def midi_file():
    tracks = [conductor_track()] + [part_track(*p) for p in PARTS]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_BEAT)
    return header + b"".join(tracks)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "back.mid")
    data = midi_file()
    temp = target + ".tmp"
    with open(temp, "wb") as f:
        f.write(data)
    os.replace(temp, target)
    print(f"{target}: {len(data)} bytes")


if __name__ == "__main__":
    main()
