"""art_animations.py -- the battle's small marks and the pictures of the card animations: the green
gem, the ward shield and its flares, the flames behind a burning tower, the sparkle, the cat's
eyes, the rose bud, the purple strike, the speed switch, the arrow, the panther, the witchfire,
and the intro's lightning.

The JPEGs are laid opaque on the night sky, so each one fades to pure black at every edge. The
keyed bitmaps keep only what is at least half opaque: their glows are painted inside the motif
and their outlines stay hard."""
import math
import random

from art_night import Painter, NIGHT


def _edge_fade(p, margin, top=None, bottom=None):
    """Black bands that darken every edge to pure black, so no box shows on the sky."""
    w, h = p.w, p.h
    for (x, y, rw, rh, g) in (
            (0, 0, margin, h, (0, 0, 1, 0)), (w - margin, 0, margin, h, (1, 0, 0, 0)),
            (0, 0, w, top or margin, (0, 0, 0, 1)), (0, h - (bottom or margin), w, bottom or margin, (0, 1, 0, 0))):
        fill = p.linear([(0, "#000", 1), (0.06, "#000", 1), (0.45, "#000", 0.55), (1, "#000", 0)], *g)
        p.add('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (x, y, rw, rh, fill))


def _vignette(p, inner=0.45, strength=1.0):
    w, h = p.w, p.h
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#000", 0), (inner, "#000", 0), (1, "#000", strength)], w / 2, h / 2, math.hypot(w, h) / 2)))


def _path(points):
    return "M" + " L".join("%.1f,%.1f" % q for q in points) + " Z"


def _smooth(points, closed=True):
    """A curve through the points (Catmull-Rom turned into cubic Beziers)."""
    n = len(points)
    d = "M%.1f,%.1f " % points[0]
    last = n if closed else n - 1
    for i in range(last):
        p0 = points[(i - 1) % n] if closed or i > 0 else points[0]
        p1 = points[i % n]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[-1]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (c1 + c2 + p2)
    return d + ("Z" if closed else "")


def _waver(p, scale, freq="0.02 0.045", seed=3):
    """A turbulence that bends shapes like heat: flames and witchfire."""
    return p.displace("wv", scale, freq, seed, 3, 10)


def _tongue(cx, base, w, h, lean, rng):
    """One tongue of fire: a wide root, a body that sways and a tip bent by `lean`."""
    tip = (cx + lean * w * 0.9, base - h)
    sway = rng.uniform(-0.25, 0.25) * w
    pts = [(cx - w / 2, base), (cx - w * 0.48 + sway * 0.3, base - h * 0.3), (cx - w * 0.28 + sway, base - h * 0.6),
           (cx + lean * w * 0.5 - w * 0.08, base - h * 0.86), tip,
           (cx + lean * w * 0.45 + w * 0.1, base - h * 0.78), (cx + w * 0.3 + sway, base - h * 0.5),
           (cx + w * 0.5 + sway * 0.3, base - h * 0.24), (cx + w / 2, base)]
    return _smooth(pts, closed=False) + " Z"


def _fire(p, tongues, layers, filt=None):
    """Tongues drawn as nested layers from the outer, darkest colour to the white-hot core. A
    layer's colour is a flat fill or a (tip, root) pair shaded up the picture's height."""
    g = '<g%s>' % (' filter="%s"' % filt if filt else "")
    for k, (col, s) in enumerate(layers):
        if isinstance(col, tuple):
            col = p.linear([(0, col[0], 1), (1, col[1], 1)], user=(0, p.h * 0.1, 0, p.h))
        for (cx, base, w, h, lean, seed) in tongues:
            rng = random.Random(seed * 7 + k)
            g += '<path d="%s" fill="%s"/>' % (_tongue(cx + lean * w * (1 - s) * 0.3, base, w * s, h * s ** 0.8, lean, rng), col)
    return g + "</g>"


# -- the marks of the battle screen ---------------------------------------------------------------

def green_gem(w, h):
    """The green resource's gem in a dark enamel socket; its number is lettered on the upper left,
    so the gem sits low and right and the corner behind the number stays dark."""
    p = Painter(w, h, 41)
    cx, cy, r = 30, 30, 17
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.add('<rect x="2" y="2" width="%d" height="%d" rx="7" fill="%s"/>' % (w - 4, h - 4, p.linear(
        [(0, "#0a1a10", 1), (1, "#020604", 1)], 0, 0, 1, 1)))
    p.add('<rect x="2.5" y="2.5" width="%d" height="%d" rx="7" fill="none" stroke="%s" stroke-width="1.6"/>' % (w - 5, h - 5, p.linear(
        [(0, "#e8c060", 1), (0.5, "#6b4a14", 1), (1, "#2a1c06", 1)], 1, 0, 0, 1)))
    p.light_pool(cx, cy, 25, "#40e070", 0.55)
    facets = 8
    outer = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in
             [math.pi * 2 * i / facets + math.pi / 8 for i in range(facets)]]
    inner = [(cx + r * 0.55 * math.cos(a) - 2, cy + r * 0.55 * math.sin(a) - 2) for a in
             [math.pi * 2 * i / facets + math.pi / 8 for i in range(facets)]]
    p.add('<path d="%s" fill="#053a18" stroke="#021008" stroke-width="1.5" filter="%s"/>' % (_path(outer), p.bloom(2.5)))
    # Facets lit from the upper left (the same side as the moon in the sky above).
    for i in range(facets):
        a, b = outer[i], outer[(i + 1) % facets]
        c, d = inner[(i + 1) % facets], inner[i]
        lum = 0.5 + 0.5 * math.cos(math.atan2((a[1] + b[1]) / 2 - cy, (a[0] + b[0]) / 2 - cx) + math.pi * 0.75)
        col = ["#04301a", "#0c5a28", "#1f9a44", "#52d870", "#b8ffc4"][min(4, int(lum * 5))]
        p.add('<path d="%s" fill="%s"/>' % (_path([a, b, c, d]), col))
    p.add('<path d="%s" fill="%s"/>' % (_path(inner), p.radial(
        [(0, "#d8ffe0", 1), (0.35, "#5ee07c", 1), (1, "#128a38", 1)], cx - 5, cy - 5, r * 0.75)))
    p.add('<path d="M%.1f,%.1f l3,-1 l-1,3 z" fill="#ffffff"/>' % (cx - 7, cy - 7))
    p.add('<circle cx="%s" cy="%s" r="1.4" fill="#ffffff" filter="%s"/>' % (cx - 6, cy - 6, p.bloom(1.2)))
    return p.svg()


