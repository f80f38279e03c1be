"""silver.py -- cards 63..70, the silver-moonlight run: the great and rare powers."""
import math
import random

from cards.paint import W, H, f, pts, curve, limb, head, hand, body, cloak, horse, tower, windows


def blacklight(S):
    """A black sun in eclipse, its silver corona burning over the dark city."""
    S.sky(clouds=0.3)
    S.glow(70, 70, 70, "#e8eeff", 0.7)
    S.add('<g filter="url(#%s)">' % S.bloom(3) + "".join('<path d="M70,70 L%s,%s" stroke="#f0f4ff" stroke-width="0.8" opacity="0.6"/>' % (
        f(70 + 60 * math.cos(a)), f(70 + 60 * math.sin(a))) for a in [i * math.pi / 12 + 0.1 for i in range(24)]) + "</g>")
    S.add('<circle cx="70" cy="70" r="28" fill="#000"/><circle cx="70" cy="70" r="28" fill="none" stroke="#ffffff" stroke-width="1.4"/>')
    city = "".join(tower(x, 202, w, hh, top="cone" if i % 3 == 0 else "crenel") for i, (x, w, hh) in enumerate(
        ((8, 14, 50), (28, 12, 70), (50, 18, 44), (72, 10, 84), (92, 16, 56), (114, 12, 66), (132, 14, 48))))
    S.lit(city, dx=0, dy=-1, width=1.2, textured=True)
    S.vignette()


