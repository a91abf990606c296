// The two charts of the regularization window, drawn from what the core hands out: the deficit
// volume of one level day by day ("Volume do reservatório") and the mass diagram.
#pragma once

#include "analyses/tabelasregularizacao.h"

#include <QChartView>
#include <QStringList>
#include <vector>

class QGraphicsSimpleTextItem;

namespace corvel::ui {

// One bar a day, hanging from 0 down to the day's deficit. A century holds 36 000 days, far more
// than a screen has pixels, and a bar series builds one graphics item per bar (over five seconds
// for a century): the bars are drawn as one filled outline instead, and runs of days that share a
// pixel column as the deepest of them, which looks the same.
class GraficoReservatorio : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoReservatorio(QWidget* pai = nullptr);

    void desenhar(const GraficoBarras& grafico);
    void limpar();

    int barras() const { return static_cast<int>(datas_.size()); }
    // The dates written under the axis, thinned out to what the plot's width holds.
    QStringList rotulosDatas() const;
    QString rodape() const;

  private:
    void distribuir();
    void posicionarRodape();

    std::vector<QDate> datas_;
    double larguraDistribuida_ = -1; // the plot width the labels were spaced for
    QGraphicsSimpleTextItem* rodape_ = nullptr;
};

// "Diagrama de massas": the inflow volume accumulated up to each valid day, from the points that
// still matter where many days share a pixel column. A new drawing replaces the curve.
class GraficoMassas : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoMassas(QWidget* pai = nullptr);

    void desenhar(const GraficoLinha& grafico);
    void limpar();

    int curvas() const;
    int pontos() const;
};

} // namespace corvel::ui
