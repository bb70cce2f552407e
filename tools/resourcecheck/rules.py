"""What the game asks of its data directory: the identifiers it looks up, the sizes its rules
assume, the frame sets it plays and the fields of a level."""

AREAS = ["audio", "backgrounds", "levels", "music", "objects", "particles", "ui"]

KNOWN_TYPES = {"image", "imagestrip", "animation", "sound", "font", "file", "stringtable",
               "tilemap", "tileset", "game_level"}

# Identifier -> acceptable types. Every one must be declared.
REQUIRED = {}
for _tod in ("day", "sunset", "night"):
    REQUIRED[f"depthrun.backgrounds.{_tod}.sky"] = {"image"}
    REQUIRED[f"depthrun.backgrounds.{_tod}.sea"] = {"image"}
    REQUIRED[f"depthrun.backgrounds.{_tod}.clouds"] = {"imagestrip"}
REQUIRED["depthrun.backgrounds.night.moon"] = {"image", "imagestrip"}
REQUIRED["depthrun.music.daytime"] = {"sound"}
REQUIRED["depthrun.music.title"] = {"sound"}
for _name in ("player", "depth_charge", "sonar_wave", "submarine_left", "submarine_right",
              "missile", "mine", "mine_layer", "fish"):
    REQUIRED[f"depthrun.objects.{_name}"] = {"image", "imagestrip"}
REQUIRED["depthrun.objects.player_parts"] = {"imagestrip"}
for _name in ("depth_charge_spin", "missile_spin", "mine_flash", "mine_layer_anim", "fish_swim"):
    REQUIRED[f"depthrun.objects.{_name}"] = {"animation"}
REQUIRED["depthrun.particles.explosion.small"] = {"imagestrip"}
REQUIRED["depthrun.particles.animations.splode"] = {"animation"}
for _i in range(1, 9):
    REQUIRED[f"depthrun.particles.animations.splode{_i}"] = {"animation"}
for _name in ("mine_drop", "plane", "sonar"):
    REQUIRED[f"depthrun.sounds.{_name}"] = {"sound"}
REQUIRED["depthrun.ui.logo"] = {"image"}

# Sound patterns the game picks from at random, with the fewest variants we ship.
SOUND_PATTERNS = {"depthrun.sounds.explode*": 3, "depthrun.sounds.firework*": 2,
                  "depthrun.sounds.splash*": 2}

MUSIC = ["depthrun.music.daytime", "depthrun.music.title"]
MUSIC_SECONDS = (30.0, 90.0)
MUSIC_MAX_BYTES = 1_500_000
EFFECT_MAX_SECONDS = 5.0
PEAK_LIMIT_DB = -1.0

# Picture sizes the game's rules depend on: (exact width, exact height, minimum frames), None
# where any value will do; and upper bounds where an object must start out of sight.
EXACT_SIZES = {
    "depthrun.backgrounds.day.sky": (224, 71, None),
    "depthrun.backgrounds.sunset.sky": (224, 71, None),
    "depthrun.backgrounds.night.sky": (224, 71, None),
    "depthrun.backgrounds.day.sea": (224, 217, None),
    "depthrun.backgrounds.sunset.sea": (224, 217, None),
    "depthrun.backgrounds.night.sea": (224, 217, None),
    "depthrun.backgrounds.day.clouds": (None, None, 5),      # clouds pick frames 0 to 4
    "depthrun.backgrounds.sunset.clouds": (None, None, 5),
    "depthrun.backgrounds.night.clouds": (None, None, 5),
    "depthrun.objects.player": (48, 16, None),
    "depthrun.objects.player_parts": (12, None, 4),          # four fragments, 12 apart
    "depthrun.objects.sonar_wave": (224, None, None),
}
MAX_SIZES = {
    "depthrun.ui.logo": (224 - 21, 288 - 21),                # drawn at (21, 21)
    "depthrun.backgrounds.night.moon": (224 - 192, 71 - 8),  # drawn at (192, 8), above the sea
    "depthrun.objects.mine_layer": (26, 71),                 # enters from x = -26
    "depthrun.objects.submarine_right": (34, 60),            # enters from x = -34
}

# Animation -> (the strip it is played on, the frame sets the game plays, plays forever?)
ANIMATIONS = {
    "depthrun.objects.depth_charge_spin": ("depthrun.objects.depth_charge", ["default"], True),
    "depthrun.objects.missile_spin": ("depthrun.objects.missile", ["default"], True),
    "depthrun.objects.mine_flash": ("depthrun.objects.mine",
                                    ["flash_slow", "flash_medium", "flash_fast"], True),
    "depthrun.objects.mine_layer_anim": ("depthrun.objects.mine_layer", ["default"], True),
    "depthrun.objects.fish_swim": ("depthrun.objects.fish", ["swim_left", "swim_right"], True),
}
# Explosion pieces are deleted when their animation ends, so these must end.
for _i in [""] + [str(n) for n in range(1, 9)]:
    ANIMATIONS[f"depthrun.particles.animations.splode{_i}"] = (
        "depthrun.particles.explosion.small", ["default"], False)

LEVEL_PREFIX = "depthrun.levels.level_"
LEVEL_BYTE_FIELDS = ["level_number", "stage_number", "enemies_to_destroy", "time_limit",
                     "number_of_fish", "total_charges", "total_sonars", "mine_frequency"]
LEVEL_FLOAT_FIELDS = ["speed_multiplier", "enemy_aggression"]
LEVEL_FIELDS = ["level_number", "stage_number", "time_of_day", "enemies_to_destroy", "time_limit",
                "number_of_fish", "speed_multiplier", "total_charges", "total_sonars",
                "mine_frequency", "enemy_aggression"]
TIMES_OF_DAY = {"sunny", "sunset", "night"}
STAGES_PER_LEVEL = 4
MIN_LEVEL_NUMBERS = 3


def matches(name, pattern):
    """Whole-identifier wildcard match: '*' any run, '?' one character, backslash escapes."""
    if not name or not pattern:
        return False

    def walk(i, j):
        while j < len(pattern):
            p = pattern[j]
            if p == "*":
                return any(walk(k, j + 1) for k in range(i, len(name) + 1))
            if p == "\\" and j + 1 < len(pattern):
                j += 1
                p = pattern[j]
            elif p == "?":
                if i >= len(name):
                    return False
                i, j = i + 1, j + 1
                continue
            if i >= len(name) or name[i] != p:
                return False
            i, j = i + 1, j + 1
        return i == len(name)

    return walk(0, 0)
