"""docs/contact-sheet.png: every picture and frame of the game at 2x on one sheet, with the
three times of day and the title screen composed as the game shows them."""

from PIL import Image, ImageDraw, ImageFont

from .pixelart import Grid, to_image

SCALE = 2
SHEET_WIDTH = 1400
MARGIN = 12
INK = (230, 230, 230)
PAPER = (38, 38, 52)
BACKDROP = {"depthrun.backgrounds": "3", "depthrun.ui": "3"}


def _scaled(grid, palette):
    image = to_image(grid, palette, opaque=True)
    return image.resize((grid.width * SCALE, grid.height * SCALE), Image.NEAREST)


def _scene(pictures, time_of_day, with_logo=False):
    ns = "depthrun.backgrounds"
    scene = Grid(224, 288)
    scene.blit(pictures[f"{ns}.{time_of_day}.sky"][0], 0, 0, transparent=None)
    scene.blit(pictures[f"{ns}.{time_of_day}.sea"][0], 0, 71, transparent=None)
    if time_of_day == "night":
        scene.blit(pictures[f"{ns}.night.moon"][0], 192, 8)
    clouds = pictures[f"{ns}.{time_of_day}.clouds"]
    for i, (x, y) in enumerate(((4, 30), (60, 4), (118, 22), (160, 8), (200, 34))):
        scene.blit(clouds[i % len(clouds)], x, y)
    if with_logo:
        scene.blit(pictures["depthrun.ui.logo"][0], 21, 21)
    return scene


def render(pictures, palette):
    font = ImageFont.load_default()
    blocks = []  # (label, [images])
    scenes = [("day scene", _scene(pictures, "day")), ("sunset scene", _scene(pictures, "sunset")),
              ("night scene", _scene(pictures, "night")),
              ("title screen", _scene(pictures, "day", with_logo=True))]
    for label, scene in scenes:
        blocks.append((label, [_scaled(scene, palette)]))
    for name, frames in pictures.items():
        if name.endswith(".sky") or name.endswith(".sea"):
            continue  # shown whole in the scenes above
        namespace = name.rsplit(".", 2)[0] if name.count(".") > 2 else name.rsplit(".", 1)[0]
        backdrop = BACKDROP.get(namespace, "8")
        images = []
        for frame in frames:
            framed = Grid(frame.width + 2, frame.height + 2, backdrop)
            framed.blit(frame, 1, 1)
            images.append(_scaled(framed, palette))
        size = f"{frames[0].width}x{frames[0].height}" + (f" x{len(frames)}" if len(frames) > 1 else "")
        blocks.append((f"{name}  {size}", images))

    # Flow the blocks left to right, wrapping at the sheet width.
    placed, x, y, row_height = [], MARGIN, MARGIN + 20, 0
    for label, images in blocks:
        width = sum(i.width for i in images) + 4 * (len(images) - 1)
        width = max(width, int(font.getlength(label)) if hasattr(font, "getlength") else 0)
        height = max(i.height for i in images) + 14
        if x + width > SHEET_WIDTH - MARGIN and x > MARGIN:
            x, y, row_height = MARGIN, y + row_height + MARGIN, 0
        placed.append((x, y, label, images))
        x += width + 2 * MARGIN
        row_height = max(row_height, height)
    sheet = Image.new("RGB", (SHEET_WIDTH, y + row_height + MARGIN), PAPER)
    draw = ImageDraw.Draw(sheet)
    draw.text((MARGIN, MARGIN // 2), "Depthrun 2000 - every picture and frame at 2x", INK, font=font)
    for x, y, label, images in placed:
        draw.text((x, y), label, INK, font=font)
        ix = x
        for image in images:
            sheet.paste(image, (ix, y + 14))
            ix += image.width + 4
    return sheet
