// A century of daily flows for the regularization benchmarks: January 1924 to December 2023, a
// seasonal cycle and a missing day in most months, about 36 000 valid days.
#pragma once

#include "core/serie.h"

#include <cmath>

namespace corvel {

inline SerieTabela seculoRegularizacao() {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(1924, 1, 1); m.year() <= 2023; m = m.addMonths(1)) {
        RegistroMensal r = SerieTabela::novoRegistro(2);
        r.registroId = ++id;
        r.estacaoCodigo = 56110005;
        r.data = m;
        const int falha = (m.year() * 7 + m.month() * 3) % 45;
        for (int d = 1; d <= m.daysInMonth(); ++d) {
            if (d == falha) continue;
            const double fase = 2 * M_PI * (m.month() - 1 + (d - 1) / 31.0) / 12;
            r.vazao[static_cast<std::size_t>(d - 1)] =
                120 + 90 * std::cos(fase) + (m.year() % 13) + d % 5;
        }
        s.acrescentarProgramatico(std::move(r));
    }
    s.indice();
    return s;
}

} // namespace corvel
