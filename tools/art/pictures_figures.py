"""pictures_figures.py -- the creatures, people, effects and badges of the card animations and screens."""
import math
import random

from pictures_scenery import tower_body
from svgkit import (doc, radial, linear, text, pts, flame, skull, gem, crystal, stars, hills, moon,
                    bolt_path, figure, SERIF, SANS)


def backdrop(w, h, top="#05070f", bottom="#1a2440", glow=None):
    d = linear("bd", [(0, top, 1), (1, bottom, 1)])
    s = '<rect width="%d" height="%d" fill="url(#bd)"/>' % (w, h)
    if glow:
        d += radial("bdglow", [(0, glow, 0.8), (1, glow, 0)])
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#bdglow)"/>' % (w / 2, h / 2, w / 2, h / 2)
    return s, d


def dragon(cx, cy, s, body, wing, seed=1, breath=False):
    """A winged dragon in side view, facing right, centred on (cx, cy), about 200*s wide."""
    g = '<g transform="translate(%s,%s) scale(%s)">' % (cx, cy, s)
    g += ('<path d="M-20,-10 C-40,-90 -90,-110 -110,-100 C-90,-80 -95,-60 -80,-50 C-100,-45 -110,-30 -100,-20 '
          'C-80,-25 -60,-15 -40,0 Z" fill="%s" stroke="#000" stroke-opacity="0.5"/>') % wing
    g += ('<path d="M10,-10 C20,-100 70,-120 100,-110 C80,-90 84,-70 70,-60 C90,-55 96,-40 86,-30 C66,-32 40,-18 20,0 Z" '
          'fill="%s" stroke="#000" stroke-opacity="0.5"/>') % wing
    g += '<path d="M-20,-10 L-110,-100 M-20,-10 L-80,-50 M10,-10 L100,-110 M10,-10 L70,-60" stroke="#000" stroke-opacity="0.4" stroke-width="2"/>'
    g += ('<path d="M-90,30 C-60,10 -30,-10 0,-10 C30,-12 50,-20 62,-40 C70,-52 84,-56 98,-50 L110,-44 L96,-38 '
          'C86,-36 78,-30 72,-20 C60,0 40,20 10,25 C-20,30 -40,40 -60,50 C-80,58 -100,60 -120,52 C-100,48 -95,40 -90,30 Z" fill="%s" '
          'stroke="#000" stroke-opacity="0.6" stroke-width="1.5"/>') % body
    g += '<circle cx="94" cy="-48" r="2.5" fill="#ffef60" filter="url(#softglow)"/>'
    g += '<path d="M-20,20 L-28,44 L-20,42 M20,16 L16,40 L24,38" stroke="%s" stroke-width="6" fill="none"/>' % body
    g += '<path d="M84,-54 L78,-70 L90,-58 M76,-52 L66,-64 L80,-54" fill="%s" stroke="%s" stroke-width="2"/>' % (body, body)
    if breath:
        g += '<g filter="url(#softglow)"><path d="M108,-44 C150,-70 200,-40 240,-60 C220,-30 200,-20 240,-10 C190,-10 150,-20 108,-42 Z" fill="#ff9020" opacity="0.9"/>'
        g += '<path d="M108,-44 C140,-56 170,-42 200,-48 C180,-34 150,-34 108,-42 Z" fill="#ffef90"/></g>'
    g += "</g>"
    return g


def dragon_head(w, h, tint):
    bd, d = backdrop(w, h, "#100404", "#2a0a04") if tint == "fire" else backdrop(w, h, "#02081a", "#0a2040")
    body = "#6a1c10" if tint == "fire" else "#1c3a7a"
    flame_c = ("#fff7b0", "#ffa020", "#d02000") if tint == "fire" else ("#f0ffff", "#60c0ff", "#1040c0")
    s = bd
    s += '<g transform="translate(20,10)">'
    s += ('<path d="M0,110 C20,60 60,40 110,38 C140,36 160,44 178,58 L200,64 L186,72 L204,84 L176,86 C150,96 120,100 90,104 '
          'C60,108 30,115 0,115 Z" fill="%s" stroke="#000" stroke-width="2" filter="url(#stone)"/>') % body
    s += '<path d="M110,40 L96,8 L120,36 M132,38 L128,0 L146,42" fill="%s" stroke="%s" stroke-width="5"/>' % (body, body)
    s += '<circle cx="150" cy="54" r="4" fill="#ffe040" filter="url(#softglow)"/>'
    s += '<path d="M186,72 L200,74 M178,80 L190,82" stroke="#fff" stroke-width="1.5"/></g>'
    s += '<g filter="url(#glow)"><path d="M222,80 C300,40 380,90 480,50 C440,80 470,100 500,110 C400,110 320,120 222,90 Z" fill="%s"/>' % flame_c[2]
    s += '<path d="M222,82 C290,60 360,90 440,72 C400,94 320,100 222,88 Z" fill="%s"/>' % flame_c[1]
    s += '<path d="M222,84 C270,74 310,88 360,82 C320,92 270,92 222,86 Z" fill="%s"/></g>' % flame_c[0]
    return doc(w, h, s, d)


def titan(w, h):
    s, d = backdrop(w, h, "#05070f", "#26304a", "#5060a0")
    s += figure(100, 290, 230, "#3a4252", weapon="blade", rim="#c0d0ff", cape="#501018")
    s += '<path d="M88,-0" />'
    s += '<g opacity="0.6"><rect x="86" y="96" width="28" height="8" fill="#c0d0ff"/></g>'
    return doc(w, h, s, d)


def dead_tree(w, h, leafy=False):
    rng = random.Random(7 if leafy else 3)
    s = ""

    def branch(x, y, ang, ln, wd, depth):
        nonlocal s
        x2, y2 = x + ln * math.cos(ang), y - ln * math.sin(ang)
        s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="%s" stroke-width="%.1f" stroke-linecap="round"/>' % (
            x, y, x2, y2, "#2a2018" if leafy else "#3a3430", wd)
        if depth == 0:
            if leafy:
                s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" opacity="0.9"/>' % (x2, y2, rng.uniform(16, 28), rng.choice(["#2a5a20", "#3a7028", "#1f4618", "#4a8030"]))
            return
        for k in (-1, 1):
            branch(x2, y2, ang + k * rng.uniform(0.25, 0.6), ln * rng.uniform(0.62, 0.8), wd * 0.65, depth - 1)
        if rng.random() < 0.4:
            branch(x2, y2, ang + rng.uniform(-0.2, 0.2), ln * 0.6, wd * 0.6, depth - 1)

    base_x = w / 2
    branch(base_x, h - 4, math.pi / 2, h * (0.28 if leafy else 0.3), 22 if leafy else 18, 6 if leafy else 7)
    s = '<g filter="url(#grain)">%s</g>' % s
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="6" fill="#1a1810"/>' % (base_x, h - 5, w * 0.18)
    return doc(w, h, s)


