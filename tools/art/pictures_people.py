"""pictures_people.py -- the figures of the card animations: the barbarian, the horned warrior
woman, the crouching woman in leather, the swordsman, the horned rider, the titan, the builder's
statue and the reclining woman.

Each is one posed silhouette (figkit) filled with a gradient lit from its one light and edged by
a rim of that light, so it reads on the black sky of the battle screen at its own size."""
import math

from svgkit import doc, linear, radial, skull
from art_night import Painter
from paintkit import rim_light, glow, fade_to_black
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
    """A barbarian on a heap of skulls, his great sword raised high in his right fist, his left
    clenched at his side; a fire off to the right lights his face and rims him in amber."""
    j = {"neck": (2, -83), "chest": (1, -73), "waist": (0, -57), "pelvis": (0, -47),
         "shl": (-14, -77), "ell": (-21, -61), "wrl": (-22, -46), "shr": (15, -78), "elr": (27, -88), "wrr": (30, -102),
         "hipl": (-7, -45), "knl": (-15, -24), "anl": (-20, -3), "toel": (-12, -1),
         "hipr": (7, -45), "knr": (16, -25), "anr": (22, -3), "toer": (30, -1)}
    # The far leg and arm a shade darker behind the body.
    far = fk.leg(j["hipl"], j["knl"], j["anl"], j["toel"], 1.2, -1, boot=True)
    far += fk.arm(j["shl"], j["ell"], j["wrl"], 1.25, -1)
    far += fk.fist(j["wrl"][0], j["wrl"][1] + 3, math.pi / 2, 1.05)
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=17, waist_w=11.5, hips=12)
    f += fk.leg(j["hipr"], j["knr"], j["anr"], j["toer"], 1.2, 1, boot=True)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 1.3, 1)
    # Head raised toward the blade: a heavy jaw, the mane down his back, a beard on his chest.
    hx, hy, tilt, hs = 4, -93, -0.18, 1.22
    f += fk.face_profile(hx, hy, hs, 1, tilt, jaw=1.1)
    hair = fk.smooth([fk.point(hx, hy, *q, s=hs, tilt=tilt) for q in
                      ((-6.4, 0.0), (-6.2, -5.6), (-3.0, -8.8), (1.6, -9.0), (4.8, -7.4), (1.4, -6.6), (-1.4, -4.0),
                       (-2.0, 1.6), (-3.6, 7.0), (-6.0, 14.0), (-10.0, 18.0), (-9.6, 9.0))])
    hair += fk.smooth([fk.point(hx, hy, *q, s=hs, tilt=tilt) for q in
                       ((0.4, 4.6), (3.4, 6.0), (6.0, 5.8), (6.2, 8.6), (4.4, 12.0), (1.8, 13.4), (-0.4, 9.6))])
    # A wolf pelt over the shoulders, its paws hanging; a fur kilt over the hips.
    f += fk.smooth([(-19, -78), (-12, -86), (0, -85), (14, -86), (21, -80), (19, -72), (15, -75), (11, -70), (6, -74),
                    (1, -70), (-4, -74), (-9, -69), (-14, -73), (-20, -70)])
    f += fk.smooth([(-13, -52), (13, -52), (15, -40), (16, -30), (11, -34), (7, -28), (2, -34), (-3, -28), (-8, -34),
                    (-13, -29), (-16, -34)])
    defs = _figure_defs("bb", (1, -0.3), "#ffb040", "#8a4a26", "#140806")
    defs += _figure_defs("bbf", (1, -0.3), "#e08a3a", "#4a2818", "#0c0504", tex_seed=5)
    defs += linear("steel", [(0, "#3a3e46", 1), (0.45, "#9aa0aa", 1), (0.55, "#f4e8d0", 1), (1, "#ffd090", 1)], 0, 0, 1, 0)
    defs += linear("bbheap", [(0, "#120a08", 1), (0.6, "#3a2618", 1), (1, "#8a5a30", 1)], 0, 0, 1, 0)
    defs += radial("bbskull", [(0, "#d8b080", 1), (0.5, "#7a5434", 1), (1, "#1a0e08", 1)], cx=0.8, cy=0.3, r=0.8)
    defs += glow("bbglint", 1.0, 1)
    # The heap: a dark mound of bones, the skulls on it catching the fire on their right.
    s = '<path d="%s" fill="url(#bbheap)" filter="url(#bbrim)"/>' % fk.smooth(
        [(-64, 34), (-56, 20), (-44, 10), (-30, 3), (-12, -1), (8, 0), (28, 2), (44, 8), (56, 18), (66, 34)])
    for i, (x, y, sz, r) in enumerate([(-44, 18, 11, -20), (-30, 8, 12, -8), (-6, 4, 10, 6), (10, 6, 11, -4), (34, 8, 12, 14),
                                       (50, 20, 11, 22), (-18, 20, 13, 4), (4, 22, 14, -6), (24, 21, 13, 10), (-52, 30, 10, -30),
                                       (58, 30, 10, 30), (-36, 28, 12, 0), (40, 30, 12, 8)]):
        s += '<g transform="rotate(%d %d %d)">%s</g>' % (r, x, y, skull(x, y, sz, fill="url(#bbskull)", eye="#080302",
                                                                         stroke="#1a0e08"))
    # Crossed bones and a broken shield among them.
    s += '<path d="M-26,14 L-4,24 M16,14 L36,26 M-58,26 L-40,24" stroke="#6a4e34" stroke-width="2.4" stroke-linecap="round"/>'
    s += _figure("bbf", far)
    # The sword behind his fist: long blade up to the right, a cross guard, the grip in his hand.
    a = -1.0
    ca, sa = math.cos(a), math.sin(a)
    gx, gy = j["wrr"][0] + 2.6 * ca, j["wrr"][1] + 2.6 * sa
    nx, ny = -sa, ca
    tip = (gx + 50 * ca, gy + 50 * sa)
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#steel)" stroke="#1a1410" stroke-width="0.4"/>'
          % (gx + nx * 2.6, gy + ny * 2.6, tip[0] - 6 * ca + nx * 1.6, tip[1] - 6 * sa + ny * 1.6, tip[0], tip[1],
             gx - nx * 2.6, gy - ny * 2.6))
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#5a5e66" stroke-width="0.6"/>' % (gx + 6 * ca, gy + 6 * sa, tip[0] - 8 * ca, tip[1] - 8 * sa)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#ffe0a0" stroke-width="0.7" filter="url(#bbglint)"/>' % (
        gx + 10 * ca - nx * 1.4, gy + 10 * sa - ny * 1.4, tip[0] - 10 * ca - nx * 0.7, tip[1] - 10 * sa - ny * 0.7)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#8a6a3a" stroke-width="2.2" stroke-linecap="round"/>' % (
        gx + nx * 7, gy + ny * 7, gx - nx * 7, gy - ny * 7)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#3a2212" stroke-width="2.6" stroke-linecap="round"/>' % (
        gx - 1 * ca, gy - 1 * sa, gx - 11 * ca, gy - 11 * sa)
    s += '<circle cx="%.1f" cy="%.1f" r="2" fill="#c89a50"/>' % (gx - 12 * ca, gy - 12 * sa)
    s += _figure("bb", f)
    # The face turned to the fire: brow, cheek and nose lit warm; hair and beard stay in shadow.
    s += '<path d="%s" fill="#c87a40" opacity="0.75" filter="url(#bbrim)"/>' % fk.smooth(
        [fk.point(hx, hy, *q, s=hs, tilt=tilt) for q in ((1.4, -5.8), (4.6, -4.6), (5.4, -2.0), (6.6, 0.8), (6.0, 3.2),
                                                         (3.6, 4.6), (1.6, 2.0), (0.8, -2.0))])
    s += _figure("bbf", hair)
    # The fist closed round the grip, over it.
    s += _figure("bb", fk.fist(j["wrr"][0] - 1 * ca, j["wrr"][1] - 1 * sa, a, 1.15))
    # Muscle under the firelight: the chest, the belly, the swell of the raised arm.
    s += ('<path d="M-10,-68 C-4,-64 2,-64 6,-68 M7,-68 C10,-64 13,-63 16,-66 M0,-62 L0,-54 M-5,-58 C-2,-57 2,-57 5,-58" '
          'stroke="#2a140a" stroke-width="0.9" fill="none" opacity="0.8"/>')
    s += ('<path d="M12,-70 C16,-66 17,-60 15,-55 M22,-84 C25,-87 27,-92 28,-96" stroke="#ffb060" stroke-width="0.8" '
          'fill="none" opacity="0.55"/>')
    # The belt with its buckle, bracers on the wrists, fur-topped boots.
    s += '<path d="M-13,-52 C-4,-50 6,-50 13,-52" stroke="#2a1408" stroke-width="3" fill="none"/>'
    s += '<rect x="0" y="-53.6" width="4" height="3.4" fill="#d8a048" stroke="#3a2010" stroke-width="0.4"/>'
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f M-21,-50 L-23,-54" stroke="#3a2010" stroke-width="3.4" stroke-linecap="round"/>'
          % (j["wrr"][0] - 4.5, j["wrr"][1] + 6, j["wrr"][0] - 1.6, j["wrr"][1] + 2))
    s += '<path d="M16,-14 C19,-12 24,-12 27,-14 M-24,-14 C-20,-12 -15,-12 -12,-14" stroke="#4a2a14" stroke-width="3" fill="none"/>'
    # His eye under the brow, lit by the fire, and the open mouth of his roar.
    ex, ey = fk.point(hx, hy, 3.2, -1.4, hs, 1, tilt)
    s += '<path d="M%.1f,%.1f h1.8" stroke="#ffe0b0" stroke-width="0.9"/>' % (ex - 0.6, ey)
    s += '<path d="M%.1f,%.1f l2.4,-1.0" stroke="#2a0a04" stroke-width="1" opacity="0.9"/>' % (ex - 1.0, ey - 1.4)
    mx, my = fk.point(hx, hy, 5.2, 3.6, hs, 1, tilt)
    s += '<path d="M%.1f,%.1f l1.6,0.6 l-0.4,1.4 Z" fill="#1a0402"/>' % (mx - 0.6, my - 0.8)
    return doc(w, h, fk.place(s, 96, 204, 1.38), defs)


