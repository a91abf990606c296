// Layout, pagination and QPainter rendering of the banded reports.
#include "relatorio.h"

#include "core/erros.h"
#include "core/formato.h"
#include "core/gravacao.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace corvel::relatorio {

namespace {

constexpr double kFolgaCelula = 2; // points between a cell's frame and its text, each side
constexpr double kCorpoMinimo = 6; // smallest text a table shrinks to before eliding
constexpr double kCorpoNotas = 8;

QFont fonte(double pontos, bool negrito = false, bool italico = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    f.setItalic(italico);
    return f;
}

// A device of 72 dots per inch: one unit of its font metrics is one point.
const QPaintDevice& emPontos() {
    static const QImage imagem = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(2835);
        i.setDotsPerMeterY(2835);
        return i;
    }();
    return imagem;
}

// A heading on one line or broken at one space, whichever needs the narrower column.
QStringList dividirTitulo(const QString& titulo, double pontos, double& largura) {
    QStringList melhor{titulo};
    largura = larguraTexto(titulo, pontos, true);
    for (qsizetype i = titulo.indexOf(u' '); i > 0; i = titulo.indexOf(u' ', i + 1)) {
        const QString a = titulo.left(i).trimmed(), b = titulo.mid(i + 1).trimmed();
        if (a.isEmpty() || b.isEmpty()) continue;
        const double w = std::max(larguraTexto(a, pontos, true), larguraTexto(b, pontos, true));
        if (w < largura) {
            largura = w;
            melhor = {a, b};
        }
    }
    return melhor;
}

// Natural widths at a text size: the widest value or heading of each column, with its margins.
std::vector<double> largurasNaturais(const Relatorio& r, double corpo,
                                     std::vector<QStringList>& titulos) {
    std::vector<double> larguras;
    titulos.clear();
    for (std::size_t c = 0; c < r.colunas.size(); ++c) {
        double w = 0;
        titulos.push_back(dividirTitulo(r.colunas[c].titulo, corpo, w));
        for (const auto& linha : r.linhas)
            if (c < linha.size()) w = std::max(w, larguraTexto(linha[c], corpo));
        // One point more than measured: the printer's hinting may widen a text a little.
        larguras.push_back(w + 2 * kFolgaCelula + 1);
    }
    return larguras;
}

double soma(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0);
}

double alturaFixa(const Relatorio& r, const Medidas& m, const Diagramacao& d) {
    return m.titulo + m.linhaCabecalho * static_cast<double>(r.cabecalho.size()) + d.alturaTitulos +
           m.rodape;
}

double alturaNotas(const Diagramacao& d) {
    return std::accumulate(d.alturasNotas.begin(), d.alturasNotas.end(), 0.0);
}

} // namespace

double larguraTexto(const QString& texto, double pontos, bool negrito) {
    return QFontMetricsF(fonte(pontos, negrito), &emPontos()).horizontalAdvance(texto);
}

Diagramacao diagramar(const Relatorio& r, const Medidas& m) {
    Diagramacao d;
    d.largura = m.largura;
    d.altura = m.altura;
    double disponivel = d.largura - 2 * m.margem;
    std::vector<double> larguras = largurasNaturais(r, d.corpo, d.titulos);
    if (soma(larguras) > disponivel) {
        d.paisagem = true;
        std::swap(d.largura, d.altura);
        disponivel = d.largura - 2 * m.margem;
    }
    // Wider than a landscape page: a smaller text, and only then elided values.
    while (soma(larguras) > disponivel && d.corpo > kCorpoMinimo) {
        d.corpo -= 0.5;
        larguras = largurasNaturais(r, d.corpo, d.titulos);
    }
    const double total = soma(larguras);
    // The table spans the width between the margins, each column widened in proportion.
    for (double& w : larguras)
        w = total > 0 ? w * disponivel / total : 0;
    d.larguras = std::move(larguras);
    // A heading stays on one line where the final width holds it.
    for (std::size_t c = 0; c < d.titulos.size(); ++c)
        if (larguraTexto(r.colunas[c].titulo, d.corpo, true) + 2 * kFolgaCelula + 1 <=
            d.larguras[c])
            d.titulos[c] = QStringList{r.colunas[c].titulo};
    int linhasTitulo = 1;
    for (const QStringList& t : d.titulos)
        linhasTitulo = std::max(linhasTitulo, static_cast<int>(t.size()));
    d.alturaTitulos = m.tituloColunas + (linhasTitulo - 1) * (d.corpo + 2);
    const QFontMetricsF notas(fonte(kCorpoNotas), &emPontos());
    for (const QString& n : r.notas) {
        const QRectF caixa = notas.boundingRect(QRectF(0, 0, disponivel, 1e6), Qt::TextWordWrap, n);
        const int linhas =
            std::max(1, static_cast<int>(std::ceil(caixa.height() / notas.lineSpacing() - 0.01)));
        d.alturasNotas.push_back(m.nota + (linhas - 1) * notas.lineSpacing());
    }
    return d;
}

