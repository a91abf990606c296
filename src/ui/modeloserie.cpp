// Grid model of the open series.
#include "modeloserie.h"

#include "coressinais.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QBrush>

namespace corvel::ui {

std::optional<double> lerDiaDigitado(const QVariant& valor) {
    const QString texto = valor.toString().trimmed();
    if (texto.isEmpty()) return std::nullopt;
    return lerReal(texto);
}

QVariant textoDia(const std::optional<double>& valor, int papel) {
    if (!valor) return QString();
    return papel == Qt::EditRole ? formatarGeral(*valor) : formatarVazao(*valor, u"0.00");
}

ModeloSerie::ModeloSerie(Bancada& bancada, QObject* pai)
    : QAbstractTableModel(pai), bancada_(bancada) {}

int ModeloSerie::rowCount(const QModelIndex& pai) const {
    if (pai.isValid() || !bancada_.serie.ativa()) return 0;
    return static_cast<int>(bancada_.serie.tamanho());
}

int ModeloSerie::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kColunas;
}

QVariant ModeloSerie::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount()) return {};
    const RegistroMensal& r = bancada_.serie[indice.row()];
    const int coluna = indice.column();
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (coluna == kMes) return r.mes();
        if (coluna == kSituacao) return r.situacao(bancada_.mesesDescartados);
        if (coluna == kPorcentagem) return formatarNumero(r.porcentagemFalhas(), u"##0%");
        return textoDia(r.vazao[static_cast<std::size_t>(coluna - kDia01)], papel);
    }
    case Qt::TextAlignmentRole:
        if (coluna == kMes || coluna == kSituacao) return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (r.vazao01Status == kDescartado) return QBrush(Qt::red);
        return {};
    case Qt::BackgroundRole:
        // What is known of the day: its status's colour, or the raw months' own.
        if (coluna >= kDia01 && coluna - kDia01 < r.nDias())
            if (const auto cor = corDoDia(r, coluna - kDia01)) return QBrush(*cor);
        return {};
    case Qt::ToolTipRole:
        if (coluna == kMes) return dicaDoMes(r);
        if (coluna >= kDia01 && coluna - kDia01 < r.nDias()) {
            const QString dica = dicaDoDia(r, coluna - kDia01);
            if (!dica.isEmpty()) return dica;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloSerie::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel != Qt::DisplayRole) return {};
    if (orientacao == Qt::Vertical) return {};
    switch (secao) {
    case kMes:
        return QStringLiteral("Mês");
    case kSituacao:
        return QStringLiteral("Situação");
    case kPorcentagem:
        return QStringLiteral("% Falhas");
    default:
        return QStringLiteral("Dia %1").arg(secao - kDia01 + 1, 2, 10, QLatin1Char('0'));
    }
}

Qt::ItemFlags ModeloSerie::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && indice.column() >= kDia01) f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloSerie::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (papel != Qt::EditRole || !indice.isValid() || indice.column() < kDia01) return false;
    std::optional<double> novo;
    try {
        novo = lerDiaDigitado(valor);
    } catch (const ErroConversao& e) {
        Q_EMIT entradaInvalida(e.mensagem());
        return false;
    }
    RegistroMensal& r = bancada_.serie[indice.row()];
    digitarDia(r, indice.column() - kDia01, novo);
    // The month's counts and situation follow the new value.
    Q_EMIT dataChanged(index(indice.row(), 0), index(indice.row(), kColunas - 1));
    return true;
}

bool ModeloSerie::insertRows(int, int, const QModelIndex&) {
    // A row started in the grid would be a month without a date; months are only added by the
    // imports, the month completion and the data management window. With the insertion flag off
    // (after every import) the series table itself would cancel it too.
    return false;
}

void ModeloSerie::recarregar() {
    beginResetModel();
    endResetModel();
}

} // namespace corvel::ui
