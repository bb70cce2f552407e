"""Skies, seas, cloud strips and the moon, drawn procedurally from the recipes in
assets/backgrounds/. Every random choice comes from a generator seeded by the recipe, so the
same recipe always gives the same pixels."""

import math
import random

from .pixelart import Grid
from .recipe import stops

SCREEN_WIDTH = 224
SKY_HEIGHT = 71
SEA_HEIGHT = 288 - 71
CLOUD_WIDTH = 48
CLOUD_HEIGHT = 18
CLOUD_FRAMES = 5
MOON_SIZE = 24

# 4x4 ordered-dither thresholds, in (0, 1).
BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def dither(fraction, x, y):
    """True where the second colour of a dithered mix shows at this pixel."""
    return fraction > (BAYER4[y % 4][x % 4] + 0.5) / 16.0


def gradient_key(stop_list, y, x):
    if y <= stop_list[0][0]:
        return stop_list[0][1]
    for (y0, k0), (y1, k1) in zip(stop_list, stop_list[1:]):
        if y0 <= y < y1:
            return k1 if dither((y - y0) / (y1 - y0), x, y) else k0
    return stop_list[-1][1]


def gradient(width, height, stop_list):
    grid = Grid(width, height)
    for y in range(height):
        for x in range(width):
            grid.rows[y][x] = gradient_key(stop_list, y, x)
    return grid


def disc(grid, cx, cy, radius, key, rim=None):
    for y in range(cy - radius - 1, cy + radius + 2):
        for x in range(cx - radius - 1, cx + radius + 2):
            d = math.hypot(x - cx, y - cy)
            if d <= radius - 1 and rim is not None:
                grid.set(x, y, key)
            elif d <= radius:
                grid.set(x, y, rim if rim is not None else key)


def sky(recipe):
    rng = random.Random(int(recipe["seed"][0]))
    grid = gradient(SCREEN_WIDTH, SKY_HEIGHT, stops(recipe["sky"]))
    if "stars" in recipe:
        count, *keys = recipe["stars"]
        for i in range(int(count)):
            x, y = rng.randrange(SCREEN_WIDTH), rng.randrange(58)
            key = keys[min(len(keys) - 1, int(rng.random() ** 2 * len(keys)))] if i % 9 else keys[0]
            grid.set(x, y, key)
            if i % 17 == 0:  # a few bright stars get a small cross
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    grid.set(x + dx, y + dy, keys[1])
    if "sun" in recipe:
        cx, cy, radius, body, rim = recipe["sun"]
        disc(grid, int(cx), int(cy), int(radius), body, rim)
        if "sunstripes" in recipe:
            key, start, gap = recipe["sunstripes"]
            # Horizontal cuts through the lower half of the sun, closer together lower down.
            y, thickness = int(start), 1
            while y < int(cy) + int(radius):
                for x in range(int(cx) - int(radius) - 1, int(cx) + int(radius) + 2):
                    for t in range(thickness):
                        if math.hypot(x - int(cx), y + t - int(cy)) <= int(radius):
                            grid.set(x, y + t, key)
                y += int(gap) + thickness
                thickness = min(thickness + 1, 2)
        else:
            # a soft dithered glow round a small sun
            for y in range(int(cy) - 11, int(cy) + 12):
                for x in range(int(cx) - 11, int(cx) + 12):
                    d = math.hypot(x - int(cx), y - int(cy))
                    if int(radius) < d < int(radius) + 5 and dither(0.55 - (d - int(radius)) / 9, x, y):
                        grid.set(x, y, recipe["glow"][0])
    if "islands" in recipe:
        # Low distant islands on the horizon: "height:key" at a start column.
        (height, key), (start, _key2) = [w.split(":") for w in recipe["islands"]]
        height, start = int(height), int(start)
        for island in range(2):
            left = (start + island * 37) % SCREEN_WIDTH if island else 4
            width = 30 + rng.randrange(20) if island == 0 else 54
            top = SKY_HEIGHT - height + (2 if island == 0 else 0)
            for x in range(width):
                t = x / (width - 1)
                h = int((math.sin(t * math.pi) ** 0.7) * (SKY_HEIGHT - top))
                h += rng.choice((0, 0, 1))
                for y in range(SKY_HEIGHT - h, SKY_HEIGHT):
                    grid.set(left + x, y, key)
    return grid


