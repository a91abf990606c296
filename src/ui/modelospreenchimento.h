// Grid models of the gap-filling windows over what the core hands out: the monthly table with the
// colour of each cell (a filled base value red, the value of the station that filled it blue), and
// the station choice list whose box "Preencher com esta estação" shows whether a station was used.
#pragma once

#include "filling/regressao.h"
#include "filling/tabelaspreenchimento.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

// "Dados mensais": "Datas" and the twenty station columns.
class ModeloDadosMensais : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the project as it is now; an empty project shows an empty grid.
    void definir(const ProjetoPreenchimento& projeto);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

    // The colour kind of a cell (column 0 is the month).
    CorCelula cor(int linha, int coluna) const;

  private:
    GradeDadosMensais grade_;
};

// The station choice window's list: the stations offered, their statistics and the box.
class ModeloEscolhaEstacao : public QAbstractTableModel {
    Q_OBJECT
  public:
    // `estatisticas` must outlive the model; `oferecidas` are indices into it.
    ModeloEscolhaEstacao(const std::vector<EstatisticaEstacao>& estatisticas,
                         std::vector<std::size_t> oferecidas, QObject* pai = nullptr);

    // The column of the box.
    int colunaCaixa() const { return static_cast<int>(grade_.titulos.size()); }
    // The statistics row shown on line `linha`.
    std::size_t estacao(int linha) const { return oferecidas_[static_cast<std::size_t>(linha)]; }
    // After a row of the statistics changed.
    void recarregar();

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Ticking a box asks for the filling (`marcada`); the box shows what the row says afterwards.
    bool setData(const QModelIndex& indice, const QVariant& valor,
                 int papel = Qt::EditRole) override;

  Q_SIGNALS:
    void marcada(std::size_t estacao);

  private:
    const std::vector<EstatisticaEstacao>& estatisticas_;
    std::vector<std::size_t> oferecidas_;
    GradeTexto grade_;
};

} // namespace corvel::ui
