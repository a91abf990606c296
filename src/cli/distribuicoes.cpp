// corvel-cli distribuicoes: the distribution analysis of a file of annual events, the result
// table in the layout of the window's "Distribuições > CSV" export.
#include "argumentos.h"
#include "comandos.h"

#include "core/erros.h"
#include "core/formato.h"
#include "exchange/windows1252.h"
#include "stats/analisedistribuicoes.h"
#include "stats/exportacaodistribuicoes.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    std::optional<bool> maximos;
    int periodo = 10;
    bool todos = false;
    VazoesNulas nulas = VazoesNulas::ProbabilidadeCondicional;
    bool nulasDadas = false;
    Digitos digitos = Digitos::Exibicao;
    QString arquivo;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    const auto tipo = [&o](bool maximos) {
        if (o.maximos && *o.maximos != maximos)
            throw ErroUso{QStringLiteral("escolha --max ou --min, não os dois")};
        o.maximos = maximos;
    };
    std::vector<Opcao> opcoes = {
        {"--max", 0, [&](const QStringList&) { tipo(true); }},
        {"--min", 0, [&](const QStringList&) { tipo(false); }},
        {"--periodo", 1, [&](const QStringList& v) { o.periodo = lerPeriodo(v[0]); },
         "--periodo pede o período de retorno em anos"},
        {"--todos", 0, [&](const QStringList&) { o.todos = true; }},
        opcaoTodosOsDigitos(o.digitos)};
    for (Opcao& n : opcoesVazoesNulas(o.nulas)) {
        n.aplicar = [&o, aplicar = n.aplicar](const QStringList& v) {
            aplicar(v);
            o.nulasDadas = true;
        };
        opcoes.push_back(std::move(n));
    }
    const QStringList arquivos = lerArgumentos(argumentos, opcoes);
    o.arquivo = arquivos.value(0);
    if (!o.maximos) throw ErroUso{QStringLiteral("diga o tipo dos eventos: --max ou --min")};
    if (o.arquivo.isEmpty()) throw ErroUso{QStringLiteral("informe o arquivo de eventos")};
    if (o.nulasDadas && *o.maximos)
        throw ErroUso{QStringLiteral("--nulas e --sem-nulas valem para eventos mínimos (--min)")};
    return o;
}

} // namespace

int executarDistribuicoes(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    QFile f(o.arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("não foi possível ler %1").arg(o.arquivo));
    const EventosLidos lidos = lerEventosCsv(f.readAll());
    const QString nome = QFileInfo(o.arquivo).fileName();
    if (lidos.EventosMaximos && *lidos.EventosMaximos != *o.maximos)
        throw Erro(
            QStringLiteral("%1 traz eventos %2; use %3")
                .arg(nome,
                     *lidos.EventosMaximos ? QStringLiteral("máximos") : QStringLiteral("mínimos"),
                     *lidos.EventosMaximos ? QStringLiteral("--max") : QStringLiteral("--min")));

    const AnaliseDistribuicoes a =
        calcularDistribuicoes(lidos.eventos, *o.maximos, o.periodo, {}, o.nulas);
    if (!a.calculada)
        throw Erro(QStringLiteral("%1 tem %2 evento(s); são necessários pelo menos %3")
                       .arg(nome)
                       .arg(lidos.eventos.size())
                       .arg(kMinimoEventos));
    const QString csv =
        o.todos ? textoDistribuicoesCsv(a.linhas, o.digitos)
                : textoDistribuicoesCsv(linhasDoPeriodoEscolhido(a.linhas), o.digitos);
    saida.flush();
    saida.device()->write(codificarWindows1252(csv)); // bytes as the window's export writes them

    if (a.valoresIgnorados > 0)
        escreverNaSaidaDeErros(mensagemValoresIgnorados(a.valoresIgnorados));
    for (const QString& aviso : a.avisos)
        escreverNaSaidaDeErros(aviso);
    escreverNaSaidaDeErros(textoMelhorDistribuicao(a));
    return 0;
}

} // namespace corvel::cli
