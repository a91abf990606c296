// Distribution window: the result pages. The "Tabela" grid and its bar chart, the estimate chart
// of one distribution against the return period, and the two charts of the event series.
#include "TfrmDistribution.h"
#include "comando.h"

#include "graficos.h"
#include "saidas.h"

#include "core/formato.h"
#include "stats/exportacao_distribuicoes.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace corvel::ui {

namespace {

const QColor kVerde(0, 128, 0);
const QString kSemSignificado =
    QStringLiteral("* Valores menores que zero não têm significado físico");
const char* const kEscolhas[] = {"Pearson III ",    "LogPearson III", "Lognormal II   ",
                                 "Lognormal III  ", "Gumbel ",        "Weibull  "};

// The chart's foot: a line of text centred under the plot, kept there as the chart resizes.
QGraphicsSimpleTextItem* novoRodape(QChart* grafico, const QColor& cor) {
    auto* item = new QGraphicsSimpleTextItem(grafico);
    item->setBrush(cor);
    QFont f = item->font();
    f.setPointSizeF(f.pointSizeF() * 0.95);
    item->setFont(f);
    grafico->setMargins(QMargins(8, 8, 8, 24));
    auto posicionar = [grafico, item] {
        const QRectF r = grafico->rect();
        item->setPos(r.center().x() - item->boundingRect().width() / 2, r.bottom() - 22);
    };
    QObject::connect(grafico, &QChart::geometryChanged, grafico, posicionar);
    return item;
}

void mudarRodape(QGraphicsSimpleTextItem* item, const QString& texto) {
    item->setText(texto);
    if (auto* grafico = qobject_cast<QChart*>(item->parentObject())) {
        const QRectF r = grafico->rect();
        item->setPos(r.center().x() - item->boundingRect().width() / 2, r.bottom() - 22);
    }
}

QChartView* novoGrafico(QWidget* pai, const QString& nome) {
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(grafico, pai);
    view->setObjectName(nome);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

// Each chart keeps the axes it was built with; a redraw replaces the series only (axes removed
// from a chart leave their drawing behind).
template <class Eixo> Eixo* eixo(QChart* grafico, Qt::Orientation orientacao) {
    const QList<QAbstractAxis*> eixos = grafico->axes(orientacao);
    return eixos.isEmpty() ? nullptr : qobject_cast<Eixo*>(eixos.first());
}

void montarEixos(QChart* grafico, QAbstractAxis* x, QAbstractAxis* y) {
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
}

void ligarEixos(QChart* grafico) {
    for (QAbstractSeries* s : grafico->series())
        for (QAbstractAxis* e : grafico->axes())
            s->attachAxis(e);
}

QValueAxis* eixoValores(const QString& titulo) {
    auto* eixo = new QValueAxis;
    eixo->setTitleText(titulo);
    eixo->setLabelFormat(QStringLiteral("%.2f"));
    return eixo;
}

// A horizontal dash as point marker: the confidence limits over the bars.
QImage traco(const QColor& cor) {
    QImage imagem(48, 48, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter g(&imagem);
    g.fillRect(QRect(0, 21, 48, 6), cor);
    return imagem;
}

void esconderDaLegenda(QChart* grafico, QAbstractSeries* serie) {
    for (QLegendMarker* m : grafico->legend()->markers(serie))
        m->setVisible(false);
}

// Pads the y range a little so extreme points and bar labels stay inside the plot.
void ajustarFaixa(QValueAxis* eixo, double menor, double maior) {
    if (!std::isfinite(menor) || !std::isfinite(maior)) menor = maior = 0;
    if (maior <= menor) maior = menor + 1;
    const double folga = (maior - menor) * 0.08;
    eixo->setRange(menor < 0 ? menor - folga : menor, maior + folga);
    eixo->applyNiceNumbers();
}

} // namespace

QWidget* TfrmDistribution::criarPaginaTabela() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    for (const char* nota :
         {"* As variáveis cujos valores estão em branco não se aplicam à distribuição",
          "** Os valores de eventos e de intervalos de confiança menores que zero não possuem "
          "significado físico."})
        v->addWidget(new QLabel(QString::fromUtf8(nota), pagina));
    auto* divisor = new QSplitter(Qt::Vertical, pagina);
    modeloResultados_ =
        new QStandardItemModel(0, static_cast<int>(colunasDistribuicao().size()), this);
    QStringList titulos;
    for (const ColunaDistribuicao& c : colunasDistribuicao())
        titulos << QString::fromUtf8(c.titulo);
    modeloResultados_->setHorizontalHeaderLabels(titulos);
    gradeResultados_ = new QTableView(divisor);
    gradeResultados_->setObjectName(QStringLiteral("grdDistribuicoes"));
    gradeResultados_->setModel(modeloResultados_);
    gradeResultados_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gradeResultados_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gradeResultados_->verticalHeader()->hide();
    gradeResultados_->verticalHeader()->setDefaultSectionSize(20);
    gradeResultados_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    viewTabela_ = novoGrafico(divisor, QStringLiteral("chtTabela"));
    rodapeTabela_ = novoRodape(viewTabela_->chart(), Qt::red);
    montarEixos(viewTabela_->chart(), new QBarCategoryAxis,
                eixoValores(QStringLiteral("Vazões (m³/s)")));
    divisor->addWidget(gradeResultados_);
    divisor->addWidget(viewTabela_);
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
    for (int i = 0; i < 6; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(kEscolhas[i]), grupo);
        escolha_->addButton(r, i);
        colunas->addWidget(r, 1);
    }
    connect(escolha_, &QButtonGroup::idClicked, this,
            comando(dialogos_, this, &TfrmDistribution::rgDistribuicaoClick));
    v->addWidget(grupo);
    viewEstimativas_ = novoGrafico(pagina, QStringLiteral("chtEstimativas"));
    viewEstimativas_->chart()->setTitle(QStringLiteral("Vazão X Período de Retorno"));
    rodapeEstimativas_ = novoRodape(viewEstimativas_->chart(), Qt::red);
    auto* eixoT = eixoValores(QStringLiteral("Período de Retorno (anos)"));
    eixoT->setLabelFormat(QStringLiteral("%.0f"));
    montarEixos(viewEstimativas_->chart(), eixoT, eixoValores(QStringLiteral("Vazão (m³/s)")));
    v->addWidget(viewEstimativas_, 1);
    return pagina;
}

