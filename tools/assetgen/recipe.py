"""Reads recipe files: '#' comments and 'key = value' lines, values split on blanks."""

from pathlib import Path


def read_recipe(path: Path):
    values = {}
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if "=" not in line:
            raise ValueError(f"{path}:{number}: expected 'key = value'")
        key, value = line.split("=", 1)
        values[key.strip()] = value.split()
    return values


def stops(words):
    """'0:1 22:2' -> [(0, '1'), (22, '2')]"""
    result = []
    for word in words:
        row, key = word.split(":")
        result.append((int(row), key))
    return result
