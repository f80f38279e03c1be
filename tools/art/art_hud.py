"""art_hud.py -- the battle's heads-up pieces and the ground they stand on.

The spell starburst, the five pendants and the blood drop hung on the hand; the resource panel
the game letters its numbers onto; the drum switch; the empty achievement slot; the stone wall
of the battle's ground line and the moss-grown cliffs in front of the intro's rising tower.

The numbers, the gauges and the hover texts are drawn by the game over these pictures, so every
place that carries them is kept dark and quiet.
"""
import math

from art_night import Painter, poly

RIM = "#cfdcff"

# Pendant kinds 1..5: (light, body, deep) of the crystal. The colours of the card runs and the
# resource numbers: blue, blood red, amber, green; the fifth is obsidian with a violet sheen.
CRYSTALS = [("#d4e6ff", "#3f74ff", "#0b1a5c"), ("#ffd0c4", "#e0281c", "#4a0508"),
            ("#fff2b8", "#f0b428", "#5a3404"), ("#d2ffd8", "#30c050", "#053a14"),
            ("#b8b0d8", "#2a2238", "#050409")]


# -- the spell's starburst --------------------------------------------------------------------

def starburst(w, h):
    """A burst of blue spell light on the black sky: a white-hot core, long tapering rays, a
    ring of runes, drifting motes; every edge fades to black so no box shows."""
    p = Painter(w, h, 4107)
    rng = p.rng
    cx, cy = w / 2, h / 2
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    # A haze of magic round the core, torn by noise so it reads as light in smoke.
    haze = p.radial([(0, "#5a8cff", 0.9), (0.35, "#2a44b0", 0.55), (1, "#0a1030", 0)], cx, cy, 150)
    p.add('<ellipse cx="%s" cy="%s" rx="190" ry="150" fill="%s" filter="%s"/>' % (
        cx, cy, haze, p.noise_mask("0.012 0.02", octaves=4, gain=1.9, bias=-0.35, seed=41)))
    p.add('<circle cx="%s" cy="%s" r="90" fill="%s"/>' % (cx, cy, p.radial(
        [(0, "#8fb0ff", 0.8), (0.5, "#3050d0", 0.25), (1, "#102060", 0)], cx, cy, 90)))
    # Rays: thin needles fading with distance; long ones, short ones, a few bright spears.
    ray_fill = p.radial([(0, "#ffffff", 1), (0.12, "#d8ecff", 1), (0.4, "#7fb4ff", 0.85),
                         (0.75, "#3c5cff", 0.4), (1, "#2030a0", 0)], cx, cy, 185)
    needles = ""
    for i in range(64):
        a = i * 2 * math.pi / 64 + rng.uniform(-0.04, 0.04)
        ln = rng.uniform(60, 120) if i % 2 else rng.uniform(110, 185)
        wd = rng.uniform(1.4, 3.2) if i % 2 else rng.uniform(2.5, 5.5)
        ca, sa = math.cos(a), math.sin(a)
        needles += poly([(cx - sa * wd, cy + ca * wd), (cx + ca * ln, cy + sa * ln * 0.8), (cx + sa * wd, cy - ca * wd)]) + " "
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (needles, ray_fill, p.bloom(3)))
    spears = ""
    for a in (0.35, 1.9, 3.3, 4.6, 5.7):
        ln = rng.uniform(150, 190)
        ca, sa = math.cos(a), math.sin(a)
        spears += poly([(cx - sa * 3, cy + ca * 3), (cx + ca * ln, cy + sa * ln * 0.8), (cx + sa * 3, cy - ca * 3)]) + " "
    p.add('<path d="%s" fill="%s" filter="%s"/>' % (spears, ray_fill, p.bloom(2)))
    # The rune ring: a thin circle of light with glyphs cut into it, seen a little from below.
    ring = '<ellipse cx="%s" cy="%s" rx="78" ry="64" fill="none" stroke="#9cc8ff" stroke-width="1.6"/>' % (cx, cy)
    ring += '<ellipse cx="%s" cy="%s" rx="70" ry="57" fill="none" stroke="#6f9cff" stroke-width="0.8"/>' % (cx, cy)
    glyphs = ""
    for i in range(16):
        a = i * 2 * math.pi / 16
        gx, gy = cx + 74 * math.cos(a), cy + 60.5 * math.sin(a)
        k = rng.randint(0, 3)
        if k == 0:
            glyphs += "M%.1f,%.1f l0,-4 l2.5,2 l2.5,-2 l0,4 " % (gx - 2.5, gy + 2)
        elif k == 1:
            glyphs += "M%.1f,%.1f l2.5,-4 l2.5,4 M%.1f,%.1f h4 " % (gx - 2.5, gy + 2, gx - 2, gy)
        elif k == 2:
            glyphs += "M%.1f,%.1f v-4 M%.1f,%.1f l3,-2 M%.1f,%.1f l3,2 " % (gx, gy + 2, gx, gy, gx, gy)
        else:
            glyphs += "M%.1f,%.1f h4 v-4 M%.1f,%.1f v4 " % (gx - 2, gy + 2, gx - 2, gy - 2)
    ring += '<path d="%s" fill="none" stroke="#e0f0ff" stroke-width="1" stroke-linecap="round"/>' % glyphs
    p.add('<g filter="%s" opacity="0.85">%s</g>' % (p.bloom(1.5), ring))
    # Motes of light thrown out by the burst.
    motes = ""
    for _ in range(70):
        a, r = rng.uniform(0, 2 * math.pi), rng.uniform(30, 150)
        motes += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#cfe4ff" opacity="%.2f"/>' % (
            cx + r * math.cos(a), cy + r * math.sin(a) * 0.8, rng.uniform(0.5, 1.4), rng.uniform(0.35, 0.95))
    p.add('<g filter="%s">%s</g>' % (p.bloom(1.2), motes))
    # The core: white-hot, with a cross of light through it.
    p.add('<circle cx="%s" cy="%s" r="34" fill="%s"/>' % (cx, cy, p.radial(
        [(0, "#ffffff", 1), (0.3, "#eaf4ff", 0.95), (0.6, "#8cb8ff", 0.5), (1, "#3a5cff", 0)], cx, cy, 34)))
    flare = "M%s,%s " % (cx - 95, cy) + "Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        cx, cy - 2.5, cx + 95, cy, cx, cy + 2.5, cx - 95, cy, cx, cy, cx, cy, cx, cy, cx, cy)
    flare += " M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (cx, cy - 70, cx + 2.2, cy, cx, cy + 70, cx - 2.2, cy, cx, cy - 70)
    p.add('<path d="%s" fill="#f4f8ff" filter="%s"/>' % (flare, p.bloom(2.5)))
    # Fade to the night at every edge: an ellipse that meets the picture's four sides.
    fade = p.uid("fade")
    p.define('<radialGradient id="%s" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#000" stop-opacity="0"/>'
             '<stop offset="0.6" stop-color="#000" stop-opacity="0"/><stop offset="0.88" stop-color="#000" '
             'stop-opacity="0.85"/><stop offset="0.97" stop-color="#000" stop-opacity="1"/></radialGradient>' % fade)
    p.add('<rect width="%d" height="%d" fill="url(#%s)"/>' % (w, h, fade))
    return p.svg()


