// Chart saving and printing.
#include "graficos.h"

#include "saidas.h"

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
    const auto arquivo = pedirArquivoParaGravar(
        dialogos, {QStringLiteral("Salvar gráfico"),
                   QStringLiteral("Bitmap (*.bmp);;Imagem PNG (*.png)"), QStringLiteral("bmp"),
                   nomeProposto});
    if (!arquivo)
        return false;
    const QString formato = QFileInfo(*arquivo).suffix().compare(u"png", Qt::CaseInsensitive) == 0
                                ? QStringLiteral("PNG")
                                : QStringLiteral("BMP");
    QImageWriter escritor(*arquivo, formato.toLatin1());
    if (!escritor.write(grafico.grab().toImage())) {
        dialogos.mensagem(Gravidade::Erro, QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                                               .arg(QFileInfo(*arquivo).fileName(), escritor.errorString()));
        return false;
    }
    return true;
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
