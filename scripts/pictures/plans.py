# SPDX-License-Identifier: MIT
"""Body plans: each turns an animal's description (a dict of proportions and
features) into the parts of a side-view silhouette facing right.

Lengths are in body lengths (the trunk from hip to shoulder is `body`), so a
description reads as proportions: a neck of 2.5 is two and a half times the
trunk. Angles are in degrees above the horizontal."""
import math

from shapes import BEHIND, BODY, FAR, FRONT, NEAR, Curve, Drawing, add, polar, rotate, scale


# --- heads --------------------------------------------------------------------
# Each head is drawn in its own frame (x forward from the neck joint, y up),
# then turned and placed at the end of the neck.

def head_outline(kind, L, D, head):
    """The head's outline and its eye, in the head frame."""
    if kind == 'theropod':
        snout = head.get('snout', 0.2)
        return [(-0.05 * L, 0.35 * D), (0.2 * L, 0.55 * D), (0.45 * L, 0.5 * D), (L, snout * D + 0.05 * D),
                (1.02 * L, -0.12 * D), (0.92 * L, -0.3 * D), (0.55 * L, -0.38 * D), (0.15 * L, -0.55 * D),
                (-0.05 * L, -0.35 * D)], (0.3 * L, 0.25 * D)
    if kind == 'croc':
        return [(-0.05 * L, 0.3 * D), (0.25 * L, 0.45 * D), (0.4 * L, 0.2 * D), (0.98 * L, 0.12 * D),
                (1.04 * L, -0.05 * D), (0.98 * L, -0.2 * D), (0.35 * L, -0.28 * D), (0.1 * L, -0.45 * D),
                (-0.05 * L, -0.3 * D)], (0.22 * L, 0.3 * D)
    if kind == 'small':
        return [(-0.1 * L, 0.3 * D), (0.3 * L, 0.5 * D), (0.75 * L, 0.35 * D), (1.0 * L, 0.05 * D),
                (0.95 * L, -0.25 * D), (0.5 * L, -0.45 * D), (0.0, -0.4 * D)], (0.4 * L, 0.15 * D)
    if kind == 'arched':  # sauropods with a high nasal arch
        return [(-0.1 * L, 0.2 * D), (0.15 * L, 0.5 * D), (0.45 * L, 0.75 * D), (0.65 * L, 0.5 * D),
                (1.0 * L, 0.1 * D), (0.95 * L, -0.3 * D), (0.45 * L, -0.42 * D), (0.0, -0.4 * D)], (0.35 * L, 0.2 * D)
    if kind == 'boxy':  # Camarasaurus and kin
        return [(-0.1 * L, 0.3 * D), (0.2 * L, 0.55 * D), (0.7 * L, 0.5 * D), (1.0 * L, 0.2 * D),
                (1.0 * L, -0.3 * D), (0.4 * L, -0.5 * D), (0.0, -0.4 * D)], (0.35 * L, 0.2 * D)
    if kind == 'flatmouth':  # a broad, straight muzzle
        return [(-0.1 * L, 0.3 * D), (0.3 * L, 0.45 * D), (0.8 * L, 0.2 * D), (1.02 * L, 0.1 * D),
                (1.05 * L, -0.5 * D), (0.9 * L, -0.55 * D), (0.3 * L, -0.4 * D), (0.0, -0.35 * D)], (0.35 * L, 0.2 * D)
    if kind == 'beak':
        return [(-0.08 * L, 0.3 * D), (0.25 * L, 0.5 * D), (0.6 * L, 0.35 * D), (1.05 * L, -0.05 * D),
                (0.9 * L, -0.25 * D), (0.5 * L, -0.4 * D), (0.0, -0.4 * D)], (0.3 * L, 0.2 * D)
    if kind == 'duck':
        return [(-0.08 * L, 0.3 * D), (0.25 * L, 0.45 * D), (0.6 * L, 0.2 * D), (0.95 * L, 0.1 * D),
                (1.08 * L, -0.05 * D), (1.05 * L, -0.25 * D), (0.8 * L, -0.22 * D), (0.45 * L, -0.45 * D),
                (0.0, -0.45 * D)], (0.3 * L, 0.18 * D)
    if kind == 'parrot':  # short deep head with a hooked beak
        return [(-0.1 * L, 0.3 * D), (0.2 * L, 0.55 * D), (0.6 * L, 0.5 * D), (0.98 * L, 0.2 * D),
                (1.0 * L, -0.15 * D), (0.85 * L, -0.35 * D), (0.75 * L, -0.1 * D), (0.6 * L, -0.45 * D),
                (0.1 * L, -0.5 * D)], (0.4 * L, 0.2 * D)
    if kind == 'ceratopsian':
        return [(0.0, 0.35 * D), (0.35 * L, 0.4 * D), (0.75 * L, 0.25 * D), (1.0 * L, 0.0),
                (0.95 * L, -0.35 * D), (0.82 * L, -0.3 * D), (0.75 * L, -0.5 * D), (0.2 * L, -0.55 * D),
                (0.0, -0.3 * D)], (0.45 * L, 0.15 * D)
    if kind == 'dome':
        return [(-0.1 * L, 0.2 * D), (0.0, 0.7 * D), (0.25 * L, 0.95 * D), (0.55 * L, 0.85 * D),
                (0.8 * L, 0.35 * D), (1.0 * L, 0.0), (0.9 * L, -0.3 * D), (0.3 * L, -0.45 * D),
                (-0.05 * L, -0.3 * D)], (0.5 * L, 0.25 * D)
    if kind == 'armoured':  # broad low head with horns at the back corners
        return [(-0.15 * L, 0.15 * D), (-0.05 * L, 0.45 * D), (0.4 * L, 0.5 * D), (0.9 * L, 0.25 * D),
                (1.0 * L, -0.1 * D), (0.85 * L, -0.35 * D), (0.2 * L, -0.45 * D), (-0.1 * L, -0.55 * D),
                (0.0, -0.3 * D)], (0.45 * L, 0.15 * D)
    if kind == 'pterosaur':
        return [(-0.05 * L, 0.3 * D), (0.2 * L, 0.45 * D), (1.0 * L, 0.02 * D), (1.0 * L, -0.02 * D),
                (0.25 * L, -0.4 * D), (-0.05 * L, -0.3 * D)], (0.15 * L, 0.12 * D)
    if kind == 'lizard':
        return [(-0.05 * L, 0.35 * D), (0.3 * L, 0.45 * D), (0.95 * L, 0.15 * D), (1.02 * L, -0.05 * D),
                (0.9 * L, -0.25 * D), (0.3 * L, -0.45 * D), (-0.05 * L, -0.35 * D)], (0.3 * L, 0.2 * D)
    if kind == 'turtle':
        return [(-0.1 * L, 0.35 * D), (0.4 * L, 0.55 * D), (0.85 * L, 0.35 * D), (1.0 * L, -0.05 * D),
                (0.85 * L, -0.45 * D), (0.8 * L, -0.2 * D), (0.4 * L, -0.45 * D), (-0.1 * L, -0.35 * D)], (0.45 * L, 0.15 * D)
    raise ValueError('unknown head ' + kind)


