// The grant sheet of a station ("Ficha de vazões de referência"): a page of header lines (all a
// reviewer needs to reproduce it: period, discard rule, method, criterion, program version), the
// reference figures and the data of its two charts; then, when the summary has them, a page of
// the monthly reference flows with their chart. Ready for the drawing code.
#pragma once

#include "estacaoresumo.h"
#include "linharesumo.h"

#include "analyses/tabelaspermanencia.h"
#include "stats/analisedistribuicoes.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace corvel {

inline constexpr auto kTituloFicha = "Ficha de vazões de referência";
inline constexpr auto kTituloFichaMensal = "Vazões de referência mensais";

// A line of the monthly chart: a value per calendar month, January first.
struct SerieMensal {
    QString nome;
    std::array<std::optional<double>, 12> valores;
};

struct FichaReferencia {
    QString titulo = QString::fromUtf8(kTituloFicha);
    std::vector<QString> cabecalho;
    std::vector<FiguraResumo> figuras; // the figures after the station's code and name
    std::vector<QString> notas;        // numbered, under the figures
    GraficoPermanencia curva;          // the continuous curve, thinned to what a page can show
    std::vector<EventoDistribuicao> minimas;
    QString tituloMinimas; // "Mínimas anuais de 7 dias (m³/s)"

    // The monthly page; empty `linhasMensais` when the summary has no monthly figures.
    std::vector<QString> cabecalhoMensal;
    std::vector<QString> colunasMensais;
    std::vector<std::vector<QString>> linhasMensais; // twelve months, then the seasons
    std::vector<QString> notasMensais;
    std::vector<SerieMensal> graficoMensal;
    QString tituloGraficoMensal;
};

// `arquivo` is the station's file as the user named it; `nome` its name in the station list.
FichaReferencia montarFicha(const ResumoEstacao& resumo, const QString& arquivo,
                            const QString& nome);

// "Método: ...": how the minima were fitted and their zeros treated, and the days left out.
QString textoMetodoFicha(const ResumoEstacao& resumo);

} // namespace corvel
