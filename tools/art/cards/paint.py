"""paint.py -- the painter's kit of the card illustrations: night skies, moons, glows, layered
land fading into the dark, and silhouettes of people, horses and beasts with a rim of light.

Every illustration is painted into a 140 x 202 window; a Scene collects its shapes and the
filters and gradients they need, with ids unique inside the one card document.
"""
import math
import random

from figkit import smooth

W, H = 140, 202

# Colours of each run of cards inside the shared night: sky top, sky middle, horizon glow,
# the light itself, the dark of the silhouettes, and the rim the light puts on them.
PALETTES = {
    "night": dict(top="#02040c", mid="#0c1a3c", low="#2c4a80", light="#dce8ff", dark="#04060c", rim="#9cc0ff", fog="#6a88c0"),
    "ember": dict(top="#080103", mid="#2e0708", low="#8a2412", light="#ffc48a", dark="#0a0304", rim="#ff8a50", fog="#a04028"),
    "amber": dict(top="#0a0602", mid="#2e1c06", low="#a06a18", light="#ffe6a8", dark="#0c0804", rim="#ffc860", fog="#b08038"),
    "silver": dict(top="#030406", mid="#141822", low="#4c5468", light="#f4f6ff", dark="#040507", rim="#dfe6f4", fog="#8a92a6"),
}


def f(v):
    return "%.1f" % v


def pts(points):
    return " ".join("%.1f,%.1f" % p for p in points)


