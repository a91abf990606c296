// Read-only header boxes that leave the window's keys to the window.
#include "campos.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace corvel::ui {

namespace {

class AtalhosDaJanela : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        if (evento->type() != QEvent::ShortcutOverride) return false;
        auto* w = qobject_cast<QWidget*>(alvo);
        const QKeySequence tecla(static_cast<QKeyEvent*>(evento)->keyCombination());
        for (const QAction* a : w->window()->findChildren<QAction*>())
            if (a->isEnabled() && a->shortcuts().contains(tecla))
                return true; // not accepted: the shortcut system delivers it to the window
        return false;
    }
};

} // namespace

void deixarPassarAtalhos(QWidget* campo) {
    campo->installEventFilter(new AtalhosDaJanela(campo));
}

QLineEdit* campoSomenteLeitura(QWidget* pai, const char* nome) {
    auto* c = new QLineEdit(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setReadOnly(true);
    c->setFocusPolicy(Qt::ClickFocus);
    deixarPassarAtalhos(c);
    return c;
}

} // namespace corvel::ui
