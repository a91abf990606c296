// Chart saving and printing.
#include "graficos.h"

#include "saidas.h"

#include "core/gravacao.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>

namespace corvel::ui {

void prepararGrafico(QChart& grafico) {
    grafico.setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    grafico.setLocalizeNumbers(true);
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
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageOrientation(QPageLayout::Landscape);
    desenharProporcional(grafico, impressora);
    return true;
}

} // namespace corvel::ui