def gravestones(w, h):
    s = ""
    for i, (x, sw, sh, tilt) in enumerate([(20, 60, 80, -6), (95, 50, 95, 3), (160, 70, 70, 8)]):
        s += '<g transform="rotate(%d %d %d)">' % (tilt, x + sw / 2, h)
        s += '<path d="M%d,%d v-%d a%d,%d 0 0 1 %d,0 v%d z" fill="#7a7c80" stroke="#2a2c30" stroke-width="2" filter="url(#stone)"/>' % (
            x, h - 4, sh - sw / 2, sw / 2, sw / 2, sw, sh - sw / 2)
        s += '<path d="M%d,%d h%d M%d,%d v%d" stroke="#3a3c40" stroke-width="4"/>' % (x + sw / 2 - 10, h - sh + 30, 20, x + sw / 2, h - sh + 20, 28)
        s += '<path d="M%d,%d q10,-10 %d,0" stroke="#3e6a28" stroke-width="5" fill="none"/>' % (x, h - 6, sw)
        s += "</g>"
    return doc(w, h, s)


def cog_arc(w, h):
    cx, cy, r = w / 2, h + 120, 220
    s = '<g filter="url(#stone)">'
    teeth = []
    for i in range(-14, 15):
        a = math.pi / 2 + i * 0.07
        for rr, da in ((r, -0.02), (r + 22, -0.015), (r + 22, 0.015), (r, 0.02)):
            teeth.append((cx + rr * math.cos(a + da), cy - rr * math.sin(a + da)))
    s += '<polygon points="%s" fill="#8a4a20" stroke="#3a1a08" stroke-width="2"/>' % pts(teeth + [(w, h), (0, h)])
    s += '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#5a2a10" stroke-width="14"/></g>' % (cx, cy, r - 40)
    s += '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#b06a30" stroke-width="3" opacity="0.6"/>' % (cx, cy, r - 8)
    return doc(w, h, s)


def skeleton(w, h):
    s = '<g stroke="#d8d0bc" stroke-linecap="round" fill="none">'
    s += '<path d="M60,70 C120,40 260,40 330,64" stroke-width="8"/>'
    for i in range(12):
        x = 110 + i * 18
        s += '<path d="M%d,52 C%d,80 %d,96 %d,100" stroke-width="4"/>' % (x, x - 8, x - 4, x + 6)
    s += '<path d="M120,66 L100,118 M150,62 L160,118 M290,60 L270,118 M315,64 L330,118" stroke-width="6"/>'
    s += '<path d="M330,64 C360,54 380,40 404,50 C416,56 420,70 404,76 C390,80 370,74 352,70 Z" fill="#d8d0bc" stroke-width="2"/>'
    s += '<path d="M392,46 C400,20 412,14 420,10 M376,46 C374,24 366,14 356,8" stroke-width="4"/>'
    s += '<path d="M60,70 C40,80 20,92 6,110" stroke-width="4" stroke-dasharray="6 3"/></g>'
    s += '<circle cx="396" cy="60" r="4" fill="#1a1410"/>'
    return doc(w, h, s)


def swordsman(w, h):
    d = linear("blackcloth", [(0, "#3a3e4a", 1), (0.4, "#0c0c10", 1), (1, "#020203", 1)], 0, 0, 1, 0)
    # Low fighting crouch: wide stance, blade drawn back over the shoulder, the free hand forward.
    s = '<g transform="translate(120,0)">'
    s += ('<path d="M120,70 C100,74 92,92 94,108 C96,124 86,140 74,150 C50,168 30,200 20,240 L0,270 C-4,280 8,286 16,280 '
          'L46,246 C56,226 70,210 86,200 L130,216 C150,226 170,246 178,276 L196,278 C192,246 176,216 160,198 '
          'C150,186 140,176 136,164 C144,146 146,126 142,108 C140,90 134,74 120,70 Z" fill="url(#blackcloth)" '
          'stroke="#8090c0" stroke-width="1.5" stroke-opacity="0.7"/>')
    s += '<path d="M96,110 C70,120 40,130 10,128" stroke="#0a0a0e" stroke-width="13" stroke-linecap="round" fill="none"/>'
    s += '<path d="M136,108 C160,96 180,80 196,60" stroke="#0a0a0e" stroke-width="12" stroke-linecap="round" fill="none"/>'
    s += '<polygon points="194,62 200,56 330,-4 334,4" fill="#e8eef8" stroke="#6a7280" stroke-width="0.8"/>'
    s += '<path d="M186,54 L206,70" stroke="#c8a040" stroke-width="5"/>'
    s += '<ellipse cx="124" cy="56" rx="17" ry="19" fill="#0a0a0e" stroke="#8090c0" stroke-opacity="0.6"/>'
    s += '<path d="M112,54 L136,52" stroke="#c0c8e0" stroke-width="3"/>'
    s += '<path d="M108,48 C90,40 70,44 50,60 C72,52 90,52 106,58 Z" fill="#0a0a0e"/>'
    s += '<path d="M20,160 C50,150 80,150 96,160" stroke="#8090c0" stroke-width="1" opacity="0.4" fill="none"/>'
    s += "</g>"
    return doc(w, h, s, d)


def screaming_face(w, h):
    s, d = backdrop(w, h, "#2a0000", "#600000", "#ff2000")
    s += '<ellipse cx="119" cy="140" rx="80" ry="110" fill="#b01810" filter="url(#grain)"/>'
    s += '<ellipse cx="85" cy="110" rx="18" ry="12" fill="#1a0000"/><ellipse cx="153" cy="110" rx="18" ry="12" fill="#1a0000"/>'
    s += '<path d="M65,88 L102,100 M173,88 L136,100" stroke="#300000" stroke-width="6"/>'
    s += '<ellipse cx="119" cy="200" rx="32" ry="46" fill="#1a0000"/><ellipse cx="119" cy="190" rx="20" ry="10" fill="#ff6040" opacity="0.4"/>'
    s += '<path d="M119,126 L108,160 L130,160 Z" fill="#700000"/>'
    return doc(w, h, s, d)


