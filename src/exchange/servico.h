// The agency's web service as the workbench uses it: the two requests, the answers kept in the
// user's data folder, and their conversion through the transformation files into a series or the
// station list. The transport itself is a function given by the caller (servico/cliente.h).
#pragma once

#include "importacaoagencia.h"
#include "mapeamento.h"

#include "core/bancada.h"
#include "core/erros.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace corvel {

inline constexpr auto kArquivoUltimaEstacao = "UltimaEstacao.xml";
inline constexpr auto kArquivoRespostaLista = "EstacaoLista.xml";
inline constexpr auto kTransformacaoVazoes = "TODP.xtr";
inline constexpr auto kTransformacaoLista = "ListaEstacao.xtr";

inline constexpr auto kMsgErroConverter =
    "Ocorreu um erro converter dados para a Estrutura do Corvel 1.0";
inline constexpr auto kMsgSerieVazia =
    "O Servidor retornou uma série vazia. Verifique se código da estação está correto ou se esta "
    "estação tem dados disponíveis.";
inline constexpr auto kMsgImportacaoConcluida = "Processo de importação concluído.";
inline constexpr auto kMsgFalhaLista =
    "Ocorreu um erro: Verifique se sua conexão com a Internet está configurada corretamente. Ou "
    "tente mais tarde  caso Servidor esteja indisponível no momento.";
// The five lines shown when a flow request fails.
QString mensagemFalhaConexao();

// Path and query of the two requests, after the service's address.
QString caminhoVazoes(const QString& codigo);
QString caminhoListaEstacoes();

// What a request brought back.
struct RespostaServico {
    bool sucesso = false; // a 2xx status and the whole body read
    QByteArray corpo;
    QString motivo; // why it failed, in a few words: the transport's error or the status line
};
using Requisicao = std::function<RespostaServico(const QString& caminho)>;

// The request failed (no connection, timeout, an error status): the message for the user and the
// transport's reason.
class ErroServico : public ErroComCausa {
  public:
    using ErroComCausa::ErroComCausa;
};

// The answer could not be turned into a series or a station list: kMsgErroConverter for the user,
// and what went wrong (a missing or damaged transformation file, malformed XML, a bad value).
class ErroConversaoServico : public ErroComCausa {
  public:
    explicit ErroConversaoServico(QString causa)
        : ErroComCausa(QString::fromUtf8(kMsgErroConverter), std::move(causa)) {}
};

// Where the transformation files are read (the user's data folder first, then the program's) and
// the answers and the refreshed station list are written (the user's data folder; the program's
// when there is none, as in the tests).
struct PastasServico {
    QString dados, programa;
    static PastasServico de(const Bancada& bancada) {
        return {bancada.pastaDados, bancada.pastaPrograma()};
    }
    QString gravacao() const { return dados.isEmpty() ? programa : dados; }
};

// Throws ErroConversaoServico when the file is missing or is not a transformation.
Mapeamento carregarTransformacao(const char* nome, const PastasServico& pastas);

// A station code as the agency writes it: 1 to 8 digits, not zero. Throws Erro otherwise.
qint32 lerCodigoEstacao(const QString& texto);

struct VazoesBaixadas {
    // Months of the level kept (consisted where there are any), each once, numbered by their row in
    // the answer, with the station code requested; not yet completed or marked.
    ResultadoImportacao importacao;
    qsizetype linhasResposta = 0;  // rows of the answer, both levels
    std::optional<QString> recusa; // the service's reason when it refused the request
};

// The flow answer through the flow transformation. A row without a date, a date outside 1800 to
// 2100 or a value that does not convert throws ErroConversaoServico; rows of other consistency
// levels than 1 and 2 are left out.
VazoesBaixadas converterVazoes(const Mapeamento& transformacao, QByteArrayView corpo, qint32 codigo,
                               DadosBrutos brutos = DadosBrutos::SoSemConsistidos);

// The flow request of one station, its answer kept as UltimaEstacao.xml, and the conversion.
// Throws Erro for a code that is not a station code, ErroServico (mensagemFalhaConexao) when the
// request fails and ErroConversaoServico when the answer does not convert.
VazoesBaixadas baixarVazoes(const Requisicao& requisicao, const QString& codigo,
                            const PastasServico& pastas,
                            DadosBrutos brutos = DadosBrutos::SoSemConsistidos);

// The importers' finishing step for a downloaded series: it becomes the open series (all months
// considered, missing months added, hydrological year from January) and is saved to `arquivo`,
// whatever its extension. Throws Erro (the save message) when it cannot be saved; the project is
// then closed.
void assumirVazoes(Bancada& bancada, VazoesBaixadas baixadas, const QString& arquivo);

// The station-list answer through the list transformation: a table of Codigo, Nome, Latitude and
// Longitude (text of 8, 50, 19 and 17), rows without a code left out. Throws ErroConversaoServico
// when the answer holds no station (a list is never replaced by an empty one).
Tabela converterListaEstacoes(const Mapeamento& transformacao, QByteArrayView corpo);

// The station-list request, its answer kept as EstacaoLista.xml, the conversion, and the new list
// written to the station list file of the data folder. Returns the new list. Throws ErroServico
// (kMsgFalhaLista), ErroConversaoServico, or ErroArquivo when the list cannot be written.
Tabela atualizarListaEstacoes(const Requisicao& requisicao, const PastasServico& pastas);

// "Lista de estações atualizadas em hh:mm:ss" for the time the refresh took.
QString mensagemListaAtualizada(qint64 milissegundos);

} // namespace corvel