class Scene:
    """One illustration: defs and body, painted back to front."""

    def __init__(self, run, seed):
        self.p = PALETTES[run]
        self.rng = random.Random(seed)
        self.seed = seed
        self.defs = []
        self.body = []
        self.count = 0
        self.rims = {}

    def uid(self, stem):
        self.count += 1
        return "%s%d" % (stem, self.count)

    def add(self, s):
        self.body.append(s)
        return self

    # --- light and air -------------------------------------------------------------------

    def sky(self, top=None, mid=None, low=None, horizon=0.75, clouds=0.5, cloud_col=None, freq="0.012 0.04"):
        """A graded night sky with painted cloud noise drifting across it."""
        p = self.p
        g = self.uid("sky")
        self.defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s"/>'
                         '<stop offset="%.2f" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
                         % (g, top or p["top"], horizon * 0.6, mid or p["mid"], low or p["low"]))
        self.add('<rect width="%d" height="%d" fill="url(#%s)"/>' % (W, H, g))
        if clouds > 0:
            self.clouds(clouds, cloud_col or p["fog"], freq)
        return self

    def clouds(self, opacity, col, freq="0.012 0.04", y=0, h=H, seed=None):
        fid = self.uid("cl")
        r, g, b = rgb(col)
        self.defs.append(
            '<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="5" seed="%d" result="n"/>'
            '<feColorMatrix in="n" type="matrix" values="0 0 0 0 %.3f 0 0 0 0 %.3f 0 0 0 0 %.3f 1.9 0 0 0 -0.78"/>'
            '<feComposite in2="SourceGraphic" operator="in"/></filter>'
            % (fid, freq, seed if seed is not None else self.seed * 7 + self.count, r / 255, g / 255, b / 255))
        self.add('<rect y="%s" width="%d" height="%s" fill="#fff" opacity="%.2f" filter="url(#%s)"/>' % (f(y), W, f(h), opacity, fid))
        return self

    def glow(self, cx, cy, r, col, opacity=1.0, ry=None):
        gid = self.uid("gl")
        self.defs.append('<radialGradient id="%s"><stop offset="0" stop-color="%s" stop-opacity="%.2f"/>'
                         '<stop offset="0.35" stop-color="%s" stop-opacity="%.2f"/>'
                         '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>'
                         % (gid, col, opacity, col, opacity * 0.4, col))
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#%s)"/>' % (f(cx), f(cy), f(r), f(ry or r), gid))
        return self

    def moon(self, cx, cy, r, col=None, halo=2.6):
        col = col or self.p["light"]
        self.glow(cx, cy, r * halo, col, 0.55)
        gid = self.uid("mn")
        self.defs.append('<radialGradient id="%s" cx="0.4" cy="0.38" r="0.65"><stop offset="0" stop-color="#ffffff"/>'
                         '<stop offset="0.6" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>'
                         % (gid, col, mix(col, "#404860", 0.45)))
        fid = self.uid("mt")
        self.defs.append(
            '<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.045" numOctaves="2" seed="%d" result="n"/>'
            '<feColorMatrix in="n" type="matrix" values="0 0 0 0 0.35 0 0 0 0 0.38 0 0 0 0 0.5 -2.2 0 0 0 1.15"/>'
            '<feComposite in2="SourceGraphic" operator="in"/></filter>' % (fid, self.seed))
        self.add('<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>' % (f(cx), f(cy), f(r), gid))
        self.add('<circle cx="%s" cy="%s" r="%s" fill="#fff" opacity="0.5" filter="url(#%s)"/>' % (f(cx), f(cy), f(r), fid))
        return self

    def stars(self, n, maxy=120):
        rng = self.rng
        for _ in range(n):
            self.add('<circle cx="%s" cy="%s" r="%.2f" fill="#fff" opacity="%.2f"/>' % (
                f(rng.uniform(0, W)), f(rng.uniform(0, maxy)), rng.uniform(0.25, 0.8), rng.uniform(0.3, 0.9)))
        return self

    def fog(self, y, h, col=None, opacity=0.5):
        gid = self.uid("fg")
        col = col or self.p["fog"]
        self.defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s" stop-opacity="0"/>'
                         '<stop offset="0.5" stop-color="%s" stop-opacity="%.2f"/><stop offset="1" stop-color="%s" stop-opacity="0"/>'
                         '</linearGradient>' % (gid, col, col, opacity, col))
        self.add('<rect y="%s" width="%d" height="%s" fill="url(#%s)"/>' % (f(y), W, f(h), gid))
        return self

    def ridge(self, y, amp, col, n=8, seed=None, jag=0.0, textured=True, opacity=1.0):
        """A band of land or mountains from y down to the bottom; amp is its unevenness."""
        rng = random.Random(self.seed * 31 + (seed if seed is not None else self.count))
        p = [(-2, H + 2), (-2, y)]
        for i in range(n + 1):
            x = W * i / n
            p.append((x, y - rng.uniform(0, amp)))
            if jag:
                p.append((x + W / n / 2, y - rng.uniform(0, amp) - jag * rng.uniform(0.4, 1)))
        p += [(W + 2, y), (W + 2, H + 2)]
        self.count += 1
        tex = ' filter="url(#%s)"' % self.texture() if textured else ""
        self.add('<polygon points="%s" fill="%s" opacity="%.2f"%s/>' % (pts(p), col, opacity, tex))
        return self

    def texture(self, freq=0.08, strength=0.55):
        """A filter that paints stone or cloth grain into whatever it is put on."""
        key = ("tex", freq, strength)
        if key in self.rims:
            return self.rims[key]
        fid = self.uid("tx")
        self.defs.append(
            '<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="4" seed="%d" result="n"/>'
            '<feDiffuseLighting in="n" surfaceScale="2.5" lighting-color="#fff" result="l"><feDistantLight azimuth="225" elevation="55"/></feDiffuseLighting>'
            '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="%.2f" k2="%.2f" result="m"/>'
            '<feComposite in="m" in2="SourceGraphic" operator="in"/></filter>'
            % (fid, freq, self.seed, strength * 1.6, 1 - strength * 0.55))
        self.rims[key] = fid
        return fid

    def rim(self, dx=-1.2, dy=-0.8, col=None, width=1.0):
        """A filter that lights the edge of a silhouette on the side facing the light."""
        col = col or self.p["rim"]
        key = ("rim", dx, dy, col, width)
        if key in self.rims:
            return self.rims[key]
        fid = self.uid("rm")
        self.defs.append(
            '<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="140%%" color-interpolation-filters="sRGB">'
            '<feOffset in="SourceAlpha" dx="%s" dy="%s" result="o"/>'
            '<feComposite in="SourceAlpha" in2="o" operator="out" result="e"/>'
            '<feGaussianBlur in="e" stdDeviation="%.2f" result="eb"/>'
            '<feFlood flood-color="%s" result="c"/><feComposite in="c" in2="eb" operator="in" result="r"/>'
            '<feComposite in="r" in2="SourceAlpha" operator="in" result="ri"/>'
            '<feMerge><feMergeNode in="SourceGraphic"/><feMergeNode in="ri"/><feMergeNode in="ri"/></feMerge></filter>'
            % (fid, f(-dx * width), f(-dy * width), 0.25 * width, col))
        self.rims[key] = fid
        return fid

    def bloom(self, sd=3):
        key = ("bloom", sd)
        if key in self.rims:
            return self.rims[key]
        fid = self.uid("bl")
        self.defs.append('<filter id="%s" x="-60%%" y="-60%%" width="220%%" height="220%%"><feGaussianBlur stdDeviation="%s" result="b"/>'
                         '<feMerge><feMergeNode in="b"/><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge></filter>' % (fid, sd))
        self.rims[key] = fid
        return fid

    def blur(self, sd):
        key = ("blur", sd)
        if key in self.rims:
            return self.rims[key]
        fid = self.uid("bu")
        self.defs.append('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%"><feGaussianBlur stdDeviation="%s"/></filter>' % (fid, sd))
        self.rims[key] = fid
        return fid

    def lit(self, shapes, dx=-1.2, dy=-0.8, col=None, width=1.0, fill=None, textured=False):
        """Silhouette shapes (svg) in the dark colour, rim-lit from the light's side."""
        fill = fill or self.p["dark"]
        inner = '<g fill="%s">%s</g>' % (fill, shapes)
        if textured:
            inner = '<g filter="url(#%s)">%s</g>' % (self.texture(0.5, 0.35), inner)
        self.add('<g filter="url(#%s)">%s</g>' % (self.rim(dx, dy, col, width), inner))
        return self

    def vignette(self, strength=0.75):
        gid = self.uid("vg")
        self.defs.append('<radialGradient id="%s" cx="0.5" cy="0.45" r="0.75"><stop offset="0.55" stop-color="#000" stop-opacity="0"/>'
                         '<stop offset="1" stop-color="#000" stop-opacity="%.2f"/></radialGradient>' % (gid, strength))
        self.add('<rect width="%d" height="%d" fill="url(#%s)"/>' % (W, H, gid))
        return self

    def render(self):
        """The finished illustration: a brush-like wobble and a canvas grain over all of it."""
        fid = self.uid("paint")
        self.defs.append(
            '<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.35" numOctaves="2" seed="%d" result="n"/>'
            '<feDisplacementMap in="SourceGraphic" in2="n" scale="0.9" xChannelSelector="R" yChannelSelector="G" result="d"/>'
            '<feTurbulence type="fractalNoise" baseFrequency="1.1" numOctaves="1" seed="%d" result="g"/>'
            '<feColorMatrix in="g" type="matrix" values="0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0 0 0 0 1" result="gg"/>'
            '<feComposite in="d" in2="gg" operator="arithmetic" k1="0.25" k2="0.9" k3="0" k4="0"/></filter>'
            % (fid, self.seed, self.seed + 1))
        return "".join(self.defs), '<g filter="url(#%s)">%s</g>' % (fid, "".join(self.body))


