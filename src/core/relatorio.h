// The page model of a printed report as plain data: title, header lines, columns, rows, notes.
// Analyses fill it; the report module lays it out on pages and draws it.
#pragma once

#include <QDateTime>
#include <QString>
#include <Qt>
#include <vector>

namespace corvel {
// Program name and version, in the reports' footer and the windows' captions.
inline constexpr auto kNomeProduto = "Corvel 1.0";
} // namespace corvel

namespace corvel::relatorio {

struct Coluna {
    QString titulo;
    Qt::Alignment alinhamento = Qt::AlignRight | Qt::AlignVCenter;
};

struct Relatorio {
    QString titulo;
    std::vector<QString> cabecalho; // lines under the title, e.g. "Técnico responsável: ..."
    std::vector<Coluna> colunas;
    std::vector<std::vector<QString>> linhas;
    std::vector<QString> notas; // after the last row
    int colunasComMoldura = 0;  // cell frames around the first n columns
    QDateTime impressoEm = QDateTime::currentDateTime();
    QString rotuloPagina = QStringLiteral("Página: "); // some reports write "Página : "
    QString programa; // program name and version, centred in the footer
    // A report printed as part of a longer document: the number of its first page and the
    // document's pages (0: the report's own).
    int primeiraPagina = 1;
    int paginasDocumento = 0;
};

// Prepares the shared results report for an analysis: n columns without titles or rows, the
// first n framed. The analysis then names the columns and fills the rows.
void TirarGrade(Relatorio& relatorio, int colunas);

} // namespace corvel::relatorio
