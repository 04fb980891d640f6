# SPDX-License-Identifier: MIT
"""Body-plan templates: the proportions shared by a group of animals. An
animal's description starts from one and changes what sets it apart."""


def like(template, **changes):
    """A description: the template with some proportions changed. A changed
    head is merged into the template's head; features replace the template's
    unless given as more=[...]."""
    animal = dict(template)
    head = dict(animal.get('head', {}))
    head.update(changes.pop('head', {}))
    if head:
        animal['head'] = head
    more = changes.pop('more', [])
    animal.update(changes)
    animal['features'] = list(animal.get('features', [])) + list(more)
    return animal


def theropod_head(length, depth, *parts, **extra):
    return dict(kind='theropod', len=length, depth=depth, parts=list(parts), **extra)


TYRANT = dict(plan='land', body=1.0, depth=0.78, hip=1.25, tilt=12, arch=0.1,
              tail=2.3, tail_w=0.6, tail_droop=-2, tail_bend=8, neck=0.45, neck_w=0.45, neck_angle=35, neck_bend=10,
              head=theropod_head(0.85, 0.52), head_angle=-8, arm=0.26, arm_w=0.16, claws=2, leg_w=0.45)

BIG_THEROPOD = dict(plan='land', body=1.0, depth=0.66, hip=1.3, tilt=8, tail=2.6, tail_w=0.55, tail_droop=-3, tail_bend=7,
                    neck=0.6, neck_w=0.4, neck_angle=38, neck_bend=12,
                    head=theropod_head(0.72, 0.38), head_angle=-10, arm=0.55, arm_w=0.14, claws=3, leg_w=0.4)

SMALL_THEROPOD = dict(plan='land', body=1.0, depth=0.5, hip=1.55, tilt=10, tail=3.0, tail_w=0.45, tail_droop=-5, tail_bend=7,
                      neck=0.95, neck_w=0.3, neck_angle=50, neck_bend=15,
                      head=theropod_head(0.5, 0.22), head_angle=-12, arm=0.6, arm_w=0.14, claws=3, leg_w=0.32)

RAPTOR = dict(plan='land', body=1.0, depth=0.55, hip=1.35, tilt=6, tail=2.6, tail_w=0.4, tail_droop=-2,
              neck=0.65, neck_w=0.3, neck_angle=55, neck_bend=18,
              head=theropod_head(0.5, 0.26, snout=0.1), head_angle=-10, arm=0.85, arm_w=0.13, claws=3,
              arm_feathers=0.3, leg_w=0.34, features=[('tail_fan', 0.35, 20)])

OSTRICH = dict(plan='land', body=1.0, depth=0.6, hip=1.9, tilt=12, tail=2.2, tail_w=0.4, tail_droop=4,
               neck=1.3, neck_w=0.22, neck_angle=60, neck_bend=15,
               head=dict(kind='beak', len=0.38, depth=0.18), head_angle=-5, arm=0.75, arm_w=0.11, claws=3,
               leg_w=0.3)

EGG_THIEF = dict(plan='land', body=1.0, depth=0.6, hip=1.35, tilt=15, tail=1.4, tail_w=0.45, tail_droop=0,
                 neck=0.85, neck_w=0.25, neck_angle=60, neck_bend=18,
                 head=dict(kind='parrot', len=0.38, depth=0.3), head_angle=-5, arm=0.7, arm_w=0.12, claws=3,
                 arm_feathers=0.3, leg_w=0.32, features=[('tail_fan', 0.35, 25)])

SCYTHE = dict(plan='land', body=1.0, depth=0.95, hip=1.0, tilt=35, arch=0.05, belly=0.62, tail=1.0, tail_w=0.45,
              tail_droop=20, neck=1.0, neck_w=0.25, neck_angle=60, neck_bend=12,
              head=dict(kind='beak', len=0.3, depth=0.17), head_angle=0, arm=1.2, arm_w=0.12, claws=3,
              claw_len=0.3, big_claws=True, arm_angle=-80, leg_w=0.4)

