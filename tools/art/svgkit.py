"""svgkit.py -- small helpers shared by the art generators: the document shell, the filters
and gradients of the house look, and a few painted shapes (figures, flames, skulls, gems)."""
import math
import random

SERIF = "DejaVu Serif"
SANS = "DejaVu Sans"


def doc(w, h, body, defs="", background=None):
    bg = "" if background is None else background
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%d" height="%d" viewBox="0 0 %d %d">\n<defs>\n%s\n%s\n</defs>\n%s\n%s\n</svg>\n'
            % (w, h, w, h, COMMON_DEFS, defs, bg, body))


# Filters and gradients every picture may use.
COMMON_DEFS = """
<filter id="stone" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">
  <feTurbulence type="fractalNoise" baseFrequency="0.06" numOctaves="4" seed="7" result="n"/>
  <feColorMatrix in="n" type="matrix" values="0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0 0 0 0 1" result="g"/>
  <feComposite in="SourceGraphic" in2="g" operator="arithmetic" k1="1.5" k2="0.3" k3="0" k4="0" result="m"/>
  <feComposite in="m" in2="SourceGraphic" operator="in"/>
</filter>
<filter id="grain" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">
  <feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="2" seed="3" result="n"/>
  <feColorMatrix in="n" type="matrix" values="0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0.33 0.33 0.33 0 0 0 0 0 0 1" result="g"/>
  <feComposite in="SourceGraphic" in2="g" operator="arithmetic" k1="0.6" k2="0.7" k3="0" k4="0" result="m"/>
  <feComposite in="m" in2="SourceGraphic" operator="in"/>
</filter>
<filter id="glow" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur in="SourceGraphic" stdDeviation="4" result="b"/>
  <feMerge><feMergeNode in="b"/><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="softglow" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur in="SourceGraphic" stdDeviation="2" result="b"/>
  <feMerge><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="blur2"><feGaussianBlur stdDeviation="2"/></filter>
<filter id="blur6" x="-30%" y="-30%" width="160%" height="160%"><feGaussianBlur stdDeviation="6"/></filter>
<filter id="blur15" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="15"/></filter>
<filter id="clouds" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">
  <feTurbulence type="fractalNoise" baseFrequency="0.008 0.02" numOctaves="5" seed="11" result="n"/>
  <feColorMatrix in="n" type="matrix" values="0 0 0 0 0.75 0 0 0 0 0.78 0 0 0 0 0.85 1.6 0 0 0 -0.45"/>
  <feComposite in2="SourceGraphic" operator="in"/>
</filter>
<filter id="mist" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">
  <feTurbulence type="fractalNoise" baseFrequency="0.01 0.03" numOctaves="4" seed="5" result="n"/>
  <feColorMatrix in="n" type="matrix" values="0 0 0 0 0.8 0 0 0 0 0.82 0 0 0 0 0.86 1.2 0 0 0 -0.35"/>
  <feComposite in2="SourceGraphic" operator="in"/>
</filter>
<linearGradient id="gold" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#fff2b0"/><stop offset="0.3" stop-color="#d8a93a"/>
  <stop offset="0.55" stop-color="#8a5a14"/><stop offset="0.8" stop-color="#e8c460"/>
  <stop offset="1" stop-color="#6b430c"/></linearGradient>
<linearGradient id="silver" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.3" stop-color="#b8bcc4"/>
  <stop offset="0.55" stop-color="#5c6068"/><stop offset="0.8" stop-color="#d8dce4"/>
  <stop offset="1" stop-color="#44484e"/></linearGradient>
<linearGradient id="night" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#03060f"/><stop offset="0.6" stop-color="#0d1a36"/>
  <stop offset="1" stop-color="#1d2c4c"/></linearGradient>
<linearGradient id="stonegrey" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#3a3e46"/><stop offset="0.35" stop-color="#8a8e96"/>
  <stop offset="0.6" stop-color="#6a6e76"/><stop offset="1" stop-color="#24272d"/></linearGradient>
<linearGradient id="blood" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ff5040"/><stop offset="0.5" stop-color="#a00c10"/>
  <stop offset="1" stop-color="#3a0004"/></linearGradient>
<radialGradient id="fireball">
  <stop offset="0" stop-color="#ffffe0"/><stop offset="0.3" stop-color="#ffd040"/>
  <stop offset="0.65" stop-color="#f05a10"/><stop offset="1" stop-color="#801000" stop-opacity="0.9"/></radialGradient>
<linearGradient id="figshade" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/><stop offset="0.3" stop-color="#ffffff" stop-opacity="0.05"/>
  <stop offset="0.6" stop-color="#000000" stop-opacity="0.1"/><stop offset="1" stop-color="#000000" stop-opacity="0.5"/></linearGradient>
<linearGradient id="parchment" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#f2e2b4"/><stop offset="0.5" stop-color="#d9c08a"/>
  <stop offset="1" stop-color="#a88a52"/></linearGradient>
"""


