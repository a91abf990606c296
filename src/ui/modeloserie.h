// The main grid's model over the open series: month label, situation, failure percentage and the
// 31 day values; discarded months in red. Day values are edited in place.
#pragma once

#include "core/bancada.h"

#include <QAbstractTableModel>

namespace corvel::ui {

// A day value typed in a grid of the series: empty clears the day, anything else must be a number
// with the decimal comma (ErroConversao with the reason otherwise). Every grid that edits days
// reads them so.
std::optional<double> lerDiaDigitado(const QVariant& valor);
// A day as the grids show it ("0.00"), and as their editor opens it (the full value).
QVariant textoDia(const std::optional<double>& valor, int papel);

class ModeloSerie : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kMes = 0, kSituacao = 1, kPorcentagem = 2, kDia01 = 3 };
    static constexpr int kColunas = kDia01 + kDiasRegistro;

    explicit ModeloSerie(Bancada& bancada, QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
    // A row the user starts at the end of the grid is cancelled at once.
    bool insertRows(int linha, int quantidade, const QModelIndex& pai = {}) override;

    // The series changed as a whole (import, open, save, reload, close).
    void recarregar();

  Q_SIGNALS:
    // A typed value is not a number; the text says why.
    void entradaInvalida(const QString& mensagem);

  private:
    Bancada& bancada_;
};

} // namespace corvel::ui