def warrior_woman(w, h):
    """A warrior woman in a horned helm, her spear planted beside her with a skull lashed under
    its blade, her other fist on her hip, cape and hair blown back; a fire behind her to the
    left edges her in amber and leaves her face in shadow but for the eye."""
    j = {"neck": (1, -84), "chest": (1, -75), "waist": (1.5, -60), "pelvis": (0, -50),
         "shl": (-9, -78), "ell": (-17, -65), "wrl": (-10, -54), "shr": (10, -78), "elr": (18, -65), "wrr": (22, -76),
         "hipl": (-5, -49), "knl": (-9, -27), "anl": (-13, -3), "toel": (-6, -1),
         "hipr": (5, -49), "knr": (12, -27), "anr": (16, -3), "toer": (24, -1)}
    far = fk.leg(j["hipl"], j["knl"], j["anl"], j["toel"], 0.95, -1, boot=True)
    far += fk.arm(j["shl"], j["ell"], j["wrl"], 0.9, -1)
    far += fk.fist(j["wrl"][0] + 1, j["wrl"][1] + 1, 0.4, 0.85)
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=11.5, waist_w=7.4, hips=11.5)
    f += fk.smooth([(5, -77), (11, -74), (12.5, -69), (9, -66), (4, -68)])  # the breast under the plate
    f += fk.leg(j["hipr"], j["knr"], j["anr"], j["toer"], 1.0, 1, boot=True)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 0.95, 1)
    hx, hy, tilt = 2.5, -92.5, -0.06
    f += fk.face_profile(hx, hy, 0.95, 1, tilt, jaw=0.95)
    # The helm: a close cap with a nose guard, two horns curving up and out.
    helm = fk.smooth([fk.point(hx, hy, *q, s=0.95, tilt=tilt) for q in
                      ((-6.4, 0.6), (-6.6, -5.0), (-3.6, -9.0), (1.0, -9.6), (5.0, -7.8), (6.2, -4.4), (5.6, -0.6),
                       (4.8, -3.6), (2.6, -4.0), (-2.0, -2.6), (-3.6, 1.6))])
    for hq in (((-4.0, -7.0), (-9.0, -9.0), (-12.0, -15.0), (-11.0, -21.0), (-8.6, -15.0), (-5.0, -11.6), (-0.6, -9.0)),
               ((2.0, -9.0), (5.6, -12.6), (6.6, -18.0), (5.0, -23.0), (9.4, -18.0), (9.6, -12.0), (5.6, -7.0))):
        helm += fk.smooth([fk.point(hx, hy, *q, s=0.95, tilt=tilt) for q in hq])
    # Hair from under the helm, streaming back in the fire's wind.
    hair = fk.smooth([fk.point(hx, hy, *q, s=0.95, tilt=tilt) for q in
                      ((-5.0, -2.0), (-11.0, 0.0), (-19.0, 4.0), (-25.0, 10.0), (-18.0, 9.0), (-22.0, 15.0), (-14.0, 12.0),
                       (-9.0, 14.0), (-5.0, 8.0))])
    # A skirt of leather strips over the hips.
    f += fk.smooth([(-12, -53), (12, -53), (14, -42), (15, -34), (10, -37), (6, -32), (1, -37), (-4, -32), (-9, -37),
                    (-14, -34), (-14, -43)])
    defs = _figure_defs("ww", (-1, -0.3), "#ffa040", "#4a2a22", "#0c0506")
    defs += _figure_defs("wwf", (-1, -0.3), "#e07a30", "#2a1612", "#070304", tex_seed=6)
    defs += linear("cape", [(0, "#8a1812", 1), (0.5, "#4a080a", 1), (1, "#140204", 1)], 0, 0, 1, 0)
    defs += linear("spearwood", [(0, "#8a5a2a", 1), (1, "#1a0e06", 1)], 0, 0, 1, 0)
    defs += radial("wwskull", [(0, "#f0c890", 1), (0.5, "#8a6040", 1), (1, "#1a0c06", 1)], cx=0.2, cy=0.3, r=0.9)
    defs += linear("wwsteel", [(0, "#ffd8a0", 1), (0.4, "#a8a4a8", 1), (1, "#2a2a30", 1)], 0, 0, 1, 0)
    # The cape from her shoulders, blown back and down in torn tongues.
    s = '<path d="%s" fill="url(#cape)" filter="url(#wwrim)"/>' % fk.smooth(
        [(-6, -82), (-16, -80), (-28, -72), (-38, -58), (-46, -40), (-54, -22), (-58, -10), (-48, -14), (-46, -4),
         (-38, -12), (-32, -4), (-28, -16), (-20, -30), (-14, -50), (-10, -68)])
    s += ('<path d="M-18,-74 C-28,-60 -36,-40 -44,-20 M-12,-66 C-18,-50 -24,-34 -32,-14" stroke="#0a0204" stroke-width="1" '
          'fill="none" opacity="0.8"/>')
    s += _figure("wwf", far + hair)
    # The spear planted beside her: ash shaft, the skull lashed under a leaf blade.
    sx = j["wrr"][0] + 0.4
    s += '<rect x="%.1f" y="-142" width="2.4" height="140" fill="url(#spearwood)" stroke="#140a04" stroke-width="0.3"/>' % (sx - 1.2)
    s += skull(sx, -146, 11, fill="url(#wwskull)", eye="#100202", stroke="#2a1408")
    s += '<path d="M%.1f,-142 l-4,4 M%.1f,-142 l4,4" stroke="#3a2010" stroke-width="0.9"/>' % (sx, sx)
    s += ('<path d="M%.1f,-151 C%.1f,-156 %.1f,-162 %.1f,-168 C%.1f,-162 %.1f,-156 %.1f,-151 Z" fill="url(#wwsteel)" '
          'stroke="#1a1416" stroke-width="0.4"/>' % (sx - 2, sx - 4, sx - 1.5, sx, sx + 1.5, sx + 4, sx + 2))
    s += _figure("ww", f + helm)
    s += _figure("ww", fk.fist(j["wrr"][0], j["wrr"][1], -math.pi / 2, 0.9))
    # The breastplate's edge, the belt, the greaves' straps: dark on dark, caught by the fire.
    s += '<path d="M-6,-80 C-4,-72 2,-66 12,-68" stroke="#6a4a3a" stroke-width="0.9" fill="none"/>'
    s += '<path d="M-11,-53 C-4,-51 5,-51 12,-53" stroke="#1a0a06" stroke-width="2.4" fill="none"/>'
    s += '<circle cx="1" cy="-52" r="1.4" fill="#e0a050"/>'
    s += ('<path d="M12,-18 l6,-1 M12,-12 l7,-1 M-14,-18 l6,0 M-15,-12 l6,0" stroke="#2a1410" stroke-width="1.2"/>')
    # The eye in the shadow of the helm and the line of her cheek.
    ex, ey = fk.point(hx, hy, 3.3, -1.4, 0.95, 1, tilt)
    s += '<path d="M%.1f,%.1f h1.8" stroke="#ffd8b0" stroke-width="0.8"/>' % (ex - 0.6, ey)
    cx_, cy_ = fk.point(hx, hy, 2.0, 1.4, 0.95, 1, tilt)
    s += '<path d="M%.1f,%.1f q1.8,1.4 2.2,3.6" stroke="#8a5a40" stroke-width="0.5" fill="none"/>' % (cx_, cy_)
    return doc(w, h, fk.place(s, 112, 244, 1.42), defs)


