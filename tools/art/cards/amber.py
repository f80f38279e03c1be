"""amber.py -- cards 41..62, the amber-and-gold run: magic, beasts, plagues and prayers."""
import math
import random

from cards.paint import W, H, f, pts, limb, head, hand, body, cloak, horse, tower, windows
from svgkit import skull


def alchemist(S):
    """The alchemist's bench: a retort bubbling over the flame, a flask of gold glowing."""
    S.sky(top="#0a0602", mid="#1e1204", low="#2e1c06", clouds=0.0)
    for i in range(4):  # the shelf of jars behind
        S.add('<rect x="%d" y="%d" width="14" height="20" rx="3" fill="#2a1c0a" opacity="0.9"/>' % (8 + i * 32, 30 + (i % 2) * 4))
    S.add('<rect x="0" y="52" width="140" height="4" fill="#1a1006"/>')
    S.add('<rect y="150" width="140" height="52" fill="#2a1808" filter="url(#%s)"/>' % S.texture(0.05, 0.5))
    S.glow(96, 120, 60, "#ffc040", 0.9)
    # the retort: a round belly on a stand, the long neck reaching left
    S.add('<path d="M32,150 l6,-20 h30 l6,20" stroke="#0c0804" stroke-width="2" fill="none"/>')
    S.add('<g filter="url(#%s)"><path d="M50,130 q-4,-10 0,-16 q4,8 0,16 Z" fill="#80c0ff"/></g>' % S.bloom(2))
    S.add('<circle cx="52" cy="104" r="18" fill="#5a3a10" opacity="0.8" stroke="#e8d0a0" stroke-width="0.8"/><path d="M40,92 L8,70" stroke="#e8d0a0" stroke-width="3" opacity="0.8"/>')
    S.add('<path d="M36,110 q16,8 32,0 q-2,12 -16,12 q-14,0 -16,-12 Z" fill="#a0e070" opacity="0.8"/>')
    # the flask of gold
    S.add('<g filter="url(#%s)"><path d="M92,88 h8 v16 C116,112 118,140 96,148 C74,140 76,112 92,104 Z" fill="#ffd050" opacity="0.85"/></g>' % S.bloom(3))
    S.add('<path d="M92,88 h8 v16 C116,112 118,140 96,148 C74,140 76,112 92,104 Z" fill="none" stroke="#fff4d0" stroke-width="1"/><rect x="90" y="82" width="12" height="7" fill="#6a4a20"/>')
    rng = random.Random(41)
    for _ in range(10):
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="#fff8e0" opacity="0.8"/>' % (f(rng.uniform(88, 104)), f(rng.uniform(60, 140)), rng.uniform(0.5, 1.6)))
    S.add('<path d="M120,150 l4,-30 l8,0 l4,30 Z" fill="#1a1006" stroke="#6a4a20" stroke-width="0.6"/>')  # a mortar
    S.vignette(0.7)


def blood(S):
    """A golden chalice brimming and running over with blood."""
    S.sky(top="#0c0602", mid="#2a1606", low="#4a2a08", clouds=0.3).glow(70, 70, 70, "#ffc060", 0.6)
    S.add('<rect y="170" width="140" height="32" fill="#1a0e04" filter="url(#%s)"/>' % S.texture(0.06, 0.5))
    cup = ('<path d="M34,52 C34,96 50,112 66,116 L66,146 C56,150 46,156 44,166 L96,166 C94,156 84,150 74,146 L74,116 '
           'C90,112 106,96 106,52 Z"/><ellipse cx="70" cy="130" rx="8" ry="4"/>')
    S.lit(cup, dx=-1, dy=-0.6, col="#fff0b0", width=1.5, fill="#b07a20", textured=True)
    S.add('<path d="M40,60 C42,90 54,104 66,108" stroke="#fff0c0" stroke-width="2" fill="none" opacity="0.6"/>')
    S.add('<ellipse cx="70" cy="52" rx="36" ry="7" fill="#7a0408"/><ellipse cx="66" cy="51" rx="14" ry="2" fill="#d02030" opacity="0.7"/>')
    for x, l in ((38, 40), (96, 60), (104, 28)):
        S.add('<path d="M%s,54 C%s,%s %s,%s %s,%s" stroke="#8a0408" stroke-width="3" fill="none" stroke-linecap="round"/>' % (
            f(x), f(x - 1), f(54 + l * 0.4), f(x + 1), f(54 + l * 0.8), f(x), f(54 + l)))
    S.add('<ellipse cx="70" cy="174" rx="40" ry="5" fill="#6a0408"/>')
    for x, y in ((54, 80), (84, 76)):
        S.add('<circle cx="%s" cy="%s" r="3" fill="#c01020" stroke="#ffd080" stroke-width="1"/>' % (f(x), f(y)))
    S.vignette()


