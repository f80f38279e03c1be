"""art_badges.py -- the thirty achievement badges: a tile of engraved night stone in a gilt rim,
with a symbol that says what was achieved (a laurel for a victory, an hourglass for patience, a
sword on a thread for a win by a thread, ...). Slot k of the result screen shows badge k.
"""
import math

from art_night import Painter

BLUE, RED, GOLD, WHITE, GREEN = "#4a8aff", "#e03a2a", "#f0c040", "#e8ecf4", "#40d060"


def _flame(cx, base, w, h, inner="#fff0a0", mid="#ffa020", outer="#d02a08"):
    out = ""
    for k, col in enumerate((outer, mid, inner)):
        s = 1 - k * 0.3
        ww, hh = w * s, h * s
        out += ('<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f '
                'C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" fill="%s"/>' % (
                    cx - ww / 2, base, cx - ww * 0.7, base - hh * 0.5, cx - ww * 0.1, base - hh * 0.6, cx - ww * 0.05,
                    base - hh, cx + ww * 0.35, base - hh * 0.55, cx + ww * 0.25, base - hh * 0.45, cx + ww * 0.3,
                    base - hh * 0.7, cx + ww * 0.75, base - hh * 0.4, cx + ww * 0.6, base, cx + ww / 2, base, col))
    return out


def _tower(x, base, w, h, fill="#5a6070", roof="#3a1a20"):
    return ('<path d="M%.1f,%.1f V%.1f h%.1f V%.1f Z" fill="%s" stroke="#10121a" stroke-width="0.8"/>'
            '<path d="M%.1f,%.1f h%.1f v-3 h-2 v1.5 h-2 v-1.5 h-2 v1.5 h-2 v-1.5 h-2 Z" fill="%s"/>'
            '<path d="M%.1f,%.1f V%.1f" stroke="#000" stroke-width="0.8" opacity="0.5"/>'
            '<rect x="%.1f" y="%.1f" width="2" height="3.5" fill="#ffc060"/>' % (
                x - w / 2, base, base - h, w, base, fill, x - w / 2 - 1, base - h, w + 2, fill, x + w * 0.2, base,
                base - h, x - 1, base - h * 0.6)) + ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="%s"/>' % (
                    x - w / 2 - 1, base - h - 3, x, base - h - 3 - w * 0.9, x + w / 2 + 1, base - h - 3, roof) if roof else "")


def _shield(cx, cy, s, fill, stroke="#1a1a22"):
    return ('<path d="M%.1f,%.1f L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" fill="%s" '
            'stroke="%s" stroke-width="1"/>' % (cx - 10 * s, cy - 12 * s, cx + 10 * s, cy - 12 * s, cx + 10 * s, cy + 2 * s,
                                                 cx + 6 * s, cy + 9 * s, cx, cy + 13 * s, cx - 6 * s, cy + 9 * s, cx - 10 * s,
                                                 cy + 2 * s, cx - 10 * s, cy - 12 * s, fill, stroke))


# Card faces of the four runs at badge size: face colours (light, dark), inner line, emblem colour.
RUN_CARDS = {
    "night": ("#3a62d0", "#0c1a52", "#a8c8ff", "#dce8ff"),
    "ember": ("#d8382a", "#4a0806", "#ffb8a0", "#ffd060"),
    "amber": ("#f4c24a", "#8a5208", "#fff4c8", "#6a3a04"),
    "silver": ("#f0f3f8", "#7c8494", "#ffffff", "#2a3a60"),
}


def _emblem(run, s, col):
    """The run's mark on a card face, centred on 0,0: crescent, flame, sun or star."""
    if run == "night":
        return ('<path d="M%.2f,%.2f A%.2f,%.2f 0 1 0 %.2f,%.2f A%.2f,%.2f 0 1 1 %.2f,%.2f Z" fill="%s"/>' % (
            s * 0.35, -s * 0.9, s, s, s * 0.35, s * 0.9, s * 0.8, s * 0.8, s * 0.35, -s * 0.9, col))
    if run == "ember":
        return ('<path d="M0,%.2f C%.2f,%.2f %.2f,%.2f %.2f,%.2f C%.2f,%.2f %.2f,%.2f 0,%.2f C%.2f,%.2f %.2f,%.2f 0,%.2f Z" '
                'fill="%s"/>' % (s, -s * 0.9, s, -s * 0.8, 0, -s * 0.1, -s * 0.4, s * 0.1, -s * 0.9, s * 0.3, -s * 0.7,
                                 -s * 1.2, s, -s * 0.2, s * 0.9, s * 0.9, s, col))
    if run == "amber":
        rays = "".join('<path d="M%.2f,%.2f L%.2f,%.2f" stroke="%s" stroke-width="%.2f" stroke-linecap="round"/>' % (
            s * 0.62 * math.cos(a), s * 0.62 * math.sin(a), s * math.cos(a), s * math.sin(a), col, s * 0.22)
            for a in [i * math.pi / 4 for i in range(8)])
        return rays + '<circle r="%.2f" fill="%s"/>' % (s * 0.45, col)
    pts = []
    for i in range(8):
        r = s if i % 2 == 0 else s * 0.3
        a = i * math.pi / 4 - math.pi / 2
        pts.append("%.2f,%.2f" % (r * math.cos(a), r * math.sin(a)))
    return '<path d="M%s Z" fill="%s"/>' % (" L".join(pts), col)