def crouching_woman(w, h):
    """A woman in black leather down on one knee in the green flames, a knife low and forward in
    her right hand, her left arm flung back; her hair streams up in the fire's draught. The
    flames behind her rim her in green; her face is in shadow but for the eye."""
    j = {"neck": (4, -63), "chest": (2, -55), "waist": (-1, -41), "pelvis": (-3, -31),
         "shl": (-1, -58), "ell": (-11, -66), "wrl": (-20, -77), "shr": (7, -58), "elr": (16, -47), "wrr": (24, -44),
         "hipl": (-4, -29), "knl": (-2, -4), "anl": (-19, -3), "toel": (-26, -1),
         "hipr": (-2, -30), "knr": (15, -27), "anr": (15, -3), "toer": (22, -1)}
    # The kneeling leg and the flung arm behind, a shade darker.
    far = fk.leg(j["hipl"], j["knl"], j["anl"], j["toel"], 0.95, -1, boot=True)
    far += fk.arm(j["shl"], j["ell"], j["wrl"], 0.85, -1)
    far += fk.hand(j["wrl"][0], j["wrl"][1], -2.3, 0.8, grip=False)
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=10.5, waist_w=7.0, hips=10.5)
    f += fk.smooth([(7, -57), (11, -53), (11, -48), (7, -46), (4, -50)])  # the breast in its leather
    f += fk.leg(j["hipr"], j["knr"], j["anr"], j["toer"], 1.0, 1, boot=True)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 0.85, 1)
    hx, hy, tilt, hs = 6.5, -72, 0.1, 1.1
    f += fk.face_profile(hx, hy, hs, 1, tilt, jaw=0.92)
    # Hair thrown back from the brow and streaming up behind her in the draught of the flames.
    hair = fk.smooth([fk.point(hx, hy, *q, s=hs, tilt=tilt) for q in
                      ((4.6, -6.4), (1.0, -9.0), (-4.0, -10.4), (-9.0, -14.0), (-13.0, -20.0), (-18.0, -25.0),
                       (-15.0, -18.0), (-21.0, -20.0), (-17.0, -13.0), (-23.0, -12.0), (-15.0, -7.0), (-9.0, -3.0),
                       (-7.0, 3.0), (-8.0, 9.0), (-4.4, 5.0), (-3.0, -1.0), (0.0, -5.6))])
    defs = _figure_defs("cw", (-0.6, -0.8), "#8aff9a", "#1e3026", "#040706")
    defs += _figure_defs("cwf", (-0.6, -0.8), "#6ae07a", "#0e1a14", "#020403", tex_seed=4)
    defs += linear("knife", [(0, "#ffffff", 1), (0.6, "#b8c8c0", 1), (1, "#4a5450", 1)], 0, 0, 0, 1)
    defs += glow("cwglint", 1.0, 1)
    s = _figure("cwf", far + hair)
    s += _figure("cw", f)
    # The knife forward from her fist, its edge catching the green.
    gx, gy = j["wrr"][0] + 1.5, j["wrr"][1] - 0.5
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#knife)" stroke="#0a100c" stroke-width="0.3"/>'
          % (gx + 1.6, gy - 2.6, gx + 8.6, gy - 8.0, gx + 10.4, gy - 10.0, gx + 3.0, gy - 1.0))
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#d0ffd8" stroke-width="0.5" filter="url(#cwglint)"/>' % (
        gx + 3, gy - 3.2, gx + 8.6, gy - 8.0)
    s += _figure("cw", fk.fist(gx, gy, -0.3, 0.85))
    # Seams and the belt of the leather, a buckle catching the light.
    s += '<path d="M-9,-36 C-4,-34 2,-34 6,-37" stroke="#0a120e" stroke-width="1.8" fill="none"/>'
    s += '<rect x="-2" y="-36.8" width="2.4" height="2" fill="#9ad8a8"/>'
    s += ('<path d="M-4,-52 C-2,-46 -1,-42 -1,-38 M8,-28 C11,-27 13,-27 15,-28" stroke="#2a3a30" stroke-width="0.6" '
          'fill="none"/>')
    # The eye lit green under the brow, the line of her cheek.
    ex, ey = fk.point(hx, hy, 3.3, -1.4, hs, 1, tilt)
    s += '<path d="M%.1f,%.1f h1.7" stroke="#d8ffe0" stroke-width="0.8" filter="url(#cwglint)"/>' % (ex - 0.6, ey)
    cx_, cy_ = fk.point(hx, hy, 2.0, 1.4, hs, 1, tilt)
    s += '<path d="M%.1f,%.1f q1.8,1.4 2.2,3.4" stroke="#3a5a46" stroke-width="0.5" fill="none"/>' % (cx_, cy_)
    return doc(w, h, fk.place(s, 58, 244, 2.05), defs)


