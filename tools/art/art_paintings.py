"""art_paintings.py -- the large paintings: the story painting (the woman warrior seen from
behind in the grey mist), the victory and defeat paintings of the result screen and the final
painting (a ruined cathedral and its graveyard by moonlight, in a torn-paper border).

The result screen lays its thirty badges over the middle of its painting (x 12..712,
y 184..684), so the subjects stand at the right and the captions across the top. The story
text runs in black over the right half of the story painting, so that half stays bright mist.
"""
import math
import random

from art_night import Painter, brick_tower, poly, arch_window
from svgkit import SERIF


def _caption(p, x, y, words, size, fill, glow, stroke="#120800", letter=2):
    words = words.replace("&", "&amp;")
    p.add('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="bold" text-anchor="middle" fill="%s" '
          'letter-spacing="%s" opacity="0.8" filter="%s">%s</text>' % (x, y, SERIF, size, glow, letter, p.blur(size * 0.15),
                                                                       words))
    p.add('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="bold" text-anchor="middle" fill="#000" '
          'letter-spacing="%s" opacity="0.7">%s</text>' % (x + 3, y + 3, SERIF, size, letter, words))
    p.add('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="bold" text-anchor="middle" fill="%s" '
          'stroke="%s" stroke-width="1.5" letter-spacing="%s">%s</text>' % (x, y, SERIF, size, fill, stroke, letter, words))


def _u(x0, y0, u):
    """A mapper from figure units (feet at 0,0, head top at y -100) to picture coordinates."""
    return lambda pts_: [(x0 + x * u, y0 + y * u) for x, y in pts_]


def _smooth(points, closed=True):
    """A Catmull-Rom curve through points, as a path."""
    n = len(points)
    d = "M%.1f,%.1f " % points[0]
    rng_ = range(n) if closed else range(n - 1)
    for i in rng_:
        p0 = points[(i - 1) % n] if closed or i > 0 else points[i]
        p1, p2 = points[i], points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (c1 + c2 + p2)
    return d + ("Z" if closed else "")


def _tube(spine):
    """The outline of a limb along its spine of (x, y, width) points: it swells and tapers as
    the widths say and ends round, so an arm reads as muscle and bone, not as a pipe."""
    left, right = [], []
    n = len(spine)
    for i, (x, y, w) in enumerate(spine):
        ax, ay, _ = spine[max(0, i - 1)]
        bx, by, _ = spine[min(n - 1, i + 1)]
        tx, ty = bx - ax, by - ay
        ln = math.hypot(tx, ty) or 1
        nx, ny = -ty / ln, tx / ln
        left.append((x + nx * w / 2, y + ny * w / 2))
        right.append((x - nx * w / 2, y - ny * w / 2))
    def cap(i, j, sign):
        x, y, w = spine[i]
        tx, ty = x - spine[j][0], y - spine[j][1]
        ln = math.hypot(tx, ty) or 1
        return (x + sign * tx / ln * w * 0.35, y + sign * ty / ln * w * 0.35)
    return [cap(0, 1, 1)] + left + [cap(n - 1, n - 2, 1)] + right[::-1]


