// corvel-cli exportar: a project file to the own CSV or space-separated text file, as the export
// commands of the main window write it.
#include "comandos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "exchange/exportacao_texto.h"
#include "exchange/planilha.h"
#include "exchange/planilhaserie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto, saida;
    std::optional<FormatoTexto> formato;
    bool planilha = false;
    bool substituir = false;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"--csv" || a == u"--txt") {
            const FormatoTexto f = a == u"--csv" ? FormatoTexto::Csv : FormatoTexto::Txt;
            if ((o.formato && *o.formato != f) || o.planilha)
                throw ErroUso{QStringLiteral("escolha um formato só: --csv, --txt ou --xlsx")};
            o.formato = f;
        } else if (a == u"--xlsx") {
            if (o.formato)
                throw ErroUso{QStringLiteral("escolha um formato só: --csv, --txt ou --xlsx")};
            o.planilha = true;
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
    if (!o.formato && !o.planilha)
        throw ErroUso{QStringLiteral("escolha o formato: --csv, --txt ou --xlsx")};
    if (o.saida.isEmpty())
        throw ErroUso{QStringLiteral("informe o arquivo a escrever com -o")};
    return o;
}

} // namespace

int executarExportar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(o.projeto).absoluteFilePath());
    const QString destino = QFileInfo(o.saida).absoluteFilePath();
    if (QFileInfo::exists(destino) && !o.substituir)
        throw Erro(QStringLiteral("%1 já existe; use --substituir para substituí-lo")
                       .arg(QDir::toNativeSeparators(destino)));
    if (o.planilha) {
        // As the window exports right after opening a project: no import in this run, so the
        // situation column is not among the visible ones.
        const qint32 codigo = bancada.serie.vazia() ? 0 : bancada.serie[0].estacaoCodigo;
        TExportaExcel::escrever(destino, tabelaExibidaDaSerie(bancada.serie, bancada.mesesDescartados, false),
                                QString::number(codigo));
    } else {
        exportarTexto(bancada.serie, destino, *o.formato);
    }
    saida << QFileInfo(destino).fileName() << ": " << bancada.serie.tamanho() << " meses\n";
    return 0;
}

} // namespace corvel::cli