def swordsman(w, h):
    """A swordsman in black, low in a lunging crouch, sword thrust forward, cloak flying; the
    moon behind him edges him in silver."""
    j = {"neck": (6, -75), "chest": (7, -66), "waist": (4, -53), "pelvis": (1, -44),
         "shl": (-1, -71), "ell": (-15, -75), "wrl": (-22, -88), "shr": (13, -70), "elr": (27, -64), "wrr": (40, -61),
         "hipl": (-3, -42), "knl": (-22, -25), "anl": (-41, -6), "toel": (-33, -1),
         "hipr": (6, -42), "knr": (27, -30), "anr": (29, -5), "toer": (39, -1)}
    # The far leg and arm first, a shade darker, then the trunk and the near limbs over them.
    far = fk.leg(j["hipl"], j["knl"], j["anl"], j["toel"], 1.0, 1, boot=True)
    far += fk.arm(j["shl"], j["ell"], j["wrl"], 0.95, 1)
    far += fk.hand(*j["wrl"], -math.pi * 0.62, 0.9, grip=False)
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=13.5, waist_w=8.5, hips=10)
    f += fk.leg(j["hipr"], j["knr"], j["anr"], j["toer"], 1.05, 1, boot=True)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 1.0, 1)
    f += fk.fist(j["wrr"][0] + 2.5, j["wrr"][1] - 0.4, -0.08, 0.85)
    # Head bowed into the thrust under a close hood; the hood's edge frames the face.
    hx, hy, tilt = 12, -83.5, 0.12
    f += fk.face_profile(hx, hy, 0.95, 1, tilt)
    f += fk.smooth([fk.point(hx, hy, *q, s=0.95, tilt=tilt) for q in
                    ((-9.0, 11.0), (-9.6, 2.0), (-9.0, -5.0), (-6.0, -9.6), (0.0, -10.4), (4.8, -8.6), (6.6, -5.0),
                     (4.6, -5.6), (1.6, -4.4), (0.2, -0.6), (1.0, 5.0), (2.4, 10.0), (-3.0, 12.0))])
    # A short tunic flaring over the hips, and the turned-down tops of the boots.
    f += fk.smooth([(-6, -56), (10, -57), (13, -46), (16, -35), (9, -37), (3, -34), (-5, -37), (-13, -36), (-20, -39),
                    (-10, -46)])
    defs = _figure_defs("sw", (-0.7, -0.7), "#d8e4ff", "#34405a", "#06070c")
    defs += _figure_defs("swf", (-0.7, -0.7), "#b8c8ec", "#1c2232", "#040508")
    defs += linear("cloak", [(0, "#04050a", 1), (0.6, "#121828", 1), (1, "#26304a", 1)], 0, 0, 1, 0)
    defs += linear("blade", [(0, "#ffffff", 1), (0.5, "#c0c8d8", 1), (1, "#5a6272", 1)], 0, 0, 0, 1)
    defs += glow("swglint", 1.2, 1)
    # The cloak from the shoulders, streaming back in three torn tongues.
    s = ('<path d="%s" fill="url(#cloak)" filter="url(#swrim)"/>' % fk.smooth(
        [(4, -76), (-14, -80), (-40, -84), (-66, -82), (-94, -76), (-80, -70), (-92, -62), (-72, -60), (-86, -50),
         (-60, -50), (-40, -52), (-22, -52), (-6, -58)]))
    s += '<path d="M-20,-78 C-40,-76 -60,-72 -78,-66 M-16,-68 C-34,-64 -52,-58 -70,-54" stroke="#02030a" stroke-width="1.1" fill="none" opacity="0.8"/>'
    s += _figure("swf", far)
    s += '<circle cx="%.1f" cy="%.1f" r="1.9" fill="#8a94aa"/>' % (j["wrr"][0] - 4.2, j["wrr"][1] - 0.1)
    s += _figure("sw", f)
    # The belt, the seam down the leg and a buckle catching the moon.
    s += '<path d="M-8,-55 C0,-54 8,-55 13,-57" stroke="#1c2230" stroke-width="2.2" fill="none"/>'
    s += '<rect x="2" y="-57.4" width="3" height="2.6" fill="#a8b4cc"/>'
    # The sword: a long straight blade from the fist, a cross guard and a pommel behind it.
    gx, gy = j["wrr"][0] + 2.5, j["wrr"][1] - 0.4
    a = -0.08
    ca, sa = math.cos(a), math.sin(a)
    tip = (gx + 92 * ca, gy + 92 * sa)
    nx, ny = -sa, ca
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#blade)" stroke="#1a1e28" stroke-width="0.4" '
          'filter="url(#swglint)"/>' % (gx + 6 * ca + nx * 1.8, gy + 6 * sa + ny * 1.8, tip[0] - 6 * ca + nx * 0.6,
                                        tip[1] - 6 * sa + ny * 0.6, tip[0], tip[1], gx + 6 * ca - nx * 1.8, gy + 6 * sa - ny * 1.8))
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#1a1e28" stroke-width="0.5" opacity="0.7"/>' % (
        gx + 8 * ca, gy + 8 * sa, tip[0] - 10 * ca, tip[1] - 10 * sa)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#8a94aa" stroke-width="1.8" stroke-linecap="round"/>' % (
        gx + 5.5 * ca + nx * 6, gy + 5.5 * sa + ny * 6, gx + 5.5 * ca - nx * 6, gy + 5.5 * sa - ny * 6)
    # The face in the hood's shadow: one eye and the line of the cheek caught by the moon.
    ex, ey = fk.point(hx, hy, 3.3, -1.4, 0.95, 1, tilt)
    s += '<path d="M%.1f,%.1f h2.2" stroke="#e8f0ff" stroke-width="0.8"/>' % (ex - 0.8, ey)
    cx_, cy_ = fk.point(hx, hy, 2.0, 1.6, 0.95, 1, tilt)
    s += '<path d="M%.1f,%.1f q2,1.6 2.4,4" stroke="#6a7690" stroke-width="0.5" fill="none"/>' % (cx_, cy_)
    return doc(w, h, fk.place(s, 258, 282, 2.55), defs)