def confusion(S):
    """A maze of golden walls seen from above, a lone figure lost at its heart, the paths twisting."""
    S.sky(top="#0a0602", mid="#1a1004", low="#2a1a06", clouds=0.0)
    S.glow(70, 100, 80, "#e0a030", 0.5)
    maze = ""
    rng = random.Random(43)
    for r in range(1, 7):
        rr = r * 11
        gap = rng.uniform(0, 2 * math.pi)
        a0, a1 = gap + 0.5, gap + 2 * math.pi - 0.1
        x0, y0 = 70 + rr * math.cos(a0), 100 + rr * math.sin(a0)
        x1, y1 = 70 + rr * math.cos(a1), 100 + rr * math.sin(a1)
        maze += '<path d="M%s,%s A%s,%s 0 1 1 %s,%s" fill="none"/>' % (f(x0), f(y0), f(rr), f(rr), f(x1), f(y1))
        b = gap + rng.uniform(1, 5)
        maze += '<path d="M%s,%s L%s,%s"/>' % (f(70 + rr * math.cos(b)), f(100 + rr * math.sin(b)), f(70 + (rr + 11) * math.cos(b)), f(100 + (rr + 11) * math.sin(b)))
    S.add('<g stroke="#e8b850" stroke-width="3.2" stroke-linecap="round" filter="url(#%s)">%s</g>' % (S.rim(-1, -1, "#fff0c0", 1), maze))
    S.add('<g stroke="#3a2408" stroke-width="1" opacity="0.6" transform="translate(1.5,1.5)" fill="none">%s</g>' % maze)
    S.lit('<circle cx="70" cy="97" r="2.4"/>' + limb((70, 100), (70, 107), 3, 2.4), dx=0, dy=-1, fill="#1a1004")
    S.add('<path d="M64,88 q6,-6 12,0 M60,84 q10,-10 20,0" stroke="#fff0c0" stroke-width="0.7" fill="none" opacity="0.8"/>')
    S.add('<text x="78" y="90" font-family="DejaVu Serif" font-size="8" fill="#fff0c0" opacity="0.8">?</text>')
    S.vignette(0.8)


def drake(S):
    """A young drake perched on a crag, wings half open, tail coiled, smoke curling from its jaws."""
    S.sky(top="#0a0602", mid="#3a2206", low="#b07018", horizon=0.7, clouds=0.45).glow(30, 150, 60, "#ffd080", 0.7)
    S.ridge(160, 14, "#3a2408", n=6, seed=44, jag=6).fog(150, 30, opacity=0.4)
    S.lit('<path d="M60,202 L64,150 Q80,136 100,138 L124,150 L130,202 Z"/>', dx=-1, dy=-1, textured=True, fill="#1a1006")
    d = ('<ellipse cx="98" cy="134" rx="20" ry="10"/>'
         '<path d="M84,128 C76,118 70,108 68,98 L76,95 C78,106 84,116 94,124 Z"/>'  # neck
         '<path d="M70,91 L54,92 L44,97 L52,99 L47,104 L60,104 L76,99 Z"/>'  # head, open jaw
         '<path d="M68,92 L76,80 L73,93 Z M72,94 L84,86 L76,96 Z"/>'  # horns
         '<path d="M94,126 L84,70 L96,86 L104,52 L112,84 L128,60 L124,90 L138,92 C126,102 116,116 108,128 Z"/>'  # wing
         '<path d="M116,138 C128,146 134,160 124,172 C136,162 134,146 120,132 Z"/>')  # tail
    d += limb((86, 136), (82, 152), 6, 4) + limb((110, 138), (114, 152), 6, 4)
    S.lit(d, dx=-1, dy=0.3, col="#ffd890", width=1.3, fill="#2a1808")
    S.add('<path d="M94,126 L96,86 M94,126 L112,84 M94,126 L124,90" stroke="#5a3a14" stroke-width="1" fill="none"/>')
    S.add('<g filter="url(#%s)"><circle cx="62" cy="95" r="1.2" fill="#ffe040"/></g>' % S.bloom(1))
    S.add('<path d="M44,98 C38,92 40,84 34,78 C30,72 34,66 30,60" stroke="#c0a080" stroke-width="2" fill="none" opacity="0.5" filter="url(#%s)"/>' % S.blur(1))
    S.vignette()


def druids(S):
    """Hooded druids at the fire inside their ring of standing stones at dawn."""
    S.sky(top="#0c0804", mid="#4a3008", low="#d09a30", horizon=0.7, clouds=0.4).glow(70, 130, 50, "#ffe0a0", 0.8)
    S.ridge(140, 6, "#4a3210", n=5, seed=45).fog(130, 24, opacity=0.5)
    S.add('<rect y="140" width="140" height="62" fill="#2a2008" filter="url(#%s)"/>' % S.texture(0.06, 0.5))
    rng = random.Random(45)
    for i in range(9):  # the ring, far stones small and pale, near ones large and dark
        a = math.pi * (0.1 + i / 8 * 0.8)
        x, y = 70 + 62 * math.cos(a + math.pi), 148 - 10 * math.sin(a)
        S.lit('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z"/>' % (f(x - 5), f(y), f(x - 4), f(y - 24), f(x + 3), f(y - 27), f(x + 5), f(y)), dx=0, dy=-1, fill="#3a2c14", textured=True)
    S.add('<g filter="url(#%s)">' % S.bloom(2.5) + '<path d="M64,170 q-4,-14 6,-24 q2,10 6,6 q4,12 -4,18 Z" fill="#ffb030"/><path d="M68,168 q-2,-8 2,-12 q3,6 0,12 Z" fill="#fff0c0"/></g>')
    for x, k in ((34, 1), (104, -1)):
        fig = '<path d="M%s,186 C%s,160 %s,150 %s,138 Q%s,130 %s,138 C%s,150 %s,160 %s,186 Z"/>' % (
            f(x - 10), f(x - 10), f(x - 6), f(x - 2), f(x + 2), f(x + 6), f(x + 8), f(x + 12), f(x + 12))
        fig += head(x + k * 1, 132, 4.4, facing=k, hood=True) + limb((x + k * 4, 148), (x + k * 14, 156), 4, 3)
        S.lit(fig, dx=k, dy=-0.3, col="#ffc060", width=1.2, fill="#1a1206")
    S.lit('<path d="M0,202 L4,150 L16,146 L20,202 Z M124,202 L126,140 L138,144 L140,202 Z"/>', dx=0, dy=-1, fill="#120c04", textured=True)
    S.vignette()


