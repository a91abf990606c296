// The stationarity window's grid models.
#include "modelosestacionariedade.h"

#include "core/formato.h"
#include "stats/tabelasestacionariedade.h"

#include <QColor>

namespace corvel::ui {

void ModeloEntradaEstacionariedade::definir(std::vector<DadoEntrada> dados) {
    beginResetModel();
    dados_ = std::move(dados);
    endResetModel();
}

int ModeloEntradaEstacionariedade::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(dados_.size());
}

int ModeloEntradaEstacionariedade::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloEntradaEstacionariedade::data(const QModelIndex& i, int papel) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const DadoEntrada& d = dados_[static_cast<std::size_t>(i.row())];
    if (papel == Qt::TextAlignmentRole)
        return i.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                               : int(Qt::AlignRight | Qt::AlignVCenter);
    if (papel != Qt::DisplayRole) return {};
    if (i.column() == 0) return d.rotulo;
    return d.valor ? formatarVazao(*d.valor, u"0.00") : QString();
}

QVariant ModeloEntradaEstacionariedade::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    return secao == 0 ? QStringLiteral("Data") : QStringLiteral("Vazão (m³/s)");
}

void ModeloResultadosEstacionariedade::definir(std::vector<LinhaEstacionariedade> linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    textos_ = linhasEstacionariedade(linhas_);
    endResetModel();
}

int ModeloResultadosEstacionariedade::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloResultadosEstacionariedade::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(titulosEstacionariedade().size());
}

QVariant ModeloResultadosEstacionariedade::data(const QModelIndex& i, int papel) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const auto l = static_cast<std::size_t>(i.row());
    switch (papel) {
    case Qt::DisplayRole:
        return textos_[l][static_cast<std::size_t>(i.column())];
    case Qt::TextAlignmentRole:
        return i.column() >= 3 ? int(Qt::AlignRight | Qt::AlignVCenter)
                               : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if ((i.column() == 1 && !linhas_[l].variancias) || (i.column() == 2 && !linhas_[l].medias))
            return QColor(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant ModeloResultadosEstacionariedade::headerData(int secao, Qt::Orientation o,
                                                      int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= columnCount())
        return {};
    return titulosEstacionariedade()[static_cast<std::size_t>(secao)];
}

} // namespace corvel::ui