QWidget* TfrmDistribution::criarPaginaGraficoDados() {
    subpaginasGrafico_ = new QTabWidget(this);
    subpaginasGrafico_->setObjectName(QStringLiteral("pgcGraficoDados"));
    const char* titulos[] = {"Série de Dados", "Série de logaritmos dos dados"};
    const char* graficos[] = {"Série de dados", "Série de logaritmos dos dados"};
    for (int i = 0; i < 2; ++i) {
        auto* pagina = new QWidget(subpaginasGrafico_);
        auto* v = new QVBoxLayout(pagina);
        QChartView* view = novoGrafico(pagina, i == 0 ? QStringLiteral("chtDados")
                                                      : QStringLiteral("chtLogaritmos"));
        view->chart()->setTitle(QString::fromUtf8(graficos[i]));
        view->chart()->legend()->hide();
        mudarRodape(novoRodape(view->chart(), Qt::black), QStringLiteral("Corvel 1.0"));
        auto* rotulos = new QCategoryAxis;
        rotulos->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        rotulos->setLabelsAngle(-90);
        montarEixos(view->chart(), rotulos,
                    eixoValores(i == 0 ? QStringLiteral("Vazões (m³/s)")
                                       : QStringLiteral("Logaritmo das Vazões (m³/s)")));
        viewDados_[static_cast<std::size_t>(i)] = view;
        v->addWidget(view, 1);
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
        connect(salvar, &QPushButton::clicked, this, [this, view] {
            executarComando(dialogos_, [&] {
                const auto arquivo = pedirArquivoParaGravar(
                    dialogos_,
                    {QStringLiteral("Exportar como imagem (*.bmp)"),
                     QStringLiteral("Arquivo de imagem(*.bmp);;Imagem PNG (*.png)"),
                     QStringLiteral("bmp"), view->chart()->title() + QStringLiteral(".bmp")});
                if (arquivo) gravarImagemGrafico(*view, *arquivo);
            });
        });
        connect(imprimir, &QPushButton::clicked, this, [this, view] {
            executarComando(dialogos_, [&] { imprimirGrafico(*view, dialogos_); });
        });
        subpaginasGrafico_->addTab(pagina, QString::fromUtf8(titulos[i]));
    }
    return subpaginasGrafico_;
}

