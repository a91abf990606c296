// Distribution window: layout, hand-over from the analysis windows, the calculation behind its
// small progress window, and the result pages.
#include "TfrmDistribution.h"

#include "comando.h"
#include "graficos.h"
#include "graficosdistribuicao.h"
#include "modelosdistribuicao.h"
#include "paineleventos.h"
#include "saidas.h"
#include "servicodialogos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "stats/exportacaodistribuicoes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace corvel::ui {

namespace {

// The small modal window of the calculation: once it has been painted, a timer starts the work
// on its second tick, and the window closes when the work ends. A dialog service that closes
// modal windows at once (the tests') leaves the work to `concluir`, so the outcome is the same.
class TfrmAguarde : public QDialog {
  public:
    TfrmAguarde(QWidget* pai, std::function<void(TfrmAguarde&)> trabalho)
        : QDialog(pai), trabalho_(std::move(trabalho)) {
        setObjectName(QStringLiteral("TfrmAguarde"));
        setWindowTitle(QStringLiteral("Calculando, aguarde..."));
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        auto* layout = new QVBoxLayout(this);
        distribuicao_ = new QLabel(this);
        distribuicao_->setMinimumWidth(280);
        medidor_ = new QProgressBar(this);
        medidor_->setTextVisible(false);
        layout->addWidget(distribuicao_);
        layout->addWidget(medidor_);
        relogio_.setInterval(10);
        connect(&relogio_, &QTimer::timeout, this, [this] {
            if (++tiques_ == 2) {
                relogio_.stop();
                concluir();
                accept();
            }
        });
    }

    void mostrarEtapa(const QString& nome, int T, int Tmax) {
        distribuicao_->setText(nome);
        medidor_->setMaximum(Tmax);
        medidor_->setValue(T);
    }
    void esconderMedidor() { medidor_->hide(); }

    // Runs the work unless the timer already did.
    void concluir() {
        if (feito_) return;
        feito_ = true;
        trabalho_(*this);
    }

  protected:
    void showEvent(QShowEvent* evento) override {
        QDialog::showEvent(evento);
        tiques_ = 0;
        relogio_.start();
    }

  private:
    std::function<void(TfrmAguarde&)> trabalho_;
    QLabel* distribuicao_;
    QProgressBar* medidor_;
    QTimer relogio_;
    int tiques_ = 0;
    bool feito_ = false;
};

// Toolbar pictures: the program ships no icon set for these two commands.
QIcon desenharIcone(bool impressora) {
    QPixmap p(24, 24);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    if (impressora) {
        g.setPen(QPen(QColor(60, 60, 60), 1.2));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(7, 3, 10, 7));
        g.setBrush(QColor(150, 150, 150));
        g.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
        g.setBrush(Qt::white);
        g.drawRect(QRectF(7, 15, 10, 6));
    } else {
        g.setPen(Qt::NoPen);
        const QColor cores[] = {QColor(46, 125, 50), QColor(25, 118, 210), QColor(211, 47, 47)};
        const int alturas[] = {8, 14, 19};
        for (int i = 0; i < 3; ++i) {
            g.setBrush(cores[i]);
            g.drawRect(QRectF(3 + i * 6.5, 22 - alturas[i], 5, alturas[i]));
        }
        g.setPen(QPen(Qt::black, 1.5));
        g.drawPolyline(QPolygonF({QPointF(2, 12), QPointF(9, 8), QPointF(15, 5), QPointF(22, 2)}));
    }
    return QIcon(p);
}

} // namespace

TfrmDistribution::TfrmDistribution(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmDistribution"));
    setProperty("topicoAjuda", 13);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1120, 700);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    criarMenus();
    layout->addWidget(criarBarra());

    auto* divisor = new QSplitter(this);
    eventos_ = new PainelEventos(dialogos_, divisor);
    connect(eventos_, &PainelEventos::alterada, this, [this] { desenharDados(); });
    divisor->addWidget(eventos_);
    paginas_ = new QTabWidget(divisor);
    paginas_->setObjectName(QStringLiteral("PageControl1"));
    paginas_->addTab(criarPaginaTabela(), QStringLiteral("Tabela"));
    paginas_->addTab(criarPaginaEstimativas(), QStringLiteral("Gráfico das estimativas"));
    paginas_->addTab(criarPaginaGraficoDados(), QStringLiteral("Gráfico dos dados"));
    avisos_ = new QPlainTextEdit(paginas_);
    avisos_->setObjectName(QStringLiteral("mmAvisos"));
    avisos_->setReadOnly(true);
    paginas_->addTab(avisos_, QStringLiteral("Avisos"));
    divisor->addWidget(paginas_);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({320, 800});
    layout->addWidget(divisor, 1);

    connect(paginas_, &QTabWidget::currentChanged, this, [this](int p) {
        if (preenchendo_ || !analise_.calculada) return;
        executarComando(dialogos_, [&] {
            if (p == kTabela)
                TabelaShow();
            else if (p == kEstimativas)
                rgDistribuicaoClick(EventosMaximos ? 4 : 5);
        });
    });
    esconderResultados();
    atualizarTitulo();
}

