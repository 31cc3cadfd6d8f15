#!/usr/bin/env python3
"""Known answers for blend_test.cpp, worked out apart from the C++ code.

For each pair of colours it prints the four elements of a fade of four
characters (t = 1/4, 2/4, 3/4 and 1 of the way) in OkLab and OkLCh, as
RRGGBB. Standard library only: python3 tests/engine/blend_known_answers.py
"""
import math

# Björn Ottosson's published matrices, linear sRGB <-> LMS <-> OkLab.
TO_LMS = [[0.4122214708, 0.5363325363, 0.0514459929],
          [0.2119034982, 0.6806995451, 0.1073969566],
          [0.0883024619, 0.2817188376, 0.6299787005]]
LMS_TO_LAB = [[0.2104542553, 0.7936177850, -0.0040720468],
              [1.9779984951, -2.4285922050, 0.4505937099],
              [0.0259040371, 0.7827717662, -0.8086757660]]
LAB_TO_LMS = [[1.0, 0.3963377774, 0.2158037573],
              [1.0, -0.1055613458, -0.0638541728],
              [1.0, -0.0894841775, -1.2914855480]]
FROM_LMS = [[4.0767416621, -3.3077115913, 0.2309699292],
            [-1.2684380046, 2.6097574011, -0.3413193965],
            [-0.0041960863, -0.7034186147, 1.7076147010]]


def times(matrix, vector):
    return [sum(m * v for m, v in zip(row, vector)) for row in matrix]


def decode(byte):
    c = byte / 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def encode(linear):
    linear = min(max(linear, 0.0), 1.0)
    c = 12.92 * linear if linear <= 0.0031308 else 1.055 * linear ** (1 / 2.4) - 0.055
    return round(c * 255)  # Python rounds half to even


def to_lab(hex_colour):
    rgb = [decode(int(hex_colour[i:i + 2], 16)) for i in (0, 2, 4)]
    lms = [math.copysign(abs(x) ** (1 / 3), x) for x in times(TO_LMS, rgb)]
    return times(LMS_TO_LAB, lms)


def from_lab(lab):
    lms = [x ** 3 for x in times(LAB_TO_LMS, lab)]
    return "%02X%02X%02X" % tuple(encode(x) for x in times(FROM_LMS, lms))


def mix_lab(a, b, t):
    return [x + t * (y - x) for x, y in zip(a, b)]


def mix_lch(a, b, t):
    ca, cb = math.hypot(a[1], a[2]), math.hypot(b[1], b[2])
    ha, hb = math.atan2(a[2], a[1]), math.atan2(b[2], b[1])
    if ca < 0.0001:
        ha = hb
    elif cb < 0.0001:
        hb = ha
    dh = hb - ha
    if dh > math.pi:
        dh -= 2 * math.pi
    elif dh < -math.pi:
        dh += 2 * math.pi
    c, h = ca + t * (cb - ca), ha + t * dh
    return [a[0] + t * (b[0] - a[0]), c * math.cos(h), c * math.sin(h)]


PAIRS = [("FF0000", "00FF00"), ("0000FF", "FFFF00"), ("FF0000", "FF00FF"),
         ("00FF00", "00FFFF"), ("000000", "FFFFFF"), ("808080", "FF0000")]

for start, end in PAIRS:
    for name, mix in (("oklab", mix_lab), ("oklch", mix_lch)):
        a, b = to_lab(start), to_lab(end)
        codes = [from_lab(mix(a, b, i / 4)) for i in range(1, 5)]
        print(name, start, end, " ".join(codes))
