// Writes a folder of synthetic station projects for the batch measurements: N stations
// (codes 90000001, 90000002, ...) of daily flows over the given number of years ending in 2023,
// each with its own seed, a wet and a dry season, persistence, storms and a few gaps.
//
// Usage: gerar-estacoes PASTA N ANOS
#include "core/projeto.h"

#include <QDir>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

using namespace corvel;

namespace {

SerieTabela estacao(int indice, int anos) {
    std::mt19937 gerador(static_cast<unsigned>(7919 * indice + 17));
    std::normal_distribution<double> ruido(0, 0.18);
    std::uniform_real_distribution<double> uniforme(0, 1);
    const double escala = 20 + 5 * (indice % 40);
    SerieTabela s;
    s.esvaziar();
    double id = 0, fator = 0;
    double tempestade = 0;
    for (QDate m(2024 - anos, 1, 1); m.year() <= 2023; m = m.addMonths(1)) {
        RegistroMensal r = SerieTabela::novoRegistro(2);
        r.registroId = ++id;
        r.estacaoCodigo = 90000000 + indice;
        r.data = m;
        r.vazao02Status = 1;
        for (int d = 1; d <= m.daysInMonth(); ++d) {
            fator = 0.9 * fator + ruido(gerador);
            tempestade = 0.8 * tempestade + (uniforme(gerador) < 0.04 ? 3 * escala : 0);
            const double fase = 2 * std::numbers::pi * (m.dayOfYear() + d - 1) / 365.25;
            const double base = escala * (1.6 + std::cos(fase));
            if (uniforme(gerador) < 0.003) continue; // a missing day
            r.vazao[static_cast<std::size_t>(d - 1)] =
                std::round((base * std::exp(fator) + tempestade) * 100) / 100;
        }
        s.acrescentarProgramatico(std::move(r));
    }
    s.indice();
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("uso: gerar-estacoes PASTA N ANOS\n", stderr);
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    const int n = std::atoi(argv[2]);
    const int anos = std::atoi(argv[3]);
    if (n < 1 || anos < 1 || anos > 200 || !QDir().mkpath(pasta)) {
        std::fputs("gerar-estacoes: argumentos inválidos\n", stderr);
        return 2;
    }
    for (int i = 1; i <= n; ++i)
        gravarProjeto(QDir(pasta).filePath(QStringLiteral("%1.cvl").arg(90000000 + i)),
                      estacao(i, anos));
    return 0;
}