def radial(id_, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
    fx = cx if fx is None else fx
    fy = cy if fy is None else fy
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (o, c, a) for o, c, a in stops)
    return '<radialGradient id="%s" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">%s</radialGradient>' % (
        id_, cx, cy, r, fx, fy, s)


def linear(id_, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (o, c, a) for o, c, a in stops)
    return '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>' % (
        id_, x1, y1, x2, y2, s)


def text(x, y, s, size, fill="#fff", family=SERIF, weight="bold", anchor="middle", extra=""):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" fill="%s" '
            'text-anchor="%s" %s>%s</text>' % (x, y, family, size, weight, fill, anchor, extra, s))


def pts(points):
    return " ".join("%.1f,%.1f" % p for p in points)


def jagged(rng, x0, y0, x1, y1, steps, spread):
    """A lightning-like jagged line from (x0,y0) to (x1,y1)."""
    out = [(x0, y0)]
    for i in range(1, steps):
        t = i / steps
        out.append((x0 + (x1 - x0) * t + rng.uniform(-spread, spread), y0 + (y1 - y0) * t + rng.uniform(-spread / 3, spread / 3)))
    out.append((x1, y1))
    return out



def flame(cx, base, w, h, seed, colours=("#ffef9a", "#ff9a1a", "#c81c00")):
    """Three layered tongues of fire rising from (cx, base)."""
    rng = random.Random(seed)
    out = []
    for k, col in enumerate(reversed(colours)):
        s = 1 - k * 0.28
        ww, hh = w * s, h * s
        tips = []
        n = 5
        path = "M%.1f,%.1f " % (cx - ww / 2, base)
        for i in range(n):
            x0 = cx - ww / 2 + ww * i / n
            x1 = cx - ww / 2 + ww * (i + 1) / n
            tip = (x0 + (x1 - x0) / 2 + rng.uniform(-ww * 0.08, ww * 0.08), base - hh * rng.uniform(0.55, 1.0) * (1 - abs(i - 2) * 0.18))
            path += "Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f " % (
                x0, base - hh * 0.35, tip[0], tip[1], x1, base - hh * 0.3, x1, base - hh * 0.05)
            tips.append(tip)
        path += "Q%.1f,%.1f %.1f,%.1f Z" % (cx, base + h * 0.08, cx - ww / 2, base)
        out.append('<path d="%s" fill="%s" opacity="0.95"/>' % (path, col))
    return '<g filter="url(#softglow)">' + "".join(out) + "</g>"


