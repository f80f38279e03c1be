#!/usr/bin/env python3
"""make_art.py -- writes data/art/svg/<name>.svg for every picture listed in data/art/pictures.txt.

The SVG files are the committed sources of the pictures; run this again after changing a
generator. With picture names as arguments only those are written.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import art_animations  # noqa: E402
import art_badges as badges  # noqa: E402
import art_hud  # noqa: E402
import art_level_scenery  # noqa: E402
import art_level_screen  # noqa: E402
from card_pictures import card_of_picture  # noqa: E402
import art_map  # noqa: E402
import art_paintings as paintings  # noqa: E402
import art_places as places  # noqa: E402
import pictures_beasts as beasts  # noqa: E402
import pictures_cards as cards  # noqa: E402
import pictures_dragons as dragons  # noqa: E402
import pictures_faces as faces  # noqa: E402
import pictures_flask as flask  # noqa: E402
import pictures_lights as lights  # noqa: E402
import pictures_people as people  # noqa: E402
import pictures_stones as stones  # noqa: E402
import pictures_towers as towers  # noqa: E402

ART = os.path.join(HERE, "..", "..", "data", "art")


# The groups painted whole by one module each: picture name -> painter(w, h).
GROUP_PICTURES = {}
for group in (art_level_scenery, art_animations, art_hud, art_level_screen):
    GROUP_PICTURES.update(group.PICTURES)


def painter(name, w, h):
    if name in GROUP_PICTURES:
        return GROUP_PICTURES[name](w, h)
    form, image = name.split(".")
    i = int(image[5:])
    if form == "Form1":
        return towers.tower(w, h, mirrored=True)
    if form == "Form3":
        n = card_of_picture(name)
        if n:
            return cards.card(w, h, n)
        return {
            1: lambda: towers.tower(w, h, False), 2: lambda: towers.tower(w, h, True),
            4: lambda: lights.logo(w, h), 6: lambda: towers.storm_clouds(w, h),
            13: lambda: lights.moon_picture(w, h, "#ffffff", "#8a8a9a", 1),
            80: lambda: lights.moon_picture(w, h, "#a0c0ff", "#2040a0", 2),
            81: lambda: lights.moon_picture(w, h, "#ff9080", "#901010", 3),
            82: lambda: lights.moon_picture(w, h, "#fff090", "#b08010", 4)}[i]()
    if form == "Form5":
        return {2: lambda: people.titan(w, h), 3: lambda: art_map.campaign_map(w, h), 9: lambda: flask.flask(w, h)}[i]()
    if form == "Form10":
        return {15: lambda: beasts.skeleton(w, h), 17: lambda: people.swordsman(w, h),
                18: lambda: faces.screaming_face(w, h), 20: lambda: dragons.fiery_dragon(w, h),
                21: lambda: faces.demon_face(w, h), 22: lambda: faces.ghost(w, h), 23: lambda: lights.dove(w, h),
                24: lambda: people.horned_rider(w, h), 25: lambda: dragons.green_dragon(w, h)}[i]()
    if form == "Form2":
        return paintings.story_painting(w, h)
    if form == "Form4":
        return {12: lambda: people.statue(w, h), 15: lambda: dragons.dragon_head(w, h, "fire"),
                16: lambda: dragons.dragon_head(w, h, "frost"), 17: lambda: people.barbarian(w, h),
                19: lambda: faces.pale_face(w, h), 20: lambda: people.reclining_woman(w, h),
                21: lambda: stones.standing_stones(w, h), 23: lambda: people.warrior_woman(w, h),
                24: lambda: people.crouching_woman(w, h), 25: lambda: towers.frost(w, h)}[i]()
    if form == "Form6":
        return places.place_picture(w, h, i - 15)
    if form == "Form7":
        if i == 2:
            return paintings.victory_painting(w, h)
        if i == 3:
            return paintings.defeat_painting(w, h)
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
