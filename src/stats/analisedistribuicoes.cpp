// The distribution analysis: one fit per distribution and return period, sharing each
// distribution's T-independent fit across the return periods.
#include "analisedistribuicoes.h"

#include "distribuicoes.h"

#include "core/erros.h"
#include "core/formato.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace corvel {

namespace {

// The order of the rows within one return period, which is also their insertion order.
constexpr int kDistribuicoes = 5;

struct Parametros {
    std::optional<double> Alfa, Beta, Gama, A;
};

Parametros parametros(const TWeibull& w) {
    return {w.Alfa(), w.Beta(), w.Gama(), {}};
}
Parametros parametros(const TGumbel& g) {
    return {g.Alfa(), g.Beta(), g.Gama(), {}};
}
Parametros parametros(const TPearson3& p) {
    return {p.Alfa(), p.Beta(), p.Gama(), {}};
}
Parametros parametros(const TLogPearson3& p) {
    return {p.Alfa(), p.Beta(), p.Gama(), {}};
}
Parametros parametros(const TLogNormal2&) {
    return {};
}
Parametros parametros(const TLogNormal3& l) {
    return {{}, {}, {}, l.A()};
}

// The T-year outputs a row shows.
struct Evento {
    double superior = 0, valor = 0, inferior = 0, erroPadrao = 0;
};
Evento evento(const ResultadoAjuste& a) {
    return {a.GetLimiteSuperior(), a.GetEvento(), a.GetLimiteInferior(), a.GetErroPadrao()};
}

class Montagem {
  public:
    // p0 > 0 reads the fits of the non-zero events at the conditional return period.
    Montagem(AnaliseDistribuicoes& r, double nEventos, const QString& estacao, double p0)
        : r_(r), nEventos_(nEventos), estacao_(estacao), p0_(p0) {
        r_.linhas.resize(static_cast<std::size_t>(kDistribuicoes * (r_.Tmax - 1)));
    }

    // Fills the rows of the distribution in position `ordem` from its fit at T = 2.
    template <class Ajuste>
    void preencher(const Ajuste& prototipo, int ordem, const QString& nome, int numero) {
        const int porDistribuicao = r_.Tmax - 1;
        for (int T = 2; T <= r_.Tmax; ++T) {
            LinhaDistribuicao& l =
                r_.linhas[static_cast<std::size_t>((T - 2) * kDistribuicoes + ordem)];
            l.id = ordem * porDistribuicao + (T - 2) + 1;
            l.NomeDistribuicao = nome;
            l.NumeroDistribuicao = numero;
            const std::optional<double> periodo =
                p0_ > 0 ? periodoCondicionalMinimos(T, p0_) : std::optional<double>(T);
            if (periodo) {
                const Ajuste ajuste(prototipo, *periodo);
                escrever(l, ajuste, parametros(ajuste), evento(ajuste));
            } else {
                // Inside the zero mass the event is 0 with certainty: p0 is the share of years
                // that had no flow, whether or not the few non-zero events could be fitted.
                escrever(l, prototipo, parametros(prototipo), Evento{});
                l.Erro = 0;
                l.massaNula = true;
            }
            l.PeriodoRetorno = T;
            l.PeriodoRetornousuario = T == r_.PeriodoEscolhido ? 1 : 0;
        }
    }

  private:
    void escrever(LinhaDistribuicao& l, const ResultadoAjuste& a, const Parametros& p,
                  const Evento& e) {
        l.IntervaloConfiancaSuperior = e.superior;
        l.ValorEvento = e.valor;
        l.IntervaloConfiancaInferior = e.inferior;
        l.ErroPadrao = e.erroPadrao;
        l.Alfa = p.Alfa;
        l.Beta = p.Beta;
        l.Gama = p.Gama;
        l.A = p.A;
        l.Media = a.Media();
        l.Variancia = a.Variancia();
        l.assimetria = a.Assimetria();
        l.NEventos = nEventos_;
        l.DesvioPadrao =
            a.Variancia() >= 0 ? std::optional<double>(std::sqrt(a.Variancia())) : std::nullopt;
        l.Estacao = estacao_;
        l.Diferenca = l.IntervaloConfiancaSuperior - l.IntervaloConfiancaInferior;
        l.Erro = a.GetErro();
        if (l.ValorEvento < 0 || l.IntervaloConfiancaSuperior < 0 ||
            l.IntervaloConfiancaInferior < 0)
            r_.valoresNegativos = true;
    }

