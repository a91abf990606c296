// The drawing module corvel-cli opens only when a command draws (resumo --pdf): it brings Qt
// Widgets and Charts, which every other command would otherwise load at its start for nothing.
// Two C entry points, so nothing but plain calls crosses the boundary.
#include "resumo/modulofichas.h"

#include "core/erros.h"
#include "ui/fichavazoes.h"

#include <QApplication>
#include <new>

extern "C" Q_DECL_EXPORT QCoreApplication* corvel_criar_aplicacao(int* argc, char** argv) {
    // Charts need a window system; a batch on a server has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(*argc, argv);
}

extern "C" Q_DECL_EXPORT bool corvel_ficha_pdf(const corvel::FichaReferencia* ficha,
                                               QByteArray* pdf, QString* erro) {
    try {
        *pdf = corvel::ui::fichaEmPdf(*ficha);
        return true;
    } catch (const corvel::Erro& e) {
        *erro = e.mensagem();
    } catch (const std::bad_alloc&) {
        *erro = QStringLiteral("memória insuficiente");
    }
    return false;
}
