// corvel-cli estacoes: the station list, whole or searched by code or name, refreshed from the
// agency's web service when asked.
#include "argumentos.h"
#include "comandos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "exchange/clienteservico.h"
#include "exchange/estacoes.h"

#include <QElapsedTimer>

namespace corvel::cli {

int executarEstacoes(const QStringList& argumentos, QTextStream& saida) {
    bool atualizar = false;
    const QString filtro =
        lerArgumentos(argumentos,
                      {{"--atualizar", 0, [&](const QStringList&) { atualizar = true; }}})
            .value(0);
    Bancada bancada = Bancada::instalada();
    std::optional<ListaEstacoes> lista;
    if (atualizar) {
        ClienteServico cliente(lerConfiguracaoServico(bancada.pastaDados));
        QElapsedTimer relogio;
        relogio.start();
        try {
            lista = listaEstacoes(
                atualizarListaEstacoes(cliente.requisicao(), PastasServico::de(bancada)));
        } catch (const ErroServico& e) {
            throw Erro(QStringLiteral("falha na requisição %1: %2")
                           .arg(cliente.url(caminhoListaEstacoes()), e.causa()));
        } catch (const ErroConversaoServico& e) {
            throw Erro(e.mensagem() + QStringLiteral(": ") + e.causa());
        }
        escreverNaSaidaDeErros(mensagemListaAtualizada(relogio.elapsed()));
    } else {
        try {
            lista = lerListaEstacoes(bancada.arquivoListaEstacoes());
        } catch (const Erro&) {
            throw Erro(mensagemListaAusente());
        }
    }
    // Letters typed in the window turn to capitals; the search ignores case all the same.
    const std::vector<qsizetype> linhas = filtrarEstacoes(*lista, filtro.toUpper());
    auto texto = [&](qsizetype l, int campo) {
        return campo < 0 ? QString() : lista->tabela.texto(l, campo);
    };
    saida << "Codigo;Nome;Latitude;Longitude;\n";
    for (qsizetype l : linhas)
        saida << texto(l, lista->codigo) << ';' << texto(l, lista->nome) << ';'
              << texto(l, lista->latitude) << ';' << texto(l, lista->longitude) << ";\n";
    escreverNaSaidaDeErros(textoEstacoesLocalizadas(qsizetype(linhas.size())));
    return 0;
}

} // namespace corvel::cli
