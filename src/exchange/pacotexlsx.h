// The parts of an .xlsx package that the spreadsheet library does not follow, rewritten so it reads
// the workbook as its writer meant it: relationship targets given as absolute part names
// ("/xl/worksheets/sheet1.xml"), and texts kept inline in their cells ("inlineStr").
#pragma once

#include "pacotezip.h"

namespace corvel {

// Targets become relative to their source part, and inline texts join the shared-string table
// (which is made when the workbook has none). True when any member changed. Throws ErroArquivo
// when a part it must rewrite is not well-formed XML.
bool normalizarXlsx(std::vector<MembroZip>& membros);

} // namespace corvel
