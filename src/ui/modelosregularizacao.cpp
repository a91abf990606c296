// Models of the regularization and evaporation grids.
#include "modelosregularizacao.h"

#include "core/erros.h"
#include "core/formato.h"

namespace corvel::ui {

namespace {
QVariant alinhamento(Qt::Alignment a) {
    return QVariant::fromValue(a);
}
} // namespace

ModeloCapacidade::~ModeloCapacidade() = default;

void ModeloCapacidade::definir(const ResultadoRegularizacao* resultado, std::optional<int> nivel) {
    beginResetModel();
    grade_.reset();
    titulos_ = titulosCapacidade(nivel);
    colunaData_ = nivel ? 0 : 1;
    if (resultado) grade_ = std::make_unique<GradeCapacidade>(*resultado, nivel);
    endResetModel();
}

int ModeloCapacidade::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || !grade_ ? 0 : static_cast<int>(grade_->linhas());
}

int ModeloCapacidade::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(titulos_.size());
}

QVariant ModeloCapacidade::data(const QModelIndex& indice, int papel) const {
    if (!grade_ || !indice.isValid()) return {};
    switch (papel) {
    case Qt::DisplayRole:
        return grade_->texto(static_cast<std::size_t>(indice.row()), indice.column());
    case Qt::TextAlignmentRole:
        return alinhamento(indice.column() == colunaData_ ? Qt::AlignCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModeloCapacidade::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 &&
        secao < static_cast<int>(titulos_.size()))
        return titulos_[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

ModeloTextos::ModeloTextos(std::vector<QString> titulos, QObject* pai)
    : QAbstractTableModel(pai), titulos_(std::move(titulos)) {}

void ModeloTextos::definir(LinhasTexto linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    endResetModel();
}

int ModeloTextos::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloTextos::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(titulos_.size());
}

QVariant ModeloTextos::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const auto& linha = linhas_[static_cast<std::size_t>(indice.row())];
    const auto coluna = static_cast<std::size_t>(indice.column());
    switch (papel) {
    case Qt::DisplayRole:
        return coluna < linha.size() ? linha[coluna] : QString();
    case Qt::TextAlignmentRole:
        return alinhamento(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ModeloTextos::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 &&
        secao < static_cast<int>(titulos_.size()))
        return titulos_[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

ModeloEvaporacao::ModeloEvaporacao(TabelaEvaporacao& tabela, QObject* pai)
    : QAbstractTableModel(pai), tabela_(tabela) {}

void ModeloEvaporacao::recarregar() {
    beginResetModel();
    endResetModel();
}

int ModeloEvaporacao::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(tabela_.size());
}

int ModeloEvaporacao::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloEvaporacao::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const MesEvaporacao& m = tabela_[static_cast<std::size_t>(indice.row())];
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return indice.column() == 0 ? m.mes : formatarGeral(m.evaporacao);
    case Qt::TextAlignmentRole:
        return alinhamento(indice.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                : Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModeloEvaporacao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && (secao == 0 || secao == 1))
        return titulosGradeEvaporacao()[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

Qt::ItemFlags ModeloEvaporacao::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.column() == 1) f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloEvaporacao::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (!indice.isValid() || indice.column() != 1 || papel != Qt::EditRole) return false;
    const QString texto = valor.toString().trimmed();
    double taxa = 0;
    try {
        // A cleared cell is a month without evaporation, as in the file.
        if (!texto.isEmpty()) taxa = lerReal(texto);
    } catch (const ErroConversao& e) {
        Q_EMIT valorInvalido(e.mensagem());
        return false;
    }
    tabela_[static_cast<std::size_t>(indice.row())].evaporacao = taxa;
    Q_EMIT dataChanged(indice, indice);
    return true;
}

} // namespace corvel::ui
