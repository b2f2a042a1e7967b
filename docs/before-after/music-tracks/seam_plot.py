#!/usr/bin/env python3
"""Draws a music track's loop seam: the end of the loop followed by its start, as the game
plays them, for both channels (blue left, red right), with the seam as a dotted green line.
The top pair shows 50 ms each side, the bottom pair 2 ms each side, sample by sample,
where a step or a gap would show. Needs only sox (to decode) and ImageMagick (PPM to PNG).

    seam_plot.py <track.ogg or .dat> <out.png>
"""
import array
import subprocess
import sys

RATE = 44100
W, H = 800, 120


def decode(path):
    raw = subprocess.run(["sox", "-t", "ogg", path, "-t", "raw", "-e", "signed", "-b", "16", "-c", "2", "-"],
                         check=True, capture_output=True).stdout
    a = array.array("h")
    a.frombytes(raw)
    return a[0::2], a[1::2]


def panel(channel, frames_each_side):
    end = list(channel[-frames_each_side:])
    start = list(channel[:frames_each_side])
    return end + start


def draw(img, top, values, colour):
    n = len(values)
    mid = top + H // 2

    def point(i):
        return int(i * (W - 1) / (n - 1)), int(mid - values[i] / 32768.0 * (H / 2 - 4))

    for x in range(W):  # the zero line
        img[mid][x] = (190, 190, 190)
    x0, y0 = point(0)
    for i in range(1, n):
        x1, y1 = point(i)
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for s in range(steps + 1):
            x = x0 + (x1 - x0) * s // steps
            y = y0 + (y1 - y0) * s // steps
            if top <= y < top + H:
                img[y][x] = colour
        x0, y0 = x1, y1


def main():
    left, right = decode(sys.argv[1])
    img = [[(255, 255, 255)] * W for _ in range(4 * H)]
    row = 0
    for frames in (RATE // 20, RATE // 500):
        for channel, colour in ((left, (30, 60, 160)), (right, (160, 30, 30))):
            draw(img, row * H, panel(channel, frames), colour)
            row += 1
    for y in range(0, 4 * H, 4):
        img[y][W // 2] = (0, 150, 0)
    header = f"P6 {W} {4 * H} 255\n".encode()
    body = bytes(c for line in img for pixel in line for c in pixel)
    subprocess.run(["convert", "ppm:-", sys.argv[2]], input=header + body, check=True)


if __name__ == "__main__":
    main()
