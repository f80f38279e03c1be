"""figkit.py -- posed human figures for the card animations, built as one silhouette.

A pose is a table of joints in figure units (a figure is about 100 units tall, y grows down,
the feet near y 0). Limbs are tapered outlines through their joints with muscle where muscle is,
the head is a profile with brow, nose, lips and chin, and hands close round what they hold. The
whole figure is filled at once so it reads as one shape, then lit by a rim filter."""
import math


def _norm(x, y):
    n = math.hypot(x, y) or 1.0
    return x / n, y / n


def limb(points, widths):
    """A tapered outline through `points` with full width `widths[i]` at each point, rounded at
    the joints."""
    left, right = [], []
    n = len(points)
    for i, (x, y) in enumerate(points):
        ax, ay = points[max(i - 1, 0)]
        bx, by = points[min(i + 1, n - 1)]
        dx, dy = _norm(bx - ax, by - ay)
        nx, ny = -dy, dx
        w = widths[i] / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    # Smooth through the offset points with quadratic curves via midpoints.
    ring = left + right[::-1]
    d = "M%.2f,%.2f " % ring[0]
    for i in range(1, len(ring)):
        d += "L%.2f,%.2f " % ring[i]
    d += "Z "
    for i in range(n):
        if 0 < i < n - 1 or True:
            d += "M%.2f,%.2f a%.2f,%.2f 0 1 0 %.2f,0 a%.2f,%.2f 0 1 0 %.2f,0 " % (
                points[i][0] - widths[i] / 2, points[i][1], widths[i] / 2, widths[i] / 2, widths[i],
                widths[i] / 2, widths[i] / 2, -widths[i])
    return d


def head(cx, cy, s=1.0, facing=1, tilt=0.0, hair=None):
    """A head in profile (facing 1 = looking right) centred on the skull, about 13*s units
    tall: the back of the skull, brow, nose, lips, chin and jaw, and a neck below."""
    p = [(-5.6, -1.0), (-5.2, -4.8), (-2.8, -7.2), (0.8, -7.6), (3.8, -6.2), (5.2, -3.6), (5.4, -2.0),
         (6.0, -1.2), (7.4, 1.2), (6.0, 1.6), (6.2, 2.6), (5.7, 3.1), (5.9, 3.8), (5.2, 4.4), (5.0, 5.4),
         (3.6, 6.2), (1.2, 6.4), (-0.6, 4.6), (-1.4, 8.6), (-4.6, 8.6), (-4.2, 4.2), (-5.6, 2.0)]
    c, sn = math.cos(tilt), math.sin(tilt)
    out = []
    for x, y in p:
        x, y = x * facing, y
        out.append((cx + (x * c - y * sn) * s, cy + (x * sn + y * c) * s))
    d = "M" + " L".join("%.2f,%.2f" % q for q in out) + " Z"
    return d


def eye(cx, cy, s=1.0, facing=1, tilt=0.0):
    """Where the eye of `head` sits, to lay a glint or a shadow on it."""
    x, y = 3.4 * facing, -1.4
    c, sn = math.cos(tilt), math.sin(tilt)
    return cx + (x * c - y * sn) * s, cy + (x * sn + y * c) * s


def hand(x, y, ang, s=1.0, grip=True):
    """A hand at the wrist (x, y) pointing along `ang` (radians): a palm and closed fingers round
    a grip, or open fingers."""
    c, sn = math.cos(ang), math.sin(ang)

    def tr(px, py):
        return x + (px * c - py * sn) * s, y + (px * sn + py * c) * s
    if grip:
        pts = [(0, -2.2), (3.2, -2.8), (5.6, -2.0), (6.4, 0.2), (5.6, 2.4), (3.0, 2.8), (0, 2.2)]
        thumb = [(2.0, -2.4), (4.6, -3.8), (5.6, -2.8)]
    else:
        pts = [(0, -2.0), (3.0, -2.6), (7.8, -2.2), (8.2, -0.8), (4.0, -0.4), (8.4, 0.4), (8.0, 1.6), (3.8, 1.6),
               (6.6, 2.8), (5.8, 3.6), (0, 2.2)]
        thumb = [(1.6, -2.0), (4.0, -4.8), (5.0, -4.0)]
    d = "M" + " L".join("%.2f,%.2f" % tr(*p) for p in pts) + " Z "
    d += "M" + " L".join("%.2f,%.2f" % tr(*p) for p in thumb) + " L%.2f,%.2f Z" % tr(2.0, -1.0)
    return d


def body(j, build=1.0, female=False):
    """Path data of a whole figure from its joints: torso, arms, legs and feet (heads and hands
    are added by the caller, who knows where they look and what they hold)."""
    sh = 30 * build if not female else 24
    waist = 19 * build if not female else 15
    hips = 23 * build if not female else 24
    d = limb([j["neck"], j["chest"], j["waist"], j["pelvis"]], [9 * build, sh, waist, hips])
    for side in ("l", "r"):
        d += limb([j["sh" + side], j["el" + side], j["wr" + side]], [10 * build, 7 * build, 5 * build])
        d += limb([j["hip" + side], j["kn" + side], j["an" + side]], [14 * build, 8 * build, 5.5 * build])
        d += limb([j["an" + side], j["toe" + side]], [5.5 * build, 3.5 * build])
        if ("calf" + side) in j:
            d += limb([j["kn" + side], j["calf" + side], j["an" + side]], [8 * build, 9.5 * build, 5 * build])
    return d


def place(d_group, x, y, scale, flip=False):
    return '<g transform="translate(%s,%s) scale(%s,%s)">%s</g>' % (x, y, -scale if flip else scale, scale, d_group)