def warrior_from_behind(p, x0, y0, height, cloth, cape, rim, rim_dx):
    """The woman warrior seen from behind, a blade in each hand, braid and cloak in the wind.

    Figure units: feet at 0, top of the head at -100; the light is the bright mist on the right."""
    u = height / 100.0
    m = _u(x0, y0, u)
    tex = p.relief(0.5 / u, 3, azimuth=0, elevation=40, scale=1.5, strength=1.2, base=0.55)
    leather = p.relief(0.9 / u, 3, azimuth=0, elevation=45, scale=1.2, strength=1.0, base=0.6)
    skin = p.relief(1.2 / u, 2, azimuth=0, elevation=50, scale=0.8, strength=0.6, base=0.8)

    def part(points, fill, texture=tex, smooth=True, soft=0.5):
        d = _smooth(m(points)) if smooth else poly(m(points))
        p.shape(d, fill, texture, rim, rim_dx=rim_dx * u, rim_dy=0.6 * u, rim_soft=soft * u, rim_opacity=0.9)
        return d

    def line(points, colour, width, opacity=1.0, blur=None):
        f = ' filter="%s"' % p.blur(blur * u) if blur else ""
        p.add('<path d="%s" stroke="%s" stroke-width="%.1f" fill="none" stroke-linecap="round" opacity="%s"%s/>' % (
            _smooth(m(points), closed=False), colour, width * u, opacity, f))

    def shade(d, stops, x1=0, y1=0, x2=1, y2=0):
        p.add('<path d="%s" fill="%s"/>' % (d, p.linear(stops, x1, y1, x2, y2)))

    # Legs, stance apart: thigh, knee, calf, ankle, in dark breeches and knee boots.
    for side in (-1, 1):
        leg = [(side * 5.6, -40, 8.2), (side * 7.2, -32, 7.0), (side * 8.6, -26.5, 5.4), (side * 9.4, -23.5, 5.2),
               (side * 10.2, -19, 5.6), (side * 11.2, -13, 4.6), (side * 12.2, -7, 3.4), (side * 12.6, -3, 3.4)]
        d = part(_tube(leg), "#17181e", tex)
        shade(d, [(0, "#000", 0.5 if side < 0 else 0.35), (0.55, "#000", 0.05), (1, "#fff", 0.08)])
        # the knee: a soft bulge lit on its right
        line([(side * 8.2 + 1.8, -27.5), (side * 8.6 + 2.4, -25), (side * 8.6 + 1.8, -22.8)], "#c8ccd6", 0.45, 0.45, 0.2)
        boot = [(side * 9.8, -21.2, 6.6), (side * 10.6, -17, 6.0), (side * 11.4, -12, 4.9), (side * 12.2, -6.5, 3.9),
                (side * 12.7, -2.2, 4.2)]
        d = part(_tube(boot), "#2a1c16", leather)
        shade(d, [(0, "#000", 0.55), (0.6, "#000", 0.1), (1, "#fff", 0.1)])
        part([(side * 10.6, -3.2), (side * 15.6, -2.6), (side * 17.4, -0.8), (side * 16.6, 0.4), (side * 10.2, 0.4),
              (side * 9.6, -1.6)], "#1c130f", leather)
        part([(side * 6.4, -21.8), (side * 13.2, -21.6), (side * 13.0, -19.4), (side * 6.6, -19.6)], "#3a2a20", leather)
        line([(side * 10.4, -18), (side * 11.6, -9), (side * 12.4, -3)], "#0a0706", 0.35, 0.6)

    # The cloak hangs from her shoulders behind the arms and blows out to the left below the hands.
    cloak = [(-12.0, -81.5), (-7, -85.0), (0, -85.6), (7, -85.0), (12.0, -81.5), (12.6, -74), (12.4, -64), (12.9, -52),
             (14.2, -40), (15.6, -30), (16.8, -24.2), (13.6, -21.8), (10.4, -24.4), (7.0, -20.2), (2.6, -23.6), (-1.6, -19.2),
             (-6.0, -22.4), (-10.4, -18.2), (-15.2, -21.2), (-20.2, -16.8), (-25.6, -20.6), (-31.5, -16.2), (-29.5, -23.5),
             (-25.2, -31), (-20.4, -40), (-16.6, -49), (-13.9, -60), (-13.0, -72)]
    cd = part(cloak, cape, p.relief(0.35 / u, 3, azimuth=0, elevation=35, scale=2.5, strength=1.4, base=0.5))
    shade(cd, [(0, "#000", 0.55), (0.45, "#000", 0.15), (0.8, "#ff8070", 0.05), (1, "#fff", 0.16)])
    shade(cd, [(0, "#000", 0), (0.75, "#000", 0), (1, "#000", 0.35)], 0, 0, 0, 1)
    # Folds fall from the shoulder blades to the troughs of the hem: a dark valley with a lit ridge
    # on its right, soft as cloth is.
    for top, mid, foot in [((8.5, -80), (10.5, -52), (10.4, -25)), ((4.5, -82), (5.5, -50), (4.8, -23)),
                           ((0.5, -80), (-0.5, -48), (-1.4, -21)), ((-4.5, -80), (-6.5, -50), (-8.4, -21.5)),
                           ((-8.5, -78), (-12, -46), (-17.6, -19.5)), ((-10.8, -72), (-17, -40), (-27, -18.5))]:
        line([top, mid, foot], "#080002", 1.5, 0.55, 0.45)
        line([(top[0] + 1.1, top[1] + 2), (mid[0] + 1.4, mid[1]), (foot[0] + 1.6, foot[1] - 1.5)], "#e07068", 0.8, 0.3, 0.35)
    # The lining shows where the hem turns over in the wind.
    part([(-25.6, -20.6), (-31.5, -16.2), (-29.5, -23.5), (-27.2, -21.4)], "#1e0408", None)
    # The hood lies down on her shoulders in thick folds.
    hood = [(-8.8, -84.6), (-4.4, -87.0), (4.4, -87.0), (8.8, -84.6), (8.6, -80.6), (5.6, -76.2), (0.4, -73.8),
            (-5.0, -75.8), (-8.4, -80.2)]
    hd = part(hood, "#4a0a12", p.relief(0.5 / u, 3, azimuth=0, elevation=35, scale=2.2, strength=1.3, base=0.55))
    shade(hd, [(0, "#000", 0.5), (0.55, "#000", 0.1), (1, "#fff", 0.14)])
    for r in (0.55, 0.8):
        line([(-8.6 * r, -84 + 2 * r), (-4 * r, -79 + 1.5 * r), (0.4, -76.5 + 2.5 * r), (4.6 * r, -79 + 1.5 * r), (8.4 * r, -84 + 2 * r)],
             "#0a0002", 0.9, 0.6, 0.25)

    # Arms: round shoulder, upper arm, the elbow's turn, the forearm swelling below it and tapering
    # to the wrist; sleeves of dark cloth, leather bracers on the forearms.
    for side in (-1, 1):
        upper = [(side * 11.6, -81.5, 6.2), (side * 13.6, -77, 6.0), (side * 14.8, -71, 4.9), (side * 15.6, -66, 4.2),
                 (side * 16.2, -62.5, 3.9)]
        d = part(_tube(upper), cloth, tex)
        shade(d, [(0, "#000", 0.45), (0.6, "#000", 0.05), (1, "#fff", 0.12)])
        fore = [(side * 16.0, -63.5, 4.0), (side * 16.9, -60.2, 4.7), (side * 17.9, -56, 4.2), (side * 18.8, -52, 3.4),
                (side * 19.3, -49.3, 3.0)]
        d = part(_tube(fore), "#3a2a22", leather)
        shade(d, [(0, "#000", 0.5), (0.6, "#000", 0.05), (1, "#fff", 0.14)])
        for k in (0, 1, 2):
            y = -58.5 + k * 2.8
            line([(side * (16.2 + k * 0.55), y), (side * (18.8 + k * 0.55), y + 0.6)], "#120a08", 0.3, 0.8)
        line([(side * 15.2, -65.5), (side * 16.6, -63), (side * 17.6, -62.6)], "#000", 0.45, 0.5, 0.15)

    # The blades: held point down and out, catching the light along their edges.
    fists = {}
    for side, tip in ((1, (41, -3)), (-1, (-34, -1))):
        fist = (19.6 * side, -46.6)
        fists[side] = fist
        dx, dy = tip[0] - fist[0], tip[1] - fist[1]
        ln = math.hypot(dx, dy)
        ux, uy = dx / ln, dy / ln
        nx, ny = -uy, ux
        bw = 1.3
        base = (fist[0] + ux * 2.8, fist[1] + uy * 2.8)
        blade = [(base[0] + nx * bw, base[1] + ny * bw), (tip[0] + nx * 0.25, tip[1] + ny * 0.25),
                 (tip[0] + ux * 1.4, tip[1] + uy * 1.4), (tip[0] - nx * 0.25, tip[1] - ny * 0.25),
                 (base[0] - nx * bw, base[1] - ny * bw)]
        p.add('<path d="%s" fill="%s"/>' % (poly(m(blade)), p.linear([(0, "#e8eef8", 1), (0.5, "#8a94a6", 1),
                                                                       (1, "#2a2e38", 1)], 0, 0, 1, 0)))
        edge = [(base[0] - nx * bw * side, base[1] - ny * bw * side), tip]
        p.add('<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#ffffff" stroke-width="%.1f" opacity="0.85"/>' % (
            m(edge)[0] + m(edge)[1] + (0.35 * u,)))
        fuller = [(base[0] + dx * 0.04, base[1] + dy * 0.04), (base[0] + dx * 0.66, base[1] + dy * 0.66)]
        p.add('<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#4a5262" stroke-width="%.1f" opacity="0.7"/>' % (
            m(fuller)[0] + m(fuller)[1] + (0.4 * u,)))
        # cross-guard with curled quillons, the grip wound in leather, and the pommel above the fist
        g = (fist[0] + ux * 2.6, fist[1] + uy * 2.6)
        guard = [(g[0] + nx * 4.2 - ux * 0.8, g[1] + ny * 4.2 - uy * 0.8), (g[0] + nx * 2, g[1] + ny * 2), g,
                 (g[0] - nx * 2, g[1] - ny * 2), (g[0] - nx * 4.2 - ux * 0.8, g[1] - ny * 4.2 - uy * 0.8)]
        p.add('<path d="%s" stroke="#8a6a30" stroke-width="%.1f" fill="none" stroke-linecap="round"/>' % (
            _smooth(m(guard), closed=False), 1.1 * u))
        p.add('<path d="%s" stroke="#e8c878" stroke-width="%.1f" fill="none" stroke-linecap="round" opacity="0.7"/>' % (
            _smooth(m(guard[1:4]), closed=False), 0.35 * u))
        top = (fist[0] - ux * 3.0, fist[1] - uy * 3.0)
        p.add('<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#2a1a12" stroke-width="%.1f"/>' % (m([top])[0] + m([g])[0] + (1.4 * u,)))
        pm = m([(fist[0] - ux * 3.6, fist[1] - uy * 3.6)])[0]
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#a07a38" stroke="#2a1a08" stroke-width="%.1f"/>' % (
            pm[0], pm[1], 1.1 * u, 0.2 * u))
        # the hand closed round the grip: back of the hand, four knuckles, the thumb over the fingers
        hand = [(fist[0] - side * 1.2, fist[1] - 2.6), (fist[0] + side * 1.4, fist[1] - 2.4), (fist[0] + side * 2.3, fist[1] - 0.6),
                (fist[0] + side * 2.1, fist[1] + 1.6), (fist[0] + side * 0.4, fist[1] + 2.4), (fist[0] - side * 1.8, fist[1] + 1.6),
                (fist[0] - side * 2.0, fist[1] - 0.6)]
        hand = [(fist[0] + (x - fist[0]) * 1.15, fist[1] + (y - fist[1]) * 1.15) for x, y in hand]
        d = part(hand, "#7a5444", skin, soft=0.3)
        shade(d, [(0, "#2a1008", 0.55), (0.55, "#2a1008", 0.1), (1, "#fff", 0.15)])
        for k in range(4):
            y = fist[1] - 1.4 + k * 1.05
            line([(fist[0] + side * 0.4, y), (fist[0] + side * 2.0, y + 0.25)], "#3a1e16", 0.22, 0.85)
        line([(fist[0] - side * 1.6, fist[1] - 1.8), (fist[0] - side * 0.6, fist[1] + 0.6), (fist[0] + side * 0.9, fist[1] + 1.6)],
             "#5a3a30", 0.55, 0.9)
        line([(fist[0] + side * 1.9, fist[1] - 1.2), (fist[0] + side * 2.1, fist[1] + 0.8)], "#f0d0c0", 0.3, 0.6)

    # Shoulder guards: two lames of dark steel over the cloak.
    for side in (-1, 1):
        for k, (top, low) in enumerate(((-84.4, -77.8), (-80.2, -74.4))):
            lame = [(side * (8.6 + k * 3.6), top), (side * (13.2 + k * 1.8), top - 0.2 + k * 0.8), (side * (16.0 + k * 0.6), top + 3),
                    (side * (15.8 + k * 0.4), low), (side * (12.2 + k * 1.4), low + 0.6), (side * (9.6 + k * 3.4), low - 2)]
            d = part(lame, "#2e323c", p.relief(0.4 / u, 3, azimuth=0, scale=2), soft=0.3)
            shade(d, [(0, "#000", 0.45), (0.6, "#000", 0.0), (1, "#fff", 0.2)])
            line([(side * (9.8 + k * 3.4), low - 1.6), (side * (12.4 + k * 1.4), low + 0.2), (side * (15.6 + k * 0.4), low - 0.4)],
                 "#c8d0dc", 0.3, 0.7)

    # Neck and head: the nape, the ears, the hair drawn back from the crown into a braid.
    part([(-2.4, -88), (2.4, -88), (2.9, -84.8), (-2.9, -84.8)], "#7a5a4e", skin, smooth=False)
    p.add('<path d="%s" fill="#000" opacity="0.35"/>' % poly(m([(-2.4, -88), (0, -88), (0, -84.8), (-2.9, -84.8)])))
    for side in (-1, 1):
        d = part([(side * 4.6, -94.6), (side * 5.7, -94.2), (side * 5.9, -91.8), (side * 5.1, -90.0), (side * 4.4, -91.2)],
                 "#6a4a3e", skin, soft=0.25)
    head = [(0, -100.2), (3.6, -99.2), (5.2, -96.2), (5.1, -92.2), (4.0, -89.2), (1.8, -87.6), (-1.8, -87.6), (-4.0, -89.2),
            (-5.1, -92.2), (-5.2, -96.2), (-3.6, -99.2)]
    d = part(head, "#241612", p.relief(1.4 / u, 2, azimuth=0, scale=1, base=0.7))
    shade(d, [(0, "#000", 0.45), (0.55, "#000", 0.05), (1, "#ffd8b0", 0.18)])
    for x in (-4.2, -2.4, -0.8, 0.8, 2.4, 4.0):
        line([(x * 1.05, -99.4 + abs(x) * 0.3), (x * 0.95, -94.5), (x * 0.45, -90.5), (0.3, -88.2)], "#6a4a38", 0.22, 0.55)
    # strands loosed by the wind, blown to the left
    line([(-4.4, -97.6), (-7.4, -97.2), (-10.6, -95.0)], "#241612", 0.3, 0.8)
    line([(-4.8, -95.2), (-8.0, -94.2), (-11.2, -91.4)], "#241612", 0.22, 0.7)
    # The braid: plaited lobes from the nape down her back over the hood and cloak, tied at its end.
    spine = [(0.3, -88.6, 4.2), (0.1, -84, 4.4), (-0.6, -79.5, 4.1), (-1.6, -75, 3.8), (-2.6, -70.5, 3.4), (-3.4, -66.5, 3.0),
             (-4.0, -63.4, 2.4)]
    d = part(_tube(spine), "#2a1a14", p.relief(2.0 / u, 2, azimuth=0, scale=1, base=0.7), soft=0.3)
    shade(d, [(0, "#000", 0.4), (0.6, "#000", 0.0), (1, "#ffe0c0", 0.2)])
    for i in range(len(spine) - 1):
        (ax, ay, w), (bx, by, _) = spine[i], spine[i + 1]
        for t in (0.0, 0.5):
            cx, cy = ax + (bx - ax) * t, ay + (by - ay) * t
            line([(cx - w * 0.48, cy - 0.4), (cx, cy + 1.3), (cx + w * 0.48, cy - 0.4)], "#0c0604", 0.35, 0.9)
            line([(cx + w * 0.1, cy + 0.9), (cx + w * 0.4, cy - 0.1)], "#c8a890", 0.25, 0.55)
    part([(-3.4, -63.6), (-5.0, -63.4), (-4.8, -62.2), (-3.6, -62.3)], "#8a6a30", None, soft=0.2)
    p.shape(_smooth(m([(-4.2, -62.4), (-3.2, -60), (-3.6, -57.6), (-4.6, -59.4), (-5.6, -57.2), (-5.4, -60.2)])), "#241612",
            None, "#d8c0b0", rim_dx=rim_dx * u * 0.3, rim_dy=0.3 * u, rim_soft=0.25 * u, rim_opacity=0.6)