def _rearing_horse():
    """A horse rearing to the right, in picture pixels of the rider's picture: (far legs, body
    with its near legs, mane, tail). Hind legs planted under the croup, the forelegs folded
    up under the chest, the neck arched and the long head tucked toward the chest."""
    body = fk.smooth([(74, 246), (88, 228), (112, 214), (134, 206), (152, 190), (164, 168), (176, 140), (190, 114),
                      (198, 96), (203, 84), (207, 94), (214, 100), (228, 114), (244, 132), (254, 144), (255, 152),
                      (248, 156), (238, 152), (226, 142), (214, 138), (208, 150), (206, 172), (208, 196), (210, 214),
                      (200, 232), (184, 242), (162, 250), (140, 266), (124, 282), (112, 296), (92, 298), (74, 288),
                      (66, 270)])
    # Ears, a nostril's flare and the jaw's round cheek.
    body += fk.smooth([(199, 92), (197, 72), (205, 86)]) + fk.smooth([(204, 94), (208, 76), (212, 92)])
    body += fk.smooth([(212, 120), (224, 116), (230, 130), (220, 140), (210, 134)])
    # Near foreleg: forearm forward from the chest, the knee folded, cannon and hoof tucked back.
    near = fk.swell([(204, 214), (228, 232), (214, 258), (222, 270)],
                    [(0.0, 11, 12), (0.2, 9, 8), (0.42, 5, 5), (0.5, 5.5, 5.5), (0.72, 3.4, 3.4), (0.86, 4.4, 4.4), (1.0, 5, 5)])
    # Near hind leg: thigh to the stifle, gaskin back to the hock, cannon to the planted hoof.
    near += fk.swell([(112, 270), (126, 304), (100, 340), (112, 380), (116, 392)],
                     [(0.0, 18, 18), (0.22, 12, 11), (0.45, 7, 6), (0.52, 5, 6.5), (0.78, 3.6, 3.6), (0.9, 4.6, 4.6),
                      (1.0, 5, 5)])
    near += fk.smooth([(106, 386), (122, 386), (126, 395), (104, 395)])
    far = fk.swell([(196, 206), (228, 204), (232, 230), (244, 240)],
                   [(0.0, 10, 10), (0.25, 7, 7), (0.45, 5, 5), (0.72, 3.3, 3.3), (0.86, 4.2, 4.2), (1.0, 4.6, 4.6)])
    far += fk.swell([(90, 268), (98, 300), (72, 336), (80, 380), (84, 392)],
                    [(0.0, 16, 16), (0.22, 11, 10), (0.45, 6.5, 5.5), (0.52, 4.6, 6), (0.78, 3.4, 3.4), (0.9, 4.4, 4.4),
                     (1.0, 4.8, 4.8)])
    far += fk.smooth([(74, 386), (90, 386), (94, 395), (72, 395)])
    # The mane along the crest, flying back, and the tail streaming from the croup.
    mane = fk.smooth([(150, 190), (160, 164), (172, 136), (186, 110), (198, 94), (190, 104), (176, 112), (170, 124),
                      (158, 128), (160, 142), (146, 150), (150, 164), (136, 174), (144, 182)])
    tail = fk.smooth([(80, 238), (66, 246), (50, 264), (38, 290), (26, 326), (18, 362), (32, 338), (40, 358), (48, 320),
                      (58, 292), (68, 272), (78, 258)])
    return far, near + body, mane + tail


def _paths(d):
    """Each outline its own path, so overlapping parts add up instead of cutting holes."""
    return "".join('<path d="M%s"/>' % p for p in d.split("M") if p.strip())