def _card(p, run, cx, cy, w, h, rot=0.0, emblem=True):
    """One card of a run, lying at cx, cy turned by rot degrees: a dark edge, the face lit from the
    upper left, a thin inner line and the run's mark."""
    light, dark, line, mark = RUN_CARDS[run]
    face = p.linear([(0, light, 1), (1, dark, 1)], 0, 0, 1, 1)
    s = '<g transform="translate(%.2f %.2f) rotate(%.1f)">' % (cx, cy, rot)
    s += '<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" rx="1.6" fill="%s" stroke="#0a0608" stroke-width="0.9"/>' % (
        -w / 2, -h / 2, w, h, face)
    s += '<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" rx="1" fill="none" stroke="%s" stroke-width="0.6" ' \
         'opacity="0.8"/>' % (-w / 2 + 1.6, -h / 2 + 1.6, w - 3.2, h - 3.2, line)
    if emblem:
        s += _emblem(run, min(w, h) * 0.3, mark)
    return s + '</g>'


def _hand_fan(p):
    """Five night cards fanned in a hand: the heel of the palm under the fan, the thumb across it."""
    s = ""
    for i in range(5):
        a = -34 + i * 17
        r = math.radians(a)
        s += _card(p, "night", 50 + 19 * math.sin(r), 44 - 19 * math.cos(r), 16, 24, a)
    skin = p.linear([(0, "#e8c4a4", 1), (1, "#7a5040", 1)], 0, 0, 1, 1)
    # fingers curling round the fan's left edge, the sleeve, the palm, the thumb pressing the front card
    for fx, fy in ((37.5, 32.5), (36.8, 36), (37, 39.5), (38.5, 42.8)):
        s += '<ellipse cx="%.1f" cy="%.1f" rx="3.6" ry="1.9" fill="%s" stroke="#2a1810" stroke-width="0.7" ' \
             'transform="rotate(-12 %.1f %.1f)"/>' % (fx, fy, skin, fx, fy)
    s += '<path d="M40,50 L42,44 H59 L61,50 Z" fill="#1a2a5a" stroke="#05070e" stroke-width="0.8"/>'
    s += '<path d="M41,44 C40,39 42,35 47,34 L55,33.5 C59,34.5 60,39 59,44 Z" fill="%s" stroke="#2a1810" ' \
         'stroke-width="0.8"/>' % skin
    s += '<path d="M48,39 C49,35 52,31.5 55.5,30 C57.5,29.2 59.2,30.4 58.2,32.2 C56.5,34.5 55.5,37 55.5,40 Z" fill="%s" ' \
         'stroke="#2a1810" stroke-width="0.8"/>' % skin
    s += '<path d="M55,30.6 C56.5,29.8 57.8,30 58,31" stroke="#fbe4d0" stroke-width="0.7" fill="none"/>'
    s += '<path d="M41.5,44 H58.5" stroke="#c8a040" stroke-width="1.2"/>'
    return s


def _table_row(p):
    """Five ember cards dealt face up in a row on a table, lit by a candle at its end."""
    s = '<path d="M0,38 H100 V50 H0 Z" fill="%s"/>' % p.linear([(0, "#5a3418", 1), (1, "#1a0c06", 1)])
    s += '<path d="M0,38 H100" stroke="#c07040" stroke-width="0.8" opacity="0.7"/>'
    s += '<path d="M0,43 H100 M0,47 H100" stroke="#120804" stroke-width="0.5" opacity="0.6"/>'
    s += '<ellipse cx="82" cy="38" rx="22" ry="6" fill="%s"/>' % p.radial(
        [(0, "#ffb040", 0.45), (1, "#ffb040", 0)], 82, 38, 22)
    tilt = [-5, 3, -2, 4, -3]
    for i in range(5):
        s += _card(p, "ember", 19 + i * 12.5, 27 + (i % 2) * 1.5, 14, 21, tilt[i])
    s += '<path d="M85,39 V28 H91 V39 Z" fill="#e8dcc0" stroke="#6a5a3a" stroke-width="0.6"/>'
    s += '<path d="M84,39 h8" stroke="#3a2410" stroke-width="1.4"/><path d="M88,28 v-1.5" stroke="#000" stroke-width="0.6"/>'
    s += '<g filter="%s">%s</g>' % (p.bloom(1.2), _flame(88, 26.5, 4, 9))
    return s


