"""art_level_screen.py -- the level screen's pieces and the few of them the battle borrows.

The bone skull that marks a place already reached, the ten frames of the fire burst over the
coming battle's place (a fireball that swells, bursts and drifts off as smoke), the gilded frame
round a place picture, the Discard ribbon laid over a card the player cannot pay for, the green
witch-fire at the foot of the tower whose move it is, and the red skull that looms while the enemy
moves. The keyed pieces keep every soft glow inside a hard, dark-edged silhouette, since the
keying cuts at half alpha.
"""
import math
import random

from art_night import Painter, poly

RIM = "#cfdcff"
BONE = ("#f4ecd4", "#cbbd98", "#8a7a5a", "#3c3222")


def _ink(p, d, colour="#140f0a", width=1.0, extra=""):
    p.add('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round" %s/>' % (d, colour, width, extra))


# -- the place skull -------------------------------------------------------------------------

# A skull face-on in a 100-unit box, drawn by halves so both sides match.
def _skull_outline():
    half = [(50, 5), (66, 6), (80, 14), (89, 28), (91, 44), (88, 57), (82, 64), (80, 72), (73, 77), (70, 80),
            (70, 92), (64, 97), (50, 98)]
    side = half + [(100 - x, y) for x, y in reversed(half[1:-1])]
    return _smooth(side)


def _smooth(points):
    """A closed path through `points`, rounded with quadratic curves through their midpoints."""
    n = len(points)
    mids = [((points[i][0] + points[(i + 1) % n][0]) / 2, (points[i][1] + points[(i + 1) % n][1]) / 2) for i in range(n)]
    d = "M%.2f,%.2f " % mids[-1]
    for i in range(n):
        d += "Q%.2f,%.2f %.2f,%.2f " % (points[i][0], points[i][1], mids[i][0], mids[i][1])
    return d + "Z"


def _sockets():
    # Brows pulled down toward the nose give the skull its scowl.
    left = _smooth([(20, 47), (30, 41), (45, 46), (45, 56), (38, 63), (26, 63), (19, 56)])
    right = _smooth([(100 - x, y) for x, y in [(20, 47), (30, 41), (45, 46), (45, 56), (38, 63), (26, 63), (19, 56)]])
    return left, right


def skull_marker(w, h):
    """A bone skull lit by the moon from the upper left, outlined dark so it holds on the map."""
    p = Painter(w, h, 2)
    s = (w - 3) / 100.0
    outline = _skull_outline()
    bone = p.radial([(0, BONE[0], 1), (0.45, BONE[1], 1), (0.85, BONE[2], 1), (1, BONE[3], 1)], 38, 30, 72)
    left, right = _sockets()
    nose = "M50,62 L43,75 Q50,79 57,75 Z"
    teeth = "M33,80 H67 V91 Q50,95 33,91 Z"
    g = '<g transform="translate(1.5 0.6) scale(%s)">' % s
    g += '<path d="%s" fill="#17110a" stroke="#17110a" stroke-width="9" stroke-linejoin="round"/>' % outline
    g += '<path d="%s" fill="%s" filter="%s"/>' % (outline, bone, p.relief(freq=0.09, octaves=3, azimuth=225, scale=1.5,
                                                                          strength=1.25, base=0.55, seed=4))
    # Temples and cheeks fall into shadow on the side away from the moon.
    g += '<path d="M80,16 Q93,34 89,56 L80,72 Q74,50 80,16 Z" fill="#2a2014" opacity="0.45"/>'
    g += '<path d="M24,66 Q33,71 40,68 M60,68 Q67,71 76,66" stroke="#3c3222" stroke-width="3" fill="none" opacity="0.7"/>'
    g += '<path d="%s" fill="#3c3222"/>' % teeth
    g += '<path d="M33,85.5 H67" stroke="#120c06" stroke-width="2.6"/>'
    for x in (40.5, 48, 55.5, 63):
        g += '<path d="M%s,80 V91" stroke="#120c06" stroke-width="2.4"/>' % x
    g += '<path d="M35,81 H65" stroke="%s" stroke-width="2" opacity="0.8"/>' % BONE[1]
    for d in (left, right):
        g += '<path d="%s" fill="#0b0704"/>' % d
    # A dull ember deep in each socket: the dead place still watches.
    for cx in (33, 67):
        g += '<circle cx="%s" cy="54" r="4.5" fill="#7a1408"/><circle cx="%s" cy="54" r="2.2" fill="#e0481a"/>' % (cx, cx)
    g += '<path d="%s" fill="#0b0704"/>' % nose
    # Moonlight catches the crown and the left brow.
    g += '<path d="M24,24 Q36,8 58,8" stroke="%s" stroke-width="5" fill="none" stroke-linecap="round" opacity="0.85"/>' % RIM
    g += '<path d="M17,44 Q14,34 20,25" stroke="%s" stroke-width="3.5" fill="none" stroke-linecap="round" opacity="0.7"/>' % RIM
    g += "</g>"
    p.add(g)
    return p.svg()


