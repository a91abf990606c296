// Sample L-moments: b_r = n⁻¹ Σ_j C(j−1, r) / C(n−1, r) x_(j), then l1 = b0, l2 = 2b1 − b0,
// l3 = 6b2 − 6b1 + b0, l4 = 20b3 − 30b2 + 12b1 − b0 (Hosking 1990, eq. 2.7 and 2.8).
#include "lmomentos.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace corvel {

LMomentos lmomentosAmostrais(std::span<const double> amostra) {
    std::vector<double> x(amostra.begin(), amostra.end());
    std::sort(x.begin(), x.end());
    return lmomentosOrdenados(x);
}

LMomentos lmomentosOrdenados(std::span<const double> x) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    LMomentos l;
    l.n = static_cast<int>(x.size());
    const double n = l.n;
    if (l.n == 0) {
        l.l1 = l.l2 = l.l3 = l.l4 = l.t3 = l.t4 = kNaN;
        return l;
    }
    double b0 = 0, b1 = 0, b2 = 0, b3 = 0;
    for (int i = 0; i < l.n; ++i) {
        const double j = i; // j − 1 for the 1-based rank j
        const double v = x[static_cast<std::size_t>(i)];
        b0 += v;
        b1 += v * j;
        b2 += v * j * (j - 1);
        b3 += v * j * (j - 1) * (j - 2);
    }
    b0 /= n;
    b1 = l.n >= 2 ? b1 / (n * (n - 1)) : kNaN;
    b2 = l.n >= 3 ? b2 / (n * (n - 1) * (n - 2)) : kNaN;
    b3 = l.n >= 4 ? b3 / (n * (n - 1) * (n - 2) * (n - 3)) : kNaN;
    l.l1 = b0;
    l.l2 = 2 * b1 - b0;
    l.l3 = 6 * b2 - 6 * b1 + b0;
    l.l4 = 20 * b3 - 30 * b2 + 12 * b1 - b0;
    l.t3 = l.l2 != 0 ? l.l3 / l.l2 : kNaN;
    l.t4 = l.l2 != 0 ? l.l4 / l.l2 : kNaN;
    return l;
}

} // namespace corvel