def butterfly(w, h):
    d = radial("wingb", [(0, "#bff0ff", 1), (0.5, "#2a80ff", 1), (1, "#0a1a60", 1)])
    s = '<g transform="translate(202,165)" filter="url(#softglow)">'
    for sx in (1, -1):
        s += '<g transform="scale(%d,1)">' % sx
        s += '<path d="M0,-10 C40,-140 190,-170 190,-80 C190,-30 90,-10 0,0 Z" fill="url(#wingb)" stroke="#050a30" stroke-width="4"/>'
        s += '<path d="M0,5 C60,10 150,40 130,110 C110,150 40,100 0,20 Z" fill="url(#wingb)" stroke="#050a30" stroke-width="4"/>'
        s += '<circle cx="120" cy="-80" r="16" fill="#fff" opacity="0.5"/><circle cx="80" cy="60" r="10" fill="#0a1a60"/>'
        s += "</g>"
    s += '<ellipse rx="8" ry="60" fill="#101018"/><path d="M-4,-56 C-20,-90 -30,-100 -40,-104 M4,-56 C20,-90 30,-100 40,-104" stroke="#101018" stroke-width="3" fill="none"/>'
    s += "</g>"
    return doc(w, h, s, d)


def fiery_dragon(w, h):
    s, d = backdrop(w, h, "#140200", "#401000", "#ff5000")
    s += dragon(330, 170, 1.3, "#a02808", "#d85018", breath=False)
    s += '<g opacity="0.6">' + flame(340, 300, 600, 90, 5) + "</g>"
    return doc(w, h, s, d)


def demon_face(w, h):
    s, d = backdrop(w, h, "#100000", "#300408", "#a01010")
    s += '<path d="M250,60 C360,60 420,160 410,280 C400,400 330,500 250,510 C170,500 100,400 90,280 C80,160 140,60 250,60 Z" fill="#5a1010" filter="url(#stone)"/>'
    s += '<path d="M140,120 C100,60 80,20 60,0 C120,30 160,70 180,100 Z M360,120 C400,60 420,20 440,0 C380,30 340,70 320,100 Z" fill="#2a1a10"/>'
    s += '<g filter="url(#glow)"><path d="M150,220 L220,250 L150,260 Z M350,220 L280,250 L350,260 Z" fill="#ff2010"/></g>'
    s += '<path d="M150,360 C200,420 300,420 350,360 C300,390 200,390 150,360 Z" fill="#140000"/>'
    for i in range(9):
        x = 165 + i * 21
        s += '<polygon points="%d,%d %d,%d %d,%d" fill="#e8e0c0"/>' % (x, 372 + abs(i - 4) * 2, x + 10, 372 + abs(i - 4) * 2, x + 5, 392)
    s += '<path d="M240,280 L230,330 L270,330 L260,280" fill="#3a0808"/>'
    return doc(w, h, s, d)


def ghost(w, h):
    s, d = backdrop(w, h, "#02040a", "#101828", "#8090b0")
    s += '<g filter="url(#softglow)" opacity="0.9">'
    s += '<path d="M96,20 C130,20 150,50 148,90 L160,280 L130,260 L110,289 L90,262 L66,289 L50,262 L36,280 L46,90 C44,50 62,20 96,20 Z" fill="#e8ecf4" opacity="0.55"/>'
    s += skull(97, 70, 56)
    for i in range(6):
        s += '<path d="M70,%d C84,%d 110,%d 124,%d" stroke="#f0f0f0" stroke-width="4" fill="none"/>' % (124 + i * 14, 118 + i * 14, 118 + i * 14, 124 + i * 14)
    s += "</g>"
    return doc(w, h, s, d)


def dove(w, h):
    s, d = backdrop(w, h, "#10203c", "#4a6a9a", "#ffffff")
    s += '<g transform="translate(132,160)" fill="#fafaff" stroke="#8090b0" stroke-width="1.5" filter="url(#softglow)">'
    s += '<path d="M-10,0 C-40,-40 -80,-110 -60,-140 C-20,-100 0,-50 10,-10 Z"/>'
    s += '<path d="M10,-5 C40,-60 100,-100 120,-90 C90,-60 60,-20 20,5 Z"/>'
    s += '<path d="M-70,10 C-30,-10 30,-14 60,0 C70,4 80,0 90,-6 L84,6 C60,20 0,30 -40,26 L-90,50 L-80,24 Z"/>'
    s += '<circle cx="70" cy="-3" r="2" fill="#000"/></g>'
    return doc(w, h, s, d)


def horned_rider(w, h):
    d = linear("horse", [(0, "#4a3020", 1), (1, "#1a0e08", 1)])
    # A rearing-forward horse in side view, facing right, and its horned rider.
    s = '<g transform="translate(10,40)">'
    s += ('<path d="M30,200 C40,170 80,160 130,164 C160,166 180,160 196,140 C204,120 206,96 216,80 C222,70 236,66 246,72 '
          'L262,92 C266,100 262,106 254,104 L240,100 C232,112 228,130 226,150 C224,176 214,196 200,206 L206,260 L214,300 '
          'L200,302 L190,262 L182,214 C160,222 120,222 96,216 L80,258 L86,304 L72,306 L64,262 L60,222 C44,222 34,214 30,200 Z" '
          'fill="url(#horse)" stroke="#c0a080" stroke-width="1.2" stroke-opacity="0.5"/>')
    s += '<path d="M30,200 C14,210 6,240 10,270 C18,250 24,226 36,214 Z" fill="#120a06"/>'
    s += '<path d="M216,80 C206,100 200,120 196,140 C206,120 214,100 226,86 Z" fill="#120a06"/>'
    s += '<circle cx="240" cy="82" r="2.5" fill="#ff5020"/>'
    s += '<path d="M100,170 C110,190 150,190 160,170" fill="#5a0a10"/></g>'
    s += figure(150, 232, 120, "#20242c", weapon="spear", horns=True, rim="#c0a080", cape="#5a0a10")
    return doc(w, h, s, d)


