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


def _jag(a, b, rng, depth, spread):
    """A broken line from a to b: the skyline of a rock ridge."""
    pts_ = [a, b]
    for _ in range(depth):
        nxt = [pts_[0]]
        for (x0, y0), (x1, y1) in zip(pts_, pts_[1:]):
            ln = math.hypot(x1 - x0, y1 - y0)
            nxt.append(((x0 + x1) / 2 + rng.uniform(-spread, spread) * ln * 0.3,
                        (y0 + y1) / 2 + rng.uniform(-spread, spread) * ln))
            nxt.append((x1, y1))
        pts_ = nxt
    return pts_


def _mountain(x, y, s, rng):
    """One peak of a range, lit from the north-west: its outline, the lit west face, the shadowed
    east face split off along a broken crest line, a spur or two, and snow on the summit.
    Returns (outline, lit, shade, spurs, snow) paths."""
    h = s * rng.uniform(1.0, 1.45)
    peak = (x + rng.uniform(-0.25, 0.25) * s, y - h)
    left = (x - s * rng.uniform(0.9, 1.2), y)
    right = (x + s * rng.uniform(0.9, 1.2), y)
    west = _jag(left, peak, rng, 4, 0.2)
    east = _jag(peak, right, rng, 4, 0.2)
    foot = (peak[0] + s * rng.uniform(0.05, 0.35), y)
    crest = _jag(peak, foot, rng, 4, 0.16)
    outline = poly(west + east[1:])
    lit = poly(west + crest[1:])
    shade = poly(crest + east[::-1][:-1])
    spurs = ""
    for _ in range(rng.randint(1, 2)):
        t = rng.uniform(0.25, 0.6)
        a = (peak[0] + (left[0] - peak[0]) * t, peak[1] + (left[1] - peak[1]) * t)
        b = (a[0] + s * rng.uniform(0.15, 0.35), y - s * rng.uniform(0.0, 0.15))
        spurs += "M" + " L".join("%.1f,%.1f" % q for q in _jag(a, b, rng, 2, 0.12)) + " "
    sl = h * rng.uniform(0.28, 0.4)
    snow_edge = _jag((peak[0] - sl * 0.75, peak[1] + sl), (peak[0] + sl * 0.6, peak[1] + sl * 0.85), rng, 3, 0.22)
    snow = poly([peak] + snow_edge[::-1])
    return outline, lit, shade, spurs, snow


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
    land = p.relief(0.009, 5, azimuth=225, elevation=32, scale=11, strength=1.55, base=0.35)
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (coast_d, p.radial(
        [(0, "#6a7048", 1), (0.6, "#4a5a34", 1), (1, "#3a4a2c", 1)], 440, 335, 520), land))
    # Regions: the grey north, the sands of the bones, the black marsh, the red engines, the pine
    # hills and the violet south-west, each a wash with a ragged painted edge.
    ragged = p.uid("rag")
    p.define('<filter id="%s" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d" '
             'color-interpolation-filters="sRGB"><feTurbulence type="fractalNoise" baseFrequency="0.02" numOctaves="4" '
             'seed="41" result="n"/><feColorMatrix in="n" type="matrix" values="0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2.6 0 0 0 '
             '-0.35" result="a"/><feComposite in="SourceGraphic" in2="a" operator="in"/></filter>' % (ragged, w, h))
    ragged = "url(#%s)" % ragged
    for cx, cy, rx, ry, col, op in [(600, 70, 240, 90, "#c8ccd4", 0.5), (390, 370, 100, 66, "#d8b870", 0.5),
                                   (450, 475, 90, 56, "#0e1c1a", 0.6), (485, 300, 70, 46, "#a04428", 0.45),
                                   (330, 80, 90, 56, "#2e4a36", 0.5), (230, 585, 120, 64, "#5a4a78", 0.45),
                                   (110, 380, 90, 110, "#6a6a60", 0.35)]:
        g = '<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="%s" filter="%s"/>' % (cx, cy, rx, ry, col, p.blur(22))
        p.add('<g opacity="%s" clip-path="url(#landclip)"><g filter="%s">%s</g></g>' % (op, ragged, g))
        p.add('<g opacity="%s" clip-path="url(#landclip)">%s</g>' % (op * 0.45, g))
    p.define('<clipPath id="landclip"><path d="%s"/></clipPath>' % coast_d)
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

    # Mountain ranges: chains of peaks along each range's spine, largest at its heart, each lit on
    # its western face and shadowed on the east, with its foothills raised and shaded under it.
    mrng = random.Random(77)
    ranges = [(150, 120, 270, 150), (400, 110, 560, 190), (160, 260, 330, 330), (600, 420, 690, 540),
              (250, 430, 420, 520), (620, 120, 700, 240), (40, 300, 150, 460)]
    peaks = []
    for x0, y0, x1, y1 in ranges:
        wide = (x1 - x0) >= (y1 - y0)
        n = 30
        for i in range(n):
            t = (i + mrng.uniform(0, 1)) / n
            mid = 1 - abs(t - 0.5) * 2
            if wide:
                x, y = x0 + (x1 - x0) * t, (y0 + y1) / 2 + mrng.uniform(-0.5, 0.5) * (y1 - y0)
            else:
                x, y = (x0 + x1) / 2 + mrng.uniform(-0.5, 0.5) * (x1 - x0), y0 + (y1 - y0) * t
            sz = 8 + 18 * mid * mrng.uniform(0.6, 1.0)
            if not (clear(x, y - sz * 0.6, sz * 0.8) and clear(x - sz * 0.8, y - 2, 3) and clear(x + sz * 0.8, y - 2, 3)):
                continue
            peaks.append((x, y, sz))
    # Foothills: a broad swell under every range, lit to the north-west.
    hills_lit, hills_dark = "", ""
    for x, y, sz in peaks:
        hills_lit += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (x - sz * 0.5, y - sz * 0.3, sz * 1.6, sz * 0.8)
        hills_dark += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (x + sz * 0.9, y + sz * 0.2, sz * 1.7, sz * 0.7)
    p.add('<g fill="#1a160c" opacity="0.45" filter="%s">%s</g>' % (p.blur(9), hills_dark))
    p.add('<g fill="#c8c090" opacity="0.22" filter="%s">%s</g>' % (p.blur(8), hills_lit))
    rock = p.relief(0.06, 3, azimuth=225, elevation=30, scale=6, strength=1.6, base=0.2)
    # Peaks sink into the land at their feet and fade a little toward the crest line's shadow.
    foot = p.linear([(0, "#3a4a2c", 0), (0.55, "#3a4a2c", 0), (1, "#3a4a2c", 0.85)])
    west_light = p.linear([(0, "#ffffff", 0.35), (0.5, "#ffffff", 0), (1, "#000", 0.2)], 0, 0, 1, 1)
    shadow = p.blur(2.5)
    for x, y, sz in sorted(peaks, key=lambda q: q[1]):
        o, l_, sh, sp, sn = _mountain(x, y, sz, mrng)
        # Each peak is drawn whole, back to front, so nearer peaks overlap the ones behind; the big
        # ones cast a shadow to the south-east.
        if sz > 14:
            p.add('<path d="%s" fill="#000" opacity="0.35" transform="translate(%.1f,%.1f)" filter="%s"/>' % (
                o, sz * 0.35, sz * 0.12, shadow))
        # The shadow face is laid again over the snow, so the snow on the east side lies in shade.
        p.add('<g filter="%s"><path d="%s" fill="#9a9484"/><path d="%s" fill="#4a4640"/>'
              '<path d="%s" fill="none" stroke="#2a2824" stroke-width="0.9" opacity="0.8"/>'
              '<path d="%s" fill="#eef0ea"/><path d="%s" fill="#1e2434" opacity="0.5"/></g>'
              '<path d="%s" fill="%s"/><path d="%s" fill="%s"/>'
              '<path d="%s" fill="none" stroke="#15130e" stroke-width="0.7" opacity="0.7"/>' % (
                  rock, l_, sh, sp, sn, sh, l_, west_light, o, foot, o))
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
