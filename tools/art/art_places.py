"""art_places.py -- the eleven place pictures of the level screen, one scene per place.

Each follows its briefing: the walled hills of Gorg Na'kath, the dead border tree of Cha'da
Gorth, the graves of Grage, the grey mists of the Long Fade, the thieves' roofs of Malice, the
rusted engines of Orth Nyra, the beast bones of Nihil Urb E'a, the black marsh of Gorthin, the
port of Seldyr, the storm-bound towers of Sha'teath and the quiet valley of Blythe.
"""
import math
import random

from art_night import Painter, brick_tower, poly, arch_window

RIM = "#cfdcff"


def _tree(p, x, base, h, fill, rng, spread=0.5, depth=6, width=None, rim=None, lean=0.0):
    """A bare branching tree as one path of tapered strokes."""
    parts = []

    def br(x0, y0, a, ln, wd, dp):
        x1, y1 = x0 + ln * math.cos(a), y0 - ln * math.sin(a)
        nx, ny = -math.sin(a) * wd / 2, -math.cos(a) * wd / 2
        tw = wd * 0.62
        tx, ty = -math.sin(a) * tw / 2, -math.cos(a) * tw / 2
        parts.append(poly([(x0 - nx, y0 + ny), (x1 - tx, y1 + ty), (x1 + tx, y1 - ty), (x0 + nx, y0 - ny)]))
        if dp > 0:
            k = 2 if rng.random() < 0.8 else 3
            for i in range(k):
                da = rng.uniform(0.25, spread + 0.35) * (1 if i % 2 else -1)
                br(x1, y1, a + da + rng.uniform(-0.1, 0.1), ln * rng.uniform(0.62, 0.8), tw, dp - 1)

    br(x, base, math.pi / 2 + lean, h * 0.32, width or h * 0.07, depth)
    d = " ".join(parts)
    p.shape(d, fill, None, rim, rim_dx=1.2, rim_dy=0.8, rim_soft=0.4) if rim else p.add('<path d="%s" fill="%s"/>' % (d, fill))


def _figure_back(p, x, base, h, fill, rim=None, staff=False):
    """A small cloaked figure (hood, shoulders, cloak) seen at a distance."""
    u = h / 100
    d = ("M%.1f,%.1f " % (x - 22 * u, base) +
         "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x - 20 * u, base - 40 * u, x - 16 * u, base - 70 * u, x - 12 * u, base - 78 * u) +
         "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x - 11 * u, base - 92 * u, x - 6 * u, base - 100 * u, x, base - 100 * u) +
         "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x + 7 * u, base - 100 * u, x + 11 * u, base - 92 * u, x + 11 * u, base - 80 * u) +
         "C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (x + 17 * u, base - 70 * u, x + 21 * u, base - 40 * u, x + 23 * u, base))
    if staff:
        d += " M%.1f,%.1f h%.1f v%.1f h%.1f Z" % (x + 18 * u, base, 2.2 * u, -118 * u, -2.2 * u)
    p.shape(d, fill, None, rim, rim_dx=1.2, rim_dy=0.6, rim_soft=0.4) if rim else p.add('<path d="%s" fill="%s"/>' % (d, fill))


def _grass(p, y0, y1, fill, n, rng, hmax=8):
    d = ""
    for _ in range(n):
        x, y = rng.uniform(0, p.w), rng.uniform(y0, y1)
        hh = rng.uniform(hmax * 0.4, hmax) * (0.5 + (y - y0) / max(1, y1 - y0))
        lean = rng.uniform(-3, 3)
        d += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z " % (
            x, y, lean * 0.3, -hh * 0.6, lean, -hh, -lean * 0.5, hh * 0.5, 1.6 - lean, hh)
    p.add('<path d="%s" fill="%s"/>' % (d, fill))


def gorg_nakath(p):
    """Hills, and behind old walls the first weak mage's tower."""
    rng = p.rng
    mx, my = 220, 70
    p.sky([(0, "#02040c", 1), (0.55, "#0d1a38", 1), (1, "#2c4670", 1)], moon=(mx, my), clouds=0.5)
    p.moon(mx, my, 20)
    d, _ = p.ridge(170, 18, seed=3)
    p.shape(d, "#1e2c4a", None)
    p.fog(140, 200, "#5a6f98", 0.35)
    d, top = p.ridge(205, 26, seed=8, rough=0.5)
    p.shape(d, "#121c2e", p.relief(0.04, 3, azimuth=300, scale=2), RIM, rim_dx=-2, rim_dy=2, rim_opacity=0.45)
    # The mage's tower on the middle hill, behind its wall.
    brick_tower(p, 112, 196, 26, 86, "#4a5166", p.relief(0.18, 3, azimuth=300, scale=3), RIM, cap="crown",
                windows=[(0.0, 0.55, 6, 10), (0.0, 0.2, 5, 8)])
    # The old walls: a broken curtain wall with a gate and gaps, snaking over the near hill.
    wall = ""
    x = -5
    while x < 305:
        seg = rng.uniform(18, 34)
        hgt = rng.uniform(10, 22) if not (110 < x < 150) else 30
        yb = 236 + 10 * math.sin(x / 55.0)
        if rng.random() < 0.2 and not 100 < x < 160:
            x += seg * 0.5
            continue
        top_pts = []
        for i in range(5):
            xi = x + seg * i / 4
            top_pts.append((xi, yb - hgt - (4 if i % 2 == 0 else 0) - rng.uniform(0, 4)))
        wall += poly([(x, yb + 20)] + top_pts + [(x + seg, yb + 20)]) + " "
        x += seg
    p.shape(wall, "#3c4458", p.relief(0.12, 3, azimuth=300, scale=2.5, strength=1.5), RIM, rim_dx=-2, rim_dy=2)
    p.add('<path d="%s" fill="#06080e"/>' % arch_window(121, 203, 16, 24))
    # Near hill with grass and a leafy tree against the sky.
    d, _ = p.ridge(262, 12, seed=21, rough=0.5)
    p.shape(d, "#070b10", p.relief(0.08, 3, azimuth=300, scale=2), RIM, rim_dx=-1.5, rim_dy=1.5, rim_opacity=0.5)
    _grass(p, 258, 300, "#03060a", 120, rng, 10)
    # A leafy oak against the sky: a crown of noise-torn foliage, lit on the moon's side.
    crown = ""
    for _ in range(30):
        a, r = rng.uniform(0, 6.28), rng.uniform(0, 32)
        crown += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (44 + r * math.cos(a) * 1.3, 168 + r * math.sin(a) * 0.75,
                                                          rng.uniform(9, 16))
    leaves = p.noise_mask("0.09", octaves=3, gain=4, bias=-1.2)
    p.add('<path d="M36,274 C40,240 34,214 40,186 L44,170 L48,186 L56,176 L52,192 C50,214 52,240 56,274 Z" fill="#04070a"/>')
    p.add('<g fill="#050a08" filter="%s">%s</g>' % (leaves, crown))
    p.add('<g fill="#06100c" filter="%s" transform="translate(0,3)">%s</g>' % (p.noise_mask("0.05", 3, 3, -0.8), crown))
    p.add('<g fill="#a8bce8" opacity="0.35" filter="%s" transform="translate(-3,-3)" clip-path="url(#%s)">%s</g>' % (
        leaves, _clip(p, crown), crown))
    p.add('<g fill="#050a08" filter="%s" transform="translate(2,3)">%s</g>' % (leaves, crown))


