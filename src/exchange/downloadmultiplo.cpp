// Multi-station download: one station at a time into the workbench and its file, and the log.
#include "downloadmultiplo.h"

#include "windows1252.h"

#include "core/gravacao.h"

#include <QDir>

namespace corvel {

QString pastaDestino(const QString& selecionada, const QString& nome) {
    const QString n = nome.trimmed();
    if (n.isEmpty()) return selecionada;
    return QDir::cleanPath(selecionada + u'/' + n);
}

QString perguntaPastaExistente(const QString& pasta) {
    return QDir::toNativeSeparators(pasta) + kQuebraLinha +
           QStringLiteral("Uma pasta com esse nome já existe. ") +
           QStringLiteral("Se houver arquivos de mesmo nome eles serão sobreescritos. Deseja "
                          "continuar?");
}

QString textoEstacaoEmCurso(const QString& codigo) {
    return QStringLiteral("Baixando a estação:") + codigo;
}

QString textoContagemDownload(qsizetype i, qsizetype n) {
    return QStringLiteral("Baixando a %1ª estação de uma lista de %2 estações.").arg(i).arg(n);
}

QString tituloWebservice(const QString& arquivo) {
    if (arquivo.isEmpty()) return QStringLiteral("Webservice");
    return QStringLiteral("Webservice (") + QDir::toNativeSeparators(arquivo) + u')';
}

DownloadMultiplo::DownloadMultiplo(Bancada& bancada, QString pasta, QStringList codigos,
                                   PastasServico pastas, DadosBrutos brutos)
    : bancada_(bancada), pasta_(std::move(pasta)), codigos_(std::move(codigos)),
      pastas_(std::move(pastas)), brutos_(brutos) {
    log_ << QStringLiteral("Destino:") << QDir::toNativeSeparators(pasta_);
}

EstacaoBaixada DownloadMultiplo::baixar(qsizetype i, const Requisicao& requisicao) {
    EstacaoBaixada e;
    e.codigo = codigos_.at(i).trimmed();
    const QString estacao = QStringLiteral("Estação ") + e.codigo + QStringLiteral(": ");
    // Detail lines (the service's reason, the cause of a failure) are indented under the
    // station's line.
    auto detalhe = [this](const QString& texto) {
        if (!texto.isEmpty()) log_ << QStringLiteral("  ") + texto.simplified();
    };
    // The open project is the last station copied: a station that is not copied leaves none.
    // A failure of the request or of the conversion stops the download; the user's message
    // travels back, the cause goes to the log.
    auto interromper = [&](SituacaoEstacao situacao, const ErroComCausa& erro,
                           const QString& linha) {
        bancada_.fechar();
        e.situacao = situacao;
        e.mensagem = erro.mensagem();
        log_ << estacao + linha;
        detalhe(erro.causa());
        return e;
    };
    VazoesBaixadas v;
    try {
        v = baixarVazoes(requisicao, e.codigo, pastas_, brutos_);
    } catch (const ErroServico& erro) {
        return interromper(SituacaoEstacao::FalhaConexao, erro,
                           QStringLiteral("falha de conexão; importação interrompida."));
    } catch (const ErroConversaoServico& erro) {
        return interromper(SituacaoEstacao::FalhaConversao, erro,
                           QStringLiteral("erro ao converter os dados; importação interrompida."));
    } catch (const Erro& erro) { // a list entry that is not a station code
        bancada_.fechar();
        log_ << estacao + QStringLiteral("Não foi copiada.");
        detalhe(erro.mensagem());
        return e;
    }
    e.registros = v.importacao.serie.tamanho();
    log_ << estacao + QStringLiteral("%1 registro(s) encontrado(s).").arg(e.registros);
    if (e.registros == 0) {
        log_ << estacao + QStringLiteral("Não foi copiada.");
        if (v.recusa) detalhe(QStringLiteral("O servidor respondeu: ") + *v.recusa);
        bancada_.fechar();
        return e;
    }
    const QString arquivo = QDir(pasta_).filePath(e.codigo + QStringLiteral(".cvl"));
    try {
        assumirVazoes(bancada_, std::move(v), arquivo);
    } catch (const Erro& erro) {
        log_ << estacao + QStringLiteral("Não foi copiada.");
        detalhe(erro.mensagem());
        return e;
    }
    e.situacao = SituacaoEstacao::Copiada;
    e.arquivo = arquivo;
    log_ << estacao + QStringLiteral("Foi copiada com sucesso.");
    return e;
}

std::optional<EstacaoBaixada>
DownloadMultiplo::executar(const Requisicao& requisicao,
                           const std::function<void(qsizetype i)>& antes,
                           const std::function<void(const EstacaoBaixada&)>& depois) {
    std::optional<EstacaoBaixada> ultima;
    for (qsizetype i = 0; i < total() && !cancelado_; ++i) {
        if (antes) antes(i);
        ultima = baixar(i, requisicao);
        if (depois) depois(*ultima);
        if (ultima->situacao == SituacaoEstacao::FalhaConexao ||
            ultima->situacao == SituacaoEstacao::FalhaConversao)
            break;
    }
    return ultima;
}

void DownloadMultiplo::cancelar() {
    if (cancelado_) return;
    cancelado_ = true;
    log_ << QStringLiteral("Ação cancelada pelo usuário.") << QStringLiteral("Cancelando...");
}

QString DownloadMultiplo::arquivoRelatorio() const {
    return QDir(pasta_).filePath(QString::fromLatin1(kArquivoRelatorioImportacao));
}

void DownloadMultiplo::concluir() {
    // The file holds what came before "Concluído", which only the window shows.
    const QByteArray texto =
        codificarWindows1252(log_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    try {
        gravarArquivoAtomico(arquivoRelatorio(), texto);
    } catch (const Erro&) {
        log_ << QStringLiteral("Concluído");
        throw;
    }
    log_ << QStringLiteral("Concluído");
}

} // namespace corvel