def skull(cx, cy, s, fill="#e8e0cc", eye="#200000", stroke="#3a3028"):
    """A skull of size s (about s wide) centred on (cx, cy)."""
    return ('<g transform="translate(%s,%s) scale(%s)">'
            '<path d="M-0.5,0.05 C-0.55,-0.55 0.55,-0.55 0.5,0.05 C0.5,0.22 0.38,0.28 0.32,0.3 L0.3,0.48 '
            'L-0.3,0.48 L-0.32,0.3 C-0.38,0.28 -0.5,0.22 -0.5,0.05 Z" fill="%s" stroke="%s" stroke-width="0.04"/>'
            '<ellipse cx="-0.2" cy="0.02" rx="0.14" ry="0.12" fill="%s"/>'
            '<ellipse cx="0.2" cy="0.02" rx="0.14" ry="0.12" fill="%s"/>'
            '<path d="M0,0.14 L-0.07,0.26 L0.07,0.26 Z" fill="%s"/>'
            '<path d="M-0.2,0.48 L-0.2,0.36 M-0.07,0.48 L-0.07,0.36 M0.07,0.48 L0.07,0.36 M0.2,0.48 L0.2,0.36" '
            'stroke="%s" stroke-width="0.035"/></g>') % (cx, cy, s, fill, stroke, eye, eye, eye, stroke)


def gem(cx, cy, r, light, mid, dark):
    """A faceted round gem."""
    pts8 = [(cx + r * math.cos(a * math.pi / 4 + math.pi / 8), cy + r * math.sin(a * math.pi / 4 + math.pi / 8)) for a in range(8)]
    inner = [(cx + r * 0.5 * math.cos(a * math.pi / 4 + math.pi / 8), cy + r * 0.5 * math.sin(a * math.pi / 4 + math.pi / 8)) for a in range(8)]
    s = '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%.1f"/>' % (pts(pts8), mid, dark, max(1, r * 0.12))
    for i in range(8):
        a, b = pts8[i], pts8[(i + 1) % 8]
        c, d = inner[i], inner[(i + 1) % 8]
        col = light if i in (4, 5) else (dark if i in (0, 1) else mid)
        s += '<polygon points="%s" fill="%s" opacity="0.7"/>' % (pts([a, b, d, c]), col)
    s += '<polygon points="%s" fill="%s" opacity="0.85"/>' % (pts(inner), mid)
    s += '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="#fff" opacity="0.75"/>' % (cx - r * 0.3, cy - r * 0.35, r * 0.18, r * 0.1)
    return s


def crystal(cx, top, w, h, light, mid, dark):
    """A long hanging crystal pendant, point down."""
    p = [(cx, top), (cx + w / 2, top + h * 0.25), (cx + w * 0.35, top + h * 0.7), (cx, top + h), (cx - w * 0.35, top + h * 0.7), (cx - w / 2, top + h * 0.25)]
    s = '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.5"/>' % (pts(p), mid, dark)
    s += '<polygon points="%s" fill="%s" opacity="0.8"/>' % (pts([p[0], p[5], p[4], (cx, top + h)]), light)
    s += '<polygon points="%s" fill="%s" opacity="0.6"/>' % (pts([p[0], p[1], p[2], (cx, top + h)]), dark)
    s += '<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="#fff" stroke-width="1.2" opacity="0.8"/>' % (cx - w * 0.2, top + h * 0.25, cx - w * 0.1, top + h * 0.65)
    return s


