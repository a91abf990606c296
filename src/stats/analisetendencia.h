// The non-parametric trend analysis of an input series as the stationarity window and
// corvel-cli show it: Mann-Kendall, Sen's line and Pettitt over the values with a date, and the
// rows of texts they are exported and printed as.
#pragma once

#include "tendencia.h"

#include "core/relatorio.h"
#include "core/tabelaexibida.h"

#include <utility>
#include <vector>

namespace corvel {

struct AnaliseTendencia {
    NivelSignificancia nivel = NivelSignificancia::Cinco;
    CorrecaoSerial correcao = CorrecaoSerial::Nenhuma;
    std::vector<DadoEntrada> dados; // the values tested, in input order
    MannKendall mannKendall;
    DeclividadeSen sen;    // per year; intercepto is the line's value at the first date
    double anoInicial = 0; // decimal year of the first value: the origin of Sen's line
    Pettitt pettitt;
    QString rotuloMudanca; // label of the last value before the change point
    int eventosNulos = 0;  // values equal to zero
};

// The fewest values the trend tests are run on.
inline constexpr int kMinimoValoresTendencia = 10;

// The decimal year of a date (1990-07-02 ≈ 1990.5): the time axis of Sen's slope.
double anoDecimal(QDate data);

// Leaves out the values without a number. Throws Erro with fewer than 10 values, as the
// continuous test of the window asks.
AnaliseTendencia analisarTendencia(const std::vector<DadoEntrada>& dados, NivelSignificancia nivel,
                                   CorrecaoSerial correcao = CorrecaoSerial::Nenhuma);

// Sen's line at a date: intercepto + declividade · (anoDecimal(data) − anoInicial).
double valorRetaSen(const AnaliseTendencia& a, QDate data);

// One quantity of the three tests: its value for the spreadsheet, its text for the grid, the CSV
// and the report, and whether it is a hypothesis rejected (drawn in red).
struct LinhaTendencia {
    QString grandeza;
    Valor valor;
    QString texto;
    bool rejeitada = false;
};
std::vector<LinhaTendencia> resultadosTendencia(const AnaliseTendencia& a);

// What the page's chart draws, in decimal years: the values, Sen's line over the period, the
// change point half-way between the last value before it and the first after, and the means of
// the two parts.
struct GraficoTendencia {
    std::vector<std::pair<double, double>> valores;
    std::pair<double, double> senInicio, senFim;
    double mudanca = 0;
    std::pair<double, double> trechoAntes, trechoDepois; // x ranges of the two means
    double mediaAntes = 0, mediaDepois = 0;
};
GraficoTendencia graficoTendencia(const AnaliseTendencia& a);

// "Grandeza", "Valor": the quantities of the three tests, one per row, as the grid, the CSV
// export and the report show them.
std::vector<QString> titulosTendencia();
std::vector<std::vector<QString>> linhasTendencia(const AnaliseTendencia& a);
TabelaExibida tabelaResultadosTendencia(const AnaliseTendencia& a);
relatorio::Relatorio relatorioTendencia(const AnaliseTendencia& a, const QString& tecnico,
                                        const QString& estacao);

} // namespace corvel
