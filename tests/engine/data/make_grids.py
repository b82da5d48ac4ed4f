#!/usr/bin/python3
# Writes the reference grids the engine's accuracy tests read: elementary-grid.tsv and
# special-functions-grid.tsv beside this script. Run once with Debian's python3 (it needs
# python3-mpmath); the tests read the committed files and never run Python.
#
# Every argument is written as a decimal text. The engine reads that text as the extended (64-bit
# mantissa) value nearest to it, so the truth is computed at exactly that value: mpmath rounds
# each argument to 64 bits first, then evaluates with 40 digits.
#
# Columns: formula, angle unit (rad or deg), true value with 25 significant digits (or "overflow"
# where it lies beyond the extended range), flags: "z" when the function changes sign within
# 1e-4 (relative, at least 1e-4 absolute) of the argument, so that an absolute error of 1e-18
# is acceptable there; "-" otherwise.
import json
import math
import os
import random
import signal
import sys
from fractions import Fraction

import mpmath
from mpmath import mp, mpf

HERE = os.path.dirname(os.path.abspath(__file__))
DIGITS = 25
LARGEST = mpf(2) ** 16384 * (1 - mpf(2) ** -64)  # the largest extended value

rng = random.Random(20240514)


class TimeOut(Exception):
    pass


def on_alarm(signum, frame):
    raise TimeOut()


signal.signal(signal.SIGALRM, on_alarm)


def ext(text):
    """The extended value nearest to the decimal text."""
    mp.prec = 64
    value = mpf(text)
    mp.dps = 40
    return value


def text_of(value):
    """A short decimal text for a float argument, exact enough to name the grid point."""
    return repr(float(value)).replace("e+", "e").replace("e", "E")


def truth_text(value):
    if value == 0:
        return "0"
    if abs(value) > LARGEST:
        return "overflow"
    return mpmath.nstr(value, DIGITS, min_fixed=0, max_fixed=0).replace("e+", "E+").replace("e-", "E-")


def evaluate(f, args, seconds=60):
    signal.alarm(seconds)
    try:
        value = f(*args)
        if isinstance(value, mpmath.mpc):
            value = value.real
        return value
    except (TimeOut, ValueError, ZeroDivisionError, mpmath.libmp.NoConvergence):
        return None
    finally:
        signal.alarm(0)


def near_zero(f, args, index):
    """True when f changes sign near args[index]."""
    x = args[index]
    width = mpf("1e-4") * max(1, abs(x))
    values = []
    for shifted in (x - width, x, x + width):
        moved = list(args)
        moved[index] = shifted
        v = evaluate(f, moved, 20)
        if v is None:
            return False
        values.append(v)
    return min(values) <= 0 <= max(values)


CACHE_PATH = os.environ.get("GRID_CACHE")  # optional: a file that keeps computed points between runs
CACHE = {}
if CACHE_PATH and os.path.exists(CACHE_PATH):
    with open(CACHE_PATH) as f:
        CACHE = json.load(f)


def save_cache():
    if CACHE_PATH:
        with open(CACHE_PATH, "w") as f:
            json.dump(CACHE, f)


class Grid:
    def __init__(self):
        self.lines = []
        self.seen = set()

    def add(self, name, f, texts, unit="rad", zero_index=None, seconds=60):
        formula = name + "(" + ",".join(texts) + ")" if name else texts[0]
        key = (formula, unit)
        if key in self.seen:
            return
        self.seen.add(key)
        cache_key = formula + "\t" + unit
        if cache_key in CACHE:
            self.lines.append(CACHE[cache_key])
            return
        args = [ext(t) for t in texts]
        value = evaluate(f, args, seconds)
        if value is None:
            print("skipped", formula, unit)
            return
        flag = "-"
        if zero_index is not None and abs(value) < 1e-3 and near_zero(f, args, zero_index):
            flag = "z"
        line = "\t".join([formula, unit, truth_text(value), flag])
        self.lines.append(line)
        CACHE[cache_key] = line
        if len(CACHE) % 50 == 0:
            save_cache()

    def write(self, file_name, header):
        with open(os.path.join(HERE, file_name), "w") as out:
            out.write(header)
            for line in self.lines:
                out.write(line + "\n")