def shield(w, h):
    """The ward mark: a silver heater shield with a blue boss, moonlit from the upper right; it
    stands on a glowing flare, so its outline is dark and sharp."""
    p = Painter(w, h, 3)
    outline = "M25,2 C31,5 39,6 46,6 C47,24 41,39 25,48 C9,39 3,24 4,6 C11,6 19,5 25,2 Z"
    face = "M25,6 C30,8.5 36,9.5 42,9.5 C42.5,25 37,36 25,43.5 C13,36 7.5,25 8,9.5 C14,9.5 20,8.5 25,6 Z"
    p.add('<path d="%s" fill="#10141c"/>' % outline)
    p.add('<path d="%s" fill="%s"/>' % (outline, p.linear(
        [(0, "#f4f6fc", 1), (0.35, "#aab2c4", 1), (0.7, "#5a6274", 1), (1, "#2a3040", 1)], 1, 0, 0, 1)))
    p.add('<path d="%s" fill="%s" stroke="#181c26" stroke-width="1"/>' % (face, p.linear(
        [(0, "#5a6a90", 1), (0.5, "#26324e", 1), (1, "#0c1222", 1)], 1, 0, 0.2, 1)))
    # A silver cross over the field, brighter on the arms facing the light.
    p.add('<path d="M23,8 h4 v34 h-4 z M9,18 h32 v4 h-32 z" fill="%s"/>' % p.linear(
        [(0, "#ffffff", 1), (0.5, "#a8b0c0", 1), (1, "#4a5060", 1)], 1, 0, 0, 1))
    p.add('<circle cx="25" cy="20" r="5.2" fill="#1a2030"/>')
    p.add('<circle cx="25" cy="20" r="4.2" fill="%s"/>' % p.radial(
        [(0, "#e0f4ff", 1), (0.35, "#7fb0ff", 1), (1, "#1a3a9a", 1)], 26.5, 18.5, 5))
    p.add('<path d="M36,9 C40,9.5 42,9.5 42.5,10 C42.4,20 40.5,28 36,34" fill="none" stroke="#cfdcff" stroke-width="1" opacity="0.7"/>')
    p.add('<path d="%s" fill="none" stroke="#06080c" stroke-width="1.2"/>' % outline)
    return p.svg()


def flare(w, h, core, ray, deep):
    """A star flare of the ward's magic, drawn on the sky behind the shield: a halo that shows
    round the shield's rim and eight rays, all of it black at the picture's edges."""
    p = Painter(w, h, 5)
    cx, cy = w / 2, h / 2
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.add('<circle cx="%s" cy="%s" r="29" fill="%s"/>' % (cx, cy, p.radial(
        [(0, "#ffffff", 1), (0.2, core, 1), (0.55, ray, 0.75), (0.8, deep, 0.35), (1, deep, 0)], cx, cy, 29)))
    rays = ""
    for i in range(8):
        a = i * math.pi / 4
        ln = 29 if i % 2 == 0 else 24
        wd = 2.6 if i % 2 == 0 else 1.8
        tip = (cx + ln * math.cos(a), cy + ln * math.sin(a))
        l = (cx + wd * math.cos(a + math.pi / 2), cy + wd * math.sin(a + math.pi / 2))
        r = (cx + wd * math.cos(a - math.pi / 2), cy + wd * math.sin(a - math.pi / 2))
        rays += '<path d="%s" fill="%s"/>' % (_path([l, tip, r]), core)
    p.add('<g filter="%s">%s</g>' % (p.bloom(1.5), rays))
    p.add('<circle cx="%s" cy="%s" r="6" fill="#ffffff" filter="%s"/>' % (cx, cy, p.blur(2.5)))
    p.add('<circle cx="%s" cy="%s" r="30" fill="%s"/>' % (cx, cy, p.radial(
        [(0, "#000", 0), (0.8, "#000", 0), (1, "#000", 1)], cx, cy, 30)))
    _edge_fade(p, 4)
    return p.svg()


