"""pictures_dragons.py -- the dragons of the card animations: the fire-breathing head and its
frost twin, the fiery dragon with spread wings and the green dragon clutching branches.

One head is drawn for all four: a long skull with a brow ridge over a slit eye, back-swept horns,
a hinged jaw with teeth, a nostril and a frill of spines behind the cheek. Wings have an arm,
four fingers and a membrane scalloped between them. Everything is built in a local frame facing
right and placed with a transform."""
import math

from art_night import Painter
from figkit import limb
import figkit as fk
from paintkit import fade_to_black


def _rot(p, c, a):
    ca, sa = math.cos(a), math.sin(a)
    x, y = p[0] - c[0], p[1] - c[1]
    return c[0] + x * ca - y * sa, c[1] + x * sa + y * ca


def _path(points, close=True):
    return "M" + " L".join("%.1f,%.1f" % q for q in points) + (" Z" if close else "")


HINGE = (2, 4)
SKULL = ("M-20,-2 C-20,-18 -6,-28 12,-29 C24,-30 32,-27 40,-24 L50,-29 C54,-24 58,-20 66,-17 "
         "C80,-13 94,-10 104,-6 C110,-3 111,2 107,5 L99,6 C80,7 50,7 12,4 C6,8 0,12 -8,12 L-20,8 Z")
JAW = "M2,3 C30,8 66,10 94,10 C99,11 100,16 95,18 C72,22 36,25 12,23 C0,21 -8,16 -6,8 Z"


def head(p, fill, dark, rim, eye_col, open_deg=24, horn_fill=None, teeth="#efe6cc", mouth="#3a0604", tongue="#8a1a14",
         rim_dir=(-2.5, 2.5), tex=None):
    """The dragon's head in its local frame (hinge at the origin, snout to the right, about 110
    units long). Returns nothing; paints into the painter `p` (the caller wraps a transform)."""
    a = math.radians(open_deg)
    horn_fill = horn_fill or dark
    fill = p.linear([(0, dark, 1), (0.55, fill, 1), (1, fill, 1)], 0, 0.2, 1, 0)
    # The far horn first, behind the skull.
    far_horn = "M20,-26 C10,-46 -14,-60 -40,-62 C-20,-54 -4,-40 8,-22 Z"
    p.add('<path d="%s" fill="%s"/>' % (far_horn, dark))
    # The inside of the open mouth, a tongue and the far teeth.
    tip = _rot((96, 10), HINGE, a)
    p.add('<path d="%s" fill="%s"/>' % (_path([(4, 3), (104, 4), (tip[0] + 2, tip[1] - 2), (8, 14)]), mouth))
    tongue_col = tongue
    tongue = [_rot(q, HINGE, a * 0.6) for q in [(10, 8), (50, 9), (78, 4), (86, 9), (74, 11), (48, 13), (12, 12)]]
    p.add('<path d="%s" fill="%s"/>' % (_path(tongue), tongue_col))
    # The lower jaw, turned about its hinge, with its teeth pointing up.
    jaw = '<g transform="rotate(%.2f %s %s)">' % (open_deg, HINGE[0], HINGE[1])
    p.add(jaw)
    for x in range(30, 94, 8):
        p.add('<path d="M%d,10 l2.2,-7 l2.2,7 Z" fill="%s"/>' % (x, teeth))
    p.shape(JAW, fill, texture=tex, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.0)
    p.add('<path d="M14,20 C40,21 70,17 92,14" stroke="%s" stroke-width="1.2" fill="none" opacity="0.6"/>' % dark)
    p.add("</g>")
    # Upper teeth hang from the lip: long fangs at the front.
    for i, x in enumerate(range(24, 100, 7)):
        ln = 9 if i in (8, 9) else 5
        p.add('<path d="M%d,5 l2.4,%d l2.4,-%d Z" fill="%s"/>' % (x, ln, ln, teeth))
    # Frill of spines behind the cheek.
    frill = _path([(-6, 4), (-30, -8), (-18, 6), (-40, 6), (-20, 14), (-34, 24), (-10, 16), (-2, 10)])
    p.shape(frill, dark, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=0.8)
    p.shape(SKULL, fill, texture=tex, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.2)
    # Modelling: the shadow under the brow, the cheekbone, the lip line and the nostril.
    p.add('<path d="M34,-20 C44,-14 56,-12 66,-13 C56,-8 44,-8 34,-12 Z" fill="%s" opacity="0.7"/>' % dark)
    p.add('<path d="M-4,0 C8,-8 24,-6 36,-2" stroke="%s" stroke-width="2" fill="none" opacity="0.55"/>' % dark)
    p.add('<path d="M20,4 C50,6 80,6 99,6" stroke="%s" stroke-width="1.4" fill="none"/>' % dark)
    p.add('<path d="M94,-7 C98,-9 102,-8 103,-5 C100,-4 97,-4 94,-7 Z" fill="%s"/>' % dark)
    # Scale ridges along the snout.
    for i in range(5):
        x = 66 + i * 7
        p.add('<path d="M%d,%.1f l3,-3 l3,2.6" stroke="%s" stroke-width="1" fill="none" opacity="0.6"/>' % (
            x, -15.5 + i * 1.8, dark))
    # The near horn, thick at the root, sweeping back over the neck.
    horn = "M30,-25 C18,-44 -8,-58 -42,-56 C-50,-55 -58,-52 -62,-48 C-40,-48 -14,-40 6,-20 C14,-18 24,-18 30,-25 Z"
    p.shape(horn, horn_fill, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=0.9)
    for i in range(4):
        t = 0.2 + i * 0.18
        x, y = 24 - 70 * t, -24 - 30 * t + 12 * t * t
        p.add('<path d="M%.1f,%.1f q3,4 2,9" stroke="%s" stroke-width="1" fill="none" opacity="0.5"/>' % (x, y, dark))
    # The eye: a slit of fire under the brow.
    p.add('<path d="M40,-17 C45,-22 53,-22 58,-17 C53,-14 45,-14 40,-17 Z" fill="%s" filter="%s"/>' % (
        eye_col, p.bloom(2.2)))
    p.add('<path d="M49,-21 C50.5,-18.5 50.5,-15.5 49,-14 C47.6,-15.5 47.6,-18.5 49,-21 Z" fill="#0a0200"/>')
    p.add('<circle cx="53.5" cy="-18.6" r="0.9" fill="#fff"/>')


