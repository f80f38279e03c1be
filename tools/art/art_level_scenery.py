"""art_level_scenery.py -- the battle's place-name plaques and the scenery that stands on its
ground: the dead tree, the leafy tree, the gravestones, the sunken cog, and the blue butterfly
of card 56.

The scenery is drawn over the black night sky of the battle, on the top edge of the ground, at
the left of the screen; the moon hangs at the top right, so every rim and every lit face turns
up and to the right. The plaques hang under the gilded frame of the place picture as the level
begins, so they are gilt-edged slate like the frame above them.
"""
import math
import random

import figkit
from art_night import Painter, poly
from pictures_scenery import PLACES

RIM = "#cfdcff"          # moonlight on an edge
MOON_AZ = 315            # the lighting filters' azimuth for a moon at the upper right
RIM_DX, RIM_DY = -2.4, 2.0  # a rim is the shape minus itself pushed away from the moon

# Advance widths of DejaVu Serif Bold in em, for the letters of the place names; the flourishes
# either side of a name sit at its ends.
_ADVANCE = {" ": 0.348, "'": 0.306, "B": 0.845, "C": 0.796, "E": 0.762, "F": 0.71, "G": 0.854, "L": 0.703,
            "M": 1.107, "N": 0.914, "O": 0.871, "S": 0.722, "T": 0.744, "U": 0.872, "a": 0.648, "b": 0.699,
            "c": 0.609, "d": 0.699, "e": 0.636, "g": 0.699, "h": 0.727, "i": 0.38, "k": 0.693, "l": 0.38,
            "n": 0.727, "o": 0.667, "r": 0.527, "t": 0.462, "y": 0.581}


def text_width(name, size, spacing):
    return sum(_ADVANCE.get(c, 0.68) * size + spacing for c in name) - spacing


def _esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


# -- the name plaques ----------------------------------------------------------------------------

def name_plaque(w, h, name):
    """A slate plaque in a gilt moulding with the place's name cut into it and gilded."""
    if not name or not name.strip():
        raise ValueError("a name plaque needs a name")
    p = Painter(w, h, 40 + len(name))
    slate = p.relief(freq=0.09, octaves=4, azimuth=MOON_AZ, scale=2.2, strength=1.45, base=0.5)
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear([(0, "#2c3446", 1), (0.55, "#1a202e", 1),
                                                                         (1, "#0c1018", 1)])))
    p.add('<rect width="%d" height="%d" fill="#2c3446" filter="%s" opacity="0.9"/>' % (w, h, slate))
    # Moonlight from the upper right: the plaque's face darkens toward its lower left.
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#b9c9f2", 0.16), (0.5, "#b9c9f2", 0.04), (1, "#000", 0.0)], w * 0.85, -10, w * 0.8)))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear([(0, "#000", 0.0), (1, "#000", 0.45)], 1, 0, 0, 1)))

    # The gilt moulding: a bright outer bead, a dark cove and a fine inner fillet.
    gold = p.linear([(0, "#fff0b8", 1), (0.25, "#e8c060", 1), (0.5, "#8a5a18", 1), (0.75, "#d8a840", 1),
                     (1, "#5a3a0c", 1)], 1, 0, 0, 1)
    p.add('<rect x="2" y="2" width="%d" height="%d" fill="none" stroke="%s" stroke-width="4"/>' % (w - 4, h - 4, gold))
    p.add('<rect x="0.5" y="0.5" width="%d" height="%d" fill="none" stroke="#1a1004" stroke-width="1"/>' % (w - 1, h - 1))
    p.add('<rect x="4.5" y="4.5" width="%d" height="%d" fill="none" stroke="#0a0604" stroke-width="1.2" opacity="0.8"/>' % (
        w - 9, h - 9))
    p.add('<rect x="7" y="7" width="%d" height="%d" fill="none" stroke="%s" stroke-width="0.9" opacity="0.75"/>' % (
        w - 14, h - 14, gold))
    # Light catches the moulding's top and right edges.
    p.add('<path d="M3,3 H%d V%d" fill="none" stroke="#fff6d0" stroke-width="0.8" opacity="0.7"/>' % (w - 3, h - 3))
    for x, y in ((7, 7), (w - 7, 7), (7, h - 7), (w - 7, h - 7)):
        p.add('<circle cx="%s" cy="%s" r="3.2" fill="%s" stroke="#2a1806" stroke-width="0.6"/>' % (x, y, p.radial(
            [(0, "#fff8d8", 1), (0.45, "#d8a840", 1), (1, "#5a3a0c", 1)], x + 1, y - 1, 3.4)))

    size = 25 if len(name) < 13 else 23
    spacing = 2.4 if len(name) < 10 else 1.4
    tw = text_width(name, size, spacing)
    cx, base = w / 2, h / 2 + size * 0.36
    # Flourishes: a tapering line and a lozenge either side of the name, as far as there is room.
    gap = 10
    for side in (-1, 1):
        x0 = cx + side * (tw / 2 + gap)
        x1 = cx + side * (w / 2 - 16)
        if abs(x1 - x0) < 14:
            continue
        ln = x1 - x0
        lz = x0 + ln * 0.22
        flour = ("M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z " % (lz - 4 * side, h / 2, lz, h / 2 - 4, lz + 4 * side,
                                                                       h / 2, lz, h / 2 + 4) +
                 "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" % (lz + 5 * side, h / 2 - 1.2, x1, h / 2, lz + 5 * side, h / 2 + 1.2))
        p.add('<path d="%s" fill="#05070c" transform="translate(0.8,0.9)"/>' % flour)
        p.add('<path d="%s" fill="%s"/>' % (flour, gold))
        p.add('<circle cx="%.1f" cy="%.1f" r="1.4" fill="#e8c060"/>' % (x0 + side * 2, h / 2))

    # The name cut into the slate: a shadowed groove, a lit lower lip, then the gold leaf in it.
    t = ('<text x="%.1f" y="%.1f" font-family="DejaVu Serif" font-size="%s" font-weight="bold" text-anchor="middle" '
         'letter-spacing="%s" %%s>%s</text>' % (cx, base, size, spacing, _esc(name)))
    p.add(t % 'fill="#020306" stroke="#020306" stroke-width="2.6" stroke-linejoin="round"')
    p.add(t % 'fill="#8fa0c8" opacity="0.55" transform="translate(-0.9,1.1)"')
    letter_gold = p.linear([(0, "#fff4c8", 1), (0.45, "#f0cc68", 1), (0.6, "#b8862a", 1), (1, "#7a5014", 1)],
                           user=(0, base - size * 0.75, 0, base))
    p.add(t % ('fill="%s"' % letter_gold))
    p.add(t % 'fill="none" stroke="#fff8e0" stroke-width="0.35" opacity="0.6" transform="translate(0.4,-0.4)"')
    p.grain(0.08)
    return p.svg()