def rgb(col):
    col = col.lstrip("#")
    return int(col[0:2], 16), int(col[2:4], 16), int(col[4:6], 16)


def mix(a, b, t):
    ra, ga, ba = rgb(a)
    rb, gb, bb = rgb(b)
    return "#%02x%02x%02x" % (int(ra + (rb - ra) * t), int(ga + (gb - ga) * t), int(ba + (bb - ba) * t))


# --- shapes ------------------------------------------------------------------------------


def curve(points, closed=True):
    """A smooth path through points (Catmull-Rom), for shapes that must not look cut from card."""
    d = smooth(points, closed, digits=1)
    return d[:-1] if closed else d


def limb(a, b, wa, wb):
    """A tapered limb from joint a to joint b, rounded at both ends."""
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    d = math.hypot(dx, dy) or 1
    nx, ny = -dy / d, dx / d
    # a slight swell a third of the way along, as a muscle has
    mx, my = ax + dx * 0.35, ay + dy * 0.35
    wm = max(wa, wb) * 1.08
    p = [(ax + nx * wa / 2, ay + ny * wa / 2), (mx + nx * wm / 2, my + ny * wm / 2), (bx + nx * wb / 2, by + ny * wb / 2),
         (bx - nx * wb / 2, by - ny * wb / 2), (mx - nx * wm / 2, my - ny * wm / 2), (ax - nx * wa / 2, ay - ny * wa / 2)]
    return ('<polygon points="%s"/><circle cx="%s" cy="%s" r="%s"/><circle cx="%s" cy="%s" r="%s"/>'
            % (pts(p), f(ax), f(ay), f(wa / 2), f(bx), f(by), f(wb / 2)))


