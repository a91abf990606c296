// The "Dados" grid of the analysis windows: the considered months of the project with their
// failure percentage and the 31 day values ("###0.##" unless a window shows them otherwise); zero
// flows may be drawn red.
#pragma once

#include "core/serie.h"

#include <QAbstractTableModel>
#include <vector>

namespace corvel::ui {

class ModeloDadosVazao : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna { kMes = 0, kFalhas = 1, kDia01 = 2 };
    static constexpr int kColunas = kDia01 + kDiasRegistro;

    explicit ModeloDadosVazao(bool zerosEmVermelho, QObject* pai = nullptr);

    // The window table was (re)loaded; null shows nothing.
    void definir(const SerieTabela* serie);
    // The day columns in another display format, under the titles given (31 of them).
    void definirDias(QString formato, std::vector<QString> titulos);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

  private:
    const SerieTabela* serie_ = nullptr;
    bool zerosEmVermelho_;
    QString formato_ = QStringLiteral("###0.##");
    std::vector<QString> titulosDias_;
};

} // namespace corvel::ui