# -- shared scenery parts ------------------------------------------------------------------------

def _bend(rng, x, y, ang, ln, steps, wander):
    """The joints of a crooked limb from (x, y) along `ang` (radians, 0 = right, up is positive)."""
    out = [(x, y)]
    for _ in range(steps):
        ang += rng.uniform(-wander, wander)
        x, y = x + ln / steps * math.cos(ang), y - ln / steps * math.sin(ang)
        out.append((x, y))
    return out, ang


def _branches(rng, x, y, ang, ln, wd, depth, spread, out, lift=0.0, twig=1.2, perches=None):
    """A branching limb as figkit outlines: each limb bends as it goes, forks in two or three,
    and ends in twigs; `lift` turns the limbs toward the sky, and `perches` collects points on
    boughs stout enough for a bird."""
    pts, end = _bend(rng, x, y, ang, ln, 4, 0.26)
    tw = max(twig, wd * 0.6)
    out.append(figkit.limb(pts, [wd, wd * 0.9, wd * 0.8, wd * 0.7, tw]))
    if perches is not None and wd >= 6:
        perches.append(pts[2])
    ex, ey = pts[-1]
    if depth == 0:
        return
    k = 3 if rng.random() < 0.3 else 2
    for i in range(k):
        da = rng.uniform(0.18, spread) * (1 if i % 2 else -1) + (rng.uniform(-0.1, 0.1) if i == 2 else 0)
        a = end + da
        a += (math.pi / 2 - a) * lift
        _branches(rng, ex, ey, a, ln * rng.uniform(0.62, 0.8), tw, depth - 1, spread, out, lift, twig, perches)


def _ground_mound(p, x0, x1, base, height, rng, fill="#0a0d14", tufts=30, tuft_h=9):
    """Earth heaped where the thing meets the ground, with dead grass: it sits on the ground's
    top edge rather than floating over it."""
    mid = (x0 + x1) / 2
    d = "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (
        x0, base, x0 + (mid - x0) * 0.4, base - height * 0.9, mid - (mid - x0) * 0.4, base - height, mid, base - height,
        mid + (x1 - mid) * 0.4, base - height, x1 - (x1 - mid) * 0.4, base - height * 0.9, x1, base)
    p.shape(d, fill, p.relief(freq=0.12, octaves=3, azimuth=MOON_AZ, scale=2.5, strength=1.6),
            RIM, rim_dx=RIM_DX * 0.7, rim_dy=RIM_DY * 0.7, rim_opacity=0.3)
    grass = ""
    for _ in range(tufts):
        gx = rng.uniform(x0 + (x1 - x0) * 0.06, x1 - (x1 - x0) * 0.06)
        t = abs(gx - mid) / ((x1 - x0) / 2)
        gy = base - height * (1 - t * t) + 2
        for _ in range(rng.randint(2, 4)):
            hh = rng.uniform(0.5, 1.0) * tuft_h
            lean = rng.uniform(-0.5, 0.7) * hh
            grass += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z " % (
                gx, gy, lean * 0.2, -hh * 0.6, lean, -hh, -lean * 0.6, hh * 0.5, 2.0 - lean, hh)
            gx += rng.uniform(1, 3)
    p.shape(grass, "#1a1f1c", None, "#a8b8d8", rim_dx=-0.8, rim_dy=0.6, rim_soft=0.3, rim_opacity=0.7)


