// Subcommands of corvel-cli. Each takes its own arguments (after the subcommand's name) and
// returns the exit code; failures of the core arrive as corvel::Erro and are reported by main.
#pragma once

#include <QStringList>
#include <QTextStream>

class QLibrary;
#include <exception>

namespace corvel::cli {

// Bad usage: main prints the text and the subcommand's help, and exits with 2.
struct ErroUso {
    QString mensagem;
};

// One line on the error output (warnings that go with a successful result).
void escreverNaSaidaDeErros(const QString& linha);
// Loads the module `nome` (corvel-ficha, corvel-rede) from beside the program, else from the
// installation's lib/corvel; `biblioteca.isLoaded()` tells whether it was found.
void abrirModulo(QLibrary& biblioteca, const char* nome);
// The one-line text of a failure: an Erro's message, or what else went wrong.
QString textoDaFalha(std::exception_ptr falha);

struct Subcomando {
    const char* nome;
    const char* resumo;
    const char* ajuda;
    int (*executar)(const QStringList& argumentos, QTextStream& saida);
};

int executarInfo(const QStringList& argumentos, QTextStream& saida);
int executarImportar(const QStringList& argumentos, QTextStream& saida);
int executarExportar(const QStringList& argumentos, QTextStream& saida);
// Writes the result CSV as bytes (Windows-1252) to the device under `saida`.
int executarDistribuicoes(const QStringList& argumentos, QTextStream& saida);
int executarPreprocessar(const QStringList& argumentos, QTextStream& saida);
int executarEstacionariedade(const QStringList& argumentos, QTextStream& saida);
int executarTendencia(const QStringList& argumentos, QTextStream& saida);
int executarMinimas(const QStringList& argumentos, QTextStream& saida);
int executarMaximas(const QStringList& argumentos, QTextStream& saida);
int executarMedias(const QStringList& argumentos, QTextStream& saida);
int executarPermanencia(const QStringList& argumentos, QTextStream& saida);
int executarRegularizacao(const QStringList& argumentos, QTextStream& saida);
int executarBaixar(const QStringList& argumentos, QTextStream& saida);
int executarEstacoes(const QStringList& argumentos, QTextStream& saida);
// The same through the network module (rede.cpp), as corvel-cli runs them.
int executarBaixarPelaRede(const QStringList& argumentos, QTextStream& saida);
int executarEstacoesPelaRede(const QStringList& argumentos, QTextStream& saida);
int executarDisponibilidade(const QStringList& argumentos, QTextStream& saida);
int executarPreencher(const QStringList& argumentos, QTextStream& saida);
int executarPreencherDiario(const QStringList& argumentos, QTextStream& saida);
int executarResumo(const QStringList& argumentos, QTextStream& saida);
// Draws with the chart module (see modulografico.h).
int executarHidrograma(const QStringList& argumentos, QTextStream& saida);

} // namespace corvel::cli
