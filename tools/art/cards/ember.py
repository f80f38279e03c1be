"""ember.py -- cards 22..40, the blood-and-ember run: war, fire and the men who wage it."""
import math
import random

import figkit as fk
from cards.paint import W, H, f, pts, curve, limb, head, hand, body, cloak, horse, tower, windows


def ember_sky(S, clouds=0.5, low=None):
    S.sky(clouds=clouds, low=low)
    return S


def ambush(S):
    """A lone torch comes down the forest road; in the black brush above it, spears wait."""
    ember_sky(S, 0.3)
    for i in range(9):  # the forest behind the road
        x = i * 17 - 4
        S.add('<polygon points="%s" fill="#1a0606"/>' % pts([(x, 150), (x + 9, 40 + (i % 3) * 14), (x + 18, 150)]))
    S.fog(100, 60, opacity=0.4)
    S.add('<path d="M60,202 C62,170 74,150 70,120 L76,120 C82,150 92,170 104,202 Z" fill="#5a2a18" filter="url(#%s)"/>' % S.texture(0.1, 0.4))
    S.glow(74, 124, 22, "#ffb060", 0.9)
    S.add('<circle cx="74" cy="124" r="1.8" fill="#fff0c0"/>')
    S.add('<g fill="#060102">%s</g>' % body(dict(neck=(73, 126), hip=(73, 136), ls=(71, 127), rs=(75, 127), le=(70, 131), lw=(71, 135),
                                                re=(75, 124), rw=(74, 124), lk=(72, 141), la=(72, 146), rk=(74, 141), ra=(75, 146)), 0.5))
    # the ambushers: helmets, a drawn bow and spear points over the brush in front
    brush = '<path d="M0,202 L0,150 Q14,140 26,150 Q36,136 50,152 L56,202 Z M140,202 L140,146 Q124,136 112,150 Q100,138 88,156 L84,202 Z"/>'
    men = head(20, 142, 5, facing=1, helm="kettle") + head(118, 140, 5, facing=-1, helm="kettle") + head(40, 148, 4.5, facing=1, helm="kettle")
    men += '<path d="M100,120 C90,132 90,150 100,164" stroke="#0a0203" stroke-width="2" fill="none"/>'
    S.lit(brush + men, dx=0.3, dy=-1, width=1.2, fill="#080203")
    for x, y in ((30, 110), (46, 118), (124, 104), (112, 112)):
        S.add('<path d="M%s,%s L%s,%s" stroke="#0a0203" stroke-width="1.5"/><polygon points="%s" fill="#ff9a70"/>' % (
            f(x), f(y), f(x), f(y + 50), pts([(x, y - 7), (x + 2, y), (x - 2, y)])))
    S.add('<path d="M100,142 L88,141" stroke="#ff9a70" stroke-width="0.8"/>')
    S.vignette()


def archers(S):
    """A line of archers on the wall draw their bows against the burning sky."""
    ember_sky(S, 0.45, low="#c0401a")
    S.glow(70, 150, 90, "#ff7030", 0.6)
    rng = random.Random(23)
    for i in range(16):  # the volley already in the air
        x, y = rng.uniform(20, 140), rng.uniform(6, 70)
        S.add('<path d="M%s,%s l8,-5" stroke="#1a0404" stroke-width="0.9"/>' % (f(x), f(y)))
    S.lit('<rect x="0" y="168" width="140" height="34"/>' + "".join('<rect x="%d" y="160" width="10" height="10"/>' % (i * 20) for i in range(8)),
          dx=0, dy=-1, textured=True, fill="#140404")
    for k, (x, s) in enumerate(((30, 1.25), (72, 1.1), (110, 0.95))):
        y = 168
        j = dict(neck=(x, y - 40 * s), hip=(x - 2 * s, y - 22 * s), ls=(x - 3 * s, y - 38 * s), rs=(x + 3 * s, y - 38 * s),
                 le=(x - 12 * s, y - 38 * s), lw=(x - 6 * s, y - 42 * s), re=(x + 10 * s, y - 42 * s), rw=(x + 18 * s, y - 46 * s),
                 lk=(x - 7 * s, y - 11 * s), la=(x - 9 * s, y), rk=(x + 5 * s, y - 11 * s), ra=(x + 6 * s, y))
        fig = body(j, s * 0.9) + head(x + 1 * s, y - 46 * s, 3 * s, facing=1, hood=k == 1)
        # the bow bent round the left fist, string drawn back to the cheek
        bx = x + 18 * s
        by = y - 46 * s
        fig += hand(bx, by, 1.6 * s, -30)
        S.lit(fig, dx=0.5, dy=-1, fill="#0c0203")
        S.add('<path d="M%s,%s Q%s,%s %s,%s" stroke="#2a0c04" stroke-width="%s" fill="none"/>' % (
            f(bx - 6 * s), f(by - 18 * s), f(bx + 10 * s), f(by), f(bx - 6 * s), f(by + 18 * s), f(1.4 * s)))
        S.add('<path d="M%s,%s L%s,%s L%s,%s" stroke="#ffb080" stroke-width="0.4" fill="none"/>' % (
            f(bx - 6 * s), f(by - 18 * s), f(x + 2 * s), f(by + 2 * s), f(bx - 6 * s), f(by + 18 * s)))
        S.add('<path d="M%s,%s L%s,%s" stroke="#1a0404" stroke-width="0.9"/>' % (f(x + 2 * s), f(by + 2 * s), f(bx + 8 * s), f(by - 4 * s)))
    S.vignette()