def endurance(S):
    """A stone lighthouse stands on its rock while the storm waves break over it."""
    S.sky(top="#0a0602", mid="#2a1c08", low="#6a4a18", clouds=0.7, freq="0.02 0.05")
    S.glow(60, 40, 50, "#ffe090", 0.7)
    S.add('<g filter="url(#%s)"><polygon points="60,42 0,22 0,52" fill="#ffe8a0" opacity="0.4"/></g>' % S.blur(2))
    S.lit('<path d="M30,202 L36,160 Q60,150 90,156 L100,202 Z"/>', dx=-1, dy=-1, textured=True, fill="#1a1006")
    lh = '<polygon points="50,158 54,56 66,56 70,158"/><rect x="50" y="44" width="20" height="12"/><path d="M48,44 L60,30 L72,44 Z"/><rect x="46" y="56" width="28" height="3"/>'
    S.lit(lh, dx=-1, dy=-0.5, col="#ffd890", width=1.3, textured=True, fill="#2a2014")
    S.add('<path d="M54,90 h12 M53,120 h14" stroke="#6a1010" stroke-width="4" opacity="0.8"/>')
    S.add('<g filter="url(#%s)"><rect x="54" y="46" width="12" height="8" fill="#fff0b0"/></g>' % S.bloom(2.5))
    S.add('<path d="M0,202 L0,170 C20,160 30,176 44,162 C52,150 64,140 84,150 C100,140 110,166 140,160 L140,202 Z" fill="#2a2410" opacity="0.95"/>')
    S.add('<g fill="#e8dcc0" opacity="0.85" filter="url(#%s)"><path d="M84,150 C90,120 110,112 120,120 C108,122 100,134 104,156 Z"/>'
          '<path d="M34,170 C30,150 20,146 10,150 C20,154 22,166 26,176 Z"/></g>' % S.blur(1))
    S.vignette()


def exhaustion(S):
    """A spent soldier slumped against a dead tree at dusk, his sword fallen across his knees."""
    S.sky(top="#0a0602", mid="#3a2408", low="#c08028", horizon=0.65, clouds=0.4).glow(110, 140, 50, "#ffe0a0", 0.8)
    S.ridge(150, 8, "#3a2808", n=5, seed=47).fog(140, 30, opacity=0.4)
    S.add('<rect y="160" width="140" height="42" fill="#1a1206" filter="url(#%s)"/>' % S.texture(0.08, 0.5))
    tree = '<path d="M18,170 L24,60 L10,30 L20,34 L26,20 L30,40 L44,24 L36,56 L36,170 Z"/>'
    S.lit(tree, dx=1, dy=-0.2, col="#ffc070", textured=True, fill="#140e06")
    # sitting: back to the trunk, knees up, head hung forward, one arm limp
    fig = '<path d="M36,168 L40,128 Q48,120 56,126 L60,150 L80,146 L84,168 Z"/>'
    fig += limb((58, 150), (74, 132), 9, 7) + limb((74, 132), (82, 166), 7, 5)
    fig += head(50, 118, 5.5, facing=1, helm="kettle") + limb((52, 130), (66, 146), 5, 4) + hand(68, 148, 2.4, 60)
    S.lit(fig, dx=1, dy=-0.2, col="#ffc070", width=1.2, fill="#0e0904")
    S.add('<path d="M46,160 L112,150" stroke="#a09080" stroke-width="1.8"/><path d="M50,156 l-2,8" stroke="#8a6020" stroke-width="2"/>')
    S.vignette()


def fear(S):
    """A candle throws a monster's huge shadow up the wall over the child who cowers beneath it."""
    S.sky(top="#1a1206", mid="#3a2810", low="#5a4018", clouds=0.0)
    S.add('<rect width="140" height="202" fill="#6a4a20" filter="url(#%s)"/>' % S.texture(0.05, 0.45))
    S.glow(100, 170, 80, "#ffd080", 0.8)
    shadow = ('<path d="M6,202 C0,150 4,100 20,70 C26,50 30,30 26,10 L36,30 C40,20 46,14 52,10 L52,32 C64,30 76,40 80,56 '
              'C90,52 100,40 104,26 C108,44 100,64 88,76 C96,90 96,110 90,130 L110,150 L86,146 C80,170 80,190 84,202 Z"/>')
    S.add('<g fill="#120a04" opacity="0.85" filter="url(#%s)">%s</g>' % (S.blur(1.2), shadow))
    S.add('<g filter="url(#%s)"><circle cx="40" cy="52" r="2.5" fill="#ffd040"/><circle cx="56" cy="52" r="2.5" fill="#ffd040"/></g>' % S.bloom(1.5))
    child = '<path d="M60,196 C58,180 62,170 70,168 C78,170 82,180 80,196 Z"/>' + head(70, 162, 4, facing=-1) + limb((64, 172), (60, 164), 3, 2.4) + limb((76, 172), (80, 164), 3, 2.4)
    S.lit(child, dx=1, dy=0, col="#ffe0a0", fill="#1a1006")
    S.add('<rect x="104" y="176" width="6" height="16" fill="#f0e0c0"/><g filter="url(#%s)"><path d="M107,174 q-3,-6 0,-10 q3,4 0,10 Z" fill="#fff0b0"/></g>' % S.bloom(2))
    S.add('<rect y="196" width="140" height="6" fill="#1a1006"/>')
    S.vignette(0.7)


