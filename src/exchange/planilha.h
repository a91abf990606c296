// The spreadsheet writer behind the three exporters (exportaexcel.h, exportaexcel2.h,
// exportastringgridexcel.h): one sheet named after the title, the column labels, then one row per
// record, written through libxlsxwriter into a temporary file that replaces the target.
#pragma once

#include "progresso.h"
#include "tabelaexibida.h"

#include <QString>
#include <optional>

namespace corvel {

enum class ModoPlanilha {
    Texto,   // a float column as numbers with nulls left empty, every other column as text
    Valores, // values as they are
    Cores,   // values as they are, every cell but the first column coloured by availability class
};

// The header at row r0 + 1 and the records from row r0 + 2, from column c0 + 1. `progresso` gets
// 1 once the sheet is set up, then record number × 100 / record count. Throws ErroArquivo.
void escreverPlanilha(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                      int r0, int c0, ModoPlanilha modo, const Progresso& progresso = {});

// Colours of an availability class: background and text, as 0xRRGGBB; none for other values.
struct CoresClasse {
    quint32 fundo;
    quint32 texto;
};
std::optional<CoresClasse> corDisponibilidade(const Valor& v);

// A name a workbook accepts for its sheet: at most 31 characters, none of []:*?/\.
QString nomePlanilha(const QString& titulo);

} // namespace corvel
