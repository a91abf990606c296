// What the mean-flow window shows, exports and prints, and what it hands to the stationarity
// window: every text comes from here, the window only displays it.
#pragma once

#include "tabelatexto.h"
#include "vazoesmedias.h"

#include <array>

namespace corvel {

// Titles of the spreadsheet exports of the three result tables.
inline constexpr auto kPlanilhaMediasAnuais = "Vazões médias";
inline constexpr auto kPlanilhaMediasMensais = "Vazões médias";
inline constexpr auto kPlanilhaMediasLongaDuracao = "Vazões médias mensais LD";

// "Exportar \"Dados de entrada\"": "Mês", "Falhas(%)", "Dia 1" ... "Dia 31", as values for the
// spreadsheet; tabelaDadosMedias is its CSV text (the failure percentage and the day values in the
// general number form, a missing day empty).
TabelaExibida dadosEntradaMedias(const SerieTabela& considerados);
TabelaTexto tabelaDadosMedias(const SerieTabela& considerados);

// Tab "Vazões médias anuais" and its CSV export (the same texts): "Ano", "Média", "Dias válidos",
// "Dias sinalizados".
TabelaTexto tabelaMediasAnuais(const std::vector<MediaAnual>& anuais,
                               Digitos digitos = Digitos::Exibicao);
// kNotaAnoParcial when some year is partial, for the window and the report.
std::vector<QString> notasMediasAnuais(const std::vector<MediaAnual>& anuais);
// Tab "Vazões médias mensais" and its CSV export: "Mês", "Vazões médias", "Dias válidos".
TabelaTexto tabelaMediasMensais(const std::vector<MediaMensal>& mensais,
                                Digitos digitos = Digitos::Exibicao);
// Tab "Médias mensais de longa duração" (mean "0.00") or its CSV export (the plain value): "Mês",
// "Media Mensal de longa duração", "Nº de meses considerados".
TabelaTexto tabelaMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao,
                                     FormaTexto forma);
// Its spreadsheet export: the mean as a number (an empty cell without months), the count as text.
// The annual and monthly tables are texts throughout (tabelaExibida of their tables).
TabelaExibida
planilhaMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao);

// The three reports, each of three columns.
RelatorioTexto relatorioMediasAnuais(const std::vector<MediaAnual>& anuais);
RelatorioTexto relatorioMediasMensais(const std::vector<MediaMensal>& mensais);
RelatorioTexto
relatorioMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao);

// The reports' long-term line: the header line split after its 29th character, the label
// "Vazão média de longa duração:" and the rest (" 12,3456 m³/s") placed right after it.
struct LinhaRotulada {
    QString rotulo;
    QString valor;
};
LinhaRotulada linhaRelatorioLongaDuracao(const QString& linhaLongaDuracao);

// One value handed to the stationarity window.
struct EntradaEstacionariedade {
    QString dataTexto; // "1/1/1987"
    QString rotulo;    // the row's "Ano" text: "1987" or "1987/1988"
    double valor = 0;  // the annual mean with all its digits
    QString anoTexto;  // "1987", for the year-based period lists
};

// Everything "Estacionariedade" hands over: the caption, both minimum periods, the entries (which
// also fill every period list) and the items preselected in the lists.
struct EntregaEstacionariedade {
    QString legenda;
    QString periodoMinimo;
    bool porAno = true; // the year-based period lists are shown, the date-based hidden
    std::vector<EntradaEstacionariedade> entradas;
    // Items selected, in list order: continuous test start and end, series 1 start and end,
    // series 2 start and end. The whole series and its two halves, split at (n - 1) div 2.
    std::array<int, 6> selecao{};
};

// The whole years with a mean, in year order; a year shown "-" and a partial year are left out.
EntregaEstacionariedade entregaMediasAnuais(const std::vector<MediaAnual>& anuais);

} // namespace corvel