def figure(cx, base, h, fill, pose="stand", weapon=None, horns=False, cape=None, rim="#8fb4ff", female=False):
    """A painted silhouette of a warrior, height h, feet at (cx, base)."""
    u = h / 100.0
    g = '<g transform="translate(%s,%s) scale(%s)">' % (cx, base, u)
    if cape:
        g += '<path d="M-12,-78 C-30,-50 -36,-20 -32,0 C-20,4 -6,-2 0,2 C8,-2 20,4 30,0 C32,-25 26,-55 12,-78 Z" fill="%s"/>' % cape
        g += '<path d="M-12,-78 C-30,-50 -36,-20 -32,0 C-20,4 -6,-2 0,2 C8,-2 20,4 30,0 C32,-25 26,-55 12,-78 Z" fill="url(#figshade)"/>' 
    if pose == "crouch":
        body = ('M-4,-62 C-14,-60 -18,-50 -16,-40 L-22,-24 L-36,-10 L-30,0 L-18,-8 L-8,-22 L2,-22 L16,-6 L22,0 '
                'L30,-4 L18,-22 L14,-40 C16,-52 8,-62 -4,-62 Z')
        head = (-2, -70)
        arm = "M-12,-50 L-34,-36 L-46,-44 M12,-50 L30,-58 L44,-70"
    elif pose == "recline":
        body = ('M-40,-8 C-40,-22 -20,-26 0,-24 C20,-24 36,-20 44,-10 L46,0 L-44,0 Z')
        head = (-44, -22)
        arm = "M-30,-18 L-44,-30"
    else:
        head = (0, -88)
        arm = "M-14,-74 C-20,-66 -24,-58 -26,-54 L-28,-44 M14,-74 C20,-68 24,-64 27,-62 L36,-70"
        if female:
            body = ("M-10,-77 C-15,-72 -13,-62 -8,-54 C-10,-50 -12,-46 -15,-38 L-16,-30 C-15,-20 -14,-10 -13,-2 L-5,-2 "
                    "C-4,-12 -2,-22 0,-30 C2,-22 4,-12 5,-2 L13,-2 C14,-10 15,-20 16,-30 L15,-38 C12,-46 10,-50 8,-54 "
                    "C13,-62 15,-72 10,-77 C5,-80 -5,-80 -10,-77 Z")
        else:
            body = ("M-13,-77 C-18,-70 -16,-58 -11,-50 C-12,-46 -13,-42 -13,-36 L-14,-28 C-14,-18 -14,-10 -15,-2 L-5,-2 "
                    "C-4,-12 -2,-22 0,-30 C2,-22 4,-12 5,-2 L15,-2 C14,-10 14,-18 14,-28 L13,-36 C13,-42 12,-46 11,-50 "
                    "C16,-58 18,-70 13,-77 C6,-80 -6,-80 -13,-77 Z")
    g += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.2" stroke-opacity="0.6"/>' % (body, fill, rim)
    g += '<path d="%s" stroke="%s" stroke-width="6" stroke-linecap="round" fill="none"/>' % (arm, fill)
    g += '<path d="%s" fill="url(#figshade)"/>' % body
    g += '<path d="%s" stroke="url(#figshade)" stroke-width="6" stroke-linecap="round" fill="none"/>' % arm
    g += '<ellipse cx="%s" cy="%s" rx="6.5" ry="8" fill="%s" stroke="%s" stroke-width="1" stroke-opacity="0.6"/>' % (head[0], head[1], fill, rim)
    g += '<ellipse cx="%s" cy="%s" rx="6.5" ry="8" fill="url(#figshade)"/>' % (head[0], head[1])
    if pose == "stand":
        g += '<path d="M-13,-40 L13,-40 L15,-30 L-15,-30 Z" fill="#000" opacity="0.35"/>'
        g += '<ellipse cx="-14" cy="-74" rx="6" ry="4" fill="%s" opacity="0.3"/><ellipse cx="14" cy="-74" rx="6" ry="4" fill="%s" opacity="0.3"/>' % (rim, rim)
    if female and pose == "stand":
        g += '<path d="M-6,-95 C-14,-92 -14,-80 -16,-68 C-18,-60 -20,-54 -22,-48 C-14,-54 -10,-62 -8,-72 Z" fill="%s"/>' % fill
    if horns:
        g += ('<path d="M%s,%s C%s,%s %s,%s %s,%s" stroke="#d8d0b8" stroke-width="3" fill="none"/>'
              '<path d="M%s,%s C%s,%s %s,%s %s,%s" stroke="#d8d0b8" stroke-width="3" fill="none"/>') % (
                  head[0] - 6, head[1] - 4, head[0] - 18, head[1] - 10, head[0] - 18, head[1] - 22, head[0] - 10, head[1] - 26,
                  head[0] + 6, head[1] - 4, head[0] + 18, head[1] - 10, head[0] + 18, head[1] - 22, head[0] + 10, head[1] - 26)
    if weapon == "sword":
        if pose == "crouch":
            g += '<path d="M44,-70 L74,-104" stroke="#dfe6f0" stroke-width="3"/><path d="M40,-66 L48,-74" stroke="#c8a040" stroke-width="4"/>'
        else:
            g += '<path d="M36,-70 L52,-120" stroke="#dfe6f0" stroke-width="3.5"/><path d="M31,-72 L41,-68" stroke="#c8a040" stroke-width="4"/>'
    elif weapon == "twoswords":
        g += '<polygon points="35,-71 38,-72 58,-118 56,-119" fill="#e8eef8" stroke="#6a7280" stroke-width="0.5"/>'
        g += '<polygon points="-29,-43 -26,-45 -52,-90 -54,-88" fill="#e8eef8" stroke="#6a7280" stroke-width="0.5"/>'
        g += '<path d="M32,-68 L42,-74 M-32,-46 L-22,-42" stroke="#c8a040" stroke-width="3"/>'
    elif weapon == "spear":
        g += '<path d="M36,-70 L40,-10 M36,-70 L33,-130" stroke="#6b4a2a" stroke-width="3"/><path d="M33,-130 L29,-142 L31,-128 Z M33,-142 L37,-128 L29,-128 Z" fill="#dfe6f0"/>'
    elif weapon == "skullspear":
        g += '<path d="M36,-70 L38,0 M36,-70 L34,-124" stroke="#6b4a2a" stroke-width="3"/>' + skull(34, -130, 14)
    elif weapon == "blade":
        g += '<path d="M36,-70 L48,-150 L56,-148 L42,-66 Z" fill="#cfd8e6" stroke="#5a6270"/><path d="M28,-70 L48,-64" stroke="#c8a040" stroke-width="5"/>'
    elif weapon == "staff":
        g += '<path d="M36,-70 L40,0 M36,-70 L34,-110" stroke="#6b4a2a" stroke-width="3"/><circle cx="34" cy="-114" r="6" fill="#9fe0ff" filter="url(#softglow)"/>'
    elif weapon == "bow":
        g += '<path d="M-28,-44 C-50,-70 -50,-100 -30,-120" stroke="#8a5a2a" stroke-width="3" fill="none"/><path d="M-30,-120 L-28,-44" stroke="#ddd" stroke-width="0.8"/>'
    g += "</g>"
    return g


