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


# -- smooth anatomy: outlines drawn through their points as curves, so nothing reads as tubes --


def smooth(points, closed=True, digits=2):
    """Path data of a Catmull-Rom curve through `points`: the outline bends like a drawn line."""
    n = len(points)
    f = "%%.%df" % digits
    d = ("M" + f + "," + f + " ") % points[0]
    step = "C" + f + "," + f + " " + f + "," + f + " " + f + "," + f + " "
    for i in range(n if closed else n - 1):
        p0 = points[(i - 1) % n] if closed or i > 0 else points[i]
        p1, p2 = points[i], points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += step % (c1 + c2 + p2)
    return d + ("Z " if closed else "")


def _along(spine, t):
    """The point a fraction t along a polyline, and the unit normal there."""
    lens = [math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in zip(spine, spine[1:])]
    total = sum(lens) or 1.0
    want = t * total
    for (a, b), ln in zip(zip(spine, spine[1:]), lens):
        if want <= ln or (a, b) == (spine[-2], spine[-1]):
            k = want / ln if ln else 0.0
            dx, dy = _norm(b[0] - a[0], b[1] - a[1])
            return (a[0] + (b[0] - a[0]) * k, a[1] + (b[1] - a[1]) * k), (-dy, dx)
        want -= ln
    return spine[-1], (0.0, 1.0)


def swell(spine, profile):
    """A closed smooth outline along the polyline `spine`. `profile` lists (t, left, right):
    at fraction t of the length, the half widths on the left and right of the line (left is
    the side of the normal (-dy, dx)). Both ends are rounded."""
    left, right = [], []
    for t, wl, wr in profile:
        (x, y), (nx, ny) = _along(spine, t)
        left.append((x + nx * wl, y + ny * wl))
        right.append((x - nx * wr, y - ny * wr))
    (x0, y0), _ = _along(spine, 0.0)
    (x1, y1), _ = _along(spine, 1.0)
    dx0, dy0 = _norm(spine[1][0] - x0, spine[1][1] - y0)
    dx1, dy1 = _norm(x1 - spine[-2][0], y1 - spine[-2][1])
    e0 = (profile[0][1] + profile[0][2]) * 0.35
    e1 = (profile[-1][1] + profile[-1][2]) * 0.35
    start = (x0 - dx0 * e0, y0 - dy0 * e0)
    end = (x1 + dx1 * e1, y1 + dy1 * e1)
    return smooth([start] + left + [end] + right[::-1])


def _front(a, b, c, facing):
    """Which side of the line a-b-c the joint at b bulges to: +1 the normal's side, -1 the other."""
    mx, my = (a[0] + c[0]) / 2, (a[1] + c[1]) / 2
    dx, dy = _norm(c[0] - a[0], c[1] - a[1])
    side = (b[0] - mx) * -dy + (b[1] - my) * dx
    if abs(side) < 0.5:
        return facing
    return 1 if side > 0 else -1


def leg(hip, knee, ankle, toe, s=1.0, facing=1, boot=False):
    """A leg from the hip to a foot on the ground: full thigh, a narrow knee, the calf swelling
    behind the shin, a slim ankle and a foot pointing at `toe`."""
    k = _front(hip, knee, ankle, facing)
    ln1 = math.hypot(knee[0] - hip[0], knee[1] - hip[1])
    ln2 = math.hypot(ankle[0] - knee[0], ankle[1] - knee[1])
    tk = ln1 / (ln1 + ln2)
    fw = lambda a, b: (a, b) if k > 0 else (b, a)  # noqa: E731  (front, back) -> (left, right)
    prof = [(0.0,) + fw(7.6 * s, 7.8 * s), (tk * 0.4,) + fw(7.2 * s, 6.8 * s), (tk * 0.85,) + fw(5.0 * s, 4.6 * s),
            (tk,) + fw(4.6 * s, 3.8 * s), (tk + (1 - tk) * 0.3,) + fw(3.4 * s, 5.0 * s),
            (tk + (1 - tk) * 0.6,) + fw(2.8 * s, 3.4 * s), (1.0,) + fw(2.4 * s, 2.4 * s)]
    if boot:
        prof = [(t, max(a, 3.6 * s) if t > tk else a, max(b, 3.6 * s) if t > tk else b) for t, a, b in prof]
    d = swell([hip, knee, ankle], prof)
    # The foot: heel behind the ankle, instep down to the toe.
    ax, ay = ankle
    tx, ty = toe
    dx, dy = _norm(tx - ax, ty - ay)
    h = 3.0 * s
    d += smooth([(ax - dx * h, ay - dy * h - 1.0 * s), (ax + dx * h * 0.6, ay - 2.6 * s), (tx - dx * 1.5 * s, ty - 1.6 * s),
                 (tx, ty - 0.4 * s), (tx - dx * 1.0 * s, ty + 0.6 * s), (ax - dx * h, ay + 0.8 * s)])
    return d


