"""pictures_people.py -- the figures of the card animations: the barbarian, the horned warrior
woman, the crouching woman in leather, the swordsman, the horned rider, the titan, the builder's
statue and the reclining woman.

Each is one posed silhouette (figkit) filled with a gradient lit from its one light and edged by
a rim of that light, so it reads on the black sky of the battle screen at its own size."""
import math
import random

from svgkit import doc, linear, radial, skull
from art_night import Painter
from paintkit import rim_light, lit_texture, glow, fade_to_black
import figkit as fk


def _figure_defs(fid, light_dir, rim, near, far, tex_seed=3):
    """Fill gradient (lit side `near`, shadow `far`) and rim filter for one figure."""
    dx, dy = light_dir
    x1, x2 = (0, 1) if dx > 0 else (1, 0)
    d = ('<linearGradient id="%sfill" gradientUnits="userSpaceOnUse" x1="%d" y1="0" x2="%d" y2="0">'
         '<stop offset="0" stop-color="%s"/><stop offset="0.5" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
         '</linearGradient>' % (fid, -30 * (1 if dx > 0 else -1), 30 * (1 if dx > 0 else -1), far, far, near))
    d += rim_light(fid + "rim", dx * 2.4, dy * 2.4, rim, blur=0.6, freq="0.08", seed=tex_seed,
                   azimuth=0 if dx > 0 else 180, gain=1.35)
    return d


def _figure(fid, d_path, extra=""):
    """Every outline its own path, so overlapping parts never cut holes in each other."""
    parts = ["M" + p for p in d_path.split("M") if p.strip()]
    body = "".join('<path d="%s"/>' % p for p in parts)
    return ('<g filter="url(#%srim)"><g fill="url(#%sfill)">%s</g>%s</g>'
            % (fid, fid, body, extra))


def barbarian(w, h):
    """A barbarian on a heap of skulls, his great sword raised, lit by fire from the right."""
    j = {"neck": (1, -81), "chest": (1, -70), "waist": (0, -53), "pelvis": (0, -44),
         "shl": (-14, -75), "ell": (-20, -58), "wrl": (-21, -44), "shr": (15, -76), "elr": (25, -88), "wrr": (29, -100),
         "hipl": (-7, -43), "knl": (-17, -24), "anl": (-23, -3), "toel": (-15, -1),
         "hipr": (7, -43), "knr": (16, -25), "anr": (21, -3), "toer": (29, -1)}
    f = fk.body(j, build=1.15)
    f += fk.head(3, -90, 1.0, 1)
    f += fk.hand(*j["wrl"], math.pi / 2, 1.1, grip=True)
    f += fk.hand(*j["wrr"], -math.pi / 3, 1.1, grip=True)
    # Fur over the shoulders and round the hips, hair down the back.
    f += "M-18,-80 L-8,-86 L6,-84 L18,-80 L21,-72 L14,-70 L9,-74 L2,-70 L-5,-74 L-12,-70 L-20,-72 Z "
    f += "M-13,-50 L13,-50 L15,-32 L10,-36 L6,-30 L1,-36 L-4,-29 L-8,-35 L-13,-30 L-15,-34 Z "
    f += "M-2,-97 C-10,-96 -12,-88 -13,-76 L-7,-80 C-6,-86 -4,-90 -2,-92 Z "
    defs = _figure_defs("bb", (1, -0.3), "#ffb060", "#7a4228", "#120806")
    defs += linear("steel", [(0, "#f4f0ea", 1), (0.5, "#9aa0aa", 1), (1, "#3a3e46", 1)], 0, 0, 1, 0)
    s = ""
    # The skulls, lit from the right by the same fire.
    rng = random.Random(24)
    for i, (x, y, sz) in enumerate([(-30, 8, 15), (-14, 12, 16), (4, 9, 15), (22, 12, 16), (38, 9, 14), (-22, 20, 15),
                                    (-4, 22, 16), (14, 22, 15), (32, 21, 15), (-38, 22, 13), (48, 22, 13)]):
        s += skull(x, y, sz, fill="#cbb89a" if i % 2 else "#a8937a", eye="#100604", stroke="#2a1a10")
    s += '<path d="M-52,30 C-40,24 40,24 60,30 L60,34 L-52,34 Z" fill="#1a100a"/>'
    # The sword: blade up and to the right from both fists.
    a = -math.pi / 3
    bx, by = j["wrr"][0] + 5 * math.cos(a), j["wrr"][1] + 5 * math.sin(a)
    tx, ty = bx + 56 * math.cos(a), by + 56 * math.sin(a)
    nx, ny = -math.sin(a) * 2.4, math.cos(a) * 2.4
    s += '<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#steel)" stroke="#20242a" stroke-width="0.6"/>' % (
        bx + nx, by + ny, tx + nx * 0.3, ty + ny * 0.3, tx - nx * 0.3, ty - ny * 0.3, bx - nx, by - ny)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#6a4a1a" stroke-width="3.2" stroke-linecap="round"/>' % (
        bx - 7 * math.cos(a) + nx * 2.4, by - 7 * math.sin(a) + ny * 2.4, bx - 7 * math.cos(a) - nx * 2.4, by - 7 * math.sin(a) - ny * 2.4)
    s += _figure("bb", f)
    ex, ey = fk.eye(3, -90, 1.0, 1)
    s += '<circle cx="%.1f" cy="%.1f" r="0.8" fill="#ffd8a0"/>' % (ex, ey)
    s += '<path d="M-13,-51 L13,-51" stroke="#5a3414" stroke-width="2.2"/><circle cx="0" cy="-51" r="1.6" fill="#d8a040"/>'
    body_svg = fk.place(s, 100, 205, 1.45)
    return doc(w, h, body_svg, defs)


