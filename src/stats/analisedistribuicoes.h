// Distribution analysis of a series of annual extreme events: every distribution that applies
// fitted for every return period from 2 years to Tmax, the numbered warnings and the
// distribution with the narrowest confidence interval at the chosen return period.
#pragma once

#include "probabilidadecondicional.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

inline constexpr int kMinimoEventos = 5;
inline constexpr int kPeriodoMinimo = 2;
inline constexpr int kPeriodoMaximo = 10000;
inline constexpr auto kPeriodoPadrao = "10";
inline constexpr auto kMsgPeriodoInvalido = "O período de retorno inválido.";

// One event of the list: the caller's label (a date or a year) and the flow in m³/s; an event
// whose value was erased in the grid has none and is left out of the sample. ID is the order in
// which the event was added: the data charts plot by it, whatever the list's order.
struct EventoDistribuicao {
    QString Data;
    std::optional<double> Dados;
    int ID = 0;
};

// The event's natural logarithm, for a positive value only.
std::optional<double> LnDados(const EventoDistribuicao& evento);

// NumeroDistribuicao: the estimate chart's choice; the Weibull (minima) and the Gumbel
// (maxima) never appear together and share 4.
enum : int {
    kPearson3 = 0,
    kLogPearson3 = 1,
    kLogNormal2 = 2,
    kLogNormal3 = 3,
    kGumbelWeibull = 4
};

// Why a fitted T-year event is not a result: a flow below zero, or a curve that moves the wrong way
// with T (a T-year minimum above a shorter period's, a maximum below it). Such an event is shown
// "-", left empty in CSV files and never chosen as the best.
enum class Inadmissao { Nenhuma, VazaoNegativa, CurvaForaDeOrdem };

// One row of the result table. Empty optionals are the fields the grid leaves blank.
struct LinhaDistribuicao {
    int id = 0; // insertion order, from 1: Weibull or Gumbel T = 2..Tmax, then Pearson III, ...
    QString NomeDistribuicao;
    int NumeroDistribuicao = 0;
    double IntervaloConfiancaSuperior = 0;
    double ValorEvento = 0;
    double IntervaloConfiancaInferior = 0;
    double ErroPadrao = 0;
    std::optional<double> Alfa, Beta, Gama;
    double Media = 0;
    double Variancia = 0;
    double assimetria = 0;
    double NEventos = 0;
    std::optional<double> DesvioPadrao; // empty when the variance shown is negative
    QString Estacao;
    int PeriodoRetorno = 0;
    double Duracao = 7;
    int PeriodoRetornousuario = 0; // 1 at the chosen return period
    std::optional<double> A;       // the three-parameter log-normal's lower bound only
    double Diferenca = 0;          // width of the 95 % confidence interval
    int Erro = 0;                  // the fit's error flag
    // The conditional-probability adjustment put this T-year minimum in the zero mass: its zero
    // event is a true zero flow, not a fit below zero.
    bool massaNula = false;
    Inadmissao inadmissao = Inadmissao::Nenhuma;

    // A fit that succeeded and whose event is a flow the curve can give at T.
    bool admissivel() const { return Erro == 0 && inadmissao == Inadmissao::Nenhuma; }
};

struct AnaliseDistribuicoes {
    bool calculada = false; // false when the list has fewer than kMinimoEventos rows
    int PeriodoEscolhido = 0;
    int Tmax = 0;
    int valoresIgnorados = 0; // events without a value
    // Ordered by PeriodoRetorno and, within one T, Weibull or Gumbel, Pearson III,
    // log-Pearson III, log-normal 2, log-normal 3.
    std::vector<LinhaDistribuicao> linhas;
    QStringList avisos;            // "1) ...", "2) ...", in order
    bool valoresNegativos = false; // some event or limit is below zero
    int melhorLinha = -1;          // id of the best row, -1 when no fit succeeded
    // Set when the conditional-probability adjustment was applied (minima with zero events):
    // the zero-flow probability; the rows then hold the adjusted events.
    std::optional<double> p0;
    int eventosNulos = 0;    // events equal to zero among the values
    QString notaVazoesNulas; // the results report's note on the adjustment, when applied
    // The chosen T lies in the zero mass (1/T <= p0): the T-year minimum is zero whatever the fit.
    bool periodoNaMassaNula = false;
};

// The return-period box: throws ErroConversao when it holds no integer; empty when the integer
// lies outside 2..10000 (the window then shows kMsgPeriodoInvalido).
std::optional<int> lerPeriodoRetorno(QStringView caixa);

// Fits the distributions of the event type (maxima: Gumbel, minima: Weibull; then Pearson III,
// log-Pearson III, log-normal 2 and 3) for T = 2..Tmax, Tmax = 100 or PeriodoEscolhido + 10
// above 90. Nothing is done with fewer than kMinimoEventos events (empty ones included); a
// PeriodoEscolhido outside 2..10000 throws Erro(kMsgPeriodoInvalido). With
// VazoesNulas::ProbabilidadeCondicional and minima with some zero events, the distributions are
// fitted to the non-zero events and read at the adjusted probability (probabilidadecondicional.h);
// maxima and samples without zeros give the classical result. Events below zero and curves out of
// order with T are marked inadmissible and named in a warning; a log-Pearson III whose B lies
// outside the range of its approximations is named in a warning too.
AnaliseDistribuicoes calcularDistribuicoes(std::span<const EventoDistribuicao> eventos,
                                           bool EventosMaximos, int PeriodoEscolhido,
                                           const QString& estacao = {},
                                           VazoesNulas nulas = VazoesNulas::Classica);

// Why an inadmissible row is no result, for a note: "a distribuição dá vazão negativa para T = 10
// anos" or "a curva da distribuição cresce com o período de retorno em T = 10 anos" (decresce, for
// maxima). Empty for an admissible row.
QString motivoInadmissao(const LinhaDistribuicao& linha, bool maximos);

// The number of events equal to zero (the window offers the adjustment when there are any).
int contarEventosNulos(std::span<const EventoDistribuicao> eventos);

// The text "N valor(es) ignorado(s)" shown when some events have no value.
QString mensagemValoresIgnorados(int quantidade);
// The lines of the "Avisos" text: each warning after a blank line.
QStringList linhasAvisos(const QStringList& avisos);

// The rows of the chosen return period, failed fits included (the "Tabela" page).
std::vector<LinhaDistribuicao> linhasDoPeriodoEscolhido(std::span<const LinhaDistribuicao> linhas);
// The rows of one distribution, T ascending (the estimate chart).
std::vector<LinhaDistribuicao> linhasDaDistribuicao(std::span<const LinhaDistribuicao> linhas,
                                                    int NumeroDistribuicao);
// Among the admissible fits at the chosen return period, in table order, the first row with
// the smallest interval width; its id, or -1.
int escolherMelhorLinha(std::span<const LinhaDistribuicao> linhas);

// The event list by ascending value, as the window leaves it after a calculation; events
// without a value come first, and equal values keep their order (and their IDs).
std::vector<EventoDistribuicao> ordenarPorValor(std::span<const EventoDistribuicao> eventos);

} // namespace corvel
