// The entry point of the network module (corvel-rede) as corvel-cli resolves it, and the
// subcommands that go through it.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace corvel::cli::rede {

inline constexpr auto kModulo = "corvel-rede";
inline constexpr auto kExecutar = "corvel_executar_rede";
enum Falha { kSemFalha = 0, kFalhaUso = 1, kFalhaErro = 2 };
// Runs the subcommand `nome`; its exit code, or a failure of kind `falha` with its text.
using Executar = int (*)(const char* nome, const QStringList* argumentos, QTextStream* saida,
                         int* falha, QString* texto);

// The subcommand through the module: ErroUso or Erro as if it had run here. Throws Erro when the
// module cannot be loaded.
int executarPelaRede(const char* nome, const QStringList& argumentos, QTextStream& saida);

} // namespace corvel::cli::rede