def flame_column(w, h):
    """Fire behind a burning tower: the tower stands in front, so only the tongues round its
    sides and above its top show. Tall tongues rise behind both towers' main shaft (x 72 here,
    x 175 on the mirrored enemy tower)."""
    p = Painter(w, h, 8)
    rng = random.Random(8)
    tongues = []
    # A low bank of fire first, then the tall tongues behind the shafts so their tips stand clear.
    for i in range(9):
        x = 10 + i * 28 + rng.uniform(-6, 6)
        tongues.append((x, 505, rng.uniform(60, 80), 250 + rng.uniform(0, 80), rng.uniform(-0.4, 0.4), i))
    for i, (x, top) in enumerate([(40, 400), (210, 400), (124, 430), (72, 495), (175, 495)]):
        tongues.append((x + rng.uniform(-6, 6), 505, rng.uniform(80, 96), top, rng.uniform(-0.25, 0.25), 30 + i))
    layers = [(("#9a1a0c", "#d83a10"), 1.0), (("#d8400e", "#f87a1c"), 0.8), (("#f87a1c", "#ffb848"), 0.6),
              (("#ffb040", "#ffe48a"), 0.42), (("#ffe08a", "#fff6dc"), 0.22)]
    # Softened inside so the layers melt into each other; the outline stays where it was.
    p.add('<g filter="%s">%s</g>' % (p.blur(2.2), _fire(p, tongues, layers, _waver(p, 34, "0.012 0.03", 8))))
    # Embers flying off the tips.
    for _ in range(34):
        x, y = rng.uniform(10, 237), rng.uniform(8, 240)
        r = rng.uniform(1.0, 2.0)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (x, y, r, rng.choice(["#ffd070", "#ff9030", "#fff0b0"])))
    return p.svg()


def sparkle(w, h):
    """Card 37's small target: a four-pointed green star with a white-hot heart."""
    p = Painter(w, h, 6)
    c = 25

    def star(ln, wd, col, diag=False):
        out = []
        for i in range(4):
            a = i * math.pi / 2 + (math.pi / 4 if diag else 0)
            out += [(c + ln * math.cos(a), c + ln * math.sin(a)),
                    (c + wd * math.cos(a + math.pi / 4), c + wd * math.sin(a + math.pi / 4))]
        return '<path d="%s" fill="%s"/>' % (_path(out), col)
    p.add(star(16, 5.5, "#1a6a1c", diag=True))
    p.add(star(24, 6.5, "#2a9a2a"))
    p.add('<circle cx="25" cy="25" r="9.5" fill="%s"/>' % p.radial(
        [(0, "#ffffff", 1), (0.4, "#c8ffb0", 1), (0.8, "#60e040", 1), (1, "#2a9a2a", 1)], 25, 25, 9.5))
    p.add(star(22, 3, "#9cff70"))
    p.add(star(13, 2.2, "#e8ffd8"))
    p.add('<circle cx="25" cy="25" r="3.5" fill="#ffffff"/>')
    return p.svg()


def speed_icon(w, h, fast):
    """The speed switch: a tile of night stone in a metal rim like the music switch beside it;
    two golden arrows in a warm glow in fast mode, one silver arrow in a cold one at normal
    speed."""
    p = Painter(w, h, 10 + fast)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    stone = p.relief(0.12, 3, azimuth=225, scale=2, strength=1.2, seed=10)
    inner = p.radial([(0, "#2a3450" if fast else "#1c2234", 1), (1, "#070a12", 1)], 20, 16, 34)
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="%s" filter="%s"/>' % (inner, stone))
    glow = "#ffb040" if fast else "#7fb0ff"
    p.add('<rect x="3" y="3" width="44" height="44" rx="6" fill="%s"/>' % p.radial(
        [(0, glow, 0.45), (0.55, glow, 0.12), (1, glow, 0)], 25, 25, 24))
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="none" stroke="#000" stroke-width="3"/>')
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="none" stroke="url(#%s)" stroke-width="2.2" opacity="%s"/>' % (
        "gold" if fast else "silver", 1 if fast else 0.75))
    p.add('<rect x="3.8" y="3.8" width="42.4" height="42.4" rx="5" fill="none" stroke="#000" stroke-width="0.8" opacity="0.6"/>')
    if fast:
        arrows = ["M9,14 L23,25 L9,36 L13.5,25 Z", "M23,14 L37,25 L23,36 L27.5,25 Z"]
        fill = p.linear([(0, "#fff4c0", 1), (0.5, "#ffc040", 1), (1, "#c06a10", 1)])
    else:
        arrows = ["M17,13 L33,25 L17,37 L21.5,25 Z"]
        fill = p.linear([(0, "#ffffff", 1), (0.5, "#cfdcff", 1), (1, "#6f82a8", 1)])
    for a_ in arrows:
        p.add('<path d="%s" fill="%s" stroke="#0a0602" stroke-width="1.1" stroke-linejoin="round" filter="%s"/>' % (
            a_, fill, p.bloom(1.2)))
    # Speed lines trailing the arrows.
    lines = (5, 7, 5) if fast else (8, 10, 8)
    p.add('<path d="M6,20 h%d M5,25 h%d M6,30 h%d" stroke="%s" stroke-width="1" opacity="0.55" stroke-linecap="round"/>' % (
        lines + (glow,)))
    return p.svg()


