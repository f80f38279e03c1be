"""art_places.py -- the eleven place pictures of the level screen, one scene per place.

Each follows its briefing: the walled hills of Gorg Na'kath, the dead border tree of Cha'da
Gorth, the graves of Grage, the grey mists of the Long Fade, the thieves' roofs of Malice, the
rusted engines of Orth Nyra, the beast bones of Nihil Urb E'a, the black marsh of Gorthin, the
port of Seldyr, the storm-bound towers of Sha'teath and the quiet valley of Blythe.
"""
import math
import random
import re

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



def _grass(p, y0, y1, fill, n, rng, hmax=8):
    d = ""
    for _ in range(n):
        x, y = rng.uniform(0, p.w), rng.uniform(y0, y1)
        hh = rng.uniform(hmax * 0.4, hmax) * (0.5 + (y - y0) / max(1, y1 - y0))
        lean = rng.uniform(-3, 3)
        d += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z " % (
            x, y, lean * 0.3, -hh * 0.6, lean, -hh, -lean * 0.5, hh * 0.5, 1.6 - lean, hh)
    p.add('<path d="%s" fill="%s"/>' % (d, fill))


def _oak(p, x, base, rng, light=(1, -1)):
    """A broad oak: a flared, bark-ridged trunk forking into limbs under a crown of leaf clumps,
    each clump dark at its heart and catching the moon on the side that faces it."""
    lx, ly = light
    # Trunk and limbs: one tapered path, the roots spread into the grass.
    trunk = ("M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x - 26, base + 4, x - 14, base - 2, x - 9, base - 10, x - 9, base - 30) +
             "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x - 9, base - 52, x - 12, base - 66, x - 30, base - 92) +
             "L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x - 26, base - 96, x - 10, base - 78, x - 4, base - 74, x - 2, base - 100) +
             "L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x + 4, base - 100, x + 5, base - 80, x + 12, base - 74, x + 32, base - 94) +
             "L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (x + 35, base - 90, x + 14, base - 66, x + 9, base - 52, x + 9, base - 30) +
             "C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (x + 9, base - 10, x + 16, base - 2, x + 28, base + 4))
    bark = p.relief("0.35 0.05", 3, azimuth=315, elevation=40, scale=3, strength=1.6)
    p.shape(trunk, "#2a2a30", bark, RIM, rim_dx=-1.2, rim_dy=1.2, rim_soft=0.6, rim_opacity=0.45)
    p.add('<path d="%s" fill="%s"/>' % (trunk, p.linear([(0, "#000", 0.75), (0.6, "#000", 0.35), (1, "#000", 0.05)],
                                                          0, 0, 1, 0)))
    # Crown: clumps from the back of the tree to the front, the back ones darker.
    clumps = [(-50, -108, 27), (46, -114, 28), (-4, -136, 33), (-34, -90, 24), (30, -88, 24),
              (-66, -86, 18), (62, -92, 18), (6, -104, 27)]
    leaf = p.noise_mask("0.22", octaves=2, gain=3.0, bias=-0.9)
    for i, (dx, dy, r) in enumerate(clumps):
        cx, cy = x + dx, base + dy
        back = i < 3
        dark, mid, lit = ("#060b0c", "#15222a", "#5d7396") if back else ("#07100e", "#1c2c30", "#7d93ba")
        body, mids, tops = "", "", ""
        for _ in range(int(r * 3.2)):
            a, d = rng.uniform(0, 6.283), r * math.sqrt(rng.random())
            px, py = cx + d * math.cos(a) * 1.15, cy + d * math.sin(a) * 0.85
            body += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (px, py, rng.uniform(3, 6.5))
            # Leaves on the moon's side of the clump take the light.
            facing = ((px - cx) * lx + (py - cy) * ly) / max(1.0, r)
            if facing > -0.1:
                mids += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (px, py, rng.uniform(2.5, 5))
            if facing > 0.45:
                tops += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (px, py, rng.uniform(1.5, 3.2),
                                                                               rng.uniform(1.0, 2.2))
        p.add('<g fill="%s">%s</g>' % (dark, body))
        p.add('<g fill="%s" filter="%s">%s</g>' % (mid, leaf, mids))
        p.add('<g fill="%s" opacity="0.75" filter="%s">%s</g>' % (lit, leaf, tops))
        # Ragged leaf edge, so the clump does not end in a clean circle.
        edge = ""
        for _ in range(int(r * 1.4)):
            a = rng.uniform(0, 6.283)
            edge += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (cx + r * 1.1 * math.cos(a), cy + r * 0.85 * math.sin(a),
                                                                 rng.uniform(1.2, 2.6))
        p.add('<g fill="%s">%s</g>' % (dark, edge))
    # A few limbs show through the gaps of the crown.
    for dx, dy, ex, ey in [(-4, -74, -30, -112), (6, -76, 30, -118), (0, -90, 2, -130)]:
        p.add('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f" stroke="#1a1c22" stroke-width="2.4" fill="none" '
              'stroke-linecap="round" opacity="0.9"/>' % (x + dx, base + dy, x + (dx + ex) / 2 + 6, base + (dy + ey) / 2,
                                                          x + ex, base + ey))


def _old_wall(p, rng, x0, x1, base_y, gaps, gate=None):
    """An old curtain wall with thickness: a moonlit wall-walk on top, merlons, a coursed front face in
    shadow, broken ends that show the rubble core, and its shadow on the hill."""
    tx, ty = 5.0, -4.0      # the wall's depth, seen from a little above
    fronts, tops, ends, merl_f, merl_t = [], [], [], [], []
    x = x0
    while x < x1:
        seg = rng.uniform(26, 42)
        if any(a < x < b for a, b in gaps):
            x += 10
            continue
        xa, xb = x, min(x + seg, x1)
        h = 20 if gate and xa <= gate[0] <= xb else rng.uniform(13, 22)
        ya, yb = base_y(xa), base_y(xb)
        # The top steps down where the stone has fallen.
        n = 4
        top = [(xa + (xb - xa) * i / n, base_y(xa + (xb - xa) * i / n) - h + (rng.uniform(0, 5) if i in (0, n) else rng.uniform(0, 1.5)))
               for i in range(n + 1)]
        fronts.append(poly([(xa, ya + 14)] + top + [(xb, yb + 14)]))
        tops.append(poly(top + [(px + tx, py + ty) for px, py in reversed(top)]))
        # Broken ends: the side of the wall and its rubble core.
        for ex, ey, sgn in ((xa, top[0][1], -1), (xb, top[-1][1], 1)):
            by = base_y(ex) + 14
            ends.append(poly([(ex, ey), (ex + tx, ey + ty), (ex + tx + sgn * rng.uniform(0, 2), by + ty), (ex, by)]))
        # Merlons along the outer edge of the wall-walk.
        mx = xa + 3
        while mx < xb - 6:
            t = (mx - xa) / max(1, xb - xa)
            my = top[0][1] + (top[-1][1] - top[0][1]) * t
            if rng.random() < 0.75:
                mh = rng.uniform(4, 6)
                merl_f.append("M%.1f,%.1f h5 v%.1f h-5 Z" % (mx, my + 0.5, -mh))
                merl_t.append(poly([(mx, my - mh), (mx + 5, my - mh), (mx + 5 + tx * 0.5, my - mh + ty * 0.5),
                                    (mx + tx * 0.5, my - mh + ty * 0.5)]))
            mx += 9
        x += seg + (rng.uniform(6, 14) if rng.random() < 0.3 else 0)
    # Shadow cast toward the viewer (the moon stands behind the wall).
    shadow = " ".join(fronts)
    p.add('<path d="%s" fill="#000" opacity="0.55" transform="translate(-3,8)" filter="%s"/>' % (shadow, p.blur(3)))
    stone = p.relief("0.09 0.16", 4, azimuth=300, elevation=30, scale=3.5, strength=1.7)
    p.shape(" ".join(ends), "#20242e", stone)
    p.shape(" ".join(tops), "#7c88a4", stone, RIM, rim_dx=-1.0, rim_dy=1.5, rim_soft=0.5, rim_opacity=0.8)
    p.shape(" ".join(fronts), "#363d4e", stone)
    # Courses of squared stone on the face, and the face darkening toward its foot.
    cid = p.uid("wf")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, " ".join(fronts)))
    lines = ""
    for row in range(10):
        y0 = 190 + row * 4.4
        lines += "M%.1f,%.1f L%.1f,%.1f " % (x0, y0, x1, y0)
    courses = '<path d="%s" stroke="#12151c" stroke-width="0.9" fill="none"/>' % lines
    blocks = ""
    for row in range(10):
        y0 = 190 + row * 4.4
        off = rng.uniform(0, 9)
        xx = x0 + off
        while xx < x1:
            blocks += "M%.1f,%.1f v4.4 " % (xx, y0)
            xx += rng.uniform(6, 11)
    courses += '<path d="%s" stroke="#12151c" stroke-width="0.8" fill="none"/>' % blocks
    # The courses follow the slope of the hill.
    bend = p.displace("wb", 2.5, "0.02 0.05", 7, 1, 5)
    p.add('<g clip-path="url(#%s)"><g filter="%s" opacity="0.8">%s</g>'
          '<rect x="0" y="180" width="300" height="80" fill="%s"/></g>' % (
              cid, bend, courses, p.linear([(0, "#000", 0.0), (0.55, "#000", 0.1), (1, "#000", 0.6)],
                                            user=(0, 200, 0, 260))))
    p.shape(" ".join(merl_f), "#363d4e", stone)
    p.shape(" ".join(merl_t), "#8a96b2", None)
    if gate:
        gx, gw, gh = gate
        p.add('<path d="%s" fill="#05070c"/>' % arch_window(gx, base_y(gx) + 14 - gh, gw, gh))
        p.add('<path d="%s" fill="none" stroke="#5a6480" stroke-width="1.2"/>' % arch_window(
            gx - 1.5, base_y(gx) + 14 - gh - 1.5, gw + 3, gh + 1.5))