# -- the fire burst --------------------------------------------------------------------------

def _ragged(p, scale, seed, freq=0.16):
    """Tears a shape's edge into tongues: noise pushes each pixel by up to `scale`."""
    return p.displace("rag", scale, freq, seed, 2, 30)


def _dissolve(p, bias, seed, freq=0.22):
    """Eats holes into smoke where noise is thin; a lower bias leaves less of it."""
    i = p.uid("dis")
    p.define('<filter id="%s" x="-30%%" y="-30%%" width="160%%" height="160%%">'
             '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="3" seed="%d" result="n"/>'
             '<feDisplacementMap in="SourceGraphic" in2="n" scale="7" xChannelSelector="R" yChannelSelector="G" result="d"/>'
             '<feColorMatrix in="n" type="matrix" values="0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 6 %s" result="a"/>'
             '<feComposite in="d" in2="a" operator="in"/></filter>' % (i, freq, seed, bias))
    return "url(#%s)" % i


def _fireball(p, cx, cy, r, heat, seed):
    """Layers of flame from ember red to white heat, torn ragged; heat 0..1 sizes the hot core."""
    # Torn at the edge, and churning inside: noise lit from above gives the flame its billows.
    g = '<g filter="%s"><g filter="%s">' % (_ragged(p, 3 + r * 0.35, seed), p.relief(
        freq=0.11, octaves=3, azimuth=270, elevation=40, scale=2.0, strength=1.25, base=0.55, seed=seed + 4))
    g += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#5a0806"/>' % (cx, cy, r)
    g += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (cx, cy - r * 0.06, r * 0.9, p.radial(
        [(0, "#ffb040", 1), (0.6, "#e0481a", 1), (1, "#9a0c12", 1)], cx - r * 0.15, cy - r * 0.2, r))
    g += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (cx - r * 0.08, cy - r * 0.12, r * 0.62 * (0.6 + 0.4 * heat), p.radial(
        [(0, "#fffbe8", 1), (0.35, "#ffe27a", 1), (1, "#ff9a2a", 1)], cx - r * 0.12, cy - r * 0.2, r * 0.62))
    g += "</g></g>"
    # Bloom only inside the fire: the blur is clipped to the ball so no halo reaches the key.
    clip = p.uid("fc")
    p.define('<clipPath id="%s"><circle cx="%.1f" cy="%.1f" r="%.1f"/></clipPath>' % (clip, cx, cy, r * 0.85))
    g += '<g clip-path="url(#%s)"><circle cx="%.1f" cy="%.1f" r="%.1f" fill="#fff2b0" opacity="%.2f" filter="%s"/></g>' % (
        clip, cx - r * 0.1, cy - r * 0.15, r * 0.45, 0.5 * heat, p.blur(r * 0.25))
    return g


def _sparks(rng, cx, cy, r, n, colour="#ffd070"):
    s = ""
    for _ in range(n):
        a = rng.uniform(0, 2 * math.pi)
        d = r * rng.uniform(1.0, 1.35)
        ln = rng.uniform(1.6, 3.2)
        # Sparks stay inside the frame, or the box would cut them.
        x = min(max(cx + d * math.cos(a), 3 + ln), 2 * cx - 3 - ln)
        y = min(max(cy + d * math.sin(a) * 0.9 - 2, 3 + ln), 2 * cy - 3 - ln)
        s += '<path d="M%.1f,%.1f l%.1f,%.1f" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (
            x, y, ln * math.cos(a), ln * math.sin(a), colour)
    return s


