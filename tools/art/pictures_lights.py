"""pictures_lights.py -- the pictures drawn straight onto the night sky: the four moons, the title
logo and the dove. They are opaque JPEGs, so each fades to pure black at every edge and no box
shows around it on the black sky."""
import math
import random

from svgkit import doc, radial, linear, text
from paintkit import lit_texture, glow, fade_to_black


def _vignette(w, h, inner=0.72):
    return ('<rect width="%d" height="%d" fill="url(#vignette)"/>' % (w, h),
            fade_to_black("vignette", inner=inner))


def moon_picture(w, h, light, dark, seed):
    """A full moon, lit a little from the upper left, its seas and craters in relief. In the
    battle only the left hundred pixels show, so the disc sits to the left of centre."""
    rng = random.Random(seed)
    cx, cy, r = 112, 118, 80
    d = radial("disc%d" % seed, [(0, light, 1), (0.75, light, 1), (1, dark, 1)], cx=0.4, cy=0.38, r=0.62)
    d += radial("halo%d" % seed, [(0, light, 0.55), (0.55, light, 0.18), (1, light, 0)])
    d += lit_texture("regolith", "0.03", seed + 3, 225, elevation=55, relief=1.3, gain=1.18)
    d += ('<filter id="maria" x="0" y="0" width="100%%" height="100%%"><feTurbulence type="fractalNoise" '
          'baseFrequency="0.018" numOctaves="3" seed="%d" result="n"/><feColorMatrix in="n" type="matrix" '
          'values="0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -3.2 0 0 0 1.75"/><feComposite in2="SourceGraphic" operator="in"/>'
          '<feGaussianBlur stdDeviation="1.2"/></filter>') % (seed * 7)
    d += '<clipPath id="moonclip"><circle cx="%d" cy="%d" r="%d"/></clipPath>' % (cx, cy, r)
    s = '<circle cx="%d" cy="%d" r="%d" fill="url(#halo%d)"/>' % (cx, cy, 118, seed)
    s += '<circle cx="%d" cy="%d" r="%d" fill="url(#disc%d)" filter="url(#regolith)"/>' % (cx, cy, r, seed)
    s += '<g clip-path="url(#moonclip)"><rect width="%d" height="%d" fill="%s" opacity="0.45" filter="url(#maria)"/>' % (w, h, dark)
    for _ in range(16):
        a, dist = rng.uniform(0, 2 * math.pi), rng.uniform(0, r * 0.85)
        x, y, cr = cx + dist * math.cos(a), cy + dist * math.sin(a), rng.uniform(2.5, 9)
        s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" opacity="0.35"/>' % (x, y, cr, dark)
        s += '<path d="M%.1f,%.1f a%.1f,%.1f 0 0 0 %.1f,%.1f" stroke="#fff" stroke-width="1" fill="none" opacity="0.5"/>' % (
            x + cr * 0.7, y - cr * 0.7, cr, cr, -cr * 1.4, cr * 1.4)
    # The terminator's soft shadow on the lower right.
    s += '<circle cx="%d" cy="%d" r="%d" fill="url(#shadow)"/></g>' % (cx, cy, r)
    d += radial("shadow", [(0, "#000", 0), (0.7, "#000", 0), (1, "#000", 0.55)], cx=0.38, cy=0.36, r=0.7)
    v, vd = _vignette(w, h, 0.8)
    return doc(w, h, s + v, d + vd)