def story_painting(w, h):
    p = Painter(w, h, 4242)
    # A veiled light in the bright mist at the upper right; the mist thins to grey on the left.
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear(
        [(0, "#5a616e", 1), (0.35, "#8c939e", 1), (0.55, "#d2d6dc", 1), (1, "#f2f3f5", 1)], 0, 0, 1, 0)))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#ffffff", 0.95), (0.4, "#ffffff", 0.45), (1, "#ffffff", 0)], 800, 230, 520)))
    p.add('<rect width="%d" height="%d" fill="#3a404c" opacity="0.45" filter="%s"/>' % (
        w, h, p.noise_mask("0.004 0.012", 4, 1.8, -0.75)))
    p.add('<rect width="%d" height="%d" fill="#ffffff" opacity="0.5" filter="%s"/>' % (
        w, h, p.noise_mask("0.003 0.01", 4, 1.6, -0.6)))
    # Far plane: the broken castle she was sent against, faint in the mist.
    d, _ = p.ridge(520, 30, seed=5, steps=7)
    p.add('<path d="%s" fill="%s"/>' % (d, p.linear([(0, "#7a808c", 0.8), (0.5, "#9aa0aa", 0.5), (0.7, "#c0c4ca", 0)],
                                                    0, 0, 1, 0)))
    castle = ("M70,525 V420 h18 v-12 h8 v12 h8 v-12 h8 v12 h10 V470 h40 V380 l14,-30 l14,30 V470 h30 V440 h10 v-10 h8 "
              "v10 h8 v-10 h8 v10 h6 V525 Z")
    p.add('<path d="%s" fill="#6a707c" opacity="0.85"/>' % castle)
    p.add('<path d="M182,390 L190,376 L192,402 L186,420 Z" fill="#8a909a" opacity="0.8"/>')
    p.fog(430, 600, "#aab0ba", 0.7)
    # Middle plane: darker hills and dead trees, fading toward the bright side.
    d, _ = p.ridge(600, 40, seed=9, x1=760)
    p.add('<path d="%s" fill="%s"/>' % (d, p.linear([(0, "#3e4450", 1), (0.55, "#7a808a", 1), (0.75, "#c0c4ca", 0)],
                                                       0, 0, 1, 0)))
    p.fog(540, 700, "#c8ccd2", 0.55)
    # Near plane: the rock she stands on.
    rock = "M60,765 L90,712 L150,690 L240,680 L330,676 L420,684 L500,700 L560,730 L600,765 Z"
    p.shape(rock, "#2a2e36", p.relief(0.03, 3, azimuth=0, elevation=30, scale=5, strength=1.3, base=0.4), "#e8ecf2",
            rim_dx=-4, rim_dy=3, rim_opacity=0.7)
    p.add('<path d="M0,765 L0,730 C30,720 60,724 80,740 L100,765 Z" fill="#1a1c22"/>')
    # The warrior, seen from behind, looking toward the castle.
    warrior_from_behind(p, 330, 692, 470, "#16171c", "#3a0a10", "#ffffff", -1.1)
    # Low mist curling round her feet and over the rock.
    p.add('<rect y="650" width="%d" height="115" fill="%s" opacity="0.85" filter="%s"/>' % (
        w, p.linear([(0, "#d8dce0", 0), (0.5, "#d8dce0", 1), (1, "#e8eaee", 1)]), p.noise_mask("0.006 0.03", 4, 1.8, -0.55)))
    p.add('<rect x="560" width="%d" height="%d" fill="%s"/>' % (w - 560, h, p.linear(
        [(0, "#f0f2f4", 0), (0.2, "#f0f2f4", 0.45), (1, "#f4f5f7", 0.6)], 0, 0, 1, 0)))
    p.vignette(0.35, "#20242c")
    p.grain(0.06)
    return p.svg()


