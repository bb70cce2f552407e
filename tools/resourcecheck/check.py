"""Checks a resource_db directory against what the game asks of it. See tools/check-resource-db."""

import array
import re
import subprocess
from pathlib import Path

from PIL import Image

from . import rules
from .definitions import DefinitionError, read_definitions


class Report:
    def __init__(self):
        self.errors = []
        self.notes = []

    def error(self, text):
        self.errors.append(text)

    def note(self, text):
        self.notes.append(text)


def load_all(db: Path, report: Report):
    """Every definition of the seven area files, keyed by full name (later ones win)."""
    registered = {}
    for area in rules.AREAS:
        path = db / area / "resources.brix"
        if not path.is_file():
            report.error(f"{area}: {path} is missing")
            continue
        try:
            definitions = read_definitions(path)
        except DefinitionError as error:
            report.error(str(error))
            continue
        if not definitions:
            report.error(f"{area}: {path} declares nothing")
        for definition in definitions:
            if definition.full_name in registered:
                report.error(f"{definition.full_name} is declared twice")
            registered[definition.full_name] = definition
    return registered


def _int(text):
    return int(text) if re.fullmatch(r"[0-9]+", text or "") else None


def image_cells(definition, report: Report):
    """(cell width, cell height, frames) of a picture after decoding it, or None."""
    path = Path(definition.file_name)
    try:
        with Image.open(path) as image:
            image.load()
            width, height = image.size
            mode = image.mode
    except (OSError, ValueError) as error:
        report.error(f"{definition.full_name}: {path} does not decode as an image ({error})")
        return None
    if Image.open(path).format != "PNG":
        report.error(f"{definition.full_name}: {path} is not a PNG")
    if mode not in ("RGB", "RGBA", "P", "L", "LA"):
        report.error(f"{definition.full_name}: {path} has unusual pixel mode {mode}")
    if definition.resource_type == "image":
        return width, height, 1
    cell_w, cell_h = _int(definition.details.get("width")), _int(definition.details.get("height"))
    frames = _int(definition.details.get("frames"))
    offset = _int(definition.details.get("offset", "0"))
    if not cell_w or not cell_h or not frames or offset is None:
        report.error(f"{definition.full_name}: an image strip needs positive width, height and "
                     f"frames (has {definition.details})")
        return None
    if height != cell_h or width != cell_w * (offset + frames):
        report.error(f"{definition.full_name}: {path.name} is {width}x{height}, the definition "
                     f"asks for {offset + frames} cells of {cell_w}x{cell_h} in a row")
        return None
    return cell_w, cell_h, frames


def check_pictures(registered, report: Report):
    sizes = {}
    for name, definition in sorted(registered.items()):
        if definition.resource_type not in ("image", "imagestrip"):
            continue
        cells = image_cells(definition, report)
        if cells is None:
            continue
        sizes[name] = cells
        width, height, frames = cells
        exact = rules.EXACT_SIZES.get(name)
        if exact:
            want_w, want_h, min_frames = exact
            if (want_w and width != want_w) or (want_h and height != want_h):
                report.error(f"{name}: cells are {width}x{height}, the game needs "
                             f"{want_w or 'any'}x{want_h or 'any'}")
            if min_frames and frames < min_frames:
                report.error(f"{name}: has {frames} frames, the game shows up to {min_frames}")
        limit = rules.MAX_SIZES.get(name)
        if limit and (width > limit[0] or height > limit[1]):
            report.error(f"{name}: {width}x{height} is larger than the {limit[0]}x{limit[1]} "
                         "the game's placement allows")
    return sizes