TfrmDistribution::~TfrmDistribution() = default;

QWidget* TfrmDistribution::criarBarra() {
    auto* barra = new QWidget(this);
    auto* h = new QHBoxLayout(barra);
    h->setContentsMargins(0, 0, 0, 0);
    auto botao = [&](const char* nome, const char* dica, bool impressora) {
        auto* b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(QString::fromUtf8(dica));
        b->setIcon(desenharIcone(impressora));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
        h->addWidget(b);
        return b;
    };
    connect(botao("btnCalcular", "Calcular distribuições", false), &QToolButton::clicked, this,
            comando(dialogos_, this, &TfrmDistribution::ChamarProcessoCalcular));
    connect(botao("btnImprimir", "Imprimir", true), &QToolButton::clicked, this,
            comando(dialogos_, this, &TfrmDistribution::btnImprimirClick));
    h->addSpacing(16);
    h->addWidget(new QLabel(QStringLiteral("Período de retorno"), barra));
    edtPeriodo_ = new QLineEdit(QString::fromLatin1(kPeriodoPadrao), barra);
    edtPeriodo_->setObjectName(QStringLiteral("edtPeriodoRetorno"));
    edtPeriodo_->setToolTip(QStringLiteral("2 <=  Período de retorno <= 10000"));
    edtPeriodo_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtPeriodo_));
    edtPeriodo_->setMaximumWidth(70);
    edtPeriodo_->setAlignment(Qt::AlignRight);
    // Enter calculates and must not reach the dialog's default-button handling.
    connect(edtPeriodo_, &QLineEdit::returnPressed, this,
            comando(dialogos_, this, &TfrmDistribution::ChamarProcessoCalcular));
    h->addWidget(edtPeriodo_);
    h->addWidget(new QLabel(QStringLiteral("anos"), barra));
    h->addSpacing(16);
    chkNulas_ =
        new QCheckBox(QStringLiteral("Considerar vazões nulas (probabilidade condicional)"), barra);
    chkNulas_->setObjectName(QStringLiteral("chkVazoesNulas"));
    chkNulas_->setVisible(false);
    connect(chkNulas_, &QCheckBox::toggled, this,
            comando(dialogos_, this, &TfrmDistribution::ChamarProcessoCalcular));
    h->addWidget(chkNulas_);
    h->addStretch();
    return barra;
}

QWidget* TfrmDistribution::criarPaginaTabela() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    for (const char* nota :
         {"* As variáveis cujos valores estão em branco não se aplicam à distribuição",
          "** Os valores de eventos e de intervalos de confiança menores que zero não possuem "
          "significado físico."})
        v->addWidget(new QLabel(QString::fromUtf8(nota), pagina));
    auto* divisor = new QSplitter(Qt::Vertical, pagina);
    resultados_ = new ModeloResultados(this);
    gradeResultados_ = new QTableView(divisor);
    gradeResultados_->setObjectName(QStringLiteral("grdDistribuicoes"));
    gradeResultados_->setModel(resultados_);
    gradeResultados_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gradeResultados_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gradeResultados_->verticalHeader()->hide();
    gradeResultados_->verticalHeader()->setDefaultSectionSize(20);
    gradeResultados_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    graficoTabela_ = new GraficoTabela(divisor);
    divisor->addWidget(gradeResultados_);
    divisor->addWidget(graficoTabela_);
    divisor->setSizes({180, 320});
    v->addWidget(divisor, 1);
    return pagina;
}

QWidget* TfrmDistribution::criarPaginaEstimativas() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* grupo = new QGroupBox(pagina);
    grupo->setObjectName(QStringLiteral("rgDistribuicao"));
    auto* colunas = new QHBoxLayout(grupo);
    escolha_ = new QButtonGroup(this);
    const char* const escolhas[] = {"Pearson III ",    "LogPearson III", "Lognormal II   ",
                                    "Lognormal III  ", "Gumbel ",        "Weibull  "};
    for (int i = 0; i < 6; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(escolhas[i]), grupo);
        escolha_->addButton(r, i);
        colunas->addWidget(r, 1);
    }
    connect(escolha_, &QButtonGroup::idClicked, this,
            comando(dialogos_, this, &TfrmDistribution::rgDistribuicaoClick));
    v->addWidget(grupo);
    graficoEstimativas_ = new GraficoEstimativas(pagina);
    v->addWidget(graficoEstimativas_, 1);
    return pagina;
}

