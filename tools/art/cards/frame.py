"""frame.py -- the card's ornate frame: engraved metal with filigree, the run's gem at the top,
the illustration window, and the name scroll below the hand's cost box (rows 231..269)."""
import math

from cards.paint import W as WIN_W, H as WIN_H

WIN_TOP = 22
SCROLL_TOP, SCROLL_BOTTOM = 234, 266  # parchment body; the curls reach a little further

# Metal of the frame and colours of the gem, by run.
METALS = {
    "gold": dict(hi="#fff0b8", mid="#c8982e", lo="#6a4410", deep="#2a1804", line="#3a2406"),
    "silver": dict(hi="#ffffff", mid="#a8aeb8", lo="#4a4e58", deep="#15171c", line="#22252c"),
}
GEMS = {
    "night": ("#d8e8ff", "#2f62f0", "#0a1650"),
    "ember": ("#ffd0c8", "#d81818", "#480406"),
    "amber": ("#fff2c0", "#f09a10", "#5a2c02"),
    "silver": ("#ffffff", "#b8c4d8", "#3a4250"),
}


def _defs(m):
    return (
        '<linearGradient id="metal" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="%(hi)s"/><stop offset="0.22" stop-color="%(mid)s"/><stop offset="0.45" stop-color="%(lo)s"/>'
        '<stop offset="0.7" stop-color="%(mid)s"/><stop offset="0.85" stop-color="%(hi)s"/><stop offset="1" stop-color="%(lo)s"/></linearGradient>'
        '<linearGradient id="metalv" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%(lo)s"/><stop offset="0.5" stop-color="%(deep)s"/><stop offset="1" stop-color="%(lo)s"/></linearGradient>'
        # engraving: the metal's edges bevelled and its face chased with fine noise
        '<filter id="engrave" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
        '<feGaussianBlur in="SourceAlpha" stdDeviation="1.2" result="b"/>'
        '<feTurbulence type="fractalNoise" baseFrequency="0.7" numOctaves="2" seed="4" result="n"/>'
        '<feComposite in="b" in2="n" operator="arithmetic" k2="1" k3="0.18" result="bump"/>'
        '<feSpecularLighting in="bump" surfaceScale="2.5" specularConstant="1.1" specularExponent="16" lighting-color="%(hi)s" result="s">'
        '<feDistantLight azimuth="235" elevation="40"/></feSpecularLighting>'
        '<feComposite in="s" in2="SourceAlpha" operator="in" result="si"/>'
        '<feComposite in="SourceGraphic" in2="si" operator="arithmetic" k2="1" k3="0.7"/></filter>'
        '<linearGradient id="parch" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#f6e8c2"/><stop offset="0.55" stop-color="#e8d29c"/><stop offset="1" stop-color="#c8a868"/></linearGradient>'
        '<linearGradient id="curl" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#fbefcc"/><stop offset="0.45" stop-color="#d8bc80"/><stop offset="1" stop-color="#8a6a34"/></linearGradient>'
        '<filter id="paper" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
        '<feTurbulence type="fractalNoise" baseFrequency="0.05 0.3" numOctaves="3" seed="9" result="n"/>'
        '<feColorMatrix in="n" type="matrix" values="0.2 0 0 0 0.82 0.2 0 0 0 0.8 0.2 0 0 0 0.78 0 0 0 0 1" result="t"/>'
        '<feBlend in="SourceGraphic" in2="t" mode="multiply" result="m"/><feComposite in="m" in2="SourceGraphic" operator="in"/></filter>'
        '<filter id="gemglow" x="-80%%" y="-80%%" width="260%%" height="260%%"><feGaussianBlur stdDeviation="2.2" result="b"/>'
        '<feMerge><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge></filter>'
    ) % m


