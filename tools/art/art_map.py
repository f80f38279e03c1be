"""art_map.py -- the campaign map of the level screen: the land in its night sea, a lake with a
natural shore, mountains and forests, the dotted road through the eleven places, and each name
set beside its place where the road does not run through it.

The level screen draws a skull over each place, a black briefing box at x 701..998, y 400..600
and the hovered place's picture at x 690..1010, y 340..660, so nothing of note is put there.
"""
import math
import random

from art_night import Painter, poly
from pictures_scenery import PLACES
from svgkit import SERIF

BRIEFING = (690, 340, 1010, 660)
CONTINUE = (424, 640, 600, 690)
TITLE = (780, 10, 1020, 120)
COMPASS = (860, 190, 980, 310)


def _blob(cx, cy, rx, ry, rng, n=96, rough=0.09, waves=(3, 5, 9, 17)):
    """A closed natural outline: an ellipse bent by a few waves of random phase and size."""
    phases = [(k, rng.uniform(0, 6.3), rng.uniform(0.3, 1.0) / (1 + i)) for i, k in enumerate(waves)]
    out = []
    for i in range(n):
        a = 2 * math.pi * i / n
        r = 1 + rough * sum(amp * math.sin(k * a + ph) for k, ph, amp in phases) + rng.uniform(-0.01, 0.01)
        out.append((cx + rx * r * math.cos(a), cy + ry * r * math.sin(a)))
    return out


def _smooth(points):
    n = len(points)
    d = "M%.1f,%.1f " % points[0]
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (c1 + c2 + p2)
    return d + "Z"


