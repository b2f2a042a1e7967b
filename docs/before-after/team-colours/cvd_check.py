#!/usr/bin/env python3
"""Team colours under simulated colour-vision deficiencies (Machado, Oliveira and Fernandes
2009, full severity, applied in linear RGB): the CIELAB distance (dE76) between the two
teams' shirts and between each shirt and the held rod's gold. A pair is told apart at a
glance above about 20."""
import math

M = {
    "normal": [[1, 0, 0], [0, 1, 0], [0, 0, 1]],
    "protanopia": [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
    "deuteranopia": [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]],
    "tritanopia": [[1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602], [0.004733, 0.691367, 0.303900]],
}

def lin(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

def lab(rgb):
    r, g, b = rgb
    x = 0.4124 * r + 0.3576 * g + 0.1805 * b
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = 0.0193 * r + 0.1192 * g + 0.9505 * b
    def f(t):
        return t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116
    fx, fy, fz = f(x / 0.95047), f(y), f(z / 1.08883)
    return (116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz))

def seen(rgb8, m):
    l = [lin(float(c)) for c in rgb8]
    out = [max(0.0, min(1.0, sum(m[i][j] * l[j] for j in range(3)))) for i in range(3)]
    return lab(out)

def de(a, b):
    return math.dist(a, b)

gold = (204, 178, 76)  # the held rod: 0.8, 0.7, 0.3
palettes = {"RED/BLUE": ((255, 0, 0), (0, 0, 255)), "CONTRAST": ((236, 233, 218), (40, 40, 46))}
print(f"{'palette':10} {'vision':13} {'team-team':>9} {'team0-gold':>10} {'team1-gold':>10}")
for name, (t0, t1) in palettes.items():
    for vision, m in M.items():
        a, b, g = seen(t0, m), seen(t1, m), seen(gold, m)
        print(f"{name:10} {vision:13} {de(a, b):9.1f} {de(a, g):10.1f} {de(b, g):10.1f}")
