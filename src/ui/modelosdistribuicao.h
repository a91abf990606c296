// Grid models of the distribution window over its typed data: the event list (its values or their
// logarithms) and the rows of the result table, with the best fit and the values without physical
// meaning coloured from the typed results.
#pragma once

#include "stats/analisedistribuicoes.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

class ModeloEventos : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum class Vista { Dados, Logaritmos };
    ModeloEventos(const std::vector<EventoDistribuicao>& eventos, Vista vista,
                  QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Typing is handed to whoever owns the list (it converts and may refuse): see `editado`.
    bool setData(const QModelIndex& indice, const QVariant& valor,
                 int papel = Qt::EditRole) override;

    void recarregar();
    void linhaAlterada(int linha);
    // Around an event appended to the list.
    void antesDeAcrescentar();
    void depoisDeAcrescentar();

  Q_SIGNALS:
    void editado(int linha, int coluna, const QString& texto);

  private:
    const std::vector<EventoDistribuicao>& eventos_;
    Vista vista_;
};

class ModeloResultados : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void definir(std::vector<LinhaDistribuicao> linhas, int melhorLinha);
    const std::vector<LinhaDistribuicao>& linhas() const { return linhas_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::vector<LinhaDistribuicao> linhas_;
    int melhorLinha_ = -1;
};

} // namespace corvel::ui
