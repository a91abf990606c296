// Samples and the tolerance helper shared by the distribution tests. The samples are the ones
// tests/stats/referencias.py computes its reference values from.
#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace corvel::teste {

// Thirty annual maxima (m³/s) of a mid-sized river: mean 890.6, skewness 1.31.
inline const std::vector<double> kMaximas = {
    512.4,  689.0, 1043.7, 778.2,  615.9, 1320.5, 854.1, 590.3,  947.8,  720.6,
    1589.2, 668.4, 803.9,  1102.3, 560.7, 735.5,  911.0, 1250.8, 642.1,  830.6,
    998.4,  705.2, 1876.3, 587.9,  760.0, 1015.6, 694.8, 869.3,  1420.1, 623.5};

// Thirty annual minima of the 7-day mean flow: mean 13.55, skewness 0.21, and a negatively
// skewed logarithm (B = 2.93 < 3 in the log-Pearson III).
inline const std::vector<double> kMinimas = {
    14.2, 11.8, 16.9, 9.7,  13.5, 15.8, 12.1, 10.4, 17.6, 13.0, 8.9,  14.9, 12.7, 16.2, 11.3,
    15.1, 10.9, 13.8, 19.4, 12.4, 9.3,  14.4, 16.5, 11.6, 13.2, 10.1, 15.5, 12.9, 18.3, 14.0};

// |real − esperado| <= tolerancia · |esperado|.
inline ::testing::AssertionResult relativo(double real, double esperado, double tolerancia) {
    const double erro = std::fabs(real - esperado);
    if (erro <= tolerancia * std::fabs(esperado)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << real << ", expected " << esperado << " (relative error "
           << erro / std::fabs(esperado) << " > " << tolerancia << ")";
}

} // namespace corvel::teste
