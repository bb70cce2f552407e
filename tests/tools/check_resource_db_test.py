"""The resource_db check must catch the faults a content change can really bring: each test
breaks one thing in a copy of the shipped directory and expects the check to say so."""

import os
import re
import shutil
import sys
import tempfile
import unittest
import wave
from pathlib import Path

ROOT = Path(os.environ.get("TARVEX_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(ROOT / "tools"))

from resourcecheck.check import check  # noqa: E402
from resourcecheck.definitions import read_definitions  # noqa: E402
from resourcecheck.rules import matches  # noqa: E402


class DamagedResourceDb(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.db = Path(self.scratch.name) / "resource_db"
        shutil.copytree(ROOT / "resource_db", self.db)

    def tearDown(self):
        self.scratch.cleanup()

    def edit(self, area, old, new, count=1):
        path = self.db / area / "resources.brix"
        text = path.read_text()
        self.assertIn(old, text)
        path.write_text(text.replace(old, new, count))

    def errors(self):
        report, _registered, _sizes = check(self.db)
        return "\n".join(report.errors)

    def test_shipped_copy_passes(self):
        self.assertEqual(self.errors(), "")

    def test_missing_identifier_is_reported(self):
        self.edit("objects", "n:fish_swim]", "n:fish_swimming]")
        self.assertIn("depthrun.objects.fish_swim is not declared", self.errors())

    def test_missing_file_is_reported(self):
        (self.db / "objects" / "mine.png").unlink()
        self.assertRegex(self.errors(), r"depthrun\.objects\.mine: names .*mine\.png")

    def test_strip_layout_mismatch_is_reported(self):
        self.edit("objects", "file = fish.png;\n        width = 12;\n        height = 7;\n"
                  "        frames = 4;", "file = fish.png;\n        width = 12;\n"
                  "        height = 7;\n        frames = 5;")
        self.assertIn("depthrun.objects.fish: fish.png is 48x7", self.errors())

    def test_frame_outside_strip_is_reported(self):
        self.edit("objects", "swim_right = 2, 3;", "swim_right = 2, 4;")
        self.assertIn("frames [4] are outside the 4 frames", self.errors())

    def test_missing_frame_set_is_reported(self):
        self.edit("objects", "flash_fast = ", "flash_quick = ")
        self.assertIn("no frame set 'flash_fast'", self.errors())

    def test_endless_explosion_is_reported(self):
        self.edit("particles", "loop = 1;", "loop = forever;")
        self.assertIn("must play a few times and end", self.errors())

    def test_clipping_sound_is_reported(self):
        with wave.open(str(self.db / "audio" / "explode2.wav"), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(22050)
            out.writeframes((b"\xff\x7f\x01\x80") * 2000)
        self.assertRegex(self.errors(), r"depthrun\.sounds\.explode2: peaks at -?0")

    def test_unlooped_music_is_reported(self):
        self.edit("music", "looped = true;", "looped = 1;")
        self.assertIn("music must be declared looped = true", self.errors())

    def test_level_missing_a_field_is_reported(self):
        path = self.db / "levels" / "resources.brix"
        path.write_text(re.sub(r"mine_frequency = \d+;", "", path.read_text(), count=1))
        self.assertIn("depthrun.levels.level_1_1: does not set mine_frequency", self.errors())

    def test_unknown_time_of_day_is_reported(self):
        self.edit("levels", "time_of_day = sunset;", "time_of_day = dusk;")
        self.assertIn("time_of_day 'dusk' is not one of", self.errors())

    def test_gap_in_level_chain_is_reported(self):
        self.edit("levels", "n:level_2_1]", "n:level_2_9]")
        errors = self.errors()
        self.assertIn("levels never reached from level_1_1", errors)
        self.assertIn("only 1 level numbers have all four stages", errors)


class DefinitionFiles(unittest.TestCase):
    def test_includes_come_first_and_resolve_against_the_top_file(self):
        with tempfile.TemporaryDirectory() as scratch:
            top = Path(scratch)
            (top / "more").mkdir()
            (top / "more" / "extra.brix").write_text(
                "[resources] { namespace = b; [t:resource, n:y] { file = y.png; } }")
            (top / "resources.brix").write_text(
                "[resources] { namespace = a; default_type = image; include* = more/extra.brix;\n"
                "[t:resource, n:x] { } [plain] { file = z.png; } }")
            definitions = read_definitions(top / "resources.brix")
        self.assertEqual([d.full_name for d in definitions], ["b.y", "a.x"])
        self.assertEqual(definitions[0].file_name, str(top) + "/y.png")
        self.assertEqual(definitions[1].file_name, str(top / "resources.brix"))
        self.assertEqual(definitions[1].resource_type, "image")


class SoundPatterns(unittest.TestCase):
    def test_wildcards_match_whole_identifiers(self):
        self.assertTrue(matches("depthrun.sounds.explode1", "depthrun.sounds.explode*"))
        self.assertTrue(matches("depthrun.sounds.explode", "depthrun.sounds.explode*"))
        self.assertFalse(matches("x.depthrun.sounds.explode1", "depthrun.sounds.explode*"))
        self.assertTrue(matches("abc", "a?c"))
        self.assertFalse(matches("abcd", "a?c"))
        self.assertTrue(matches("a*", "a\\*"))
        self.assertFalse(matches("ab", "a\\*"))
        self.assertFalse(matches("", "*"))


if __name__ == "__main__":
    unittest.main()
