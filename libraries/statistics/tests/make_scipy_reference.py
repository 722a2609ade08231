#!/usr/bin/python3
"""Writes scipy_reference.csv: cumulative probabilities from scipy.stats on
a grid of arguments, the independent values the distribution tests compare
against. Run once with Debian's python3-scipy; the table is kept with the
tests so that they need no Python."""
import csv
import itertools
import os

from scipy import stats

rows = []
for x, m, s in itertools.product([-4 + 0.5 * i for i in range(17)], [0.0, 1.5], [0.5, 1.0, 3.0]):
    rows.append(("norm", x, m, s, stats.norm.cdf(x, m, s)))
for x, v in itertools.product([-6, -3, -2, -1, -0.5, 0, 0.3, 1, 2, 3, 6],
                              [0.5, 1, 2, 3, 5, 10, 30, 100]):
    rows.append(("tdist", x, v, 0, stats.t.cdf(x, v)))
for x, v, w in itertools.product([0, 0.1, 0.5, 1, 1.5, 2, 4, 10], [1, 2, 5, 10],
                                 [1, 3, 8, 20]):
    rows.append(("fdist", x, v, w, stats.f.cdf(x, v, w)))
for x, v in itertools.product([0, 0.1, 0.5, 1, 2, 5, 10, 20, 40], [1, 2, 3, 5, 10, 30]):
    rows.append(("chi", x, v, 0, stats.chi2.cdf(x, v)))
for n, p in itertools.product([1, 4, 10, 30, 100], [0.05, 0.3, 0.5, 0.9]):
    for x in sorted({0, 1, n // 4, n // 2, (3 * n) // 4, n - 1, n}):
        rows.append(("bindist", x, n, p, stats.binom.cdf(x, n, p)))

path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "scipy_reference.csv")
with open(path, "w", newline="") as f:
    out = csv.writer(f, lineterminator="\n")
    out.writerow(["function", "a", "b", "c", "value"])
    for name, a, b, c, value in rows:
        out.writerow([name, repr(float(a)), repr(float(b)), repr(float(c)), repr(float(value))])
print(len(rows), "rows written to", path)
