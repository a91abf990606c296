// The one line importar and baixar print about the project they wrote, and their warnings.
#pragma once

#include "core/bancada.h"
#include "exchange/importacaoagencia.h"

#include <QString>
#include <QTextStream>

namespace corvel::cli {

// "99990002.cvl: estação 99990002, nível 2, Janeiro/1985 a Dezembro/1986, 24 meses, 0 duplicados
// descartados[, N meses brutos ...]" on `saida`, with the level the source was read at; the
// warnings of the import on the error output, each after "corvel-cli <subcomando>: aviso: ".
void escreverResumoImportacao(QTextStream& saida, const Bancada& bancada, int nivelLido,
                              int duplicados, const AvisosImportacao& avisos,
                              const char* subcomando);

} // namespace corvel::cli
