// Spreadsheet exports (.xlsx): one sheet named after the title, row 1 the column labels, then one
// row per record. Three flavours, as the windows use them.
#pragma once

#include "progresso.h"
#include "tabelaexibida.h"

#include <QString>
#include <optional>

namespace corvel {

// Plain values: a float column as numbers with nulls left empty, every other column as text.
class TExportaExcel {
public:
    // Writes the workbook to `caminho`. `progresso` gets 1 once the sheet is set up, then record
    // number × 100 / record count. Throws ErroArquivo when the file cannot be written.
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         const Progresso& progresso = {});
};

// Values as they are, and every cell but the first column coloured by the availability classes
// (bold text): null and 0-80 red/white, 81-89 yellow/black, 90-94 grey/white, 95-99 blue/white,
// 100 green/white; other values keep the default colours.
class TExportaExcel_2 {
public:
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         const Progresso& progresso = {});
};

// Values as they are, the header at row r0 + 1 and the records from row r0 + 2, from column c0 + 1.
class TExportaStringGridExcel {
public:
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         int linhaInicial, int colunaInicial, const Progresso& progresso = {});
};

// Colours of an availability class: background and text, as 0xRRGGBB; none for other values.
struct CoresClasse {
    quint32 fundo;
    quint32 texto;
};
std::optional<CoresClasse> corDisponibilidade(const Valor& v);

// A name a workbook accepts for its sheet: at most 31 characters, none of []:*?/\.
QString nomePlanilha(const QString& titulo);

} // namespace corvel