# -- the pendants and the blood drop ---------------------------------------------------------

def pendant(w, h, kind):
    """A faceted crystal on a gilt cap and ring, hung from the card's lower edge (the ring sits
    over the card, the crystal over the sky). Lit from the upper left like the flask beside it;
    its glow stays inside the stone so the key colour keeps a clean edge."""
    light, body, deep = CRYSTALS[kind - 1]
    p = Painter(w, h, 500 + kind)
    # Crystal: a long hexagonal point, widest a third of the way down.
    t1, t2 = (12, 28), (32, 28)
    l1, r1 = (6.5, 43), (37.5, 43)
    l2, r2 = (12.5, 79), (31.5, 79)
    b = (22, 98)
    c, m = (22, 30), (21, 47)
    outline = poly([t1, t2, r1, r2, b, l2, l1])
    facets = [([t1, c, m, l1], light, 0.95), ([c, t2, r1, m], body, 1.0), ([l1, m, l2], light, 0.55),
              ([l2, m, b], body, 0.9), ([m, r1, r2], deep, 0.75), ([m, r2, b], deep, 1.0)]
    clip = p.uid("cr")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, outline))
    s = '<path d="%s" fill="%s"/>' % (outline, body)
    for pts_, col, op in facets:
        s += '<path d="%s" fill="%s" opacity="%s"/>' % (poly(pts_), col, op)
    # The fire inside the stone: a core of its own light below the middle, and a caustic streak.
    s += '<ellipse cx="21" cy="58" rx="11" ry="22" fill="%s"/>' % p.radial(
        [(0, light, 0.85), (0.45, body, 0.45), (1, body, 0)], 21, 58, 22)
    s += '<path d="M15,62 L22,90 L19,62 Z" fill="%s" opacity="0.5"/>' % light
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="0.7" opacity="0.7"/>' % (
        poly([c, m, b]) + " M%s,%s L%s,%s M%s,%s L%s,%s" % (l1 + m + m + r1), light)
    # Moonlight along the lit edges and a glint on the upper facet.
    s += '<path d="M%s,%s L%s,%s L%s,%s" fill="none" stroke="#ffffff" stroke-width="1.3" opacity="0.85"/>' % (
        t1 + l1 + l2)
    s += '<path d="M12,36 L15.5,31 L17,44 Z" fill="#ffffff" opacity="0.8"/>'
    p.add('<g clip-path="url(#%s)">%s</g>' % (clip, s))
    p.add('<path d="%s" fill="none" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (outline, _darker(deep)))
    if kind == 5:
        # Obsidian would vanish on the night sky: give it a silver rim on the far side too.
        p.add('<path d="M%s,%s L%s,%s L%s,%s" fill="none" stroke="#a8b4d8" stroke-width="0.9" opacity="0.8"/>' % (
            t2 + r1 + r2))
    # The star of the glint, small enough to stay solid.
    p.add('<path d="M14,35 l1,-3.5 l1,3.5 l3.5,1 l-3.5,1 l-1,3.5 l-1,-3.5 l-3.5,-1 Z" fill="#ffffff"/>')
    # Gilt cap with three prongs gripping the stone, and the ring it hangs by.
    cap = "M9.5,21 H34.5 L33,28.5 H11 Z M11.5,27 L13,34 L15,27 Z M20.5,27 L22,35 L23.5,27 Z M29,27 L31,34 L32.5,27 Z"
    p.add('<path d="%s" fill="url(#gold)" stroke="#3a2404" stroke-width="0.9" stroke-linejoin="round"/>' % cap)
    p.add('<path d="M11,22.3 H33" stroke="#fff4c0" stroke-width="0.9" opacity="0.9"/>')
    p.add('<circle cx="22" cy="11.5" r="7" fill="none" stroke="#3a2404" stroke-width="4.2"/>')
    p.add('<circle cx="22" cy="11.5" r="7" fill="none" stroke="url(#gold)" stroke-width="2.6"/>')
    p.add('<path d="M16.5,8 A7,7 0 0 1 24,4.8" fill="none" stroke="#fff4c0" stroke-width="1"/>')
    p.add('<rect x="19" y="17" width="6" height="5" rx="1" fill="url(#gold)" stroke="#3a2404" stroke-width="0.8"/>')
    return p.svg()


def _darker(col, k=0.55):
    return "#%02x%02x%02x" % tuple(int(int(col[i:i + 2], 16) * k) for i in (1, 3, 5))


def blood_drop(w, h):
    """A drop of blood falling on the night: bright where the moon catches its upper left, deep
    red below, the same red as the flask's level and the streaks it leaves."""
    p = Painter(w, h, 77)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    d = "M4.5,0.3 C5.3,5 8.8,10.5 8.8,15.6 C8.8,18.9 6.9,21.6 4.5,21.6 C2.1,21.6 0.2,18.9 0.2,15.6 C0.2,10.5 3.7,5 4.5,0.3 Z"
    p.add('<path d="%s" fill="%s"/>' % (d, p.radial(
        [(0, "#ff5a40", 1), (0.45, "#e01010", 1), (0.85, "#8a0610", 1), (1, "#4a0006", 1)], 3.2, 13, 9)))
    p.add('<path d="M2.1,16.5 C2,13 3,10 4.1,7.5" fill="none" stroke="#ffc0b0" stroke-width="1.1" stroke-linecap="round"/>')
    p.add('<circle cx="6.6" cy="18.6" r="0.8" fill="#ff6a50" opacity="0.7"/>')
    return p.svg()


# -- the resource panel ----------------------------------------------------------------------

# Three bays: (upper word, lower word, frame colour, frame light, deep tint, gem light, gem).
BAYS = [("Influence", "Family", "#3a64e8", "#a8c4ff", "#0a1436", "#cfe0ff", "#2f5cf0"),
        ("Military", "Heroism", "#c8281e", "#ffa894", "#2e0606", "#ffd0c0", "#d81e14"),
        ("Power", "Grace", "#d8a830", "#fff0b0", "#2a1c04", "#fff4c8", "#f0b020")]
BAY_X, BAY_W, BAY_Y, BAY_H = (4, 164, 324), 154, 3, 81


def resource_panel(w, h):
    """A slab of dark stone with three bays, framed blue, red and gold after the card runs,
    each with its gem. The game writes the stock (upper line), the rare value (lower line) and
    the income into the right part of each bay, so that part stays dark and plain; the names
    stand on the left, engraved in the frame's colour."""
    p = Painter(w, h, 79)
    stone = p.relief(0.09, 4, azimuth=315, elevation=40, scale=2.4, strength=1.25, seed=13)
    p.add('<rect width="%d" height="%d" fill="#2a2f3c" filter="%s"/>' % (w, h, stone))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear(
        [(0, "#cfdcff", 0.12), (0.2, "#000", 0), (1, "#000", 0.5)])))
    for i, (up, low, frame, flash, deep, gem_light, gem) in enumerate(BAYS):
        x = BAY_X[i]
        _bay(p, x, frame, flash, deep, gem_light, gem)
        _engraved(p, x + 9, 29, up, 12.5, flash, frame)
        _engraved(p, x + 9, 65, low, 11, _mix(flash, "#9aa4b8", 0.5), frame)
    p.add('<rect x="0.5" y="0.5" width="%d" height="%d" fill="none" stroke="#05070c" stroke-width="1"/>' % (w - 1, h - 1))
    p.add('<path d="M1.5,%d V1.5 H%d" fill="none" stroke="#6a7490" stroke-width="1" opacity="0.7"/>' % (h - 2, w - 2))
    return p.svg()


