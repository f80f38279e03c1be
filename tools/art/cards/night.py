"""night.py -- cards 1..21, the night-blue run: intrigue, court and family under the moon."""
import math
import random

import figkit as fk
from cards.paint import W, H, f, pts, curve, limb, head, hand, body, cloak, horse, tower, windows, mix


def abandon(S):
    """A broken tower left to the crows, the moon showing through its empty windows."""
    p = S.p
    S.sky(clouds=0.45).stars(30, 100).moon(98, 52, 20)
    S.ridge(150, 12, "#16264a", n=6, seed=1).fog(130, 40, opacity=0.35)
    rng = random.Random(3)
    t = tower(52, 178, 40, 128, broken=True, rng=rng)
    S.lit(t, dx=1, dy=-0.6, textured=True, fill="#0b1222")
    # holes where the floors fell: the sky shows through
    S.add('<g fill="%s" opacity="0.85">' % p["low"] + "".join(
        '<path d="M%s,%s v-7 a3.5,3.5 0 0 1 7,0 v7 Z"/>' % (f(x), f(y)) for x, y in ((44, 80), (56, 108), (44, 138))) + "</g>")
    # fallen blocks and dead grass in front
    blocks = "".join('<rect x="%s" y="%s" width="%s" height="%s" transform="rotate(%d %s %s)"/>' % (
        f(x), f(y), f(w), f(h), a, f(x), f(y)) for x, y, w, h, a in ((76, 176, 12, 7, 14), (88, 182, 9, 6, -20), (22, 180, 10, 6, 8)))
    S.lit(blocks + '<path d="M0,202 L0,180 Q40,172 70,178 Q110,184 140,174 L140,202 Z"/>', dx=1, dy=-1)
    for i in range(5):  # crows
        x, y = 80 + i * 9 + rng.uniform(-4, 4), 30 + rng.uniform(0, 40)
        S.add('<path d="M%s,%s q3,-3 5,0 q2,-3 5,0 q-2,-0.5 -5,1.5 q-3,-2 -5,-1.5 Z" fill="#02040a"/>' % (f(x), f(y)))
    S.vignette()


def architect(S):
    """A tower drawn on the drafting table, the dividers open on the plan, by candlelight."""
    S.sky(clouds=0.0)
    # a window on the night behind the table
    S.add('<path d="M82,20 h44 v70 h-44 Z" fill="#0f2250"/>')
    S.clouds(0.5, "#7090d0", y=20, h=70)
    S.add('<path d="M82,20 h44 v70 h-44 Z M104,20 v70 M82,55 h44" fill="none" stroke="#05070e" stroke-width="3"/>')
    S.glow(34, 86, 70, "#ffc070", 0.55)
    # the table top in perspective, and the plan on it
    S.add('<polygon points="0,124 140,118 140,202 0,202" fill="#2a1a10" filter="url(#%s)"/>' % S.texture(0.06, 0.5))
    S.add('<polygon points="18,130 124,124 136,196 8,200" fill="#d8d0b8" filter="url(#%s)"/>' % S.texture(0.2, 0.3))
    plan = ('M48,192 L52,146 L60,146 L60,138 L64,138 L64,146 L72,146 L72,138 L76,138 L76,146 L84,146 L88,192 Z '
            'M62,192 v-14 a6,6 0 0 1 12,0 v14 M58,160 h4 v6 h-4 Z M76,160 h4 v6 h-4 Z M30,194 H110 M30,190 v8 M110,190 v8 '
            'M96,150 L120,146 M96,160 L122,158')
    S.add('<path d="%s" fill="none" stroke="#28407a" stroke-width="1"/>' % plan)
    # the dividers: a hinge, two legs, points on the plan
    S.lit('<circle cx="96" cy="96" r="3.5"/>' + limb((96, 96), (78, 176), 3, 1.2) + limb((96, 96), (114, 172), 3, 1.2),
          dx=-1, dy=-0.3, col="#ffd890", fill="#7a5a2a")
    # the candle on the left
    S.add('<rect x="22" y="98" width="9" height="32" fill="#e8dcc0"/><path d="M22,98 q4.5,-3 9,0" fill="#fff"/>')
    S.add('<g filter="url(#%s)"><path d="M26.5,96 q-4,-8 0,-16 q4,8 0,16 Z" fill="#ffe0a0"/></g>' % S.bloom(2.5))
    S.add('<ellipse cx="26.5" cy="130" rx="12" ry="3" fill="#6a4a22"/>')
    S.vignette(0.8)


def assassin(S):
    """A hooded killer on one knee on a roof ridge, dagger drawn, black against the moon."""
    S.sky(clouds=0.35).moon(70, 76, 44, halo=1.8)
    spires = ""
    rng = random.Random(5)
    x = 0
    while x < 140:  # the city far below: spires in mist
        w = rng.uniform(6, 14)
        hh = rng.uniform(12, 34)
        spires += '<rect x="%s" y="%s" width="%s" height="%s"/>' % (f(x), f(170 - hh), f(w), f(hh + 40))
        spires += '<polygon points="%s"/>' % pts([(x, 170 - hh), (x + w / 2, 170 - hh - w * 1.4), (x + w, 170 - hh)])
        x += w + rng.uniform(1, 6)
    S.add('<g fill="#1a2c58" opacity="0.9">%s</g>' % spires).fog(150, 40, opacity=0.5)
    S.lit('<polygon points="0,202 0,170 140,156 140,202"/>', dx=0, dy=-1, textured=True)
    # one silhouette: hood, cloak streaming left, forward knee up, back knee on the tiles,
    # the dagger arm thrust out toward the right
    fig = ('<path d="M62,82 C56,82 52,88 52,96 C50,104 48,112 44,122 C38,134 28,146 14,154 C26,156 36,152 44,148 '
           'L46,166 L60,164 L62,150 L76,146 L84,152 L82,164 L92,162 L92,146 C92,140 86,134 80,132 L78,118 '
           'C80,112 80,104 78,98 C76,88 70,82 62,82 Z"/>')
    fig += limb((72, 106), (90, 112), 6, 5) + limb((90, 112), (106, 104), 5, 4) + hand(108, 103, 3, -20)
    fig += '<path d="M62,86 C68,86 72,92 72,98 L76,100 L71,102 C70,106 66,108 62,106 Z"/>'  # face shadowed in the hood
    S.lit(fig, dx=0, dy=-1, width=1.1, fill="#020308")
    S.add('<path d="M71,98 l4,1.5 l-4,1" fill="#8aa8e0" opacity="0.8"/>')  # the moon on his nose and chin
    S.add('<g filter="url(#%s)"><polygon points="110,101 130,92 131,94 111,105" fill="#e8f0ff"/></g>' % S.bloom(1))
    S.add('<path d="M109,99 L112,106" stroke="#a08040" stroke-width="2"/>')
    S.vignette()


