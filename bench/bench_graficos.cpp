// The regularization window's charts on a century of days (about 36 000): drawing the reservoir
// chart of one level and the mass diagram, each built and painted once at a screen's size, and for
// comparison Qt Charts' own bar series, one graphics item per bar, at growing bar counts.
#include "seculoregularizacao.h"

#include "analyses/tabelasregularizacao.h"
#include "ui/graficosregularizacao.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QImage>
#include <QPainter>
#include <QValueAxis>
#include <benchmark/benchmark.h>

using namespace corvel;

namespace {

const ResultadoRegularizacao& resultado() {
    static const ResultadoRegularizacao r =
        *calcularRegularizacao(seculoRegularizacao(), evaporacaoInicial(), 0, false);
    return r;
}

// The layout the event loop would run, then one paint of the view as the screen would do it.
void pintar(QChartView& vista) {
    QApplication::processEvents();
    QImage imagem(vista.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&imagem);
    vista.render(&p);
}

// Choosing a level: the core's bars, the chart's new series and labels, one paint.
void BM_GraficoReservatorio(benchmark::State& state) {
    ui::GraficoReservatorio vista;
    vista.resize(1280, 600);
    vista.show();
    int nivel = 1;
    for (auto _ : state) {
        vista.desenhar(graficoReservatorio(resultado(), nivel));
        pintar(vista);
        nivel = nivel % kNiveisRegularizacao + 1;
    }
    state.counters["dias"] = vista.barras();
}
BENCHMARK(BM_GraficoReservatorio)->Unit(benchmark::kMillisecond);

// A repaint with nothing changed (a window uncovered, a resize step).
void BM_GraficoReservatorioRepintura(benchmark::State& state) {
    ui::GraficoReservatorio vista;
    vista.resize(1280, 600);
    vista.show();
    vista.desenhar(graficoReservatorio(resultado(), 10));
    pintar(vista);
    for (auto _ : state)
        pintar(vista);
}
BENCHMARK(BM_GraficoReservatorioRepintura)->Unit(benchmark::kMillisecond);

void BM_DiagramaMassas(benchmark::State& state) {
    ui::GraficoMassas vista;
    vista.resize(1280, 600);
    vista.show();
    for (auto _ : state) {
        vista.desenhar(graficoDiagramaMassas(resultado()));
        pintar(vista);
    }
}
BENCHMARK(BM_DiagramaMassas)->Unit(benchmark::kMillisecond);

// The same days as a QBarSeries, the first `n` of them: it grows with the bars, not the pixels.
void BM_BarrasQtCharts(benchmark::State& state) {
    const GraficoBarras g = graficoReservatorio(resultado(), 10);
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        QChartView vista;
        vista.resize(1280, 600);
        vista.show();
        auto* grafico = new QChart;
        grafico->setAnimationOptions(QChart::NoAnimation);
        vista.setChart(grafico);
        auto* conjunto = new QBarSet(QString());
        QList<qreal> valores;
        for (std::size_t i = 0; i < n; ++i)
            valores.append(g.valores[i]);
        conjunto->append(valores);
        auto* barras = new QBarSeries;
        barras->append(conjunto);
        grafico->addSeries(barras);
        grafico->createDefaultAxes();
        pintar(vista);
    }
}
BENCHMARK(BM_BarrasQtCharts)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(36000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
