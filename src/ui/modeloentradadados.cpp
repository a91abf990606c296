// Grid model of the data management window.
#include "modeloentradadados.h"

#include "modeloserie.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QBrush>

namespace corvel::ui {

ModeloEntradaDados::ModeloEntradaDados(Bancada& bancada, QObject* pai)
    : QAbstractTableModel(pai), bancada_(bancada) {}

int ModeloEntradaDados::rowCount(const QModelIndex& pai) const {
    if (pai.isValid() || !bancada_.serie.ativa()) return 0;
    return static_cast<int>(bancada_.serie.tamanho());
}

int ModeloEntradaDados::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kColunas;
}

QVariant ModeloEntradaDados::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount()) return {};
    const RegistroMensal& r = bancada_.serie[indice.row()];
    const int coluna = indice.column();
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (coluna) {
        case kMes:
            return r.mes();
        case kValidos:
            return r.validos();
        case kFalhas:
            return r.nullos();
        case kPorcentagem:
            return formatarNumero(r.porcentagemFalhas(), u"##0%");
        case kDiasNoMes:
            return r.nDias();
        case kSituacao:
            return r.situacao(bancada_.mesesDescartados);
        default:
            return textoDia(r.vazao[static_cast<std::size_t>(coluna - kDia01)], papel);
        }
    case Qt::TextAlignmentRole:
        if (coluna == kMes || coluna == kSituacao) return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (r.vazao01Status == kDescartado) return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant ModeloEntradaDados::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel != Qt::DisplayRole || orientacao == Qt::Vertical) return {};
    switch (secao) {
    case kMes:
        return QStringLiteral("Mês");
    case kValidos:
        return QStringLiteral("Válidos");
    case kFalhas:
        return QStringLiteral("Falhas");
    case kPorcentagem:
        return QStringLiteral("% Falhas");
    case kDiasNoMes:
        return QStringLiteral("Dias no mês");
    case kSituacao:
        return QStringLiteral("Situação");
    default:
        return QStringLiteral("Dia %1").arg(secao - kDia01 + 1, 2, 10, QLatin1Char('0'));
    }
}

Qt::ItemFlags ModeloEntradaDados::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && indice.column() >= kDia01) f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloEntradaDados::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (papel != Qt::EditRole || !indice.isValid() || indice.column() < kDia01 ||
        indice.row() >= rowCount())
        return false;
    std::optional<double> novo;
    try {
        novo = lerDiaDigitado(valor);
    } catch (const ErroConversao& e) {
        Q_EMIT entradaInvalida(e.mensagem());
        return false;
    }
    // Another record typed into is written before this one is edited.
    if (pendente_ != indice.row()) gravarPendente();
    digitarDia(bancada_.serie[indice.row()], indice.column() - kDia01, novo);
    pendente_ = indice.row();
    Q_EMIT dataChanged(index(indice.row(), 0), index(indice.row(), kColunas - 1));
    return true;
}

bool ModeloEntradaDados::insertRows(int, int, const QModelIndex&) {
    return false;
}

void ModeloEntradaDados::gravarPendente() {
    if (pendente_ < 0) return;
    gravar(std::exchange(pendente_, -1));
}

void ModeloEntradaDados::gravar(int linha) {
    if (linha < 0 || linha >= rowCount()) return;
    if (linha == pendente_) pendente_ = -1;
    bancada_.gravarRegistro(linha);
    Q_EMIT dataChanged(index(linha, 0), index(linha, kColunas - 1));
}

void ModeloEntradaDados::recarregar() {
    beginResetModel();
    pendente_ = -1;
    endResetModel();
}

} // namespace corvel::ui
