// The chart module corvel-cli loads for the subcommands that draw: a widget application on the
// offscreen platform, and the hydrograph chart written as an image.
#include "cli/modulografico.h"
#include "graficohidrograma.h"

#include "core/erros.h"

#include <QApplication>
#include <cstdio>

extern "C" Q_DECL_EXPORT QCoreApplication* corvel_criar_aplicacao_grafica(int* argc, char** argv) {
    // A command-line tool opens no window, whatever display there is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes (no runtime folder, no window sizes offscreen) are not the user's
    // concern: only failures reach the error output.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
    });
    return new QApplication(*argc, argv);
}

extern "C" Q_DECL_EXPORT bool corvel_gravar_hidrograma(const corvel::Hidrograma* hidrograma,
                                                       const QString* arquivo, int largura,
                                                       int altura, QString* erro) {
    // Nothing may unwind into the program that loaded the module.
    try {
        corvel::ui::gravarHidrograma(*hidrograma, *arquivo, QSize(largura, altura));
        return true;
    } catch (const corvel::Erro& e) {
        *erro = e.mensagem();
    } catch (const std::exception& e) {
        *erro = QString::fromLocal8Bit(e.what());
    }
    return false;
}
