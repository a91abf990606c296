// The whole analysis of one station.
#include "estacaoresumo.h"

#include "analyses/evaporacao.h"
#include "analyses/sinalizados.h"
#include "analyses/tabelasanuais.h"
#include "core/erros.h"
#include "core/formato.h"
#include "exchange/importacaoagencia.h"
#include "preprocess/informacao.h"
#include "preprocess/regras.h"
#include "stats/analisetendencia.h"

#include <QFileInfo>
#include <algorithm>
#include <bit>

namespace corvel {

namespace {

bool ehTextoDaAgencia(const QString& arquivo) {
    const QString s = QFileInfo(arquivo).suffix();
    return s.compare(u"txt", Qt::CaseInsensitive) == 0 ||
           s.compare(u"csv", Qt::CaseInsensitive) == 0;
}

std::vector<EventoDistribuicao> eventosDistribuicao(const std::vector<EventoAnual>& anuais) {
    std::vector<EventoDistribuicao> eventos;
    eventos.reserve(anuais.size());
    for (const EventoAnual& e : anuais)
        eventos.push_back({e.rotulo, e.valor});
    return eventos;
}

std::optional<double> referenciaContinua(const CurvaPermanencia& curva, int permanencia) {
    for (const ReferenciaContinua& r : curva.referenciasContinua)
        if (r.permanencia == permanencia) return r.vazao;
    return std::nullopt;
}

// Mann-Kendall and Pettitt on the annual minima at 5 %: whether either rejects and, when one does,
// the sheet's sentence naming it and the year of change.
void tendenciaDasMinimas(const std::vector<MinimaAnual>& minimas, ResumoEstacao& r) {
    std::vector<DadoEntrada> dados;
    for (const MinimaAnual& m : minimas)
        if (m.minima) dados.push_back({m.inicio, m.textoAno(), *m.minima});
    if (dados.size() < static_cast<std::size_t>(kMinimoValoresTendencia)) return;
    const AnaliseTendencia a = analisarTendencia(dados, NivelSignificancia::Cinco);
    r.tendencia = a.mannKendall.tendencia || a.pettitt.mudanca;
    if (a.mannKendall.tendencia)
        r.notas.push_back(
            QStringLiteral("Atenção: o teste de Mann-Kendall rejeita, a 5 %, a hipótese de que as "
                           "mínimas anuais não têm tendência (p = %1; declividade de Sen %2 m³/s "
                           "por ano); a frequência supõe uma série estacionária.")
                .arg(formatarNumero(a.mannKendall.p, u"0.0000"),
                     formatarVazao(a.sen.declividade, u"0.0000")));
    if (a.pettitt.mudanca) {
        const std::size_t depois = static_cast<std::size_t>(a.pettitt.ponto);
        r.notas.push_back(
            QStringLiteral("Atenção: o teste de Pettitt aponta, a 5 %, uma mudança nas mínimas "
                           "anuais a partir do ano %1 (p = %2; média %3 antes e %4 m³/s depois); "
                           "a frequência supõe uma série estacionária.")
                .arg(depois < dados.size() ? dados[depois].rotulo : QString(),
                     formatarNumero(a.pettitt.p, u"0.0000"),
                     formatarVazao(a.pettitt.mediaAntes, u"0.00"),
                     formatarVazao(a.pettitt.mediaDepois, u"0.00")));
    }
}

} // namespace

SerieTabela consideradosParaAnalise(const Bancada& bancada) {
    if (!bancada.podeAnalisar())
        throw Erro(QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                   QStringLiteral(" ou o número de registros é insuficiente."));
    SerieTabela considerados = mesesConsiderados(bancada.serie);
    if (considerados.vazia())
        throw Erro(QStringLiteral(
            "Banco de dados com número insuficiente de registros. Possivelmente todos seus "
            "dadaos foram descartados ou o conjunto de dados estão vazios"));
    return considerados;
}

namespace {

// The rule kept in the first month, in words, and how many months the discards (by the rule or by
// hand) left.
QString textoRegraDescarte(const SerieTabela& serie, const SerieTabela& considerados) {
    const RegraVigente r = regraVigente(serie);
    QString regra = r.nota;
    while (regra.startsWith(u'*') || regra.startsWith(u' '))
        regra.remove(0, 1);
    if (regra.endsWith(u'.')) regra.chop(1);
    if (regra.isEmpty())
        regra = r.codigo && *r.codigo == kRegraSerieOriginal
                    ? QStringLiteral("série original, sem descarte por falhas")
                    : QStringLiteral("nenhuma regra de descarte aplicada");
    return regra + QStringLiteral("; %1 de %2 meses considerados")
                       .arg(considerados.tamanho())
                       .arg(serie.tamanho());
}

} // namespace

EstacaoAberta paraAnalise(const Bancada& bancada, std::optional<int> inicio) {
    EstacaoAberta e{consideradosParaAnalise(bancada),
                    inicio.value_or(bancada.inicioAnoHidrologico), {}};
    e.regra = textoRegraDescarte(bancada.serie, e.considerados);
    if (e.inicio < 1 || e.inicio > 12)
        throw Erro(
            QStringLiteral(
                "O projeto não tem um início de ano hidrológico válido (%1); use --inicio-ano")
                .arg(e.inicio));
    return e;
}

EstacaoAberta abrirEstacao(const QString& arquivo, const OpcoesResumo& opcoes) {
    const QString caminho = QFileInfo(arquivo).absoluteFilePath();
    Bancada bancada(opcoes.pastaPrograma, opcoes.pastaDados);
    if (ehTextoDaAgencia(caminho)) {
        ResultadoImportacao r;
        try {
            r = importarArquivoAgencia(caminho, bancada.inicioAnoHidrologico);
        } catch (const ErroImportacao& e) {
            throw Erro(e.mensagem() + u' ' + e.causa());
        }
        bancada.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    } else {
        bancada.abrirProjeto(caminho);
    }
    if (opcoes.regra) {
        consideradosParaAnalise(bancada); // a rule on too short a series is refused first
        bancada.atualizarCabecalho(true);
        if (opcoes.inicio && *opcoes.inicio != bancada.inicioAnoHidrologico)
            mudarInicioAnoHidrologico(bancada, *opcoes.inicio);
        aplicarRegra(bancada, *opcoes.regra);
        fecharPreProcessamento(bancada);
    }
    EstacaoAberta e = paraAnalise(bancada, opcoes.inicio);
    e.considerados = semSinalizados(e.considerados, opcoes.excluir);
    return e;
}

ResumoEstacao resumirEstacao(const EstacaoAberta& estacao, int duracao, int periodo,
                             VazoesNulas nulas) {
    const SerieTabela& c = estacao.considerados;
    ResumoEstacao r;
    r.codigo = c[0].estacaoCodigo;
    r.anoInicial = c[0].ano();
    r.anoFinal = c[c.tamanho() - 1].ano();
    r.mesesConsiderados = static_cast<int>(c.tamanho());
    long long dias = 0, nulos = 0;
    for (qsizetype i = 0; i < c.tamanho(); ++i) {
        dias += c[i].nDias();
        nulos += c[i].nullos();
    }
    r.falhas = 100.0 * static_cast<double>(nulos) / static_cast<double>(dias);
    r.inicio = estacao.inicio;
    r.duracao = duracao;
    r.periodo = periodo;

    r.minimas = CalculaMinimaAnual(c, r.inicio, duracao);
    r.maximas = CalculaMaximaAnual(c, r.inicio, r.anoInicial, r.anoFinal);
    r.medias = CalculaVazoesMedias(c, r.inicio, r.anoInicial, r.anoFinal);
    r.permanencia = CalcularPermanencia(c);
    // Without evaporation nothing in the table is read, and nothing cancels.
    r.regularizacao = *calcularRegularizacao(c, evaporacaoInicial(), 0, false);
    r.distribuicoesMinimas = calcularDistribuicoes(eventosDistribuicao(eventosMinimas(r.minimas)),
                                                   false, periodo, QString::number(r.codigo), nulas);
    r.distribuicoesMaximas = calcularDistribuicoes(eventosDistribuicao(eventosMaximas(r.maximas)),
                                                   true, kPeriodoMaximaResumo);

    r.vazaoMedia = r.medias.longaDuracao;
    r.q95 = referenciaContinua(r.permanencia, 95);
    r.q90 = referenciaContinua(r.permanencia, 90);
    const AnaliseDistribuicoes& d = r.distribuicoesMinimas;
    const int iSeca = std::countr_zero(static_cast<unsigned>(kSinalReguaSeca));
    const int iRioSeco = std::countr_zero(static_cast<unsigned>(kSinalRioSeco));
    for (const MinimaAnual& m : r.minimas) {
        if (!m.minima) continue;
        r.minimasSinalizadas += m.sinais.sinalizados > 0;
        if (*m.minima != 0) continue;
        ++r.anosMinimaNula;
        r.nulasReguaSeca += m.sinais.dias[iSeca] + m.sinais.dias[iRioSeco] > 0;
    }
    r.sinais = sinaisDosDias(c);
    for (qsizetype i = 0; i < c.tamanho(); ++i)
        r.diasValidos += c[i].validos();
    r.p0 = d.p0;
    if (d.p0)
        r.notas.push_back(
            QStringLiteral("Vazões nulas: %1 de %2 anos com mínima nula (p0 = %3%4); as "
                           "distribuições foram ajustadas às mínimas não nulas e lidas na "
                           "probabilidade condicional (Jennings e Benson, 1969); com 1/T <= p0 a "
                           "vazão de referência é nula.")
                .arg(r.anosMinimaNula)
                .arg(std::count_if(r.minimas.begin(), r.minimas.end(),
                                   [](const MinimaAnual& m) { return m.minima.has_value(); }))
                .arg(formatarNumero(*d.p0, u"0.0###"),
                     r.nulasReguaSeca > 0
                         ? QStringLiteral("; %1 delas em dias de régua seca ou rio seco")
                               .arg(r.nulasReguaSeca)
                         : QString()));
    const QString q = QStringLiteral("Q%1,%2").arg(duracao).arg(periodo);
    for (const LinhaDistribuicao& l : linhasDoPeriodoEscolhido(d.linhas)) {
        for (std::size_t k = 0; k < kDistribuicoesMinimas.size(); ++k)
            if (l.admissivel() && l.NomeDistribuicao == QLatin1StringView(kDistribuicoesMinimas[k]))
                r.qMinimaPorDistribuicao[k] = l.ValorEvento;
        if (l.Erro != 0)
            r.notas.push_back(q + u' ' + l.NomeDistribuicao +
                              QStringLiteral(": a distribuição não pôde ser ajustada às mínimas "
                                             "pelo método dos momentos."));
        else if (!l.admissivel())
            r.notas.push_back(q + u' ' + l.NomeDistribuicao + QStringLiteral(": ") +
                              motivoInadmissao(l, false) + u'.');
        if (l.id == d.melhorLinha) {
            r.qMinima = l.ValorEvento;
            r.distribuicaoMinima =
                d.periodoNaMassaNula ? QString::fromUtf8(kQMinimaNula) : l.NomeDistribuicao;
        }
    }
    for (const LinhaDistribuicao& l : r.distribuicoesMaximas.linhas)
        if (l.PeriodoRetorno == kPeriodoMaximaResumo && l.NumeroDistribuicao == kGumbelWeibull &&
            l.admissivel())
            r.maxima100 = l.ValorEvento;
    r.volume50 = r.regularizacao.volumes[kPorcentagemVolumeResumo / 5 - 1];
    r.nulas = nulas;
    tendenciaDasMinimas(r.minimas, r);
    if (r.sinais.sinalizados > 0 || r.minimasSinalizadas > 0)
        r.notas.push_back(QStringLiteral("Sinais dos dias: ") + textoMinimasSinalizadas(r.minimas) +
                          u' ' + textoDiasSinalizados(r.sinais, r.diasValidos));
    return r;
}

ResumoEstacao resumirEstacao(const EstacaoAberta& estacao, const OpcoesResumo& o) {
    ResumoEstacao r = resumirEstacao(estacao, o.duracao, o.periodo, o.nulas);
    r.excluidos = o.excluir;
    r.regra = estacao.regra;
    r.criterio = o.criterio;
    const bool criterioMensal = o.criterio && o.criterio->mensal;
    if (o.mensal || criterioMensal || !o.estacoes.empty()) {
        // A criterion's QD,T of the months is its own D and T.
        const bool qdt = o.criterio && o.criterio->referencia == CriterioOutorga::Referencia::QMinima;
        r.duracaoMensais = criterioMensal && qdt ? o.criterio->duracao : o.duracao;
        r.periodoMensais = criterioMensal && qdt ? o.criterio->periodo : o.periodo;
        r.mensais = referenciasMensais(estacao.considerados, r.duracaoMensais, r.periodoMensais,
                                       o.nulas, o.estacoes);
    }
    if (!o.criterio) return r;
    const CriterioOutorga& c = *o.criterio;
    if (c.mensal) {
        std::optional<double> referenciaCritica;
        for (const ReferenciaMensal& m : r.mensais) {
            const std::optional<double> referencia = referenciaDoMes(c, m);
            const std::optional<double> q = vazaoOutorgavel(c, referencia);
            r.outorgavelMensal.push_back(q);
            // The critical month among the twelve, not a season; of months that grant alike
            // (nothing, where the remaining flow takes it all), the one of least water.
            if (m.meses.size() != 1 || !q) continue;
            if (!r.outorgavel || *q < *r.outorgavel ||
                (*q == *r.outorgavel && *referencia < *referenciaCritica)) {
                r.outorgavel = q;
                referenciaCritica = referencia;
                r.mesCritico = m.nome;
            }
        }
        return r;
    }
    switch (c.referencia) {
    case CriterioOutorga::Referencia::Q95:
        r.referenciaCriterio = r.q95;
        break;
    case CriterioOutorga::Referencia::Q90:
        r.referenciaCriterio = r.q90;
        break;
    case CriterioOutorga::Referencia::QMinima:
        if (c.duracao == o.duracao && c.periodo == o.periodo) {
            r.referenciaCriterio = r.qMinima;
        } else {
            // The criterion's own QD,T: the annual minima of its duration at its period.
            const ResumoEstacao outro = resumirEstacao(estacao, c.duracao, c.periodo, o.nulas);
            r.referenciaCriterio = outro.qMinima;
        }
        break;
    }
    r.outorgavel = vazaoOutorgavel(c, r.referenciaCriterio);
    return r;
}

} // namespace corvel