def barbarian(S):
    """The barbarian strides over the skulls of the fallen, great axe swung up, roaring at the fire."""
    ember_sky(S, 0.5)
    S.glow(110, 120, 90, "#ff6a20", 0.8)
    S.add('<g filter="url(#%s)" opacity="0.7">' % S.blur(1.2) + "".join(
        '<circle cx="%s" cy="%s" r="%.1f" fill="#ffb050"/>' % (f(100 + 30 * math.sin(i * 1.7)), f(190 - i * 9), 0.6 + (i % 3) * 0.3) for i in range(18)) + "</g>")
    from svgkit import skull
    for x, y, sz in ((22, 186, 16), (46, 192, 14), (100, 190, 15), (118, 182, 13), (72, 196, 12)):
        S.add('<g filter="url(#%s)">%s</g>' % (S.rim(0.8, -0.6, None, 1), skull(x, y, sz, fill="#6a5040", eye="#100202", stroke="#2a1808")))
    # a full figure in stride: broad back, fur over the shoulders, both fists on the haft overhead
    j = dict(neck=(64, 70), hip=(62, 122), ls=(50, 76), rs=(78, 74), le=(44, 56), lw=(58, 40), re=(86, 56), rw=(70, 38),
             lk=(42, 148), la=(30, 176), rk=(82, 146), ra=(90, 176), lf=-1, rf=1)
    fig = body(j, 2.6, build=1.15) + head(68, 58, 7.5, facing=1, beard=True)
    fig += '<path d="M44,80 L42,70 L50,74 L52,64 L60,70 L66,62 L72,70 L80,64 L82,74 L90,72 L84,84 L74,92 L54,92 Z"/>'  # fur mantle
    fig += '<path d="M48,118 L78,118 L84,136 L42,136 Z"/>'  # hide kilt
    fig += hand(58, 40, 3.6, -110) + hand(70, 38, 3.6, -70)
    S.lit(fig, dx=1, dy=0.2, col="#ffa060", width=1.6, fill="#1a0806")
    # the axe: haft across the fists, a broad double bit above
    S.add('<path d="M50,52 L84,14" stroke="#2a1206" stroke-width="3.2"/>')
    S.lit('<path d="M78,22 C84,4 100,-2 112,2 C104,12 104,26 112,36 C100,38 88,34 82,28 Z M80,20 C70,10 66,2 68,-6 C76,0 84,6 86,14 Z"/>',
          dx=1, dy=0.2, col="#ffd8b0", width=1.4, fill="#4a4850")
    # the roaring face, lit from the fire on the right: brow, eye, open mouth in the beard
    S.add('<path d="M68,52 q4,-2 7,0" stroke="#ffa060" stroke-width="1" fill="none"/><circle cx="72" cy="55" r="0.9" fill="#ffe0b0"/>'
          '<path d="M73,63 q3,1 3,4 q-3,0 -4,-2 Z" fill="#300404" stroke="#ff8050" stroke-width="0.5"/>')
    S.vignette()


def cavalry(S):
    """Horsemen at full gallop, lances down, dust flying red behind them."""
    ember_sky(S, 0.4, low="#d05020")
    S.glow(30, 150, 70, "#ffa050", 0.6)
    S.ridge(150, 8, "#3a0c08", n=6, seed=3)
    S.add('<rect y="150" width="140" height="52" fill="#2a0806" filter="url(#%s)"/>' % S.texture(0.08, 0.4))
    S.clouds(0.5, "#c06a40", freq="0.05 0.08", y=120, h=70)
    for k, (x, y, s) in enumerate(((104, 118, 0.8), (70, 132, 1.05))):
        rider = horse(x, y, s, facing=-1, gait="gallop", neck_up=0.2)
        # the seated rider: thigh along the barrel, torso leaning in, helmet, shield, lance couched
        rx, ry = x + 2 * s, y - 4 * s
        rider += limb((rx, ry), (rx - 8 * s, ry + 6 * s), 7 * s, 5 * s) + limb((rx - 8 * s, ry + 6 * s), (rx - 6 * s, ry + 16 * s), 4.5 * s, 3.5 * s)
        rider += limb((rx, ry), (rx - 6 * s, ry - 22 * s), 10 * s, 8 * s) + head(rx - 7 * s, ry - 29 * s, 4 * s, facing=-1, helm="kettle")
        rider += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(rx + 3 * s), f(ry - 14 * s), f(6 * s), f(8 * s))
        rider += hand(rx - 10 * s, ry - 12 * s, 2 * s, 180)
        S.lit(rider, dx=-1, dy=-0.4, width=1.2, fill="#0c0304")
        S.add('<path d="M%s,%s L%s,%s" stroke="#2a1208" stroke-width="%s"/><polygon points="%s" fill="#ffc8a0"/>' % (
            f(rx + 18 * s), f(ry - 8 * s), f(rx - 50 * s), f(ry - 16 * s), f(1.6 * s),
            pts([(rx - 50 * s, ry - 18 * s), (rx - 58 * s, ry - 17 * s), (rx - 50 * s, ry - 14 * s)])))
        S.add('<path d="M%s,%s l10,3 l-10,3 Z" fill="#c01010"/>' % (f(rx - 40 * s), f(ry - 20 * s)))
    S.vignette()


def defend(S):
    """A shield wall braced and locked, spears over the rims, enemy arrows stuck fast."""
    ember_sky(S, 0.5, low="#b03818")
    S.ridge(130, 10, "#300808", n=6, seed=5).fog(120, 30, opacity=0.4)
    for i in range(9):  # spears over the wall
        x = 8 + i * 16
        S.add('<path d="M%s,150 L%s,60" stroke="#1a0606" stroke-width="1.6"/><polygon points="%s" fill="#e0a080"/>' % (
            f(x), f(x + 6), pts([(x + 6, 52), (x + 8.5, 62), (x + 3.5, 62)])))
    for row, (y, r) in enumerate(((128, 20), (168, 24))):
        for i in range(5 - row):
            cx = 16 + i * 28 + row * 14 if row == 0 else 30 + i * 40
            sh = '<circle cx="%s" cy="%s" r="%s"/>' % (f(cx), f(y), f(r))
            S.lit(sh, dx=-0.5, dy=-1, width=1.4, fill="#5a1410", textured=True)
            S.add('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#a08060" stroke-width="1.6"/><circle cx="%s" cy="%s" r="%s" fill="#b09070"/>' % (
                f(cx), f(y), f(r - 1), f(cx), f(y), f(r * 0.22)))
            S.add('<path d="M%s,%s h%s M%s,%s v%s" stroke="#2a0806" stroke-width="1.2"/>' % (f(cx - r), f(y), f(2 * r), f(cx), f(y - r), f(2 * r)))
    rng = random.Random(26)
    for _ in range(7):
        x, y = rng.uniform(10, 130), rng.uniform(115, 180)
        S.add('<path d="M%s,%s l-10,-9" stroke="#2a1006" stroke-width="1"/><path d="M%s,%s l-3,-1 l1,-2 Z" fill="#e8d0c0"/>' % (f(x), f(y), f(x - 10), f(y - 9)))
    S.vignette()


