"""pictures_towers.py -- the two towers on their crag, the frost that locks the enemy's tower,
and the storm-cloud panorama of the intro.

The tower's outline is described once (`tower_outline`): the painting of the tower and the frost
laid over it are both made from it, so the frost always covers the tower it is drawn over. The
player's tower has its turret on the right; the enemy's is the same picture mirrored. The plume
of the battle screen rises from x 72, row 87, so the main shaft is centred on x 72 with its
merlons just below row 87. The crag starts at row 400: at the usual height of 400 the ground
hides it, and it shows as the tower grows."""
import math
import random

from svgkit import doc, linear, radial, pts
from paintkit import lit_texture, rim_light, painted_sky

CRAG_TOP = 400
SHAFT = [(30, 128), (114, 128), (118, 424), (26, 424)]
PARAPET = [(20, 100), (124, 100), (124, 122), (114, 134), (30, 134), (20, 122)]
MERLONS = [(20 + i * 19.2, 84, 11.5, 17) for i in range(6)]          # x, top, width, height
TURRET = [(112, 176), (162, 176), (162, 330), (150, 350), (130, 366), (112, 372)]
ROOF = [(104, 180), (137, 96), (170, 180)]
BUTTRESS = [(8, 424), (26, 330), (40, 330), (40, 424)]
WINDOWS = [(66, 150, 12, 30), (66, 236, 12, 30), (66, 322, 12, 26), (133, 226, 9, 22), (44, 380, 8, 18), (90, 382, 8, 18)]


def _poly(points):
    return "M%s Z" % " L".join("%.1f,%.1f" % p for p in points)


def tower_outline():
    """Path data of everything of the tower above the crag: one path, filled nonzero."""
    d = [_poly(SHAFT), _poly(PARAPET), _poly(TURRET), _poly(ROOF), _poly(BUTTRESS)]
    d += ["M%.1f,%d h%.1f v%d h-%.1f Z" % (x, y, w, h, w) for x, y, w, h in MERLONS]
    return " ".join(d)


def _crag(rng):
    top = [(0, 418), (10, 404), (26, 410), (50, 402), (80, 406), (118, 404), (140, 414), (166, 420),
           (190, 436), (214, 446), (232, 464), (247, 474), (247, 500), (0, 500)]
    s = '<path d="%s" fill="#4a4a46" filter="url(#cragrock)"/>' % _poly(top)
    s += '<path d="%s" fill="url(#cragshade)"/>' % _poly(top)
    # Clefts and ledges catching the moon from the right.
    for _ in range(14):
        x, y = rng.uniform(8, 230), rng.uniform(430, 490)
        if y < 420 + x * 0.2:
            continue
        p = [(x, y)]
        for _k in range(3):
            x, y = x + rng.uniform(-9, 9), y + rng.uniform(5, 11)
            p.append((x, y))
        s += '<polyline points="%s" fill="none" stroke="#0c0c0e" stroke-width="1.8" stroke-linejoin="round"/>' % pts(p)
        s += '<polyline points="%s" fill="none" stroke="#8a96b0" stroke-width="0.7" opacity="0.5"/>' % pts([(a + 1.5, b) for a, b in p])
    # Moss and grass along the top.
    s += '<path d="M0,418 L10,404 L26,410 L50,402 L80,406 L118,404 L140,414 L166,420 L190,436 L214,446 L232,464 L247,474" ' \
         'fill="none" stroke="#2c4a22" stroke-width="7" stroke-linejoin="round" filter="url(#moss)"/>'
    for _ in range(40):
        x = rng.uniform(2, 240)
        y = 404 + (max(0, x - 120) * 0.45) + rng.uniform(0, 6)
        s += '<path d="M%.1f,%.1f l%.1f,-%.1f" stroke="#4a7a34" stroke-width="1"/>' % (x, y, rng.uniform(-3, 3), rng.uniform(3, 8))
    return s


def _blocks(rng):
    """Mortar courses of the shaft, the turret and the parapet."""
    s = ""
    for row in range(16):
        y = 140 + row * 18
        s += '<path d="M20,%d H124" stroke="#15171c" stroke-width="1.4" opacity="0.8"/>' % y
        off = rng.uniform(0, 20)
        x = 24 + off
        while x < 122:
            s += '<path d="M%.1f,%d v18" stroke="#15171c" stroke-width="1.1" opacity="0.7"/>' % (x, y)
            x += rng.uniform(18, 30)
    for row in range(9):
        y = 188 + row * 17
        s += '<path d="M112,%d H162" stroke="#15171c" stroke-width="1.2" opacity="0.7"/>' % y
    s += '<path d="M20,111 H124" stroke="#15171c" stroke-width="1.2" opacity="0.8"/>'
    for i in range(7):
        s += '<path d="M%d,124 q4,8 8,0" stroke="#15171c" stroke-width="1.2" fill="none"/>' % (30 + i * 12)
    return s


