// The stationarity window's page "Tendência (não paramétrico)": the level tabs, the serial
// correction box, the grid of the Mann-Kendall, Sen and Pettitt quantities (a rejected
// hypothesis in red), and the chart of the series with Sen's line and the change point.
#pragma once

#include "stats/analisetendencia.h"

#include <QAbstractTableModel>
#include <QChartView>
#include <QWidget>

class QCheckBox;
class QTabBar;

namespace corvel::ui {

class ModeloTendencia : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void definir(std::vector<LinhaTendencia> linhas);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::vector<LinhaTendencia> linhas_;
};

class GraficoTendenciaVista : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoTendenciaVista(QWidget* pai = nullptr);
    void desenhar(const GraficoTendencia& g);
};

class PaginaTendencia : public QWidget {
    Q_OBJECT
  public:
    explicit PaginaTendencia(QWidget* pai = nullptr);

    NivelSignificancia nivel() const;
    CorrecaoSerial correcao() const;
    QTabBar* abasNivel() const { return nivel_; }
    QCheckBox* caixaHamedRao() const { return hamedRao_; }
    QAbstractItemModel* modelo() const { return modelo_; }
    GraficoTendenciaVista* grafico() const { return grafico_; }

    void mostrar(const AnaliseTendencia& analise);
    void limpar();

  Q_SIGNALS:
    void opcoesMudaram(); // the level or the correction changed: test again

  private:
    QTabBar* nivel_;
    QCheckBox* hamedRao_;
    ModeloTendencia* modelo_;
    GraficoTendenciaVista* grafico_;
};

} // namespace corvel::ui