def logo(w, h):
    """The title in engraved gold, an ember glow behind it, on the night."""
    d = linear("logogold", [(0, "#fff6c8", 1), (0.45, "#f2b23a", 1), (0.55, "#a8620e", 1), (1, "#ffd67a", 1)])
    d += radial("ember", [(0, "#ff7a1a", 0.55), (0.5, "#a02a08", 0.25), (1, "#000", 0)])
    d += glow("logobloom", 5, 2)
    d += lit_texture("engrave", "0.6", 2, 225, relief=1.5, gain=1.3)
    s = '<ellipse cx="222" cy="58" rx="215" ry="52" fill="url(#ember)"/>'
    s += text(222, 80, "VELLMOOR", 56, "#ff9a30", extra='letter-spacing="4" filter="url(#logobloom)" opacity="0.55"')
    s += text(222, 80, "VELLMOOR", 56, "url(#logogold)", extra='letter-spacing="4" stroke="#2a0e00" stroke-width="1.6" filter="url(#engrave)"')
    s += '<path d="M92,92 H352" stroke="url(#logogold)" stroke-width="1.2" opacity="0.8"/>'
    s += '<path d="M222,88 l5,4 l-5,4 l-5,-4 z" fill="#c02018" stroke="#ffd67a" stroke-width="0.8"/>'
    s += text(222, 110, "the war of towers", 13, "#c8d4f0", weight="normal", extra='font-style="italic" letter-spacing="4"')
    v, vd = _vignette(w, h, 0.78)
    return doc(w, h, s + v, d + vd.replace('r="0.5"', 'r="0.55"'))


def _wing(root, angle, length, n, lift, side):
    """Feathers fanned from the wing's root: long primaries at the tip, short coverts inside."""
    out = ""
    rx, ry = root
    coverts = [(rx, ry)]
    for i in range(n):
        t = i / (n - 1)
        a = math.radians(angle + side * (t * lift))
        ln = length * (0.55 + 0.45 * math.sin(t * math.pi * 0.5 + 0.4))
        tipx, tipy = rx + ln * math.cos(a) * side, ry - ln * math.sin(a)
        wd = 9.0 - 3.5 * t
        coverts.append((rx + (tipx - rx) * 0.5, ry + (tipy - ry) * 0.5))
        nx, ny = -math.sin(a) * wd, -math.cos(a) * wd
        out += ('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Z"/>' % (
            rx, ry, (rx + tipx) / 2 + nx * side, (ry + tipy) / 2 + ny, tipx, tipy,
            (rx + tipx) / 2 - nx * side, (ry + tipy) / 2 - ny, rx, ry))
    out += '<path d="M%s Z"/>' % " L".join("%.1f,%.1f" % p for p in coverts)
    return out


def dove(w, h):
    """A white dove rising with wings spread, lit by the moon behind it."""
    d = radial("dovehalo", [(0, "#dfe8ff", 0.8), (0.35, "#6a80b8", 0.35), (1, "#000", 0)])
    d += linear("plumage", [(0, "#ffffff", 1), (0.6, "#e4eaf6", 1), (1, "#98a6c4", 1)])
    d += glow("dovebloom", 3, 1)
    s = '<circle cx="132" cy="140" r="130" fill="url(#dovehalo)"/>'
    s += '<g fill="url(#plumage)" stroke="#8a98b8" stroke-width="0.7" filter="url(#dovebloom)">'
    # Far wing, a shade darker, behind the body.
    s += '<g opacity="0.85">%s</g>' % _wing((140, 146), 40, 78, 11, 50, 1)
    s += _wing((124, 150), 25, 96, 13, 70, -1)
    # Tail fan, body, head, beak and eye.
    for k in range(6):
        a = math.radians(245 + k * 9)
        s += '<path d="M118,190 L%.1f,%.1f L%.1f,%.1f Z"/>' % (118 + 52 * math.cos(a), 190 - 52 * math.sin(a),
                                                               118 + 52 * math.cos(a + 0.12), 190 - 52 * math.sin(a + 0.12))
    s += '<path d="M112,196 C104,170 112,146 130,138 C144,132 156,128 162,116 C168,106 180,104 186,112 C190,118 188,126 182,130 C172,138 168,150 160,166 C150,186 130,198 112,196 Z"/>'
    s += '</g>'
    s += '<path d="M186,112 L198,116 L186,119 Z" fill="#c89a6a" stroke="#6a4a2a" stroke-width="0.6"/>'
    s += '<circle cx="179" cy="114" r="2" fill="#101018"/><circle cx="178.4" cy="113.4" r="0.6" fill="#fff"/>'
    s += '<path d="M138,168 C146,164 152,160 156,152" stroke="#b0bcd8" stroke-width="1" fill="none"/>'
    v, vd = _vignette(w, h, 0.75)
    return doc(w, h, s + v, d + vd)