def _shade(p, d, x0, x1, strength=0.6):
    """Darken a shape toward the side away from the moon."""
    p.add('<path d="%s" fill="%s"/>' % (d, p.linear([(0, "#000", strength), (0.55, "#000", strength * 0.3),
                                                     (1, "#000", 0)], user=(x0, 0, x1, 0))))


# -- the dead tree -------------------------------------------------------------------------------

def _raven(x, y, s):
    """A raven perched facing right, (x, y) at its feet."""
    pts = [(0, 0), (-2, -4), (-9, -6), (-17, -4), (-24, 1), (-20, -3), (-12, -10), (-5, -15), (2, -18), (5, -21),
           (9, -21), (12, -19), (17, -18.5), (12, -16.5), (9, -15), (7, -10), (4, -4), (2, 0)]
    d = poly([(x + px * s, y + py * s) for px, py in pts])
    d += " M%.1f,%.1f l%.1f,%.1f l%.1f,0 Z M%.1f,%.1f l%.1f,%.1f l%.1f,0 Z" % (
        x - 1 * s, y - 1 * s, 0, 5 * s, 1.2 * s, x + 2 * s, y - 1 * s, 0, 5 * s, 1.2 * s)
    return d


def dead_tree(w, h):
    """A great dead oak, hollow and split, its bare limbs reaching for the moon; a raven keeps
    watch from the longest of them."""
    p = Painter(w, h, 1201)
    rng = random.Random(57)
    base = h - 6
    tx = w * 0.36
    parts, perches = [], []
    # Trunk: thick, twisting, flared at the foot.
    trunk = [(tx, base + 4), (tx + 3, base - 40), (tx - 6, base - 90), (tx + 4, base - 130), (tx + 12, base - 150)]
    stem = figkit.limb(trunk, [64, 40, 34, 30, 26]) + " " + poly(
        [(tx + 70, base + 6), (tx + 26, base - 22), (tx + 22, base - 50), (tx - 14, base - 50), (tx - 26, base - 24),
         (tx - 60, base + 6)])
    parts.append(stem)
    # Roots gripping the ground.
    for ang, ln in ((math.pi + 0.25, 70), (math.pi + 0.05, 44), (-0.18, 78), (-0.05, 46)):
        pts, _ = _bend(rng, tx + (14 if math.cos(ang) > 0 else -14), base - 8, ang, ln, 3, 0.12)
        pts = [(px, min(py, base + 2)) for px, py in pts]
        parts.append(figkit.limb(pts, [16, 10, 6, 2.5]))
    # Main limbs: a long one reaching right toward the moon, two upward, one drooping left.
    top = trunk[-1]
    limbs = [((tx + 2, base - 112), 0.35, 160, 18, 4, 0.5, 0.12),
             ((top[0], top[1]), 1.15, 100, 20, 4, 0.55, 0.2),
             ((top[0] - 2, top[1] + 4), 1.95, 95, 18, 4, 0.55, 0.15),
             ((tx - 6, base - 96), 2.75, 100, 14, 4, 0.5, 0.05)]
    for (lx, ly), ang, ln, wd, depth, spread, lift in limbs:
        _branches(rng, lx, ly, ang, ln * 0.55, wd, depth, spread, parts, lift, twig=1.1,
                  perches=perches if ang < 0.5 else None)
    # Broken stubs where limbs fell.
    for sx, sy, ang, ln, wd in ((tx - 10, base - 74, 2.6, 22, 12), (tx + 12, base - 128, 0.7, 18, 10)):
        pts, _ = _bend(rng, sx, sy, ang, ln, 2, 0.1)
        parts.append(figkit.limb(pts, [wd, wd * 0.85, wd * 0.8]))
    d = " ".join(parts)
    bark = p.relief(freq="0.16 0.04", octaves=4, azimuth=MOON_AZ, scale=3.5, strength=1.6, noise="turbulence", base=0.4)
    p.shape(d, "#262c3a", bark, RIM, rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.6, rim_opacity=0.95)
    _shade(p, d, tx - 150, tx + 120, 0.6)
    # Bark: deep fissures up the trunk, kept inside it, and the black hollow of the split.
    cid = p.uid("tk")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, stem))
    fiss = ""
    for i in range(10):
        fx = tx - 20 + i * 4.5 + rng.uniform(-2, 2)
        y0, y1 = base + 4 - rng.uniform(0, 20), base - rng.uniform(70, 150)
        fiss += "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (fx, y0, fx + rng.uniform(-8, 8), (y0 * 2 + y1) / 3,
                                                             fx + rng.uniform(-8, 8), (y0 + y1 * 2) / 3, fx + rng.uniform(-4, 6), y1)
    p.add('<g clip-path="url(#%s)"><path d="%s" fill="none" stroke="#05070b" stroke-width="1.8" opacity="0.85"/>'
          '<path d="%s" fill="none" stroke="#8e9cbc" stroke-width="0.7" opacity="0.3" transform="translate(-1.3,0.9)"/>'
          '</g>' % (cid, fiss, fiss))
    hollow = "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (
        tx - 13, base + 1, tx - 16, base - 16, tx - 9, base - 30, tx - 4, base - 44, tx + 1, base - 36, tx + 3, base - 30,
        tx + 8, base - 24, tx + 14, base - 12, tx + 12, base - 2, tx + 10, base + 1)
    p.add('<path d="%s" fill="#8090b0" opacity="0.5" transform="translate(-1.6,1.4)"/>' % hollow)
    p.add('<path d="%s" fill="#020306"/>' % hollow)
    # The raven on the long limb, black against the sky, its edge silvered.
    rx, ry = min(perches, key=lambda q: (q[0] - (tx + 120)) ** 2 + (q[1] - (base - 190)) ** 2)
    p.shape(_raven(rx, ry + 2, 1.7), "#05060a", None, RIM, rim_dx=-1.3, rim_dy=1.1, rim_soft=0.4)
    p.add('<circle cx="%.1f" cy="%.1f" r="1.3" fill="#d8e4ff"/>' % (rx + 8.6 * 1.7, ry + 2 - 19 * 1.7))
    _ground_mound(p, tx - 110, tx + 130, h + 1, 12, rng, tufts=26, tuft_h=11)
    return p.svg()


