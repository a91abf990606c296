// The monthly chart.
#include "graficomensal.h"

#include "graficos.h"

#include "core/formato.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace corvel::ui {

namespace {

// Mean, Q90, Q95, Qd,T, grantable flow: the darker the colour, the scarcer the water.
constexpr std::array<QRgb, 5> kCores = {qRgb(25, 118, 210), qRgb(46, 134, 75), qRgb(194, 124, 14),
                                        qRgb(198, 40, 40), qRgb(106, 76, 147)};

} // namespace

GraficoMensal::GraficoMensal(QWidget* pai) : QChartView(pai) {
    setObjectName(QStringLiteral("chtMensal"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    setChart(grafico);
    mudarRodape(rodapeDoGrafico(grafico, Qt::black, Qt::AlignRight), QStringLiteral("Corvel 1.0"));

    auto* meses = new QCategoryAxis;
    meses->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int m = 1; m <= 12; ++m)
        meses->append(nomeMes(m).left(3), m);
    meses->setRange(0.5, 12.5);
    meses->setGridLineVisible(false);
    grafico->addAxis(meses, Qt::AlignBottom);
    auto* vazoes = new QValueAxis;
    vazoes->setTitleText(QStringLiteral("Vazão (m³/s)"));
    grafico->addAxis(vazoes, Qt::AlignLeft);
}

void GraficoMensal::desenhar(std::span<const SerieMensal> series, const QString& titulo) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    grafico->setTitle(titulo);
    double maior = 0, menor = 0;
    for (std::size_t k = 0; k < series.size(); ++k) {
        QPen pena(QColor::fromRgb(kCores[k % kCores.size()]), 2);
        if (k == 4) pena.setStyle(Qt::DashLine);
        // One line per run of months with a value, the first named in the legend.
        bool primeira = true;
        QLineSeries* trecho = nullptr;
        for (int m = 0; m < 12; ++m) {
            const std::optional<double> v = series[k].valores[static_cast<std::size_t>(m)];
            if (!v) {
                trecho = nullptr;
                continue;
            }
            if (!trecho) {
                trecho = new QLineSeries;
                trecho->setName(series[k].nome);
                trecho->setPen(pena);
                trecho->setPointsVisible(true);
                grafico->addSeries(trecho);
                for (QAbstractAxis* e : grafico->axes())
                    trecho->attachAxis(e);
                if (!primeira)
                    for (QLegendMarker* marca : grafico->legend()->markers(trecho))
                        marca->setVisible(false);
                primeira = false;
            }
            trecho->append(m + 1, *v);
            maior = std::max(maior, *v);
            menor = std::min(menor, *v);
        }
    }
    ajustarEixo(qobject_cast<QValueAxis*>(grafico->axes(Qt::Vertical).first()), menor,
                maior > menor ? maior : menor + 1);
}

} // namespace corvel::ui