def neck(points, widths, fill, dark, rim, p, rim_dir=(-2.5, 2.5), tex=None, spines=True):
    """A tapered neck or body through `points` with a row of spines on its upper edge."""
    d = limb(points, widths)
    fill = p.linear([(0, fill, 1), (0.5, dark, 1), (1, dark, 1)], 0, 0, 0.2, 1)
    if spines:
        for i in range(1, len(points)):
            (x0, y0), (x1, y1) = points[i - 1], points[i]
            dx, dy = x1 - x0, y1 - y0
            n = math.hypot(dx, dy) or 1
            nx, ny = dy / n, -dx / n
            if ny > 0:
                nx, ny = -nx, -ny
            for k in range(3):
                t = (k + 0.5) / 3
                wx = widths[i - 1] + (widths[i] - widths[i - 1]) * t
                bx, by = x0 + dx * t + nx * wx * 0.45, y0 + dy * t + ny * wx * 0.45
                ln = wx * 0.35
                p.add('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="%s"/>' % (
                    bx - dx / n * ln * 0.4, by - dy / n * ln * 0.4, bx + nx * ln - dx / n * ln * 0.5,
                    by + ny * ln - dy / n * ln * 0.5, bx + dx / n * ln * 0.4, by + dy / n * ln * 0.4, dark))
    p.shape(d, fill, texture=tex, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.4)


def wing(p, shoulder, wrist, tips, fill, bone, rim, rim_dir, back=None, membrane_opacity=1.0):
    """A bat wing: the arm from shoulder to wrist, a finger from the wrist to each tip, and the
    membrane between the fingers scalloped toward the wrist; `back` is where the membrane meets
    the body behind the shoulder."""
    back = back or (shoulder[0] - 30, shoulder[1] + 20)
    d = "M%.1f,%.1f L%.1f,%.1f " % (shoulder[0], shoulder[1], wrist[0], wrist[1])
    d += "L%.1f,%.1f " % tips[0]
    for a, b in zip(tips, tips[1:] + [back]):
        mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
        cx, cy = mx + (wrist[0] - mx) * 0.28, my + (wrist[1] - my) * 0.28
        d += "Q%.1f,%.1f %.1f,%.1f " % (cx, cy, b[0], b[1])
    d += "Z"
    p.shape(d, fill, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.6,
            extra='opacity="%s"' % membrane_opacity)
    bones = limb([shoulder, ((shoulder[0] + wrist[0]) / 2, (shoulder[1] + wrist[1]) / 2 - 6), wrist], [9, 7, 6])
    for t in tips:
        bones += limb([wrist, t], [4, 1.5])
    p.shape(bones, bone, rim=rim, rim_dx=rim_dir[0] * 0.6, rim_dy=rim_dir[1] * 0.6, rim_soft=0.6)
    # The thumb claw at the wrist.
    p.add('<path d="M%.1f,%.1f l-2,-9 l6,6 Z" fill="%s"/>' % (wrist[0], wrist[1], bone))