std::vector<Pagina> paginar(const Relatorio& r, const Medidas& m) {
    return paginar(r, diagramar(r, m), m);
}

std::vector<Pagina> paginar(const Relatorio& r, const Diagramacao& d, const Medidas& m) {
    const double util = d.altura - 2 * m.margem - alturaFixa(r, m, d);
    const int porPagina = std::max(1, static_cast<int>(std::floor(util / m.linha)));
    const int n = static_cast<int>(r.linhas.size());
    std::vector<Pagina> paginas;
    int inicio = 0;
    do {
        Pagina p;
        p.numero = static_cast<int>(paginas.size()) + 1;
        p.primeiraLinha = inicio;
        p.fimLinhas = std::min(n, inicio + porPagina);
        inicio = p.fimLinhas;
        paginas.push_back(p);
    } while (inicio < n);
    // Notes follow the last row, on a page of their own when they do not fit.
    if (!r.notas.empty()) {
        Pagina& ultima = paginas.back();
        const double usado = (ultima.fimLinhas - ultima.primeiraLinha) * m.linha;
        if (usado + 4 + alturaNotas(d) <= util) {
            ultima.notas = true;
        } else {
            Pagina p;
            p.numero = static_cast<int>(paginas.size()) + 1;
            p.primeiraLinha = p.fimLinhas = n;
            p.notas = true;
            paginas.push_back(p);
        }
    }
    return paginas;
}

QString textoPagina(int numero, int total, const QString& rotulo) {
    QString t = rotulo + QString::number(numero);
    if (total > 1) t += QStringLiteral(" de ") + QString::number(total);
    return t;
}

QString textoContinua(int numero, int total) {
    return total > 1 && numero < total ? QStringLiteral("Continua...") : QString();
}

QString textoImpressao(const QDateTime& quando) {
    return QStringLiteral("Impresso em: ") + formatarDataHora(quando);
}

namespace {

class Desenho {
  public:
    Desenho(QPainter& p, QPaintDevice& d, const Relatorio& r, const Medidas& m,
            const Diagramacao& g)
        : p_(p), r_(r), m_(m), g_(g), k_(d.logicalDpiY() / 72.0) {
        double x = m.margem;
        for (double w : g.larguras) {
            xs_.push_back({x, w});
            x += w;
        }
    }

    void pagina(const Pagina& pg, int total) {
        const double largura = g_.largura - 2 * m_.margem;
        double y = m_.margem;
        texto(QRectF(m_.margem, y, largura, m_.titulo), r_.titulo, fonte(13, true),
              Qt::AlignHCenter | Qt::AlignVCenter);
        y += m_.titulo;
        for (const QString& l : r_.cabecalho) {
            texto(QRectF(m_.margem, y, largura, m_.linhaCabecalho), l, fonte(9),
                  Qt::AlignLeft | Qt::AlignVCenter);
            y += m_.linhaCabecalho;
        }
        for (std::size_t c = 0; c < xs_.size(); ++c)
            celula(c, y, g_.alturaTitulos, g_.titulos[c].join(u'\n'), fonte(g_.corpo, true),
                   Qt::AlignCenter, true);
        y += g_.alturaTitulos;
        for (int l = pg.primeiraLinha; l < pg.fimLinhas; ++l) {
            const auto& linha = r_.linhas[static_cast<std::size_t>(l)];
            for (std::size_t c = 0; c < xs_.size(); ++c)
                celula(c, y, m_.linha, c < linha.size() ? linha[c] : QString(), fonte(g_.corpo),
                       r_.colunas[c].alinhamento, static_cast<int>(c) < r_.colunasComMoldura);
            y += m_.linha;
        }
        if (pg.notas) {
            y += 4;
            for (std::size_t i = 0; i < r_.notas.size(); ++i) {
                const double h = g_.alturasNotas[i];
                p_.setFont(fonte(kCorpoNotas));
                p_.setPen(Qt::black);
                p_.drawText(emDispositivo(QRectF(m_.margem, y, largura, h)),
                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, r_.notas[i]);
                y += h;
            }
        }
        const double yRodape = g_.altura - m_.margem - m_.rodape;
        const QRectF faixa(m_.margem, yRodape + m_.rodape / 2, largura, m_.rodape / 2);
        texto(QRectF(m_.margem, yRodape, largura, m_.rodape / 2), textoContinua(pg.numero, total),
              fonte(8, false, true), Qt::AlignRight | Qt::AlignVCenter);
        p_.setPen(QPen(Qt::black, 0.5 * k_));
        p_.drawLine(QPointF(faixa.left() * k_, faixa.top() * k_),
                    QPointF(faixa.right() * k_, faixa.top() * k_));
        texto(faixa, textoImpressao(r_.impressoEm), fonte(8), Qt::AlignLeft | Qt::AlignVCenter);
        texto(faixa, textoPagina(pg.numero, total, r_.rotuloPagina), fonte(8),
              Qt::AlignRight | Qt::AlignVCenter);
        if (!r_.programa.isEmpty())
            texto(faixa, r_.programa, fonte(8), Qt::AlignHCenter | Qt::AlignVCenter);
    }

