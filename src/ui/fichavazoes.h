// Draws the grant sheet of a station on A4 pages: first the report module's title, header and
// table of the reference figures, then the flow-duration curve on a logarithmic axis and the
// annual minima, drawn by the charts of the windows; when the sheet has monthly figures, a second
// page with their table and chart.
#pragma once

#include "resumo/fichareferencia.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace corvel::ui {

class ServicoDialogos;

// Sets A4 portrait without margins; call before a painter begins on the device.
void prepararPaginaFicha(QPagedPaintDevice& dispositivo);
// Draws the page on a printer or PDF writer that the painter has begun on. Needs a QApplication.
void desenharFicha(QPainter& painter, QPagedPaintDevice& dispositivo, const FichaReferencia& ficha);
// The sheet as the bytes of a PDF file. Throws ErroArquivo when the PDF cannot be started.
QByteArray fichaEmPdf(const FichaReferencia& ficha);
// Writes the sheet as a PDF file. Throws ErroArquivo.
void gravarFichaPdf(const QString& caminho, const FichaReferencia& ficha);

} // namespace corvel::ui