def _filigree(w, m):
    """Scrolls of engraved metal: two S-curls from the gem along the top, curls in the corners,
    a beaded molding under the window. Symmetric about the card's middle."""
    c = w / 2
    half = []
    # top: a long scroll from the gem setting out toward the corner, ending in a curl
    half.append("M%.1f,9 C%.1f,3 %.1f,4 %.1f,10 C%.1f,15 %.1f,15 %.1f,11 C%.1f,8 %.1f,9 %.1f,12" % (
        c - 12, c - 24, c - 40, c - 46, c - 50, c - 58, c - 58, c - 57, c - 52, c - 53))
    half.append("M%.1f,14 C%.1f,18 %.1f,19 %.1f,16" % (c - 13, c - 22, c - 30, c - 34))
    # corner curl at the top
    half.append("M5,20 C5,8 10,5 20,5 M9,17 C9,12 12,9 17,9 C20,9 21,12 18,13")
    # side vines with small leaves
    for y in (60, 110, 160):
        half.append("M4.5,%d C7,%d 7,%d 4.5,%d" % (y - 12, y - 6, y + 6, y + 12))
    # corner curl at the bottom of the window
    half.append("M4,224 C6,216 10,214 14,218")
    path = " ".join(half)
    out = '<path d="%s" fill="none" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>' % (path, m["line"])
    out += '<path d="%s" fill="none" stroke="%s" stroke-width="0.6" stroke-linecap="round" opacity="0.7" transform="translate(0.6,-0.6)"/>' % (path, m["hi"])
    mirrored = '<g transform="translate(%d,0) scale(-1,1)">%s</g>' % (w, out)
    return out + mirrored


def _gem(cx, cy, light, mid, dark, m):
    s = '<ellipse cx="%.1f" cy="%.1f" rx="12" ry="10.5" fill="url(#metal)" stroke="%s" stroke-width="1"/>' % (cx, cy, m["line"])
    for i in range(12):
        a = i * math.pi / 6
        s += '<circle cx="%.1f" cy="%.1f" r="1.2" fill="%s" stroke="%s" stroke-width="0.4"/>' % (
            cx + 10.2 * math.cos(a), cy + 8.8 * math.sin(a), m["hi"], m["line"])
    # an oval cabochon cut in facets
    s += '<g filter="url(#gemglow)"><ellipse cx="%.1f" cy="%.1f" rx="7.5" ry="6.5" fill="%s" stroke="%s" stroke-width="0.8"/>' % (cx, cy, mid, dark)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="%s" opacity="0.75"/>' % (cx - 7, cy, cx, cy - 6.5, cx, cy, light)
    s += '<path d="M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" fill="%s" opacity="0.6"/>' % (cx + 7, cy, cx, cy + 6.5, cx, cy, dark)
    s += '<ellipse cx="%.1f" cy="%.1f" rx="3.5" ry="3" fill="%s" opacity="0.8"/></g>' % (cx, cy, mid)
    s += '<ellipse cx="%.1f" cy="%.1f" rx="2.2" ry="1.3" fill="#fff" opacity="0.9"/>' % (cx - 2.5, cy - 3)
    return s


