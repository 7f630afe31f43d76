#!/usr/bin/env python3
"""Hand calculation of the worked example docs/example.vorlan in all six modes.

Written apart from the program, from the physics alone: property tables interpolated linearly at
1 bar, Sieder-Tate film coefficients with the 3.66 and laminar-entry branches and the linear blend
between Re 2300 and 10000, the wall temperature from the two film coefficients (six passes), the
overall coefficient on the outside surface of the inner pipe, Colebrook and Darcy-Weisbach, and
the log-mean temperature difference. Each mode is solved to 1e-9 by bisection on the duty (length
given) or by fixed point on the length (capacity given). It prints the values that
tests/calc/workedexample_test.cpp expects. Run: python3 worked_example.py ../../../data
"""
import math
import sys
from pathlib import Path

DATA = Path(sys.argv[1] if len(sys.argv) > 1 else "../../../data")
PI = 3.1415929794  # the program's pi for areas and surfaces (one unit above the nearest single)


def table(name):
    numbers = [float(v) for v in (DATA / f"{name}.dat").read_text().replace("\n", ",").split(",") if v.strip()]
    rows = [numbers[i:i + 7] for i in range(0, len(numbers), 7)]
    return [r for r in rows if r[1] == 1.0]  # the 1 bar block


def interp(rows, x_col, y_col, x):
    for a, b in zip(rows, rows[1:]):
        if a[x_col] <= x < b[x_col]:
            break
    else:
        a, b = rows[0], rows[1]  # outside the block: along the first segment
    return a[y_col] + (x - a[x_col]) * (b[y_col] - a[y_col]) / (b[x_col] - a[x_col])


class Fluid:
    def __init__(self, name):
        self.rows = table(name)

    def props(self, t):  # rho, cp, k, mu
        return [interp(self.rows, 0, c, t) for c in (2, 3, 4, 5)]

    def h(self, t):
        return interp(self.rows, 0, 6, t)

    def t(self, h):
        return interp(self.rows, 6, 0, h)

    def mu_wall(self, t):
        if t < self.rows[0][0]:
            return self.rows[0][5]
        if t >= self.rows[-1][0]:
            return self.rows[-1][5]
        return interp(self.rows, 0, 5, t)


# docs/example.vorlan: water in a 25 x 2 mm copper pipe, ethylene glycol 30 % in a 50 x 3 mm pipe.
inner, outer = Fluid("Water"), Fluid("Ethylene Glycol 30%")
d_o, d_i = 0.025, 0.021
D_i = 0.044
d_h = (D_i**2 - d_o**2) / (D_i + d_o)
area_i, area_e = d_i**2 * PI / 4, (D_i**2 - d_o**2) * PI / 4
k_wall, rough = 401.0, 1.5e-6
fouling_i, fouling_e = 0.0001, 0.0002


def nusselt(re, pr, gz, mu, mu_w):
    if gz < 2:
        return 3.66
    phi = (mu / mu_w) ** 0.14
    lam = 1.86 * gz ** (1 / 3) * phi
    if re < 2300:
        return lam
    tur = 0.027 * re**0.8 * pr ** (1 / 3) * phi
    if re > 10000:
        return tur
    return lam + (re - 2300) / 7700 * (tur - lam)


def side(fluid, t_mean, flow, area, d):
    rho, cp, k, mu = fluid.props(t_mean)
    v = flow / area / rho
    return dict(rho=rho, cp=cp, k=k, mu=mu, v=v, re=rho * v * d / mu, pr=cp * 1000 * mu / k, d=d)


def overall(si, se, length, ti, te):
    gz_i, gz_e = si["re"] * si["pr"] * d_i / length, se["re"] * se["pr"] * d_h / length
    mw_i, mw_e = si["mu"], se["mu"]
    for _ in range(6):
        h_i = nusselt(si["re"], si["pr"], gz_i, si["mu"], mw_i) * si["k"] / d_i
        h_e = nusselt(se["re"], se["pr"], gz_e, se["mu"], mw_e) * se["k"] / d_h
        t_wall = (h_i * ti + h_e * te) / (h_i + h_e)
        mw_i, mw_e = inner.mu_wall(t_wall), outer.mu_wall(t_wall)
    r = (d_o - d_i) / 2 / k_wall * d_o / d_i + d_o / (d_i * h_i) + 1 / h_e + fouling_i + fouling_e
    return 1 / r