def exact_degrees(v):
    """v reduced modulo 360 without rounding (v is a binary value: mantissa times a power of 2)."""
    mantissa, exponent = mpmath.mpf(v).man_exp if v != 0 else (0, 0)
    value = Fraction(mantissa if v >= 0 else -mantissa) * (Fraction(2) ** exponent)  # man_exp drops the sign
    reduced = value - 360 * math.floor(value / 360)
    mp.prec = 200
    result = mpf(reduced.numerator) / reduced.denominator
    mp.dps = 40
    return result


def decimal(x):
    return text_of(x)


def signed(values):
    out = []
    for v in values:
        out.append(v)
        out.append(v[1:] if v.startswith("-") else "-" + v)
    return out


def randoms(lo, hi, count, log=False):
    out = []
    for _ in range(count):
        if log:
            out.append(decimal(math.exp(rng.uniform(math.log(lo), math.log(hi)))))
        else:
            out.append(decimal(rng.uniform(lo, hi)))
    return out


# ---------------------------------------------------------------- elementary functions

def elementary():
    g = Grid()
    degree = mpmath.pi / 180
    small = ["1E-4000", "1E-300", "1E-20", "1E-10", "1E-5", "0.001"]
    trig_rad = small + ["0.1", "0.3", "0.5", "0.7853981633974483", "1", "1.5", "1.5707963267948966",
                        "1.57079632679489661923", "2", "3", "3.14159265358979323846", "3.141592653589793",
                        "4", "4.71238898038468985769", "6.28318530717958647693", "10", "100", "1E5",
                        "1E10", "1E18", "1E19", "1E20", "1E100", "1E1000", "1E4000", "1.1E4932"]
    trig_rad += randoms(-10, 10, 40)
    trig_deg = small + ["0.3", "1", "10", "29.999", "30", "30.001", "45", "60", "89", "89.9999999", "90",
                        "90.0000001", "120", "135", "150", "179.999", "180", "180.0001", "210", "225",
                        "270", "315", "330", "359.9", "360", "361", "720", "1E5", "1E10", "1E18",
                        "1E19", "1.5E19", "1E20", "1E100", "1E4000"]
    trig_deg += randoms(-720, 720, 40)
    # In degrees: sin(pi t) and cos(pi t) of t = (v mod 360) / 180, exact at the simple angles.
    in_degrees = {"sin": mpmath.sinpi, "cos": mpmath.cospi,
                  "tan": lambda t: mpmath.sinpi(t) / mpmath.cospi(t)}
    for name, f in (("sin", mpmath.sin), ("cos", mpmath.cos), ("tan", mpmath.tan)):
        for x in signed(trig_rad):
            g.add(name, f, [x], "rad", 0)
        for x in signed(trig_deg):
            if name == "tan" and x.lstrip("-") in ("90", "270"):
                continue  # poles: "Division by zero", tested apart
            g.add(name, lambda v, f=in_degrees[name]: f(exact_degrees(v) / 180), [x], "deg", 0)

    unit = ["0", "1E-4000", "1E-20", "1E-10", "1E-5", "0.1", "0.3", "0.5", "0.7", "0.9", "0.99", "0.999999",
            "0.99999999999999999", "1"] + randoms(-1, 1, 20)
    for name, f in (("arcsin", mpmath.asin), ("arccos", mpmath.acos)):
        for x in signed(unit):
            g.add(name, f, [x], "rad", 0)
            g.add(name, lambda v, f=f: f(v) / degree, [x], "deg", 0)
    for x in signed(["0", "1E-4000", "1E-20", "1E-5", "0.5", "1", "2", "10", "1E10", "1E20", "1E4000"]):
        g.add("arctan", mpmath.atan, [x], "rad", 0)
        g.add("arctan", lambda v: mpmath.atan(v) / degree, [x], "deg", 0)

    hyper = ["1E-4000", "1E-20", "1E-10", "1E-5", "0.001", "0.1", "0.5", "1", "2", "5", "10", "20", "22", "23",
             "50", "100", "1000", "11356", "11356.5", "11357"] + randoms(-30, 30, 20)
    for name, f in (("sinh", mpmath.sinh), ("cosh", mpmath.cosh), ("tanh", mpmath.tanh)):
        for x in signed(hyper):
            g.add(name, f, [x], "rad", 0)
    for x in signed(["0", "1E-4000", "1E-20", "1E-5", "0.5", "1", "2", "10", "1E10", "1E20", "1E4000", "1E4932"]):
        g.add("arcsinh", mpmath.asinh, [x], "rad", 0)
    for x in ["1", "1.00000000000000000011", "1.0000001", "1.5", "2", "10", "1E10", "1E4000", "1E4932"]:
        g.add("arccosh", mpmath.acosh, [x], "rad", 0)
    for x in signed(["0", "1E-4000", "1E-20", "1E-5", "0.1", "0.5", "0.9", "0.999999999", "0.99999999999999999994"]):
        g.add("arctanh", mpmath.atanh, [x], "rad", 0)

    for x in signed(["0", "1E-4000", "1E-20", "1E-10", "0.5", "1", "10", "100", "1000", "11355", "11356",
                     "11356.5", "11357"]) + ["-11400", "-11500"] + randoms(-50, 50, 20):
        g.add("exp", mpmath.exp, [x], "rad")
    positive = ["1E-4000", "1E-300", "1E-20", "1E-10", "0.001", "0.5", "0.999999999", "1", "1.0000000001", "2",
                "3", "10", "100", "1000", "1E10", "1E27", "1E28", "1E100", "1E-100", "1E4000", "1.1E4932"]
    positive += randoms(1e-10, 1e10, 30, log=True)
    for x in ["0"] + positive:
        g.add("sqrt", mpmath.sqrt, [x], "rad")
    for x in positive:
        g.add("ln", mpmath.ln, [x], "rad", 0)
        g.add("log", mpmath.log10, [x], "rad", 0)
    add_powers(g)
    return g


