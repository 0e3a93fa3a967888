#!/usr/bin/python3
"""How far the band scrolled between pictures: band_shift.py WIDTH HEIGHT FILE...

Each FILE is a raw 8-bit grey picture (WIDTH x HEIGHT) of the ticker band, taken in
order. For each pair of neighbours the shift to the left that makes the older picture
match the newer one best is found; the sum of the shifts in pixels is printed. The text
must not repeat within MAX_SHIFT pixels (random letters serve).
"""
import sys

MAX_SHIFT = 400


def shift_between(old, new, width, height):
    best, best_cost = 0, None
    overlap = min(width - MAX_SHIFT, 700)
    for shift in range(MAX_SHIFT + 1):
        cost = 0
        for row in range(height):
            base = row * width
            a = old[base + shift: base + shift + overlap]
            b = new[base: base + overlap]
            cost += sum(abs(x - y) for x, y in zip(a, b))
            if best_cost is not None and cost >= best_cost:
                break
        if best_cost is None or cost < best_cost:
            best, best_cost = shift, cost
    return best


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    pictures = []
    for name in sys.argv[3:]:
        with open(name, "rb") as file:
            pictures.append(file.read())
    total = sum(shift_between(a, b, width, height) for a, b in zip(pictures, pictures[1:]))
    print(total)


main()
