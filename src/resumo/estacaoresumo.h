// The whole analysis of one station in one call: annual minima and maxima, mean flows, both
// flow-duration curves, regularization and the distribution analyses, with the figures a
// water-use grant is decided on.
#pragma once

#include "analyses/permanencia.h"
#include "analyses/regularizacao.h"
#include "analyses/vazoesanuais.h"
#include "analyses/vazoesmedias.h"
#include "criteriooutorga.h"
#include "referenciasmensais.h"

#include "core/bancada.h"
#include "preprocess/preprocessamento.h"
#include "stats/analisedistribuicoes.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace corvel {

// How the summary opens and analyses a station.
struct OpcoesResumo {
    int duracao = 7;                   // days of the annual minima
    int periodo = 10;                  // return period of the minima's distribution analysis, years
    std::optional<int> inicio;         // start month of the hydrological year (else the project's)
    std::optional<Regra> regra;        // discard rule applied in memory before the analyses
    // Zero minima: the conditional-probability adjustment (which changes nothing without zeros),
    // or the classical fit of the zeros as values.
    VazoesNulas nulas = VazoesNulas::ProbabilidadeCondicional;
    // Days left out of every analysis (as days without a value) by their flags.
    Sinalizacoes excluir = kSemSinal;
    // The monthly reference flows (and those of the seasons); always with a monthly criterion.
    bool mensal = false;
    std::vector<EstacaoDoAno> estacoes;
    // The grant criterion whose grantable flow the summary gives.
    std::optional<CriterioOutorga> criterio;
    QString pastaPrograma, pastaDados; // the workbench's folders (Bancada::instalada)
};

inline constexpr int kPeriodoMaximaResumo = 100;
// The storage reported is the one that regulates this share of the mean flow.
inline constexpr int kPorcentagemVolumeResumo = 50;

// The considered months of a station and the start month the analyses take.
struct EstacaoAberta {
    SerieTabela considerados; // never empty
    int inicio = 1;
    // The discard rule in force and the months it left ("Foram descartados meses com 10% de
    // falhas; 405 de 408 meses considerados"), for a sheet a reviewer can reproduce.
    QString regra;
};

// The considered months of the open series, as an analysis window takes them. Throws Erro when the
// series has fewer than 12 monthly records or no considered month.
SerieTabela consideradosParaAnalise(const Bancada& bancada);
// The same with the start month (`inicio`, else the project's); an invalid one is refused too.
EstacaoAberta paraAnalise(const Bancada& bancada, std::optional<int> inicio);

// Opens a project (.cvl) or imports an agency text file (.txt, .csv) in memory (nothing is
// written), applies the rule as the pre-processing window does and closes it, and takes the
// considered months. Throws Erro with the one-line reason when the file cannot be read or imported,
// has fewer than 12 monthly records, no valid start month, or no considered month.
EstacaoAberta abrirEstacao(const QString& arquivo, const OpcoesResumo& opcoes);

// The distributions fitted to the minima, in the table's order at the chosen period.
inline constexpr std::array<const char*, 5> kDistribuicoesMinimas = {
    "Weibull", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3"};

struct ResumoEstacao {
    qint32 codigo = 0;
    int anoInicial = 0, anoFinal = 0; // of the considered months
    int mesesConsiderados = 0;
    double falhas = 0; // % of the considered months' days without a flow
    int inicio = 1, duracao = 7, periodo = 10;

    std::vector<MinimaAnual> minimas;
    std::vector<MaximaAnual> maximas;
    VazoesMedias medias;
    CurvaPermanencia permanencia;
    ResultadoRegularizacao regularizacao;
    AnaliseDistribuicoes distribuicoesMinimas; // calculada false with fewer than 5 annual minima
    AnaliseDistribuicoes distribuicoesMaximas;

    std::optional<double> vazaoMedia; // long-term mean flow
    std::optional<double> q95, q90;   // continuous curve
    std::optional<double> qMinima;    // Qd,T of the best distribution, or 0 in the zero mass
    QString distribuicaoMinima;       // its name, or kQMinimaNula
    // Qd,T of every distribution, empty where the fit failed or is no flow the curve can give.
    std::array<std::optional<double>, kDistribuicoesMinimas.size()> qMinimaPorDistribuicao;
    std::optional<double> maxima100; // Gumbel, T = 100 years
    double volume50 = 0;             // storage for 50 % of the mean flow, hm³

    int anosMinimaNula = 0;   // annual minima equal to zero
    int nulasReguaSeca = 0;   // of them, resting on dry-gauge or dry-river days
    int minimasSinalizadas = 0; // annual minima whose window has a flagged day
    ContagemSinais sinais;    // the flags of the considered days with a value
    int diasValidos = 0;
    std::optional<double> p0; // share of them, when the adjustment was applied
    // Mann-Kendall or Pettitt rejects at 5 % on the annual minima; empty with fewer than 10.
    std::optional<bool> tendencia;
    // The notes the grant sheet prints under its figures: the zero-flow method, the test that
    // rejected and the year of change, why a distribution's figure is missing.
    std::vector<QString> notas;
    QString regra; // as EstacaoAberta::regra

    std::vector<ReferenciaMensal> mensais; // when asked: twelve months, then the seasons
    int duracaoMensais = 7, periodoMensais = 10; // their QD,T (a monthly criterion's own)
    std::optional<CriterioOutorga> criterio;
    std::optional<double> referenciaCriterio; // the criterion's reference flow (annual base)
    // The grantable flow: of the year, or of the month where it is smallest (monthly base).
    std::optional<double> outorgavel;
    QString mesCritico;                           // that month, for a monthly criterion
    std::vector<std::optional<double>> outorgavelMensal; // per row of `mensais`, monthly base
    VazoesNulas nulas = VazoesNulas::ProbabilidadeCondicional;
    Sinalizacoes excluidos = kSemSinal;
};

// The name given to Qd,T when the T-year minimum lies in the zero mass.
inline constexpr auto kQMinimaNula = "Vazão nula (p0 >= 1/T)";

// Runs every analysis on the considered months. Throws Erro when no considered day has a flow.
ResumoEstacao resumirEstacao(const EstacaoAberta& estacao, int duracao, int periodo,
                             VazoesNulas nulas = VazoesNulas::ProbabilidadeCondicional);
// The same with every choice of the options: the monthly flows and the grant criterion too.
ResumoEstacao resumirEstacao(const EstacaoAberta& estacao, const OpcoesResumo& opcoes);

} // namespace corvel
