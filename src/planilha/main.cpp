// corvel-planilha: reads one workbook for the workbench. Usage: corvel-planilha [--depurar] arquivo
// Answers "OK" (or "ERRO") once the file is loaded, then one line per request on standard input:
//   C s l c  ->  "T <text>" or "-"          (the cell's text; numbers in the general form)
//   N s l c  ->  "N <number>" or "-"        (only when the cell holds a number)
//   E s l c  ->  "E <bg> <fg> <bold>" or "-" (colours as hexadecimal RRGGBB)
// Lines end in "\n" both ways; a "\r" before it is ignored. Standard output carries these answers
// and nothing else; --depurar lets the libraries describe their reading, on standard error.
// A damaged file may make the libraries abort: that ends this process only.
#include "core/formato.h"
#include "exchange/leitorplanilha.h"
#include "plataforma.h"
#include "respostas.h"

#include <QCoreApplication>
#include <QStringList>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    // First of all, before any library can print a word.
    std::FILE* saida = corvel::planilha::separarRespostas();
    corvel::planilha::limitarMemoria(corvel::planilha::kMemoriaMaxima);
    QCoreApplication app(argc, argv);
    corvel::numerosDaBibliotecaCEmFormaPadrao();
    // Qt's arguments, not argv: on Windows they come as wide characters, so "Estações" survives.
    QStringList argumentos = app.arguments().mid(1);
    const bool depurar = argumentos.removeAll(QStringLiteral("--depurar")) > 0;
    if (!saida || argumentos.size() != 1) {
        std::fputs("uso: corvel-planilha [--depurar] arquivo\n", stderr);
        return 2;
    }
    auto responder = [saida](const QByteArray& resposta) {
        std::fwrite(resposta.constData(), 1, static_cast<std::size_t>(resposta.size()), saida);
        std::fputc('\n', saida);
        std::fflush(saida);
    };
    std::unique_ptr<corvel::LeitorPlanilha> leitor;
    try {
        leitor = corvel::abrirLeitorPlanilha(argumentos.front(), depurar);
    } catch (...) {
        responder("ERRO");
        return 1;
    }
    responder("OK");
    std::string linha;
    while (std::getline(std::cin, linha))
        responder(corvel::planilha::responder(*leitor, QByteArrayView(linha.data(), linha.size())));
    return 0;
}