def firebolt(S):
    """A bolt of fire hurled from a mage's open hand, trailing sparks across the dusk."""
    S.sky(top="#0a0602", mid="#2a1806", low="#4a2c08", clouds=0.4)
    S.ridge(170, 10, "#1a1006", n=5, seed=49)
    S.defs.append('<linearGradient id="ftrail" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#ff6010" stop-opacity="0"/><stop offset="0.7" stop-color="#ffa020"/><stop offset="1" stop-color="#fff0b0"/></linearGradient>')
    S.add('<g filter="url(#%s)"><path d="M30,150 C50,120 80,80 110,46 L116,54 C90,84 60,126 36,156 Z" fill="url(#ftrail)"/>' % S.bloom(3) +
          '<circle cx="112" cy="48" r="11" fill="#ffb030"/><circle cx="113" cy="47" r="6" fill="#fff6d0"/></g>')
    rng = random.Random(49)
    for _ in range(20):
        t = rng.uniform(0, 1)
        x, y = 34 + t * 76 + rng.gauss(0, 5), 152 - t * 104 + rng.gauss(0, 5)
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="#ffd060"/>' % (f(x), f(y), rng.uniform(0.4, 1.3)))
    S.lit(limb((-10, 202), (20, 164), 18, 12) + hand(26, 156, 6, -50, fist=False), dx=1, dy=-1, col="#ffd080", width=1.3, fill="#1a0e04")
    S.vignette()


def frost(S):
    """Frost grips a tower's battlements in the low winter sun, icicles hanging from every ledge."""
    S.sky(top="#0a0a10", mid="#3a3020", low="#c0a060", horizon=0.7, clouds=0.3).glow(110, 150, 50, "#ffe8b0", 0.8)
    S.ridge(170, 10, "#d8dce8", n=6, seed=50, opacity=0.9)
    t = tower(62, 202, 60, 150)
    S.lit(t, dx=1, dy=0.2, col="#ffe8c0", textured=True, fill="#4a5060")
    ice = '<path d="M28,50 h68 v6 h-68 Z M28,56 v120 l4,0 v-120 Z"/>'
    for x in range(30, 96, 5):
        ice += '<polygon points="%s"/>' % pts([(x, 54), (x + 4, 54), (x + 2, 54 + 6 + (x * 7) % 13)])
    for x in range(46, 80, 5):
        ice += '<polygon points="%s"/>' % pts([(x, 110), (x + 4, 110), (x + 2, 116 + (x * 5) % 9)])
    S.add('<g fill="#e8f4ff" opacity="0.95" filter="url(#%s)">%s</g>' % (S.bloom(1), ice))
    S.add('<path d="M50,110 v-20 a12,12 0 0 1 24,0 v20 Z" fill="#10141c"/>')
    rng = random.Random(50)
    for _ in range(30):
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="#fff"/>' % (f(rng.uniform(0, 140)), f(rng.uniform(0, 200)), rng.uniform(0.3, 1)))
    S.vignette()


def haunt(S):
    """A ghost drifts between the graves with a lantern, its skull face pale under the hood."""
    S.sky(top="#0a0804", mid="#2a2008", low="#5a4614", clouds=0.4).fog(120, 80, col="#d8c890", opacity=0.35)
    for x, y, s in ((14, 170, 1), (44, 160, 0.8), (104, 166, 0.9), (126, 176, 1.1)):
        S.lit('<path d="M%s,%s v%s a%s,%s 0 0 1 %s,0 v%s Z"/>' % (f(x - 8 * s), f(y + 20), f(-22 * s), f(8 * s), f(8 * s), f(16 * s), f(22 * s)), dx=0, dy=-1, textured=True, fill="#2a2412")
    S.add('<rect y="186" width="140" height="16" fill="#1a1608"/>')
    g = '<path d="M52,60 C52,40 88,40 88,60 L92,120 C96,140 100,160 108,176 C96,170 90,178 82,168 C76,178 68,170 62,178 C58,168 48,172 40,176 C46,150 50,120 52,60 Z"/>'
    g += limb((84, 82), (104, 104), 6, 4)
    S.add('<g opacity="0.55" filter="url(#%s)"><g fill="#f0ecd8">%s</g></g>' % (S.blur(2.5), g))
    S.add('<g opacity="0.75" fill="#ece6d0">%s</g>' % g)
    S.add(skull(70, 66, 18, fill="#fffaf0", eye="#1a1404", stroke="#8a8060"))
    S.add('<path d="M104,104 v8" stroke="#3a3010"/><rect x="100" y="112" width="8" height="11" fill="#3a3010"/>')
    S.glow(104, 118, 16, "#ffe080", 0.9)
    S.add('<rect x="101.5" y="114" width="5" height="7" fill="#fff4c0"/>')
    S.vignette()