def _cross(x, y, s):
    return [(x - 1.2 * s, y), (x - 1.2 * s, y - 8 * s), (x - 4 * s, y - 8 * s), (x - 4 * s, y - 10.5 * s),
            (x - 1.2 * s, y - 10.5 * s), (x - 1.2 * s, y - 14 * s), (x + 1.2 * s, y - 14 * s), (x + 1.2 * s, y - 10.5 * s),
            (x + 4 * s, y - 10.5 * s), (x + 4 * s, y - 8 * s), (x + 1.2 * s, y - 8 * s), (x + 1.2 * s, y)]


def _headstone(x, y, s):
    top = [(x + 4 * s * math.cos(a), y - 9 * s - 4 * s * math.sin(a)) for a in [math.pi * k / 8 for k in range(9)]]
    return [(x + 4 * s, y)] + top + [(x - 4 * s, y)]


def _obelisk(x, y, s):
    return [(x - 3 * s, y), (x - 2 * s, y - 12 * s), (x, y - 15 * s), (x + 2 * s, y - 12 * s), (x + 3 * s, y)]


def grave_rows(p, rows, rng, rim, texture_from=1.0, skip=None, shapes=(_cross, _headstone, _obelisk), jitter=False):
    """Rows of leaning graves, each row one shape so that the lighting filters run once a row."""
    for y0, s, col in rows:
        x = rng.uniform(-20, 20)
        d = ""
        while x < p.w + 20:
            y = y0 + (rng.uniform(-6, 6) * s if jitter else 0)
            if skip and skip(x, y):
                x += rng.uniform(36, 60) * s
                continue
            k = rng.random()
            pts_ = shapes[0](x, y, s) if k < 0.4 else (shapes[1](x, y, s) if k < 0.85 else shapes[-1](x, y, s))
            a = math.radians(rng.uniform(-10, 10))
            ca, sa = math.cos(a), math.sin(a)
            d += poly([(x + (px - x) * ca - (py - y) * sa, y + (px - x) * sa + (py - y) * ca) for px, py in pts_]) + " "
            x += rng.uniform(36, 70) * s
        tex = p.relief(0.25 / s, 2, azimuth=90, scale=1.5) if s >= texture_from else None
        p.shape(d, col, tex, rim, rim_dx=0, rim_dy=0.8 * s, rim_soft=0.4 * s, rim_opacity=0.75)