    AnaliseDistribuicoes& r_;
    double nEventos_;
    const QString& estacao_;
    double p0_;
};

void avisar(AnaliseDistribuicoes& r, const QString& texto) {
    r.avisos.append(QString::number(r.avisos.size() + 1) + texto);
}

// Marks, distribution by distribution in T order, the events that are no flow the curve can give:
// below zero, or on the wrong side of an admissible event of a shorter period (a minimum must not
// grow with T, a maximum must not shrink). A relative tolerance keeps a flat curve (the zero mass)
// in order. Warns once per distribution: at the chosen T, or from the first T where it happens.
void marcarInadmissiveis(AnaliseDistribuicoes& r, bool maximos) {
    const std::size_t porPeriodo = kDistribuicoes;
    for (std::size_t k = 0; k < porPeriodo; ++k) {
        std::optional<double> extremo; // of the admissible events so far
        const LinhaDistribuicao* escolhida = nullptr;
        const LinhaDistribuicao* primeira = nullptr;
        for (std::size_t i = k; i < r.linhas.size(); i += porPeriodo) {
            LinhaDistribuicao& l = r.linhas[i];
            if (l.Erro != 0) continue;
            const double v = l.ValorEvento;
            const double folga = 1e-12 * std::fabs(v); // relative: the unit must not matter
            if (v < 0)
                l.inadmissao = Inadmissao::VazaoNegativa;
            else if (extremo && (maximos ? v < *extremo - folga : v > *extremo + folga))
                l.inadmissao = Inadmissao::CurvaForaDeOrdem;
            else
                extremo = extremo ? (maximos ? std::max(*extremo, v) : std::min(*extremo, v)) : v;
            if (l.inadmissao == Inadmissao::Nenhuma) continue;
            if (!primeira) primeira = &l;
            if (l.PeriodoRetornousuario == 1) escolhida = &l;
        }
        const LinhaDistribuicao* l = escolhida ? escolhida : primeira;
        if (!l) continue;
        QString porque = motivoInadmissao(*l, maximos);
        if (!escolhida) // the first T of several
            porque.replace(QStringLiteral(" para T = "), QStringLiteral(" a partir de T = "))
                .replace(QStringLiteral(" em T = "), QStringLiteral(" a partir de T = "));
        avisar(r, QStringLiteral(") %1: %2; esses eventos não são mostrados e não podem ser "
                                 "escolhidos como a melhor distribuição.")
                      .arg(l->NomeDistribuicao, porque));
    }
}

// Why no distribution could be fitted: a sample without spread gives every method of moments a
// zero variance (the annual minima of a river that dries up every year are all zero).
QString avisoSemAjuste(const std::vector<double>& amostra) {
    const bool iguais =
        std::adjacent_find(amostra.begin(), amostra.end(), std::not_equal_to<>()) == amostra.end();
    if (iguais && !amostra.empty() && amostra.front() == 0)
        return QStringLiteral(
            ") Nenhuma distribuição pôde ser ajustada: todos os eventos são iguais a "
            "zero, sem variância para estimar os parâmetros.");
    if (iguais)
        return QStringLiteral(
            ") Nenhuma distribuição pôde ser ajustada: todos os eventos são iguais, "
            "sem variância para estimar os parâmetros.");
    return QStringLiteral(
        ") Nenhuma distribuição pôde ser ajustada aos eventos pelo método dos momentos.");
}

} // namespace

std::optional<double> LnDados(const EventoDistribuicao& e) {
    return e.Dados && *e.Dados > 0 ? std::optional<double>(std::log(*e.Dados)) : std::nullopt;
}

std::optional<int> lerPeriodoRetorno(QStringView caixa) {
    const long long T = lerInteiro(caixa);
    if (T < kPeriodoMinimo || T > kPeriodoMaximo) return std::nullopt;
    return static_cast<int>(T);
}