def horned_rider(w, h):
    """A horned rider on a rearing horse, spear raised; the moon behind them rims them in
    silver, and only the horse's eye burns."""
    far_horse, horse, hair = _rearing_horse()
    # The rider in picture pixels, seated astride: his near thigh lies along the horse's flank,
    # the shin hangs to the stirrup, the trunk leans into the rear with the spear arm high.
    rl = fk.leg((136, 200), (158, 216), (150, 244), (160, 248), 1.25, 1, boot=True)
    rider = fk.torso((152, 146), (149, 158), (143, 180), (138, 196), 1.3, shoulders=11, waist_w=8, hips=10)
    rider += fk.arm((156, 152), (176, 142), (184, 118), 1.2, 1)
    rider += fk.fist(185, 116, -1.4, 1.1)
    rider += fk.arm((148, 156), (166, 174), (186, 170), 1.15, 1)
    rider += fk.fist(188, 170, -0.1, 1.0)
    hx, hy, tilt = 157, 133, 0.15
    rider += fk.face_profile(hx, hy, 1.3, 1, tilt)
    # The helm over the skull with its cheek guard, and the two horns sweeping up and out.
    rider += fk.smooth([fk.point(hx, hy, *q, s=1.3, tilt=tilt) for q in
                        ((-6.6, 2.0), (-6.8, -4.4), (-3.6, -8.8), (1.0, -9.4), (5.0, -7.6), (6.4, -3.4), (3.6, -3.8),
                         (2.6, 0.6), (3.4, 5.0), (0.6, 5.6), (-2.6, 4.0))])
    for hq in (((-3.0, -7.0), (-11.0, -10.0), (-15.0, -20.0), (-12.0, -27.0), (-11.0, -18.0), (-6.0, -12.0), (-1.0, -8.8)),
               ((2.6, -8.6), (7.0, -14.0), (7.0, -24.0), (3.0, -31.0), (10.0, -24.0), (11.0, -14.0), (5.4, -6.8))):
        rider += fk.smooth([fk.point(hx, hy, *q, s=1.3, tilt=tilt) for q in hq])
    cloak = fk.smooth([(150, 148), (132, 150), (108, 158), (86, 168), (62, 170), (76, 178), (58, 190), (84, 192),
                       (104, 188), (124, 184), (140, 176)])
    defs = _figure_defs("hr", (-0.8, -0.6), "#dce6ff", "#3c3848", "#07060a")
    defs += rim_light("hrhide", -1.9, -1.4, "#dce6ff", blur=0.6, freq="0.03 0.06", seed=5, azimuth=200, gain=1.15)
    defs += _figure_defs("hrf", (-0.8, -0.6), "#aeb8d8", "#1e1c26", "#040306")
    # The moon is behind them to the upper left: what faces us is dark, lifting a little toward it.
    for gid, near, far in (("hrbody", "#48445c", "#08070c"), ("hrfbody", "#2a2838", "#040306"),
                           ("hrman", "#262230", "#040306")):
        defs += ('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="70" y1="110" x2="230" y2="370">'
                 '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>' % (gid, near, far))
    defs += linear("spear", [(0, "#8a6a4a", 1), (1, "#2a1a0a", 1)])
    defs += linear("hrcloak", [(0, "#3a0c10", 1), (1, "#0a0204", 1)], 0, 0, 1, 1)
    defs += glow("hrglint", 1, 1)
    # Draw in a frame centred on the horse, so the figure gradients fall across it.
    ox, oy = 150, 240
    g = '<g transform="translate(%d,%d)">' % (-ox, -oy)
    s = '<g transform="translate(%d,%d)">' % (ox, oy)
    s += g + '<path d="%s" fill="url(#hrcloak)" filter="url(#hrrim)"/></g>' % cloak
    s += _figure("hrf", g + "</g>") if False else ""
    s += '<g filter="url(#hrfrim)"><g fill="url(#hrfbody)">%s%s</g></g>' % (g, _paths(far_horse)) + "</g>"
    # The spear behind the rider's fist: a long ash shaft, a leaf blade at the top.
    s += g + '<path d="M168,238 L196.6,38" stroke="url(#spear)" stroke-width="2.6" stroke-linecap="round"/>'
    s += '<path d="M196.6,38 L193.4,26 L199,4 L201.6,27 Z" fill="#d8dee8" stroke="#30343c" stroke-width="0.5"/>'
    s += '<path d="M193.6,42 l6,1" stroke="#6a4a2a" stroke-width="2.2"/></g>'
    s += '<g filter="url(#hrhide)"><g fill="url(#hrbody)">%s%s</g></g>' % (g, _paths(horse + hair)) + "</g>"
    # Moonlight grazing the muscles: the shoulder, the swell of the quarters, the cheek.
    s += g + '<path d="M184,196 C176,210 176,226 184,240 M96,246 C108,252 118,266 120,282 M218,118 C224,122 228,128 226,136" ' \
        'stroke="#6a7490" stroke-width="2" fill="none" opacity="0.55" filter="url(#hrsoft)"/></g>'
    defs += '<filter id="hrsoft" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="1.4"/></filter>'
    # The rider lit on his own, so his edge shows where he sits against the horse.
    s += '<g filter="url(#hrrim)"><g fill="url(#hrman)">%s%s</g></g>' % (g, _paths(rider + rl)) + "</g>"
    # The horse's eye burning red, its nostril and the reins from the fist to the bit.
    s += g + '<circle cx="221" cy="112" r="1.9" fill="#ff6030" filter="url(#hrglint)"/>'
    s += '<path d="M189,170 C206,160 226,150 240,148" stroke="#5a4a40" stroke-width="1" fill="none"/>'
    s += '<path d="M248,146 l3,2" stroke="#000" stroke-width="1.4"/>'
    # The rider's eye under the helm's brow and the line of his cheek.
    ex, ey = fk.point(hx, hy, 3.3, -1.2, 1.3, 1, tilt)
    s += '<circle cx="%.1f" cy="%.1f" r="0.9" fill="#ffe8d0"/>' % (ex, ey)
    s += '<path d="M138,196 C146,197 152,199 158,203" stroke="#2a2430" stroke-width="3" fill="none"/></g></g>'
    return doc(w, h, s, defs)