SPINE_SNOUT = dict(plan='land', body=1.0, depth=0.6, hip=1.2, tilt=12, tail=2.4, tail_w=0.5, tail_droop=5,
                   neck=0.8, neck_w=0.32, neck_angle=35, neck_bend=10,
                   head=dict(kind='croc', len=1.0, depth=0.28), head_angle=-10, arm=0.7, arm_w=0.16, claws=3,
                   leg_w=0.36)

LONG_NECK = dict(plan='land', stance='quad', body=1.0, depth=0.82, hip=1.05, tilt=-4, arch=0.1,
                 tail=3.0, tail_w=0.45, tail_droop=12, tail_bend=-6, neck=1.9, neck_w=0.36, neck_angle=25,
                 neck_bend=-8, head=dict(kind='small', len=0.3, depth=0.14), head_angle=-10, leg_w=0.36, fore_w=0.9)

TALL_NECK = dict(plan='land', stance='quad', body=1.0, depth=0.92, hip=1.1, tilt=16, arch=0.1,
                 tail=1.4, tail_w=0.42, tail_droop=18, neck=2.0, neck_w=0.42, neck_angle=66, neck_bend=4,
                 head=dict(kind='arched', len=0.32, depth=0.2), head_angle=-8, leg_w=0.32, fore_w=1.0)

STOUT_NECK = dict(plan='land', stance='quad', body=1.0, depth=0.85, hip=1.1, tilt=4, arch=0.12,
                  tail=1.8, tail_w=0.45, tail_droop=15, neck=1.6, neck_w=0.34, neck_angle=42, neck_bend=6,
                  head=dict(kind='boxy', len=0.32, depth=0.2), head_angle=-20, leg_w=0.34, fore_w=0.95)

EARLY_LONG_NECK = dict(plan='land', body=1.0, depth=0.6, hip=1.15, tilt=10, tail=2.3, tail_w=0.45, tail_droop=8,
                       neck=1.1, neck_w=0.28, neck_angle=28, neck_bend=8,
                       head=dict(kind='small', len=0.35, depth=0.17), head_angle=-12, arm=0.65, arm_w=0.15, claws=3,
                       claw_len=0.2, leg_w=0.34)

PLATED = dict(plan='land', stance='quad', body=1.0, depth=0.8, hip=0.95, tilt=-18, arch=0.35,
              tail=1.6, tail_w=0.45, tail_droop=-5, tail_bend=8, neck=0.5, neck_w=0.22, neck_angle=-20,
              head=dict(kind='small', len=0.3, depth=0.14), head_angle=-25, leg_w=0.35,
              features=[('plates', 0.18, 0.88, 9, 0.45, 'kite'), ('tail_spikes', 2, 0.35)])

ARMOURED = dict(plan='land', stance='quad', body=1.0, depth=0.72, hip=0.6, tilt=0, arch=0.2, belly=0.6,
                tail=1.3, tail_w=0.35, tail_droop=2, neck=0.25, neck_w=0.35, neck_angle=-5,
                head=dict(kind='armoured', len=0.45, depth=0.28), head_angle=-10, leg_w=0.34, foot=0.1,
                features=[('bumps', 0.3, 0.85, 9, 0.06), ('side_spikes', 0.35, 0.8, 4, 0.12)])

HORNED = dict(plan='land', stance='quad', body=1.0, depth=0.7, hip=0.75, tilt=-3, arch=0.05,
              tail=0.9, tail_w=0.32, tail_droop=8, neck=0.4, neck_w=0.38, neck_angle=-22,
              head=dict(kind='ceratopsian', len=0.8, depth=0.46), head_angle=-18, leg_w=0.38)

