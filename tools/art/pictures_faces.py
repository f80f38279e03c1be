"""pictures_faces.py -- the faces of the card animations: the pale woman with the rose, the
screaming face, the grinning demon and the ghost.

Each face is modelled, not outlined: a skull shape filled from its light to its shadow, then soft
(blurred) shadows laid where the brow, the nose, the lips and the cheeks turn from the light, and
a few sharp accents (lids, pupils, lip line) on top. A face is built in a frame about 100 units
wide with the eyes near y -14 and the chin at y 66, and placed with a transform."""
import math

from art_night import Painter
from figkit import limb
import figkit as fk
from paintkit import fade_to_black

FACE = ("M-46,-40 C-48,-78 -24,-98 0,-98 C24,-98 48,-78 46,-40 C46,-10 42,14 34,34 "
        "C26,52 14,64 0,66 C-14,64 -26,52 -34,34 C-42,14 -46,-10 -46,-40 Z")


def _fade(p, inner, cx=0.5, cy=0.5):
    i = p.uid("fade")
    p.define(fade_to_black(i, cx=cx, cy=cy, inner=inner))
    p.add('<rect width="%d" height="%d" fill="url(#%s)"/>' % (p.w, p.h, i))


def _soft(p, d, colour, opacity, sd):
    p.add('<path d="%s" fill="%s" opacity="%s" filter="%s"/>' % (d, colour, opacity, p.blur(sd)))


def _ell(cx, cy, rx, ry):
    return "M%s,%s a%s,%s 0 1 0 %s,0 a%s,%s 0 1 0 %s,0 Z" % (cx - rx, cy, rx, ry, 2 * rx, rx, ry, -2 * rx)


def face(p, skin, shade, light_side=-1, rim=None, outline=FACE, clip_id=None):
    """The lit skull shape with its soft planes; returns the clip id so features can be kept
    inside the face."""
    cid = clip_id or p.uid("fc")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, outline))
    x1, x2 = (0, 1) if light_side < 0 else (1, 0)
    fill = p.linear([(0, skin, 1), (0.4, skin, 1), (1, shade, 1)], x1, 0.1, x2, 0.4)
    p.shape(outline, fill, rim=rim, rim_dx=2.5 * -light_side, rim_dy=2, rim_soft=1.2)
    g = '<g clip-path="url(#%s)">' % cid
    p.add(g)
    # The planes that turn from the light: temple, cheek hollow and jaw on the far side.
    s = -light_side
    _soft(p, "M%d,-60 C%d,-30 %d,10 %d,40 L%d,40 L%d,-60 Z" % (40 * s, 30 * s, 34 * s, 20 * s, 60 * s, 60 * s), shade, 0.75, 7)
    _soft(p, _ell(24 * s, 18, 12, 16), shade, 0.5, 6)
    _soft(p, _ell(-26 * s, 6, 10, 8), "#ffffff", 0.18, 6)
    p.add("</g>")
    return cid