def babel(S):
    """A spiralling ziggurat climbs into the storm, lamps on every tier."""
    S.sky(top="#060a18", mid="#142650", low="#3a5a90", clouds=0.0)
    S.glow(70, 20, 70, "#a0c0ff", 0.5)
    S.clouds(0.75, "#8aa4d8", freq="0.02 0.05", y=0, h=70)
    S.ridge(186, 6, "#0a1020", n=5, seed=4)
    tiers = ""
    lamps = []
    for i in range(9):
        w = 112 - i * 11
        y = 188 - i * 18
        tiers += '<polygon points="%s"/>' % pts([(70 - w / 2, y), (70 - w / 2 + 4, y - 17), (70 + w / 2 - 4, y - 17), (70 + w / 2, y)])
        # the ramp winds across each tier
        tiers += '<polygon points="%s" opacity="0.5"/>' % pts([(70 - w / 2 + 2, y - 3), (70 + w / 2 - 6, y - 15), (70 + w / 2 - 2, y - 14), (70 - w / 2 + 6, y - 2)])
        for k in range(1, 4):
            lamps.append((70 - w / 2 + w * k / 4, y - 9))
    S.lit(tiers, dx=-0.6, dy=-1, textured=True, fill="#101830")
    S.add(windows([(x - 1, y, 2.4, 4) for x, y in lamps], "#ffd890", S))
    # the unfinished top lost in cloud
    S.clouds(0.6, "#a8bce0", freq="0.03 0.06", y=0, h=46, seed=9)
    S.vignette(0.6)


def sheep(x, y, s, facing=1):
    k = facing
    out = '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(x), f(y), f(9 * s), f(6 * s))
    for dx, dy in ((-6, -4), (-1, -6), (5, -4), (7, 1), (-8, 1)):
        out += '<circle cx="%s" cy="%s" r="%s"/>' % (f(x + dx * s), f(y + dy * s), f(3.5 * s))
    out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%d %s %s)"/>' % (
        f(x + k * 11 * s), f(y - 3 * s), f(3.6 * s), f(2.4 * s), 25 * k, f(x + k * 11 * s), f(y - 3 * s))
    out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(x + k * 9 * s), f(y - 5.5 * s), f(2.2 * s), f(1 * s))
    for lx in (-6, -3, 4, 7):
        out += '<rect x="%s" y="%s" width="%s" height="%s"/>' % (f(x + lx * s), f(y + 3 * s), f(1.5 * s), f(7 * s))
    return out


def black_sheep(S):
    """The flock grazes pale below; one black sheep stands apart on the rock, watching."""
    S.sky(clouds=0.3).stars(25, 90).moon(34, 40, 16)
    S.ridge(120, 10, "#1c3060", n=5, seed=2).fog(110, 30, opacity=0.3)
    S.ridge(140, 6, "#24406e", n=6, seed=3)
    for i, (x, y, s) in enumerate(((24, 150, 0.55), (44, 156, 0.6), (64, 148, 0.5), (16, 162, 0.65), (52, 166, 0.7), (80, 158, 0.55))):
        S.add('<g fill="#c8d4ec" opacity="0.85">%s</g>' % sheep(x, y, s, -1 if i % 2 else 1))
    S.lit('<path d="M70,202 L78,170 Q96,160 118,164 L140,172 L140,202 Z"/>', dx=-1, dy=-1, textured=True, fill="#0e1426")
    S.lit(sheep(104, 150, 1.5, -1), dx=-1, dy=-0.7, width=1.2, fill="#06070c")
    S.add('<circle cx="89.5" cy="140.5" r="0.9" fill="#e8f0ff"/>')
    S.vignette()


def blood_feud(S):
    """Two blades meet edge to edge between the torn banners of two houses; blood runs down."""
    S.sky(clouds=0.4).glow(70, 78, 60, "#c0d4ff", 0.6)
    S.add('<path d="M6,0 h40 v120 l-10,-10 l-10,14 l-10,-12 l-10,10 Z" fill="#203a8a" filter="url(#%s)"/>' % S.texture(0.15, 0.4))
    S.add('<path d="M94,0 h40 v104 l-8,8 l-12,-12 l-10,16 l-10,-10 Z" fill="#6a1018" filter="url(#%s)"/>' % S.texture(0.15, 0.4))
    S.add('<path d="M20,40 l6,-12 l6,12 l-6,12 Z" fill="#d0b060"/><circle cx="114" cy="40" r="7" fill="none" stroke="#d0b060" stroke-width="2.5"/>')
    blades = ('<polygon points="14,196 16,192 78,70 80,66 81,72 20,198"/><polygon points="126,196 124,192 62,70 60,66 59,72 120,198"/>')
    S.lit(blades, dx=0, dy=-1, col="#ffffff", fill="#8a98b0")
    S.add('<path d="M6,178 L30,190 M134,178 L110,190" stroke="#b08838" stroke-width="4"/>')
    S.add('<path d="M18,186 L10,200 M122,186 L130,200" stroke="#3a2412" stroke-width="5"/>')
    S.add('<g filter="url(#%s)"><circle cx="70" cy="86" r="3" fill="#fff"/>' % S.bloom(3) +
          "".join('<path d="M70,86 l%s,%s" stroke="#fff4c0" stroke-width="0.8"/>' % (f(14 * math.cos(a)), f(14 * math.sin(a))) for a in (0.3, 1.2, 2.3, 3.0, 4.1, 5.2)) + "</g>")
    for x, y, l in ((62, 104, 20), (76, 100, 28), (46, 134, 16)):
        S.add('<path d="M%s,%s v%s" stroke="#a0060c" stroke-width="2.2" stroke-linecap="round"/><circle cx="%s" cy="%s" r="2" fill="#a0060c"/>' % (
            f(x), f(y), f(l), f(x), f(y + l + 4)))
    S.vignette()


def bloodline(S):
    """The house's great book open under a moonbeam: its family tree drawn in blood."""
    S.sky(top="#03050c", mid="#0a1430", low="#162850", clouds=0.0)
    S.add('<polygon points="10,0 50,0 130,202 30,202" fill="#9cb8f0" opacity="0.18" filter="url(#%s)"/>' % S.blur(4))
    # the lectern and the book, open, its pages curving
    S.lit('<polygon points="40,150 100,150 92,202 48,202"/>', dx=-1, dy=-1, textured=True, fill="#1c120c")
    S.add('<path d="M2,108 Q36,86 70,100 Q104,86 138,108 L134,160 Q100,144 70,160 Q40,144 6,160 Z" fill="#4a1010"/>')
    for side in (-1, 1):
        S.add('<path d="M70,96 Q%s,80 %s,102 L%s,154 Q%s,140 70,154 Z" fill="%s" filter="url(#%s)"/>' % (
            f(70 + side * 34), f(70 + side * 64), f(70 + side * 62), f(70 + side * 34), "#e6dcc0" if side < 0 else "#d4c8aa", S.texture(0.25, 0.3)))
    # the family tree: each generation a row of names joined to the one before
    rows = [(70, 146, [0]), (0, 130, [-40, -14, 14, 40]), (0, 114, [-52, -40, -28, -8, 8, 28, 44, 54])]
    tree = ""
    prev = [(70, 146)]
    for _, y, xs in rows[1:]:
        cur = [(70 + dx, y) for dx in xs]
        for x, yy in cur:
            px, py = min(prev, key=lambda q: abs(q[0] - x))
            tree += "M%s,%s L%s,%s L%s,%s " % (f(px), f(py - 2), f(px), f((py + yy) / 2), f(x), f(yy + 2))
        prev = cur
    S.add('<path d="%s" stroke="#8a0a10" stroke-width="0.9" fill="none"/>' % tree)
    for _, y, xs in rows:
        for dx in xs:
            x = 70 + dx if dx or y != 146 else 70
            S.add('<rect x="%s" y="%s" width="7" height="3" rx="1" fill="#a01014"/>' % (f(x - 3.5), f(y - 1.5)))
    # the blood drips from the point of a golden dagger into the book
    S.lit('<polygon points="96,20 100,20 99,62 98,70 97,62"/>', dx=-1, dy=0, col="#ffffff", fill="#a8b4c8")
    S.add('<rect x="90" y="16" width="16" height="4" rx="1.5" fill="#c8a040"/><rect x="96" y="4" width="4" height="12" fill="#5a3014"/><circle cx="98" cy="3" r="2.5" fill="#c8a040"/>')
    S.add('<g filter="url(#%s)"><path d="M98,74 q3.5,7 0,10 q-3.5,-3 0,-10 Z" fill="#c0101a"/><path d="M98,92 q2.5,5 0,7 q-2.5,-2 0,-7 Z" fill="#c0101a"/>'
          '<ellipse cx="100" cy="120" rx="5" ry="2" fill="#a00810"/></g>' % S.bloom(1))
    S.vignette()


