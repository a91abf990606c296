// The grant sheet of a station on one page.
#include "fichavazoes.h"

#include "graficopermanencia.h"
#include "graficosdistribuicao.h"

#include "core/erros.h"
#include "core/gravacao.h"
#include "report/relatorio.h"

#include <QBuffer>
#include <QChart>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace corvel::ui {

namespace {

relatorio::Relatorio relatorioFicha(const FichaReferencia& f) {
    relatorio::Relatorio r;
    r.titulo = f.titulo;
    r.cabecalho = f.cabecalho;
    r.colunas = {{QStringLiteral("Grandeza"), Qt::AlignLeft | Qt::AlignVCenter},
                 {QStringLiteral("Valor"), Qt::AlignRight | Qt::AlignVCenter}};
    for (const FiguraResumo& x : f.figuras)
        r.linhas.push_back({x.titulo, x.valor.isEmpty() ? QStringLiteral("-") : x.valor});
    r.notas = f.notas;
    r.colunasComMoldura = 2;
    r.programa = QString::fromUtf8(kNomeProduto);
    return r;
}

// A chart laid out as a window 760 pixels wide of the target's proportion, drawn into `alvo`
// (device units): its texts keep the size they have beside the chart on screen.
void desenharGrafico(QPainter& painter, QChartView& grafico, const QRectF& alvo) {
    constexpr int kLargura = 760;
    grafico.resize(kLargura, static_cast<int>(kLargura * alvo.height() / alvo.width()));
    grafico.chart()->resize(grafico.size());
    grafico.render(&painter, alvo, grafico.rect());
}

} // namespace

void prepararPaginaFicha(QPagedPaintDevice& dispositivo) {
    dispositivo.setPageSize(QPageSize(QPageSize::A4));
    dispositivo.setPageMargins(QMarginsF(0, 0, 0, 0));
    dispositivo.setPageOrientation(QPageLayout::Portrait);
}

void desenharFicha(QPainter& painter, QPagedPaintDevice& dispositivo, const FichaReferencia& f) {
    const relatorio::Relatorio r = relatorioFicha(f);
    const relatorio::Medidas m;
    relatorio::renderizar(painter, dispositivo, r, m);

    // The charts share the space between the table and the footer.
    const double k = dispositivo.logicalDpiY() / 72.0;
    const double topo = relatorio::fimDoCorpo(r, m) + 12;
    const double base = m.altura - m.margem - m.rodape - 6;
    const double largura = m.largura - 2 * m.margem;
    const double altura = (base - topo - 8) / 2;
    if (altura <= 40) return; // a table that fills the page leaves no room for them

    GraficoCurvaPermanencia curva;
    curva.desenhar(f.curva);
    curva.definirLogaritmica(true);
    desenharGrafico(painter, curva, QRectF(m.margem * k, topo * k, largura * k, altura * k));

    GraficoSerie minimas(false);
    minimas.chart()->setTitle(f.tituloMinimas);
    minimas.desenhar(f.minimas);
    desenharGrafico(painter, minimas,
                    QRectF(m.margem * k, (topo + altura + 8) * k, largura * k, altura * k));
}

QByteArray fichaEmPdf(const FichaReferencia& f) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    prepararPaginaFicha(pdf);
    pdf.setResolution(300);
    pdf.setTitle(f.titulo);
    pdf.setCreator(QString::fromUtf8(kNomeProduto));
    QPainter painter;
    if (!painter.begin(&pdf))
        throw ErroArquivo(QStringLiteral("O PDF da ficha não pôde ser iniciado"));
    desenharFicha(painter, pdf, f);
    painter.end();
    return bytes.data();
}

void gravarFichaPdf(const QString& caminho, const FichaReferencia& f) {
    gravarArquivoAtomico(caminho, fichaEmPdf(f));
}

} // namespace corvel::ui