# -- the leafy tree ------------------------------------------------------------------------------

def _leaf_mass(rng, cx, cy, rx, ry):
    """The outline of a mass of leaves: an ellipse broken into bumps, one per cluster."""
    n = max(12, int((rx + ry) / 3.2))
    pts = []
    for i in range(n):
        t = 2 * math.pi * (i + rng.uniform(-0.25, 0.25)) / n
        k = rng.uniform(0.86, 1.06)
        pts.append((cx + rx * k * math.cos(t), cy + ry * k * math.sin(t)))
    d = "M%.1f,%.1f " % pts[0]
    for i in range(n):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        ox, oy = mx - cx, my - cy
        ln = math.hypot(ox, oy) or 1
        bump = math.hypot(x1 - x0, y1 - y0) * rng.uniform(0.5, 0.9)
        d += "Q%.1f,%.1f %.1f,%.1f " % (mx + ox / ln * bump, my + oy / ln * bump, x1, y1)
    return d + "Z"


def leafy_tree(w, h):
    """A broad oak in full leaf: a crown of leaf masses, each lit on its moon side and dark
    beneath, gaps where the sky shows through, and the trunk and boughs in its shade."""
    p = Painter(w, h, 1601)
    rng = random.Random(16)
    base = h - 5
    tx = w * 0.48
    parts = []
    trunk = [(tx, base + 3), (tx - 3, base - 40), (tx + 2, base - 78), (tx - 2, base - 100)]
    # Wound the same way as figkit's joint discs, so where they overlap they add, not cancel.
    flare = poly([(tx + 36, base + 5), (tx + 14, base - 18), (tx - 14, base - 18), (tx - 34, base + 5)])
    parts.append(figkit.limb(trunk, [40, 26, 22, 18]) + " " + flare)
    for ang, ln, wd in ((2.35, 80, 13), (0.75, 84, 14), (1.6, 66, 12), (2.9, 62, 9), (0.2, 66, 9)):
        _branches(rng, tx, base - 88, ang, ln * 0.6, wd, 3, 0.5, parts, 0.1, twig=1.6)
    wood = " ".join(parts)
    bark = p.relief(freq="0.14 0.05", octaves=3, azimuth=MOON_AZ, scale=3, strength=1.5, noise="turbulence")
    p.shape(wood, "#20242c", bark, RIM, rim_dx=RIM_DX * 0.8, rim_dy=RIM_DY * 0.8, rim_soft=0.5, rim_opacity=0.8)
    _shade(p, wood, tx - 70, tx + 60, 0.6)

    # Leaf masses, back to front: a scalloped outline of leaf clusters, lit toward the moon, dark
    # beneath, dabbed with single clusters of leaves.
    leaves = p.relief(freq=0.16, octaves=3, azimuth=MOON_AZ, scale=2.6, strength=1.55, noise="turbulence", base=0.4)
    lobes = [(tx - 88, 112, 50, 32), (tx + 86, 108, 54, 34), (tx - 50, 76, 58, 38), (tx + 50, 72, 60, 38),
             (tx - 4, 60, 70, 44), (tx - 28, 32, 48, 28), (tx + 36, 30, 50, 28), (tx + 4, 18, 36, 16),
             (tx - 124, 138, 26, 16), (tx + 126, 134, 30, 16), (tx - 6, 106, 64, 24)]
    for cx, cy, rx, ry in lobes:
        d = _leaf_mass(rng, cx, cy, rx, ry)
        lit = p.radial([(0, "#4c7460", 1), (0.35, "#264232", 1), (0.75, "#0f1e18", 1), (1, "#08100e", 1)],
                       cx + rx * 0.5, cy - ry * 0.7, max(rx, ry) * 1.7)
        p.shape(d, lit, leaves, "#b4ccc4", rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.5, rim_opacity=0.6)
        cid = p.uid("lc")
        p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d))
        dabs_lit, dabs_dark = "", ""
        for _ in range(int(rx * ry / 60)):
            a, r = rng.uniform(0, 2 * math.pi), math.sqrt(rng.random())
            x, y = cx + r * rx * math.cos(a), cy + r * ry * math.sin(a)
            k = rng.uniform(3, 6)
            dab = "M%.1f,%.1f q%.1f,%.1f %.1f,0 q%.1f,%.1f %.1f,0 " % (x - k, y, k * 0.5, -k * 1.1, k, k * 0.5, -k * 1.1, k)
            if (x - cx) / rx - (y - cy) / ry > rng.uniform(-0.4, 0.6):
                dabs_lit += dab
            else:
                dabs_dark += dab
        p.add('<g clip-path="url(#%s)"><path d="%s" fill="none" stroke="#6e9a80" stroke-width="1.4" opacity="0.55"/>'
              '<path d="%s" fill="none" stroke="#040a07" stroke-width="1.6" opacity="0.6"/>'
              '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="#000" opacity="0.55" filter="%s"/></g>' % (
                  cid, dabs_lit, dabs_dark, cx - rx * 0.25, cy + ry * 0.95, rx * 1.1, ry * 0.55, p.blur(5)))
    # The trunk below the crown, over the lowest leaves.
    low = figkit.limb(trunk[:3], [40, 26, 22]) + " " + flare
    p.shape(low, "#20242c", bark, RIM, rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.6)
    _shade(p, low, tx - 36, tx + 30, 0.6)
    _ground_mound(p, tx - 100, tx + 110, h + 1, 6, rng, tufts=22, tuft_h=9)
    return p.svg()