def final_painting(w, h):
    p = Painter(w, h, 5151)
    rng = p.rng
    vx = 512               # the axis of the nave, under the rose window
    mx, my = 512, 250      # the moon behind the broken west front
    p.sky([(0, "#020308", 1), (0.55, "#0c1630", 1), (1, "#2a3c62", 1)], moon=(mx, my), glow="#c8d4f4", glow_r=560,
          clouds=0.5, cloud_freq="0.004 0.014", stars=220)
    p.moon(mx, my, 70, halo=3)
    d, _ = p.ridge(470, 20, seed=4)
    p.shape(d, "#141e34")
    p.fog(400, 500, "#4a5e88", 0.5)
    stone = "#2c3240"
    rim = "#d8e2ff"
    # The west front: a broken gable with the empty rose window the moon shines through.
    front = ("M360,470 L360,250 L392,236 L404,200 L430,206 L446,170 L470,150 L486,168 L500,140 L522,146 L540,176 "
             "L556,160 L584,196 L604,190 L624,236 L664,250 L664,470 Z")
    p.shape(front, stone, p.relief(0.06, 3, azimuth=90, elevation=40, scale=3, strength=1.3), rim, rim_dx=0, rim_dy=3)
    rose_r = 66
    p.add('<circle cx="%d" cy="%d" r="%d" fill="#000" opacity="0.25"/>' % (mx, my + 8, rose_r + 8))
    cid = p.uid("rose")
    p.define('<clipPath id="%s"><circle cx="%d" cy="%d" r="%d"/></clipPath>' % (cid, mx, my, rose_r))
    inner = p.radial([(0, "#f8f6ec", 1), (0.5, "#c8d0e8", 1), (1, "#4a5a80", 1)], mx, my, rose_r)
    g = '<g clip-path="url(#%s)"><rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (
        cid, mx - rose_r, my - rose_r, 2 * rose_r, 2 * rose_r, inner)
    trac = ""
    for k in range(12):
        a = k * math.pi / 6
        if k in (2, 3):
            continue  # the tracery is broken on that side
        trac += "M%.1f,%.1f L%.1f,%.1f " % (mx + 14 * math.cos(a), my + 14 * math.sin(a), mx + rose_r * math.cos(a),
                                            my + rose_r * math.sin(a))
    g += '<path d="%s" stroke="%s" stroke-width="5" fill="none"/>' % (trac, stone)
    g += '<circle cx="%d" cy="%d" r="14" fill="none" stroke="%s" stroke-width="5"/>' % (mx, my, stone)
    g += '<circle cx="%d" cy="%d" r="44" fill="none" stroke="%s" stroke-width="4" stroke-dasharray="60 20"/>' % (mx, my, stone)
    g += "</g>"
    p.add(g)
    p.add('<circle cx="%d" cy="%d" r="%d" fill="none" stroke="#1a1e28" stroke-width="8"/>' % (mx, my, rose_r + 3))
    p.add('<path d="%s" fill="#05070c"/>' % arch_window(476, 360, 72, 110))
    # Moonbeams through the rose and the door, falling down the nave toward us.
    beams = p.blur(10)
    p.add('<path d="M470,250 L300,768 L720,768 L554,250 Z" fill="%s" opacity="0.5" filter="%s"/>' % (p.linear(
        [(0, "#dfe6ff", 0.55), (1, "#dfe6ff", 0)]), beams))
    p.add('<path d="M496,300 L420,768 L610,768 L528,300 Z" fill="%s" filter="%s"/>' % (p.linear(
        [(0, "#ffffff", 0.35), (1, "#ffffff", 0)]), beams))
    # The nave: arcades of pointed arches receding to the west front, half of them fallen.
    def arcade(side):
        piers = []
        n = 7
        for i in range(n):
            t = (i / (n - 1.0)) ** 1.6
            x = vx + side * (420 - 300 * t)
            base = 768 - (768 - 470) * t
            top = 120 + (258 - 120) * t
            wdt = 70 - 56 * t
            piers.append((x, base, top, wdt))
        shapes = []
        for i, (x, base, top, wdt) in enumerate(piers):
            broken = {0: 0.0, 1: 0.35, 2: 0.0, 3: 0.5, 4: 0.1, 5: 0.0, 6: 0.0}[i] if side < 0 else \
                {0: 0.25, 1: 0.0, 2: 0.55, 3: 0.0, 4: 0.3, 5: 0.0, 6: 0.0}[i]
            t2 = top + (base - top) * broken
            pier = poly([(x - wdt / 2, base), (x - wdt / 2, t2 + rng.uniform(0, 8)), (x - wdt / 4, t2 - 6),
                         (x + wdt / 2, t2 + rng.uniform(0, 10)), (x + wdt / 2, base)])
            shapes.append(pier)
        # Arches between standing neighbours.
        for (xa, ba, ta, wa), (xb, bb, tb, wb) in zip(piers, piers[1:]):
            i = piers.index((xa, ba, ta, wa))
            if (side < 0 and i in (0, 2)) or (side > 0 and i in (1, 3)) or i >= 4:
                spring_a = ta + (ba - ta) * 0.28
                spring_b = tb + (bb - tb) * 0.28
                apex = ((xa + xb) / 2, min(ta, tb) - 8 * (1 - i / 7.0))
                thick = wa * 0.7
                outer = "M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f" % (
                    xa, spring_a, xa, apex[1] + 10, apex[0], apex[1] - thick * 0.4, xb, apex[1] + 10, xb, spring_b)
                inner_ = "L%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Z" % (
                    xb, spring_b + thick, xb - side * 0, apex[1] + 10 + thick, apex[0], apex[1] + thick,
                    xa, apex[1] + 10 + thick, xa, spring_a + thick)
                shapes.append(outer + " " + inner_)
        # The clerestory wall above the arcade, broken to a ragged edge.
        top_edge = []
        for (x, base, top, wdt) in piers:
            top_edge.append((x, top - rng.uniform(0, 40) * (1 if x != piers[0][0] else 0)))
        d = " ".join(shapes)
        p.shape(d, stone, p.relief(0.045, 3, azimuth=90 + side * 40, elevation=40, scale=3, strength=1.3), rim,
                rim_dx=side * 2.5, rim_dy=2.5)
        # Shadow side of each pier: the face turned from the moon.
        for (x, base, top, wdt) in piers:
            p.add('<path d="M%.1f,%.1f V%.1f h%.1f V%.1f Z" fill="#000" opacity="0.5"/>' % (
                x + side * wdt / 2, base, top + (base - top) * 0.3, -side * wdt * 0.45, base))
            # Engaged shafts: the pier's columns, a thin light on each.
            for f in (-0.25, 0.1):
                p.add('<path d="M%.1f,%.1f V%.1f" stroke="#aab8e0" stroke-width="%.1f" opacity="0.25"/>' % (
                    x + f * wdt, base, top + (base - top) * 0.35, max(0.6, wdt * 0.05)))
    arcade(-1)
    arcade(1)
    # Fallen masonry on the nave floor.
    blocks = ""
    for _ in range(26):
        t = rng.random() ** 0.7
        y = 470 + 298 * t
        x = vx + rng.uniform(-1, 1) * (60 + 380 * t)
        s = 4 + 22 * t
        blocks += poly([(x - s, y), (x - s * 0.8, y - s * 0.7), (x + s * 0.6, y - s * 0.8), (x + s, y - s * 0.1)]) + " "
    p.shape(blocks, "#23283a", p.relief(0.1, 2, azimuth=90, scale=2), rim, rim_dx=0, rim_dy=1.5, rim_opacity=0.6)
    p.fog(520, 640, "#6a7ca8", 0.35)
    # The graves, in depth, in the nave and before the ruin.
    grave_rows(p, [(510, 0.8, "#1e2434"), (560, 1.3, "#1a2030"), (625, 2.0, "#151a28"), (705, 3.0, "#10141e"),
                (790, 4.4, "#080a10")], rng, rim, texture_from=1.0, jitter=True)
    # A dead tree at the left edge, framing the ruin.
    import art_places
    art_places._tree(p, 120, 780, 560, "#04050a", random.Random(9), spread=0.5, depth=7, rim=rim, lean=0.15)
    p.vignette(0.7)
    p.grain(0.07)
    # The torn-paper border: parchment outside a ragged edge.
    torn = []
    edge = random.Random(77)
    for i in range(60):
        torn.append((24 + i * 976 / 60.0 + edge.uniform(-5, 5), 22 + edge.uniform(-9, 9)))
    for i in range(45):
        torn.append((1000 + edge.uniform(-9, 9), 22 + i * 724 / 45.0 + edge.uniform(-5, 5)))
    for i in range(60):
        torn.append((1000 - i * 976 / 60.0 + edge.uniform(-5, 5), 746 + edge.uniform(-9, 9)))
    for i in range(45):
        torn.append((24 + edge.uniform(-9, 9), 746 - i * 724 / 45.0 + edge.uniform(-5, 5)))
    frame = "M0,0 H%d V%d H0 Z %s" % (w, h, poly(torn))
    paper = p.relief(0.04, 3, azimuth=225, elevation=50, scale=1.5, strength=1.0, base=0.6)
    p.add('<path d="%s" fill="#000" opacity="0.6" fill-rule="evenodd" filter="%s" transform="translate(2,3)"/>' % (
        frame, p.blur(4)))
    p.add('<path d="%s" fill="#d8c8a0" fill-rule="evenodd" filter="%s"/>' % (frame, paper))
    p.add('<path d="%s" fill="none" stroke="#6a5430" stroke-width="2" opacity="0.8"/>' % poly(torn))
    p.add('<path d="%s" fill="none" stroke="#f0e4c0" stroke-width="1" opacity="0.7" transform="translate(-1.5,-1.5)"/>' % poly(torn))
    _caption(p, w / 2, 118, "You have Conquered", 68, p.linear([(0, "#ff4030", 1), (0.5, "#b0101a", 1), (1, "#500008", 1)]),
             "#ff2010", stroke="#1a0000")
    return p.svg()


