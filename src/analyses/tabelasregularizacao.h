// What the regularization window shows and hands out, as texts and tables: its grids, the CSV and
// spreadsheet exports, the two charts, the lines above them and the two reports.
#pragma once

#include "regularizacao.h"

#include "core/relatorio.h"
#include "core/tabelaexibida.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvel {

using LinhasTexto = std::vector<std::vector<QString>>;

// Display format of the daily table's flows and volumes, and of the evaporation grid.
inline constexpr auto kFormatoDiario = u"###,###,###,###,##0.0000";
inline constexpr auto kFormatoDadosRegularizacao = u"0.00"; // the day flows of "Dados"
inline constexpr auto kFormatoEvaporacao = u"###,###,###,##0.00";
inline constexpr auto kTituloPlanilhaRegularizacao = "Equação de regularização";

// "Dados": "Mês", "Dia 01" ... "Dia 31"; the grid shows "0.00", the CSV export the general number
// form, both empty for a missing day; the spreadsheet has the days as numbers.
std::vector<QString> titulosDadosRegularizacao();
LinhasTexto linhasGradeDadosRegularizacao(const SerieTabela& considerados);
TabelaExibida tabelaDadosRegularizacao(const SerieTabela& considerados);

// "Capacidade do Reservatório": before a level was chosen "ID", "Data", "Vazão afluente (m³/s)";
// for level k "Data", the inflow and the level's four columns. The table's values are typed (for
// the spreadsheet and, through `textos`, the CSV export); the grid shows kFormatoDiario.
std::vector<QString> titulosCapacidade(std::optional<int> nivel);
TabelaExibida tabelaCapacidade(const ResultadoRegularizacao& resultado, std::optional<int> nivel);

// The grid's texts cell by cell: a century holds 36 000 days and the grid shows a screenful, so
// a model asks only for what it draws.
class GradeCapacidade {
  public:
    GradeCapacidade(const ResultadoRegularizacao& resultado, std::optional<int> nivel);
    std::size_t linhas() const { return resultado_->afluencia.dias.size(); }
    int colunas() const { return nivel_ ? 6 : 3; }
    QString texto(std::size_t linha, int coluna) const;

  private:
    const ResultadoRegularizacao* resultado_;
    std::optional<int> nivel_;
    std::vector<DiaReservatorio> dias_; // the level's columns, when a level is chosen
};
// Every row of the grid at once.
LinhasTexto linhasGradeCapacidade(const ResultadoRegularizacao& resultado,
                                  std::optional<int> nivel);
// The level selector: "5%", "10%", ... "100%".
std::vector<QString> rotulosNiveis();
// "Volume do reservatório = 0,1728 hm³".
QString textoVolumeReservatorio(const ResultadoRegularizacao& resultado, int nivel);

// "Vazão regularizada": "(Qreg/Qmed) x 100", "Vazão regularizada (m³/s)", "Vol. Reservatório (hm³)"
// with "5,00", "0,2500", "0,1728".
std::vector<QString> titulosVazaoRegularizada();
LinhasTexto linhasVazaoRegularizada(const ResultadoRegularizacao& resultado);
// The evaporation grid beside it: "Mês", "Evaporação (mm/dia)", "Vazão evaporada (m³/s)".
std::vector<QString> titulosGradeEvaporacao();
LinhasTexto linhasGradeEvaporacao(const TabelaEvaporacao& evaporacao);
// "Área do reservatório = 1500 km²" above that grid; empty without evaporation or area.
QString textoAreaReservatorio(const ResultadoRegularizacao& resultado);
// The rows of the CSV export after its header (the results' titles): the twenty results, an
// empty line, "Evaporação", an empty line and the twelve months (Cód.; Mês; mm/day; m³/s).
LinhasTexto linhasCsvVazaoRegularizada(const ResultadoRegularizacao& resultado);
// The spreadsheet "Equação de regularização": the results, an empty row, then the evaporation
// table with its titles ("Cód.", "Mês", "Evaporação (mm/dia)", "Vazão evaporada (m³/s)").
TabelaExibida planilhaVazaoRegularizada(const ResultadoRegularizacao& resultado);

// The two charts of the window.
struct GraficoBarras {
    QString titulo, eixoX, eixoY, rodape;
    std::vector<QDate> datas; // one per bar, its label
    std::vector<double> valores;
};
struct GraficoLinha {
    QString titulo, eixoX, eixoY;
    std::vector<PontoMassa> pontos;
};
// "Volume do reservatório": the deficit volume of the level, day by day.
GraficoBarras graficoReservatorio(const ResultadoRegularizacao& resultado, int nivel);
// "Diagrama de massas": the accumulated inflow volume against the valid day's number.
GraficoLinha graficoDiagramaMassas(const ResultadoRegularizacao& resultado);

// "Janeiro/1990 - Dezembro/2023": the first and last considered months.
QString periodoRegularizacao(const SerieTabela& considerados);
// The two reports on the shared three-column results report: "RELATÓRIO", the report's title and
// its header lines, the centred columns, and for the results the evaporation note under them.
relatorio::Relatorio relatorioVazaoRegularizada(const ResultadoRegularizacao& resultado,
                                                const QString& tecnico, const QString& estacao,
                                                int inicioAnoHidrologico, const QString& periodo);
relatorio::Relatorio relatorioEvaporacaoMensal(const ResultadoRegularizacao& resultado,
                                               const QString& tecnico);

} // namespace corvel
