// Stands in for corvel-planilha in the tests. It answers as a text-mode stream on Windows writes,
// every line ending in "\r\n"; given a file whose name ends in ".lenta", it never answers and
// waits for its input to close.
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    const std::string arquivo = argv[1];
    std::string linha;
    if (arquivo.size() > 6 && arquivo.compare(arquivo.size() - 6, 6, ".lenta") == 0) {
        while (std::getline(std::cin, linha)) {
        }
        return 0;
    }
    std::fputs("OK\r\n", stdout);
    std::fflush(stdout);
    while (std::getline(std::cin, linha)) {
        const char tipo = linha.empty() ? ' ' : linha[0];
        if (tipo == 'C')
            std::fputs("T Mar\xc3\xa7o\\r\\n1990\r\n",
                       stdout); // an escaped line break inside the text
        else if (tipo == 'N')
            std::fputs("N 126.99\r\n", stdout);
        else if (tipo == 'E')
            std::fputs("E ff0000 ffffff 1\r\n", stdout);
        else
            std::fputs("-\r\n", stdout);
        std::fflush(stdout);
    }
    return 0;
}