def gear(cx, cy, r, teeth, phase=0):
    p = []
    for i in range(teeth * 4):
        a = phase + i * math.pi * 2 / (teeth * 4)
        rr = r if (i % 4) in (0, 1) else r * 0.84
        p.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    out = '<polygon points="%s"/>' % pts(p)
    return out


def engineer(S):
    """The engineer at his great gears, hammer raised, sparks off the iron."""
    S.sky(top="#060102", mid="#1a0404", low="#3a0a06", clouds=0.0)
    S.glow(30, 150, 60, "#ff8030", 0.8)
    big = gear(96, 70, 48, 12, 0.1) + gear(34, 40, 26, 8, 0.3)
    S.lit(big, dx=-1, dy=0.6, col="#ff9a50", width=1.4, fill="#2a1410", textured=True)
    for cx, cy, r in ((96, 70, 14), (34, 40, 8)):
        S.add('<circle cx="%s" cy="%s" r="%s" fill="#0a0303"/><circle cx="%s" cy="%s" r="%s" fill="#4a2a20"/>' % (f(cx), f(cy), f(r), f(cx), f(cy), f(r * 0.4)))
    S.add('<rect y="176" width="140" height="26" fill="#1a0806" filter="url(#%s)"/>' % S.texture(0.1, 0.5))
    S.add('<path d="M14,176 L20,154 L48,154 L54,176 Z M10,150 h48 v6 h-48 Z" fill="#1a0c0a"/>')  # the anvil
    # the engineer leaning into the blow: tongs holding the glowing bar to the anvil, hammer high
    fig = fk.torso((70, 106), (73, 118), (79, 134), (82, 146), 1.15, shoulders=13, waist_w=10, hips=11)
    fig += fk.leg((77, 146), (66, 163), (58, 179), (50, 181), 1.15, -1, boot=True)
    fig += fk.leg((87, 146), (97, 163), (104, 179), (97, 181), 1.15, -1, boot=True)
    fig += fk.arm((80, 110), (94, 98), (90, 76), 1.15, -1) + fk.fist(89, 73, -1.75, 0.95)
    fig += fk.arm((64, 112), (54, 128), (44, 142), 1.15, -1) + fk.fist(42, 144, 2.3, 0.95)
    hx, hy = 64, 94
    fig += fk.face_profile(hx, hy, 0.95, facing=-1, tilt=0.12)
    fig += fk.smooth([fk.point(hx, hy, *q, s=0.95, facing=-1, tilt=0.12) for q in
                      ((-1.8, 2.4), (1.2, 3.8), (5.4, 4.4), (6.4, 7.4), (4.6, 11.6), (1.2, 12.8), (-1.4, 9.0))])
    fig += fk.smooth([fk.point(hx, hy, *q, s=0.95, facing=-1, tilt=0.12) for q in
                      ((-6.2, 0.0), (-6.6, -4.8), (-3.4, -8.6), (1.4, -8.8), (5.0, -6.8), (5.6, -4.6), (1.0, -5.4), (-2.8, -3.2))])
    # his leather apron from the chest to the knees
    fig += fk.smooth([(66, 114), (80, 114), (88, 140), (92, 164), (74, 166), (62, 160), (66, 138)])
    S.lit("".join('<path d="M%s"/>' % q for q in fig.split("M") if q.strip()), dx=-1, dy=0.6, col="#ffa060", width=1.4,
          fill="#0e0606", textured=True)
    # the hammer: haft from the raised fist, the heavy head high behind him
    S.lit('<path d="M86,80 L84,46" stroke="#0e0606" stroke-width="2.4"/><rect x="74" y="38" width="20" height="10" rx="1.5" '
          'transform="rotate(-8 84 43)"/>', dx=-1, dy=0.6, col="#ffb070", width=1.2, fill="#1a0c0a")
    S.lit('<path d="%s"/>' % fk.fist(89, 73, -1.75, 0.95), dx=-1, dy=0.6, col="#ffa060", width=1.2, fill="#0e0606")
    # the tongs from his fist to the bar on the anvil
    S.add('<path d="M42,144 L30,149 M42,145 L31,152" stroke="#1a0c0a" stroke-width="1.6"/>')
    S.add('<path d="M70,118 L80,118" stroke="#3a1a10" stroke-width="1.4"/>')
    S.add('<g filter="url(#%s)"><rect x="18" y="148" width="16" height="3.5" rx="1" fill="#ffb040"/></g>' % S.bloom(1.5))
    ex, ey = fk.point(64, 94, 3.2, -1.4, 0.95, -1, 0.12)
    S.add('<path d="M%s,%s q2,-1.2 4,0" stroke="#ffb070" stroke-width="0.8" fill="none"/><circle cx="%s" cy="%s" r="0.8" fill="#ffd8a0"/>'
          % (f(ex - 2.4), f(ey - 2), f(ex), f(ey)))
    S.add('<g filter="url(#%s)">' % S.bloom(1.5) + "".join('<path d="M26,148 l%s,%s" stroke="#ffe0a0" stroke-width="0.8"/>' % (
        f(18 * math.cos(a)), f(-18 * math.sin(a))) for a in (0.3, 0.8, 1.3, 1.9, 2.5, 2.9)) + '<circle cx="26" cy="148" r="2.5" fill="#fff0c0"/></g>')
    S.vignette()


