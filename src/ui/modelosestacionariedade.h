// Grid models of the stationarity window over its typed data: the input values of the period last
// tested, and the result rows with a rejected homogeneity in red.
#pragma once

#include "stats/estacionariedade.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

class ModeloEntradaEstacionariedade : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void definir(std::vector<DadoEntrada> dados);
    const std::vector<DadoEntrada>& dados() const { return dados_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::vector<DadoEntrada> dados_;
};

class ModeloResultadosEstacionariedade : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void definir(std::vector<LinhaEstacionariedade> linhas);
    const std::vector<LinhaEstacionariedade>& linhas() const { return linhas_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::vector<LinhaEstacionariedade> linhas_;
    std::vector<std::vector<QString>> textos_;
};

} // namespace corvel::ui
