// Grid model of the station list.
#include "modeloestacoes.h"

#include <numeric>

namespace corvel::ui {

void ModeloEstacoes::definirLista(corvel::ListaEstacoes lista) {
    beginResetModel();
    lista_ = std::move(lista);
    filtradas_.resize(std::size_t(lista_.tamanho()));
    std::iota(filtradas_.begin(), filtradas_.end(), qsizetype(0));
    endResetModel();
}

void ModeloEstacoes::definirFiltradas(std::vector<qsizetype> linhas) {
    beginResetModel();
    filtradas_ = std::move(linhas);
    endResetModel();
}

QString ModeloEstacoes::texto(int linha, int campo) const {
    if (linha < 0 || linha >= rowCount() || campo < 0) return {};
    return lista_.tabela.texto(filtradas_[std::size_t(linha)], campo);
}

QString ModeloEstacoes::codigo(int linha) const {
    return texto(linha, lista_.codigo);
}

QString ModeloEstacoes::nome(int linha) const {
    return texto(linha, lista_.nome);
}

int ModeloEstacoes::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(filtradas_.size());
}

int ModeloEstacoes::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 4;
}

QVariant ModeloEstacoes::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || papel != Qt::DisplayRole) return {};
    const int campos[] = {lista_.codigo, lista_.nome, lista_.latitude, lista_.longitude};
    return texto(indice.row(), campos[indice.column()]);
}

QVariant ModeloEstacoes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel != Qt::DisplayRole || orientacao != Qt::Horizontal) return {};
    static const char* const titulos[] = {"Codigo", "Nome", "Latitude", "Longitude"};
    return secao >= 0 && secao < 4 ? QString::fromLatin1(titulos[secao]) : QVariant();
}

} // namespace corvel::ui
