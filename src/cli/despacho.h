// The one place where a corvel-cli command line meets its subcommand, and where every failure of
// a subcommand ends: an exit code and one line on the error output, never an abort.
#pragma once

#include "comandos.h"

#include <QIODevice>
#include <QStringList>
#include <span>

namespace corvel::cli {

// Runs `argumentos` (without the program's name) against the table. What a subcommand wrote before
// failing is still written out, then the error: the rows a command had produced are not lost.
// Exit codes: 0 done, 1 bad input or any failure (one line "corvel-cli <sub>: <message>"), 2 bad
// usage (the message and the subcommand's help).
int executarLinhaDeComando(QStringList argumentos, std::span<const Subcomando> subcomandos,
                           QIODevice& saida, QIODevice& erros);

} // namespace corvel::cli