def _clip(p, content):
    cid = p.uid("cl")
    p.define('<clipPath id="%s">%s</clipPath>' % (cid, content))
    return cid


def chada_gorth(p):
    """A great dead tree at the border, a border stone, and a new tower raised in haste."""
    rng = p.rng
    mx, my = 70, 80
    p.sky([(0, "#04030a", 1), (0.5, "#1a1830", 1), (1, "#4a3c50", 1)], moon=(mx, my), glow="#d8c8e8", clouds=0.45,
          cloud_col=("#a898b8", "#201a30"))
    p.moon(mx, my, 26, dark="#a89cb0")
    d, _ = p.ridge(200, 14, seed=5)
    p.shape(d, "#2a2438")
    p.fog(170, 225, "#6a5a78", 0.4)
    # The new tower, far, with scaffolding still on it.
    brick_tower(p, 215, 212, 24, 90, "#3a3444", p.relief(0.2, 3, azimuth=135, scale=2), "#e0d0f0", cap="cone",
                windows=[(0, 0.6, 5, 9)])
    sc = ""
    for i in range(5):
        y = 205 - i * 17
        sc += "M196,%d h38 " % y
    sc += "M198,212 V124 M232,212 V124 M198,205 L232,124"
    p.add('<path d="%s" stroke="#120e18" stroke-width="1.6" fill="none"/>' % sc)
    d, _ = p.ridge(238, 10, seed=11, rough=0.45)
    p.shape(d, "#120e18", p.relief(0.06, 3, azimuth=135), "#d8c8f0", rim_dx=1.5, rim_dy=1.5, rim_opacity=0.45)
    # The border stone with its carved sign.
    stone = "M150,262 L152,218 C154,210 170,208 172,216 L176,262 Z"
    p.shape(stone, "#4a4656", p.relief(0.15, 3, azimuth=135, scale=3), "#e8dcff", rim_dx=2.5, rim_dy=1)
    p.add('<path d="M160,226 l6,10 l-6,10 l-6,-10 Z M163,236 h-0.1" fill="none" stroke="#140f1c" stroke-width="1.4"/>')
    # The dead tree, gnarled, reaching over the border.
    _tree(p, 70, 276, 210, "#06040a", random.Random(14), spread=0.55, depth=7, rim="#e0d4ff", lean=0.12)
    p.add('<path d="M40,280 C55,268 60,262 62,250 L80,250 C82,262 92,270 110,282 Z" fill="#06040a"/>')
    d, _ = p.ridge(276, 6, seed=17)
    p.shape(d, "#05040a")
    _grass(p, 272, 300, "#020104", 90, rng, 9)


