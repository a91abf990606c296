// The discard rules of pre-processing. Each rule sets afresh the situation code of every month it
// covers and writes its code into `Vazao03Status` of the first month; no flow value is touched.
#pragma once

#include "listagem.h"

namespace corvel {

// Rule codes besides "Série original" (kRegraSerieOriginal).
inline constexpr qint16 kRegraMesesComFalhas = 500;
inline constexpr qint16 kRegraPercentualMensal = 700; // + the percentage
inline constexpr qint16 kRegraPercentualAnual = 800;  // + the percentage
inline constexpr qint16 kRegraAnosComFalhas = 900;
// Below one missing day in a 366-day year (100/366 %), so any missing day discards the year.
inline constexpr double kLimiarAnosComFalhas = 0.26;

// The month with the earliest date, which carries the rule code; null for an empty table.
const RegistroMensal* primeiroRegistro(const SerieTabela& serie);
RegistroMensal* primeiroRegistro(SerieTabela& serie);

// Missing days from which a month of `dias` days is discarded at `percentual` %: p × n / 100 to
// the nearest whole day, a half going to the even neighbour, and never less than one day, so
// that a month without missing days is always kept.
int limiarMensal(int percentual, int dias);

// "Série original": every month considered, or -2 without any valid day; the start month in
// every record; the edge discard; code 1000.
void serieOriginal(SerieTabela& serie, int inicioAnoHidrologico, const Andamento& andamento = {});
// Every month with a missing day discarded (months without data too), the others kept; code 500.
void descartarMesesComFalhas(SerieTabela& serie, const Andamento& andamento = {});
// Months with at least limiarMensal(p, days) missing days discarded, the others kept; code
// 700 + p. Throws Erro for p outside 1..99.
void descartarMesesPorPercentual(SerieTabela& serie, int percentual,
                                 const Andamento& andamento = {});
// Years of the listing with a missing day discarded, the others restored; code 900.
void descartarAnosComFalhas(SerieTabela& serie, int inicioAnoHidrologico,
                            const Andamento& andamento = {});
// Years of the listing with at least p % missing days discarded, the others restored; code
// 800 + p. Throws Erro for p outside 1..99.
void descartarAnosPorPercentual(SerieTabela& serie, int inicioAnoHidrologico, int percentual,
                                const Andamento& andamento = {});

// Every month of hydrological year `ano` discarded.
void descartarAno(SerieTabela& serie, int ano, int inicioAnoHidrologico);
// Every month of hydrological year `ano` kept, or -2 when it has no valid day.
void restaurarAno(SerieTabela& serie, int ano, int inicioAnoHidrologico);

// With a start month g after January, the months before g in the first calendar year and from
// g on in the last one belong to no whole hydrological year and are discarded.
void descarteBordas(SerieTabela& serie, int inicioAnoHidrologico);

} // namespace corvel
