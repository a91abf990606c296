// The monthly reference flows as lines over the calendar months (January to December): the mean,
// Q90, Q95, the month's Qd,T and, with a monthly grant criterion, the grantable flow. Shared by the
// "Vazões mensais" page of the minimum-flow window and the grant sheet's monthly page.
#pragma once

#include "resumo/fichareferencia.h"

#include <QChartView>
#include <span>

namespace corvel::ui {

class GraficoMensal : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoMensal(QWidget* pai = nullptr);
    // A month without a value breaks its line there.
    void desenhar(std::span<const SerieMensal> series, const QString& titulo);
};

} // namespace corvel::ui