AnaliseDistribuicoes calcularDistribuicoes(std::span<const EventoDistribuicao> eventos,
                                           bool EventosMaximos, int PeriodoEscolhido,
                                           const QString& estacao, VazoesNulas nulas) {
    AnaliseDistribuicoes r;
    if (eventos.size() < static_cast<std::size_t>(kMinimoEventos)) return r;
    if (PeriodoEscolhido < kPeriodoMinimo || PeriodoEscolhido > kPeriodoMaximo)
        throw Erro(QString::fromUtf8(kMsgPeriodoInvalido), Gravidade::Aviso);
    r.calculada = true;
    r.PeriodoEscolhido = PeriodoEscolhido;
    std::vector<double> amostra;
    amostra.reserve(eventos.size());
    for (const EventoDistribuicao& e : eventos) {
        if (e.Dados)
            amostra.push_back(*e.Dados);
        else
            ++r.valoresIgnorados;
    }
    const AmostraComNulos comNulos = separarNulos(amostra);
    r.eventosNulos = comNulos.nulos;
    const bool condicional =
        nulas == VazoesNulas::ProbabilidadeCondicional && !EventosMaximos && comNulos.nulos > 0;
    const auto n = static_cast<double>(amostra.size());
    r.Tmax = PeriodoEscolhido <= 90 ? 100 : PeriodoEscolhido + 10;

    // Compared with the events listed, divided by the values used (without values there is
    // no ratio to give).
    if (PeriodoEscolhido > 2 * static_cast<double>(eventos.size()) && n > 0)
        avisar(r, QStringLiteral(") O período de retorno atual equivale a ") +
                      formatarNumero(PeriodoEscolhido / n, u"0.##") +
                      QStringLiteral(" vezes ao número de eventos da série, enquanto o máximo "
                                     "recomendado é 2 vezes. "));

    if (condicional) {
        r.p0 = comNulos.p0;
        avisar(r, avisoProbabilidadeCondicional(comNulos));
        r.notaVazoesNulas = notaProbabilidadeCondicional(comNulos);
    }
    // The sample the distributions are fitted to: the non-zero events under the adjustment.
    const std::vector<double>& ajustada = condicional ? comNulos.naoNulos : amostra;
    Montagem m(r, static_cast<double>(ajustada.size()), estacao, r.p0.value_or(0));
    if (EventosMaximos) {
        const TGumbel gumbel(ajustada, 2, true);
        m.preencher(gumbel, 0, QStringLiteral("Gumbel"), kGumbelWeibull);
        if (std::fabs(gumbel.Assimetria() - 1.13) > 0.2)
            avisar(r, QStringLiteral(") Recomenda-se utilizar a distribuição de Gumbel quando o "
                                     "coeficiente de assimetria estiver em torno de 1.13"));
    } else {
        const TWeibull weibull(ajustada, 2);
        m.preencher(weibull, 0, QStringLiteral("Weibull"), kGumbelWeibull);
        if (weibull.Assimetria() > 2.0 || weibull.Assimetria() < -1.02)
            avisar(r, QStringLiteral(") Distribuição de weibull :  O coefeciente de assimetria "
                                     "está fora do intervalo permitido (-1.02 .. +2.0)"));
    }
    m.preencher(TPearson3(ajustada, 2, EventosMaximos), 1, QStringLiteral("Pearson 3"), kPearson3);
    const TLogPearson3 logPearson3(ajustada, 2, EventosMaximos);
    m.preencher(logPearson3, 2, QStringLiteral("Logpearson 3"), kLogPearson3);
    avisar(r, QStringLiteral(") Para a distribuição logpearson 3, estão sendo exibidas a média de "
                             "ln(x), a variância de ln(x) e a assimetria de ln(x), em que ln é o "
                             "logaritmo neperiano e x é a magnitude do evento."));
    if (const double B = logPearson3.B();
        !std::isnan(B) && (B <= TLogPearson3::kBMinimo || B > TLogPearson3::kBMaximo))
        avisar(r, QStringLiteral(") Distribuição logpearson 3: B = %1 está fora do intervalo de "
                                 "validade da aproximação de alfa (3 < B <= 6); seus eventos são "
                                 "extrapolações e podem errar muito.")
                      .arg(formatarNumero(B, u"0.###")));
    m.preencher(TLogNormal2(ajustada, 2, EventosMaximos), 3, QStringLiteral("Lognormal 2"),
                kLogNormal2);
    const TLogNormal3 lognormal3(ajustada, 2, EventosMaximos);
    m.preencher(lognormal3, 4, QStringLiteral("Lognormal 3"), kLogNormal3);
    if (lognormal3.Assimetria() <= 0)
        avisar(r, QStringLiteral(") Distribuição Lognormal 3:  O coeficiente de assimetria é menor "
                                 "que zero, sem solução possível pelo método dos momentos."));

    marcarInadmissiveis(r, EventosMaximos);
    if (r.valoresNegativos)
        avisar(r, QStringLiteral(") Os valores menores que zero não têm significado físico"));
    r.periodoNaMassaNula = r.p0 && !periodoCondicionalMinimos(PeriodoEscolhido, *r.p0);
    r.melhorLinha = escolherMelhorLinha(r.linhas);
    if (r.melhorLinha < 0) avisar(r, avisoSemAjuste(amostra));
    avisar(r, QStringLiteral(") Os dados de entrada estão em ordem crescente."));
    return r;
}

