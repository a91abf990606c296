// The availability diagram's grid: the order number, the station code and one cell per year, each
// year cell painted as its availability class asks (background, text colour, bold); every cell and
// title centred.
#pragma once

#include "availability/classes.h"
#include "availability/diagrama.h"

#include <QAbstractTableModel>
#include <QColor>

namespace corvel::ui {

// A colour the core gives as 0xRRGGBB.
QColor corRgb(quint32 rgb);

class ModeloDiagrama : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Null shows an empty grid; the diagram must outlive the model's use of it.
    void definir(const Diagrama* diagrama);
    // What the year cells show and how they are painted.
    void definirModo(ModoDiagrama modo);
    ModoDiagrama modo() const { return modo_; }
    // After the diagram's rows or period changed.
    void recarregar();

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

    static constexpr int kOrdem = 0, kEstacao = 1, kPrimeiroAno = 2;

  private:
    const EstiloClasse* estilo(const QModelIndex& indice) const;

    // The share of flagged days of a year cell, in the current mode (not the availability).
    std::optional<int> parte(const QModelIndex& indice) const;

    const Diagrama* diagrama_ = nullptr;
    ModoDiagrama modo_ = ModoDiagrama::Disponibilidade;
};

} // namespace corvel::ui