def check_animations(registered, sizes, report: Report):
    for name, (strip, wanted_sets, forever) in rules.ANIMATIONS.items():
        definition = registered.get(name)
        if definition is None or definition.resource_type != "animation":
            continue  # reported with the identifiers
        frame_time = _int(definition.details.get("frame_time"))
        if not frame_time:
            report.error(f"{name}: frame_time must be a positive number of milliseconds")
        loop = definition.details.get("loop", "")
        if forever and loop != "forever":
            report.error(f"{name}: must loop forever (loop = forever), has {loop!r}")
        if not forever and (loop == "forever" or _int(loop) is None or _int(loop) > 3):
            report.error(f"{name}: must play a few times and end (loop = 1), has {loop!r}")
        frame_sets = definition.data.get("animation_frames")
        if frame_sets is None:
            report.error(f"{name}: has no [animation_frames] group")
            continue
        frames_in_strip = sizes.get(strip, (0, 0, 0))[2]
        for set_name in wanted_sets:
            text = frame_sets.get(set_name)
            if text is None:
                report.error(f"{name}: has no frame set {set_name!r}, which the game plays")
                continue
            numbers = [part.strip() for part in text.split(",")]
            if not numbers or any(_int(n) is None for n in numbers):
                report.error(f"{name}.{set_name}: {text!r} is not a list of frame numbers")
                continue
            outside = [int(n) for n in numbers if int(n) >= frames_in_strip]
            if outside:
                report.error(f"{name}.{set_name}: frames {outside} are outside the "
                             f"{frames_in_strip} frames of {strip}")


def sound_stats(path: Path, report: Report, name):
    """(seconds, peak dBFS) from sox, or None when it does not decode."""
    result = subprocess.run(["sox", str(path), "-n", "stats"], capture_output=True, text=True)
    if result.returncode != 0:
        report.error(f"{name}: {path} does not decode: {result.stderr.strip()}")
        return None
    values = {}
    for line in result.stderr.splitlines():
        match = re.match(r"(Pk lev dB|Length s)\s+(\S+)", line)
        if match:
            values[match.group(1)] = float(match.group(2))
    if "Length s" not in values or "Pk lev dB" not in values:
        report.error(f"{name}: sox gave no statistics for {path}")
        return None
    return values["Length s"], values["Pk lev dB"]