def split_at(outline, y):
    """The parts of a closed outline above and below the line at height y."""
    def clip(keep):
        out = []
        for i, p in enumerate(outline):
            q = outline[(i + 1) % len(outline)]
            if keep(p):
                out.append(p)
            if keep(p) != keep(q):
                t = (y - p[1]) / (q[1] - p[1])
                out.append((p[0] + t * (q[0] - p[0]), y))
        return out
    return clip(lambda p: p[1] >= y), clip(lambda p: p[1] < y)


def draw_head(d, joint, degrees, animal):
    h = animal['head']
    kind, L, D = h['kind'], h['len'], h['depth']
    outline, eye = head_outline(kind, L, D, h)

    def place(p):
        return add(joint, rotate(p, degrees))

    gape = h.get('open', 0)
    if gape:
        mouth = h.get('mouth', -0.1) * D
        upper, lower = split_at(outline, mouth)
        hinge = (0.05 * L, mouth)
        d.polygon([place(p) for p in upper], NEAR, FRONT)
        d.polygon([place(add(hinge, rotate((x - hinge[0], y - hinge[1]), -gape))) for x, y in lower], NEAR, FRONT)
    else:
        d.polygon([place(p) for p in outline], NEAR, FRONT)
    for part in h.get('parts', []):
        draw_head_part(d, part, L, D, place)
    if not h.get('no_eye'):
        d.eye(place(eye), 0.07 * D + 0.01)
    return place


