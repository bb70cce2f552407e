"""Palette-indexed pictures: a picture is a list of rows of palette keys.

Sprite sources are text grids, one character per pixel, frames of one strip separated by a line
"frame". Everything is kept as key grids until the PNG is written, so that every pixel of the
game comes from the palette.
"""

from pathlib import Path

from PIL import Image


class Grid:
    """A rectangle of palette keys."""

    def __init__(self, width, height, fill="."):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    @staticmethod
    def from_rows(rows):
        grid = Grid(len(rows[0]) if rows else 0, len(rows))
        for y, row in enumerate(rows):
            if len(row) != grid.width:
                raise ValueError(f"row {y} is {len(row)} wide, expected {grid.width}")
            grid.rows[y] = list(row)
        return grid

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, key):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = key

    def blit(self, other, ox, oy, transparent="."):
        for y in range(other.height):
            for x in range(other.width):
                key = other.rows[y][x]
                if key != transparent:
                    self.set(ox + x, oy + y, key)

    def mirrored(self):
        grid = Grid(self.width, self.height)
        grid.rows = [list(reversed(row)) for row in self.rows]
        return grid

    def copy(self):
        grid = Grid(self.width, self.height)
        grid.rows = [list(row) for row in self.rows]
        return grid

    def recoloured(self, mapping):
        grid = self.copy()
        grid.rows = [[mapping.get(key, key) for key in row] for row in grid.rows]
        return grid


def parse_frames(text, source="grid"):
    """Reads a grid source: '#' comments, 'key = value' header lines, then frames of rows.

    Returns (header dict, list of Grid)."""
    header = {}
    frames = []
    current = None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        if not line or line.lstrip().startswith("#"):
            continue
        if line.strip() == "frame":
            current = []
            frames.append(current)
            continue
        if current is None:
            if "=" not in line:
                raise ValueError(f"{source}:{number}: expected 'key = value' or 'frame'")
            key, value = line.split("=", 1)
            header[key.strip()] = value.strip()
            continue
        current.append(line.strip())
    grids = []
    for index, rows in enumerate(frames):
        try:
            grids.append(Grid.from_rows(rows))
        except ValueError as error:
            raise ValueError(f"{source}: frame {index}: {error}") from None
    if grids and any((g.width, g.height) != (grids[0].width, grids[0].height) for g in grids):
        raise ValueError(f"{source}: frames differ in size")
    return header, grids


def strip(frames):
    """Lays frames side by side in one row, the layout image strips are cut from."""
    width = sum(frame.width for frame in frames)
    height = max(frame.height for frame in frames)
    out = Grid(width, height)
    x = 0
    for frame in frames:
        out.blit(frame, x, 0, transparent=None)
        x += frame.width
    return out


def to_image(grid, palette, opaque=False):
    mode = "RGB" if opaque else "RGBA"
    image = Image.new(mode, (grid.width, grid.height))
    pixels = []
    for row in grid.rows:
        for key in row:
            rgba = palette.rgba(key)
            pixels.append(rgba[:3] if opaque else rgba)
    image.putdata(pixels)
    return image


def write_png(image, path: Path):
    """Writes a PNG with no time stamp or other varying chunk, so output is reproducible."""
    path.parent.mkdir(parents=True, exist_ok=True)
    image.save(path, format="PNG", optimize=False, compress_level=9)
