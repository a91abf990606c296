// Export of the open series to the system's own text files: CSV separated by ';' and text
// separated by spaces, one monthly record per line in the record codec's layout.
#pragma once

#include "progresso.h"

#include "core/serie.h"

#include <QString>

namespace corvel {

enum class FormatoTexto { Csv, Txt };

inline constexpr auto kMsgSemDadosExportar = "Não há dados para exportar.";
// "Erro ao exportar arquivo *.csv" or "Erro ao exportar arquivo *.txt".
QString mensagemErroExportar(FormatoTexto formato);
QChar separadorTexto(FormatoTexto formato);

// Creates or replaces the file and writes the header line and every record in the series'
// current order (ascending Data for an open series), Windows-1252 with CR LF. Asking before
// replacing a file is the caller's business. `progresso` gets the number of records written.
// Throws Erro with kMsgSemDadosExportar when no series is open and with mensagemErroExportar()
// followed by the cause when the file cannot be written; an existing file is then left as it was.
void exportarTexto(const SerieTabela& serie, const QString& caminho, FormatoTexto formato,
                   const Progresso& progresso = {});

} // namespace corvel
