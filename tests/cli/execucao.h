// How the command-line tests run corvel-cli: the exit code (-1 when the program crashed), standard
// output whole and in lines, and standard error.
#pragma once

#include "impressao_qt.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace corvel::teste {

struct Execucao {
    int codigo = -1;
    QString saida, erro;
    QStringList linhas;        // the non-empty lines of standard output
    QStringList todasAsLinhas; // every line, but the empty piece after the last line break
};

inline Execucao executar(const QString& programa, const QStringList& argumentos,
                         const QString& pasta = {}) {
    QProcess p;
    if (!pasta.isEmpty()) p.setWorkingDirectory(pasta);
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    Execucao e;
    e.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    e.saida = QString::fromUtf8(p.readAllStandardOutput());
    e.erro = QString::fromUtf8(p.readAllStandardError());
    e.linhas = e.saida.split(u'\n', Qt::SkipEmptyParts);
    e.todasAsLinhas = e.saida.split(u'\n');
    if (!e.todasAsLinhas.isEmpty() && e.todasAsLinhas.last().isEmpty())
        e.todasAsLinhas.removeLast();
    return e;
}

// corvel-cli with the arguments, run in `pasta` when given.
inline Execucao cli(const QStringList& argumentos, const QString& pasta = {}) {
    return executar(QStringLiteral(CORVEL_CLI), argumentos, pasta);
}

// corvel-cli's subcommand `subcomando` with the arguments.
inline Execucao subcomando(const char* subcomando, const QStringList& argumentos,
                           const QString& pasta = {}) {
    return cli(QStringList{QString::fromLatin1(subcomando)} + argumentos, pasta);
}

} // namespace corvel::teste