def _bay(p, x, frame, flash, deep, gem_light, gem):
    y, bw, bh = BAY_Y, BAY_W, BAY_H
    # Recessed field: darkest on the right where the numbers stand.
    field = p.linear([(0, deep, 1), (0.45, "#07090f", 1), (1, "#040509", 1)], 0, 0, 1, 0.3)
    grain = p.relief(0.05, 4, azimuth=315, scale=3, strength=1.6, base=0.35, seed=61 + x)
    p.add('<rect x="%s" y="%s" width="%s" height="%s" rx="5" fill="%s" filter="%s"/>' % (
        x + 3, y + 3, bw - 6, bh - 6, field, grain))
    p.add('<rect x="%s" y="%s" width="%s" height="%s" rx="5" fill="#000" opacity="0.5" filter="%s"/>' % (
        x + 3, y + 3, bw - 6, 8, p.blur(2)))
    # The frame: enamelled metal, lit on its upper edge by the moon, a dark inner bevel.
    metal = p.linear([(0, flash, 1), (0.25, frame, 1), (0.7, _darker(frame, 0.45), 1), (1, _darker(frame, 0.3), 1)])
    p.add('<rect x="%s" y="%s" width="%s" height="%s" rx="6" fill="none" stroke="%s" stroke-width="3.2"/>' % (
        x + 1.6, y + 1.6, bw - 3.2, bh - 3.2, metal))
    p.add('<rect x="%s" y="%s" width="%s" height="%s" rx="4.5" fill="none" stroke="#000" stroke-width="1" opacity="0.8"/>' % (
        x + 3.6, y + 3.6, bw - 7.2, bh - 7.2))
    p.add('<rect x="%s" y="%s" width="%s" height="%s" rx="4" fill="none" stroke="url(#gold)" stroke-width="0.8" opacity="0.55"/>' % (
        x + 5.5, y + 5.5, bw - 11, bh - 11))
    # Gilt corner pieces over the frame, a small curl turned inward.
    for cx_, cy_, sx, sy in ((x + 2, y + 2, 1, 1), (x + bw - 2, y + 2, -1, 1), (x + 2, y + bh - 2, 1, -1)):
        d = "M%.1f,%.1f h%.1f c%.1f,0 %.1f,%.1f %.1f,%.1f M%.1f,%.1f v%.1f c0,%.1f %.1f,%.1f %.1f,%.1f" % (
            cx_, cy_, 11 * sx, 2 * sx, 2 * sx, 3 * sy, 0, 4 * sy, cx_, cy_, 11 * sy, 2 * sy, 3 * sx, 2 * sy, 4 * sx, 0)
        p.add('<path d="%s" fill="none" stroke="#1a1004" stroke-width="3.4" stroke-linecap="round"/>' % d)
        p.add('<path d="%s" fill="none" stroke="url(#gold)" stroke-width="2" stroke-linecap="round"/>' % d)
        p.add('<circle cx="%.1f" cy="%.1f" r="1.8" fill="url(#gold)" stroke="#1a1004" stroke-width="0.6"/>' % (
            cx_ + 2.2 * sx, cy_ + 2.2 * sy))
    # A divider between the upper and the lower line, stopping short of the numbers.
    p.add('<path d="M%s,%s H%s" stroke="%s" stroke-width="0.8" opacity="0.5"/>' % (x + 10, y + 42, x + 70, frame))
    p.add('<path d="M%s,%s H%s" stroke="#000" stroke-width="0.8" opacity="0.7"/>' % (x + 10, y + 43, x + 70))
    # The gem at the frame's lower right corner, clear of every number.
    gx, gy = x + bw - 10, y + bh - 10
    p.add('<circle cx="%s" cy="%s" r="6.2" fill="url(#gold)" stroke="#2a1a04" stroke-width="0.8"/>' % (gx, gy))
    p.add('<circle cx="%s" cy="%s" r="4.2" fill="%s"/>' % (gx, gy, p.radial(
        [(0, gem_light, 1), (0.5, gem, 1), (1, _darker(gem, 0.35), 1)], gx - 1.2, gy - 1.2, 5)))
    p.add('<circle cx="%s" cy="%s" r="1" fill="#ffffff" opacity="0.9"/>' % (gx - 1.5, gy - 1.6))


