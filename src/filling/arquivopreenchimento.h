// The gap-filling project file (".psv", the table snapshot format) and the station loader that
// reads the other stations' project files.
#pragma once

#include "projetopreenchimento.h"

#include "core/tabela.h"

namespace corvel {

// The table the file holds: ID, Data, BaseApoio, Preenchido, Dados1, dados2 … dados5, Dados6 …
// Dados20, Estacoes (the code of column n in row n, null for a column without a station) and
// NumEstacoes (never written), the months in date order.
Tabela tabelaPreenchimento(const ProjetoPreenchimento& projeto);
// Titles from Estacoes of the first twenty rows (the station count is the last titled column),
// fill state -2. Throws ErroArquivo when a field is missing or a month is repeated.
ProjetoPreenchimento projetoPreenchimentoDeTabela(const Tabela& tabela);

// Adds ".psv" to a name typed without an extension.
QString ajustarExtensaoPreenchimento(const QString& caminho);
// Writes atomically; the fill state becomes 1 (saved). Throws ErroArquivo.
void gravarProjetoPreenchimento(const QString& caminho, ProjetoPreenchimento& projeto);
ProjetoPreenchimento lerProjetoPreenchimento(const QString& caminho);

// The station loader: a project file whose extension is exactly ".cvl" (otherwise the warning
// "Arquivo de projeto inválido."), read whole; a file that cannot be read gives "Este arquivo não
// é Projeto válido ou está corrompido.". Nothing is completed or saved back.
SerieTabela lerEstacaoPreenchimento(const QString& caminho);

} // namespace corvel