def fire_breath(p, x0, y0, x1, y_spread, colours, seed):
    """A cone of breath from the mouth (x0, y0) widening to x1, torn by noise and glowing."""
    i = p.uid("fb")
    p.define('<filter id="%s" x="-10%%" y="-40%%" width="120%%" height="180%%">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.035 0.11" numOctaves="3" seed="%d" result="n"/>'
             '<feDisplacementMap in="SourceGraphic" in2="n" scale="26" xChannelSelector="R" yChannelSelector="G" result="d"/>'
             '<feGaussianBlur in="d" stdDeviation="2" result="b"/>'
             '<feMerge><feMergeNode in="b"/><feMergeNode in="d"/></feMerge></filter>' % (i, seed))
    L = x1 - x0
    for col, k, op in zip(colours, (1.0, 0.66, 0.34), (0.9, 0.95, 1.0)):
        s = y_spread * k
        e = x0 + L * (0.55 + 0.45 * k)
        d = ("M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f "
             "C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (
                 x0, y0 - 3 * k, x0 + L * 0.3, y0 - s * 0.35, e - L * 0.25, y0 - s, e - s * 0.4, y0 - s * 0.7,
                 e + s * 0.3, y0 - s * 0.3, e + s * 0.3, y0 + s * 0.4, e - s * 0.4, y0 + s * 0.75,
                 e - L * 0.25, y0 + s * 1.0, x0 + L * 0.3, y0 + s * 0.35, x0, y0 + 4 * k))
        p.add('<path d="%s" fill="%s" opacity="%s" filter="url(#%s)"/>' % (d, col, op, i))


# -- the heads breathing ------------------------------------------------------------------


def dragon_head(w, h, kind):
    """A dragon's head in profile breathing a long stream across the picture: fire in reds and
    ember, or the same dragon in a blue tint breathing frost. Its own breath is the light: the
    rim runs along the snout, the brow and the horn."""
    fire = kind == "fire"
    p = Painter(w, h, 49 if fire else 44)
    if fire:
        fill, dark, rim, eye = "#7a2412", "#160402", "#ffb040", "#ffd040"
        breath = ("#b81c04", "#ff7a10", "#fff0a0")
        glow = "#e0481a"
        horn = "#3a2418"
        mouth, tongue = "#3a0604", "#8a1a14"
    else:
        fill, dark, rim, eye = "#24487a", "#040a18", "#bfe8ff", "#9ff4ff"
        breath = ("#1a50c8", "#58b8ff", "#f0fcff")
        glow = "#3f8fe0"
        horn = "#2a3448"
        mouth, tongue = "#0a1430", "#34507a"
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(330, 62, 260, glow, 0.45)
    tex = p.relief(freq=0.22, octaves=3, azimuth=330, elevation=40, scale=2.2, strength=1.5, base=0.55)
    fire_breath(p, 176, 72, 490, 40, breath, 5 if fire else 9)
    p.add('<g transform="translate(86,58) scale(0.84) rotate(4)">')
    neck(p=p, points=[(-4, 6), (-50, 20), (-96, 44), (-140, 80)], widths=[40, 48, 58, 66], fill=fill, dark=dark,
         rim=rim, rim_dir=(-1.6, 2), tex=tex)
    head(p, fill, dark, rim, eye, open_deg=26, horn_fill=horn, rim_dir=(-1.6, 2), tex=tex, mouth=mouth,
         tongue=tongue)
    p.add("</g>")
    # Sparks or ice crystals thrown from the breath.
    rng = p.rng
    for _ in range(40):
        x, y = rng.uniform(220, 470), 66 + rng.gauss(0, 16)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" opacity="%.2f"/>' % (
            x, y, rng.uniform(0.6, 1.6), breath[2], rng.uniform(0.4, 0.9)))
    _fade(p, 0.7)
    return p.svg()


