"""The check's Brix reader must read files exactly as the game does, or it would pass data
the game misreads. These cases pin the scanner rules the data files lean on."""

import os
import sys
import unittest
from pathlib import Path

ROOT = Path(os.environ.get("TARVEX_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(ROOT / "tools"))

from resourcecheck.brix import BrixFile  # noqa: E402


def parse(text):
    return BrixFile.parse(text.encode("latin-1"))


class BrixReaderEntries(unittest.TestCase):
    def test_last_assignment_wins_and_both_count(self):
        group = parse("[g] { a = 1; a = 2; }").get_group("g")
        self.assertEqual(group.field_text("a"), "2")
        self.assertEqual(group.number_of_fields, 2)

    def test_star_name_appends_to_one_array_field(self):
        group = parse("[g] { f* = x; f* = y; }").get_group("g")
        self.assertTrue(group.fields["f"].is_array)
        self.assertEqual(group.fields["f"].array, ["x", "y"])
        self.assertEqual(group.number_of_fields, 1)
        self.assertEqual(group.field_text("f"), "")  # the resource reader stores arrays as ""

    def test_semicolon_ends_entry_even_inside_quotes(self):
        group = parse('[g] { path = "a;b"; }').get_group("g")
        self.assertEqual(group.field_text("path"), "a")
        self.assertEqual(group.field_text("b"), "")  # the rest is a second, empty entry

    def test_quotes_are_dropped_and_value_trimmed(self):
        group = parse('[g] { a = " x y "; b = x y; }').get_group("g")
        self.assertEqual(group.field_text("a"), "x y")
        self.assertEqual(group.field_text("b"), "x y")

    def test_equals_signs_are_never_stored(self):
        self.assertEqual(parse("[g] { x = a=b; }").get_group("g").field_text("x"), "ab")

    def test_script_block_keeps_its_text_verbatim(self):
        group = parse("[g] { s = [[ one; two ]]; }").get_group("g")
        self.assertEqual(group.field_text("s"), "one; two")

    def test_child_colon_names_fill_one_child(self):
        group = parse("[res] { sub:x = 1; sub:y = 2; }").get_group("res")
        self.assertEqual(len(group.children), 1)
        self.assertEqual(group.get_child("sub").field_text("x"), "1")
        self.assertEqual(group.get_child("sub").field_text("y"), "2")

    def test_unquoted_line_comment_leaves_first_slash_in_value(self):
        group = parse("[g] { a = b //note\n; }").get_group("g")
        self.assertEqual(group.field_text("a"), "b /")


class BrixReaderStructure(unittest.TestCase):
    def test_metadata_header_takes_identifier_from_n(self):
        group = parse("[t:component, n:body] { }").groups[0]
        self.assertEqual(group.identifier, "body")
        self.assertEqual(group.get_meta("T"), "component")

    def test_empty_header_is_star(self):
        self.assertEqual(parse("[] { }").groups[0].identifier, "*")

    def test_nested_definition_groups_become_children(self):
        text = ("[resources] { namespace = n;\n  [t:resource, n:spin] { type = animation;\n"
                "    [animation_frames] { default = 0, 1, 2; } } }")
        resources = parse(text).get_group("resources")
        spin = resources.children[0]
        self.assertEqual(spin.identifier, "spin")
        self.assertEqual(spin.children[0].field_text("default"), "0, 1, 2")

    def test_comment_with_bracket_before_first_group_starts_nothing(self):
        brix = parse("// [not] a group\n/* [nor] this */\n[real] { a = 1; }")
        self.assertEqual([g.identifier for g in brix.groups], ["real"])

    def test_crlf_file_reads_like_lf(self):
        lf = "[g]\n{\n    a = 1;\n    b = two words;\n}\n"
        one, two = parse(lf).get_group("g"), parse(lf.replace("\n", "\r\n")).get_group("g")
        self.assertEqual({k: f.text() for k, f in one.fields.items()},
                         {k: f.text() for k, f in two.fields.items()})

    def test_group_missing_its_brace_is_dropped(self):
        brix = parse("[a] { x = 1; }\n[b] { y = 2;")
        self.assertEqual([g.identifier for g in brix.groups], ["a"])

    def test_array_groups_are_reached_only_by_index(self):
        brix = parse("[list*] { a = 1; } [list*] { a = 2; }")
        self.assertIsNone(brix.get_group("list", -1))
        self.assertEqual(brix.get_group("list", 1).field_text("a"), "2")


if __name__ == "__main__":
    unittest.main()