def titan(w, h):
    """An armoured titan seen from below, the hilt of his great blade in both gauntlets before
    his chest, the blade standing up past his helm to a tip burning green at the top right (the
    card's beam starts there). That fire is the one light: it rims his helm, pauldrons and the
    plates on his right, lights the slit of his visor, and the rest sinks into the night."""
    ox, oy, sc = 90, 384, 3.3
    j = {"neck": (1, -84), "chest": (1, -74), "waist": (0, -57), "pelvis": (0, -47),
         "shl": (-15, -78), "ell": (-17, -61), "wrl": (5, -57), "shr": (16, -78), "elr": (25, -66), "wrr": (8, -63),
         "hipl": (-8, -45), "knl": (-13, -24), "anl": (-15, -3), "toel": (-8, -1),
         "hipr": (8, -45), "knr": (14, -24), "anr": (16, -3), "toer": (23, -1)}
    far = fk.leg(j["hipl"], j["knl"], j["anl"], j["toel"], 1.3, -1, boot=True)
    far += fk.arm(j["shl"], j["ell"], j["wrl"], 1.35, -1)
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=17.5, waist_w=12.5, hips=13.5)
    f += fk.leg(j["hipr"], j["knr"], j["anr"], j["toer"], 1.35, 1, boot=True)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 1.4, 1)
    # The great helm: a tall barrel with a crest, a jutting visor and a gorget down to the collar.
    f += fk.smooth([(-7, -85), (-8, -95), (-6, -101), (0, -103.5), (6, -101.5), (9, -96), (10, -91), (8.5, -88), (7, -84),
                    (0, -81)])
    f += fk.smooth([(-3, -102), (-1, -108), (4, -111), (10, -110), (5, -107), (3, -103)])
    # Great pauldrons over both shoulders, and a skirt of plates over the hips.
    pauld = (fk.smooth([(-25, -78), (-23, -85), (-16, -88), (-8, -84), (-9, -76), (-14, -70), (-22, -70)]) +
             fk.smooth([(25, -78), (23, -85), (16, -88), (8, -84), (9, -76), (14, -70), (22, -70)]))
    skirt = fk.smooth([(-14, -52), (14, -52), (17, -41), (18, -31), (8, -30), (0, -32), (-8, -30), (-18, -31), (-17, -41)])
    # A short light vector: at this scale the rim stays a thin edge.
    defs = _figure_defs("ti", (0.4, -0.4), "#b8ffc0", "#4a5660", "#07090c", tex_seed=9)
    defs += _figure_defs("tif", (0.4, -0.4), "#7ad88a", "#262e36", "#040506", tex_seed=10)
    defs += linear("tiblade", [(0, "#3a464a", 1), (0.45, "#a8b8c0", 1), (0.55, "#e8fff0", 1), (1, "#7a9a88", 1)], 0, 0, 1, 0)
    defs += radial("tiglow", [(0, "#f0fff0", 1), (0.18, "#a0ffb0", 0.85), (0.45, "#30e060", 0.35), (1, "#00ff40", 0)])
    defs += radial("tiback", [(0, "#16402a", 1), (0.45, "#08160e", 1), (1, "#000000", 1)], cx=0.62, cy=0.12, r=0.9)
    defs += glow("tibloom", 3, 2)
    defs += glow("tislit", 1.2, 2)
    defs += fade_to_black("tivig", inner=0.72)
    defs += ('<filter id="ticloud" x="0" y="0" width="100%" height="100%"><feTurbulence type="fractalNoise" '
             'baseFrequency="0.012 0.03" numOctaves="4" seed="37"/><feColorMatrix type="matrix" values="0 0 0 0 0.1 '
             '0 0 0 0 0.3 0 0 0 0 0.18 0 0 0 1.4 -0.55"/></filter>')
    s = '<rect width="%d" height="%d" fill="url(#tiback)"/>' % (w, h)
    s += '<rect width="%d" height="%d" filter="url(#ticloud)" opacity="0.7"/>' % (w, h)
    fig = _figure("tif", far)
    fig += _figure("ti", f)
    # Plate on plate: breastplate ridge, the lames of the skirt, the knee cops, each edge lit.
    fig += ('<path d="M1,-80 C2,-72 1,-64 0,-56 M-13,-58 C-5,-55 6,-55 13,-58 M-16,-43 C-6,-41 6,-41 17,-43 '
            'M-17,-36 C-6,-34 6,-34 18,-36" stroke="#0a0e10" stroke-width="1.1" fill="none"/>')
    fig += ('<path d="M2,-79 C3,-72 2,-64 1,-57 M-13,-57 C-5,-54 6,-54 13,-57 M-16,-42 C-6,-40 6,-40 17,-42" '
            'stroke="#7ab890" stroke-width="0.45" fill="none" opacity="0.7"/>')
    fig += _figure("ti", pauld + skirt)
    fig += ('<path d="M10,-84 C15,-86 20,-85 24,-80 M11,-80 C16,-81 20,-79 23,-75 M-10,-84 C-15,-86 -20,-85 -24,-80" '
            'stroke="#0a0e10" stroke-width="0.9" fill="none"/>')
    fig += '<circle cx="14" cy="-24" r="4" fill="#2a3238" stroke="#8ad8a0" stroke-width="0.5"/>'
    # The visor's slit burning with the blade's green, and the breathing holes below it.
    fig += '<path d="M0,-94.5 L9.4,-94" stroke="#b0ffb8" stroke-width="1.2" filter="url(#tislit)"/>'
    fig += '<path d="M5,-90 h0.1 M7,-90 h0.1 M5,-88 h0.1 M7,-88 h0.1" stroke="#2a4a34" stroke-width="0.8" stroke-linecap="round"/>'
    # The great blade stands up from the two fists to its tip at (130, 20) of the picture.
    gx, gy = ox + 7 * sc, oy - 71 * sc
    tx, ty = 130, 20
    ln = math.hypot(tx - gx, ty - gy)
    ux, uy = (tx - gx) / ln, (ty - gy) / ln
    nx, ny = -uy, ux
    bw = 7.0
    blade = ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="url(#tiblade)" stroke="#0a1210" stroke-width="0.6"/>'
             % (gx + nx * bw, gy + ny * bw, tx - ux * 14 + nx * bw * 0.7, ty - uy * 14 + ny * bw * 0.7, tx, ty,
                tx - ux * 14 - nx * bw * 0.7, ty - uy * 14 - ny * bw * 0.7) + '')
    blade = blade.replace("Z\"", "L%.1f,%.1f Z\"" % (gx - nx * bw, gy - ny * bw))
    blade += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#1a2622" stroke-width="1.2"/>' % (gx + ux * 6, gy + uy * 6, tx - ux * 26, ty - uy * 26)
    blade += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#d8ffe0" stroke-width="0.8" opacity="0.8"/>' % (
        gx + ux * 8 - nx * 2.5, gy + uy * 8 - ny * 2.5, tx - ux * 16 - nx * 1.6, ty - uy * 16 - ny * 1.6)
    blade += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#3a4a44" stroke-width="4.6" stroke-linecap="round"/>' % (
        gx + nx * 17, gy + ny * 17, gx - nx * 17, gy - ny * 17)
    blade += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#a0e8b0" stroke-width="1" stroke-linecap="round" opacity="0.8"/>' % (
        gx + nx * 16, gy + ny * 16 - 1.4, gx - nx * 16, gy - ny * 16 - 1.4)
    s += '<g transform="translate(%s,%s) scale(%s)">%s</g>' % (ox, oy, sc, fig)
    s += blade
    # The gauntlets closed round the grip, one above the other, over the blade's hilt.
    fists = fk.fist(j["wrr"][0] + 0.5, j["wrr"][1] + 0.5, -1.5, 1.5) + fk.fist(j["wrl"][0] + 1, j["wrl"][1] + 1.5, -1.5, 1.5)
    s += '<g transform="translate(%s,%s) scale(%s)">%s</g>' % (ox, oy, sc, _figure("ti", fists))
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#1a1e22" stroke-width="5" stroke-linecap="round"/>' % (
        gx - ux * 54, gy - uy * 54, gx - ux * 60, gy - uy * 60)
    # The fire at the tip.
    s += '<circle cx="%d" cy="%d" r="30" fill="url(#tiglow)"/>' % (tx, ty)
    s += '<path d="M%d,%d V%d M%d,%d H%d" stroke="#f0fff0" stroke-width="1.4" filter="url(#tibloom)"/>' % (
        tx, ty - 16, ty + 16, tx - 16, ty, tx + 16)
    s += '<rect width="%d" height="%d" fill="url(#tivig)"/>' % (w, h)
    return doc(w, h, s, defs)


