#!/usr/bin/env python3
"""write_manifest.py -- writes data/art/pictures.txt, the list of every picture of the game.

Run once by hand when a picture is added; the build (which writes the game's picture catalogue
from it) and the art generator read the written list.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from card_pictures import card_picture  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "data", "art", "pictures.txt")

MAGENTA, NEAR_MAGENTA, BOLT_GREEN, FLAME_GREEN, BURST_BLUE = (
    "FF00FF", "FF01FC", "09FF03", "03BB1D", "0000FF")


def card_width(n):
    if 22 <= n <= 40:
        return 161
    if 41 <= n <= 62:
        return 159
    return 160


rows = []


def jpeg(name, w, h):
    rows.append((name, "jpeg", w, h, "-"))


def bmp(name, w, h, key):
    rows.append((name, "bmp", w, h, key))


bmp("Form1.Image1", 247, 500, NEAR_MAGENTA)
bmp("Form3.Image1", 247, 500, NEAR_MAGENTA)
bmp("Form3.Image2", 247, 500, NEAR_MAGENTA)
bmp("Form3.Image3", 482, 600, BOLT_GREEN)
jpeg("Form3.Image4", 444, 121)
bmp("Form3.Image5", 2000, 200, NEAR_MAGENTA)
jpeg("Form3.Image6", 3997, 586)
jpeg("Form3.Image7", 2000, 200)
for n in range(1, 71):
    jpeg(card_picture(n), card_width(n), 270)
jpeg("Form3.Image13", 243, 236)
jpeg("Form3.Image79", 482, 87)
for i in (80, 81, 82):
    jpeg("Form3.Image%d" % i, 243, 236)
jpeg("Form3.Image83", 50, 50)
jpeg("Form3.Image84", 50, 50)

jpeg("Form5.Image1", 396, 300)
jpeg("Form5.Image2", 200, 300)
jpeg("Form5.Image3", 1024, 694)
for i in range(4, 9):
    bmp("Form5.Image%d" % i, 44, 100, MAGENTA)
bmp("Form5.Image9", 64, 100, MAGENTA)
jpeg("Form5.Image10", 9, 22)

for i in range(1, 12):
    jpeg("Form10.Image%d" % i, 300, 50)
for name, w, h, kind in [
        (12, 458, 318, "b"), (13, 252, 106, "b"), (14, 343, 123, "b"), (15, 424, 124, "b"),
        (16, 318, 254, "b"), (17, 479, 289, "b"), (18, 238, 300, "j"), (19, 404, 329, "b"),
        (20, 687, 300, "j"), (21, 501, 540, "j"), (22, 193, 289, "j"), (23, 264, 300, "j"),
        (24, 277, 400, "b"), (25, 540, 400, "b")]:
    if kind == "b":
        bmp("Form10.Image%d" % name, w, h, MAGENTA)
    else:
        jpeg("Form10.Image%d" % name, w, h)

jpeg("Form2.Image2", 1024, 765)
for i, w, h, kind in [
        (2, 52, 52, "j"), (3, 50, 50, FLAME_GREEN), (4, 60, 60, "j"), (5, 247, 500, FLAME_GREEN),
        (6, 50, 50, MAGENTA), (7, 420, 315, "j"), (8, 427, 350, "j"), (9, 402, 400, "j"),
        (10, 50, 50, "j"), (11, 50, 50, "j"), (12, 250, 208, MAGENTA), (13, 100, 14, MAGENTA),
        (14, 175, 250, "j"), (15, 500, 125, "j"), (16, 500, 125, "j"), (17, 220, 250, MAGENTA),
        (18, 60, 60, "j"), (19, 226, 250, "j"), (20, 479, 241, MAGENTA), (21, 472, 120, MAGENTA),
        (22, 470, 277, "j"), (23, 208, 250, MAGENTA), (24, 132, 250, MAGENTA),
        (25, 247, 500, MAGENTA)]:
    if kind == "j":
        jpeg("Form4.Image%d" % i, w, h)
    else:
        bmp("Form4.Image%d" % i, w, h, kind)

bmp("Form6.Image2", 30, 30, MAGENTA)
for i in range(3, 13):
    bmp("Form6.Image%d" % i, 50, 50, BURST_BLUE)
bmp("Form6.Image13", 123, 136, MAGENTA)
bmp("Form6.Image14", 247, 57, MAGENTA)
jpeg("Form6.Image15", 300, 300)
for i in range(16, 27):
    jpeg("Form6.Image%d" % i, 300, 300)
bmp("Form6.Image27", 320, 320, MAGENTA)

jpeg("Form7.Image2", 1024, 768)
jpeg("Form7.Image3", 1024, 768)
for i in range(4, 35):
    jpeg("Form7.Image%d" % i, 100, 50)

jpeg("Form8.Image2", 1024, 768)

with open(OUT, "w") as f:
    f.write("# Every picture of the game: name, format (jpeg or bmp), width, height, key colour\n")
    f.write("# (RRGGBB, or - for an opaque JPEG). The source is svg/<name>.svg beside this file;\n")
    f.write("# the shipped file is pictures/<name>.jpg or .bmp in the game folder.\n")
    for r in rows:
        f.write("%s %s %d %d %s\n" % r)
print(len(rows), "pictures")
