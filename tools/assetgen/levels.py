"""The level table (assets/levels.txt) and its game_level definitions."""

from pathlib import Path

# Column order of the table; every one becomes a definition field of the same name.
COLUMNS = ["level_number", "stage_number", "time_of_day", "enemies_to_destroy", "time_limit",
           "number_of_fish", "speed_multiplier", "total_charges", "total_sonars",
           "mine_frequency", "enemy_aggression"]


def read_levels(path: Path):
    levels = []
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        words = line.split()
        if len(words) != len(COLUMNS):
            raise ValueError(f"{path}:{number}: expected {len(COLUMNS)} columns")
        levels.append(dict(zip(COLUMNS, words)))
    return levels


def level_name(level):
    return f"level_{level['level_number']}_{level['stage_number']}"
