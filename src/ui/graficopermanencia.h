// A chart page of the flow-duration window: the curve of the core's chart (titles, axes, points)
// on a linear or a logarithmic flow axis, with "Escala logarítmica", "Imprimir" and "Salvar".
#pragma once

#include "analyses/tabelaspermanencia.h"

#include <QChartView>
#include <QWidget>

class QCheckBox;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QLogValueAxis;
class QPushButton;
class QValueAxis;

namespace corvel::ui {

class ServicoDialogos;

class GraficoCurvaPermanencia : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoCurvaPermanencia(QWidget* pai = nullptr);

    void desenhar(const GraficoPermanencia& grafico);
    // Low flows are invisible on a linear axis: the logarithmic one spreads them over decades.
    void definirLogaritmica(bool logaritmica);
    bool logaritmica() const { return logaritmica_; }

    QLineSeries* linha() const { return linha_; }
    QValueAxis* eixoPermanencia() const { return eixoX_; }
    // The flow axis in use: the linear or the logarithmic one.
    QAbstractAxis* eixoVazao() const;
    QString rodape() const;

  private:
    void redesenhar();

    GraficoPermanencia dados_;
    bool logaritmica_ = false;
    QLineSeries* linha_ = nullptr;
    QValueAxis* eixoX_ = nullptr;
    QValueAxis* eixoLinear_ = nullptr;
    QLogValueAxis* eixoLogaritmico_ = nullptr;
    QGraphicsSimpleTextItem* rodape_ = nullptr;
};

class PaginaGraficoPermanencia : public QWidget {
    Q_OBJECT
  public:
    // `sufixo` names the page's widgets ("Classes": chtClasses, chkLogClasses,
    // btnImprimirClasses, btnSalvarClasses).
    PaginaGraficoPermanencia(const QString& sufixo, ServicoDialogos& dialogos,
                             QWidget* pai = nullptr);

    GraficoCurvaPermanencia* grafico() const { return grafico_; }
    QCheckBox* escalaLogaritmica() const { return escala_; }
    QPushButton* imprimir() const { return imprimir_; }
    QPushButton* salvar() const { return salvar_; }

  private:
    // "Imprimir": on the default printer after the question. "Salvar": the chart as a bitmap.
    void imprimirGrafico();
    void salvarGrafico();

    ServicoDialogos& dialogos_;
    GraficoCurvaPermanencia* grafico_;
    QCheckBox* escala_;
    QPushButton* imprimir_;
    QPushButton* salvar_;
};

} // namespace corvel::ui