def devastate(S):
    """A dragon dives across the silver moon and breathes fire on the burning town below."""
    S.sky(clouds=0.4).moon(92, 56, 36, halo=1.9)
    S.ridge(150, 6, "#22262e", n=6, seed=64).fog(140, 30, opacity=0.35)
    # the town: gabled houses with their roofs burnt through, a broken steeple
    ruins = ""
    rng = random.Random(64)
    x = -4
    while x < 140:
        w = rng.randint(12, 20)
        top = rng.randint(160, 168)
        ruins += '<polygon points="%s"/>' % pts([(x, 186), (x, top), (x + w * 0.3, top - 8), (x + w * 0.45, top - 3),
                                                (x + w * 0.6, top - 6), (x + w, top + 2), (x + w, 186)])
        x += w + rng.randint(1, 4)
    ruins += '<polygon points="104,186 104,140 108,128 112,140 112,150 110,146 110,186"/>'
    S.glow(30, 178, 46, "#ff8a30", 0.8, ry=26)
    S.lit(ruins + '<rect y="184" width="140" height="18"/>', dx=-0.6, dy=-1, col="#ffb070", textured=True, fill="#0c0e12")
    S.add('<g filter="url(#%s)" opacity="0.55">' % S.blur(3) + "".join(
        '<ellipse cx="%s" cy="%s" rx="7" ry="14" fill="#a0a8b8"/>' % (f(x), f(y)) for x, y in ((48, 150), (96, 158), (124, 166))) + "</g>")
    # the far wing, raised behind the body and lost in the dark
    far = curve([(60, 98), (48, 66), (34, 40), (22, 36), (6, 44), (16, 54), (8, 64), (22, 70), (18, 82), (36, 86), (46, 100)])
    S.add('<path d="%s" fill="#05060a" opacity="0.9"/>' % far)
    # body: chest, belly, haunch, and the tail whipping back to its spade
    body_ = curve([(42, 112), (54, 100), (72, 93), (92, 89), (106, 91), (118, 96), (130, 104), (136, 116), (134, 128),
                   (130, 116), (122, 108), (110, 110), (96, 116), (80, 122), (64, 124), (50, 120)])
    spade = '<path d="M134,126 L140,136 L130,134 Z"/>'
    # neck arched down to the head: skull, brow ridge, long snout, lower jaw dropped open
    neck = curve([(56, 102), (46, 100), (38, 102), (30, 106), (26, 112), (34, 114), (42, 112), (50, 114)])
    skull = ('<path d="M34,100 L26,99 L18,104 L8,110 L6,113 L14,114 L22,114 L30,116 L36,112 Z"/>'  # upper jaw and skull
             '<path d="M28,114 L20,118 L10,124 L8,123 L16,116 L22,113 Z"/>'  # the lower jaw, open
             '<path d="M32,100 L40,92 L50,88 L42,94 L36,101 Z"/>'  # the long horn swept back
             '<path d="M28,100 L30,92 L36,86 L33,94 L31,100 Z"/>'  # the short horn
             '<path d="M36,110 L42,108 L40,113 Z"/>')  # cheek spike
    legs = limb((60, 112), (58, 122), 6, 4) + limb((58, 122), (54, 128), 4, 2.6)
    legs += limb((100, 102), (106, 116), 9, 5) + limb((106, 116), (98, 124), 5, 3)
    claws = '<path d="M52,128 l-3,3 M54,129 l-1,4 M96,124 l-4,2 M98,125 l-2,4" stroke="#05060a" stroke-width="1.2"/>'
    spine = "".join('<polygon points="%s"/>' % pts([(x, y), (x + 3, y - 5), (x + 5, y + 1)]) for x, y in
                    ((48, 100), (58, 96), (70, 93), (82, 91), (94, 89), (108, 91), (120, 96)))
    skull = '<g transform="translate(32,108) scale(1.35) translate(-32,-108)">%s</g>' % skull
    S.lit('<path d="%s"/><path d="%s"/>' % (body_, neck) + spade + skull + legs + spine, dx=0.6, dy=-1, col="#f4f6ff", width=1.3, fill="#0a0c10", textured=True)
    S.add(claws)
    # the near wing: arm, wrist with its thumb claw, four long fingers and the membrane between them
    wrist = (98, 26)
    tips = [(138, 14), (140, 46), (132, 74), (112, 86)]
    mem = "M66,96 L80,56 L%s,%s " % wrist + "L%s,%s " % tips[0]
    for (ax, ay), (bx, by) in zip(tips, tips[1:]):
        mx, my = (ax + bx) / 2, (ay + by) / 2
        mem += "Q%s,%s %s,%s " % (f(mx - (mx - wrist[0]) * 0.28), f(my - (my - wrist[1]) * 0.28), f(bx), f(by))
    mem += "Q96,90 84,96 Z"
    S.add('<path d="%s" fill="#0a0c12" opacity="0.94"/>' % mem)
    bones = '<path d="M66,96 L80,56 L98,26" fill="none" stroke="#080a0e" stroke-width="3.2" stroke-linejoin="round"/>'
    bones += "".join('<path d="M98,26 Q%s,%s %s,%s" stroke="#080a0e" stroke-width="1.6" fill="none"/>' % (
        f((98 + x) / 2 + 3), f((26 + y) / 2 - 3), f(x), f(y)) for x, y in tips)
    bones += '<path d="M98,26 L92,16 L96,24" fill="#080a0e" stroke="#080a0e" stroke-width="1.2"/>'
    S.lit(bones, dx=0.6, dy=-1, col="#ffffff", width=1.0, fill="#080a0e")
    # the fire pouring from its jaws onto the roofs, and the eye lit by it
    S.add('<g filter="url(#%s)"><path d="%s" fill="#ff7a28" opacity="0.9"/>'
          '<path d="M8,120 C4,132 2,150 6,168 L28,168 C22,154 16,140 12,124 Z" fill="#ffc060"/>'
          '<path d="M9,121 C7,132 7,144 10,156 C14,146 14,134 12,124 Z" fill="#fff4d0"/>'
          '<path d="M2,172 q4,-12 8,-4 q3,-10 8,-2 q4,-8 8,0 q4,-6 8,2 q3,-4 6,4 Z" fill="#ffd070"/></g>' % (S.bloom(2), curve(
              [(8, 119), (4, 128), (-2, 138), (2, 146), (-4, 158), (-2, 172), (20, 174), (44, 172), (36, 162), (38, 154),
               (28, 148), (26, 138), (18, 132), (16, 124)])))
    S.add('<g filter="url(#%s)"><circle cx="26" cy="104.5" r="1.5" fill="#ffe070"/></g>' % S.bloom(1))
    S.vignette()


