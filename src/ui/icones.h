// Toolbar icons of the analyses, which have no standard picture: a rounded square with a short
// label ("Mín", "Máx", "Calc").
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace corvel::ui {

QIcon iconeRotulo(const QString& rotulo, const QColor& cor, int tamanho = 32);

} // namespace corvel::ui