def draw_head_part(d, part, L, D, place):
    kind = part[0]
    if kind == 'horn':        # ('horn', x, y, length, angle, base)
        _, x, y, length, angle, base = part
        b = (x * L, y * D)
        tip = add(b, polar(length * D, angle))
        side = polar(base * D / 2, angle + 90)
        d.polygon([place(add(b, side)), place(tip), place(add(b, scale(side, -1)))], NEAR, FRONT)
    elif kind == 'frill':     # ('frill', length, height, angle, spikes, spike_len) leaning back from the skull
        _, length, height, angle, spikes, spike_len = part
        base = (0.25 * L, 0.3 * D)
        lean = 180 - angle
        centre = add(base, polar(length * D * 0.36, lean))

        def rim(t):
            return add(centre, rotate((length * D * 0.5 * math.cos(t), height * D * 0.5 * math.sin(t)), lean))

        d.polygon([place(rim(2 * math.pi * i / 36)) for i in range(36)], NEAR, FRONT)
        for i in range(spikes):
            t = math.radians(-60 + 120 * (i + 0.5) / spikes)
            out = polar(spike_len * D, lean + math.degrees(t) * 0.9)
            side = polar(0.07 * D, lean + math.degrees(t) * 0.9 + 90)
            r = rim(t)
            d.polygon([place(add(r, side)), place(add(r, out)), place(add(r, scale(side, -1)))], NEAR, FRONT)
    elif kind == 'crest':     # ('crest', [(x, y) points in head units, above the skull])
        d.polygon([place((x * L, y * D)) for x, y in part[1]], NEAR, FRONT)
    elif kind == 'tube':      # Parasaurolophus: a long curved tube back from the head
        _, length, angle, width = part
        start = (0.35 * L, 0.35 * D)
        mid = add(start, polar(length * D * 0.55, 180 - angle))
        end = add(mid, polar(length * D * 0.5, 180 - angle - 12))
        c = Curve([start, mid, end], [width * D, width * D, width * D * 0.8])
        d.polygon([place(p) for p in c.outline()], NEAR, FRONT)
        d.ellipse(place(end), width * D * 0.8, width * D * 0.8, colour=NEAR, layer=FRONT)
    elif kind == 'knobs':     # ('knobs', n, radius) around the back of a dome
        _, n, r = part
        for i in range(n):
            a = math.radians(100 + 70 * i / max(1, n - 1))
            c = (0.35 * L + 0.45 * D * math.cos(a), 0.45 * D + 0.55 * D * math.sin(a))
            d.ellipse(place(c), r * D, r * D, colour=NEAR, layer=FRONT)
    elif kind == 'bumps':     # ('bumps', n, radius, x0, x1, y)
        _, n, r, x0, x1, y = part
        for i in range(n):
            x = x0 + (x1 - x0) * i / max(1, n - 1)
            d.ellipse(place((x * L, y * D)), r * D, r * D, colour=NEAR, layer=FRONT)
    elif kind == 'teeth':     # ('teeth', n, length, x0, x1): teeth jutting forward from the jaw tip
        _, n, length, x0, x1 = part
        for i in range(n):
            x = x0 + (x1 - x0) * i / max(1, n - 1)
            b = (x * L, -0.1 * D)
            d.polygon([place(b), place(add(b, (length * D, -0.15 * D))), place(add(b, (0.0, -0.12 * D)))], NEAR, FRONT)
    else:
        raise ValueError('unknown head part ' + kind)