def head(cx, cy, s, facing=1, hood=False, hair=None, helm=None, beard=False):
    """A head of height about 2.4*s in profile or three-quarter view: skull, brow, nose, lips, chin."""
    k = facing
    # profile outline: back of skull, crown, brow, nose, lips, chin, jaw, neck
    p = [(-1.0, -0.2), (-0.95, -0.75), (-0.5, -1.15), (0.15, -1.2), (0.62, -0.9), (0.72, -0.45), (0.7, -0.25),
         (0.92, 0.05), (0.72, 0.12), (0.74, 0.3), (0.66, 0.4), (0.7, 0.55), (0.55, 0.78), (0.25, 0.9),
         (0.05, 0.8), (-0.2, 1.3), (-0.65, 1.3), (-0.7, 0.5)]
    d = "M" + " L".join("%.1f,%.1f" % (cx + k * x * s, cy + y * s) for x, y in p) + " Z"
    out = '<path d="%s"/>' % d
    if hood:
        hp = [(-1.35, 1.6), (-1.35, -0.5), (-0.8, -1.45), (0.2, -1.55), (0.95, -1.0), (1.05, -0.2), (0.85, 0.2),
              (0.55, -0.55), (0.0, -0.7), (-0.35, 0.0), (-0.1, 1.6)]
        out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % (cx + k * x * s, cy + y * s) for x, y in hp)
    if hair == "long":
        hp = [(-0.9, -0.9), (-0.3, -1.3), (0.5, -1.15), (0.3, -0.9), (-0.5, -0.4), (-0.7, 0.6), (-0.9, 1.8),
              (-1.5, 2.4), (-1.3, 1.2), (-1.25, 0.0)]
        out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % (cx + k * x * s, cy + y * s) for x, y in hp)
    if helm == "kettle":
        out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % (cx + k * x * s, cy + y * s) for x, y in
                                                [(-1.5, -0.45), (-0.95, -1.35), (0.1, -1.55), (1.0, -1.1), (1.5, -0.5), (1.3, -0.35), (-1.3, -0.3)])
    if helm == "horned":
        for side in (-1, 1):
            out += '<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Z"/>' % (
                cx + k * side * 0.6 * s, cy - 1.0 * s, cx + k * side * 1.9 * s, cy - 1.2 * s, cx + k * side * 1.7 * s, cy - 2.6 * s,
                cx + k * side * 1.4 * s, cy - 1.5 * s, cx + k * side * 0.4 * s, cy - 0.65 * s)
    if beard:
        bp = [(0.7, 0.4), (0.6, 1.1), (0.1, 1.5), (-0.4, 1.0), (-0.6, 0.3)]
        out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % (cx + k * x * s, cy + y * s) for x, y in bp)
    return out


def hand(x, y, s, angle=0, fist=True):
    """A hand at (x, y) pointing along angle (degrees): palm, thumb and fingers."""
    if fist:
        shape = ('<ellipse cx="0" cy="0" rx="%s" ry="%s"/><ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(-40 %s %s)"/>'
                 % (f(1.1 * s), f(0.85 * s), f(0.3 * s), f(-0.75 * s), f(0.55 * s), f(0.3 * s), f(0.3 * s), f(-0.75 * s)))
    else:
        shape = '<ellipse cx="0" cy="0" rx="%s" ry="%s"/>' % (f(0.9 * s), f(0.7 * s))
        for i, a in enumerate((-30, -10, 8, 26)):
            r = math.radians(a)
            ln = (1.9 - abs(i - 1.5) * 0.25) * s
            shape += limb((0.5 * s * math.cos(r), 0.5 * s * math.sin(r)), (ln * math.cos(r), ln * math.sin(r)), 0.42 * s, 0.32 * s)
        shape += limb((0, -0.4 * s), (0.9 * s, -1.3 * s), 0.45 * s, 0.35 * s)
    return '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (f(x), f(y), f(angle), shape)


