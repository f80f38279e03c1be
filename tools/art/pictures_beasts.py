"""pictures_beasts.py -- the creatures of the scenery: the bones of a great horned beast that lie
on the field of the seventh battle."""
import math
import random

from svgkit import doc, linear
from paintkit import lit_texture, rim_light


def skeleton(w, h):
    """A great horned beast's skeleton fallen on its side, head to the right: a spine of
    vertebrae, a cage of ribs, the pelvis and the leg bones, and a long skull with its jaw, teeth,
    eye socket and two horns sweeping back. Moonlight from above right."""
    rng = random.Random(15)
    d = linear("bone", [(0, "#f2ead4", 1), (0.6, "#b8ac90", 1), (1, "#6a6050", 1)])
    d += lit_texture("bonegrain", "0.09", 6, 300, elevation=50, relief=1.6, gain=1.3)
    d += rim_light("bonerim", 1.2, -1.5, "#eef4ff", blur=0.5)
    s = ""
    # The ground shadow the bones lie in.
    s += '<path d="M18,120 C90,110 330,108 410,118 L410,124 L18,124 Z" fill="#0e0c0a"/>'
    # Spine: a curve of vertebrae from the tail to the neck.
    spine = []
    for i in range(40):
        t = i / 39
        x = 22 + t * 300
        y = 104 - 40 * math.sin(t * math.pi * 0.85) + (t > 0.85) * (t - 0.85) * 60
        spine.append((x, y))
    bones = ""
    for i, (x, y) in enumerate(spine):
        r = 2.5 + 3.5 * math.sin(min(1, i / 30) * math.pi * 0.9)
        bones += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/>' % (x, y, r * 0.8, r)
        if 8 < i < 34 and i % 2 == 0:
            bones += '<path d="M%.1f,%.1f l-2,-%.1f l3,0 z"/>' % (x, y - r, r * 1.6)
    # Ribs: arcs from the spine curving down and forward to the ground.
    for k in range(11):
        i = 14 + k * 2
        x, y = spine[i]
        depth = 58 - abs(k - 4) * 4
        bones += ('<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="none" stroke="#000" stroke-width="%.1f" '
                  'stroke-linecap="round"/>' % (x, y, x - 16, y + depth * 0.3, x - 14, y + depth * 0.9, x + 4, min(y + depth, 116),
                                                4.2 - k * 0.12))
    # Pelvis and the hind leg; shoulder blade and the foreleg, both lying.
    bones += '<path d="M70,74 C86,66 104,70 108,84 C100,94 84,96 72,90 Z"/>'
    bones += '<path d="M92,88 L60,106 M60,106 L22,112 M22,112 L10,116" fill="none" stroke="#000" stroke-width="6" stroke-linecap="round"/>'
    bones += '<path d="M250,64 C262,60 272,66 270,80 L256,86 Z"/>'
    bones += '<path d="M262,82 L240,104 M240,104 L262,116 M262,116 L276,117" fill="none" stroke="#000" stroke-width="5.5" stroke-linecap="round"/>'
    # Tail bones trailing into the grass.
    for i in range(8):
        bones += '<ellipse cx="%.1f" cy="%.1f" rx="2.6" ry="2"/>' % (20 - i * 2.2, 104 + i * 1.6)
    # The skull: long snout to the right, the jaw dropped open.
    skull = ('M318,84 C326,70 346,64 362,68 C378,72 398,78 416,88 C418,92 416,96 410,97 L372,98 '
             'C360,100 344,102 330,100 C320,98 314,92 318,84 Z')
    jaw = 'M332,100 C350,104 380,104 408,104 L410,109 C384,112 352,113 334,108 Z'
    bones += '<path d="%s"/><path d="%s"/>' % (skull, jaw)
    # Horns sweeping back from the brow, thick at the root.
    bones += '<path d="M340,72 C326,56 300,52 280,60 C270,66 272,78 282,80 C282,72 290,66 302,66 C316,66 326,72 332,80 Z"/>'
    bones += '<path d="M352,68 C342,50 318,42 298,46 C312,50 326,58 340,74 Z"/>'
    s += '<g fill="url(#bone)" stroke="url(#bone)" filter="url(#bonerim)"><g filter="url(#bonegrain)">%s</g></g>' % bones.replace(
        'stroke="#000"', 'stroke="url(#bone)"')
    # Socket, nostril and teeth.
    s += '<ellipse cx="346" cy="80" rx="7" ry="5.5" fill="#0c0a08"/><circle cx="347" cy="80" r="1.2" fill="#3a2a1a"/>'
    s += '<path d="M404,86 l6,3 l-6,2 z" fill="#0c0a08"/>'
    for i in range(10):
        x = 364 + i * 4.4
        s += '<path d="M%.1f,97.5 l1.6,4.5 l1.6,-4.5 z M%.1f,104.5 l1.6,-4 l1.6,4 z" fill="#f6f0de" stroke="#3a3024" stroke-width="0.4"/>' % (x, x + 1.5)
    s += '<path d="M326,88 C336,86 344,90 352,92" stroke="#4a4030" stroke-width="1" fill="none"/>'
    del rng
    return doc(w, h, s, d)
