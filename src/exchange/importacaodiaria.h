// Import of a plain daily series (a header line, then one day a line: date, flow and optionally
// the day's flag) into a fresh series, so that records of other agencies and published reference
// series can be analysed like the agency's own.
#pragma once

#include "importacaoagencia.h"
#include "resultadoimportacao.h"

#include <QByteArrayView>
#include <QString>

namespace corvel {

// Whether the bytes look like a plain daily series: a first line of two or three fields and a
// second line that starts with a date (yyyy-mm-dd or dd/mm/yyyy). An agency file never does.
bool pareceSerieDiaria(QByteArrayView bytes);

// Reads the series of station `codigo` (> 0). The layout is recognised from the contents:
// separator "," (decimal point), ";" or tab (decimal comma or point, whichever the flows use);
// dates yyyy-mm-dd or dd/mm/yyyy, one form per file; an empty flow (or "NA") is a missing day.
// Every month holding a day of the file becomes a consisted record. Throws ErroConversao naming
// the line for a row that cannot be read, a repeated date, a flow that is not a finite number, and
// for a file whose decimal mark cannot be told for sure (both marks used, or a mark that could as
// well separate thousands): the file is refused, never guessed at.
ResultadoImportacao lerSerieDiaria(QByteArrayView bytes, qint32 codigo);

// The same from a file: ErroImportacao (message "Erro ao importar dados.", the cause naming the
// line) for anything that goes wrong.
ResultadoImportacao importarSerieDiaria(const QString& caminho, qint32 codigo);

} // namespace corvel
