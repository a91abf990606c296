// Models of the month and year lists of pre-processing.
#include "modelospreprocessamento.h"

#include "core/formato.h"

#include <QBrush>

namespace corvel::ui {

namespace {

QVariant cabecalho(int secao, Qt::Orientation orientacao, int papel, const char* primeira) {
    if (papel != Qt::DisplayRole || orientacao != Qt::Horizontal) return {};
    switch (secao) {
    case 0:
        return QString::fromUtf8(primeira);
    case 1:
        return QStringLiteral("% Falhas");
    default:
        return QStringLiteral("Descartar");
    }
}

QVariant caixaSim(bool marcada, int papel) {
    if (papel == Qt::DisplayRole) return QStringLiteral("Sim");
    if (papel == Qt::CheckStateRole) return marcada ? Qt::Checked : Qt::Unchecked;
    return {};
}

} // namespace

// ---- months

ModeloMeses::ModeloMeses(Bancada& bancada, QObject* pai)
    : QAbstractTableModel(pai), bancada_(bancada) {
    recarregar();
}

int ModeloMeses::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloMeses::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 3;
}

QVariant ModeloMeses::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount()) return {};
    const RegistroMensal& r = bancada_.serie[linhas_[static_cast<std::size_t>(indice.row())]];
    if (papel == Qt::ForegroundRole && r.vazao01Status == kDescartado) return QBrush(Qt::red);
    if (papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(indice.column() == kPorcentagem
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    switch (indice.column()) {
    case kMes:
        return papel == Qt::DisplayRole ? QVariant(r.mes()) : QVariant();
    case kPorcentagem:
        return papel == Qt::DisplayRole ? QVariant(formatarNumero(r.porcentagemFalhas(), u"##0%"))
                                        : QVariant();
    default:
        return caixaSim(r.vazao01Status == kDescartado, papel);
    }
}

QVariant ModeloMeses::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    return cabecalho(secao, orientacao, papel, "Ano");
}

Qt::ItemFlags ModeloMeses::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && indice.column() == kDescartar) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ModeloMeses::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (papel != Qt::CheckStateRole || !indice.isValid() || indice.column() != kDescartar)
        return false;
    RegistroMensal& r = bancada_.serie[linhas_[static_cast<std::size_t>(indice.row())]];
    r.vazao01Status = valor.toInt() == Qt::Checked ? kDescartado : kConsiderado;
    Q_EMIT dataChanged(index(indice.row(), 0), index(indice.row(), kDescartar));
    Q_EMIT mesMarcado();
    return true;
}

void ModeloMeses::recarregar() {
    beginResetModel();
    linhas_.clear();
    const SerieTabela& s = bancada_.serie;
    if (s.ativa())
        for (qsizetype i = 0; i < s.tamanho(); ++i)
            if (s[i].vazao01Status >= kSemDados) linhas_.push_back(i);
    endResetModel();
}

void ModeloMeses::situacoesMudaram() {
    if (!linhas_.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kDescartar));
}

int ModeloMeses::linhaDe(QDate mes) const {
    for (std::size_t i = 0; i < linhas_.size(); ++i)
        if (bancada_.serie[linhas_[i]].data == mes) return static_cast<int>(i);
    return -1;
}

QDate ModeloMeses::mesDa(int linha) const {
    if (linha < 0 || linha >= rowCount()) return {};
    return bancada_.serie[linhas_[static_cast<std::size_t>(linha)]].data;
}

// ---- years

ModeloAnos::ModeloAnos(QObject* pai) : QAbstractTableModel(pai) {}

int ModeloAnos::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(anos_.size());
}

int ModeloAnos::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 3;
}

QVariant ModeloAnos::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount()) return {};
    const LinhaAnual& a = anos_[static_cast<std::size_t>(indice.row())];
    if (papel == Qt::ForegroundRole && a.descartar == kDescartado) return QBrush(Qt::red);
    switch (indice.column()) {
    case kAno:
        return papel == Qt::DisplayRole ? QVariant(a.anoh) : QVariant();
    case kPorcentagem:
        if (papel == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return papel == Qt::DisplayRole ? QVariant(a.pNulos) : QVariant();
    default:
        return caixaSim(a.descartar == kDescartado, papel);
    }
}

QVariant ModeloAnos::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    return cabecalho(secao, orientacao, papel, "Ano");
}

Qt::ItemFlags ModeloAnos::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && indice.column() == kDescartar) {
        f |= Qt::ItemIsUserCheckable;
        if (!marcavel_) f &= ~Qt::ItemIsEnabled;
    }
    return f;
}

bool ModeloAnos::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (!marcavel_ || papel != Qt::CheckStateRole || !indice.isValid() ||
        indice.column() != kDescartar)
        return false;
    LinhaAnual& a = anos_[static_cast<std::size_t>(indice.row())];
    const bool descartar = valor.toInt() == Qt::Checked;
    a.descartar = descartar ? kDescartado : kConsiderado;
    Q_EMIT dataChanged(index(indice.row(), 0), index(indice.row(), kDescartar));
    Q_EMIT anoMarcado(a.ano, descartar);
    return true;
}

void ModeloAnos::definir(std::vector<LinhaAnual> anos) {
    if (anos.size() == anos_.size()) {
        anos_ = std::move(anos);
        if (!anos_.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kDescartar));
        return;
    }
    beginResetModel();
    anos_ = std::move(anos);
    endResetModel();
}

} // namespace corvel::ui