def conscript(S):
    """Marched off with the column at dawn, the farm boy under his too-big helmet looks back at home."""
    S.sky(clouds=0.45).moon(34, 36, 12)
    S.ridge(128, 10, "#1a2a4c", n=7, seed=8)
    # the cottage he is leaving, a lit door and his mother in it
    S.lit('<polygon points="104,140 104,118 118,106 132,118 132,140"/>', dx=-0.8, dy=-1, textured=True, fill="#0e1628")
    S.add('<rect x="114" y="124" width="7" height="16" fill="#ffc870"/><rect x="124" y="120" width="4" height="4" fill="#ffc870"/>')
    S.add('<g fill="#0a0e18">%s</g>' % (limb((117.5, 130), (117.5, 140), 4, 5) + '<circle cx="117.5" cy="127" r="2"/>' +
                                      limb((118.5, 130), (122, 124), 1.4, 1.2)))
    # the column ahead of him, going away down the road with their spears
    col = ""
    for i, (x, s_) in enumerate(((10, 0.55), (26, 0.62), (42, 0.7))):
        y = 136 + i * 4
        col += limb((x, y), (x - 2, y - 22 * s_), 8 * s_, 7 * s_) + '<circle cx="%s" cy="%s" r="%s"/>' % (f(x - 2), f(y - 27 * s_), f(4.5 * s_))
        col += limb((x - 2, y), (x - 6, y + 14 * s_), 3.5 * s_, 3 * s_) + limb((x + 2, y), (x + 5, y + 14 * s_), 3.5 * s_, 3 * s_)
        col += '<path d="M%s,%s L%s,%s" stroke="#142244" stroke-width="1.2"/>' % (f(x - 8), f(y - 4), f(x + 14), f(y - 60 * s_))
    S.add('<g fill="#142244">%s</g>' % col)
    S.fog(126, 30, opacity=0.4)
    S.lit('<path d="M-2,202 L-2,176 Q40,166 80,170 Q116,174 142,168 L142,202 Z"/>', dx=-0.4, dy=-1, textured=True, fill="#0c1220")
    # the boy in mid-stride: left foot forward, free arm swinging, the spear on his shoulder;
    # slight, his coat and helmet made for a bigger man
    S.add('<path d="M62,134 L118,36" stroke="#5a3c22" stroke-width="2.4"/><polygon points="122.5,28 119.8,39.4 115.6,37" fill="#c8d4e8"/>')
    fig = fk.torso((70, 100), (70, 111), (71, 126), (72, 138), 1.1, shoulders=12, waist_w=8.5, hips=9.5)
    fig += fk.leg((76, 138), (81, 161), (91, 180), (86, 186), 1.1, -1, boot=True)
    fig += fk.leg((68, 138), (60, 160), (52, 182), (44, 184), 1.1, -1, boot=True)
    fig += fk.arm((64, 104), (58, 121), (53, 134), 1.05, -1) + fk.hand(53, 134, 1.9, 0.9, grip=False)
    fig += fk.arm((76, 103), (87, 116), (83, 101), 1.05, -1)
    hx, hy = 71, 88
    fig += fk.face_profile(hx, hy, 1.05, facing=1, tilt=-0.04)
    # the kettle helmet, its brim wide over his eyes
    fig += fk.smooth([fk.point(hx, hy, *q, s=1.05, tilt=-0.04) for q in
                      ((-9.6, -3.2), (-6.4, -8.8), (0.0, -10.6), (6.2, -8.6), (9.4, -3.0), (7.0, -2.6), (0.0, -3.6), (-7.2, -2.6))])
    # his quilted coat, too long for him, hanging past his knees
    fig += fk.smooth([(62, 103), (78, 103), (80, 116), (78, 127), (84, 140), (89, 153), (80, 151), (72, 155), (62, 151), (56, 153), (62, 138), (64, 127), (61, 116)])
    S.lit("".join('<path d="M%s"/>' % q for q in fig.split("M") if q.strip()), dx=-0.8, dy=-0.8, width=1.6, fill="#0b0f18",
          textured=True)
    S.lit('<path d="%s"/>' % fk.fist(82, 99, -2.1, 0.95), dx=-0.8, dy=-0.8, fill="#0b0f18")
    S.add('<g stroke="#3a4a70" stroke-width="0.6" fill="none" opacity="0.6">' + "".join(
        '<path d="M%s,112 L%s,150"/>' % (f(66 + i * 5), f(64 + i * 8)) for i in range(3)) + '<path d="M63,127 H79"/></g>')
    # his face turned back toward the door: a wide eye under the helmet's brim, the mouth set
    ex, ey = fk.point(hx, hy, 3.3, -1.2, 1.05, 1, -0.04)
    S.add('<ellipse cx="%s" cy="%s" rx="1.2" ry="0.9" fill="#dfe8ff"/><circle cx="%s" cy="%s" r="0.5" fill="#000"/>'
          % (f(ex), f(ey), f(ex + 0.4), f(ey)))
    mx, my = fk.point(hx, hy, 5.0, 4.0, 1.05, 1, -0.04)
    S.add('<path d="M%s,%s h-2.2" stroke="#7a90c0" stroke-width="0.7"/>' % (f(mx), f(my)))
    S.vignette()


