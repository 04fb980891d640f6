# SPDX-License-Identifier: MIT
"""The picture descriptions against the shipped database, and the geometry
the open jaws rest on. Run by ctest with the source folder as argument."""
import os
import re
import sys
import unittest

SOURCE = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
sys.path.insert(0, os.path.join(SOURCE, 'scripts', 'pictures'))

from animals import ANIMALS  # noqa: E402
from draw import PLANS  # noqa: E402
from plans import split_at  # noqa: E402


def shipped_records():
    """(name, picture file) of every record in data/drem.dat."""
    with open(os.path.join(SOURCE, 'data', 'drem.dat'), 'rb') as f:
        text = f.read().decode('cp1252')
    return re.findall(r'^"([^"]*)",\d+,\d+,"([^"]*)"\r$', text, re.M)


def area(polygon):
    return abs(sum(p[0] * q[1] - q[0] * p[1] for p, q in zip(polygon, polygon[1:] + polygon[:1]))) / 2


class Descriptions(unittest.TestCase):
    def test_every_record_and_only_those_have_a_drawing_of_their_own_picture(self):
        drawn = {name: picture for name, picture, _ in ANIMALS}
        self.assertEqual(len(drawn), len(ANIMALS), 'an animal is described twice')
        self.assertEqual(drawn, dict(shipped_records()))

    def test_every_drawing_is_made_and_no_two_are_the_same(self):
        seen = {}
        for name, _, animal in ANIMALS:
            with self.subTest(animal=name):
                svg = PLANS[animal['plan']](animal).svg()
                self.assertNotIn(svg, seen, 'drawn exactly like ' + seen.get(svg, ''))
                seen[svg] = name


class OpenJaws(unittest.TestCase):
    def test_an_outline_split_at_a_line_keeps_its_whole_area_on_the_two_sides(self):
        head = [(0.0, -1.0), (2.0, -0.5), (2.2, 0.3), (1.0, 1.0), (-0.2, 0.4)]
        for y in (-0.8, -0.1, 0.0, 0.7):
            with self.subTest(line=y):
                upper, lower = split_at(head, y)
                self.assertAlmostEqual(area(upper) + area(lower), area(head))
                self.assertTrue(all(p[1] >= y for p in upper))
                self.assertTrue(all(p[1] <= y for p in lower))

    def test_a_line_that_misses_the_outline_leaves_it_whole_on_one_side(self):
        square = [(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]
        self.assertEqual(split_at(square, -1.0), (square, []))
        self.assertEqual(split_at(square, 2.0), ([], square))


if __name__ == '__main__':
    unittest.main()
