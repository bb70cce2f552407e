"""Reads assets/resources.txt, the list of every resource the game declares."""

from dataclasses import dataclass, field
from pathlib import Path


@dataclass
class Entry:
    kind: str            # image, strip, animation, sound, music, levels
    name: str            # short name inside the area's namespace
    source: str = ""     # what it is generated from
    settings: dict = field(default_factory=dict)
    frame_sets: list = field(default_factory=list)  # (name, [frames]) for animations


@dataclass
class Area:
    directory: str
    namespace: str
    default_type: str
    entries: list = field(default_factory=list)


def read_manifest(path: Path):
    areas = []
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        words = line.split()
        where = f"{path}:{number}"
        if words[0] == "area":
            if len(words) != 4:
                raise ValueError(f"{where}: area <directory> <namespace> <default type>")
            areas.append(Area(words[1], words[2], words[3]))
            continue
        if not areas:
            raise ValueError(f"{where}: entry before the first area")
        if words[0] == "animation":
            entry = Entry("animation", words[1])
            for word in words[2:]:
                key, value = word.split("=", 1)
                if key in ("loop", "frame_time"):
                    entry.settings[key] = value
                else:
                    entry.frame_sets.append((key, [int(v) for v in value.split(",")]))
        elif words[0] == "levels":
            entry = Entry("levels", "", words[1])
        elif words[0] in ("image", "strip", "sound", "music") and len(words) == 3:
            entry = Entry(words[0], words[1], words[2])
        else:
            raise ValueError(f"{where}: cannot read {line!r}")
        areas[-1].entries.append(entry)
    return areas


def file_name(entry):
    """The asset file of an entry, inside its area directory."""
    base = entry.name.replace(".", "_")
    return {"image": base + ".png", "strip": base + ".png", "sound": base + ".wav",
            "music": base + ".ogg"}.get(entry.kind)
