#!/usr/bin/env python3
"""Writes the two sounds of the program: resources/click.wav (a key press) and
resources/tick.wav (a step of switch scanning, softer). Small 8-bit mono WAV files, made from
decaying tones so that they come out the same on every run."""
import math
import pathlib
import struct

RATE = 22050


def tone(milliseconds, frequencies, amplitude, decay):
    n = RATE * milliseconds // 1000
    samples = bytearray()
    for i in range(n):
        t = i / RATE
        envelope = math.exp(-t * decay) * min(1.0, i / 40)  # a short attack: no pop
        v = sum(math.sin(2 * math.pi * f * t) for f in frequencies) / len(frequencies)
        samples.append(max(0, min(255, round(128 + 127 * amplitude * envelope * v))))
    return bytes(samples)


def wav(samples):
    fmt = struct.pack('<HHIIHH', 1, 1, RATE, RATE, 1, 8)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt
    body += b'data' + struct.pack('<I', len(samples)) + samples
    if len(samples) % 2:
        body += b'\0'
    return b'RIFF' + struct.pack('<I', len(body)) + body


root = pathlib.Path(__file__).resolve().parent.parent / 'resources'
(root / 'click.wav').write_bytes(wav(tone(30, [1800, 3100], 0.8, 180)))
(root / 'tick.wav').write_bytes(wav(tone(20, [1000], 0.35, 200)))
