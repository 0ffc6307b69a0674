#!/usr/bin/env python3
"""Writes the demo menu's music: a short four-channel module (ProTracker "M.K." layout) with two
home-made waveforms and a looping chord progression, small enough to be stored in the menu
itself. Prints the bytes as the text form's data block of a sound (a little-endian length, then
the file), ready to paste after `StartupSound.Data = ` in demo/demo.txt:

    scripts/make-demo-music.py            # the data block on stdout
    scripts/make-demo-music.py tune.mod   # the module file, to listen to it

Needs only Python 3."""

import math
import struct
import sys

# ProTracker periods of octaves 1 to 3, C to B.
PERIODS = [
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113,
]
NOTE_NAMES = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]


def period(note):
    """The period of a note named like "E2" or "F#3"."""
    name, octave = note[:-1], int(note[-1])
    return PERIODS[(octave - 1) * 12 + NOTE_NAMES.index(name)]


ROWS = 64
CHANNELS = 4
LEAD, BASS = 1, 2  # sample numbers
VOLUME_SLIDE_DOWN = (0xA, 0x02)  # a gentle fade after each lead note: a plucked sound
SET_SPEED = (0xF, 0x06)  # six ticks a row, 125 beats: about 8 s a pattern
SET_VOLUME = 0xC

# C, A minor, F and G, sixteen rows each; the lead climbs the chord in eighths, the bass holds
# the root. The second pattern lifts the lead an octave for its last two chords.
CHORDS = [("C", ["C2", "E2", "G2", "C3"]), ("A", ["A1", "C2", "E2", "A2"]),
          ("F", ["F1", "A1", "C2", "F2"]), ("G", ["G1", "B1", "D2", "G2"])]


def lift(note):
    return note[:-1] + str(int(note[-1]) + 1)


def cell(sample=0, note=None, effect=(0, 0)):
    p = period(note) if note else 0
    command, parameter = effect
    return bytes([(sample & 0xF0) | (p >> 8), p & 0xFF, ((sample & 0x0F) << 4) | command, parameter])


def pattern(lifted):
    rows = [[cell() for _ in range(CHANNELS)] for _ in range(ROWS)]
    for index, (root, tones) in enumerate(CHORDS):
        first = index * 16
        up = lifted and index >= 2
        for step in range(8):
            tone = tones[[0, 1, 2, 3, 2, 1, 2, 3][step]]
            rows[first + step * 2][0] = cell(LEAD, lift(tone) if up else tone, VOLUME_SLIDE_DOWN)
            # An echo on the second channel, quieter, one row later.
            rows[first + step * 2 + 1][1] = cell(LEAD, lift(tone) if up else tone, (SET_VOLUME, 14))
        rows[first][2] = cell(BASS, root + "1", (SET_VOLUME, 44))
        rows[first + 8][2] = cell(BASS, root + "1", (SET_VOLUME, 34))
    rows[0][3] = cell(effect=SET_SPEED)
    return b"".join(b"".join(row) for row in rows)


def waveform(length, shape):
    return bytes((round(shape(i / length) * 100) & 0xFF) for i in range(length))


def triangle(phase):
    return 1 - 4 * abs(phase - 0.5)


def soft_square(phase):
    return math.tanh(4 * math.sin(2 * math.pi * phase)) * 0.8


def sample_header(name, data, volume):
    words = len(data) // 2
    return name.encode().ljust(22, b"\0") + struct.pack(">HBBHH", words, 0, volume, 0, words)


def module():
    lead = waveform(32, lambda p: triangle(p) * 0.9)
    bass = waveform(64, soft_square)
    headers = sample_header("lead", lead, 48) + sample_header("bass", bass, 44)
    headers += sample_header("", b"", 0) * 29
    orders = bytes([0, 1]).ljust(128, b"\0")
    return (b"telvo demo".ljust(20, b"\0") + headers + bytes([2, 127]) + orders + b"M.K." +
            pattern(False) + pattern(True) + lead + bass)


def data_block(data):
    stored = struct.pack("<I", len(data)) + data
    text = stored.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    return "{\n" + "\n".join("    " + line for line in lines) + "}"


def main():
    data = module()
    if len(sys.argv) > 1:
        with open(sys.argv[1], "wb") as file:
            file.write(data)
    else:
        print(data_block(data))


if __name__ == "__main__":
    main()
