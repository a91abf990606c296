// Model of the window table of the analysis windows.
#include "modelovazoes.h"

#include "core/formato.h"

#include <QBrush>

namespace corvel::ui {

ModeloDadosVazao::ModeloDadosVazao(const FormaDados& forma, QObject* pai)
    : QAbstractTableModel(pai), forma_(forma) {}

void ModeloDadosVazao::definir(const SerieTabela* serie) {
    beginResetModel();
    serie_ = serie;
    endResetModel();
}

int ModeloDadosVazao::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || !serie_ ? 0 : static_cast<int>(serie_->tamanho());
}

int ModeloDadosVazao::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kColunas;
}

QVariant ModeloDadosVazao::data(const QModelIndex& indice, int papel) const {
    if (!serie_ || !indice.isValid()) return {};
    const RegistroMensal& r = (*serie_)[indice.row()];
    const int c = indice.column();
    const std::optional<double> v = c >= kDia01 ? r.dia(c - kDia01) : std::nullopt;
    switch (papel) {
    case Qt::DisplayRole:
        if (c == kMes) return r.mes();
        if (c == kFalhas) return formatarGeral(r.media());
        return v ? formatarVazao(*v, forma_.padrao) : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c == kMes ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (forma_.zerosEmVermelho && v && *v == 0) return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant ModeloDadosVazao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= kColunas)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (secao == kMes) return QStringLiteral("Mês");
    if (secao == kFalhas) return QStringLiteral("Falhas");
    return QStringLiteral("Dia %1").arg(secao - kDia01 + 1, forma_.diasComDoisDigitos ? 2 : 1, 10,
                                        QLatin1Char('0'));
}

} // namespace corvel::ui
