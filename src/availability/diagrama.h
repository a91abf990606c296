// The availability diagram: one row per station, one cell per year of the period holding the
// percentage of that year's days with a flow value; its ".dgv" file is the table snapshot of it.
#pragma once

#include "core/tabela.h"
#include "core/tabelaexibida.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvel {

struct PeriodoDiagrama {
    int anoInicial = 0;
    int anoFinal = 0;

    int numeroAnos() const { return anoFinal - anoInicial + 1; }
    friend bool operator==(const PeriodoDiagrama&, const PeriodoDiagrama&) = default;
};

// A snapshot file holds at most 1 024 fields; two of them are the order number and the code.
inline constexpr int kMaximoAnosDiagrama = 1022;

// The period dialog's OK: refuses with "Período inválido" when either text is shorter than four
// characters, when the first year is not before the last, or when the period would not fit a
// diagram file (more than 1 022 years, or a year before 1). A text that is not a number raises the
// conversion error.
PeriodoDiagrama lerPeriodoDiagrama(const QString& anoInicial, const QString& anoFinal);

struct LinhaDiagrama {
    qint64 ordem = 0; // IDListaEstacoes: the order number, never reused after a deletion
    QString estacao;  // the station code as text
    std::vector<std::optional<int>> anos; // first year to last; empty = never computed
    // Per year, the share (%) of the days with a value that are estimated, or of raw (level 1)
    // months. Known only for stations read from their projects in this session: the diagram file
    // keeps the availability alone, so these are empty for a row read from it.
    std::vector<std::optional<int>> estimados, brutos;

    friend bool operator==(const LinhaDiagrama&, const LinhaDiagrama&) = default;
};

struct Diagrama {
    PeriodoDiagrama periodo;
    std::vector<LinhaDiagrama> linhas;
    qint64 proximaOrdem = 1;

    std::optional<int> celula(qsizetype linha, int ano) const;
    bool contemEstacao(const QString& codigo) const;
    // Appends a row with the next order number; `anos` (and the shares, when known) has one cell
    // per year of the period.
    void acrescentar(const QString& codigo, std::vector<std::optional<int>> anos,
                     std::vector<std::optional<int>> estimados = {},
                     std::vector<std::optional<int>> brutos = {});
    void excluir(qsizetype linha);
    // The first row whose code starts with `letra` (case ignored), where typing it moves the grid.
    std::optional<qsizetype> localizarInicial(QChar letra) const;

    friend bool operator==(const Diagrama&, const Diagrama&) = default;
};

// An empty diagram of the period. Throws Erro "Verifique os limites do período" when the first
// year is not before the last.
Diagrama novoDiagrama(PeriodoDiagrama periodo);

// The diagram as its file keeps it: IDListaEstacoes, Estacao (text, 40), then one nullable integer
// field per year named by the four-digit year.
Tabela tabelaDiagrama(const Diagrama& diagrama);
// Refuses, with "Esse não é um arquivo de \"Lista de estações\".", a table whose first field is not
// IDListaEstacoes or whose year fields are not consecutive years; the period comes from the names
// of the third and the last fields.
Diagrama diagramaDeTabela(const Tabela& tabela);

// Adds ".dgv" to a name typed without an extension.
QString ajustarExtensaoDiagrama(const QString& caminho);
// Writes atomically, replacing any file of that name. Throws ErroArquivo.
void gravarDiagrama(const QString& caminho, const Diagrama& diagrama);
// Throws ErroArquivo (the reader's text) or Erro (not a diagram).
Diagrama lerDiagrama(const QString& caminho);

// The grid's columns and rows: "Nº de ordem", "Cód. da Estação", one column per year. What the
// spreadsheet export ("Diagrama de barras") and the CSV of the command-line tool take.
TabelaExibida tabelaExibidaDiagrama(const Diagrama& diagrama);

} // namespace corvel