def healer(S):
    """The healer kneels by the wounded man, her hands glowing gold over his chest."""
    S.sky(top="#0a0602", mid="#241606", low="#3a2408", clouds=0.0)
    S.add('<rect y="140" width="140" height="62" fill="#2a1c0a" filter="url(#%s)"/>' % S.texture(0.06, 0.5))
    S.glow(70, 132, 50, "#ffd870", 1.0)
    wounded = '<path d="M6,164 C10,150 30,146 56,148 C80,146 110,150 134,160 L134,172 L6,172 Z"/>' + head(16, 152, 5, facing=-1)
    S.lit(wounded, dx=0, dy=-1, col="#ffe0a0", width=1.3, fill="#1a1006")
    S.add('<path d="M50,150 q8,-4 14,2" stroke="#8a0a0a" stroke-width="2" fill="none"/>')
    healer = '<path d="M70,146 C66,120 68,90 80,80 Q92,74 100,84 C110,100 112,130 118,150 Z"/>' + head(84, 70, 6.5, facing=-1, hair="long", hood=True)
    healer += limb((80, 92), (66, 112), 5, 4) + limb((66, 112), (62, 126), 4, 3.4) + limb((88, 94), (76, 116), 5, 4) + limb((76, 116), (74, 128), 4, 3.4)
    S.lit(healer, dx=-0.4, dy=1, col="#ffe090", width=1.3, fill="#2a1a0a")
    S.add('<g filter="url(#%s)">%s%s<circle cx="68" cy="134" r="5" fill="#fff4c0" opacity="0.8"/></g>' % (
        S.bloom(2.5), hand(62, 128, 3, 90, fist=False).replace("<g ", '<g fill="#ffe8a0" '), hand(74, 130, 3, 90, fist=False).replace("<g ", '<g fill="#ffe8a0" ')))
    rng = random.Random(52)
    for _ in range(14):
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="#fff0b0" opacity="0.8"/>' % (f(rng.gauss(68, 10)), f(rng.uniform(90, 132)), rng.uniform(0.4, 1.1)))
    S.vignette()


def horror(S):
    """A door stands ajar in the dark; long clawed fingers curl round its edge, one eye in the gap."""
    S.sky(top="#0a0602", mid="#1a1004", low="#241606", clouds=0.0)
    S.add('<rect width="140" height="202" fill="#2a1c0c" filter="url(#%s)"/>' % S.texture(0.05, 0.5))
    S.add('<rect x="30" y="24" width="80" height="178" fill="#120a04"/>')
    S.add('<rect x="34" y="28" width="60" height="174" fill="#5a3c18" filter="url(#%s)"/>' % S.texture(0.04, 0.5))
    for y in (60, 140):
        S.add('<rect x="34" y="%d" width="60" height="5" fill="#2a1a0a"/>' % y)
    S.add('<rect x="94" y="28" width="12" height="174" fill="#000"/>')
    S.add('<g filter="url(#%s)"><ellipse cx="100" cy="84" rx="4" ry="3" fill="#ffd020"/><ellipse cx="100" cy="84" rx="1" ry="2.6" fill="#000"/></g>' % S.bloom(2))
    fingers = ""
    for i, y in enumerate((100, 110, 120, 130)):
        fingers += limb((104, y), (90, y - 2), 4, 3) + limb((90, y - 2), (84, y + 4), 3, 2)
        fingers += '<polygon points="%s" fill="#e8e0c8"/>' % pts([(84, y + 3), (80, y + 9), (85.5, y + 5)])
    S.lit(fingers, dx=-1, dy=-0.3, col="#c0b080", width=1, fill="#3a3428")
    S.glow(60, 200, 60, "#ffb040", 0.5)
    S.vignette(0.85)


def lightning(S):
    """Lightning forks out of the amber storm onto the spire on the hill."""
    S.sky(top="#0a0804", mid="#2a2010", low="#4a3814", clouds=0.75, freq="0.02 0.05")
    rng = random.Random(54)
    main = [(64, 0)]
    for i in range(1, 9):
        main.append((64 + rng.uniform(-14, 14), i * 15))
    main.append((82, 138))
    path = "M" + " L".join("%.1f,%.1f" % p for p in main)
    fork = "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f" % (main[3][0], main[3][1], main[3][0] - 20, main[3][1] + 20, main[3][0] - 34, main[3][1] + 26)
    S.add('<g filter="url(#%s)"><path d="%s" stroke="#fff6d8" stroke-width="2.4" fill="none"/><path d="%s" stroke="#fff0c0" stroke-width="1.2" fill="none"/></g>' % (S.bloom(3), path, fork))
    S.glow(82, 138, 40, "#ffe8b0", 0.6)
    S.lit('<path d="M0,202 L0,170 Q40,150 80,148 Q110,150 140,166 L140,202 Z"/>' + tower(82, 152, 10, 30, top="cone"), dx=0, dy=-1, col="#fff0c0", textured=True, fill="#140e06")
    S.vignette()


