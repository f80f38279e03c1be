#!/usr/bin/env python3
"""make_art.py -- writes data/art/svg/<name>.svg for every picture listed in data/art/pictures.txt.

The SVG files are the committed sources of the pictures; run this again after changing a
generator. With picture names as arguments only those are written.
"""
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import art_badges as badges  # noqa: E402
from card_pictures import card_of_picture  # noqa: E402
import art_map  # noqa: E402
import art_paintings as paintings  # noqa: E402
import art_places as places  # noqa: E402
import pictures_beasts as beasts  # noqa: E402
import pictures_cards as cards  # noqa: E402
import pictures_dragons as dragons  # noqa: E402
import pictures_faces as faces  # noqa: E402
import pictures_figures as fig  # noqa: E402
import pictures_flask as flask  # noqa: E402
import pictures_lights as lights  # noqa: E402
import pictures_people as people  # noqa: E402
import pictures_scenery as sc  # noqa: E402
import pictures_stones as stones  # noqa: E402
import pictures_towers as towers  # noqa: E402

ART = os.path.join(HERE, "..", "..", "data", "art")


# Modules that paint whole groups of pictures; each maps picture names to painters(w, h).
GROUP_MODULES = ("art_level_scenery", "art_animations", "art_hud", "art_level_screen")


def group_painter(name):
    for module_name in GROUP_MODULES:
        try:
            module = importlib.import_module(module_name)
        except ModuleNotFoundError as missing:
            if missing.name != module_name:
                raise
            continue
        paint = getattr(module, "PICTURES", {}).get(name)
        if paint:
            return paint
    return None


def painter(name, w, h):
    paint = group_painter(name)
    if paint:
        return paint(w, h)
    form, image = name.split(".")
    i = int(image[5:])
    if form == "Form1":
        return towers.tower(w, h, mirrored=True)
    if form == "Form3":
        n = card_of_picture(name)
        if n:
            return cards.card(w, h, n)
        return {
            1: lambda: towers.tower(w, h, False), 2: lambda: towers.tower(w, h, True), 3: lambda: sc.lightning(w, h),
            4: lambda: lights.logo(w, h), 5: lambda: sc.cliffs(w, h), 6: lambda: towers.storm_clouds(w, h),
            7: lambda: sc.ground_wall(w, h), 13: lambda: lights.moon_picture(w, h, "#ffffff", "#8a8a9a", 1),
            79: lambda: sc.resource_panel(w, h), 80: lambda: lights.moon_picture(w, h, "#a0c0ff", "#2040a0", 2),
            81: lambda: lights.moon_picture(w, h, "#ff9080", "#901010", 3),
            82: lambda: lights.moon_picture(w, h, "#fff090", "#b08010", 4),
            83: lambda: sc.music_icon(w, h, True), 84: lambda: sc.music_icon(w, h, False)}[i]()
    if form == "Form5":
        if 4 <= i <= 8:
            light, mid, dark = [("#c0d8ff", "#3060e0", "#0a1a60"), ("#ffc0c0", "#d02020", "#500808"),
                                ("#fff0b0", "#e0b020", "#604000"), ("#c0ffc0", "#20b040", "#064010"),
                                ("#8a8a9a", "#2a2a34", "#050508")][i - 4]
            return sc.pendant(w, h, light, mid, dark)
        return {1: lambda: sc.starburst(w, h, "#4080ff", "#a0c8ff"), 2: lambda: people.titan(w, h),
                3: lambda: art_map.campaign_map(w, h), 9: lambda: flask.flask(w, h), 10: lambda: sc.blood_drop(w, h)}[i]()
    if form == "Form10":
        if i <= 11:
            return sc.name_strip(w, h, sc.PLACES[i - 1][0])
        return {12: lambda: fig.dead_tree(w, h), 13: lambda: fig.gravestones(w, h), 14: lambda: fig.cog_arc(w, h),
                15: lambda: beasts.skeleton(w, h), 16: lambda: fig.dead_tree(w, h, leafy=True),
                17: lambda: people.swordsman(w, h), 18: lambda: faces.screaming_face(w, h), 19: lambda: fig.butterfly(w, h),
                20: lambda: dragons.fiery_dragon(w, h), 21: lambda: faces.demon_face(w, h), 22: lambda: faces.ghost(w, h),
                23: lambda: lights.dove(w, h), 24: lambda: people.horned_rider(w, h), 25: lambda: dragons.green_dragon(w, h)}[i]()
    if form == "Form2":
        return paintings.story_painting(w, h)
    if form == "Form4":
        return {2: lambda: fig.green_gem(w, h), 3: lambda: fig.shield(w, h), 4: lambda: fig.flare(w, h, "#3070ff"),
                5: lambda: fig.flame_column(w, h), 6: lambda: fig.sparkle(w, h), 7: lambda: fig.cat_eyes(w, h),
                8: lambda: fig.rose_bud(w, h), 9: lambda: fig.purple_lightning(w, h), 10: lambda: sc.speed_icon(w, h, True),
                11: lambda: sc.speed_icon(w, h, False), 12: lambda: people.statue(w, h), 13: lambda: fig.arrow(w, h),
                14: lambda: fig.panther(w, h), 15: lambda: dragons.dragon_head(w, h, "fire"),
                16: lambda: dragons.dragon_head(w, h, "frost"), 17: lambda: people.barbarian(w, h),
                18: lambda: fig.flare(w, h, "#ff3020"), 19: lambda: faces.pale_face(w, h),
                20: lambda: people.reclining_woman(w, h), 21: lambda: stones.standing_stones(w, h),
                22: lambda: fig.green_flames(w, h), 23: lambda: people.warrior_woman(w, h),
                24: lambda: people.crouching_woman(w, h), 25: lambda: towers.frost(w, h)}[i]()
    if form == "Form6":
        if i == 2:
            return fig.place_skull(w, h)
        if 3 <= i <= 12:
            return fig.burst_frame(w, h, i - 2)
        if 16 <= i <= 26:
            return places.place_picture(w, h, i - 15)
        return {13: lambda: fig.discard_label(w, h), 14: lambda: fig.turn_marker(w, h),
                15: lambda: fig.skull_crossbones(w, h), 27: lambda: fig.gilded_frame(w, h)}[i]()
    if form == "Form7":
        if i == 2:
            return paintings.victory_painting(w, h)
        if i == 3:
            return paintings.defeat_painting(w, h)
        if i == 34:
            return fig.achievement_frame(w, h)
        return badges.badge(w, h, i - 4)
    if form == "Form8":
        return paintings.final_painting(w, h)
    raise KeyError(name)


def main():
    wanted = set(sys.argv[1:])
    os.makedirs(os.path.join(ART, "svg"), exist_ok=True)
    count = 0
    for line in open(os.path.join(ART, "pictures.txt")):
        if line.startswith("#") or not line.strip():
            continue
        name, _fmt, w, h, _key = line.split()
        if wanted and name not in wanted:
            continue
        svg = painter(name, int(w), int(h))
        path = os.path.join(ART, "svg", name + ".svg")
        old = open(path).read() if os.path.exists(path) else None
        if old != svg:  # leave untouched sources alone so the build stays incremental
            with open(path, "w") as f:
                f.write(svg)
        count += 1
    print(count, "pictures")


if __name__ == "__main__":
    main()
