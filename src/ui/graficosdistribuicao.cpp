// Drawing of the distribution window's charts.
#include "graficosdistribuicao.h"

#include "graficos.h"

#include "core/formato.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace corvel::ui {

namespace {

const QColor kVerde(0, 128, 0);
const QColor kAzulBarras(79, 129, 189);
const QString kSemSignificado =
    QStringLiteral("* Valores menores que zero não têm significado físico");

QChart* prepararVista(QChartView* vista, const QString& nome) {
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    vista->setChart(grafico);
    vista->setObjectName(nome);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setMinimumHeight(220);
    return grafico;
}

QValueAxis* eixoValores(const QString& titulo) {
    auto* eixo = new QValueAxis;
    eixo->setTitleText(titulo);
    return eixo;
}

// Each chart keeps the axes it was built with; a redraw replaces the series only (axes removed
// from a chart leave their drawing behind).
template <class Eixo> Eixo* eixo(QChart* grafico, Qt::Orientation orientacao) {
    const QList<QAbstractAxis*> eixos = grafico->axes(orientacao);
    return eixos.isEmpty() ? nullptr : qobject_cast<Eixo*>(eixos.first());
}

void ligarEixos(QChart* grafico) {
    for (QAbstractSeries* s : grafico->series())
        for (QAbstractAxis* e : grafico->axes())
            s->attachAxis(e);
}

// A horizontal dash as point marker: the confidence limits over the bars.
QImage traco(const QColor& cor) {
    QImage imagem(48, 48, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter g(&imagem);
    g.fillRect(QRect(0, 21, 48, 6), cor);
    return imagem;
}

// The y range of the bars and limits, with room above the highest and below the lowest.
std::pair<double, double> faixa(double menor, double maior) {
    if (!std::isfinite(menor) || !std::isfinite(maior)) menor = maior = 0;
    const double folga = std::max(maior - menor, std::fabs(maior)) * 0.06;
    return {menor < 0 ? menor - folga : menor, maior + folga};
}

} // namespace

GraficoTabela::GraficoTabela(QWidget* pai) : QChartView(pai) {
    QChart* grafico = prepararVista(this, QStringLiteral("chtTabela"));
    rodape_ = rodapeDoGrafico(grafico, Qt::red);
    grafico->addAxis(new QBarCategoryAxis, Qt::AlignBottom);
    grafico->addAxis(eixoValores(QStringLiteral("Vazões (m³/s)")), Qt::AlignLeft);
    connect(grafico, &QChart::plotAreaChanged, this, [this] { posicionarRotulos(); });
}

void GraficoTabela::desenhar(std::span<const LinhaDistribuicao> linhasDoPeriodo) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    for (auto& [valor, item] : rotulos_)
        delete item;
    rotulos_.clear();
    std::vector<LinhaDistribuicao> linhas(linhasDoPeriodo.begin(), linhasDoPeriodo.end());
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
        // An event that is no flow of the curve has no bar, no limits and the grid's "-".
        const bool resultado = l.Erro != 0 || l.admissivel();
        *eventos << (resultado ? l.ValorEvento : 0.0);
        if (resultado) {
            superior->append(double(i), l.IntervaloConfiancaSuperior);
            inferior->append(double(i), l.IntervaloConfiancaInferior);
            menor = std::min({menor, l.ValorEvento, l.IntervaloConfiancaInferior});
            maior = std::max({maior, l.ValorEvento, l.IntervaloConfiancaSuperior});
            // A minimum in the zero mass of the conditional-probability adjustment is a true
            // zero.
            semSignificado = semSignificado || (!(l.ValorEvento > 0) && !l.massaNula);
        }
        // The label shows the event as the grid does; placed by posicionarRotulos.
        auto* rotulo = new QGraphicsSimpleTextItem(
            resultado ? formatarVazao(l.ValorEvento, u"0.00") : QStringLiteral("-"), grafico);
        rotulo->setZValue(10);
        rotulos_.push_back({resultado ? l.ValorEvento : 0.0, rotulo});
    }
    auto* barras = new QBarSeries;
    eventos->setColor(kAzulBarras);
    barras->append(eventos);
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
    const auto [de, ate] = faixa(menor, maior);
    ajustarEixo(eixo<QValueAxis>(grafico, Qt::Vertical), de, ate);
    mudarRodape(rodape_, semSignificado ? kSemSignificado : QString());
    posicionarRotulos();
}