def green_dragon(w, h):
    s = dragon(270, 210, 2.0, "#2a6a20", "#3a8a30")
    s += '<path d="M180,300 C220,320 280,318 340,300" stroke="#4a3020" stroke-width="8" fill="none"/>'
    s += '<circle cx="200" cy="300" r="16" fill="#3a8a28"/><circle cx="330" cy="296" r="14" fill="#3a8a28"/>'
    return doc(w, h, s)


def story_painting(w, h):
    rng = random.Random(2)
    d = linear("mistbg", [(0, "#5a606c", 1), (0.45, "#8a909a", 1), (0.6, "#d8dce2", 1), (1, "#f4f6f8", 1)], 0, 0, 1, 0)
    d += radial("brightmist", [(0, "#ffffff", 0.9), (1, "#ffffff", 0)])
    s = '<rect width="%d" height="%d" fill="url(#mistbg)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#mist)"/>' % (w, h)
    s += hills(rng, w, 600, 90, 9, "#6a707a", 'opacity="0.5" filter="url(#blur6)"')
    # A broken spire far off in the mist.
    s += '<path d="M160,520 L168,380 L176,372 L184,400 L190,520 Z" fill="#4a505a" opacity="0.6" filter="url(#blur2)"/>'
    s += hills(rng, w, 690, 50, 12, "#3a3e46")
    s += '<path d="M200,720 C240,660 420,650 470,700 L480,765 L190,765 Z" fill="#24272d" filter="url(#stone)"/>'
    s += figure(335, 705, 430, "#16181e", weapon="twoswords", female=True, rim="#e8ecf4", cape="#5a0a12")
    s += '<ellipse cx="780" cy="360" rx="320" ry="420" fill="url(#brightmist)"/>'
    s += '<rect y="650" width="%d" height="115" fill="#c8ccd2" opacity="0.45" filter="url(#blur15)"/>' % w
    return doc(w, h, s, d)


def green_gem(w, h):
    s = '<rect width="%d" height="%d" fill="#04100a"/>' % (w, h)
    s += gem(26, 26, 22, "#b0ffb0", "#20a040", "#04401a")
    return doc(w, h, s)


def shield(w, h):
    d = linear("sh", [(0, "#ffffff", 1), (0.5, "#a0a8b8", 1), (1, "#404858", 1)], 0, 0, 1, 1)
    s = '<path d="M25,3 L45,10 C45,30 38,40 25,47 C12,40 5,30 5,10 Z" fill="url(#sh)" stroke="#202838" stroke-width="2"/>'
    s += '<path d="M25,8 V42 M10,18 H40" stroke="#6070a0" stroke-width="2"/>'
    return doc(w, h, s, d)


def flare(w, h, col):
    s = '<rect width="%d" height="%d" fill="#000"/>' % (w, h)
    gid = "fl%s" % col[1:]
    d = radial(gid, [(0, "#ffffff", 1), (0.2, col, 1), (1, col, 0)])
    s += '<circle cx="30" cy="30" r="28" fill="url(#%s)"/>' % gid
    s += '<path d="M30,0 L33,27 L60,30 L33,33 L30,60 L27,33 L0,30 L27,27 Z" fill="#fff" opacity="0.85" filter="url(#softglow)"/>'
    return doc(w, h, s, d)


def flame_column(w, h):
    s = ""
    for i, x in enumerate((60, 124, 190)):
        s += flame(x, 500, 130, 460 - (i % 2) * 80, 10 + i)
    s += flame(124, 500, 247, 250, 20)
    return doc(w, h, s)


def sparkle(w, h):
    s = '<g filter="url(#softglow)"><path d="M25,2 L28,22 L48,25 L28,28 L25,48 L22,28 L2,25 L22,22 Z" fill="#80ff60"/>'
    s += '<circle cx="25" cy="25" r="5" fill="#f0fff0"/></g>'
    return doc(w, h, s)


def cat_eyes(w, h):
    s = '<rect width="%d" height="%d" fill="#020302"/>' % (w, h)
    d = radial("eye", [(0, "#f0ff90", 1), (0.5, "#60e020", 1), (1, "#104000", 1)])
    for cx in (140, 280):
        s += '<ellipse cx="%d" cy="150" rx="55" ry="30" fill="url(#eye)" filter="url(#glow)"/>' % cx
        s += '<ellipse cx="%d" cy="150" rx="8" ry="28" fill="#000"/>' % cx
        s += '<ellipse cx="%d" cy="140" rx="8" ry="4" fill="#fff" opacity="0.8"/>' % (cx - 20)
    return doc(w, h, s, d)


def rose_bud(w, h, cx=213, cy=150, s_=1.0, bg=True):
    s = ""
    d = ""
    if bg:
        bd, d = backdrop(w, h, "#0a0204", "#200810", "#601020")
        s += bd
    s += '<g transform="translate(%s,%s) scale(%s)">' % (cx, cy, s_)
    s += '<path d="M0,60 C-4,120 6,160 0,200" stroke="#1a4a18" stroke-width="8" fill="none"/>'
    s += '<path d="M2,130 C40,110 60,120 70,100 C40,96 20,110 2,130 Z M-2,160 C-40,150 -56,160 -66,140 C-40,134 -20,146 -2,160 Z" fill="#2a6a20"/>'
    s += '<path d="M0,-70 C50,-60 60,10 30,50 C20,64 -20,64 -30,50 C-60,10 -50,-60 0,-70 Z" fill="url(#blood)"/>'
    s += '<path d="M0,-70 C30,-40 30,20 0,54 C-30,20 -30,-40 0,-70 Z" fill="#c81020" opacity="0.8"/>'
    s += '<path d="M-30,50 C-50,60 -40,80 0,70 C40,80 50,60 30,50 C20,70 -20,70 -30,50 Z" fill="#2a6a20"/>'
    s += '<path d="M-6,-50 C6,-30 6,0 -2,20" stroke="#ff8090" stroke-width="3" fill="none" opacity="0.6"/></g>'
    return doc(w, h, s, d) if bg else s