QChart* TfrmDistribution::graficoTabela() const {
    return viewTabela_->chart();
}
QChart* TfrmDistribution::graficoEstimativas() const {
    return viewEstimativas_->chart();
}
QChart* TfrmDistribution::graficoDados(int subpagina) const {
    return viewDados_[static_cast<std::size_t>(subpagina)]->chart();
}
QString TfrmDistribution::rodapeTabela() const {
    return rodapeTabela_->text();
}
QString TfrmDistribution::rodapeEstimativas() const {
    return rodapeEstimativas_->text();
}

void TfrmDistribution::habilitarEscolhas() {
    escolha_->button(4)->setEnabled(EventosMaximos);
    escolha_->button(5)->setEnabled(!EventosMaximos);
}

void TfrmDistribution::aplicarFiltro(Filtro filtro, int NumeroDistribuicao) {
    filtro_ = filtro;
    switch (filtro) {
    case Filtro::Fechada:
        visiveis_.clear();
        break;
    case Filtro::PeriodoEscolhido:
        visiveis_ = linhasDoPeriodoEscolhido(analise_.linhas);
        break;
    case Filtro::SemErro:
        visiveis_ = linhasDoPeriodoEscolhido(analise_.linhas);
        std::erase_if(visiveis_, [](const LinhaDistribuicao& l) { return l.Erro != 0; });
        break;
    case Filtro::Distribuicao:
        visiveis_ = linhasDaDistribuicao(analise_.linhas, NumeroDistribuicao);
        break;
    }
    mostrarResultados();
}

void TfrmDistribution::mostrarResultados() {
    const auto colunas = colunasDistribuicao();
    modeloResultados_->setRowCount(0);
    for (const LinhaDistribuicao& l : visiveis_) {
        const bool melhor = l.id == analise_.melhorLinha;
        QList<QStandardItem*> itens;
        for (std::size_t c = 0; c < colunas.size(); ++c) {
            auto* item = new QStandardItem(textoColuna(l, c));
            const char* campo = colunas[c].campo;
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            const double limite = std::strcmp(campo, "IntervaloConfiancaSuperior") == 0
                                      ? l.IntervaloConfiancaSuperior
                                  : std::strcmp(campo, "ValorEvento") == 0 ? l.ValorEvento
                                  : std::strcmp(campo, "IntervaloConfiancaInferior") == 0
                                      ? l.IntervaloConfiancaInferior
                                      : 0;
            if (melhor)
                item->setForeground(kVerde);
            else if (limite < 0)
                item->setForeground(Qt::red);
            itens << item;
        }
        modeloResultados_->appendRow(itens);
    }
}

void TfrmDistribution::TabelaShow() {
    aplicarFiltro(Filtro::PeriodoEscolhido);
    desenharTabela();
}

