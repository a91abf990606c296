// The web-service window's grid: the stations of the list that pass the search, in list order.
#pragma once

#include "exchange/estacoes.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

class ModeloEstacoes : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // A new list, every station shown.
    void definirLista(corvel::ListaEstacoes lista);
    // Shows the rows the search found (row numbers of the list).
    void definirFiltradas(std::vector<qsizetype> linhas);

    const corvel::ListaEstacoes& lista() const { return lista_; }
    // Code and name of the i-th station shown.
    QString codigo(int linha) const;
    QString nome(int linha) const;

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

  private:
    QString texto(int linha, int campo) const;

    corvel::ListaEstacoes lista_; // the service's station list, not the window ui::ListaEstacoes
    std::vector<qsizetype> filtradas_;
};

} // namespace corvel::ui