def _fade(p, inner):
    i = p.uid("fade")
    p.define(fade_to_black(i, inner=inner))
    p.add('<rect width="%d" height="%d" fill="url(#%s)"/>' % (p.w, p.h, i))


# -- the winged dragons -------------------------------------------------------------------


def _winged(p, c, pose):
    """A dragon flying to the right, seen from the side: the far wing, the tail and body, the hind
    and fore legs, the near wing, the neck and the roaring head. `c` holds its colours, `pose`
    the joints of its wings and body in picture coordinates."""
    fill, dark, rim, eye, bone, membrane, far = c["fill"], c["dark"], c["rim"], c["eye"], c["bone"], c["membrane"], c["far"]
    rd = pose["rim_dir"]
    tex = p.relief(freq=0.16, octaves=3, azimuth=pose["azimuth"], elevation=40, scale=2.2, strength=1.5, base=0.55)
    fw = pose["far_wing"]
    wing(p, fw[0], fw[1], fw[2], far, dark, rim, rd, back=fw[3], membrane_opacity=1.0)
    # The tail and the body in one taper, spines along the back.
    neck(p=p, points=pose["body"], widths=pose["body_w"], fill=fill, dark=dark, rim=rim, rim_dir=rd, tex=tex)
    # The tail ends in a barbed spade.
    tx, ty = pose["body"][0]
    p.shape("M%.1f,%.1f l-16,-8 l6,8 l-8,10 Z" % (tx + 2, ty), dark, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.6)
    # Legs: thigh, shin and a foot of three claws.
    for leg in pose["legs"]:
        d = limb(leg[:3], [22, 12, 7])
        fx, fy = leg[2]
        p.shape(d, c["leg"], texture=tex, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=1.0)
        for k in (-1, 0, 1):
            p.add('<path d="M%.1f,%.1f q%.1f,6 %.1f,12 q-1,-5 -%.1f,-10 Z" fill="%s"/>' % (
                fx + k * 3, fy, k * 4 + 3, k * 6 + 2, 1.5, c["claw"]))
    nw = pose["near_wing"]
    wing(p, nw[0], nw[1], nw[2], membrane, bone, rim, rd, back=nw[3])
    neck(p=p, points=pose["neck"], widths=pose["neck_w"], fill=fill, dark=dark, rim=rim, rim_dir=rd, tex=tex)
    hx, hy, hs, hr = pose["head"]
    p.add('<g transform="translate(%s,%s) scale(%s) rotate(%s)">' % (hx, hy, hs, hr))
    head(p, fill, dark, rim, eye, open_deg=pose.get("open", 28), horn_fill=c["horn"],
         rim_dir=(rd[0] / hs, rd[1] / hs), tex=tex, mouth=c.get("mouth", "#3a0604"), tongue=c.get("tongue", "#8a1a14"))
    p.add("</g>")


