// Grid models of the pre-processing window: the month list (month, failure percentage, "Sim" check
// box bound to the situation code) and the annual list (year, percentage, "Sim" check box).
#pragma once

#include "core/bancada.h"
#include "preprocess/listagem.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

class ModeloMeses : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kMes = 0, kPorcentagem = 1, kDescartar = 2 };

    explicit ModeloMeses(Bancada& bancada, QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Ticking "Sim" discards the month, clearing it keeps it.
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;

    // Lists the months again: every month with a known situation, in date order.
    void recarregar();
    // The situations changed in place.
    void situacoesMudaram();
    // Row of a month, or -1.
    int linhaDe(QDate mes) const;
    QDate mesDa(int linha) const;

  Q_SIGNALS:
    void mesMarcado();

  private:
    Bancada& bancada_;
    std::vector<qsizetype> linhas_; // positions in the series' date order
};

class ModeloAnos : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kAno = 0, kPorcentagem = 1, kDescartar = 2 };

    explicit ModeloAnos(QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Ticking "Sim" asks for the year to be discarded, clearing it for the year to be restored.
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;

    void definir(std::vector<LinhaAnual> anos);
    // The check boxes act only while the listing is settled.
    void definirMarcavel(bool marcavel) { marcavel_ = marcavel; }
    bool marcavel() const { return marcavel_; }

  Q_SIGNALS:
    void anoMarcado(int ano, bool descartar);

  private:
    std::vector<LinhaAnual> anos_;
    bool marcavel_ = false;
};

} // namespace corvel::ui