def arm(shoulder, elbow, wrist, s=1.0, facing=1):
    """An arm from the shoulder cap to the wrist: deltoid, biceps, a narrow elbow, the forearm
    thick below the elbow and tapering to the wrist."""
    k = _front(shoulder, elbow, wrist, -facing)
    ln1 = math.hypot(elbow[0] - shoulder[0], elbow[1] - shoulder[1])
    ln2 = math.hypot(wrist[0] - elbow[0], wrist[1] - elbow[1])
    te = ln1 / (ln1 + ln2)
    fw = lambda a, b: (a, b) if k > 0 else (b, a)  # noqa: E731  (outer, inner)
    prof = [(0.0,) + fw(5.6 * s, 4.8 * s), (te * 0.3,) + fw(5.0 * s, 3.8 * s), (te * 0.6,) + fw(3.8 * s, 4.2 * s),
            (te,) + fw(3.2 * s, 2.8 * s), (te + (1 - te) * 0.25,) + fw(3.6 * s, 3.4 * s), (1.0,) + fw(2.2 * s, 2.0 * s)]
    return swell([shoulder, elbow, wrist], prof)


def torso(neck, chest, waist, pelvis, s=1.0, shoulders=15.0, waist_w=9.5, hips=11.5):
    """The trunk from the root of the neck to the seat: shoulders squared off, the chest
    narrowing to the waist and widening again at the hips."""
    return swell([neck, chest, waist, pelvis],
                 [(0.0, 4.6 * s, 4.6 * s), (0.1, shoulders * s, shoulders * s), (0.3, shoulders * 0.92 * s, shoulders * 0.92 * s),
                  (0.62, waist_w * s, waist_w * s), (0.86, hips * s, hips * s), (1.0, hips * 0.8 * s, hips * 0.8 * s)])


def face_profile(cx, cy, s=1.0, facing=1, tilt=0.0, jaw=1.0):
    """A head in profile, drawn as one curve: skull, brow ridge, the bridge and tip of the nose,
    lips, chin and the angle of the jaw, the nape and the front of the neck. About 14*s tall."""
    p = [(-5.8, -0.6), (-5.4, -4.6), (-3.0, -7.4), (0.6, -7.9), (3.8, -6.6), (5.3, -4.0), (5.6, -2.3),
         (5.2, -1.6), (6.2, 0.6), (7.3, 2.2), (6.1, 2.6), (6.3, 3.4), (5.8, 3.8), (6.0, 4.6), (5.4, 5.2),
         (5.0 + 0.4 * jaw, 6.4 * jaw), (3.2, 6.9 * jaw), (1.4, 6.2 * jaw), (0.4, 8.8), (-3.8, 9.2), (-4.2, 5.4), (-5.6, 2.6)]
    c, sn = math.cos(tilt), math.sin(tilt)
    return smooth([(cx + (x * facing * c - y * sn) * s, cy + (x * facing * sn + y * c) * s) for x, y in p])


def point(cx, cy, x, y, s=1.0, facing=1, tilt=0.0):
    """A point given in a head's own units (as face_profile), placed on the picture."""
    c, sn = math.cos(tilt), math.sin(tilt)
    return cx + (x * facing * c - y * sn) * s, cy + (x * facing * sn + y * c) * s


def fist(x, y, ang, s=1.0):
    """A fist closed round a grip at (x, y), its knuckles along `ang`: a smooth mitt with the
    thumb wrapped over the fingers."""
    c, sn = math.cos(ang), math.sin(ang)

    def tr(px, py):
        return x + (px * c - py * sn) * s, y + (px * sn + py * c) * s
    d = smooth([tr(-4.6, -2.4), tr(-1.2, -3.6), tr(2.4, -3.2), tr(3.6, -1.0), tr(3.4, 1.8), tr(1.0, 3.4), tr(-2.8, 3.0),
                tr(-5.0, 1.2)])
    return d