def emerald(S):
    """A great emerald in its silver setting on a cushion, green fire in its facets."""
    S.sky(top="#020404", mid="#0a1410", low="#14241c", clouds=0.0).glow(70, 90, 60, "#40ff90", 0.55)
    S.add('<polygon points="50,0 90,0 110,130 30,130" fill="#e8f0ff" opacity="0.12" filter="url(#%s)"/>' % S.blur(4))
    S.add('<path d="M14,170 C20,140 50,134 70,136 C90,134 120,140 126,170 C100,180 40,180 14,170 Z" fill="#3a0c1a" filter="url(#%s)"/>' % S.texture(0.1, 0.45))
    S.add('<circle cx="16" cy="168" r="4" fill="#d0b040"/><circle cx="124" cy="168" r="4" fill="#d0b040"/>')
    outer = [(70, 60), (98, 74), (106, 104), (88, 132), (52, 132), (34, 104), (42, 74)]
    inner = [(70, 76), (88, 86), (92, 104), (80, 120), (60, 120), (48, 104), (52, 86)]
    S.add('<polygon points="%s" fill="#b8c0cc" stroke="#f0f4ff" stroke-width="1.2"/>' % pts([(x + (x - 70) * 0.08, y + (y - 96) * 0.08) for x, y in outer]))
    S.add('<polygon points="%s" fill="#0a7a40"/>' % pts(outer))
    cols = ["#0e9a50", "#2ae080", "#08703a", "#045028", "#066030", "#10b060", "#40f0a0"]
    for i in range(7):
        S.add('<polygon points="%s" fill="%s"/>' % (pts([outer[i], outer[(i + 1) % 7], inner[(i + 1) % 7], inner[i]]), cols[i]))
    S.add('<g filter="url(#%s)"><polygon points="%s" fill="#30d080"/></g>' % (S.bloom(2), pts(inner)))
    S.add('<polygon points="60,84 70,78 74,90 62,96" fill="#e0fff0" opacity="0.8"/>')
    S.vignette()


def sacrifice(S):
    """A ceremonial dagger laid on the stone altar, a bowl of blood and two candles in the moonbeam."""
    S.sky(clouds=0.0)
    S.add('<path d="M36,100 V40 a34,34 0 0 1 68,0 V100 Z" fill="#1a2030"/>')
    S.clouds(0.5, "#a0a8c0", y=6, h=94)
    S.add('<circle cx="82" cy="40" r="10" fill="#f4f6ff"/>')
    S.add('<path d="M36,100 V40 a34,34 0 0 1 68,0 V100 Z" fill="none" stroke="#05060a" stroke-width="3"/>')
    S.add('<polygon points="40,100 100,100 124,202 16,202" fill="#e8eeff" opacity="0.12" filter="url(#%s)"/>' % S.blur(4))
    S.lit('<rect x="18" y="128" width="104" height="14"/><rect x="28" y="142" width="84" height="60"/>', dx=0, dy=-1, textured=True, fill="#2a2c34")
    S.add('<path d="M40,142 v50 M100,142 v50" stroke="#4a0a10" stroke-width="1" opacity="0.6"/>')
    S.lit('<polygon points="34,124 88,118 90,121 36,127"/>', dx=0, dy=-1, col="#ffffff", fill="#9098a8")
    S.add('<rect x="88" y="114" width="4" height="14" fill="#c0c4cc" transform="rotate(-6 90 121)"/><rect x="92" y="118" width="16" height="4" rx="1.5" fill="#3a2a30" transform="rotate(-6 100 120)"/>')
    S.add('<path d="M50,126 q6,10 12,0" stroke="#8a0810" stroke-width="2" fill="none"/>')
    S.add('<ellipse cx="106" cy="124" rx="10" ry="3" fill="#7a7e8a"/><ellipse cx="106" cy="123" rx="8" ry="2" fill="#7a0410"/>')
    for x in (24, 114):
        S.add('<rect x="%d" y="106" width="5" height="22" fill="#e8eaf0"/><g filter="url(#%s)"><path d="M%s,105 q-3,-6 0,-10 q3,4 0,10 Z" fill="#f0f4ff"/></g>' % (x, S.bloom(2), f(x + 2.5)))
    S.vignette()