# -- the gravestones -----------------------------------------------------------------------------

def _carve(p, d, width=1.6):
    """Letters or a sign cut into stone: a dark groove whose lower-left lip catches the moon."""
    p.add('<path d="%s" fill="none" stroke="#0a0c12" stroke-width="%s" stroke-linecap="round"/>' % (d, width))
    p.add('<path d="%s" fill="none" stroke="#aab6d0" stroke-width="%s" stroke-linecap="round" opacity="0.45" '
          'transform="translate(-0.7,0.7)"/>' % (d, width * 0.45))


def _epitaph(x, y, wd, rows, rng):
    """Worn lines of an inscription: short strokes where the letters were."""
    d = ""
    for r in range(rows):
        ww = wd * rng.uniform(0.55, 0.9)
        xx = x - ww / 2
        while xx < x + ww / 2:
            seg = rng.uniform(1.5, 4)
            d += "M%.1f,%.1f h%.1f " % (xx, y + r * 6, seg)
            xx += seg + rng.uniform(1, 2.5)
    return d


def gravestones(w, h):
    """A huddle of old graves: a ringed cross, a round-headed stone cut with a cross and a worn
    epitaph, a pointed slab broken at its shoulder and leaning, and a sunken marker, lichened
    and weathered, in a heap of grave earth."""
    p = Painter(w, h, 1301)
    rng = random.Random(13)
    base = h - 3
    stone = p.relief(freq=0.09, octaves=4, azimuth=MOON_AZ, scale=3.2, strength=1.55, base=0.45)
    lichen = p.noise_mask("0.18", octaves=3, gain=4, bias=-2.2)
    stains = p.noise_mask("0.2 0.015", octaves=2, gain=3, bias=-1.2)

    def grave(d, fill, x0, x1, tilt=0, pivot=(0, 0)):
        g = '<g transform="rotate(%s %s %s)">' % (tilt, pivot[0], pivot[1])
        p.add(g)
        p.shape(d, fill, stone, RIM, rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.7)
        _shade(p, d, x0, x1, 0.55)
        p.add('<path d="%s" fill="#5a6a4a" opacity="0.55" filter="%s"/>' % (d, lichen))
        # Rain stains run down from the top, and damp moss climbs from the earth.
        p.add('<path d="%s" fill="#0c0f16" opacity="0.35" filter="%s"/>' % (d, stains))
        p.add('<path d="%s" fill="%s"/>' % (d, p.linear([(0, "#1c2a1e", 0), (0.7, "#1c2a1e", 0), (1, "#1c2a1e", 0.8)],
                                                       user=(0, base - 60, 0, base))))

    # The ringed cross behind, tallest.
    cx = 58
    cross = ("M%.1f,%.1f h12 v-44 h14 v-11 h-14 v-16 h-12 v16 h-14 v11 h14 Z" % (cx - 6, base))
    ring = "M%.1f,%.1f a14,14 0 1 0 28,0 a14,14 0 1 0 -28,0 Z M%.1f,%.1f a9,9 0 1 1 18,0 a9,9 0 1 1 -18,0 Z" % (
        cx - 14, base - 49.5, cx - 9, base - 49.5)
    grave(cross + " " + ring, "#4a5062", cx - 22, cx + 22, -4, (cx, base))
    _carve(p, "M%.1f,%.1f v-6 M%.1f,%.1f h6" % (cx, base - 18, cx - 3, base - 15), 1.2)
    p.add("</g>")
    # The round-headed stone, largest, nearest the middle.
    x0, sw, sh = 78, 62, 78
    head = "M%.1f,%.1f V%.1f A%.1f,%.1f 0 0 1 %.1f,%.1f V%.1f Z" % (x0, base, base - sh + sw / 2, sw / 2, sw / 2 - 4,
                                                                   x0 + sw, base - sh + sw / 2, base)
    grave(head, "#58607a", x0, x0 + sw, 3, (x0 + sw / 2, base))
    mx = x0 + sw / 2
    _carve(p, "M%.1f,%.1f v24 M%.1f,%.1f h16" % (mx, base - sh + 12, mx - 8, base - sh + 19), 2.2)
    _carve(p, _epitaph(mx, base - sh + 44, sw * 0.7, 4, rng), 1.1)
    p.add("</g>")
    # The pointed slab, broken at its shoulder, leaning away.
    x0, sw, sh = 150, 46, 70
    slab = poly([(x0, base), (x0, base - sh + 16), (x0 + 10, base - sh + 4), (x0 + 20, base - sh - 2),
                 (x0 + 27, base - sh + 6), (x0 + 31, base - sh + 2), (x0 + 36, base - sh + 10), (x0 + sw, base - sh + 18),
                 (x0 + sw, base)])
    grave(slab, "#4e566c", x0, x0 + sw, 9, (x0 + sw / 2, base))
    _carve(p, "M%.1f,%.1f c4,-6 10,-6 14,0 c-4,6 -10,6 -14,0 Z" % (x0 + 16, base - sh + 28), 1.3)
    _carve(p, _epitaph(x0 + sw / 2, base - sh + 44, sw * 0.6, 3, rng), 1.0)
    crack = "M%.1f,%.1f l5,10 l-3,8 l6,12 l-2,9" % (x0 + 31, base - sh + 3)
    p.add('<path d="%s" fill="none" stroke="#07080c" stroke-width="1.3"/>' % crack)
    p.add("</g>")
    # A small sunken marker in front, and a fallen fragment of the slab.
    x0 = 208
    mark = "M%.1f,%.1f v-20 q0,-6 6,-7 h14 q6,1 6,7 v20 Z" % (x0, base + 2)
    grave(mark, "#444a5c", x0, x0 + 26, -7, (x0 + 13, base))
    _carve(p, "M%.1f,%.1f h10" % (x0 + 8, base - 14), 1.2)
    p.add("</g>")
    frag = poly([(128, base + 1), (131, base - 7), (140, base - 10), (146, base - 4), (144, base + 1)])
    p.shape(frag, "#4a5064", stone, RIM, rim_dx=RIM_DX * 0.6, rim_dy=RIM_DY * 0.6, rim_soft=0.5)
    _ground_mound(p, 4, w - 4, h + 1, 7, rng, tufts=34, tuft_h=10)
    return p.svg()


