// Pre-processing on the workbench state, shared by the window, the main window's "Informações"
// and corvel-cli: applying a rule, the failure report, the start-month change and the close.
#pragma once

#include "core/bancada.h"
#include "informacao.h"
#include "listagem.h"

namespace corvel {

struct Regra {
    enum Tipo { SerieOriginal, AnosComFalhas, MesesComFalhas, PercentualMensal, PercentualAnual };
    Tipo tipo = SerieOriginal;
    int percentual = 0; // 1..99 for the two percentage rules
};

// Applies a rule to the open series with the current start month.
void aplicarRegra(Bancada& bancada, const Regra& regra, const Andamento& andamento = {});

// Sets the pre-processing note (sixth header line) from the code kept in the first month and
// returns how the rule in force is shown.
RegraVigente atualizarNota(Bancada& bancada);

struct Informacoes {
    ListagemAnual listagem;
    RegraVigente regra;
    QStringList texto;
};
// The year listing and the failure report, the note refreshed first so the report carries it.
Informacoes informacoes(Bancada& bancada);

// A new start month: kept in the state and in the fourth header line, then "Série original" runs
// (every month restored, the new start written into every month, the edge discard).
void mudarInicioAnoHidrologico(Bancada& bancada, int mes, const Andamento& andamento = {});

// On closing pre-processing: the discarded-months flag from the months discarded so far, then
// the edge discard.
void fecharPreProcessamento(Bancada& bancada);

} // namespace corvel
