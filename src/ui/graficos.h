// Chart helpers of the analysis windows: decimal commas on the axes, "Salvar" as a bitmap and
// "Imprimir" on the default printer.
#pragma once

#include "servicodialogos.h"

class QChart;
class QChartView;
class QPaintDevice;

namespace corvel::ui {

// Axis labels in the program's locale (decimal comma).
void prepararGrafico(QChart& grafico);

// Asks for the file (".bmp", as the windows always saved; ".png" offered too) and writes the chart
// as it is shown. False when cancelled.
bool salvarGrafico(QChartView& grafico, ServicoDialogos& dialogos, const QString& nomeProposto);
// Writes the chart as shown: PNG when the name ends in ".png", a bitmap otherwise. Throws
// ErroArquivo; an existing file is left as it was on failure.
void gravarImagemGrafico(QChartView& grafico, const QString& arquivo);

// After "Deseja imprimir o gráfico na impressora padrão?", prints the chart on the default
// printer, scaled to the page keeping its proportions. False when the user declines.
bool imprimirGrafico(QChartView& grafico, ServicoDialogos& dialogos);
// The drawing of the print, on any paint device (the printer, or a test image).
void desenharProporcional(QChartView& grafico, QPaintDevice& destino);

} // namespace corvel::ui