def warrior_woman(w, h):
    """A warrior woman in a horned helm, a spear topped with a skull in her right hand, her cape
    blown back; fire behind her to the left."""
    j = {"neck": (0, -83), "chest": (0, -72), "waist": (1, -56), "pelvis": (0, -47),
         "shl": (-11, -77), "ell": (-17, -62), "wrl": (-14, -49), "shr": (11, -77), "elr": (20, -66), "wrr": (24, -74),
         "hipl": (-6, -46), "knl": (-9, -25), "anl": (-10, -3), "toel": (-3, -1),
         "hipr": (7, -46), "knr": (12, -25), "anr": (17, -3), "toer": (24, -1)}
    f = fk.body(j, female=True)
    f += fk.head(1, -91, 0.95, 1)
    f += fk.hand(*j["wrl"], math.pi * 0.2, 1.0, grip=False)
    f += fk.hand(*j["wrr"], -math.pi / 2, 1.0, grip=True)
    # Horned helm and the hair beneath it.
    f += "M-5,-98 C-16,-100 -22,-110 -20,-120 C-18,-112 -12,-106 -4,-103 Z M6,-99 C14,-104 18,-112 16,-122 C20,-114 18,-104 9,-97 Z "
    f += "M-5,-96 C-12,-92 -12,-82 -14,-70 C-10,-74 -8,-80 -6,-86 Z "
    # Skirt of leather strips.
    f += "M-11,-50 L12,-50 L16,-30 L11,-32 L7,-28 L2,-32 L-3,-28 L-8,-32 L-14,-30 Z "
    defs = _figure_defs("ww", (-1, -0.2), "#ff9a50", "#6a3a2a", "#0e0608")
    defs += linear("cape", [(0, "#6a0a10", 1), (1, "#1a0204", 1)], 0, 0, 1, 0)
    defs += linear("spearwood", [(0, "#6a4a2a", 1), (1, "#2a1a0a", 1)], 0, 0, 1, 0)
    s = '<path d="M-10,-80 C-30,-70 -42,-40 -46,-4 C-36,-10 -28,-6 -20,-12 C-18,-30 -14,-50 -8,-70 Z" fill="url(#cape)" filter="url(#wwrim)"/>'
    s += '<path d="M24,-10 L24,-134" stroke="url(#spearwood)" stroke-width="2.4"/>'
    s += skull(24, -140, 13, fill="#d8ccb0", eye="#200404", stroke="#3a2a1a")
    s += '<path d="M24,-148 L21,-160 L24,-172 L27,-160 Z" fill="#c8ccd4" stroke="#30343a" stroke-width="0.5"/>'
    s += _figure("ww", f)
    ex, ey = fk.eye(1, -91, 0.95, 1)
    s += '<circle cx="%.1f" cy="%.1f" r="0.8" fill="#ffe0c0"/>' % (ex, ey)
    s += '<path d="M-11,-50 L12,-50" stroke="#3a1a0a" stroke-width="2"/>'
    s += '<path d="M-9,-74 C-3,-70 4,-70 10,-74" stroke="#8a8e98" stroke-width="2.2" fill="none"/>'
    return doc(w, h, fk.place(s, 104, 246, 1.38), defs)


