// The "Dados" grid of the analysis windows: the considered months of the project with their failure
// percentage and the 31 day values; zero flows may be drawn red.
#pragma once

#include "core/serie.h"

#include <QAbstractTableModel>

namespace corvel::ui {

// How a window shows its day values.
struct FormaDados {
    bool zerosEmVermelho = false;
    bool diasComDoisDigitos = false;     // "Dia 01" rather than "Dia 1"
    const char16_t* padrao = u"###0.##"; // display pattern of the flows
};

class ModeloDadosVazao : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kMes = 0, kFalhas = 1, kDia01 = 2 };
    static constexpr int kColunas = kDia01 + kDiasRegistro;

    explicit ModeloDadosVazao(const FormaDados& forma, QObject* pai = nullptr);

    // The window table was (re)loaded; null shows nothing.
    void definir(const SerieTabela* serie);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

  private:
    const SerieTabela* serie_ = nullptr;
    FormaDados forma_;
};

} // namespace corvel::ui