QWidget* TfrmDistribution::criarPaginaGraficoDados() {
    subpaginasGrafico_ = new QTabWidget(this);
    subpaginasGrafico_->setObjectName(QStringLiteral("pgcGraficoDados"));
    const char* titulos[] = {"Série de Dados", "Série de logaritmos dos dados"};
    for (int i = 0; i < 2; ++i) {
        auto* pagina = new QWidget(subpaginasGrafico_);
        auto* v = new QVBoxLayout(pagina);
        auto* grafico = new GraficoSerie(i == 1, pagina);
        graficosDados_[static_cast<std::size_t>(i)] = grafico;
        v->addWidget(grafico, 1);
        auto* botoes = new QHBoxLayout;
        auto* salvar = new QPushButton(QStringLiteral("Salvar"), pagina);
        salvar->setToolTip(QStringLiteral("Exportar como imagem (*.bmp)"));
        auto* imprimir = new QPushButton(QStringLiteral("Imprimir"), pagina);
        for (QPushButton* b : {salvar, imprimir}) {
            b->setAutoDefault(false);
            botoes->addWidget(b);
        }
        botoes->addStretch();
        v->addLayout(botoes);
        connect(salvar, &QPushButton::clicked, this, [this, grafico] {
            executarComando(dialogos_, [&] {
                const auto arquivo = pedirArquivoParaGravar(
                    dialogos_,
                    {QStringLiteral("Exportar como imagem (*.bmp)"),
                     QStringLiteral("Arquivo de imagem(*.bmp);;Imagem PNG (*.png)"),
                     QStringLiteral("bmp"), grafico->chart()->title() + QStringLiteral(".bmp")});
                if (arquivo) gravarImagemGrafico(*grafico, *arquivo);
            });
        });
        connect(imprimir, &QPushButton::clicked, this, [this, grafico] {
            executarComando(dialogos_, [&] { imprimirGrafico(*grafico, dialogos_); });
        });
        subpaginasGrafico_->addTab(pagina, QString::fromUtf8(titulos[i]));
    }
    return subpaginasGrafico_;
}

void TfrmDistribution::atualizarTitulo() {
    setWindowTitle(EventosMaximos ? QStringLiteral("Análise Estatística - Eventos máximos")
                                  : QStringLiteral("Análise Estatística - Eventos mínimos"));
}

const std::vector<EventoDistribuicao>& TfrmDistribution::eventos() const {
    return eventos_->eventos();
}
QTabWidget* TfrmDistribution::paginasDados() const {
    return eventos_->paginas();
}
QAbstractItemModel* TfrmDistribution::modeloResultados() const {
    return resultados_;
}
const std::vector<LinhaDistribuicao>& TfrmDistribution::linhasVisiveis() const {
    return resultados_->linhas();
}
QAbstractItemModel* TfrmDistribution::modeloEventos() const {
    return eventos_->modeloEventos();
}
QAbstractItemModel* TfrmDistribution::modeloLogaritmos() const {
    return eventos_->modeloLogaritmos();
}
void TfrmDistribution::navegar(int botao) {
    eventos_->navegar(botao);
}

void TfrmDistribution::IniciarAnalise() {
    eventos_->iniciar();
    analise_ = {};
    nulasOferecidas_ = false;
    chkNulas_->setVisible(false);
    aplicarFiltro(Filtro::Fechada);
    esconderResultados();
    atualizarTitulo();
    habilitarEscolhas();
}

bool TfrmDistribution::AdicionarEvento(const QString& rotulo, double valor) {
    if (!eventos_->aberta()) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Crie uma base de dados"));
        return false;
    }
    eventos_->acrescentar(rotulo, valor);
    return true;
}

void TfrmDistribution::definirEstacao(const QString& codigo) {
    estacao_ = codigo;
}

void TfrmDistribution::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return;
    desenharDados();
    ChamarProcessoCalcular();
}

void TfrmDistribution::esconderResultados() {
    for (int p : {kTabela, kEstimativas, kAvisos})
        paginas_->setTabVisible(p, false);
}

void TfrmDistribution::oferecerVazoesNulas() {
    const bool nulas = !EventosMaximos && contarEventosNulos(eventos()) > 0;
    chkNulas_->setVisible(nulas);
    if (nulas && !nulasOferecidas_) {
        const QSignalBlocker bloqueio(chkNulas_);
        chkNulas_->setChecked(true);
        nulasOferecidas_ = true;
    }
}