# --- limbs ----------------------------------------------------------------------

def leg(d, hip, pose, width, colour, layer, foot=0.25, claws=0):
    """A leg from the hip through the given joints (offsets as fractions of
    the hip's height), ending on the ground with a foot pointing forward."""
    h = hip[1]
    pts = [hip]
    for dx, dy in pose:
        pts.append(add(pts[-1], (dx * h, dy * h)))
    pts[-1] = (pts[-1][0], max(0.02 * h, pts[-1][1]))
    toe = (pts[-1][0] + foot * h, max(0.0, pts[-1][1] - 0.06 * h))
    widths = [width, width * 0.62, width * 0.38, width * 0.3][:len(pts)]
    while len(widths) < len(pts):
        widths.append(width * 0.3)
    d.tube(pts, widths, colour, layer)
    d.tube([pts[-1], toe], [width * 0.3, width * 0.12], colour, layer)


BIPED_NEAR = [(0.22, -0.42), (-0.2, -0.38), (0.04, -0.2)]
BIPED_FAR = [(0.05, -0.45), (-0.25, -0.33), (0.12, -0.22)]
COLUMN_NEAR = [(0.06, -0.5), (-0.04, -0.5)]
COLUMN_FAR = [(-0.06, -0.5), (0.08, -0.5)]
SPRAWL = [(0.15, -0.45), (0.05, -0.55)]

# Legs in mid-stride, near and far: walking two-legged animals put the near
# foot forward; running ones push off with the near leg and swing the far one
# forward, its foot off the ground. Four-legged walkers stride with both near
# legs spread, the far ones passing under the body.
BIPED_GAITS = {
    'stand': (BIPED_NEAR, BIPED_FAR),
    'walk': ([(0.32, -0.4), (0.02, -0.38), (0.12, -0.22)], [(-0.08, -0.45), (-0.3, -0.33), (-0.08, -0.22)]),
    'run': ([(-0.05, -0.45), (-0.35, -0.3), (-0.12, -0.25)], [(0.42, -0.22), (0.0, -0.38), (0.1, -0.12)]),
}
QUAD_WALK_FORWARD = [(0.22, -0.5), (0.12, -0.5)]
QUAD_WALK_BACK = [(-0.18, -0.5), (-0.12, -0.5)]


def arm(d, shoulder, length, width, angle, colour, layer, claws=2, claw_len=0.12, fingers_big=False):
    elbow = add(shoulder, polar(length * 0.5, angle))
    hand = add(elbow, polar(length * 0.5, angle + 55))
    d.tube([shoulder, elbow, hand], [width, width * 0.7, width * 0.45], colour, layer)
    for i in range(claws):
        base = hand
        a = angle + 55 + (i - (claws - 1) / 2) * 18
        tip = add(base, polar(length * claw_len * (2.2 if fingers_big else 1.0), a - 40))
        side = polar(width * 0.25, a + 50)
        d.polygon([add(base, side), tip, add(base, scale(side, -1))], colour, layer)
    return hand


# --- backs, tails and other features -------------------------------------------

def along(spine, t0, t1, n):
    return [t0 + (t1 - t0) * (i + 0.5) / n for i in range(n)]


