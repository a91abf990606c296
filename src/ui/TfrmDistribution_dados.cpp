// Distribution window: the event list on the left, its two grids ("Dados" editable, "Logaritmos
// dos dados") and the navigator that moves, inserts, deletes, posts and cancels rows.
#include "TfrmDistribution.h"
#include "comando.h"

#include "servicodialogos.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace corvel::ui {

namespace {

constexpr int kTamanhoData = 20;

// The grid of the editable list: it knows its open cell editor, so the navigator can post the
// typed text or drop it.
class GradeEventos : public QTableView {
  public:
    explicit GradeEventos(QWidget* pai) : QTableView(pai), delegado_(new Delegado(this)) {
        setItemDelegate(delegado_);
    }
    void confirmar() {
        if (QWidget* editor = delegado_->aberto) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    void descartar() {
        if (QWidget* editor = delegado_->aberto)
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }

  private:
    class Delegado : public QStyledItemDelegate {
      public:
        using QStyledItemDelegate::QStyledItemDelegate;
        QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao,
                              const QModelIndex& indice) const override {
            QWidget* editor = QStyledItemDelegate::createEditor(pai, opcao, indice);
            aberto = editor;
            return editor;
        }
        mutable QPointer<QWidget> aberto;
    };
    Delegado* delegado_;
};

QTableView* configurar(QTableView* g, QStandardItemModel* modelo, const QString& nome) {
    g->setObjectName(nome);
    g->setModel(modelo);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setStretchLastSection(true);
    g->setColumnWidth(0, 90);
    return g;
}

QStandardItem* numero(const std::optional<double>& v, QStringView padrao) {
    auto* item = new QStandardItem(v ? formatarNumero(*v, padrao) : QString());
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

std::optional<double> logaritmo(const std::optional<double>& v) {
    return v && *v > 0 ? std::optional<double>(std::log(*v)) : std::nullopt;
}

} // namespace

QWidget* TfrmDistribution::criarPaginasDados() {
    auto* painel = new QWidget(this);
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(0, 0, 0, 0);
    modeloEventos_ = new QStandardItemModel(0, 2, this);
    modeloEventos_->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Vazão(m³/s)")});
    modeloLogaritmos_ = new QStandardItemModel(0, 2, this);
    modeloLogaritmos_->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Logaritmos dos dados (m³/s)")});
    paginasDados_ = new QTabWidget(painel);
    paginasDados_->setObjectName(QStringLiteral("pgcDados"));
    gradeEventos_ =
        configurar(new GradeEventos(paginasDados_), modeloEventos_, QStringLiteral("grdDados"));
    gradeLogaritmos_ = configurar(new QTableView(paginasDados_), modeloLogaritmos_,
                                  QStringLiteral("grdLogaritmos"));
    gradeLogaritmos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    paginasDados_->addTab(gradeEventos_, QStringLiteral("Dados"));
    paginasDados_->addTab(gradeLogaritmos_, QStringLiteral("Logaritmos dos dados"));
    v->addWidget(paginasDados_, 1);

    auto* navegador = new QWidget(painel);
    navegador->setObjectName(QStringLiteral("DBNavigator1"));
    navegador->setToolTip(QStringLiteral("Gerencia a série de dados"));
    auto* h = new QHBoxLayout(navegador);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    struct Botao {
        const char* dica;
        QStyle::StandardPixmap icone;
        const char* texto;
    };
    const Botao botoes[] = {{"Primeiro", QStyle::SP_MediaSkipBackward, nullptr},
                            {"Anterior", QStyle::SP_MediaSeekBackward, nullptr},
                            {"Próximo", QStyle::SP_MediaSeekForward, nullptr},
                            {"Último", QStyle::SP_MediaSkipForward, nullptr},
                            {"Novo", QStyle::SP_CustomBase, "+"},
                            {"Excluir", QStyle::SP_CustomBase, "−"},
                            {"Confirmar", QStyle::SP_DialogApplyButton, nullptr},
                            {"Cancelar", QStyle::SP_DialogCancelButton, nullptr}};
    for (int i = 0; i < 8; ++i) {
        auto* b = new QToolButton(navegador);
        b->setToolTip(QString::fromUtf8(botoes[i].dica));
        if (botoes[i].texto)
            b->setText(QString::fromUtf8(botoes[i].texto));
        else
            b->setIcon(style()->standardIcon(botoes[i].icone));
        b->setMinimumWidth(26);
        connect(b, &QToolButton::clicked, this,
                [this, i] { executarComando(dialogos_, [&] { navegar(i); }); });
        h->addWidget(b);
    }
    h->addStretch();
    v->addWidget(navegador);

    connect(modeloEventos_, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!preenchendo_)
            executarComando(dialogos_, [&] { eventoEditado(item->row(), item->column()); });
    });
    // Leaving a row posts it, as the list always did.
    connect(gradeEventos_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (!preenchendo_ && edicao_ && atual.row() != edicao_->linha)
                    executarComando(dialogos_, [&] { postar(); });
            });
    return painel;
}

