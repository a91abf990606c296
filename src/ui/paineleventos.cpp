// The event list with its grids and navigator.
#include "paineleventos.h"

#include "comando.h"
#include "modelosdistribuicao.h"

#include "core/formato.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel::ui {

namespace {

constexpr int kTamanhoData = 20; // the label field's width

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
        // The view lets go of an editor when it closes it or its row goes away (a model reset).
        void destroyEditor(QWidget* editor, const QModelIndex& indice) const override {
            if (aberto == editor) aberto = nullptr;
            QStyledItemDelegate::destroyEditor(editor, indice);
        }
        mutable QPointer<QWidget> aberto;
    };
    Delegado* delegado_;
};

QTableView* configurar(QTableView* g, QAbstractItemModel* modelo, const QString& nome) {
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

} // namespace

PainelEventos::PainelEventos(ServicoDialogos& dialogos, QWidget* pai)
    : QWidget(pai), dialogos_(dialogos),
      dados_(new ModeloEventos(eventos_, ModeloEventos::Vista::Dados, this)),
      logaritmos_(new ModeloEventos(eventos_, ModeloEventos::Vista::Logaritmos, this)) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("pgcDados"));
    grade_ = configurar(new GradeEventos(paginas_), dados_, QStringLiteral("grdDados"));
    gradeLogaritmos_ =
        configurar(new QTableView(paginas_), logaritmos_, QStringLiteral("grdLogaritmos"));
    gradeLogaritmos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    paginas_->addTab(grade_, QStringLiteral("Dados"));
    paginas_->addTab(gradeLogaritmos_, QStringLiteral("Logaritmos dos dados"));
    v->addWidget(paginas_, 1);

    auto* navegador = new QWidget(this);
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

    connect(dados_, &ModeloEventos::editado, this,
            [this](int linha, int coluna, const QString& texto) {
                executarComando(dialogos_, [&] { editado(linha, coluna, texto); });
            });
    // Leaving a row posts it.
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (edicao_ && atual.isValid() && atual.row() != edicao_->linha)
                    executarComando(dialogos_, [&] { postar(); });
            });
}

QAbstractItemModel* PainelEventos::modeloEventos() const {
    return dados_;
}
QAbstractItemModel* PainelEventos::modeloLogaritmos() const {
    return logaritmos_;
}

void PainelEventos::iniciar() {
    edicao_.reset();
    eventos_.clear();
    proximoId_ = 0;
    aberta_ = true;
    recarregar();
}

void PainelEventos::acrescentar(const QString& rotulo, std::optional<double> valor) {
    dados_->antesDeAcrescentar();
    logaritmos_->antesDeAcrescentar();
    eventos_.push_back({rotulo.left(kTamanhoData), valor, proximoId_++});
    dados_->depoisDeAcrescentar();
    logaritmos_->depoisDeAcrescentar();
}

void PainelEventos::substituir(std::vector<EventoDistribuicao> eventos) {
    edicao_.reset();
    eventos_ = std::move(eventos);
    proximoId_ = 0;
    for (EventoDistribuicao& e : eventos_) {
        e.Data = e.Data.left(kTamanhoData);
        e.ID = proximoId_++;
    }
    aberta_ = true;
    recarregar();
}

void PainelEventos::ordenarPorValor() {
    eventos_ = corvel::ordenarPorValor(eventos_);
    recarregar();
}

void PainelEventos::recarregar() {
    const int atual = linhaAtual();
    dados_->recarregar();
    logaritmos_->recarregar();
    if (!eventos_.empty()) irPara(std::clamp(atual, 0, static_cast<int>(eventos_.size()) - 1));
    Q_EMIT alterada();
}

void PainelEventos::editado(int linha, int coluna, const QString& texto) {
    if (linha < 0 || linha >= static_cast<int>(eventos_.size())) return;
    if (edicao_ && edicao_->linha != linha) postar();
    EventoDistribuicao& e = eventos_[static_cast<std::size_t>(linha)];
    if (!edicao_) edicao_ = Edicao{linha, e, false};
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
    dados_->linhaAlterada(linha);
    logaritmos_->linhaAlterada(linha);
}

void PainelEventos::postar() {
    static_cast<GradeEventos*>(grade_)->confirmar();
    if (!edicao_) return;
    edicao_.reset();
    Q_EMIT alterada();
}

void PainelEventos::cancelarEdicao() {
    static_cast<GradeEventos*>(grade_)->descartar();
    if (!edicao_) return;
    const auto linha = static_cast<std::size_t>(edicao_->linha);
    if (edicao_->inserida)
        eventos_.erase(eventos_.begin() + static_cast<std::ptrdiff_t>(linha));
    else
        eventos_[linha] = edicao_->anterior;
    edicao_.reset();
    recarregar();
}

int PainelEventos::linhaAtual() const {
    const QModelIndex i = grade_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void PainelEventos::irPara(int linha) {
    if (linha < 0 || linha >= static_cast<int>(eventos_.size())) return;
    const int coluna = std::max(grade_->currentIndex().column(), 0);
    grade_->setCurrentIndex(dados_->index(linha, coluna));
    gradeLogaritmos_->setCurrentIndex(logaritmos_->index(linha, 0));
}

void PainelEventos::navegar(int botao) {
    paginas_->setCurrentIndex(0);
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
        if (!aberta_) return;
        postar();
        const int linha = std::max(linhaAtual(), 0);
        eventos_.insert(eventos_.begin() + linha,
                        EventoDistribuicao{QString(), std::nullopt, proximoId_++});
        recarregar();
        irPara(linha);
        edicao_ = Edicao{linha, {}, true};
        grade_->edit(dados_->index(linha, 0));
        break;
    }
    case kExcluir:
        if (atual < 0) return;
        static_cast<GradeEventos*>(grade_)->descartar();
        edicao_.reset();
        eventos_.erase(eventos_.begin() + atual);
        recarregar();
        break;
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
