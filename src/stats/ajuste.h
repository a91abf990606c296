// What every distribution fit shows: the T-year event, its standard error and 95 % limits, the
// error flag and the sample statistics. The six classes share it without any virtual call.
#pragma once

#include <span>

namespace corvel {

class ResultadoAjuste {
  public:
    double GetEvento() const { return evento_; }
    double GetErroPadrao() const { return erroPadrao_; }
    double GetLimiteSuperior() const { return superior_; }
    double GetLimiteInferior() const { return inferior_; }
    // 0 after a successful fit; 1 when some intermediate was undefined, and then the four
    // outputs above are 0.
    int GetErro() const { return erro_; }

    // Mean, variance and skewness as each distribution shows them (see its class).
    double Media() const { return media_; }
    double Variancia() const { return variancia_; }
    double Assimetria() const { return assimetria_; }

  protected:
    // Runs one stage of the fit; an undefined intermediate (detalhe::FalhaAjuste) ends the fit
    // with the error flag, and what was computed before it keeps its value.
    template <class Etapa> void executar(Etapa etapa) noexcept;
    // Stores x_T and S_T with their limits x_T +- 1.96 S_T.
    void concluir(double evento, double erroPadrao);
    // Clears the T-year outputs before the same sample is computed for another T.
    void reiniciarEvento();
    // What the two constructors of every fit do: fit the sample, then the T-year event when the
    // fit succeeded; or, from a fitted copy, the event of another T. `Ajuste` is the fit's class,
    // which gives ResultadoAjuste access to its ajustarAmostra and calcularEvento.
    template <class Ajuste>
    void ajustarEAvaliar(Ajuste& ajuste, std::span<const double> valores, int T) noexcept {
        executar([&] { ajuste.ajustarAmostra(valores); });
        if (amostraAjustada_) executar([&] { ajuste.calcularEvento(T); });
    }
    template <class Ajuste> void reavaliar(Ajuste& ajuste, double T) noexcept {
        reiniciarEvento();
        if (amostraAjustada_) executar([&] { ajuste.calcularEvento(T); });
    }

    bool amostraAjustada_ = false; // the T-independent stage ended without failure
    double media_ = 0, variancia_ = 0, assimetria_ = 0;

  private:
    void falhar() noexcept;

    double evento_ = 0, erroPadrao_ = 0, superior_ = 0, inferior_ = 0;
    int erro_ = 0;
};

namespace detalhe {

// Thrown inside a fit by the first undefined intermediate; never leaves a constructor.
struct FalhaAjuste {};

// Every intermediate of a fit passes through here: a logarithm of zero or of a negative
// number, a square root of a negative number, a division by zero, an overflow and a power of a
// negative base with a fractional exponent all end up infinite or NaN.
inline double d(double valor) {
    if (!(valor - valor == 0)) // false for NaN and for +-infinity
        throw FalhaAjuste{};
    return valor;
}

// The sums every moment is made of, accumulated once per sample in sample order.
struct Somas {
    double n = 0, x = 0, x2 = 0, x3 = 0;
    // All values equal: the sample has no spread, whatever rounding leaves in the sums.
    bool constante = true;
};
Somas somar(std::span<const double> valores);

// x̄ = Σx/n, m2 = Σx²/n − x̄², m3 = 2x̄³ + Σx³/n − 3x̄(Σx²/n), population moments.
struct Momentos {
    double n, media, m2, m3;
};
Momentos momentos(const Somas& s);

} // namespace detalhe

template <class Etapa> void ResultadoAjuste::executar(Etapa etapa) noexcept {
    try {
        etapa();
    } catch (const detalhe::FalhaAjuste&) {
        falhar();
    }
}

} // namespace corvel