def _engraved(p, x, y, word, size, fill, frame):
    """A word cut into the stone: a dark shadow above-left, the letter, a faint moon edge."""
    base = ('font-family="DejaVu Serif" font-size="%s" font-weight="bold" letter-spacing="0.3"' % size)
    p.add('<text x="%s" y="%s" %s fill="#000" stroke="#000" stroke-width="2.2" opacity="0.85">%s</text>' % (
        x, y, base, word))
    p.add('<text x="%s" y="%s" %s fill="%s">%s</text>' % (x, y, base, p.linear(
        [(0, "#ffffff", 1), (0.45, fill, 1), (1, _mix(fill, frame, 0.6), 1)]), word))


def _mix(a, b, t):
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(int(x + (y - x) * t) for x, y in zip(ca, cb))


# -- the drum switch -------------------------------------------------------------------------

def music_icon(w, h, on):
    """The battle drum on a stone tile: lit by a warm glow and sounding when the music
    plays; cold, with its sticks laid down and a red bar across, when it is silent."""
    p = Painter(w, h, 83 if on else 84)
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    # A tile of night stone in a metal rim, the same shape as the speed switch beside it.
    stone = p.relief(0.12, 3, azimuth=225, scale=2, strength=1.2, seed=9)
    inner = p.radial([(0, "#2a3450" if on else "#1c2234", 1), (1, "#070a12", 1)], 20, 16, 34)
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="%s" filter="%s"/>' % (inner, stone))
    if on:
        p.add('<rect x="3" y="3" width="44" height="44" rx="6" fill="%s"/>' % p.radial(
            [(0, "#ffb040", 0.5), (0.55, "#e0481a", 0.16), (1, "#e0481a", 0)], 25, 30, 24))
    rim = "url(#gold)" if on else "url(#silver)"
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="none" stroke="#000" stroke-width="3"/>')
    p.add('<rect x="1.5" y="1.5" width="47" height="47" rx="7" fill="none" stroke="%s" stroke-width="2.2" opacity="%s"/>' % (
        rim, 1 if on else 0.75))
    p.add('<rect x="3.8" y="3.8" width="42.4" height="42.4" rx="5" fill="none" stroke="#000" stroke-width="0.8" opacity="0.6"/>')
    wood = "#8a4a20" if on else "#5a5662"
    wood_dark = "#3a1a08" if on else "#24222a"
    head = "#f0dcb0" if on else "#a8acb8"
    lace = "#f4d890" if on else "#b4b8c4"
    g = ""
    # The shell, its hoops and the zigzag lacing, then the skin seen a little from above.
    shell = "M12,24 V35 C12,40.5 38,40.5 38,35 V24 Z"
    g += '<path d="%s" fill="%s"/>' % (shell, p.linear([(0, _mix(wood, "#ffffff", 0.25), 1), (0.35, wood, 1),
                                                        (1, wood_dark, 1)], 0, 0, 1, 0))
    g += '<path d="M12,35 C12,40.5 38,40.5 38,35" fill="none" stroke="%s" stroke-width="2.2"/>' % wood_dark
    g += '<path d="M12,33.5 C12,39 38,39 38,33.5" fill="none" stroke="%s" stroke-width="1.2" opacity="0.8"/>' % lace
    zig = "M12.5,26 " + " ".join("L%.1f,%.1f" % (13.5 + i * 3.1, 36.8 if i % 2 == 0 else 26.5) for i in range(9))
    g += '<path d="%s" fill="none" stroke="%s" stroke-width="0.9"/>' % (zig, lace)
    g += '<ellipse cx="25" cy="24" rx="13" ry="4.6" fill="%s" stroke="%s" stroke-width="1.6"/>' % (head, wood_dark)
    g += '<ellipse cx="25" cy="24" rx="13" ry="4.6" fill="none" stroke="%s" stroke-width="0.8" opacity="0.9"/>' % lace
    if on:
        # The sticks raised mid-beat and the beat ringing off the skin.
        g += '<path d="M29.5,22.5 L41,9.5 M19,21.5 L10.5,7" stroke="#2a1406" stroke-width="3" stroke-linecap="round"/>'
        g += '<path d="M29.5,22.5 L41,9.5 M19,21.5 L10.5,7" stroke="#e8b070" stroke-width="1.7" stroke-linecap="round"/>'
        g += '<circle cx="41" cy="9.5" r="2" fill="#f4d8a8" stroke="#2a1406" stroke-width="0.7"/>'
        g += '<circle cx="10.5" cy="7" r="2" fill="#f4d8a8" stroke="#2a1406" stroke-width="0.7"/>'
        waves = ('<path d="M6.5,17 C4.5,21 4.5,27 6.5,31 M43.5,17 C45.5,21 45.5,27 43.5,31 '
                 'M9.5,19.5 C8.3,22 8.3,26 9.5,28.5 M40.5,19.5 C41.7,22 41.7,26 40.5,28.5" '
                 'fill="none" stroke="#ffc860" stroke-width="1.4" stroke-linecap="round"/>')
        g += '<g filter="%s">%s</g>' % (p.bloom(1), waves)
    else:
        # Sticks laid crosswise on the skin; the bar of silence across the whole medallion.
        g += '<path d="M15,25.5 L34,19.5 M16,20 L35,26" stroke="#151318" stroke-width="2.6" stroke-linecap="round"/>'
        g += '<path d="M15,25.5 L34,19.5 M16,20 L35,26" stroke="#6a6670" stroke-width="1.4" stroke-linecap="round"/>'
        g += '<path d="M10,40 L40,10" stroke="#000" stroke-width="6" stroke-linecap="round"/>'
        g += '<path d="M10,40 L40,10" stroke="#c01a14" stroke-width="3.6" stroke-linecap="round"/>'
        g += '<path d="M11,38.2 L38.4,10.8" stroke="#ff7a60" stroke-width="0.8" stroke-linecap="round" opacity="0.8"/>'
    p.add(g)
    return p.svg()