def gorg_nakath(p):
    """Hills, and behind old walls the first weak mage's tower; an old oak keeps the near hill."""
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
    brick_tower(p, 150, 200, 26, 88, "#4a5166", p.relief(0.18, 3, azimuth=300, scale=3), RIM, cap="crown",
                windows=[(0.0, 0.55, 6, 10), (0.0, 0.2, 5, 8)])
    # The near hill the wall runs over.
    d, _ = p.ridge(236, 12, seed=21, rough=0.5)
    p.shape(d, "#0b1018", p.relief(0.08, 3, azimuth=300, scale=2), RIM, rim_dx=-1.5, rim_dy=1.5, rim_opacity=0.35)
    _old_wall(p, rng, 88, 308, lambda x: 222 + 9 * math.sin(x / 48.0), gaps=[(196, 214)], gate=(136, 15, 19))
    # The wall's foot sinks into the turf of the hill.
    p.add('<rect y="236" width="300" height="64" fill="%s"/>' % p.linear([(0, "#0b1018", 0), (0.35, "#090d14", 0.9),
                                                                          (1, "#04060a", 1)]))
    # A worn track from the gate down the hill, pale where the moon finds it.
    track = "M141,238 C150,254 170,268 196,302 L248,302 C206,270 166,252 152,238 Z"
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (track, p.linear([(0, "#2a3142", 1), (1, "#141a24", 1)]),
                                                    p.relief("0.04 0.2", 3, azimuth=300, scale=2)))
    _grass(p, 256, 302, "#03060a", 140, rng, 10)
    _oak(p, 54, 284, rng)


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