def purple_lightning(w, h):
    rng = random.Random(13)
    s, d = backdrop(w, h, "#0a0214", "#2a0a40", "#8030c0")
    s += '<g filter="url(#glow)"><polygon points="%s" fill="#e0a0ff"/>' % bolt_path(rng, 200, 0, 190, 400, 12, 60, 12)
    s += '<polygon points="%s" fill="#c070ff"/>' % bolt_path(rng, 196, 160, 340, 330, 6, 30, 4)
    s += '<polygon points="%s" fill="#ffffff"/></g>' % bolt_path(random.Random(13), 200, 0, 190, 400, 12, 60, 4)
    return doc(w, h, s, d)


def statue(w, h):
    s = '<rect x="60" y="180" width="130" height="28" fill="#8a8c90" filter="url(#stone)" stroke="#3a3c40"/>'
    s += figure(125, 182, 160, "#9a9ca0", rim="#404248")
    s += '<path d="M161,110 L176,60 L186,110 M176,60 L176,54" stroke="#5a5c60" stroke-width="3" fill="none"/>'
    s = '<g filter="url(#stone)">%s</g>' % s
    return doc(w, h, s)


def arrow(w, h):
    s = '<path d="M2,7 H80" stroke="#8a5a2a" stroke-width="3"/>'
    s += '<polygon points="78,1 98,7 78,13" fill="#c0c8d0" stroke="#404850"/>'
    s += '<path d="M2,7 L12,1 L20,1 L12,7 L20,13 L12,13 Z" fill="#a01010"/>'
    return doc(w, h, s)


def panther(w, h):
    s, d = backdrop(w, h, "#020205", "#101828", "#203050")
    s += moon(120, 60, 34, "#e8ecf4", "#8090a0", 9)
    s += '<path d="M0,215 C40,205 120,205 175,212 L175,250 L0,250 Z" fill="#0a0c10" filter="url(#stone)"/>'
    # A black panther crouched on the rock, seen from the side, tail curling behind.
    s += '<g fill="#040406" stroke="#5a6a90" stroke-width="1.2" stroke-opacity="0.8">'
    s += ('<path d="M20,212 C16,196 22,176 40,168 C60,160 90,162 112,160 C124,150 138,146 150,150 C160,146 166,150 164,156 '
          'C170,162 170,170 164,174 C158,178 150,178 144,176 C140,186 140,198 146,212 L134,212 C128,200 126,190 124,184 '
          'C110,188 90,188 76,186 C70,196 70,204 76,212 L62,212 C56,202 54,194 52,186 C44,192 40,202 42,212 Z"/>')
    s += '<path d="M22,200 C4,190 2,160 14,140 C20,132 26,136 20,146 C12,162 14,182 30,190 Z"/>'
    s += '<path d="M148,150 L150,140 L156,148 Z"/></g>'
    s += '<path d="M40,168 C60,160 90,162 112,160" stroke="#8aa0d0" stroke-width="1.5" fill="none" opacity="0.6"/>'
    s += '<ellipse cx="155" cy="160" rx="3" ry="1.6" fill="#e0ff40" filter="url(#softglow)"/>'
    s += '<path d="M162,172 l4,4 M158,173 l2,5" stroke="#ddd" stroke-width="1"/>'
    return doc(w, h, s, d)


