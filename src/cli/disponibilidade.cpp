// corvel-cli disponibilidade: the availability diagram of every project file of a folder, printed
// as CSV, optionally saved as a ".dgv" diagram and exported as the coloured workbook.
#include "argumentos.h"
#include "comandos.h"

#include "availability/adicao.h"
#include "availability/textosdiagrama.h"
#include "core/erros.h"
#include "exchange/csvresultado.h"
#include "exchange/exportaexcel2.h"

#include <QFileInfo>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString pasta;
    std::optional<std::pair<QString, QString>> periodo;
    QString diagrama;
    QString planilha;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    o.pasta =
        lerArgumentos(argumentos, {{"--periodo", 2,
                                    [&](const QStringList& v) {
                                        o.periodo = {v[0], v[1]};
                                    },
                                    "--periodo pede o ano inicial e o ano final"},
                                   {"-o", 1, [&](const QStringList& v) { o.diagrama = v[0]; },
                                    "-o pede um arquivo"},
                                   {"--xlsx", 1, [&](const QStringList& v) { o.planilha = v[0]; },
                                    "--xlsx pede um arquivo"}})
            .value(0);
    if (o.pasta.isEmpty()) throw ErroUso{QStringLiteral("informe a pasta dos projetos (.cvl)")};
    if (!o.periodo)
        throw ErroUso{QStringLiteral("informe o período: --periodo ANO_INICIAL ANO_FINAL")};
    return o;
}

} // namespace

int executarDisponibilidade(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    const PeriodoDiagrama periodo = lerPeriodoDiagrama(o.periodo->first, o.periodo->second);
    if (!QFileInfo(o.pasta).isDir())
        throw Erro(QStringLiteral("A pasta \"%1\" não existe.").arg(o.pasta));
    const QStringList arquivos = projetosDaPasta(o.pasta);
    if (arquivos.isEmpty())
        throw Erro(
            QStringLiteral("A pasta \"%1\" não tem arquivos de projeto (.cvl).").arg(o.pasta));

    Diagrama diagrama = novoDiagrama(periodo);
    const ResultadoAdicao r = adicionarProjetos(diagrama, arquivos);
    const TabelaExibida tabela = tabelaExibidaDiagrama(diagrama);
    for (const QString& t : rotulos(tabela))
        saida << t << ';';
    saida << '\n';
    for (const auto& linha : textos(tabela)) {
        for (const QString& v : linha)
            saida << v << ';';
        saida << '\n';
    }
    saida.flush();

    if (!o.diagrama.isEmpty()) gravarDiagrama(ajustarExtensaoDiagrama(o.diagrama), diagrama);
    if (!o.planilha.isEmpty())
        TExportaExcel_2::escrever(o.planilha, tabela, QString::fromUtf8(kTituloPlanilhaDiagrama));

    escreverNaSaidaDeErros(QStringLiteral("%1 estação(ões) no diagrama, %2 arquivo(s) com estação "
                                          "repetida ignorado(s)")
                               .arg(r.adicionadas)
                               .arg(r.repetidas));
    if (const auto m = r.mensagem()) {
        escreverNaSaidaDeErros(m->texto);
        return 1; // the diagram is written, but a script must notice the files left out
    }
    return 0;
}

} // namespace corvel::cli