def _road(p, pts_fn, n=40):
    """A road as a polygon from a centre line and half width sampled along t (0 far .. 1 near)."""
    left, right = [], []
    for i in range(n + 1):
        t = i / n
        cx, cy, hw = pts_fn(t)
        left.append((cx - hw, cy))
        right.append((cx + hw, cy))
    return poly(left + list(reversed(right)))


def long_fade(p):
    """The grey north: a pale road winding into banks of mist, a witch walking it alone, dead trees
    fading plane by plane to nothing under a halo-ringed moon."""
    rng = p.rng
    mx, my = 196, 78
    p.sky([(0, "#14171e", 1), (0.45, "#3e4550", 1), (0.68, "#8a929e", 1), (1, "#a8aeb8", 1)], moon=(mx, my),
          glow="#e8ecf4", glow_r=190, clouds=0.5, cloud_col=("#c8ced8", "#3a404a"), cloud_freq="0.004 0.03", stars=0)
    p.moon(mx, my, 15, light="#f0f0ec", dark="#b8bcc4", halo=4)
    p.add('<circle cx="%d" cy="%d" r="40" fill="none" stroke="#e8ecf4" stroke-width="2" opacity="0.18" filter="%s"/>'
          % (mx, my, p.blur(1.5)))
    # Plane upon plane, each further one paler and softer: the mist eats the land.
    planes = [(176, 8, 3, "#8d95a2", 5, (18, 26)), (190, 10, 9, "#727a88", 6, (26, 40)), (206, 8, 12, "#545c68", 3, (44, 64))]
    for j, (y, amp, seed, col, ntree, hr) in enumerate(planes):
        d, _ = p.ridge(y, amp, seed=seed)
        p.shape(d, col)
        for k in range(ntree):
            tx = rng.uniform(0, 300)
            if 110 < tx < 190 and j == 2:
                tx += 90
            sub = Painter(p.w, p.h, seed * 10 + k)
            _tree(sub, tx, y + rng.uniform(-2, 3), rng.uniform(*hr), col, random.Random(seed * 10 + k), spread=0.5,
                  depth=5, lean=rng.uniform(-0.15, 0.15))
            p.add("".join(sub.body))
        # A bank of mist in front of each plane, torn by noise and lit from above.
        p.fog(y - 22, y + 14, "#c4cad4", 0.55 - 0.08 * j, freq="%.3f %.3f" % (0.006 + 0.004 * j, 0.05 + 0.02 * j))
    # The road, winding from the near ground into the mist.
    def centre(t):
        y = 196 + 104 * t ** 1.6
        x = 150 + 26 * math.sin(t * 3.4 + 0.4) * t + 6 * (1 - t)
        return x, y, 1.2 + 46 * t ** 1.5
    road = _road(p, centre)
    p.add('<path d="%s" fill="%s"/>' % (road, p.linear([(0, "#aab0ba", 1), (0.4, "#8e959f", 1), (1, "#50565f", 1)],
                                                       user=(0, 196, 0, 300))))
    p.add('<path d="%s" fill="#1a1d22" opacity="0.5" filter="%s"/>' % (road, p.relief("0.05 0.3", 3, azimuth=290, scale=2)))
    # Wheel ruts.
    for side in (-0.45, 0.45):
        rut = " ".join("%s%.1f,%.1f" % ("M" if i == 0 else "L", centre(i / 30)[0] + side * centre(i / 30)[2],
                                       centre(i / 30)[1]) for i in range(6, 31))
        p.add('<path d="%s" stroke="#2a2e35" stroke-width="1.3" fill="none" opacity="0.6"/>' % rut)
    # Waymark posts, shrinking and greying with distance.
    for i in range(7):
        t = 0.12 + i * 0.13
        cx, cy, hw = centre(t)
        s = t ** 1.5
        col = "#%02x%02x%02x" % (int(128 - 104 * s), int(134 - 108 * s), int(144 - 114 * s))
        x = cx + hw + 4 + 6 * s
        p.add('<path d="M%.1f,%.1f l%.1f,%.1f h%.1f l%.1f,%.1f Z" fill="%s"/>' % (
            x, cy, 0.6 * s, -44 * s - 3, 2.8 * s + 0.9, 0.4 * s, 44 * s + 3, col))
    # The witch on the road, walking away from us into the mist, her staff in her right hand.
    wx, wy = centre(0.62)[0] - 4, centre(0.62)[1]
    _witch(p, wx, wy, 58)
    # A low drift of mist across the road behind and about her hem.
    p.fog(wy - 12, wy + 6, "#c8ced8", 0.25, freq="0.012 0.09")
    # The near bank: a dark, reed-grown lip of ground cut by the frame, and a leaning old post.
    for pts_ in ([(-10, 266), (30, 264), (62, 270), (90, 282), (104, 296), (108, 310), (-10, 310)],
                 [(310, 262), (272, 266), (244, 276), (226, 290), (220, 310), (310, 310)]):
        bank = "M" + " ".join("%.1f,%.1f" % q for q in pts_) + " Z"
        p.shape(bank, "#16181d", p.relief(0.06, 3, azimuth=300, scale=2), "#dfe4ec", rim_dx=-1, rim_dy=1.5,
                rim_opacity=0.45)
    reeds = ""
    for _ in range(90):
        x = rng.uniform(-5, 305)
        if 104 < x < 222:
            continue
        y = rng.uniform(274, 305)
        reeds += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f " % (x, y, rng.uniform(-4, 4), -20, rng.uniform(-7, 7), -rng.uniform(28, 62))
    p.add('<path d="%s" stroke="#0c0d10" stroke-width="1.4" fill="none"/>' % reeds)
    post = "M8,304 L20,196 L28,197 L20,304 Z M23,206 L50,199 L56,203 L51,207 L23,214 Z"
    p.shape(post, "#101216", p.relief("0.4 0.05", 2, azimuth=300, scale=2), "#dfe4ec", rim_dx=-1.2, rim_dy=1,
            rim_soft=0.4, rim_opacity=0.7)
    p.fog(268, 310, "#b0b8c4", 0.22, freq="0.01 0.08")


