// corvel-cli importar: an agency text file to a project file, as the import command of the main
// window does it, without the dialogs.
#include "comandos.h"
#include "resumo.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "exchange/importacao_agencia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString arquivo, saida;
    bool substituir = false;
    DadosBrutos brutos = DadosBrutos::SoSemConsistidos;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"-o") {
            if (++i >= argumentos.size())
                throw ErroUso{QStringLiteral("-o pede o nome do projeto")};
            o.saida = argumentos[i];
        } else if (a == u"--substituir") {
            o.substituir = true;
        } else if (a == u"--completar-brutos") {
            o.brutos = DadosBrutos::CompletarSerie;
        } else if (a.startsWith(u'-') || !o.arquivo.isEmpty()) {
            throw ErroUso{QStringLiteral("argumento inesperado: %1").arg(a)};
        } else {
            o.arquivo = a;
        }
    }
    if (o.arquivo.isEmpty())
        throw ErroUso{QStringLiteral("informe o arquivo texto da Vidara (.txt ou .csv)")};
    return o;
}

} // namespace

int executarImportar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada = Bancada::instalada();
    ResultadoImportacao r;
    try {
        r = importarArquivoAgencia(QFileInfo(o.arquivo).absoluteFilePath(),
                                   bancada.inicioAnoHidrologico, o.brutos);
    } catch (const ErroImportacao& e) {
        // One line that also says what was wrong, since no window will show the file.
        throw Erro(e.mensagem() + u' ' + e.causa());
    }
    bancada.assumirImportacao(std::move(r.serie), r.nivelConsistencia);

    const QString nome = o.saida.isEmpty() ? bancada.nomeProposto() : o.saida;
    const QString projeto = QFileInfo(ajustarExtensaoProjeto(nome)).absoluteFilePath();
    if (QFileInfo::exists(projeto) && !o.substituir)
        throw Erro(QStringLiteral("%1 já existe; use --substituir para substituí-lo")
                       .arg(QDir::toNativeSeparators(projeto)));
    bancada.arquivoProjeto = projeto;
    bancada.salvar();
    escreverResumoImportacao(saida, bancada, r.duplicadosDescartados, r.avisos, "importar");
    return 0;
}

} // namespace corvel::cli