# -- the empty achievement slot ----------------------------------------------------------------

def achievement_frame(w, h):
    """An empty slot of the result screen: a tile of dark-blue night stone in a pewter rim, with
    a faint engraved wreath waiting for its badge. Earned badges, gilt, cover it exactly."""
    p = Painter(w, h, 734)
    p.add('<rect width="%d" height="%d" fill="#05070d"/>' % (w, h))
    stone = p.relief(0.08, 3, azimuth=225, scale=2.5, strength=1.0, base=0.5, seed=31)
    p.add('<rect x="1" y="1" width="98" height="48" rx="4" fill="#18264e" filter="%s"/>' % stone)
    p.add('<rect x="1" y="1" width="98" height="48" rx="4" fill="%s"/>' % p.radial(
        [(0, "#8fb0ff", 0.08), (0.6, "#000", 0.2), (1, "#000", 0.7)], 46, 20, 60))
    # The engraved wreath: two sprays of leaves round an empty roundel, cut, not lit.
    cut = ""
    for side in (-1, 1):
        for i in range(5):
            a = math.radians(200 - i * 28) if side < 0 else math.radians(-20 + i * 28)
            lx, ly = 50 + 15 * math.cos(a), 26 + 13 * math.sin(a)
            rot = math.degrees(a) + (90 if side > 0 else -90)
            cut += '<ellipse cx="%.1f" cy="%.1f" rx="3.2" ry="1.4" transform="rotate(%.0f %.1f %.1f)"/>' % (
                lx, ly, rot, lx, ly)
    ring = '<circle cx="50" cy="25" r="8.5" fill="none" stroke-width="1.4"/>'
    p.add('<g fill="#000" stroke="#000" opacity="0.55" transform="translate(0.7,0.7)">%s%s</g>' % (
        cut, ring.replace('fill="none"', 'fill="none" stroke="#000"')))
    p.add('<g fill="#5a74b0" opacity="0.35">%s</g>' % cut)
    p.add(ring.replace('fill="none"', 'fill="none" stroke="#5a74b0" opacity="0.4"'))
    # Pewter rim with a moonlit upper edge, and a dark inner bevel.
    p.add('<rect x="1" y="1" width="98" height="48" rx="4" fill="none" stroke="%s" stroke-width="2.2"/>' % p.linear(
        [(0, "#c8d4f0", 1), (0.3, "#6a7aa0", 1), (0.7, "#34405e", 1), (1, "#1a2238", 1)], 0, 0, 0.3, 1))
    p.add('<rect x="3.5" y="3.5" width="93" height="43" rx="3" fill="none" stroke="#000" stroke-width="0.8" opacity="0.6"/>')
    for x, y in ((5.5, 5.5), (94.5, 5.5), (5.5, 44.5), (94.5, 44.5)):
        p.add('<circle cx="%s" cy="%s" r="1.3" fill="#8a9ac0" stroke="#0a0e18" stroke-width="0.5"/>' % (x, y))
    return p.svg()


