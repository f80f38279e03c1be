"""paintkit.py -- the painted finish of the house look: lit textures, rim light from one source,
and fades to the night's black. Each helper returns SVG filter or gradient text for a <defs>."""


def lit_texture(id_, freq, seed, azimuth, elevation=45, relief=3.0, gain=1.35, octaves=4):
    """Multiplies the shape's own colours by a relief of noise lit from one side: stone, cloth,
    hide. azimuth is the light's direction in degrees (0 = from the right, 90 = from below)."""
    return ('<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d" result="n"/>'
            '<feDiffuseLighting in="n" surfaceScale="%s" lighting-color="#ffffff" result="l">'
            '<feDistantLight azimuth="%s" elevation="%s"/></feDiffuseLighting>'
            '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="%s" k2="0" k3="0" k4="0" result="m"/>'
            '<feComposite in="m" in2="SourceAlpha" operator="in"/></filter>'
            % (id_, freq, octaves, seed, relief, azimuth, elevation, gain))


def rim_light(id_, dx, dy, colour, blur=0.7, opacity=1.0, freq=None, seed=1, azimuth=0, gain=1.3):
    """A silhouette lit from behind: a thin edge of `colour` on the side the light comes from,
    (dx, dy) pointing from the shape toward the light, its length the rim's width. With freq the
    shape is also given a lit texture first."""
    tex = ""
    src = "SourceGraphic"
    if freq:
        tex = ('<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="4" seed="%d" result="n"/>'
               '<feDiffuseLighting in="n" surfaceScale="3" lighting-color="#ffffff" result="l">'
               '<feDistantLight azimuth="%s" elevation="45"/></feDiffuseLighting>'
               '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="%s" k2="0" k3="0" k4="0" result="m"/>'
               '<feComposite in="m" in2="SourceAlpha" operator="in" result="tex"/>' % (freq, seed, azimuth, gain))
        src = "tex"
    return ('<filter id="%s" x="-5%%" y="-5%%" width="110%%" height="110%%" color-interpolation-filters="sRGB">%s'
            '<feOffset in="SourceAlpha" dx="%s" dy="%s" result="shift"/>'
            '<feComposite in="SourceAlpha" in2="shift" operator="out" result="edge"/>'
            '<feGaussianBlur in="edge" stdDeviation="%s" result="soft"/>'
            '<feFlood flood-color="%s" flood-opacity="%s"/>'
            '<feComposite in2="soft" operator="in" result="rim"/>'
            '<feComposite in="rim" in2="SourceAlpha" operator="in" result="rimin"/>'
            '<feMerge><feMergeNode in="%s"/><feMergeNode in="rimin"/></feMerge></filter>'
            % (id_, tex, -dx, -dy, blur, colour, opacity, src))


def glow(id_, spread, strength=2):
    """Bloom: the shape blurred under itself `strength` times."""
    nodes = '<feMergeNode in="b"/>' * strength
    return ('<filter id="%s" x="-60%%" y="-60%%" width="220%%" height="220%%">'
            '<feGaussianBlur in="SourceGraphic" stdDeviation="%s" result="b"/>'
            '<feMerge>%s<feMergeNode in="SourceGraphic"/></feMerge></filter>' % (id_, spread, nodes))


def painted_sky(id_, freq, seed, colour, density=1.4, bias=-0.45, octaves=5):
    """Cloud noise in `colour` whose alpha follows the noise: flood a rect with it over a sky."""
    r, g, b = (int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5))
    return ('<filter id="%s" x="0" y="0" width="100%%" height="100%%" color-interpolation-filters="sRGB">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d" result="n"/>'
            '<feColorMatrix in="n" type="matrix" values="0 0 0 0 %.3f 0 0 0 0 %.3f 0 0 0 0 %.3f %s 0 0 0 %s"/>'
            '<feComposite in2="SourceGraphic" operator="in"/></filter>'
            % (id_, freq, octaves, seed, r, g, b, density, bias))


def fade_to_black(id_, cx=0.5, cy=0.5, r=0.5, inner=0.6):
    """A radial gradient from clear to the night's black: laid over a picture drawn on black,
    it leaves every edge black so no box shows."""
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s"><stop offset="0" stop-color="#000" stop-opacity="0"/>'
            '<stop offset="%s" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="1"/>'
            '</radialGradient>' % (id_, cx, cy, r, inner))
