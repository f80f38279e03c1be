"""pictures_flask.py -- the blood flask of the battle screen: clear glass over the gauge.

The game paints the flask's level as a bar behind this picture (x 3..62, rows 18..98 of the
picture), so the glass is left as key colour inside and only the walls, the highlights on them,
the lip and the cork are painted. Outside the walls, over the bar's rectangle, the picture is
night black so the bar shows only through the glass."""
from svgkit import doc, linear, radial
from paintkit import lit_texture

CX, CY = 32, 70          # centre of the round body
INNER_R, OUTER_R = 29, 31.3
NECK_IN = (27, 37)       # inner walls of the neck
NECK_OUT = (25, 39)
NECK_TOP = 8


def _outer():
    return ('<circle cx="%s" cy="%s" r="%s"/><rect x="%s" y="%s" width="%s" height="40"/>'
            % (CX, CY, OUTER_R, NECK_OUT[0], NECK_TOP, NECK_OUT[1] - NECK_OUT[0]))


def _inner():
    return ('<circle cx="%s" cy="%s" r="%s"/><rect x="%s" y="10" width="%s" height="40"/>'
            % (CX, CY, INNER_R, NECK_IN[0], NECK_IN[1] - NECK_IN[0]))


def flask(w, h):
    d = ('<mask id="wall" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
         '<g fill="#fff">%s</g><g fill="#000">%s</g></mask>' % (w, h, _outer(), _inner()))
    d += ('<mask id="outside" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
          '<rect x="3" y="17" width="60" height="82" fill="#fff"/><g fill="#000">%s</g></mask>' % (w, h, _outer()))
    d += linear("glasswall", [(0, "#f4fbff", 1), (0.18, "#9fb8d0", 1), (0.5, "#4e6a86", 1),
                              (0.8, "#8aa6c4", 1), (1, "#2c3e54", 1)], 0, 0, 1, 0)
    d += radial("cork", [(0, "#b88a5a", 1), (0.7, "#7a5230", 1), (1, "#3a2410", 1)], cx=0.4, cy=0.35)
    d += linear("wax", [(0, "#e0303a", 1), (1, "#5a0610", 1)])
    d += lit_texture("corkgrain", "0.35", 4, 210, relief=2.0, gain=1.4)
    s = '<rect width="%d" height="%d" fill="#000" mask="url(#outside)"/>' % (w, h)
    # The glass walls: pale on the side the moon lights, dark on the far side.
    s += '<rect width="%d" height="%d" fill="url(#glasswall)" mask="url(#wall)"/>' % (w, h)
    # Highlights lie on the walls only, so the level is never hidden.
    s += ('<path d="M%s,%s A%s,%s 0 0 1 %s,%s" fill="none" stroke="#ffffff" stroke-width="1.3" '
          'mask="url(#wall)"/>' % (CX - 30.2, CY + 6, 30.2, 30.2, CX - 18, CY - 24))
    s += '<path d="M25.6,20 V40" stroke="#ffffff" stroke-width="1" opacity="0.9" mask="url(#wall)"/>'
    s += ('<path d="M%s,%s A%s,%s 0 0 1 %s,%s" fill="none" stroke="#c8e4ff" stroke-width="1" '
          'mask="url(#wall)"/>' % (CX + 21.5, CY + 21, 30.2, 30.2, CX + 28.5, CY + 10.5))
    # A rolled lip, a cord tied under it and the cork sealed with red wax.
    s += '<rect x="23" y="8" width="18" height="4" rx="2" fill="url(#glasswall)" stroke="#1a2636" stroke-width="0.6"/>'
    s += '<path d="M25,13.5 H39 M25,15.5 H39" stroke="#5a3a1c" stroke-width="1.3"/>'
    s += '<path d="M38,15 C43,18 44,22 42,27" stroke="#5a3a1c" stroke-width="1.1" fill="none"/>'
    s += '<path d="M27,16.5 V3 C27,1 37,1 37,3 V16.5 Z" fill="url(#cork)" filter="url(#corkgrain)"/>'
    s += '<path d="M26,4 C26,0 38,0 38,4 C38,6.5 26,6.5 26,4 Z" fill="url(#wax)"/>'
    s += '<path d="M29,2.4 C31,1.4 34,1.4 35,2.2" stroke="#ff9a9a" stroke-width="0.8" fill="none"/>'
    return doc(w, h, s, d)