def stone(S):
    """A gargoyle crouched on the cathedral's corner high over the town, carved stone against the moon."""
    S.sky(clouds=0.35).moon(86, 68, 42, halo=1.7)
    # far below: the town's roofs and a few lit windows, blue with distance
    S.ridge(176, 8, "#1a2030", n=10, seed=67, jag=4)
    S.add(windows([(x, 184 + (x * 7) % 9, 1.6, 2.4) for x in (12, 30, 41, 66, 88, 97, 118, 131)], "#ffd890", S))
    S.fog(164, 30, opacity=0.4)
    # a pinnacle of the cathedral on the left, and the cornice the beast grips
    S.lit('<polygon points="10,150 10,76 16,60 22,76 22,150"/><polygon points="14,62 16,40 18,62"/>', dx=0.8, dy=-1,
          textured=True, fill="#1c2028")
    S.lit('<path d="M0,150 H140 V158 H136 V162 H0 Z"/><rect x="0" y="162" width="140" height="6"/>', dx=0, dy=-1,
          textured=True, fill="#2a2e36")
    S.add('<path d="M0,158 H136 M0,162 H140" stroke="#0a0c10" stroke-width="0.8"/>')
    # the folded wing behind it: arm, finger bones and the stiff stone membrane
    wing = ('<path d="M82,104 L90,66 L100,44 L130,36 Q120,50 134,60 Q118,68 128,84 Q110,86 112,104 Q98,102 90,112 Z"/>')
    S.lit(wing, dx=0.6, dy=-1, col="#f4f6ff", width=1.2, fill="#14161b", textured=True)
    S.add('<path d="M100,44 L118,64 M100,44 L114,86 M90,66 L102,102" stroke="#101216" stroke-width="1" fill="none"/>')
    # the body: brow and snout thrust forward, the hunched back, the great haunch, the braced arms
    trunk = curve([(44, 94), (50, 89), (56, 85), (62, 84), (70, 87), (80, 94), (92, 100), (102, 108), (110, 120), (113, 134),
                   (110, 145), (102, 150), (84, 150), (80, 142), (72, 136), (66, 126), (62, 114), (56, 106), (48, 103)])
    jaw = '<path d="M56,102 L48,103 L42,106 L44,102 L50,99 Z"/>'
    horns = ('<path d="M62,85 C66,74 74,68 82,68 C76,72 72,78 70,86 Z"/>'
             '<path d="M60,86 C58,78 58,72 62,66 C62,74 64,80 65,86 Z"/>')
    ear = '<path d="M68,90 L78,84 L72,94 Z"/>'
    arms = limb((72, 108), (66, 128), 10, 7) + limb((66, 128), (60, 147), 7, 5)
    claws = "".join('<polygon points="%s"/>' % pts([(x, 147), (x - 4, 151), (x + 2, 150)]) for x in (56, 60, 64))
    claws += "".join('<polygon points="%s"/>' % pts([(x, 147), (x - 4, 151), (x + 2, 150)]) for x in (86, 90))
    tail = ('<path d="M108,142 C118,146 124,154 122,164 C120,172 128,176 132,172 C130,178 122,180 118,172 C116,162 112,154 104,150 Z"/>'
            '<polygon points="130,170 136,166 134,174"/>')
    S.lit('<path d="%s"/>' % trunk + jaw + horns + ear + arms + claws + tail, dx=0.6, dy=-1, col="#f4f6ff", width=1.4,
          fill="#1e2128", textured=True)
    # carved detail: the haunch's curve, the spine ridge, a deep eye socket, fangs in the open mouth
    S.add('<path d="M88,146 C84,132 92,120 106,124" stroke="#16181e" stroke-width="1.2" fill="none"/>'
          '<path d="M66,124 C70,118 74,116 78,118" stroke="#16181e" stroke-width="0.9" fill="none"/>'
          '<path d="M56,90 q3,-2 6,0 q-3,2 -6,0 Z" fill="#06070a"/><path d="M55,89 q4,-3 8,0" stroke="#d8dce8" stroke-width="0.6" fill="none"/>'
          '<path d="M46,101 l1,-2.4 l1,2.2 M49,100.6 l1,-2 l1,2 M45,103.5 l1.2,-2 l0.8,2" stroke="#e4e6ee" stroke-width="0.6" fill="none"/>')
    S.add('<g fill="#e8ecf4" opacity="0.7">' + "".join('<polygon points="%s"/>' % pts([(x, y), (x + 3, y - 4), (x + 4, y + 1)])
                                                      for x, y in ((74, 90), (84, 96), (94, 102), (103, 110))) + "</g>")
    S.vignette()