def consolidate(S):
    """The walls of every holding joined into one fortress on its hill."""
    S.sky(clouds=0.4).stars(30, 70).moon(26, 34, 11)
    S.ridge(120, 14, "#18284c", n=6, seed=6).fog(104, 30, opacity=0.35)
    # the hill
    S.lit('<path d="M0,202 L0,160 Q30,134 70,130 Q112,130 140,150 L140,202 Z"/>', dx=-0.7, dy=-1, textured=True, fill="#0c1428")
    keep = ""
    keep += '<polygon points="14,150 126,150 126,134 14,134"/>'  # the curtain wall
    for i in range(14):
        keep += '<rect x="%s" y="130" width="4" height="5"/>' % f(14 + i * 8)
    for x, w, hh in ((16, 12, 40), (46, 14, 56), (70, 20, 84), (96, 14, 60), (122, 12, 42)):
        keep += tower(x, 150, w, hh, top="crenel" if x != 70 else "cone")
    S.lit(keep, dx=-1, dy=-0.8, textured=True, fill="#0d1426")
    S.add(windows([(66, 92, 2.5, 5), (72, 92, 2.5, 5), (44, 110, 2.5, 5), (98, 112, 2.5, 5), (69, 120, 3, 6)], "#ffcf80", S))
    for x, hh in ((70, 118), (46, 96), (96, 100)):  # banners
        S.add('<path d="M%s,%s v-14 l9,3 l-9,4" fill="#3060d0" stroke="#0a1020" stroke-width="0.8"/>' % (f(x), f(150 - hh + 10)))
    S.vignette()


def conversion(S):
    """A circle of runes on the chapel floor: cold blue power poured in becomes gold."""
    S.sky(top="#02030a", mid="#0a1028", low="#101c40", clouds=0.0)
    # the floor in perspective
    S.add('<polygon points="0,110 140,110 140,202 0,202" fill="#121a30" filter="url(#%s)"/>' % S.texture(0.1, 0.5))
    for i in range(1, 6):
        S.add('<path d="M0,%s H140" stroke="#060a14" stroke-width="0.8"/>' % f(110 + i * i * 3.4))
    for x in range(-100, 260, 28):
        S.add('<path d="M70,110 L%s,202" stroke="#060a14" stroke-width="0.8" opacity="0.8"/>' % f(x))
    # the rune ring and the two orbs
    ring = '<ellipse cx="70" cy="160" rx="60" ry="20" fill="none" stroke="#80a8ff" stroke-width="1.5"/><ellipse cx="70" cy="160" rx="48" ry="15" fill="none" stroke="#80a8ff" stroke-width="0.8"/>'
    for i in range(12):
        a = i * math.pi / 6
        ring += '<path d="M%s,%s l2,-3 l2,3" stroke="#a8c8ff" stroke-width="0.8" fill="none"/>' % (f(68 + 54 * math.cos(a)), f(160 + 17.5 * math.sin(a)))
    S.add('<g filter="url(#%s)">%s</g>' % (S.bloom(1.5), ring))
    S.add('<polygon points="46,160 94,160 84,0 56,0" fill="#c8d8ff" opacity="0.12" filter="url(#%s)"/>' % S.blur(3))
    S.glow(36, 96, 30, "#4080ff", 0.9).glow(104, 96, 30, "#ffc040", 0.9)
    S.add('<g filter="url(#%s)"><circle cx="36" cy="96" r="9" fill="#a0c0ff"/><circle cx="104" cy="96" r="9" fill="#ffe090"/>' % S.bloom(2.5) +
          '<path d="M44,94 C60,70 80,120 96,96" stroke="#e0e8ff" stroke-width="2" fill="none"/>'
          '<path d="M44,98 C62,118 78,76 96,100" stroke="#ffe8b0" stroke-width="1.2" fill="none"/></g>')
    rng = random.Random(10)
    for _ in range(24):
        x = rng.uniform(40, 100)
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="%s" opacity="0.8"/>' % (f(x), f(rng.uniform(40, 150)), rng.uniform(0.4, 1.2), "#a0c0ff" if x < 70 else "#ffe0a0"))
    S.vignette()


def courtesan(S):
    """Her shadow tall on the lamplit silk screen: piled hair and pins, the fan raised to her lips."""
    S.sky(top="#04060e", mid="#0c1430", low="#18244a", clouds=0.0)
    # the silk screen glowing warm from the lamp behind it, a flowering branch painted on it
    S.add('<rect x="6" y="14" width="128" height="150" fill="#c08a58" filter="url(#%s)"/>' % S.texture(0.03, 0.35))
    S.glow(70, 84, 80, "#ffe0b0", 0.9)
    S.add('<g stroke="#8a5a34" fill="none" opacity="0.55"><path d="M134,40 C118,44 108,34 96,40 C90,44 84,40 80,34" stroke-width="1.4"/>'
          '<path d="M112,40 C108,30 112,24 118,22" stroke-width="1"/></g>'
          + "".join('<circle cx="%d" cy="%d" r="2" fill="#b06a5a" opacity="0.6"/>' % xy for xy in ((118, 22), (96, 40), (82, 33), (126, 43))))
    # her shadow, cast sharp: profile, swan neck, bodice and the long gown; the arm raising the fan
    fig = curve([(59, 60), (57, 52), (59, 44), (65, 39), (72, 39), (77, 44), (78, 48), (80, 52), (78, 60), (78.5, 65), (74, 69),
                 (74, 77), (82, 88), (87, 98), (82, 108), (78, 120), (86, 142), (98, 172),
                 (106, 168), (110, 176), (96, 182), (40, 182), (50, 150), (56, 122), (56, 102), (60, 86), (64, 76), (61, 68)])
    arm = limb((68, 86), (80, 106), 7, 5.6) + limb((80, 106), (96, 92), 5.6, 4) + hand(97, 90, 2.6, -40)
    face = '<polygon points="74,42 77,45 79,50 82.5,55 80,57 81,59.5 79.4,61.2 79.8,64 76,67 70,67"/><ellipse cx="60" cy="40" rx="8" ry="7"/>'
    fan = '<path d="M98,90 L98,62 A28,28 0 0 1 124,82 Z"/>'
    pins = ('<path d="M56,38 L44,28 M61,35 L59,22 M66,37 L76,26" stroke="#2a1408" stroke-width="1.2"/>'
            '<circle cx="44" cy="28" r="2"/><circle cx="59" cy="22" r="2"/><circle cx="76" cy="26" r="2"/>'
            '<path d="M59,24 l-4,6 M59,24 l4,6" stroke="#2a1408" stroke-width="0.8"/>')
    S.add('<g fill="#2a1408" opacity="0.93">%s%s%s%s</g>' % (fig.join(('<path d="', '"/>')) + face, arm, fan, pins))
    S.add('<g stroke="#c08a58" stroke-width="0.6" opacity="0.55">' + "".join(
        '<path d="M98,90 L%s,%s"/>' % (f(98 + 26 * math.cos(a)), f(90 - 26 * math.sin(a))) for a in [math.radians(d) for d in range(20, 90, 10)]) + "</g>")
    # the screen's lacquered frame and the room's dark edges
    S.add('<path d="M6,14 h128 v150 h-128 Z M49,14 v150 M91,14 v150" fill="none" stroke="#1a0e08" stroke-width="3"/>')
    S.add('<rect y="164" width="140" height="38" fill="#0a0810" filter="url(#%s)"/>' % S.texture(0.08, 0.4))
    S.add('<rect x="0" y="0" width="140" height="14" fill="#06040a"/>')
    # the lamp's foot in the room, on this side of the screen
    S.add('<path d="M14,202 L18,176 L26,176 L30,202 Z" fill="#1a1010"/><g filter="url(#%s)"><ellipse cx="22" cy="170" rx="7" ry="8" fill="#ffb060"/></g>' % S.bloom(3))
    S.vignette(0.7)