def _cascade(p):
    """Five amber cards spread in a climbing cascade, a stack of gold coins at its foot."""
    s = ""
    for i in range(5):
        s += _card(p, "amber", 27 + i * 9.5, 32 - i * 3.8, 15, 22, -14 + i * 2)
    for j in range(4):
        y = 44 - j * 2.4
        s += '<ellipse cx="82" cy="%.1f" rx="7" ry="2.4" fill="#c8982e" stroke="#4a2c06" stroke-width="0.6"/>' % y
    s += '<ellipse cx="82" cy="%.1f" rx="5" ry="1.4" fill="none" stroke="#fff0b0" stroke-width="0.6"/>' % (44 - 3 * 2.4)
    s += '<ellipse cx="73" cy="46" rx="5" ry="1.8" fill="#b0801e" stroke="#4a2c06" stroke-width="0.6"/>'
    return s


def _rosette(p):
    """Five silver cards laid in a star round a moonstone, the way the silver hand is shown."""
    s = ""
    for i in range(5):
        a = i * 72
        r = math.radians(a)
        s += _card(p, "silver", 50 + 11 * math.sin(r), 25 - 11 * math.cos(r), 12, 18, a)
    s += '<circle cx="50" cy="25" r="5" fill="%s" stroke="#2a3040" stroke-width="0.8" filter="%s"/>' % (
        p.radial([(0, "#ffffff", 1), (0.6, "#c8d4ec", 1), (1, "#5a6a8a", 1)], 48.5, 23.5, 6), p.bloom(1.5))
    return s


def _hourglass(cx, s, full_bottom):
    """An hourglass in its frame; full_bottom when the sand has all run through."""
    glass = ("M{a},10 L{b},10 C{b},18 {c},22 {c},25 C{c},28 {b},32 {b},40 L{a},40 C{a},32 {d},28 {d},25 "
             "C{d},22 {a},18 {a},10 Z").format(a=cx - 8, b=cx + 8, c=cx + 1.5, d=cx - 1.5)
    out = '<path d="M%.1f,9 h18 M%.1f,41 h18" stroke="#8a5a20" stroke-width="3" stroke-linecap="round"/>' % (cx - 9, cx - 9)
    out += '<path d="%s" fill="#a8c0e0" fill-opacity="0.25" stroke="#dce6f4" stroke-width="1"/>' % glass
    if not full_bottom:
        out += '<path d="M%.1f,15 L%.1f,15 L%.1f,23 Z" fill="#e8c070"/>' % (cx - 6, cx + 6, cx)
        out += '<path d="M%.1f,25 V40" stroke="#e8c070" stroke-width="0.8"/>' % cx
    top = 40 - (12 if full_bottom else 5)
    out += '<path d="M%.1f,40 L%.1f,40 L%.1f,%.1f L%.1f,%.1f Z" fill="#e8c070"/>' % (cx - 7.5, cx + 7.5, cx + 3, top, cx - 3, top)
    return out


def _laurel(cx, cy, r):
    """Two branches of laurel curving up round (cx, cy)."""
    s = ""
    for side in (-1, 1):
        for k in range(7):
            ang = math.pi * (0.95 - 0.75 * k / 6.0)
            x = cx + side * r * math.sin(ang) * 1.2
            y = cy + r * math.cos(ang) * 0.95
            rot = -side * math.degrees(ang) + side * 90 + side * 30
            s += ('<ellipse cx="%.1f" cy="%.1f" rx="4.2" ry="1.8" fill="#7ac050" stroke="#2a4a10" stroke-width="0.5" '
                  'transform="rotate(%.1f %.1f %.1f)"/>' % (x, y, rot, x, y))
    return s


def _sword(x, y0, y1, blade="#e8eef8"):
    return ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="%s" stroke="#4a5262" stroke-width="0.5"/>'
            '<path d="M%.1f,%.1f h10" stroke="#c89a30" stroke-width="2.2" stroke-linecap="round"/>'
            '<path d="M%.1f,%.1f v5" stroke="#5a3a1a" stroke-width="2"/><circle cx="%.1f" cy="%.1f" r="1.6" fill="#c89a30"/>' % (
                x - 1.6, y1, x, y0, x + 1.6, y1, x, y1 + 1, blade, x - 5, y1, x, y1 + 1, x, y1 + 7))


