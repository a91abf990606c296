// What the gap-filling window shows, exports and prints: the monthly table with the colour of each
// cell, the statistics tables, the CSV export and the report "Preenchimento mensal". Every text and
// colour comes from here; the window only displays them.
#pragma once

#include "projetopreenchimento.h"
#include "regressao.h"

#include "core/relatorio.h"
#include "core/tabelaexibida.h"

#include <QString>
#include <vector>

namespace corvel {

// Colour of a cell of "Dados mensais": in a filled month the base value is red and the supporting
// station's value blue.
enum class CorCelula { Normal, Preenchido, Apoio };
CorCelula corCelula(const MesPreenchimento& mes, int coluna);

struct GradeTexto {
    std::vector<QString> titulos;
    std::vector<std::vector<QString>> linhas;
};

// "Dados mensais": "Datas" ("Janeiro/1970") and the twenty station columns titled by their codes,
// flows with "0.00", an empty month empty.
struct GradeDadosMensais {
    GradeTexto grade;
    std::vector<std::vector<CorCelula>> cores; // per row, one per station column (1 … 20)
};
GradeDadosMensais gradeDadosMensais(const ProjetoPreenchimento& projeto);

// "Estatísticas": Estação, Dados Comuns, Validação, Estação utilizada, Nº de dados preenchidos,
// then R², A, B, the leave-one-out root-mean-square error of each method and the one recommended.
GradeTexto gradeEstatisticas(const std::vector<EstatisticaEstacao>& estatisticas);

// "Validação cruzada": per station, the leave-one-out errors of both methods over all common months
// ("Todos") and in each calendar month that has some: Estação, Mês, N, then EQM, Viés and NSE of
// MQO and of MOVE.1. Flows with two decimals, or with every digit for a file.
GradeTexto tabelaValidacaoCruzada(const std::vector<EstatisticaEstacao>& estatisticas,
                                  bool todosOsDigitos = false);
// The lines of a model: "Reta", "Pares", "A", "B", "r": the line for the year ("Todos") and, with
// one line per month, each month's (an empty row where the month has none). Every digit for a
// file, else A and B with four decimals.
GradeTexto tabelaRetas(const ModeloReta& modelo, bool todosOsDigitos = false);
// The same for one auxiliary station's check (the daily filling's).
GradeTexto tabelaValidacaoCruzada(const QString& estacao, const ValidacaoCruzada& mqo,
                                  const ValidacaoCruzada& move1, bool todosOsDigitos = false);
// The station choice window's list of the offered rows: Estação, Coef. de correlação (R²), Dados
// Comuns, Coef. angular (A), Coef. Linear (B), Validação.
GradeTexto gradeEscolhaEstacao(const std::vector<EstatisticaEstacao>& estatisticas,
                               const std::vector<std::size_t>& oferecidas);
// Every field of the statistics table with its title, for the command-line tool: Estação, R², A,
// B, Dados Comuns, Validação, Estação utilizada, Nº de dados preenchidos.
GradeTexto tabelaEstatisticasCompleta(const std::vector<EstatisticaEstacao>& estatisticas);

// The gap-filling table as its CSV and spreadsheet exports take it: Datas, Data, BaseApoio,
// Preenchido, the twenty station titles (two blanks for a column without a station), NumEstacoes.
TabelaExibida tabelaExportacaoPreenchimento(const ProjetoPreenchimento& projeto);

// The report "Preenchimento mensal": "RELATÓRIO", the title, "Técnico responsável: …" and
// "Período: 1970 a 1990" (the years of the project's months); the framed columns "Data", the
// base station's code and "Estimado por" (the code of the station that filled the month), one row
// per month (the date and the base value with "0.00"); notes with the method, the statistics of
// each station used (R², A and B with four decimals) and their leave-one-out errors.
relatorio::Relatorio relatorioPreenchimento(const ProjetoPreenchimento& projeto,
                                            const QString& tecnico,
                                            const std::vector<EstatisticaEstacao>& estatisticas = {});

} // namespace corvel