def crouching_woman(w, h):
    """A woman in black leather crouched on one knee, a knife low in her hand, her hair thrown
    back, lit green from the flames behind her."""
    j = {"neck": (2, -56), "chest": (4, -47), "waist": (3, -33), "pelvis": (0, -26),
         "shl": (-6, -51), "ell": (-14, -38), "wrl": (-22, -30), "shr": (10, -51), "elr": (18, -38), "wrr": (26, -30),
         "hipl": (-4, -25), "knl": (-20, -12), "anl": (-34, -2), "toel": (-40, 0),
         "hipr": (5, -25), "knr": (18, -30), "anr": (16, -3), "toer": (23, -1)}
    f = fk.body(j, female=True)
    f += fk.head(5, -64, 0.95, 1, tilt=0.15)
    f += fk.hand(*j["wrl"], math.pi * 0.8, 1.0, grip=False)
    f += fk.hand(*j["wrr"], math.pi * 0.15, 1.0, grip=True)
    f += "M0,-70 C-10,-74 -22,-70 -34,-62 C-26,-62 -18,-62 -10,-60 C-20,-56 -26,-50 -30,-44 C-18,-52 -8,-56 -1,-58 Z "
    defs = _figure_defs("cw", (-1, -0.4), "#8aff9a", "#2a3a30", "#050807")
    defs += linear("knife", [(0, "#ffffff", 1), (1, "#7a8290", 1)])
    s = '<path d="M31,-29 L44,-22 L31,-27 Z" fill="url(#knife)" stroke="#1a1e24" stroke-width="0.4"/>'
    s += _figure("cw", f)
    ex, ey = fk.eye(5, -64, 0.95, 1, 0.15)
    s += '<circle cx="%.1f" cy="%.1f" r="0.7" fill="#c0ffd0"/>' % (ex, ey)
    s += '<path d="M-2,-34 L8,-33 M-6,-44 L12,-42" stroke="#3a4a40" stroke-width="0.8"/>'
    return doc(w, h, fk.place(s, 64, 244, 1.55), defs)


def swordsman(w, h):
    """A swordsman in black, low in a lunging crouch, sword thrust forward, cloak flying; the
    moon behind him edges him in silver."""
    j = {"neck": (4, -74), "chest": (8, -63), "waist": (6, -48), "pelvis": (2, -40),
         "shl": (-2, -68), "ell": (-16, -60), "wrl": (-26, -66), "shr": (14, -66), "elr": (30, -60), "wrr": (44, -58),
         "hipl": (-4, -38), "knl": (-26, -24), "anl": (-46, -4), "toel": (-52, 0),
         "hipr": (8, -38), "knr": (30, -30), "anr": (32, -3), "toer": (40, -1)}
    f = fk.body(j, build=1.0)
    f += fk.head(8, -83, 1.0, 1, tilt=0.1)
    f += fk.hand(*j["wrl"], math.pi * 1.1, 1.0, grip=False)
    f += fk.hand(*j["wrr"], 0.05, 1.0, grip=True)
    # Hood and the cloak streaming behind.
    f += "M1,-88 C-2,-94 8,-96 14,-92 C16,-88 15,-84 12,-82 L2,-80 Z "
    defs = _figure_defs("sw", (-0.7, -0.7), "#d8e4ff", "#30364a", "#06070c")
    defs += linear("cloak", [(0, "#0a0c14", 1), (1, "#1c2234", 1)], 0, 0, 1, 0)
    defs += linear("blade", [(0, "#ffffff", 1), (0.5, "#c0c8d8", 1), (1, "#5a6272", 1)])
    s = ('<path d="M2,-76 C-20,-78 -50,-84 -92,-72 C-80,-66 -86,-58 -96,-50 C-70,-52 -60,-46 -70,-36 '
         'C-46,-44 -24,-48 -6,-56 Z" fill="url(#cloak)" filter="url(#swrim)"/>')
    s += _figure("sw", f)
    s += '<path d="M50,-59.5 L128,-66 L132,-64.5 L50,-56.5 Z" fill="url(#blade)" stroke="#2a2e38" stroke-width="0.4" filter="url(#swglint)"/>'
    s += '<path d="M48,-64 L50,-52" stroke="#a08040" stroke-width="2.2"/>'
    ex, ey = fk.eye(8, -83, 1.0, 1, 0.1)
    s += '<path d="M%.1f,%.1f h2.4" stroke="#e8f0ff" stroke-width="0.9"/>' % (ex - 1, ey)
    defs += glow("swglint", 1.2, 1)
    return doc(w, h, fk.place(s, 250, 282, 2.6), defs)


