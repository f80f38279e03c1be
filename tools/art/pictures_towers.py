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


def _billows(rng, cx, base, top, width, turrets):
    """The puffs of one cumulus mass: a broad foot and a few towers of stacked billows that narrow
    as they climb. Returns (x, y, r) circles, lowest first so the lit tops lie over the bodies."""
    out = []
    # The foot: a long low row of fat puffs.
    x = cx - width / 2
    while x < cx + width / 2:
        r = rng.uniform(40, 75)
        out.append((x, base - r * 0.55 + rng.uniform(-10, 10), r))
        x += r * rng.uniform(0.7, 1.0)
    for _ in range(turrets):
        tx = cx + rng.uniform(-0.32, 0.32) * width
        ttop = top + rng.uniform(0, 0.45) * (base - top)
        tw = rng.uniform(0.16, 0.3) * width
        y = base - tw * 0.3
        while y > ttop:
            t = (base - y) / max(1.0, base - ttop)
            r = tw * (0.55 - 0.25 * t) * rng.uniform(0.75, 1.1)
            for _k in range(2):
                out.append((tx + rng.uniform(-0.45, 0.45) * tw * (1 - 0.5 * t), y + rng.uniform(-8, 8), r * rng.uniform(0.7, 1.0)))
            y -= r * rng.uniform(0.55, 0.8)
            tx += rng.uniform(-0.05, 0.08) * tw
        out.append((tx, ttop + tw * 0.12, tw * 0.2))
    out.sort(key=lambda c: -c[1])
    return out


def _cloud_filter(id_, seed, warp, blur, rim, rim_opacity, tex_gain):
    """Ragged puffs: the edges torn by noise, the body mottled by lit noise, and a thin moonlit rim
    on the edges facing the moon (up and to the right)."""
    return ('<filter id="%s" x="-10%%" y="-15%%" width="120%%" height="130%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.028" numOctaves="3" seed="%d" result="w"/>'
            '<feDisplacementMap in="SourceGraphic" in2="w" scale="%s" xChannelSelector="R" yChannelSelector="G" result="d"/>'
            '<feGaussianBlur in="d" stdDeviation="%s" result="db"/>'
            '<feTurbulence type="fractalNoise" baseFrequency="0.006 0.01" numOctaves="3" seed="%d" result="n"/>'
            '<feDiffuseLighting in="n" surfaceScale="2.5" lighting-color="#ffffff" result="l">'
            '<feDistantLight azimuth="300" elevation="40"/></feDiffuseLighting>'
            '<feComposite in="db" in2="l" operator="arithmetic" k1="%s" k2="%s" k3="0" k4="0" result="m"/>'
            '<feComposite in="m" in2="db" operator="in" result="body"/>'
            '<feOffset in="db" dx="-5" dy="6" result="sh"/>'
            '<feComposite in="db" in2="sh" operator="out" result="edge"/>'
            '<feGaussianBlur in="edge" stdDeviation="2" result="soft"/>'
            '<feFlood flood-color="%s" flood-opacity="%s"/>'
            '<feComposite in2="soft" operator="in"/>'
            '<feComposite in2="db" operator="in" result="rim"/>'
            '<feMerge><feMergeNode in="body"/><feMergeNode in="rim"/></feMerge></filter>'
            % (id_, seed, warp, blur, seed + 50, tex_gain, 1.0 - tex_gain * 0.55, rim, rim_opacity))