def sea(recipe):
    rng = random.Random(int(recipe["seed"][0]) * 7 + 1)
    grid = gradient(SCREEN_WIDTH, SEA_HEIGHT, stops(recipe["sea"]))
    foam, light, rows = recipe["surface"][0], recipe["surface"][1], int(recipe["surface"][2])
    # The surface line: a crest pattern along the top rows.
    for x in range(SCREEN_WIDTH):
        phase = (x % 16)
        grid.set(x, 0, foam if phase < 11 else light)
        if phase in (10, 11, 12, 13):
            grid.set(x, 1, foam)
        elif rows > 2 and phase in (3, 4, 5, 6, 7, 8):
            grid.set(x, 1, light)
    if "rays" in recipe:
        count, width, length = (int(v) for v in recipe["rays"])
        for i in range(count):
            x0 = 20 + i * 55 + rng.randrange(20)
            for y in range(3, length * 20):
                fade = 1.0 - y / (length * 20.0)
                for w in range(width + y // 30):
                    x = x0 + w + y // 3
                    if 0 <= x < SCREEN_WIDTH and dither(0.18 * fade, x, y):
                        current = grid.get(x, y)
                        lighter = {"8": "7", "7": "6", "9": "8", "0": "9"}.get(current)
                        if lighter:
                            grid.set(x, y, lighter)
    count, key, key2, depth = recipe["glints"]
    for _ in range(int(count)):
        y = 3 + int(rng.random() ** 1.8 * int(depth))
        x = rng.randrange(SCREEN_WIDTH)
        length = 2 + rng.randrange(5) - y // 15
        for i in range(max(1, length)):
            grid.set(x + i, y, key if i % 3 != 2 else key2)
    if "reflection" in recipe:
        cx, half, bright, dim, depth = recipe["reflection"]
        cx, half, depth = int(cx), int(half), int(depth)
        for y in range(2, depth, 2):
            spread = half * (1.0 - 0.5 * y / depth)
            for _ in range(3):
                x = int(cx + (rng.random() * 2 - 1) * spread)
                length = 1 + rng.randrange(4)
                for i in range(length):
                    grid.set(x + i, y, bright if y < depth // 2 and i % 2 == 0 else dim)
    # The sea floor: sand dunes with rocks and weed, bottom 14 rows (screen y 274 and below).
    sand, sand_dark, weed_dark, weed = recipe["seabed"]
    base = SEA_HEIGHT - 5  # wrecks come to rest at screen row 274 and are 12 tall
    heights = []
    for x in range(SCREEN_WIDTH):
        h = 2.0 * math.sin(x / 19.0) + 1.2 * math.sin(x / 7.0 + 1.3) + 2.5
        heights.append(int(round(h)))
    for x in range(SCREEN_WIDTH):
        top = base - heights[x]
        for y in range(top, SEA_HEIGHT):
            shade = (y - top) / max(1, SEA_HEIGHT - top)
            grid.set(x, y, sand_dark if dither(0.35 + shade * 0.8, x, y) else sand)
        grid.set(x, top, sand if (x // 3) % 4 else sand_dark)
    for _ in range(6):  # rocks
        x0, r = rng.randrange(8, SCREEN_WIDTH - 8), 2 + rng.randrange(3)
        y0 = base - heights[x0] + 1
        for y in range(y0 - r, y0 + 2):
            for x in range(x0 - r - 1, x0 + r + 2):
                if ((x - x0) / (r + 1)) ** 2 + ((y - y0) / r) ** 2 <= 1.0:
                    grid.set(x, y, sand_dark if y > y0 - r + 1 else weed_dark)
    for _ in range(9):  # weed strands sway gently
        x0 = rng.randrange(4, SCREEN_WIDTH - 4)
        tall = 5 + rng.randrange(9)
        y0 = base - heights[x0]
        for i in range(tall):
            x = x0 + int(round(math.sin(i / 2.2 + x0) * 1.2))
            grid.set(x, y0 - i, weed if i % 3 else weed_dark)
    return grid


# Five cloud shapes as (centre x, lift, radius) puffs: a cumulus, a flat bank, a double hump,
# a towering one and a small wisp. Every time of day draws the same shapes in its own colours.
CLOUD_SHAPES = [
    [(14, 0, 5), (22, 0, 7), (31, 0, 5.5)],
    [(8, 0, 3.5), (15, 0, 4.5), (23, 0, 4), (31, 0, 4.5), (39, 0, 3.5)],
    [(11, 0, 5), (18, 0, 6.5), (27, 0, 4), (34, 0, 6), (41, 0, 4)],
    [(10, 0, 5), (18, 0, 7), (28, 0, 7.5), (37, 0, 5.5), (23, 5, 5)],
    [(17, 0, 3.5), (23, 0, 5), (30, 0, 3.5)],
]


def clouds(recipe):
    """Five cloud frames as one strip; each cloud is a union of puffs with a lit top edge."""
    light, body, shadow, edge = recipe["clouds"]
    frames = []
    for shape in CLOUD_SHAPES:
        grid = Grid(CLOUD_WIDTH, CLOUD_HEIGHT)
        floor = CLOUD_HEIGHT - 3
        puffs = [(cx, floor - r * 0.55 - lift, r) for cx, lift, r in shape]
        left = int(min(cx - r * 0.6 for cx, _y, r in puffs))
        right = int(max(cx + r * 0.6 for cx, _y, r in puffs))

        def inside(x, y):
            if y > floor:
                return False
            for cx, cy, r in puffs:
                if (x + 0.5 - cx) ** 2 + ((y + 0.5 - cy) * 1.15) ** 2 <= r * r:
                    return True
            return left <= x <= right and floor - 3 <= y <= floor

        for y in range(CLOUD_HEIGHT):
            for x in range(CLOUD_WIDTH):
                if not inside(x, y):
                    continue
                if not inside(x, y - 1) or not inside(x, y - 2) and dither(0.5, x, y):
                    key = light
                elif y >= floor - 1 or not inside(x, y + 2) and dither(0.6, x, y):
                    key = shadow
                elif not inside(x - 1, y) or not inside(x + 1, y):
                    key = body if dither(0.5, x, y) else shadow
                else:
                    key = body
                grid.set(x, y, key)
        # a thin darker edge under the cloud gives it weight against a pale sky
        for x in range(CLOUD_WIDTH):
            for y in range(CLOUD_HEIGHT - 1, -1, -1):
                if grid.get(x, y) != ".":
                    if y + 1 < CLOUD_HEIGHT and dither(0.5, x, y + 1):
                        grid.set(x, y + 1, edge)
                    break
        frames.append(grid)
    return frames


def moon(recipe):
    lit, mid, crater = recipe["moon"][:3]
    grid = Grid(MOON_SIZE, MOON_SIZE)
    c = MOON_SIZE / 2 - 0.5
    r = MOON_SIZE / 2 - 1.5
    craters = [(8, 10, 2.2), (14, 15, 2.8), (15, 7, 1.3)]
    for y in range(MOON_SIZE):
        for x in range(MOON_SIZE):
            d = math.hypot(x - c, y - c)
            if d > r:
                continue
            # light comes from the upper left; the far limb darkens with a dither
            shade = ((x - c) + (y - c)) / (2 * r) + 0.35
            key = lit
            if dither(shade, x, y):
                key = mid
            if shade > 0.95 and dither(shade - 0.9, x, y):
                key = crater
            for cx, cy, cr in craters:
                dd = math.hypot(x - cx, y - cy)
                if dd <= cr:
                    key = mid if dd > cr - 1.0 or key != lit else crater if dd < cr - 1.6 else mid
            if d > r - 0.9:
                key = mid if key == lit else crater
            grid.set(x, y, key)
    return grid
