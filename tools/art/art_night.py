"""art_night.py -- the painting kit of the place pictures, the paintings, the badges and the map.

One moonlit night palette, painted skies (noise clouds lit around the moon), ridges in planes
that fade into the night, stone and earth given relief by a lighting filter, and a rim light
on every edge that faces the light. Each helper returns SVG text; a Painter gathers the defs
it needs so that ids never clash inside one picture.
"""
import math
import random


# The night palette shared by every picture painted with this kit.
NIGHT = {
    "zenith": "#02040b", "sky": "#0a1430", "horizon": "#23365e", "mist": "#6f82a8",
    "moon": "#f3f1e4", "moonglow": "#b9c9f2", "rim": "#cfdcff",
    "ink": "#04060c", "far": "#1c2a48", "mid": "#0f1829", "near": "#060a12",
    "stone": "#4b5262", "stonedark": "#1a1e28", "earth": "#2a2620",
    "fire": "#ffb040", "ember": "#e0481a", "blood": "#9a0c12", "magic": "#7fe0ff",
    "gold": "#e8c060",
}


class Painter:
    """Collects defs and body of one picture and hands out unique ids."""

    def __init__(self, w, h, seed):
        self.w, self.h = w, h
        self.rng = random.Random(seed)
        self.defs = []
        self.body = []
        self.n = 0

    def uid(self, stem):
        self.n += 1
        return "%s%d" % (stem, self.n)

    def add(self, s):
        self.body.append(s)

    def define(self, s):
        self.defs.append(s)

    # -- gradients and filters -------------------------------------------------------------

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, user=None):
        i = self.uid("lg")
        s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % st for st in stops)
        units = ""
        if user:
            units = ' gradientUnits="userSpaceOnUse"'
            x1, y1, x2, y2 = user
        self.define('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>' % (
            i, x1, y1, x2, y2, units, s))
        return "url(#%s)" % i

    def radial(self, stops, cx, cy, r, fx=None, fy=None):
        """A radial gradient in picture coordinates."""
        i = self.uid("rg")
        s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % st for st in stops)
        self.define('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">%s'
                    '</radialGradient>' % (i, cx, cy, r, cx if fx is None else fx, cy if fy is None else fy, s))
        return "url(#%s)" % i

    def relief(self, freq=0.05, octaves=4, azimuth=225, elevation=35, scale=3.0, strength=1.35, seed=None,
               noise="fractalNoise", base=0.45):
        """Texture with relief: noise lit from the light's direction, multiplied into the shape."""
        i = self.uid("rel")
        seed = self.rng.randint(1, 999) if seed is None else seed
        self.define(
            '<filter id="%s" x="-5%%" y="-5%%" width="110%%" height="110%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="%s" baseFrequency="%s" numOctaves="%d" seed="%d" result="n"/>'
            '<feDiffuseLighting in="n" surfaceScale="%s" diffuseConstant="1" lighting-color="#ffffff" result="l">'
            '<feDistantLight azimuth="%s" elevation="%s"/></feDiffuseLighting>'
            '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="%s" k2="%s" k3="0" k4="0" result="m"/>'
            '<feComposite in="m" in2="SourceGraphic" operator="in"/></filter>' % (
                i, noise, freq, octaves, seed, scale * 0.6, azimuth, elevation, strength * 0.7, base))
        return "url(#%s)" % i

    def noise_mask(self, freq="0.008 0.03", octaves=4, gain=1.6, bias=-0.5, seed=None):
        """A filter keeping the source where fractal noise is dense: clouds, mist, smoke."""
        i = self.uid("nm")
        seed = self.rng.randint(1, 999) if seed is None else seed
        self.define(
            '<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d" result="n"/>'
            '<feColorMatrix in="n" type="matrix" values="0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 %s 0 0 0 %s" result="a"/>'
            '<feComposite in="SourceGraphic" in2="a" operator="in"/></filter>' % (i, freq, octaves, seed, gain, bias))
        return "url(#%s)" % i

    def displace(self, stem, scale, freq, seed, octaves, margin):
        """A filter that pushes each pixel by up to `scale` along a noise: flames bend like heat,
        edges tear into tongues. `margin` (per cent) is the room the pushed shape may take."""
        i = self.uid(stem)
        self.define('<filter id="%s" x="-%d%%" y="-%d%%" width="%d%%" height="%d%%">'
                    '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d" result="n"/>'
                    '<feDisplacementMap in="SourceGraphic" in2="n" scale="%s" xChannelSelector="R" yChannelSelector="G"/>'
                    '</filter>' % (i, margin, margin, 100 + 2 * margin, 100 + 2 * margin, freq, octaves, seed, scale))
        return "url(#%s)" % i

    def blur(self, sd):
        i = self.uid("bl")
        self.define('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%"><feGaussianBlur stdDeviation="%s"/>'
                    '</filter>' % (i, sd))
        return "url(#%s)" % i

    def bloom(self, sd=4):
        i = self.uid("bm")
        self.define('<filter id="%s" x="-60%%" y="-60%%" width="220%%" height="220%%"><feGaussianBlur in="SourceGraphic" '
                    'stdDeviation="%s" result="b"/><feMerge><feMergeNode in="b"/><feMergeNode in="b"/>'
                    '<feMergeNode in="SourceGraphic"/></feMerge></filter>' % (i, sd))
        return "url(#%s)" % i

    def drop_shadow(self, dx=1.2, dy=1.6, sd=1.2, opacity=0.8):
        i = self.uid("ds")
        self.define('<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="140%%"><feGaussianBlur in="SourceAlpha" '
                    'stdDeviation="%s"/><feOffset dx="%s" dy="%s" result="o"/><feComponentTransfer in="o" result="s">'
                    '<feFuncA type="linear" slope="%s"/></feComponentTransfer><feMerge><feMergeNode in="s"/>'
                    '<feMergeNode in="SourceGraphic"/></feMerge></filter>' % (i, sd, dx, dy, opacity))
        return "url(#%s)" % i

    def grain(self, amount=0.12, seed=None):
        """A film of fine grain over the whole picture: paint, not flat fills."""
        i = self.uid("gr")
        seed = self.rng.randint(1, 999) if seed is None else seed
        self.define('<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
                    '<feTurbulence type="fractalNoise" baseFrequency="0.75" numOctaves="1" seed="%d" result="n"/>'
                    '<feColorMatrix in="n" type="matrix" values="0 0 0 0 0.5 0 0 0 0 0.5 0 0 0 0 0.5 0 0 0 -1.4 1.2"/>'
                    '</filter>' % (i, seed))
        self.add('<rect width="%d" height="%d" filter="url(#%s)" opacity="%s"/>' % (self.w, self.h, i, amount))

    # -- painted parts ----------------------------------------------------------------------

    def sky(self, stops, moon=None, glow="#b9c9f2", glow_r=None, clouds=0.55, cloud_col=("#8da0c8", "#1a2440"),
            cloud_freq="0.006 0.025", stars=120, star_max=None):
        """Gradient sky, stars, a halo round the light and noise clouds lit near it."""
        w, h = self.w, self.h
        self.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, self.linear(stops)))
        rng = self.rng
        star_max = h * 0.6 if star_max is None else star_max
        for _ in range(stars):
            x, y = rng.uniform(0, w), rng.uniform(0, star_max)
            r = rng.choice([0.4, 0.5, 0.6, 0.7, 0.9, 1.2])
            self.add('<circle cx="%.1f" cy="%.1f" r="%s" fill="#e8eeff" opacity="%.2f"/>' % (x, y, r, rng.uniform(0.25, 0.9)))
        if moon:
            mx, my = moon[0], moon[1]
            gr = glow_r or max(w, h) * 0.55
            self.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, self.radial(
                [(0, glow, 0.55), (0.25, glow, 0.2), (1, glow, 0)], mx, my, gr)))
        if clouds:
            light, dark = cloud_col
            if moon:
                fill = self.radial([(0, light, 1), (0.45, dark, 1), (1, dark, 1)], moon[0], moon[1], max(w, h) * 0.7)
            else:
                fill = dark
            self.add('<rect width="%d" height="%d" fill="%s" opacity="%s" filter="%s"/>' % (
                w, h, fill, clouds, self.noise_mask(cloud_freq)))

    def moon(self, cx, cy, r, light="#f3f1e4", dark="#9ea3b4", halo=2.6, phase=None):
        """A moon disc with maria, a bright limb and a bloom."""
        rng = self.rng
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, r * halo, self.radial(
            [(0, light, 0.5), (0.35, light, 0.12), (1, light, 0)], cx, cy, r * halo)))
        disc = self.radial([(0, light, 1), (0.75, light, 1), (1, dark, 1)], cx - r * 0.2, cy - r * 0.2, r * 1.25)
        cid = self.uid("mc")
        self.define('<clipPath id="%s"><circle cx="%s" cy="%s" r="%s"/></clipPath>' % (cid, cx, cy, r))
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, r, disc))
        g = '<g clip-path="url(#%s)"><g filter="%s">' % (cid, self.blur(r * 0.08))
        for _ in range(7):
            a, d = rng.uniform(0, 6.3), rng.uniform(0, r * 0.7)
            g += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s" opacity="0.22"/>' % (
                cx + d * math.cos(a), cy + d * math.sin(a), rng.uniform(r * 0.15, r * 0.4), rng.uniform(r * 0.1, r * 0.3), dark)
        g += "</g>"
        g += '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.35" filter="%s"/>' % (
            cx, cy, r, light, self.relief(freq=max(0.02, 2.0 / r), octaves=3, scale=1.2, strength=1.0, base=0.6))
        if phase:
            g += '<circle cx="%s" cy="%s" r="%s" fill="#05070e" opacity="0.92" filter="%s"/>' % (
                cx + phase * r, cy, r * 1.02, self.blur(r * 0.06))
        g += "</g>"
        self.add(g)

    def ridge(self, y, amp, rough=0.55, steps=7, fill="#0f1829", x0=None, x1=None, bottom=None, seed=None, sharp=False):
        """A skyline by midpoint displacement; returns the path (the caller may light it)."""
        rng = random.Random(seed) if seed is not None else self.rng
        x0 = -10 if x0 is None else x0
        x1 = self.w + 10 if x1 is None else x1
        pts_ = [(x0, y + rng.uniform(-amp, amp) * 0.5), (x1, y + rng.uniform(-amp, amp) * 0.5)]
        a = amp
        for _ in range(steps):
            nxt = []
            for (xa, ya), (xb, yb) in zip(pts_, pts_[1:]):
                nxt.append((xa, ya))
                nxt.append(((xa + xb) / 2 + rng.uniform(-0.1, 0.1) * (xb - xa), (ya + yb) / 2 + rng.uniform(-a, a)))
            nxt.append(pts_[-1])
            pts_ = nxt
            a *= rough
        bottom = self.h + 10 if bottom is None else bottom
        d = "M%.1f,%.1f " % (x0, bottom) + " ".join("L%.1f,%.1f" % p for p in pts_) + " L%.1f,%.1f Z" % (x1, bottom)
        return d, pts_

    def shape(self, d, fill, texture=None, rim=None, rim_dx=3, rim_dy=3, rim_soft=1.2, rim_opacity=0.85, extra=""):
        """A filled path, optionally textured, with a rim light on the edges facing the light.

        The rim is the shape minus itself shifted away from the light (rim_dx, rim_dy).
        """
        f = ' filter="%s"' % texture if texture else ""
        self.add('<path d="%s" fill="%s"%s %s/>' % (d, fill, f, extra))
        if rim:
            m = self.uid("rm")
            # The mask's region is the shape's own box, so a rim costs no more than its shape.
            self.define('<mask id="%s"><path d="%s" fill="#fff"/>'
                        '<path d="%s" fill="#000" transform="translate(%s,%s)" filter="%s"/></mask>' % (
                            m, d, d, rim_dx, rim_dy, self.blur(rim_soft)))
            self.add('<path d="%s" fill="%s" mask="url(#%s)" opacity="%s"/>' % (d, rim, m, rim_opacity))

    def fog(self, y0, y1, colour, opacity=0.6, noisy=True, freq="0.01 0.06"):
        """A band of mist between two planes, thickest at its lower edge."""
        g = self.linear([(0, colour, 0), (0.7, colour, opacity), (1, colour, 0)])
        self.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (y0, self.w, y1 - y0, g))
        if noisy:
            g2 = self.linear([(0, colour, 0), (0.6, colour, 1), (1, colour, 0)])
            self.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s" opacity="%s" filter="%s"/>' % (
                y0, self.w, y1 - y0, g2, opacity, self.noise_mask(freq, octaves=3, gain=1.8, bias=-0.6)))

    def vignette(self, strength=0.75, colour="#000"):
        w, h = self.w, self.h
        self.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, self.radial(
            [(0, colour, 0), (0.6, colour, 0), (1, colour, strength)], w / 2, h / 2, math.hypot(w, h) / 2)))

    def light_pool(self, cx, cy, r, colour, opacity=0.6):
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (cx, cy, r, self.radial(
            [(0, colour, opacity), (0.4, colour, opacity * 0.35), (1, colour, 0)], cx, cy, r)))

    def svg(self):
        from svgkit import doc
        return doc(self.w, self.h, "\n".join(self.body), "\n".join(self.defs))


