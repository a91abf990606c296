// The hydrograph chart, shared by the hydrograph window and `corvel-cli hidrograma`: three title
// lines, the daily flows as a red line broken at missing days, the rating-curve limits as green and
// blue lines, day labels written upward under the axis and two foot lines.
#pragma once

#include "analyses/hidrograma.h"

#include <QChartView>

class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace corvel::ui {

class GraficoHidrograma : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoHidrograma(QWidget* pai = nullptr);

    void desenhar(const Hidrograma& hidrograma);

    // What is drawn, for the tests: the red stretches, and the two limit lines.
    const std::vector<QLineSeries*>& trechos() const { return trechos_; }
    QLineSeries* superior() const { return superior_; }
    QLineSeries* inferior() const { return inferior_; }
    QStringList rodape() const;
    QStringList rotulosDias() const;

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    void distribuirRotulos();
    void posicionarRodape();
    QLineSeries* novaLinha(const QString& nome, const QColor& cor);

    Hidrograma dados_;
    QValueAxis* eixoVazao_ = nullptr;
    QValueAxis* eixoX_ = nullptr; // holds the range; the day labels are on the category axis
    QCategoryAxis* eixoDias_ = nullptr;
    QLineSeries* superior_ = nullptr;
    QLineSeries* inferior_ = nullptr;
    std::vector<QLineSeries*> trechos_;
    std::array<QGraphicsSimpleTextItem*, 2> rodape_{};
    double larguraDistribuida_ = -1;
};

// The chart of a hydrograph as a PNG or bitmap of the given size, rendered offscreen (the
// command-line tool). Throws ErroArquivo.
void gravarHidrograma(const Hidrograma& hidrograma, const QString& arquivo, QSize tamanho);

} // namespace corvel::ui
