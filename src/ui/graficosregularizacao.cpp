// Drawing of the regularization window's charts.
#include "graficosregularizacao.h"

#include "graficos.h"

#include "core/formato.h"
#include "core/reducao.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace corvel::ui {

namespace {

const QColor kAzul(31, 95, 139);
// More runs than a screen has pixels across: what is left draws as all the days would.
constexpr std::size_t kMaximoGrupos = 2048;

QChart* prepararVista(QChartView* vista, const QString& nome) {
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->hide();
    vista->setChart(grafico);
    vista->setObjectName(nome);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setMinimumHeight(220);
    return grafico;
}

template <class Eixo> Eixo* eixo(QChart* grafico, Qt::Orientation orientacao) {
    const QList<QAbstractAxis*> eixos = grafico->axes(orientacao);
    return eixos.isEmpty() ? nullptr : qobject_cast<Eixo*>(eixos.first());
}

void ligarEixos(QChart* grafico, QAbstractSeries* serie) {
    for (QAbstractAxis* e : grafico->axes())
        serie->attachAxis(e);
}

} // namespace

GraficoReservatorio::GraficoReservatorio(QWidget* pai) : QChartView(pai) {
    QChart* grafico = prepararVista(this, QStringLiteral("chtReservatorio"));
    auto* datas = new QCategoryAxis;
    datas->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    datas->setLabelsAngle(-90);
    grafico->addAxis(datas, Qt::AlignBottom);
    grafico->addAxis(new QValueAxis, Qt::AlignLeft);
    rodape_ = new QGraphicsSimpleTextItem(grafico);
    grafico->setMargins(QMargins(8, 8, 8, 22));
    connect(grafico, &QChart::geometryChanged, this, [this] { posicionarRodape(); });
    // Labels thin out when the plot narrows, so each stays readable.
    connect(grafico, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        if (area.width() != larguraDistribuida_) distribuir();
    });
}

void GraficoReservatorio::desenhar(const GraficoBarras& g) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    grafico->setTitle(g.titulo);
    eixo<QCategoryAxis>(grafico, Qt::Horizontal)->setTitleText(g.eixoX);
    eixo<QValueAxis>(grafico, Qt::Vertical)->setTitleText(g.eixoY);
    rodape_->setText(g.rodape);
    posicionarRodape();
    datas_ = g.datas;

    // Day i is the bar over [i − ½, i + ½]; a group of days is one bar over all of them, two
    // points of the outline.
    const std::vector<GrupoBarras> grupos = agruparBarras(g.valores, kMaximoGrupos);
    QList<QPointF> topo;
    topo.reserve(static_cast<qsizetype>(grupos.size() * 2));
    double menor = 0;
    for (const GrupoBarras& b : grupos) {
        topo.append(QPointF(static_cast<double>(b.inicio) - 0.5, b.valor));
        topo.append(QPointF(static_cast<double>(b.fim) - 0.5, b.valor));
        menor = std::min(menor, b.valor);
    }
    auto* superior = new QLineSeries;
    superior->replace(topo);
    auto* zero = new QLineSeries;
    if (!topo.isEmpty()) zero->append({QPointF(topo.front().x(), 0), QPointF(topo.back().x(), 0)});
    auto* barras = new QAreaSeries(superior, zero);
    superior->setParent(barras);
    zero->setParent(barras);
    barras->setColor(kAzul);
    barras->setBorderColor(kAzul);
    grafico->addSeries(barras);
    ligarEixos(grafico, barras);
    // The deficit goes down from 0: the axis ends at 0 above and at a round value below.
    ajustarEixo(eixo<QValueAxis>(grafico, Qt::Vertical), menor < 0 ? menor : -1, 0);
    distribuir();
}

void GraficoReservatorio::limpar() {
    chart()->removeAllSeries();
    datas_.clear();
    distribuir();
}

void GraficoReservatorio::distribuir() {
    QChart* grafico = chart();
    auto* eixoDatas = eixo<QCategoryAxis>(grafico, Qt::Horizontal);
    larguraDistribuida_ = grafico->plotArea().width();
    for (const QString& r : eixoDatas->categoriesLabels())
        eixoDatas->remove(r);
    const double inicio = -0.5, fim = std::max(0.5, static_cast<double>(datas_.size()) - 0.5);
    eixoDatas->setStartValue(inicio);
    eixoDatas->setRange(inicio, fim);
    if (datas_.empty()) return;
    // Qt Charts elides a standing label whose category is narrower than about five lines of text.
    const double altura = QFontMetricsF(eixoDatas->labelsFont()).height();
    const double porDia = std::max(1e-9, larguraDistribuida_ / (fim - inicio));
    const auto passo = static_cast<std::size_t>(std::max(1.0, std::ceil((altura * 5) / porDia)));
    for (std::size_t i = 0; i < datas_.size(); i += passo)
        eixoDatas->append(formatarData(datas_[i]), static_cast<double>(i));
}

void GraficoReservatorio::posicionarRodape() {
    const QRectF r = chart()->rect();
    rodape_->setPos(r.right() - rodape_->boundingRect().width() - 12, r.bottom() - 20);
}

QStringList GraficoReservatorio::rotulosDatas() const {
    return eixo<QCategoryAxis>(chart(), Qt::Horizontal)->categoriesLabels();
}

QString GraficoReservatorio::rodape() const {
    return rodape_->text();
}

GraficoMassas::GraficoMassas(QWidget* pai) : QChartView(pai) {
    QChart* grafico = prepararVista(this, QStringLiteral("chtMassas"));
    grafico->addAxis(new QValueAxis, Qt::AlignBottom);
    grafico->addAxis(new QValueAxis, Qt::AlignLeft);
}

void GraficoMassas::desenhar(const GraficoLinha& g) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    grafico->setTitle(g.titulo);
    eixo<QValueAxis>(grafico, Qt::Horizontal)->setTitleText(g.eixoX);
    eixo<QValueAxis>(grafico, Qt::Vertical)->setTitleText(g.eixoY);
    std::vector<double> volumes;
    volumes.reserve(g.pontos.size());
    for (const PontoMassa& p : g.pontos)
        volumes.push_back(p.volume);
    QList<QPointF> pontos;
    // A negative flow is a valid day too: the curve may come back down.
    double menor = 0, maior = 0;
    for (std::size_t i : pontosDaLinha(volumes, kMaximoGrupos)) {
        const PontoMassa& p = g.pontos[i];
        pontos.append(QPointF(p.dia, p.volume));
        menor = std::min(menor, p.volume);
        maior = std::max(maior, p.volume);
    }
    auto* curva = new QLineSeries;
    curva->replace(pontos);
    curva->setPen(QPen(kAzul, 2));
    grafico->addSeries(curva);
    ligarEixos(grafico, curva);
    ajustarEixoExato(eixo<QValueAxis>(grafico, Qt::Horizontal), 0,
                     pontos.isEmpty() ? 1 : pontos.back().x());
    ajustarEixo(eixo<QValueAxis>(grafico, Qt::Vertical), menor, maior);
}

void GraficoMassas::limpar() {
    chart()->removeAllSeries();
}

int GraficoMassas::curvas() const {
    return static_cast<int>(chart()->series().size());
}

int GraficoMassas::pontos() const {
    const auto series = chart()->series();
    if (series.isEmpty()) return 0;
    return static_cast<int>(static_cast<QLineSeries*>(series.first())->count());
}

} // namespace corvel::ui