def grage(p):
    """A field of graves in depth; green spirit light rises from the buried."""
    rng = p.rng
    p.sky([(0, "#020508", 1), (0.6, "#0c1a1e", 1), (1, "#1c3a36", 1)], moon=(150, 120), glow="#7fffc0", glow_r=180,
          clouds=0.5, cloud_col=("#6aa890", "#0c1a1a"), stars=60)
    p.moon(238, 52, 14, dark="#9ab0a8")
    d, _ = p.ridge(180, 10, seed=3)
    p.shape(d, "#14282a")
    # The crypt at the back, open and glowing.
    crypt = "M112,185 L112,150 L150,124 L188,150 L188,185 Z"
    p.shape(crypt, "#3a4a4a", p.relief(0.15, 3, azimuth=90, scale=2.5), "#b0ffd8", rim_dx=0, rim_dy=2)
    p.add('<path d="%s" fill="#a8ffd0" filter="%s"/>' % (arch_window(140, 152, 20, 33), p.bloom(5)))
    p.fog(150, 215, "#2a5a4a", 0.45)
    # Rows of graves, smaller and paler with distance.
    rows = [(200, 0.45, "#2c3c3c"), (222, 0.65, "#1e2c2c"), (250, 0.9, "#121c1c"), (285, 1.3, "#080e0e")]
    for y, s, col in rows:
        x = rng.uniform(-10, 10)
        while x < 310:
            kind = rng.random()
            tilt = rng.uniform(-9, 9)
            if kind < 0.45:
                g = "M%.1f,%.1f v%.1f a%.1f,%.1f 0 0 1 %.1f,0 v%.1f Z" % (x, y, -18 * s, 8 * s, 8 * s, 16 * s, 18 * s)
            elif kind < 0.8:
                g = poly([(x + 6 * s, y), (x + 6 * s, y - 18 * s), (x, y - 18 * s), (x, y - 24 * s), (x + 6 * s, y - 24 * s),
                          (x + 6 * s, y - 32 * s), (x + 11 * s, y - 32 * s), (x + 11 * s, y - 24 * s), (x + 17 * s, y - 24 * s),
                          (x + 17 * s, y - 18 * s), (x + 11 * s, y - 18 * s), (x + 11 * s, y)])
            else:
                g = poly([(x, y), (x + 2 * s, y - 20 * s), (x + 8 * s, y - 26 * s), (x + 14 * s, y - 20 * s), (x + 16 * s, y)])
            p.shape(g, col, p.relief(0.3 / s, 2, azimuth=90, scale=2) if s > 0.8 else None, "#a8f0d0",
                    rim_dx=0.4 * s, rim_dy=1.4 * s, rim_opacity=0.7,
                    extra='transform="rotate(%.1f %.1f %.1f)"' % (tilt, x, y))
            x += rng.uniform(28, 46) * s
        p.add('<rect x="0" y="%d" width="300" height="%d" fill="%s"/>' % (y - 1, 300 - y, col))
        p.fog(y - 12, y + 4, "#3a7a62", 0.25, noisy=False)
    # Spirits rising from the graves toward the crypt.
    for _ in range(9):
        x, y = rng.uniform(20, 280), rng.uniform(190, 270)
        hh = rng.uniform(20, 50)
        p.add('<path d="M%.1f,%.1f c-6,%.1f 8,%.1f 0,%.1f" stroke="#9fffd0" stroke-width="%.1f" fill="none" '
              'stroke-linecap="round" opacity="0.55" filter="%s"/>' % (x, y, -hh * 0.4, -hh * 0.7, -hh, rng.uniform(2, 4), p.bloom(3)))


def long_fade(p):
    """The grey north: a road of posts fading into mist under a pale, halo-ringed moon."""
    rng = p.rng
    p.sky([(0, "#1a1e26", 1), (0.5, "#4a5260", 1), (1, "#8a929e", 1)], moon=(150, 92), glow="#e8ecf4", glow_r=200,
          clouds=0.45, cloud_col=("#c0c6d0", "#4a5260"), stars=0)
    p.moon(150, 92, 18, light="#f0f0f0", dark="#b8bcc4", halo=4)
    p.add('<circle cx="150" cy="92" r="46" fill="none" stroke="#e8ecf4" stroke-width="2" opacity="0.22" filter="%s"/>'
          % p.blur(1.5))
    d, _ = p.ridge(190, 6, seed=9)
    p.shape(d, "#7a828e")
    p.fog(150, 215, "#a0a8b4", 0.6)
    d, _ = p.ridge(210, 4, seed=12)
    p.shape(d, "#5a626e")
    p.add('<rect y="208" width="300" height="92" fill="%s"/>' % p.linear([(0, "#5a626e", 1), (1, "#22262e", 1)]))
    # The road narrowing to the vanishing point under the moon.
    p.add('<path d="M150,208 L118,300 L200,300 Z" fill="%s"/>' % p.linear([(0, "#8e96a2", 1), (1, "#3a3e46", 1)]))
    # Waymark posts fading with distance, one leaning, one a lone traveller's staff.
    for i in range(8):
        t = (i + 1) / 9.0
        s = t ** 2.2
        y = 208 + 92 * s
        for side in (-1, 1):
            x = 150 + side * (6 + 70 * s)
            col = "#%02x%02x%02x" % (int(130 - 110 * s), int(136 - 112 * s), int(146 - 116 * s))
            p.add('<path d="M%.1f,%.1f l%.1f,%.1f h%.1f Z" fill="%s"/>' % (x - 1.5 * s - 0.4, y, 0.8 * side * s, -40 * s - 2,
                                                                              3 * s + 0.8, col))
    _figure_back(p, 162, 246, 30, "#22262e", "#e8ecf4", staff=True)
    # Dead reeds along the near edge.
    for _ in range(80):
        x = rng.uniform(0, 300)
        if 100 < x < 215:
            continue
        y = rng.uniform(270, 305)
        p.add('<path d="M%.1f,%.1f q%.1f,%.1f %.1f,%.1f" stroke="#14161a" stroke-width="%.1f" fill="none"/>' % (
            x, y, rng.uniform(-4, 4), -20, rng.uniform(-6, 6), -rng.uniform(25, 55), rng.uniform(0.8, 1.8)))
    p.fog(230, 300, "#b0b8c4", 0.25)