def lmtd(hot_in, hot_out, cold_in, cold_out, counter=True):
    a, b = (hot_in - cold_out, hot_out - cold_in) if counter else (hot_in - cold_in, hot_out - cold_out)
    return (a - b) / math.log(a / b)


def friction(re, d):
    if re < 2300:
        return 64 / re
    f = 0.02
    for _ in range(200):
        f = (-2 * math.log10(rough / d / 3.71 + 2.51 / (re * math.sqrt(f)))) ** -2
    return f


def state(ti_in, ti_out, m_i, te_in, te_out, m_e, length):
    si = side(inner, (ti_in + ti_out) / 2, m_i, area_i, d_i)
    se = side(outer, (te_in + te_out) / 2, m_e, area_e, d_h)
    u = overall(si, se, length, (ti_in + ti_out) / 2, (te_in + te_out) / 2)
    return si, se, u


def report(name, ti_out, m_i, te_out, m_e, q, length):
    si, se, u = state(80, ti_out, m_i, 15, te_out, m_e, length)
    dp_i = friction(si["re"], d_i) * length / d_i * si["rho"] * si["v"] ** 2 / 2 / 1000
    dp_e = friction(se["re"], d_h) * length / d_h * se["rho"] * se["v"] ** 2 / 2 / 1000
    print(f"{name}: q {q:.6g} kW, L {length:.6g} m, U {u:.6g}, intTout {ti_out:.6g}, estTout {te_out:.6g}, "
          f"intPort {m_i:.6g}, estPort {m_e:.6g}, intVel {si['v']:.6g}, estVel {se['v']:.6g}, "
          f"Rei {si['re']:.6g}, Ree {se['re']:.6g}, intDeltaP {dp_i:.6g}, estDeltaP {dp_e:.6g}")


def bisect(f, lo, hi):
    for _ in range(200):
        mid = (lo + hi) / 2
        if (f(lo) > 0) == (f(mid) > 0):
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


# Each mode: from the duty q, the balances give the unknown flow and outlet; the rate equation
# q = U A dTml / 1000 closes the case (length given) or gives the length (capacity given).
def outlets(q, mode):
    if mode == 1:  # internal outlet 60 given, external flow 0.6 given
        m_i = q / (inner.h(80) - inner.h(60))
        return 60.0, m_i, outer.t(outer.h(15) + q / 0.6), 0.6
    if mode == 2:  # internal flow given, external outlet given
        m_e = q / (outer.h(EXT_OUT) - outer.h(15))
        return inner.t(inner.h(80) - q / INT_FLOW), INT_FLOW, EXT_OUT, m_e
    return inner.t(inner.h(80) - q / INT_FLOW), INT_FLOW, outer.t(outer.h(15) + q / 0.6), 0.6


def rate_residual(q, mode, length):
    ti_out, m_i, te_out, m_e = outlets(q, mode)
    _, _, u = state(80, ti_out, m_i, 15, te_out, m_e, length)
    return u * PI * length * d_o * lmtd(80, ti_out, 15, te_out) / 1000 - q


def solve_length_given(mode, length, q_high):
    q = bisect(lambda q: rate_residual(q, mode, length), 1e-3, q_high)
    report(f"L{mode}", *outlets(q, mode), q, length)
    return q


def solve_capacity_given(mode, q):
    ti_out, m_i, te_out, m_e = outlets(q, mode)
    length = 10.0
    for _ in range(500):
        _, _, u = state(80, ti_out, m_i, 15, te_out, m_e, length)
        length = q * 1000 / (u * lmtd(80, ti_out, 15, te_out)) / (PI * d_o)
    report(f"C{mode}", ti_out, m_i, te_out, m_e, q, length)


q1 = solve_length_given(1, 12.0, 40.0)
INT_FLOW, EXT_OUT = 0.3, 26.0  # the flows and outlet given in the other modes
solve_length_given(2, 12.0, 75.0)
solve_length_given(3, 12.0, 75.0)
for mode in (1, 2, 3):
    solve_capacity_given(mode, 20.0)
