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

// Qt's own Brazilian translation lacks the file types of the file dialogs' lists.
class TraducoesComplementares : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char*, int) const override {
        if (qstrcmp(contexto, "QAbstractFileIconProvider") != 0) return {};
        static const std::pair<const char*, const char*> tabela[] = {
            {"Folder", "Pasta"},  {"File", "Arquivo"},    {"%1 File", "Arquivo %1"},
            {"Drive", "Unidade"}, {"Shortcut", "Atalho"}, {"Alias", "Atalho"}};
        for (const auto& [de, para] : tabela)
            if (qstrcmp(texto, de) == 0) return QString::fromUtf8(para);
        return {};
    }
};

bool portugues(const QByteArray& localidade) {
    return localidade.startsWith("pt");
}

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

void prepararAmbiente() {
    const QByteArray todos = qgetenv("LC_ALL");
    if (!todos.isEmpty() && !portugues(todos)) {
        qputenv("LANG", todos); // what LC_ALL asked for, but for dates
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "pt_BR.UTF-8");
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
    app.installTranslator(new TraducoesComplementares(&app));
    app.setStyle(new EstiloCorvel);
    app.setStyleSheet(QStringLiteral("QToolTip { background-color: white; color: black; "
                                     "border: 1px solid #7f9db9; padding: 3px; }"));
}

} // namespace corvel::ui
