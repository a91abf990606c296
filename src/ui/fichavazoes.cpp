// The grant sheet of a station: the annual page, then the monthly one.
#include "fichavazoes.h"

#include "graficomensal.h"
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

// A header line wider than the page goes on under itself, indented, instead of being cut.
std::vector<QString> quebrarLinhas(const std::vector<QString>& linhas, double largura) {
    constexpr double kPontos = 9;
    std::vector<QString> r;
    for (const QString& linha : linhas) {
        QString atual;
        for (const QString& palavra : linha.split(u' ')) {
            const QString junto = atual.isEmpty() ? palavra : atual + u' ' + palavra;
            if (!atual.trimmed().isEmpty() && relatorio::larguraTexto(junto, kPontos) > largura) {
                r.push_back(atual);
                atual = QStringLiteral("    ") + palavra;
            } else {
                atual = junto;
            }
        }
        r.push_back(atual);
    }
    return r;
}

// The figures in two pairs of columns, the first half on the left: a page then holds the header,
// the figures, their notes and both charts.
relatorio::Relatorio relatorioFicha(const FichaReferencia& f, int paginas) {
    const relatorio::Medidas m;
    relatorio::Relatorio r;
    r.titulo = f.titulo;
    r.cabecalho = quebrarLinhas(f.cabecalho, m.largura - 2 * m.margem);
    const auto grandeza = [] {
        return relatorio::Coluna{QStringLiteral("Grandeza"), Qt::AlignLeft | Qt::AlignVCenter};
    };
    const auto valor = [] {
        return relatorio::Coluna{QStringLiteral("Valor"), Qt::AlignRight | Qt::AlignVCenter};
    };
    r.colunas = {grandeza(), valor(), grandeza(), valor()};
    const std::size_t metade = (f.figuras.size() + 1) / 2;
    const auto celulas = [](const FiguraResumo& x) {
        return std::pair{x.titulo, x.valor.isEmpty() ? QStringLiteral("-") : x.valor};
    };
    for (std::size_t i = 0; i < metade; ++i) {
        const auto [t1, v1] = celulas(f.figuras[i]);
        std::vector<QString> linha{t1, v1};
        if (metade + i < f.figuras.size()) {
            const auto [t2, v2] = celulas(f.figuras[metade + i]);
            linha.insert(linha.end(), {t2, v2});
        }
        r.linhas.push_back(std::move(linha));
    }
    r.notas = f.notas;
    r.colunasComMoldura = 4;
    r.programa = QString::fromUtf8(kNomeProduto);
    r.paginasDocumento = paginas;
    return r;
}

relatorio::Relatorio relatorioMensal(const FichaReferencia& f) {
    const relatorio::Medidas m;
    relatorio::Relatorio r;
    r.titulo = QString::fromUtf8(kTituloFichaMensal);
    r.cabecalho = quebrarLinhas(f.cabecalhoMensal, m.largura - 2 * m.margem);
    for (std::size_t c = 0; c < f.colunasMensais.size(); ++c)
        r.colunas.push_back({f.colunasMensais[c], c == 0 || c == 4
                                                      ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter});
    r.linhas = f.linhasMensais;
    r.notas = f.notasMensais;
    r.colunasComMoldura = static_cast<int>(r.colunas.size());
    r.programa = QString::fromUtf8(kNomeProduto);
    r.primeiraPagina = 2;
    r.paginasDocumento = 2;
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
    const bool mensal = !f.linhasMensais.empty();
    const relatorio::Relatorio r = relatorioFicha(f, mensal ? 2 : 1);
    const relatorio::Medidas m;
    relatorio::renderizar(painter, dispositivo, r, m);

    // The charts share the space between the table and the footer.
    const double k = dispositivo.logicalDpiY() / 72.0;
    const double largura = m.largura - 2 * m.margem;
    const double base = m.altura - m.margem - m.rodape - 6;
    const auto area = [&](double topo, double altura) {
        return QRectF(m.margem * k, topo * k, largura * k, altura * k);
    };
    const double topo = relatorio::fimDoCorpo(r, m) + 12;
    const double altura = (base - topo - 8) / 2;
    if (altura > 40) { // a table that fills the page leaves no room for them
        GraficoCurvaPermanencia curva;
        curva.desenhar(f.curva);
        curva.definirLogaritmica(true);
        desenharGrafico(painter, curva, area(topo, altura));

        GraficoSerie minimas(false);
        minimas.chart()->setTitle(f.tituloMinimas);
        minimas.desenhar(f.minimas);
        desenharGrafico(painter, minimas, area(topo + altura + 8, altura));
    }
    if (!mensal) return;

    dispositivo.newPage();
    const relatorio::Relatorio rm = relatorioMensal(f);
    relatorio::renderizar(painter, dispositivo, rm, m);
    const double topoMensal = relatorio::fimDoCorpo(rm, m) + 12;
    if (base - topoMensal <= 60) return;
    GraficoMensal grafico;
    grafico.desenhar(f.graficoMensal, f.tituloGraficoMensal);
    desenharGrafico(painter, grafico, area(topoMensal, std::min(base - topoMensal, 330.0)));
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