// Inside the bar when it is tall enough to hold the text (white on blue); otherwise beside its
// end, outside, in dark text: a bar near zero keeps a readable label.
void GraficoTabela::posicionarRotulos() {
    QChart* grafico = chart();
    if (grafico->series().isEmpty()) return;
    QAbstractSeries* barras = grafico->series().first();
    for (std::size_t i = 0; i < rotulos_.size(); ++i) {
        const auto& [valor, item] = rotulos_[i];
        const QPointF topo = grafico->mapToPosition(QPointF(double(i), valor), barras);
        const QPointF base = grafico->mapToPosition(QPointF(double(i), 0), barras);
        const QRectF caixa = item->boundingRect();
        const double altura = std::fabs(base.y() - topo.y());
        double y;
        if (altura >= caixa.height() + 6) {
            item->setBrush(Qt::white);
            y = (topo.y() + base.y()) / 2 - caixa.height() / 2;
        } else {
            item->setBrush(QColor(30, 30, 30));
            y = valor >= 0 ? std::min(topo.y(), base.y()) - caixa.height() - 2
                           : std::max(topo.y(), base.y()) + 2;
        }
        item->setPos(topo.x() - caixa.width() / 2, y);
    }
}

QString GraficoTabela::rodape() const {
    return rodape_->text();
}

QStringList GraficoTabela::rotulosDasBarras() const {
    QStringList r;
    for (const auto& [valor, item] : rotulos_)
        r << item->text();
    return r;
}

GraficoEstimativas::GraficoEstimativas(QWidget* pai) : QChartView(pai) {
    QChart* grafico = prepararVista(this, QStringLiteral("chtEstimativas"));
    grafico->setTitle(QStringLiteral("Vazão X Período de Retorno"));
    // Beside the plot, one entry a line: the long names (and the chosen return period) stay whole.
    grafico->legend()->setAlignment(Qt::AlignRight);
    rodape_ = rodapeDoGrafico(grafico, Qt::red);
    grafico->addAxis(eixoValores(QStringLiteral("Período de Retorno (anos)")), Qt::AlignBottom);
    grafico->addAxis(eixoValores(QStringLiteral("Vazão (m³/s)")), Qt::AlignLeft);
}

void GraficoEstimativas::desenhar(std::span<const LinhaDistribuicao> linhas, int T, int Tmax) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    auto* superior = new QLineSeries;
    superior->setName(QStringLiteral("Limite Superior  de Confiança (95%) "));
    auto* estimados = new QLineSeries;
    estimados->setName(QStringLiteral("Eventos Estimados"));
    auto* inferior = new QLineSeries;
    inferior->setName(QStringLiteral("Limite Inferior de Confiança (95%)"));
    auto* escolhido = new QScatterSeries;
    escolhido->setName(QStringLiteral("Evento ( Período de retorno = ") + QString::number(T) +
                       QStringLiteral("anos )"));
    double menor = 0, maior = 0;
    bool semSignificado = false;
    for (const LinhaDistribuicao& l : linhas) {
        if (l.Erro == 0 && !l.admissivel()) continue; // no flow of the curve: no point
        superior->append(l.PeriodoRetorno, l.IntervaloConfiancaSuperior);
        estimados->append(l.PeriodoRetorno, l.ValorEvento);
        inferior->append(l.PeriodoRetorno, l.IntervaloConfiancaInferior);
        if (l.PeriodoRetorno == T) escolhido->append(l.PeriodoRetorno, l.ValorEvento);
        menor = std::min({menor, l.IntervaloConfiancaInferior, l.ValorEvento});
        maior = std::max({maior, l.IntervaloConfiancaSuperior, l.ValorEvento});
        semSignificado = semSignificado ||
                         (!l.massaNula && !(l.ValorEvento > 0 && l.IntervaloConfiancaSuperior > 0 &&
                                            l.IntervaloConfiancaInferior > 0));
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
    for (QLegendMarker* m : grafico->legend()->markers(zero))
        m->setVisible(false);
    ligarEixos(grafico);
    // The return periods end where the curves end.
    ajustarEixoExato(eixo<QValueAxis>(grafico, Qt::Horizontal), 0, std::max(Tmax, 100));
    const auto [de, ate] = faixa(menor, maior);
    ajustarEixo(eixo<QValueAxis>(grafico, Qt::Vertical), de, ate);
    mudarRodape(rodape_, semSignificado ? kSemSignificado : QString());
}