def barbarian(w, h):
    s = ""
    for i, x in enumerate((60, 100, 140, 80, 120, 160)):
        s += skull(x, 228 - (i // 3) * 14, 30)
    s += figure(110, 215, 190, "#5a3a28", weapon="sword", rim="#e0b080", cape="#3a2a1a")
    return doc(w, h, s)


def pale_face(w, h):
    s, d = backdrop(w, h, "#050508", "#1a1a24", "#404050")
    d += linear("faceshade", [(0, "#ffffff", 0.15), (0.5, "#ffffff", 0), (1, "#201018", 0.45)], 0, 0, 1, 0)
    s += '<path d="M60,30 C40,80 40,200 60,250 L170,250 C190,200 190,80 170,30 Z" fill="#101010"/>'
    s += '<ellipse cx="113" cy="120" rx="52" ry="70" fill="#e8dcd4"/>'
    s += '<ellipse cx="113" cy="120" rx="52" ry="70" fill="url(#faceshade)"/>'
    s += '<ellipse cx="94" cy="112" rx="10" ry="5" fill="#2a2028"/><ellipse cx="132" cy="112" rx="10" ry="5" fill="#2a2028"/>'
    s += '<circle cx="95" cy="112" r="3" fill="#6a90c0"/><circle cx="133" cy="112" r="3" fill="#6a90c0"/>'
    s += '<path d="M82,102 q12,-8 24,-2 M120,100 q12,-6 24,2" stroke="#202020" stroke-width="2" fill="none"/>'
    s += '<path d="M113,118 L108,140 L116,142" stroke="#b0a098" stroke-width="1.5" fill="none"/>'
    s += '<path d="M62,60 C80,40 150,40 166,64 C150,56 120,54 100,62 C86,68 70,80 62,100 Z" fill="#101010"/>'
    s += '<path d="M100,160 q13,8 26,0" stroke="#a01020" stroke-width="5" fill="none"/>'
    s += rose_bud(w, h, 160, 200, 0.35, bg=False)
    return doc(w, h, s, d)


def reclining_woman(w, h):
    d = linear("skin", [(0, "#f0dcc8", 1), (1, "#b08a70", 1)])
    d += linear("silk", [(0, "#8a1a30", 1), (1, "#3a0610", 1)])
    s = '<path d="M30,236 C60,196 420,190 470,228 L472,241 L28,241 Z" fill="url(#silk)" filter="url(#grain)"/>'
    s += '<path d="M60,200 C50,170 70,150 100,160 L130,176 Z" fill="#5a1020" stroke="url(#gold)" stroke-width="2"/>'
    # She lies along the couch, head on the cushion to the left, one knee raised.
    s += ('<path d="M104,178 C120,168 150,172 176,180 C200,188 230,190 260,186 C290,170 320,150 346,160 C360,166 360,176 352,182 '
          'C380,186 420,192 446,200 C452,204 450,210 442,210 C400,208 360,206 330,204 C300,210 250,214 200,212 '
          'C160,210 130,204 110,196 Z" fill="url(#skin)" stroke="#5a3a28" stroke-width="1"/>')
    s += ('<path d="M176,182 C210,196 250,198 290,176 C310,166 330,160 346,162 C350,180 340,196 330,204 '
          'C300,212 240,214 190,210 Z" fill="#1a2a6a" opacity="0.9"/>')
    s += '<path d="M150,176 C160,160 190,150 210,156" stroke="url(#skin)" stroke-width="9" stroke-linecap="round" fill="none"/>'
    s += '<ellipse cx="96" cy="170" rx="15" ry="17" fill="url(#skin)" stroke="#5a3a28"/>'
    s += '<path d="M82,166 C80,196 70,214 60,226 C80,222 92,204 96,186 Z" fill="#1a0c08"/>'
    # The ornate headdress: a gold fan with a red jewel.
    s += '<path d="M76,160 L66,122 L84,146 L88,112 L98,144 L110,116 L108,150 L124,132 L112,164 Z" fill="url(#gold)" stroke="#5a3a08"/>'
    s += gem(96, 152, 6, "#ffb0b0", "#c01020", "#400008")
    s += '<path d="M100,186 C120,192 140,190 150,186" stroke="url(#gold)" stroke-width="3" fill="none"/>'
    return doc(w, h, s, d)


def standing_stones(w, h):
    rng = random.Random(17)
    s = '<ellipse cx="236" cy="105" rx="230" ry="14" fill="#2a3a20"/>'
    for i in range(9):
        x = 20 + i * 50 + rng.uniform(-5, 5)
        sh = rng.uniform(60, 100)
        s += '<path d="M%.0f,108 L%.0f,%.0f L%.0f,%.0f L%.0f,108 Z" fill="#7a7a78" stroke="#2a2a28" stroke-width="2" filter="url(#stone)"/>' % (
            x, x + 4, 108 - sh, x + 30, 108 - sh + rng.uniform(-8, 8), x + 34)
    s += '<rect x="120" y="20" width="110" height="16" fill="#6a6a68" filter="url(#stone)"/>'
    return doc(w, h, s)


def green_flames(w, h):
    s = '<rect width="%d" height="%d" fill="#010a02"/>' % (w, h)
    for i, x in enumerate(range(40, 470, 70)):
        s += flame(x, 277, 120, 200 + (i % 3) * 30, 30 + i, ("#f0ffc0", "#60e040", "#106010"))
    return doc(w, h, s)


def warrior_woman(w, h):
    s = figure(100, 245, 180, "#4a2a20", weapon="skullspear", horns=True, female=True, rim="#e0b090", cape="#5a0a10")
    return doc(w, h, s)


def crouching_woman(w, h):
    d = linear("leather", [(0, "#2a2a30", 1), (1, "#050506", 1)], 0, 0, 1, 0)
    # Crouched low on one knee, one hand on the ground, hair swept back.
    s = ('<path d="M70,92 C58,96 52,110 54,124 C56,138 50,150 40,162 C30,176 28,196 36,214 L22,236 C18,242 26,248 34,244 '
         'L56,226 C62,214 64,204 70,196 L88,214 L92,244 L108,246 L104,210 C100,196 92,184 86,176 C92,160 94,144 92,128 '
         'C92,112 84,96 70,92 Z" fill="url(#leather)" stroke="#8a90a0" stroke-width="1.2" stroke-opacity="0.7"/>')
    s += '<path d="M60,126 C48,150 40,176 28,196 L20,212" stroke="#0a0a0c" stroke-width="8" stroke-linecap="round" fill="none"/>'
    s += '<path d="M84,124 C96,140 104,150 112,150" stroke="#0a0a0c" stroke-width="7" stroke-linecap="round" fill="none"/>'
    s += '<ellipse cx="74" cy="80" rx="11" ry="13" fill="#e8d8cc"/>'
    s += '<path d="M64,74 C66,60 86,58 88,74 C92,90 108,100 124,100 C104,106 88,98 84,84 C80,80 70,80 64,74 Z" fill="#0a0a0c"/>'
    s += '<path d="M68,82 l5,1 M78,82 l5,-1" stroke="#300" stroke-width="1.5"/>'
    s += '<path d="M112,150 L128,128" stroke="#dfe6f0" stroke-width="2.5"/>'
    return doc(w, h, s, d)


def frost(w, h):
    rng = random.Random(23)
    s = ""
    for _ in range(90):
        x = rng.uniform(40, 210)
        y = rng.uniform(80, 480)
        ln = rng.uniform(10, 40)
        a = rng.uniform(0, math.pi)
        s += '<path d="M%.0f,%.0f l%.0f,%.0f" stroke="#dff4ff" stroke-width="%.1f" opacity="0.85"/>' % (x, y, ln * math.cos(a), ln * math.sin(a), rng.uniform(1, 3))
    s = '<rect x="50" y="100" width="120" height="300" fill="#a8d8ff" opacity="0.55"/>' + s
    s += '<polygon points="40,100 180,100 170,120 150,140 130,118 110,150 90,118 70,140 50,120" fill="#f0faff"/>'
    return doc(w, h, '<g filter="url(#softglow)">' + s + "</g>")


def place_skull(w, h):
    return doc(w, h, skull(15, 14, 26))


def burst_frame(w, h, k):
    s = ""
    if k <= 6:
        r = 6 + k * 3.5
        s += '<circle cx="25" cy="25" r="%.1f" fill="url(#fireball)" filter="url(#softglow)"/>' % r
    else:
        for i in range(5):
            a = i * 1.3
            rr = 8 + (k - 6) * 2.5
            s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#6a6a70" opacity="%.2f"/>' % (
                25 + 7 * math.cos(a), 25 + 7 * math.sin(a) - (k - 6) * 2, rr * 0.6, 0.95 - (k - 7) * 0.15)
        if k == 7:
            s += '<circle cx="25" cy="25" r="9" fill="#ff8020"/>'
    return doc(w, h, s)


def discard_label(w, h):
    s = '<g transform="rotate(-45 61 68)">'
    s += '<rect x="-4" y="46" width="130" height="40" rx="6" fill="#3a0808" stroke="url(#gold)" stroke-width="3"/>'
    s += text(61, 76, "Discard", 24, "#f8e0a0") + "</g>"
    return doc(w, h, s)


def turn_marker(w, h):
    d = linear("tm", [(0, "#a0ff80", 1), (0.5, "#2a8a20", 1), (1, "#0a3008", 1)])
    s = '<path d="M10,50 C30,20 80,14 123,14 C166,14 217,20 237,50 Z" fill="url(#tm)" stroke="#041a04" stroke-width="2" filter="url(#softglow)"/>'
    s += '<path d="M40,40 C70,26 176,26 207,40" stroke="#d0ffc0" stroke-width="2" fill="none"/>'
    s += gem(123, 30, 9, "#d0ffd0", "#30c040", "#064010")
    return doc(w, h, s, d)


def skull_crossbones(w, h):
    s = '<rect width="%d" height="%d" fill="#050000"/>' % (w, h)
    s += '<path d="M60,60 L240,240 M240,60 L60,240" stroke="#b01010" stroke-width="26" stroke-linecap="round"/>'
    for x, y in ((50, 50), (250, 50), (50, 250), (250, 250)):
        s += '<circle cx="%d" cy="%d" r="16" fill="#b01010"/>' % (x, y)
    s += skull(150, 140, 170, fill="#d01818", eye="#100000", stroke="#400000")
    return doc(w, h, '<g filter="url(#softglow)">' + s + "</g>")


def gilded_frame(w, h):
    s = '<path d="M0,0 H320 V320 H0 Z M10,10 V310 H310 V10 Z" fill="url(#gold)" fill-rule="evenodd" stroke="#4a2a04" stroke-width="2"/>'
    s += '<path d="M4,4 H316 V316 H4 Z" fill="none" stroke="#fff0a0" stroke-width="1" opacity="0.7"/>'
    for x, y in ((5, 5), (315, 5), (5, 315), (315, 315)):
        s += '<circle cx="%d" cy="%d" r="5" fill="#fff0b0" stroke="#6a4a08"/>' % (x, y)
    s += '<rect x="0" y="319" width="1" height="1" fill="none"/>'
    return doc(w, h, s)


def place_picture(w, h, k):
    rng = random.Random(100 + k)
    palettes = [("#0a1a10", "#3a6a40"), ("#10100a", "#5a5030"), ("#0a0a10", "#50506a"), ("#05060c", "#7080a0"),
                ("#1a0404", "#6a1a10"), ("#0a0a08", "#6a5a3a"), ("#080808", "#4a4a40"), ("#0a0c10", "#3a4a60"),
                ("#0a1408", "#4a7a30"), ("#140a04", "#7a4a20"), ("#0a1410", "#5a8a6a")]
    top, bottom = palettes[k - 1]
    d = linear("pp", [(0, top, 1), (1, bottom, 1)])
    s = '<rect width="300" height="300" fill="url(#pp)"/>'
    s += '<rect width="300" height="300" fill="#fff" opacity="0.25" filter="url(#mist)"/>'
    s += moon(rng.uniform(60, 240), 60, 22, "#f0f0e0", "#a0a090", k)
    s += hills(rng, 300, 230, 60, 8, "#101410")
    kind = k % 4
    if kind == 0:
        s += '<rect x="120" y="120" width="40" height="120" fill="#2a2c30" filter="url(#stone)"/><polygon points="115,122 140,80 165,122" fill="#2a1416"/>'
    elif kind == 1:
        for i in range(5):
            x = 40 + i * 50
            s += '<path d="M%d,240 v-30 a12,12 0 0 1 24,0 v30 z" fill="#3a3c40" filter="url(#stone)"/>' % x
    elif kind == 2:
        s += '<path d="M60,240 L90,140 L120,240 M160,240 L200,110 L240,240" fill="#2a2a2e" stroke="#5a5a60"/>'
    else:
        for i in range(4):
            s += '<path d="M%d,240 L%d,%d" stroke="#1a1410" stroke-width="8"/>' % (50 + i * 60, 60 + i * 60, 150 + rng.randint(0, 40))
    s += '<rect y="240" width="300" height="60" fill="#080a08"/>'
    return doc(w, h, s, d)


def landscape(w, h, title, victorious):
    rng = random.Random(41 if victorious else 43)
    if victorious:
        d = linear("ls", [(0, "#050a20", 1), (0.7, "#1a3060", 1), (1, "#2a4a70", 1)])
    else:
        d = linear("ls", [(0, "#1a1c22", 1), (0.6, "#3a4048", 1), (1, "#1a2028", 1)])
    s = '<rect width="%d" height="%d" fill="url(#ls)"/>' % (w, h)
    if victorious:
        s += stars(rng, w, h, 200, 500)
        s += moon(780, 250, 80, "#fffff0", "#b0b0a0", 3)
    else:
        s += '<rect width="%d" height="%d" fill="#fff" opacity="0.6" filter="url(#clouds)"/>' % (w, h)
    if victorious:
        s += hills(rng, w, 640, 120, 10, "#0a1410")
        s += '<ellipse cx="780" cy="250" rx="260" ry="40" fill="#8090b0" opacity="0.25" filter="url(#blur15)"/>'
        s += '<path d="M250,640 C300,540 480,510 560,570 L620,640 Z" fill="#0c1810"/>'
        s += '<g transform="translate(330,236) scale(0.74)">%s</g>' % tower_body()
        s += '<rect y="560" width="%d" height="120" fill="#a0b0d0" opacity="0.18" filter="url(#blur15)"/>' % w
        s += hills(rng, w, 740, 60, 14, "#050806")
    else:
        d += linear("seaw", [(0, "#2a3440", 1), (1, "#0a1018", 1)])
        s += '<rect y="560" width="%d" height="208" fill="url(#seaw)"/>' % w
        for i in range(30):
            x = rng.uniform(0, w)
            y = rng.uniform(570, 760)
            s += '<path d="M%.0f,%.0f q20,-12 40,0 q20,-12 40,0" stroke="#c0c8d0" stroke-width="2" fill="none" opacity="0.5"/>' % (x, y)
        s += '<path d="M590,600 L600,380 L630,396 L640,350 L668,372 L690,340 L712,390 L720,600 Z" fill="#3a3c42" filter="url(#stone)"/>'
        s += '<path d="M630,450 v-30 a10,10 0 0 1 20,0 v30 z M672,500 v-24 a8,8 0 0 1 16,0 v24 z" fill="#0a0c10"/>'
        s += '<path d="M560,600 C600,560 720,560 760,600 Z" fill="#1a1c20" filter="url(#stone)"/>'
        s += '<polygon points="560,620 760,620 740,600 580,600" fill="#1a1c1e"/>'
        s += '<polygon points="%s" fill="#e0e8ff" filter="url(#glow)"/>' % bolt_path(rng, 300, 0, 360, 560, 10, 50, 6)
    s += text(w / 2 + 3, 103, title, 64, "#000", extra='opacity="0.7"')
    s += text(w / 2, 100, title, 64, "url(#gold)" if victorious else "#c8d0e0", extra='stroke="#1a0a00" stroke-width="1.5"')
    return doc(w, h, s, d)


def final_painting(w, h):
    rng = random.Random(51)
    d = linear("fp", [(0, "#3a3a40", 1), (1, "#8a8a88", 1)])
    s = '<rect width="%d" height="%d" fill="#e8dcc0"/>' % (w, h)
    torn = [(30 + i * 32 + rng.uniform(-8, 8), 30 + rng.uniform(-10, 10)) for i in range(31)]
    torn += [(994 + rng.uniform(-10, 10), 30 + i * 35) for i in range(1, 21)]
    torn += [(994 - i * 32 + rng.uniform(-8, 8), 738 + rng.uniform(-10, 10)) for i in range(1, 31)]
    torn += [(30 + rng.uniform(-10, 10), 738 - i * 35) for i in range(1, 21)]
    s += '<defs><clipPath id="torn"><polygon points="%s"/></clipPath></defs>' % pts(torn)
    s += '<g clip-path="url(#torn)"><rect width="%d" height="%d" fill="url(#fp)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" opacity="0.5" filter="url(#mist)"/>' % (w, h)
    s += '<g fill="#1e1e22" filter="url(#stone)">'
    s += '<path d="M300,700 V360 L360,300 L420,360 V700 Z M420,700 V420 H640 V700 Z M640,700 V300 L700,220 L760,300 V700 Z"/></g>'
    for x in (460, 520, 580):
        s += '<path d="M%d,560 v-80 a20,20 0 0 1 40,0 v80 z" fill="#8a8a88" opacity="0.6"/>' % x
    s += '<path d="M692,210 V170 M680,186 H704" stroke="#1e1e22" stroke-width="6"/>'
    for i in range(14):
        x = 80 + i * 64 + rng.uniform(-10, 10)
        s += '<path d="M%.0f,720 v-40 a14,14 0 0 1 28,0 v40 z" fill="#3a3a3c" transform="rotate(%d %.0f 720)"/>' % (x, rng.randint(-8, 8), x)
        s += '<path d="M%.0f,660 v24 M%.0f,668 h14" stroke="#3a3a3c" stroke-width="4"/>' % (x + 14, x + 7)
    s += dead_tree_inline(rng, 160, 720)
    s += "</g>"
    s += '<polygon points="%s" fill="none" stroke="#5a4a30" stroke-width="3"/>' % pts(torn)
    s += text(w / 2 + 2, 122, "You have Conquered", 66, "#300000", extra='opacity="0.6"')
    s += text(w / 2, 120, "You have Conquered", 66, "url(#blood)", extra='stroke="#200000" stroke-width="1"')
    return doc(w, h, s, d)


def dead_tree_inline(rng, x, y):
    s = '<g stroke="#141416" stroke-linecap="round">'

    def br(x, y, a, ln, wd, dp):
        nonlocal s
        x2, y2 = x + ln * math.cos(a), y - ln * math.sin(a)
        s += '<path d="M%.0f,%.0f L%.0f,%.0f" stroke-width="%.1f"/>' % (x, y, x2, y2, wd)
        if dp:
            br(x2, y2, a + rng.uniform(0.2, 0.6), ln * 0.7, wd * 0.65, dp - 1)
            br(x2, y2, a - rng.uniform(0.2, 0.6), ln * 0.7, wd * 0.65, dp - 1)

    br(x, y, math.pi / 2, 140, 16, 6)
    return s + "</g>"


def achievement_frame(w, h):
    s = '<rect width="100" height="50" fill="#02040c"/>'
    s += '<rect x="3" y="3" width="94" height="44" rx="5" fill="#0a1640" stroke="#3050a0" stroke-width="3"/>'
    s += '<rect x="7" y="7" width="86" height="36" rx="3" fill="none" stroke="#1a2a60" stroke-width="1"/>'
    return doc(w, h, s)


def badge(w, h, k):
    rng = random.Random(200 + k)
    hue = (k * 37) % 360
    base = "hsl(%d,55%%,35%%)" % hue
    light = "hsl(%d,70%%,70%%)" % hue
    d = ('<filter id="bt" x="0" y="0" width="100%%" height="100%%"><feTurbulence type="%s" baseFrequency="%.3f" numOctaves="3" seed="%d"/>'
         '<feColorMatrix type="matrix" values="0 0 0 0 1 0 0 0 0 1 0 0 0 0 1 0.9 0 0 0 -0.2"/></filter>') % (
             "turbulence" if k % 2 else "fractalNoise", 0.04 + (k % 5) * 0.03, k)
    s = '<rect width="100" height="50" fill="%s"/>' % base
    s += '<rect width="100" height="50" filter="url(#bt)" opacity="0.45"/>'
    motif = k % 6
    if motif == 0:
        s += gem(50, 25, 14, light, base, "#000")
    elif motif == 1:
        s += skull(50, 24, 26)
    elif motif == 2:
        s += '<path d="M50,8 L54,20 L67,20 L57,28 L61,41 L50,33 L39,41 L43,28 L33,20 L46,20 Z" fill="url(#gold)" stroke="#3a2a04"/>'
    elif motif == 3:
        s += '<path d="M50,6 L66,12 C66,30 60,38 50,44 C40,38 34,30 34,12 Z" fill="url(#silver)" stroke="#202020"/>'
    elif motif == 4:
        s += '<path d="M30,40 L50,10 L70,40 Z" fill="none" stroke="%s" stroke-width="4"/>' % light
        s += '<circle cx="50" cy="30" r="5" fill="%s"/>' % light
    else:
        s += '<path d="M28,38 L72,12 M28,12 L72,38" stroke="#dfe6f0" stroke-width="4"/>'
    s += '<rect x="1" y="1" width="98" height="48" rx="4" fill="none" stroke="url(#gold)" stroke-width="2"/>'
    del rng
    return doc(w, h, s, d)