# -- the battle's ground line -----------------------------------------------------------------

def ground_wall(w, h):
    """The rampart both towers stand on: a coping of big capstones lit along the top by the
    moon (upper right), courses of hewn blocks below it going down into darkness, moss in the
    joints and tufts of grass on the crest. The crest is black sky behind the tufts, so the
    picture has no hard horizon; the lower part stays dark for the panels and the numbers."""
    p = Painter(w, h, 7)
    rng = p.rng
    p.add('<rect width="%d" height="%d" fill="#000"/>' % (w, h))
    stone = p.relief(0.06, 5, azimuth=315, elevation=32, scale=4.5, strength=1.6, seed=17)
    fine = p.relief(0.35, 2, azimuth=315, elevation=45, scale=1.5, strength=1.0, base=0.6, seed=23)
    top = 9  # the coping's upper edge: the ground line the towers stand on lies just above it
    courses = [(top, 20, "cap"), (top + 20, 28, "block"), (top + 48, 30, "block"), (top + 78, 32, "block"),
               (top + 110, 34, "block"), (top + 144, 48, "block")]
    blocks = []
    for y0, ch, kind in courses:
        x = -rng.uniform(0, 80)
        while x < w:
            bw = rng.uniform(70, 120) if kind == "cap" else rng.uniform(48, 110)
            blocks.append((x, y0, bw, ch, kind))
            x += bw
    for x, y0, bw, ch, kind in blocks:
        v = rng.uniform(0.62, 1.2)
        base = (58, 64, 78) if kind == "cap" else (46, 51, 63)
        fill = "#%02x%02x%02x" % tuple(min(255, int(c * v)) for c in base)
        j = 1.2 if kind == "cap" else 1.6
        # Hewn, not sawn: the corners chipped and the faces a little uneven.
        pts_ = [(x + j + rng.uniform(0, 2), y0 + j + rng.uniform(0, 1.5)),
                (x + bw * 0.5, y0 + j + rng.uniform(-0.6, 0.8)),
                (x + bw - j - rng.uniform(0, 2), y0 + j + rng.uniform(0, 1.5)),
                (x + bw - j - rng.uniform(0, 1.2), y0 + ch - j - rng.uniform(0, 2)),
                (x + j + rng.uniform(0, 1.2), y0 + ch - j - rng.uniform(0, 2))]
        p.add('<path d="%s" fill="%s"/>' % (poly(pts_), fill))
    wall_group = "".join(p.body[1:])
    p.body = p.body[:1]
    p.add('<g filter="%s">%s</g>' % (stone, wall_group))
    p.add('<rect y="%d" width="%d" height="%d" fill="#3a4050" opacity="0.25" filter="%s"/>' % (top, w, h - top, fine))
    # Each block is lit on its upper edge and right face, shadowed under its lower edge.
    edges, shadows = "", ""
    for x, y0, bw, ch, kind in blocks:
        edges += "M%.1f,%.1f H%.1f V%.1f " % (x + 2.5, y0 + 2.2, x + bw - 2.5, y0 + ch * 0.6)
        shadows += "M%.1f,%.1f H%.1f " % (x + 2, y0 + ch - 1.8, x + bw - 2)
    p.add('<path d="%s" fill="none" stroke="%s" stroke-width="1" opacity="0.35"/>' % (edges, RIM))
    p.add('<path d="%s" fill="none" stroke="#000" stroke-width="1.6" opacity="0.55"/>' % shadows)
    # Old cracks in some blocks, a dark cleft with a lit lip.
    cracks = ""
    for x, y0, bw, ch, kind in blocks:
        if rng.random() < 0.3:
            cx_, cy_ = x + rng.uniform(0.2, 0.8) * bw, y0 + 2
            d = "M%.1f,%.1f" % (cx_, cy_)
            for _ in range(3):
                cx_ += rng.uniform(-7, 7)
                cy_ += ch / 3.2
                d += " L%.1f,%.1f" % (cx_, cy_)
            cracks += d + " "
    p.add('<path d="%s" fill="none" stroke="#05070c" stroke-width="1.4" opacity="0.9"/>' % cracks)
    p.add('<path d="%s" fill="none" stroke="%s" stroke-width="0.6" opacity="0.3" transform="translate(1.2,0)"/>' % (
        cracks, RIM))
    # The coping's crest catches the moon along its whole length.
    p.add('<path d="M0,%s H%d" stroke="%s" stroke-width="1.2" opacity="0.55"/>' % (top + 1.6, w, RIM))
    # Moss in the joints and creeping down from the crest.
    moss = ""
    for x, y0, bw, ch, kind in blocks:
        if rng.random() < 0.45:
            mx = x + rng.uniform(0, bw)
            moss += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (mx, y0 + ch - 1, rng.uniform(6, 20), rng.uniform(1.5, 3.5))
    for _ in range(70):
        mx = rng.uniform(0, w)
        moss += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (mx, top + 2, rng.uniform(8, 30), rng.uniform(2, 6))
    # Here and there it hangs down the face in curtains.
    for _ in range(26):
        mx, ln = rng.uniform(0, w), rng.uniform(18, 55)
        moss += '<path d="M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z"/>' % (
            mx - 12, top + 1, 4, ln * 0.6, 12 + rng.uniform(-3, 3), ln, 4, -ln * 0.5, 12, -ln)
    p.add('<g fill="#1e3220" filter="%s">%s</g>' % (p.noise_mask("0.15", octaves=3, gain=3.0, bias=-0.9, seed=5), moss))
    p.add('<g fill="#5a7a58" opacity="0.45" transform="translate(0.8,-1)" filter="%s">%s</g>' % (
        p.noise_mask("0.3", octaves=2, gain=3.0, bias=-1.3, seed=6), moss))
    # Grass on the crest against the night, its tips caught by the moon.
    blades, tips = "", ""
    x = 0
    while x < w:
        if rng.random() < 0.55:
            n = rng.randint(3, 9)
            for _ in range(n):
                bx = x + rng.uniform(-6, 6)
                hh = rng.uniform(4, 12)
                lean = rng.uniform(-3.5, 2)
                blades += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z " % (
                    bx, top + 3, lean * 0.3, -hh * 0.6, lean, -hh, -lean * 0.4, hh * 0.5, 1.8 - lean, hh)
                tips += "M%.1f,%.1f l%.1f,%.1f " % (bx + lean * 0.8, top + 3 - hh * 0.85, lean * 0.2 + 0.6, -hh * 0.15)
        x += rng.uniform(8, 30)
    p.add('<path d="%s" fill="#0a120c"/>' % blades)
    p.add('<path d="%s" stroke="#a8bcd8" stroke-width="0.8" opacity="0.75"/>' % tips)
    # Darkness gathers down the wall: the resource panels and the numbers sit on it.
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear(
        [(0, "#000", 0), (0.12, "#000", 0.05), (0.45, "#000", 0.5), (0.8, "#000", 0.85), (1, "#000", 0.95)])))
    p.add('<rect width="%d" height="%d" fill="%s"/>' % (w, h, p.linear(
        [(0, "#23365e", 0.16), (0.5, "#23365e", 0), (1, "#23365e", 0.1)], 0, 0, 1, 0)))
    return p.svg()


