# SPDX-License-Identifier: MIT
"""Shapes for the animal pictures: smooth tubes, ellipses and polygons in a
model space with y pointing up, collected into one drawing that is written as
an SVG fitted to the picture's frame."""
import math

NEAR = '#2e2a25'      # the animal's near side
FAR = '#8c8478'       # the limbs and parts on its far side
GROUND = '#f4efe4'    # the plain background
EYE = '#f4efe4'

BEHIND, BODY, FRONT = 0, 1, 2


def lerp(a, b, t):
    return a + (b - a) * t


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def scale(p, s):
    return (p[0] * s, p[1] * s)


def polar(length, degrees):
    a = math.radians(degrees)
    return (length * math.cos(a), length * math.sin(a))


def rotate(p, degrees, about=(0.0, 0.0)):
    a = math.radians(degrees)
    x, y = p[0] - about[0], p[1] - about[1]
    return (about[0] + x * math.cos(a) - y * math.sin(a),
            about[1] + x * math.sin(a) + y * math.cos(a))


def catmull_rom(points, steps=10):
    """A smooth curve through the points (the ends are held straight)."""
    if len(points) < 3:
        return [tuple(p) for p in points]
    pts = [points[0]] + list(points) + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t +
                                    (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2 +
                                    (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in (0, 1)))
    out.append(tuple(points[-1]))
    return out


class Curve:
    """A smooth centre line with a half-width at every control point, so that a
    tube can be drawn along it and points found on its upper or lower edge."""

    def __init__(self, points, widths, steps=10):
        self.points = catmull_rom(points, steps)
        n = len(points) - 1
        self.widths = []
        for i in range(len(self.points)):
            u = min(i / steps, n) if n > 0 else 0
            k = min(int(u), n - 1) if n > 0 else 0
            self.widths.append(lerp(widths[k], widths[min(k + 1, n)], u - k) if n > 0 else widths[0])
        self.lengths = [0.0]
        for a, b in zip(self.points, self.points[1:]):
            self.lengths.append(self.lengths[-1] + math.dist(a, b))

    def _index(self, t):
        target = t * self.lengths[-1]
        for i in range(1, len(self.lengths)):
            if self.lengths[i] >= target:
                return i - 1, (target - self.lengths[i - 1]) / max(1e-9, self.lengths[i] - self.lengths[i - 1])
        return len(self.points) - 2, 1.0

    def at(self, t):
        """Point, unit tangent and half-width at a fraction t of the length."""
        i, f = self._index(max(0.0, min(1.0, t)))
        a, b = self.points[i], self.points[i + 1]
        d = math.dist(a, b) or 1e-9
        tangent = ((b[0] - a[0]) / d, (b[1] - a[1]) / d)
        return (lerp(a[0], b[0], f), lerp(a[1], b[1], f)), tangent, lerp(self.widths[i], self.widths[i + 1], f)

    def edge(self, t, side=1.0, out=0.0):
        """A point on the upper (side 1) or lower (side -1) edge, moved out."""
        p, tan, w = self.at(t)
        normal = (-tan[1] * side, tan[0] * side)
        if tan[0] < 0:
            normal = (-normal[0], -normal[1])
        return add(p, scale(normal, w + out)), normal

    def outline(self):
        left, right = [], []
        n = len(self.points)
        for i, p in enumerate(self.points):
            a = self.points[max(0, i - 1)]
            b = self.points[min(n - 1, i + 1)]
            d = math.dist(a, b) or 1e-9
            nx, ny = -(b[1] - a[1]) / d, (b[0] - a[0]) / d
            w = self.widths[i]
            left.append((p[0] + nx * w, p[1] + ny * w))
            right.append((p[0] - nx * w, p[1] - ny * w))
        return left + right[::-1]


def ellipse_points(centre, rx, ry, degrees=0.0, n=40):
    return [rotate(add(centre, (rx * math.cos(2 * math.pi * i / n), ry * math.sin(2 * math.pi * i / n))),
                   degrees, centre) for i in range(n)]


class Drawing:
    """The parts of one picture, drawn in layer order."""

    def __init__(self):
        self.parts = []

    def polygon(self, points, colour=NEAR, layer=BODY):
        self.parts.append((layer, colour, [tuple(p) for p in points], None))

    def tube(self, points, widths, colour=NEAR, layer=BODY, caps=True):
        curve = Curve(points, widths)
        self.polygon(curve.outline(), colour, layer)
        if caps:
            for end, w in ((curve.points[0], curve.widths[0]), (curve.points[-1], curve.widths[-1])):
                if w > 0.004:
                    self.ellipse(end, w, w, colour=colour, layer=layer)
        return curve

    def ellipse(self, centre, rx, ry, degrees=0.0, colour=NEAR, layer=BODY):
        self.polygon(ellipse_points(centre, rx, ry, degrees), colour, layer)

    def eye(self, centre, r):
        self.parts.append((FRONT + 1, EYE, None, (centre, r)))

    def bounds(self):
        xs, ys = [], []
        for _, _, pts, circle in self.parts:
            if pts:
                xs += [p[0] for p in pts]
                ys += [p[1] for p in pts]
        return min(xs), min(ys), max(xs), max(ys)

    def svg(self, width=400, height=300, fill=0.92):
        """The drawing scaled to fill the frame (fill of its width or height),
        centred, y turned to point down as SVG wants it."""
        x0, y0, x1, y1 = self.bounds()
        s = fill * min(width / (x1 - x0), height / (y1 - y0))
        ox = (width - s * (x1 - x0)) / 2 - s * x0
        oy = (height - s * (y1 - y0)) / 2 + s * y1

        def xy(p):
            return '%.1f,%.1f' % (ox + s * p[0], oy - s * p[1])

        out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
               % (width, height, width, height),
               '<rect width="100%%" height="100%%" fill="%s"/>' % GROUND]
        for layer, colour, pts, circle in sorted(self.parts, key=lambda part: part[0]):
            if pts:
                out.append('<polygon fill="%s" points="%s"/>' % (colour, ' '.join(xy(p) for p in pts)))
            else:
                (c, r) = circle
                x, y = xy(c).split(',')
                out.append('<circle fill="%s" cx="%s" cy="%s" r="%.1f"/>' % (colour, x, y, max(1.6, s * r)))
        out.append('</svg>')
        return '\n'.join(out) + '\n'
