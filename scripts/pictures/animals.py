# SPDX-License-Identifier: MIT
"""What each animal's picture shows: its body plan, its proportions and the
features a player knows it by. The names are the database's; the picture of
each is written to the file named beside it."""
from templates import (ARMOURED, BIG_HEAD_SWIMMER, BIG_THEROPOD, CROCODILE, DOMED, DUCKBILL, EARLY_LONG_NECK,
                       EGG_THIEF, FISH_LIZARD, FLYER, HORNED, IGUANODONT, LONG_NECK, LONG_NECK_SWIMMER, OSTRICH,
                       PLATED, RAPTOR, RUNNER, SCYTHE, SEA_LIZARD, SMALL_THEROPOD, SPINE_SNOUT, SPRAWLER, STOUT_NECK,
                       TALL_NECK, TYRANT, like, theropod_head)


def frill(length, height, angle=45, spikes=0, spike_len=0.0):
    """A neck frill rising behind the skull (angle above the skull's line),
    drawn a little larger than the bone so that it reads at picture size."""
    return ('frill', length * 1.15, height * 1.1, angle + 15, spikes, spike_len)


def horn(x, y, length, angle, base=0.16):
    return ('horn', x, y, length, angle, base)


def crest(*points):
    return ('crest', list(points))


ANIMALS = [
    ('Tyrannosaurus rex', 'trex.jpg', like(TYRANT, head=dict(open=24))),
    ('Stegosaurus', 'stegosaurus.jpg', like(PLATED)),
    ('Triceratops', 'triceratops.jpg', like(HORNED, head=dict(parts=[
        frill(1.1, 0.85, 55), horn(0.5, 0.4, 1.0, 75), horn(0.88, 0.2, 0.35, 80)]))),
    ('Brachiosaurus', 'brachiosaurus.jpg', like(TALL_NECK, neck_w=0.34)),
    ('Apatosaurus', 'apatosaurus.jpg', like(LONG_NECK, depth=1.0, neck=1.7, neck_w=0.62, neck_angle=8, neck_bend=-14, head_angle=-40, tail=2.8, leg_w=0.46)),
    ('Diplodocus', 'diplodocus.jpg', like(LONG_NECK, depth=0.68, hip=1.15, neck=2.3, tail=4.0, tail_bend=-3, neck_angle=8, neck_bend=-3)),
    ('Velociraptor', 'velociraptor.jpg', like(RAPTOR, head=dict(len=0.6, depth=0.24, snout=0.05), neck_angle=50)),
    ('Ankylosaurus', 'ankylosaurus.jpg', like(ARMOURED, more=[('club', 0.45)])),
    ('Pteranodon', 'pteranodon.jpg', like(FLYER, neck=0.6, head=dict(len=1.3, depth=0.25, parts=[
        crest((0.0, 0.3), (-1.6, 0.9), (-1.5, 0.55), (0.1, 0.05))]))),
    ('Plesiosaurus', 'plesiosaurus.jpg', like(LONG_NECK_SWIMMER, neck=1.1, depth=0.6)),
    ('Coelophysis', 'coelophysis.jpg', like(SMALL_THEROPOD, head=dict(len=0.6, depth=0.2))),
    ('Spinosaurus', 'spinosaurus.jpg', like(SPINE_SNOUT, hip=0.9, tilt=15, depth=0.55, tail=2.8, tail_w=0.7,
                                             more=[('sail', 0.33, 0.78, 0.8, 'arc')])),
    ('Iguanodon', 'iguanodon.jpg', like(IGUANODONT, depth=0.8, head=dict(len=0.55, depth=0.3))),
    ('Allosaurus', 'allosaurus.jpg', like(BIG_THEROPOD, arm=0.7, head_angle=5, head=dict(parts=[
    horn(0.3, 0.5, 0.45, 85, 0.35), ('bumps', 4, 0.07, 0.5, 0.9, 0.3)]))),
    ('Dilophosaurus', 'dilophosaurus.jpg', like(BIG_THEROPOD, depth=0.55, neck=0.8, head=theropod_head(0.65, 0.3, crest(
        (0.1, 0.45), (0.3, 1.25), (0.55, 1.35), (0.9, 0.4), (0.6, 0.55), (0.3, 0.55))))),
    ('Parasaurolophus', 'parasaurolophus.jpg', like(DUCKBILL, head=dict(parts=[('tube', 3.2, 25, 0.16)]))),
    ('Pachycephalosaurus', 'pachycephalosaurus.jpg', like(DOMED, head=dict(len=0.5, depth=0.42,
                                                                           parts=[('knobs', 8, 0.07)]))),
    ('Deinonychus', 'deinonychus.jpg', like(RAPTOR, depth=0.6, gait='run', head=dict(len=0.55, depth=0.3))),
    ('Protoceratops', 'protoceratops.jpg', like(HORNED, depth=0.7, hip=0.6, tail=1.2, tail_w=0.5, head=dict(
        len=0.75, depth=0.45, parts=[frill(0.9, 0.55, 35), horn(0.8, 0.3, 0.12, 80, 0.3)]))),
    ('Ceratosaurus', 'ceratosaurus.jpg', like(BIG_THEROPOD, depth=0.6, tail=2.9, tail_w=0.7, head=theropod_head(
        0.7, 0.4, horn(0.75, 0.3, 0.45, 85, 0.25), horn(0.25, 0.5, 0.2, 80, 0.3)),
                                               more=[('bumps', 0.2, 0.95, 14, 0.025)])),
    ('Compsognathus', 'compsognathus.jpg', like(SMALL_THEROPOD, depth=0.62, hip=1.3, neck=0.45, neck_angle=70, tail=2.4,
                                                 arm=0.35, head=dict(len=0.45, depth=0.3), head_angle=-5)),
    ('Maiasaura', 'maiasaura.jpg', like(DUCKBILL, stance='biped', tilt=25, arm=0.6, arm_w=0.16, claws=0, hip=1.3, head=dict(parts=[crest((0.3, 0.4), (0.45, 0.7), (0.55, 0.35))]))),
    ('Edmontosaurus', 'edmontosaurus.jpg', like(DUCKBILL, tail=2.4, neck_angle=-15, neck_bend=-10, head_angle=-70, head=dict(len=0.75, depth=0.25, parts=[
        crest((0.2, 0.45), (0.3, 0.75), (0.45, 0.7), (0.5, 0.4))]))),
    ('Styracosaurus', 'styracosaurus.jpg', like(HORNED, head=dict(parts=[
        frill(0.85, 0.6, 45, 6, 0.55), horn(0.8, 0.3, 0.85, 80)]))),
    ('Megalosaurus', 'megalosaurus.jpg', like(BIG_THEROPOD, depth=0.7, arm=0.75, claw_len=0.2, neck_angle=20,
                                             head_angle=-30, head=dict(len=0.7, depth=0.4))),
    ('Quetzalcoatlus', 'quetzalcoatlus.jpg', like(FLYER, hip=1.1, neck=2.2, neck_w=0.08, neck_angle=55, wing=2.2, wings='folded',
                                                   fore=1.4, head=dict(len=1.6, depth=0.3, parts=[
                                                       crest((0.0, 0.35), (0.3, 0.75), (0.45, 0.3))]),
                                                   head_angle=-30)),
    ('Elasmosaurus', 'elasmosaurus.jpg', like(LONG_NECK_SWIMMER, neck=2.6, neck_angle=10, neck_bend=-10)),
    ('Baryonyx', 'baryonyx.jpg', like(SPINE_SNOUT, depth=0.65, arm=0.85, claw_len=0.25, big_claws=True,
                                       head=dict(len=0.95, depth=0.24),
                                       more=[('sail', 0.35, 0.85, 0.12, 'ridge')])),
    ('Giganotosaurus', 'giganotosaurus.jpg', like(BIG_THEROPOD, depth=0.8, hip=1.15, tilt=4, arm=0.4, head_angle=-18, gait='walk',
                                                   head=dict(len=1.05, depth=0.4, snout=0.05),
                                                   more=[('sail', 0.45, 0.85, 0.1, 'hump')])),
    ('Carnotaurus', 'carnotaurus.jpg', like(BIG_THEROPOD, depth=0.6, hip=1.5, arm=0.18, claws=1, neck=0.7, gait='run',
                                             head=theropod_head(0.5, 0.45, horn(0.3, 0.55, 0.6, 55, 0.35)))),
    ('Camarasaurus', 'camarasaurus.jpg', like(STOUT_NECK)),
    ('Plateosaurus', 'plateosaurus.jpg', like(EARLY_LONG_NECK, head=dict(len=0.38, depth=0.2))),
    ('Psittacosaurus', 'psittacosaurus.jpg', like(RUNNER, depth=0.65, hip=1.0, arm=0.5, head=dict(
        kind='parrot', len=0.42, depth=0.36, parts=[horn(0.55, -0.3, 0.25, -110, 0.3)]),
                                                   more=[('spikes', 0.05, 0.25, 6, 0.25, 30)])),
    ('Hypsilophodon', 'hypsilophodon.jpg', like(RUNNER, gait='walk')),
    ('Kentrosaurus', 'kentrosaurus.jpg', like(PLATED, depth=0.7, tail=1.9, features=[
        ('plates', 0.5, 0.9, 6, 0.3, 'kite'), ('spikes', 0.1, 0.5, 6, 0.5, 35), ('side_spikes', 0.45, 0.55, 1, 0.5)])),
    ('Albertosaurus', 'albertosaurus.jpg', like(TYRANT, depth=0.55, hip=1.6, neck_angle=30, head_angle=-12, tail_droop=-12,
                                               tilt=2, gait='run', arm=0.22,
                                               head=theropod_head(0.7, 0.4, horn(0.3, 0.5, 0.35, 80, 0.3)))),
    ('Tuojiangosaurus', 'tuojiangosaurus.jpg', like(PLATED, features=[
        ('plates', 0.15, 0.9, 14, 0.32, 'spike'), ('tail_spikes', 2, 0.3)])),
    ('Mamenchisaurus', 'mamenchisaurus.jpg', like(LONG_NECK, neck=3.4, neck_angle=8, neck_bend=-4, tail=2.4, tilt=4)),
    ('Saltasaurus', 'saltasaurus.jpg', like(STOUT_NECK, depth=0.95, neck=1.4, head=dict(kind='small', len=0.3, depth=0.15),
                                            more=[('bumps', 0.25, 0.8, 10, 0.05)])),
    ('Euoplocephalus', 'euoplocephalus.jpg', like(ARMOURED, depth=0.8, more=[('club', 0.3), ('spikes', 0.55, 0.9, 4, 0.12, 0)])),
    ('Scelidosaurus', 'scelidosaurus.jpg', like(ARMOURED, hip=0.8, depth=0.6, tail=2.0, neck=0.4, neck_angle=10,
                                                 head=dict(kind='small', len=0.3, depth=0.16),
                                                 features=[('bumps', 0.1, 0.9, 16, 0.04)])),
    ('Heterodontosaurus', 'heterodontosaurus.jpg', like(RUNNER, depth=0.5, neck_angle=70, tilt=20, tail=2.6, arm=0.6, head=dict(
        kind='beak', len=0.4, depth=0.26, parts=[('teeth', 1, 0.18, 0.55, 0.55)]))),
    ('Ouranosaurus', 'ouranosaurus.jpg', like(IGUANODONT, more=[('sail', 0.3, 0.95, 0.55, 'hump')])),
    ('Troodon', 'troodon.jpg', like(RAPTOR, gait='run', features=[('tail_fan', 0.25, 15)], arm_feathers=0.18,
                                     head=dict(len=0.45, depth=0.25))),
    ('Muttaburrasaurus', 'muttaburrasaurus.jpg', like(IGUANODONT, head=dict(kind='beak', len=0.5, depth=0.32, parts=[
        ('bumps', 1, 0.3, 0.65, 0.65, 0.35)]))),
    ('Therizinosaurus', 'therizinosaurus.jpg', like(SCYTHE)),
    ('Cetiosaurus', 'cetiosaurus.jpg', like(STOUT_NECK, neck=1.8, neck_angle=20, tail=2.6, head=dict(kind='small', len=0.35, depth=0.17))),
    ('Carcharodontosaurus', 'carcharodontosaurus.jpg', like(BIG_THEROPOD, depth=0.72, neck_angle=-5, neck_bend=-10,
                                                             head_angle=-55, tail_droop=-10,
                                                             head=dict(len=0.95, depth=0.45))),
    ('Eustreptospondylus', 'eustreptospondylus.jpg', like(BIG_THEROPOD, depth=0.55, hip=1.45, gait='run', neck=0.75, head=dict(len=0.6, depth=0.3))),
    ('Herrerasaurus', 'herrerasaurus.jpg', like(SMALL_THEROPOD, depth=0.6, gait='walk', neck=0.6, hip=1.3, head=dict(len=0.6, depth=0.3))),
    ('Archaeopteryx', 'archaeopteryx.jpg', like(RAPTOR, depth=0.55, neck=0.5, tail=2.2, arm=1.0, arm_feathers=0.7,
                                                 head=dict(len=0.4, depth=0.22),
                                                 features=[('tail_fan', 0.5, 12)])),
    ('Utahraptor', 'utahraptor.jpg', like(RAPTOR, depth=0.8, hip=1.2, leg_w=0.45, gait='walk', tail=2.2, tail_w=0.5,
                                         neck_angle=30, head_angle=-20, head=dict(len=0.6, depth=0.34))),
    ('Microraptor', 'microraptor.jpg', like(RAPTOR, arm=1.0, arm_feathers=0.6, head=dict(len=0.4, depth=0.24),
                                             features=[('tail_fan', 0.7, 6)], hip=1.2)),
    ('Gallimimus', 'gallimimus.jpg', like(OSTRICH)),
    ('Ornithomimus', 'ornithomimus.jpg', like(OSTRICH, neck=1.0, arm_feathers=0.25, hip=1.7)),
    ('Oviraptor', 'oviraptor.jpg', like(EGG_THIEF, head=dict(parts=[crest((0.3, 0.5), (0.6, 1.0), (0.8, 0.4))]))),
    ('Suchomimus', 'suchomimus.jpg', like(SPINE_SNOUT, more=[('sail', 0.3, 0.85, 0.3, 'hump')])),
    ('Acrocanthosaurus', 'acrocanthosaurus.jpg', like(BIG_THEROPOD, depth=0.7, tail=2.4, more=[('sail', 0.0, 1.0, 0.35, 'ridge')])),
    ('Tarbosaurus', 'tarbosaurus.jpg', like(TYRANT, arm=0.15, neck_angle=50, head_angle=25, tilt=22, tail_droop=18,
                                           head=dict(len=0.95, depth=0.45, open=30))),
    ('Torvosaurus', 'torvosaurus.jpg', like(BIG_THEROPOD, depth=0.72, arm=0.35, neck_angle=25, head_angle=-15, gait='walk',
                                           tail_droop=-6, head=dict(len=1.0, depth=0.36, open=22))),
    ('Daspletosaurus', 'daspletosaurus.jpg', like(TYRANT, depth=0.7, hip=1.35, head_angle=15, neck_angle=45, head=theropod_head(
        0.85, 0.6, horn(0.3, 0.5, 0.3, 80, 0.3), ('bumps', 3, 0.08, 0.55, 0.85, 0.3)))),
    ('Gorgosaurus', 'gorgosaurus.jpg', like(TYRANT, depth=0.55, hip=1.6, tail=2.8, tail_droop=-4, neck=0.6, neck_angle=5,
                                           head_angle=-45, tilt=-4, gait='walk', head=dict(len=0.7, depth=0.38))),
    ('Sinosauropteryx', 'sinosauropteryx.jpg', like(SMALL_THEROPOD, tail=3.6, tail_w=0.6, arm=0.3,
                                                     head=dict(len=0.45, depth=0.22))),
    ('Caudipteryx', 'caudipteryx.jpg', like(EGG_THIEF, tail=0.8, head=dict(kind='parrot', len=0.3, depth=0.22),
                                             arm_feathers=0.45, features=[('tail_fan', 0.7, 40)])),
    ('Dromaeosaurus', 'dromaeosaurus.jpg', like(RAPTOR, depth=0.65, head=dict(len=0.45, depth=0.34, snout=0.15))),
    ('Concavenator', 'concavenator.jpg', like(BIG_THEROPOD, depth=0.6, more=[('sail', 0.9, 1.0, 0.7, 'peak')])),
    ('Majungasaurus', 'majungasaurus.jpg', like(BIG_THEROPOD, depth=0.7, hip=1.05, arm=0.16, claws=1, neck=0.5, gait='walk', head=theropod_head(
        0.55, 0.42, horn(0.35, 0.55, 0.25, 85, 0.35)))),
    ('Masiakasaurus', 'masiakasaurus.jpg', like(SMALL_THEROPOD, neck=0.7, gait='walk', neck_angle=20, head_angle=-30, head=theropod_head(
        0.5, 0.22, ('teeth', 3, 0.5, 0.85, 0.95)))),
    ('Irritator', 'irritator.jpg', like(SPINE_SNOUT, depth=0.5, head=dict(len=1.05, depth=0.26, parts=[
        crest((0.2, 0.45), (0.45, 0.7), (0.6, 0.3))]))),
    ('Nothronychus', 'nothronychus.jpg', like(SCYTHE, depth=0.85, arm=0.9, neck=0.8, tail=1.3)),
    ('Citipati', 'citipati.jpg', like(EGG_THIEF, head=dict(parts=[crest((0.3, 0.5), (0.55, 1.4), (0.85, 0.3))]))),
    ('Deinocheirus', 'deinocheirus.jpg', like(OSTRICH, depth=0.85, hip=1.4, neck=1.2, arm=1.4, arm_w=0.12, claw_len=0.2,
                                               big_claws=True, head=dict(kind='duck', len=0.6, depth=0.22),
                                               more=[('sail', 0.3, 0.8, 0.45, 'hump')])),
    ('Struthiomimus', 'struthiomimus.jpg', like(OSTRICH, depth=0.55, arm=0.9, claw_len=0.2)),
    ('Guanlong', 'guanlong.jpg', like(SMALL_THEROPOD, depth=0.55, neck=0.8, head=theropod_head(0.55, 0.28, crest(
        (0.05, 0.45), (0.2, 1.3), (0.9, 0.6), (0.85, 0.3))))),
    ('Bambiraptor', 'bambiraptor.jpg', like(RAPTOR, arm=1.0, gait='run', head=dict(len=0.42, depth=0.3))),
    ('Alioramus', 'alioramus.jpg', like(TYRANT, depth=0.55, hip=1.6, neck=0.6, head=theropod_head(
        0.9, 0.3, ('bumps', 5, 0.12, 0.35, 0.8, 0.38)))),
    ('Anzu', 'anzu.jpg', like(EGG_THIEF, hip=1.6, tail=1.6, head=dict(parts=[crest((0.3, 0.5), (0.4, 1.2), (0.8, 0.4))]))),
    ('Staurikosaurus', 'staurikosaurus.jpg', like(SMALL_THEROPOD, neck=0.6, gait='run', tail=3.4, head=dict(len=0.55, depth=0.28))),
    ('Liliensternus', 'liliensternus.jpg', like(SMALL_THEROPOD, depth=0.55, neck=1.0, hip=1.45, head=theropod_head(
        0.6, 0.24, crest((0.15, 0.4), (0.5, 0.7), (0.85, 0.3))))),
    ('Sinraptor', 'sinraptor.jpg', like(BIG_THEROPOD, depth=0.62, gait='walk', head=dict(len=0.8, depth=0.36))),
    ('Sinornithosaurus', 'sinornithosaurus.jpg', like(RAPTOR, depth=0.5, gait='walk', neck_angle=25, head_angle=-30, arm_feathers=0.45, head=dict(len=0.5, depth=0.26),
                                                       features=[('tail_fan', 0.5, 20)])),
    ('Saurornitholestes', 'saurornitholestes.jpg', like(RAPTOR, hip=1.6, depth=0.5, arm_feathers=0.2, features=[])),
    ('Rajasaurus', 'rajasaurus.jpg', like(BIG_THEROPOD, depth=0.72, gait='walk', arm=0.15, claws=1, head=theropod_head(
        0.6, 0.4, ('bumps', 1, 0.3, 0.35, 0.35, 0.55)))),
    ('Elaphrosaurus', 'elaphrosaurus.jpg', like(SMALL_THEROPOD, depth=0.55, body=1.0, hip=1.1, neck=1.1, tail=2.4, arm=0.3,
                                                 head=dict(kind='beak', len=0.35, depth=0.18))),
    ('Brontosaurus', 'brontosaurus.jpg', like(LONG_NECK, depth=0.9, neck=1.9, neck_w=0.55, tail=3.2, leg_w=0.42, neck_angle=42, neck_bend=-10)),
    ('Argentinosaurus', 'argentinosaurus.jpg', like(STOUT_NECK, depth=1.0, hip=1.2, neck=2.4, neck_angle=30, tail=2.2,
                                                     head=dict(kind='small', len=0.3, depth=0.16))),
    ('Amargasaurus', 'amargasaurus.jpg', like(LONG_NECK, neck=1.6, tail=2.6, neck_angle=25, more=[
        ('neck_spines', 0.62, 0.98, 9, 0.55), ('sail', 0.35, 0.6, 0.18, 'arc')])),
    ('Supersaurus', 'supersaurus.jpg', like(LONG_NECK, neck=2.5, tail=4.0, depth=0.75, neck_angle=28, gait='walk')),
    ('Barosaurus', 'barosaurus.jpg', like(LONG_NECK, neck=2.7, neck_angle=48, tail=3.0, depth=0.72)),
    ('Nigersaurus', 'nigersaurus.jpg', like(LONG_NECK, neck=1.3, tail=2.4, neck_angle=-10, head=dict(
        kind='flatmouth', len=0.4, depth=0.2), head_angle=-60)),
    ('Alamosaurus', 'alamosaurus.jpg', like(STOUT_NECK, depth=0.9, gait='walk', neck=2.4, neck_angle=40, tail=2.4,
                                             head=dict(kind='small', len=0.3, depth=0.15))),
    ('Massospondylus', 'massospondylus.jpg', like(EARLY_LONG_NECK, neck=1.4, head=dict(len=0.3, depth=0.16), arm=0.5)),
    ('Giraffatitan', 'giraffatitan.jpg', like(TALL_NECK, neck=2.4, neck_angle=72, tilt=20, depth=0.85)),
    ('Thecodontosaurus', 'thecodontosaurus.jpg', like(EARLY_LONG_NECK, depth=0.5, gait='run', neck=0.8, tail=2.6, hip=1.3)),
    ('Dicraeosaurus', 'dicraeosaurus.jpg', like(LONG_NECK, neck=1.2, neck_angle=15, tail=2.6, more=[
        ('sail', 0.3, 0.98, 0.2, 'ridge')])),
    ('Opisthocoelicaudia', 'opisthocoelicaudia.jpg', like(STOUT_NECK, depth=0.95, neck=1.6, tail=1.4, tail_droop=0,
                                                           head=dict(kind='small', len=0.3, depth=0.15))),
    ('Corythosaurus', 'corythosaurus.jpg', like(DUCKBILL, head=dict(parts=[crest(
        (0.1, 0.45), (0.15, 1.4), (0.45, 1.65), (0.7, 1.2), (0.6, 0.4))]))),
    ('Lambeosaurus', 'lambeosaurus.jpg', like(DUCKBILL, head=dict(parts=[crest(
        (0.45, 0.4), (0.6, 1.2), (0.45, 1.3), (0.2, 0.9), (-0.35, 1.05), (0.1, 0.45))]))),
    ('Hadrosaurus', 'hadrosaurus.jpg', like(DUCKBILL, stance='biped', gait='walk', tilt=18, arm=0.55, arm_w=0.16,
                                           claws=0, hip=1.35, head=dict(len=0.8, depth=0.38, parts=[
                                               ('bumps', 1, 0.3, 0.55, 0.55, 0.3)]))),
    ('Saurolophus', 'saurolophus.jpg', like(DUCKBILL, gait='walk', head=dict(parts=[crest(
        (0.55, 0.4), (-0.75, 1.35), (0.25, 0.5))]))),
    ('Shantungosaurus', 'shantungosaurus.jpg', like(DUCKBILL, depth=0.95, tail=2.6, tail_w=0.7, neck=0.9, neck_w=0.4,
                                                   neck_angle=50, head_angle=-5, head=dict(len=0.9, depth=0.34))),
    ('Thescelosaurus', 'thescelosaurus.jpg', like(RUNNER, depth=0.7, hip=1.1, tail=2.2, tail_w=0.5)),
    ('Dryosaurus', 'dryosaurus.jpg', like(RUNNER, depth=0.5, gait='run', hip=1.6, tail=2.8, head=dict(len=0.35, depth=0.2))),
    ('Leaellynasaura', 'leaellynasaura.jpg', like(RUNNER, depth=0.5, hip=1.4, head=dict(kind='small', len=0.32, depth=0.22))),
    ('Olorotitan', 'olorotitan.jpg', like(DUCKBILL, neck=1.2, head=dict(parts=[crest(
        (0.2, 0.45), (-0.1, 1.3), (0.35, 1.6), (0.7, 1.1), (0.6, 0.4))]))),
    ('Brachylophosaurus', 'brachylophosaurus.jpg', like(DUCKBILL, gait='walk', neck_angle=15, head_angle=-15,
                                                       head=dict(parts=[crest(
                                                           (0.55, 0.42), (0.4, 0.7), (-0.35, 0.72), (-0.3, 0.5))]))),
    ('Hypacrosaurus', 'hypacrosaurus.jpg', like(DUCKBILL, head=dict(parts=[crest(
        (0.15, 0.45), (0.25, 1.1), (0.55, 1.15), (0.6, 0.4))]), more=[('sail', 0.2, 0.9, 0.35, 'ridge')])),
    ('Gryposaurus', 'gryposaurus.jpg', like(DUCKBILL, head=dict(parts=[crest(
        (0.5, 0.3), (0.75, 0.85), (0.95, 0.15))]), more=[('spikes', 0.2, 0.95, 16, 0.06, 0)])),
    ('Nodosaurus', 'nodosaurus.jpg', like(ARMOURED, features=[('bumps', 0.2, 0.9, 12, 0.06)], head=dict(kind='small', len=0.4, depth=0.22))),
    ('Sauropelta', 'sauropelta.jpg', like(ARMOURED, tail=2.6, neck=0.4, neck_angle=10, gait='walk', features=[
        ('bumps', 0.2, 0.8, 9, 0.06), ('spikes', 0.84, 0.99, 4, 0.6, -10)])),
    ('Borealopelta', 'borealopelta.jpg', like(ARMOURED, features=[('bumps', 0.2, 0.8, 9, 0.06),
                                                                   ('spikes', 0.74, 0.9, 3, 0.7, 50)])),
    ('Saichania', 'saichania.jpg', like(ARMOURED, depth=0.8, more=[('club', 0.35), ('spikes', 0.8, 0.95, 3, 0.12, 0)])),
    ('Tarchia', 'tarchia.jpg', like(ARMOURED, depth=0.75, tail=1.6, more=[('club', 0.5)])),
    ('Zuul', 'zuul.jpg', like(ARMOURED, tail=1.7, more=[('club', 0.4), ('spikes', 0.0, 0.4, 6, 0.12, 20)])),
    ('Huayangosaurus', 'huayangosaurus.jpg', like(PLATED, depth=0.65, tilt=-10, features=[
        ('plates', 0.2, 0.85, 8, 0.25, 'spike'), ('side_spikes', 0.7, 0.75, 1, 0.35), ('tail_spikes', 2, 0.25)])),
    ('Miragaia', 'miragaia.jpg', like(PLATED, neck=1.4, neck_angle=25, neck_bend=5, head_angle=-15, features=[
        ('plates', 0.2, 0.95, 11, 0.3, 'kite')])),
    ('Dacentrurus', 'dacentrurus.jpg', like(PLATED, tilt=-10, features=[
        ('plates', 0.55, 0.9, 5, 0.22, 'spike'), ('spikes', 0.05, 0.5, 5, 0.45, 30)])),
    ('Pachyrhinosaurus', 'pachyrhinosaurus.jpg', like(HORNED, head=dict(parts=[
        frill(0.9, 0.6, 50, 2, 0.35), ('bumps', 1, 0.28, 0.7, 0.7, 0.35)]))),
    ('Chasmosaurus', 'chasmosaurus.jpg', like(HORNED, head=dict(parts=[
        frill(1.6, 0.75, 35), horn(0.5, 0.4, 0.25, 75), horn(0.85, 0.2, 0.15, 80)]))),
    ('Torosaurus', 'torosaurus.jpg', like(HORNED, gait='walk', head=dict(len=0.75, parts=[
        frill(1.5, 1.0, 50), horn(0.5, 0.4, 0.85, 70), horn(0.88, 0.2, 0.25, 80)]))),
    ('Centrosaurus', 'centrosaurus.jpg', like(HORNED, gait='walk', head=dict(parts=[
        frill(0.8, 0.55, 45, 2, 0.25), horn(0.8, 0.3, 0.8, 75)]))),
    ('Stegoceras', 'stegoceras.jpg', like(DOMED, depth=0.6, hip=1.3, head=dict(len=0.4, depth=0.32, parts=[('knobs', 5, 0.05)]))),
    ('Kosmoceratops', 'kosmoceratops.jpg', like(HORNED, neck_angle=0, head_angle=0, head=dict(parts=[
        frill(0.7, 0.7, 70, 8, 0.3), horn(0.45, 0.45, 0.45, 20), horn(0.8, 0.3, 0.2, 80)]))),
    ('Pentaceratops', 'pentaceratops.jpg', like(HORNED, head=dict(len=0.8, parts=[
        frill(1.8, 0.9, 45, 5, 0.15), horn(0.5, 0.4, 0.7, 80), horn(0.85, 0.2, 0.2, 80), horn(0.4, -0.4, 0.3, -120)]))),
    ('Einiosaurus', 'einiosaurus.jpg', like(HORNED, neck_angle=-35, head_angle=-35, head=dict(parts=[
        frill(0.85, 0.55, 45, 2, 0.6), horn(0.8, 0.35, 0.75, 140)]))),
    ('Achelousaurus', 'achelousaurus.jpg', like(HORNED, head=dict(parts=[
        frill(0.85, 0.55, 45, 2, 0.45), ('bumps', 2, 0.2, 0.45, 0.75, 0.38)]))),
    ('Leptoceratops', 'leptoceratops.jpg', like(HORNED, depth=0.65, hip=0.7, tail=1.5, tail_w=0.5, head=dict(
        kind='parrot', len=0.55, depth=0.42, parts=[frill(0.4, 0.3, 40)]))),
    ('Pterodactylus', 'pterodactylus.jpg', like(FLYER, neck=0.9, head=dict(len=1.0, depth=0.2), wing=2.0)),
    ('Rhamphorhynchus', 'rhamphorhynchus.jpg', like(FLYER, tail=1.8, neck=0.4, head=dict(len=0.8, depth=0.22, parts=[
        ('teeth', 4, 0.35, 0.6, 0.95)]), head_angle=-5, features=[('tail_vane', 0.25)])),
    ('Dimorphodon', 'dimorphodon.jpg', like(FLYER, tail=1.5, neck=0.4, head=dict(kind='theropod', len=0.7, depth=0.45),
                                             head_angle=-5, wing=2.0)),
    ('Hatzegopteryx', 'hatzegopteryx.jpg', like(FLYER, hip=1.0, neck=1.3, neck_w=0.14, neck_angle=55, fore=1.3,
                                                 head=dict(len=1.5, depth=0.5), head_angle=-25)),
    ('Mosasaurus', 'mosasaurus.jpg', like(SEA_LIZARD)),
    ('Ichthyosaurus', 'ichthyosaurus.jpg', like(FISH_LIZARD)),
    ('Tylosaurus', 'tylosaurus.jpg', like(SEA_LIZARD, depth=0.28, tail=1.9, head=dict(len=0.7, depth=0.2))),
    ('Liopleurodon', 'liopleurodon.jpg', like(BIG_HEAD_SWIMMER, head=dict(len=0.6, depth=0.24), flippers=[
        ('front', 0.25, 0.75, 0.14, -120), ('hind', -0.35, 0.7, 0.13, -130)])),
    ('Kronosaurus', 'kronosaurus.jpg', like(BIG_HEAD_SWIMMER, depth=0.6, tail=0.4,
                                           head=dict(len=1.15, depth=0.36, open=28))),
    ('Ophthalmosaurus', 'ophthalmosaurus.jpg', like(FISH_LIZARD, depth=0.75, tail=0.8, head=dict(len=0.5, depth=0.32))),
    ('Temnodontosaurus', 'temnodontosaurus.jpg', like(FISH_LIZARD, depth=0.45, tail=1.3, head=dict(len=0.85, depth=0.32),
                                                       features=[('tail_fluke', 0.35, 0.45)])),
    ('Pliosaurus', 'pliosaurus.jpg', like(BIG_HEAD_SWIMMER, depth=0.6, head=dict(len=0.85, depth=0.3), head_angle=12, neck_angle=12, flippers=[
        ('front', 0.25, 0.55, 0.14, -158), ('hind', -0.35, 0.5, 0.13, -165)])),
    ('Archelon', 'archelon.jpg', dict(plan='shelled', body=1.0, shell=0.28,
                                      head=dict(kind='turtle', len=0.3, depth=0.2))),
    ('Sarcosuchus', 'sarcosuchus.jpg', like(CROCODILE, head=dict(len=1.5, depth=0.18, parts=[
        ('bumps', 1, 0.35, 1.0, 1.0, 0.2)]))),
    ('Deinosuchus', 'deinosuchus.jpg', like(CROCODILE, depth=0.5, hip=0.42, head=dict(kind='lizard', len=0.7, depth=0.34))),
    ('Dimetrodon', 'dimetrodon.jpg', like(SPRAWLER, depth=0.36, tail=1.6, head=dict(kind='theropod', len=0.55, depth=0.38),
                                          features=[('sail', 0.57, 0.9, 0.8, 'arc')])),
    ('Edaphosaurus', 'edaphosaurus.jpg', like(SPRAWLER, depth=0.5, tail=1.5, head=dict(kind='small', len=0.3, depth=0.18),
                                              features=[('sail', 0.56, 0.9, 0.55, 'arc')])),
    ('Lystrosaurus', 'lystrosaurus.jpg', like(SPRAWLER, depth=0.5, hip=0.5, tail=0.3, tail_w=0.4, neck=0.2, head=dict(
        kind='parrot', len=0.4, depth=0.4, parts=[horn(0.7, -0.3, 0.4, -100, 0.18)]))),
    ('Dunkleosteus', 'dunkleosteus.jpg', dict(plan='swimmer', body=1.0, depth=0.55, tail=1.4, tail_w=0.25, tail_bend=-4,
                                              neck=0.05, neck_w=0.5, head=dict(kind='flatmouth', len=0.7, depth=0.6),
                                              head_angle=0, flippers=[('front', 0.2, 0.35, 0.1, -150)],
                                              features=[('dorsal_fin', 0.55, 0.3, 0.1), ('tail_fluke', 0.55, 0.3)])),
    ('Eryops', 'eryops.jpg', like(SPRAWLER, depth=0.5, tail=1.0, head=dict(kind='lizard', len=0.6, depth=0.22))),
    ('Inostrancevia', 'inostrancevia.jpg', like(SPRAWLER, depth=0.55, hip=0.7, tail=1.0, tail_w=0.35, head=dict(
        kind='theropod', len=0.65, depth=0.4, parts=[horn(0.55, -0.35, 0.45, -100, 0.12)]))),
    ('Yangchuanosaurus', 'yangchuanosaurus.jpg', like(BIG_THEROPOD, depth=0.65, neck_angle=55, head_angle=15, head=theropod_head(
        0.8, 0.38, ('bumps', 4, 0.08, 0.5, 0.85, 0.32)))),
    ('Nasutoceratops', 'nasutoceratops.jpg', like(HORNED, head=dict(parts=[
        frill(0.8, 0.55, 45), horn(0.4, 0.45, 0.7, 40, 0.15), ('bumps', 1, 0.2, 0.8, 0.8, 0.3)]))),
    ('Lufengosaurus', 'lufengosaurus.jpg', like(EARLY_LONG_NECK, depth=0.65, neck=1.0, tail=2.0, neck_angle=55, tilt=20)),
    ('Arthropleura', 'arthropleura.jpg', dict(plan='segmented', body=1.0, segments=14)),
]
