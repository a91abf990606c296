// The year listing of pre-processing: one row per hydrological year with its valid and missing
// days, and the counters of the failure report.
#pragma once

#include "core/serie.h"

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

namespace corvel {

// Reports a long pass over the months: months done so far and the total.
using Andamento = std::function<void(qsizetype feitos, qsizetype total)>;

// A start month outside 1..12 (a file written by hand, say) counts as January.
int inicioValido(int inicioAnoHidrologico);

// First day of hydrological year `ano` (named by the calendar year it begins in).
QDate inicioDoAno(int ano, int inicioAnoHidrologico);
// The hydrological year a month belongs to.
int anoHidrologicoDe(QDate mes, int inicioAnoHidrologico);

// A row of the annual list (`cdsAnual`).
struct LinhaAnual {
    QString anoh;                     // "1975" with January as start, else "1975/1976"
    int nreg = 0;                     // valid days of the year
    int ano = 0;                      // the calendar year the hydrological year begins in
    int nulos = 0;                    // missing days of the year
    QString pNulos;                   // annual percentage as "05,3%"
    qint16 descartar = 0;             // -1 when all 12 months are discarded
    double porcentagemAnualNulos = 0; // 100 × missing days / days of the year's months
};

struct ContadoresFalhas {
    int anosAnalisados = 0, anosCompletos = 0, anosComFalhas = 0, anosSemDados = 0,
        anosDescartados = 0;
    int mesesAnalisados = 0, mesesComFalhas = 0, mesesSemDados = 0, mesesDescartados = 0;
};

struct ListagemAnual {
    std::vector<LinhaAnual> anos;
    ContadoresFalhas contadores;
    // Years whose sums could not be made (no month of theirs is in the table); they have no row
    // and add nothing to the counters, but count as analysed.
    std::vector<int> anosComErro;
};

// The years run from the calendar year of the first month to that of the last one, one less
// when the hydrological year does not start in January, so that every listed year is whole.
ListagemAnual listarAnos(const SerieTabela& serie, int inicioAnoHidrologico);

} // namespace corvel
