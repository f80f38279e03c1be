"""pictures_scenery.py -- the intro's lightning and cliffs, the ground wall, the resource panel, the icons, the
starburst, the blood drop, the pendants and the place-name strips (and the places' names)."""
import math
import random

from svgkit import doc, radial, linear, text, pts, crystal, bolt_path


def lightning(w, h):
    rng = random.Random(9)
    s = '<g filter="url(#glow)">'
    s += '<polygon points="%s" fill="#d8e8ff"/>' % bolt_path(rng, 250, 0, 220, 600, 14, 70, 14)
    s += '<polygon points="%s" fill="#b0c8ff"/>' % bolt_path(rng, 240, 230, 420, 470, 7, 30, 5)
    s += '<polygon points="%s" fill="#b0c8ff"/>' % bolt_path(rng, 230, 120, 60, 330, 7, 30, 5)
    s += '<polygon points="%s" fill="#ffffff"/>' % bolt_path(random.Random(9), 250, 0, 220, 600, 14, 70, 5)
    s += "</g>"
    return doc(w, h, s)


def cliffs(w, h):
    rng = random.Random(12)
    top = [(0, 200)]
    x = 0
    while x < w:
        top.append((x, rng.uniform(40, 110)))
        x += rng.uniform(30, 90)
    top.append((w, 80))
    top.append((w, 200))
    s = '<polygon points="%s" fill="#4a4a40" filter="url(#stone)"/>' % pts(top)
    moss = [(p[0], p[1] - 2) for p in top[1:-1]]
    s += '<polyline points="%s" fill="none" stroke="#3e6a28" stroke-width="14" stroke-linejoin="round" filter="url(#grain)"/>' % pts(moss)
    s += '<polyline points="%s" fill="none" stroke="#6a9a40" stroke-width="4" stroke-linejoin="round"/>' % pts(moss)
    for i in range(60):
        x = rng.uniform(0, w)
        s += '<path d="M%.0f,%.0f l%.0f,%.0f" stroke="#22221c" stroke-width="2.5"/>' % (x, rng.uniform(110, 180), rng.uniform(-15, 15), rng.uniform(15, 40))
    s += '<rect y="150" width="%d" height="50" fill="#101010" opacity="0.5"/>' % w
    return doc(w, h, s)


def ground_wall(w, h):
    rng = random.Random(21)
    s = '<rect width="%d" height="%d" fill="#4a4c52"/>' % (w, h)
    y = 0
    row = 0
    while y < h:
        bh = 40
        x = -rng.uniform(0, 60)
        while x < w:
            bw = rng.uniform(60, 110)
            g = rng.randint(70, 120)
            s += '<rect x="%.0f" y="%d" width="%.0f" height="%d" rx="3" fill="rgb(%d,%d,%d)" stroke="#1c1d20" stroke-width="3"/>' % (
                x, y, bw, bh, g, g + 2, g + 8)
            x += bw
        y += bh
        row += 1
    s = '<g filter="url(#stone)">%s</g>' % s
    s += '<rect width="%d" height="8" fill="#2f5a22"/>' % w
    s += '<rect width="%d" height="%d" fill="url(#wallshade)"/>' % (w, h)
    d = linear("wallshade", [(0, "#000", 0), (1, "#000", 0.55)])
    return doc(w, h, s, d)


def resource_panel(w, h):
    s = '<rect width="%d" height="%d" fill="#0a0c14"/>' % (w, h)
    boxes = [("Influence", "Family", "#3a6aff", "#0a1840"), ("Military", "Heroism", "#e02020", "#400808"),
             ("Power", "Grace", "#f0c030", "#3a2a04")]
    bw = 154
    for i, (up, low, col, deep) in enumerate(boxes):
        x = 6 + i * (bw + 7)
        gid = "box%d" % i
        s += '<defs>%s</defs>' % linear(gid, [(0, deep, 1), (1, "#05060a", 1)])
        s += '<rect x="%d" y="5" width="%d" height="77" rx="6" fill="url(#%s)" stroke="%s" stroke-width="4" filter="url(#softglow)"/>' % (x, bw, gid, col)
        s += '<rect x="%d" y="10" width="%d" height="67" rx="4" fill="none" stroke="url(#gold)" stroke-width="1.5"/>' % (x + 5, bw - 10)
        s += text(x + 7, 28, up, 12, "#f4ead0", anchor="start")
        s += text(x + 7, 62, low, 11, "#c8bca0", anchor="start", weight="normal")
        s += '<line x1="%d" y1="44" x2="%d" y2="44" stroke="%s" stroke-opacity="0.6"/>' % (x + 10, x + bw - 10, col)
    return doc(w, h, s)