def fiery_dragon(w, h):
    """A red dragon in flight over a burning land, wings spread, roaring to the right; the fire
    below is its light, rimming its belly, the wing bones and the underside of the jaw."""
    p = Painter(w, h, 64)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w * 0.5, h * 1.05, w * 0.62, "#e0481a", 0.75)
    p.light_pool(w * 0.5, h * 1.0, w * 0.3, "#ffb040", 0.5)
    # Flames along the ground, torn by noise.
    fl = p.uid("gf")
    p.define('<filter id="%s" x="-5%%" y="-30%%" width="110%%" height="160%%">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.02 0.06" numOctaves="3" seed="12" result="n"/>'
             '<feDisplacementMap in="SourceGraphic" in2="n" scale="40" xChannelSelector="R" yChannelSelector="G"/>'
             '<feGaussianBlur stdDeviation="1.5"/></filter>' % fl)
    rng = p.rng
    for col, base, amp in (("#9a0c12", 262, 44), ("#e0481a", 276, 32), ("#ffb040", 290, 18)):
        d = "M-20,%d " % (h + 20)
        for x in range(-20, w + 40, 24):
            d += "L%d,%.1f L%d,%.1f " % (x, base - rng.uniform(0.2, 1) * amp, x + 12, base - rng.uniform(0, 0.3) * amp)
        d += "L%d,%d Z" % (w + 20, h + 20)
        p.add('<path d="%s" fill="%s" filter="url(#%s)"/>' % (d, col, fl))
    c = {"fill": "#8a2410", "dark": "#1a0503", "rim": "#ffb040", "eye": "#ffe060", "bone": "#3a0e06",
         "membrane": "#6a1408", "far": "#30080a", "horn": "#2a1810", "claw": "#e8d8b0", "leg": "#4a1408"}
    pose = {"rim_dir": (1.2, -2.2), "azimuth": 90,
            "far_wing": [(392, 128), (430, 30), [(500, 6), (540, 20), (534, 52), (480, 92)], (420, 160)],
            "body": [(52, 214), (120, 206), (190, 196), (258, 184), (322, 170), (386, 156)],
            "body_w": [4, 10, 20, 36, 54, 56],
            "legs": [[(300, 182), (296, 216), (318, 236)], [(380, 170), (392, 198), (414, 208)]],
            "near_wing": [(356, 138), (286, 34), [(176, 14), (146, 60), (162, 112), (214, 150)], (288, 170)],
            "neck": [(378, 160), (428, 146), (470, 132), (510, 124)], "neck_w": [50, 38, 32, 28],
            "head": (506, 122, 0.95, -6), "open": 30}
    _winged(p, c, pose)
    for _ in range(60):
        x, y = rng.uniform(0, w), rng.uniform(h * 0.3, h)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffd070" opacity="%.2f"/>' % (
            x, y, rng.uniform(0.5, 1.5), rng.uniform(0.3, 0.9)))
    _fade(p, 0.5)
    return p.svg()


