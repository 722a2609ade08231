#!/usr/bin/python3
"""Writes eigen_reference.txt: random real matrices and their eigenvalues as
computed by numpy (LAPACK), for the eigenvalue tests.

Run with Debian's python3-numpy:  /usr/bin/python3 make_eigen_reference.py
Format, per case: a line "n", n lines of the matrix rows, then n lines
"re im" of the eigenvalues (in numpy's order)."""
import numpy

SIZES = [2, 2, 3, 3, 4, 5, 6, 7, 8, 10, 12, 15, 20, 25, 30, 40, 50]

def main():
    rng = numpy.random.default_rng(20261207)
    with open("eigen_reference.txt", "w") as out:
        for n in SIZES:
            a = rng.standard_normal((n, n))
            values = numpy.linalg.eigvals(a)
            out.write(f"{n}\n")
            for row in a:
                out.write(" ".join(f"{v:.17g}" for v in row) + "\n")
            for v in values:
                out.write(f"{v.real:.17g} {v.imag:.17g}\n")

if __name__ == "__main__":
    main()