# Powers b^p, written as the formula text itself.
def add_powers(g):
    pairs = (("2", "0.5"), ("2", "(-1)"), ("2", "100"), ("2", "(-100)"), ("10", "(-2)"), ("1.0000001", "1E10"),
             ("3", "3.3"), ("0.5", "10000"), ("10", "4932"), ("10", "4933"), ("10", "(-4900)"), ("7", "(-0.25)"),
             ("1E-300", "15"), ("123.456", "78.9"), ("0.99", "1000"), ("(-2)", "3"), ("(-3)", "(-3)"))
    for b, p in pairs:
        formula = b + "^" + p
        if (formula, "rad") in g.seen:
            continue
        g.seen.add((formula, "rad"))
        value = ext(b.strip("()")) ** ext(p.strip("()"))
        g.lines.append("\t".join([formula, "rad", truth_text(value), "-"]))


# ---------------------------------------------------------------- special functions


def gamma_grid(g):
    xs = ["1E-4000", "1E-300", "1E-30", "1E-19", "1E-10", "1E-5", "0.001", "0.01", "0.5", "1.5", "2.5"]
    xs += randoms(0, 12, 60)
    xs += [str(k) for k in list(range(1, 31)) + [50, 100, 170, 171, 500, 1000, 1754, 1755, 1756]]
    xs += randoms(12, 1755.5, 40, log=True) + ["1755.4", "1755.5", "5.000000000000001", "0.999999999999"]
    xs += ["-0.5", "-1.5", "-2.5", "-10.5", "-100.5", "-170.5", "-1000.5", "-1754.5", "-1760.5", "-1765.3"]
    xs += randoms(-20, 0, 40)
    for k in (1, 2, 3, 10, 100, 1000, 1754):
        for d in (mpf("1E-15"), mpf("1E-10"), mpf("1E-5"), mpf("0.25")):
            for sign in (1, -1):
                v = -k + sign * d
                xs.append(mpmath.nstr(v, 22, min_fixed=-50, max_fixed=50))
    for x in xs:
        g.add("gamma", mpmath.gamma, [x])
    for n in list(range(0, 26)) + [50, 100, 170, 171, 500, 1000, 1500, 1754, 1755]:
        g.add("n!", lambda v: mpmath.factorial(v), [str(n)])


def erf_grid(g):
    xs = ["0"] + signed(["1E-4000", "1E-300", "1E-30", "1E-10", "1E-5", "0.001", "6.5", "7", "10", "27", "1E10",
                         "1E4000"]) + randoms(-6, 6, 60)
    for x in xs:
        g.add("erf", mpmath.erf, [x], zero_index=0)