def stars(rng, w, h, n, maxy=None):
    maxy = h if maxy is None else maxy
    out = []
    for _ in range(n):
        out.append('<circle cx="%.1f" cy="%.1f" r="%.2f" fill="#fff" opacity="%.2f"/>' % (
            rng.uniform(0, w), rng.uniform(0, maxy), rng.uniform(0.3, 1.3), rng.uniform(0.3, 0.9)))
    return "".join(out)


def hills(rng, w, y, amp, n, fill, extra=""):
    p = [(0, y)]
    for i in range(n + 1):
        p.append((w * i / n, y - rng.uniform(0, amp)))
    p += [(w, y + 2000), (0, y + 2000)]
    return '<polygon points="%s" fill="%s" %s/>' % (pts(p), fill, extra)


def moon(cx, cy, r, light, dark, seed=1):
    """A moon disc with craters and a soft halo."""
    rng = random.Random(seed)
    gid = "moon%d" % seed
    s = radial(gid, [(0, light, 1), (0.7, light, 1), (1, dark, 1)], cx=0.42, cy=0.4, r=0.6)
    s = "<defs>%s</defs>" % s
    s += '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.35" filter="url(#blur15)"/>' % (cx, cy, r * 1.15, light)
    s += '<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>' % (cx, cy, r, gid)
    for _ in range(14):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(0, r * 0.8)
        cr = rng.uniform(r * 0.04, r * 0.16)
        s += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" opacity="0.35"/>' % (cx + d * math.cos(a), cy + d * math.sin(a), cr, dark)
    s += '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.25" filter="url(#grain)"/>' % (cx, cy, r, light)
    return s
