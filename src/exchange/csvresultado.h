// The CSV files of the analysis windows' results: a header of the visible column titles, then one
// line per row; every value, the last one included, followed by ";", no quoting; Windows-1252,
// CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace corvel {

using LinhasTexto = std::vector<std::vector<QString>>;

QByteArray textoCsvResultado(const std::vector<QString>& titulos, const LinhasTexto& linhas);
// Writes the file atomically. Throws ErroArquivo.
void gravarCsvResultado(const QString& caminho, const std::vector<QString>& titulos,
                        const LinhasTexto& linhas);

} // namespace corvel
