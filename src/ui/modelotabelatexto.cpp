// Grid model over a table of texts.
#include "modelotabelatexto.h"

#include <QHeaderView>
#include <QTableView>

namespace corvel::ui {

ModeloTabelaTexto::ModeloTabelaTexto(int primeiraDireita, QObject* pai)
    : QAbstractTableModel(pai), primeiraDireita_(primeiraDireita) {}

void ModeloTabelaTexto::definir(TabelaTexto tabela) {
    beginResetModel();
    tabela_ = std::move(tabela);
    endResetModel();
}

void ModeloTabelaTexto::limpar() {
    beginResetModel();
    tabela_.linhas.clear();
    endResetModel();
}

int ModeloTabelaTexto::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(tabela_.linhas.size());
}

int ModeloTabelaTexto::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(tabela_.titulos.size());
}

QVariant ModeloTabelaTexto::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const auto& linha = tabela_.linhas[static_cast<std::size_t>(indice.row())];
    const auto coluna = static_cast<std::size_t>(indice.column());
    switch (papel) {
    case Qt::DisplayRole:
        return coluna < linha.size() ? linha[coluna] : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(indice.column() >= primeiraDireita_
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ModeloTabelaTexto::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 &&
        secao < columnCount())
        return tabela_.titulos[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

QTableView* novaGradeResultados(QWidget* pai, QAbstractItemModel* modelo, const char* nome) {
    auto* g = new QTableView(pai);
    g->setObjectName(QString::fromLatin1(nome));
    g->setModel(modelo);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    // Every title whole; the widths follow the texts (of the first thousand rows at most).
    g->horizontalHeader()->setMinimumSectionSize(110);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return g;
}

} // namespace corvel::ui
