// Where the program keeps what it writes at run time: the user's data folder. The copies shipped
// beside the program are read-only seeds, read when the user has no copy of his own.
#pragma once

#include <QString>

namespace corvel {

// The user's data folder of this program (`QStandardPaths::AppDataLocation`): a program's own
// folder is read-only for a normal user on Windows and in a Linux package.
QString pastaDadosUsuario();

// The file `nome` of the user's data folder when it exists there, else the copy beside the
// program. Either folder may be empty (not used).
QString arquivoEmUso(const QString& nome, const QString& pastaDados, const QString& pastaPrograma);

} // namespace corvel
