// Workbench state: open, save, save as, reload and close of the project, and the header lines.
#include "bancada.h"

#include "erros.h"
#include "pastas.h"
#include "plataforma.h"

#include <QFileInfo>

namespace corvel {

Bancada::Bancada(QString pastaPrograma, QString pastaDados)
    : pastaDados(std::move(pastaDados)), pastaPrograma_(std::move(pastaPrograma)) {}

Bancada Bancada::instalada() {
    return Bancada(plataforma::pastaDosArquivosDoPrograma(), pastaDadosUsuario());
}

QString Bancada::arquivoListaEstacoes() const {
    return arquivoEmUso(QString::fromLatin1(kArquivoListaEstacoes), pastaDados, pastaPrograma_);
}

void Bancada::carregar(const QString& caminho) {
    // The insertion flag belongs to the session, not to the file read.
    const bool insercao = serie.insercao();
    serie = lerArquivoProjeto(caminho);
    serie.definirInsercao(insercao);
}

void Bancada::abrirProjeto(const QString& caminho) {
    fechar();
    try {
        arquivoProjeto = caminho;
        if (QFileInfo(caminho).suffix().toLower() != u"cvl")
            throw Erro(QString::fromUtf8(kMsgNaoEhProjeto), Gravidade::Aviso);
        carregar(caminho);
    } catch (...) {
        fechar();
        throw;
    }
    mesesDescartados = serie.temDescartados();
    limitesCurvaChave = {};
    if (!serie.vazia()) {
        inicioAnoHidrologico = serie[0].vazao02Status;
        nivelConsistencia = serie[0].nivelConsistencia;
    }
}

Bancada::Salvamento Bancada::salvar() {
    if (!serie.ativa()) throw Erro(QString::fromUtf8(kMsgNadaParaSalvar));
    if (arquivoProjeto.isEmpty()) return Salvamento::PrecisaNome;
    try {
        gravarProjeto(arquivoProjeto, serie);
        carregar(arquivoProjeto);
    } catch (const Erro&) {
        fechar();
        throw Erro(mensagemErroSalvar());
    }
    return Salvamento::Salvo;
}

QString Bancada::nomeProposto() const {
    const qint32 codigo = serie.vazia() ? 0 : serie[0].estacaoCodigo;
    return QString::number(codigo) + QString::fromLatin1(kExtensaoProjeto);
}

bool Bancada::salvarComo(const PedirNome& pedirNome, const Confirmar& confirmarSubstituicao) {
    if (!serie.ativa()) throw Erro(QString::fromUtf8(kMsgNadaParaSalvar));
    const auto nome = escolherNomeProjeto(nomeProposto(), pedirNome, confirmarSubstituicao);
    if (!nome) {
        arquivoProjeto.clear();
        return false;
    }
    arquivoProjeto = *nome;
    limitesCurvaChave = {};
    salvar();
    return true;
}

void Bancada::recarregar() {
    if (arquivoProjeto.isEmpty()) return;
    try {
        carregar(arquivoProjeto);
    } catch (...) {
        fechar();
        throw;
    }
}

void Bancada::fechar() {
    serie.fechar();
    arquivoProjeto.clear();
}

CabecalhoProjeto Bancada::atualizarCabecalho(bool exibido) {
    std::optional<qint32> codigo;
    if (serie.ativa() && !serie.vazia()) codigo = serie[0].estacaoCodigo;
    CabecalhoProjeto c = montarCabecalho(arquivoProjeto, codigo, inicioAnoHidrologico,
                                         arquivoListaEstacoes(), exibido);
    for (std::size_t i = 0; i < c.linhas.size(); ++i)
        linhasCabecalho[i] = c.linhas[i];
    return c;
}

bool Bancada::podeAnalisar() const {
    return serie.ativa() && serie.tamanho() >= kMinimoRegistrosAnalise;
}

void Bancada::porZeroEmDescartar() {
    corvel::porZeroEmDescartar(serie, inicioAnoHidrologico);
    situacaoVisivel = true;
}

void Bancada::completaFalha() {
    corvel::completaFalha(serie, inicioAnoHidrologico, nivelConsistencia);
}

void Bancada::assumirImportacao(SerieTabela nova, qint16 nivel, bool marcarConsiderados) {
    serie = std::move(nova);
    serie.abrir();
    arquivoProjeto.clear();
    nivelConsistencia = nivel;
    limitesCurvaChave = {};
    if (marcarConsiderados) porZeroEmDescartar();
    completaFalha();
    serie.indice();
    mesesDescartados = false;
}

void Bancada::criarSerieVazia(const PeriodoNovaSerie& periodo) {
    inicioAnoHidrologico = 1;
    serie = corvel::criarSerieVazia(periodo, nivelConsistencia);
    arquivoProjeto.clear();
    mesesDescartados = false;
}

void Bancada::gravarRegistro(qsizetype i) {
    if (modoEntrada) antesDeSalvar(serie[i]);
}

} // namespace corvel
