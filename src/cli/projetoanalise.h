// Opening a project for the analysis subcommands: its considered months and the start month of the
// hydrological year, refused as the analysis windows refuse it.
#pragma once

#include "core/serie.h"

#include <QString>
#include <optional>

namespace corvel::cli {

struct ProjetoAnalise {
    SerieTabela considerados; // never empty
    int inicio = 1;           // the option's start month, or the project's own
};

// Throws Erro when the project cannot be read, has fewer than 12 monthly records, has no valid
// start month and none is given, or keeps no considered month. The days with any of the flags
// `excluir` become days without a value.
ProjetoAnalise abrirParaAnalise(const QString& projeto, std::optional<int> inicio,
                                Sinalizacoes excluir = kSemSinal);

} // namespace corvel::cli
