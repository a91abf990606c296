// Drawing of the flow-duration charts and their pages.
#include "graficopermanencia.h"

#include "comando.h"
#include "graficos.h"
#include "saidas.h"

#include <QCheckBox>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace corvel::ui {

GraficoCurvaPermanencia::GraficoCurvaPermanencia(QWidget* pai) : QChartView(pai) {
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->hide();
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    rodape_ = rodapeDoGrafico(grafico, Qt::black, Qt::AlignRight);

    // Both flow axes stay on the chart and the line moves between them: an axis removed from a
    // chart leaves its drawing behind.
    eixoX_ = new QValueAxis;
    eixoLinear_ = new QValueAxis;
    eixoLogaritmico_ = new QLogValueAxis;
    grafico->addAxis(eixoX_, Qt::AlignBottom);
    grafico->addAxis(eixoLinear_, Qt::AlignLeft);
    grafico->addAxis(eixoLogaritmico_, Qt::AlignLeft);
    linha_ = new QLineSeries;
    linha_->setPen(QPen(QColor(25, 118, 210), 2));
    grafico->addSeries(linha_);
    linha_->attachAxis(eixoX_);
    linha_->attachAxis(eixoLinear_);
    eixoLogaritmico_->setVisible(false);
}

QAbstractAxis* GraficoCurvaPermanencia::eixoVazao() const {
    return logaritmica_ ? static_cast<QAbstractAxis*>(eixoLogaritmico_) : eixoLinear_;
}

QString GraficoCurvaPermanencia::rodape() const {
    return rodape_->text();
}

void GraficoCurvaPermanencia::desenhar(const GraficoPermanencia& grafico) {
    dados_ = grafico;
    chart()->setTitle(dados_.titulo);
    eixoX_->setTitleText(dados_.eixoX);
    eixoLinear_->setTitleText(dados_.eixoY);
    eixoLogaritmico_->setTitleText(dados_.eixoY);
    mudarRodape(rodape_, dados_.rodape);
    redesenhar();
}

void GraficoCurvaPermanencia::definirLogaritmica(bool logaritmica) {
    if (logaritmica == logaritmica_) return;
    logaritmica_ = logaritmica;
    redesenhar();
}

void GraficoCurvaPermanencia::redesenhar() {
    const std::vector<QPointF> pontos = pontosNaEscala(dados_, logaritmica_);
    double menor = std::numeric_limits<double>::infinity(), maior = -menor;
    for (const QPointF& p : pontos) {
        menor = std::min(menor, p.y());
        maior = std::max(maior, p.y());
    }
    ajustarEixoExato(eixoX_, 0, 100, static_cast<int>(100 / dados_.passoX));
    eixoX_->setLabelFormat(QStringLiteral("%.0f"));
    // A line between two flow axes keeps the range of the one it leaves, and on a logarithmic one
    // it must never hold a zero flow nor a range from zero: the points change on the linear axis,
    // which takes the logarithmic range before the line leaves it.
    const auto trocar = [this](QAbstractAxis* de, QAbstractAxis* para) {
        if (linha_->attachedAxes().contains(de)) linha_->detachAxis(de);
        de->setVisible(false);
        if (!linha_->attachedAxes().contains(para)) linha_->attachAxis(para);
        para->setVisible(true);
    };
    const QList<QPointF> lista(pontos.begin(), pontos.end());
    if (logaritmica_) {
        linha_->replace(lista);
        ajustarEixoLogaritmico(eixoLogaritmico_, menor, maior);
        eixoLinear_->setRange(eixoLogaritmico_->min(), eixoLogaritmico_->max());
        trocar(eixoLinear_, eixoLogaritmico_);
    } else {
        if (pontos.empty())
            ajustarEixo(eixoLinear_, 0, 1);
        else
            ajustarEixo(eixoLinear_, std::min(0.0, menor), maior);
        trocar(eixoLogaritmico_, eixoLinear_);
        linha_->replace(lista);
    }
}

PaginaGraficoPermanencia::PaginaGraficoPermanencia(const QString& sufixo, ServicoDialogos& dialogos,
                                                   QWidget* pai)
    : QWidget(pai), dialogos_(dialogos) {
    auto* v = new QVBoxLayout(this);
    grafico_ = new GraficoCurvaPermanencia(this);
    grafico_->setObjectName(QStringLiteral("cht") + sufixo);
    v->addWidget(grafico_, 1);
    auto* botoes = new QHBoxLayout;
    escala_ = new QCheckBox(QStringLiteral("Escala logarítmica"), this);
    escala_->setObjectName(QStringLiteral("chkLog") + sufixo);
    imprimir_ = new QPushButton(QStringLiteral("Imprimir"), this);
    imprimir_->setObjectName(QStringLiteral("btnImprimir") + sufixo);
    salvar_ = new QPushButton(QStringLiteral("Salvar"), this);
    salvar_->setObjectName(QStringLiteral("btnSalvar") + sufixo);
    salvar_->setToolTip(QStringLiteral("Exportar como imagem (*.bmp)"));
    botoes->addWidget(escala_);
    botoes->addStretch();
    for (QPushButton* b : {imprimir_, salvar_}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    v->addLayout(botoes);
    connect(escala_, &QCheckBox::toggled, grafico_, &GraficoCurvaPermanencia::definirLogaritmica);
    connect(imprimir_, &QPushButton::clicked, this,
            [this] { executarComando(dialogos_, [this] { imprimirGrafico(); }); });
    connect(salvar_, &QPushButton::clicked, this,
            [this] { executarComando(dialogos_, [this] { salvarGrafico(); }); });
}

void PaginaGraficoPermanencia::imprimirGrafico() {
    ui::imprimirGrafico(*grafico_, dialogos_);
}

void PaginaGraficoPermanencia::salvarGrafico() {
    const auto arquivo = pedirArquivoParaGravar(
        dialogos_, {QStringLiteral("Salvar gráfico"),
                    QStringLiteral("Arquivo de imagem(*.bmp);;Imagem PNG (*.png)"),
                    QStringLiteral("bmp"), grafico_->chart()->title() + QStringLiteral(".bmp")});
    if (arquivo) gravarImagemGrafico(*grafico_, *arquivo);
}

} // namespace corvel::ui