def enrage(S):
    """A face contorted in fury, veins standing out, roaring red."""
    S.sky(top="#1a0202", mid="#4a0606", low="#8a1008", clouds=0.3)
    S.glow(70, 110, 80, "#ff3010", 0.6)
    face = ('<path d="M28,70 C26,36 50,18 70,18 C92,18 116,36 112,72 C112,96 106,118 98,138 C92,156 82,176 70,178 '
            'C58,176 48,156 42,138 C34,118 28,96 28,70 Z"/>')
    S.lit(face, dx=0, dy=1, col="#ffb080", width=1.6, fill="#7a1810", textured=True)
    S.add('<path d="M28,70 C26,36 50,18 70,18 C92,18 116,36 112,72 C112,96 106,118 98,138 C92,156 82,176 70,178 C58,176 48,156 42,138 C34,118 28,96 28,70 Z" fill="url(#%s)"/>'
          % "x" if False else "")
    # brows knotted down, eyes blazing, nose flared, the mouth a roaring hole with teeth
    S.add('<path d="M36,64 L64,78 L62,70 L40,58 Z M104,64 L76,78 L78,70 L100,58 Z" fill="#2a0404"/>')
    S.add('<g filter="url(#%s)"><path d="M44,80 L62,84 L46,88 Z M96,80 L78,84 L94,88 Z" fill="#ffe060"/></g>' % S.bloom(2))
    S.add('<path d="M64,84 L60,110 Q70,116 80,110 L76,84" fill="#5a0c08"/>')
    S.add('<path d="M48,122 Q70,112 92,122 Q96,150 70,164 Q44,150 48,122 Z" fill="#1a0202"/>')
    S.add('<path d="M52,124 l4,6 l4,-6 l4,6 l4,-6 l4,6 l4,-6 l4,6 l4,-6 M56,156 l4,-5 l4,5 l4,-5 l4,5 l4,-5 l4,5" stroke="#e8d8c0" stroke-width="1.4" fill="#e8d8c0"/>')
    S.add('<path d="M70,26 Q66,40 72,52 M36,50 Q44,56 40,64 M104,50 Q96,56 100,64 M44,96 q-6,14 2,26 M96,96 q6,14 -2,26" stroke="#3a0604" stroke-width="1.4" fill="none"/>')
    S.vignette(0.6)


def from_above(S):
    """Burning arrows fall out of the red sky onto the battlements below."""
    ember_sky(S, 0.55, low="#601008")
    rng = random.Random(29)
    streaks = ""
    for _ in range(14):
        x, y = rng.uniform(-20, 130), rng.uniform(-10, 110)
        ln = rng.uniform(20, 40)
        streaks += '<path d="M%s,%s l%s,%s" stroke="url(#trail)" stroke-width="%.1f" stroke-linecap="round"/>' % (f(x), f(y), f(ln * 0.5), f(ln), rng.uniform(1.2, 2.6))
        streaks += '<circle cx="%s" cy="%s" r="1.8" fill="#fff0b0"/>' % (f(x + ln * 0.5), f(y + ln))
    S.defs.append('<linearGradient id="trail" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#ff4010" stop-opacity="0"/><stop offset="1" stop-color="#ffe080"/></linearGradient>')
    S.add('<g filter="url(#%s)">%s</g>' % (S.bloom(1.8), streaks))
    wall = '<rect x="0" y="160" width="140" height="42"/>' + "".join('<rect x="%d" y="150" width="12" height="12"/>' % (i * 22) for i in range(7))
    wall += tower(112, 160, 26, 40)
    S.lit(wall, dx=0, dy=-1, textured=True, fill="#1e0806")
    S.add('<g filter="url(#%s)">' % S.bloom(2) + "".join('<path d="M%s,%s l%s,%s" stroke="#ffb050" stroke-width="1"/>' % (f(x), f(y), f(-3), f(-8)) for x, y in ((30, 158), (70, 162), (104, 126))) + "</g>")
    S.glow(50, 170, 30, "#ff6020", 0.6)
    S.vignette()


def ghost_rider(S):
    """A pale spectral horseman rears out of the red mist, sword raised, see-through."""
    S.sky(top="#0a0202", mid="#2a0606", low="#5a1008", clouds=0.55)
    for i in range(5):  # crosses of the field he rides from
        x = 10 + i * 30
        S.add('<path d="M%s,180 v-18 M%s,168 h10" stroke="#1a0404" stroke-width="2.4"/>' % (f(x), f(x - 5)))
    S.ridge(180, 4, "#120303", n=6, seed=6)
    ghost = horse(70, 112, 1.35, facing=1, gait="rear", neck_up=0.6)
    rx, ry = 66, 104
    ghost += limb((rx, ry), (rx + 10, ry + 8), 8, 6) + limb((rx + 10, ry + 8), (rx + 8, ry + 20), 5, 4)
    ghost += limb((rx, ry), (rx - 2, ry - 26), 11, 9) + head(rx - 1, ry - 34, 5, facing=1, hood=True)
    ghost += limb((rx - 1, ry - 22), (rx - 12, ry - 34), 4, 3) + limb((rx - 12, ry - 34), (rx - 14, ry - 48), 3, 2.6)
    ghost += cloak((rx - 4, ry - 24), (rx + 2, ry - 24), ry + 6, 1.4)
    S.add('<g opacity="0.55" filter="url(#%s)"><g fill="#f0e8f0">%s</g></g>' % (S.blur(3), ghost))
    S.add('<g opacity="0.75" fill="#f4eef4" stroke="#ffffff" stroke-width="0.6">%s</g>' % ghost)
    S.add('<g filter="url(#%s)"><path d="M54,56 L48,4" stroke="#ffffff" stroke-width="2.2"/></g>' % S.bloom(2))
    S.add('<circle cx="%s" cy="%s" r="1" fill="#ff2010"/><circle cx="%s" cy="%s" r="1" fill="#ff2010"/>' % (f(70 + 22 * 1.35), f(112 - 20 * 1.35 - 4), f(rx + 3), f(ry - 34)))
    S.fog(160, 42, col="#c06060", opacity=0.45)
    S.vignette()