# -- the intro's cliffs ----------------------------------------------------------------------

def cliffs(w, h):
    """Moss-grown cliffs in the foreground of the intro, in front of the rising tower's crag:
    high rock in front of the tower's crag (left), a saddle, then buttresses and crags, lit
    by the moon on the upper right; a paler ledge behind, and their feet black so the credit
    line reads over them."""
    p = Painter(w, h, 12)
    rng = p.rng
    strata = p.relief("0.018 0.05", 5, azimuth=315, elevation=25, scale=7, strength=1.9, seed=8, noise="turbulence", base=0.3)
    grit = p.relief(0.11, 3, azimuth=315, elevation=40, scale=3, strength=1.3, base=0.5, seed=9)
    # The far ledge: bluer and paler, low contrast, a little above the near crest.
    back = [(x, _crest(x) - 16 + 8 * math.sin(x / 23.0) + rng.uniform(-3, 3)) for x in range(-20, w + 40, 14)]
    back_d = "M-20,%d " % (h + 5) + " ".join("L%.1f,%.1f" % q for q in back) + " L%d,%d Z" % (w + 40, h + 5)
    p.shape(back_d, "#353a48", strata, RIM, rim_dx=-1, rim_dy=2, rim_opacity=0.3)
    p.add('<path d="%s" fill="#1c2a48" opacity="0.35"/>' % back_d)
    # Buttresses from back to front: each nearer row lower, darker and with a harder rim.
    rows = [(0.0, "#363842", 0.55, 1.0), (22.0, "#2a2b33", 0.65, 1.0)]
    moss = ""
    tops, masses = [], []
    for depth, (drop, fill, rim_op, tall) in enumerate(rows):
        x = -40.0 + depth * 37
        while x < w + 40:
            bw = rng.uniform(70, 190) * (0.8 if depth else 1.0)
            t = _crest(x + bw / 2) * tall + drop + rng.uniform(-10, 12)
            mass, face, ledge = _buttress(rng, x, bw, t, h)
            tops.append((x, x + bw, t))
            masses.append(mass)
            p.shape(mass, fill, strata, RIM, rim_dx=-1, rim_dy=3, rim_soft=0.9, rim_opacity=rim_op)
            clip = _clip(p, mass)
            g = '<path d="%s" fill="#8494bc" opacity="0.3"/>' % face
            g += '<path d="%s" fill="#000" opacity="0.4" transform="translate(%.1f,0)"/>' % (face, -bw * 0.62)
            p.add('<g clip-path="url(#%s)" filter="%s">%s</g>' % (clip, grit, g))
            # Joints down the face: a dark cleft with its moonward lip caught by the light.
            joints = ""
            for _ in range(int(bw / 40) + 1):
                jx, jy = x + rng.uniform(0.1, 0.9) * bw, t + rng.uniform(4, 20)
                d = "M%.1f,%.1f" % (jx, jy)
                for _ in range(4):
                    jx += rng.uniform(-9, 9)
                    jy += rng.uniform(10, 26)
                    d += " L%.1f,%.1f" % (jx, jy)
                joints += d + " "
            p.add('<g clip-path="url(#%s)"><path d="%s" fill="none" stroke="#05070c" stroke-width="1.6" opacity="0.7"/>'
                  '<path d="%s" fill="none" stroke="%s" stroke-width="0.7" opacity="0.22" transform="translate(1.3,0)"/>'
                  '</g>' % (clip, joints, joints, RIM))
            moss += ledge
            x += bw * rng.uniform(0.55, 0.85)
    # Moss cushions on the ledges, their upper edge silvered by the moon.
    tuft = p.noise_mask("0.1", octaves=3, gain=2.6, bias=-0.5, seed=21)
    p.add('<g filter="%s"><path d="%s" fill="#1a2a1e"/></g>' % (tuft, moss))
    p.add('<g filter="%s"><path d="%s" fill="#7a9a84" opacity="0.35" transform="translate(1,-1.5)"/></g>' % (
        p.noise_mask("0.22", octaves=2, gain=2.6, bias=-1.2, seed=22), moss))
    # Ferns and grass on the crests, black against the storm.
    blades = ""
    for x0, x1, t in tops:
        for _ in range(int((x1 - x0) / 6)):
            x = rng.uniform(x0 + 6, x1 - 6)
            hh = rng.uniform(3, 11)
            lean = rng.uniform(-4, 3)
            y = t + rng.uniform(1, 4)
            blades += "M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f Z " % (
                x, y, lean * 0.3, -hh * 0.6, lean, -hh, -lean * 0.4, hh * 0.5, 2 - lean, hh)
    p.add('<path d="%s" fill="#0a120e"/>' % blades)
    # Night gathers at the foot: the credit line is written over it.
    rock = p.uid("rock")
    p.define('<clipPath id="%s">%s</clipPath>' % (rock, "".join('<path d="%s"/>' % d for d in [back_d] + masses)))
    p.add('<rect width="%d" height="%d" fill="%s" clip-path="url(#%s)"/>' % (w, h, p.linear(
        [(0, "#04060c", 0), (0.5, "#04060c", 0.3), (0.74, "#04060c", 0.9), (1, "#04060c", 1)]), rock))
    return p.svg()