void TfrmDistribution::desenharTabela() {
    QChart* grafico = viewTabela_->chart();
    grafico->removeAllSeries();
    std::vector<LinhaDistribuicao> linhas = linhasDoPeriodoEscolhido(analise_.linhas);
    std::stable_sort(linhas.begin(), linhas.end(),
                     [](const LinhaDistribuicao& a, const LinhaDistribuicao& b) {
                         return a.NumeroDistribuicao < b.NumeroDistribuicao;
                     });
    auto* eventos = new QBarSet(QStringLiteral("    Eventos (m³/s)                       "));
    auto* superior = new QScatterSeries;
    superior->setName(QStringLiteral("Limite superior (95%)"));
    auto* inferior = new QScatterSeries;
    inferior->setName(QStringLiteral("Limite inferior (95%)"));
    QStringList nomes;
    double menor = 0, maior = 0;
    bool semSignificado = false;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const LinhaDistribuicao& l = linhas[i];
        nomes << l.NomeDistribuicao;
        *eventos << l.ValorEvento;
        superior->append(double(i), l.IntervaloConfiancaSuperior);
        inferior->append(double(i), l.IntervaloConfiancaInferior);
        menor = std::min({menor, l.ValorEvento, l.IntervaloConfiancaInferior});
        maior = std::max({maior, l.ValorEvento, l.IntervaloConfiancaSuperior});
        semSignificado = semSignificado || !(l.ValorEvento > 0);
    }
    auto* barras = new QBarSeries;
    eventos->setColor(QColor(79, 129, 189));
    eventos->setLabelColor(Qt::white);
    barras->append(eventos);
    barras->setLabelsVisible(true);
    // Inside the bar: above it the value would sit under the upper limit's dash.
    barras->setLabelsPosition(QAbstractBarSeries::LabelsCenter);
    // Two decimals, as the grid shows them: the precision counts significant digits.
    const double maiorEvento = std::max(std::fabs(menor), std::fabs(maior));
    barras->setLabelsPrecision(maiorEvento >= 1 ? int(std::floor(std::log10(maiorEvento))) + 3 : 3);
    grafico->addSeries(barras);
    for (auto [serie, cor] : {std::pair{superior, QColor(Qt::red)}, std::pair{inferior, kVerde}}) {
        serie->setColor(cor);
        serie->setBorderColor(cor);
        serie->setMarkerSize(40);
        serie->setLightMarker(traco(cor));
        grafico->addSeries(serie);
    }
    auto* categorias = eixo<QBarCategoryAxis>(grafico, Qt::Horizontal);
    categorias->clear();
    categorias->append(nomes);
    ligarEixos(grafico);
    ajustarFaixa(eixo<QValueAxis>(grafico, Qt::Vertical), menor, maior);
    mudarRodape(rodapeTabela_, semSignificado ? kSemSignificado : QString());
}

void TfrmDistribution::rgDistribuicaoClick(int item) {
    if (QAbstractButton* b = escolha_->button(item)) b->setChecked(true);
    const int numero = item == 5 ? kGumbelWeibull : item;
    aplicarFiltro(Filtro::Distribuicao, numero);
    desenharEstimativas(numero);
}

