// Drawing of the hydrograph chart from the core's points, and its offscreen rendering.
#include "graficohidrograma.h"

#include "graficos.h"

#include "core/reducao.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace corvel::ui {

namespace {

// Points kept for the whole line: 2 000 runs of first, lowest, highest and last, more runs than a
// wide screen has pixel columns, so a century of days (36 500 points) looks the same from a
// fifth of them.
constexpr std::size_t kPontosDesenhados = 8000;

} // namespace

GraficoHidrograma::GraficoHidrograma(QWidget* pai) : QChartView(pai) {
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setMargins(QMargins(8, 8, 8, 44));
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);

    eixoDias_ = new QCategoryAxis;
    eixoDias_->setTitleText(QString::fromUtf8(kEixoDias));
    eixoDias_->setLabelsAngle(-90);
    eixoDias_->setTruncateLabels(false); // a day cut to "1/1/..." says nothing
    eixoDias_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    eixoVazao_ = new QValueAxis;
    eixoVazao_->setTitleText(QString::fromUtf8(kEixoVazaoHidrograma));
    grafico->addAxis(eixoDias_, Qt::AlignBottom);
    grafico->addAxis(eixoVazao_, Qt::AlignLeft);

    // Legend order: upper limit, hydrograph, lower limit.
    superior_ = novaLinha(QString::fromUtf8(kLegendaCurvaSuperior), Qt::green);
    trechos_.push_back(novaLinha(QString::fromUtf8(kLegendaHidrografa), Qt::red));
    inferior_ = novaLinha(QString::fromUtf8(kLegendaCurvaInferior), Qt::blue);

    for (auto& item : rodape_) {
        item = new QGraphicsSimpleTextItem(grafico);
        QFont f = item->font();
        f.setPointSizeF(f.pointSizeF() * 0.9);
        item->setFont(f);
    }
    connect(grafico, &QChart::plotAreaChanged, this, [this] {
        posicionarRodape();
        distribuirRotulos();
    });
}

QLineSeries* GraficoHidrograma::novaLinha(const QString& nome, const QColor& cor) {
    auto* linha = new QLineSeries;
    linha->setName(nome);
    linha->setPen(QPen(cor, 1.5));
    chart()->addSeries(linha);
    linha->attachAxis(eixoDias_);
    linha->attachAxis(eixoVazao_);
    return linha;
}

void GraficoHidrograma::desenhar(const Hidrograma& hidrograma) {
    dados_ = hidrograma;
    QChart* grafico = chart();
    grafico->setTitle(dados_.titulo[0].toHtmlEscaped() + QStringLiteral("<br>") +
                      dados_.titulo[1].toHtmlEscaped() + QStringLiteral("<br>") +
                      dados_.titulo[2].toHtmlEscaped());

    // The first stretch carries the legend; the others are drawn alike without a legend entry.
    for (std::size_t i = 1; i < trechos_.size(); ++i) {
        grafico->removeSeries(trechos_[i]);
        delete trechos_[i];
    }
    trechos_.resize(1);
    // A break narrower than a pixel column cannot be seen: joined over, the line of a century
    // with a gap a month stays one series instead of a thousand (half a second to draw).
    const double largura = chart()->plotArea().width() > 0 ? chart()->plotArea().width()
                                                           : std::max(100, width() - 100);
    const std::vector<TrechoHidrograma> trechos =
        trechosHidrograma(dados_, std::max(1.0, dados_.dias) / largura);
    std::size_t total = 0;
    for (const TrechoHidrograma& t : trechos)
        total += t.x.size();
    double maior = 0;
    for (std::size_t i = 0; i < trechos.size(); ++i) {
        const TrechoHidrograma& t = trechos[i];
        const std::size_t cota = std::max<std::size_t>(8, kPontosDesenhados * t.x.size() /
                                                              std::max<std::size_t>(1, total));
        QList<QPointF> pontos;
        for (std::size_t j : pontosDaLinha(t.vazao, cota)) {
            pontos.append(QPointF(t.x[j], t.vazao[j]));
            maior = std::max(maior, t.vazao[j]);
        }
        if (i > 0) {
            trechos_.push_back(novaLinha(QString::fromUtf8(kLegendaHidrografa), Qt::red));
            for (QLegendMarker* m : grafico->legend()->markers(trechos_.back()))
                m->setVisible(false);
        }
        trechos_.back()->replace(pontos);
    }
    if (trechos.empty()) trechos_.front()->clear();

    superior_->clear();
    inferior_->clear();
    if (dados_.limites) {
        superior_->replace(
            {QPointF(0, dados_.limites->superior), QPointF(dados_.dias, dados_.limites->superior)});
        inferior_->replace(
            {QPointF(0, dados_.limites->inferior), QPointF(dados_.dias, dados_.limites->inferior)});
        maior = std::max(maior, dados_.limites->superior);
    }
    ajustarEixo(eixoVazao_, 0, maior > 0 ? maior : 1);
    eixoDias_->setRange(0, std::max(1.0, dados_.dias));
    rodape_[0]->setText(dados_.rodape[0]);
    rodape_[1]->setText(dados_.rodape[1]);
    posicionarRodape();
    larguraDistribuida_ = -1;
    distribuirRotulos();
}

void GraficoHidrograma::resizeEvent(QResizeEvent* evento) {
    QChartView::resizeEvent(evento);
    posicionarRodape();
}

void GraficoHidrograma::posicionarRodape() {
    const QRectF r = chart()->rect();
    rodape_[0]->setPos(r.left() + 12, r.bottom() - 40);
    rodape_[1]->setPos(r.left() + 12, r.bottom() - 22);
}

void GraficoHidrograma::distribuirRotulos() {
    const double largura = chart()->plotArea().width();
    if (largura <= 0 || largura == larguraDistribuida_) return;
    larguraDistribuida_ = largura;
    for (const QString& r : eixoDias_->categoriesLabels())
        eixoDias_->remove(r);
    // Written upward, a label takes its line height across the axis.
    const double altura = QFontMetricsF(eixoDias_->labelsFont()).height() + 6;
    const auto maximo = static_cast<std::size_t>(std::max(1.0, std::floor(largura / altura)));
    for (const auto& [x, texto] : corvel::rotulosDias(dados_, maximo))
        eixoDias_->append(texto, x);
    eixoDias_->setStartValue(0);
    eixoDias_->setRange(0, std::max(1.0, dados_.dias));
}

QStringList GraficoHidrograma::rodape() const {
    return {rodape_[0]->text(), rodape_[1]->text()};
}

QStringList GraficoHidrograma::rotulosDias() const {
    return eixoDias_->categoriesLabels();
}

void gravarHidrograma(const Hidrograma& hidrograma, const QString& arquivo, QSize tamanho) {
    GraficoHidrograma vista;
    vista.resize(tamanho);
    vista.desenhar(hidrograma);
    // The layout the event loop would run before the first paint, without a window on the
    // user's screen when there is one.
    vista.setAttribute(Qt::WA_DontShowOnScreen);
    vista.show();
    QCoreApplication::processEvents();
    gravarImagemGrafico(vista, arquivo);
}

} // namespace corvel::ui