def features(p, cid, shade, lip, iris, light_side=-1, eyes="open", mouth="closed", brow=0.0, sclera="#e8e2dc",
             lid="#1a0c0c"):
    """Eyes, brows, nose and mouth over a face; `brow` raises (>0) or knots (<0) the brows."""
    s = -light_side
    p.add('<g clip-path="url(#%s)">' % cid)
    # Sockets in shadow under the brow ridge.
    for ex in (-19, 19):
        _soft(p, _ell(ex, -15, 15, 9), shade, 0.75 if ex * s > 0 else 0.5, 4)
    # Nose: the shadowed side, the tip and the nostrils.
    _soft(p, "M%d,-12 C%d,0 %d,12 %d,22 L%d,22 C%d,10 %d,-2 %d,-12 Z" % (3 * s, 5 * s, 7 * s, 9 * s, 2 * s, 2 * s, 1 * s, 0),
          shade, 0.8, 2.2)
    _soft(p, _ell(-2 * s, 15, 4, 4), "#ffffff", 0.3, 2)
    _soft(p, "M-9,24 C-4,28 4,28 9,24 C4,26 -4,26 -9,24 Z", shade, 0.9, 1.4)
    # Under the lower lip and the chin.
    _soft(p, _ell(0, 50, 12, 4), shade, 0.6, 3)
    p.add("</g>")
    for ex in (-19, 19):
        if eyes == "shut":
            p.add('<path d="M%d,-13 C%d,-9 %d,-9 %d,-13" stroke="%s" stroke-width="1.6" fill="none"/>' % (
                ex - 11, ex - 4, ex + 4, ex + 11, lid))
            continue
        tall = 7 if eyes == "wide" else 4.6
        eye = "M%d,-14 C%d,%.1f %d,%.1f %d,-14 C%d,%.1f %d,%.1f %d,-14 Z" % (
            ex - 12, ex - 6, -14 - tall, ex + 6, -14 - tall, ex + 12, ex + 6, -14 + tall * 0.7, ex - 6, -14 + tall * 0.7,
            ex - 12)
        p.add('<path d="%s" fill="%s"/>' % (eye, sclera))
        ir = 3.4 if eyes == "wide" else 4.4
        p.add('<circle cx="%s" cy="-14.5" r="%s" fill="%s"/><circle cx="%s" cy="-14.5" r="%.1f" fill="#050303"/>' % (
            ex + s * 0.6, ir, iris, ex + s * 0.6, ir * 0.45))
        p.add('<circle cx="%.1f" cy="-16" r="0.9" fill="#fff"/>' % (ex - s * 0.8))
        p.add('<path d="M%d,-14 C%d,%.1f %d,%.1f %d,-14" stroke="%s" stroke-width="2" fill="none"/>' % (
            ex - 12, ex - 6, -14 - tall - 0.6, ex + 6, -14 - tall - 0.6, ex + 12, lid))
    # Brows: raised and drawn together, or calm arches.
    for k in (-1, 1):
        inner_y = -27 - brow * 6
        p.add('<path d="M%d,%.1f C%d,%.1f %d,%.1f %d,%.1f" stroke="%s" stroke-width="2.6" stroke-linecap="round" '
              'fill="none"/>' % (k * 6, inner_y, k * 14, -32 - brow * 2, k * 24, -33, k * 32, -27, lid))
    if mouth == "closed":
        p.add('<path d="M-16,37 C-8,31 -3,33 0,34.5 C3,33 8,31 16,37 C8,38.5 -8,38.5 -16,37 Z" fill="%s"/>' % lip)
        p.add('<path d="M-16,37 C-8,39 8,39 16,37 C12,47 -12,47 -16,37 Z" fill="%s"/>' % lip)
        p.add('<path d="M-15,37 C-8,38.6 8,38.6 15,37" stroke="#2a0406" stroke-width="1.2" fill="none"/>')
        _soft(p, _ell(-3 * s, 41.5, 5, 1.6), "#ffffff", 0.35, 1)


# -- the pale woman ---------------------------------------------------------------------------