def _horse(j):
    """A horse rearing: barrel, neck, head, four legs with their hocks and hooves, mane, tail."""
    d = fk.limb([j["rump"], j["barrel"], j["chest"]], [34, 36, 30])
    d += fk.limb([j["chest"], j["neck1"], j["poll"]], [24, 16, 11])
    px, py = j["poll"]
    mx, my = j["muzzle"]
    a = math.atan2(my - py, mx - px)
    nx, ny = -math.sin(a), math.cos(a)
    ln = math.hypot(mx - px, my - py)
    head = [(px + nx * 7, py + ny * 7), (px - nx * 6, py - ny * 6),
            (px + math.cos(a) * ln * 0.6 - nx * 4, py + math.sin(a) * ln * 0.6 - ny * 4),
            (mx - nx * 3.5, my - ny * 3.5), (mx + nx * 4, my + ny * 4),
            (px + math.cos(a) * ln * 0.45 + nx * 7, py + math.sin(a) * ln * 0.45 + ny * 7)]
    d += "M" + " L".join("%.1f,%.1f" % p for p in head) + " Z "
    # Ears.
    d += "M%.1f,%.1f l-1,-8 l4,6 Z " % (px - nx * 2, py - ny * 2)
    for leg in ("fl", "fr", "hl", "hr"):
        pts = j[leg]
        widths = [12, 7, 5, 4.5, 6][:len(pts)]
        d += fk.limb(pts, widths)
    return d


def horned_rider(w, h):
    """A horned rider on a rearing horse, spear raised; the moon behind them."""
    j = {"rump": (-36, -66), "barrel": (-8, -64), "chest": (22, -68), "neck1": (34, -86), "poll": (42, -104),
         "muzzle": (60, -84),
         "fl": [(26, -60), (38, -44), (50, -40), (54, -30)], "fr": [(20, -58), (22, -38), (18, -18), (22, -8)],
         "hl": [(-40, -60), (-48, -40), (-58, -26), (-64, -16), (-60, -12)], "hr": [(-34, -58), (-30, -38), (-38, -20), (-34, -2), (-28, -2)]}
    f = _horse(j)
    # Mane and tail.
    f += "M28,-80 C28,-92 34,-104 40,-110 C38,-100 38,-92 40,-84 Z "
    f += "M-50,-70 C-66,-70 -76,-58 -84,-44 C-72,-50 -62,-56 -50,-60 Z "
    # The rider, seated astride, leaning into the rear; horned helm, spear raised in the right hand.
    r = {"neck": (-2, -116), "chest": (0, -106), "waist": (-2, -94), "pelvis": (-4, -84),
         "shl": (-8, -111), "ell": (4, -102), "wrl": (16, -98), "shr": (4, -111), "elr": (12, -122), "wrr": (14, -134),
         "hipl": (-6, -84), "knl": (8, -76), "anl": (4, -60), "toel": (9, -58),
         "hipr": (-2, -84), "knr": (10, -74), "anr": (6, -58), "toer": (11, -56)}
    f += fk.body(r, build=0.8)
    f += fk.head(0, -124, 0.8, 1, tilt=-0.1)
    f += fk.hand(*r["wrl"], 0.2, 0.8, grip=True)
    f += fk.hand(*r["wrr"], -math.pi / 2, 0.8, grip=True)
    f += "M-3,-129 C-10,-132 -16,-138 -16,-146 C-12,-140 -7,-136 -2,-133 Z M3,-130 C8,-134 12,-140 10,-148 C15,-141 12,-134 5,-127 Z "
    f += "M-8,-114 C-24,-114 -40,-106 -54,-100 C-40,-98 -24,-100 -10,-104 Z "
    defs = _figure_defs("hr", (-0.8, -0.6), "#dce6ff", "#3a3040", "#07060a")
    defs += linear("spear", [(0, "#8a6a4a", 1), (1, "#2a1a0a", 1)])
    s = _figure("hr", f)
    s += '<path d="M10,-112 L22,-178" stroke="url(#spear)" stroke-width="1.8"/>'
    s += '<path d="M22,-178 L20.5,-186 L24,-196 L25,-185 Z" fill="#d8dee8" stroke="#30343c" stroke-width="0.4"/>'
    ex, ey = fk.eye(36, -134, 1, 1)
    s += '<circle cx="%.1f" cy="%.1f" r="1.1" fill="#ff6030" filter="url(#hrglint)"/>' % (47, -99)
    defs += glow("hrglint", 1, 1)
    ex, ey = fk.eye(0, -124, 0.8, 1, -0.1)
    s += '<circle cx="%.1f" cy="%.1f" r="0.6" fill="#ffe8d0"/>' % (ex, ey)
    return doc(w, h, fk.place(s, 168, 396, 1.9), defs)


