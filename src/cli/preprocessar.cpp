// corvel-cli preprocessar: a discard rule applied to a project as the pre-processing window
// applies it, closed as the window closes (edge discard), saved, and the failure report printed.
#include "argumentos.h"
#include "comandos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/formato.h"
#include "core/plataforma.h"
#include "preprocess/preprocessamento.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto;
    std::optional<Regra> regra;
    std::optional<int> inicio;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    o.projeto =
        lerArgumentos(argumentos,
                      {{"--regra", 1, [&](const QStringList& v) { o.regra = lerRegra(v[0]); }},
                       {"--inicio-ano", 1, [&](const QStringList& v) { o.inicio = lerMes(v[0]); }}})
            .value(0);
    if (o.projeto.isEmpty()) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (!o.regra) throw ErroUso{QStringLiteral("escolha o critério com --regra")};
    return o;
}

} // namespace

int executarPreprocessar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(o.projeto).absoluteFilePath());
    if (!bancada.podeAnalisar())
        throw Erro(QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                   QStringLiteral(" ou o número de registros é insuficiente."));
    bancada.atualizarCabecalho(true);
    if (o.inicio && *o.inicio != bancada.inicioAnoHidrologico)
        mudarInicioAnoHidrologico(bancada, *o.inicio);
    aplicarRegra(bancada, *o.regra);
    fecharPreProcessamento(bancada);
    bancada.salvar();
    bancada.atualizarCabecalho(true);

    const Informacoes info = informacoes(bancada);
    for (int ano : info.listagem.anosComErro)
        saida << "Erro ao listar ano." << ano << '\n';
    saida << info.texto.join(u'\n') << '\n';
    return 0;
}

} // namespace corvel::cli