def pale_face(w, h):
    """A pale woman's face framed by black hair, a red rose at her cheek; moonlight from the left,
    the rose the only colour in the picture."""
    p = Painter(w, h, 19)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w * 0.3, h * 0.35, w * 0.8, "#6f82a8", 0.45)
    p.add('<g transform="translate(113,118) scale(1.0)">')
    # Hair behind the face, falling past the shoulders.
    hair = ("M-60,-50 C-70,-110 -20,-124 4,-122 C50,-120 74,-90 66,-40 C64,20 72,80 86,132 L-86,132 "
            "C-70,80 -60,20 -60,-50 Z")
    _soft(p, "M-60,20 C-40,60 40,60 60,20 L70,132 L-70,132 Z", "#000", 0.5, 8)
    p.shape(hair, p.linear([(0, "#1a1c26", 1), (1, "#020206", 1)], 0, 0, 1, 0), texture=p.relief(
        freq="0.02 0.35", octaves=2, azimuth=180, scale=2.5, strength=1.4, base=0.5), rim="#cfdcff", rim_dx=2.5,
        rim_dy=1.5, rim_soft=1.2, rim_opacity=0.6)
    # Neck and shoulders in the shadow of the hair.
    p.shape("M-16,50 L-17,92 C-40,100 -70,108 -84,132 L84,132 C70,108 40,100 22,92 L20,50 Z",
            p.linear([(0, "#d8d4d8", 1), (1, "#3a3848", 1)], 0, 0, 1, 0.3))
    _soft(p, "M-22,56 C-10,78 10,78 22,56 L22,80 L-22,80 Z", "#1a1828", 0.7, 5)
    cid = face(p, "#f0ece8", "#6a6478", -1, rim="#ffffff")
    features(p, cid, "#5a5068", "#a01420", "#3a4a6a", -1, eyes="open", brow=0.1, lid="#1a1220")
    # Locks of hair over the forehead, parted at one side.
    p.shape("M-50,-30 C-50,-84 -10,-104 14,-100 C-4,-90 -20,-70 -26,-52 C-34,-46 -40,-40 -44,-20 Z "
            "M14,-100 C44,-98 58,-70 50,-20 C46,-40 40,-50 30,-58 C26,-76 20,-88 14,-100 Z", "#07070c",
            rim="#cfdcff", rim_dx=2, rim_dy=1.5, rim_soft=0.8, rim_opacity=0.5)
    p.add("</g>")
    # The rose, held at her cheek: leaves, the bloom in whorls of petals, lit from the left.
    p.add('<g transform="translate(150,176) scale(1.15)">')
    p.add('<path d="M-4,10 C-2,30 -6,50 -10,66" stroke="#1a3a14" stroke-width="3" fill="none"/>')
    for a, x, y in ((-30, -10, 20), (40, 2, 34)):
        p.add('<path d="M0,0 C6,-8 18,-8 24,0 C18,8 6,8 0,0 Z" fill="#24481a" transform="translate(%d,%d) rotate(%d)"/>' % (x, y, a))
    petals = p.radial([(0, "#ff5a5a", 1), (0.6, "#b0101a", 1), (1, "#3a0208", 1)], -6, -6, 30)
    for r, n, rot in ((22, 6, 0), (16, 5, 30), (10, 4, 10), (5, 3, 50)):
        for k in range(n):
            a = math.radians(rot + k * 360 / n)
            cx, cy = r * 0.5 * math.cos(a), r * 0.4 * math.sin(a)
            p.add('<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" fill="%s" stroke="#3a0208" stroke-width="0.8"/>' % (
                cx - r * 0.6, cy, cx - r * 0.5, cy - r * 0.9, cx + r * 0.5, cy - r * 0.9, cx + r * 0.6, cy, petals))
    p.add('<path d="M-6,-2 C-2,-6 4,-5 5,-1" stroke="#ff9090" stroke-width="1.2" fill="none"/>')
    p.add("</g>")
    _fade(p, 0.72)
    return p.svg()


# -- the screaming face -----------------------------------------------------------------------


