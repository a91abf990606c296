// Application-wide set-up shared by the program and the window tests.
#include "aplicacao.h"

#include "comando.h"

#include "core/formato.h"
#include "core/projeto.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

// Resources compiled into a static library register only when asked.
static void registrarRecursos() {
    Q_INIT_RESOURCE(corvel);
}

namespace corvel::ui {

namespace {
// Hints appear after 250 ms.
class EstiloCorvel : public QProxyStyle {
  public:
    int styleHint(StyleHint dica, const QStyleOption* opcao, const QWidget* widget,
                  QStyleHintReturn* retorno) const override {
        if (dica == SH_ToolTip_WakeUpDelay) return 250;
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};
} // namespace

bool AplicacaoCorvel::notify(QObject* receptor, QEvent* evento) {
    bool tratado = false;
    DialogosQt semJanela;
    executarComando(dialogos_ ? *dialogos_ : semJanela,
                    [&] { tratado = QApplication::notify(receptor, evento); });
    return tratado;
}

void configurarAplicacao(QApplication& app) {
    registrarRecursos();
    numerosDaBibliotecaCEmFormaPadrao();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    app.setApplicationName(QString::fromLatin1(kNomeProduto));
    app.setApplicationDisplayName(QString());
    auto* traducao = new QTranslator(&app);
    if (traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(traducao);
    app.setStyle(new EstiloCorvel);
    app.setStyleSheet(QStringLiteral("QToolTip { background-color: white; color: black; "
                                     "border: 1px solid #7f9db9; padding: 3px; }"));
}

} // namespace corvel::ui