def body(j, s=1.0, female=False, build=1.0):
    """A standing or moving body from a dict of joints: neck, hip, and each side's shoulder,
    elbow, wrist, knee and ankle (keys like 'ls', 'le', 'lw', 'lk', 'la' and 'r...')."""
    sw = build
    out = ""
    nx, ny = j["neck"]
    hx, hy = j["hip"]
    ls, rs = j["ls"], j["rs"]
    # torso: shoulders to waist to hips
    waist = (hx * 0.6 + nx * 0.4, hy * 0.6 + ny * 0.4)
    ww = (4.2 if female else 5.2) * s * sw
    hw = (6.2 if female else 5.6) * s * sw
    torso = [ls, (ls[0] + (waist[0] - ls[0]) * 0.5 - 0.5, (ls[1] + waist[1]) / 2), (waist[0] - ww, waist[1]),
             (hx - hw, hy), (hx + hw, hy), (waist[0] + ww, waist[1]), (rs[0] + (waist[0] - rs[0]) * 0.5 + 0.5, (rs[1] + waist[1]) / 2), rs]
    out += '<polygon points="%s"/>' % pts(torso)
    out += limb((nx, ny + 2 * s), (nx, ny - 2 * s), 3.2 * s, 2.8 * s)
    for side in ("l", "r"):
        sh, el, wr = j[side + "s"], j[side + "e"], j[side + "w"]
        out += limb(sh, el, 4.4 * s * sw, 3.4 * s * sw) + limb(el, wr, 3.3 * s * sw, 2.3 * s * sw)
        hip = (hx + (-hw * 0.55 if side == "l" else hw * 0.55), hy)
        kn, an = j[side + "k"], j[side + "a"]
        out += limb(hip, kn, 6.0 * s * sw, 4.2 * s * sw) + limb(kn, an, 4.0 * s * sw, 2.6 * s * sw)
        fd = j.get(side + "f", 1)
        out += '<polygon points="%s"/>' % pts([(an[0] - 1.6 * s * fd, an[1] - 1.8 * s), (an[0] + 4.2 * s * fd, an[1] + 0.6 * s),
                                               (an[0] + 4.4 * s * fd, an[1] + 1.4 * s), (an[0] - 1.8 * s * fd, an[1] + 1.4 * s)])
    return out


def cloak(top_l, top_r, bottom, flare=1.0, wave=3, rng=None):
    """A cloak hanging from the shoulders, its hem blown out to the sides."""
    rng = rng or random.Random(1)
    (lx, ly), (rx, ry) = top_l, top_r
    by = bottom
    width = (rx - lx) * (1.6 * flare)
    cx = (lx + rx) / 2
    d = "M%s,%s C%s,%s %s,%s %s,%s " % (f(lx), f(ly), f(lx - 6 * flare), f(ly + 20), f(cx - width / 2 - 4 * flare), f(by - 20), f(cx - width / 2), f(by))
    n = wave * 2
    for i in range(1, n + 1):
        x = cx - width / 2 + width * i / n
        d += "Q%s,%s %s,%s " % (f(x - width / n / 2), f(by + (3 if i % 2 else -2) + rng.uniform(-1, 1)), f(x), f(by + rng.uniform(-2, 2)))
    d += "C%s,%s %s,%s %s,%s Z" % (f(cx + width / 2 + 4 * flare), f(by - 20), f(rx + 6 * flare), f(ry + 20), f(rx), f(ry))
    return '<path d="%s"/>' % d


