// The annual tables of the minimum and maximum flows as the windows export them, and the annual
// events they hand to the distribution and stationarity analyses.
#pragma once

#include "vazoesanuais.h"

#include <QString>
#include <vector>

namespace corvel {

using LinhasAnuais = std::vector<std::vector<QString>>;

// Column titles of the exports: "Ano", "Data de início", "Vazão Mínima (m³/s)", "Dias válidos"
// and "Ano", "Data", "Máximas", "Dias válidos"; then "Dias sinalizados", the flagged days an
// event rests on (estimated, doubtful, dry gauge, raw, filled: core/sinais.h).
std::vector<QString> titulosMinimas();
std::vector<QString> titulosMaximas();
LinhasAnuais linhasMinimas(const std::vector<MinimaAnual>& anuais,
                           Digitos digitos = Digitos::Exibicao);
LinhasAnuais linhasMaximas(const std::vector<MaximaAnual>& anuais,
                           Digitos digitos = Digitos::Exibicao);

// An annual event: the date text of the row and its value with all its digits (the table shows it
// rounded; a fit or a test of rounded values would change with the unit of the flows).
struct EventoAnual {
    QString rotulo;
    double valor = 0;
};

// The rows with a numeric value, in year order: the start date of the minimum window, or the
// date of the maximum. Years without a value ("-", " - " or empty) are left out.
std::vector<EventoAnual> eventosMinimas(const std::vector<MinimaAnual>& anuais);
std::vector<EventoAnual> eventosMaximas(const std::vector<MaximaAnual>& anuais);

} // namespace corvel