def demob(S):
    """The war is over: a helmet left on a sword in the ground, and the men walking home."""
    S.sky(top="#060a18", mid="#1a2c58", low="#6a7aa8", horizon=0.6, clouds=0.35).moon(96, 64, 10, halo=3)
    S.ridge(112, 8, "#2a3c68", n=6, seed=7).fog(100, 26, opacity=0.4)
    # a road winding to the horizon
    S.add('<path d="M88,112 C80,130 60,140 64,160 C68,180 90,190 100,202 L60,202 C50,184 36,170 44,152 C52,134 80,126 84,112 Z" fill="#44567e" filter="url(#%s)"/>' % S.texture(0.12, 0.4))
    S.ridge(150, 10, "#101a34", n=5, seed=8)
    for i, (x, y, s) in enumerate(((82, 118, 0.45), (76, 124, 0.5), (62, 142, 0.6))):  # men walking away
        j = dict(neck=(x, y - 14 * s), hip=(x, y), ls=(x - 3 * s, y - 13 * s), rs=(x + 3 * s, y - 13 * s), le=(x - 4 * s, y - 6 * s),
                 lw=(x - 3 * s, y), re=(x + 4 * s, y - 6 * s), rw=(x + 5 * s, y - 1 * s), lk=(x - 2 * s, y + 8 * s), la=(x - 3 * s, y + 15 * s),
                 rk=(x + 2 * s, y + 8 * s), ra=(x + 3 * s, y + 15 * s))
        S.add('<g fill="#0e1424">%s<circle cx="%s" cy="%s" r="%s"/><path d="M%s,%s l%s,%s" stroke="#0e1424" stroke-width="%s"/></g>' % (
            body(j, s), f(x), f(y - 18 * s), f(3 * s), f(x + 3 * s), f(y - 13 * s), f(6 * s), f(-10 * s), f(s)))
    # sword in the ground, a helmet hung on its hilt, a shield against it
    gear = '<polygon points="26,196 28,110 32,110 34,196"/><rect x="16" y="104" width="28" height="5" rx="2"/><rect x="27" y="92" width="6" height="12"/>'
    gear += '<path d="M12,100 L16,98 C16,78 44,78 44,98 L48,100 L46,104 L14,104 Z"/><rect x="28" y="96" width="4" height="16"/><path d="M30,80 C30,74 31,72 30,68 M20,92 h20" stroke="#1a2030" stroke-width="2"/>'
    gear += '<path d="M36,196 L38,146 Q54,138 70,146 L70,170 Q66,192 52,200 Z"/>'
    S.lit(gear, dx=1, dy=-0.6, width=1.2, textured=True, fill="#1a2030")
    S.vignette()


def harlequin(S):
    """The jester dances on one foot in the spotlight, three balls in the air."""
    S.sky(top="#020308", mid="#060a18", low="#0c1430", clouds=0.0)
    S.add('<polygon points="56,0 84,0 120,190 20,190" fill="#c8d8ff" opacity="0.14" filter="url(#%s)"/>' % S.blur(3))
    S.add('<ellipse cx="70" cy="186" rx="52" ry="10" fill="#8aa0d0" opacity="0.35"/>')
    j = dict(neck=(70, 74), hip=(72, 124), ls=(62, 78), rs=(80, 78), le=(50, 66), lw=(44, 50), re=(92, 64), rw=(100, 48),
             lk=(70, 154), la=(68, 184), rk=(94, 132), ra=(86, 152), lf=-1, rf=1)
    fig = body(j, 1.6, build=0.85)
    fig += hand(44, 48, 3, -100, fist=False) + hand(100, 46, 3, -80, fist=False)
    fig += head(71, 62, 6.5, facing=1)
    # the fool's cap of three bells
    fig += '<path d="M63,58 C56,40 48,40 42,46 C52,46 58,52 64,60 Z M70,54 C70,36 74,30 82,28 C78,38 76,46 76,56 Z M76,58 C86,44 96,44 102,52 C92,50 84,54 78,62 Z"/>'
    S.lit(fig, dx=0, dy=-1, col="#e0e8ff", width=1.3, fill="#1c1030")
    # diamonds of his motley, half in light
    dia = ""
    for i, (x, y) in enumerate(((66, 86), (74, 86), (70, 96), (62, 96), (78, 96), (66, 106), (74, 106), (70, 116))):
        dia += '<polygon points="%s" fill="%s"/>' % (pts([(x, y - 4), (x + 3.5, y), (x, y + 4), (x - 3.5, y)]), "#b01830" if i % 2 else "#d8c8ff")
    S.add('<g opacity="0.75">%s</g>' % dia)
    S.add('<path d="M66,61 q2,2 4,0 M68,66 q2,1.5 4,0" stroke="#e0e8ff" stroke-width="0.8" fill="none"/>')
    S.add('<g filter="url(#%s)">' % S.bloom(1.2) + "".join('<circle cx="%s" cy="%s" r="3" fill="%s"/>' % (f(x), f(y), c) for x, y, c in (
        (40, 28, "#ff5060"), (70, 14, "#ffe070"), (104, 26, "#70a0ff"))) + '<path d="M42,46 q2,-20 26,-32 M98,44 q-4,-22 -28,-30" stroke="#fff" stroke-width="0.4" stroke-dasharray="1 3" fill="none"/></g>')
    for x, y in ((42, 46), (82, 28), (102, 52)):
        S.add('<circle cx="%s" cy="%s" r="1.6" fill="#ffd860"/>' % (f(x), f(y)))
    S.vignette(0.8)


def nobles(S):
    """The court at the banquet: lords and a lady with their goblets against the tall windows."""
    S.sky(top="#04060e", mid="#0c1430", low="#142040", clouds=0.0)
    for x in (10, 56, 102):  # the tall arched windows of the hall
        S.add('<path d="M%s,150 V40 a14,14 0 0 1 28,0 V150 Z" fill="#4a6aa8"/>' % f(x))
        S.add('<path d="M%s,150 V40 a14,14 0 0 1 28,0 V150 Z M%s,26 V150 M%s,80 h28 M%s,115 h28" fill="none" stroke="#05070e" stroke-width="2"/>' % (
            f(x), f(x + 14), f(x), f(x)))
    S.glow(70, 90, 80, "#a8c4ff", 0.35)
    S.add('<rect y="150" width="140" height="52" fill="#0c101c" filter="url(#%s)"/>' % S.texture(0.08, 0.4))
    # the chandelier
    S.add('<path d="M70,0 V14 M50,18 Q70,28 90,18" stroke="#0a0c14" stroke-width="1.5" fill="none"/>')
    S.add(windows([(48, 12, 2, 4), (59, 16, 2, 4), (70, 18, 2, 4), (81, 16, 2, 4), (91, 12, 2, 4)], "#ffe0a0", S))
    rng = random.Random(14)
    figs = ""
    # a lord in a fur-trimmed robe, a lady in a gown, a bearded lord with a chain
    figs += '<path d="M16,200 L20,130 Q32,118 44,130 L48,200 Z"/>' + head(32, 108, 6, facing=1) + '<path d="M24,102 h16 v-6 h-16 Z"/>'
    figs += limb((42, 132), (52, 140), 4, 3) + limb((52, 140), (56, 126), 3, 2.4) + '<path d="M54,124 h6 l-1,5 h-4 Z M56.5,129 v5 M54,134 h5"/>'
    figs += '<path d="M56,200 C60,170 64,150 66,134 Q72,128 78,134 C80,150 84,170 92,200 Z"/>' + head(72, 112, 5.5, facing=-1, hair="long")
    figs += '<path d="M68,96 l2,-5 l2,3 l2,-4 l2,4 l2,-3 v5 Z"/>'  # her coronet
    figs += '<path d="M94,200 L98,132 Q110,120 122,132 L126,200 Z"/>' + head(110, 110, 6, facing=-1, beard=True)
    figs += limb((98, 136), (88, 142), 4, 3) + limb((88, 142), (84, 128), 3, 2.4) + '<path d="M80,126 h6 l-1,5 h-4 Z M82.5,131 v5 M80,136 h5"/>'
    S.lit(figs, dx=0, dy=-1, width=1.2, fill="#080a12")
    S.add('<path d="M100,140 Q110,150 120,140" stroke="#d8b050" stroke-width="1" fill="none"/>')
    S.vignette()


