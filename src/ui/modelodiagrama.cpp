// Grid model of the availability diagram.
#include "modelodiagrama.h"

#include "availability/textosdiagrama.h"

#include <QFont>

namespace corvel::ui {

QColor corRgb(quint32 rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

void ModeloDiagrama::definir(const Diagrama* diagrama) {
    beginResetModel();
    diagrama_ = diagrama;
    endResetModel();
}

void ModeloDiagrama::definirModo(ModoDiagrama modo) {
    beginResetModel();
    modo_ = modo;
    endResetModel();
}

std::optional<int> ModeloDiagrama::parte(const QModelIndex& indice) const {
    const LinhaDiagrama& l = diagrama_->linhas[static_cast<std::size_t>(indice.row())];
    const auto& partes = modo_ == ModoDiagrama::Estimados ? l.estimados : l.brutos;
    const auto ano = static_cast<std::size_t>(indice.column() - kPrimeiroAno);
    return ano < partes.size() ? partes[ano] : std::nullopt;
}

void ModeloDiagrama::recarregar() {
    beginResetModel();
    endResetModel();
}

int ModeloDiagrama::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || !diagrama_ ? 0 : static_cast<int>(diagrama_->linhas.size());
}

int ModeloDiagrama::columnCount(const QModelIndex& pai) const {
    return pai.isValid() || !diagrama_ ? 0 : kPrimeiroAno + diagrama_->periodo.numeroAnos();
}

const EstiloClasse* ModeloDiagrama::estilo(const QModelIndex& indice) const {
    if (indice.column() < kPrimeiroAno) return &kEstiloColunasFixas;
    if (modo_ != ModoDiagrama::Disponibilidade) return &estiloParteSinalizada(parte(indice));
    const auto classe = classeCelula(diagrama_->celula(
        indice.row(), diagrama_->periodo.anoInicial + indice.column() - kPrimeiroAno));
    return classe ? &estiloClasse(*classe) : nullptr;
}

QVariant ModeloDiagrama::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || !diagrama_) return {};
    const LinhaDiagrama& linha = diagrama_->linhas[static_cast<std::size_t>(indice.row())];
    switch (papel) {
    case Qt::DisplayRole:
        if (indice.column() == kOrdem) return linha.ordem;
        if (indice.column() == kEstacao) return linha.estacao;
        if (modo_ != ModoDiagrama::Disponibilidade) {
            if (const auto p = parte(indice)) return *p;
            return {};
        }
        if (const auto v = diagrama_->celula(indice.row(), diagrama_->periodo.anoInicial +
                                                               indice.column() - kPrimeiroAno))
            return *v;
        return {};
    case Qt::ToolTipRole:
        if (indice.column() < kPrimeiroAno || modo_ == ModoDiagrama::Disponibilidade) return {};
        if (const auto p = parte(indice))
            return QStringLiteral("%1% dos dias com valor %2")
                .arg(*p)
                .arg(modo_ == ModoDiagrama::Estimados ? QStringLiteral("são estimados")
                                                      : QStringLiteral("são de meses brutos"));
        return QStringLiteral("Sem informação: o ano não tem dias com valor, ou a estação veio "
                              "de um arquivo de diagrama (acrescente o projeto de novo).");
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        if (const EstiloClasse* e = estilo(indice)) return corRgb(e->fundo);
        return {};
    case Qt::ForegroundRole:
        if (const EstiloClasse* e = estilo(indice)) return corRgb(e->texto);
        return {};
    case Qt::FontRole:
        if (const EstiloClasse* e = estilo(indice); e && e->negrito) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloDiagrama::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || !diagrama_)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (papel == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (papel != Qt::DisplayRole) return {};
    if (secao == kOrdem) return QString::fromUtf8(kTituloOrdem);
    if (secao == kEstacao) return QString::fromUtf8(kTituloEstacao);
    return QString::number(diagrama_->periodo.anoInicial + secao - kPrimeiroAno);
}

} // namespace corvel::ui
