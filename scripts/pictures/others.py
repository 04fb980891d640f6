# SPDX-License-Identifier: MIT
"""Body plans of the animals that are not built like a dinosaur: flying
reptiles, sea reptiles, an armoured fish and a giant millipede. Each faces
right, in side view, like the dinosaurs."""
import math

from plans import SPRAWL, draw_head, feature, land_animal, leg
from shapes import BEHIND, BODY, FAR, FRONT, NEAR, Curve, Drawing, add, polar


def flipper(d, root, length, width, angle, colour, layer):
    tip = add(root, polar(length, angle))
    mid = add(root, polar(length * 0.45, angle + 8))
    d.tube([root, mid, tip], [width * 0.5, width, width * 0.15], colour, layer)


def swimmer(animal):
    """Sea reptiles and fish: a body along one line, fins and flippers."""
    d = Drawing()
    L = animal['body']
    depth = animal['depth'] * L
    tail = animal['tail'] * L
    # a neck much shorter than it is wide would fold its outline into loops
    neck = max(animal.get('neck', 0.1), 0.5 * animal.get('neck_w', 0.2) * animal['depth']) * L
    bend = animal.get('tail_bend', 0)
    t_end = add((-L * 0.5, 0.0), polar(tail, 180 + bend))
    t_mid = add((-L * 0.5, 0.0), polar(tail * 0.5, 180 + bend * 0.4))
    n_angle = animal.get('neck_angle', 5)
    n1 = add((L * 0.5, 0.02 * L), polar(neck * 0.5, n_angle + animal.get('neck_bend', 0)))
    n2 = add(n1, polar(neck * 0.5, n_angle - animal.get('neck_bend', 0)))
    # the neck narrows to the head it carries
    neck_end = min(animal.get('neck_w', 0.2) * depth * 0.85, animal['head']['depth'] * L * 0.5)
    spine = Curve([t_end, t_mid, (-L * 0.5, 0.0), (0.0, 0.04 * L), (L * 0.5, 0.02 * L), n1, n2],
                  [0.005 * L, depth * animal.get('tail_w', 0.2), depth * 0.42, depth * 0.5, depth * 0.4,
                   animal.get('neck_w', 0.2) * depth, neck_end])
    d.polygon(spine.outline(), NEAR, BODY)
    draw_head(d, n2, animal.get('head_angle', n_angle), animal)
    for name, x, length, width, angle in animal.get('flippers', []):
        root = (x * L, -depth * 0.25)
        flipper(d, add(root, (0.08 * L, 0.05 * L)), length * L, width * L, angle + 12, FAR, BEHIND)
        flipper(d, root, length * L, width * L, angle, NEAR, FRONT)
    for f in animal.get('features', []):
        feature(d, spine, f, animal)
    return d


def shelled(animal):
    """A sea turtle: a domed shell, a head on a short neck, long front flippers."""
    d = Drawing()
    L = animal['body']
    top = [(L * 0.5 * math.cos(math.pi * i / 30), L * animal['shell'] * math.sin(math.pi * i / 30)) for i in range(31)]
    d.polygon(top + [(-0.45 * L, -0.06 * L), (0.45 * L, -0.06 * L)], NEAR, BODY)
    neck = Curve([(0.4 * L, 0.02 * L), (0.6 * L, 0.02 * L)], [0.08 * L, 0.07 * L])
    d.polygon(neck.outline(), NEAR, BODY)
    draw_head(d, (0.58 * L, 0.02 * L), -5, animal)
    flipper(d, (0.3 * L, -0.05 * L), 0.75 * L, 0.12 * L, -150, FAR, BEHIND)
    flipper(d, (0.25 * L, -0.06 * L), 0.8 * L, 0.13 * L, -160, NEAR, FRONT)
    flipper(d, (-0.4 * L, -0.04 * L), 0.3 * L, 0.08 * L, -170, NEAR, FRONT)
    d.polygon([(-0.48 * L, 0.0), (-0.62 * L, -0.03 * L), (-0.48 * L, -0.05 * L)], NEAR, BODY)
    return d


def raised_wing(d, shoulder, hip, wing, L):
    """The far wing raised: arm up and back to the wing tip, the membrane down to the leg."""
    elbow = add(shoulder, polar(0.45 * wing, 105))
    tip = add(elbow, polar(0.8 * wing, 160))
    d.polygon([shoulder, elbow, tip, add(tip, polar(0.15 * wing, -60)), (0.15 * L, hip[1] + 0.05 * L),
               (0.5 * L, hip[1])], FAR, BEHIND)
    d.tube([shoulder, elbow, tip], [0.05 * L, 0.04 * L, 0.01 * L], FAR, BEHIND, caps=False)