QString GraficoEstimativas::rodape() const {
    return rodape_->text();
}

GraficoSerie::GraficoSerie(bool logaritmos, QWidget* pai)
    : QChartView(pai), logaritmos_(logaritmos) {
    QChart* grafico = prepararVista(this, logaritmos ? QStringLiteral("chtLogaritmos")
                                                     : QStringLiteral("chtDados"));
    grafico->setTitle(logaritmos ? QStringLiteral("Série de logaritmos dos dados")
                                 : QStringLiteral("Série de dados"));
    grafico->legend()->hide();
    mudarRodape(rodapeDoGrafico(grafico, Qt::black), QStringLiteral("Corvel 1.0"));
    auto* rotulos = new QCategoryAxis;
    rotulos->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    grafico->addAxis(rotulos, Qt::AlignBottom);
    grafico->addAxis(eixoValores(logaritmos ? QStringLiteral("Logaritmo das Vazões (m³/s)")
                                            : QStringLiteral("Vazões (m³/s)")),
                     Qt::AlignLeft);
    // Labels thin out when the plot narrows, so each stays readable.
    connect(grafico, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        if (area.width() != larguraDistribuida_) distribuir();
    });
}

void GraficoSerie::desenhar(std::span<const EventoDistribuicao> eventos) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    auto* pontos = new QScatterSeries;
    pontos->setMarkerSize(9);
    pontos->setColor(logaritmos_ ? QColor(211, 47, 47) : QColor(25, 118, 210));
    std::vector<const EventoDistribuicao*> ordem;
    for (const EventoDistribuicao& e : eventos)
        ordem.push_back(&e);
    std::sort(ordem.begin(), ordem.end(), [](auto* a, auto* b) { return a->ID < b->ID; });
    double menor = std::numeric_limits<double>::infinity(), maior = -menor;
    rotulos_.clear();
    for (const EventoDistribuicao* e : ordem) {
        rotulos_.push_back({double(e->ID), e->Data});
        const auto y = logaritmos_ ? LnDados(*e) : e->Dados;
        if (!y) continue;
        pontos->append(e->ID, *y);
        menor = std::min(menor, *y);
        maior = std::max(maior, *y);
    }
    inicio_ = ordem.empty() ? 0 : ordem.front()->ID - 0.5;
    fim_ = ordem.empty() ? 1 : ordem.back()->ID + 0.5;
    grafico->addSeries(pontos);
    ligarEixos(grafico);
    distribuir();
    const auto [de, ate] = faixa(menor, maior);
    ajustarEixo(eixo<QValueAxis>(grafico, Qt::Vertical), std::min(de, menor), ate);
}

void GraficoSerie::distribuir() {
    larguraDistribuida_ = chart()->plotArea().width();
    distribuirRotulos(eixo<QCategoryAxis>(chart(), Qt::Horizontal), rotulos_,
                      chart()->plotArea().width(), inicio_, fim_);
}

} // namespace corvel::ui