def statue(w, h):
    """A stone statue of a master builder on a plinth: bearded, in a mason's long tunic and
    apron, dividers raised high in his right hand, the rolled plans in the crook of his left;
    weathered stone under the moon, lit and rimmed from the upper left."""
    j = {"neck": (0, -82), "chest": (0, -72), "waist": (0, -57), "pelvis": (0, -47),
         "shr": (12, -77), "elr": (24, -84), "wrr": (28, -100), "shl": (-12, -77), "ell": (-17, -61), "wrl": (-4, -58)}
    f = fk.torso(j["neck"], j["chest"], j["waist"], j["pelvis"], 1.0, shoulders=13.5, waist_w=10.5, hips=12)
    # The long tunic falling to mid-calf, flaring a little at the hem; the legs stand below it.
    f += fk.smooth([(-13, -70), (13, -70), (12, -56), (15, -36), (18, -16), (10, -13), (2, -15), (-6, -13), (-16, -15),
                    (-16, -36), (-12, -56)])
    f += fk.leg((-6, -30), (-6.5, -18), (-7, -3), (-13, -1), 1.05, -1)
    f += fk.leg((7, -30), (8, -18), (9, -3), (16, -1), 1.05, 1)
    f += fk.arm(j["shr"], j["elr"], j["wrr"], 1.05, 1) + fk.fist(j["wrr"][0], j["wrr"][1] - 1, -math.pi / 2, 0.95)
    f += fk.arm(j["shl"], j["ell"], j["wrl"], 1.05, -1) + fk.fist(j["wrl"][0] + 1, j["wrl"][1], 0.3, 0.95)
    # Head raised toward the dividers: cap, beard to the chest.
    hx, hy, tilt = 2, -90, -0.12
    f += fk.face_profile(hx, hy, 1.0, 1, tilt)
    f += fk.smooth([fk.point(hx, hy, *q, tilt=tilt) for q in
                    ((-6.2, -1.0), (-6.4, -5.6), (-3.4, -9.4), (1.4, -9.8), (5.2, -8.0), (6.0, -5.6), (1.0, -6.2), (-3.0, -4.4))])
    f += fk.smooth([fk.point(hx, hy, *q, tilt=tilt) for q in
                    ((-1.0, 3.4), (2.4, 5.0), (5.4, 4.8), (6.0, 8.0), (4.4, 12.4), (1.6, 14.6), (-0.6, 11.0), (-2.4, 7.0))])
    defs = _figure_defs("st", (-1, -0.5), "#f0f2f8", "#aeb4c2", "#363c48", tex_seed=12)
    defs += linear("stplinth", [(0, "#c8ccd6", 1), (0.5, "#6a707c", 1), (1, "#262a34", 1)], 0, 0, 1, 0)
    defs += linear("stscroll", [(0, "#dfe2ea", 1), (1, "#5a606c", 1)], 0, 0, 0, 1)
    s = _figure("st", f)
    # Carved folds of the tunic and the apron over it, the belt at the waist.
    s += ('<path d="M-8,-50 C-10,-38 -12,-26 -13,-16 M3,-50 C4,-36 5,-26 6,-16 M10,-50 C12,-38 14,-28 16,-17" '
          'stroke="#4a505c" stroke-width="0.9" fill="none" opacity="0.8"/>')
    s += ('<path d="M-7,-56 L8,-56 L10,-34 L-9,-34 Z" fill="#8a909c" stroke="#3a404c" stroke-width="0.6" '
          'filter="url(#strim)"/>')
    s += '<path d="M-12,-57 C-4,-55 6,-55 12,-57" stroke="#3a404c" stroke-width="2" fill="none"/>'
    # The rolled plans in the crook of the left arm, their end toward us.
    s += '<path d="M-18,-62 L6,-52 L4,-47 L-20,-57 Z" fill="url(#stscroll)" stroke="#3a404c" stroke-width="0.5"/>'
    s += '<ellipse cx="5" cy="-49.5" rx="1.6" ry="2.8" fill="#9aa0ac" stroke="#3a404c" stroke-width="0.5" transform="rotate(22 5 -49.5)"/>'
    s += _figure("st", fk.fist(j["wrl"][0] + 1, j["wrl"][1], 0.3, 0.95))
    # The dividers held up by their hinge, the two legs opened downward: the measure of his craft.
    hx2, hy2 = j["wrr"][0] + 0.5, j["wrr"][1] - 7
    s += ('<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="#aeb4c0" '
          'stroke="#2a2e38" stroke-width="0.35"/>' % (hx2 - 1, hy2, hx2 + 5, hy2 + 29, hx2 + 0.6, hy2, hx2 + 0.4, hy2,
                                                      hx2 + 19, hy2 + 22, hx2 + 1.8, hy2 - 0.6))
    s += '<circle cx="%.1f" cy="%.1f" r="2.2" fill="#d8dce6" stroke="#2a2e38" stroke-width="0.4"/>' % (hx2, hy2)
    s += _figure("st", fk.fist(j["wrr"][0], j["wrr"][1] - 1, -math.pi / 2, 0.95))
    # The eye under the brow, carved; the cap's band.
    ex, ey = fk.point(hx, hy, 3.2, -1.4, 1.0, 1, tilt)
    s += '<path d="M%.1f,%.1f q1.4,-0.8 2.6,0" stroke="#2a2e38" stroke-width="0.8" fill="none"/>' % (ex - 1.2, ey)
    bx, by = fk.point(hx, hy, -6.0, -4.6, 1.0, 1, tilt)
    ex2, ey2 = fk.point(hx, hy, 5.6, -6.2, 1.0, 1, tilt)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f" stroke="#4a505c" stroke-width="1" opacity="0.8"/>' % (bx, by, ex2, ey2)
    # Cracks and streaks of weathering down the stone.
    s += ('<path d="M-6,-72 L-3,-64 L-5,-58 M9,-44 L7,-34 L10,-24 M-12,-30 L-10,-22 M20,-80 L22,-76" stroke="#2e333e" '
          'stroke-width="0.6" fill="none"/>')
    # The plinth, with a moulded top and base, its face lit from the left.
    plinth = ('<path d="M-30,0 L30,0 L34,4 L34,8 L28,8 L28,26 L34,26 L34,32 L-34,32 L-34,26 L-28,26 L-28,8 L-34,8 '
              'L-34,4 Z" fill="url(#stplinth)" filter="url(#stone)"/>')
    plinth += '<path d="M-34,4 L34,4 M-28,8 L28,8 M-28,26 L28,26" stroke="#cfdcff" stroke-width="0.6" opacity="0.6"/>'
    plinth += '<path d="M-16,15 h32 M-16,19 h32" stroke="#2a2e38" stroke-width="0.8" opacity="0.7"/>'
    return doc(w, h, fk.place(plinth + s, 118, 160, 1.45), defs)


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