def flyer(animal):
    """A pterosaur on the ground: a short body on hind legs and folded fore
    limbs, the neck and head forward, and the far wing raised above unless
    the description folds it (wings='folded')."""
    d = Drawing()
    L = animal['body']
    hip_h = animal['hip'] * L
    hip = (0.0, hip_h + 0.15 * L)
    shoulder = (L, hip[1] + 0.25 * L)
    tail = animal.get('tail', 0.2) * L
    t_end = add(hip, polar(tail, 190))
    nl = animal['neck'] * L
    n_angle = animal.get('neck_angle', 40)
    n1 = add(shoulder, polar(nl * 0.5, n_angle + 10))
    n2 = add(n1, polar(nl * 0.5, n_angle - 10))
    spine = Curve([t_end, hip, (0.5 * L, hip[1] + 0.15 * L), shoulder, n1, n2],
                  [0.01 * L, 0.16 * L, 0.22 * L, 0.18 * L, animal.get('neck_w', 0.08) * L, animal.get('neck_w', 0.08) * L * 0.8])
    d.polygon(spine.outline(), NEAR, BODY)
    draw_head(d, n2, animal.get('head_angle', -20), animal)
    wing = animal.get('wing', 2.6) * L
    if animal.get('wings') != 'folded':
        raised_wing(d, shoulder, hip, wing, L)
    # the near fore limb folded to the ground in front, the hind legs under the hip
    fore = animal.get('fore', 1.0)
    wrist = add(shoulder, (0.15 * L, -hip[1] * 0.55 * fore))
    d.tube([shoulder, add(shoulder, (0.35 * L, -0.25 * hip[1])), wrist, (wrist[0] + 0.05 * L, 0.0)],
           [0.07 * L, 0.06 * L, 0.04 * L, 0.025 * L], NEAR, FRONT)
    d.polygon([wrist, add(wrist, polar(0.7 * wing * fore, 120)), add(wrist, (0.03 * L, 0.05 * L))], NEAR, FRONT)
    leg(d, add(hip, (0.1 * L, -0.1 * L)), [(0.15, -0.5), (-0.1, -0.45)], 0.09 * L, FAR, BEHIND, 0.15)
    leg(d, add(hip, (0.0, -0.1 * L)), [(0.2, -0.5), (-0.05, -0.45)], 0.1 * L, NEAR, BODY, 0.15)
    for f in animal.get('features', []):
        feature(d, spine, f, animal)
    return d


def segmented(animal):
    """A giant millipede: a row of plates, a pair of legs under each."""
    d = Drawing()
    n, L = animal['segments'], animal['body']
    seg = L / n
    centres = [(i * seg, 0.35 * seg + 0.08 * seg * math.sin(i / n * 2 * math.pi)) for i in range(n)]
    for i, c in enumerate(centres):
        for k, colour, layer in ((0.25, FAR, BEHIND), (-0.15, NEAR, FRONT)):
            foot = add(c, (k * seg, -0.75 * seg))
            d.tube([add(c, (0, -0.1 * seg)), foot, (foot[0], 0.0)], [0.06 * seg, 0.05 * seg, 0.03 * seg], colour, layer)
        d.ellipse(add(c, (0, 0.25 * seg)), 0.62 * seg, 0.55 * seg, colour=NEAR, layer=BODY)
    head = add(centres[-1], (0.55 * seg, 0.2 * seg))
    d.ellipse(head, 0.45 * seg, 0.4 * seg, colour=NEAR, layer=BODY)
    for a, colour in ((35, NEAR), (20, FAR)):
        d.tube([head, add(head, polar(1.2 * seg, a)), add(head, polar(2.0 * seg, a - 25))],
               [0.05 * seg, 0.04 * seg, 0.02 * seg], colour, BODY)
    d.eye(add(head, (0.15 * seg, 0.1 * seg)), 0.08 * seg)
    return d


def sprawler(animal):
    """Early four-legged animals whose legs stand out to the side: shown as
    short, bent legs under a low body."""
    animal = dict(animal)
    animal.setdefault('stance', 'quad')
    animal.setdefault('hind_pose', SPRAWL)
    animal.setdefault('hind_far', [(0.0, -0.5), (0.1, -0.5)])
    animal.setdefault('fore_pose', SPRAWL)
    animal.setdefault('fore_far', [(0.0, -0.5), (0.1, -0.5)])
    return land_animal(animal)
