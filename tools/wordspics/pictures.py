#!/usr/bin/env python3
"""Writes the picture building game's picture files data/bb_0 ... data/bb_12.

Each picture is a list of target shapes: (type, x, y, size factor, rotation),
x/y the shape's centre on the 1024 x 768 screen (a triangle's centre is its
centroid), rotation clockwise in degrees. Types: 0 square (100 x 100 at size
1.0), 1 circle (diameter 100), 2 equilateral triangle (circumradius 50,
pointing up at rotation 0), 3 bar (100 x 50, lying at rotation 0).

Usage: tools/wordspics/pictures.py [DATA_DIR]   (default: data/ of the repository)
The files are committed; after a change run the tests (tests_datafiles) and
look at the previews (build target picture_previews).
"""
import math
import os
import sys

SQUARE, CIRCLE, TRIANGLE, BAR = range(4)


def square(x, y, sf, rot=0):
    return (SQUARE, x, y, sf, rot)


def circle(x, y, sf):
    return (CIRCLE, x, y, sf, 0)


def bar(x, y, sf, rot=0):
    return (BAR, x, y, sf, rot)


def triangle(x, y, sf, rot=0):
    return (TRIANGLE, x, y, sf, rot)


def triangle_on(x, base_y, sf):
    """An upright triangle standing on the line y = base_y."""
    return triangle(x, base_y - 25 * sf, sf)


def triangle_under(x, top_y, sf):
    """A triangle pointing down, hanging from the line y = top_y."""
    return triangle(x, top_y + 25 * sf, sf, 180)


def triangle_right_of(edge_x, y, sf):
    """A triangle pointing right with its upright side on x = edge_x."""
    return triangle(edge_x + 25 * sf, y, sf, 90)


def triangle_left_of(edge_x, y, sf):
    """A triangle pointing left with its upright side on x = edge_x."""
    return triangle(edge_x - 25 * sf, y, sf, 270)


