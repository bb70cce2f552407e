"""The title logo, composed from the glyph masks and colour bands in assets/logo.txt."""

from pathlib import Path

from .pixelart import Grid


def read_logo(path: Path):
    settings, glyphs = {}, {}
    current = None
    for raw in path.read_text().splitlines():
        line = raw.rstrip()
        if not line:
            current = None  # a blank line ends a glyph
            continue
        if current is not None and set(line) <= {"#", "."}:
            current.append(line)
        elif line.startswith("#"):
            continue
        elif line.startswith("glyph "):
            current = glyphs.setdefault(line.split()[1], [])
        else:
            key, value = line.split("=", 1)
            settings[key.strip()] = value.split()
    return settings, glyphs


def _text_mask(text, glyphs, scale, spacing):
    masks = [glyphs[ch] for ch in text]
    height = len(masks[0]) * scale
    width = sum(len(m[0]) * scale for m in masks) + spacing * (len(masks) - 1)
    mask = [[False] * width for _ in range(height)]
    x0 = 0
    for m in masks:
        for y, row in enumerate(m):
            for x, ch in enumerate(row):
                if ch == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            mask[y * scale + dy][x0 + x * scale + dx] = True
        x0 += len(m[0]) * scale + spacing
    return mask


def _styled(mask, bands, highlight, outline, depth):
    """Letters filled with horizontal colour bands, a lit top-left edge, an extruded shadow
    going down and right, and a one-pixel outline round everything."""
    height, width = len(mask), len(mask[0])
    depth_fill, depth_edge = depth
    grid = Grid(width + 5, height + 5)

    def ink(x, y):
        return 0 <= y < height and 0 <= x < width and mask[y][x]

    # extrusion, two pixels down and right
    for y in range(height):
        for x in range(width):
            if ink(x, y):
                for d in (1, 2):
                    grid.set(x + 1 + d, y + 1 + d, depth_fill)
    for y in range(height):
        for x in range(width):
            if ink(x, y):
                key = bands[y]
                if not ink(x, y - 1) or not ink(x - 1, y):
                    key = highlight
                grid.set(x + 1, y + 1, key)
    # outline round letters and extrusion together
    filled = [[grid.get(x, y) != "." for x in range(grid.width)] for y in range(grid.height)]
    for y in range(grid.height):
        for x in range(grid.width):
            if filled[y][x]:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < grid.width and 0 <= ny < grid.height and filled[ny][nx]:
                    grid.set(x, y, outline)
                    break
    # separate letters from their extrusion with a darker edge
    for y in range(grid.height):
        for x in range(grid.width):
            if grid.get(x, y) == depth_fill and ink(x - 1 - 1, y - 1 - 1) is False and \
                    (ink(x - 1, y - 2) or ink(x - 2, y - 1)):
                grid.set(x, y, depth_edge if (x + y) % 2 else depth_fill)
    return grid


def logo(path: Path):
    s, glyphs = read_logo(path)
    scale = int(s["scale"][0])
    big = _styled(_text_mask(s["big"][0], glyphs, scale, int(s["big_spacing"][0])),
                  s["big_bands"], s["big_highlight"][0], s["big_outline"][0], s["big_depth"])
    small = _styled(_text_mask(s["small"][0], glyphs, scale, int(s["small_spacing"][0])),
                    s["small_bands"], s["small_highlight"][0], s["small_outline"][0],
                    s["small_depth"])
    gap = int(s["line_gap"][0])
    width = max(big.width, small.width)
    out = Grid(width, big.height + gap + small.height)
    out.blit(big, (width - big.width) // 2, 0)
    out.blit(small, (width - small.width) // 2, big.height + gap)
    return out
