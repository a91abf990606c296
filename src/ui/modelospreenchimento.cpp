// Grid models of gap filling.
#include "modelospreenchimento.h"

#include "filling/textospreenchimento.h"

#include <QColor>

namespace corvel::ui {

namespace {

QVariant centro() {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
}

} // namespace

void ModeloDadosMensais::definir(const ProjetoPreenchimento& projeto) {
    beginResetModel();
    grade_ = projeto.aberto() ? gradeDadosMensais(projeto) : GradeDadosMensais{};
    endResetModel();
}

int ModeloDadosMensais::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(grade_.grade.linhas.size());
}

int ModeloDadosMensais::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(grade_.grade.titulos.size());
}

CorCelula ModeloDadosMensais::cor(int linha, int coluna) const {
    if (coluna < 1) return CorCelula::Normal;
    return grade_.cores[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna - 1)];
}

QVariant ModeloDadosMensais::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    switch (papel) {
    case Qt::DisplayRole:
        return grade_.grade.linhas[static_cast<std::size_t>(indice.row())]
                                  [static_cast<std::size_t>(indice.column())];
    case Qt::TextAlignmentRole:
        return indice.column() == 0
                   ? centro()
                   : QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ForegroundRole:
        switch (cor(indice.row(), indice.column())) {
        case CorCelula::Preenchido:
            return QColor(Qt::red);
        case CorCelula::Apoio:
            return QColor(Qt::blue);
        case CorCelula::Normal:
            return {};
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloDadosMensais::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 &&
        secao < columnCount())
        return grade_.grade.titulos[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

ModeloEscolhaEstacao::ModeloEscolhaEstacao(const std::vector<EstatisticaEstacao>& estatisticas,
                                           std::vector<std::size_t> oferecidas, QObject* pai)
    : QAbstractTableModel(pai), estatisticas_(estatisticas), oferecidas_(std::move(oferecidas)),
      grade_(gradeEscolhaEstacao(estatisticas, oferecidas_)) {}

void ModeloEscolhaEstacao::recarregar() {
    beginResetModel();
    grade_ = gradeEscolhaEstacao(estatisticas_, oferecidas_);
    endResetModel();
}

int ModeloEscolhaEstacao::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(oferecidas_.size());
}

int ModeloEscolhaEstacao::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : colunaCaixa() + 1;
}

QVariant ModeloEscolhaEstacao::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    if (indice.column() == colunaCaixa()) {
        if (papel == Qt::CheckStateRole)
            return estatisticas_[estacao(indice.row())].utilizado ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (papel == Qt::DisplayRole)
        return grade_.linhas[static_cast<std::size_t>(indice.row())]
                            [static_cast<std::size_t>(indice.column())];
    if (papel == Qt::TextAlignmentRole) return centro();
    return {};
}

QVariant ModeloEscolhaEstacao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 &&
        secao <= colunaCaixa())
        return secao == colunaCaixa() ? QString::fromUtf8(kCaixaPreencherCom)
                                      : grade_.titulos[static_cast<std::size_t>(secao)];
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

Qt::ItemFlags ModeloEscolhaEstacao::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && indice.column() == colunaCaixa()) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ModeloEscolhaEstacao::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (!indice.isValid() || indice.column() != colunaCaixa() || papel != Qt::CheckStateRole)
        return false;
    // A used station's box stays ticked: it fills once.
    if (valor.toInt() != Qt::Checked) return false;
    const std::size_t e = estacao(indice.row());
    if (estatisticas_[e].utilizado) return false;
    Q_EMIT marcada(e);
    recarregar();
    return true;
}

} // namespace corvel::ui