def storm_clouds(w, h):
    """The storm the intro scrolls past: towering cumulus in three planes, their tops lit by the
    moon up to the right, their bellies heavy and dark, rain hanging in shafts beneath them. The
    top rows fade into the black night (the intro draws it on black at row 350); at 720 rows the
    cliffs hide all below row 230, so the towers' lit heads sit in the upper third."""
    rng = random.Random(606)
    d = linear("sky", [(0, "#000000", 1), (0.12, "#02040b", 1), (0.5, "#0a1430", 1), (1, "#111a2e", 1)])
    d += linear("softtop", [(0, "#000", 1), (0.05, "#000", 0.85), (0.2, "#000", 0)])
    d += painted_sky("haze", "0.002 0.01", 5, "#2a3650", density=1.4, bias=-0.3)
    d += painted_sky("scud", "0.004 0.03", 17, "#05070d", density=2.2, bias=-0.6)
    # Rain: fine streaks, long and nearly upright.
    d += ('<filter id="rainstreaks" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">'
          '<feTurbulence type="fractalNoise" baseFrequency="0.09 0.004" numOctaves="2" seed="31" result="n"/>'
          '<feColorMatrix in="n" type="matrix" values="0 0 0 0 1 0 0 0 0 1 0 0 0 0 1 2.6 0 0 0 -0.95" result="a"/>'
          '<feComposite in="SourceGraphic" in2="a" operator="in"/></filter>')
    s = '<rect width="%d" height="%d" fill="url(#sky)"/>' % (w, h)
    s += '<rect width="%d" height="%d" fill="#fff" filter="url(#haze)" opacity="0.8"/>' % (w, h)
    # Three planes: far banks low and pale, the towering storm, and near dark scud. Each plane's
    # puffs: lit colour at the top, the body, the belly.
    planes = [
        dict(n=12, base=(280, 330), top=(120, 180), width=(300, 560), turrets=(2, 4), warp=22, blur=4,
             lit="#56648a", body="#2e3a58", belly="#18203a", rim="#9aaad0", rim_op=0.3, tex=0.35, shaft=0.0),
        dict(n=7, base=(330, 380), top=(70, 130), width=(620, 1000), turrets=(3, 5), warp=34, blur=2.6,
             lit="#bcc8e4", body="#444e68", belly="#10141f", rim="#cfdcff", rim_op=0.55, tex=0.45, shaft=0.55),
        dict(n=9, base=(610, 640), top=(460, 520), width=(420, 700), turrets=(1, 3), warp=36, blur=2.2,
             lit="#2c364e", body="#12182a", belly="#05070c", rim="#8a9ac0", rim_op=0.35, tex=0.4, shaft=0.0),
    ]
    for k, pl in enumerate(planes):
        n = pl["n"]
        span = (w + 400) / n
        for i in range(n):
            cx = -200 + span * (i + rng.uniform(0.3, 0.7))
            base = rng.uniform(*pl["base"])
            top = rng.uniform(*pl["top"])
            width = rng.uniform(*pl["width"])
            puffs = _billows(rng, cx, base, top, width, rng.randint(*pl["turrets"]))
            mid = "m%d_%d" % (k, i)
            # Each puff is lit from the moon's side and falls into shadow on the far side.
            d += ('<radialGradient id="p%s" cx="0.58" cy="0.38" r="0.62" fx="0.66" fy="0.22">'
                  '<stop offset="0" stop-color="%s"/><stop offset="0.75" stop-color="%s"/>'
                  '<stop offset="1" stop-color="%s"/></radialGradient>' % (mid, pl["lit"], pl["body"], pl["belly"]))
            top_y = min(y - r for _, y, r in puffs)
            # The belly darkens toward the base of the whole mass, not of each puff.
            d += ('<linearGradient id="b%s" gradientUnits="userSpaceOnUse" x1="0" y1="%.0f" x2="0" y2="%.0f">'
                  '<stop offset="0" stop-color="#000" stop-opacity="0"/><stop offset="0.45" stop-color="#000" '
                  'stop-opacity="0.3"/><stop offset="1" stop-color="#000" stop-opacity="0.92"/></linearGradient>'
                  % (mid, top_y, base + 20))
            circles = "".join('<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % c for c in puffs)
            d += '<clipPath id="c%s">%s</clipPath>' % (mid, circles)
            d += _cloud_filter("f" + mid, 100 + k * 20 + i, pl["warp"], pl["blur"], pl["rim"], pl["rim_op"], pl["tex"])
            g = '<g fill="url(#p%s)">%s</g>' % (mid, circles)
            g += '<rect x="%.0f" y="%.0f" width="%.0f" height="%.0f" fill="url(#b%s)" clip-path="url(#c%s)"/>' % (
                cx - width, top_y - 10, width * 2, base - top_y + 120, mid, mid)
            if pl["shaft"] and rng.random() < 0.9:
                # Rain hanging from the belly, leaning with the wind, thinning as it falls.
                sx = cx + rng.uniform(-0.2, 0.2) * width
                sw = width * rng.uniform(0.35, 0.6)
                d += ('<linearGradient id="r%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#8a96b0" '
                      'stop-opacity="%s"/><stop offset="0.5" stop-color="#6a7690" stop-opacity="%s"/>'
                      '<stop offset="1" stop-color="#6a7690" stop-opacity="0"/></linearGradient>'
                      % (mid, pl["shaft"], pl["shaft"] * 0.5))
                d += ('<linearGradient id="e%s"><stop offset="0" stop-color="#fff" stop-opacity="0"/>'
                      '<stop offset="0.3" stop-color="#fff" stop-opacity="1"/><stop offset="0.7" stop-color="#fff" '
                      'stop-opacity="1"/><stop offset="1" stop-color="#fff" stop-opacity="0"/></linearGradient>'
                      '<mask id="k%s" maskContentUnits="userSpaceOnUse"><rect x="%.0f" y="%.0f" width="%.0f" height="%.0f" '
                      'fill="url(#e%s)"/></mask>' % (mid, mid, sx - sw / 2 - 60, base - 60, sw + 120, h - base + 80, mid))
                s += ('<g transform="translate(%.0f,0) skewX(-9) translate(%.0f,0)"><g mask="url(#k%s)">'
                      '<rect x="%.0f" y="%.0f" width="%.0f" height="%.0f" fill="url(#r%s)" filter="url(#rainstreaks)"/>'
                      '<rect x="%.0f" y="%.0f" width="%.0f" height="%.0f" fill="url(#r%s)" opacity="0.35"/></g></g>'
                      % (sx, -sx, mid, sx - sw / 2, base - 60, sw, h - base + 80, mid,
                         sx - sw / 2, base - 60, sw, h - base + 80, mid))
            s += '<g filter="url(#f%s)">%s</g>' % (mid, g)
        if k == 0:
            # Mist between the far banks and the storm: the further plane sinks into the night.
            s += '<rect y="200" width="%d" height="%d" fill="#1c2a48" opacity="0.35" filter="url(#haze)"/>' % (w, h - 200)
            # The storm's dark shelf: one heavy base that the towers stand on.
            edge = [(x, 300 + 28 * math.sin(x / 173.0 + 1.3) + 16 * math.sin(x / 61.0) + rng.uniform(-6, 6))
                    for x in range(-40, w + 80, 40)]
            shelf = "M-40,%d " % (h + 10) + " ".join("L%.0f,%.0f" % q for q in edge) + " L%d,%d Z" % (w + 80, h + 10)
            d += linear("shelf", [(0, "#1c2436", 1), (0.35, "#0c101a", 1), (1, "#04060c", 1)])
            s += '<path d="%s" fill="url(#shelf)" filter="url(#shelfsoft)"/>' % shelf
            d += ('<filter id="shelfsoft" x="0" y="-10%" width="100%" height="120%">'
                  '<feTurbulence type="fractalNoise" baseFrequency="0.02 0.03" numOctaves="3" seed="9" result="w"/>'
                  '<feDisplacementMap in="SourceGraphic" in2="w" scale="40" xChannelSelector="R" yChannelSelector="G"/>'
                  '<feGaussianBlur stdDeviation="5"/></filter>')
    d += linear("scudfade", [(0, "#fff", 0), (0.4, "#fff", 1), (1, "#fff", 1)])
    s += '<rect y="440" width="%d" height="%d" fill="url(#scudfade)" filter="url(#scud)"/>' % (w, h - 440)
    s += '<rect width="%d" height="%d" fill="url(#softtop)"/>' % (w, h)
    return doc(w, h, s, d)
