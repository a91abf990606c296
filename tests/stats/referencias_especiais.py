#!/usr/bin/env python3
"""Reference values of the regularized incomplete gamma function for test_especiais.cpp,
computed with mpmath at 40 significant digits (independent of the kernel's series, continued
fraction and quadrature). Run: python3 tests/stats/referencias_especiais.py"""
import mpmath

mpmath.mp.dps = 40
for a in (3, 30, 250, 800, 2500, 40000):
    for z in (-3.0, -1.0, 0.0, 1.5, 4.0):
        x = a + z * a ** 0.5 + (3 if a < 10 else 0)
        x = float(x)
        p = mpmath.gammainc(a, 0, x, regularized=True)
        q = mpmath.gammainc(a, x, mpmath.inf, regularized=True)
        print("    {%d, %r, %s, %s}," % (a, x, mpmath.nstr(p, 17), mpmath.nstr(q, 17)))
