// corvel-mdb: reads one Access database for the workbench. Usage: corvel-mdb arquivo.mdb
// Answers "OK" (or "ERRO") once the file is open, then answers the requests of
// exchange/protocolomdb.h, one per line on standard input. libmdb crashes or exits on some damaged
// files: that ends this process only, and the workbench reports a database error.
#include "leitormdb.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace corvel::mdb;

void escrever(const std::string& linha) {
    std::fwrite(linha.data(), 1, linha.size(), stdout);
    std::fputc('\n', stdout);
}

// One request; false when it cannot be understood (the answer is then ERRO).
bool responder(const LeitorMdb& leitor, const std::vector<std::string>& p) {
    const char pedido = p[0].size() == 1 ? p[0][0] : '?';
    if (pedido == 'T' && p.size() == 1) {
        std::string r = "T";
        for (const std::string& nome : leitor.tabelas())
            r += kSeparador + escapar(nome);
        escrever(r);
        return true;
    }
    if (pedido == 'C' && p.size() == 2) {
        std::vector<Campo> campos;
        if (!leitor.campos(p[1], campos)) {
            escrever("-");
            return true;
        }
        std::string r = "C";
        for (const Campo& c : campos)
            r += kSeparador + escapar(c.nome) + ':' + static_cast<char>(c.tipo);
        escrever(r);
        return true;
    }
    if (pedido == 'D' && p.size() == 3) {
        std::vector<std::string> valores;
        if (!leitor.distintos(p[1], p[2], valores)) return false;
        std::string r = "D";
        for (const std::string& v : valores)
            r += kSeparador + v;
        escrever(r);
        return true;
    }
    if (pedido == 'L' && p.size() >= 4) {
        const std::vector<std::string> pedidos(p.begin() + 4, p.end());
        std::string r;
        const bool ok = leitor.linhas(p[1], p[2], p[3], pedidos, [&](const auto& valores) {
            r.assign(1, 'R');
            for (const std::string& v : valores)
                r += kSeparador + v;
            escrever(r);
        });
        if (ok) escrever(std::string(kFimDasLinhas));
        return ok;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("uso: corvel-mdb arquivo.mdb\n", stderr);
        return 2;
    }
    LeitorMdb leitor;
    if (!leitor.abrir(argv[1])) {
        escrever(std::string(kRespostaErro));
        return 1;
    }
    escrever(std::string(kRespostaOk));
    std::fflush(stdout);
    std::string linha;
    while (std::getline(std::cin, linha)) {
        std::vector<std::string> campos;
        bool legivel = true;
        for (std::string_view c : separar(linha)) {
            std::string t;
            legivel = legivel && desescapar(c, t);
            campos.push_back(std::move(t));
        }
        if (!legivel || !responder(leitor, campos)) escrever(std::string(kRespostaErro));
        std::fflush(stdout);
    }
    return 0;
}
