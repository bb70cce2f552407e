"""The game's palette: one key character per colour, read from assets/palette.txt."""

from pathlib import Path

TRANSPARENT_KEY = "."
MASK_RGBA = (255, 0, 255, 0)


class Palette:
    def __init__(self, entries):
        # entries: list of (key, (r, g, b), name) in file order
        self.entries = entries
        self.by_key = {}
        for key, rgb, _name in entries:
            if key in self.by_key:
                raise ValueError(f"palette key {key!r} used twice")
            self.by_key[key] = rgb

    def rgba(self, key):
        if key == TRANSPARENT_KEY:
            return MASK_RGBA
        try:
            r, g, b = self.by_key[key]
        except KeyError:
            raise ValueError(f"colour key {key!r} is not in the palette") from None
        return (r, g, b, 255)

    def rgb(self, key):
        return self.by_key[key]

    def opaque_keys(self):
        return [key for key, _rgb, _name in self.entries if key != TRANSPARENT_KEY]


def load_palette(path: Path) -> Palette:
    entries = []
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        parts = line.split(None, 2)
        if len(parts) < 2 or len(parts[0]) != 1 or not parts[1].startswith("#"):
            raise ValueError(f"{path}:{number}: expected 'key #RRGGBB name'")
        value = parts[1][1:]
        rgb = (int(value[0:2], 16), int(value[2:4], 16), int(value[4:6], 16))
        entries.append((parts[0], rgb, parts[2] if len(parts) > 2 else ""))
    return Palette(entries)