def titan(w, h):
    """An armoured titan seen from below, his great blade raised with its tip burning green at the
    top right (the beam of the card starts there); the rest fades into the night."""
    j = {"neck": (0, -82), "chest": (0, -70), "waist": (0, -52), "pelvis": (0, -44),
         "shl": (-16, -76), "ell": (-24, -58), "wrl": (-22, -44), "shr": (16, -76), "elr": (28, -88), "wrr": (30, -102),
         "hipl": (-8, -43), "knl": (-14, -22), "anl": (-16, -3), "toel": (-9, -1),
         "hipr": (8, -43), "knr": (14, -22), "anr": (17, -3), "toer": (24, -1)}
    f = fk.body(j, build=1.3)
    f += fk.hand(*j["wrl"], math.pi / 2, 1.3, grip=True)
    f += fk.hand(*j["wrr"], -math.pi / 2.4, 1.3, grip=True)
    # Helm with a crest, great pauldrons, a skirt of plates.
    f += "M-8,-98 C-8,-106 8,-106 8,-98 L8,-86 L4,-82 L-4,-82 L-8,-86 Z M-2,-106 C2,-116 10,-118 16,-114 C10,-112 4,-108 2,-104 Z "
    f += "M-27,-80 C-27,-88 -14,-88 -10,-80 L-12,-70 C-20,-68 -26,-70 -27,-74 Z M27,-80 C27,-88 14,-88 10,-80 L12,-70 C20,-68 26,-70 27,-74 Z "
    f += "M-14,-48 L14,-48 L17,-30 L-17,-30 Z "
    defs = _figure_defs("ti", (1, -0.6), "#b8ffc0", "#5a6470", "#0a0c10")
    defs += lit_texture("plate", "0.05", 9, 0, relief=2.2, gain=1.4)
    defs += linear("tiblade", [(0, "#ffffff", 1), (0.5, "#a8b8c0", 1), (1, "#3a444a", 1)], 0, 0, 1, 0)
    defs += radial("tiglow", [(0, "#d0ffd0", 0.9), (0.3, "#40ff60", 0.5), (1, "#00ff40", 0)])
    defs += radial("tiback", [(0, "#1a3a24", 1), (1, "#000", 1)], cx=0.62, cy=0.2, r=0.8)
    defs += glow("tibloom", 3, 2)
    defs += fade_to_black("tivig", inner=0.7)
    s = '<rect width="%d" height="%d" fill="url(#tiback)"/>' % (w, h)
    # The blade from the right fist to its tip at (130, 20) of the picture.
    inner = fk.place(_figure("ti", f) + '<path d="M-5.5,-99.5 h11" stroke="#9aff9a" stroke-width="1.2" filter="url(#tibloom)"/>', 78, 300, 2.1)
    fx, fy = 78 + 30 * 2.1, 300 - 102 * 2.1
    s += '<path d="M%.1f,%.1f L128,18 L133,21 L%.1f,%.1f Z" fill="url(#tiblade)" stroke="#1a2024" stroke-width="0.6"/>' % (fx - 4, fy, fx + 4, fy + 2)
    s += inner
    s += '<circle cx="130" cy="20" r="26" fill="url(#tiglow)"/>'
    s += '<path d="M130,6 V34 M116,20 H144" stroke="#eaffea" stroke-width="1.4" filter="url(#tibloom)"/>'
    s += '<rect width="%d" height="%d" fill="url(#tivig)"/>' % (w, h)
    return doc(w, h, s, defs)


