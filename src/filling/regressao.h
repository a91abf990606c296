// Simple linear regression of the base station on each auxiliary station over their common months,
// and the validation that decides which stations may fill the base.
#pragma once

#include "ajustereta.h"
#include "projetopreenchimento.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace corvel {

// Running sums of the pairs (x = auxiliary station, y = base).
class TLinearRegression {
  public:
    void limpar() { *this = {}; }
    void adicionar(double x, double y);
    int n() const { return n_; }
    // Least squares: A = (Σxy − ΣxΣy/n) / (Σx² − (Σx)²/n), B = (Σy − AΣx)/n; both 0 when n = 0.
    std::pair<double, double> coeficientes() const;
    // Pearson's r with the same sums; 0 when n < 2.
    double correlacao() const;
    // r² as (Sxy)² / (Sxx·Syy): the same number without the square root's rounding, so data whose
    // R² is exactly 0,7 give 0,7 and not 0,6999999999999998.
    double determinacao() const;

  private:
    int n_ = 0;
    double sx_ = 0, sxx_ = 0, sy_ = 0, syy_ = 0, sxy_ = 0;
};

// R² reaches the acceptance threshold of 0,7 (up to the rounding of the last bits of a double).
bool atingeLimiteR2(double r2);

enum class Validacao {
    Aceita, // more than 8 common months and R² ≥ 0,7
    Rejeitada,
    MesmaEstacao,       // r = 1 exactly
    SemDadosSuficientes // one common month, or x or y constant: slope or r undefined
};
QString textoValidacao(Validacao v);

// One row of the statistics table: an auxiliary station with at least one month in common with
// the base.
struct EstatisticaEstacao {
    int id = 0;     // 1, 2, … in order of creation
    int coluna = 0; // the station's column, 2 … 20
    QString estacao;
    std::optional<double> r2, a, b; // empty when undefined (SemDadosSuficientes)
    int dadosComuns = 0;
    Validacao validacao = Validacao::Rejeitada;
    bool utilizado = false;
    int nDadosPreenchidos = 0;
    // The lines of the filling method chosen, and the leave-one-out check of both methods (with the
    // same scale and grouping) on the common months.
    ModeloReta modelo;
    ValidacaoCruzada vcMqo, vcMove1;

    // The choice window fills from a row with R² ≥ 0,7 and 8 common months or more (one fewer
    // than the validation asks).
    bool podePreencher() const;

    // Texts of the grids: R², A and B with "0.0000", empty when undefined; "Sim"/"Não" for the
    // station used.
    QString textoR2() const;
    QString textoA() const;
    QString textoB() const;
    QString textoValidacao() const { return corvel::textoValidacao(validacao); }
    QString textoUtilizado() const;

    friend bool operator==(const EstatisticaEstacao&, const EstatisticaEstacao&) = default;
};

// The statistics of every auxiliary column 2 … 20 over the months where both the base (observed,
// not filled) and the column have a value, in column order; a column without common months gets
// no row. Every station starts as not used. R², A, B and the validation are always those of least
// squares on the flows; `opcoes` chooses the lines the filling uses.
std::vector<EstatisticaEstacao> CalculosEstatistico(const ProjetoPreenchimento& projeto,
                                                    const OpcoesReta& opcoes = {});

// The concurrent months of the base and column j as pairs.
std::vector<Par> paresComuns(const ProjetoPreenchimento& projeto, int j);

} // namespace corvel