def infiltration(S):
    """Up the grappling line on the castle's dark side, feet braced on the stones, under the sentry's torch."""
    S.sky(top="#060102", mid="#200406", low="#3a0a08", clouds=0.3).stars(24, 60)
    # the town far below and the castle's other towers, lost in the red haze
    S.add('<g fill="#1e0606">%s</g>' % (tower(20, 202, 14, 90, top="cone") + tower(46, 202, 10, 60)))
    S.fog(120, 82, opacity=0.35)
    # the wall seen edge on: its face, the battlements above, courses of stone
    wall = '<rect x="84" y="34" width="60" height="170"/>' + "".join('<rect x="%d" y="22" width="10" height="14"/>' % x for x in (82, 104, 126))
    S.lit(wall, dx=-1, dy=-0.6, textured=True, fill="#2a1010")
    for r in range(11):
        S.add('<path d="M84,%d H140" stroke="#120404" stroke-width="0.8"/>' % (46 + r * 15))
        S.add('<path d="M%d,%d v15" stroke="#120404" stroke-width="0.8"/>' % (96 + (r % 2) * 14, 46 + r * 15))
    # the sentry's torch on the wall walk, lighting the top of the climb
    S.glow(118, 14, 40, "#ff9040", 0.9)
    S.add('<g filter="url(#%s)"><path d="M118,16 q-3,-7 0,-12 q4,6 0,12 Z" fill="#ffe090"/></g><path d="M118,18 v10" stroke="#2a1008" stroke-width="2"/>' % S.bloom(2))
    # the hook bitten into the merlon and the line down the face
    S.add('<path d="M86,24 q-4,-2 -5,3 M86,24 q-6,2 -4,6" stroke="#b0a0a0" stroke-width="1.4" fill="none"/>'
          '<path d="M82,28 C80,70 80,120 80,150 C80,170 74,186 70,204" stroke="#8a6a48" stroke-width="1.3" fill="none"/>')
    # the climber, leaning out from the wall on the line: hand over hand, knees bent, soles on the stone
    j = dict(neck=(70, 100), hip=(60, 126), ls=(67, 102), rs=(72, 103), le=(73, 92), lw=(80, 84), re=(77, 108), rw=(80, 100),
             lk=(74, 118), la=(82.5, 131), rk=(71, 133), ra=(82.5, 146), lf=1, rf=1)
    fig = body(j, 1.35) + head(69, 91, 4.6, facing=1, hood=True) + hand(80, 83, 1.9, -80) + hand(80, 100, 1.9, -80)
    fig += '<path d="M64,104 C56,110 52,122 50,134 L58,128 Z"/>'  # the short cloak hanging back
    S.lit(fig, dx=-1, dy=-0.8, col="#ff9a60", width=1.2, fill="#040102")
    S.add('<g filter="url(#%s)"><circle cx="72" cy="90" r="0.8" fill="#ffc080"/></g>' % S.bloom(0.6))
    S.vignette()