def poly(points):
    return "M" + " L".join("%.1f,%.1f" % p for p in points) + " Z"


def arch_window(x, y, w, h):
    """A pointed-arch opening with its sill at (x, y+h)."""
    r = w / 2
    return "M%.1f,%.1f V%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f V%.1f Z" % (
        x, y + h, y + r, x, y, x + r, y - r * 0.4, x + w, y, x + w, y + r, y + h)


def brick_tower(p, cx, base, w, h, fill, texture, rim, cap="cone", cap_fill="#1a1216", windows=(), lit="#ffc060"):
    """A round stone tower: body, battlements or cone roof, lit windows."""
    x0, x1 = cx - w / 2, cx + w / 2
    body = "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" % (x0 - w * 0.06, base, x0, base - h, x1, base - h, x1 + w * 0.06, base)
    p.shape(body, fill, texture, rim, rim_dx=w * 0.08, rim_dy=0)
    shade = p.linear([(0, "#000", 0.0), (0.55, "#000", 0.15), (1, "#000", 0.65)], 0, 0, 1, 0)
    p.add('<path d="%s" fill="%s"/>' % (body, shade))
    top = base - h
    if cap == "cone":
        roof = poly([(x0 - w * 0.18, top + 2), (cx, top - h * 0.45), (x1 + w * 0.18, top + 2)])
        p.shape(roof, cap_fill, None, rim, rim_dx=w * 0.06, rim_dy=w * 0.03)
    elif cap == "crown":
        cw = w * 1.18
        c0 = cx - cw / 2
        band = "M%.1f,%.1f h%.1f v%.1f h%.1f Z" % (c0, top + h * 0.02, cw, -h * 0.08, -cw)
        merl = ""
        n = 5
        for i in range(n):
            mx = c0 + cw * (i + 0.1) / n
            merl += "M%.1f,%.1f h%.1f v%.1f h%.1f Z " % (mx, top - h * 0.06, cw / n * 0.55, -h * 0.07, -cw / n * 0.55)
        p.shape(band + " " + merl, fill, texture, rim, rim_dx=w * 0.06, rim_dy=w * 0.04)
    for (wx, wy, ww, wh) in windows:
        d = arch_window(cx + wx * w - ww / 2, base - wy * h - wh, ww, wh)
        p.add('<path d="%s" fill="%s" filter="%s"/>' % (d, lit, p.bloom(max(1.0, ww * 0.5))))
