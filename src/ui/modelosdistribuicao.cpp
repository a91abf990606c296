// The distribution window's grid models.
#include "modelosdistribuicao.h"

#include "core/formato.h"
#include "stats/exportacaodistribuicoes.h"

#include <QColor>

namespace corvel::ui {

namespace {
const QColor kVerde(0, 128, 0);
} // namespace

ModeloEventos::ModeloEventos(const std::vector<EventoDistribuicao>& eventos, Vista vista,
                             QObject* pai)
    : QAbstractTableModel(pai), eventos_(eventos), vista_(vista) {}

int ModeloEventos::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(eventos_.size());
}

int ModeloEventos::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloEventos::data(const QModelIndex& i, int papel) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const EventoDistribuicao& e = eventos_[static_cast<std::size_t>(i.row())];
    if (papel == Qt::TextAlignmentRole)
        return i.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                               : int(Qt::AlignRight | Qt::AlignVCenter);
    if (papel != Qt::DisplayRole && papel != Qt::EditRole) return {};
    if (i.column() == 0) return e.Data;
    const auto v = vista_ == Vista::Dados ? e.Dados : LnDados(e);
    return v ? formatarNumero(*v, vista_ == Vista::Dados ? u"0.0000" : u"0.00000") : QString();
}

QVariant ModeloEventos::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    if (secao == 0) return QStringLiteral("Data");
    return vista_ == Vista::Dados ? QStringLiteral("Vazão(m³/s)")
                                  : QStringLiteral("Logaritmos dos dados (m³/s)");
}

Qt::ItemFlags ModeloEventos::flags(const QModelIndex& i) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (vista_ == Vista::Dados && i.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloEventos::setData(const QModelIndex& i, const QVariant& valor, int papel) {
    if (vista_ != Vista::Dados || papel != Qt::EditRole || !i.isValid()) return false;
    Q_EMIT editado(i.row(), i.column(), valor.toString());
    return true;
}

void ModeloEventos::recarregar() {
    beginResetModel();
    endResetModel();
}

void ModeloEventos::antesDeAcrescentar() {
    beginInsertRows({}, rowCount(), rowCount());
}
void ModeloEventos::depoisDeAcrescentar() {
    endInsertRows();
}

void ModeloEventos::linhaAlterada(int linha) {
    Q_EMIT dataChanged(index(linha, 0), index(linha, 1));
}

void ModeloResultados::definir(std::vector<LinhaDistribuicao> linhas, int melhorLinha) {
    beginResetModel();
    linhas_ = std::move(linhas);
    melhorLinha_ = melhorLinha;
    endResetModel();
}

int ModeloResultados::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloResultados::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(colunasDistribuicao().size());
}

QVariant ModeloResultados::data(const QModelIndex& i, int papel) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const LinhaDistribuicao& l = linhas_[static_cast<std::size_t>(i.row())];
    const auto c = static_cast<std::size_t>(i.column());
    switch (papel) {
    case Qt::DisplayRole:
        return textoColuna(l, c);
    case Qt::TextAlignmentRole:
        return c == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                      : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        // The best fit is green throughout, over the red of a value without physical meaning.
        if (l.id == melhorLinha_) return kVerde;
        if (semSignificadoFisico(l, c)) return QColor(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant ModeloResultados::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao >= columnCount())
        return {};
    return QString::fromUtf8(colunasDistribuicao()[static_cast<std::size_t>(secao)].titulo);
}

} // namespace corvel::ui
