#!/usr/bin/env python3
"""A folder tree of FILES small files for the find-in-files bench, in 40
folders of 13 subfolders each: assembler lines in files ending in .asm,
.inc, .mac, .txt and .obj; every 97th file also holds "needle_symbol"
(about 130 of 20,000 among the three assembler extensions the search
selects). The same FILES always give the same tree.

    bench/gen_tree.py FILES OUT
"""
import os
import random
import sys

EXTENSIONS = (".asm", ".inc", ".mac", ".txt", ".obj")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    count, out = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(11)
    for n in range(count):
        folder = os.path.join(out, "d%02d" % (n % 40), "s%02d" % (n % 13))
        os.makedirs(folder, exist_ok=True)
        name = "f%05d%s" % (n, rng.choice(EXTENSIONS))
        with open(os.path.join(folder, name), "w", newline="\r\n") as f:
            for j in range(rng.randint(20, 200)):
                f.write("        mov ax, %d ; line %d\n" % (j, j))
            if n % 97 == 0:
                f.write("needle_symbol proc near\n")


if __name__ == "__main__":
    main()