def malice(p):
    """The city of thieves: crooked roofs, lit windows, a hooded thief on a ridge against the moon."""
    rng = p.rng
    mx, my = 190, 92
    p.sky([(0, "#05020a", 1), (0.55, "#1c0c18", 1), (1, "#40182a", 1)], moon=(mx, my), glow="#ffb0a0", glow_r=190,
          clouds=0.4, cloud_col=("#c07080", "#200810"), stars=50)
    p.moon(mx, my, 40, light="#ffe8d8", dark="#c09080")
    # Far skyline of spires.
    far = ""
    x = -5
    while x < 305:
        ww, hh = rng.uniform(10, 22), rng.uniform(20, 60)
        far += poly([(x, 230), (x, 200 - hh * 0.5), (x + ww / 2, 200 - hh), (x + ww, 200 - hh * 0.5), (x + ww, 230)]) + " "
        x += ww + rng.uniform(-2, 4)
    p.add('<path d="%s" fill="#2a1424"/>' % far)
    p.fog(170, 230, "#6a2a40", 0.35)
    # Near crooked houses, leaning into each other.
    x = -10
    houses = []
    while x < 310:
        ww = rng.uniform(34, 56)
        eave = rng.uniform(190, 230)
        ridge_h = rng.uniform(22, 40)
        lean = rng.uniform(-5, 5)
        houses.append((x, ww, eave, ridge_h, lean))
        x += ww - 4
    for (x, ww, eave, rh, lean) in houses:
        body = poly([(x, 310), (x + lean, eave), (x + ww / 2 + lean, eave - rh), (x + ww + lean, eave), (x + ww, 310)])
        p.shape(body, "#1a0e16", p.relief(0.09, 3, azimuth=240, scale=2), "#ffc8b8", rim_dx=-2, rim_dy=1.5, rim_opacity=0.6)
        roof = poly([(x - 3 + lean, eave + 3), (x + ww / 2 + lean, eave - rh - 2), (x + ww + 3 + lean, eave + 3),
                     (x + ww + lean, eave + 6), (x + ww / 2 + lean, eave - rh + 4), (x + lean, eave + 6)])
        p.add('<path d="%s" fill="#0a0408"/>' % roof)
        for _ in range(rng.randint(1, 3)):
            wx = x + rng.uniform(6, ww - 12) + lean * 0.5
            wy = rng.uniform(eave + 10, 290)
            lit = rng.random() < 0.6
            p.add('<rect x="%.1f" y="%.1f" width="6" height="8" fill="%s" %s/>' % (
                wx, wy, "#ffb040" if lit else "#050205", 'filter="%s"' % p.bloom(2) if lit else ""))
        if rng.random() < 0.5:
            cx = x + ww * 0.7 + lean
            p.add('<rect x="%.1f" y="%.1f" width="6" height="14" fill="#0a0408"/>' % (cx, eave - rh * 0.5 - 10))
    # The thief on the tallest roof, cut out against the moon: hood up, cloak blown, dagger out.
    p.shape(poly([(150, 310), (152, 168), (170, 142), (206, 146), (222, 170), (224, 310)]), "#140a10",
            p.relief(0.09, 3, azimuth=240, scale=2), "#ffc8b8", rim_dx=-2, rim_dy=1.5, rim_opacity=0.6)
    p.add('<path d="M146,170 L170,138 L210,142 L228,172 L222,174 L206,150 L172,146 L152,172 Z" fill="#0a0408"/>')
    p.add('<rect x="160" y="180" width="6" height="9" fill="#ffb040" filter="%s"/>' % p.bloom(2))
    fx, fy = 190, 144
    u = 1.25
    body = [(6, -54), (1, -57), (-5, -52), (-7, -47), (-5, -44), (-6, -41), (-16, -34), (-23, -31), (-22, -28),
            (-14, -30), (-8, -31), (-8, -24), (-7, -20), (-12, -10), (-16, -1), (-19, 1), (-11, 1), (-6, -10),
            (-2, -14), (3, -8), (7, 1), (13, 1), (10, -10), (8, -18), (12, -14), (24, -12), (21, -17), (29, -22),
            (17, -33), (6, -42)]
    d = poly([(fx + x * u, fy + y * u) for x, y in body])
    p.shape(d, "#050206", None, "#ffe0d0", rim_dx=0.8, rim_dy=1.2, rim_soft=0.5, rim_opacity=0.8)
    p.add('<path d="M%.1f,%.1f l-9,7" stroke="#fff0e8" stroke-width="1.4" stroke-linecap="round" filter="%s"/>' % (
        fx - 22 * u, fy - 30 * u, p.bloom(1.2)))
    p.add('<rect y="292" width="300" height="8" fill="#050206"/>')