def feature(d, spine, f, animal):
    kind = f[0]
    L = animal['body']
    if kind == 'plates':      # ('plates', t0, t1, n, height, shape)
        _, t0, t1, n, height, shape = f
        for i, t in enumerate(along(spine, t0, t1, n)):
            base, normal = spine.edge(t, 1, -0.02 * L)
            mid_h = height * L * (0.55 + 0.45 * math.sin(math.pi * (i + 0.5) / n))
            half = (t1 - t0) / n * 0.55
            b0, _ = spine.edge(t - half, 1, -0.02 * L)
            b1, _ = spine.edge(t + half, 1, -0.02 * L)
            tip = add(base, scale(normal, mid_h))
            if shape == 'kite':
                side = scale((normal[1], -normal[0]), mid_h * 0.35)
                d.polygon([b0, add(add(base, scale(normal, mid_h * 0.55)), scale(side, -1)), tip,
                           add(add(base, scale(normal, mid_h * 0.55)), side), b1], NEAR, BEHIND)
            else:
                d.polygon([b0, tip, b1], NEAR, BEHIND)
    elif kind == 'spikes':    # ('spikes', t0, t1, n, length, lean) pointing up and back
        _, t0, t1, n, length, lean = f
        for t in along(spine, t0, t1, n):
            base, normal = spine.edge(t, 1, -0.02 * L)
            direction = rotate(normal, lean)
            side = scale((normal[1], -normal[0]), 0.05 * L)
            d.polygon([add(base, side), add(base, scale(direction, length * L)), add(base, scale(side, -1))],
                      NEAR, BEHIND)
    elif kind == 'side_spikes':  # ('side_spikes', t0, t1, n, length) along the flank, pointing out and back
        _, t0, t1, n, length = f
        for t in along(spine, t0, t1, n):
            p, tan, w = spine.at(t)
            base = add(p, (0.0, -0.1 * w))
            tip = add(base, add(scale(tan, -length * L * 0.7), (0.0, length * L * 0.35)))
            side = (0.0, 0.05 * L)
            d.polygon([add(base, side), tip, add(base, scale(side, -1))], NEAR, FRONT)
    elif kind == 'sail':      # ('sail', t0, t1, height, shape)
        _, t0, t1, height, shape = f
        pts = []
        for i in range(25):
            t = t0 + (t1 - t0) * i / 24
            base, normal = spine.edge(t, 1, -0.02 * L)
            s = i / 24
            if shape == 'hump':
                h = math.sin(math.pi * s) ** 1.5
            elif shape == 'peak':
                h = max(0.0, 1 - abs(s - 0.6) / 0.4)
            elif shape == 'ridge':
                h = 0.6 + 0.4 * math.sin(math.pi * s)
            else:
                h = math.sin(math.pi * s)
            pts.append(add(base, scale(normal, height * L * h)))
        b1, _ = spine.edge(t1, 1, -0.05 * L)
        b0, _ = spine.edge(t0, 1, -0.05 * L)
        d.polygon(pts + [b1, b0], NEAR, BEHIND)
    elif kind == 'bumps':     # ('bumps', t0, t1, n, radius) armour along the back
        _, t0, t1, n, r = f
        for t in along(spine, t0, t1, n):
            base, normal = spine.edge(t, 1, -r * L * 0.4)
            d.ellipse(base, r * L, r * L * 0.8, colour=NEAR, layer=BODY)
    elif kind == 'club':      # ('club', size)
        _, size = f
        p, tan, w = spine.at(0.0)
        d.ellipse(p, size * L * 0.75, size * L * 0.5, math.degrees(math.atan2(tan[1], tan[0])), NEAR, BODY)
    elif kind == 'tail_spikes':  # ('tail_spikes', n, length)
        _, n, length = f
        for i in range(n):
            t = 0.03 + 0.1 * i / max(1, n - 1)
            base, normal = spine.edge(t, 1, -0.02 * L)
            _, tan, _ = spine.at(t)
            direction = rotate(normal, 35 + 25 * (n - 1 - i) / max(1, n - 1))
            side = scale(tan, 0.04 * L)
            d.polygon([add(base, side), add(base, scale(direction, length * L)), add(base, scale(side, -1))],
                      NEAR, BEHIND)
    elif kind == 'tail_fan':  # ('tail_fan', length, spread) feathers at the tail's end
        _, length, spread = f
        p, tan, w = spine.at(0.0)
        back = scale(tan, -1)
        pts = [add(p, scale(rotate(back, a), length * L)) for a in (-spread, -spread / 2, 0, spread / 2, spread)]
        q, _, _ = spine.at(0.12)
        d.polygon([q] + pts, NEAR, BODY)
    elif kind == 'tail_vane':  # Rhamphorhynchus: a diamond vane at the tail tip
        _, size = f
        p, tan, w = spine.at(0.0)
        d.polygon([add(p, (0, size * L * 0.6)), add(p, (-size * L, 0)), add(p, (0, -size * L * 0.6)),
                   add(p, (size * L * 0.6, 0))], NEAR, BODY)
    elif kind == 'neck_spines':  # ('neck_spines', t0, t1, n, length): two rows, drawn near and far
        _, t0, t1, n, length = f
        for t in along(spine, t0, t1, n):
            base, normal = spine.edge(t, 1, -0.02 * L)
            for colour, lean, layer in ((FAR, 30, BEHIND), (NEAR, 18, BEHIND)):
                direction = rotate(normal, lean)
                side = scale((normal[1], -normal[0]), 0.025 * L)
                d.polygon([add(base, side), add(base, scale(direction, length * L)), add(base, scale(side, -1))],
                          colour, layer)
    elif kind == 'dorsal_fin':  # ('dorsal_fin', t, height, width)
        _, t, height, width = f
        b0, normal = spine.edge(t - width / 2, 1, -0.02 * L)
        b1, _ = spine.edge(t + width / 2, 1, -0.02 * L)
        top = add(spine.edge(t + width * 0.1, 1, 0)[0], scale(normal, height * L))
        d.polygon([b0, add(top, (-0.15 * height * L, 0)), b1], NEAR, BODY)
    elif kind == 'tail_fluke':  # ('tail_fluke', upper, lower) a crescent fin at the tail's end
        _, upper, lower = f
        p, tan, w = spine.at(0.0)
        back = scale(tan, -1)
        up = rotate(back, -55 if back[0] < 0 else 55)
        down = rotate(back, 55 if back[0] < 0 else -55)
        q, _, _ = spine.at(0.06)
        d.polygon([q, add(p, scale(up, upper * L)), add(p, scale(back, 0.1 * L)), add(p, scale(down, lower * L))],
                  NEAR, BODY)
    elif kind == 'scutes':    # ('scutes', t0, t1, n, size) small points along a crocodile's back
        _, t0, t1, n, size = f
        for t in along(spine, t0, t1, n):
            base, normal = spine.edge(t, 1, -0.01 * L)
            p, tan, w = spine.at(t)
            d.polygon([add(base, scale(tan, size * L)), add(base, scale(normal, size * L)),
                       add(base, scale(tan, -size * L))], NEAR, BODY)
    else:
        raise ValueError('unknown feature ' + kind)