def _serpent(p, spine, widths, fill, dark, rim, rim_dir, tex, belly=None):
    """A smooth tapering neck, body or tail along `spine` (half widths at each point), spines
    along its upper edge and, with `belly`, the plates of the underside in that colour."""
    n = len(spine)
    prof = [(i / (n - 1), wd, wd) for i, wd in enumerate(widths)]
    # Spine points spaced along the real length so the profile follows the curve.
    lens = [0.0]
    for a, b in zip(spine, spine[1:]):
        lens.append(lens[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    prof = [(lens[i] / lens[-1], wd, wd) for i, wd in enumerate(widths)]
    d = fk.swell(spine, prof)
    grad = p.linear([(0, fill, 1), (0.45, fill, 1), (1, dark, 1)], 0, 0, 0.25, 1)
    spikes = ""
    for i in range(1, n):
        (x0, y0), (x1, y1) = spine[i - 1], spine[i]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy) or 1
        nx, ny = -dy / ln, dx / ln
        if ny > 0:
            nx, ny = -nx, -ny
        for k in range(2):
            t = (k + 0.5) / 2
            wd = widths[i - 1] + (widths[i] - widths[i - 1]) * t
            bx, by = x0 + dx * t + nx * wd * 0.9, y0 + dy * t + ny * wd * 0.9
            sp = max(3.0, wd * 0.45)
            spikes += "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z " % (
                bx - dx / ln * sp * 0.6, by - dy / ln * sp * 0.6, bx + nx * sp - dx / ln * sp * 0.8,
                by + ny * sp - dy / ln * sp * 0.8, bx + dx / ln * sp * 0.6, by + dy / ln * sp * 0.6)
    p.shape(spikes, dark, rim=rim, rim_dx=rim_dir[0] * 0.5, rim_dy=rim_dir[1] * 0.5, rim_soft=0.5)
    p.shape(d, grad, texture=tex, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.4)
    if belly:
        # Ridged plates across the underside, each a short arc from edge to edge.
        plates = ""
        for i in range(1, n):
            (x0, y0), (x1, y1) = spine[i - 1], spine[i]
            dx, dy = x1 - x0, y1 - y0
            ln = math.hypot(dx, dy) or 1
            nx, ny = -dy / ln, dx / ln
            if ny < 0:
                nx, ny = -nx, -ny
            for k in range(3):
                t = (k + 0.5) / 3
                wd = widths[i - 1] + (widths[i] - widths[i - 1]) * t
                cx, cy = x0 + dx * t, y0 + dy * t
                plates += "M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f " % (
                    cx + nx * wd * 0.35 - dx / ln * 2, cy + ny * wd * 0.35 - dy / ln * 2, cx + nx * wd * 0.75 + dx / ln * 3,
                    cy + ny * wd * 0.75 + dy / ln * 3, cx + nx * wd * 0.98 - dx / ln * 1, cy + ny * wd * 0.98 - dy / ln * 1)
        p.add('<path d="%s" stroke="%s" stroke-width="1.4" fill="none" opacity="0.75"/>' % (plates, belly))


def _dragon_leg(p, hip, knee, heel, toes, w, fill, claw, rim, rim_dir, tex):
    """A dragon's leg: a heavy thigh, the shin to a raised heel and long toes ending in claws."""
    d = fk.swell([hip, knee, heel], [(0.0, w, w), (0.3, w * 0.85, w * 0.8), (0.5, w * 0.5, w * 0.55),
                                     (0.75, w * 0.38, w * 0.34), (1.0, w * 0.3, w * 0.3)])
    for tx, ty in toes:
        d += fk.swell([heel, (tx, ty)], [(0.0, w * 0.28, w * 0.28), (1.0, w * 0.12, w * 0.12)])
    p.shape(d, fill, texture=tex, rim=rim, rim_dx=rim_dir[0], rim_dy=rim_dir[1], rim_soft=1.0)
    for (tx, ty) in toes:
        ax, ay = tx - heel[0], ty - heel[1]
        ln = math.hypot(ax, ay) or 1
        ux, uy = ax / ln, ay / ln
        p.add('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f L%.1f,%.1f Z" fill="%s"/>' % (
            tx - uy * 2.4, ty + ux * 2.4, tx + ux * 8, ty + uy * 8, tx + ux * 6 + uy * 6, ty + uy * 6 - ux * 6 + 4,
            tx + uy * 2.4, ty - ux * 2.4, claw))


def _membrane_light(p, shoulder, wrist, tips, back, colour):
    """Light through a wing: the membrane (traced as `wing` traces it) glows toward its fingers
    and darkens to the trailing edge, with veins running out from the wrist."""
    d = "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f " % (shoulder[0], shoulder[1], wrist[0], wrist[1], tips[0][0], tips[0][1])
    for a, b in zip(tips, tips[1:] + [back]):
        mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
        d += "Q%.1f,%.1f %.1f,%.1f " % (mx + (wrist[0] - mx) * 0.28, my + (wrist[1] - my) * 0.28, b[0], b[1])
    d += "Z"
    g = p.linear([(0, colour, 0.35), (0.6, colour, 0.08), (1, "#000", 0.35)], 0, 0, 0.6, 1)
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (d, g, p.relief(freq="0.02 0.09", octaves=2, azimuth=300, scale=1.5,
                                                                   strength=1.2, base=0.7)))
    veins = ""
    for a, b in zip(tips, tips[1:] + [back]):
        mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
        veins += "M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f " % (wrist[0], wrist[1], (wrist[0] + mx) / 2 + 6, (wrist[1] + my) / 2,
                                                        mx + (wrist[0] - mx) * 0.3, my + (wrist[1] - my) * 0.3)
    p.add('<path d="%s" stroke="#0e1e0a" stroke-width="1" fill="none" opacity="0.5"/>' % veins)