def _cog(cx, cy, r, teeth, tooth, broken=()):
    """A cog wheel outline with spokes cut out; broken teeth are left off."""
    out = []
    n = teeth * 2
    for i in range(n):
        a0 = 2 * math.pi * i / n
        a1 = 2 * math.pi * (i + 1) / n
        rr = r + (tooth if i % 2 == 0 and i // 2 not in broken else 0)
        out.append((cx + rr * math.cos(a0 + 0.08 / teeth), cy + rr * math.sin(a0 + 0.08 / teeth)))
        out.append((cx + rr * math.cos(a1 - 0.08 / teeth), cy + rr * math.sin(a1 - 0.08 / teeth)))
    d = poly(out)
    d += " M%.1f,%.1f a%.1f,%.1f 0 1 0 %.1f,0 a%.1f,%.1f 0 1 0 %.1f,0 Z" % (cx - r * 0.12, cy, r * 0.12, r * 0.12, r * 0.24,
                                                                          r * 0.12, r * 0.12, -r * 0.24)
    for k in range(5):
        a = 2 * math.pi * k / 5 + 0.3
        a2 = a + 2 * math.pi / 5 - 0.35
        p1 = (cx + r * 0.22 * math.cos(a + 0.1), cy + r * 0.22 * math.sin(a + 0.1))
        p2 = (cx + r * 0.8 * math.cos(a + 0.05), cy + r * 0.8 * math.sin(a + 0.05))
        p3 = (cx + r * 0.8 * math.cos(a2), cy + r * 0.8 * math.sin(a2))
        p4 = (cx + r * 0.22 * math.cos(a2 - 0.05), cy + r * 0.22 * math.sin(a2 - 0.05))
        d += " M%.1f,%.1f L%.1f,%.1f A%.1f,%.1f 0 0 1 %.1f,%.1f L%.1f,%.1f Z" % (p1 + p2 + (r * 0.8, r * 0.8) + p3 + p4)
    return d


def orth_nyra(p):
    """The broken engines: great rusted cogs half sunk in the ground, a furnace glow among them."""
    rng = p.rng
    p.sky([(0, "#06040a", 1), (0.5, "#22101a", 1), (1, "#5a2418", 1)], moon=(230, 190), glow="#ff7040", glow_r=200,
          clouds=0.5, cloud_col=("#c05838", "#200a0c"), stars=40)
    d, _ = p.ridge(205, 16, seed=7)
    p.shape(d, "#2a1414")
    # Chimneys and a ruined engine house far off.
    p.add('<path d="M40,205 V130 h10 V205 Z M62,205 V150 h8 V205 Z M30,205 V170 H90 V205 Z" fill="#1a0c0e"/>')
    p.add('<path d="M46,128 c-10,-20 10,-30 0,-60 c14,20 4,40 4,60 Z" fill="#3a2024" opacity="0.6" filter="%s"/>' % p.blur(3))
    p.fog(170, 230, "#7a3020", 0.35)
    rust = p.relief(0.11, 3, azimuth=45, scale=3, strength=1.4, noise="turbulence")
    # A far cog, a great half-sunk cog, a small tilted one; a broken piston beam.
    p.shape(_cog(250, 196, 40, 12, 8, broken=(3,)), "#4a2418", rust, "#ffa070", rim_dx=-2, rim_dy=-1, extra='fill-rule="evenodd"')
    p.add('<path d="M0,300 L0,238 C60,230 120,236 170,246 C220,240 260,236 300,240 L300,300 Z" fill="#140a08"/>')
    p.shape(_cog(118, 228, 82, 16, 14, broken=(2, 3, 9)), "#5e2a14", p.relief(0.07, 3, azimuth=45, scale=4, strength=1.5,
                                                                              noise="turbulence"),
            "#ffb080", rim_dx=-3, rim_dy=-2, extra='fill-rule="evenodd"')
    p.add('<path d="M0,300 L0,262 C40,256 100,254 150,266 C190,262 230,262 300,270 L300,300 Z" fill="%s" filter="%s"/>' % (
        "#1c0e0a", p.relief(0.06, 3, azimuth=45, scale=2)))
    p.shape(_cog(248, 262, 34, 10, 8, broken=(6,)), "#6a2c14", rust, "#ffb080", rim_dx=-2, rim_dy=-1.5,
            extra='fill-rule="evenodd" transform="rotate(14 248 262)"')
    beam = poly([(170, 278), (286, 170), (294, 178), (180, 286)])
    p.shape(beam, "#3a1a10", rust, "#ffb080", rim_dx=-1.5, rim_dy=-1.5)
    p.add('<circle cx="290" cy="174" r="7" fill="#2a120c" stroke="#8a4a2a" stroke-width="1.5"/>')
    # Rust streaks and a furnace ember glow from the ground.
    p.light_pool(210, 300, 90, "#ff6020", 0.45)
    for _ in range(30):
        x, y = rng.uniform(0, 300), rng.uniform(150, 290)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffb060" opacity="%.2f"/>' % (x, y, rng.uniform(0.4, 1.1),
                                                                                       rng.uniform(0.3, 0.9)))


def nihil_urb_ea(p):
    """Pale dunes under the moon, and the ribs and skull of a great beast half buried."""
    rng = p.rng
    mx, my = 72, 70
    p.sky([(0, "#03040c", 1), (0.55, "#141a34", 1), (1, "#3a3a50", 1)], moon=(mx, my), glow="#e8dcc0", clouds=0.3,
          cloud_col=("#c0b090", "#141a30"))
    p.moon(mx, my, 24, light="#fff4e0", dark="#c8b898")
    for i, (y, amp, col) in enumerate([(195, 18, "#4a4450"), (218, 16, "#3a3440"), (244, 14, "#2a2530")]):
        d, _ = p.ridge(y, amp, seed=30 + i, rough=0.35, steps=5)
        p.shape(d, col, p.relief(0.02, 2, azimuth=300, elevation=25, scale=6, strength=1.4), "#f0e4c8", rim_dx=-2,
                rim_dy=2, rim_opacity=0.4)
    p.fog(180, 240, "#8a8090", 0.25)
    # The ribcage: arcs rising from a spine, shrinking toward the tail.
    bone = "#d8ccb0"
    spine = "M40,250 C100,236 170,228 250,236"
    p.add('<path d="%s" stroke="%s" stroke-width="5" fill="none" stroke-linecap="round"/>' % (spine, bone))
    ribs = ""
    for i in range(9):
        t = i / 8.0
        bx = 70 + 160 * t
        by = 244 - 14 * t
        hgt = 110 * (1 - 0.55 * t) * (0.8 + 0.2 * math.sin(t * 3))
        ribs += "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (bx, by, bx - 30, by - hgt * 0.4, bx - 20, by - hgt, bx + 8, by - hgt * 0.95)
    p.add('<path d="%s" stroke="#2a2420" stroke-width="7" fill="none" stroke-linecap="round" transform="translate(2,2)" '
          'opacity="0.6"/>' % ribs)
    p.add('<path d="%s" stroke="%s" stroke-width="5.5" fill="none" stroke-linecap="round"/>' % (ribs, bone))
    p.add('<path d="%s" stroke="#fffaf0" stroke-width="1.6" fill="none" stroke-linecap="round" transform="translate(-1.5,-1)" '
          'opacity="0.8"/>' % ribs)
    # The skull in the foreground sand: long snout, eye socket, horn.
    sk = ("M18,262 C22,240 44,228 66,230 C80,222 96,226 104,236 L150,246 C156,250 152,258 146,258 L120,262 "
          "C110,270 92,274 80,270 L60,274 C40,278 20,276 18,262 Z")
    p.shape(sk, bone, p.relief(0.09, 3, azimuth=300, scale=3), "#ffffff", rim_dx=-1.5, rim_dy=2)
    p.add('<ellipse cx="80" cy="246" rx="9" ry="7" fill="#140e10"/>')
    p.add('<path d="M108,242 l8,1 M118,246 l8,1 M128,250 l8,1 M110,258 l6,2 M120,258 l6,1" stroke="#3a3028" stroke-width="2.4"/>')
    p.add('<path d="M60,232 C50,200 60,176 82,168 C70,184 70,206 74,230 Z" fill="#c8bca0" stroke="#5a5048" stroke-width="0.8"/>')
    # Near sand drifting over the bones.
    d, _ = p.ridge(276, 8, seed=41, rough=0.4, steps=5)
    p.shape(d, "#1c1820", p.relief(0.03, 2, azimuth=300, elevation=20, scale=5), "#e8dcc0", rim_dx=-1, rim_dy=2, rim_opacity=0.3)
    for _ in range(25):
        x, y = rng.uniform(0, 300), rng.uniform(280, 300)
        p.add('<path d="M%.1f,%.1f q6,-2 12,0" stroke="#3a3440" stroke-width="1" fill="none"/>' % (x, y))


