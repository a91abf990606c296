// Chart saving and printing.
#include "graficos.h"

#include "saidas.h"

#include "core/gravacao.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QImageWriter>
#include <QLogValueAxis>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace corvel::ui {

void prepararGrafico(QChart& grafico) {
    grafico.setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    grafico.setLocalizeNumbers(true);
}

namespace {

// 1, 2 or 5 × 10ⁿ, the smallest not below `bruto`.
double passoRedondo(double bruto) {
    if (!(bruto > 0) || !std::isfinite(bruto)) return 1;
    const double p = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= bruto * (1 - 1e-9)) return m * p;
    return 10 * p;
}

// The range changes under fixed ticks first: with the dynamic ticks of a former, much narrower
// range, the axis would lay out hundreds of thousands of ticks for a moment.
void marcarEixo(QValueAxis* eixo, double de, double ate, double ancora, double passo) {
    eixo->setTickType(QValueAxis::TicksFixed);
    eixo->setRange(de, ate);
    eixo->setTickAnchor(ancora);
    eixo->setTickInterval(passo);
    eixo->setTickType(QValueAxis::TicksDynamic);
    const int casas = std::max(0, static_cast<int>(std::ceil(-std::log10(passo) - 1e-9)));
    eixo->setLabelFormat(QStringLiteral("%.%1f").arg(casas));
}

} // namespace

void ajustarEixo(QValueAxis* eixo, double menor, double maior, int marcas) {
    if (!std::isfinite(menor) || !std::isfinite(maior)) menor = maior = 0;
    if (maior <= menor) maior = menor + 1;
    const double passo = passoRedondo((maior - menor) / std::max(1, marcas));
    const double inicio = std::floor(menor / passo) * passo, fim = std::ceil(maior / passo) * passo;
    marcarEixo(eixo, inicio, fim, inicio, passo);
}

void ajustarEixoExato(QValueAxis* eixo, double menor, double maior, int marcas) {
    if (maior <= menor) maior = menor + 1;
    const double passo = passoRedondo((maior - menor) / std::max(1, marcas));
    marcarEixo(eixo, menor, maior, std::ceil(menor / passo) * passo, passo);
}

void ajustarEixoLogaritmico(QLogValueAxis* eixo, double menor, double maior) {
    if (!(menor > 0) || !std::isfinite(menor) || !(maior >= menor) || !std::isfinite(maior))
        menor = maior = 1;
    const double de = std::floor(std::log10(menor));
    double ate = std::ceil(std::log10(maior));
    if (ate <= de) ate = de + 1; // a flat curve still gets a decade
    eixo->setBase(10);
    eixo->setRange(std::pow(10.0, de), std::pow(10.0, ate));
    eixo->setMinorTickCount(8);
    // With the chart's numbers localised a bare "%g" leaves the labels blank; a precision keeps
    // them ("1.000", "0,01").
    eixo->setLabelFormat(QStringLiteral("%.6g"));
}

namespace {
// Pixels a label may run past the plot's right edge: the chart's right margin, less a little.
constexpr double kMargemDireita = 6;
} // namespace

void distribuirRotulos(QCategoryAxis* eixo, const std::vector<std::pair<double, QString>>& rotulos,
                       double largura, double inicio, double fim) {
    for (const QString& r : eixo->categoriesLabels())
        eixo->remove(r);
    if (rotulos.empty() || fim <= inicio) return;
    const QFontMetricsF medida(eixo->labelsFont());
    double maisLargo = 0;
    for (const auto& [valor, texto] : rotulos)
        maisLargo = std::max(maisLargo, medida.horizontalAdvance(texto));
    const double porUnidade = largura / (fim - inicio); // pixels between two consecutive values
    const double distancia = rotulos.size() > 1 ? (rotulos.back().first - rotulos.front().first) /
                                                      double(rotulos.size() - 1)
                                                : 1;
    const auto passo = static_cast<std::size_t>(
        std::max(1.0, std::ceil((maisLargo + 12) / std::max(1e-9, porUnidade * distancia))));
    for (std::size_t i = 0; i < rotulos.size(); i += passo) {
        // A label centred near the right end would run past the plot and the chart's narrow
        // margin, and be cut ("27/04/200"): it is left out.
        const double sobra = (fim - rotulos[i].first) * porUnidade + kMargemDireita;
        if (i > 0 && medida.horizontalAdvance(rotulos[i].second) / 2 > sobra) break;
        QString texto = rotulos[i].second;
        while (eixo->categoriesLabels().contains(texto))
            texto += u' '; // the axis wants distinct labels
        eixo->append(texto, rotulos[i].first);
    }
    eixo->setStartValue(inicio);
    eixo->setRange(inicio, fim);
}

