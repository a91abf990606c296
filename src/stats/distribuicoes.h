// The six distributions fitted by the method of moments to a sample of annual extreme flows,
// each giving the T-year event, its moment standard error and a 95 % confidence interval.
//
// A constructor copies nothing it does not need, fits, computes every output and never throws:
// a failed fit has GetErro() == 1 and zero outputs. The second constructor of each class reuses
// a fitted object's T-independent part (the sample's moments and parameters) for another return
// period, with exactly the numbers a fresh fit would give; that period may be fractional (the
// conditional-probability adjustment reads the fit of the non-zero events between whole years).
#pragma once

#include "ajuste.h"

#include <array>
#include <limits>
#include <span>

namespace corvel {

// Three-parameter Weibull for minima, F(x) = 1 − exp(−((x − ξ)/β)^α); shows x̄, m2 (divisor n),
// g = m3/m2^1.5; Alfa = α (shape), Beta = ξ + β (characteristic value), Gama = ξ (lower bound).
class TWeibull : public ResultadoAjuste {
  public:
    TWeibull(std::span<const double> valores, int T);
    TWeibull(const TWeibull& ajuste, double T);
    double Alfa() const { return alfa_; }
    double Beta() const { return GetErro() ? 0 : caracteristico_; }
    double Gama() const { return GetErro() ? 0 : xi_; }

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    double n_ = 0, g_ = 0, b_ = 0, alfa_ = 0, h_ = 0, desvio_ = 0, caracteristico_ = 0, xi_ = 0;
    std::array<double, 8> G_{}; // G[k] = Γ(1 + k b), k = 1..7
    double V_ = 0, beta2_ = 0, beta3_ = 0, beta4_ = 0, psi1_ = 0, R_ = 0, D_ = 0, E_ = 0;
};

// Gumbel (extreme value type I) for maxima with the finite-sample reduced variate; shows x̄,
// s² (divisor n − 1), m3/s³; Alfa = 1.2825/s, Beta = u = x̄ − 0.45 s, Gama = 0.
class TGumbel : public ResultadoAjuste {
  public:
    // `maximos` is kept for symmetry with the other classes; the Gumbel ignores it.
    TGumbel(std::span<const double> valores, int T, bool maximos);
    TGumbel(const TGumbel& ajuste, double T);
    double Alfa() const { return alfa_; }
    double Beta() const { return GetErro() ? 0 : u_; }
    double Gama() const { return 0; }

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    double n_ = 0, s_ = 0, alfa_ = 0, u_ = 0, yMedio_ = 0, yDesvio_ = 0;
};

// Pearson type III; shows x̄, s², the skewness g corrected for sample size; Alfa = s/√β
// (scale), Beta = β = (2/g)² (shape), Gama = x0 = x̄ − s√β (origin).
class TPearson3 : public ResultadoAjuste {
  public:
    TPearson3(std::span<const double> valores, int T, bool maximos);
    TPearson3(const TPearson3& ajuste, double T);
    double Alfa() const { return alfa_; }
    double Beta() const { return GetErro() ? 0 : beta_; }
    double Gama() const { return GetErro() ? 0 : origem_; }

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    bool maximos_;
    double n_ = 0, s_ = 0, g_ = 0, alfa_ = 0, beta_ = 0, origem_ = 0;
};

// Log-Pearson type III fitted by the moments of the untransformed values: ln x follows a
// Pearson III with scale 1/α, shape λ and origin m. Shows the mean, variance and skewness of
// ln x; Alfa = 1/α, Beta = λ, Gama = m.
class TLogPearson3 : public ResultadoAjuste {
  public:
    TLogPearson3(std::span<const double> valores, int T, bool maximos);
    TLogPearson3(const TLogPearson3& ajuste, double T);
    double Alfa() const { return inversoAlfa_; }
    double Beta() const { return GetErro() ? 0 : lambda_; }
    double Gama() const { return GetErro() ? 0 : m_; }
    // B = (ln μ'3 − 3 ln μ'1) / (ln μ'2 − 2 ln μ'1): the approximations of α from B hold for
    // 3 < B <= 6 only; NaN when the sample's moments gave none.
    double B() const { return B_; }
    static constexpr double kBMinimo = 3, kBMaximo = 6;

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    bool maximos_;
    double n_ = 0, inversoAlfa_ = 0, lambda_ = 0, m_ = 0, desvioLog_ = 0;
    double B_ = std::numeric_limits<double>::quiet_NaN();
};

// Two-parameter log-normal from the moments of the untransformed values; shows x̄, s², m3/s³.
class TLogNormal2 : public ResultadoAjuste {
  public:
    TLogNormal2(std::span<const double> valores, int T, bool maximos);
    TLogNormal2(const TLogNormal2& ajuste, double T);

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    bool maximos_;
    double n_ = 0, s_ = 0, cv_ = 0, varianciaLog_ = 0, desvioLog_ = 0;
};

// Three-parameter log-normal, ln(x − a) normal; shows x̄, s², g = m3/s³ and A = a (lower
// bound). A negatively skewed sample has no solution by the method of moments: error flag 1.
class TLogNormal3 : public ResultadoAjuste {
  public:
    TLogNormal3(std::span<const double> valores, int T, bool maximos);
    TLogNormal3(const TLogNormal3& ajuste, double T);
    double A() const { return a_; }

  private:
    friend class ResultadoAjuste;
    void ajustarAmostra(std::span<const double> valores);
    void calcularEvento(double T);

    bool maximos_;
    double n_ = 0, s_ = 0, g_ = 0, eta_ = 0, a_ = 0, varianciaLog_ = 0, desvioLog_ = 0;
    // Sampling (co)variances of the first three moments and the T-independent derivatives.
    double var1_ = 0, var2_ = 0, var3_ = 0, cov12_ = 0, cov13_ = 0, cov23_ = 0;
    double detaDw_ = 0, dwDg_ = 0;
};

} // namespace corvel
