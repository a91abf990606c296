// How the grids show what is known of each day: a background colour per status, the raw months
// apart, a tooltip that names the flag, and the legend under the grid.
#pragma once

#include "core/serie.h"

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace corvel::ui {

// The background of a day cell: by the day's status (none for real or unknown), or the raw
// months' colour.
std::optional<QColor> corDoDia(const RegistroMensal& r, int d);
// "Estimado; mês de dados brutos (nível 1)", empty for a real or unknown day of a consisted month.
QString dicaDoDia(const RegistroMensal& r, int d);
// The month's level and the agency's method: "Nível de consistência 1 (bruto); vazões obtidas por
// curva de descarga".
QString dicaDoMes(const RegistroMensal& r);

// A row of coloured samples naming each colour, for under a grid.
QWidget* criarLegendaSinais(QWidget* pai);

} // namespace corvel::ui
