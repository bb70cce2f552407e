"""Sprites from assets/sprites/: hand-drawn key grids, plus the few frame sets that follow from
another sprite (mirrored, sliced) or from settings (the explosion strip)."""

import math
import random
from pathlib import Path

from .pixelart import Grid, parse_frames


class SpriteSet:
    """Reads sprite sources by name and caches the frames."""

    def __init__(self, directory: Path):
        self.directory = directory
        self.cache = {}

    def frames(self, name):
        if name not in self.cache:
            path = self.directory / f"{name}.txt"
            header, grids = parse_frames(path.read_text(), str(path))
            self.cache[name] = self._finish(name, header, grids)
        return self.cache[name]

    def _finish(self, name, header, grids):
        if "derive" in header:
            words = header["derive"].split()
            if words[0] == "mirror":
                grids = [g.mirrored() for g in self.frames(words[1])]
            elif words[0] == "slices":
                grids = slices(self.frames(words[1])[0], int(words[2]), header["scorch"].split())
            else:
                raise ValueError(f"{name}: unknown derivation {words[0]!r}")
        elif header.get("generate") == "explosion":
            grids = explosion(header)
        if header.get("append_mirrored") == "yes":
            grids = grids + [g.mirrored() for g in grids]
        if "tile_width" in header:
            width = int(header["tile_width"])
            tiled = []
            for g in grids:
                out = Grid(width, g.height)
                for x in range(0, width, g.width):
                    out.blit(g, x, 0, transparent=None)
                tiled.append(out)
            grids = tiled
        if not grids:
            raise ValueError(f"{name}: no frames")
        return grids


def slices(source, count, scorch_keys):
    """Cuts a picture into `count` equal vertical slices with ragged, scorched cut edges."""
    width = source.width // count
    rng = random.Random(source.width * 31 + count)
    dark, ember = scorch_keys
    pieces = []
    for index in range(count):
        piece = Grid(width, source.height)
        for y in range(source.height):
            for x in range(width):
                piece.rows[y][x] = source.get(index * width + x, y)
        for y in range(source.height):
            # chew the cut edges: the left edge unless this is the stern, the right unless the bow
            for side in (0, 1):
                if (side == 0 and index == 0) or (side == 1 and index == count - 1):
                    continue
                depth = min(rng.choice((0, 1, 1, 2)), width // 3)  # narrow slices stay whole
                for d in range(depth):
                    x = d if side == 0 else width - 1 - d
                    piece.rows[y][x] = "."
                x = depth if side == 0 else width - 1 - depth
                if piece.rows[y][x] != ".":
                    piece.rows[y][x] = ember if rng.random() < 0.3 else dark
        pieces.append(piece)
    return pieces


def _noise(rng, size):
    """A smooth value-noise field in [0, 1) of size x size."""
    coarse = [[rng.random() for _ in range(6)] for _ in range(6)]
    field = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = x / size * 4.99, y / size * 4.99
            ix, iy = int(fx), int(fy)
            tx, ty = fx - ix, fy - iy
            top = coarse[iy][ix] * (1 - tx) + coarse[iy][ix + 1] * tx
            bottom = coarse[iy + 1][ix] * (1 - tx) + coarse[iy + 1][ix + 1] * tx
            field[y][x] = top * (1 - ty) + bottom * ty
    return field


def explosion(header):
    width, height = (int(v) for v in header["cell"].split())
    rng = random.Random(int(header["seed"]))
    heat = header["heat"].split()
    smoke = header["smoke"].split()
    noise = _noise(rng, width)
    noise2 = _noise(rng, width)
    frames = []
    count = int(header["fireball_frames"])
    cx, cy = (width - 1) / 2, (height - 1) / 2
    for f in range(count):
        t = f / (count - 1)
        grid = Grid(width, height)
        radius = 2.5 + 5.0 * math.sqrt(t)
        hole = max(0.0, (t - 0.45) * 1.6)  # the fireball thins out into a ring of smoke
        rise = t * 2.5
        for y in range(height):
            for x in range(width):
                d = math.hypot(x - cx, (y + rise) - cy) / radius
                d += (noise[y][x] - 0.5) * (0.35 + 0.5 * t)
                if d > 1.0:
                    continue
                if d < hole and noise2[y][x] < 0.75:
                    continue
                if f == count - 1 and (x + y) % 2:
                    continue  # the last puff is half gone
                temperature = (1.0 - d) * 1.5 * (1.0 - t) ** 1.3 + (0.25 if f < 2 else 0.0)
                if temperature > 0.12:
                    level = min(len(heat) - 1, int((1.0 - min(temperature, 0.999)) * len(heat)))
                    key = heat[level]
                else:
                    key = smoke[0] if noise2[y][x] > 0.45 or t < 0.7 else smoke[1]
                grid.set(x, y, key)
        frames.append(grid)
    for f in range(int(header["spark_frames"])):
        grid = Grid(width, height)
        length = 2 + f * 2
        for angle in range(0, 360, 45):
            a = math.radians(angle + f * 10)
            for step in range(length):
                if step < f:  # the spark lines fly outwards, leaving the centre
                    continue
                x = int(round(cx + math.cos(a) * step))
                y = int(round(cy + math.sin(a) * step))
                grid.set(x, y, heat[min(len(heat) - 1, step // 2)])
        if f < 2:
            for y in range(int(cy) - 1, int(cy) + 2):
                for x in range(int(cx) - 1, int(cx) + 2):
                    grid.set(x, y, heat[f])
        frames.append(grid)
    return frames