void TfrmDistribution::ChamarProcessoCalcular() {
    oferecerVazoesNulas();
    if (eventos().size() < static_cast<std::size_t>(kMinimoEventos)) return;
    try {
        if (!lerPeriodoRetorno(edtPeriodo_->text())) {
            dialogos_.mensagem(Gravidade::Aviso, QString::fromUtf8(kMsgPeriodoInvalido));
            esconderResultados();
            paginas_->setCurrentIndex(kGraficoDados);
            return;
        }
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
        return;
    }
    eventos_->postar();
    std::optional<Erro> falha;
    TfrmAguarde aguarde(this, [&](TfrmAguarde& janela) {
        try {
            janela.mostrarEtapa(
                EventosMaximos ? QStringLiteral("Gumbel") : QStringLiteral("Weibull"), 0, 1);
            Calcular();
            janela.mostrarEtapa(QStringLiteral("Finalizando..."), analise_.Tmax, analise_.Tmax);
        } catch (const Erro& e) {
            janela.esconderMedidor();
            falha = e;
        }
    });
    dialogos_.executar(aguarde);
    aguarde.concluir();
    if (falha) {
        dialogos_.mostrar(*falha);
        return;
    }
    if (analise_.valoresIgnorados > 0)
        dialogos_.mensagem(Gravidade::Informacao,
                           mensagemValoresIgnorados(analise_.valoresIgnorados));
    for (int p = 0; p < paginas_->count(); ++p)
        paginas_->setTabVisible(p, true);
}

void TfrmDistribution::Calcular() {
    preenchendo_ = true;
    paginas_->setTabVisible(kEstimativas, true);
    paginas_->setCurrentIndex(kEstimativas);
    preenchendo_ = false;
    avisos_->clear();
    const int T = *lerPeriodoRetorno(edtPeriodo_->text());
    edtPeriodo_->setText(QString::number(T));

    const bool nulas = !chkNulas_->isHidden() && chkNulas_->isChecked();
    analise_ = calcularDistribuicoes(eventos(), EventosMaximos, T, estacao_,
                                     nulas ? VazoesNulas::ProbabilidadeCondicional
                                           : VazoesNulas::Classica);
    eventos_->ordenarPorValor();

    habilitarEscolhas();
    rgDistribuicaoClick(EventosMaximos ? 4 : 5);
    preenchendo_ = true;
    paginas_->setTabVisible(kTabela, true);
    paginas_->setCurrentIndex(kTabela);
    preenchendo_ = false;
    TabelaShow();
    avisos_->setPlainText(linhasAvisos(analise_.avisos).join(u'\n'));
    // The best choice leaves its filter in force: the table shows the successful fits only. When
    // no fit succeeded the failed rows stay, with the warning that says why.
    if (analise_.melhorLinha >= 0) aplicarFiltro(Filtro::SemErro);
}

QString TfrmDistribution::textoAvisos() const {
    return avisos_->toPlainText();
}

void TfrmDistribution::habilitarEscolhas() {
    escolha_->button(4)->setEnabled(EventosMaximos);
    escolha_->button(5)->setEnabled(!EventosMaximos);
}

void TfrmDistribution::aplicarFiltro(Filtro filtro, int NumeroDistribuicao) {
    filtro_ = filtro;
    std::vector<LinhaDistribuicao> linhas;
    switch (filtro) {
    case Filtro::Fechada:
        break;
    case Filtro::PeriodoEscolhido:
        linhas = linhasDoPeriodoEscolhido(analise_.linhas);
        break;
    case Filtro::SemErro:
        linhas = linhasDoPeriodoEscolhido(analise_.linhas);
        std::erase_if(linhas, [](const LinhaDistribuicao& l) { return l.Erro != 0; });
        break;
    case Filtro::Distribuicao:
        linhas = linhasDaDistribuicao(analise_.linhas, NumeroDistribuicao);
        break;
    }
    resultados_->definir(std::move(linhas), analise_.melhorLinha);
}

void TfrmDistribution::TabelaShow() {
    aplicarFiltro(Filtro::PeriodoEscolhido);
    graficoTabela_->desenhar(linhasDoPeriodoEscolhido(analise_.linhas));
}

void TfrmDistribution::rgDistribuicaoClick(int item) {
    if (QAbstractButton* b = escolha_->button(item)) b->setChecked(true);
    const int numero = item == 5 ? kGumbelWeibull : item;
    aplicarFiltro(Filtro::Distribuicao, numero);
    graficoEstimativas_->desenhar(linhasDaDistribuicao(analise_.linhas, numero),
                                  analise_.PeriodoEscolhido, analise_.Tmax);
}

void TfrmDistribution::desenharDados() {
    for (GraficoSerie* g : graficosDados_)
        g->desenhar(eventos());
}

} // namespace corvel::ui
