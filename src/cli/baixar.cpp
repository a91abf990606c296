// corvel-cli baixar: one station from the agency's web service to a project file, or a list of
// stations into a folder with the download log, as the web-service window does it.
#include "argumentos.h"
#include "comandos.h"
#include "resumoimportacao.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/projeto.h"
#include "exchange/clienteservico.h"
#include "exchange/downloadmultiplo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString codigo, saida, lista, pasta;
    bool substituir = false;
    DadosBrutos brutos = DadosBrutos::SoSemConsistidos;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    o.codigo =
        lerArgumentos(
            argumentos,
            {{"-o", 1, [&](const QStringList& v) { o.saida = v[0]; }, "-o pede o nome do projeto"},
             {"--lista", 1, [&](const QStringList& v) { o.lista = v[0]; },
              "--lista pede o arquivo com os códigos das estações"},
             {"--pasta", 1, [&](const QStringList& v) { o.pasta = v[0]; },
              "--pasta pede a pasta de destino"},
             {"--substituir", 0, [&](const QStringList&) { o.substituir = true; }},
             {"--completar-brutos", 0,
              [&](const QStringList&) { o.brutos = DadosBrutos::CompletarSerie; }}})
            .value(0);
    if (o.lista.isEmpty() == o.codigo.isEmpty())
        throw ErroUso{QStringLiteral("informe o código de uma estação ou --lista")};
    if (!o.lista.isEmpty() && (o.pasta.isEmpty() || !o.saida.isEmpty()))
        throw ErroUso{QStringLiteral("--lista pede --pasta (e não -o)")};
    if (o.lista.isEmpty() && !o.pasta.isEmpty())
        throw ErroUso{QStringLiteral("--pasta vale só com --lista")};
    return o;
}

// The codes of a list file: the first field of each line (up to ';', a tab or a space), so the
// output of corvel-cli estacoes serves as it is. Empty lines, lines starting with '#' and the
// column title "Codigo" are skipped.
QStringList lerCodigos(const QString& arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw Erro(QStringLiteral("não foi possível ler %1: %2")
                       .arg(QDir::toNativeSeparators(arquivo), f.errorString()));
    QStringList codigos;
    int numero = 0;
    for (const QByteArray& bruta : f.readAll().split('\n')) {
        ++numero;
        const QString linha = QString::fromUtf8(bruta).trimmed();
        if (linha.isEmpty() || linha.startsWith(u'#')) continue;
        const QString codigo = linha.section(QRegularExpression(QStringLiteral("[;\\t ]")), 0, 0);
        if (codigo.compare(u"Codigo", Qt::CaseInsensitive) == 0) continue;
        try {
            lerCodigoEstacao(codigo);
        } catch (const Erro& e) {
            throw Erro(QStringLiteral("%1, linha %2: %3")
                           .arg(QFileInfo(arquivo).fileName())
                           .arg(numero)
                           .arg(e.mensagem()));
        }
        codigos << codigo;
    }
    if (codigos.isEmpty())
        throw Erro(QStringLiteral("%1 não tem nenhum código de estação")
                       .arg(QFileInfo(arquivo).fileName()));
    return codigos;
}

int baixarUma(const Opcoes& o, Bancada& bancada, ClienteServico& cliente, QTextStream& saida) {
    const QString nome =
        o.saida.isEmpty() ? o.codigo.trimmed() + QString::fromLatin1(kExtensaoProjeto) : o.saida;
    const QString projeto = QFileInfo(ajustarExtensaoProjeto(nome)).absoluteFilePath();
    if (QFileInfo::exists(projeto) && !o.substituir)
        throw Erro(QStringLiteral("%1 já existe; use --substituir para substituí-lo")
                       .arg(QDir::toNativeSeparators(projeto)));
    VazoesBaixadas v;
    const QString caminho = caminhoVazoes(o.codigo.trimmed());
    try {
        v = baixarVazoes(cliente.requisicao(), o.codigo, PastasServico::de(bancada), o.brutos);
    } catch (const ErroServico& e) {
        // One line that says where and why, in place of the window's list of possible causes.
        throw Erro(
            QStringLiteral("falha na requisição %1: %2").arg(cliente.url(caminho), e.causa()));
    } catch (const ErroConversaoServico& e) {
        throw Erro(e.mensagem() + QStringLiteral(": ") + e.causa());
    }
    if (v.importacao.serie.vazia()) {
        QString m = QString::fromUtf8(kMsgSerieVazia);
        if (v.recusa && !v.recusa->isEmpty())
            m += QStringLiteral(" Resposta do servidor: %1").arg(*v.recusa);
        throw Erro(m);
    }
    const int nivel = v.importacao.nivelConsistencia;
    const int duplicados = v.importacao.duplicadosDescartados;
    const AvisosImportacao avisos = v.importacao.avisos;
    assumirVazoes(bancada, std::move(v), projeto);
    escreverResumoImportacao(saida, bancada, nivel, duplicados, avisos, "baixar");
    return 0;
}

int baixarLista(const Opcoes& o, Bancada& bancada, ClienteServico& cliente, QTextStream& saida) {
    const QStringList codigos = lerCodigos(o.lista);
    const QString pasta = QFileInfo(o.pasta).absoluteFilePath();
    if (!QDir().mkpath(pasta))
        throw Erro(QStringLiteral("Não foi possível criar a pasta \"%1\".")
                       .arg(QDir::toNativeSeparators(pasta)));
    if (!o.substituir)
        for (const QString& c : codigos)
            if (QFileInfo::exists(QDir(pasta).filePath(c + QStringLiteral(".cvl"))))
                throw Erro(QStringLiteral("%1 já existe; use --substituir para substituir os "
                                          "projetos da pasta")
                               .arg(QDir::toNativeSeparators(
                                   QDir(pasta).filePath(c + QStringLiteral(".cvl")))));

    DownloadMultiplo download(bancada, pasta, codigos, PastasServico::de(bancada), o.brutos);
    qsizetype escritas = 0;
    auto escreverLog = [&] {
        for (; escritas < download.log().size(); ++escritas)
            saida << download.log()[escritas] << '\n';
        saida.flush();
    };
    escreverLog();
    const std::optional<EstacaoBaixada> ultima =
        download.executar(cliente.requisicao(), {}, [&](const EstacaoBaixada&) { escreverLog(); });
    download.concluir();
    escreverLog();
    if (ultima && !ultima->mensagem.isEmpty())
        throw Erro(QStringLiteral("importação interrompida na estação %1; o relatório está em %2")
                       .arg(ultima->codigo, QDir::toNativeSeparators(download.arquivoRelatorio())));
    return 0;
}

} // namespace

int executarBaixar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada = Bancada::instalada();
    ClienteServico cliente(lerConfiguracaoServico(bancada.pastaDados));
    return o.lista.isEmpty() ? baixarUma(o, bancada, cliente, saida)
                             : baixarLista(o, bancada, cliente, saida);
}

} // namespace corvel::cli