def gorthin(p):
    """The still black marsh: dead trees and a signal fire mirrored in black water, will-o'-wisps."""
    rng = p.rng
    p.sky([(0, "#010308", 1), (0.6, "#0c1c26", 1), (1, "#2a4a50", 1)], moon=(215, 112), glow="#b0d8d8", glow_r=170,
          clouds=0.5, cloud_col=("#80a0a8", "#0a1418"), stars=80, star_max=150)
    p.moon(215, 112, 17, light="#eef8f4", dark="#a0b4b0")
    horizon = 176
    d, _ = p.ridge(horizon - 4, 8, seed=4)
    far = d
    p.shape(far, "#0e1a20")
    # The watch tower with its signal fire: word sent to the others.
    brick_tower(p, 70, horizon, 12, 44, "#1a2228", None, None, cap=None, windows=())
    p.add('<path d="M64,131 h12 l2,-4 h-16 Z" fill="#1a2228"/>')
    p.add('<g filter="%s"><ellipse cx="70" cy="124" rx="5" ry="7" fill="#ffb040"/><ellipse cx="70" cy="126" rx="2.5" '
          'ry="4" fill="#fff0b0"/></g>' % p.bloom(4))
    p.light_pool(70, 124, 40, "#ff9030", 0.35)
    trees = []
    for x, hh, sd in [(30, 90, 3), (150, 60, 5), (255, 110, 8), (196, 45, 9)]:
        trees.append((x, hh, sd))
    # Sky scene and its reflection: the reflection is the upper half mirrored, darker and rippled.
    upper = []
    for x, hh, sd in trees:
        sub = Painter(p.w, p.h, sd)
        _tree(sub, x, horizon + 2, hh, "#020406", random.Random(sd), spread=0.45, depth=5, rim="#5a7a7a")
        upper.append("".join(sub.body))
    p.add("".join(upper))
    water = p.linear([(0, "#1a3038", 1), (0.4, "#08141a", 1), (1, "#010204", 1)])
    p.add('<rect y="%d" width="300" height="%d" fill="%s"/>' % (horizon, 300 - horizon, water))
    ripple = p.uid("rip")
    p.define('<filter id="%s" x="0" y="0" width="100%%" height="100%%"><feTurbulence type="fractalNoise" baseFrequency="0.005 0.2" '
             'numOctaves="2" seed="3" result="t"/><feDisplacementMap in="SourceGraphic" in2="t" scale="6" xChannelSelector="R" '
             'yChannelSelector="G"/></filter>' % ripple)
    refl = ('<g transform="translate(0,%d) scale(1,-1)">' % (2 * horizon) +

            '<g filter="%s"><ellipse cx="70" cy="124" rx="5" ry="7" fill="#ffb040"/></g>' % p.bloom(4) +
            '<path d="%s" fill="#0e1a20"/>' % far + "".join(upper) + "</g>")
    p.add('<g filter="url(#%s)" opacity="0.55">%s</g>' % (ripple, refl))
    # The moon's glint on the still water.
    p.add('<ellipse cx="215" cy="%d" rx="16" ry="3" fill="#e0f0ec" opacity="0.6" filter="%s"/>' % (
        2 * horizon - 112, p.blur(1.5)))
    p.add('<ellipse cx="215" cy="%d" rx="9" ry="1.2" fill="#ffffff" opacity="0.7"/>' % (2 * horizon - 112 + 6))
    # Reeds and tussocks in the near water; wisps of cold light.
    for _ in range(70):
        x = rng.uniform(0, 300)
        y = rng.uniform(250, 305)
        p.add('<path d="M%.1f,%.1f q%.1f,%.1f %.1f,%.1f" stroke="#010203" stroke-width="%.1f" fill="none"/>' % (
            x, y, rng.uniform(-3, 3), -15, rng.uniform(-5, 5), -rng.uniform(18, 50), rng.uniform(1, 2.2)))
    for _ in range(5):
        x, y = rng.uniform(90, 290), rng.uniform(185, 240)
        p.light_pool(x, y, 9, "#b0fff0", 0.7)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#e0fff8"/>' % (x, y, rng.uniform(1.0, 1.8)))
        p.add('<ellipse cx="%.1f" cy="%.1f" rx="6" ry="1" fill="#b0fff0" opacity="0.3"/>' % (x, 2 * 0 + y + 14))
    p.fog(160, 200, "#4a6a70", 0.3)


