// Printed reports as banded pages: a title block and header lines on every page, a table with
// column titles, notes after the last row, and a footer with the print date, "Página: n de N" and
// "Continua..." on every page but the last. Laid out in points (1/72 inch) so pagination is plain
// arithmetic, independent of the printer.
#pragma once

#include <QDateTime>
#include <QString>
#include <Qt>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace corvel::relatorio {

struct Coluna {
    QString titulo;
    double peso = 1;                                     // share of the table width
    Qt::Alignment alinhamento = Qt::AlignRight | Qt::AlignVCenter;
};

struct Relatorio {
    QString titulo;
    std::vector<QString> cabecalho; // lines under the title, e.g. "Técnico responsável: ..."
    std::vector<Coluna> colunas;
    std::vector<std::vector<QString>> linhas;
    std::vector<QString> notas;     // after the last row
    int colunasComMoldura = 0;      // cell frames around the first n columns
    QDateTime impressoEm = QDateTime::currentDateTime();
    QString rotuloPagina = QStringLiteral("Página: "); // some reports write "Página : "
    QString programa;               // program name and version, centred in the footer
};

// Prepares the shared results report for an analysis: n columns without titles or rows, the
// first n framed. The analysis then names the columns and fills the rows.
void TirarGrade(Relatorio& relatorio, int colunas);

// Page geometry and band heights, in points.
struct Medidas {
    double largura = 595.28, altura = 841.89; // A4 portrait
    double margem = 42;
    double titulo = 30, linhaCabecalho = 13, tituloColunas = 16, linha = 12.5, nota = 13,
           rodape = 30;
};

struct Pagina {
    int numero = 1;
    int primeiraLinha = 0, fimLinhas = 0; // rows [primeiraLinha, fimLinhas)
    bool notas = false;
};

std::vector<Pagina> paginar(const Relatorio& r, const Medidas& m = {});

// Lines a note takes once wrapped to the page width (about 110 characters of 8 points a line).
int linhasDaNota(const QString& nota);

// "Página: 3 de 7", or "Página: 1" for a report of one page.
QString textoPagina(int numero, int total, const QString& rotulo = QStringLiteral("Página: "));
// "Continua..." on every page but the last of a report of more than one page.
QString textoContinua(int numero, int total);
QString textoImpressao(const QDateTime& quando); // "Impresso em: dd/mm/aaaa hh:mm:ss"

// Draws every page on a printer or PDF writer that the painter has begun on.
void renderizar(QPainter& painter, QPagedPaintDevice& dispositivo, const Relatorio& r,
                const Medidas& m = {});
// Writes the report as a PDF file. Throws ErroArquivo.
void gravarPdf(const QString& caminho, const Relatorio& r, const Medidas& m = {});

} // namespace corvel::relatorio
