#!/usr/bin/env python3
"""An assembler source of LINES lines for the editor benches, CR LF ended:
mostly indented instructions, with comment lines, string data and labels
("lbl_N:", which keys_bench.sh looks for) among them. The same LINES always
give the same file, so figures of different runs compare.

    bench/gen_asm.py LINES OUT
"""
import random
import sys

INSTRUCTIONS = ("mov ax, bx", "add ax, 1", "push bp", "pop bp", "call near ptr proc_{n}",
                "jmp short lbl_{n}", "xor cx, cx", "int 21h", "lea dx, msg_{n}", "cmp al, 'x'",
                "movsb", "rep stosw", "inc si", "dec di")


def line(n, rng):
    kind = rng.random()
    if kind < 0.08:
        return "; comment line %d describing the next block of code" % n
    if kind < 0.12:
        return "msg_%d db \"Hello, world %d\",13,10,'$'   ; string" % (n, n)
    if kind < 0.15:
        return "lbl_%d:" % n
    return "        " + rng.choice(INSTRUCTIONS).format(n=n)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    count, out = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(7)
    with open(out, "w", newline="\r\n") as f:
        f.write("model SMALL\n.386\n.data\n")
        for n in range(max(count - 3, 0)):
            f.write(line(n, rng) + "\n")


if __name__ == "__main__":
    main()