def locusts(S):
    """A black cloud of locusts pours over the golden wheat, the sun dimmed behind it."""
    S.sky(top="#140c02", mid="#6a4610", low="#d0a040", horizon=0.7, clouds=0.0).glow(100, 40, 40, "#fff0c0", 0.9)
    S.add('<circle cx="100" cy="40" r="12" fill="#fff6d8"/>')
    S.add('<rect y="140" width="140" height="62" fill="#a87820" filter="url(#%s)"/>' % S.texture(0.2, 0.5))
    for i in range(40):
        x = i * 3.6
        S.add('<path d="M%s,202 q-1,-30 %s,-%s" stroke="#6a4a10" stroke-width="0.8" fill="none"/>' % (f(x), f((i % 5) - 2), f(50 + (i * 7) % 20)))
    rng = random.Random(55)
    swarm = ""
    for _ in range(420):
        a = rng.gauss(0, 1)
        x, y = rng.uniform(-10, 150), 80 + a * 26 - (x if False else 0)
        x = rng.uniform(0, 140)
        y = 30 + rng.gauss(0, 24) + (140 - x) * 0.35
        swarm += '<ellipse cx="%s" cy="%s" rx="1.6" ry="0.7" transform="rotate(%d %s %s)"/>' % (f(x), f(y), rng.randint(-30, 30), f(x), f(y))
    S.add('<g fill="#1a1004" opacity="0.9">%s</g>' % swarm)
    S.vignette()


def nature(S):
    """A great stag in a forest clearing, the golden light falling through the trees on him."""
    S.sky(top="#0a0a04", mid="#2a2a0a", low="#6a5a18", clouds=0.0)
    for i in range(7):
        S.add('<rect x="%d" y="0" width="%d" height="202" fill="#0e1004"/>' % (i * 22 - 4, 8 + (i % 3) * 3))
    S.add('<polygon points="50,0 90,0 120,202 30,202" fill="#ffe090" opacity="0.22" filter="url(#%s)"/>' % S.blur(4))
    S.add('<rect y="160" width="140" height="42" fill="#2a3008" filter="url(#%s)"/>' % S.texture(0.1, 0.5))
    stag = ('<path d="M40,120 C44,110 60,106 80,108 C92,108 98,104 102,96 L104,76 L110,74 L114,82 L112,100 C110,112 104,120 98,124 '
            'C96,132 94,140 94,150 L90,150 L88,132 L58,134 L56,150 L52,150 L50,134 C44,132 40,128 40,120 Z"/>')
    stag += limb((90, 128), (94, 164), 4, 2.4) + limb((56, 130), (50, 164), 4, 2.4) + limb((84, 130), (86, 164), 4, 2.4) + limb((48, 128), (42, 164), 4, 2.4)
    ant = "M106,76 C100,60 96,50 98,36 M100,54 L90,46 M98,44 L92,34 M112,76 C118,60 124,50 122,36 M120,54 L130,46 M122,44 L128,34"
    S.lit(stag, dx=0, dy=-1, col="#ffe8a0", width=1.4, fill="#2a1a08")
    S.add('<path d="%s" stroke="#3a2a10" stroke-width="2.2" fill="none" stroke-linecap="round"/>' % ant)
    S.add('<circle cx="108" cy="84" r="0.9" fill="#fff"/>')
    rng = random.Random(56)
    for _ in range(14):
        S.add('<circle cx="%s" cy="%s" r="%.1f" fill="#fff0a0" opacity="0.7"/>' % (f(rng.uniform(40, 110)), f(rng.uniform(10, 150)), rng.uniform(0.4, 1)))
    S.vignette()


def pacify(S):
    """An olive branch laid across a sheathed sword on the altar, and a calm gold light."""
    S.sky(top="#0c0804", mid="#2e2008", low="#6a4a14", clouds=0.0).glow(70, 40, 70, "#ffe8b0", 0.6)
    S.add('<polygon points="40,0 100,0 110,130 30,130" fill="#fff0c0" opacity="0.16" filter="url(#%s)"/>' % S.blur(4))
    S.lit('<rect x="14" y="130" width="112" height="20"/><rect x="24" y="150" width="92" height="52"/>', dx=0, dy=-1, textured=True, fill="#4a3a20")
    S.add('<rect x="10" y="126" width="120" height="6" fill="#d8c8a0" opacity="0.7"/>')
    S.lit('<rect x="20" y="116" width="86" height="9" rx="3"/><rect x="104" y="110" width="5" height="20"/><rect x="108" y="117" width="16" height="6" rx="2"/><circle cx="126" cy="120" r="3.5"/>',
          dx=0, dy=-1, col="#ffe8b0", width=1.2, fill="#5a2a14")
    S.add('<path d="M24,120 H100" stroke="#c8a040" stroke-width="1"/>')
    S.add('<path d="M30,112 C50,100 80,104 110,98" stroke="#5a6a20" stroke-width="1.4" fill="none"/>' + "".join(
        '<ellipse cx="%s" cy="%s" rx="5" ry="1.8" fill="#8aa040" transform="rotate(%d %s %s)"/>' % (f(x), f(y), a, f(x), f(y))
        for x, y, a in ((38, 106, -30), (50, 104, 20), (62, 100, -20), (74, 102, 30), (86, 98, -25), (98, 100, 20))))
    for x, y in ((52, 107), (80, 100)):
        S.add('<ellipse cx="%s" cy="%s" rx="2" ry="2.6" fill="#3a4a18"/>' % (f(x), f(y)))
    S.vignette()