def _tall_tower(p, cx, base, scale, rim, lit="#ffc060", ruined=False):
    """The player's tower for the result paintings: tall, round, a turret at its side."""
    tex = p.relief(0.09 / scale, 3, azimuth=225 if not ruined else 135, elevation=35, scale=2.5, strength=1.3)
    w, hgt = 70 * scale, 300 * scale
    if ruined:
        body = poly([(cx - w / 2 - 6 * scale, base), (cx - w / 2, base - hgt * 0.72), (cx - w / 4, base - hgt * 0.78),
                     (cx - w * 0.1, base - hgt * 0.62), (cx + w * 0.12, base - hgt * 0.7), (cx + w / 2, base - hgt * 0.45),
                     (cx + w / 2 + 6 * scale, base)])
        p.shape(body, "#2a2e38", tex, rim, rim_dx=2.5 * scale, rim_dy=2 * scale)
        p.add('<path d="%s" fill="#000" opacity="0.55"/>' % poly(
            [(cx + w * 0.15, base), (cx + w * 0.2, base - hgt * 0.6), (cx + w / 2, base - hgt * 0.45),
             (cx + w / 2 + 6 * scale, base)]))
        for (wx, wy) in ((-0.1, 0.5), (0.05, 0.3)):
            p.add('<path d="%s" fill="#05070c"/>' % arch_window(cx + wx * w - 6 * scale, base - wy * hgt - 24 * scale,
                                                                 12 * scale, 24 * scale))
        return
    brick_tower(p, cx, base, w, hgt, "#4a5064", tex, rim, cap="crown",
                windows=[(0, 0.75, 12 * scale, 22 * scale), (0, 0.5, 12 * scale, 22 * scale), (0.2, 0.25, 10 * scale,
                                                                                               18 * scale)], lit=lit)
    brick_tower(p, cx + w * 0.62, base - hgt * 0.3, w * 0.42, hgt * 0.42, "#444a5c",
                p.relief(0.12 / scale, 3, azimuth=225, scale=2), rim, cap="cone", cap_fill="#3a1418",
                windows=[(0, 0.5, 7 * scale, 12 * scale)], lit=lit)
    top = base - hgt - hgt * 0.13
    p.add('<path d="M%.1f,%.1f V%.1f" stroke="#1a1416" stroke-width="%.1f"/>' % (cx, top, top - 60 * scale, 3 * scale))
    flag = "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" % (
        cx, top - 60 * scale, cx + 20 * scale, top - 66 * scale, cx + 30 * scale, top - 54 * scale, cx + 52 * scale,
        top - 58 * scale, cx + 46 * scale, top - 44 * scale, cx + 30 * scale, top - 40 * scale, cx + 20 * scale,
        top - 50 * scale, cx, top - 42 * scale)
    p.shape(flag, "#8a1018", None, "#ffd0c0", rim_dx=1.5 * scale, rim_dy=1.5 * scale)


