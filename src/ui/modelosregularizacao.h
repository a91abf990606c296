// Grid models of the regularization and evaporation windows over what the core hands out: the
// daily table of one level (texts asked cell by cell, a century holds 36 000 days), the result and
// evaporation tables as the core words them, and the evaporation rates the user types.
#pragma once

#include "analyses/tabelasregularizacao.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <vector>

namespace corvel::ui {

// "Capacidade do Reservatório": before a level was chosen "ID", "Data" and the inflow; for a level
// "Data", the inflow and the level's four columns.
class ModeloCapacidade : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    ~ModeloCapacidade() override;

    // Null shows nothing; the result must outlive the model's use of it.
    void definir(const ResultadoRegularizacao* resultado, std::optional<int> nivel);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::unique_ptr<GradeCapacidade> grade_;
    std::vector<QString> titulos_;
    int colunaData_ = 0;
};

// A read-only table of texts the core has already worded, under its titles, centred.
class ModeloTextos : public QAbstractTableModel {
    Q_OBJECT
  public:
    ModeloTextos(std::vector<QString> titulos, QObject* pai = nullptr);

    void definir(LinhasTexto linhas);
    const LinhasTexto& linhas() const { return linhas_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    std::vector<QString> titulos_;
    LinhasTexto linhas_;
};

// The evaporation window's grid: "Mês" and "Evaporação (mm/dia)", the rate editable. A text that is
// not a number leaves the rate as it was and is reported through `valorInvalido`.
class ModeloEvaporacao : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModeloEvaporacao(TabelaEvaporacao& tabela, QObject* pai = nullptr);

    void recarregar();

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor,
                 int papel = Qt::EditRole) override;

  Q_SIGNALS:
    void valorInvalido(const QString& mensagem);

  private:
    TabelaEvaporacao& tabela_;
};

} // namespace corvel::ui