def seldyr(p):
    """The last port of the old kingdom: harbour wall, a lighthouse, moored ships, moonlight on the sea."""
    rng = p.rng
    mx, my = 180, 80
    p.sky([(0, "#02040c", 1), (0.55, "#0c1a3a", 1), (1, "#2a4a78", 1)], moon=(mx, my), glow="#c8d8ff", clouds=0.5)
    p.moon(mx, my, 22)
    horizon = 180
    p.add('<rect y="%d" width="300" height="%d" fill="%s"/>' % (horizon, 300 - horizon, p.linear(
        [(0, "#1e3058", 1), (1, "#040814", 1)])))
    # The moon's road on the water, broken into glints.
    for i in range(70):
        y = horizon + 2 + (i / 70.0) ** 1.6 * 115
        spread = 6 + (y - horizon) * 0.5
        x = mx + rng.uniform(-spread, spread)
        ln = 2 + (y - horizon) * 0.12
        p.add('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#e8f0ff" opacity="%.2f"/>' % (
            x - ln / 2, y, ln, 0.6 + (y - horizon) * 0.012, rng.uniform(0.35, 0.9)))
    # Far headland, the lighthouse on it.
    p.add('<path d="M190,182 C220,170 250,160 310,164 V184 H190 Z" fill="#0c1428"/>')
    brick_tower(p, 262, 166, 10, 52, "#3a4458", None, RIM, cap="cone", cap_fill="#1a1e28", windows=())
    p.add('<g filter="%s"><rect x="259" y="117" width="6" height="5" fill="#fff0b0"/></g>' % p.bloom(4))
    p.add('<path d="M262,120 L160,104 L160,134 Z" fill="#fff0c0" opacity="0.12"/>')
    # The old town on the left shore: stepped roofs, a domed hall.
    town = "M-5,230 V168 h20 v-10 h16 v14 h14 v-22 l8,-6 l8,6 v20 h14 v-8 h18 v24 h10 V230 Z"
    p.shape(town, "#141c30", p.relief(0.14, 3, azimuth=160, scale=2), RIM, rim_dx=2, rim_dy=1, rim_opacity=0.5)
    p.add('<path d="M40,150 a13,13 0 0 1 26,0 Z" fill="#141c30"/>')
    for wx, wy in [(8, 182), (22, 176), (48, 170), (62, 180), (86, 186), (100, 190)]:
        p.add('<rect x="%d" y="%d" width="3" height="5" fill="#ffc060" filter="%s"/>' % (wx, wy, p.bloom(1.5)))
    # The harbour wall and two moored ships with their masts.
    p.shape("M-5,300 V236 L120,228 L170,232 L170,246 L110,244 L110,300 Z", "#1a2236",
            p.relief(0.1, 3, azimuth=160, scale=3), RIM, rim_dx=1.5, rim_dy=2)
    for sx, base, s in [(200, 246, 1.0), (140, 212, 0.55)]:
        hull = "M%.1f,%.1f h%.1f l%.1f,%.1f h%.1f Z" % (sx - 40 * s, base - 12 * s, 84 * s, -8 * s, 16 * s, -62 * s)
        p.shape(hull, "#0a0e18", None, RIM, rim_dx=0, rim_dy=1.5)
        rig = "M%.1f,%.1f V%.1f M%.1f,%.1f V%.1f M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f" % (
            sx - 12 * s, base - 12 * s, base - 90 * s, sx + 16 * s, base - 12 * s, base - 74 * s,
            sx - 40 * s, base - 14 * s, sx - 12 * s, base - 90 * s, sx + 36 * s, base - 14 * s)
        p.add('<path d="%s" stroke="#0a0e18" stroke-width="%.1f" fill="none"/>' % (rig, 1.8 * s))
        p.add('<path d="M%.1f,%.1f h%.1f M%.1f,%.1f h%.1f" stroke="#0a0e18" stroke-width="%.1f"/>' % (
            sx - 24 * s, base - 70 * s, 24 * s, sx + 6 * s, base - 58 * s, 20 * s, 1.5 * s))
        p.add('<path d="M%.1f,%.1f h%.1f l-4,%.1f h%.1f Z" fill="#c8d0e0" opacity="0.55"/>' % (
            sx - 24 * s, base - 68 * s, 22 * s, 30 * s, -18 * s))
    # A lantern on the quay.
    p.add('<path d="M60,228 V206" stroke="#05070c" stroke-width="2"/>')
    p.add('<circle cx="60" cy="204" r="2.5" fill="#ffc060" filter="%s"/>' % p.bloom(3))
    p.light_pool(60, 210, 30, "#ffa040", 0.3)


