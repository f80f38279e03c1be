"""pictures_figures.py -- the small effects and props of the battle and the screens: trees, graves, cogs, gems,
flares, flames, the panther, the frames of the bursts and the achievements."""
import math
import random

from svgkit import doc, radial, linear, text, pts, flame, skull, gem, moon, bolt_path


def backdrop(w, h, top="#05070f", bottom="#1a2440", glow=None):
    d = linear("bd", [(0, top, 1), (1, bottom, 1)])
    s = '<rect width="%d" height="%d" fill="url(#bd)"/>' % (w, h)
    if glow:
        d += radial("bdglow", [(0, glow, 0.8), (1, glow, 0)])
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#bdglow)"/>' % (w / 2, h / 2, w / 2, h / 2)
    return s, d


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


def green_flames(w, h):
    s = '<rect width="%d" height="%d" fill="#010a02"/>' % (w, h)
    for i, x in enumerate(range(40, 470, 70)):
        s += flame(x, 277, 120, 200 + (i % 3) * 30, 30 + i, ("#f0ffc0", "#60e040", "#106010"))
    return doc(w, h, s)


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


def achievement_frame(w, h):
    s = '<rect width="100" height="50" fill="#02040c"/>'
    s += '<rect x="3" y="3" width="94" height="44" rx="5" fill="#0a1640" stroke="#3050a0" stroke-width="3"/>'
    s += '<rect x="7" y="7" width="86" height="36" rx="3" fill="none" stroke="#1a2a60" stroke-width="1"/>'
    return doc(w, h, s)