def statue(w, h):
    """A stone statue of a master builder on a plinth: dividers raised in his right hand, a mallet
    hanging from his left, a mason's apron; weathered stone under the moon, rimmed from the left."""
    j = {"neck": (0, -83), "chest": (0, -72), "waist": (0, -56), "pelvis": (0, -47),
         "shl": (-12, -77), "ell": (-16, -61), "wrl": (-17, -47), "shr": (12, -77), "elr": (24, -72), "wrr": (30, -86),
         "hipl": (-6, -46), "knl": (-8, -25), "anl": (-9, -3), "toel": (-2, -1),
         "hipr": (6, -46), "knr": (10, -25), "anr": (12, -3), "toer": (19, -1)}
    f = fk.body(j, build=1.05)
    f += fk.head(1, -91, 1.0, 1)
    f += fk.hand(*j["wrl"], math.pi / 2, 1.0, grip=True)
    f += fk.hand(*j["wrr"], -math.pi / 2.6, 1.0, grip=True)
    # Apron over the hips, a short cloak on the shoulders and a cap.
    f += "M-11,-56 L11,-56 L13,-30 L-13,-30 Z "
    f += "M-14,-80 C-6,-86 6,-86 14,-80 L20,-66 L-20,-62 Z "
    f += "M-5,-97 C-2,-101 6,-101 8,-96 L6,-93 L-5,-93 Z "
    defs = _figure_defs("st", (-1, -0.4), "#eef2ff", "#c4c8d2", "#1c2028", tex_seed=12)
    s = ""
    # Mallet hanging from the left fist.
    mx, my = j["wrl"][0], j["wrl"][1] + 4
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#5a606a" stroke-width="2.2"/>' % (mx, my, mx, my + 16)
    s += '<rect x="%.1f" y="%.1f" width="12" height="7" rx="1" fill="#6a707a"/>' % (mx - 6, my + 15)
    s += _figure("st", f)
    # Dividers held up by their hinge, the two points opened downward: the measure of his craft.
    hx, hy = j["wrr"][0] + 5, j["wrr"][1] - 9
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="#4a505c" '
          'stroke="#2a2e38" stroke-width="0.3"/>' % (hx - 1, hy, hx + 5, hy + 26, hx + 1, hy, hx + 1, hy, hx + 17, hy + 19,
                                                     hx + 2.4, hy - 0.6))
    s += '<circle cx="%.1f" cy="%.1f" r="2.4" fill="#9aa0ac" stroke="#2a2e38" stroke-width="0.4"/>' % (hx, hy)
    s += '<path d="M%.1f,%.1f l0,-4" stroke="#7a808c" stroke-width="1.4"/>' % (hx, hy - 2)
    ex, ey = fk.eye(1, -91, 1.0, 1)
    s += '<path d="M%.1f,%.1f l2.4,0" stroke="#2a2e38" stroke-width="1"/>' % (ex - 1, ey)
    # Cracks and weathering over the stone.
    s += '<path d="M-6,-70 L-3,-62 L-5,-56 M8,-40 L6,-30 L9,-22 M-10,-20 L-8,-12" stroke="#3a3e48" stroke-width="0.6" fill="none"/>'
    # The plinth, with a moulded top.
    plinth = ('<path d="M-34,0 L34,0 L38,4 L38,8 L32,8 L32,26 L38,26 L38,32 L-38,32 L-38,26 L-32,26 L-32,8 L-38,8 '
              'L-38,4 Z" fill="url(#stplinth)" filter="url(#stone)"/>')
    plinth += '<path d="M-38,4 L38,4 M-32,8 L32,8 M-32,26 L32,26" stroke="#cfdcff" stroke-width="0.6" opacity="0.6"/>'
    defs += linear("stplinth", [(0, "#b8bcc8", 1), (0.5, "#6a707c", 1), (1, "#2a2e38", 1)], 0, 0, 1, 0)
    body_svg = fk.place(plinth + s, 118, 160, 1.45)
    return doc(w, h, body_svg, defs)