void TfrmDistribution::acrescentarLinha(std::size_t i) {
    const EventoDistribuicao& e = eventos_[i];
    preenchendo_ = true;
    modeloEventos_->appendRow({new QStandardItem(e.Data), numero(e.Dados, u"0.0000")});
    auto* rotulo = new QStandardItem(e.Data);
    rotulo->setEditable(false);
    modeloLogaritmos_->appendRow({rotulo, numero(logaritmo(e.Dados), u"0.00000")});
    preenchendo_ = false;
}

void TfrmDistribution::mostrarEventos() {
    const int atual = linhaAtual();
    preenchendo_ = true;
    modeloEventos_->setRowCount(0);
    modeloLogaritmos_->setRowCount(0);
    preenchendo_ = false;
    for (std::size_t i = 0; i < eventos_.size(); ++i)
        acrescentarLinha(i);
    if (!eventos_.empty()) irPara(std::clamp(atual, 0, static_cast<int>(eventos_.size()) - 1));
    desenharDados();
}

void TfrmDistribution::eventoEditado(int linha, int coluna) {
    if (linha < 0 || linha >= static_cast<int>(eventos_.size())) return;
    if (edicao_ && edicao_->linha != linha) postar();
    EventoDistribuicao& e = eventos_[static_cast<std::size_t>(linha)];
    if (!edicao_) edicao_ = Edicao{linha, e, false};
    const QString texto = modeloEventos_->item(linha, coluna)->text();
    if (coluna == 0) {
        e.Data = texto.left(kTamanhoData);
    } else {
        try {
            e.Dados =
                texto.trimmed().isEmpty() ? std::nullopt : std::optional<double>(lerReal(texto));
        } catch (const Erro& erro) {
            dialogos_.mostrar(erro);
        }
    }
    // The cell shows what the list holds, formatted; the logarithm follows the value.
    preenchendo_ = true;
    modeloEventos_->item(linha, 0)->setText(e.Data);
    modeloEventos_->item(linha, 1)->setText(e.Dados ? formatarNumero(*e.Dados, u"0.0000")
                                                    : QString());
    modeloLogaritmos_->item(linha, 0)->setText(e.Data);
    const auto ln = logaritmo(e.Dados);
    modeloLogaritmos_->item(linha, 1)->setText(ln ? formatarNumero(*ln, u"0.00000") : QString());
    preenchendo_ = false;
}

void TfrmDistribution::postar() {
    static_cast<GradeEventos*>(gradeEventos_)->confirmar();
    if (!edicao_) return;
    edicao_.reset();
    desenharDados(); // the data charts follow the posted row
}

void TfrmDistribution::cancelarEdicao() {
    static_cast<GradeEventos*>(gradeEventos_)->descartar();
    if (!edicao_) return;
    const auto linha = static_cast<std::size_t>(edicao_->linha);
    if (edicao_->inserida) {
        eventos_.erase(eventos_.begin() + static_cast<std::ptrdiff_t>(linha));
        ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(linha));
    } else {
        eventos_[linha] = edicao_->anterior;
    }
    edicao_.reset();
    mostrarEventos();
}

int TfrmDistribution::linhaAtual() const {
    const QModelIndex i = gradeEventos_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TfrmDistribution::irPara(int linha) {
    if (linha < 0 || linha >= modeloEventos_->rowCount()) return;
    const int coluna = std::max(gradeEventos_->currentIndex().column(), 0);
    gradeEventos_->setCurrentIndex(modeloEventos_->index(linha, coluna));
    gradeLogaritmos_->setCurrentIndex(modeloLogaritmos_->index(linha, 0));
}

void TfrmDistribution::navegar(int botao) {
    paginasDados_->setCurrentIndex(0);
    const int ultima = static_cast<int>(eventos_.size()) - 1;
    const int atual = linhaAtual();
    switch (botao) {
    case kPrimeiro:
        irPara(0);
        break;
    case kAnterior:
        irPara(std::max(atual - 1, 0));
        break;
    case kProximo:
        irPara(std::min(atual + 1, ultima));
        break;
    case kUltimo:
        irPara(ultima);
        break;
    case kNovo: {
        if (!listaAberta_) return;
        postar();
        const int linha = std::max(linhaAtual(), 0);
        eventos_.insert(eventos_.begin() + linha, EventoDistribuicao{});
        ids_.insert(ids_.begin() + linha, proximoId_++);
        mostrarEventos();
        irPara(linha);
        edicao_ = Edicao{linha, {}, true};
        gradeEventos_->edit(modeloEventos_->index(linha, 0));
        break;
    }
    case kExcluir: {
        if (atual < 0) return;
        static_cast<GradeEventos*>(gradeEventos_)->descartar();
        edicao_.reset();
        eventos_.erase(eventos_.begin() + atual);
        ids_.erase(ids_.begin() + atual);
        mostrarEventos();
        break;
    }
    case kConfirmar:
        postar();
        break;
    case kCancelar:
        cancelarEdicao();
        break;
    default:
        break;
    }
}

} // namespace corvel::ui