def _crest(x):
    """Height of the cliffs' crest along the strip: a ridge in front of the tower's crag, low enough
    that the rising tower shows early; a saddle, then crags to the right."""
    # Low enough at the left that the tower's top shows early in its rise.
    if x < 340:
        return 62 + 10 * math.sin(x / 37.0)
    if x < 640:
        return 62 + 34 * math.sin((x - 340) / 300.0 * math.pi)
    return 70 - 20 * math.sin((x - 640) / 210.0) + 10 * math.sin(x / 61.0)


def _buttress(rng, x, bw, t, h):
    """One mass of rock: steep sides, a broken top; its moonlit face on the right, and the moss
    of its ledges."""
    n = rng.randint(3, 5)
    top = [(x + bw * (0.12 + 0.76 * i / (n - 1)), t + rng.uniform(-9, 9) - (10 if i == n // 2 and bw > 140 else 0))
           for i in range(n)]
    left = [(x - rng.uniform(0, 8), h + 5), (x + rng.uniform(0, 6), t + rng.uniform(30, 60)),
            (x + bw * 0.05, t + rng.uniform(6, 16))]
    right = [(x + bw * 0.95, t + rng.uniform(4, 14)), (x + bw + rng.uniform(-4, 6), t + rng.uniform(24, 50)),
             (x + bw + rng.uniform(0, 10), h + 5)]
    pts_ = left + top + right
    face = poly([top[-2], top[-1], right[0], right[1], right[2],
                 (x + bw * rng.uniform(0.55, 0.7), h + 5), (x + bw * rng.uniform(0.6, 0.72), t + 30)])
    ledge = ""
    for (xa, ya), (xb, yb) in zip(top, top[1:]):
        ledge += "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z " % (
            xa, ya - 2, xb, yb - 2, xb, yb + rng.uniform(3, 8), xa, ya + rng.uniform(3, 8))
    if rng.random() < 0.7:  # a shelf half-way down
        sy = t + rng.uniform(35, 70)
        sx = x + bw * rng.uniform(0.1, 0.5)
        ledge += "M%.1f,%.1f h%.1f v%.1f h%.1f Z " % (sx, sy, bw * rng.uniform(0.2, 0.4), rng.uniform(3, 6), -bw * 0.3)
    return poly(pts_), face, ledge


def _clip(p, d):
    cid = p.uid("cl")
    p.define('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d))
    return cid


PICTURES = {
    "Form5.Image1": starburst,
    "Form5.Image10": blood_drop,
    "Form3.Image5": cliffs,
    "Form3.Image7": ground_wall,
    "Form3.Image79": resource_panel,
    "Form3.Image83": lambda w, h: music_icon(w, h, True),
    "Form3.Image84": lambda w, h: music_icon(w, h, False),
    "Form7.Image34": achievement_frame,
}
PICTURES.update({"Form5.Image%d" % (3 + kind): (lambda k: lambda w, h: pendant(w, h, k))(kind) for kind in range(1, 6)})