def si_ci_grid(g):
    xs = ["1E-4000", "1E-300", "1E-10", "1E-5", "0.001", "0.1", "0.5", "0.9999", "1", "1.0001", "2", "4"]
    xs += randoms(0, 10, 50) + randoms(10, 100, 20) + randoms(100, 1e6, 20, log=True)
    xs += ["1E10", "1E18", "1E19", "1E20", "1E100", "1E1000", "1E4000", "1.1E4932"]
    zeros = [mpmath.findroot(mpmath.ci, x0) for x0 in (0.6165, 3.3842, 6.4270, 9.5498, 31.4)]
    near = []
    for z in zeros:
        near.append(mpmath.nstr(z, 21, min_fixed=-50, max_fixed=50))
        for d in ("1E-15", "1E-10", "1E-5"):
            near.append(mpmath.nstr(z + mpf(d), 21, min_fixed=-50, max_fixed=50))
    for x in ["0"] + xs:
        g.add("Si", mpmath.si, [x], zero_index=0)
    for x in xs + near:
        g.add("Ci", mpmath.ci, [x], zero_index=0)


ORDERS = ["0", "0.25", "0.5", "1", "1.5", "2", "2.5", "3", "4.7", "5", "7.5", "10", "10.3", "15", "20", "30.5",
          "50", "75.25", "100", "150", "200.5", "400", "700", "1000"]
ARGS = ["1E-300", "1E-20", "1E-5", "0.01", "0.1", "0.5", "1", "1.5", "2", "2.5", "3", "4", "5", "7", "10", "12.5",
        "15", "20", "25", "30", "35", "40", "50", "60", "75", "90", "100", "120", "150", "200", "300", "500",
        "700", "1000", "1500", "2000", "5000", "1E4", "3E4", "1E5", "1E6", "1E8", "1E10", "1E15", "1E20",
        "1E30", "1E100"]


def bessel_points(limit=None):
    points = []
    for n in ORDERS:
        for x in ARGS:
            if limit is None or mpf(x) <= limit:
                points.append((n, x))
        nu = float(n)
        if nu >= 5:
            for r in (0.5, 0.9, 0.99, 1, 1.01, 1.1, 2):
                points.append((n, decimal(nu * r)))
    for _ in range(60):
        n = decimal(rng.choice([rng.uniform(0, 5), rng.uniform(0, 60), math.exp(rng.uniform(0, math.log(800)))]))
        x = decimal(math.exp(rng.uniform(math.log(1e-3), math.log(limit if limit else 1e6))))
        points.append((n, x))
    return points


def bessel_kwargs(f):
    return lambda n, x: f(n, x, maxprec=100000)


def bessel_k(n, x):
    """K from mpmath's besselk, checked from order 20 on against the integral below (besselk can
    return garbage there, even a negative value); where besselk does not finish or disagrees, the
    integral: K_n(x) = integral over t > 0 of exp(-x cosh t) cosh(n t), with the peak of the
    integrand (at sinh t = n / x) scaled out and the interval cut where it has fallen by e^-120."""
    signal.alarm(10)
    try:
        value = mpmath.besselk(n, x)
    except TimeOut:
        value = None
    finally:
        signal.alarm(0)
    if value is not None and n < 20:
        return value
    integral = bessel_k_integral(n, x)
    if value is not None and abs(value - integral) <= mpf("1e-22") * abs(integral):
        return value
    return integral


def bessel_k_integral(n, x):
    t0 = mpmath.asinh(n / x)
    peak = -x * mpmath.cosh(t0) + n * t0
    hi = t0 + 1
    while -x * mpmath.cosh(hi) + n * hi > peak - 120:
        hi = t0 + 2 * (hi - t0)
    lo = max(mpf(0), t0 - 1)
    points = [mpf(0), lo, t0, hi] + [t0 + (hi - t0) * k / 8 for k in range(1, 8)]
    points += [t0 - (t0 - lo) * k / 4 for k in range(1, 4)]
    points = sorted(set(p for p in points if p >= 0))

    def integrand(t):
        return mpmath.exp(-x * mpmath.cosh(t) + n * t - peak) * (1 + mpmath.exp(-2 * n * t)) / 2

    return mpmath.quad(integrand, points) * mpmath.exp(peak)