def _titan_fist(p):
    """A titan's iron fist driving down on a tower: four curled fingers, the thumb across them, the
    bracer rising out of the tile; the tower's top bursts in embers where it strikes."""
    s = '<circle cx="52" cy="36" r="13" fill="%s"/>' % p.radial(
        [(0, "#ffd080", 0.9), (0.35, "#ff7020", 0.5), (1, "#e0481a", 0)], 52, 36, 13)
    # the tower, its broken top and the stones flying off
    s += '<path d="M45,48 V37 L47,35.5 L48.5,37.5 L51,34.5 L53,37 L55,35 L59,37.5 V48 Z" fill="#4b5262" stroke="#10121a" ' \
         'stroke-width="0.8"/><path d="M50,39 l1.5,3 l-1,3 M56,38.5 l-1,3" stroke="#10121a" stroke-width="0.6" fill="none"/>' \
         '<rect x="51" y="42" width="2" height="3" fill="#ffc060"/>'
    for x, y, r in ((38, 33, 1.6), (35, 38, 1.2), (66, 32, 1.5), (69, 37, 1.1), (41, 28, 1.0), (63, 27, 1.1)):
        s += '<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#5a6272" stroke="#10121a" stroke-width="0.4" ' \
             'transform="rotate(25 %.1f %.1f)"/>' % (x - r, y - r, 2 * r, 2 * r, x, y)
    s += '<g filter="%s">' % p.bloom(1)
    for a in (-150, -125, -55, -30):
        r = math.radians(a)
        s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#ffd070" stroke-width="1" stroke-linecap="round"/>' % (
            52 + 9 * math.cos(r), 35 + 9 * math.sin(r), 52 + 15 * math.cos(r), 35 + 13 * math.sin(r))
    s += '</g>'
    iron = p.linear([(0, "#c8ccd8", 1), (0.5, "#6a7080", 1), (1, "#2a2e38", 1)], 0, 0, 1, 1)
    ink = 'stroke="#0a0c12" stroke-width="0.9"'
    f = '<g transform="translate(52 20) rotate(-18) scale(1.1) translate(-52 -20)">'
    # bracer and back of the hand
    f += '<path d="M42,-4 H62 L61,10 H43 Z" fill="%s" %s/>' % (iron, ink)
    f += '<path d="M42.5,2 H61.5 M43,6.5 H61" stroke="#0a0c12" stroke-width="0.7"/>'
    f += '<path d="M39,10 H65 C67,10 67.5,13 67,16 L66,22 H38 L37,16 C36.5,13 37,10 39,10 Z" fill="%s" %s/>' % (iron, ink)
    # four curled fingers, knuckles down, each its own rounded plate with a dark gap between
    for i in range(4):
        x = 38.5 + i * 7
        f += '<path d="M%.1f,20 H%.1f V26 C%.1f,31 %.1f,31 %.1f,26 Z" fill="%s" %s/>' % (
            x + 0.3, x + 6.7, x + 6.7, x + 0.3, x + 0.3, iron, ink)
        f += '<path d="M%.1f,24.5 H%.1f" stroke="#0a0c12" stroke-width="0.6"/>' % (x + 1, x + 6)
        f += '<path d="M%.1f,21 V27" stroke="#eef2ff" stroke-width="0.7" opacity="0.85"/>' % (x + 1.3)
    # the thumb folded across the fingers
    thumb = p.linear([(0, "#a8aebc", 1), (1, "#3a3e4a", 1)], 0, 0, 0, 1)
    f += '<path d="M36.5,14 C36,20 40,21.5 46,21 L57,20.5 C60,20.3 60,16.8 57,16.5 L46,16 C42,15.5 40,13 36.5,14 Z" ' \
         'fill="%s" %s/>' % (thumb, ink)
    f += '<path d="M44,17.2 H56" stroke="#eef2ff" stroke-width="0.6" opacity="0.8"/>'
    f += '<path d="M55,17.2 C57.5,17.2 58.5,18 58.4,19.6" stroke="#0a0c12" stroke-width="0.6" fill="none"/>'
    # moonlight along the upper left, firelight along the knuckles
    f += '<path d="M42.6,-4 L42,9.5 M39,10.2 H64" stroke="#cfdcff" stroke-width="0.8" opacity="0.9"/>'
    f += '<path d="M39,29 C45,31 60,31 66,28" stroke="#ffb040" stroke-width="0.9" fill="none" opacity="0.8"/>'
    f += '</g>'
    return s + f


