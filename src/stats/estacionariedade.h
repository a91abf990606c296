// Stationarity (homogeneity) tests of an annual series: the F test of equal variances and Student's
// t test of equal means (Welch's form when the variances differ), over every split of a period
// ("Contínua") or between two chosen sub-periods ("Personalizada").
#pragma once

#include "core/mensagem.h"
#include <QDate>

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

// Significance level of the tests.
enum class NivelSignificancia { Um, Cinco };

double MediaAmostral(std::span<const double> x);
// Sample variance, divisor n - 1.
double VarianciaAmostral(std::span<const double> x);

// Two-sided Student t at nu degrees of freedom; rows past 30 are those of 40, 60, 120 and infinity.
// Throws Erro when nu < 1.
double ValorCriticoT(int nu, NivelSignificancia nivel);
// Upper F point for sample sizes nA (numerator) and nB (denominator), nu = n - 1.
// Throws Erro when either sample has fewer than two values.
double ValorCriticoF(int nA, int nB, NivelSignificancia nivel);

// Welch-Satterthwaite degrees of freedom, to the nearest integer with halves to the even one.
int grausLiberdadeWelch(double varianciaA, int nA, double varianciaB, int nB);

struct Homogeneidade {
    bool variancias = false;
    bool medias = false;
    double varianciaA = 0, varianciaB = 0, mediaA = 0, mediaB = 0;
    int grausLiberdade = 0; // of the t test
};

// Throws Erro "Ocorreu um erro. Variância da série igual a 0." when either sub-series has zero
// variance (the ratio of variances is then undefined).
Homogeneidade TestarHomogeneidade(std::span<const double> a, std::span<const double> b,
                                  NivelSignificancia nivel);

// One value of the input series, as the calling window hands it over.
struct DadoEntrada {
    QDate data;
    QString rotulo;
    std::optional<double> valor;
};

struct LinhaEstacionariedade {
    QString periodo;                         // "De 1990 a 1994 com 1995 a 2001"
    bool variancias = false, medias = false; // homogeneous (H0 accepted)
    double varianciaA = 0, varianciaB = 0, mediaA = 0, mediaB = 0;
};

// "Aceita" for a homogeneity accepted, "Rejeita" otherwise.
QString textoHipotese(bool homogenea);

struct ResultadoEstacionariedade {
    bool refeito = false; // false: the previous result rows stay as they were
    std::vector<LinhaEstacionariedade> linhas;
    std::optional<Mensagem>
        mensagem; // to be shown: a period refused (warning) or a zero variance (error)
};

// The items preselected in the period lists of a series of k values: the whole series for the
// continuous test (0, k - 1), and its two halves for the two-sample test.
std::array<int, 6> selecaoInicial(int k);

// Continuous test over the values dated from `inicio` to `fim` (inclusive).
ResultadoEstacionariedade testeContinuo(const std::vector<DadoEntrada>& dados, QDate inicio,
                                        QDate fim, NivelSignificancia nivel);
// Two-sample test between [inicio1, fim1] and [inicio2, fim2].
ResultadoEstacionariedade testePersonalizado(const std::vector<DadoEntrada>& dados, QDate inicio1,
                                             QDate fim1, QDate inicio2, QDate fim2,
                                             NivelSignificancia nivel);

// Reads a series file: one "dd/mm/aaaa;valor" line per value, or the window's own data export
// ("Data;Vazão (m³/s);" then "rótulo;valor;" where the label starts with the year). Lines whose
// value is not a number (titles) are skipped. Throws ErroConversao naming the line of a date that
// cannot be read.
std::vector<DadoEntrada> lerSerieEstacionariedade(const QByteArray& conteudo);

// The values dated within [inicio, fim], in input order.
std::vector<DadoEntrada> filtrarPeriodo(const std::vector<DadoEntrada>& dados, QDate inicio,
                                        QDate fim);

} // namespace corvel