def peace(S):
    """A white dove with an olive twig crosses the moon over the still lake."""
    S.sky(clouds=0.25).stars(40, 90).moon(100, 44, 22, halo=2.2)
    S.ridge(122, 8, "#142448", n=7, seed=15)
    S.add('<rect y="122" width="140" height="80" fill="#0a1838"/>')
    S.add('<g filter="url(#%s)">' % S.blur(0.8) + "".join(
        '<rect x="%s" y="%s" width="%s" height="1.2" fill="#dce8ff" opacity="%.2f"/>' % (f(70 - w / 2), f(126 + i * 5), f(w), 0.8 - i * 0.05)
        for i, w in enumerate((30, 26, 34, 22, 28, 18, 24, 14, 18, 10, 12, 8, 6, 4))) + "</g>")
    S.ridge(186, 4, "#04070e", n=8, seed=16)
    # the dove, wings up, crossing in front of the moon
    dove = ('<path d="M44,92 C56,84 76,84 92,88 C98,86 102,84 106,86 L101,90 C96,94 88,98 74,98 C66,100 54,100 40,104 L30,112 L34,100 Z"/>'
            '<path d="M64,88 C60,70 58,52 46,36 C62,42 74,58 78,86 Z"/>'
            '<path d="M72,88 C78,70 88,54 104,46 C98,60 90,76 82,90 Z"/>')
    S.lit(dove, dx=0.2, dy=-1, col="#ffffff", fill="#e8eef8")
    S.add('<path d="M42,92 C44,82 58,80 70,84" fill="#b0c0dc" opacity="0.6"/>')
    S.add('<circle cx="100" cy="86" r="0.9" fill="#000"/><path d="M106,86 l4,1 l-4,1 Z" fill="#c89040"/>')
    S.add('<path d="M109,88 q6,2 10,8" stroke="#3a5a20" stroke-width="0.8" fill="none"/>' + "".join(
        '<ellipse cx="%s" cy="%s" rx="2.2" ry="1" fill="#6a9a40" transform="rotate(%d %s %s)"/>' % (f(x), f(y), a, f(x), f(y)) for x, y, a in ((112, 90, 30), (116, 92, 60), (114, 94, 10))))
    S.vignette()


def princess(S):
    """The princess on her tower balcony, tiara and long hair, looking out at the moon."""
    S.sky(clouds=0.4).stars(30, 80).moon(34, 42, 18)
    S.ridge(150, 18, "#1a2c58", n=5, seed=17, jag=6).fog(140, 30, opacity=0.35)
    # the tower wall and the balcony she leans on
    S.lit('<rect x="96" y="0" width="44" height="202"/><path d="M96,30 v60 a12,12 0 0 0 -8,0" />', dx=-1, dy=-0.3, textured=True, fill="#0e1628")
    fig = '<path d="M66,202 C62,180 60,150 64,128 C66,116 74,110 82,112 C90,116 94,130 92,150 C92,170 96,190 100,202 Z"/>'
    fig += head(76, 96, 7, facing=-1, hair="long")
    fig += limb((70, 120), (62, 138), 4, 3) + hand(61, 140, 2.5, 90)
    fig += '<path d="M70,84 l1.5,-5 l2,3 l1.5,-6 l1.5,6 l2,-3 l1.5,5 Z"/>'
    S.lit(fig, dx=-1, dy=-0.5, width=1.4, fill="#101626")
    S.add('<g filter="url(#%s)"><path d="M70,84 l1.5,-5 l2,3 l1.5,-6 l1.5,6 l2,-3 l1.5,5 Z" fill="#e8f0ff"/><circle cx="75" cy="80" r="0.9" fill="#80b0ff"/></g>' % S.bloom(1))
    S.add('<path d="M67,98 q1,1 2,0" stroke="#c8d8ff" stroke-width="0.8"/>')
    bal = '<rect x="36" y="140" width="104" height="6"/><rect x="36" y="176" width="104" height="26"/>'
    for i in range(9):
        bal += '<path d="M%s,146 q-3,8 0,15 q3,7 0,15 h5 q-3,-8 0,-15 q3,-7 0,-15 Z"/>' % f(40 + i * 11)
    S.lit(bal, dx=-1, dy=-1, textured=True, fill="#1a2440")
    S.vignette()


def the_rose(S):
    """One rose open in the moonlit garden, dew on its petals, thorns on its stem."""
    S.sky(top="#02040a", mid="#0a1430", low="#142448", clouds=0.2).glow(92, 40, 50, "#c0d0ff", 0.35)
    for i in range(6):  # leaves of the dark garden behind
        S.add('<ellipse cx="%s" cy="%s" rx="22" ry="8" fill="#0a1a24" transform="rotate(%d %s %s)"/>' % (
            f(10 + i * 26), f(160 + (i % 2) * 14), (-30 if i % 2 else 30), f(10 + i * 26), f(160 + (i % 2) * 14)))
    S.add('<path d="M70,202 C66,170 76,140 70,104" stroke="#14361c" stroke-width="4" fill="none"/>')
    for y in (180, 160, 138):
        S.add('<path d="M%s,%s l-5,-2 l4,-2 Z" fill="#14361c"/>' % (f(69 + (y % 3)), f(y)))
    S.add('<path d="M70,150 C86,138 100,140 108,130 C92,126 80,134 70,150 Z" fill="#1e5a26"/><path d="M70,150 L104,131" stroke="#0c2a10" stroke-width="0.7"/>')
    S.add('<path d="M70,130 C54,124 44,126 36,118 C52,112 62,120 70,130 Z" fill="#1a4e22"/>')
    # the bloom: outer petals dark, inner spiral brighter, lit from the upper right
    petals = ('<path d="M70,106 C44,104 38,78 46,62 C52,74 60,74 64,70 C58,60 62,48 70,44 C78,48 82,60 76,70 C80,74 88,74 94,62 C102,78 96,104 70,106 Z" fill="#8a0814"/>'
              '<path d="M70,100 C54,98 50,80 56,70 C62,78 70,78 70,78 C70,78 78,78 84,70 C90,80 86,98 70,100 Z" fill="#b8101e"/>'
              '<path d="M70,86 C62,84 60,74 66,66 C70,72 74,72 78,66 C82,74 78,84 70,86 Z" fill="#d82030"/>'
              '<path d="M66,66 C68,60 74,60 76,66 C72,64 70,66 70,70 C68,68 67,67 66,66 Z" fill="#f04050"/>')
    S.add('<g filter="url(#%s)">%s</g>' % (S.rim(1, -1, "#ffb0b8", 1.3), petals))
    for x, y in ((56, 90), (84, 80), (72, 96)):
        S.add('<circle cx="%s" cy="%s" r="1.3" fill="#fff" opacity="0.85"/>' % (f(x), f(y)))
    S.vignette()