def screaming_face(w, h):
    """A gaunt face screaming, lit red from below: brows drawn up in anguish over staring eyes,
    the cheeks sunken, deep folds from the nostrils to a jaw dropped on a black mouth, the cords
    of the neck standing out; wild hair rimmed by the red light."""
    p = Painter(w, h, 28)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w / 2, h * 0.8, h * 0.8, "#9a0c12", 0.9)
    p.light_pool(w / 2, h * 1.0, h * 0.4, "#e0481a", 0.5)
    gaunt = ("M-46,-48 C-48,-80 -24,-94 0,-94 C24,-94 48,-80 46,-48 C46,-26 46,-6 40,8 C36,30 30,58 20,80 "
             "C14,92 6,97 0,97 C-6,97 -14,92 -20,80 C-30,58 -36,30 -40,8 C-46,-6 -46,-26 -44,-50 Z")
    p.add('<g transform="translate(119,150) scale(1.0)">')
    # Hunched shoulders and the neck with its cords, in the dark below the jaw.
    p.shape("M-26,60 L-30,120 C-60,126 -100,134 -120,160 L120,160 C100,134 60,126 30,120 L26,60 Z",
            p.linear([(0, "#3a0606", 1), (1, "#8a1a10", 1)], 0, 0, 0, 1), rim="#ff8050", rim_dx=0, rim_dy=-2)
    for k in (-1, 1):
        p.add('<path d="M%d,84 C%d,100 %d,112 %d,124" stroke="#c04028" stroke-width="3" fill="none" filter="%s"/>' % (
            k * 14, k * 16, k * 20, k * 26, p.blur(1.2)))
    # Wild hair torn up and out from the skull in locks, their edges lit red from below; a dark
    # mass behind them holds them together.
    rng = p.rng
    hair_fill = p.linear([(0, "#050000", 1), (1, "#3a0806", 1)])
    hair_tex = p.relief(freq="0.04 0.2", octaves=3, azimuth=90, scale=2.4, strength=1.5, base=0.5)
    p.shape(fk.smooth([(-26, 96), (26, 96), (50, 70), (56, 10), (54, -40), (44, -86), (0, -108), (-44, -86), (-54, -40),
                       (-56, 10), (-50, 70)]), hair_fill, texture=hair_tex)
    locks = []
    for i in range(15):
        a = math.radians(194 + i * 11 + rng.uniform(-3, 3))
        r0 = 46
        x0, y0 = r0 * 0.95 * math.cos(a), -40 + r0 * 1.2 * math.sin(a)
        ln = rng.uniform(34, 52) * (0.8 if 4 < i < 11 else 1.0)
        out = a + (math.radians(18) if math.cos(a) > 0 else -math.radians(18)) * rng.uniform(0.4, 1.0)
        x1, y1 = x0 + ln * 0.55 * math.cos(a), y0 + ln * 0.55 * math.sin(a)
        x2, y2 = x0 + ln * math.cos(out), y0 + ln * math.sin(out)
        wd = rng.uniform(9, 14)
        locks.append(fk.swell([(x0, y0), (x1, y1), (x2, y2)], [(0, wd, wd), (0.45, wd * 0.7, wd * 0.6), (1, 0.6, 0.6)]))
    for k in (-1, 1):
        for i in range(4):
            x0, y0 = k * (44 + i * 2), -30 + i * 24
            sw = rng.uniform(-6, 6)
            locks.append(fk.swell([(x0, y0), (k * (58 + i * 5) + sw, y0 + 26), (k * (62 + i * 9), y0 + 54)],
                                  [(0, 11, 11), (0.5, 8, 7), (1, 0.8, 0.8)]))
    for d in locks:
        p.shape(d, hair_fill, texture=hair_tex, rim="#ff6040", rim_dx=1.2, rim_dy=-2, rim_soft=1, rim_opacity=0.8)
    cid = face(p, "#c03828", "#2a0406", 1, rim="#ffb040", outline=gaunt)
    p.add('<g clip-path="url(#%s)">' % cid)
    # Lit from below: the top of the head and the brow sink into the dark; the sockets and the
    # hollows under the cheekbones are black; the undersides of the cheekbones and nose catch fire.
    _soft(p, _ell(0, -86, 50, 30), "#100000", 0.85, 10)
    for k in (-1, 1):
        _soft(p, _ell(k * 19, -16, 17, 14), "#120000", 0.95, 4)
        _soft(p, "M%d,14 C%d,30 %d,50 %d,70 L%d,60 C%d,44 %d,28 %d,14 Z" % (
            k * 40, k * 34, k * 30, k * 22, k * 14, k * 20, k * 26, k * 30), "#140000", 0.85, 4)
        _soft(p, _ell(k * 25, 13, 7, 2), "#ff9060", 0.2, 2)
    _soft(p, _ell(0, 18, 6, 4), "#ff9060", 0.6, 2)
    p.add("</g>")
    # Hair falling over the crown to a ragged fringe of locks.
    p.shape("M-47,-40 C-50,-82 -24,-100 0,-100 C24,-100 50,-82 47,-40 C44,-50 40,-56 36,-52 C34,-62 28,-66 22,-60 "
            "C18,-70 12,-72 8,-64 C4,-72 -4,-72 -8,-64 C-12,-72 -20,-70 -22,-60 C-28,-66 -34,-62 -36,-52 C-40,-56 -44,-50 "
            "-47,-40 Z", p.linear([(0, "#000", 1), (1, "#2a0404", 1)]), texture=p.relief(
                freq="0.2 0.03", octaves=2, azimuth=90, scale=2, strength=1.4, base=0.55),
            rim="#ff6040", rim_dx=0, rim_dy=-1.6, rim_soft=0.8, rim_opacity=0.7)
    # Forehead wrinkles, lifted at the middle by the brows.
    for i in range(2):
        y = -46 - i * 6
        p.add('<path d="M-24,%d C-12,%d -4,%d 0,%d C4,%d 12,%d 24,%d" stroke="#3a0606" stroke-width="1.2" fill="none" '
              'opacity="0.8"/>' % (y + 4, y - 2, y - 6, y - 6, y - 6, y - 2, y + 4))
    for k in (-1, 1):
        ex = k * 19
        # Staring eyes: the white shows all round a small iris.
        p.add('<path d="M%d,-15 C%d,-25 %d,-25 %d,-15 C%d,-6 %d,-6 %d,-15 Z" fill="#e8c0a8"/>' % (
            ex - 11, ex - 6, ex + 6, ex + 11, ex + 6, ex - 6, ex - 11))
        p.add('<circle cx="%d" cy="-15" r="3" fill="#4a0a04"/><circle cx="%d" cy="-15" r="1.4" fill="#000"/>' % (ex, ex))
        p.add('<circle cx="%.1f" cy="-16.2" r="0.7" fill="#fff"/>' % (ex - 0.8))
        p.add('<path d="M%d,-15 C%d,-26 %d,-26 %d,-15" stroke="#1a0000" stroke-width="2" fill="none"/>' % (
            ex - 11, ex - 6, ex + 6, ex + 11))
        # Brows drawn up at the inside: anguish.
        p.add('<path d="M%d,-36 C%d,-36 %d,-30 %d,-26" stroke="#140000" stroke-width="3.4" stroke-linecap="round" '
              'fill="none"/>' % (k * 5, k * 14, k * 24, k * 32))
        # The folds from the nostrils to the corners of the mouth.
        p.add('<path d="M%d,22 C%d,30 %d,40 %d,54" stroke="#1a0000" stroke-width="2" fill="none" filter="%s"/>' % (
            k * 8, k * 16, k * 20, k * 20, p.blur(0.8)))
    p.add('<path d="M-8,22 C-4,26 4,26 8,22 C6,20 3,21 0,23 C-3,21 -6,20 -8,22 Z" fill="#1a0000"/>')
    # The mouth: a tall black scream, upper and lower teeth, the tongue deep in it.
    mouth = "M-15,36 C-14,28 14,28 15,36 C18,56 12,76 0,78 C-12,76 -18,56 -15,36 Z"
    p.add('<path d="%s" fill="#060000"/>' % mouth)
    p.add('<path d="M-9,68 C-4,62 4,62 9,68 C6,74 -6,74 -9,68 Z" fill="#5a0a0a"/>')
    for i in range(6):
        x = -11 + i * 3.8
        p.add('<path d="M%.1f,32 l3.4,0 l-0.4,4.4 l-2.6,0 Z" fill="#e0c0a0"/>' % x)
    for i in range(5):
        x = -8 + i * 3.4
        p.add('<path d="M%.1f,74 l3,0 l-0.3,-3.4 l-2.4,0 Z" fill="#a08068"/>' % x)
    p.add('<path d="M-15,34 C-10,27 10,27 15,34" stroke="#6a0c08" stroke-width="2.6" fill="none"/>')
    p.add('<path d="M-12,76 C-6,84 6,84 12,76" stroke="#ff9070" stroke-width="2.4" fill="none"/>')
    p.add("</g>")
    _fade(p, 0.7)
    return p.svg()