def _inside(pt, outline):
    x, y = pt
    hit = False
    for (x0, y0), (x1, y1) in zip(outline, outline[1:] + outline[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def road(centres):
    """The road through the places in order: its path and points sampled along it."""
    d = "M%d,%d " % centres[0]
    samples = []
    for (x0, y0), (x1, y1) in zip(centres, centres[1:]):
        mx, my = (x0 + x1) / 2 + (y1 - y0) * 0.15, (y0 + y1) / 2 - (x1 - x0) * 0.15
        d += "Q%.0f,%.0f %d,%d " % (mx, my, x1, y1)
        for i in range(41):
            t = i / 40.0
            samples.append(((1 - t) ** 2 * x0 + 2 * (1 - t) * t * mx + t * t * x1,
                            (1 - t) ** 2 * y0 + 2 * (1 - t) * t * my + t * t * y1))
    return d, samples


def label_width(name, size):
    return len(name) * size * 0.64 + 4


def place_labels(centres, samples, size=15):
    """Beside each place, the first spot (right, left, below, above, ...) that the road, the
    other names, the markers and the screen's own boxes leave free. Returns (x, y, anchor, box)."""
    taken = [(cx - 17, cy - 17, cx + 17, cy + 17) for cx, cy in centres]
    taken += [BRIEFING, CONTINUE, TITLE, COMPASS]
    out = []
    for (name, _, _), (cx, cy) in zip(PLACES, centres):
        wd = label_width(name, size)
        spots = [(cx + 20, cy + 5, "start"), (cx - 20, cy + 5, "end"), (cx, cy + 32, "middle"), (cx, cy - 22, "middle"),
                 (cx + 21, cy + 26, "start"), (cx - 21, cy + 26, "end"), (cx + 21, cy - 16, "start"),
                 (cx - 21, cy - 16, "end")]
        best = None
        for x, y, anchor in spots:
            x0 = x if anchor == "start" else (x - wd if anchor == "end" else x - wd / 2)
            box = (x0 - 3, y - size - 1, x0 + wd + 3, y + 5)
            if box[0] < 6 or box[2] > 1018 or box[1] < 6 or box[3] > 688:
                continue
            if any(box[0] < b[2] and b[0] < box[2] and box[1] < b[3] and b[1] < box[3] for b in taken):
                continue
            if any(box[0] - 3 < sx < box[2] + 3 and box[1] - 3 < sy < box[3] + 3 for sx, sy in samples):
                continue
            best = (x, y, anchor, box)
            break
        if best is None:
            raise ValueError("no free spot for the name of %s on the map" % name)
        taken.append(best[3])
        out.append(best)
    return out


def _mountain(p, x, y, s, rng):
    h = s * rng.uniform(1.1, 1.5)
    peak = (x + rng.uniform(-0.2, 0.2) * s, y - h)
    left = poly([(x - s, y), peak, (peak[0] + s * 0.1, y)])
    right = poly([(peak[0] + s * 0.1, y), peak, (x + s, y)])
    snow = poly([(peak[0] - s * 0.32, y - h * 0.66), peak, (peak[0] + s * 0.36, y - h * 0.62), (peak[0] + s * 0.1, y - h * 0.7),
                 (peak[0] - s * 0.1, y - h * 0.6)])
    return left, right, snow


def campaign_map(w, h):
    p = Painter(w, h, 3131)
    rng = p.rng
    centres = [(x + 15, y + 15) for _, x, y in PLACES]
    # The night sea, its swell, and a glow where the moon lies on it.
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear([(0, "#06122a", 1), (1, "#0e2448", 1)])))
    p.add('<rect width="%d" height="%d" fill="%s" opacity="0.35" filter="%s"/>' % (
        w, h, "#7aa0d8", p.noise_mask("0.01 0.06", 3, 2.2, -0.9)))
    p.light_pool(900, 250, 300, "#a8c0f0", 0.18)
    # The land: a natural coast round all the places.
    coast = _blob(440, 335, 470, 345, random.Random(11), n=140, rough=0.07, waves=(3, 5, 8, 13, 21, 34))
    coast = [(min(max(x, -30), 1000), min(max(y, -30), 720)) for x, y in coast]
    # A bay reaching up to Seldyr, the port of the southern shore.
    coast = [(x, y - max(0.0, 1 - ((x - 560) / 70.0) ** 2) * max(0.0, y - 612)) if y > 560 else (x, y) for x, y in coast]
    coast_d = _smooth(coast)
    p.add('<path d="%s" fill="none" stroke="#5a90b8" stroke-width="26" opacity="0.35" filter="%s"/>' % (coast_d, p.blur(8)))
    p.add('<path d="%s" fill="none" stroke="#9ac0d8" stroke-width="6" opacity="0.5" filter="%s"/>' % (coast_d, p.blur(2)))
    land = p.relief(0.012, 4, azimuth=225, elevation=40, scale=6, strength=1.3, base=0.5)
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (coast_d, p.radial(
        [(0, "#6a7048", 1), (0.6, "#4a5a34", 1), (1, "#3a4a2c", 1)], 440, 335, 520), land))
    # Regions: the grey north, the sands of the bones, the black marsh, the red engines.
    for cx, cy, rx, ry, col, op in [(600, 60, 220, 80, "#b8bcc4", 0.35), (390, 370, 90, 60, "#c8b078", 0.35),
                                   (450, 470, 80, 50, "#1a2a28", 0.45), (485, 300, 60, 40, "#8a4028", 0.3),
                                   (330, 80, 80, 50, "#3a4a40", 0.3), (230, 580, 110, 60, "#4a4060", 0.3)]:
        p.add('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="%s" opacity="%s" filter="%s"/>' % (
            cx, cy, rx, ry, col, op, p.blur(25)))
    p.add('<path d="%s" fill="none" stroke="#e8dca0" stroke-width="1.6" opacity="0.75"/>' % coast_d)
    # The inland lake: a natural shore with shallows and reeds.
    lake = _blob(612, 362, 60, 52, random.Random(5), n=80, rough=0.16, waves=(2, 3, 5, 7, 11))
    lake_d = _smooth(lake)
    p.add('<path d="%s" fill="none" stroke="#5a8aa8" stroke-width="10" opacity="0.5" filter="%s"/>' % (lake_d, p.blur(3)))
    p.add('<path d="%s" fill="%s"/>' % (lake_d, p.radial([(0, "#0a1a3a", 1), (0.7, "#12305a", 1), (1, "#3a6a8a", 1)],
                                                         612, 362, 70)))
    p.add('<path d="%s" fill="%s" opacity="0.4" filter="%s"/>' % (lake_d, "#8ab0d8", p.noise_mask("0.02 0.1", 2, 2.4, -1.0)))
    p.add('<path d="%s" fill="none" stroke="#e8dca0" stroke-width="1.2" opacity="0.7"/>' % lake_d)
    for _ in range(40):
        a = rng.uniform(0, 6.28)
        x, y = lake[int(a / 6.28 * len(lake)) % len(lake)]
        p.add('<path d="M%.1f,%.1f l%.1f,-5" stroke="#1a2a14" stroke-width="1"/>' % (x, y, rng.uniform(-1.5, 1.5)))
    d_road, samples = road(centres)
    labels = place_labels(centres, samples)
    keep_out = [b for *_, b in labels] + [BRIEFING, CONTINUE, TITLE, COMPASS]
    keep_out += [(cx - 24, cy - 24, cx + 24, cy + 24) for cx, cy in centres]

    def clear(x, y, r):
        if not _inside((x, y), coast) or math.hypot((x - 612) / 80.0, (y - 362) / 70.0) < 1:
            return False
        if any(b[0] - r < x < b[2] + r and b[1] - r < y < b[3] + r for b in keep_out):
            return False
        return all(math.hypot(x - sx, y - sy) > r + 6 for sx, sy in samples)

    # Mountain ranges: shaded on the side away from the moon, snow on the peaks.
    lefts, rights, snows = "", "", ""
    ranges = [(150, 120, 270, 150), (400, 110, 560, 190), (160, 260, 330, 330), (600, 420, 690, 540),
              (250, 430, 420, 520), (620, 120, 700, 240), (40, 300, 150, 460)]
    for x0, y0, x1, y1 in ranges:
        for _ in range(14):
            x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
            s = rng.uniform(9, 18)
            if not clear(x, y - s / 2, s):
                continue
            l_, r_, sn = _mountain(p, x, y, s, rng)
            lefts += l_ + " "
            rights += r_ + " "
            snows += sn + " "
    p.add('<path d="%s" fill="#8a8676" stroke="#1a1810" stroke-width="0.8"/>' % lefts)
    p.add('<path d="%s" fill="#3a3a34" stroke="#1a1810" stroke-width="0.8"/>' % rights)
    p.add('<path d="%s" fill="#f0f0ea"/>' % snows)
    # Forests: clumps of dark trees, lit on the moon's side.
    trees, lights = "", ""
    for cx, cy, r in [(110, 150, 50), (300, 230, 45), (560, 230, 50), (120, 520, 60), (370, 600, 50), (700, 90, 40),
                      (240, 390, 40), (520, 470, 40), (820, 150, 40)]:
        for _ in range(40):
            x, y = cx + rng.gauss(0, r * 0.5), cy + rng.gauss(0, r * 0.35)
            if not clear(x, y, 4):
                continue
            tr = rng.uniform(2.5, 4.5)
            trees += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (x, y, tr)
            lights += '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (x - tr * 0.3, y - tr * 0.3, tr * 0.5)
    p.add('<g fill="#1a3018">%s</g><g fill="#4a6a38" opacity="0.8">%s</g>' % (trees, lights))
    # A river from the northern hills down to the lake.
    p.add('<path d="M520,150 C540,200 520,240 560,270 C580,290 570,310 580,318" stroke="#2a5a88" stroke-width="3" '
          'fill="none" opacity="0.85"/>')
    p.vignette(0.45)
    # The road: dark under-stroke, then the gold dots.
    p.add('<path d="%s" fill="none" stroke="#120a04" stroke-width="5" stroke-dasharray="3 8" stroke-linecap="round" '
          'opacity="0.85"/>' % d_road)
    p.add('<path d="%s" fill="none" stroke="#f4d88a" stroke-width="2.6" stroke-dasharray="3 8" stroke-linecap="round"/>'
          % d_road)
    for cx, cy in centres:
        p.add('<rect x="%d" y="%d" width="16" height="16" fill="#8a1010" stroke="url(#gold)" stroke-width="2.5"/>' % (
            cx - 8, cy - 8))
    for (name, _, _), (x, y, anchor, _) in zip(PLACES, labels):
        name = name.replace("&", "&amp;")
        p.add('<text x="%.1f" y="%.1f" font-family="%s" font-size="15" font-weight="bold" text-anchor="%s" fill="#000" '
              'stroke="#000" stroke-width="3.5" stroke-linejoin="round" opacity="0.75">%s</text>' % (x, y, SERIF, anchor, name))
        p.add('<text x="%.1f" y="%.1f" font-family="%s" font-size="15" font-weight="bold" text-anchor="%s" fill="#f8e8b8">%s'
              '</text>' % (x, y, SERIF, anchor, name))
    # Title at the upper right, the compass rose, the Continue label.
    for y, words, size in ((60, "The Realm", 36), (100, "of Vellmoor", 31)):
        p.add('<text x="890" y="%d" font-family="%s" font-size="%d" font-weight="bold" text-anchor="middle" fill="#ffc860" '
              'opacity="0.6" filter="%s">%s</text>' % (y, SERIF, size, p.blur(4), words))
        p.add('<text x="890" y="%d" font-family="%s" font-size="%d" font-weight="bold" text-anchor="middle" fill="url(#gold)" '
              'stroke="#2a1400" stroke-width="1">%s</text>' % (y, SERIF, size, words))
    p.add('<path d="M770,114 H1010" stroke="url(#gold)" stroke-width="2"/>')
    rose = '<g transform="translate(920,250)"><circle r="40" fill="#0a1428" fill-opacity="0.4" stroke="url(#gold)" ' \
           'stroke-width="2"/><circle r="33" fill="none" stroke="#d8b040" stroke-width="0.8"/>'
    for a in range(8):
        ln = 50 if a % 2 == 0 else 30
        ang = a * math.pi / 4
        tip = (ln * math.sin(ang), -ln * math.cos(ang))
        l_ = (7 * math.sin(ang - math.pi / 2), -7 * math.cos(ang - math.pi / 2))
        rose += '<polygon points="0,0 %.1f,%.1f %.1f,%.1f" fill="#f0d070"/><polygon points="0,0 %.1f,%.1f %.1f,%.1f" ' \
                'fill="#7a5a18"/>' % (tip + l_ + tip + (-l_[0], -l_[1]))
    rose += '<text x="0" y="-56" font-family="%s" font-size="14" font-weight="bold" text-anchor="middle" fill="#f0d080">N' \
            '</text></g>' % SERIF
    p.add(rose)
    p.add('<rect x="432" y="646" width="160" height="38" rx="8" fill="%s" stroke="url(#gold)" stroke-width="3"/>' % p.linear(
        [(0, "#4a0a0a", 1), (1, "#1a0202", 1)]))
    p.add('<text x="512" y="672" font-family="%s" font-size="22" font-weight="bold" text-anchor="middle" fill="#f8e0a0">'
          'Continue</text>' % SERIF)
    p.grain(0.06)
    p.add('<rect x="2" y="2" width="%d" height="%d" fill="none" stroke="url(#gold)" stroke-width="5"/>' % (w - 4, h - 4))
    return p.svg()
