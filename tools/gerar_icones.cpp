// Draws the program's icon (the one of resources/icones/corvel.svg: a river's daily flows, a flood
// and its recession, over the river bed) as PNG files in the sizes desktops look for.
//
// Usage: gerar-icones PASTA   writes PASTA/<n>x<n>/apps/corvel.png for each size
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

void desenhar(QPainter& p) {
    // In the SVG's 256 x 256 units.
    QLinearGradient fundo(0, 8, 0, 248);
    fundo.setColorAt(0, QColor(0x2b, 0x7b, 0xd0));
    fundo.setColorAt(1, QColor(0x0d, 0x4a, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setPen(QPen(QColor(0x9c, 0xc8, 0xf2), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 196), QPointF(224, 196));
    QPainterPath rio(QPointF(32, 170));
    rio.cubicTo(58, 168, 66, 160, 80, 150);
    rio.cubicTo(92, 140, 96, 64, 108, 60);
    rio.cubicTo(120, 56, 124, 128, 140, 142);
    rio.cubicTo(152, 152, 160, 120, 170, 116);
    rio.cubicTo(180, 112, 186, 150, 200, 158);
    rio.cubicTo(210, 164, 218, 164, 224, 164);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(rio);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("uso: gerar-icones PASTA\n", stderr);
        return 2;
    }
    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    for (int n : {16, 24, 32, 48, 64, 128, 256}) {
        QImage imagem(n, n, QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        QPainter p(&imagem);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(n / 256.0, n / 256.0);
        desenhar(p);
        p.end();
        const QString destino = QStringLiteral("%1x%1/apps").arg(n);
        if (!pasta.mkpath(destino) ||
            !imagem.save(pasta.filePath(destino + QStringLiteral("/corvel.png")))) {
            std::fprintf(stderr, "gerar-icones: não foi possível gravar o ícone de %d pontos\n", n);
            return 1;
        }
    }
    return 0;
}