def plague(S):
    """The plague doctor in his beaked mask and hat walks the yellow fog with his lantern and cane."""
    S.sky(top="#0a0a04", mid="#2a2a0a", low="#5a5416", clouds=0.6, cloud_col="#b0a860")
    S.add('<g fill="#1a1a06" opacity="0.7">' + "".join(tower(x, 160, w, hh, top="cone") for x, w, hh in ((14, 16, 70), (122, 18, 80))) + "</g>")
    S.fog(120, 60, col="#c8c070", opacity=0.5)
    fig = '<path d="M44,196 C46,160 50,130 56,110 Q70,100 84,110 C90,130 96,160 98,196 Z"/>'
    fig += '<path d="M58,96 C58,84 78,84 80,96 L82,102 L58,104 Z"/>'  # face under the hat
    fig += '<path d="M78,92 C92,96 104,104 110,112 C98,110 88,106 78,102 Z"/>'  # the beak
    fig += '<path d="M46,86 h48 l-4,-4 h-8 l-2,-16 h-20 l-2,16 h-8 Z"/>'  # broad hat
    fig += limb((84, 116), (100, 138), 6, 5) + limb((56, 116), (44, 146), 6, 5)
    S.lit(fig, dx=1, dy=-0.3, col="#e0d890", width=1.3, fill="#0c0c04")
    S.add('<circle cx="74" cy="94" r="3" fill="#d8d040" opacity="0.9"/><circle cx="74" cy="94" r="1" fill="#000"/>')
    S.add('<path d="M44,146 L38,200" stroke="#2a2008" stroke-width="2"/>')
    S.add('<path d="M100,138 v8" stroke="#2a2008"/><rect x="96" y="146" width="8" height="10" fill="#2a2008"/>')
    S.glow(100, 151, 16, "#e0f060", 0.9)
    S.add('<rect x="97.5" y="148" width="5" height="6" fill="#f0ffc0"/>')
    S.vignette()


def prayer(S):
    """A monk kneels before the altar candles, head bowed, under the chapel's gold window."""
    S.sky(top="#0a0602", mid="#1e1406", low="#2a1c08", clouds=0.0)
    S.add('<path d="M50,90 V40 a20,20 0 0 1 40,0 V90 Z" fill="#e0a030"/>')
    S.add('<path d="M50,90 V40 a20,20 0 0 1 40,0 V90 Z M70,20 V90 M50,56 h40" fill="none" stroke="#1a0e04" stroke-width="2.4"/>')
    S.add('<circle cx="70" cy="40" r="8" fill="none" stroke="#1a0e04" stroke-width="2"/>')
    S.add('<polygon points="50,90 90,90 120,202 20,202" fill="#ffd880" opacity="0.18" filter="url(#%s)"/>' % S.blur(4))
    S.add('<rect y="150" width="140" height="52" fill="#1e1408" filter="url(#%s)"/>' % S.texture(0.08, 0.5))
    S.lit('<rect x="40" y="112" width="60" height="40"/>', dx=0, dy=-1, textured=True, fill="#3a2a14")
    for x in (50, 90):
        S.add('<rect x="%d" y="98" width="5" height="14" fill="#f0e0c0"/><g filter="url(#%s)"><path d="M%s,97 q-3,-6 0,-9 q3,4 0,9 Z" fill="#ffe8a0"/></g>' % (x, S.bloom(2), f(x + 2.5)))
    monk = '<path d="M38,196 C36,176 40,160 50,152 Q62,144 72,152 C78,162 80,180 84,196 Z"/>' + head(60, 148, 5.5, facing=1, hood=True)
    monk += limb((64, 160), (74, 150), 4, 3) + hand(76, 148, 2.6, -60, fist=False)
    S.lit(monk, dx=0.4, dy=-1, col="#ffd880", width=1.3, fill="#160e06")
    S.vignette()


def sorcery(S):
    """The sorcerer raises his staff and arms; a circle of burning runes turns in the air before him."""
    S.sky(top="#0a0602", mid="#221406", low="#3a2408", clouds=0.4)
    S.glow(70, 70, 60, "#ffb040", 0.7)
    ring = '<circle cx="70" cy="70" r="34" fill="none" stroke="#ffd070" stroke-width="1.6"/><circle cx="70" cy="70" r="27" fill="none" stroke="#ffd070" stroke-width="0.8"/>'
    ring += '<polygon points="%s" fill="none" stroke="#ffe8a0" stroke-width="1"/>' % pts([(70 + 34 * math.cos(a * 4 * math.pi / 5 - math.pi / 2), 70 + 34 * math.sin(a * 4 * math.pi / 5 - math.pi / 2)) for a in range(5)])
    for i in range(10):
        a = i * math.pi / 5
        ring += '<path d="M%s,%s l2,-3 l2,3 l-2,2 Z" fill="#fff0c0"/>' % (f(68 + 30.5 * math.cos(a)), f(70 + 30.5 * math.sin(a)))
    S.add('<g filter="url(#%s)">%s</g>' % (S.bloom(2), ring))
    S.add('<rect y="176" width="140" height="26" fill="#1a1006" filter="url(#%s)"/>' % S.texture(0.08, 0.5))
    fig = '<path d="M46,184 C50,160 56,140 62,124 Q70,118 78,124 C84,140 90,160 94,184 Z"/>'
    fig += head(70, 114, 5, facing=1, hood=True, beard=True)
    fig += limb((64, 126), (50, 116), 4.4, 3.4) + limb((50, 116), (42, 98), 3.4, 2.6) + limb((76, 126), (90, 116), 4.4, 3.4) + limb((90, 116), (98, 100), 3.4, 2.6)
    fig += hand(42, 96, 2.4, -110, fist=False) + hand(98, 98, 2.4, -70)
    S.lit(fig, dx=0, dy=-1, col="#ffd070", width=1.4, fill="#120a04")
    S.add('<path d="M99,182 L98,80" stroke="#2a1a08" stroke-width="2"/>')
    S.add('<g filter="url(#%s)"><circle cx="98" cy="78" r="3" fill="#fff0b0"/></g>' % S.bloom(2))
    S.vignette()


