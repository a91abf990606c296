// Labelled toolbar icons.
#include "icones.h"

#include <QPainter>
#include <QPixmap>

namespace corvel::ui {

QIcon iconeRotulo(const QString& rotulo, const QColor& cor, int tamanho) {
    QPixmap p(tamanho, tamanho);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(cor);
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(QRectF(1, 1, tamanho - 2, tamanho - 2), tamanho / 5.0, tamanho / 5.0);
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setBold(true);
    // Four-letter labels need a smaller type to fit.
    f.setPixelSize(tamanho * (rotulo.size() > 3 ? 9 : 11) / 32);
    g.setFont(f);
    g.drawText(p.rect(), Qt::AlignCenter, rotulo);
    return QIcon(p);
}

} // namespace corvel::ui
