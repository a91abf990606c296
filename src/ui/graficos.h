// Chart helpers of the analysis windows: decimal commas on the axes, "Salvar" as a bitmap and
// "Imprimir" on the default printer.
#pragma once

#include "servicodialogos.h"

#include <QColor>
#include <QString>
#include <utility>
#include <vector>

class QCategoryAxis;
class QChart;
class QLogValueAxis;
class QChartView;
class QGraphicsSimpleTextItem;
class QPaintDevice;
class QValueAxis;

namespace corvel::ui {

// Axis labels in the program's locale (decimal comma).
void prepararGrafico(QChart& grafico);

// A value axis from `menor` to `maior` widened to round ticks (1, 2 or 5 × 10ⁿ apart, about
// `marcas` of them), labelled with as many decimals as the step needs.
void ajustarEixo(QValueAxis* eixo, double menor, double maior, int marcas = 6);
// A value axis over exactly [menor, maior] with ticks at round values inside it: an axis that must
// end where the data end.
void ajustarEixoExato(QValueAxis* eixo, double menor, double maior, int marcas = 10);

// A base-10 logarithmic axis over the whole decades that hold [menor, maior] (both above zero),
// with a minor grid line at 2 .. 9 of each decade.
void ajustarEixoLogaritmico(QLogValueAxis* eixo, double menor, double maior);

// Category labels placed on their values, every k-th one only when they would overlap in a plot
// area `largura` pixels wide; the axis spans [inicio, fim]. A last label that would run past the
// plot's right edge is left out.
void distribuirRotulos(QCategoryAxis* eixo, const std::vector<std::pair<double, QString>>& rotulos,
                       double largura, double inicio, double fim);

// A line of text under the plot (the chart's foot), centred or at the right, kept there as the
// chart resizes.
QGraphicsSimpleTextItem* rodapeDoGrafico(QChart* grafico, const QColor& cor,
                                         Qt::Alignment alinhamento = Qt::AlignHCenter);
void mudarRodape(QGraphicsSimpleTextItem* rodape, const QString& texto);

// Asks for the file (".bmp", as the windows always saved; ".png" offered too) and writes the chart
// as it is shown. False when cancelled.
bool salvarGrafico(QChartView& grafico, ServicoDialogos& dialogos, const QString& nomeProposto);
// Writes the chart as shown: PNG when the name ends in ".png", a bitmap otherwise. Throws
// ErroArquivo; an existing file is left as it was on failure.
void gravarImagemGrafico(QChartView& grafico, const QString& arquivo);

// After "Deseja imprimir o gráfico na impressora padrão?", prints the chart on the default
// printer, scaled to the page keeping its proportions. False when the user declines, or when there
// is no printer (which it says).
bool imprimirGrafico(QChartView& grafico, ServicoDialogos& dialogos);
// The drawing of the print, on any paint device (the printer, or a test image).
void desenharProporcional(QChartView& grafico, QPaintDevice& destino);

} // namespace corvel::ui