def arrow(w, h):
    """Card 23's arrow in flight to the right: grey goose fletching, an ash shaft and a steel
    broadhead, moonlight along the upper edges."""
    p = Painter(w, h, 13)
    # Shaft, with a bright line along its top.
    p.add('<rect x="8" y="5.6" width="78" height="2.8" fill="%s"/>' % p.linear(
        [(0, "#d8b080", 1), (0.5, "#8a5a2a", 1), (1, "#3a2410", 1)]))
    # Fletching: three swept vanes, the near one dark red, the others grey.
    p.add('<path d="M2,7 L8,1 L24,1.5 L20,6 Z" fill="#a8aebc" stroke="#20242c" stroke-width="0.6"/>')
    p.add('<path d="M2,7 L8,13 L24,12.5 L20,8 Z" fill="#6a707c" stroke="#20242c" stroke-width="0.6"/>')
    p.add('<path d="M4,7 L10,4.4 L22,5 L20,7.5 Z" fill="#9a1a16"/>')
    p.add('<path d="M8,1.3 L24,1.8" stroke="#e8eeff" stroke-width="0.8"/>')
    p.add('<rect x="0.5" y="5.2" width="3" height="3.6" fill="#2a1a0c"/>')
    # Binding and broadhead.
    p.add('<rect x="83" y="5" width="4" height="4" fill="#3a3430"/>')
    p.add('<path d="M86,2 L99,7 L86,12 L88,7 Z" fill="%s" stroke="#1a1e26" stroke-width="0.7"/>' % p.linear(
        [(0, "#ffffff", 1), (0.45, "#b8c0d0", 1), (1, "#404858", 1)]))
    p.add('<path d="M86.5,2.5 L98.5,7" stroke="#ffffff" stroke-width="0.8"/>')
    return p.svg()


# -- the card animations' pictures ------------------------------------------------------------------

def cat_eyes(w, h):
    """Card 63: the sky goes black and two cat's eyes open in it. The eyes are the only light;
    they catch the brow, the fur of the cheeks and the whiskers of a face we barely see."""
    p = Painter(w, h, 63)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    cx, cy, gap = w / 2, 150, 72
    # The face is only the fur the eyes' light reaches.
    fur = p.relief(freq="0.015 0.14", octaves=4, azimuth=270, elevation=30, scale=4, strength=1.7)
    for sx in (-1, 1):
        ex = cx + sx * gap
        p.add('<circle cx="%.1f" cy="%.1f" r="125" fill="%s" filter="%s"/>' % (ex, cy + 10, p.radial(
            [(0, "#1e4a18", 1), (0.45, "#0a200a", 0.8), (1, "#000", 0)], ex, cy + 10, 125), fur))
    # The muzzle below, in the eyes' spill.
    p.add('<circle cx="%.1f" cy="%.1f" r="95" fill="%s" filter="%s"/>' % (cx, cy + 105, p.radial(
        [(0, "#0e260c", 1), (0.5, "#071407", 0.8), (1, "#000", 0)], cx, cy + 105, 95), fur))
    for sx in (-1, 1):
        ex = cx + sx * gap
        p.light_pool(ex, cy, 120, "#7fe060", 0.22)
    # Brow ridges and the bridge of the nose in the eyes' light.
    for sx in (-1, 1):
        ex = cx + sx * gap
        p.add('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f" fill="none" stroke="#2e5a22" stroke-width="5" opacity="0.7" filter="%s"/>' % (
            ex - sx * 58, cy - 10, ex, cy - 64, ex + sx * 62, cy - 40, p.blur(3)))
    p.add('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f" fill="none" stroke="#1e3c18" stroke-width="6" opacity="0.6" filter="%s"/>' % (
        cx - 16, cy + 10, cx, cy + 90, cx + 16, cy + 10, p.blur(4)))
    p.add('<path d="M%.1f,%.1f l-10,-9 h20 z" fill="#163016" opacity="0.8"/>' % (cx, cy + 100))
    rng = random.Random(7)
    for sx in (-1, 1):
        for k in range(5):
            y0 = cy + 108 + k * 5
            p.add('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f" fill="none" stroke="#b8e0a8" stroke-width="%.1f" opacity="%.2f"/>' % (
                cx + sx * 26, y0, cx + sx * 110, y0 - 14 + k * 6, cx + sx * (180 + rng.uniform(0, 30)), y0 + k * 9 - 4,
                1.1 - k * 0.12, 0.45 - k * 0.05))
    for sx in (-1, 1):
        ex = cx + sx * gap
        # An almond eye tilted up at its outer corner.
        tilt = -sx * 12
        eye = "M-52,4 C-30,-34 30,-38 52,-6 C30,32 -30,36 -52,4 Z"
        g = '<g transform="translate(%.1f,%.1f) rotate(%d)">' % (ex, cy, tilt)
        g += '<path d="%s" fill="#000" transform="scale(1.12)"/>' % eye
        g += '<path d="%s" fill="%s" filter="%s"/>' % (eye, p.radial(
            [(0, "#fffcc0", 1), (0.25, "#e8f070", 1), (0.6, "#6ad028", 1), (0.9, "#1a6a10", 1), (1, "#0a3008", 1)], 0, 0, 52),
            p.bloom(8))
        # Fibres of the iris, radiating from the pupil.
        fib = ""
        for k in range(70):
            a = k * math.pi * 2 / 70 + rng.uniform(-0.03, 0.03)
            r0, r1 = rng.uniform(10, 16), rng.uniform(28, 46)
            fib += "M%.1f,%.1f L%.1f,%.1f " % (r0 * math.cos(a), r0 * math.sin(a) * 0.8, r1 * math.cos(a), r1 * math.sin(a) * 0.8)
        cid = p.uid("eyeclip")
        p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, eye))
        g += '<g clip-path="url(#%s)">' % cid
        g += '<path d="%s" stroke="#f4ffb0" stroke-width="0.8" opacity="0.35"/>' % fib
        g += '<path d="%s" stroke="#0a3a08" stroke-width="0.6" opacity="0.3" transform="rotate(3)"/>' % fib
        # The lid's shadow over the top of the eye.
        g += '<path d="M-60,-40 H60 V-14 C30,-30 -30,-26 -60,-6 Z" fill="#000" opacity="0.45" filter="%s"/>' % p.blur(4)
        g += "</g>"
        g += '<path d="M0,-30 C7,-12 7,12 0,31 C-7,12 -7,-12 0,-30 Z" fill="#000"/>'
        g += '<ellipse cx="-16" cy="-12" rx="7" ry="4" fill="#ffffff" opacity="0.9" transform="rotate(-20 -16 -12)"/>'
        g += '<circle cx="14" cy="12" r="2" fill="#ffffff" opacity="0.6"/>'
        g += '<path d="%s" fill="none" stroke="#020402" stroke-width="2.5"/>' % eye
        g += "</g>"
        p.add(g)
    _edge_fade(p, 40)
    _vignette(p, 0.55, 0.9)
    return p.svg()