  private:
    QRectF emDispositivo(const QRectF& pontos) const {
        return QRectF(pontos.x() * k_, pontos.y() * k_, pontos.width() * k_, pontos.height() * k_);
    }
    // Multi-line texts (two-line headings) are drawn as they are; a single line that still does not
    // fit (a table wider than a landscape page at the smallest text) is elided.
    void texto(const QRectF& pontos, const QString& t, const QFont& f, Qt::Alignment a) {
        const QRectF area = emDispositivo(pontos);
        p_.setFont(f);
        p_.setPen(Qt::black);
        const QString cabe =
            t.contains(u'\n')
                ? t
                : QFontMetricsF(f, p_.device()).elidedText(t, Qt::ElideRight, area.width());
        p_.drawText(area, static_cast<int>(a), cabe);
    }
    void celula(std::size_t c, double y, double h, const QString& t, const QFont& f,
                Qt::Alignment a, bool moldura) {
        const auto [x, w] = xs_[c];
        if (moldura) {
            p_.setPen(QPen(Qt::black, 0.5 * k_));
            p_.drawRect(emDispositivo(QRectF(x, y, w, h)));
        }
        texto(QRectF(x + kFolgaCelula, y, w - 2 * kFolgaCelula, h), t, f, a);
    }

    QPainter& p_;
    const Relatorio& r_;
    const Medidas& m_;
    const Diagramacao& g_;
    double k_; // device units per point
    std::vector<std::pair<double, double>> xs_;
};

} // namespace

double fimDoCorpo(const Relatorio& r, const Medidas& m) {
    const Diagramacao d = diagramar(r, m);
    const Pagina primeira = paginar(r, d, m).front();
    double y = m.margem + m.titulo + m.linhaCabecalho * static_cast<double>(r.cabecalho.size()) +
               d.alturaTitulos + m.linha * (primeira.fimLinhas - primeira.primeiraLinha);
    if (primeira.notas) {
        y += 4;
        y += alturaNotas(d);
    }
    return y;
}

void prepararPagina(QPagedPaintDevice& dispositivo, const Relatorio& r, const Medidas& m) {
    dispositivo.setPageSize(QPageSize(QPageSize::A4));
    dispositivo.setPageMargins(QMarginsF(0, 0, 0, 0));
    dispositivo.setPageOrientation(diagramar(r, m).paisagem ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
}

void renderizar(QPainter& painter, QPagedPaintDevice& dispositivo, const Relatorio& r,
                const Medidas& m) {
    const Diagramacao d = diagramar(r, m);
    const std::vector<Pagina> paginas = paginar(r, d, m);
    Desenho desenho(painter, dispositivo, r, m, d);
    const int total = r.paginasDocumento > 0
                          ? r.paginasDocumento
                          : static_cast<int>(paginas.size()) + r.primeiraPagina - 1;
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) dispositivo.newPage();
        Pagina p = paginas[i];
        p.numero += r.primeiraPagina - 1;
        desenho.pagina(p, total);
    }
}

void gravarPdf(const QString& caminho, const Relatorio& r, const Medidas& m) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    prepararPagina(pdf, r, m);
    pdf.setResolution(300);
    pdf.setTitle(r.titulo);
    pdf.setCreator(QStringLiteral("Corvel 1.0"));
    QPainter painter;
    if (!painter.begin(&pdf))
        throw ErroArquivo(
            mensagemFalhaGravacao(caminho, QStringLiteral("o PDF não pôde ser iniciado")));
    renderizar(painter, pdf, r, m);
    painter.end();
    gravarArquivoAtomico(caminho, bytes.data());
}

} // namespace corvel::relatorio
