// The result texts the analysis subcommands write: one function per file, so that a subcommand and
// the whole-station summary write the same bytes.
#pragma once

#include "analyses/permanencia.h"
#include "analyses/regularizacao.h"
#include "analyses/vazoesanuais.h"
#include "analyses/tabelatexto.h"
#include "analyses/vazoesmedias.h"
#include "stats/analisedistribuicoes.h"

#include <QString>
#include <vector>

namespace corvel {

// The annual tables in the layout of the minimum- and maximum-flow windows' CSV exports: titles and
// cells each followed by ';', one row per line.
// With Digitos::Todos every flow has all its digits (--todos-os-digitos).
QString textoMinimas(const std::vector<MinimaAnual>& anuais, Digitos digitos = Digitos::Exibicao);
QString textoMaximas(const std::vector<MaximaAnual>& anuais, Digitos digitos = Digitos::Exibicao);
// The annual means of the mean-flow window's CSV export.
QString textoMediasAnuais(const std::vector<MediaAnual>& anuais,
                          Digitos digitos = Digitos::Exibicao);
// Both reference tables of the flow-duration window: by classes, then continuous.
QString textoReferenciasPermanencia(const CurvaPermanencia& curva,
                                    FormaTexto forma = FormaTexto::Csv);
// The "Vazão regularizada" CSV export of the regularization window.
QString textoVazaoRegularizada(const ResultadoRegularizacao& resultado);
// The rows of the chosen return period in the layout of "Distribuições > CSV", line breaks "\n".
QString textoDistribuicoesDoPeriodo(const AnaliseDistribuicoes& analise,
                                    Digitos digitos = Digitos::Exibicao);

} // namespace corvel