DUCKBILL = dict(plan='land', stance='quad', body=1.0, depth=0.72, hip=1.2, tilt=-12, arch=0.12,
                tail=2.1, tail_w=0.55, tail_droop=2, neck=0.8, neck_w=0.26, neck_angle=35, neck_bend=14,
                head=dict(kind='duck', len=0.95, depth=0.4), head_angle=-25, leg_w=0.38, fore_w=0.55,
                fore_pose=[(0.04, -0.5), (0.02, -0.5)])

IGUANODONT = dict(DUCKBILL, head=dict(kind='beak', len=0.5, depth=0.26), fore_w=0.65)

RUNNER = dict(plan='land', body=1.0, depth=0.55, hip=1.35, tilt=12, tail=2.4, tail_w=0.45, tail_droop=0,
              neck=0.55, neck_w=0.26, neck_angle=45, neck_bend=10,
              head=dict(kind='beak', len=0.38, depth=0.22), head_angle=-12, arm=0.45, arm_w=0.1, claws=3, leg_w=0.32)

DOMED = dict(RUNNER, depth=0.7, hip=1.25, tail=1.9, tail_w=0.5, neck=0.45, neck_w=0.32,
             head=dict(kind='dome', len=0.45, depth=0.36, parts=[('knobs', 6, 0.06)]), arm=0.35)

FLYER = dict(plan='flyer', body=1.0, hip=0.8, neck=0.8, neck_angle=40, tail=0.25, wing=2.6,
             head=dict(kind='pterosaur', len=1.2, depth=0.25), head_angle=-15)

LONG_NECK_SWIMMER = dict(plan='swimmer', body=1.0, depth=0.5, tail=0.6, neck=1.4, neck_w=0.28, neck_angle=12,
                         neck_bend=-6, head=dict(kind='small', len=0.25, depth=0.12), head_angle=5,
                         flippers=[('front', 0.25, 0.7, 0.14, -145), ('hind', -0.35, 0.6, 0.13, -155)])

BIG_HEAD_SWIMMER = dict(plan='swimmer', body=1.0, depth=0.5, tail=0.55, neck=0.35, neck_w=0.42, neck_angle=3,
                        head=dict(kind='croc', len=0.75, depth=0.28), head_angle=0,
                        flippers=[('front', 0.25, 0.6, 0.13, -150), ('hind', -0.35, 0.55, 0.12, -160)])

FISH_LIZARD = dict(plan='swimmer', body=1.0, depth=0.55, tail=1.0, tail_w=0.22, tail_bend=-6, neck=0.3, neck_w=0.4,
                   head=dict(kind='croc', len=0.7, depth=0.3), head_angle=0,
                   flippers=[('front', 0.3, 0.35, 0.1, -140), ('hind', -0.3, 0.2, 0.07, -150)],
                   features=[('dorsal_fin', 0.5, 0.35, 0.12), ('tail_fluke', 0.45, 0.5)])

SEA_LIZARD = dict(plan='swimmer', body=1.0, depth=0.42, tail=1.6, tail_w=0.35, tail_bend=4, neck=0.2, neck_w=0.4,
                  head=dict(kind='lizard', len=0.6, depth=0.22), head_angle=0,
                  flippers=[('front', 0.3, 0.35, 0.09, -140), ('hind', -0.4, 0.3, 0.08, -150)],
                  features=[('tail_fluke', 0.12, 0.35)])

SPRAWLER = dict(plan='sprawler', body=1.0, depth=0.45, hip=0.45, tilt=0, arch=0.1, tail=1.4, tail_w=0.5,
                tail_droop=6, neck=0.25, neck_w=0.45, neck_angle=5,
                head=dict(kind='lizard', len=0.5, depth=0.26), head_angle=-5, leg_w=0.32, fore_w=0.9, foot=0.15)

CROCODILE = dict(SPRAWLER, depth=0.38, hip=0.35, tail=2.2, tail_w=0.6, tail_droop=2,
                 head=dict(kind='croc', len=0.9, depth=0.22), head_angle=-3,
                 features=[('scutes', 0.05, 0.85, 22, 0.03)])
