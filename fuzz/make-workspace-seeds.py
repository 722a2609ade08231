#!/usr/bin/env python3
"""Writes the hand-made seed Workspaces of fuzz/corpus/workspace: one valid
file of every version the reader accepts (1 to 5), a variables-only file and
a few version-5 files with matrices, strings, user functions and notes."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "workspace")


def text(t):
    return (t + "\0").encode("utf-16-le")


def header(version, note="", evaluation=0, polar=0, stored=0):
    return struct.pack("<9H", version, 0, 0, 0, stored, 0, evaluation, polar,
                       len(note) + 1) + text(note)


def settings(version=5, gx=1.0, gy=2.0):
    head = struct.pack("<dd8h", gx, gy, 1, 0, 1, 0x0005, 2, 1, 0, 0)
    ranges = struct.pack("<4d", -18.0, 18.0, -10.0, 10.0)
    if version == 1:
        return head + ranges + struct.pack("<ddhh", -13.3, 6.6666666666666667, 133, 120)
    return head + ranges + struct.pack("<4d", -13.3, 6.6666666666666667, 133.0, 120.0)


def value(kind, rows=0, cols=0, re=(), im=(), string=None, short=False):
    if string is not None:
        size = (len(string) // 4 + 1) * 8
        data = text(string).ljust(size, b"\0") + b"\0" * size
        rows = cols = 0
    else:
        size = len(re) * 8
        data = struct.pack("<%dd" % len(re), *re) + struct.pack("<%dd" % len(im), *im)
    sizefield = struct.pack("<H", size) if short else struct.pack("<I", size)
    return struct.pack("<3H", rows, cols, kind) + sizefield + data


def scalar(v, i=0.0, short=False):
    return value(1, 1, 1, (v,), (i,), short=short)


def name(n):
    return text(n).ljust(24, b"\0")


def block(t="", note="", flags=0):
    out = struct.pack("<H", 0 if not t else (len(t) + 1) * 2) + (text(t) if t else b"")
    out += struct.pack("<H", 0 if not note else (len(note) + 1) * 2) + (text(note) if note else b"")
    return out + struct.pack("<I", flags)


def blocks(records):
    return struct.pack("<H", len(records)) + b"".join(records)


def named_variables(entries):
    return (struct.pack("<H", len(entries)) + b"".join(name(n) for n, _ in entries) +
            b"".join(v for _, v in entries))


def letter_variables(letters, short):
    out = b""
    for p in range(29):
        letter = chr(ord("a") + p) if p != 8 and p <= 25 else None
        if letter in letters:
            out += scalar(letters[letter], short=short)
        else:
            out += value(0, short=short)
    return out


def write(file, data):
    with open(os.path.join(OUT, file), "wb") as f:
        f.write(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    common = [("x", scalar(0.0)), ("y", scalar(0.0)), ("z", scalar(0.0)), ("t", scalar(0.0))]
    funcs = blocks([block("x^2+1", "sq", 1 << 6), block("x*y", "mul", 2 << 6)])
    body = blocks([block("a=2"), block("b={1,2|3,4}", "matrix", 0x10), block("sq(a)+b[1]", "", 1),
                   block("s=\"hello\"")])
    for version in (1, 2, 3, 4):
        letters = {"a": 2.0, "b": -1.5, "z": 7.0}
        data = (header(version, "old file") + settings(version) +
                letter_variables(letters, short=version <= 3) + funcs + body)
        write("version%d.ovw" % version, data)

    variables = common + [
        ("a", scalar(2.0)),
        ("m", value(2, 2, 3, (1, 2, 3, 4, 5, 6), (0, 0, 0, 0, 0, 1))),
        ("c", scalar(3.0, 4.0)),
        ("s", value(3, string="hello")),
        ("e", value(0)),
    ]
    write("version5.ovw", header(5, "A note", evaluation=1, polar=1) + settings() +
          named_variables(variables) + funcs + body)
    write("variables-only.ovw", header(5) + settings() + named_variables(common) +
          struct.pack("<HH", 0, 0))
    script = blocks([block("FUNC(\"n\")"), block("LOCAL(\"acc,i\")"), block("acc=0"),
                     block("FOR(\"i\",1,1,n)"), block("acc=acc+i"), block("END"),
                     block("IF(acc>3)"), block("RETURN(acc)"), block("ELSE"),
                     block("RETURN(-acc)"), block("END"), block("WHILE(0)"), block("END")])
    write("script.ovw", header(5) + settings() + named_variables(common) +
          struct.pack("<H", 0) + script)
    write("empty-blocks.ovw", header(5) + settings() + named_variables(common) +
          struct.pack("<HH", 0, 0))


if __name__ == "__main__":
    main()