def royalty(S):
    """The empty throne on its dais, the crown laid on its cushion in a shaft of light."""
    S.sky(top="#03050c", mid="#0a1026", low="#121c3a", clouds=0.0)
    S.add('<rect x="16" y="0" width="22" height="150" fill="#5a0c18" filter="url(#%s)"/><rect x="102" y="0" width="22" height="150" fill="#5a0c18" filter="url(#%s)"/>' % (
        S.texture(0.1, 0.4), S.texture(0.1, 0.4)))
    S.add('<path d="M16,150 l11,-10 l11,10 M102,150 l11,-10 l11,10" fill="#03050c"/>')
    S.add('<polygon points="58,0 82,0 110,170 30,170" fill="#dce6ff" opacity="0.18" filter="url(#%s)"/>' % S.blur(3))
    steps = '<rect x="10" y="186" width="120" height="16"/><rect x="22" y="174" width="96" height="13"/><rect x="34" y="164" width="72" height="11"/>'
    S.lit(steps, dx=0, dy=-1, textured=True, fill="#1a2036")
    throne = ('<path d="M44,164 L44,96 L48,60 Q56,40 70,34 Q84,40 92,60 L96,96 L96,164 L88,164 L88,130 L52,130 L52,164 Z"/>'
              '<path d="M38,130 h64 v8 h-64 Z M38,118 v20 M102,118 v20"/><circle cx="70" cy="32" r="4"/>')
    S.lit(throne, dx=0, dy=-1, col="#ffe8a0", width=1.3, fill="#3a2a10", textured=True)
    S.add('<path d="M54,120 Q70,112 86,120 L86,130 L54,130 Z" fill="#7a1020"/>')
    S.add('<path d="M54,66 Q70,58 86,66 L86,110 L54,110 Z" fill="#5a0c18" filter="url(#%s)"/>' % S.texture(0.2, 0.3))
    crown = '<path d="M58,120 L57,104 L63,111 L70,100 L77,111 L83,104 L82,120 Z" fill="#f0c850" stroke="#5a3a08" stroke-width="0.6"/>'
    S.add('<g filter="url(#%s)">%s</g>' % (S.bloom(1.2), crown))
    S.add('<circle cx="70" cy="114" r="1.8" fill="#d01020"/><circle cx="62" cy="116" r="1.1" fill="#2050d0"/><circle cx="78" cy="116" r="1.1" fill="#20a040"/>')
    S.vignette()


def seduction(S):
    """Her profile in the candlelight, eyes lowered, raising a cup of wine to whoever sits across from her."""
    S.sky(top="#03040a", mid="#0a1028", low="#141c3c", clouds=0.2).glow(18, 170, 80, "#ffb868", 0.55)
    # the face, throat and bare shoulder in profile: brow, nose, parted lips, chin
    face = curve([(112, 24), (96, 20), (80, 25), (71, 37), (69, 49), (70, 56), (64, 61), (57, 70), (56, 72.5), (61, 74.5), (61.5, 78),
                  (58.5, 80.5), (61.5, 82.5), (59.5, 86), (63, 89.5), (62, 95), (66, 101), (74, 106), (76, 116), (78, 128), (73, 142), (69, 160),
                  (70, 204), (142, 204), (142, 30)])
    S.lit('<path d="%s"/>' % face, dx=-1, dy=-0.4, col="#ffc88a", width=1.6, fill="#2a1e2c")
    S.add('<path d="%s" fill="%s"/>' % (face, "url(#%s)" % _warm(S)))
    S.lit('<path d="M86,80 C90,76 95,80 94,86 C93,92 90,94 87,92 Z"/>', dx=-1, dy=-0.4, col="#ffc88a", width=1, fill="#4a3038")
    # long dark hair from the brow over the crown and down her back, a jewelled comb in it
    hair = curve([(70, 37), (76, 24), (96, 12), (124, 14), (142, 34), (142, 150), (128, 150), (112, 138), (102, 122), (98, 104),
                  (98, 84), (94, 70), (86, 58), (84, 44), (78, 36)])
    S.lit('<path d="%s"/>' % hair, dx=-1, dy=-0.6, col="#ffb070", width=1.2, fill="#07060c", textured=True)
    S.add('<g stroke="#3a2a30" stroke-width="0.6" fill="none" opacity="0.8"><path d="M82,34 C96,26 112,40 118,80 C122,110 120,130 128,146"/>'
          '<path d="M90,30 C106,28 122,50 126,90 C128,120 132,136 136,148"/></g>')
    S.add('<path d="M96,16 l4,-6 l3,6 l4,-5 l2,6" stroke="#e8c060" stroke-width="1.2" fill="none"/>')
    S.add('<g filter="url(#%s)"><circle cx="91" cy="95" r="1.6" fill="#ffe0a0"/><path d="M91,97 l-1.4,5 h2.8 Z" fill="#c01830"/></g>' % S.bloom(1))
    # her gown, cut low across the shoulder
    S.lit('<path d="M68,204 L70,150 Q86,138 104,142 Q124,146 142,136 L142,204 Z"/>', dx=-1, dy=-0.6, col="#8aa8ff", width=1,
          fill="#0c1230", textured=True)
    # the lowered eye: lid, long lashes, brow; the lips darkened red
    S.add('<path d="M66,55 q4,2.4 8,0.4" stroke="#0c0608" stroke-width="1.2" fill="none"/>'
          '<path d="M66,55.5 l-1.6,1.8 M68,56.4 l-1,2.2 M70.5,56.8 l-0.4,2.2" stroke="#0c0608" stroke-width="0.6"/>'
          '<path d="M65,49 q5,-3 11,-1" stroke="#120a10" stroke-width="1.1" fill="none"/>'
          '<path d="M58.6,80.6 q1.8,-2 3,-2.2 M58.8,81 q1.4,2 2.8,4.4" stroke="#a01828" stroke-width="1.5" fill="none"/>')
    S.add('<path d="M56.6,72.5 q2,0.8 3.6,0.4" stroke="#ffd0a0" stroke-width="0.6" fill="none" opacity="0.8"/>')
    # her arm from the dark of her gown, long fingers round the stem of the cup
    arm = limb((66, 202), (50, 150), 12, 9) + limb((50, 150), (40, 116), 9, 6)
    arm += '<path d="M36,110 C34,106 38,102 42,104 L46,112 L40,120 Z"/>'
    S.lit(arm, dx=-1, dy=-0.4, col="#ffc88a", width=1.4, fill="#241a26")
    S.add('<path d="M38,108 q3,-1 5,2 M38,112 q3,-1 5,2 M39,116 q3,-1 4,1.6" stroke="#120c14" stroke-width="0.7" fill="none"/>')
    cup = '<path d="M28,80 H48 C48,92 44,98 38,99 C32,98 28,92 28,80 Z"/><rect x="37" y="98" width="2" height="14"/><ellipse cx="38" cy="113" rx="6" ry="1.6"/>'
    S.lit(cup, dx=-1, dy=-0.6, col="#fff0d0", width=1.2, fill="#6a5a48")
    S.add('<path d="M29,84 H47 C46,92 43,96 38,97 C33,96 30,92 29,84 Z" fill="#6a0814"/><ellipse cx="38" cy="84" rx="9" ry="1.4" fill="#a0182a"/>')
    S.add('<path d="M30,82 q1,8 5,13" stroke="#fff4e0" stroke-width="0.8" fill="none" opacity="0.8"/>')
    # the candle that lights her
    S.add('<rect x="12" y="178" width="8" height="26" fill="#e8dcc0"/><g filter="url(#%s)"><path d="M16,176 q-4,-8 0,-14 q4,6 0,14 Z" fill="#fff0c0"/></g>' % S.bloom(2.5))
    S.vignette(0.7)


