"""The asset generator's own promises: sources are read strictly, output is reproducible, the
definitions it writes read back as written, and music loops wrap their tails round."""

import os
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(os.environ.get("TARVEX_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(ROOT / "tools"))

import numpy as np  # noqa: E402

from assetgen import music  # noqa: E402
from assetgen.build import definition  # noqa: E402
from assetgen.palette import load_palette  # noqa: E402
from assetgen.pixelart import parse_frames, to_image, write_png  # noqa: E402
from assetgen.sprites import slices  # noqa: E402
from resourcecheck.brix import BrixFile  # noqa: E402

PALETTE = load_palette(ROOT / "assets" / "palette.txt")


class SpriteSources(unittest.TestCase):
    def test_ragged_rows_are_refused(self):
        with self.assertRaisesRegex(ValueError, "row 1 is 3 wide, expected 4"):
            parse_frames("frame\nKKKK\nKKK\n")

    def test_colour_outside_palette_is_refused(self):
        _header, frames = parse_frames("frame\nK@\n")
        with self.assertRaisesRegex(ValueError, "not in the palette"):
            to_image(frames[0], PALETTE)

    def test_transparent_key_is_mask_colour_with_zero_alpha(self):
        _header, frames = parse_frames("frame\n.K\n")
        self.assertEqual(to_image(frames[0], PALETTE).getpixel((0, 0)), (255, 0, 255, 0))

    def test_slices_keep_width_and_outer_edges(self):
        _header, frames = parse_frames("frame\n" + "WWWWWWWW\n" * 3)
        pieces = slices(frames[0], 4, ["k", "r"])
        self.assertEqual([p.width for p in pieces], [2, 2, 2, 2])
        self.assertTrue(all(row[0] == "W" for row in pieces[0].rows))    # stern edge untouched
        self.assertTrue(all(row[-1] == "W" for row in pieces[3].rows))   # bow edge untouched


class Reproducibility(unittest.TestCase):
    def test_same_picture_gives_same_png_bytes(self):
        _header, frames = parse_frames("frame\n.KW\nRy.\n")
        with tempfile.TemporaryDirectory() as scratch:
            one, two = Path(scratch) / "a.png", Path(scratch) / "b.png"
            write_png(to_image(frames[0], PALETTE), one)
            write_png(to_image(frames[0], PALETTE), two)
            self.assertEqual(one.read_bytes(), two.read_bytes())


class DefinitionsWritten(unittest.TestCase):
    def test_written_definition_reads_back_with_its_frame_sets(self):
        text = "[resources]\n{\n" + definition(
            "fish_swim", [("type", "animation"), ("loop", "forever"), ("frame_time", 160)],
            ("animation_frames", [("swim_left", "0, 1"), ("swim_right", "2, 3")])) + "}\n"
        group = BrixFile.parse(text.encode()).get_group("resources").children[0]
        self.assertEqual(group.identifier, "fish_swim")
        self.assertEqual(group.get_meta("t"), "resource")
        self.assertEqual(group.field_text("loop"), "forever")
        self.assertEqual(group.children[0].field_text("swim_right"), "2, 3")


class MusicLoops(unittest.TestCase):
    def score(self, lead):
        with tempfile.TemporaryDirectory() as scratch:
            path = Path(scratch) / "score.txt"
            path.write_text("bpm = 120\nsteps_per_bar = 4\nseed = 1\n"
                            "instrument lead = sine attack=0.001 decay=1 sustain=1 release=0.3\n"
                            f"pattern a\nchords = C\nlead = {lead}\nsong = a\n")
            return music.read_score(path)

    def test_note_held_past_the_end_sounds_at_the_start(self):
        signal = music.render_score(self.score(". . . C4"))
        self.assertGreater(np.max(np.abs(signal[:2000])), 0.05)  # release wrapped round

    def test_sharps_are_notes_not_comments(self):
        self.assertEqual(music.note_number("C#4"), 61)
        self.assertEqual(self.score("C#4 - - -")["patterns"]["a"]["lead"][0], "C#4")


if __name__ == "__main__":
    unittest.main()
