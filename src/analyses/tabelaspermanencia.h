// What the flow-duration window shows, exports, charts and prints: every text and point comes from
// here, the window only displays them.
#pragma once

#include "permanencia.h"
#include "tabelatexto.h"

#include <QPointF>

namespace corvel {

// Titles of the spreadsheet exports (the input data take the station code).
inline constexpr auto kPlanilhaClasses = "Análise de frequência - Classes";
inline constexpr auto kPlanilhaContinua = "Análise de frequência, contínua";
inline constexpr auto kPlanilhaReferenciasClasses = "Vazões X Permanência - classes";
inline constexpr auto kPlanilhaReferenciasContinua = "Vazões X Permanência - contínua";

// "Exportar \"Dados de entrada\"": "Mês", "Dia 01" ... "Dia 31", as values for the spreadsheet;
// tabelaDadosPermanencia is its CSV text (the day values in the general number form, a missing
// day empty).
TabelaExibida dadosEntradaPermanencia(const SerieTabela& considerados);
TabelaTexto tabelaDadosPermanencia(const SerieTabela& considerados);

// "Intervalo de classe (m³/s)": "123,457  -  100,000".
QString textoIntervaloClasse(const ClassePermanencia& classe);

// Sub-page "Análise de frequência" of the class curve (bounds and frequencies "###,###,##0.0000",
// days "###,###,##0") or its CSV export (general form, after its six title lines): "Classe",
// "Intervalo de classe (m³/s)", "Vazão máx. (m³/s)", "Vazão mín. (m³/s)", "Núm. dias",
// "Frequência (%)", "Freq. acumulada (%)".
TabelaTexto tabelaClasses(const std::vector<ClassePermanencia>& classes, FormaTexto forma);
// Sub-page "Vazões X permanência" of the class curve or its CSV export: "Permanência (%)",
// "Vazão (m³/s)"; "-" for a flow beyond the table.
TabelaTexto tabelaReferenciasClasses(const std::vector<ReferenciaClasse>& referencias,
                                     FormaTexto forma);
// Sub-page "Análise de frequência" of the continuous curve (flow "0.0000", percentage "0.00") or
// its CSV export: "Vazão (m³/s)", "Permanência (%)".
TabelaTexto tabelaContinua(const std::vector<PontoPermanencia>& curva, FormaTexto forma);
// Sub-page "Vazões X permanência" of the continuous curve (flow "0.0000") or its CSV export:
// "Permanência(%)", "Vazão (m³/s)"; "-" for a flow beyond the table.
TabelaTexto tabelaReferenciasContinua(const std::vector<ReferenciaContinua>& referencias,
                                      FormaTexto forma);

// The spreadsheet exports of the four tables, with the titles of their CSV files: flows, bounds and
// percentages as numbers (a flow beyond the table an empty cell), class numbers, day counts and
// percentages sought as text.
TabelaExibida planilhaClasses(const std::vector<ClassePermanencia>& classes);
TabelaExibida planilhaReferenciasClasses(const std::vector<ReferenciaClasse>& referencias);
TabelaExibida planilhaContinua(const std::vector<PontoPermanencia>& curva);
TabelaExibida planilhaReferenciasContinua(const std::vector<ReferenciaContinua>& referencias);

// The four reports, each on six columns (the continuous ones leave four blank).
RelatorioTexto relatorioReferenciasClasses(const std::vector<ReferenciaClasse>& referencias);
RelatorioTexto relatorioClasses(const std::vector<ClassePermanencia>& classes);
RelatorioTexto relatorioReferenciasContinua(const std::vector<ReferenciaContinua>& referencias);
RelatorioTexto relatorioContinua(const std::vector<PontoPermanencia>& curva);
// The reports' "Período:": the first and the last considered month, "Janeiro/1990 -
// Dezembro/1999"; empty without months.
QString periodoPermanencia(const SerieTabela& considerados);

// A chart page: titles, axes (percentage in steps of 5) and the points of its one line. A
// logarithmic flow axis can show only the points above zero.
struct GraficoPermanencia {
    QString titulo = QStringLiteral("Curva de Permanência");
    QString rodape = QStringLiteral("Corvel 1.0");
    QString eixoX = QStringLiteral("Frequência acumulada ( %)");
    QString eixoY = QStringLiteral("Vazão (m³/s)");
    double passoX = 5;
    std::vector<QPointF> pontos;
};
// Class chart: (f, max) of every class, class 50 first.
GraficoPermanencia graficoClasses(const std::vector<ClassePermanencia>& classes);
// Continuous chart: (percentage, flow) of every row.
GraficoPermanencia graficoContinua(const std::vector<PontoPermanencia>& curva);
// The points a chart draws: all of them on a linear flow axis; on a logarithmic one only those
// with a flow above zero (a dry day has no place there), in the same order.
std::vector<QPointF> pontosNaEscala(const GraficoPermanencia& grafico, bool logaritmica);

} // namespace corvel
