// Small series and evaporation tables shared by the regularization tests.
#pragma once

#include "core/construtor.h"

#include "analyses/regularizacao.h"

#include <map>

namespace corvel::teste {

using Vazao = std::function<std::optional<double>(QDate)>;

inline SerieTabela serieRegularizacao(QDate de, QDate ate, const Vazao& vazao) {
    SerieTabela s = serieDiaria(de, ate, vazao);
    s.indice();
    return s;
}

// The reference case: eight valid days from 28 January to 5 February 2000, 30 January missing,
// every other day of the two months empty.
//   day      28/01 29/01 31/01 01/02 02/02 03/02 04/02 05/02
//   Q (m³/s)   10     2     2     6    14     2     8     4     sum 48, Qmed = 6
inline std::optional<double> vazaoReferencia(QDate d) {
    static const std::map<QDate, double> dias = {{QDate(2000, 1, 28), 10}, {QDate(2000, 1, 29), 2},
                                                 {QDate(2000, 1, 31), 2},  {QDate(2000, 2, 1), 6},
                                                 {QDate(2000, 2, 2), 14},  {QDate(2000, 2, 3), 2},
                                                 {QDate(2000, 2, 4), 8},   {QDate(2000, 2, 5), 4}};
    const auto i = dias.find(d);
    return i == dias.end() ? std::nullopt : std::optional(i->second);
}

inline SerieTabela serieReferencia() {
    return serieRegularizacao(QDate(2000, 1, 1), QDate(2000, 2, 1), vazaoReferencia);
}

// Evaporation rates of 0,864 × m mm/day in month m: over A km², Qevap(m) = 0,864 m × A ÷ 86,4,
// that is m × A ÷ 100 m³/s.
inline TabelaEvaporacao taxasCrescentes() {
    TabelaEvaporacao e = evaporacaoInicial();
    for (int m = 1; m <= 12; ++m)
        e[static_cast<std::size_t>(m - 1)].evaporacao = 0.864 * m;
    return e;
}

inline ResultadoRegularizacao calcular(const SerieTabela& s,
                                       const TabelaEvaporacao& e = evaporacaoInicial(),
                                       double area = 0, bool comEvaporacao = false) {
    return *calcularRegularizacao(s, e, area, comEvaporacao);
}

} // namespace corvel::teste
