// A result grid over a table of texts the core formatted (titles and rows): the window shows the
// texts as they are, so its grid, its CSV export and the command-line tool agree to the digit.
#pragma once

#include "analyses/tabelatexto.h"

#include <QAbstractTableModel>

class QTableView;

namespace corvel::ui {

class ModeloTabelaTexto : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Columns from `primeiraDireita` on are aligned right (numbers), the ones before centred.
    explicit ModeloTabelaTexto(int primeiraDireita, QObject* pai = nullptr);

    void definir(TabelaTexto tabela);
    void limpar();
    const TabelaTexto& tabela() const { return tabela_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

  private:
    int primeiraDireita_;
    TabelaTexto tabela_;
};

// A read-only grid of whole rows without row numbers, named `nome`, over `modelo`.
QTableView* novaGradeResultados(QWidget* pai, QAbstractItemModel* modelo, const char* nome);

} // namespace corvel::ui