# -- the sunken cog ------------------------------------------------------------------------------

def cog_arc(w, h):
    """The top of a great cog wheel sunk in the earth, rusted through: its rim, teeth (two
    sheared off), the spokes between them open to the sky, rivets, and rust run down it."""
    p = Painter(w, h, 1401)
    rng = random.Random(14)
    cx, cy = w / 2, 212.0
    r_out, r_in, tooth = 186.0, 150.0, 17.0
    teeth = 40
    broken = {teeth // 4 + 1, teeth // 4 + 5}  # counted from the right along the top
    ring = []
    for i in range(teeth):
        a0 = 2 * math.pi * i / teeth
        a1 = a0 + 2 * math.pi / teeth
        am = (a0 + a1) / 2
        top = r_out + (tooth * 0.3 if i in broken else tooth)
        for a, r in ((a0, r_out), (am - 0.052, r_out), (am - 0.034, top), (am + 0.034, top), (am + 0.052, r_out)):
            ring.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    d = poly(ring)
    d += " M%.1f,%.1f a%.1f,%.1f 0 1 0 %.1f,0 a%.1f,%.1f 0 1 0 %.1f,0 Z" % (cx - r_in, cy, r_in, r_in, 2 * r_in, r_in,
                                                                           r_in, -2 * r_in)
    # Twelve spokes, of which the three nearest the top stand above the ground.
    spokes = ""
    for k in range(12):
        a = math.pi / 2 + k * math.pi / 6
        hw = 0.075
        inner = 40.0
        quad = [(cx + inner * math.cos(a - hw * 2.5), cy - inner * math.sin(a - hw * 2.5)),
                (cx + (r_in + 4) * math.cos(a - hw), cy - (r_in + 4) * math.sin(a - hw)),
                (cx + (r_in + 4) * math.cos(a + hw), cy - (r_in + 4) * math.sin(a + hw)),
                (cx + inner * math.cos(a + hw * 2.5), cy - inner * math.sin(a + hw * 2.5))]
        spokes += poly(quad) + " "
    rust = p.relief(freq=0.08, octaves=4, azimuth=MOON_AZ, scale=3.5, strength=1.7, noise="turbulence", base=0.35)
    pits = p.relief(freq=0.25, octaves=2, azimuth=MOON_AZ, scale=2, strength=1.4)
    p.shape(spokes, "#4e2a1a", rust, RIM, rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.6, rim_opacity=0.8)
    _shade(p, spokes, cx - 120, cx + 120, 0.5)
    p.shape(d, "#6a3a20", rust, RIM, rim_dx=RIM_DX, rim_dy=RIM_DY, rim_soft=0.7, extra='fill-rule="evenodd"')
    p.add('<path d="%s" fill="#2a1a14" opacity="0.35" filter="%s" fill-rule="evenodd"/>' % (d, pits))
    _shade(p, d, cx - 200, cx + 160, 0.6)
    # A raised flange round the inside of the rim, and rivets along it.
    p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="#1a0e08" stroke-width="3"/>' % (cx, cy, r_in + 1.5))
    p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="#a86a40" stroke-width="1.2" opacity="0.6"/>' % (
        cx, cy, r_in + 10))
    p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="none" stroke="#1a0e08" stroke-width="1" opacity="0.7"/>' % (
        cx, cy, r_in + 11.3))
    riv = ""
    for k in range(60):
        a = k * 2 * math.pi / 60
        x, y = cx + (r_in + 21) * math.cos(a), cy - (r_in + 21) * math.sin(a)
        if y < h:
            riv += '<circle cx="%.1f" cy="%.1f" r="2.3" fill="#3a2012"/><circle cx="%.1f" cy="%.1f" r="1.1" fill="#c88a58"/>' % (
                x, y, x + 0.6, y - 0.6)
    p.add(riv)
    # Rust run down from the teeth and pale bloom of oxide in patches.
    runs = ""
    for _ in range(26):
        a = rng.uniform(0.25, math.pi - 0.25)
        x, y = cx + (r_out + 4) * math.cos(a), cy - (r_out + 4) * math.sin(a)
        ln = rng.uniform(8, 26)
        runs += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f " % (x, y, rng.uniform(-2, 2), ln / 2, rng.uniform(-1.5, 1.5), ln)
    p.add('<path d="%s" fill="none" stroke="#8a3c18" stroke-width="2.2" opacity="0.35" stroke-linecap="round"/>' % runs)
    cid = p.uid("cg")
    p.define('<clipPath id="%s"><path d="%s" fill-rule="evenodd"/></clipPath>' % (cid, d))
    p.add('<rect width="%d" height="%d" fill="#c0703a" opacity="0.35" clip-path="url(#%s)" filter="%s"/>' % (
        w, h, cid, p.noise_mask("0.05", octaves=3, gain=3, bias=-1.6)))
    # A crack through the rim at a sheared tooth.
    a = 2 * math.pi * (min(broken) + 0.5) / teeth
    x, y = cx + r_out * math.cos(a), cy - r_out * math.sin(a)
    p.add('<path d="M%.1f,%.1f l-3,9 l4,7 l-2,10 l3,8" fill="none" stroke="#0a0504" stroke-width="1.6"/>' % (x, y))
    _ground_mound(p, 0, w, h + 1, 12, rng, fill="#0b0c10", tufts=40, tuft_h=11)
    return p.svg()


