// corvel-planilha: reads one workbook for the workbench. Usage: corvel-planilha arquivo
// Answers "OK" (or "ERRO") once the file is loaded, then one line per request on standard input:
//   C s l c  ->  "T <text>" or "-"          (the cell's text; numbers in the general form)
//   N s l c  ->  "N <number>" or "-"        (only when the cell holds a number)
//   E s l c  ->  "E <bg> <fg> <bold>" or "-" (colours as hexadecimal RRGGBB)
// A damaged file may make the libraries abort: that ends this process only.
#include "core/formato.h"
#include "leitorplanilha.h"
#include "protocoloplanilha.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    corvel::numerosDaBibliotecaCEmFormaPadrao();
    if (argc != 2) {
        std::fputs("uso: corvel-planilha arquivo\n", stderr);
        return 2;
    }
    std::unique_ptr<corvel::LeitorPlanilha> leitor;
    try {
        leitor = corvel::abrirLeitorPlanilha(QString::fromLocal8Bit(argv[1]));
    } catch (...) {
        std::fputs("ERRO\n", stdout);
        return 1;
    }
    std::fputs("OK\n", stdout);
    std::fflush(stdout);
    std::string linha;
    while (std::getline(std::cin, linha)) {
        char tipo = 0;
        int s = 0, l = 0, c = 0;
        QByteArray resposta = "-";
        if (std::sscanf(linha.c_str(), "%c %d %d %d", &tipo, &s, &l, &c) == 4) {
            try {
                if (tipo == 'C') {
                    if (const auto t = leitor->celula(s, l, c))
                        resposta = "T " + corvel::codificarTextoCelula(*t);
                } else if (tipo == 'N') {
                    if (const auto v = leitor->numero(s, l, c))
                        resposta = "N " + QByteArray::number(*v, 'g', 17);
                } else if (tipo == 'E') {
                    if (const auto e = leitor->estilo(s, l, c))
                        resposta = "E " + QByteArray::number(e->fundo, 16) + ' ' +
                                   QByteArray::number(e->texto, 16) + ' ' + (e->negrito ? '1' : '0');
                }
            } catch (...) {
                resposta = "-";
            }
        }
        std::fputs((resposta + '\n').constData(), stdout);
        std::fflush(stdout);
    }
    return 0;
}
