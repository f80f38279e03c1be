"""pictures_stones.py -- the druids' ring of standing stones, seen across the ring so that its far
stones stand small and high and its near stones large and low, lintels over two pairs, on a
disc of grass; moonlight from above rims their tops. Cut out on the key colour."""
import math

from art_night import Painter


def standing_stones(w, h):
    p = Painter(w, h, 45)
    cx, cy, rx, ry = w / 2, 80, 180, 30
    grass = p.linear([(0, "#2a3a26", 1), (1, "#0c140c", 1)])
    p.shape("M%.1f,%.1f a%.1f,%.1f 0 1 0 %.1f,0 a%.1f,%.1f 0 1 0 %.1f,0 Z" % (
        cx - rx - 30, cy + 8, rx + 30, ry + 14, 2 * (rx + 30), rx + 30, ry + 14, -2 * (rx + 30)), grass,
        texture=p.relief(freq="0.05 0.2", octaves=3, azimuth=270, scale=2, strength=1.4, base=0.55))
    tex = p.relief(freq=0.09, octaves=4, azimuth=240, elevation=40, scale=3, strength=1.6, base=0.5)
    n = 10
    stones = []
    for i in range(n):
        a = math.radians(90 + i * 360 / n + 14)
        x, y = cx + rx * math.cos(a), cy + ry * math.sin(a)
        depth = (math.sin(a) + 1) / 2  # 0 far, 1 near
        stones.append((depth, x, y, a, i))
    stones.sort()
    rng = p.rng
    # The far half first, then the altar stone in the middle, then the near half.
    def draw(st):
        depth, x, y, a, i = st
        sc = 0.6 + 0.55 * depth
        sw, sh = 22 * sc * rng.uniform(0.85, 1.15), 62 * sc * rng.uniform(0.85, 1.1)
        lean = rng.uniform(-3, 3)
        # A rough slab: broad at the foot, its top broken unevenly.
        d = "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" % (
            x - sw / 2 - 2 * sc, y, x - sw / 2 + lean, y - sh * rng.uniform(0.55, 0.7), x - sw / 2 + lean + 2 * sc,
            y - sh + rng.uniform(0, 6) * sc, x + lean + rng.uniform(-3, 3) * sc, y - sh - rng.uniform(0, 4) * sc,
            x + sw / 2 + lean - 1 * sc, y - sh + rng.uniform(0, 5) * sc, x + sw / 2 + lean + 1, y - sh * rng.uniform(0.5, 0.8),
            x + sw / 2 + 2 * sc, y)
        shade = 0.35 + 0.65 * depth
        top = "#%02x%02x%02x" % (int(0x6a * shade + 0x1c * (1 - shade)), int(0x72 * shade + 0x2a * (1 - shade)),
                                 int(0x82 * shade + 0x48 * (1 - shade)))
        fill = p.linear([(0, top, 1), (1, "#10141c", 1)], 0, 0, 0.4, 1)
        p.shape(d, fill, texture=tex, rim="#cfdcff", rim_dx=1.2, rim_dy=2.2, rim_soft=0.8, rim_opacity=0.7)
        return x, y - sh, sw, sc
    tops = {}
    for st in stones:
        if st[0] < 0.5:
            tops[st[4]] = draw(st)
    p.shape("M%.1f,%.1f l60,-4 l4,12 l-62,4 Z" % (cx - 32, cy - 6), "#3a4050", texture=tex, rim="#cfdcff",
            rim_dx=0.6, rim_dy=2, rim_soft=0.6, rim_opacity=0.6)
    near = [st for st in stones if st[0] >= 0.5]
    for st in near:
        tops[st[4]] = draw(st)
    # Lintels across neighbouring pairs: one on the far side, two near.
    for i, j in ((5, 6), (0, 1), (8, 9)):
        (x0, y0, w0, s0), (x1, y1, w1, s1) = sorted((tops[i], tops[j]))
        t = 8 * (s0 + s1) / 2
        d = "M%.1f,%.1f L%.1f,%.1f L%.1f,%.1f L%.1f,%.1f Z" % (x0 - w0 / 2, y0 + 3, x1 + w1 / 2, y1 + 3,
                                                           x1 + w1 / 2, y1 - t + 3, x0 - w0 / 2, y0 - t + 3)
        p.shape(d, "#4a5262", texture=tex, rim="#cfdcff", rim_dx=0.5, rim_dy=2, rim_soft=0.6, rim_opacity=0.8)
    return p.svg()