def bessel_grid(g):
    j = bessel_kwargs(mpmath.besselj)
    y = bessel_kwargs(mpmath.bessely)
    i = bessel_kwargs(mpmath.besseli)
    k = bessel_k
    for n, x in bessel_points():
        g.add("Jn", j, [n, x], zero_index=1)
        g.add("Yn", y, [n, x], zero_index=1)
    for n in ("0", "1", "2.5"):
        for index in (1, 2, 10, 100):
            for name, f, zero in (("Jn", j, mpmath.besseljzero), ("Yn", y, mpmath.besselyzero)):
                z = zero(mpf(n), index)
                for d in ("0", "1E-15", "1E-10", "1E-5"):
                    g.add(name, f, [n, mpmath.nstr(z + mpf(d), 21, min_fixed=-50, max_fixed=50)], zero_index=1)
    for n in ("0",):
        g.add("Jn", j, [n, "0"])
    for n in ("0", "0.25", "0.5", "1", "2.5", "10"):
        for x in ("1E-4000", "1E-1000"):
            for name, f in (("Jn", j), ("Yn", y), ("In", bessel_kwargs(mpmath.besseli)), ("Kn", bessel_k)):
                g.add(name, f, [n, x])
    for n, x in bessel_points(11500):
        g.add("In", i, [n, x], seconds=30)
        g.add("Kn", k, [n, x], seconds=30)
    for n in ORDERS:
        for x in ("11000", "11300", "11356", "11400", "11500"):
            g.add("In", i, [n, x], seconds=30)
            g.add("Kn", k, [n, x], seconds=120)


def fermi_dirac(n, x):
    """-Gamma(n+1) Li_(n+1)(-e^x); below x = -1 by its series, where mpmath's polylog of order 1
    (a logarithm of 1 + e^x) would lose e^x against 1."""
    if x <= -1:
        return mpmath.gamma(n + 1) * mpmath.nsum(lambda k: (-1) ** (k + 1) * mpmath.exp(k * x) / k ** (n + 1),
                                                 [1, mpmath.inf])
    return -mpmath.gamma(n + 1) * mpmath.polylog(n + 1, -mpmath.exp(x))


def fermi_dirac_grid(g):
    orders = ["-0.9", "-0.75", "-0.5", "-0.25", "0", "0.25", "0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "5",
              "7.5", "10", "20", "50", "100"]
    xs = ["-11000", "-1000", "-100", "-50", "-30", "-23.5", "-20", "-10", "-5", "-3", "-2", "-1", "-0.5", "-0.1",
          "-1E-10", "0", "1E-10", "0.1", "0.5", "1", "1.5", "2", "3", "5", "7.5", "10", "15", "20", "23", "25", "30",
          "40", "50", "60", "75", "100", "150", "300", "1000", "1E4", "1E6", "1E10", "1E20"]
    for n in orders:
        for x in xs:
            g.add("eFD", fermi_dirac, [n, x], seconds=30)
    for _ in range(60):
        n = decimal(rng.uniform(-0.95, 30))
        x = decimal(rng.uniform(-40, 120))
        g.add("eFD", fermi_dirac, [n, x], seconds=30)


HEADER_ELEMENTARY = (
    "# The catalogue's elementary functions at the extended value nearest to each argument, from mpmath\n"
    "# (make_grids.py). formula\tangle\ttrue value, 25 digits\tz: sign change nearby\n")
HEADER_SPECIAL = (
    "# The special functions at the extended value nearest to each argument, from mpmath (make_grids.py).\n"
    "# formula\tangle\ttrue value, 25 digits, or overflow\tz: sign change nearby\n")

if __name__ == "__main__":
    mp.dps = 40
    which = sys.argv[1:] or ["elementary", "special"]
    if "elementary" in which:
        elementary().write("elementary-grid.tsv", HEADER_ELEMENTARY)
    if "special" in which:
        s = Grid()
        gamma_grid(s)
        erf_grid(s)
        si_ci_grid(s)
        bessel_grid(s)
        fermi_dirac_grid(s)
        s.write("special-functions-grid.tsv", HEADER_SPECIAL)
    save_cache()