# -- the demon ------------------------------------------------------------------------------


def demon_face(w, h):
    """A grinning demon's face filling the dark: ram horns, pointed ears, a heavy brow over red
    eyes that glow, a grin of fangs from ear to ear. Hellfire below is its only light."""
    p = Painter(w, h, 68)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w / 2, h * 1.0, h * 0.75, "#9a0c12", 0.85)
    p.light_pool(w / 2, h * 1.05, h * 0.35, "#ffb040", 0.45)
    outline = ("M-50,-40 C-52,-80 -26,-98 0,-98 C26,-98 52,-80 50,-40 C58,-20 60,0 52,16 C44,40 26,62 0,74 "
               "C-26,62 -44,40 -52,16 C-60,0 -58,-20 -50,-40 Z")
    p.add('<g transform="translate(250,322) scale(2.35)">')
    rimc = "#ff8040"
    # Horns curling back and out from the brow, ridged.
    for k in (-1, 1):
        horn = ("M%d,-74 C%d,-118 %d,-130 %d,-112 C%d,-104 %d,-96 %d,-88 C%d,-102 %d,-104 %d,-62 Z" % (
            k * 24, k * 34, k * 80, k * 94, k * 96, k * 90, k * 82, k * 70, k * 50, k * 42))
        p.shape(horn, p.linear([(0, "#3a2a20", 1), (1, "#0a0604", 1)], 0, 1, 0, 0), texture=p.relief(
            freq="0.3 0.05", octaves=2, azimuth=90, scale=2, strength=1.5, base=0.55), rim=rimc, rim_dx=0, rim_dy=-1.5,
            rim_soft=0.6)
        # Ears swept back to points.
        ear = "M%d,-22 C%d,-34 %d,-52 %d,-62 C%d,-40 %d,-10 %d,4 Z" % (k * 50, k * 62, k * 74, k * 84, k * 74, k * 62, k * 52)
        p.shape(ear, "#4a0a08", rim=rimc, rim_dx=0, rim_dy=-1.5, rim_soft=0.6)
    cid = face(p, "#8a1c14", "#1a0204", 1, rim=rimc, outline=outline)
    p.add('<g clip-path="url(#%s)">' % cid)
    p.add('<rect x="-70" y="-110" width="140" height="190" fill="#000" opacity="0.3" filter="%s"/>' % p.relief(
        freq=0.08, octaves=4, azimuth=90, elevation=30, scale=3, strength=1.6, base=0.4))
    # Lit from below: the top of the head sinks into the dark.
    _soft(p, _ell(0, -80, 56, 30), "#050000", 0.85, 8)
    # The heavy brow ridge, knotted at the middle, and the sockets under it.
    for k in (-1, 1):
        _soft(p, _ell(k * 19, -14, 17, 11), "#0a0000", 0.95, 3)
        _soft(p, _ell(k * 30, 16, 10, 20), "#0a0000", 0.6, 5)
        _soft(p, _ell(k * 24, 4, 10, 3), "#ff8040", 0.18, 3)
    _soft(p, "M-10,-40 C-6,-30 6,-30 10,-40 C6,-20 -6,-20 -10,-40 Z", "#0a0000", 0.7, 2)
    p.add("</g>")
    for k in (-1, 1):
        # Slanted eyes glowing red, with slit pupils.
        eye = "M%d,-10 C%d,-18 %d,-22 %d,-20 C%d,-14 %d,-10 %d,-10 Z" % (
            k * 8, k * 14, k * 24, k * 32, k * 28, k * 20, k * 8)
        p.add('<path d="%s" fill="#ff2010" filter="%s"/>' % (eye, p.bloom(2.5)))
        p.add('<path d="%s" fill="#ffd060" transform="translate(%d,-15) scale(0.5) translate(%d,15)"/>' % (
            eye, k * 20, -k * 20))
        p.add('<path d="M%d,-19 C%.1f,-16 %.1f,-13 %d,-11 C%.1f,-13 %.1f,-16 %d,-19 Z" fill="#1a0000"/>' % (
            k * 20, k * 21.2, k * 21.2, k * 20, k * 18.8, k * 18.8, k * 20))
        # The brow ridge itself, a hard edge catching the light from below.
        p.add('<path d="M%d,-22 C%d,-30 %d,-28 %d,-20" stroke="#ff9050" stroke-width="1.2" fill="none" opacity="0.8"/>' % (
            k * 6, k * 16, k * 30, k * 38))
    # Nose: flat, with flared nostrils.
    p.add('<path d="M-8,22 C-6,14 -3,8 0,4 C3,8 6,14 8,22 C4,24 -4,24 -8,22 Z" fill="#5a0c08"/>')
    p.add('<path d="M-7,22 C-5,20 -3,21 -3,23 Z M7,22 C5,20 3,21 3,23 Z" fill="#000"/>')
    p.add('<path d="M-7,23 C-3,25 3,25 7,23" stroke="#ff9050" stroke-width="0.8" fill="none"/>')
    # The grin: a crescent from cheek to cheek, fangs top and bottom, the lips lit from below.
    grin = "M-36,30 C-20,40 20,40 36,30 C28,54 -28,54 -36,30 Z"
    p.add('<path d="%s" fill="#0a0000"/>' % grin)
    for i in range(13):
        x = -30 + i * 5
        ty = 32 + 6 * (1 - (x / 36) ** 2)
        ln = 8 if i in (2, 10) else 4
        p.add('<path d="M%.1f,%.1f l2.5,%d l2.5,-%d Z" fill="#f0e0c0"/>' % (x - 2.5, ty, ln, ln))
    for i in range(11):
        x = -24 + i * 5
        by = 36 + 12 * (1 - (x / 36) ** 2)
        ln = 7 if i in (1, 9) else 3.5
        p.add('<path d="M%.1f,%.1f l2.5,-%.1f l2.5,%.1f Z" fill="#d8c8a8"/>' % (x - 2.5, by, ln, ln))
    p.add('<path d="M-34,32 C-24,56 24,56 34,32" stroke="#ff9050" stroke-width="1.4" fill="none"/>')
    p.add('<path d="M-38,28 C-40,32 -38,36 -34,36 M38,28 C40,32 38,36 34,36" stroke="#1a0000" stroke-width="1.6" fill="none"/>')
    p.add("</g>")
    rng = p.rng
    for _ in range(50):
        x, y = rng.uniform(0, w), rng.uniform(h * 0.55, h)
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffc060" opacity="%.2f"/>' % (
            x, y, rng.uniform(0.6, 1.8), rng.uniform(0.3, 0.9)))
    _fade(p, 0.75)
    return p.svg()


