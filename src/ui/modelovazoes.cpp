// Model of the window table of the minimum- and maximum-flow windows.
#include "modelovazoes.h"

#include "core/formato.h"

#include <QBrush>

namespace corvel::ui {

namespace {
std::optional<double> dia(const RegistroMensal& r, int d) {
    return d < r.nDias() ? r.vazao[static_cast<std::size_t>(d)] : std::nullopt;
}
} // namespace

ModeloDadosVazao::ModeloDadosVazao(bool zerosEmVermelho, QObject* pai)
    : QAbstractTableModel(pai), zerosEmVermelho_(zerosEmVermelho) {}

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
    const std::optional<double> v = c >= kDia01 ? dia(r, c - kDia01) : std::nullopt;
    switch (papel) {
    case Qt::DisplayRole:
        if (c == kMes) return r.mes();
        if (c == kFalhas) return formatarGeral(r.media());
        return v ? formatarNumero(*v, u"###0.##") : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c == kMes ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (zerosEmVermelho_ && v && *v == 0) return QBrush(Qt::red);
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
    return QStringLiteral("Dia %1").arg(secao - kDia01 + 1);
}

std::vector<QString> titulosDadosVazao() {
    const ModeloDadosVazao modelo(false);
    std::vector<QString> t;
    for (int c = 0; c < ModeloDadosVazao::kColunas; ++c)
        t.push_back(modelo.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    return t;
}

std::vector<std::vector<QString>> linhasDadosVazao(const SerieTabela& serie) {
    std::vector<std::vector<QString>> linhas;
    linhas.reserve(static_cast<std::size_t>(serie.tamanho()));
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        const RegistroMensal& r = serie[i];
        std::vector<QString> l = {r.mes(), formatarGeral(r.media())};
        for (int d = 0; d < kDiasRegistro; ++d) {
            const auto v = dia(r, d);
            l.push_back(v ? formatarGeral(*v) : QString());
        }
        linhas.push_back(std::move(l));
    }
    return linhas;
}

} // namespace corvel::ui