namespace {
constexpr int kAlinhamentoRodape = 0; // item data: where the foot sits
} // namespace

QGraphicsSimpleTextItem* rodapeDoGrafico(QChart* grafico, const QColor& cor,
                                         Qt::Alignment alinhamento) {
    auto* item = new QGraphicsSimpleTextItem(grafico);
    item->setData(kAlinhamentoRodape, static_cast<int>(alinhamento));
    item->setBrush(cor);
    QFont f = item->font();
    f.setPointSizeF(f.pointSizeF() * 0.95);
    item->setFont(f);
    grafico->setMargins(QMargins(8, 8, 8, 24));
    QObject::connect(grafico, &QChart::geometryChanged, grafico,
                     [item] { mudarRodape(item, item->text()); });
    return item;
}

void mudarRodape(QGraphicsSimpleTextItem* item, const QString& texto) {
    item->setText(texto);
    if (auto* grafico = qobject_cast<QChart*>(item->parentObject())) {
        const QRectF r = grafico->rect();
        const double largura = item->boundingRect().width();
        const bool direita = item->data(kAlinhamentoRodape).toInt() & Qt::AlignRight;
        item->setPos(direita ? r.right() - largura - 12 : r.center().x() - largura / 2,
                     r.bottom() - 22);
    }
}

bool salvarGrafico(QChartView& grafico, ServicoDialogos& dialogos, const QString& nomeProposto) {
    const auto arquivo =
        pedirArquivoParaGravar(dialogos, {QStringLiteral("Salvar gráfico"),
                                          QStringLiteral("Bitmap (*.bmp);;Imagem PNG (*.png)"),
                                          QStringLiteral("bmp"), nomeProposto});
    if (!arquivo) return false;
    try {
        gravarImagemGrafico(grafico, *arquivo);
    } catch (const Erro& e) {
        dialogos.mostrar(e);
        return false;
    }
    return true;
}

void gravarImagemGrafico(QChartView& grafico, const QString& arquivo) {
    const bool png = QFileInfo(arquivo).suffix().compare(u"png", Qt::CaseInsensitive) == 0;
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QImageWriter escritor(&bytes, png ? "PNG" : "BMP");
    if (!escritor.write(grafico.grab().toImage()))
        throw ErroArquivo(mensagemFalhaGravacao(arquivo, escritor.errorString()));
    gravarArquivoAtomico(arquivo, bytes.data());
}

void desenharProporcional(QChartView& grafico, QPaintDevice& destino) {
    QPainter painter(&destino);
    const QSizeF origem = grafico.size();
    const QRectF pagina(0, 0, destino.width(), destino.height());
    QSizeF alvo = origem;
    alvo.scale(pagina.size(), Qt::KeepAspectRatio);
    const QRectF area(pagina.topLeft() + QPointF((pagina.width() - alvo.width()) / 2, 0), alvo);
    grafico.render(&painter, area);
}

bool imprimirGrafico(QChartView& grafico, ServicoDialogos& dialogos) {
    if (!dialogos.pergunta(QStringLiteral("Deseja imprimir o gráfico na impressora padrão?")))
        return false;
    // Without a printer Qt would print to nowhere and say nothing.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        dialogos.mensagem(Gravidade::Aviso,
                          QStringLiteral("Nenhuma impressora padrão foi encontrada neste "
                                         "computador. Use \"Salvar\" para gravar o gráfico como "
                                         "imagem."));
        return false;
    }
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageOrientation(QPageLayout::Landscape);
    desenharProporcional(grafico, impressora);
    return true;
}

} // namespace corvel::ui
