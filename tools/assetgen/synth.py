"""Sound effects synthesised from the layer recipes in assets/sounds/.

A recipe lists layers; each layer is an oscillator or noise source with a pitch sweep, an
attack/hold/release envelope and an optional low-pass sweep. The layers are summed, softly
saturated for punch and normalised to a peak safely below full scale."""

import wave
from pathlib import Path

import numpy as np

from .recipe import read_recipe

SAMPLE_RATE = 22050
PEAK = 10 ** (-1.5 / 20)  # -1.5 dBFS


def envelope(n, attack, hold, release, curve):
    t = np.arange(n) / SAMPLE_RATE
    env = np.zeros(n)
    a = max(attack, 1e-4)
    env = np.where(t < a, t / a, 1.0)
    after = t - a - hold
    decay = np.where(after > 0, np.clip(1.0 - after / max(release, 1e-4), 0.0, 1.0) ** curve, 1.0)
    return env * decay


def sweep_phase(n, f0, f1, length):
    """Phase of an exponential pitch sweep from f0 to f1 over `length` seconds, then held."""
    t = np.arange(n) / SAMPLE_RATE
    ratio = (max(f1, 1e-3) / max(f0, 1e-3))
    frac = np.clip(t / max(length, 1e-4), 0.0, 1.0)
    freq = f0 * ratio ** frac
    return 2 * np.pi * np.cumsum(freq) / SAMPLE_RATE


def lowpass(signal, cutoff_start, cutoff_end):
    """One-pole low-pass whose cutoff slides exponentially over the sound."""
    n = len(signal)
    ratio = cutoff_end / cutoff_start
    cutoffs = cutoff_start * ratio ** (np.arange(n) / max(n - 1, 1))
    alphas = 1.0 - np.exp(-2 * np.pi * cutoffs / SAMPLE_RATE)
    out = np.empty(n)
    y = 0.0
    for i in range(n):
        y += alphas[i] * (signal[i] - y)
        out[i] = y
    return out


def render_layer(words, n, rng):
    kind = words[0]
    f0, f1, amp, attack, hold, release = (float(w) for w in words[1:7])
    extra = dict(w.split("=") for w in words[7:])
    curve = float(extra.get("curve", 2.0))
    sweep = float(extra.get("sweep", (n / SAMPLE_RATE)))
    delay = int(float(extra.get("delay", 0)) * SAMPLE_RATE)
    length = n - delay
    if length <= 0:
        return np.zeros(n)
    if kind == "noise":
        source = rng.uniform(-1, 1, length)
    elif kind == "crackle":
        # sparse random clicks of random height: the pops of a burning fuse or firework
        density = f0
        source = np.where(rng.random(length) < density / SAMPLE_RATE, rng.uniform(-1, 1, length), 0)
        source = np.convolve(source, np.hanning(9), mode="same")
    else:
        phase = sweep_phase(length, f0, f1, sweep)
        if kind == "sine":
            source = np.sin(phase)
        elif kind == "square":
            source = np.sign(np.sin(phase)) * 0.6
        elif kind == "saw":
            source = 2 * ((phase / (2 * np.pi)) % 1.0) - 1
        elif kind == "triangle":
            source = 2 * np.abs(2 * ((phase / (2 * np.pi)) % 1.0) - 1) - 1
        else:
            raise ValueError(f"unknown layer kind {kind!r}")
    if "am" in extra:  # amplitude wobble, e.g. a propeller
        rate, depth = (float(v) for v in extra["am"].split(":"))
        t = np.arange(length) / SAMPLE_RATE
        source = source * (1 - depth + depth * (0.5 + 0.5 * np.sin(2 * np.pi * rate * t)))
    if "lp" in extra:
        c0, c1 = (float(v) for v in extra["lp"].split(":"))
        source = lowpass(source, c0, c1)
    if "hp" in extra:  # one-pole high-pass: the signal minus its low-passed self
        cutoff = float(extra["hp"])
        source = source - lowpass(source, cutoff, cutoff)
    layer = source * envelope(length, attack, hold, release, curve) * amp
    return np.concatenate([np.zeros(delay), layer])


def render_sound(recipe):
    duration = float(recipe["duration"][0])
    n = int(duration * SAMPLE_RATE)
    rng = np.random.default_rng(int(recipe["seed"][0]))
    mix = np.zeros(n)
    for key in sorted(k for k in recipe if k.startswith("layer")):
        mix += render_layer(recipe[key], n, rng)
    if "echo" in recipe:
        delay_s, gain, repeats = (float(v) for v in recipe["echo"])
        d = int(delay_s * SAMPLE_RATE)
        dry = mix.copy()
        for r in range(1, int(repeats) + 1):
            if r * d < n:
                mix[r * d:] += dry[: n - r * d] * gain ** r
    drive = float(recipe.get("drive", ["1"])[0])
    mix = np.tanh(mix * drive) if drive != 1 else mix
    # short fade at the very end so no sound stops on a click
    fade = min(n, int(0.01 * SAMPLE_RATE))
    mix[n - fade:] *= np.linspace(1, 0, fade)
    return normalise(mix)


def normalise(signal, peak=PEAK):
    top = np.max(np.abs(signal))
    return signal * (peak / top) if top > 0 else signal


def write_wav(signal, path: Path):
    path.parent.mkdir(parents=True, exist_ok=True)
    samples = np.clip(np.round(signal * 32767), -32767, 32767).astype("<i2")
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(samples.tobytes())


def make_sound(recipe_path: Path, out_path: Path):
    write_wav(render_sound(read_recipe(recipe_path)), out_path)