def summoner(S):
    """Inside a silver pentagram the summoner raises a demon out of the smoke."""
    S.sky(top="#020204", mid="#0a0c12", low="#14161e", clouds=0.0)
    ring = '<ellipse cx="70" cy="176" rx="62" ry="16" fill="none" stroke="#dfe6ff" stroke-width="1.4"/>'
    ring += '<polygon points="%s" fill="none" stroke="#dfe6ff" stroke-width="1"/>' % pts(
        [(70 + 62 * math.cos(a * 4 * math.pi / 5 - math.pi / 2), 176 + 16 * math.sin(a * 4 * math.pi / 5 - math.pi / 2)) for a in range(5)])
    S.add('<g filter="url(#%s)">%s</g>' % (S.bloom(2), ring))
    S.clouds(0.8, "#8a90a8", freq="0.04 0.07", y=40, h=140)
    demon = ('<path d="M30,140 C30,90 44,60 70,56 C96,60 110,90 110,140 C96,126 84,132 70,140 C56,132 44,126 30,140 Z"/>'
             '<path d="M48,66 C40,50 40,36 48,24 C48,40 54,50 60,58 Z M92,66 C100,50 100,36 92,24 C92,40 86,50 80,58 Z"/>')
    S.add('<g opacity="0.85" fill="#1a0c10" filter="url(#%s)">%s</g>' % (S.blur(1.5), demon))
    S.add('<g filter="url(#%s)"><path d="M56,84 L66,90 L56,92 Z M84,84 L74,90 L84,92 Z" fill="#ff3030"/></g>' % S.bloom(2))
    S.add('<path d="M56,106 Q70,116 84,106" stroke="#ff5040" stroke-width="1.4" fill="none"/>')
    fig = '<path d="M56,196 C58,176 62,160 66,150 Q72,144 78,150 C82,160 84,176 88,196 Z"/>' + head(72, 142, 4.6, facing=-1, hood=True)
    fig += limb((66, 152), (54, 140), 3.4, 2.6) + limb((54, 140), (50, 126), 2.6, 2.2) + limb((78, 152), (90, 140), 3.4, 2.6) + limb((90, 140), (94, 126), 2.6, 2.2)
    fig += hand(50, 124, 2, -100, fist=False) + hand(94, 124, 2, -80, fist=False)
    S.lit(fig, dx=0, dy=-1, col="#e8eeff", width=1.3, fill="#05060a")
    S.vignette()