def _smoke(p, cx, cy, r, ember, bias, seed):
    """A billow of smoke lit from below by what is left of the fire; it thins from its edges in."""
    rng = random.Random(seed)
    puffs = [(0, 0, 1.0)] + [(math.cos(a) * 0.55, math.sin(a) * 0.45 - 0.15, rng.uniform(0.55, 0.7))
                             for a in (0.3, 1.6, 2.8, 4.0, 5.3)]
    fill = p.radial([(0, "#7a4a30" if ember else "#4a4650", 1), (0.5, "#34323c", 1), (1, "#17181f", 1)], cx, cy + r * 0.6, r * 1.5)
    body = "".join('<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (cx + dx * r, cy + dy * r, k * r * 0.78) for dx, dy, k in puffs)
    fade = p.uid("sf")
    p.define('<mask id="%s"><circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/></mask>' % (fade, cx, cy, r * 1.6, p.radial(
        [(0, "#fff", 1), (0.45, "#fff", 1), (1, "#fff", 0.35)], cx, cy, r * 1.4)))
    g = '<g filter="%s"><g mask="url(#%s)">' % (_dissolve(p, bias, seed + 7, 0.13), fade)
    g += '<g fill="%s" filter="%s">%s</g>' % (fill, _ragged(p, 4 + r * 0.25, seed, 0.12), body)
    # The moon silvers the tops of the puffs.
    g += '<g fill="#8f9ab8" opacity="0.5" filter="%s">%s</g>' % (p.blur(1.2), "".join(
        '<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (cx + dx * r - 1.5, cy + dy * r - 2.5, k * r * 0.5) for dx, dy, k in puffs if dy < 0.1))
    g += "</g>"
    if ember:
        g += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" filter="%s"/>' % (cx, cy + r * 0.2, r * 0.5 * ember, p.radial(
            [(0, "#ffd070", 1), (0.5, "#e0481a", 1), (1, "#6a1008", 1)], cx, cy + r * 0.2, r * 0.5 * ember), _ragged(p, 3, seed + 3))
    g += "</g>"
    return g


def burst_frame(w, h, k):
    """Frame k (1..10) of the burst: the fireball swells for six frames, then bursts into smoke
    that rises and thins away."""
    p = Painter(w, h, 40 + k)
    rng = random.Random(300 + k)
    cx, cy = w / 2, h / 2
    if k <= 6:
        r = [5, 8, 11, 13.5, 15.5, 17][k - 1]
        p.add(_fireball(p, cx, cy - k * 0.3, r, 0.6 + 0.07 * k, 11))
        if k >= 3:
            p.add(_sparks(rng, cx, cy - 1, r + 2, 3 + k))
    else:
        j = k - 6                                  # 1..4 frames after the burst
        r = 11 + j * 1.7
        rise = [2.5, 5, 6.5, 7.5][j - 1]
        bias = [0.2, -0.9, -1.9, -2.7][j - 1]      # thins the smoke frame by frame
        ember = [0.85, 0.5, 0.25, 0][j - 1]
        p.add(_smoke(p, cx, cy - rise, r, ember, bias, 21))
        if j == 1:
            p.add(_fireball(p, cx, cy, 7, 0.4, 11))
        if j <= 2:
            p.add(_sparks(rng, cx, cy - rise, r + 3, 6 - j * 2, "#ffb040"))
    return p.svg()


# -- the gilded frame -------------------------------------------------------------------------

def _gilt(p, azimuth=225):
    return p.relief(freq=0.35, octaves=2, azimuth=azimuth, elevation=50, scale=1.2, strength=1.15, base=0.62, seed=17)


def _rosette(cx, cy, r, light):
    """A carved gilt rosette: eight petals round a garnet, lit from the upper left."""
    s = ""
    for i in range(8):
        a = math.radians(i * 45 + 22.5)
        px, py = cx + r * 0.55 * math.cos(a), cy + r * 0.55 * math.sin(a)
        # Petals turned to the moon shine; the others stay in the gilt's shadow.
        lit = 0.5 + 0.5 * math.cos(a - math.radians(225))
        col = "#%02x%02x%02x" % (int(0x8a + 0x70 * lit), int(0x5a + 0x80 * lit), int(0x14 + 0x70 * lit))
        s += ('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" transform="rotate(%.1f %.1f %.1f)" fill="%s" '
              'stroke="#2a1804" stroke-width="0.8"/>' % (px, py, r * 0.5, r * 0.27, math.degrees(a), px, py, col))
    s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#6a4410" stroke="#2a1804" stroke-width="0.8"/>' % (cx, cy, r * 0.42)
    s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (cx, cy, r * 0.3, light)
    s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffd8c8" opacity="0.9"/>' % (cx - r * 0.1, cy - r * 0.12, r * 0.09)
    return s


def gilded_frame(w, h):
    """A carved gilt moulding ten pixels wide round a 300-pixel place picture; the moon lights it
    from the upper left, so the top and left rails shine and the others sink into shade."""
    p = Painter(w, h, 27)
    b = 10
    # Profile from the outer edge inward: dark edge, a rounded roll, a groove, a slope to the lip.
    profile = [(0, "#1a0e02"), (0.08, "#6a4208"), (0.2, "#f8dc8a"), (0.28, "#fff6cc"), (0.4, "#b07a1a"),
               (0.46, "#3a2406"), (0.54, "#3a2406"), (0.62, "#c8922e"), (0.74, "#f4d47a"), (0.88, "#6a4410"), (1, "#140a02")]
    stops = [(o, c, 1) for o, c in profile]
    sides = {
        "top": ([(0, 0), (w, 0), (w - b, b), (b, b)], (0, 0, 0, b), 0.0),
        "left": ([(0, 0), (b, b), (b, h - b), (0, h)], (0, 0, b, 0), 0.12),
        "right": ([(w, 0), (w, h), (w - b, h - b), (w - b, b)], (w, 0, w - b, 0), 0.42),
        "bottom": ([(0, h), (b, h - b), (w - b, h - b), (w, h)], (0, h, 0, h - b), 0.55),
    }
    tex = _gilt(p)
    for pts, axis, shade in sides.values():
        d = poly(pts)
        p.add('<path d="%s" fill="%s" filter="%s"/>' % (d, p.linear(stops, user=axis), tex))
        if shade:
            p.add('<path d="%s" fill="#0a0602" opacity="%s"/>' % (d, shade))
    # The mitres where the rails meet.
    for x0, y0, x1, y1 in ((0, 0, b, b), (w, 0, w - b, b), (0, h, b, h - b), (w, h, w - b, h - b)):
        _ink(p, "M%s,%s L%s,%s" % (x0, y0, x1, y1), "#3a2206", 0.8)
    # A row of beads along the groove, each lit on its upper left.
    beads = ""
    for t in range(17, w - 14, 6):
        for (x, y) in ((t, 5), (5, t), (t, h - 5), (w - 5, t)):
            beads += ('<circle cx="%.1f" cy="%.1f" r="1.5" fill="#2a1804"/><circle cx="%.1f" cy="%.1f" r="1.35" fill="#d8a840"/>'
                      '<circle cx="%.1f" cy="%.1f" r="0.6" fill="#fff6d0"/>' % (x + 0.4, y + 0.4, x, y, x - 0.45, y - 0.45))
    p.add('<g>%s</g>' % beads)
    # The beads on the shaded rails sink into the same shade.
    for pts, axis, shade in sides.values():
        if shade > 0.3:
            p.add('<path d="%s" fill="#0a0602" opacity="%s"/>' % (poly(pts), shade * 0.6))
    # The frame's shadow on the picture along its top and left inner edges.
    p.add('<path d="M%d,%d H%d V%d H%d V%d H%d Z" fill="#0a0602" opacity="0.85"/>' % (b, b, w - b, b + 2, b + 2, h - b, b))
    # Rosettes on the corners reach a little over the picture, as carved corners do.
    for cx, cy, dark in ((9, 9, 0), (w - 9, 9, 0.35), (9, h - 9, 0.45), (w - 9, h - 9, 0.6)):
        p.add('<g>%s</g>' % _rosette(cx, cy, 11, "#b0101a"))
        if dark:
            p.add('<circle cx="%s" cy="%s" r="11.5" fill="#0a0602" opacity="%s"/>' % (cx, cy, dark * 0.7))
    # A scallop shell at the head of the frame, the only ornament on a rail.
    sx, sy, sr = w / 2, b + 2, 12
    lobes = "M%.1f,%.1f " % (sx - sr, sy)
    for k in range(7):
        a1 = math.pi + (k + 1) * math.pi / 7
        lobes += "A%.1f,%.1f 0 0 1 %.1f,%.1f " % (sr * 0.24, sr * 0.24, sx + sr * math.cos(a1), sy + sr * 0.8 * math.sin(a1))
    lobes += "Z"
    p.add('<path d="%s" fill="%s" stroke="#2a1804" stroke-width="0.9"/>' % (lobes, p.radial(
        [(0, "#fff2c0", 1), (0.5, "#d8a840", 1), (1, "#7a5210", 1)], sx - 4, sy - 8, sr * 1.3)))
    ribs = "".join("M%.1f,%.1f L%.1f,%.1f " % (sx, sy, sx + sr * 0.85 * math.cos(math.pi + (k + 0.5) * math.pi / 7),
                                               sy + sr * 0.7 * math.sin(math.pi + (k + 0.5) * math.pi / 7)) for k in range(7))
    _ink(p, ribs, "#6a4410", 0.8)
    p.add('<ellipse cx="%.1f" cy="%.1f" rx="4" ry="2.2" fill="#b0101a" stroke="#2a1804" stroke-width="0.7"/>' % (sx, sy + 1))
    # Moonlight along the outer edges that face it.
    _ink(p, "M1,%d V1 H%d" % (h - 12, w - 12), RIM, 0.9, 'opacity="0.7"')
    return p.svg()


# -- the Discard ribbon ------------------------------------------------------------------------

def discard_label(w, h):
    """A blood-red ribbon lettered Discard, laid corner to corner across a card the player cannot
    pay for; the lettering climbs to the upper right."""
    p = Painter(w, h, 13)
    ang = -math.degrees(math.atan2(h - 14, w - 14))
    half, bw = 53, 17                        # the band's half length and half width
    cloth = p.linear([(0, "#c0242a", 1), (0.35, "#8a0c12", 1), (0.8, "#5a060a", 1), (1, "#2a0204", 1)])
    tail = p.linear([(0, "#5a060a", 1), (1, "#1e0204", 1)])
    tex = p.relief(freq="0.02 0.25", octaves=3, azimuth=240, scale=1.4, strength=1.3, base=0.55, seed=9)
    g = '<g transform="translate(%.1f %.1f) rotate(%.2f)">' % (w / 2, h / 2, ang)
    # The tails fold back under the band, notched like a pennant.
    for sgn in (-1, 1):
        x0, x1 = sgn * (half - 8), sgn * (half + 11)
        d = poly([(x0, -bw + 6), (x1, -bw + 6), (x1 - sgn * 7, 4), (x1, bw + 5), (x0, bw + 5)])
        g += '<path d="%s" fill="%s" stroke="#140204" stroke-width="1.6" stroke-linejoin="round" filter="%s"/>' % (d, tail, tex)
        g += '<path d="%s" fill="#0a0102"/>' % poly([(sgn * half, bw), (sgn * (half - 8), bw + 5), (sgn * (half - 8), bw)])
    band = poly([(-half, -bw), (half, -bw), (half, bw), (-half, bw)])
    g += '<path d="%s" fill="%s" stroke="#140204" stroke-width="1.6" filter="%s"/>' % (band, cloth, tex)
    # Gilt hems, the upper one catching the moon.
    g += '<path d="M%d,%d H%d" stroke="#e8c060" stroke-width="1.6"/><path d="M%d,%d H%d" stroke="#8a5a14" stroke-width="1.6"/>' % (
        -half + 2, -bw + 3.5, half - 2, -half + 2, bw - 3.5, half - 2)
    g += '<path d="M%d,%d H%d" stroke="%s" stroke-width="0.8" opacity="0.8"/>' % (-half + 1, -bw + 0.9, half - 1, RIM)
    # Lettering: bone gold with a dark outline, so it holds over the hatched card.
    g += ('<text x="0" y="7.5" font-family="DejaVu Serif" font-size="22" font-weight="bold" text-anchor="middle" '
          'textLength="%d" lengthAdjust="spacingAndGlyphs" fill="#1a0604" stroke="#1a0604" stroke-width="3.2" '
          'stroke-linejoin="round">Discard</text>' % (2 * half - 12))
    g += ('<text x="0" y="7.5" font-family="DejaVu Serif" font-size="22" font-weight="bold" text-anchor="middle" '
          'textLength="%d" lengthAdjust="spacingAndGlyphs" fill="%s">Discard</text>' % (2 * half - 12, p.linear(
              [(0, "#fff4cc", 1), (0.55, "#f0cc70", 1), (1, "#b07a20", 1)])))
    g += "</g>"
    p.add(g)
    return p.svg()


# -- the turn marker ---------------------------------------------------------------------------

def _fire_layer(p, t, colour, freq, seed, mix=0.7):
    """A filter that keeps the shape's alpha, less noise, above level t, and paints it one
    colour: stacked at rising t the same noise gives nested tongues of flame."""
    i = p.uid("fl")
    p.define('<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
             '<feTurbulence type="turbulence" baseFrequency="%s" numOctaves="3" seed="%d" result="n"/>'
             '<feColorMatrix in="n" type="matrix" values="1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0" result="nn"/>'
             '<feComposite in="SourceGraphic" in2="nn" operator="arithmetic" k1="0" k2="1" k3="%s" k4="0" result="m"/>'
             '<feComponentTransfer in="m" result="t"><feFuncA type="linear" slope="14" intercept="%s"/></feComponentTransfer>'
             '<feFlood flood-color="%s"/><feComposite in2="t" operator="in"/></filter>' % (i, freq, seed, -mix, -14 * t, colour))
    return "url(#%s)" % i


def turn_marker(w, h):
    """Green witch-fire burning along an iron torc laid on the wall at the tower's foot: whose
    move it is. Only the upper rows show above the wall, so the flames stand there."""
    p = Painter(w, h, 14)
    rng = random.Random(14)
    cx, ground = w / 2, 36                  # the wall's top edge in this picture's rows
    # The fire's reach: tallest over the emerald, low toward the torc's ends.
    env = p.uid("env")
    p.define('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%.1f" cy="%d" r="128" '
             'gradientTransform="translate(%.1f %d) scale(1 0.3) translate(%.1f %d)">'
             '<stop offset="0" stop-color="#fff" stop-opacity="1"/><stop offset="0.55" stop-color="#fff" stop-opacity="0.62"/>'
             '<stop offset="1" stop-color="#fff" stop-opacity="0"/></radialGradient>' % (
                 env, cx, ground + 6, cx, ground + 6, -cx, -ground - 6))
    for t, colour in ((0.07, "#053a16"), (0.2, "#1aa848"), (0.36, "#86ffa4"), (0.58, "#f2fff2")):
        p.add('<rect width="%d" height="%d" fill="url(#%s)" filter="%s"/>' % (w, ground + 6, env, _fire_layer(
            p, t, colour, "0.085 0.028", 5)))
    sparks = ""
    for _ in range(7):
        x = rng.uniform(50, w - 50)
        t = max(0.0, 1 - abs(x - cx) / (cx - 6))
        sparks += '<circle cx="%.1f" cy="%.1f" r="1.2"/>' % (x, max(2.0, ground - 16 - 20 * t * rng.uniform(0.6, 1.0)))
    p.add('<g fill="#c8ffd0">%s</g>' % sparks)
    # The torc: a dark iron arc with runes cut in it, lit green from the fire above.
    torc = "M4,%d Q%.1f,%d %d,%d L%d,%d Q%.1f,%d 4,%d Z" % (
        ground + 4, cx, ground - 14, w - 4, ground + 4, w - 4, ground + 12, cx, ground - 4, ground + 12)
    iron = p.linear([(0, "#4a7a5a", 1), (0.3, "#1a2a22", 1), (1, "#050806", 1)], user=(0, ground - 6, 0, ground + 6))
    p.add('<path d="%s" fill="%s" stroke="#010402" stroke-width="1.4" filter="%s"/>' % (
        torc, iron, p.relief(freq=0.2, octaves=3, azimuth=270, scale=1.3, strength=1.2, base=0.6, seed=5)))
    runes = ""
    for k in range(-6, 7):
        if k == 0:                            # the emerald's place
            continue
        x = cx + k * 16
        u = (x - 4) / (w - 8)
        y = ground + 8 - 34 * u * (1 - u)     # along the middle of the torc
        a, b = rng.choice(((-2, 3), (2, -3), (0, 3))), rng.choice(((3, 0), (-3, 2), (2, 2)))
        runes += "M%.1f,%.1f v-4 M%.1f,%.1f l%d,%d M%.1f,%.1f l%d,%d " % (x, y + 2, x, y - 2, a[0], a[1] * 0.6, x, y, b[0], b[1] * 0.6)
    _ink(p, runes, "#7cffa0", 1.0, 'stroke-linecap="round"')
    # The emerald set in the torc's crown.
    p.add('<path d="%s" fill="#020a04"/>' % poly([(cx - 12, ground - 3), (cx, ground - 17), (cx + 12, ground - 3), (cx, ground + 9)]))
    p.add('<path d="%s" fill="%s"/>' % (poly([(cx - 9, ground - 3), (cx, ground - 14), (cx + 9, ground - 3), (cx, ground + 6)]),
                                       p.radial([(0, "#f0fff0", 1), (0.3, "#4af07a", 1), (1, "#0a5a24", 1)], cx - 2, ground - 7, 12)))
    p.add('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="#ffffff" opacity="0.85"/>' % (cx - 6, ground - 3, cx, ground - 11, cx, ground - 3))
    return p.svg()


# -- the enemy's skull ---------------------------------------------------------------------------

def _femur(x0, y0, x1, y1, r):
    """A thigh bone from (x0, y0) to (x1, y1): a shaft with the two knuckles at each end."""
    a = math.atan2(y1 - y0, x1 - x0)
    nx, ny = -math.sin(a), math.cos(a)
    ux, uy = math.cos(a), math.sin(a)
    d = poly([(x0 + nx * r * 0.55 + ux * r, y0 + ny * r * 0.55 + uy * r),
              (x1 + nx * r * 0.55 - ux * r, y1 + ny * r * 0.55 - uy * r),
              (x1 - nx * r * 0.55 - ux * r, y1 - ny * r * 0.55 - uy * r),
              (x0 - nx * r * 0.55 + ux * r, y0 - ny * r * 0.55 + uy * r)])
    for x, y, sgn in ((x0, y0, 1), (x1, y1, -1)):
        for side in (1, -1):
            kx, ky = x + nx * r * 0.75 * side + ux * r * 0.35 * sgn, y + ny * r * 0.75 * side + uy * r * 0.35 * sgn
            d += " M%.1f,%.1f a%.1f,%.1f 0 1 0 %.1f,0 a%.1f,%.1f 0 1 0 %.1f,0" % (kx - r, ky, r, r, 2 * r, r, r, -2 * r)
    return d


def _big_skull(p, tx, ty, s):
    """A skull lit from below by fire, in a 100-unit box: cranium with cheekbones, the jaw
    hung beneath it, single teeth, deep sockets."""
    half = [(50, 3), (64, 4), (78, 10), (88, 22), (92, 38), (90, 50), (85, 57), (89, 62), (86, 68), (77, 72),
            (72, 79), (66, 84), (50, 85)]
    cranium = _smooth(half + [(100 - x, y) for x, y in reversed(half[1:-1])])
    jaw_half = [(50, 78), (70, 76), (79, 68), (82, 74), (78, 88), (68, 96), (56, 100), (50, 100)]
    jaw = _smooth(jaw_half + [(100 - x, y) for x, y in reversed(jaw_half[1:-1])])
    lit = [(0, "#ffa080", 1), (0.3, "#e0402a", 1), (0.65, "#8a0c0e", 1), (1, "#2a0204", 1)]
    tex = p.relief(freq=0.06, octaves=4, azimuth=90, elevation=35, scale=2.4, strength=1.45, base=0.5, seed=21)
    g = '<g transform="translate(%.1f %.1f) scale(%s)">' % (tx, ty, s)
    for d in (jaw, cranium):
        g += '<path d="%s" fill="#140204" stroke="#140204" stroke-width="3.2" stroke-linejoin="round"/>' % d
        g += '<path d="%s" fill="%s" filter="%s"/>' % (d, p.radial(lit, 50, 100, 95), tex)
    # The jaw sits in the cranium's shadow where they meet.
    g += '<path d="M22,72 Q50,90 78,72 L76,80 Q50,92 24,80 Z" fill="#2a0204" opacity="0.55"/>'
    # Shadow falls on the crown, away from the fire below.
    g += '<path d="%s" fill="%s"/>' % (cranium, p.linear([(0, "#0a0102", 0.75), (0.45, "#0a0102", 0.15), (0.7, "#0a0102", 0)]))
    # Sutures, temple hollows and the cheekbones' lower edges catching the fire.
    g += '<path d="M50,4 Q46,12 52,19 Q47,26 50,33 M20,28 Q33,23 46,29 M80,28 Q67,23 54,29" stroke="#3a0406" stroke-width="0.8" fill="none"/>'
    g += '<path d="M9,40 Q10,54 17,61 Q21,50 16,38 Z M91,40 Q90,54 83,61 Q79,50 84,38 Z" fill="#1a0204" opacity="0.7" filter="%s"/>' % p.blur(1.6)
    g += '<path d="M12,63 Q18,70 28,70 M88,63 Q82,70 72,70" stroke="#ffb060" stroke-width="1.3" fill="none" opacity="0.85"/>'
    # Teeth, upper and lower, each its own and lit on its lower edge.
    g += '<path d="M30,76 Q50,80 70,76 L68,92 Q50,96 32,92 Z" fill="#0a0102"/>'
    for i in range(8):
        x = 31.5 + i * 4.6
        top = 77 + abs(i - 3.5) * 0.5
        g += '<path d="M%.1f,%.1f h4 v5.6 q-2,1.8 -4,0 Z" fill="#e8603e" stroke="#2a0204" stroke-width="0.5"/>' % (x, top)
        g += '<path d="M%.1f,%.1f h4 v-4.6 q-2,-1.6 -4,0 Z" fill="#ff8a60" stroke="#2a0204" stroke-width="0.5"/>' % (
            x + 0.3, 92.5 - abs(i - 3.5) * 0.5)
    left, right = _sockets()
    for d in (left, right):
        g += '<path d="%s" fill="#050001" stroke="#1a0204" stroke-width="1.2"/>' % d
    g += ('<path d="M50,61 L42.5,74 Q46,76.5 49.4,74.5 V66 Z M50,61 L57.5,74 Q54,76.5 50.6,74.5 V66 Z" fill="#050001"/>')
    # The brow ridges overhang the sockets.
    g += '<path d="M18,46 Q30,38 46,45 M82,46 Q70,38 54,45" stroke="#3a0406" stroke-width="2" fill="none"/>'
    g += "</g>"
    return g


def skull_crossbones(w, h):
    """A blood-red skull over crossed thigh bones, lit from below by hellfire and fading into
    the night at every edge: the enemy's threat while it moves."""
    p = Painter(w, h, 15)
    cx, cy = w / 2, h * 0.45
    p.add('<rect width="%d" height="%d" fill="#050103"/>' % (w, h))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#8a1008", 0.9), (0.4, "#3a0406", 0.6), (1, "#050103", 0)], cx, h * 0.82, w * 0.55)))
    # Smoke of the fire curling round the skull.
    p.add('<rect width="%d" height="%d" fill="#5a1410" opacity="0.5" filter="%s"/>' % (
        w, h, p.noise_mask("0.012 0.03", octaves=4, gain=1.7, bias=-0.55, seed=8)))
    # Hellfire rising behind the bones: the one light of the picture.
    env = p.uid("env")
    p.define('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%.1f" cy="%d" r="210" '
             'gradientTransform="translate(%.1f %d) scale(1 0.55) translate(%.1f %d)">'
             '<stop offset="0" stop-color="#fff" stop-opacity="1"/><stop offset="0.6" stop-color="#fff" stop-opacity="0.5"/>'
             '<stop offset="1" stop-color="#fff" stop-opacity="0"/></radialGradient>' % (env, cx, h + 20, cx, h + 20, -cx, -h - 20))
    for t, colour, o in ((0.1, "#3a0406", 0.7), (0.26, "#8a140c", 0.65), (0.45, "#e0501a", 0.6), (0.66, "#ffc060", 0.55)):
        p.add('<rect width="%d" height="%d" fill="url(#%s)" opacity="%s" filter="%s"/>' % (w, h, env, o, _fire_layer(
            p, t, colour, "0.045 0.016", 9, 0.8)))
    bone = p.linear([(0, "#ff9070", 1), (0.3, "#c8281e", 1), (0.7, "#6a0608", 1), (1, "#2a0204", 1)], 0, 1, 0, 0)
    tex = p.relief(freq=0.05, octaves=4, azimuth=90, elevation=30, scale=2.5, strength=1.35, base=0.5, seed=12)
    for a, b in (((56, 62), (246, 252)), ((244, 62), (54, 252))):
        d = _femur(a[0], a[1], b[0], b[1], 14)
        p.add('<path d="%s" fill="#140204" stroke="#140204" stroke-width="5" stroke-linejoin="round"/>' % d)
        p.shape(d, bone, tex, "#ffb040", rim_dx=0, rim_dy=5, rim_soft=1.6, rim_opacity=0.7)
    s = 1.75
    tx, ty = cx - 50 * s, cy - 50 * s
    p.add(_big_skull(p, tx, ty, s))
    # The eyes burn with the enemy's magic, the only thing here that glows.
    for ex in (33, 67):
        x, y = tx + ex * s, ty + 54 * s
        p.add('<circle cx="%.1f" cy="%.1f" r="8" fill="#c01808" filter="%s"/>' % (x, y, p.blur(4)))
        p.add('<circle cx="%.1f" cy="%.1f" r="4.5" fill="#ff6a20" filter="%s"/>' % (x, y, p.bloom(3)))
        p.add('<circle cx="%.1f" cy="%.1f" r="1.8" fill="#fff4c0"/>' % (x, y))
    p.grain(0.08)
    # Into the night at every edge, so no box shows over the battle's sky.
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#000", 0), (0.6, "#000", 0), (0.9, "#000", 0.75), (1, "#000", 1)], cx, h / 2, w * 0.62)))
    for x1, y1, x2, y2 in ((0, 0, 1, 0), (1, 0, 0, 0), (0, 0, 0, 1), (0, 1, 0, 0)):
        p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear(
            [(0, "#000", 1), (0.1, "#000", 0.6), (0.22, "#000", 0)], x1, y1, x2, y2)))
    return p.svg()


PICTURES = {"Form6.Image2": skull_marker, "Form6.Image13": discard_label, "Form6.Image14": turn_marker,
            "Form6.Image15": skull_crossbones, "Form6.Image27": gilded_frame}
for _k in range(1, 11):
    PICTURES["Form6.Image%d" % (_k + 2)] = (lambda k: lambda w, h: burst_frame(w, h, k))(_k)