def seam_is_smooth(path: Path):
    """A loop is seamless when stepping from its last sample to its first is no bigger a jump
    than the largest one inside the track."""
    raw = subprocess.run(["sox", str(path), "-t", "raw", "-e", "signed", "-b", "16", "-c", "1",
                          "-"], capture_output=True, check=True).stdout
    samples = array.array("h")
    samples.frombytes(raw[: len(raw) // 2 * 2])
    if len(samples) < 2:
        return False, 0, 0
    inside = max(abs(b - a) for a, b in zip(samples, samples[1:]))
    seam = abs(samples[0] - samples[-1])
    return seam <= inside, seam, inside


def check_sounds(registered, report: Report):
    for name, definition in sorted(registered.items()):
        if definition.resource_type != "sound":
            continue
        path = Path(definition.file_name)
        if path.suffix.lower() not in (".wav", ".ogg"):
            report.error(f"{name}: {path.name} is neither WAV nor Ogg")
            continue
        stats = sound_stats(path, report, name)
        if stats is None:
            continue
        seconds, peak = stats
        if peak >= rules.PEAK_LIMIT_DB:
            report.error(f"{name}: peaks at {peak} dBFS, clipping territory "
                         f"(limit {rules.PEAK_LIMIT_DB} dBFS)")
        if path.suffix.lower() == ".ogg":
            info = subprocess.run(["ogginfo", str(path)], capture_output=True, text=True)
            if info.returncode != 0 or "Vorbis" not in info.stdout:
                report.error(f"{name}: ogginfo rejects {path.name}")
        if name in rules.MUSIC:
            if definition.details.get("looped", "").lower() != "true":
                report.error(f"{name}: music must be declared looped = true")
            if path.suffix.lower() != ".ogg":
                report.error(f"{name}: music must be Ogg Vorbis")
            low, high = rules.MUSIC_SECONDS
            if not low <= seconds <= high:
                report.error(f"{name}: lasts {seconds:.1f} s, music loops last {low}-{high} s")
            if path.stat().st_size >= rules.MUSIC_MAX_BYTES:
                report.error(f"{name}: {path.stat().st_size} bytes, the limit is "
                             f"{rules.MUSIC_MAX_BYTES}")
            smooth, seam, inside = seam_is_smooth(path)
            if not smooth:
                report.error(f"{name}: the loop seam jumps by {seam}, more than any step inside "
                             f"the track ({inside}): it will click")
        elif seconds > rules.EFFECT_MAX_SECONDS:
            report.error(f"{name}: a {seconds:.1f} s sound effect is too long")


def check_levels(registered, report: Report):
    levels = {n: d for n, d in registered.items() if n.startswith(rules.LEVEL_PREFIX)}
    numbers = {}
    for name, definition in sorted(levels.items()):
        if definition.resource_type != "game_level":
            report.error(f"{name}: has type {definition.resource_type!r}, not game_level")
            continue
        missing = [f for f in rules.LEVEL_FIELDS if f not in definition.details]
        if missing:
            report.error(f"{name}: does not set {', '.join(missing)}")
            continue
        values = definition.details
        bad = [f for f in rules.LEVEL_BYTE_FIELDS if _int(values[f]) is None or int(values[f]) > 255]
        bad += [f for f in rules.LEVEL_FLOAT_FIELDS
                if not re.fullmatch(r"[0-9]+(\.[0-9]+)?", values[f])]
        if bad:
            report.error(f"{name}: {', '.join(bad)} must be numbers (whole numbers 0-255 for counts)")
            continue
        if values["time_of_day"].lower() not in rules.TIMES_OF_DAY:
            report.error(f"{name}: time_of_day {values['time_of_day']!r} is not one of "
                         f"{sorted(rules.TIMES_OF_DAY)}")
        level, stage = int(values["level_number"]), int(values["stage_number"])
        if name != f"{rules.LEVEL_PREFIX}{level}_{stage}":
            report.error(f"{name}: says it is level {level}, stage {stage}")
        if not 1 <= stage <= rules.STAGES_PER_LEVEL:
            report.error(f"{name}: stage {stage} is never reached (stages run 1 to 4)")
        if int(values["enemies_to_destroy"]) < 1:
            report.error(f"{name}: a level with no submarines to destroy is over at once")
        if int(values["time_limit"]) < 30:
            report.error(f"{name}: {values['time_limit']} s is too short to play")
        charges = int(values["total_charges"])
        if charges and charges < int(values["enemies_to_destroy"]):
            report.error(f"{name}: {charges} charges cannot destroy "
                         f"{values['enemies_to_destroy']} submarines")
        numbers.setdefault(level, set()).add(stage)
    # The game walks level_1_1, level_1_2, ... and stops at the first missing one.
    reachable, level, stage = [], 1, 1
    while f"{rules.LEVEL_PREFIX}{level}_{stage}" in levels:
        reachable.append(f"{rules.LEVEL_PREFIX}{level}_{stage}")
        stage += 1
        if stage > rules.STAGES_PER_LEVEL:
            level, stage = level + 1, 1
    unreachable = sorted(set(levels) - set(reachable))
    if unreachable:
        report.error(f"levels never reached from level_1_1: {', '.join(unreachable)}")
    complete = {n for n in numbers
                if all(f"{rules.LEVEL_PREFIX}{n}_{s}" in reachable
                       for s in range(1, rules.STAGES_PER_LEVEL + 1))}
    if len(complete) < rules.MIN_LEVEL_NUMBERS:
        report.error(f"only {len(complete)} level numbers have all four stages; the game needs "
                     f"at least {rules.MIN_LEVEL_NUMBERS}")
    report.note(f"{len(reachable)} levels in play order")


def check_identifiers(registered, report: Report):
    for name, types in sorted(rules.REQUIRED.items()):
        definition = registered.get(name)
        if definition is None:
            report.error(f"{name} is not declared")
        elif definition.resource_type not in types:
            report.error(f"{name} has type {definition.resource_type!r}, the game needs "
                         f"{' or '.join(sorted(types))}")
    for pattern, minimum in rules.SOUND_PATTERNS.items():
        found = [n for n in sorted(registered) if rules.matches(n, pattern)
                 and registered[n].resource_type == "sound"]
        if len(found) < minimum:
            report.error(f"{pattern} matches {len(found)} sounds, we ship at least {minimum}")
    for name, definition in sorted(registered.items()):
        if definition.resource_type not in rules.KNOWN_TYPES:
            report.error(f"{name}: unknown resource type {definition.resource_type!r}")
        if not Path(definition.file_name).is_file():
            report.error(f"{name}: names {definition.file_name}, which does not exist")


def check(db: Path):
    report = Report()
    registered = load_all(db, report)
    check_identifiers(registered, report)
    sizes = check_pictures(registered, report)
    check_animations(registered, sizes, report)
    check_sounds(registered, report)
    check_levels(registered, report)
    report.note(f"{len(registered)} resources declared, {len(sizes)} pictures decoded")
    return report, registered, sizes
