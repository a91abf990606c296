// Requests, answer files and conversions of the agency's web service.
#include "servico.h"

#include "core/arquivotabela.h"
#include "core/formato.h"
#include "core/gravacao.h"
#include "core/pastas.h"
#include "core/projeto.h"

#include <QDir>
#include <QTime>
#include <array>

namespace corvel {

namespace {

// The raw answers are kept only for the curious user; failing to write one does not stop the
// import it belongs to.
void guardarResposta(const PastasServico& pastas, const char* nome, const QByteArray& corpo) {
    const QString pasta = pastas.gravacao();
    if (pasta.isEmpty()) return;
    try {
        QDir().mkpath(pasta);
        gravarArquivoAtomico(QDir(pasta).filePath(QString::fromLatin1(nome)), corpo);
    } catch (const Erro&) {
    }
}

struct CamposVazoes {
    int data, nivel;
    std::array<int, kDiasRegistro> vazao;
    // The method and the days' statuses: -1 where the transformation file gives none (a copy
    // written before they were read).
    int metodo = -1;
    std::array<int, kDiasRegistro> status{};
};

CamposVazoes camposVazoes(const Tabela& t) {
    auto campo = [&](const QString& nome) {
        const int i = t.indiceCampo(nome);
        if (i < 0)
            throw ErroConversaoServico(QStringLiteral("o arquivo %1 não fornece o campo %2")
                                           .arg(QString::fromLatin1(kTransformacaoVazoes), nome));
        return i;
    };
    CamposVazoes c{campo(QStringLiteral("Data")), campo(QStringLiteral("NivelConsistencia")), {}};
    for (int d = 0; d < kDiasRegistro; ++d) {
        c.vazao[std::size_t(d)] = campo(QStringLiteral("Vazao%1").arg(d + 1, 2, 10, QChar(u'0')));
        c.status[std::size_t(d)] =
            t.indiceCampo(QStringLiteral("StatusDia%1").arg(d + 1, 2, 10, QChar(u'0')));
    }
    c.metodo = t.indiceCampo(u"MetodoObtencaoVazoes");
    return c;
}

ResultadoMapeamento mapear(const Mapeamento& transformacao, QByteArrayView corpo) {
    try {
        return aplicarMapeamento(transformacao, corpo);
    } catch (const ErroConversao& e) {
        throw ErroConversaoServico(e.mensagem());
    }
}

} // namespace

QString mensagemFalhaConexao() {
    return QStringLiteral("Ocorreu um erro. Causas possíveis:") + kQuebraLinha +
           QStringLiteral("1) Não há uma conexão com a Internet,") + kQuebraLinha +
           QStringLiteral("2) A conexão não está configurada corretamente,") + kQuebraLinha +
           QStringLiteral("3) Em conexão discada, é necessário efetuar a conexão antes, ou ") +
           kQuebraLinha +
           QStringLiteral("4) O servidor está, temporariamente, com problemas técnicos. Neste "
                          "caso, tente mais tarde.");
}

QString caminhoVazoes(const QString& codigo) {
    return QStringLiteral("/fcthservices/mma.asmx/Vazoes?iEstacao=") + codigo +
           QStringLiteral("&strDataInicial=1/1800&strDataFinal=12/2050");
}

QString caminhoListaEstacoes() {
    return QStringLiteral("/fcthservices/mma.asmx/EstacaoLista?iBacia=0&iSubBacia=0&iEntidade=0&"
                          "iRio=0&iEstado=0&iMunicipio=0&iTipo=1");
}

Mapeamento carregarTransformacao(const char* nome, const PastasServico& pastas) {
    try {
        return lerMapeamento(
            arquivoEmUso(QString::fromLatin1(nome), pastas.dados, pastas.programa));
    } catch (const ErroArquivo& e) {
        throw ErroConversaoServico(e.mensagem());
    }
}

qint32 lerCodigoEstacao(const QString& texto) {
    const QString t = texto.trimmed();
    bool ok = t.size() <= 8 && !t.isEmpty();
    for (QChar c : t)
        ok = ok && c >= u'0' && c <= u'9';
    const qint32 codigo = ok ? t.toInt() : 0;
    if (codigo <= 0) throw Erro(QStringLiteral("Código de estação inválido: '%1'.").arg(texto));
    return codigo;
}

VazoesBaixadas converterVazoes(const Mapeamento& transformacao, QByteArrayView corpo, qint32 codigo,
                               DadosBrutos brutos) {
    ResultadoMapeamento m = mapear(transformacao, corpo);
    const Tabela& t = m.tabela;
    const CamposVazoes c = camposVazoes(t);
    const QString linha = QString::fromUtf8(transformacao.elementoLinha);
    std::array<MesesDoNivel, 3> niveis; // index 1 raw, 2 consisted
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        const std::optional<qint64> nivel = t.inteiro(l, c.nivel);
        if (nivel != 1 && nivel != 2) continue;
        const std::optional<QDateTime> data = t.dataHora(l, c.data);
        if (!data)
            throw ErroConversaoServico(QStringLiteral("%1 %2: sem data").arg(linha).arg(l + 1));
        const QDate d = data->date();
        if (!anoAceito(d))
            throw ErroConversaoServico(
                QStringLiteral("%1 %2: a data %3 está fora do período aceito (%4 a %5)")
                    .arg(linha)
                    .arg(l + 1)
                    .arg(formatarData(d))
                    .arg(kPrimeiroAnoAceito)
                    .arg(kUltimoAnoAceito));
        RegistroMensal r = SerieTabela::novoRegistro(static_cast<qint16>(*nivel));
        r.registroId = double(l + 1);
        r.estacaoCodigo = codigo;
        r.data = QDate(d.year(), d.month(), 1);
        for (int dia = 0; dia < kDiasRegistro; ++dia) {
            r.vazao[std::size_t(dia)] = t.real(l, c.vazao[std::size_t(dia)]);
            if (const int s = c.status[std::size_t(dia)]; s >= 0)
                if (const std::optional<qint64> codigo = t.inteiro(l, s))
                    r.sinal[std::size_t(dia)] = sinalDaAgencia(*codigo);
        }
        if (c.metodo >= 0)
            if (const std::optional<qint64> m = t.inteiro(l, c.metodo); m && *m >= 0 && *m <= 32767)
                r.metodoObtencao = static_cast<qint16>(*m);
        niveis[std::size_t(*nivel)].acrescentar(std::move(r));
    }
    return {escolherNivel(niveis[1], niveis[2], brutos, {}), t.linhas(), std::move(m.recusa)};
}

