"""Music rendered from the small tracker scores in assets/music/.

A score names instruments, a bass and arpeggio style, patterns (chords per bar, a lead line,
a drum line) and the song order. Every note is rendered into a circular buffer the length of
the song, so tails that run past the end sound at the start: the track loops without a seam.
"""

import re
from pathlib import Path

import numpy as np

from .synth import SAMPLE_RATE, normalise

# Music is mastered lower than effects: Vorbis can overshoot the peak a little on decoding.
MUSIC_PEAK = 10 ** (-4.0 / 20)

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
CHORD_INTERVALS = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
                   "sus4": (0, 5, 7), "maj7": (0, 4, 7, 11)}


def note_number(name):
    """'C4' -> 60 (MIDI numbering), sharps '#' and flats 'b'."""
    match = re.fullmatch(r"([A-G])([#b]?)(-?\d)", name)
    if not match:
        raise ValueError(f"bad note {name!r}")
    letter, accidental, octave = match.groups()
    n = NOTE_INDEX[letter] + {"#": 1, "b": -1, "": 0}[accidental]
    return 12 * (int(octave) + 1) + n


def chord_notes(symbol):
    """'Am' -> (root pitch class, intervals)."""
    match = re.fullmatch(r"([A-G])([#b]?)(.*)", symbol)
    letter, accidental, quality = match.groups()
    root = NOTE_INDEX[letter] + {"#": 1, "b": -1, "": 0}[accidental]
    return root % 12, CHORD_INTERVALS[quality]


def frequency(number):
    return 440.0 * 2 ** ((number - 69) / 12)


class Instrument:
    def __init__(self, words):
        self.wave = words[0]
        self.settings = dict(w.split("=") for w in words[1:])

    def get(self, key, default):
        return float(self.settings.get(key, default))

    def render(self, pitch, seconds, rng):
        attack = self.get("attack", 0.005)
        decay = self.get("decay", 0.1)
        sustain = self.get("sustain", 0.7)
        release = self.get("release", 0.05)
        volume = self.get("volume", 0.3)
        n_on = max(1, int(seconds * SAMPLE_RATE))
        n = n_on + int(release * SAMPLE_RATE)
        t = np.arange(n) / SAMPLE_RATE
        env = np.where(t < attack, t / max(attack, 1e-4),
                       sustain + (1 - sustain) * np.exp(-(t - attack) / max(decay, 1e-4)))
        level_at_off = env[n_on - 1]
        tail = np.clip(1 - (t - seconds) / max(release, 1e-4), 0, 1) * level_at_off
        env = np.where(t < seconds, env, tail)
        if self.wave in ("kick", "snare", "hat", "openhat"):
            return self._drum(n, t, rng) * volume
        f = frequency(pitch)
        vib_rate, vib_depth = self.get("vibrato_rate", 0), self.get("vibrato_depth", 0)
        vib_delay = self.get("vibrato_delay", 0.15)
        freq = f * 2 ** (vib_depth / 12 * np.sin(2 * np.pi * vib_rate * t) * (t > vib_delay))
        detune = self.get("detune", 0)
        out = np.zeros(n)
        voices = (-detune, detune) if detune else (0.0,)
        for cents in voices:
            phase = np.cumsum(freq * 2 ** (cents / 1200)) / SAMPLE_RATE
            frac = phase % 1.0
            if self.wave == "pulse":
                duty = self.get("duty", 0.5)
                wave = np.where(frac < duty, 1.0, -1.0)
                wave -= np.mean(wave)
            elif self.wave == "triangle":
                wave = 2 * np.abs(2 * frac - 1) - 1
            elif self.wave == "saw":
                wave = 2 * frac - 1
            elif self.wave == "sine":
                wave = np.sin(2 * np.pi * phase)
            else:
                raise ValueError(f"unknown wave {self.wave!r}")
            out += wave / len(voices)
        return out * env * volume

    def _drum(self, n, t, rng):
        kind = self.wave
        if kind == "kick":
            n = int(0.35 * SAMPLE_RATE)
            t = t[:n] if len(t) >= n else np.arange(n) / SAMPLE_RATE
            freq = 45 + 110 * np.exp(-t / 0.03)
            phase = 2 * np.pi * np.cumsum(freq) / SAMPLE_RATE
            return np.sin(phase) * np.exp(-t / 0.12)
        if kind == "snare":
            n = int(0.25 * SAMPLE_RATE)
            t = np.arange(n) / SAMPLE_RATE
            noise = rng.uniform(-1, 1, n)
            body = np.sin(2 * np.pi * 190 * t) * np.exp(-t / 0.04)
            return (noise * 0.8 * np.exp(-t / 0.07) + body * 0.6)
        length = 0.05 if kind == "hat" else 0.22
        n = int(length * SAMPLE_RATE)
        t = np.arange(n) / SAMPLE_RATE
        noise = rng.uniform(-1, 1, n)
        noise = noise - np.concatenate([[0], noise[:-1]])  # crude high-pass: brighter
        return noise * 0.5 * np.exp(-t / (length / 3))


