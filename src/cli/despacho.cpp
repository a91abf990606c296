// Command-line dispatch of corvel-cli and the translation of failures into exit codes.
#include "despacho.h"

#include "core/erros.h"
#include "core/plataforma.h"
#include "core/versao.h"

#include <QDir>
#include <QLibrary>
#include <QTextStream>
#include <cstdio>
#include <new>

namespace corvel::cli {

namespace {

void escrever(QIODevice& d, const QString& texto) {
    d.write(texto.toUtf8());
}

QString ajudaGeral(std::span<const Subcomando> subcomandos) {
    QString t = QStringLiteral("uso: corvel-cli <subcomando> [argumentos]\n\nSubcomandos:\n");
    for (const Subcomando& s : subcomandos)
        t += QStringLiteral("  %1  %2\n")
                 .arg(QString::fromUtf8(s.nome), -16)
                 .arg(QString::fromUtf8(s.resumo));
    t += QStringLiteral("\ncorvel-cli <subcomando> --help mostra a ajuda de cada um.\n");
    return t;
}

} // namespace

void escreverNaSaidaDeErros(const QString& linha) {
    std::fputs((linha + u'\n').toUtf8().constData(), stderr);
    std::fflush(stderr);
}

void abrirModulo(QLibrary& biblioteca, const char* nome) {
    const QString pasta = plataforma::pastaDoExecutavel();
    for (const QString& local :
         {QDir(pasta).filePath(QString::fromLatin1(nome)),
          QDir(pasta).filePath(QStringLiteral("../lib/corvel/") + QString::fromLatin1(nome))}) {
        biblioteca.setFileName(local);
        if (biblioteca.load()) return;
    }
}

QString textoDaFalha(std::exception_ptr falha) {
    try {
        std::rethrow_exception(falha);
    } catch (const Erro& e) {
        return e.mensagem().simplified();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("memória insuficiente para concluir o comando");
    } catch (const std::exception& e) {
        return QStringLiteral("erro inesperado: %1")
            .arg(QString::fromLocal8Bit(e.what()).simplified());
    } catch (...) {
        return QStringLiteral("erro inesperado");
    }
}

int executarLinhaDeComando(QStringList argumentos, std::span<const Subcomando> subcomandos,
                           QIODevice& saida, QIODevice& erros) {
    if (argumentos.isEmpty()) {
        escrever(erros, ajudaGeral(subcomandos));
        return 2;
    }
    if (argumentos[0] == u"--version" || argumentos[0] == u"-v") {
        escrever(saida, QStringLiteral("corvel-cli " CORVEL_VERSAO "\n"));
        return 0;
    }
    if (argumentos[0] == u"--help" || argumentos[0] == u"-h") {
        escrever(saida, ajudaGeral(subcomandos));
        return 0;
    }
    const QString nome = argumentos.takeFirst();
    const Subcomando* sub = nullptr;
    for (const Subcomando& s : subcomandos)
        if (nome == QString::fromUtf8(s.nome)) sub = &s;
    if (!sub) {
        escrever(erros, QStringLiteral("corvel-cli: subcomando desconhecido: %1\n").arg(nome) +
                            ajudaGeral(subcomandos));
        return 2;
    }
    if (argumentos.contains(QStringLiteral("--help")) ||
        argumentos.contains(QStringLiteral("-h"))) {
        escrever(saida, QString::fromUtf8(sub->ajuda));
        return 0;
    }

    QTextStream texto(&saida);
    texto.setEncoding(QStringConverter::Utf8);
    QString falha;
    try {
        const int codigo = sub->executar(argumentos, texto);
        texto.flush();
        return codigo;
    } catch (const ErroUso& e) {
        texto.flush();
        escrever(erros, QStringLiteral("corvel-cli %1: %2\n").arg(nome, e.mensagem) +
                            QString::fromUtf8(sub->ajuda));
        return 2;
    } catch (...) {
        falha = textoDaFalha(std::current_exception());
    }
    texto.flush();
    escrever(erros, QStringLiteral("corvel-cli %1: %2\n").arg(nome, falha));
    return 1;
}

} // namespace corvel::cli
