// Distribution window: layout, hand-over from the analysis windows and the calculation behind its
// small progress window.
#include "TfrmDistribution.h"

#include "comando.h"

#include "servicodialogos.h"

#include "core/bancada.h"
#include "core/erros.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace corvel::ui {

namespace {

constexpr int kTamanhoData = 20; // the label field's width

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
    divisor->addWidget(criarPaginasDados());
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
    h->addStretch();
    return barra;
}

void TfrmDistribution::atualizarTitulo() {
    setWindowTitle(EventosMaximos ? QStringLiteral("Análise Estatística - Eventos máximos")
                                  : QStringLiteral("Análise Estatística - Eventos mínimos"));
}

void TfrmDistribution::IniciarAnalise() {
    edicao_.reset();
    eventos_.clear();
    ids_.clear();
    proximoId_ = 0;
    listaAberta_ = true;
    analise_ = {};
    aplicarFiltro(Filtro::Fechada);
    esconderResultados();
    atualizarTitulo();
    habilitarEscolhas();
    mostrarEventos();
}

bool TfrmDistribution::AdicionarEvento(const QString& rotulo, double valor) {
    if (!listaAberta_) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Crie uma base de dados"));
        return false;
    }
    eventos_.push_back({rotulo.left(kTamanhoData), valor});
    ids_.push_back(proximoId_++);
    acrescentarLinha(eventos_.size() - 1);
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

void TfrmDistribution::ChamarProcessoCalcular() {
    if (eventos_.size() < static_cast<std::size_t>(kMinimoEventos)) return;
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
    postar();
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

    analise_ = calcularDistribuicoes(eventos_, EventosMaximos, T, estacao_);
    ordenarEventosPorValor();

    habilitarEscolhas();
    rgDistribuicaoClick(EventosMaximos ? 4 : 5);
    preenchendo_ = true;
    paginas_->setTabVisible(kTabela, true);
    paginas_->setCurrentIndex(kTabela);
    preenchendo_ = false;
    TabelaShow();
    avisos_->setPlainText(linhasAvisos(analise_.avisos).join(u'\n'));
    // The best choice leaves its filter in force: the table shows the successful fits only.
    aplicarFiltro(Filtro::SemErro);
}

void TfrmDistribution::ordenarEventosPorValor() {
    // The list's order rule is the core's; each event's position rides along in its label.
    std::vector<EventoDistribuicao> posicoes(eventos_.size());
    for (std::size_t i = 0; i < eventos_.size(); ++i)
        posicoes[i] = {QString::number(i), eventos_[i].Dados};
    std::vector<EventoDistribuicao> eventos;
    std::vector<int> ids;
    for (const EventoDistribuicao& p : ordenarPorValor(posicoes)) {
        const auto i = static_cast<std::size_t>(p.Data.toInt());
        eventos.push_back(eventos_[i]);
        ids.push_back(ids_[i]);
    }
    eventos_ = std::move(eventos);
    ids_ = std::move(ids);
    mostrarEventos();
}

QString TfrmDistribution::textoAvisos() const {
    return avisos_->toPlainText();
}

} // namespace corvel::ui