void TfrmDistribution::desenharEstimativas(int NumeroDistribuicao) {
    QChart* grafico = viewEstimativas_->chart();
    grafico->removeAllSeries();
    const std::vector<LinhaDistribuicao> linhas =
        linhasDaDistribuicao(analise_.linhas, NumeroDistribuicao);
    auto* superior = new QLineSeries;
    superior->setName(QStringLiteral("Limite Superior  de Confiança (95%) "));
    auto* estimados = new QLineSeries;
    estimados->setName(QStringLiteral("Eventos Estimados"));
    auto* inferior = new QLineSeries;
    inferior->setName(QStringLiteral("Limite Inferior de Confiança (95%)"));
    auto* escolhido = new QScatterSeries;
    const int T = analise_.PeriodoEscolhido;
    escolhido->setName(QStringLiteral("Evento ( Período de retorno = ") + QString::number(T) +
                       QStringLiteral("anos )"));
    double menor = 0, maior = 0;
    bool semSignificado = false;
    for (const LinhaDistribuicao& l : linhas) {
        superior->append(l.PeriodoRetorno, l.IntervaloConfiancaSuperior);
        estimados->append(l.PeriodoRetorno, l.ValorEvento);
        inferior->append(l.PeriodoRetorno, l.IntervaloConfiancaInferior);
        if (l.PeriodoRetorno == T) escolhido->append(l.PeriodoRetorno, l.ValorEvento);
        menor = std::min({menor, l.IntervaloConfiancaInferior, l.ValorEvento});
        maior = std::max({maior, l.IntervaloConfiancaSuperior, l.ValorEvento});
        semSignificado =
            semSignificado || !(l.ValorEvento > 0 && l.IntervaloConfiancaSuperior > 0 &&
                                l.IntervaloConfiancaInferior > 0);
    }
    auto* zero = new QLineSeries;
    zero->append(2, 0);
    zero->append(T > 100 ? T + 10 : 100, 0);
    zero->setPen(QPen(Qt::black, 1, Qt::DotLine));
    superior->setPen(QPen(Qt::red, 2));
    estimados->setPen(QPen(kVerde, 2));
    inferior->setPen(QPen(Qt::red, 2));
    escolhido->setColor(Qt::yellow);
    escolhido->setBorderColor(Qt::black);
    escolhido->setMarkerSize(12);
    for (QAbstractSeries* s :
         std::initializer_list<QAbstractSeries*>{superior, estimados, inferior, escolhido, zero})
        grafico->addSeries(s);
    esconderDaLegenda(grafico, zero);
    ligarEixos(grafico);
    auto* eixoT = eixo<QValueAxis>(grafico, Qt::Horizontal);
    eixoT->setRange(0, std::max(analise_.Tmax, 100));
    eixoT->applyNiceNumbers();
    ajustarFaixa(eixo<QValueAxis>(grafico, Qt::Vertical), menor, maior);
    mudarRodape(rodapeEstimativas_, semSignificado ? kSemSignificado : QString());
}

void TfrmDistribution::desenharDados() {
    for (int i = 0; i < 2; ++i) {
        QChart* grafico = viewDados_[static_cast<std::size_t>(i)]->chart();
        grafico->removeAllSeries();
        auto* pontos = new QScatterSeries;
        pontos->setMarkerSize(9);
        pontos->setColor(i == 0 ? QColor(25, 118, 210) : QColor(211, 47, 47));
        auto* eixoX = eixo<QCategoryAxis>(grafico, Qt::Horizontal);
        for (const QString& rotulo : eixoX->categoriesLabels())
            eixoX->remove(rotulo);
        double menor = std::numeric_limits<double>::infinity(), maior = -menor;
        int primeiro = 0, ultimo = 0;
        // Plotted by ID, so the chart keeps the hand-over order however the list is sorted.
        std::vector<std::size_t> ordem(eventos_.size());
        for (std::size_t k = 0; k < ordem.size(); ++k)
            ordem[k] = k;
        std::sort(ordem.begin(), ordem.end(),
                  [this](std::size_t a, std::size_t b) { return ids_[a] < ids_[b]; });
        for (std::size_t k : ordem) {
            const EventoDistribuicao& e = eventos_[k];
            const int id = ids_[k];
            QString rotulo = e.Data;
            while (eixoX->categoriesLabels().contains(rotulo))
                rotulo += u' '; // the axis wants distinct labels
            eixoX->append(rotulo, id);
            primeiro = std::min(primeiro, id);
            ultimo = std::max(ultimo, id);
            if (!e.Dados || (i == 1 && *e.Dados <= 0)) continue;
            const double y = i == 0 ? *e.Dados : std::log(*e.Dados);
            pontos->append(id, y);
            menor = std::min(menor, y);
            maior = std::max(maior, y);
        }
        eixoX->setStartValue(primeiro - 0.5);
        eixoX->setRange(primeiro - 0.5, ultimo + 0.5);
        grafico->addSeries(pontos);
        ligarEixos(grafico);
        ajustarFaixa(eixo<QValueAxis>(grafico, Qt::Vertical), menor, maior);
    }
}

} // namespace corvel::ui