def _windows(lit):
    s = ""
    for x, y, w, h in WINDOWS:
        arch = "M%d,%d v-%d a%.1f,%.1f 0 0 1 %d,0 v%d z" % (x, y + h, h - w // 2, w / 2, w / 2, w, h - w // 2)
        s += '<path d="%s" fill="#0b0a0c" stroke="#2a2c32" stroke-width="2"/>' % arch
        if lit:
            s += '<path d="%s" fill="url(#hearth)" transform="translate(%.1f,%.1f) scale(0.7) translate(%.1f,%.1f)"/>' % (
                arch, x + w / 2, y + h, -(x + w / 2), -(y + h))
        s += '<path d="M%d,%d h%d" stroke="#8a92a4" stroke-width="1.4" opacity="0.7"/>' % (x - 2, y + h + 1, w + 4)
    return s


def tower_body():
    """The player's tower on its crag, 247 x 500, turret on the right, moonlight from the right."""
    rng = random.Random(4)
    s = '<path d="%s" fill="#5e6470" filter="url(#towerstone)"/>' % tower_outline()
    s += '<g clip-path="url(#towerclip)">'
    s += _blocks(rng)
    s += '<path d="%s" fill="url(#towershade)"/>' % tower_outline()
    s += '<path d="%s" fill="url(#turretshade)"/>' % _poly(TURRET)
    s += '<path d="%s" fill="#2a2430" filter="url(#slate)"/>' % _poly(ROOF)
    s += '<path d="%s" fill="url(#roofshade)"/>' % _poly(ROOF)
    # Ivy climbing the foot of the shaft on the shadow side.
    for i in range(26):
        x, y = rng.uniform(10, 60), rng.uniform(330, 424)
        s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#1e3a1a" opacity="0.9"/>' % (x, y, rng.uniform(2, 5))
    s += "</g>"
    s += _windows(True)
    s += '<path d="M60,424 v-30 a12,12 0 0 1 24,0 v30 z" fill="#0c0a08" stroke="#3a3a40" stroke-width="2.5"/>'
    s += '<path d="M137,96 V74" stroke="#2a2020" stroke-width="1.6"/><path d="M137,74 L156,79 L150,82 L156,86 L137,84 Z" fill="#8a1018"/>'
    # Rim of moonlight down the lit edges.
    s += '<path d="%s" fill="#000" fill-opacity="0.004" filter="url(#moonrim)"/>' % tower_outline()
    s += _crag(rng)
    return s


def tower_defs():
    d = lit_texture("towerstone", "0.09 0.05", 7, 20, relief=2.5, gain=1.5)
    d += lit_texture("slate", "0.05 0.3", 5, 20, relief=2.0, gain=1.6)
    d += lit_texture("cragrock", "0.035", 9, 30, elevation=35, relief=5.0, gain=1.7)
    d += lit_texture("moss", "0.3", 3, 30, relief=2.0, gain=1.5)
    d += rim_light("moonrim", 2.2, -1.0, "#cfe0ff", blur=0.6)
    d += '<clipPath id="towerclip"><path d="%s"/></clipPath>' % tower_outline()
    d += linear("towershade", [(0, "#050610", 0.75), (0.45, "#0a0c18", 0.35), (0.8, "#000", 0.05), (1, "#a8c0ff", 0.12)], 0, 0, 1, 0)
    d += linear("turretshade", [(0, "#050610", 0.6), (0.6, "#000", 0.05), (1, "#b8ccff", 0.2)], 0, 0, 1, 0)
    d += linear("roofshade", [(0, "#000", 0.7), (0.6, "#000", 0.1), (1, "#c0d0ff", 0.25)], 0, 0, 1, 0)
    d += linear("cragshade", [(0, "#02030a", 0.75), (0.6, "#02030a", 0.3), (1, "#8090b0", 0.1)], 0, 0, 1, 0)
    d += radial("hearth", [(0, "#ffd27a", 1), (0.6, "#e0801c", 1), (1, "#6a2a08", 1)], cy=0.7)
    return d


def tower(w, h, mirrored):
    g = tower_body()
    if mirrored:
        g = '<g transform="translate(%d,0) scale(-1,1)">%s</g>' % (w, g)
    return doc(w, h, g, tower_defs())


def frost(w, h):
    """Ice over the enemy's tower (the player's tower mirrored): every stone of it rimed, snow on
    the merlons and the roof, icicles from the parapet, the turret and the sills. The crag stays
    bare."""
    rng = random.Random(50)
    d = tower_defs()
    d += lit_texture("rime", "0.07", 11, 20, relief=1.6, gain=1.2)
    d += linear("ice", [(0, "#24426e", 1), (0.4, "#6a92c4", 1), (0.8, "#b8d4f0", 1), (1, "#f0f8ff", 1)], 0, 0, 1, 0)
    d += linear("icicle", [(0, "#ffffff", 1), (1, "#7aa8e0", 1)])
    s = '<path d="%s" fill="url(#ice)" filter="url(#rime)"/>' % tower_outline()
    s += '<g clip-path="url(#towerclip)" opacity="0.55">' + _blocks(random.Random(4)).replace("#15171c", "#3a5a8a") + "</g>"
    for x, y, ww, hh in WINDOWS:
        arch = "M%d,%d v-%d a%.1f,%.1f 0 0 1 %d,0 v%d z" % (x, y + hh, hh - ww // 2, ww / 2, ww / 2, ww, hh - ww // 2)
        s += '<path d="%s" fill="#1a3a6a" stroke="#d8ecff" stroke-width="1.5"/>' % arch
    # Cracks of frost spreading over the stone.
    for _ in range(30):
        x, y = rng.uniform(30, 114), rng.uniform(140, 410)
        a = rng.uniform(0, 2 * math.pi)
        p = [(x, y)]
        for _k in range(4):
            a += rng.uniform(-0.8, 0.8)
            x, y = x + 7 * math.cos(a), y + 7 * math.sin(a)
            p.append((x, y))
        s += '<polyline points="%s" fill="none" stroke="#ffffff" stroke-width="0.8" opacity="0.8" clip-path="url(#towerclip)"/>' % pts(p)
    # Snow on the merlons, the parapet and the roof.
    for x, y, ww, _hh in MERLONS:
        s += '<path d="M%.1f,%.1f q%.1f,-5 %.1f,0 v3 h-%.1f z" fill="#ffffff"/>' % (x - 1, y + 1, (ww + 2) / 2, ww + 2, ww + 2)
    s += '<path d="M19,101 Q72,95 125,101 v3 H19 Z" fill="#ffffff"/>'
    s += '<path d="M137,96 L118,146 Q137,138 156,146 Z" fill="#f4faff"/>'
    # Icicles: under the parapet's corbels, the turret's corbel and the window sills.

    def icicles(x0, x1, y, longest, n):
        out = ""
        for i in range(n):
            x = x0 + (x1 - x0) * (i + rng.uniform(0.2, 0.8)) / n
            ln = longest * rng.uniform(0.35, 1.0)
            wd = rng.uniform(1.6, 3.2)
            out += '<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#icicle)" stroke="#10284a" stroke-width="0.6"/>' % (
                x - wd, y, x, y + ln, x + wd, y)
        return out
    s += icicles(22, 122, 122, 26, 16)
    s += icicles(30, 114, 133, 18, 10)
    s += icicles(114, 160, 330, 20, 6)
    s += icicles(106, 168, 179, 14, 8)
    for x, y, ww, hh in WINDOWS:
        s += icicles(x - 2, x + ww + 2, y + hh + 1, 12, 3)
    s += '<path d="%s" fill="#000" fill-opacity="0.004" filter="url(#frostrim)"/>' % tower_outline()
    d += rim_light("frostrim", 2.0, -1.0, "#ffffff", blur=0.5)
    # Only the part above the crag is frozen.
    g = '<g clip-path="url(#abovecrag)">%s</g>' % s
    d += '<clipPath id="abovecrag"><rect width="%d" height="%d"/></clipPath>' % (w, CRAG_TOP + 20)
    g = '<g transform="translate(%d,0) scale(-1,1)">%s</g>' % (w, g)
    return doc(w, h, g, d)


def storm_clouds(w, h):
    """Grey storm clouds over the intro's night: heavy below, thinning upward into the dark, with
    a soft top edge, lit from above by a hidden moon."""
    d = linear("sky", [(0, "#000000", 1), (0.35, "#0c1018", 1), (1, "#2a3040", 1)])
    d += painted_sky("cloudlow", "0.004 0.012", 11, "#8a94a8", density=1.9, bias=-0.55)
    d += painted_sky("cloudhigh", "0.007 0.02", 23, "#c8d0e0", density=1.6, bias=-0.7)
    d += painted_sky("cloudfar", "0.003 0.009", 5, "#4a5468", density=1.5, bias=-0.35)
    d += linear("cloudmask", [(0, "#000", 1), (0.22, "#000", 1), (0.55, "#fff", 1), (1, "#fff", 1)])
    d += linear("lowshade", [(0, "#000", 0), (0.7, "#000", 0.15), (1, "#000", 0.55)])
    d += '<mask id="softtop"><rect width="%d" height="%d" fill="url(#cloudmask)"/></mask>' % (w, h)
    s = '<rect width="%d" height="%d" fill="url(#sky)"/>' % (w, h)
    s += '<g mask="url(#softtop)">'
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#cloudfar)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#cloudlow)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#cloudhigh)" opacity="0.7"/>' % (w, h)
    s += "</g>"
    s += '<rect width="%d" height="%d" fill="url(#lowshade)"/>' % (w, h)
    return doc(w, h, s, d)
