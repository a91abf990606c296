// corvel-cli exportar: a project file to the own CSV or space-separated text file, as the export
// commands of the main window write it.
#include "comandos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "exchange/exportacao_texto.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto, saida;
    std::optional<FormatoTexto> formato;
    bool substituir = false;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"--csv" || a == u"--txt") {
            const FormatoTexto f = a == u"--csv" ? FormatoTexto::Csv : FormatoTexto::Txt;
            if (o.formato && *o.formato != f)
                throw ErroUso{QStringLiteral("escolha --csv ou --txt, não os dois")};
            o.formato = f;
        } else if (a == u"-o") {
            if (++i >= argumentos.size())
                throw ErroUso{QStringLiteral("-o pede o nome do arquivo")};
            o.saida = argumentos[i];
        } else if (a == u"--substituir") {
            o.substituir = true;
        } else if (a.startsWith(u'-') || !o.projeto.isEmpty()) {
            throw ErroUso{QStringLiteral("argumento inesperado: %1").arg(a)};
        } else {
            o.projeto = a;
        }
    }
    if (o.projeto.isEmpty())
        throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (!o.formato)
        throw ErroUso{QStringLiteral("escolha o formato: --csv ou --txt")};
    if (o.saida.isEmpty())
        throw ErroUso{QStringLiteral("informe o arquivo a escrever com -o")};
    return o;
}

} // namespace

int executarExportar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada(QCoreApplication::applicationDirPath());
    bancada.abrirProjeto(QFileInfo(o.projeto).absoluteFilePath());
    const QString destino = QFileInfo(o.saida).absoluteFilePath();
    if (QFileInfo::exists(destino) && !o.substituir)
        throw Erro(QStringLiteral("%1 já existe; use --substituir para substituí-lo")
                       .arg(QDir::toNativeSeparators(destino)));
    exportarTexto(bancada.serie, destino, *o.formato);
    saida << QFileInfo(destino).fileName() << ": " << bancada.serie.tamanho() << " meses\n";
    return 0;
}

} // namespace corvel::cli