def shateath(p):
    """A storm bound over a sorcerers' tower on a crag: lightning, a vortex of cloud, rain."""
    rng = p.rng
    p.sky([(0, "#030208", 1), (0.5, "#14122a", 1), (1, "#2a2840", 1)], moon=(160, 60), glow="#c0b0ff", glow_r=170,
          clouds=0.8, cloud_col=("#b0a8e0", "#1a1830"), cloud_freq="0.012 0.02", stars=0)
    # The vortex: rings of cloud spiralling over the tower.
    for i in range(6):
        r = 30 + i * 22
        p.add('<ellipse cx="160" cy="60" rx="%d" ry="%d" fill="none" stroke="#8878c8" stroke-width="%d" opacity="%.2f" '
              'stroke-dasharray="%d %d" transform="rotate(%d 160 60)" filter="%s"/>' % (
                  r * 1.6, r * 0.5, 10 - i, 0.3 - i * 0.03, r * 2, r, -8 + i * 3, p.blur(3)))
    # Lightning from the vortex into the tower's top.
    bolt = [(160, 62)]
    x, y = 160, 62
    while y < 108:
        x += rng.uniform(-8, 8)
        y += rng.uniform(6, 12)
        bolt.append((x, y))
    bolt[-1] = (168, 110)
    path = "M" + " L".join("%.1f,%.1f" % q for q in bolt)
    p.add('<path d="%s" stroke="#e8e0ff" stroke-width="3" fill="none" filter="%s"/>' % (path, p.bloom(5)))
    p.add('<path d="%s" stroke="#ffffff" stroke-width="1.2" fill="none"/>' % path)
    fork = [(bolt[3][0], bolt[3][1])]
    for _ in range(5):
        fork.append((fork[-1][0] + rng.uniform(-16, -4), fork[-1][1] + rng.uniform(8, 16)))
    p.add('<path d="M%s" stroke="#d0c8ff" stroke-width="1.5" fill="none" filter="%s"/>' % (
        " L".join("%.1f,%.1f" % q for q in fork), p.bloom(3)))
    d, _ = p.ridge(225, 22, seed=13)
    p.shape(d, "#1a1828")
    p.fog(190, 240, "#4a4470", 0.35)
    # The crag and the tower: a thin spire with a glowing orb.
    crag = "M100,310 L110,240 L128,214 L140,204 L196,206 L208,222 L226,250 L236,310 Z"
    p.shape(crag, "#262434", p.relief(0.06, 3, azimuth=90, elevation=40, scale=5, strength=1.6), "#d8d0ff", rim_dx=0, rim_dy=3)
    brick_tower(p, 168, 208, 22, 90, "#3a3850", p.relief(0.2, 3, azimuth=90, scale=2), "#e0d8ff", cap="crown",
                windows=[(0, 0.55, 5, 9), (0, 0.25, 4, 7)], lit="#d0c0ff")
    p.add('<circle cx="168" cy="110" r="6" fill="#f0e8ff" filter="%s"/>' % p.bloom(6))
    # A second, smaller tower on a far crag: the other wizards of the storm.
    brick_tower(p, 52, 222, 12, 50, "#2a2840", None, "#d8d0ff", cap="cone", windows=[(0, 0.6, 3, 5)], lit="#d0c0ff")
    # Rain slanting across.
    rain = ""
    for _ in range(160):
        x, y = rng.uniform(-20, 300), rng.uniform(0, 300)
        rain += "M%.1f,%.1f l-4,14 " % (x, y)
    p.add('<path d="%s" stroke="#b8b0e0" stroke-width="0.6" opacity="0.35"/>' % rain)
    d, _ = p.ridge(286, 8, seed=23)
    p.shape(d, "#07060c")


def blythe(p):
    """A quiet valley: a river winding between hills to the tall white tower of the Council."""
    rng = p.rng
    mx, my = 236, 50
    p.sky([(0, "#020510", 1), (0.55, "#0e1e40", 1), (1, "#385a86", 1)], moon=(mx, my), glow="#d0e0ff", clouds=0.4,
          cloud_freq="0.008 0.03")
    p.moon(mx, my, 15)
    # Mountains either side, snow catching the moon.
    for side, seed in ((0, 3), (1, 5)):
        xs = (-10, 152) if side == 0 else (148, 310)
        d, top = p.ridge(150, 40, seed=seed, x0=xs[0], x1=xs[1], rough=0.55)
        p.shape(d, "#2a3856", p.relief(0.05, 3, azimuth=90, elevation=30, scale=5), "#e8f0ff", rim_dx=0, rim_dy=3)
    p.fog(130, 200, "#6a80b0", 0.45)
    # The tall tower of the last of the Council: pale stone, a glowing crown of magic.
    brick_tower(p, 150, 190, 20, 108, "#a8b4cc", p.relief(0.2, 3, azimuth=90, scale=2), "#ffffff", cap="cone",
                cap_fill="#4a5878", windows=[(0, 0.7, 4, 8), (0, 0.45, 4, 8), (0, 0.2, 4, 7)], lit="#c0f0ff")
    p.add('<circle cx="150" cy="70" r="3" fill="#e0f8ff" filter="%s"/>' % p.bloom(5))
    p.light_pool(150, 100, 50, "#9fe0ff", 0.25)
    # Rolling valley floor and the river curling toward the tower.
    for i, (y, col) in enumerate([(196, "#1a2840"), (226, "#101a2c"), (262, "#0a101c")]):
        d, _ = p.ridge(y, 10, seed=40 + i, rough=0.45, steps=6)
        p.shape(d, col, p.relief(0.05, 3, azimuth=90, scale=2), "#c8d8ff", rim_dx=0, rim_dy=2, rim_opacity=0.35)
    # The river winding down the valley from the tower's foot toward us.
    left, right = [], []
    for j in range(41):
        t = j / 40.0
        y = 192 + 112 * t ** 1.5
        cx = 150 + 30 * math.sin(t * 5.0) * t
        half = 1.2 + 34 * t ** 2
        left.append((cx - half, y))
        right.append((cx + half, y))
    p.add('<path d="%s" fill="%s"/>' % (poly(left + right[::-1]), p.linear([(0, "#d8e4ff", 1), (0.5, "#6a80b0", 1),
                                                                         (1, "#24304c", 1)])))
    p.add('<path d="%s" fill="none" stroke="#0a101c" stroke-width="1.2" opacity="0.7"/>' % poly(left + right[::-1]))
    # Cypress trees along the near bank.
    for x, hh in [(30, 70), (48, 52), (246, 64), (264, 84), (282, 56)]:
        p.shape("M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (
            x - 7, 292, x - 9, 292 - hh * 0.5, x - 2, 292 - hh * 0.9, x, 292 - hh, x + 2, 292 - hh * 0.9, x + 9, 292 - hh * 0.5,
            x + 7, 292), "#050a10", None, "#c8d8ff", rim_dx=0.8, rim_dy=1.2, rim_opacity=0.5)
    _grass(p, 286, 302, "#03060a", 60, rng, 8)


PAINTERS = [gorg_nakath, chada_gorth, grage, long_fade, malice, orth_nyra, nihil_urb_ea, gorthin, seldyr, shateath, blythe]


def place_picture(w, h, k):
    """The picture of place k (1..11)."""
    p = Painter(w, h, 700 + k)
    PAINTERS[k - 1](p)
    p.vignette(0.6)
    p.grain(0.1)
    return p.svg()