def green_dragon(w, h):
    """A green dragon rising with a bundle of torn branches in its hind claws, wings high, the
    moon behind it rimming its back and wings in silver. Cut out on the key colour, so every
    part is solid."""
    p = Painter(w, h, 46)
    fill, dark, rim = "#3f7030", "#0a1808", "#cfdcff"
    rd = (-1.8, 2.2)
    tex = p.relief(freq=0.16, octaves=3, azimuth=300, elevation=40, scale=2.2, strength=1.5, base=0.55)
    leg_fill = p.linear([(0, "#3a6428", 1), (1, "#0e200a", 1)], 0, 0, 1, 1)
    far_fill = p.linear([(0, "#24441a", 1), (1, "#08120a", 1)], 0, 0, 1, 1)
    # The far wing high behind the head, darker: it is in the dragon's own shadow.
    wing(p, (352, 150), (424, 34), [(492, 8), (532, 46), (524, 96), (486, 128)], "#14280e", dark, rim, rd,
         back=(364, 196))
    _membrane_light(p, (352, 150), (424, 34), [(492, 8), (532, 46), (524, 96), (486, 128)], (364, 196), "#88b070")
    # The far hind leg and foreleg, behind the body.
    _dragon_leg(p, (262, 258), (286, 290), (262, 312), [(250, 324), (262, 328), (276, 326)], 17, far_fill, "#c8c0a0",
                rim, rd, tex)
    _dragon_leg(p, (356, 190), (382, 212), (398, 232), [(408, 240), (410, 232), (404, 246)], 10, far_fill, "#c8c0a0",
                rim, rd, tex)
    # Tail, body and neck in one S: the tail curls down to the left, the neck arches up and
    # over to the head.
    _serpent(p, [(24, 268), (56, 300), (104, 318), (160, 318), (212, 300), (250, 272), (286, 236), (318, 202),
                 (344, 172)], [2, 5, 9, 14, 20, 28, 38, 42, 38], fill, dark, rim, rd, tex, belly="#a0b86a")
    p.shape("M20,268 l-18,-12 l10,12 l-10,14 Z", dark, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.6)
    # The near wing: arm up from the shoulder, fingers fanned to the upper left.
    wing(p, (324, 168), (238, 40), [(140, 14), (96, 60), (104, 124), (156, 176)], "#2e5222", "#1a3012", rim, rd,
         back=(282, 232))
    _membrane_light(p, (324, 168), (238, 40), [(140, 14), (96, 60), (104, 124), (156, 176)], (282, 232), "#b8e890")
    _serpent(p, [(336, 184), (352, 150), (366, 120), (384, 100), (408, 92), (424, 96)], [34, 28, 22, 19, 17, 16],
             fill, dark, rim, rd, tex, belly="#a0b86a")
    # The near hind leg, thigh swung forward, its claws closing round the branches.
    _dragon_leg(p, (282, 246), (318, 270), (304, 306), [(292, 322), (306, 328), (320, 322)], 21, leg_fill, "#e8e0c0",
                rim, rd, tex)
    # The near foreleg reaching forward, claws spread.
    _dragon_leg(p, (338, 196), (356, 226), (380, 238), [(394, 234), (396, 244), (388, 252)], 11, leg_fill, "#e8e0c0",
                rim, rd, tex)
    p.add('<g transform="translate(420,96) scale(0.94) rotate(6)">')
    head(p, fill, dark, rim, "#ffe040", open_deg=22, horn_fill="#3a3a2a", rim_dir=(rd[0] / 0.94, rd[1] / 0.94), tex=tex,
         mouth="#2a0806", tongue="#7a2020")
    p.add("</g>")
    # Torn branches, gripped in the hind claws and drawn over the toes' roots so they hold them.
    br = ""
    for (x0, y0, x1, y1, wd) in ((168, 334, 404, 312, 12), (186, 312, 396, 330, 8), (206, 348, 380, 300, 6)):
        br += limb([(x0, y0), ((x0 + x1) / 2, (y0 + y1) / 2 - 6), (x1, y1)], [wd, wd * 0.8, wd * 0.45])
    for x0, y0, x1, y1 in ((190, 330, 170, 300), (222, 328, 214, 356), (370, 312, 394, 288), (354, 324, 376, 352),
                           (226, 320, 236, 294), (198, 324, 188, 352), (398, 312, 418, 300)):
        br += limb([(x0, y0), (x1, y1)], [5, 2.5])
    p.shape(br, "#4a3420", texture=p.relief(freq=0.3, octaves=2, azimuth=300, scale=2, strength=1.4, base=0.6),
            rim="#cfdcff", rim_dx=-1.2, rim_dy=1.5, rim_soft=0.6)
    rng = p.rng
    for _ in range(24):
        x, y = rng.uniform(170, 410), rng.uniform(290, 352)
        p.add('<path d="M0,0 C4,-6 12,-6 16,0 C12,6 4,6 0,0 Z" fill="%s" transform="translate(%.1f,%.1f) rotate(%.0f)"/>' % (
            rng.choice(["#2f5a20", "#4a7a2e", "#1e3a16"]), x, y, rng.uniform(0, 360)))
    # The claws closing over the wood in front of it.
    for tx, ty in ((292, 322), (306, 328), (320, 322), (250, 324), (262, 328), (276, 326)):
        p.add('<path d="M%.1f,%.1f q5,4 2,11 q-1,-5 -5,-8 Z" fill="#e8e0c0" stroke="#3a3020" stroke-width="0.5"/>' % (
            tx - 2, ty - 2))
    return p.svg()