def tornado(S):
    """A twister sweeps across the plain, sucking up dust and a barn's splinters."""
    S.sky(top="#0c0a04", mid="#3a2e10", low="#9a7428", horizon=0.7, clouds=0.55)
    S.add('<rect y="160" width="140" height="42" fill="#5a4018" filter="url(#%s)"/>' % S.texture(0.08, 0.5))
    funnel = "M20,0 C40,10 100,10 124,0 C120,30 96,50 88,80 C82,110 78,140 74,168 L66,168 C66,140 62,110 54,84 C44,56 24,34 20,0 Z"
    S.add('<path d="%s" fill="#3a3020" opacity="0.85" filter="url(#%s)"/>' % (funnel, S.texture(0.1, 0.6)))
    for i in range(9):
        y = 12 + i * 17
        w = 50 - i * 4.4
        S.add('<path d="M%s,%s q%s,6 %s,0" stroke="#c8a868" stroke-width="1.2" fill="none" opacity="0.55"/>' % (f(72 - w), f(y), f(w), f(2 * w)))
    S.add('<ellipse cx="70" cy="168" rx="30" ry="8" fill="#8a6a38" opacity="0.6" filter="url(#%s)"/>' % S.blur(3))
    rng = random.Random(61)
    for _ in range(14):
        x, y = rng.uniform(30, 110), rng.uniform(40, 160)
        S.add('<rect x="%s" y="%s" width="%.1f" height="1.4" fill="#1a1206" transform="rotate(%d %s %s)"/>' % (f(x), f(y), rng.uniform(2, 6), rng.randint(0, 180), f(x), f(y)))
    S.lit('<path d="M104,166 v-16 l10,-8 l10,8 v16 Z"/>', dx=-1, dy=-1, fill="#2a1a08")
    S.vignette()


def void(S):
    """A rift torn in the sky: black at its heart, ringed with gold fire, drawing the stones into it."""
    S.sky(top="#0a0602", mid="#1e1406", low="#2e1e08", clouds=0.5)
    S.defs.append('<radialGradient id="rift"><stop offset="0.35" stop-color="#000"/><stop offset="0.55" stop-color="#2a1000"/>'
                  '<stop offset="0.7" stop-color="#ffb030"/><stop offset="0.8" stop-color="#ffe8a0" stop-opacity="0.8"/><stop offset="1" stop-color="#ff8020" stop-opacity="0"/></radialGradient>')
    S.add('<ellipse cx="70" cy="86" rx="58" ry="54" fill="url(#rift)" transform="rotate(-20 70 86)"/>')
    spiral = "".join('<path d="M%s,%s A%s,%s 0 0 1 %s,%s" stroke="#ffd070" stroke-width="0.8" fill="none" opacity="0.5"/>' % (
        f(70 + r * math.cos(a)), f(86 + r * math.sin(a)), f(r), f(r), f(70 + r * 0.6 * math.cos(a + 2)), f(86 + r * 0.6 * math.sin(a + 2)))
        for r, a in ((50, 0), (44, 2), (56, 4), (40, 5)))
    S.add(spiral)
    rng = random.Random(62)
    for _ in range(10):
        a = rng.uniform(0, 2 * math.pi)
        r = rng.uniform(34, 60)
        x, y = 70 + r * math.cos(a), 86 + r * math.sin(a)
        S.lit('<polygon points="%s"/>' % pts([(x, y), (x + 5, y + 2), (x + 3, y + 6), (x - 2, y + 4)]), dx=math.cos(a + math.pi), dy=math.sin(a + math.pi), col="#ffd070", fill="#1a1006")
    S.lit('<path d="M0,202 L0,180 Q40,170 70,176 Q100,170 140,182 L140,202 Z"/>', dx=0, dy=-1, textured=True, fill="#120c04")
    S.vignette()


CARDS = {41: alchemist, 42: blood, 43: confusion, 44: drake, 45: druids, 46: endurance, 47: exhaustion, 48: fear,
         49: firebolt, 50: frost, 51: haunt, 52: healer, 53: horror, 54: lightning, 55: locusts, 56: nature,
         57: pacify, 58: plague, 59: prayer, 60: sorcery, 61: tornado, 62: void}
