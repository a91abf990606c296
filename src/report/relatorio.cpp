// Pagination and QPainter rendering of the banded reports.
#include "relatorio.h"

#include "core/erros.h"
#include "core/formato.h"
#include "core/gravacao.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace corvel::relatorio {

void TirarGrade(Relatorio& relatorio, int colunas) {
    relatorio.colunas.assign(static_cast<std::size_t>(colunas), Coluna{});
    relatorio.linhas.clear();
    relatorio.colunasComMoldura = colunas;
}

int linhasDaNota(const QString& nota) {
    return std::max(1, static_cast<int>((nota.size() + 109) / 110));
}

namespace {
double alturaNotas(const Relatorio& r, const Medidas& m) {
    double h = 0;
    for (const QString& n : r.notas)
        h += m.nota * linhasDaNota(n);
    return h;
}

double alturaFixa(const Relatorio& r, const Medidas& m) {
    return m.titulo + m.linhaCabecalho * static_cast<double>(r.cabecalho.size()) + m.tituloColunas +
           m.rodape;
}
} // namespace

std::vector<Pagina> paginar(const Relatorio& r, const Medidas& m) {
    const double util = m.altura - 2 * m.margem - alturaFixa(r, m);
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
        if (usado + alturaNotas(r, m) <= util) {
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
    Desenho(QPainter& p, QPaintDevice& d, const Relatorio& r, const Medidas& m)
        : p_(p), r_(r), m_(m), k_(d.logicalDpiY() / 72.0) {
        double soma = 0;
        for (const Coluna& c : r.colunas)
            soma += c.peso;
        double x = m.margem;
        for (const Coluna& c : r.colunas) {
            const double w = soma > 0 ? (m.largura - 2 * m.margem) * c.peso / soma : 0;
            xs_.push_back({x, w});
            x += w;
        }
    }

    void pagina(const Pagina& pg, int total) {
        double y = m_.margem;
        QFont titulo = fonte(13, true);
        texto(QRectF(m_.margem, y, m_.largura - 2 * m_.margem, m_.titulo), r_.titulo, titulo,
              Qt::AlignHCenter | Qt::AlignVCenter);
        y += m_.titulo;
        for (const QString& l : r_.cabecalho) {
            texto(QRectF(m_.margem, y, m_.largura - 2 * m_.margem, m_.linhaCabecalho), l, fonte(9),
                  Qt::AlignLeft | Qt::AlignVCenter);
            y += m_.linhaCabecalho;
        }
        for (std::size_t c = 0; c < xs_.size(); ++c)
            celula(c, y, m_.tituloColunas, r_.colunas[c].titulo, fonte(8, true), Qt::AlignCenter,
                   true);
        y += m_.tituloColunas;
        for (int l = pg.primeiraLinha; l < pg.fimLinhas; ++l) {
            const auto& linha = r_.linhas[static_cast<std::size_t>(l)];
            for (std::size_t c = 0; c < xs_.size(); ++c)
                celula(c, y, m_.linha, c < linha.size() ? linha[c] : QString(), fonte(8),
                       r_.colunas[c].alinhamento, static_cast<int>(c) < r_.colunasComMoldura);
            y += m_.linha;
        }
        if (pg.notas) {
            y += 4;
            for (const QString& n : r_.notas) {
                const double h = m_.nota * linhasDaNota(n);
                const QRectF area(m_.margem * k_, y * k_, (m_.largura - 2 * m_.margem) * k_,
                                  h * k_);
                p_.setFont(fonte(8));
                p_.setPen(Qt::black);
                p_.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, n);
                y += h;
            }
        }
        const double yRodape = m_.altura - m_.margem - m_.rodape;
        const QRectF faixa(m_.margem, yRodape + m_.rodape / 2, m_.largura - 2 * m_.margem,
                           m_.rodape / 2);
        texto(QRectF(m_.margem, yRodape, m_.largura - 2 * m_.margem, m_.rodape / 2),
              textoContinua(pg.numero, total), fonte(8, false, true),
              Qt::AlignRight | Qt::AlignVCenter);
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
    QFont fonte(double pontos, bool negrito = false, bool italico = false) const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(pontos);
        f.setBold(negrito);
        f.setItalic(italico);
        return f;
    }
    void texto(const QRectF& pontos, const QString& t, const QFont& f, Qt::Alignment a) {
        const QRectF area(pontos.x() * k_, pontos.y() * k_, pontos.width() * k_,
                          pontos.height() * k_);
        p_.setFont(f);
        p_.setPen(Qt::black);
        const QString cabe =
            QFontMetricsF(f, p_.device()).elidedText(t, Qt::ElideRight, area.width());
        p_.drawText(area, static_cast<int>(a), cabe);
    }
    void celula(std::size_t c, double y, double h, const QString& t, const QFont& f,
                Qt::Alignment a, bool moldura) {
        const auto [x, w] = xs_[c];
        if (moldura) {
            p_.setPen(QPen(Qt::black, 0.5 * k_));
            p_.drawRect(QRectF(x * k_, y * k_, w * k_, h * k_));
        }
        texto(QRectF(x + 2, y, w - 4, h), t, f, a);
    }

    QPainter& p_;
    const Relatorio& r_;
    const Medidas& m_;
    double k_; // device units per point
    std::vector<std::pair<double, double>> xs_;
};

} // namespace

void renderizar(QPainter& painter, QPagedPaintDevice& dispositivo, const Relatorio& r,
                const Medidas& m) {
    const std::vector<Pagina> paginas = paginar(r, m);
    Desenho d(painter, dispositivo, r, m);
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) dispositivo.newPage();
        d.pagina(paginas[i], static_cast<int>(paginas.size()));
    }
}

void gravarPdf(const QString& caminho, const Relatorio& r, const Medidas& m) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(r.titulo);
    pdf.setCreator(QStringLiteral("Corvel 1.0"));
    QPainter painter;
    if (!painter.begin(&pdf))
        throw ErroArquivo(QStringLiteral("Não foi possível gravar o arquivo \"%1\".")
                              .arg(QFileInfo(caminho).fileName()));
    renderizar(painter, pdf, r, m);
    painter.end();
    gravarArquivoAtomico(caminho, bytes.data());
}

} // namespace corvel::relatorio