# --- the land animals -------------------------------------------------------------

def land_animal(animal):
    """Dinosaurs and the other land animals: a trunk, a neck and a tail in one
    smooth line, two or four legs, and the features of the description."""
    d = Drawing()
    L = animal['body']
    depth = animal['depth'] * L
    hip_h = animal['hip'] * L
    quad = animal.get('stance', 'biped') != 'biped'
    tilt = animal.get('tilt', 0)
    y_hip = hip_h + depth * 0.3
    hip = (0.0, y_hip)
    shoulder = (L, y_hip + L * math.tan(math.radians(tilt)))
    middle = (L * 0.5, (hip[1] + shoulder[1]) / 2 + depth * animal.get('arch', 0.08))

    tl, tw = animal['tail'] * L, animal.get('tail_w', 0.3) * depth
    droop, bend = animal.get('tail_droop', 10), animal.get('tail_bend', 0)
    t1 = add(hip, polar(tl * 0.3, 180 + droop))
    t2 = add(t1, polar(tl * 0.35, 180 + droop + bend))
    t3 = add(t2, polar(tl * 0.35, 180 + droop + 2 * bend))

    nl, nw = animal['neck'] * L, animal.get('neck_w', 0.25) * depth
    n_angle, n_bend = animal.get('neck_angle', 30), animal.get('neck_bend', 0)
    n1 = add(shoulder, polar(nl * 0.5, n_angle + n_bend))
    n2 = add(n1, polar(nl * 0.5, n_angle - n_bend))

    # the neck narrows to the head it carries
    neck_end = min(nw * 0.8, animal['head']['depth'] * L * 0.5)
    spine = Curve([t3, t2, t1, hip, middle, shoulder, n1, n2],
                  [0.006 * L, tw * 0.35, tw * 0.75, depth * 0.5, depth * animal.get('belly', 0.55),
                   depth * animal.get('chest', 0.45), max(neck_end, nw * 0.85), neck_end])
    d.polygon(spine.outline(), NEAR, BODY)

    head_angle = animal.get('head_angle', n_angle - n_bend - 45)
    draw_head(d, n2, head_angle, animal)

    leg_w = animal.get('leg_w', 0.22) * depth
    hip_joint = (0.05 * L, y_hip - depth * 0.15)
    if quad:
        walking = animal.get('gait') == 'walk'
        near_pose = animal.get('hind_pose', QUAD_WALK_BACK if walking else COLUMN_NEAR)
        far_pose = animal.get('hind_far', QUAD_WALK_FORWARD if walking else COLUMN_FAR)
        leg(d, add(hip_joint, (0.12 * L, 0)), far_pose, leg_w, FAR, BEHIND, animal.get('foot', 0.12))
        leg(d, hip_joint, near_pose, leg_w, NEAR, BODY, animal.get('foot', 0.12))
        fore = (shoulder[0] - 0.1 * L, shoulder[1] - depth * 0.2)
        fore_w = animal.get('fore_w', 0.85) * leg_w
        fore_pose = animal.get('fore_pose', QUAD_WALK_FORWARD if walking else COLUMN_NEAR)
        fore_far = animal.get('fore_far', QUAD_WALK_BACK if walking else COLUMN_FAR)
        leg(d, add(fore, (-0.12 * L, 0)), fore_far, fore_w, FAR, BEHIND, animal.get('foot', 0.12))
        leg(d, fore, fore_pose, fore_w, NEAR, BODY, animal.get('foot', 0.12))
    else:
        near_pose, far_pose = BIPED_GAITS[animal.get('gait', 'stand')]
        leg(d, add(hip_joint, (0.1 * L, 0)), far_pose, leg_w, FAR, BEHIND, animal.get('foot', 0.25))
        leg(d, hip_joint, near_pose, leg_w, NEAR, BODY, animal.get('foot', 0.25))
        arm_len = animal.get('arm', 0.6) * L
        if arm_len > 0:
            root = (shoulder[0] - 0.08 * L, shoulder[1] - depth * 0.25)
            arm_w = animal.get('arm_w', 0.12) * depth
            arm(d, add(root, (-0.05 * L, 0)), arm_len, arm_w * 0.9, animal.get('arm_angle', -70), FAR, BEHIND,
                animal.get('claws', 3), animal.get('claw_len', 0.12), animal.get('big_claws', False))
            hand = arm(d, root, arm_len, arm_w, animal.get('arm_angle', -70) + 8, NEAR, FRONT,
                       animal.get('claws', 3), animal.get('claw_len', 0.12), animal.get('big_claws', False))
            if animal.get('arm_feathers'):
                length = animal['arm_feathers'] * L
                elbow = add(root, polar(arm_len * 0.5, animal.get('arm_angle', -70) + 8))
                d.polygon([root, elbow, hand, add(hand, polar(length, -150)), add(elbow, polar(length, -130))],
                          NEAR, FRONT)
    for f in animal.get('features', []):
        feature(d, spine, f, animal)
    return d