def _empty_purse(p):
    """A leather purse slumped empty: the drawstring loose, the frilled mouth gaping on nothing, the
    stitched coin on its side to say what it held; a moth flutters up out of it."""
    leather = p.linear([(0, "#c08a54", 1), (0.55, "#6a4224", 1), (1, "#2a180a", 1)], 0, 0, 0.7, 1)
    ink = 'stroke="#1a0e06" stroke-width="0.9"'
    s = '<ellipse cx="46" cy="44.5" rx="22" ry="2.6" fill="#000" opacity="0.5"/>'
    # the pouch, sagging wide at the bottom for want of coin
    s += '<path d="M40,21 C36,25 35,27 30,31 C23,36 22,43 28,44 C38,45.5 56,45.5 65,44 C71,43 70,36 63,31 C58,27 ' \
         '57,25 53,21 Z" fill="%s" %s/>' % (leather, ink)
    s += '<path d="M33,33 C31,37 31,40 33,43 M60,33 C62,37 62,40 60,43 M46,23 C44,27 45,30 47,32" stroke="#2a180a" ' \
         'stroke-width="0.7" fill="none" opacity="0.8"/>'
    # the stitched coin
    s += '<circle cx="46.5" cy="36" r="4.2" fill="none" stroke="#e8c060" stroke-width="1.1"/>' \
         '<path d="M46.5,33.6 V38.4 M44.9,35 H48.1" stroke="#e8c060" stroke-width="0.8"/>'
    # the frilled mouth opened out, dark and empty inside
    s += '<path d="M40,21 C35,16 34,11 38,11 C40,8 44,9 46,10.5 C48,8.5 53,8.5 55,11 C59,11 59,16 53,21 Z" fill="%s" %s/>' % (
        leather, ink)
    s += '<ellipse cx="46.5" cy="12.5" rx="7" ry="2.2" fill="#0a0504"/>'
    s += '<path d="M38,11 C40,8 44,9 46,10.5 C48,8.5 53,8.5 55,11" stroke="#e0a868" stroke-width="0.7" fill="none"/>'
    # the drawstring round the neck, untied, its tasselled ends hanging
    s += '<path d="M39,20.5 C44,22.5 50,22.5 54.5,20.5" stroke="#e8c060" stroke-width="1.6" fill="none"/>'
    s += '<path d="M54,21 C59,23 61,28 62,33 M54,21 C57,25 57,31 55.5,35" stroke="#e8c060" stroke-width="0.9" fill="none"/>'
    s += '<path d="M61,33 l1,4 l1.6,-4 Z M54.6,35 l0.8,4 l1.8,-3.6 Z" fill="#e8c060" stroke="#5a3a08" stroke-width="0.4"/>'
    # moonlight along the pouch's upper left
    s += '<path d="M38.5,23 C35,27 31,29 27,34" stroke="#cfdcff" stroke-width="0.8" fill="none" opacity="0.75"/>'
    # the moth, risen out of the empty purse
    s += '<path d="M50,9 C54,5 58,4 62,6" stroke="#b8b0a0" stroke-width="0.5" stroke-dasharray="1 1.2" fill="none"/>'
    s += '<g transform="translate(69 9) rotate(18)"><path d="M0,0 L-9,-6 C-11,-3 -10,1 -7,2 L-5,5 C-3,5 -1,3 0,1 Z ' \
         'M0,0 L9,-6 C11,-3 10,1 7,2 L5,5 C3,5 1,3 0,1 Z" fill="#8a7c66" stroke="#d8ccb4" stroke-width="0.6"/>' \
         '<path d="M-7,-3 L-3,0 M7,-3 L3,0" stroke="#3a3020" stroke-width="0.8"/>' \
         '<path d="M0,-2 V4" stroke="#1a140c" stroke-width="1.4" stroke-linecap="round"/>' \
         '<path d="M0,-2 l-2,-3 M0,-2 l2,-3" stroke="#1a140c" stroke-width="0.5"/></g>'
    return s