def read_score(path: Path):
    score = {"instruments": {}, "patterns": {}, "song": []}
    current = None
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("pattern "):
            current = score["patterns"].setdefault(line.split()[1], {})
            continue
        key, _, value = line.partition("=")
        key, words = key.strip(), value.replace("|", " ").split()
        if not _:
            raise ValueError(f"{path}:{number}: expected 'key = value'")
        if key.startswith("instrument "):
            score["instruments"][key.split()[1]] = Instrument(words)
        elif current is not None and key != "song":
            current[key] = words
        else:
            score[key] = words
    return score


def render_score(score):
    bpm = float(score["bpm"][0])
    steps_per_bar = int(score["steps_per_bar"][0])
    steps_per_beat = steps_per_bar // 4
    step_seconds = 60.0 / bpm / steps_per_beat
    rng = np.random.default_rng(int(score["seed"][0]))
    song = score["song"]
    bars = sum(len(score["patterns"][name]["chords"]) for name in song)
    total_steps = bars * steps_per_bar
    total = int(round(total_steps * step_seconds * SAMPLE_RATE))
    tracks = {}

    def add(track, start_step, steps, pitch, instrument_name):
        instrument = score["instruments"][instrument_name]
        sound = instrument.render(pitch, steps * step_seconds, rng)
        start = int(round(start_step * step_seconds * SAMPLE_RATE)) % total
        buffer = tracks.setdefault(track, np.zeros(total))
        # wrap whatever runs past the end of the song round to its start
        index = (start + np.arange(len(sound))) % total
        np.add.at(buffer, index, sound)

    def play_line(track, tokens, first_step, instrument_name, transpose=0):
        step = first_step
        i = 0
        while i < len(tokens):
            token = tokens[i]
            length = 1
            while i + length < len(tokens) and tokens[i + length] == "-":
                length += 1
            if token not in (".", "-"):
                add(track, step, length, note_number(token) + transpose, instrument_name)
            step += length
            i += length

    bar = 0
    for name in song:
        pattern = score["patterns"][name]
        chords = pattern["chords"]
        first = bar * steps_per_bar
        for index, chord in enumerate(chords):
            root, intervals = chord_notes(chord)
            bar_start = first + index * steps_per_bar
            if "bass" in pattern or "bass_style" in score:
                style = pattern.get("bass", score.get("bass_style"))
                for s, token in enumerate(style[:steps_per_bar]):
                    if token in (".", "-"):
                        continue
                    length = 1
                    while s + length < steps_per_bar and style[s + length] == "-":
                        length += 1
                    octave = {"R": 36, "O": 48, "F": 43}[token[0]]  # root, octave, fifth
                    pitch = octave + root
                    add("bass", bar_start + s, length, pitch, "bass")
            if "arp_style" in score and pattern.get("arp", ["on"])[0] == "on":
                tones = [root + i for i in intervals]
                for s, token in enumerate(score["arp_style"][:steps_per_bar]):
                    if token == ".":
                        continue
                    degree = int(token)
                    pitch = 60 + tones[degree % len(tones)] + 12 * (degree // len(tones))
                    add("arp", bar_start + s, 1, pitch, "arp")
            if "pad" in score["instruments"] and pattern.get("pad", ["on"])[0] == "on":
                for i in intervals[:3]:
                    add("pad", bar_start, steps_per_bar, 48 + root + i + (12 if i < 5 else 0), "pad")
            drums = pattern.get("drums", score.get("drums"))
            if drums:
                for s in range(steps_per_bar):
                    token = drums[s % len(drums)]
                    for hit, instrument in (("k", "kick"), ("s", "snare"), ("h", "hat"),
                                            ("o", "openhat")):
                        if hit in token:
                            add("drums", bar_start + s, 1, 60, instrument)
        if "lead" in pattern:
            play_line("lead", pattern["lead"], first, "lead")
        if "counter" in pattern:
            play_line("counter", pattern["counter"], first, "counter")
        bar += len(chords)

    mix = np.zeros(total)
    for name, buffer in sorted(tracks.items()):
        if name in ("lead", "counter") and "echo" in score:
            delay_steps, gain = float(score["echo"][0]), float(score["echo"][1])
            buffer = circular_echo(buffer, int(delay_steps * step_seconds * SAMPLE_RATE), gain)
        mix += buffer
    # Gentle saturation glues the voices; the low-pass takes the fizz off the naive pulse waves.
    mix = np.tanh(1.5 * normalise(mix, 1.0)) / np.tanh(1.5)
    mix = circular_lowpass(mix, float(score.get("lowpass", ["6000"])[0]))
    return normalise(mix, MUSIC_PEAK)


def circular_lowpass(signal, cutoff):
    """One-pole low-pass of a looping signal: run over the loop twice and keep the second pass,
    so the filter's state at the start is the one the end of the loop leaves."""
    alpha = 1.0 - np.exp(-2 * np.pi * cutoff / SAMPLE_RATE)
    values = signal.tolist()
    out = [0.0] * len(values)
    y = 0.0
    for _ in range(2):
        for i, x in enumerate(values):
            y += alpha * (x - y)
            out[i] = y
    return np.array(out)


def circular_echo(signal, delay, gain, passes=6):
    """Feedback echo on a looping signal: repeats from the end of the loop land at its start."""
    out = signal.copy()
    tap = signal
    for _ in range(passes):
        tap = np.roll(tap, delay) * gain
        out += tap
    return out