def victory_painting(w, h):
    p = Painter(w, h, 4141)
    rng = p.rng
    mx, my = 760, 230
    p.sky([(0, "#02040c", 1), (0.5, "#0c1a3c", 1), (1, "#2c4a7a", 1)], moon=(mx, my), glow="#c8d8ff", glow_r=600,
          clouds=0.45, cloud_freq="0.004 0.016", stars=260)
    p.moon(mx, my, 58, halo=3.2)
    for i, (y, amp, col) in enumerate([(520, 40, "#1c2c4e"), (590, 36, "#142038"), (660, 30, "#0c1628")]):
        d, _ = p.ridge(y, amp, seed=60 + i)
        p.shape(d, col, p.relief(0.02, 3, azimuth=225, scale=3), "#c8d8ff", rim_dx=2, rim_dy=2, rim_opacity=0.35)
        p.fog(y - 60, y + 10, "#5a74a8", 0.3)
    # The hill of the tower, and a river catching the moon below it.
    p.add('<path d="M0,720 C200,700 420,690 560,700 C700,710 860,712 1024,720 V768 H0 Z" fill="%s"/>' % p.linear(
        [(0, "#8aa0d0", 0.8), (1, "#1a2640", 1)]))
    hill = "M600,768 C640,680 740,600 860,590 C960,584 1010,620 1030,640 V768 Z"
    p.shape(hill, "#0c1420", p.relief(0.03, 3, azimuth=225, scale=4), "#c8d8ff", rim_dx=3, rim_dy=3)
    _tall_tower(p, 860, 600, 1.0, "#dce6ff")
    # Torches along the path up the hill: the tower's own fire.
    for k, (tx, ty) in enumerate([(690, 720), (730, 680), (780, 650), (820, 620)]):
        p.add('<path d="M%d,%d v-14" stroke="#0a0608" stroke-width="2"/>' % (tx, ty))
        p.add('<circle cx="%d" cy="%d" r="3" fill="#ffb040" filter="%s"/>' % (tx, ty - 16, p.bloom(3)))
    # The enemy's tower, fallen and smoking far off at the left.
    p.add('<path d="M120,530 V470 l10,-10 l6,16 l6,-22 l8,16 V530 Z" fill="#1a2034"/>')
    p.add('<path d="M140,460 C120,420 160,380 130,330 C170,370 150,420 160,460 Z" fill="#3a4460" opacity="0.5" filter="%s"/>'
          % p.blur(6))
    _grass(p, 730, 770, "#03060a", 160, rng, 18)
    p.vignette(0.55)
    p.grain(0.06)
    _caption(p, w / 2, 110, "You are victorious.", 64, p.linear([(0, "#fff4c0", 1), (0.45, "#e8b840", 1),
                                                                 (1, "#8a5a10", 1)]), "#ffd070")
    return p.svg()


def _grass(p, y0, y1, fill, n, rng, hmax):
    import art_places
    art_places._grass(p, y0, y1, fill, n, rng, hmax)


def _broken(a, b, rng, depth, spread):
    """A broken line from a to b by midpoint displacement: a rock's edge or a crack."""
    pts_ = [a, b]
    for _ in range(depth):
        nxt = [pts_[0]]
        for (x0, y0), (x1, y1) in zip(pts_, pts_[1:]):
            ln = math.hypot(x1 - x0, y1 - y0)
            nx, ny = -(y1 - y0) / (ln or 1), (x1 - x0) / (ln or 1)
            k = rng.uniform(-spread, spread) * ln
            nxt.append(((x0 + x1) / 2 + nx * k, (y0 + y1) / 2 + ny * k))
            nxt.append((x1, y1))
        pts_ = nxt
    return pts_


def _swells(p, rng, horizon, w, lx):
    """The storm sea in rows of single waves, small and crowded at the horizon, tall and broken
    toward us: each wave a dark face under a crest that catches the flash, foam torn along the
    crests nearest the light."""
    rows = 12
    for k in range(rows):
        t = (k + 1) / float(rows)
        y0 = horizon + 4 + 250 * t ** 1.7
        ht, wd = 3 + 34 * t ** 1.3, 50 + 300 * t
        d, crests = "", ""
        x = -wd * rng.uniform(0.2, 0.8)
        while x < w + wd:
            ww = wd * rng.uniform(0.6, 1.5)
            hh = ht * rng.uniform(0.3, 1.6)
            yb = y0 + rng.uniform(-0.3, 0.3) * ht
            cx = x + ww * rng.uniform(0.45, 0.7)       # the crest leans: a long back, a steep face
            top = (cx, yb - hh)
            back = "M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (
                x, yb, x + ww * 0.3, yb - hh * 0.15, cx - ww * 0.22, top[1] - hh * 0.05, top[0], top[1])
            face = "C%.1f,%.1f %.1f,%.1f %.1f,%.1f " % (
                cx + ww * 0.08, top[1] + hh * 0.2, x + ww * 0.85, yb - hh * 0.2, x + ww, yb)
            d += back + face + "L%.1f,%.1f L%.1f,%.1f Z " % (x + ww, yb + ht * 1.6, x, yb + ht * 1.6)
            crests += back.replace("M", "M", 1) + " "
            x += ww * rng.uniform(0.55, 0.85)
        body = p.linear([(0, "#2c3444", 1), (0.35, "#111722", 1), (1, "#070a10", 1)],
                        user=(0, y0 - ht * 1.3, 0, y0 + ht * 1.6))
        # The crests shine only where the flash reaches them; far from it they stay dark.
        shine = p.radial([(0, "#dfe8ff", 1), (0.35, "#aab8dc", 0.6), (1, "#8090b8", 0.08)], lx, y0, 700)
        p.shape(d, body, None, shine, rim_dx=0, rim_dy=1.2 + 2.5 * t, rim_soft=0.6 + 1.2 * t,
                rim_opacity=0.45 + 0.4 * t)
        # Long streaks of foam blown across the backs of the swells.
        p.add('<rect y="%.1f" width="%d" height="%.1f" fill="%s" opacity="%.2f" filter="%s"/>' % (
            y0 - ht, w, ht * 2.2, "#c8d2ea", 0.15 + 0.25 * t, p.noise_mask("%.3f %.3f" % (0.006, 0.09 / (0.3 + t)), 3, 3.0, -1.1)))
        # Foam along the crests, thickest under the flash.
        near = p.radial([(0, "#eef2ff", 0.95), (0.5, "#c8d0e4", 0.5), (1, "#c8d0e4", 0.12)], lx, y0, 520)
        p.add('<path d="%s" fill="none" stroke="%s" stroke-width="%.1f" stroke-linecap="round" filter="%s"/>' % (
            crests, near, 0.8 + 3.2 * t, p.noise_mask("%.3f %.3f" % (0.05 / (0.4 + t), 0.08 / (0.4 + t)), 3, 2.6, -0.55)))
        if t > 0.3:
            # Spray torn off the tallest crests.
            p.add('<path d="%s" fill="none" stroke="#dfe6f8" stroke-width="%.1f" opacity="0.18" filter="%s"/>' % (
                crests, 4 + 8 * t, p.blur(2 + 3 * t)))


