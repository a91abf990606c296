// corvel: the desktop workbench. One optional argument, a project file to open at start.
#include "core/bancada.h"
#include "core/plataforma.h"
#include "core/versao.h"
#include "ui/TfrmPrincipal.h"
#include "ui/aplicacao.h"
#include "ui/servicodialogos.h"

#include <QApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window system is needed.
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
        std::fputs("corvel " CORVEL_VERSAO "\n", stdout);
        return 0;
    }
    corvel::ui::prepararAmbiente();
    corvel::ui::AplicacaoCorvel app(argc, argv);
    corvel::ui::configurarAplicacao(app);

    QSplashScreen splash(QPixmap(QStringLiteral(":/imagens/logo.png")),
                         Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    splash.setWindowTitle(QStringLiteral("Bem-vindo..."));
    splash.show();
    app.processEvents();

    corvel::Bancada bancada = corvel::Bancada::instalada();
    corvel::ui::DialogosQt dialogos;
    corvel::ui::TfrmPrincipal principal(bancada, dialogos);
    dialogos.definirPai(&principal);
    dialogos.definirAjuda([&principal](int topico) { principal.mostrarAjuda(topico); });
    app.definirDialogos(&dialogos);

    splash.finish(&principal);
    // Without a window manager (a bare X server) maximizing does nothing: fill the screen anyway.
    principal.setGeometry(principal.screen()->availableGeometry());
    principal.showMaximized();
    principal.verificarAjuda();
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() > 1)
        QTimer::singleShot(0, &principal, [&] { principal.abrirArquivo(argumentos.at(1)); });
    return app.exec();
}
