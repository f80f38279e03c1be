"""pictures_scenery.py -- towers, cliffs, wall, clouds, moons, logo, panel and the map screen props."""
import math
import random

from svgkit import (doc, radial, linear, text, pts, flame, skull, gem, crystal, stars, hills, moon,
                    bolt_path, SERIF, SANS)


def tower(w, h, mirrored):
    g = tower_body()
    if mirrored:
        g = '<g transform="translate(%d,0) scale(-1,1)">%s</g>' % (w, g)
    return doc(w, h, g)


def tower_body():
    """The player's tower on its crag, 247 x 500, turret on the right."""
    rng = random.Random(4)
    body = []
    # The crag: a rocky base.
    crag = [(0, 500), (6, 440), (24, 410), (40, 402), (70, 390), (120, 384), (170, 388), (205, 398), (228, 420), (242, 450), (247, 500)]
    body.append('<polygon points="%s" fill="#3c3a34" filter="url(#stone)"/>' % pts(crag))
    body.append('<polygon points="%s" fill="#2c5a24" opacity="0.55"/>' % pts([(10, 432), (40, 404), (70, 392), (120, 386), (170, 390), (205, 400), (222, 414), (160, 402), (90, 404), (30, 424)]))
    for i in range(9):
        x = rng.uniform(20, 220)
        body.append('<path d="M%.0f,%.0f l%.0f,%.0f" stroke="#1c1a16" stroke-width="2"/>' % (x, rng.uniform(420, 480), rng.uniform(-20, 20), rng.uniform(10, 30)))
    # Main shaft.
    body.append('<rect x="50" y="120" width="120" height="275" fill="url(#stonegrey)" filter="url(#stone)"/>')
    for row in range(14):
        y = 130 + row * 19
        body.append('<line x1="50" y1="%d" x2="170" y2="%d" stroke="#24262a" stroke-width="1.5" opacity="0.7"/>' % (y, y))
        off = 0 if row % 2 else 15
        for x in range(50 + off, 170, 30):
            body.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#24262a" stroke-width="1.2" opacity="0.6"/>' % (x, y, x, y + 19))
    # Battlements.
    body.append('<rect x="40" y="100" width="140" height="24" fill="#6c7078" filter="url(#stone)" stroke="#202226"/>')
    for i in range(6):
        body.append('<rect x="%d" y="82" width="14" height="20" fill="#767a82" stroke="#202226" filter="url(#stone)"/>' % (42 + i * 25))
    # Turret on the right.
    body.append('<rect x="170" y="170" width="46" height="140" fill="url(#stonegrey)" filter="url(#stone)" stroke="#202226"/>')
    body.append('<polygon points="166,172 193,110 220,172" fill="#4a2a2e" stroke="#1a0e10"/>')
    body.append('<polygon points="193,110 220,172 200,172" fill="#2a1416"/>')
    body.append('<path d="M193,110 L193,92 L206,97 L193,102" fill="#a01010" stroke="#400"/>')
    body.append('<path d="M170,310 Q190,330 216,310" fill="#3a3c40"/>')
    # Windows lit from within.
    for (x, y, ww, hh) in [(98, 160, 22, 40), (98, 250, 22, 40), (186, 210, 14, 28), (72, 330, 14, 24), (140, 330, 14, 24)]:
        body.append('<path d="M%d,%d v-%d a%d,%d 0 0 1 %d,0 v%d z" fill="#ffcc55" filter="url(#softglow)"/>' % (
            x, y + hh, hh - ww // 2, ww // 2, ww // 2, ww, hh - ww // 2))
        body.append('<path d="M%d,%d v%d" stroke="#2a1a0a" stroke-width="2"/>' % (x + ww // 2, y, hh))
    # Door.
    body.append('<path d="M95,395 v-40 a15,15 0 0 1 30,0 v40 z" fill="#1a120c" stroke="#555"/>')
    # Rim light from the moon.
    body.append('<rect x="50" y="120" width="10" height="275" fill="#b8c8ff" opacity="0.18"/>')
    return "".join(body)


def lightning(w, h):
    rng = random.Random(9)
    s = '<g filter="url(#glow)">'
    s += '<polygon points="%s" fill="#d8e8ff"/>' % bolt_path(rng, 250, 0, 220, 600, 14, 70, 14)
    s += '<polygon points="%s" fill="#b0c8ff"/>' % bolt_path(rng, 240, 230, 420, 470, 7, 30, 5)
    s += '<polygon points="%s" fill="#b0c8ff"/>' % bolt_path(rng, 230, 120, 60, 330, 7, 30, 5)
    s += '<polygon points="%s" fill="#ffffff"/>' % bolt_path(random.Random(9), 250, 0, 220, 600, 14, 70, 5)
    s += "</g>"
    return doc(w, h, s)


def logo(w, h):
    d = linear("logo", [(0, "#fff8d0", 1), (0.5, "#f0b030", 1), (1, "#8a3a08", 1)])
    s = '<rect width="%d" height="%d" fill="url(#night)"/>' % (w, h)
    s += '<ellipse cx="222" cy="62" rx="200" ry="40" fill="#3050a0" opacity="0.5" filter="url(#blur15)"/>'
    s += text(222, 82, "VELLMOOR", 54, "#ffb030", extra='letter-spacing="3" filter="url(#blur6)" opacity="0.9"')
    s += text(222, 82, "VELLMOOR", 54, "url(#logo)", extra='letter-spacing="3" stroke="#3a1400" stroke-width="1.5"')
    s += text(222, 108, "~ the war of towers ~", 13, "#c8d0f0", weight="normal", extra='font-style="italic" letter-spacing="3"')
    return doc(w, h, s, d)


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


def storm_clouds(w, h):
    s = '<rect width="%d" height="%d" fill="url(#sky)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#clouds)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="url(#shade)"/>' % (w, h)
    d = linear("sky", [(0, "#1a1e28", 1), (0.6, "#3a4050", 1), (1, "#5a6070", 1)])
    d += linear("shade", [(0, "#000", 0.5), (0.5, "#000", 0), (1, "#000", 0.3)])
    return doc(w, h, s, d)


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


def moon_picture(w, h, light, dark, seed):
    s = '<rect width="%d" height="%d" fill="url(#night)"/>' % (w, h)
    s += stars(random.Random(seed), w, h, 40)
    s += moon(w / 2, h / 2, 92, light, dark, seed)
    return doc(w, h, s)


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


def flask(w, h):
    d = linear("glass", [(0, "#ffffff", 0.5), (0.4, "#a0b0c0", 0.25), (1, "#ffffff", 0.4)], 0, 0, 1, 0)
    s = '<path d="M24,4 h16 v8 h-3 v18 C54,38 60,52 60,66 C60,86 48,97 32,97 C16,97 4,86 4,66 C4,52 10,38 27,30 V12 h-3 Z" fill="#1a0a10" stroke="#c0c8d0" stroke-width="2"/>'
    s += '<path d="M7,62 C7,86 18,94 32,94 C46,94 57,86 57,62 Z" fill="url(#blood)"/>'
    s += '<path d="M24,4 h16 v8 h-3 v18 C54,38 60,52 60,66 C60,86 48,97 32,97 C16,97 4,86 4,66 C4,52 10,38 27,30 V12 h-3 Z" fill="url(#glass)"/>'
    s += '<rect x="24" y="1" width="16" height="8" rx="2" fill="#6b4a2a" stroke="#2a1a0a"/>'
    s += '<ellipse cx="18" cy="60" rx="4" ry="10" fill="#fff" opacity="0.5"/>'
    return doc(w, h, s)


def name_strip(w, h, name):
    s = '<rect width="%d" height="%d" fill="#000"/>' % (w, h)
    s += text(w / 2, 34, name, 26, "#ffffff", extra='letter-spacing="2"')
    return doc(w, h, s)


PLACES = [("Gorg Na'kath", 77, 199), ("Cha'da Gorth", 230, 209), ("Grage", 327, 62), ("The Long Fade", 602, 23),
          ("Malice", 725, 167), ("Orth Nyra", 470, 283), ("Nihil Urb E'a", 385, 362), ("Gorthin", 439, 447),
          ("Seldyr", 532, 570), ("Sha'teath", 221, 567), ("Blythe", 74, 577)]


def on_land(x, y):
    """Roughly inside the coast, well clear of the shore."""
    return ((x - 420) / 430) ** 2 + ((y - 330) / 335) ** 2 < 0.8


def campaign_map(w, h):
    rng = random.Random(31)
    d = linear("sea", [(0, "#0c1c34", 1), (1, "#173056", 1)])
    d += radial("landg", [(0, "#7a7250", 1), (0.7, "#55603a", 1), (1, "#3a4428", 1)])
    d += ('<filter id="waves" x="0" y="0" width="100%" height="100%"><feTurbulence type="turbulence" baseFrequency="0.02 0.09" '
          'numOctaves="2" seed="4" result="n"/><feColorMatrix in="n" type="matrix" values="0 0 0 0 0.5 0 0 0 0 0.65 0 0 0 0 0.8 0.9 0 0 0 -0.1"/>'
          '<feComposite in2="SourceGraphic" operator="in"/></filter>')
    s = '<rect width="%d" height="%d" fill="url(#sea)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" opacity="0.25" filter="url(#waves)"/>' % (w, h)
    # The land: a ragged coast around all the places.
    centre = (420, 330)
    coast = []
    for i in range(72):
        a = i * 2 * math.pi / 72
        rx, ry = 430, 335
        r = 1 + 0.08 * math.sin(a * 5) + rng.uniform(-0.05, 0.05)
        coast.append((centre[0] + rx * r * math.cos(a) * 1.02, centre[1] + ry * r * math.sin(a) * 1.02))
    coast = [(min(max(x, 8), 900), min(max(y, 6), 690)) for x, y in coast]
    coast = [(x - 40, y + 30) if (x < 260 and y > 480) else (x, y) for x, y in coast]
    s += '<polygon points="%s" fill="#d8c890" opacity="0.5" filter="url(#blur6)"/>' % pts(coast)
    s += '<polygon points="%s" fill="url(#landg)" stroke="#c8b880" stroke-width="3" filter="url(#stone)"/>' % pts(coast)
    # An inland sea between the eastern and western halves.
    lake = [(560, 330), (610, 300), (660, 320), (670, 380), (630, 420), (580, 410), (550, 370)]
    s += '<polygon points="%s" fill="#173056" stroke="#c8b880" stroke-width="2"/>' % pts(lake)
    # Mountains, forests.
    for _ in range(40):
        x, y = rng.uniform(120, 820), rng.uniform(60, 600)
        if 690 < x and 330 < y or not on_land(x, y):
            continue
        if 530 < x < 690 and 280 < y < 440:
            continue
        if any(abs(x - px - 15) < 120 and abs(y - py - 15) < 30 for _, px, py in PLACES):
            continue
        sz = rng.uniform(10, 22)
        s += '<polygon points="%s" fill="#5a5448" stroke="#2a2620" stroke-width="1"/>' % pts([(x - sz, y), (x, y - sz * 1.3), (x + sz, y)])
        s += '<polygon points="%s" fill="#e8e4d8" opacity="0.8"/>' % pts([(x - sz * 0.3, y - sz * 0.9), (x, y - sz * 1.3), (x + sz * 0.3, y - sz * 0.9)])
    for _ in range(70):
        x, y = rng.uniform(60, 700), rng.uniform(100, 660)
        if not on_land(x, y) or (530 < x < 690 and 280 < y < 440):
            continue
        s += '<circle cx="%.0f" cy="%.0f" r="%.1f" fill="#2a4a22" opacity="0.8"/>' % (x, y, rng.uniform(3, 6))
    # The dotted path through the places in order.
    centres = [(x + 15, y + 15) for _, x, y in PLACES]
    path = "M%d,%d " % centres[0]
    for (x0, y0), (x1, y1) in zip(centres, centres[1:]):
        mx, my = (x0 + x1) / 2 + (y1 - y0) * 0.15, (y0 + y1) / 2 - (x1 - x0) * 0.15
        path += "Q%.0f,%.0f %d,%d " % (mx, my, x1, y1)
    s += '<path d="%s" fill="none" stroke="#1a0c04" stroke-width="4" stroke-dasharray="2 9" stroke-linecap="round"/>' % path
    s += '<path d="%s" fill="none" stroke="#f0d080" stroke-width="2.5" stroke-dasharray="2 9" stroke-linecap="round"/>' % path
    for name, x, y in PLACES:
        cx, cy = x + 15, y + 15
        s += '<rect x="%d" y="%d" width="16" height="16" fill="#8a1010" stroke="url(#gold)" stroke-width="2.5"/>' % (cx - 8, cy - 8)
        tx, anchor = cx + 18, "start"
        if cx > 560:
            tx, anchor = cx - 18, "end"
        ty = cy + 5
        s += text(tx + 1, ty + 1, name, 14, "#000", anchor=anchor)
        s += text(tx, ty, name, 14, "#f8e8b8", anchor=anchor)
    # Title upper right.
    s += text(890, 60, "The Realm", 34, "url(#gold)", extra='stroke="#2a1400" stroke-width="1"')
    s += text(890, 98, "of Vellmoor", 30, "url(#gold)", extra='stroke="#2a1400" stroke-width="1"')
    s += '<path d="M770,112 H1010" stroke="url(#gold)" stroke-width="2"/>'
    # Compass rose.
    s += '<g transform="translate(920,250)"><circle r="40" fill="none" stroke="url(#gold)" stroke-width="2"/>'
    s += '<polygon points="0,-50 8,0 0,50 -8,0" fill="#d8b040" stroke="#3a2a04"/><polygon points="-50,0 0,8 50,0 0,-8" fill="#a08030" stroke="#3a2a04"/>'
    s += text(0, -56, "N", 14, "#f0d080") + "</g>"
    # Continue label at the bottom centre.
    s += '<rect x="432" y="646" width="160" height="38" rx="8" fill="#2a0606" stroke="url(#gold)" stroke-width="3"/>'
    s += text(512, 672, "Continue", 22, "#f8e0a0")
    s += '<rect width="%d" height="%d" fill="none" stroke="url(#gold)" stroke-width="6"/>' % (w, h)
    return doc(w, h, s, d)
