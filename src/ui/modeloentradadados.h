// The data management grid's model over the open series: month, valid and missing days, the
// failure percentage, the days of the month, the situation and the 31 editable days. A record typed
// into is written when the cursor leaves it (or on "Salvar"), through the series' before-write
// rule.
#pragma once

#include "core/bancada.h"

#include <QAbstractTableModel>

namespace corvel::ui {

class ModeloEntradaDados : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Coluna {
        kMes = 0,
        kValidos,
        kFalhas,
        kPorcentagem,
        kDiasNoMes,
        kSituacao,
        kDia01,
    };
    static constexpr int kColunas = kDia01 + kDiasRegistro;

    explicit ModeloEntradaDados(Bancada& bancada, QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
    // Rows are added by the period commands only.
    bool insertRows(int linha, int quantidade, const QModelIndex& pai = {}) override;

    // Writes the record typed into, if any (the before-write rule runs on it).
    void gravarPendente();
    // Writes row `linha` (the window's "Salvar").
    void gravar(int linha);
    int linhaPendente() const { return pendente_; }
    // The series changed as a whole (years added or removed).
    void recarregar();

  Q_SIGNALS:
    void entradaInvalida(const QString& mensagem);

  private:
    Bancada& bancada_;
    int pendente_ = -1;
};

} // namespace corvel::ui