def rose_bud(w, h):
    """Card 17: a red rose bud on a thorned stem, opening, lit by the moon from the upper right."""
    p = Painter(w, h, 17)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    cx, cy = 205, 130
    p.light_pool(cx + 10, cy + 10, 190, "#5a0c18", 0.55)
    p.light_pool(cx + 60, cy - 40, 120, "#b9c9f2", 0.08)
    rim = NIGHT["rim"]
    tex = p.relief(freq="0.05 0.15", octaves=3, azimuth=315, elevation=40, scale=2, strength=1.3, base=0.55)
    # Stem and leaves first.
    stem = "M%d,%d C%d,%d %d,%d %d,%d" % (cx + 2, cy + 70, cx - 6, cy + 130, cx + 14, cy + 170, cx + 4, h + 10)
    p.add('<path d="%s" fill="none" stroke="#0c2a10" stroke-width="9"/>' % stem)
    p.add('<path d="%s" fill="none" stroke="#3a7a34" stroke-width="2" transform="translate(3,0)" opacity="0.7"/>' % stem)
    for (tx, ty, a) in [(cx + 6, cy + 115, 40), (cx - 3, cy + 150, -140), (cx + 10, cy + 185, 30)]:
        p.add('<path d="M0,-4 L10,0 L0,4 Z" fill="#2a1a10" transform="translate(%d,%d) rotate(%d)"/>' % (tx, ty, a))
    for (lx, ly, a, s) in [(cx + 8, cy + 135, -25, 1.0), (cx - 2, cy + 175, 200, 0.9), (cx + 12, cy + 205, -10, 0.7)]:
        leaf = "M0,0 C20,-22 60,-26 84,-6 C60,10 24,16 0,0 Z"
        p.add('<g transform="translate(%d,%d) rotate(%d) scale(%s)">'
              '<path d="%s" fill="%s" filter="%s"/>'
              '<path d="M2,0 C30,-8 56,-10 80,-6" fill="none" stroke="#0a200c" stroke-width="1.5"/>'
              '<path d="M20,-16 C40,-22 60,-20 80,-8" fill="none" stroke="%s" stroke-width="1.2" opacity="0.55"/></g>' % (
                  lx, ly, a, s, leaf, p.linear([(0, "#2e6a2a", 1), (1, "#0a2a10", 1)]), tex, rim))
    # The bud: a cone of petals wrapped round a tight spiral, its point up, darkest at the root.
    base, top = (cx, cy + 62), (cx + 4, cy - 92)
    back = _smooth([base, (cx - 40, cy + 30), (cx - 44, cy - 20), (cx - 20, cy - 70), top, (cx + 30, cy - 66),
                    (cx + 44, cy - 18), (cx + 40, cy + 30)])
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (back, p.linear(
        [(0, "#e02a30", 1), (0.5, "#8a0814", 1), (1, "#2a0006", 1)], 0.8, 0, 0.2, 1), tex))
    # The spiral at the point, one petal edge inside the next.
    for k, (x0, y0, x1, y1, bend) in enumerate([(-26, -52, 22, -66, -30), (-8, -74, 12, -80, -14)]):
        d = "M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f" % (cx + x0, cy + y0, cx + (x0 + x1) / 2 + 2, cy + y0 + bend, cx + x1, cy + y1)
        p.add('<path d="%s" fill="none" stroke="#ff8a7a" stroke-width="1.2" opacity="0.55" transform="translate(0.6,-1.6)"/>' % d)
        p.add('<path d="%s" fill="none" stroke="#2a0006" stroke-width="%.1f" opacity="0.8"/>' % (d, 1.8 - k * 0.4))
    # Two outer petals wrapping the cone, their lips curling outward at the top.
    left = _smooth([base, (cx - 50, cy + 36), (cx - 58, cy - 14), (cx - 40, cy - 56), (cx - 22, cy - 62),
                    (cx - 30, cy - 50), (cx - 24, cy - 10), (cx - 6, cy + 30)])
    right = _smooth([base, (cx + 8, cy + 20), (cx + 22, cy - 24), (cx + 18, cy - 62), (cx + 32, cy - 74),
                     (cx + 56, cy - 58), (cx + 60, cy - 14), (cx + 48, cy + 36)])
    p.shape(left, p.linear([(0, "#ff5a4a", 1), (0.4, "#b8101a", 1), (1, "#3a0008", 1)], 1, 0, 0, 1), tex,
            "#ff9a8a", rim_dx=2, rim_dy=2, rim_soft=1.2, rim_opacity=0.5)
    p.shape(right, p.linear([(0, "#ff6a58", 1), (0.35, "#c8141e", 1), (1, "#3a0008", 1)], 1, 0, 0.3, 1), tex,
            rim, rim_dx=-3, rim_dy=3, rim_soft=1.2, rim_opacity=0.8)
    # Slender sepals clasping the bud from below, one reaching up its front.
    for (ex, ey, c1x, c1y) in [(-54, -6, -44, 40), (52, -20, 44, 36), (-8, 10, -14, 44)]:
        d = "M%d,%d Q%d,%d %d,%d Q%d,%d %d,%d Z" % (cx - 6, cy + 66, cx + c1x, cy + c1y, cx + ex, cy + ey,
                                                 cx + c1x + 10, cy + c1y + 10, cx + 6, cy + 66)
        p.add('<path d="%s" fill="%s" stroke="#061808" stroke-width="0.8"/>' % (d, p.linear(
            [(0, "#3a7a34", 1), (1, "#0c2a10", 1)])))
    p.add('<ellipse cx="%d" cy="%d" rx="12" ry="7" fill="#14381a"/>' % (cx, cy + 68))
    # Dew on the outer petal.
    for (dx, dy, r) in [(cx + 40, cy - 10, 3.2), (cx - 34, cy + 20, 2.4), (cx + 24, cy + 30, 2)]:
        p.add('<circle cx="%d" cy="%d" r="%s" fill="#ffd0d0" opacity="0.5"/><circle cx="%.1f" cy="%.1f" r="%.1f" fill="#fff"/>' % (
            dx, dy, r, dx + r * 0.3, dy - r * 0.3, r * 0.35))
    p.grain(0.06)
    _edge_fade(p, 45)
    _vignette(p, 0.5, 0.8)
    return p.svg()