def unleash(S):
    """A great wolf breaks its chains and howls at the moon, the links flying."""
    S.sky(clouds=0.35).stars(30, 80).moon(40, 40, 22)
    S.lit('<path d="M0,202 L0,168 Q30,150 70,156 Q110,150 140,170 L140,202 Z"/>', dx=-1, dy=-1, textured=True, fill="#101218")
    wolf = ('<path d="M40,156 C36,140 40,122 50,112 C54,98 60,86 62,74 L58,58 L66,66 L70,54 L74,68 C80,72 82,80 80,88 '
            'C92,96 104,108 110,124 C116,138 124,146 134,150 C124,154 116,150 110,146 L108,158 L100,158 L98,142 L74,140 '
            'L70,158 L62,158 L60,140 C54,146 50,152 50,158 Z"/>'
            '<path d="M62,74 L56,62 L50,58 L52,52 L62,60 Z"/>')
    S.lit(wolf, dx=-1, dy=-1, col="#f0f4ff", width=1.4, fill="#14161c")
    S.add('<circle cx="64" cy="66" r="1" fill="#e0f0ff"/>')
    S.add('<g filter="url(#%s)"><path d="M58,112 L52,104" stroke="#f0f4ff" stroke-width="1.6"/></g>' % S.bloom(1.5))
    S.add('<rect x="54" y="108" width="14" height="6" rx="2" fill="#7a8090" transform="rotate(-30 61 111)"/>')
    rng = random.Random(69)
    for i in range(7):
        x, y = 44 - i * 5 + rng.uniform(-2, 2), 108 - i * 7 + rng.uniform(-3, 3)
        S.add('<ellipse cx="%s" cy="%s" rx="3.2" ry="1.9" fill="none" stroke="#b8c0d0" stroke-width="1.3" transform="rotate(%d %s %s)"/>' % (f(x), f(y), rng.randint(0, 180), f(x), f(y)))
    for i in range(5):
        S.add('<ellipse cx="%s" cy="%s" rx="3.2" ry="1.9" fill="none" stroke="#8a90a0" stroke-width="1.3"/>' % (f(110 + i * 6), f(196 - i * 2)))
    S.vignette()


def wisdom(S):
    """An old owl on a stack of books by the candle, the moon in the window behind."""
    S.sky(top="#04050a", mid="#0c1018", low="#181c28", clouds=0.0)
    S.add('<path d="M80,80 V30 a22,22 0 0 1 44,0 V80 Z" fill="#1e2636"/>')
    S.add('<circle cx="104" cy="40" r="10" fill="#f4f6ff"/>')
    S.glow(104, 40, 24, "#e8eeff", 0.5)
    S.add('<path d="M80,80 V30 a22,22 0 0 1 44,0 V80 Z M102,8 V80 M80,48 h44" fill="none" stroke="#05060a" stroke-width="2.4"/>')
    S.add('<rect y="176" width="140" height="26" fill="#14161c" filter="url(#%s)"/>' % S.texture(0.06, 0.5))
    for i, (x, w, hh, c) in enumerate(((24, 80, 12, "#3a2a20"), (30, 70, 10, "#20283a"), (22, 76, 11, "#3a1a20"))):
        y = 176 - (i + 1) * 12
        S.lit('<rect x="%d" y="%s" width="%d" height="%d" rx="1.5"/>' % (x, f(y), w, hh), dx=-1, dy=-1, col="#f0f0ff", fill=c)
        S.add('<path d="M%d,%s h%d" stroke="#d8d0c0" stroke-width="0.8"/>' % (x + w - 2, f(y + hh / 2), 0))
    owl = ('<path d="M44,140 C36,120 38,96 48,84 L44,72 L54,80 C58,78 66,78 70,80 L80,72 L76,84 C86,96 88,120 80,140 Z"/>')
    S.lit(owl, dx=1, dy=-0.6, col="#f0f4ff", width=1.4, fill="#3a3630", textured=True)
    S.add('<path d="M46,104 C50,120 58,132 62,140 M78,104 C74,120 66,132 62,140" stroke="#1a1814" stroke-width="1.2" fill="none"/>')
    for x in (54, 70):
        S.add('<circle cx="%d" cy="94" r="6" fill="#1a1814"/><circle cx="%d" cy="94" r="4" fill="#f0c040"/><circle cx="%d" cy="94" r="2" fill="#000"/>' % (x, x, x))
    S.add('<path d="M60,98 L62,106 L64,98 Z" fill="#c0a060"/>')
    S.add('<rect x="10" y="120" width="6" height="20" fill="#e8eaf0"/><g filter="url(#%s)"><path d="M13,119 q-3,-6 0,-10 q3,4 0,10 Z" fill="#fff8e0"/></g>' % S.bloom(2))
    S.vignette()


CARDS = {63: blacklight, 64: devastate, 65: emerald, 66: sacrifice, 67: stone, 68: summoner, 69: unleash, 70: wisdom}
