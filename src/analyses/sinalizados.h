// The flagged days of a series in the analyses: leaving them out, and what the results rest on.
#pragma once

#include "vazoesanuais.h"

#include "core/serie.h"
#include "core/sinais.h"

#include <QString>
#include <vector>

namespace corvel {

// The considered months with the days that have any of the flags `excluir` turned into days
// without a value: a moving window breaks there, no mean or curve counts them. Nothing changes
// with kSemSinal.
SerieTabela semSinalizados(const SerieTabela& considerados, Sinalizacoes excluir);

// The flags of every valid day of the months.
ContagemSinais sinaisDosDias(const SerieTabela& considerados);

// "3 de 25 mínimas anuais incluem dias sinalizados (2 estimado, 1 régua seca)", or "Nenhuma das 25
// mínimas anuais inclui dias sinalizados."; the days of the events are counted once per kind.
QString textoMinimasSinalizadas(const std::vector<MinimaAnual>& minimas);
// "2 de 30 máximas anuais caem em dias sinalizados (2 estimado)", or "Nenhuma das 30 ...".
QString textoMaximasSinalizadas(const std::vector<MaximaAnual>& maximas);
// "1,2 % dos 12 053 dias considerados são sinalizados (140 estimado, 5 duvidoso)", or "Nenhum dos
// 12 053 dias considerados é sinalizado."
QString textoDiasSinalizados(const ContagemSinais& dias, int diasValidos);
// ", sem os dias estimado, régua seca" for a report's header when days were left out; empty
// otherwise.
QString textoExcluidos(Sinalizacoes excluir);

} // namespace corvel