def music_icon(w, h, on):
    s = '<rect width="50" height="50" rx="8" fill="url(#night)" stroke="url(#gold)" stroke-width="3"/>'
    s += '<path d="M20,34 V14 L36,10 V30" stroke="#f0d080" stroke-width="3" fill="none"/>'
    s += '<ellipse cx="16" cy="35" rx="5" ry="4" fill="#f0d080"/><ellipse cx="32" cy="31" rx="5" ry="4" fill="#f0d080"/>'
    if not on:
        s += '<path d="M8,42 L42,8" stroke="#e02020" stroke-width="5" stroke-linecap="round"/>'
    return doc(w, h, s)


def speed_icon(w, h, fast):
    s = '<rect width="50" height="50" rx="8" fill="url(#night)" stroke="url(#gold)" stroke-width="3"/>'
    if fast:
        s += '<polygon points="9,13 24,25 9,37" fill="#ffd040"/><polygon points="24,13 39,25 24,37" fill="#ffd040"/>'
        s += '<polygon points="9,13 24,25 9,37 24,13 39,25 24,37" fill="none" stroke="#804000"/>'
    else:
        s += '<polygon points="17,13 35,25 17,37" fill="#9fc0ff" stroke="#203060"/>'
    return doc(w, h, s)


def starburst(w, h, core, ray, bg="#000"):
    rng = random.Random(len(core) + w)
    cx, cy = w / 2, h / 2
    s = '<rect width="%d" height="%d" fill="%s"/>' % (w, h, bg)
    s += '<g filter="url(#softglow)">'
    for i in range(36):
        a = i * math.pi * 2 / 36 + rng.uniform(-0.05, 0.05)
        ln = rng.uniform(0.4, 1.0) * min(w, h) * 0.6
        aw = 0.05
        p = [(cx + 6 * math.cos(a + math.pi / 2), cy + 6 * math.sin(a + math.pi / 2)), (cx + ln * math.cos(a), cy + ln * math.sin(a)),
             (cx + 6 * math.cos(a - math.pi / 2), cy + 6 * math.sin(a - math.pi / 2))]
        s += '<polygon points="%s" fill="%s" opacity="%.2f"/>' % (pts(p), ray, rng.uniform(0.4, 0.9))
        del aw
    s += "</g>"
    gid = "burst%s" % core[1:]
    s += '<defs>%s</defs>' % radial(gid, [(0, "#ffffff", 1), (0.25, core, 1), (1, core, 0)])
    s += '<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>' % (cx, cy, min(w, h) * 0.35, gid)
    return doc(w, h, s)


def blood_drop(w, h):
    s = '<rect width="%d" height="%d" fill="#000"/>' % (w, h)
    s += '<path d="M4.5,1 C6,8 8.5,12 8.5,16 A4,4 0 0 1 0.5,16 C0.5,12 3,8 4.5,1 Z" fill="url(#blood)"/>'
    s += '<ellipse cx="3" cy="15" rx="1" ry="1.8" fill="#ffb0a0" opacity="0.8"/>'
    return doc(w, h, s)


def pendant(w, h, light, mid, dark):
    s = '<path d="M22,0 C10,6 10,12 22,18 C34,12 34,6 22,0" fill="none" stroke="url(#gold)" stroke-width="2.5"/>'
    s += '<rect x="15" y="16" width="14" height="8" rx="2" fill="url(#gold)" stroke="#5a3a08"/>'
    s += '<g filter="url(#softglow)">' + crystal(22, 23, 30, 74, light, mid, dark) + "</g>"
    return doc(w, h, s)


def name_strip(w, h, name):
    s = '<rect width="%d" height="%d" fill="#000"/>' % (w, h)
    s += text(w / 2, 34, name, 26, "#ffffff", extra='letter-spacing="2"')
    return doc(w, h, s)


PLACES = [("Gorg Na'kath", 77, 199), ("Cha'da Gorth", 230, 209), ("Grage", 327, 62), ("The Long Fade", 602, 23),
          ("Malice", 725, 167), ("Orth Nyra", 470, 283), ("Nihil Urb E'a", 385, 362), ("Gorthin", 439, 447),
          ("Seldyr", 532, 570), ("Sha'teath", 221, 567), ("Blythe", 74, 577)]