def horse(x, y, s, facing=1, gait="gallop", neck_up=0.0):
    """A horse in side view, its withers near (x, y), size s (body length about 40*s): barrel,
    chest, croup, arched neck, head with ears and muzzle, tail, and four legs with hooves."""
    k = facing

    def P(px, py):
        return (x + k * px * s, y + py * s)

    out = ""
    barrel = [P(-22, 2), P(-16, -2), P(-2, -1), P(8, -3), P(14, 2), P(16, 10), P(12, 17), P(-4, 18), P(-18, 16), P(-26, 10), P(-26, 4)]
    out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % p for p in barrel)
    # neck and head, raised by neck_up
    u = neck_up
    neck = [P(8, -3), P(14, -14 - 4 * u), P(20, -22 - 6 * u), P(24, -24 - 6 * u), P(28, -20 - 6 * u), P(32, -12 - 6 * u),
            P(33, -9 - 6 * u), P(30, -7 - 6 * u), P(26, -10 - 6 * u), P(22, -10 - 4 * u), P(16, 4)]
    out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % p for p in neck)
    # ears and mane
    out += '<polygon points="%s"/>' % pts([P(21, -23 - 6 * u), P(21, -28 - 6 * u), P(23.5, -24 - 6 * u)])
    out += '<polygon points="%s"/>' % pts([P(8, -4), P(12, -12 - 4 * u), P(19, -22 - 6 * u), P(16, -20 - 6 * u), P(9, -13 - 4 * u), P(5, -3)])
    # tail
    out += '<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Z"/>' % (
        *P(-25, 3), *P(-36, 4), *P(-38, 16), *P(-32, 8), *P(-26, 8))
    legs = {
        "gallop": [((12, 12), (20, 14), (24, 8)), ((8, 14), (4, 22), (10, 28)), ((-18, 14), (-26, 22), (-34, 26)), ((-22, 12), (-20, 22), (-14, 30))],
        "stand": [((12, 14), (13, 24), (13, 33)), ((6, 14), (6, 24), (7, 33)), ((-17, 14), (-20, 23), (-18, 33)), ((-22, 12), (-24, 23), (-23, 33))],
        "rear": [((12, 10), (20, 2), (18, -6)), ((8, 12), (18, 10), (22, 4)), ((-18, 14), (-18, 24), (-14, 33)), ((-22, 12), (-26, 23), (-24, 33))],
    }[gait]
    for top, knee, hoof in legs:
        out += limb(P(*top), P(*knee), 5.5 * s, 3.0 * s) + limb(P(*knee), P(*hoof), 2.6 * s, 2.2 * s)
        hx, hy = P(*hoof)
        out += '<rect x="%s" y="%s" width="%s" height="%s" rx="%s"/>' % (f(hx - 1.6 * s), f(hy - 0.5 * s), f(3.2 * s), f(2.2 * s), f(0.5 * s))
    return out


def tower(x, base, w, h, top="crenel", broken=False, rng=None, windows=(), roof=None):
    """A round-cornered stone tower of width w and height h standing on base at centre x."""
    rng = rng or random.Random(2)
    out = ""
    if broken:
        p = [(x - w / 2, base), (x - w / 2, base - h * 0.86)]
        n = 6
        for i in range(1, n):
            p.append((x - w / 2 + w * i / n, base - h * rng.uniform(0.7, 1.0)))
        p += [(x + w / 2, base - h * 0.78), (x + w / 2, base)]
        out += '<polygon points="%s"/>' % pts(p)
    else:
        out += '<rect x="%s" y="%s" width="%s" height="%s"/>' % (f(x - w / 2), f(base - h), f(w), f(h))
        if top == "crenel":
            out += '<rect x="%s" y="%s" width="%s" height="%s"/>' % (f(x - w / 2 - 2), f(base - h - 3), f(w + 4), f(5))
            n = max(3, int(w / 6))
            for i in range(n):
                if i % 2 == 0:
                    out += '<rect x="%s" y="%s" width="%s" height="%s"/>' % (f(x - w / 2 - 2 + (w + 4) * i / n), f(base - h - 8), f((w + 4) / n), f(6))
        elif top == "cone":
            out += '<polygon points="%s"/>' % pts([(x - w / 2 - 3, base - h), (x, base - h - w * 1.3), (x + w / 2 + 3, base - h)])
    return out


def windows(rects, col, s):
    """Lit windows: small arched openings glowing with col."""
    out = ""
    for x, y, w, h in rects:
        out += '<path d="M%s,%s v%s a%s,%s 0 0 1 %s,0 v%s Z" fill="%s"/>' % (f(x), f(y + h), f(-h + w / 2), f(w / 2), f(w / 2), f(w), f(h - w / 2), col)
    return '<g filter="url(#%s)">%s</g>' % (s.bloom(1.5), out)
