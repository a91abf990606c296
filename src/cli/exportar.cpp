// corvel-cli exportar: a project file to the own CSV or space-separated text file, as the export
// commands of the main window write it.
#include "argumentos.h"
#include "comandos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/plataforma.h"
#include "core/tabelaserie.h"
#include "exchange/exportacaotexto.h"
#include "exchange/exportaexcel.h"

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
    const auto formato = [&o](std::optional<FormatoTexto> f) {
        if (o.formato || o.planilha)
            throw ErroUso{QStringLiteral("escolha um formato só: --csv, --txt ou --xlsx")};
        if (f)
            o.formato = f;
        else
            o.planilha = true;
    };
    o.projeto =
        lerArgumentos(
            argumentos,
            {{"--csv", 0, [&](const QStringList&) { formato(FormatoTexto::Csv); }},
             {"--txt", 0, [&](const QStringList&) { formato(FormatoTexto::Txt); }},
             {"--xlsx", 0, [&](const QStringList&) { formato(std::nullopt); }},
             {"-o", 1, [&](const QStringList& v) { o.saida = v[0]; }, "-o pede o nome do arquivo"},
             {"--substituir", 0, [&](const QStringList&) { o.substituir = true; }}})
            .value(0);
    if (o.projeto.isEmpty()) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (!o.formato && !o.planilha)
        throw ErroUso{QStringLiteral("escolha o formato: --csv, --txt ou --xlsx")};
    if (o.saida.isEmpty()) throw ErroUso{QStringLiteral("informe o arquivo a escrever com -o")};
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
        TExportaExcel::escrever(destino, tabelaDaSerie(bancada.serie), QString::number(codigo));
    } else {
        exportarTexto(bancada.serie, destino, *o.formato);
    }
    saida << QFileInfo(destino).fileName() << ": " << bancada.serie.tamanho() << " meses\n";
    return 0;
}

} // namespace corvel::cli