def _symbol(p, k):
    g = p.bloom(1.5)
    if k == 0:   # Victory: a raised sword in a laurel wreath
        return _laurel(50, 27, 16) + _sword(50, 5, 36)
    if k == 1:   # Summit: a tower on the peak of a mountain, a star over it
        return ('<path d="M18,46 L42,22 L50,27 L60,18 L84,46 Z" fill="#5a6478" stroke="#1a1e28"/>'
                '<path d="M42,22 L36,29 L42,27 L46,31 L50,27 Z M60,18 L55,25 L60,23 L64,27 Z" fill="#e8eef8"/>'
                + _tower(60, 19, 6, 10, "#8a90a0") +
                '<path d="M76,8 l1.2,3 3,0.4 -2.4,2 0.8,3 -2.6,-1.7 -2.6,1.7 0.8,-3 -2.4,-2 3,-0.4 Z" fill="#fff8c0" '
                'filter="%s"/>' % g)
    if k == 2:   # Rich in Influence: a sealed decree with a blue seal
        return ('<path d="M30,12 h40 a4,4 0 0 1 0,8 h-2 v20 a4,4 0 0 1 -4,4 h-36 a4,4 0 0 1 0,-8 h2 v-20 a4,4 0 0 1 0,-4 Z" '
                'fill="#e8d8a8" stroke="#6a5430"/><path d="M36,22 h26 M36,27 h26 M36,32 h18" stroke="#6a5430" '
                'stroke-width="1"/><circle cx="62" cy="36" r="6" fill="%s" stroke="#10204a"/><circle cx="62" cy="36" r="2.5" '
                'fill="#a0c8ff"/><path d="M58,41 l-2,7 M66,41 l2,7" stroke="%s" stroke-width="2"/>' % (BLUE, BLUE))
    if k == 3:   # Rich in Military: crossed swords over a red shield
        return (_shield(50, 24, 1.35, RED) + '<path d="M38,14 h24 l-12,14 Z" fill="#5a0808" opacity="0.6"/>' + '<g transform="rotate(-40 50 25)">%s</g><g transform="rotate(40 50 25)">%s</g>' % (
                    _sword(50, 3, 40), _sword(50, 3, 40)))
    if k == 4:   # Rich in Power: a golden orb of power glowing on its stand
        return ('<path d="M40,44 h20 l-4,-6 h-12 Z" fill="#8a6020" stroke="#3a2408"/>'
                '<circle cx="50" cy="24" r="13" fill="%s" filter="%s"/><circle cx="46" cy="20" r="4" fill="#fffbe0" '
                'opacity="0.9"/><path d="M37,24 h26 M50,11 v26" stroke="#8a6020" stroke-width="1" opacity="0.6"/>' % (
                    p.radial([(0, "#fff4c0", 1), (0.6, GOLD, 1), (1, "#8a5a10", 1)], 50, 24, 13), p.bloom(3)))
    if k == 5:   # A Great Family: a blue shield bearing a family tree
        return (_shield(50, 24, 1.5, "#1a3a8a") +
                '<path d="M50,38 V22 M50,30 L42,22 M50,27 L58,20 M42,22 L38,16 M42,22 L44,15 M58,20 L62,14 M58,20 L55,13" '
                'stroke="#e8f0ff" stroke-width="1.6" stroke-linecap="round"/>'
                '<circle cx="38" cy="15" r="2.4" fill="%s"/><circle cx="44" cy="14" r="2.4" fill="%s"/>'
                '<circle cx="62" cy="13" r="2.4" fill="%s"/><circle cx="55" cy="12" r="2.4" fill="%s"/>'
                '<circle cx="50" cy="20" r="2.6" fill="%s"/>' % ((BLUE,) * 5))
    if k == 6:   # A Hero's Name: a knight's helm with a red plume
        return ('<path d="M40,16 C40,6 60,6 60,16 V34 C60,40 54,42 50,42 C46,42 40,40 40,34 Z" fill="url(#silver)" '
                'stroke="#1a1a22"/><path d="M42,22 h16 M50,22 v14" stroke="#101216" stroke-width="2.2"/>'
                '<path d="M50,8 C56,0 70,2 74,10 C68,6 62,8 58,12 C66,10 70,14 72,18 C64,12 56,12 50,10 Z" fill="%s" '
                'stroke="#5a0a0a" stroke-width="0.6"/>' % RED)
    if k == 7:   # Full of Grace: a golden chalice under a halo of light
        return ('<ellipse cx="50" cy="9" rx="11" ry="3" fill="none" stroke="#fff4c0" stroke-width="2" filter="%s"/>'
                '<path d="M38,15 h24 C62,26 56,30 52,31 V38 h6 v4 h-16 v-4 h6 v-7 C44,30 38,26 38,15 Z" fill="url(#gold)" '
                'stroke="#5a3a08"/><path d="M42,17 C42,23 45,26 48,27" stroke="#fff8d0" stroke-width="1.2" fill="none"/>' % g)
    if k == 8:   # All Blue: five night cards fanned in the hand
        return _hand_fan(p)
    if k == 9:   # All Red: five ember cards dealt in a row on the table
        return _table_row(p)
    if k == 10:  # All Gold: five amber cards spread in a cascade beside the gold
        return _cascade(p)
    if k == 11:  # All White: five silver cards laid in a star
        return _rosette(p)
    if k == 12:  # Flowing Influence: a fountain of blue water
        return ('<path d="M30,44 h40 l-4,-8 h-32 Z" fill="#5a6070" stroke="#1a1e28"/><rect x="47" y="22" width="6" height="14" '
                'fill="#6a7080"/><path d="M50,22 C50,8 36,8 32,34 M50,22 C50,8 64,8 68,34 M50,22 V6" stroke="%s" '
                'stroke-width="2.4" fill="none" stroke-linecap="round" filter="%s"/>' % ("#8ab8ff", g) +
                '<path d="M34,38 q4,-2 8,0 q4,-2 8,0 q4,-2 8,0 q4,-2 8,0" stroke="#c8dcff" fill="none"/>')
    if k == 13:  # Flowing Military: an anvil, a hammer and a spray of red sparks
        sparks = "".join('<path d="M56,22 l%.1f,%.1f" stroke="#ff9050" stroke-width="1.2"/>' % (
            14 * math.cos(a), -14 * math.sin(a)) for a in [0.3, 0.7, 1.1, 1.5, 1.9, 2.4])
        return ('<path d="M30,30 h34 c0,4 -6,6 -10,6 v4 h6 v5 h-26 v-5 h6 v-4 c-6,0 -10,-3 -10,-6 Z" fill="#3a3e48" '
                'stroke="#0a0c10"/><path d="M22,30 h10 v-3 h-10 Z" fill="#3a3e48"/><g filter="%s">%s</g>'
                '<path d="M62,8 l-10,14" stroke="#6a4a2a" stroke-width="2.4"/><rect x="56" y="3" width="14" height="7" '
                'fill="#5a5e68" transform="rotate(35 63 6)"/><ellipse cx="56" cy="29" rx="6" ry="1.6" fill="%s"/>' % (
                    g, sparks, RED))
    if k == 14:  # Flowing Power: a golden river of light spiralling up from a rune stone
        return ('<path d="M36,44 L40,30 H60 L64,44 Z" fill="#4a4438" stroke="#1a1810"/><path d="M46,38 l4,-6 l4,6 M50,32 v8" '
                'stroke="%s" stroke-width="1.2" fill="none"/><path d="M50,30 C34,24 66,18 50,12 C40,8 56,4 50,1" stroke="%s" '
                'stroke-width="3" fill="none" stroke-linecap="round" filter="%s"/>' % (GOLD, GOLD, p.bloom(2.5)))
    if k == 15:  # Evergreen: a fir tree, green in the night
        return ('<path d="M50,4 L60,17 H55 L64,28 H58 L68,40 H32 L42,28 H36 L45,17 H40 Z" fill="%s" stroke="#0a3010" '
                'filter="%s"/><rect x="47" y="40" width="6" height="6" fill="#5a3a1a"/>' % (
                    p.linear([(0, "#80f090", 1), (1, "#107a2a", 1)]), p.bloom(1.2)))
    if k == 16:  # Plenty: a horn of plenty spilling the seven stocks
        gems = "".join('<circle cx="%.1f" cy="%.1f" r="3" fill="%s" stroke="#000" stroke-width="0.4"/>' % (x, y, c) for x, y, c in [
            (58, 36, BLUE), (64, 40, RED), (70, 37, GOLD), (62, 30, "#2a5aff"), (68, 31, "#c01818"), (74, 42, "#c89a20"),
            (76, 35, GREEN)])
        return ('<path d="M18,12 C20,20 26,30 40,34 C46,36 52,38 56,40 C60,34 62,26 58,20 C50,22 40,22 32,18 C26,16 22,14 18,12 Z" '
                'fill="url(#gold)" stroke="#4a3008"/><path d="M28,20 C30,26 32,30 36,32 M38,22 C40,28 42,32 44,35 '
                'M48,23 C50,29 50,33 51,37" stroke="#6a4a10" fill="none"/><ellipse cx="58" cy="30" rx="4" ry="10" '
                'fill="#2a1a08" stroke="#e8c060" transform="rotate(-20 58 30)"/>' + gems)
    if k == 17:  # Titan's Blow: a titan's gauntleted fist smashing a small tower
        return _titan_fist(p)
    if k == 18:  # White Magic: a white star of light
        rays = "".join('<path d="M50,25 L%.1f,%.1f" stroke="#ffffff" stroke-width="%.1f"/>' % (
            50 + (20 if i % 2 == 0 else 11) * math.cos(i * math.pi / 4), 25 + (20 if i % 2 == 0 else 11) * math.sin(i * math.pi / 4),
            2 if i % 2 == 0 else 1) for i in range(8))
        return '<g filter="%s">%s<circle cx="50" cy="25" r="5" fill="#ffffff"/></g>' % (p.bloom(3), rays) + \
            '<circle cx="30" cy="12" r="1.2" fill="#fff"/><circle cx="72" cy="38" r="1.2" fill="#fff"/>'
    if k == 19:  # Patience: an hourglass running
        return _hourglass(50, 1, False)
    if k == 20:  # Great Patience: a candle burnt down to its stub beside the run-out glass
        return (_hourglass(36, 1, True) + '<path d="M58,44 h18 v-3 h-18 Z" fill="#6a4a2a"/><path d="M61,41 V30 C61,28 64,27 '
                '66,28 C68,27 72,28 72,30 V41 Z" fill="#e8dcc0" stroke="#8a7a5a"/><path d="M63,30 v6 M70,30 v8" stroke="#fff8e8" '
                'stroke-width="1.4"/><path d="M66,27 v-2" stroke="#000"/><g filter="%s">%s</g>' % (g, _flame(66, 25, 5, 11)))
    if k == 21:  # Both Ablaze: two towers burning
        return (_tower(32, 45, 12, 26) + _tower(68, 45, 12, 26) + '<g filter="%s">%s%s</g>' % (
            g, _flame(32, 20, 16, 18), _flame(68, 20, 16, 18)))
    if k == 22:  # Both Warded: two towers under glowing wards
        return (_tower(32, 45, 12, 24) + _tower(68, 45, 12, 24) +
                '<path d="M16,45 A16,16 0 0 1 48,45 M52,45 A16,16 0 0 1 84,45" stroke="#9fd0ff" stroke-width="2" '
                'fill="#4a8aff" fill-opacity="0.18" filter="%s"/>' % p.bloom(2))
    if k == 23:  # Fire and Shield: a shield wreathed in fire
        return ('<g filter="%s">%s%s</g>' % (g, _flame(38, 44, 18, 34), _flame(62, 44, 18, 34)) +
                _shield(50, 24, 1.4, "url(#silver)") + '<path d="M50,10 V40 M37,22 H63" stroke="#2a4aa0" stroke-width="3"/>')
    if k == 24:  # Halfway: a milestone by the road marked with the sixth battle
        return ('<path d="M10,46 C30,40 40,36 46,32 M90,46 C70,40 62,36 56,32" stroke="#8a7a5a" stroke-width="2" fill="none"/>'
                '<path d="M38,44 V16 C38,6 62,6 62,16 V44 Z" fill="#7a7a78" stroke="#1a1a18"/>'
                '<text x="50" y="30" font-family="DejaVu Serif" font-size="13" font-weight="bold" text-anchor="middle" '
                'fill="#1a1a18">VI</text><path d="M36,44 h28" stroke="#2a3a1a" stroke-width="3"/>')
    if k == 25:  # By a Thread: a sword hanging over a tower by a single thread
        return ('<path d="M50,0 V8" stroke="#e8e0d0" stroke-width="0.6"/>' + '<g transform="rotate(180 50 22)">%s</g>' % (
            _sword(50, 10, 36)) + _tower(50, 48, 10, 10) + '<path d="M44,37 l-3,-2 M56,37 l3,-2" stroke="#ff8060" '
            'stroke-width="0.8"/>')
    if k == 26:  # Untouched: an unmarked silver shield, gleaming
        return (_shield(50, 24, 1.5, "url(#silver)") + '<path d="M50,7 V42" stroke="#ffffff" stroke-width="1" opacity="0.5"/>'
                '<g filter="%s"><path d="M60,12 l1.5,5 5,1.5 -5,1.5 -1.5,5 -1.5,-5 -5,-1.5 5,-1.5 Z" fill="#ffffff"/></g>' % p.bloom(2))
    if k == 27:  # Fire and Ice: a flame and a snowflake joined
        flake = "".join('<path d="M64,25 l%.1f,%.1f" stroke="#c8ecff" stroke-width="2" stroke-linecap="round"/>' % (
            13 * math.cos(i * math.pi / 3), 13 * math.sin(i * math.pi / 3)) for i in range(6))
        flake += "".join('<path d="M%.1f,%.1f l%.1f,%.1f M%.1f,%.1f l%.1f,%.1f" stroke="#c8ecff" stroke-width="1.2"/>' % (
            64 + 8 * math.cos(a), 25 + 8 * math.sin(a), 4 * math.cos(a + 0.8), 4 * math.sin(a + 0.8), 64 + 8 * math.cos(a),
            25 + 8 * math.sin(a), 4 * math.cos(a - 0.8), 4 * math.sin(a - 0.8)) for a in [i * math.pi / 3 for i in range(6)])
        return '<g filter="%s">%s%s</g>' % (g, _flame(36, 42, 20, 34), flake)
    if k == 28:  # Charm: a red rose laid over a heart
        return ('<path d="M50,44 C30,32 26,22 30,14 C34,6 46,8 50,16 C54,8 66,6 70,14 C74,22 70,32 50,44 Z" fill="#8a1020" '
                'stroke="#3a0008"/><path d="M34,40 C44,32 52,26 62,16" stroke="#2a6a20" stroke-width="2" fill="none"/>'
                '<circle cx="62" cy="16" r="6" fill="%s" stroke="#4a0008"/><path d="M58,16 C60,12 66,12 66,16 C64,14 60,14 62,18" '
                'stroke="#4a0008" fill="none"/><path d="M44,31 l-5,-2 l3,5 Z" fill="#3a8a30"/>' % RED)
    if k == 29:  # Beggared: an empty purse lying open, a moth flying out of it
        return _empty_purse(p)
    raise KeyError(k)