def mercenary(S):
    """A sellsword by the camp fire, greatsword on his shoulder, flipping the coin he was paid."""
    ember_sky(S, clouds=0.35)
    # the war camp behind him: tents and pikes against the glow, smoke drifting
    S.glow(14, 186, 76, "#ff7a30", 0.9, ry=56)
    tents = "".join('<polygon points="%s"/>' % pts([(x - w, 160), (x, 160 - w * 0.9), (x + w, 160)]) for x, w in ((8, 16), (112, 20), (140, 12)))
    tents += "".join('<path d="M%d,160 L%d,112" stroke="#120404" stroke-width="1.2"/>' % (x, x + 2) for x in (30, 36, 126))
    S.add('<g fill="#160506">%s</g><rect y="158" width="140" height="44" fill="#100304"/>' % tents)
    S.fog(120, 50, opacity=0.3)
    # the greatsword resting on his shoulder, its edge catching the fire
    S.lit('<polygon points="88,130 92,132 136,14 132,11"/>', dx=-0.6, dy=-1, col="#ffd0a0", width=1.2, fill="#6a6c74")
    S.add('<path d="M91,128 L133,15" stroke="#d8d0c8" stroke-width="0.5" opacity="0.6"/>')
    # the man from the waist up, turned to the fire: heavy shoulders in mail, the neck thick,
    # his head in profile with cropped hair and a beard
    trunk = fk.smooth([(30, 204), (28, 160), (26, 124), (32, 110), (46, 102), (58, 94), (80, 94), (96, 100), (110, 106),
                       (120, 118), (118, 160), (116, 204)])
    neck = fk.smooth([(56, 100), (56, 82), (64, 76), (80, 80), (82, 100)])
    hx, hy = 66, 64
    face = fk.face_profile(hx, hy, 2.2, facing=-1, tilt=0.06)
    hair = fk.smooth([fk.point(hx, hy, *q, s=2.2, facing=-1, tilt=0.06) for q in
                      ((-6.2, 1.0), (-6.6, -4.4), (-3.6, -8.4), (1.0, -8.8), (4.6, -7.2), (5.4, -5.0), (2.0, -5.6), (-1.6, -3.4))])
    beard = fk.smooth([fk.point(hx, hy, *q, s=2.2, facing=-1, tilt=0.06) for q in
                       ((-2.2, 2.0), (1.2, 3.6), (5.4, 4.2), (6.2, 6.4), (4.6, 9.4), (1.2, 10.2), (-1.4, 8.0))])
    pauld = fk.smooth([(24, 116), (28, 102), (42, 96), (54, 100), (50, 114), (36, 118)])
    pauld += " " + fk.smooth([(88, 98), (104, 96), (118, 104), (122, 118), (108, 116), (94, 110)])
    S.lit("".join('<path d="%s"/>' % d for d in (trunk, neck, face, hair, beard, pauld)), dx=-1, dy=0.4, col="#ffa060",
          width=1.6, fill="#1a0a0a", textured=True)
    # rings of mail over the chest, the baldric and its buckle
    S.add('<g stroke="#4a2418" stroke-width="0.6" fill="none" opacity="0.8">' + "".join(
        '<path d="M%d,%d q3,2 6,0"/>' % (x + (y // 5 % 2) * 3, y) for x in range(34, 110, 6) for y in range(122, 204, 5)) + "</g>")
    S.add('<path d="M40,110 L108,176" stroke="#3a2010" stroke-width="5"/><rect x="70" y="138" width="7" height="6" fill="#a07a30"/>')
    # his sword arm bent up to the grip at his shoulder; the other raised before him, the
    # thumb just flicking the coin into the air
    arms = fk.arm((106, 110), (116, 150), (98, 132), 1.75, facing=-1) + fk.fist(95, 129, -2.0, 1.6)
    arms += fk.arm((38, 112), (12, 136), (20, 106), 1.75, facing=-1)
    S.lit("".join('<path d="M%s"/>' % p for p in arms.split("M") if p.strip()), dx=-1, dy=0.4, col="#ffa060", width=1.6,
          fill="#2a120c", textured=True)
    S.add('<path d="M86,136 L84,142" stroke="#2a140a" stroke-width="3.4"/><circle cx="83.6" cy="144" r="2.4" fill="#a07a30"/>'
          '<path d="M84,127 L100,133" stroke="#a07a30" stroke-width="2.6" stroke-linecap="round"/>')
    S.lit('<path d="%s"/>' % fk.fist(95, 129, -2.0, 1.6), dx=-1, dy=0.4, col="#ffa060", width=1.2, fill="#2a120c")
    thumb = fk.fist(20, 101, -1.6, 1.6) + fk.swell([(22.5, 97), (24.5, 91), (24, 87)], [(0, 1.6, 1.6), (0.6, 1.3, 1.3), (1, 1.1, 1.1)])
    S.lit("".join('<path d="M%s"/>' % p for p in thumb.split("M") if p.strip()), dx=-1, dy=0.4, col="#ffb070", width=1.2,
          fill="#3a1810")
    # the face half in firelight: brow, eye, the old scar across the cheek, the ear
    ex, ey = fk.point(hx, hy, 3.2, -1.4, 2.2, -1, 0.06)
    S.add('<path d="M%s,%s q3,-1.6 6,-0.2" stroke="#ffb070" stroke-width="1" fill="none"/><circle cx="%s" cy="%s" r="1.1" fill="#ffd8a0"/>'
          % (f(ex - 3.4), f(ey - 2.6), f(ex), f(ey)))
    S.add('<path d="M%s,%s L%s,%s" stroke="#c05040" stroke-width="0.9"/>' % (f(ex + 2), f(ey - 5), f(ex + 6), f(ey + 9)))
    S.add('<path d="M%s,%s q-3,1 -2,5 q2,1 3,-1" stroke="#7a3020" stroke-width="0.8" fill="none"/>' % (f(hx + 2), f(hy - 2)))
    # the coin spinning up over his thumb
    S.add('<g filter="url(#%s)"><ellipse cx="25" cy="74" rx="3.6" ry="1.6" fill="#ffd860" transform="rotate(-20 25 74)"/>'
          '<path d="M25,70 v-5 M21,74 h-4 M29,74 h4" stroke="#fff0b0" stroke-width="0.6"/></g>' % S.bloom(1.4))
    S.vignette(0.7)


def reinforce(S):
    """The great gate strengthened: iron bands, studs and a beam barred across it, torches either side."""
    S.sky(top="#080202", mid="#1a0606", low="#2a0a08", clouds=0.0)
    S.lit('<rect x="0" y="0" width="140" height="202"/>', dx=0, dy=-1, textured=True, fill="#2a1410")
    for r in range(13):
        for c in range(8):
            S.add('<rect x="%s" y="%s" width="20" height="16" fill="none" stroke="#0e0404" stroke-width="0.9"/>' % (f(c * 20 - (10 if r % 2 else 0)), f(r * 16)))
    S.add('<path d="M26,202 V70 a44,44 0 0 1 88,0 V202 Z" fill="#0a0303"/>')
    S.add('<path d="M30,202 V72 a40,40 0 0 1 80,0 V202 Z" fill="#4a2414" filter="url(#%s)"/>' % S.texture(0.05, 0.5))
    for x in range(34, 110, 10):
        S.add('<path d="M%d,40 V202" stroke="#2a1008" stroke-width="1.2"/>' % x)
    for y in (70, 112, 160):
        S.add('<rect x="30" y="%d" width="80" height="6" fill="#1e1a1a"/>' % y + "".join(
            '<circle cx="%d" cy="%d" r="1.5" fill="#b0a0a0"/>' % (x, y + 3) for x in range(36, 108, 12)))
    S.lit('<rect x="22" y="128" width="96" height="12" rx="2"/><rect x="16" y="124" width="8" height="20"/><rect x="116" y="124" width="8" height="20"/>',
          dx=0, dy=-1, col="#ffb070", width=1.3, fill="#3a1c0c", textured=True)
    for x in (12, 128):
        S.glow(x, 58, 26, "#ff9040", 0.9)
        S.add('<path d="M%d,80 v-18" stroke="#1a0804" stroke-width="3"/><g filter="url(#%s)"><path d="M%d,62 q-4,-8 0,-14 q4,6 0,14 Z" fill="#ffe090"/></g>' % (x, S.bloom(2), x))
    S.vignette(0.7)


def siege(S):
    """A city burns as the siege tower reaches its walls and the ladders go up."""
    ember_sky(S, 0.4, low="#e06020")
    S.glow(70, 120, 80, "#ff7020", 0.8)
    S.clouds(0.7, "#2a0a06", freq="0.03 0.06", y=0, h=90)
    city = "".join(tower(x, 130, w, hh, top="cone" if i % 2 else "crenel") for i, (x, w, hh) in enumerate(((20, 12, 50), (48, 14, 70), (86, 12, 56), (118, 16, 64))))
    S.add('<g fill="#2a0806">%s</g>' % city)
    S.add('<rect x="0" y="130" width="140" height="30" fill="#3a0c08"/>')
    S.add('<g filter="url(#%s)">' % S.bloom(2) + "".join('<path d="M%s,130 q-6,-14 2,-26 q4,12 8,4 q4,14 -4,22 Z" fill="#ffb040"/>' % f(x) for x in (22, 60, 96)) + "</g>")
    S.add('<rect y="160" width="140" height="42" fill="#140404" filter="url(#%s)"/>' % S.texture(0.1, 0.5))
    siege_tower = '<polygon points="96,200 100,112 128,112 132,200"/><path d="M100,112 L90,128 L100,132" stroke="#000" stroke-width="3"/>'
    siege_tower += '<circle cx="100" cy="200" r="6"/><circle cx="128" cy="200" r="6"/>'
    S.lit(siege_tower, dx=-1, dy=-1, width=1.2, fill="#120404", textured=True)
    for x in (24, 52):  # ladders
        S.add('<path d="M%d,200 L%d,128 M%d,200 L%d,128" stroke="#0c0202" stroke-width="1.6"/>' % (x, x + 10, x + 8, x + 18) + "".join(
            '<path d="M%s,%s h8" stroke="#0c0202" stroke-width="1.2"/>' % (f(x + (200 - y) * 10 / 72), f(y)) for y in range(136, 200, 8)))
    S.vignette()


def slavery(S):
    """Shackled wrists raised in the dungeon, a heavy chain sagging between the iron cuffs."""
    S.sky(top="#060102", mid="#120304", low="#1a0606", clouds=0.0)
    S.lit('<rect width="140" height="202"/>', dx=0, dy=-1, textured=True, fill="#241010")
    for r in range(14):
        for c in range(6):
            S.add('<rect x="%s" y="%s" width="26" height="15" fill="none" stroke="#0c0404" stroke-width="0.8"/>' % (f(c * 26 - (13 if r % 2 else 0)), f(r * 15)))
    S.add('<rect x="96" y="10" width="30" height="22" fill="#ff7030"/>')
    S.add('<path d="M102,10 v22 M110,10 v22 M118,10 v22" stroke="#0a0202" stroke-width="2.4"/>')
    S.glow(111, 21, 40, "#ff6020", 0.7)
    S.add('<polygon points="96,32 126,32 90,202 10,202" fill="#ff8040" opacity="0.14" filter="url(#%s)"/>' % S.blur(4))
    # forearms rising from below into the light, fists clenched, iron cuffs on the wrists
    arms = limb((30, 210), (48, 110), 16, 12) + limb((104, 210), (86, 110), 16, 12)
    arms += hand(50, 98, 7, -75) + hand(84, 98, 7, -105)
    S.lit(arms, dx=0.6, dy=-1, col="#ff9a60", width=1.4, fill="#1a0806")
    for x in (48, 86):
        S.add('<rect x="%s" y="112" width="20" height="11" rx="2" fill="#2a2626" stroke="#000" stroke-width="1"/><path d="M%s,114 h16" stroke="#8a7a70" stroke-width="0.8"/>' % (f(x - 10), f(x - 8)))
    links = ""
    for i in range(11):
        x = 52 + i * 3.2
        y = 124 + math.sin(i / 10 * math.pi) * 22
        links += '<ellipse cx="%s" cy="%s" rx="3.4" ry="2" fill="none" stroke="#7a6a60" stroke-width="1.6" transform="rotate(%d %s %s)"/>' % (
            f(x), f(y), 50 if i % 2 else -30, f(x), f(y))
    S.add(links)
    S.vignette(0.7)


def thief(S):
    """In the crush of the crowd a gloved hand cuts the purse from a rich man's belt; the coins spill."""
    S.sky(top="#0a0202", mid="#1e0606", low="#3a0c08", clouds=0.0).glow(100, 50, 60, "#ff8040", 0.5)
    # the rich man's robe filling the frame, his belt across it
    S.add('<rect width="140" height="202" fill="#4a1018" filter="url(#%s)"/>' % S.texture(0.04, 0.5))
    S.add('<path d="M0,40 Q40,30 90,40 Q120,46 140,40 M0,150 Q40,140 90,152 Q120,158 140,150" stroke="#2a0408" stroke-width="6" fill="none" opacity="0.5"/>')
    S.add('<path d="M0,82 Q70,72 140,84 L140,98 Q70,86 0,96 Z" fill="#2a1a0c"/><rect x="58" y="76" width="18" height="16" rx="2" fill="none" stroke="#d0a040" stroke-width="2"/>')
    # the purse: a leather pouch gathered at its neck by a drawstring, fat with coin
    S.add('<path d="M96,88 L98,100 M104,88 L102,100" stroke="#3a2410" stroke-width="1.4"/>')
    pouch = curve([(96, 104), (90, 110), (83, 124), (81, 138), (88, 149), (100, 153), (113, 149), (120, 137), (116, 118), (105, 104)])
    ruff = '<path d="M92,104 L94,97 L97,102 L100,96 L103,102 L106,97 L108,104 Z"/>'
    S.lit('<path d="%s"/>' % pouch + ruff, dx=0.6, dy=-1, col="#ffc080", fill="#5a3418", textured=True)
    S.add('<path d="M92,105 Q100,109 108,105" stroke="#1e0e04" stroke-width="2" fill="none"/>'
          '<g stroke="#2a1406" stroke-width="0.8" fill="none" opacity="0.8"><path d="M96,108 Q88,124 90,142"/><path d="M100,109 Q98,128 100,148"/>'
          '<path d="M104,108 Q112,124 110,142"/></g>'
          '<path d="M106,110 Q116,120 114,138" stroke="#e0a060" stroke-width="1" fill="none" opacity="0.6"/>')
    # the slit the blade has opened, and the coins dropping from it
    S.add('<path d="M94,148 Q100,153 107,148" stroke="#0a0402" stroke-width="2" fill="none"/>')
    S.add('<g filter="url(#%s)">' % S.bloom(1) + "".join(
        '<ellipse cx="%s" cy="%s" rx="4" ry="%s" fill="#e8b840" stroke="#6a4008" stroke-width="0.6"/>' % (f(x), f(y), f(r))
        for x, y, r in ((99, 160, 1.6), (104, 172, 3.6), (95, 184, 2.2), (106, 194, 1.2))) + "</g>")
    # the thief's gloved hand coming from the left, a thin blade at the purse
    S.lit(limb((-10, 162), (50, 140), 18, 12) + hand(62, 138, 8, -20, fist=True), dx=0.6, dy=-1, col="#ffa060", width=1.2, fill="#0c0404")
    S.add('<g filter="url(#%s)"><polygon points="66,134 96,146 95,149 66,139" fill="#f0e0d8"/></g>' % S.bloom(1))
    # and over his shoulder, his hooded face turned away from the crowd
    S.lit(head(24, 46, 10, facing=1, hood=True) + '<path d="M-4,60 C4,56 12,58 16,62 C28,60 40,70 44,88 C48,110 40,134 28,150 L-4,176 Z"/>',
          dx=0.6, dy=-1, col="#ff9a60", width=1.2, fill="#080203")
    S.add('<g filter="url(#%s)"><ellipse cx="28" cy="44" rx="1.4" ry="0.9" fill="#ffd0a0"/></g>' % S.bloom(0.8))
    S.vignette(0.6)


def titan(S):
    """A titan in armour looms over a small tower, his great blade raised against the red sky."""
    ember_sky(S, 0.45, low="#b03010")
    S.glow(70, 70, 90, "#ff6030", 0.5)
    # the titan: massive shoulders and helm, half hidden in the haze
    t = '<path d="M4,202 C8,150 14,110 30,94 Q70,76 110,94 C126,110 132,150 136,202 Z"/>'
    t += '<path d="M50,92 C48,62 56,42 70,40 C84,42 92,62 90,92 Z"/>'  # helm
    t += '<path d="M30,94 C14,90 6,102 4,118 L26,120 Z M110,94 C126,90 134,102 136,118 L114,120 Z"/>'  # pauldrons
    t += limb((112, 104), (124, 70), 24, 18) + hand(124, 60, 8, -90)
    S.lit(t, dx=0, dy=-1, col="#ff9a60", width=1.6, fill="#2a0c0a", textured=True)
    S.add('<path d="M58,66 h24 M70,54 v28" stroke="#0a0202" stroke-width="3"/>')
    S.add('<g filter="url(#%s)"><path d="M60,66 h8 M72,66 h8" stroke="#ff4020" stroke-width="2"/></g>' % S.bloom(2))
    S.lit('<polygon points="120,58 128,58 132,-10 124,-10"/><rect x="112" y="54" width="24" height="5"/>', dx=-1, dy=0, col="#ffe0c0", fill="#6a6470")
    S.fog(110, 60, opacity=0.55)
    # the small tower at his feet
    S.lit(tower(40, 202, 22, 62), dx=-0.5, dy=-1, width=1.2, textured=True, fill="#140404")
    S.add(windows([(38, 160, 3, 6)], "#ffc070", S))
    S.vignette()


def trebuchet(S):
    """The trebuchet's arm swings up and hurls a ball of fire at the night."""
    ember_sky(S, 0.45, low="#c04418")
    S.ridge(172, 6, "#1a0404", n=6, seed=8)
    frame = '<polygon points="30,176 62,96 70,96 44,176"/><polygon points="100,176 70,96 62,96 88,176"/><rect x="24" y="172" width="86" height="6"/>'
    frame += '<path d="M44,150 L88,150" stroke="#000" stroke-width="3"/>'
    arm = '<polygon points="64,96 120,28 124,32 70,102"/><polygon points="66,96 42,122 56,126 70,102"/><rect x="36" y="118" width="22" height="18" rx="2"/>'
    S.lit(frame + arm, dx=0.6, dy=-1, col="#ffa060", width=1.2, fill="#180606", textured=True)
    S.add('<path d="M122,30 Q118,20 110,16" stroke="#2a0808" stroke-width="0.8" fill="none"/>')
    S.add('<path d="M110,16 C90,10 70,20 54,26" stroke="#ff8030" stroke-width="3" opacity="0.4" stroke-linecap="round"/>')
    S.add('<g filter="url(#%s)"><circle cx="48" cy="28" r="7" fill="#ffcf60"/><circle cx="48" cy="28" r="4" fill="#fff6d0"/></g>' % S.bloom(3))
    S.vignette()


def war_beast(S):
    """An armoured war boar charges, tusks lowered, plates and spikes along its back."""
    ember_sky(S, 0.4, low="#a02810")
    S.ridge(160, 6, "#200606", n=6, seed=9)
    S.add('<rect y="160" width="140" height="42" fill="#1a0606" filter="url(#%s)"/>' % S.texture(0.1, 0.5))
    S.clouds(0.55, "#a05030", freq="0.06 0.1", y=140, h=62)
    boar = ('<path d="M126,118 C128,96 114,82 96,78 C80,74 58,74 44,82 C30,88 20,98 16,110 L6,116 L8,126 L18,126 '
            'C22,132 30,136 38,136 L40,160 L48,160 L50,140 L84,142 L90,160 L98,160 L98,140 C110,140 124,132 126,118 Z"/>')
    boar += limb((30, 130), (22, 156), 8, 5) + limb((110, 134), (118, 158), 8, 5)
    spikes = "".join('<polygon points="%s"/>' % pts([(x, 80 - (x - 40) * 0.02), (x + 4, 62 + abs(x - 80) * 0.15), (x + 8, 80)]) for x in range(44, 116, 12))
    S.lit(boar + spikes, dx=0.3, dy=-1, col="#ff9a60", width=1.4, fill="#1a0806", textured=True)
    S.add('<path d="M46,84 C60,98 64,118 60,134 M72,80 C84,96 86,120 82,140" stroke="#5a4040" stroke-width="3" fill="none"/>')  # armour plates
    S.add('<path d="M14,112 C6,104 2,96 6,88 C8,98 12,102 20,106 Z" fill="#f0e0c0"/>')  # the tusk
    S.add('<g filter="url(#%s)"><circle cx="26" cy="104" r="2" fill="#ff5020"/></g>' % S.bloom(1.5))
    S.vignette()


def warrioress(S):
    """The horned warrior woman stands on the crag with her skull-topped spear, fire behind her."""
    ember_sky(S, 0.45, low="#d04818")
    S.glow(70, 150, 80, "#ff7020", 0.7)
    S.lit('<path d="M10,202 L24,170 Q50,160 70,164 Q96,160 118,172 L130,202 Z"/>', dx=0, dy=-1, textured=True, fill="#120404")
    j = dict(neck=(70, 70), hip=(70, 116), ls=(62, 74), rs=(78, 74), le=(52, 94), lw=(54, 112), re=(88, 86), rw=(96, 76),
             lk=(60, 140), la=(54, 166), rk=(80, 140), ra=(86, 166), lf=-1, rf=1)
    fig = cloak((60, 72), (80, 72), 150, 1.6, rng=random.Random(40)) + body(j, 1.7, female=True) + head(70, 58, 6, facing=1, hair="long", helm="horned")
    fig += hand(54, 114, 2.6, 90) + hand(96, 76, 2.6, -90)
    fig += '<path d="M60,120 L80,120 L84,140 L56,140 Z"/>'  # her war skirt
    S.lit(fig, dx=0, dy=1, col="#ffa060", width=1.4, fill="#140606")
    S.add('<path d="M97,200 L97,30" stroke="#2a1008" stroke-width="2.4"/>')
    from svgkit import skull
    S.add(skull(97, 24, 13, fill="#e8dcc8", eye="#300000"))
    S.add('<path d="M68,56 q2,1 4,0" stroke="#ffb080" stroke-width="0.8"/>')
    S.vignette()


CARDS = {22: ambush, 23: archers, 24: barbarian, 25: cavalry, 26: defend, 27: engineer, 28: enrage, 29: from_above,
         30: ghost_rider, 31: infiltration, 32: mercenary, 33: reinforce, 34: siege, 35: slavery, 36: thief, 37: titan,
         38: trebuchet, 39: war_beast, 40: warrioress}