def _warm(S):
    """Candlelight falling across a face from the left: warm on the near side, night on the far."""
    gid = S.uid("wm")
    S.defs.append('<linearGradient id="%s" x1="0" y1="0" x2="1" y2="0.3"><stop offset="0" stop-color="#ffb070" stop-opacity="0.75"/>'
                  '<stop offset="0.45" stop-color="#c06848" stop-opacity="0.35"/><stop offset="1" stop-color="#000" stop-opacity="0"/>'
                  '</linearGradient>' % gid)
    return gid


def slander(S):
    """A hooded whisperer at another's ear; the lie leaves his lips as a green serpent of smoke."""
    S.sky(top="#02040a", mid="#0a1430", low="#1a2c58", clouds=0.35).glow(70, 60, 40, "#7090c0", 0.3)
    listener = '<path d="M90,202 C92,160 94,130 98,110 Q108,96 120,104 C130,120 134,160 134,202 Z"/>' + head(104, 88, 9, facing=-1)
    S.lit(listener, dx=-1, dy=-0.6, width=1.3, fill="#0c1222")
    whisper = '<path d="M6,202 C8,150 10,120 22,104 Q36,92 50,104 C56,130 58,170 60,202 Z"/>' + head(44, 84, 9.5, facing=1, hood=True)
    whisper += limb((46, 110), (64, 104), 5, 4) + hand(66, 100, 4, -70, fist=False)
    S.lit(whisper, dx=1, dy=-0.6, width=1.3, fill="#06080e")
    serpent = 'M54,86 C62,82 66,90 72,86 C80,80 76,70 84,70 C90,70 92,78 96,82'
    S.add('<g filter="url(#%s)"><path d="%s" stroke="#70e090" stroke-width="2.4" fill="none" stroke-linecap="round"/>' % (S.bloom(2), serpent) +
          '<path d="M96,82 l4,-2 l-2,3 l3,1 l-5,0 Z" fill="#a0ffb0"/><circle cx="95" cy="81" r="0.7" fill="#000"/></g>')
    S.add('<path d="M54,86 C60,80 58,60 64,54 C70,48 74,56 70,60" stroke="#70e090" stroke-width="0.8" fill="none" opacity="0.4"/>')
    S.vignette()


def trader(S):
    """A merchant's scales weighing gold against a gem, under the stall's lantern."""
    S.sky(top="#03050c", mid="#0c1634", low="#1a2a50", clouds=0.3)
    S.add('<path d="M0,30 L140,20 L140,40 L0,50 Z" fill="#3a2a50"/>')
    for i in range(7):
        S.add('<path d="M%s,%s q10,10 20,0" fill="%s"/>' % (f(i * 20), f(48 - i * 1.4), "#5a3a60" if i % 2 else "#2a4a70"))
    S.add('<path d="M0,150 H140 V202 H0 Z" fill="#2a1a10" filter="url(#%s)"/>' % S.texture(0.05, 0.5))
    S.glow(40, 70, 40, "#ffd080", 0.8)
    S.add('<path d="M40,40 V60" stroke="#1a1008" stroke-width="1"/><path d="M34,60 h12 l-2,14 h-8 Z" fill="#2a1808"/>')
    S.add('<g filter="url(#%s)"><rect x="36" y="62" width="8" height="10" fill="#ffe0a0"/></g>' % S.bloom(2.5))
    scales = ('<rect x="82" y="64" width="4" height="86"/><path d="M70,150 h28 l-4,-6 h-20 Z"/><circle cx="84" cy="64" r="3"/>'
              '<path d="M56,74 L84,64 L112,56" stroke="#000" stroke-width="2.4"/>'
              '<path d="M56,74 L46,110 M56,74 L66,110 M112,56 L102,92 M112,56 L122,92" stroke="#000" stroke-width="0.6"/>'
              '<path d="M42,110 h28 q-14,8 -28,0 Z M98,92 h28 q-14,8 -28,0 Z"/>')
    S.add('<g filter="url(#%s)"><g fill="#a07a30" stroke="#a07a30">%s</g></g>' % (S.rim(-1, -0.5, "#ffe8a0", 1.2), scales))
    for i, (x, y) in enumerate(((50, 106), (58, 106), (54, 102), (62, 103), (46, 103), (56, 98))):
        S.add('<ellipse cx="%s" cy="%s" rx="4" ry="1.6" fill="#f0c040" stroke="#6a4a10" stroke-width="0.5"/>' % (f(x), f(y)))
    S.add('<g filter="url(#%s)"><polygon points="106,90 112,82 118,82 124,90 115,96" fill="#4080ff" stroke="#0a1a60" stroke-width="0.6"/></g>' % S.bloom(1.2))
    S.add('<path d="M108,86 h14 M112,82 l3,8 l3,-8" stroke="#c0d8ff" stroke-width="0.4" fill="none"/>')
    # a sack and crates on the stall
    S.lit('<path d="M6,150 C2,126 10,112 18,110 L26,108 L30,114 C36,122 36,140 32,150 Z"/><rect x="106" y="124" width="30" height="26"/>', dx=-1, dy=-1,
          fill="#2a1c10", col="#ffc870", textured=True)
    S.vignette()


CARDS = {1: abandon, 2: architect, 3: assassin, 4: babel, 5: black_sheep, 6: blood_feud, 7: bloodline, 8: conscript,
         9: consolidate, 10: conversion, 11: courtesan, 12: demob, 13: harlequin, 14: nobles, 15: peace, 16: princess,
         17: the_rose, 18: royalty, 19: seduction, 20: slander, 21: trader}