def _bolt(rng, x0, y0, x1, y1, steps, spread, fine=0.0):
    """A zigzag from (x0, y0) to (x1, y1); with `fine` each leg is broken again, smaller."""
    pts_ = [(x0, y0)]
    for i in range(1, steps):
        t = i / steps
        pts_.append((x0 + (x1 - x0) * t + rng.uniform(-spread, spread), y0 + (y1 - y0) * t + rng.uniform(-spread, spread) * 0.3))
    pts_.append((x1, y1))
    if fine:
        out = [pts_[0]]
        for (ax, ay), (bx, by) in zip(pts_, pts_[1:]):
            for k in (1, 2):
                out.append((ax + (bx - ax) * k / 3 + rng.uniform(-fine, fine), ay + (by - ay) * k / 3 + rng.uniform(-fine, fine)))
            out.append((bx, by))
        pts_ = out
    return pts_


def _line(points):
    return "M" + " L".join("%.1f,%.1f" % q for q in points)


def _ribbon(points, w0, w1, grow=0.0):
    """A band along the points, w0 wide at the start and w1 at the end: a bolt that thins out.
    With `grow` it starts as a thread and reaches its width that far along."""
    left, right = [], []
    n = len(points)
    for i, (x, y) in enumerate(points):
        ax, ay = points[max(i - 1, 0)]
        bx, by = points[min(i + 1, n - 1)]
        dx, dy = bx - ax, by - ay
        ln = math.hypot(dx, dy) or 1.0
        wd = (w0 + (w1 - w0) * i / (n - 1)) / 2
        if grow:
            wd *= min(1.0, 0.08 + i / (n - 1) / grow)
        left.append((x - dy / ln * wd, y + dx / ln * wd))
        right.append((x + dy / ln * wd, y - dx / ln * wd))
    return _path(left + right[::-1])


