#!/usr/bin/env python3
"""Reference values for test_bootstrap.cpp, written independently of the kernel: the 64-bit
Mersenne Twister (Matsumoto and Nishimura 1998; the parameters of std::mt19937_64), the uniforms
((x >> 11) + 1/2)·2⁻⁵³, and the parametric bootstrap of the Gumbel fitted by L-moments to the
thirty maxima of amostras.h (percentiles by Hyndman and Fan's definition 7).
Run: python3 tests/stats/referencias_bootstrap.py"""
import math


class MT64:
    def __init__(self, seed):
        self.mt = [0] * 312
        self.mt[0] = seed & 0xFFFFFFFFFFFFFFFF
        for i in range(1, 312):
            self.mt[i] = (6364136223846793005 * (self.mt[i - 1] ^ (self.mt[i - 1] >> 62)) + i) & 0xFFFFFFFFFFFFFFFF
        self.i = 312

    def __call__(self):
        if self.i >= 312:
            for k in range(312):
                x = (self.mt[k] & 0xFFFFFFFF80000000) | (self.mt[(k + 1) % 312] & 0x7FFFFFFF)
                xa = x >> 1
                if x & 1:
                    xa ^= 0xB5026F5AA96619E9
                self.mt[k] = self.mt[(k + 156) % 312] ^ xa
            self.i = 0
        x = self.mt[self.i]
        self.i += 1
        x ^= (x >> 29) & 0x5555555555555555
        x ^= (x << 17) & 0x71D67FFFEDA60000
        x ^= (x << 37) & 0xFFF7EEE000000000
        x ^= x >> 43
        return x


def uniforme(g):
    return ((g() >> 11) + 0.5) * 2.0 ** -53


g = MT64(5489)
for _ in range(9999):
    g()
x = g()
print("10000th output with the default seed:", x, "(the standard's 9981545732273789042)")
g = MT64(20240601)
print("first uniforms of seed 20240601:", [repr(uniforme(g)) for _ in range(3)])

MAXIMAS = [512.4, 689.0, 1043.7, 778.2, 615.9, 1320.5, 854.1, 590.3, 947.8, 720.6,
           1589.2, 668.4, 803.9, 1102.3, 560.7, 735.5, 911.0, 1250.8, 642.1, 830.6,
           998.4, 705.2, 1876.3, 587.9, 760.0, 1015.6, 694.8, 869.3, 1420.1, 623.5]
EULER = 0.57721566490153286


def gumbel_lmomentos(x):
    x = sorted(x)
    n = len(x)
    b0 = sum(x) / n
    b1 = sum(j * v for j, v in enumerate(x)) / (n * (n - 1))
    l2 = 2 * b1 - b0
    alfa = l2 / math.log(2)
    return b0 - EULER * alfa, alfa


def evento(xi, alfa, T):
    return xi - alfa * math.log(-math.log(1 - 1 / T))


def percentil(v, p):
    h = (len(v) - 1) * p
    i = math.floor(h)
    return v[i] + (h - i) * (v[i + 1] - v[i]) if i + 1 < len(v) else v[-1]


xi, alfa = gumbel_lmomentos(MAXIMAS)
g = MT64(42)
eventos = []
for _ in range(500):
    replica = [xi - alfa * math.log(-math.log(uniforme(g))) for _ in MAXIMAS]
    eventos.append(evento(*gumbel_lmomentos(replica), 100))
eventos.sort()
media = sum(eventos) / len(eventos)
dp = math.sqrt(sum((e - media) ** 2 for e in eventos) / (len(eventos) - 1))
print("Gumbel, L-moments, T = 100, 500 replicates, seed 42: event, lower, upper, standard error")
print(repr(evento(xi, alfa, 100)), repr(percentil(eventos, 0.025)), repr(percentil(eventos, 0.975)), repr(dp))