QString motivoInadmissao(const LinhaDistribuicao& l, bool maximos) {
    switch (l.inadmissao) {
    case Inadmissao::Nenhuma:
        break;
    case Inadmissao::VazaoNegativa:
        return QStringLiteral("a distribuição dá vazão negativa para T = %1 anos")
            .arg(l.PeriodoRetorno);
    case Inadmissao::CurvaForaDeOrdem:
        return QStringLiteral("a curva da distribuição %1 com o período de retorno em T = %2 anos")
            .arg(maximos ? QStringLiteral("decresce") : QStringLiteral("cresce"))
            .arg(l.PeriodoRetorno);
    }
    return {};
}

int contarEventosNulos(std::span<const EventoDistribuicao> eventos) {
    return static_cast<int>(
        std::count_if(eventos.begin(), eventos.end(),
                      [](const EventoDistribuicao& e) { return e.Dados == 0.0; }));
}

QString mensagemValoresIgnorados(int quantidade) {
    return QString::number(quantidade) + QStringLiteral(" valor(es) ignorado(s)");
}

QStringList linhasAvisos(const QStringList& avisos) {
    QStringList linhas;
    for (const QString& a : avisos)
        linhas << QString() << a;
    return linhas;
}

std::vector<LinhaDistribuicao> linhasDoPeriodoEscolhido(std::span<const LinhaDistribuicao> linhas) {
    std::vector<LinhaDistribuicao> r;
    std::copy_if(linhas.begin(), linhas.end(), std::back_inserter(r),
                 [](const LinhaDistribuicao& l) { return l.PeriodoRetornousuario == 1; });
    return r;
}

std::vector<LinhaDistribuicao> linhasDaDistribuicao(std::span<const LinhaDistribuicao> linhas,
                                                    int NumeroDistribuicao) {
    std::vector<LinhaDistribuicao> r;
    std::copy_if(
        linhas.begin(), linhas.end(), std::back_inserter(r),
        [&](const LinhaDistribuicao& l) { return l.NumeroDistribuicao == NumeroDistribuicao; });
    return r;
}

int escolherMelhorLinha(std::span<const LinhaDistribuicao> linhas) {
    const LinhaDistribuicao* melhor = nullptr;
    for (const LinhaDistribuicao& l : linhas) {
        if (l.PeriodoRetornousuario != 1 || !l.admissivel()) continue;
        if (!melhor || l.Diferenca < melhor->Diferenca) // a tie keeps the earlier row
            melhor = &l;
    }
    return melhor ? melhor->id : -1;
}

std::vector<EventoDistribuicao> ordenarPorValor(std::span<const EventoDistribuicao> eventos) {
    std::vector<EventoDistribuicao> r(eventos.begin(), eventos.end());
    std::stable_sort(r.begin(), r.end(),
                     [](const EventoDistribuicao& a, const EventoDistribuicao& b) {
                         return b.Dados && (!a.Dados || *a.Dados < *b.Dados);
                     });
    return r;
}

} // namespace corvel