def purple_lightning(w, h):
    """Card 54: a purple strike out of a storm cloud into the ground, lighting both."""
    p = Painter(w, h, 54)
    rng = random.Random(54)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    # The cloud it falls from, lit from inside where the bolt leaves it.
    cloud = p.uid("cloudfade")
    p.define('<mask id="%s"><rect width="%d" height="190" fill="%s"/></mask>' % (cloud, w, p.linear(
        [(0, "#fff", 1), (0.45, "#fff", 1), (1, "#fff", 0)])))
    p.add('<rect width="%d" height="190" fill="%s" filter="%s" mask="url(#%s)"/>' % (w, p.radial(
        [(0, "#c9a0ff", 1), (0.3, "#5a2a8a", 1), (1, "#140822", 1)], 200, 40, 230),
        p.noise_mask("0.012 0.03", 5, 1.8, -0.35, 12), cloud))
    p.light_pool(200, 40, 130, "#b070ff", 0.45)
    main = _bolt(rng, 205, 30, 180, 372, 16, 34)
    forks = [_bolt(rng, *main[4], 300, 200, 7, 18), _bolt(rng, *main[7], 90, 270, 7, 16),
             _bolt(rng, *main[10], 270, 330, 5, 14), _bolt(rng, *main[2], 80, 110, 5, 12)]
    # The ground it strikes, and the splash of light there.
    ground = p.ridge(372, 10, 0.5, 6, seed=5)[0]
    p.add('<path d="%s" fill="%s"/>' % (ground, p.linear([(0, "#2a1a40", 1), (0.15, "#0e0818", 1), (1, "#000", 1)])))
    p.light_pool(180, 372, 140, "#c080ff", 0.55)
    g = ""
    for pts_, wd in [(main, 14)] + [(f, 7) for f in forks]:
        g += '<path d="%s" fill="none" stroke="#8a3aff" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"/>' % (_line(pts_), wd)
    p.add('<g filter="%s" opacity="0.9">%s</g>' % (p.blur(7), g))
    for pts_, wd in [(main, 5)] + [(f, 2.4) for f in forks]:
        p.add('<path d="%s" fill="none" stroke="#d8b0ff" stroke-width="%s" stroke-linejoin="round" filter="%s"/>' % (
            _line(pts_), wd, p.bloom(2)))
    for pts_, wd in [(main, 2.2)] + [(f, 1.0) for f in forks]:
        p.add('<path d="%s" fill="none" stroke="#ffffff" stroke-width="%s" stroke-linejoin="round"/>' % (_line(pts_), wd))
    p.add('<ellipse cx="180" cy="374" rx="40" ry="7" fill="#ffffff" filter="%s"/>' % p.blur(5))
    _edge_fade(p, 34, top=24, bottom=20)
    _vignette(p, 0.6, 0.6)
    return p.svg()


def panther(w, h):
    """Card 39: a black panther stalking along a ledge under the moon, head low, tail hanging
    over the edge; the moon behind gives it a silver rim along the back and the eyes burn."""
    p = Painter(w, h, 39)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(96, 132, 105, "#6f82a8", 0.5)
    p.add('<rect width="%d" height="%d" fill="%s" opacity="0.5" filter="%s"/>' % (
        w, h, p.radial([(0, "#8da0c8", 1), (0.6, "#1a2440", 1), (1, "#1a2440", 0)], 96, 130, 100),
        p.noise_mask("0.01 0.04", 4, 1.6, -0.55, 31)))
    # A low moon right behind it, so the cat reads as a shape against the disc.
    p.moon(92, 138, 44)
    # The ledge: near rock, darkest, cut by the bottom edge.
    ledge = _smooth([(-12, 200), (20, 190), (60, 187), (110, 189), (150, 194), (190, 204), (190, 262), (-12, 262)])
    p.shape(ledge, "#161a24", p.relief(freq=0.07, azimuth=270, elevation=30, scale=3, strength=1.5), NIGHT["rim"],
            rim_dx=0, rim_dy=3, rim_soft=1, rim_opacity=0.55)
    fur = p.relief(freq="0.1 0.25", octaves=3, azimuth=270, elevation=30, scale=2, strength=1.1, base=0.7)
    # The cat a little smaller than drawn, so the tail and the muzzle stay clear of the fade.
    p.add('<g transform="translate(92,196) scale(0.92) translate(-92,-196)">')
    # Far legs: the far foreleg reaching forward, the far hind leg pushing off behind.
    far = ("M124,160 C130,172 136,182 142,192 L153,196 C151,190 146,187 143,182 C138,172 136,164 134,156 Z "
           "M38,156 C33,170 27,182 17,193 L29,196 C35,188 43,176 50,162 Z")
    p.add('<path d="%s" fill="#141824" filter="%s"/>' % (far, fur))
    # Tail: from the rump down over the ledge, the tip curling up.
    tail = ("M26,142 C12,150 6,168 8,186 C10,202 16,214 26,216 C32,216 32,210 27,208 C20,204 17,194 16,184 "
            "C15,168 22,156 32,150 Z")
    body = _smooth([
        (30, 138), (50, 133), (70, 135), (96, 133), (110, 127), (118, 125), (126, 128), (132, 136),
        (140, 139), (148, 137), (156, 140), (163, 146), (167, 152), (163, 156), (157, 158), (149, 157),
        (140, 154), (132, 158), (129, 170), (129, 184), (133, 196), (119, 196), (117, 184), (114, 170),
        (106, 160), (84, 159), (62, 158), (50, 155), (46, 168), (45, 182), (48, 196), (34, 196),
        (32, 184), (27, 168), (21, 154)])
    ears = "M143,139 L145,129 L151,137 Z M137,139 L138,131 L143,138 Z"
    for d in (tail, body, ears):
        p.shape(d, "#06070b", fur, NIGHT["rim"], rim_dx=0.4, rim_dy=1.6, rim_soft=0.6, rim_opacity=0.8)
    # Shoulder blade and haunch catching a little light, the eye burning.
    p.add('<path d="M114,131 C121,139 123,149 119,159" fill="none" stroke="#2c3650" stroke-width="1.6" opacity="0.8"/>')
    p.add('<path d="M36,141 C48,145 54,153 52,161" fill="none" stroke="#2c3650" stroke-width="1.6" opacity="0.8"/>')
    p.add('<path d="M152,143 l6,1 l-5,2.2 z" fill="#f4ff70" filter="%s"/>' % p.bloom(1.8))
    p.add('<path d="M161,153 l14,-3 M161,154 l13,2 M160,155 l11,5" stroke="#cfdcff" stroke-width="0.5" opacity="0.55"/>')
    p.add('</g>')
    p.grain(0.05)
    _edge_fade(p, 22, top=40, bottom=14)
    return p.svg()