def _scroll(w, name):
    """The parchment banner: a body with rolled ends, the name in the middle."""
    l, r = 15, w - 15
    t, b = SCROLL_TOP, SCROLL_BOTTOM
    s = ""
    # the rolled ends, behind the body
    for x0, d in ((l, -1), (r, 1)):
        s += '<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f L%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" fill="url(#curl)" stroke="#4a3010" stroke-width="0.8"/>' % (
            x0, t + 2, x0 + d * 9, t - 1, x0 + d * 11, t + 6, x0 + d * 8, t + 9,
            x0 + d * 8, b - 1, x0 + d * 11, b + 2, x0 + d * 4, b + 2.5, x0, b - 2)
        s += '<ellipse cx="%.1f" cy="%.1f" rx="2.2" ry="3.2" fill="#6a4a1c" stroke="#3a2406" stroke-width="0.6"/>' % (x0 + d * 7.5, b - 1.5)
    body = 'M%d,%d C%.1f,%d %.1f,%d %d,%d L%d,%d C%.1f,%d %.1f,%d %d,%d Z' % (
        l, t, w * 0.35, t - 2, w * 0.65, t - 2, r, t, r, b, w * 0.65, b + 2, w * 0.35, b + 2, l, b)
    s += '<path d="%s" fill="url(#parch)" filter="url(#paper)"/>' % body
    s += '<path d="%s" fill="none" stroke="#5a3a12" stroke-width="1"/>' % body
    size = min(15.5, 118 / (0.66 * len(name)))
    base = (t + b) / 2 + size * 0.36
    esc = name.replace("&", "&amp;")
    s += ('<text x="%.1f" y="%.1f" font-family="DejaVu Serif" font-weight="bold" font-size="%.1f" fill="#fff6dc" '
          'text-anchor="middle" opacity="0.6">%s</text>') % (w / 2 + 0.6, base + 0.7, size, esc)
    s += ('<text x="%.1f" y="%.1f" font-family="DejaVu Serif" font-weight="bold" font-size="%.1f" fill="#2a1404" '
          'text-anchor="middle">%s</text>') % (w / 2, base, size, esc)
    return s


def card(w, h, name, run, illustration_defs, illustration):
    """The whole card: frame, illustration in its window, gem, scroll."""
    metal = METALS["silver" if run == "silver" else "gold"]
    x0 = (w - WIN_W) // 2
    d = _defs(metal) + illustration_defs
    d += '<clipPath id="win"><path d="M0,14 Q0,0 16,0 L%d,0 Q%d,0 %d,14 L%d,%d L0,%d Z"/></clipPath>' % (
        WIN_W - 16, WIN_W, WIN_W, WIN_W, WIN_H, WIN_H)
    s = '<rect width="%d" height="%d" fill="%s"/>' % (w, h, metal["deep"])
    # the frame plate
    s += '<g filter="url(#engrave)"><rect x="1" y="1" width="%d" height="%d" rx="7" fill="url(#metal)"/></g>' % (w - 2, h - 2)
    s += '<rect x="1.5" y="1.5" width="%d" height="%d" rx="7" fill="none" stroke="%s" stroke-width="1"/>' % (w - 3, h - 3, metal["line"])
    # a dark recess under the window and around the scroll, so the scroll stands out
    s += '<rect x="%d" y="%d" width="%d" height="%d" fill="url(#metalv)"/>' % (x0, WIN_TOP + WIN_H - 2, WIN_W, 10)
    s += '<rect x="6" y="232" width="%d" height="37" rx="4" fill="%s" opacity="0.85"/>' % (w - 12, metal["deep"])
    for i in range(15):
        s += '<circle cx="%.1f" cy="%d" r="1.3" fill="%s" opacity="0.9"/>' % (x0 + 5 + i * (WIN_W - 10) / 14, WIN_TOP + WIN_H + 3, metal["mid"])
    s += _filigree(w, metal)
    # the window
    s += '<g transform="translate(%d,%d)"><g clip-path="url(#win)"><rect width="%d" height="%d" fill="#000"/>%s</g>' % (x0, WIN_TOP, WIN_W, WIN_H, illustration)
    s += '<path d="M0,14 Q0,0 16,0 L%d,0 Q%d,0 %d,14 L%d,%d L0,%d Z" fill="none" stroke="%s" stroke-width="2"/>' % (
        WIN_W - 16, WIN_W, WIN_W, WIN_W, WIN_H, WIN_H, metal["line"])
    s += '<path d="M1.5,14.5 Q1.5,1.5 16,1.5 L%d,1.5" fill="none" stroke="#000" stroke-width="1.5" opacity="0.5"/></g>' % (WIN_W - 16)
    s += _gem(w / 2, 11, *GEMS[run], metal)
    s += _scroll(w, name)
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d" '
            'viewBox="0 0 %d %d">\n<defs>%s</defs>\n%s\n</svg>\n' % (w, h, w, h, d, s))
