#!/usr/bin/python3
"""Reference fits for the least-squares tests, written once and committed.

Each case is a set of awkward points and a degree. The fitted values at 200 evenly spaced X over
the points' range come from numpy's least-squares fit in the Chebyshev basis over the points' own
domain (numpy.polynomial.Chebyshev.fit). They are checked here against an mpmath solution of the
normal equations at 80 digits, and numpy's polyfit on the centred and scaled abscissa is shown for
comparison (on the raw abscissa it warns and loses the digits).

Run with Debian's python3 (numpy, mpmath): /usr/bin/python3 make_fit_reference.py
"""
import math
import os

import mpmath
import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 200


def wide_range():
    # Degree 10 on X in 1000..1010: the raw powers of X cancel in every digit.
    x = np.array([1000.0 + k / 10.0 for k in range(101)])
    noise = np.array([((k * 7919) % 13 - 6) / 600.0 for k in range(101)])
    y = 3.0 + np.sin(x) + 0.1 * np.cos(3.0 * x) + noise
    return "wide_range_deg10", 10, x, y


def chebyshev_points():
    # Degree 20 on 60 Chebyshev points of [-1, 1], Runge's function.
    n = 60
    x = np.array([math.cos(math.pi * (k + 0.5) / n) for k in range(n)])
    y = 1.0 / (1.0 + 25.0 * x * x)
    return "chebyshev_deg20", 20, x, y


def high_degree():
    # Degree 40 on 1001 points of [0, 50].
    x = np.array([k / 20.0 for k in range(1001)])
    y = 2.0 + np.sin(x) * np.exp(-x / 30.0) + 0.5 * np.cos(0.37 * x)
    return "uniform_deg40", 40, x, y


def mp_fit(x, y, degree, centre, half):
    """Normal equations in the scaled powers, solved at 80 digits."""
    mpmath.mp.dps = 80
    t = [(mpmath.mpf(v) - centre) / half for v in x]
    sums = [mpmath.fsum(ti ** k for ti in t) for k in range(2 * degree + 1)]
    rhs = [mpmath.fsum(mpmath.mpf(yi) * ti ** k for ti, yi in zip(t, y)) for k in range(degree + 1)]
    m = mpmath.matrix(degree + 1, degree + 1)
    for j in range(degree + 1):
        for k in range(degree + 1):
            m[j, k] = sums[j + k]
    c = mpmath.lu_solve(m, mpmath.matrix(rhs))
    return lambda xv: mpmath.polyval(list(reversed(list(c))), (mpmath.mpf(xv) - centre) / half)


def write_case(name, degree, x, y):
    lo, hi = float(x.min()), float(x.max())
    centre, half = (lo + hi) / 2.0, (hi - lo) / 2.0
    step = (hi - lo) / (SAMPLES - 1)
    sx = np.array([lo + k * step for k in range(SAMPLES - 1)] + [hi])
    t = (x - centre) / half
    st = (sx - centre) / half
    fitted = np.polynomial.chebyshev.Chebyshev.fit(x, y, degree)(sx)
    polyfit = np.polyval(np.polyfit(t, y, degree), st)
    exact = mp_fit(x, y, degree, mpmath.mpf(centre), mpmath.mpf(half))
    worst_np = max(abs(a - b) / abs(b) for a, b in zip(polyfit, fitted))
    worst_mp = max(abs(float(exact(v)) - f) / abs(f) for v, f in zip(sx, fitted))
    assert worst_mp < 1e-11, (name, worst_mp)
    with open(os.path.join(HERE, name + ".txt"), "w") as out:
        out.write(f"# {name}: numpy fitted values; largest relative gap to mpmath {worst_mp:.1e}\n")
        out.write(f"degree {degree}\npoints {len(x)}\n")
        for a, b in zip(x, y):
            out.write(f"{float(a)!r} {float(b)!r}\n")
        out.write(f"samples {SAMPLES}\n")
        for a, b in zip(sx, fitted):
            out.write(f"{float(a)!r} {float(b)!r}\n")
    print(name, "written; polyfit(t) vs Chebyshev", f"{worst_np:.1e}", "Chebyshev vs mpmath", f"{worst_mp:.1e}")


if __name__ == "__main__":
    for case in (wide_range(), chebyshev_points(), high_degree()):
        write_case(*case)
