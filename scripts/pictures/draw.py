#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the SVG drawing of every animal in animals.py into a folder, one
file per picture (the picture's name with .svg), and a list of the pictures
("file<TAB>animal" lines) for the contact sheet.

Usage: draw.py OUT_FOLDER"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from animals import ANIMALS  # noqa: E402
from others import flyer, segmented, shelled, sprawler, swimmer  # noqa: E402
from plans import land_animal  # noqa: E402

PLANS = {'land': land_animal, 'flyer': flyer, 'swimmer': swimmer, 'shelled': shelled,
         'segmented': segmented, 'sprawler': sprawler}


def main(out):
    os.makedirs(out, exist_ok=True)
    listing = []
    for name, picture, animal in ANIMALS:
        drawing = PLANS[animal['plan']](animal)
        stem = os.path.splitext(picture)[0]
        with open(os.path.join(out, stem + '.svg'), 'w') as f:
            f.write(drawing.svg())
        listing.append('%s\t%s' % (picture, name))
    with open(os.path.join(out, 'pictures.txt'), 'w') as f:
        f.write('\n'.join(listing) + '\n')


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