def reclining_woman(w, h):
    """A woman reclining along a velvet couch, propped on her elbow with her cheek on her hand, her
    other hand resting on her hip; a silk gown over her legs spills over the couch's edge. An
    ornate gold headdress with points, jewels and pendants, her hair falling to the cushion.
    Moonlight from above right rims her, the gown and the gold. Cut out on the key colour."""
    p = Painter(w, h, 11)
    rim = "#cfdcff"
    rd = (-1.6, 2.2)
    velvet = p.relief(freq=0.12, octaves=3, azimuth=300, scale=1.6, strength=1.3, base=0.6)
    gold = p.linear([(0, "#fff0a0", 1), (0.45, "#e8c060", 1), (1, "#6a4410", 1)], 0, 0, 0.6, 1)
    # The couch: a scrolled headrest at the left, a long seat, a gold rail and turned legs.
    for x in (44, 250, 440):
        p.shape("M%d,196 L%d,222 C%d,228 %d,228 %d,222 L%d,196 Z" % (x - 6, x - 5, x - 4, x + 4, x + 5, x + 6), gold)
    couch = ("M30,200 L30,150 C22,132 26,104 44,98 C60,94 70,104 66,116 C62,126 52,126 50,118 "
             "C52,128 58,140 70,150 L440,156 C458,156 466,164 462,178 L458,200 Z")
    p.shape(couch, p.linear([(0, "#7a1828", 1), (0.5, "#4a0c18", 1), (1, "#14040a", 1)]), texture=velvet, rim=rim,
            rim_dx=rd[0], rim_dy=rd[1], rim_soft=1.2, rim_opacity=0.6)
    p.add('<path d="M30,198 L458,198" stroke="#d8a840" stroke-width="4"/>')
    p.add('<path d="M44,108 C40,118 48,126 56,120" stroke="#d8a840" stroke-width="2.5" fill="none"/>')
    for i in range(26):
        p.add('<path d="M%d,200 l0,8 l2,3 l2,-3 l0,-8 Z" fill="%s"/>' % (40 + i * 16, gold))
    # A cushion under her elbow.
    p.shape("M64,150 C60,134 74,124 100,126 C124,128 136,138 132,152 C110,160 84,160 64,150 Z",
            p.linear([(0, "#c89a40", 1), (1, "#4a2a08", 1)]), texture=velvet, rim=rim, rim_dx=rd[0], rim_dy=rd[1])
    skin = p.linear([(0, "#f2d8c4", 1), (0.5, "#c89a86", 1), (1, "#5a3a3c", 1)], 1, 0, 0.2, 1)
    # Her hair falls from behind the head down over the forearm to the cushion.
    hair = "M112,70 C100,74 96,92 100,112 C102,128 96,140 90,150 C104,148 114,136 116,120 C118,104 124,92 132,84 Z"
    p.shape(hair, "#140c10", rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.8, rim_opacity=0.6)
    # The propped arm: upper arm from the shoulder down to the elbow on the cushion, forearm up to
    # the hand under her cheek.
    arm = fk.limb([(146, 120), (120, 136), (98, 146)], [15, 12, 10]) + fk.limb([(98, 146), (104, 124), (112, 104)],
                                                                                  [10, 8, 7])
    p.shape(arm, skin, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.9)
    # Neck and bare shoulders above the gown's neckline.
    p.shape("M126,92 C132,100 134,106 136,112 C146,110 160,114 172,124 L164,136 C150,132 136,130 128,126 "
            "C122,118 118,108 118,100 Z", skin, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.9)
    # The gown: bodice, the long line of the hip and legs, a drape spilling over the couch's edge.
    gown = ("M128,126 C146,124 160,126 172,124 C190,120 204,132 216,136 C232,126 252,112 272,112 "
            "C300,114 330,126 352,130 C380,134 410,142 432,146 C444,148 448,154 444,160 "
            "C440,170 430,186 420,194 C400,184 380,190 360,194 C340,186 318,192 296,196 C276,186 252,192 230,194 "
            "C210,186 190,190 172,192 C160,178 150,166 140,158 C130,150 124,140 128,126 Z")
    silk = p.linear([(0, "#4a68b4", 1), (0.35, "#1e3064", 1), (1, "#060a1a", 1)], 0.6, 0, 0.4, 1)
    p.shape(gown, silk, texture=p.relief(freq="0.01 0.05", octaves=2, azimuth=300, scale=2, strength=1.3, base=0.6),
            rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=1.0)
    # Folds: light ridges and dark troughs running along the legs and down the drape.
    for d, col, wd in (("M230,136 C270,132 320,140 360,146 C390,150 410,152 430,154", "#8aa4e0", 1.6),
                       ("M220,150 C260,150 310,156 350,162 C380,166 400,168 420,170", "#0a1028", 2.2),
                       ("M250,160 C248,172 240,182 230,192", "#0a1028", 2), ("M330,164 C330,176 326,186 318,192", "#0a1028", 2),
                       ("M400,168 C402,178 398,186 392,192", "#0a1028", 2), ("M290,160 C290,172 292,182 296,194", "#6a86c8", 1.2),
                       ("M190,150 C186,164 180,176 174,190", "#0a1028", 2)):
        p.add('<path d="%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.8" filter="%s"/>' % (d, col, wd, p.blur(0.8)))
    # The bodice, darker and embroidered, over the bust.
    p.shape("M128,126 C146,124 160,126 172,124 C186,120 202,130 214,136 L220,156 C196,158 160,156 140,154 "
            "C130,146 124,136 128,126 Z", "#12183a", rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.8)
    p.add('<path d="M150,126 C156,118 168,116 176,124" stroke="#d8a840" stroke-width="1" fill="none"/>')
    for i in range(6):
        p.add('<circle cx="%d" cy="%d" r="1" fill="#d8a840"/>' % (150 + i * 11, 144 + (i % 2) * 4))
    # A gold girdle at her waist and the neckline's edging.
    p.add('<path d="M212,134 C216,142 220,150 222,158" stroke="#d8a840" stroke-width="3" fill="none"/>')
    p.add('<path d="M132,126 C146,124 160,126 172,124" stroke="#d8a840" stroke-width="1.6" fill="none"/>')
    # Bare feet at the hem, crossed.
    p.shape("M436,146 C446,140 458,140 462,146 C458,150 448,152 438,152 Z", skin, rim=rim, rim_dx=rd[0], rim_dy=rd[1])
    # The other arm along her side, the hand resting on her hip.
    arm2 = fk.limb([(166, 122), (196, 130), (230, 124)], [12, 9, 7])
    p.shape(arm2, skin, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.9)
    p.shape(fk.hand(230, 124, -0.25, 1.2, grip=False), skin)
    p.shape(fk.hand(112, 104, -1.35, 1.15, grip=False), skin)
    # Head: a profile tilted onto the hand, looking to the right.
    hd = fk.head(122, 82, 1.45, 1, tilt=-0.2)
    p.shape(hd, skin, rim=rim, rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.8)
    ex, ey = fk.eye(122, 82, 1.45, 1, tilt=-0.2)
    p.add('<path d="M%.1f,%.1f c1.4,-1.4 3.2,-1.4 4,0" stroke="#2a1010" stroke-width="1.1" fill="none"/>' % (ex - 2, ey))
    p.add('<path d="M%.1f,%.1f c1.2,-2 3.4,-2.4 5,-1.4" stroke="#2a1010" stroke-width="0.9" fill="none"/>' % (ex - 2.5, ey - 3))
    lx, ly = fk.eye(122, 82, 1.45, 1, tilt=-0.2)
    p.add('<circle cx="%.1f" cy="%.1f" r="1.3" fill="#a01828"/>' % (lx + 3.2, ly + 8.6))
    # Hair over the crown, under the headdress.
    p.shape("M112,76 C110,64 118,58 128,58 C136,58 140,62 140,66 C132,64 122,66 116,76 Z", "#140c10")
    # The headdress: a tall diadem of gold points with jewels, a veil behind, pendants by the cheek.
    p.shape("M104,72 C96,84 92,104 100,124 C104,110 108,96 114,80 Z", "#2a1830", extra='opacity="0.9"')
    dia = "M110,70 L108,54 L114,62 L117,46 L121,60 L126,40 L130,58 L135,46 L137,60 L143,52 L141,66 C132,62 118,64 110,70 Z"
    p.shape(dia, gold, rim="#ffffff", rim_dx=rd[0], rim_dy=rd[1], rim_soft=0.6)
    for x, y, r, c in ((126, 58, 2.6, "#d0102a"), (117, 61, 1.6, "#2a60d0"), (136, 60, 1.6, "#2a60d0")):
        p.add('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="#fff0c0" stroke-width="0.5"/>' % (x, y, r, c))
        p.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#ffffff" opacity="0.8"/>' % (x - r * 0.3, y - r * 0.3, r * 0.3))
    p.add('<path d="M112,70 C112,78 111,86 112,92" stroke="#d8a840" stroke-width="1.2" fill="none"/>')
    p.add('<circle cx="112" cy="94" r="2" fill="%s"/><circle cx="112" cy="94" r="0.9" fill="#d0102a"/>' % gold)
    return p.svg()