TINTS = {0: "#2a2410", 1: "#1a2030", 2: "#0e1a3a", 3: "#2a0c0c", 4: "#2a2208", 5: "#0e1a3a", 6: "#2a0c0c",
         7: "#2a2208", 8: "#0e1a3a", 9: "#2a0c0c", 10: "#2a2208", 11: "#22242a", 12: "#0e1a3a", 13: "#2a0c0c",
         14: "#2a2208", 15: "#0c2010", 16: "#1a1a24", 17: "#241014", 18: "#22242a", 19: "#1e1a14", 20: "#1e1a14",
         21: "#2a100a", 22: "#0e1a3a", 23: "#201420", 24: "#141c14", 25: "#1c1418", 26: "#1a2030", 27: "#141c2a",
         28: "#2a0c14", 29: "#1c1812"}


def badge(w, h, k):
    """Achievement badge of slot k (0..29)."""
    p = Painter(w, h, 900 + k)
    tint = TINTS[k]
    lift = "#%02x%02x%02x" % tuple(min(255, int(int(tint[i:i + 2], 16) * 2.2)) for i in (1, 3, 5))
    p.add('<rect width="%d" height="%d" fill="%s" filter="%s"/>' % (
        w, h, lift, p.relief(0.08, 3, azimuth=225, scale=2.5, strength=1.0, base=0.5)))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.radial(
        [(0, "#ffffff", 0.1), (0.6, "#000", 0.15), (1, "#000", 0.65)], 50, 22, 60)))
    p.add('<g filter="%s">%s</g>' % (p.drop_shadow(), _symbol(p, k)))
    p.add('<rect x="1" y="1" width="98" height="48" rx="4" fill="none" stroke="url(#gold)" stroke-width="2.2"/>')
    p.add('<rect x="3.5" y="3.5" width="93" height="43" rx="3" fill="none" stroke="#000" stroke-width="0.8" opacity="0.6"/>')
    return p.svg()
