// Result tables and reports as the analysis windows show, export and print them: texts only, so a
// window displays them and the command-line tool writes them without formatting anything itself.
#pragma once

#include "core/tabelaexibida.h"

#include <QString>
#include <vector>

namespace corvel {

using LinhasTexto = std::vector<std::vector<QString>>;

// Which texts a table gives: the grid's display formats, the plain values its CSV export writes
// (the general number form), or the CSV export with every digit of every number.
enum class FormaTexto { Grade, Csv, CsvTodosOsDigitos };

// The CSV layouts (both CSV forms).
inline bool ehCsv(FormaTexto forma) { return forma != FormaTexto::Grade; }

struct TabelaTexto {
    std::vector<QString> linhasAntes; // lines a CSV export writes before the titles, as they are
    std::vector<QString> titulos;     // the visible columns
    LinhasTexto linhas;
};

// A table of the shared results report: its title line under "RELATÓRIO", the column heads (an
// empty head leaves the column blank) and the rows.
struct RelatorioTexto {
    QString titulo;
    std::vector<QString> colunas;
    LinhasTexto linhas;
    std::vector<QString> notas = {}; // printed after the last row
};

// A CSV export as text: the lines before the titles, then the titles and every row with each value
// followed by ";". Lines end in `fimLinha`.
QString textoCsv(const TabelaTexto& tabela, QStringView fimLinha = u"\r\n");

// A table of texts as its spreadsheet export writes it: the titles, and every value as text (the
// lines before the titles belong to the CSV file only).
TabelaExibida tabelaExibida(const TabelaTexto& tabela);

} // namespace corvel
