// The "Dados" grid of the minimum- and maximum-flow windows: the considered months of the project
// with their failure percentage and the 31 day values ("###0.##"); zero flows may be drawn red.
#pragma once

#include "core/serie.h"

#include <QAbstractTableModel>

namespace corvel::ui {

class ModeloDadosVazao : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kMes = 0, kFalhas = 1, kDia01 = 2 };
    static constexpr int kColunas = kDia01 + kDiasRegistro;

    explicit ModeloDadosVazao(bool zerosEmVermelho, QObject* pai = nullptr);

    // The window table was (re)loaded; null shows nothing.
    void definir(const SerieTabela* serie);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

  private:
    const SerieTabela* serie_ = nullptr;
    bool zerosEmVermelho_;
};

} // namespace corvel::ui
