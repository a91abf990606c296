// The charts of the distribution window, drawn from the typed results: the bars of the events of
// every distribution at the chosen return period with their confidence limits, the estimates of one
// distribution against the return period, and the series of events (or their logarithms).
#pragma once

#include "stats/analisedistribuicoes.h"

#include <QChartView>
#include <span>
#include <vector>

class QCategoryAxis;
class QGraphicsSimpleTextItem;

namespace corvel::ui {

class GraficoTabela : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoTabela(QWidget* pai = nullptr);
    // The rows of the chosen return period, failed fits included, in table order.
    void desenhar(std::span<const LinhaDistribuicao> linhas);
    QString rodape() const;
    // The texts on the bars, as the grid formats the events.
    QStringList rotulosDasBarras() const;

  private:
    void posicionarRotulos();

    QGraphicsSimpleTextItem* rodape_;
    std::vector<std::pair<double, QGraphicsSimpleTextItem*>>
        rotulos_; // event and its label, per bar
};

class GraficoEstimativas : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoEstimativas(QWidget* pai = nullptr);
    // The rows of one distribution for T = 2 .. Tmax.
    void desenhar(std::span<const LinhaDistribuicao> linhas, int PeriodoEscolhido, int Tmax);
    QString rodape() const;

  private:
    QGraphicsSimpleTextItem* rodape_;
};

class GraficoSerie : public QChartView {
    Q_OBJECT
  public:
    GraficoSerie(bool logaritmos, QWidget* pai = nullptr);
    // Plotted by ID, so the chart keeps the hand-over order however the list is sorted.
    void desenhar(std::span<const EventoDistribuicao> eventos);

  private:
    void distribuir();

    bool logaritmos_;
    std::vector<std::pair<double, QString>> rotulos_;
    double inicio_ = 0, fim_ = 1;
    double larguraDistribuida_ = -1; // the plot width the labels were spaced for
};

} // namespace corvel::ui
