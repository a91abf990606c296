// Print previews in the program's form.
#include "previa.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTimer>

namespace corvel::ui {

namespace {

// "55.8%" as the locale writes it: "55,8 %".
QString noLocal(QString texto) {
    texto.replace(u'.', u',');
    static const QRegularExpression porcento(QStringLiteral("\\s*%$"));
    return texto.replace(porcento, QStringLiteral(" %"));
}

// Qt reads the zoom box with a decimal point and no space: the text goes back to that form just
// before Qt reads it (Enter, or the box losing the focus).
class LeituraDoZoom : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        auto* campo = qobject_cast<QLineEdit*>(alvo);
        const bool enter = evento->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Enter);
        if (campo && (enter || evento->type() == QEvent::FocusOut))
            campo->setText(campo->text().replace(u',', u'.').remove(u' '));
        return false;
    }
};

} // namespace

void prepararPrevia(QPrintPreviewDialog& previa) {
    previa.setWindowState(previa.windowState() | Qt::WindowMaximized);
    auto* pagina = previa.findChild<QPrintPreviewWidget*>();
    if (pagina) pagina->setZoomMode(QPrintPreviewWidget::FitToWidth);
    // The dialog checks "Fit page" as it opens: once shown, "Fit width" instead.
    QTimer::singleShot(0, &previa, [&previa, pagina] {
        for (QAction* a : previa.findChildren<QAction*>())
            if (a->objectName() == u"fitWidthAction") {
                a->trigger();
                return;
            }
        if (pagina) pagina->setZoomMode(QPrintPreviewWidget::FitToWidth);
    });

    auto* zoom = previa.findChild<QComboBox*>();
    if (!zoom || !pagina) return;
    for (int i = 0; i < zoom->count(); ++i)
        zoom->setItemText(i, noLocal(zoom->itemText(i)));
    const auto atualizar = [zoom] {
        if (zoom->lineEdit()) zoom->lineEdit()->setText(noLocal(zoom->lineEdit()->text()));
    };
    // After the dialog's own update of the box, which is connected first.
    QObject::connect(pagina, &QPrintPreviewWidget::previewChanged, zoom, atualizar);
    if (QLineEdit* campo = zoom->lineEdit()) {
        campo->installEventFilter(new LeituraDoZoom(campo));
        // Queued: after the dialog has read the box and written it back its own way.
        QObject::connect(campo, &QLineEdit::returnPressed, zoom, atualizar, Qt::QueuedConnection);
        QObject::connect(campo, &QLineEdit::editingFinished, zoom, atualizar,
                         Qt::QueuedConnection);
    }
    atualizar();
}

} // namespace corvel::ui