# -- the ghost ------------------------------------------------------------------------------


def ghost(w, h):
    """A ghost: a skeleton in a torn white shroud drifting toward us, the hood round a skull with
    points of cold light for eyes, bony hands reaching out; the shroud's hem frays into mist.
    It is its own light."""
    p = Painter(w, h, 51)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    p.light_pool(w / 2, h * 0.4, h * 0.55, "#b9c9f2", 0.35)
    cx = w / 2
    shroud = p.linear([(0, "#f4f6ff", 0.95), (0.5, "#b8c4e0", 0.85), (1, "#6a7aa0", 0)])
    rng = p.rng
    # The shroud: a pointed hood, sloping shoulders, sleeves hanging wide from arms held out, and a
    # body that tapers into tatters.
    d = ("M%.1f,24 C%.1f,30 %.1f,48 %.1f,70 C%.1f,84 %.1f,104 %.1f,132 L%.1f,140 L%.1f,136 L%.1f,146 "
         "C%.1f,150 %.1f,160 %.1f,170 " % (cx + 2, cx + 22, cx + 32, cx + 36, cx + 56, cx + 74, cx + 84, cx + 76,
                                          cx + 70, cx + 58, cx + 48, cx + 44, cx + 42))
    tips = 9
    for k in range(tips + 1):
        x = cx + 42 - k * 84 / tips
        y = 268 - abs(x - cx) * 0.9 + rng.uniform(-12, 10)
        d += "L%.1f,%.1f L%.1f,%.1f " % (x + 2, y - 34, x - 2, y)
    d += ("C%.1f,160 %.1f,150 %.1f,146 L%.1f,136 L%.1f,140 L%.1f,132 C%.1f,104 %.1f,84 %.1f,70 "
          "C%.1f,48 %.1f,30 %.1f,24 Z" % (cx - 44, cx - 48, cx - 58, cx - 70, cx - 76, cx - 84, cx - 74, cx - 56, cx - 36,
                                         cx - 32, cx - 22, cx - 2))
    mist = p.uid("gm")
    p.define('<filter id="%s" x="-20%%" y="-10%%" width="140%%" height="130%%">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.02 0.05" numOctaves="3" seed="5" result="n"/>'
             '<feDisplacementMap in="SourceGraphic" in2="n" scale="16" xChannelSelector="R" yChannelSelector="G" result="d"/>'
             '<feGaussianBlur in="d" stdDeviation="5" result="b"/>'
             '<feMerge><feMergeNode in="b"/><feMergeNode in="d"/></feMerge></filter>' % mist)
    p.add('<path d="%s" fill="%s" filter="url(#%s)"/>' % (d, shroud, mist))
    # Folds of the cloth.
    for k in range(-3, 4):
        p.add('<path d="M%.1f,%d C%.1f,%d %.1f,%d %.1f,%d" stroke="#5a6a90" stroke-width="2" fill="none" opacity="0.45" '
              'filter="%s"/>' % (cx + k * 6, 96, cx + k * 8, 140, cx + k * 7, 190, cx + k * 5, 240, p.blur(1.5)))
    for k in (-1, 1):
        p.add('<path d="M%.1f,84 C%.1f,100 %.1f,120 %.1f,138" stroke="#5a6a90" stroke-width="2" fill="none" opacity="0.5" '
              'filter="%s"/>' % (cx + k * 36, cx + k * 52, cx + k * 62, cx + k * 70, p.blur(1.2)))
        # The dark mouth of the sleeve the hand reaches from.
        p.add('<path d="M%.1f,134 C%.1f,128 %.1f,136 %.1f,146 C%.1f,144 %.1f,140 %.1f,134 Z" fill="#1a2236"/>' % (
            cx + k * 64, cx + k * 78, cx + k * 86, cx + k * 80, cx + k * 74, cx + k * 68, cx + k * 64))
    # The dark inside of the hood and the skull in it.
    p.add('<path d="M%.1f,38 C%.1f,38 %.1f,60 %.1f,88 C%.1f,96 %.1f,96 %.1f,88 C%.1f,60 %.1f,38 %.1f,38 Z" fill="#0a0e1a"/>' % (
        cx, cx + 22, cx + 26, cx + 22, cx + 10, cx - 10, cx - 22, cx - 26, cx - 22, cx))
    skull = ("M%.1f,50 C%.1f,50 %.1f,58 %.1f,68 C%.1f,76 %.1f,80 %.1f,84 L%.1f,90 L%.1f,90 L%.1f,84 "
             "C%.1f,80 %.1f,76 %.1f,68 C%.1f,58 %.1f,50 %.1f,50 Z" % (
                 cx, cx + 14, cx + 16, cx + 15, cx + 14, cx + 11, cx + 8, cx + 6, cx - 6, cx - 8, cx - 11, cx - 14,
                 cx - 15, cx - 16, cx - 14, cx))
    p.add('<path d="%s" fill="%s"/>' % (skull, p.linear([(0, "#f4f0e4", 1), (1, "#8a8a98", 1)], 0, 0, 0, 1)))
    for k in (-1, 1):
        p.add('<path d="M%.1f,64 C%.1f,60 %.1f,62 %.1f,68 C%.1f,74 %.1f,74 %.1f,64 Z" fill="#05060c"/>' % (
            cx + k * 2, cx + k * 8, cx + k * 12, cx + k * 12, cx + k * 10, cx + k * 3, cx + k * 2))
        p.add('<circle cx="%.1f" cy="67" r="1.6" fill="#bff0ff" filter="%s"/>' % (cx + k * 7, p.bloom(1.5)))
    p.add('<path d="M%.1f,74 l-2,5 l4,0 Z" fill="#05060c"/>' % cx)
    for i in range(6):
        x = cx - 7 + i * 2.8
        p.add('<path d="M%.1f,83 l1.2,4 l1.2,-4 Z" fill="#05060c"/>' % x)
    # Bony hands reaching out of the sleeves: five fingers each, knuckles lit.
    for k in (-1, 1):
        wx, wy = cx + k * 76, 144
        bones = ""
        for f in range(5):
            a = math.radians(10 + f * 22) if k > 0 else math.radians(170 - f * 22)
            ln = 16 if f in (1, 2) else 12
            mx, my = wx + math.cos(a) * ln * 0.55, wy + math.sin(a) * ln * 0.55 - 3
            bones += limb([(wx, wy), (mx, my), (wx + math.cos(a) * ln, wy + math.sin(a) * ln + 2)], [3, 2.2, 1.4])
        p.add('<path d="%s" fill="#eef0f6"/>' % bones)
        p.add('<path d="%s" fill="none" stroke="#4a5470" stroke-width="0.5"/>' % bones)
    _fade(p, 0.72)
    return p.svg()