# -- the blue butterfly ---------------------------------------------------------------------------

def butterfly(w, h):
    """A great blue butterfly of the night, wings spread: deep blue at the root lit from within
    to ice at the middle, black margins spotted with pale blue, dark veins, a furred body and
    clubbed antennae. Its own light is the spell's; a few motes of it drift by the wings."""
    p = Painter(w, h, 1901)
    rng = random.Random(19)
    cx, cy = w / 2, h * 0.5
    tilt = -6
    fore = "M0,-6 C18,-58 80,-130 168,-142 C190,-146 196,-122 186,-92 C174,-56 150,-30 120,-18 C80,-4 36,-4 0,4 Z"
    hind = ("M0,6 C34,2 96,6 132,30 C156,48 150,88 124,112 C108,126 98,142 88,154 C84,140 82,130 70,126 "
            "C40,114 14,74 0,22 Z")
    veins_f = ""
    for ex, ey in ((176, -130), (160, -84), (138, -40), (104, -14), (60, -8)):
        veins_f += "M2,-2 Q%.1f,%.1f %.1f,%.1f " % (ex * 0.45, ey * 0.6, ex, ey)
    veins_f += "M18,-30 Q80,-70 150,-120 M40,-10 Q90,-30 128,-30"
    veins_h = ""
    for ex, ey in ((130, 34), (140, 76), (118, 112), (90, 148), (56, 120)):
        veins_h += "M2,10 Q%.1f,%.1f %.1f,%.1f " % (ex * 0.5, ey * 0.35, ex, ey)
    def wing_paint(r):
        return p.radial([(0, "#0a1440", 1), (0.22, "#1a3ea8", 1), (0.5, "#2f7cf0", 1), (0.68, "#78c4ff", 1),
                         (0.8, "#2352c8", 1), (0.9, "#0a1030", 1), (1, "#04060c", 1)], 0, 0, r)

    def wing_glow(r):
        return p.radial([(0, "#7fe0ff", 0), (0.45, "#7fe0ff", 0), (0.63, "#a8e8ff", 0.6), (0.78, "#7fe0ff", 0)], 0, 0, r)
    paint = {fore: (wing_paint(200), wing_glow(200)), hind: (wing_paint(168), wing_glow(168))}
    bloom = p.blur(7)
    scales = p.relief(freq=0.35, octaves=2, azimuth=MOON_AZ, scale=1.2, strength=1.0, base=0.45)
    body = ""
    for sx in (1, -1):
        for wing, veins in ((hind, veins_h), (fore, veins_f)):
            cid = p.uid("wg")
            p.define('<clipPath id="%s"><path d="%s" transform="scale(%d,1)"/></clipPath>' % (cid, wing, sx))
            body += '<g transform="scale(%d,1)">' % sx
            body += '<path d="%s" fill="#04060c" stroke="#04060c" stroke-width="5" stroke-linejoin="round"/>' % wing
            body += '<path d="%s" fill="%s" filter="%s"/>' % (wing, paint[wing][0], scales)
            body += '<path d="%s" fill="none" stroke="#6aa8ff" stroke-width="1.1" opacity="0.8"/>' % wing
            body += "</g>"
            # The light within the wing, blurred but kept inside it.
            body += '<g clip-path="url(#%s)"><g transform="scale(%d,1)"><path d="%s" fill="%s" filter="%s"/>' % (
                cid, sx, wing, paint[wing][1], bloom)
            body += '<path d="%s" fill="none" stroke="#04081a" stroke-width="2" opacity="0.85"/>' % veins
            body += '<path d="%s" fill="none" stroke="#a8e4ff" stroke-width="0.6" opacity="0.5" transform="translate(0.8,-0.8)"/>' % veins
            body += "</g></g>"
        # Pale spots in the dark margins.
        body += '<g transform="scale(%d,1)">' % sx
        for x, y, r in ((170, -122, 4.5), (160, -100, 3.6), (148, -78, 3.0), (176, -108, 2.4), (128, 96, 4.0),
                        (138, 70, 3.2), (112, 118, 3.0), (86, 140, 2.6)):
            body += '<circle cx="%s" cy="%s" r="%s" fill="#c8ecff"/>' % (x, y, r)
        body += "</g>"
    # Body: thorax and abdomen in segments, head, eyes, antennae with clubs, faint fur light.
    furred = p.relief(freq=0.6, octaves=2, azimuth=MOON_AZ, scale=2, strength=1.5)
    body += '<path d="M0,-32 C10,-30 12,-12 9,0 C11,30 7,70 0,98 C-7,70 -11,30 -9,0 C-12,-12 -10,-30 0,-32 Z" fill="#12141e" filter="%s"/>' % furred
    body += '<path d="M7,-2 C9,30 6,70 0,96" fill="none" stroke="#7fe0ff" stroke-width="1.4" opacity="0.6"/>'
    body += "".join('<path d="M-6,%d Q0,%d 6,%d" fill="none" stroke="#04060c" stroke-width="1.2"/>' % (y, y + 3, y)
                    for y in range(14, 90, 9))
    body += '<circle cx="0" cy="-36" r="8" fill="#12141e"/><circle cx="4" cy="-38" r="2.6" fill="#2a6aa8"/>'
    body += '<circle cx="-4" cy="-38" r="2.6" fill="#1a4a80"/>'
    # Antennae lit by the wings' light, or they would vanish against the night.
    body += ('<path d="M-3,-42 C-14,-80 -36,-108 -54,-120 M3,-42 C14,-80 36,-108 54,-120" fill="none" stroke="#3a5c94" '
             'stroke-width="2.2" stroke-linecap="round"/>')
    body += '<ellipse cx="-55" cy="-121" rx="4" ry="2.6" fill="#4a78c0"/><ellipse cx="55" cy="-121" rx="4" ry="2.6" fill="#4a78c0"/>'
    p.add('<g transform="translate(%.1f,%.1f) rotate(%s)">%s</g>' % (cx, cy + 4, tilt, body))
    # Motes of the spell: small four-pointed sparks, solid at heart so they survive the key.
    for _ in range(9):
        a = rng.uniform(0, 2 * math.pi)
        r = rng.uniform(150, 190)
        x, y = cx + r * math.cos(a) * 1.0, cy + r * math.sin(a) * 0.78
        if not (6 < x < w - 6 and 6 < y < h - 6):
            continue
        s = rng.uniform(2.5, 5)
        p.add('<path d="M%.1f,%.1f l%.1f,%.1f l%.1f,%.1f l%.1f,%.1f l%.1f,%.1f l%.1f,%.1f l%.1f,%.1f l%.1f,%.1f Z" '
              'fill="#bfefff"/>' % (x, y - s * 2, s * 0.3, s * 1.7, s * 1.7, s * 0.3, -s * 1.7, s * 0.3, -s * 0.3, s * 1.7,
                                    -s * 0.3, -s * 1.7, -s * 1.7, -s * 0.3, s * 1.7, -s * 0.3))
    return p.svg()


PICTURES = {"Form10.Image%d" % (k + 1): (lambda w, h, name=place[0]: name_plaque(w, h, name))
            for k, place in enumerate(PLACES)}
PICTURES.update({
    "Form10.Image12": dead_tree,
    "Form10.Image13": gravestones,
    "Form10.Image14": cog_arc,
    "Form10.Image16": leafy_tree,
    "Form10.Image19": butterfly,
})