def triangle_on_edge(a, b, sf):
    """A triangle standing on the segment a-b, pointing to its left side
    (seen from a towards b, on screen with y down: outward when the corners of
    a shape are walked clockwise)."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    nx, ny = dy / length, -dx / length
    mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
    rot = round(math.degrees(math.atan2(nx, -ny)))
    return triangle(mx + nx * 25 * sf, my + ny * 25 * sf, sf, rot)


def ear(cx, cy, radius, at_deg, tilt_deg, sf):
    """A triangle on a circle's rim at at_deg (clockwise from straight up),
    its apex tilted by tilt_deg, sunk a little into the circle."""
    a = math.radians(at_deg)
    distance = radius + 25 * sf - 2
    return triangle(cx + distance * math.sin(a), cy - distance * math.cos(a), sf, tilt_deg)


def diamond_corners(x, y, sf):
    """Top, right, bottom and left corner of a square turned by 45 degrees."""
    r = 50 * sf * math.sqrt(2)
    return (x, y - r), (x + r, y), (x, y + r), (x - r, y)


def around(cx, cy, radius, count, start_deg):
    """Points on a circle, clockwise from start_deg (0 = straight up)."""
    for i in range(count):
        a = math.radians(start_deg + 360.0 * i / count)
        yield cx + radius * math.sin(a), cy - radius * math.cos(a)


PICTURES = {
    # 0: a house with a chimney, the sun and a tree beside it
    0: [
        square(440, 540, 1.6),
        triangle_on(440, 460, 2.0),
        bar(500, 370, 0.6, 90),
        circle(780, 230, 1.0),
        bar(680, 580, 0.8, 90),
        circle(680, 470, 1.4),
    ],
    # 1: a fir tree with two presents
    1: [
        triangle_on(512, 590, 2.0),
        triangle_on(512, 460, 1.6),
        triangle_on(512, 350, 1.2),
        square(512, 615, 0.5),
        square(400, 610, 0.6),
        square(626, 600, 0.8),
    ],
    # 2: a sailboat with a pennant, under the sun
    2: [
        bar(512, 590, 2.0),
        triangle_right_of(510, 440, 2.0),
        triangle_left_of(500, 465, 1.4),
        triangle_right_of(510, 330, 0.4),
        circle(800, 220, 1.0),
    ],
    # 3: a car with a headlight, blowing two puffs of smoke
    3: [
        bar(512, 450, 2.0),
        bar(492, 370, 1.2),
        circle(452, 530, 0.8),
        circle(572, 530, 0.8),
        square(632, 430, 0.4),
        circle(385, 485, 0.4),
        circle(335, 455, 0.6),
    ],
    # 4: a rocket between two planets
    4: [
        bar(512, 470, 2.0, 90),
        triangle_on(512, 370, 1.2),
        triangle_left_of(462, 530, 1.0),
        triangle_right_of(562, 530, 1.0),
        triangle_under(512, 570, 0.8),
        circle(290, 250, 0.8),
        circle(760, 330, 1.2),
    ],
    # 5: a flower in a pot: five petals, a stem and two leaves
    5: [circle(512, 290, 1.0)]
    + [circle(x, y, 0.9) for x, y in around(512, 290, 92, 5, 0)]
    + [
        bar(512, 462, 1.0, 90),
        square(452, 482, 0.5, 45),
        square(572, 452, 0.5, 45),
        square(512, 562, 1.0),
    ],
    # 6: a fish with fins and three bubbles
    6: [
        square(500, 440, 1.6, 45),
        triangle(diamond_corners(500, 440, 1.6)[1][0] + 60, 440, 1.2, 270),
        triangle_on_edge(*diamond_corners(500, 440, 1.6)[0:2], 0.8),
        triangle_on_edge(*diamond_corners(500, 440, 1.6)[1:3], 0.8),
        circle(330, 330, 0.4),
        circle(300, 260, 0.5),
        circle(340, 180, 0.6),
    ],
    # 7: a snowman with a hat and two arms
    7: [
        circle(512, 580, 1.8),
        circle(512, 420, 1.4),
        circle(512, 300, 1.0),
        square(512, 215, 0.7),
        bar(400, 370, 0.8, 330),
        bar(624, 370, 0.8, 30),
    ],
    # 8: a steam engine with three wheels and a puff of smoke
    8: [
        bar(530, 465, 1.8),
        square(370, 440, 1.4),
        square(580, 395, 0.5),
        circle(340, 550, 0.8),
        circle(460, 550, 0.8),
        circle(580, 550, 0.8),
        triangle_right_of(620, 480, 0.8),
        circle(610, 320, 0.5),
        circle(650, 250, 0.7),
    ],
    # 9: a castle: two towers with roofs, a wall and a keep with battlements
    9: [
        bar(350, 500, 2.0, 90),
        bar(674, 500, 2.0, 90),
        triangle_on(350, 400, 1.2),
        triangle_on(674, 400, 1.2),
        bar(512, 550, 2.0),
        square(512, 430, 1.4),
        square(462, 340, 0.4),
        square(512, 340, 0.4),
        square(562, 340, 0.4),
    ],
    # 10: a sitting cat
    10: [
        circle(512, 300, 1.2),
        ear(512, 300, 60, -40, -15, 0.7),
        ear(512, 300, 60, 40, 15, 0.7),
        circle(512, 460, 2.0),
        bar(662, 430, 1.0, 300),
        circle(470, 575, 0.5),
        circle(554, 575, 0.5),
    ],
    # 11: a robot
    11: [
        circle(512, 160, 0.4),
        square(512, 230, 1.0),
        square(512, 380, 1.8),
        bar(385, 390, 1.2, 90),
        bar(639, 390, 1.2, 90),
        bar(467, 540, 1.2, 90),
        bar(557, 540, 1.2, 90),
        bar(457, 620, 0.8),
        bar(567, 620, 0.8),
    ],
    # 12: a butterfly
    12: [
        bar(512, 430, 1.2, 90),
        circle(512, 340, 0.6),
        circle(412, 390, 1.4),
        circle(612, 390, 1.4),
        circle(432, 500, 1.0),
        circle(592, 500, 1.0),
        circle(475, 280, 0.4),
        circle(549, 280, 0.4),
    ],
}


def number(value):
    """A number as a C++ stream writes a double by default."""
    return "%g" % value


def picture_text(shapes):
    lines = ["ZIELOBJEKT_START"]
    for kind, x, y, sf, rot in shapes:
        fields = [
            "OBJEKT_START",
            "POSITON:", number(round(x)), number(round(y)),
            "SCALE:", "1", "1",
            "ROT:", str(rot % 360),
            "TYP:", str(kind),
            "SFACTOR:", number(round(sf, 1)),
            "OBJEKT_END",
        ]
        lines.append("\t".join(fields))
    lines.append("ZIELOBJEKT_END")
    return "\n".join(lines) + "\n"


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data")
    for index, shapes in sorted(PICTURES.items()):
        with open(os.path.join(data, "bb_%d" % index), "w", encoding="cp1252", newline="\n") as f:
            f.write(picture_text(shapes))


if __name__ == "__main__":
    main()
