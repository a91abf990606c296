// Printed reports as banded pages: a title block and header lines on every page, a table with
// column titles, notes after the last row, and a footer with the print date, "Página: n de N" and
// "Continua..." on every page but the last. Laid out in points (1/72 inch) so pagination is plain
// arithmetic, independent of the printer. Every heading and value is printed whole: the columns
// take the width of their contents, headings wrap on two lines, and a table too wide for a
// portrait page turns the page to landscape.
#pragma once

#include "core/relatorio.h"

#include <QStringList>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace corvel::relatorio {

// Page geometry and band heights, in points.
struct Medidas {
    double largura = 595.28, altura = 841.89; // A4 portrait
    double margem = 42;
    double titulo = 30, linhaCabecalho = 13, tituloColunas = 16, linha = 12.5, nota = 13,
           rodape = 30;
};

// How a report's table sits on the page, in points.
struct Diagramacao {
    bool paisagem = false;
    double largura = 0, altura = 0; // of the page, after its orientation
    double corpo = 8;             // point size of the table's text (smaller only as a last resort)
    std::vector<double> larguras; // of the columns; together at most the width between margins
    std::vector<QStringList> titulos; // each heading on one or two lines
    double alturaTitulos = 0;         // of the band of headings
    // The height each note takes once wrapped to the table's width: its lines at the notes' line
    // spacing, and at least the band of a one-line note.
    std::vector<double> alturasNotas;
};

// Measures the headings and every value with the report's font.
Diagramacao diagramar(const Relatorio& r, const Medidas& m = {});

// The width of a text in points, in the report's font (DejaVu Sans) at `pontos` points.
double larguraTexto(const QString& texto, double pontos, bool negrito = false);

struct Pagina {
    int numero = 1;
    int primeiraLinha = 0, fimLinhas = 0; // rows [primeiraLinha, fimLinhas)
    bool notas = false;
};

std::vector<Pagina> paginar(const Relatorio& r, const Medidas& m = {});
std::vector<Pagina> paginar(const Relatorio& r, const Diagramacao& d, const Medidas& m = {});

// Where the first page's table (and, on a page of its own, the notes) ends, in points from the
// top: what a page may draw below the report.
double fimDoCorpo(const Relatorio& r, const Medidas& m = {});

// "Página: 3 de 7", or "Página: 1" for a report of one page.
QString textoPagina(int numero, int total, const QString& rotulo = QStringLiteral("Página: "));
// "Continua..." on every page but the last of a report of more than one page.
QString textoContinua(int numero, int total);
QString textoImpressao(const QDateTime& quando); // "Impresso em: dd/mm/aaaa hh:mm:ss"

// Sets A4, no margins and the report's orientation on a printer or PDF writer; call before a
// painter begins on it.
void prepararPagina(QPagedPaintDevice& dispositivo, const Relatorio& r, const Medidas& m = {});
// Draws every page on a printer or PDF writer that the painter has begun on.
void renderizar(QPainter& painter, QPagedPaintDevice& dispositivo, const Relatorio& r,
                const Medidas& m = {});
// Writes the report as a PDF file. Throws ErroArquivo.
void gravarPdf(const QString& caminho, const Relatorio& r, const Medidas& m = {});

} // namespace corvel::relatorio
