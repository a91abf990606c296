// The one-page grant sheet of a station ("Ficha de vazões de referência"): header lines, the
// reference figures and the data of its two charts, ready for the drawing code.
#pragma once

#include "estacaoresumo.h"
#include "linharesumo.h"

#include "analyses/tabelaspermanencia.h"
#include "stats/analisedistribuicoes.h"

#include <QString>
#include <vector>

namespace corvel {

inline constexpr auto kTituloFicha = "Ficha de vazões de referência";

struct FichaReferencia {
    QString titulo = QString::fromUtf8(kTituloFicha);
    std::vector<QString> cabecalho;
    std::vector<FiguraResumo> figuras; // the figures after the station's code and name
    std::vector<QString> notas;        // numbered, under the figures
    GraficoPermanencia curva;          // the continuous curve, thinned to what a page can show
    std::vector<EventoDistribuicao> minimas;
    QString tituloMinimas; // "Mínimas anuais de 7 dias (m³/s)"
};

// `arquivo` is the station's file as the user named it; `nome` its name in the station list.
FichaReferencia montarFicha(const ResumoEstacao& resumo, const QString& arquivo,
                            const QString& nome);

} // namespace corvel