def defeat_painting(w, h):
    p = Painter(w, h, 4343)
    rng = p.rng
    lx, ly = 860, 150     # the lightning's flash lights the scene from above the ruin
    p.sky([(0, "#05060a", 1), (0.5, "#1a1e2a", 1), (1, "#3a4050", 1)], moon=(lx, ly), glow="#c0c8e8", glow_r=520,
          clouds=0.9, cloud_col=("#a8b0c8", "#14161e"), cloud_freq="0.005 0.012", stars=0)
    p.add('<rect width="%d" height="%d" fill="#0a0c12" opacity="0.6" filter="%s"/>' % (
        w, 560, p.noise_mask("0.008 0.02", 4, 2.0, -0.7)))
    bolt = [(lx - 40, 0)]
    x, y = lx - 40, 0
    while y < 300:
        x += rng.uniform(-26, 24) + (866 - x) * 0.15
        y += rng.uniform(24, 50)
        bolt.append((x, y))
    bolt.append((858, 330))
    path = "M" + " L".join("%.1f,%.1f" % q for q in bolt)
    p.add('<path d="%s" stroke="#dfe6ff" stroke-width="7" fill="none" filter="%s"/>' % (path, p.bloom(8)))
    p.add('<path d="%s" stroke="#ffffff" stroke-width="2.5" fill="none"/>' % path)
    # The sea: dark swells with foam, the flash on the water.
    horizon = 520
    p.add('<rect y="%d" width="%d" height="%d" fill="%s"/>' % (horizon, w, h - horizon, p.linear(
        [(0, "#2a3240", 1), (0.4, "#141a24", 1), (1, "#05070a", 1)])))
    p.add('<rect y="%d" width="%d" height="%d" fill="%s" filter="%s"/>' % (
        horizon, w, h - horizon, p.radial([(0, "#c8d0e8", 0.9), (1, "#c8d0e8", 0)], lx, horizon + 40, 400),
        p.noise_mask("0.02 0.12", 3, 2.4, -0.9)))
    _swells(p, random.Random(4747), horizon, w, lx)
    p.add('<rect y="%d" width="%d" height="%d" fill="%s" filter="%s"/>' % (
        horizon, w, h - horizon, p.radial([(0, "#c8d0e8", 0.7), (1, "#c8d0e8", 0)], lx, horizon + 60, 380),
        p.noise_mask("0.02 0.12", 3, 2.4, -1.0)))
    # The sea rock and the ruined tower on it; surf breaking against the rock.
    # The sea rock: a broken crag in facets, its tops lit by the flash, its wet foot black.
    rrng = random.Random(5151)
    corners = [(700, 780), (720, 640), (760, 560), (820, 540), (900, 536), (960, 556), (1000, 600), (1030, 640), (1030, 780)]
    edge = [corners[0]]
    for a_, b_ in zip(corners, corners[1:]):
        if a_[1] > 700 and b_[1] > 700:
            edge.append(b_)
            continue
        flat = 820 <= a_[0] < 900          # the tower stands on this ledge
        edge += _broken(a_, b_, rrng, 3, 0.03 if flat else 0.12)[1:]
    rock = poly(edge)
    rid = p.uid("rock")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (rid, rock))
    p.shape(rock, "#1a1c24", None, None)
    facets = ""
    xs = [700, 742, 790, 836, 884, 930, 978, 1030]
    for i, (xa, xb) in enumerate(zip(xs, xs[1:])):
        # Each facet between two cracks: lit on the face that turns toward the flash above the ruin.
        lean = 40 if i % 2 else -25
        crack_a = _broken((xa, 520), (xa + lean + rrng.uniform(-20, 20), 780), rrng, 3, 0.1)
        crack_b = _broken((xb, 520), (xb + lean + rrng.uniform(-20, 20), 780), rrng, 3, 0.1)
        toward = 1 - min(1.0, abs((xa + xb) / 2 - lx) / 180.0)
        top = "#%02x%02x%02x" % tuple(int(c + (d_ - c) * toward) for c, d_ in ((0x3a, 0x7a), (0x3e, 0x80), (0x4c, 0x98)))
        g = p.linear([(0, top, 1), (0.35, "#262a34", 1), (1, "#07080c", 1)], user=(0, 530, 0, 768))
        facets += '<path d="%s" fill="%s"/>' % (poly(crack_a + crack_b[::-1]), g)
        facets += '<path d="M%s" fill="none" stroke="#05060a" stroke-width="%.1f" opacity="0.55"/>' % (
            " L".join("%.1f,%.1f" % q for q in crack_a), rrng.uniform(0.8, 1.6))
    # Strata: broken bands across the crag, each lit on its upper lip.
    for k in range(7):
        y = 570 + k * 24 + rrng.uniform(-6, 6)
        band = _broken((690, y), (1040, y + rrng.uniform(-14, 14)), rrng, 4, 0.05)
        line = "M" + " L".join("%.1f,%.1f" % q for q in band)
        facets += '<path d="%s" fill="none" stroke="#05060a" stroke-width="3" opacity="0.45" filter="%s"/>' % (line, p.blur(1.2))
        facets += '<path d="%s" fill="none" stroke="#9aa6c8" stroke-width="1" opacity="0.25" transform="translate(0,-2)"/>' % line
    p.add('<g clip-path="url(#%s)"><g filter="%s">%s</g></g>' % (
        rid, p.relief(0.035, 4, azimuth=270, elevation=30, scale=7, strength=1.5, base=0.45), facets))
    # The wet foot of the rock, darker where the surf washes it.
    p.add('<rect x="690" y="640" width="350" height="130" fill="%s" clip-path="url(#%s)"/>' % (
        p.linear([(0, "#000", 0), (1, "#000", 0.7)]), rid))
    p.shape(rock, "none", None, "#d8e0ff", rim_dx=0, rim_dy=3, rim_soft=1.0, rim_opacity=0.8)
    _tall_tower(p, 870, 546, 0.95, "#d8e0ff", ruined=True)
    surf = p.noise_mask("0.03 0.05", 3, 2.6, -0.9)
    p.add('<g filter="%s"><path d="M660,720 C700,650 760,690 780,630 C800,680 840,620 870,670 C890,630 940,680 970,640 '
          'C1000,690 1030,660 1030,690 V768 H660 Z" fill="%s" filter="%s"/></g>' % (
              p.blur(3.5), p.linear([(0, "#f0f4ff", 0.8), (0.45, "#c8d0e0", 0.25), (1, "#c8d0e0", 0)]), surf))
    # Spray thrown up where the swells break on the crag: soft, so the surf has no hard top.
    p.add('<path d="M680,700 C720,600 780,650 800,590 C830,640 860,600 890,640 C920,590 960,640 990,600 C1020,650 1040,630 '
          '1040,660 V768 H680 Z" fill="#dfe6f8" opacity="0.28" filter="%s"/>' % p.blur(14))
    # Rain in sheets.
    rain = ""
    for _ in range(500):
        x, y = rng.uniform(-40, w), rng.uniform(0, h)
        rain += "M%.1f,%.1f l-7,22 " % (x, y)
    p.add('<path d="%s" stroke="#b8c0d8" stroke-width="0.8" opacity="0.3"/>' % rain)
    p.vignette(0.6)
    p.grain(0.06)
    _caption(p, w / 2, 110, "You are defeated.", 64, p.linear([(0, "#f0f2f8", 1), (0.5, "#a8b0c0", 1), (1, "#4a5060", 1)]),
             "#a0b0ff", stroke="#0a0c12")
    return p.svg()