def green_flames(w, h):
    """Cards 5 and 45: witchfire rising from the ground line, tallest at the sides so the figure
    or the stones drawn over its middle stand in the light; black at every edge."""
    p = Painter(w, h, 22)
    rng = random.Random(22)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w / 2, h - 10, 260, "#30c050", 0.35)
    tongues = []
    for i in range(17):
        x = 22 + i * 26 + rng.uniform(-6, 6)
        d = abs(x - w / 2) / (w / 2)
        height = 100 + 130 * math.sin(min(1.0, d * 1.3) * math.pi / 2) * 0.8 + rng.uniform(-15, 35)
        tongues.append((x, h + 6, rng.uniform(46, 66), height, rng.uniform(-0.35, 0.35), 100 + i))
    layers = [(("#0a4a16", "#1a8a2a"), 1.0), (("#1a8a2a", "#3ad058"), 0.8), (("#3ad058", "#9cff8a"), 0.6),
              (("#9cff8a", "#eaffd8"), 0.4), (("#eaffd8", "#ffffff"), 0.2)]
    p.add('<g filter="%s" opacity="0.7">%s</g>' % (p.blur(12), _fire(p, tongues, layers[:2])))
    p.add('<g filter="%s">%s</g>' % (p.blur(1.6), _fire(p, tongues, layers, _waver(p, 26, "0.014 0.035", 4))))
    for _ in range(50):
        x, y = rng.uniform(30, w - 30), rng.uniform(30, h - 60)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#c8ffb0" opacity="%.2f"/>' % (x, y, rng.uniform(0.8, 1.8), rng.uniform(0.4, 0.9)))
    _edge_fade(p, 40, top=30, bottom=16)
    return p.svg()


def lightning(w, h):
    """The intro's lightning: a white-hot bolt with branches that thin out; its blue corona is
    stippled, so after the key cut it thins into single sparks instead of stopping on a hard
    outline."""
    p = Painter(w, h, 3)
    rng = random.Random(9)
    main = _bolt(rng, 250, -4, 215, 604, 14, 46, 9)
    branches = [_bolt(rng, *main[15], 440, 330, 6, 24, 6), _bolt(rng, *main[9], 60, 290, 6, 22, 6),
                _bolt(rng, *main[27], 370, 540, 5, 18, 5), _bolt(rng, *main[21], 100, 480, 5, 18, 5)]
    twigs = []
    for b in branches:
        for j in (6, 11):
            x, y = b[j]
            twigs.append(_bolt(rng, x, y, x + rng.uniform(-50, 50), y + rng.uniform(40, 80), 3, 10, 4))
    # The main stroke comes out of the dark as a thread: the picture's top edge is mid-sky.
    strands = [(main, 11, 6, 0.18)] + [(b, 5, 1.2, 0) for b in branches] + [(t, 2.4, 0.8, 0) for t in twigs]

    def band(scale, colour, extra=0.0):
        return "".join('<path d="%s" fill="%s"/>' % (_ribbon(s, w0 * scale + extra, w1 * scale + extra, g), colour)
                       for s, w0, w1, g in strands)
    # Corona: the bolt blurred, kept only where it beats a fine noise, coloured blue.
    cid = p.uid("corona")
    p.define('<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
             '<feGaussianBlur in="SourceAlpha" stdDeviation="10" result="b"/>'
             '<feTurbulence type="fractalNoise" baseFrequency="0.7" numOctaves="1" seed="4" result="n"/>'
             '<feColorMatrix in="n" type="matrix" values="0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2.5 0 0 0 -0.7" result="na"/>'
             '<feComposite in="b" in2="na" operator="arithmetic" k1="0" k2="2.2" k3="-1" k4="0" result="d"/>'
             '<feComponentTransfer in="d" result="a"><feFuncA type="discrete" tableValues="0 1"/></feComponentTransfer>'
             '<feFlood flood-color="#8aa4ff" result="c"/><feComposite in="c" in2="a" operator="in"/></filter>' % cid)
    p.add('<g filter="url(#%s)">%s</g>' % (cid, band(1.6, "#fff")))
    p.add(band(1.0, "#6f86e8", 3))
    p.add(band(1.0, "#b4c8ff", 1))
    p.add(band(0.6, "#eef3ff"))
    p.add(band(0.3, "#ffffff"))
    return p.svg()


PICTURES = {
    "Form4.Image2": green_gem,
    "Form4.Image3": shield,
    "Form4.Image4": lambda w, h: flare(w, h, "#9fc4ff", "#3a70ff", "#0a1a6a"),
    "Form4.Image5": flame_column,
    "Form4.Image6": sparkle,
    "Form4.Image7": cat_eyes,
    "Form4.Image8": rose_bud,
    "Form4.Image9": purple_lightning,
    "Form4.Image10": lambda w, h: speed_icon(w, h, True),
    "Form4.Image11": lambda w, h: speed_icon(w, h, False),
    "Form4.Image13": arrow,
    "Form4.Image14": panther,
    "Form4.Image18": lambda w, h: flare(w, h, "#ffb0a0", "#ff3020", "#6a0a08"),
    "Form4.Image22": green_flames,
    "Form3.Image3": lightning,
}