def _witch(p, x, base, h):
    """A hooded, cloaked walker seen from behind: pointed hood, shoulders, the hem blown back,
    her right arm out to a tall staff."""
    u = h / 100
    def pt(a, b):
        return "%.1f,%.1f" % (x + a * u, base - b * u)
    cloak = ("M" + pt(-19, 0) + " C" + pt(-17, 30) + " " + pt(-18, 56) + " " + pt(-15, 70) +
             " C" + pt(-13, 78) + " " + pt(-10, 80) + " " + pt(-8, 82) +           # left shoulder
             " C" + pt(-10, 90) + " " + pt(-6, 100) + " " + pt(2, 112) +            # hood, drawn to a point
             " C" + pt(8, 104) + " " + pt(10, 94) + " " + pt(8, 83) +
             " C" + pt(12, 80) + " " + pt(16, 78) + " " + pt(18, 74) +              # right shoulder
             " L" + pt(26, 60) + " L" + pt(29, 61) + " L" + pt(30, 56) + " L" + pt(24, 54) +   # arm and hand
             " L" + pt(19, 62) +
             " C" + pt(20, 40) + " " + pt(26, 16) + " " + pt(36, -1) +              # hem blown back
             " L" + pt(18, 2) + " L" + pt(6, -1) + " Z")
    staff = "M" + pt(26, -4) + " L" + pt(28.5, 118) + " L" + pt(31.5, 118) + " L" + pt(29, -4) + " Z"
    p.add('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="#1e2126" opacity="0.45" filter="%s"/>' % (
        x + 6 * u, base + 1, 28 * u, 4 * u, p.blur(2)))
    p.shape(staff, "#15171b", None, "#eef0f4", rim_dx=-0.8, rim_dy=0.8, rim_soft=0.3, rim_opacity=0.8)
    p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#15171b"/>' % (x + 30 * u, base - 120 * u, 3 * u))
    fold = p.relief("0.02 0.18", 2, azimuth=300, scale=2, strength=1.4)
    p.shape(cloak, "#1c1f25", fold, "#eef0f4", rim_dx=-1.2, rim_dy=1.2, rim_soft=0.4, rim_opacity=0.75)
    # A fold down the back, and the hem lightening where the mist takes it.
    p.add('<path d="M%s Q%s %s" stroke="#0c0e11" stroke-width="%.1f" fill="none" opacity="0.7"/>' % (
        pt(1, 84), pt(-2, 40), pt(4, 2), 1.6 * u))
    p.add('<path d="%s" fill="%s"/>' % (cloak, p.linear([(0, "#a8b0bc", 0), (0.75, "#a8b0bc", 0), (1, "#a8b0bc", 0.4)],
                                                        user=(0, base - h, 0, base))))


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
    """The still black marsh: drowned trees black against a moonlit sky, mirrored in the water with
    the moon's broken path, a signal fire on the watch tower and pale lights drifting low."""
    rng = p.rng
    mx, my = 196, 92
    horizon = 178
    p.sky([(0, "#02050a", 1), (0.35, "#0a1c24", 1), (0.6, "#1f4448", 1), (1, "#5e9290", 1)], moon=(mx, my),
          glow="#c0e8e0", glow_r=200, clouds=0.55, cloud_col=("#a0c8c4", "#0c1c22"), stars=70, star_max=120)
    p.moon(mx, my, 21, light="#f0faf6", dark="#a8bcb8")
    # The far shore: a low, ragged line of swamp wood along the horizon.
    d, far_pts = p.ridge(horizon - 5, 5, seed=4)
    crowns = ""
    for _ in range(46):
        x = rng.uniform(-5, 305)
        hh = rng.uniform(5, 16)
        crowns += "M%.1f,%.1f l%.1f,%.1f l%.1f,%.1f Z " % (x - 4, horizon, 4 + rng.uniform(-1, 1), -hh, 4, hh)
    far = d + " " + crowns
    p.shape(far, "#163032")
    p.fog(horizon - 20, horizon + 2, "#8ab8b4", 0.45, freq="0.01 0.1")
    # Sky-side scene: the watch tower with its signal fire (word sent to the others) and the trees.
    scene = Painter(p.w, p.h, 88)
    scene.n = 10000         # its own ids, clear of the main picture's
    brick_tower(scene, 64, horizon + 1, 14, 54, "#1c2a2e", None, "#9ad0cc", cap=None, windows=())
    scene.add('<path d="M56,%d h16 l3,-5 h-22 Z" fill="#1c2a2e"/>' % (horizon - 53))
    trees = [(150, 46, 5, 0.0, "#0e1a1c"), (112, 34, 9, 0.1, "#12201f"), (232, 58, 14, -0.08, "#0a1416")]
    for i, (x, hh, sd, lean, col) in enumerate(trees):
        sub = Painter(p.w, p.h, sd)
        sub.n = 20000 + 1000 * i
        _tree(sub, x, horizon + 2, hh, col, random.Random(sd), spread=0.5, depth=5, rim="#4a7c7a", lean=lean)
        scene.body.extend(sub.body)
        scene.defs.extend(sub.defs)
    p.defs.extend(scene.defs)
    p.add("".join(scene.body))
    p.add('<g filter="%s"><ellipse cx="64" cy="%d" rx="5" ry="8" fill="#ffb040"/><ellipse cx="64" cy="%d" rx="2.5" '
          'ry="4" fill="#fff0b0"/></g>' % (p.bloom(4), horizon - 64, horizon - 62))
    p.light_pool(64, horizon - 62, 42, "#ff9030", 0.4)
    # The water holds the sky: bright under the horizon, black at our feet.
    water = p.linear([(0, "#4a7c7a", 1), (0.18, "#1c3a3e", 1), (0.55, "#081418", 1), (1, "#010204", 1)])
    p.add('<rect y="%d" width="300" height="%d" fill="%s"/>' % (horizon, 300 - horizon, water))
    ripple = p.uid("rip")
    p.define('<filter id="%s" x="0" y="0" width="100%%" height="100%%"><feTurbulence type="fractalNoise" baseFrequency="0.004 0.22" '
             'numOctaves="2" seed="3" result="t"/><feDisplacementMap in="SourceGraphic" in2="t" scale="7" xChannelSelector="R" '
             'yChannelSelector="G"/></filter>' % ripple)
    refl = ('<g transform="translate(0,%d) scale(1,-1)">' % (2 * horizon) +
            '<g filter="%s"><ellipse cx="64" cy="%d" rx="5" ry="8" fill="#ffb040"/></g>' % (p.bloom(4), horizon - 64) +
            '<path d="%s" fill="#163032"/>' % far + "".join(scene.body) + "</g>")
    below = p.uid("wc")
    p.define('<clipPath id="%s"><rect y="%d" width="300" height="%d"/></clipPath>' % (below, horizon, 300 - horizon))
    p.add('<g clip-path="url(#%s)"><g filter="url(#%s)" opacity="0.7">%s</g></g>' % (below, ripple, refl))
    # Two great drowned trees stand in the near water, black against the bright sky, over their reflections.
    wl = horizon + 34
    near = Painter(p.w, p.h, 3)
    near.n = 30000
    for i, (x, hh, sd, lean) in enumerate([(28, 176, 3, 0.12), (272, 158, 8, -0.16)]):
        sub = Painter(p.w, p.h, sd)
        sub.n = 31000 + 1000 * i
        _tree(sub, x, wl, hh, "#020406", random.Random(sd), spread=0.5, depth=6, width=hh * 0.1, lean=lean)
        # Rim the edges that face the moon, whichever side of it the tree stands.
        d = re.search(r'd="([^"]*)"', sub.body[-1]).group(1)
        sub.body.pop()
        sub.shape(d, "#020406", None, "#9ad0cc", rim_dx=1.2 if x > mx else -1.2, rim_dy=0.8, rim_soft=0.4)
        near.body.extend(sub.body)
        near.defs.extend(sub.defs)
    p.defs.extend(near.defs)
    nb = p.uid("wc")
    p.define('<clipPath id="%s"><rect y="%d" width="300" height="%d"/></clipPath>' % (nb, wl, 300 - wl))
    p.add('<g clip-path="url(#%s)"><g filter="url(#%s)" opacity="0.6"><g transform="translate(0,%d) scale(1,-1)">%s'
          '</g></g></g>' % (nb, ripple, 2 * wl, "".join(near.body)))
    p.add("".join(near.body))
    for x in (28, 272):
        p.add('<ellipse cx="%d" cy="%d" rx="14" ry="2" fill="none" stroke="#7ab0ac" stroke-width="0.8" opacity="0.5"/>'
              % (x, wl))
    # The moon's path on the still water, broken into glints.
    glints = ""
    for i in range(18):
        y = horizon + 4 + i * 6.5 + rng.uniform(-1, 1)
        spread = 5 + i * 1.6
        for _ in range(2):
            gx = mx + rng.uniform(-spread, spread)
            glints += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (gx, y, rng.uniform(3, 7 + i * 0.5), 0.9)
    p.add('<g fill="#e8fff8" opacity="0.55" filter="%s">%s</g>' % (p.blur(0.6), glints))
    p.add('<ellipse cx="%d" cy="%d" rx="18" ry="3" fill="#e8fff8" opacity="0.5" filter="%s"/>' % (mx, horizon + 6, p.blur(2)))
    # The pale lights: bright, low over the water, each with its reflection.
    for x, y in [(104, 196), (134, 214), (178, 202), (214, 226), (160, 240), (246, 208)]:
        p.light_pool(x, y, 14, "#b0fff0", 0.55)
        p.add('<circle cx="%.1f" cy="%.1f" r="2.2" fill="#f0fffa" filter="%s"/>' % (x, y, p.bloom(1.8)))
        p.add('<ellipse cx="%.1f" cy="%.1f" rx="5" ry="1.2" fill="#b0fff0" opacity="0.45" filter="%s"/>' % (
            x, y + 10, p.blur(0.8)))
    # Near tussocks and reeds, black against the bright water.
    for x0, x1, y, sd in [(-10, 120, 284, 41), (200, 310, 288, 43)]:
        d, _ = p.ridge(y, 7, seed=sd, x0=x0, x1=x1, rough=0.7)
        # Round the mound's ends down into the water.
        d = d.replace("M%.1f,%.1f " % (x0, 310), "M%.1f,%.1f L%.1f,%.1f " % (x0 + 30, 310, x0 + 12, y + 10), 1)
        d = d.replace(" L%.1f,%.1f Z" % (x1, 310), " L%.1f,%.1f L%.1f,%.1f Z" % (x1 - 12, y + 10, x1 - 30, 310))
        p.shape(d, "#030607", None, "#7ab0ac", rim_dx=-0.8, rim_dy=1.2, rim_soft=0.5, rim_opacity=0.35)
    reeds = ""
    for _ in range(80):
        x = rng.uniform(0, 300)
        y = rng.uniform(262, 305)
        reeds += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f " % (x, y, rng.uniform(-3, 3), -15, rng.uniform(-5, 5), -rng.uniform(16, 48))
    p.add('<path d="%s" stroke="#020304" stroke-width="1.5" fill="none"/>' % reeds)
    p.fog(horizon - 6, horizon + 26, "#6a9a98", 0.3, freq="0.008 0.08")


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
