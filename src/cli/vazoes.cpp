// corvel-cli minimas and maximas: the annual tables of the minimum- and maximum-flow windows in
// the layout of their CSV exports, or, with --distribuicoes, the distribution analysis of the
// annual events as the windows' "Análise estatística" hands them over.
#include "argumentos.h"
#include "comandos.h"
#include "projetoanalise.h"

#include "analyses/sinalizados.h"
#include "analyses/tabelasanuais.h"
#include "analyses/vazoesanuais.h"
#include "core/erros.h"
#include "core/formato.h"
#include "resumo/textosanalise.h"
#include "stats/analisedistribuicoes.h"
#include "stats/exportacaodistribuicoes.h"

#include <algorithm>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto;
    int duracao = 7;
    std::optional<int> inicio;
    bool distribuicoes = false;
    std::optional<int> periodo;
    VazoesNulas nulas = VazoesNulas::ProbabilidadeCondicional;
    bool nulasDadas = false;
    Digitos digitos = Digitos::Exibicao;
    Sinalizacoes excluir = kSemSinal;
};

Opcoes lerOpcoes(const QStringList& argumentos, bool minimas) {
    Opcoes o;
    std::vector<Opcao> opcoes = {
        {"--inicio-ano", 1, [&](const QStringList& v) { o.inicio = lerMes(v[0]); }},
        {"--periodo", 1, [&](const QStringList& v) { o.periodo = lerPeriodo(v[0]); }},
        {"--distribuicoes", 0, [&](const QStringList&) { o.distribuicoes = true; }},
        opcaoTodosOsDigitos(o.digitos), opcaoExcluirSinalizados(o.excluir)};
    if (minimas) {
        opcoes.push_back(
            {"--duracao", 1, [&](const QStringList& v) { o.duracao = lerDuracao(v[0]); }});
        for (Opcao& n : opcoesVazoesNulas(o.nulas)) {
            n.aplicar = [&o, aplicar = n.aplicar](const QStringList& v) {
                aplicar(v);
                o.nulasDadas = true;
            };
            opcoes.push_back(std::move(n));
        }
    }
    o.projeto = lerArgumentos(argumentos, opcoes).value(0);
    if (o.projeto.isEmpty()) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (o.periodo && !o.distribuicoes)
        throw ErroUso{QStringLiteral("--periodo vale só com --distribuicoes")};
    if (o.nulasDadas && !o.distribuicoes)
        throw ErroUso{QStringLiteral("--nulas e --sem-nulas valem só com --distribuicoes")};
    return o;
}

// The analysis of the window's distribution command, the rows of the chosen return period on
// standard output; warnings and the best distribution on standard error.
void escreverDistribuicoes(QTextStream& saida, const std::vector<EventoAnual>& anuais, bool maximos,
                           const Opcoes& o, const QString& estacao) {
    std::vector<EventoDistribuicao> eventos;
    for (const EventoAnual& e : anuais)
        eventos.push_back({e.rotulo, e.valor});
    const AnaliseDistribuicoes a =
        calcularDistribuicoes(eventos, maximos, o.periodo.value_or(10), estacao, o.nulas);
    if (!a.calculada)
        throw Erro(QStringLiteral("%1 evento(s) anuais; a análise estatística pede pelo menos %2")
                       .arg(eventos.size())
                       .arg(kMinimoEventos));
    saida << textoDistribuicoesDoPeriodo(a, o.digitos);
    for (const QString& aviso : a.avisos)
        escreverNaSaidaDeErros(aviso);
    escreverNaSaidaDeErros(textoMelhorDistribuicao(a));
}

} // namespace

int executarMinimas(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos, true);
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio, o.excluir);
    const std::vector<MinimaAnual> anuais = CalculaMinimaAnual(p.considerados, p.inicio, o.duracao);
    if (o.distribuicoes)
        escreverDistribuicoes(saida, eventosMinimas(anuais), false, o,
                              QString::number(p.considerados[0].estacaoCodigo));
    else
        saida << textoMinimas(anuais, o.digitos);
    escreverNaSaidaDeErros(textoMinimasSinalizadas(anuais));
    return 0;
}

int executarMaximas(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos, false);
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio, o.excluir);
    const SerieTabela& c = p.considerados;
    const std::vector<MaximaAnual> anuais =
        CalculaMaximaAnual(c, p.inicio, c[0].ano(), c[c.tamanho() - 1].ano());
    if (o.distribuicoes)
        escreverDistribuicoes(saida, eventosMaximas(anuais), true, o, QString());
    else
        saida << textoMaximas(anuais, o.digitos);
    escreverNaSaidaDeErros(textoMaximasSinalizadas(anuais));
    return 0;
}

} // namespace corvel::cli