VazoesBaixadas baixarVazoes(const Requisicao& requisicao, const QString& codigo,
                            const PastasServico& pastas, DadosBrutos brutos) {
    const qint32 numero = lerCodigoEstacao(codigo);
    const RespostaServico r = requisicao(caminhoVazoes(codigo.trimmed()));
    if (!r.sucesso) throw ErroServico(mensagemFalhaConexao(), r.motivo);
    guardarResposta(pastas, kArquivoUltimaEstacao, r.corpo);
    return converterVazoes(carregarTransformacao(kTransformacaoVazoes, pastas), r.corpo, numero,
                           brutos);
}

void assumirVazoes(Bancada& bancada, VazoesBaixadas baixadas, const QString& arquivo) {
    bancada.assumirImportacao(std::move(baixadas.importacao.serie),
                              baixadas.importacao.nivelConsistencia);
    bancada.arquivoProjeto = arquivo;
    bancada.salvar();
}

Tabela converterListaEstacoes(const Mapeamento& transformacao, QByteArrayView corpo) {
    const ResultadoMapeamento m = mapear(transformacao, corpo);
    const Tabela& t = m.tabela;
    const std::array<Campo, 4> campos = {{{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                                          {QStringLiteral("Nome"), TipoCampo::Texto, 50},
                                          {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
                                          {QStringLiteral("Longitude"), TipoCampo::Texto, 17}}};
    std::array<int, 4> origem{};
    for (std::size_t i = 0; i < campos.size(); ++i) {
        origem[i] = t.indiceCampo(campos[i].nome);
        if (origem[i] < 0 || t.campos()[std::size_t(origem[i])].tipo != TipoCampo::Texto)
            throw ErroConversaoServico(
                QStringLiteral("o arquivo %1 não fornece o campo de texto %2")
                    .arg(QString::fromLatin1(kTransformacaoLista), campos[i].nome));
    }
    Tabela lista(std::vector<Campo>(campos.begin(), campos.end()));
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        if (t.texto(l, origem[0]).isEmpty()) continue;
        const qsizetype n = lista.acrescentarLinha();
        for (int i = 0; i < 4; ++i)
            lista.definir(n, i, t.valor(l, origem[std::size_t(i)]));
    }
    if (lista.linhas() == 0) {
        QString causa = QStringLiteral("a resposta não traz nenhuma estação");
        if (m.recusa && !m.recusa->isEmpty()) causa += QStringLiteral(" (%1)").arg(*m.recusa);
        throw ErroConversaoServico(causa);
    }
    return lista;
}

Tabela atualizarListaEstacoes(const Requisicao& requisicao, const PastasServico& pastas) {
    const RespostaServico r = requisicao(caminhoListaEstacoes());
    if (!r.sucesso) throw ErroServico(QString::fromUtf8(kMsgFalhaLista), r.motivo);
    guardarResposta(pastas, kArquivoRespostaLista, r.corpo);
    Tabela lista =
        converterListaEstacoes(carregarTransformacao(kTransformacaoLista, pastas), r.corpo);
    const QString pasta = pastas.gravacao();
    if (!QDir().mkpath(pasta))
        throw ErroArquivo(QStringLiteral("Não foi possível criar a pasta \"%1\".")
                              .arg(QDir::toNativeSeparators(pasta)));
    gravarTabela(QDir(pasta).filePath(QString::fromLatin1(kArquivoListaEstacoes)), lista);
    return lista;
}

QString mensagemListaAtualizada(qint64 milissegundos) {
    return QStringLiteral("Lista de estações atualizadas em ") +
           QTime(0, 0)
               .addMSecs(int(milissegundos % (24LL * 3600 * 1000)))
               .toString(QStringLiteral("hh:mm:ss"));
}

} // namespace corvel
